// Publicações e pós-graduações de um docente nos dois motores, abertas pela janela de
// docentes sobre os dados de demonstração: só as linhas do docente entregue, as caixas de
// cada tipo de publicação, os comandos exatos, os campos obrigatórios, o nível 7 que
// inclui publicações, e o programa escolhido na janela das pós-graduações.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaDocentesPosGraduacao.h"
#include "TabelaPublicacoes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList CaixasDeTexto = { u"EditAutor"_s, u"EditMes"_s, u"EditAno"_s, u"EditCapitulo"_s,
    u"EditTitulo"_s, u"EditVeiculo"_s, u"EditVolume"_s, u"EditEdicao"_s, u"EditEditora"_s,
    u"EditLocal"_s, u"EditPaginaInicial"_s, u"EditPaginaFinal"_s, u"EditPaginas"_s,
    u"EditCirculacao"_s, u"EditLink"_s };
} // namespace

class TestePublicacoes : public QuadroEditores {
    Q_OBJECT

    // As caixas de texto escondidas (os rótulos ficam todos à vista).
    static QStringList escondidas(TFormTabela *j)
    {
        QStringList e;
        for (const QString &c : CaixasDeTexto) {
            if (!j->Controle(c)->isVisibleTo(j))
                e << c;
            if (!j->findChild<QLabel *>(u"Label"_s + c)->isVisibleTo(j))
                e << u"Label"_s + c;
        }
        return e;
    }
    // Abre a filha 'numero' pelo botão da janela de docentes, com o docente 'id' mostrado,
    // e roda 'acao' nela.
    static void abrirPeloDocente(const QString &id, const QString &botao, int numero,
        std::function<void(TFormTabela *)> acao)
    {
        TFormTabela *docentes = Registro::Janela(11);
        docentes->show();
        CLICAR_ID(docentes, id);
        bool aberta = false;
        AoAbrirModal([&](QWidget *w) {
            aberta = true;
            auto *f = qobject_cast<TFormTabela *>(w);
            QCOMPARE(f, Registro::Janela(numero));
            acao(f);
            if (f->isVisible())
                f->BitBtnFechar->click();
        });
        Clicar(docentes, botao);
        QVERIFY(aberta);
    }

private slots:
    void listaDoDocente()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        abrirPeloDocente(u"2"_s, u"BitBtnPublicacoes"_s, 26, [&](TFormTabela *j) {
            auto *p = qobject_cast<TFormTabelaPublicacoes *>(j);
            QVERIFY(p);
            QCOMPARE(p->windowTitle(), u"Tabela Publicações"_s);
            QCOMPARE(p->IdDocente + u'|' + p->NomeDocente, u"2|Adelaide Quintanilha Borbolato"_s);
            QCOMPARE(p->GroupBox2->title(), u" Listagem (3) "_s);
            // Por título.
            QCOMPARE(Editores::IdsListados(p), QStringList({ u"2"_s, u"1"_s, u"3"_s }));
            QCOMPARE(Edit(p, u"EditDocente"_s)->text(), u"2"_s);
            QCOMPARE(Edit(p, u"EditDocente_Nome"_s)->text(), u"Adelaide Quintanilha Borbolato"_s);
            QCOMPARE(p->Controle<QComboBox>(u"EditTipo"_s)->currentText(), u"livro"_s);
        });
        QVERIFY(r.mostradas.isEmpty());
        // Um docente sem publicações.
        abrirPeloDocente(u"20"_s, u"BitBtnPublicacoes"_s, 26, [&](TFormTabela *p) {
            QCOMPARE(p->GroupBox2->title(), u" Listagem (0) "_s);
            QCOMPARE(Edit(p, u"EditDocente_Nome"_s)->text(), QString());
        });
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
    }

    void caixasDoTipo_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("escondidas");
        QTest::newRow("artigo") << u"artigo em periódico"_s
                                << QStringList { u"EditCapitulo"_s, u"EditEdicao"_s,
                                       u"EditEditora"_s, u"EditLocal"_s, u"EditPaginas"_s };
        QTest::newRow("livro") << u"livro"_s
                               << QStringList { u"EditCapitulo"_s, u"EditVeiculo"_s,
                                      u"EditPaginaInicial"_s, u"EditPaginaFinal"_s,
                                      u"EditCirculacao"_s };
        QTest::newRow("capítulo") << u"capítulo de livro"_s
                                  << QStringList { u"EditVeiculo"_s, u"EditCirculacao"_s };
        QTest::newRow("outro") << u"tese"_s << QStringList {};
    }
    // O tipo escolhido na lista ou digitado esconde as caixas dele; um tipo desconhecido
    // mostra todas. Escondidas, elas são gravadas assim mesmo.
    void caixasDoTipo()
    {
        QFETCH(QString, tipo);
        QFETCH(QStringList, escondidas);
        BANCO_DEMONSTRACAO(b, 1);
        auto *espia = Editores::InstalarEspia<TFormTabelaPublicacoes>(26);
        Roteiro r;
        abrirPeloDocente(u"2"_s, u"BitBtnPublicacoes"_s, 26, [&](TFormTabela *p) {
            CLICAR_ID(p, u"1"_s); // artigo
            p->BitBtnModificar->click();
            auto *combo = p->Controle<QComboBox>(u"EditTipo"_s);
            QCOMPARE(combo->palette().color(QPalette::Base), ControleCampo::CorPesquisa());
            const int item = combo->findText(tipo);
            if (item >= 0) {
                combo->setCurrentIndex(item);
                emit combo->activated(item);
            } else {
                combo->lineEdit()->selectAll();
                QTest::keyClicks(combo->lineEdit(), tipo);
            }
            QCOMPARE(TestePublicacoes::escondidas(p), escondidas);
            p->BitBtnAceitar->click();
            CLICAR_ID(p, u"1"_s); // mostrada de novo, com as caixas do tipo gravado
            QCOMPARE(TestePublicacoes::escondidas(p), escondidas);
        });
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(espia->comandos,
            QStringList { u"UPDATE Publicacoes SET \r\nTipo='"_s + tipo
                + u"'\r\n,Docente=2\r\n,Autor='Borbolato, A. Q.; Tacaruna, B. O.'\r\n"
                  ",Mes='março'\r\n,Ano='2021'\r\n,Capitulo=''\r\n"
                  ",Titulo='Macroinvertebrados como indicadores da qualidade da água em "
                  "riachos do Vale'\r\n,Veiculo='Revista de Limnologia do Planalto'\r\n"
                  ",Volume='12'\r\n,Edicao=''\r\n,Editora=''\r\n,Local=''\r\n"
                  ",PaginaInicial='45'\r\n,PaginaFinal='67'\r\n,Paginas=''\r\n,Link=''\r\n"
                  ",Circulacao='Nacional'\r\n WHERE Id=1"_s });
        QCOMPARE(valor(u"SELECT Tipo FROM Publicacoes WHERE Id=1"_s), tipo);
        Editores::DesinstalarEspia<TFormTabelaPublicacoes>(26);
    }

    // O nível 7 não grava docentes, mas inclui publicações; tipo obrigatório, os quinze
    // textos vazios gravados.
    void incluirNoNivelSete()
    {
        BANCO_DEMONSTRACAO(b, 7);
        auto *espia = Editores::InstalarEspia<TFormTabelaPublicacoes>(26);
        Roteiro r;
        abrirPeloDocente(u"7"_s, u"BitBtnPublicacoes"_s, 26, [&](TFormTabela *p) {
            CLICAR_ID(p, u"6"_s); // livro: a escolha das caixas fica até escolher um tipo
            p->BitBtnIncluir->click();
            QCOMPARE(Edit(p, u"EditDocente_Nome"_s)->text(), u"Filomena Ipanema Sátiro"_s);
            QVERIFY(!p->Controle(u"EditVeiculo"_s)->isVisibleTo(p));
            p->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { u"O campo Tipo deve estar preenchido. Tente novamente."_s });
            QCOMPARE(p->Modo, ModoTabela::Incluindo);
            r.Limpar();
            p->Controle<QComboBox>(u"EditTipo"_s)->setEditText(u"resenha"_s);
            p->BitBtnAceitar->click();
            QCOMPARE(p->GroupBox2->title(), u" Listagem (2) "_s);
        });
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QString valores;
        for (int i = 0; i < 15; ++i)
            valores += u"\r\n,''"_s;
        QCOMPARE(espia->comandos,
            QStringList { u"INSERT INTO Publicacoes (\r\nTipo\r\n,Docente\r\n,Autor\r\n,Mes\r\n"
                          ",Ano\r\n,Capitulo\r\n,Titulo\r\n,Veiculo\r\n,Volume\r\n,Edicao\r\n"
                          ",Editora\r\n,Local\r\n,PaginaInicial\r\n,PaginaFinal\r\n,Paginas\r\n"
                          ",Link\r\n,Circulacao\r\n) VALUES (\r\n'resenha'\r\n,7"_s
                + valores + u"\r\n)"_s });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Publicacoes WHERE Docente=7"_s), u"2"_s);
        Editores::DesinstalarEspia<TFormTabelaPublicacoes>(26);
    }

    // Sem o docente (a mãe entregou um Id vazio), nada é gravado.
    void docenteVazio()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *p = Registro::Janela(26);
        p->DefinirPai(QString(), QString());
        p->show();
        QCOMPARE(p->GroupBox2->title(), u" Listagem (8) "_s); // sem Id, todas
        p->BitBtnIncluir->click();
        p->Controle<QComboBox>(u"EditTipo"_s)->setEditText(u"livro"_s);
        r.Limpar();
        p->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Docente não está preenchido. Por favor, contacte o "
                          "webmaster e relate o erro."_s });
        QCOMPARE(p->Modo, ModoTabela::Incluindo);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Publicacoes"_s), u"8"_s);
        p->BitBtnCancelar->click();
    }

    // Os programas do docente: escolhidos na janela das pós-graduações, o programa
    // obrigatório, a mesma ligação duas vezes, apagar só a linha.
    void posGraduacoesDoDocente()
    {
        BANCO_DEMONSTRACAO(b, 1);
        b.Executar(u"INSERT INTO Posgraduacoes (Id, Nome) VALUES (901, 'Mestrado em "
                   "Ecologia d''Águas Interiores')"_s);
        auto *espia = Editores::InstalarEspia<TFormTabelaDocentesPosGraduacao>(76);
        Roteiro r;
        abrirPeloDocente(u"6"_s, u"BitBtn1"_s, 76, [&](TFormTabela *j) {
            auto *p = qobject_cast<TFormTabelaDocentesPosGraduacao *>(j);
            QVERIFY(p);
            QCOMPARE(p->windowTitle(), u"Tabela Docentes, Pós-graduação"_s);
            QCOMPARE(p->IdDocente, u"6"_s);
            QCOMPARE(p->GroupBox2->title(), u" Listagem (1) "_s);
            p->BitBtnIncluir->click();
            QCOMPARE(Edit(p, u"EditDocente_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
            p->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { u"O campo Pós-graduação deve estar preenchido. Operação "
                              "interrompida."_s });
            QCOMPARE(p->Modo, ModoTabela::Incluindo);
            r.Limpar();
            for (int vez = 0; vez < 2; ++vez) {
                if (vez)
                    p->BitBtnIncluir->click();
                Editores::Escolher(p, u"EditPosGraduacao_Nome"_s, 15, u"901"_s);
                QCOMPARE(Edit(p, u"EditPosGraduacao_Nome"_s)->text(),
                    u"Mestrado em Ecologia d'Águas Interiores"_s);
                p->BitBtnAceitar->click();
            }
            QCOMPARE(p->GroupBox2->title(), u" Listagem (3) "_s);
            CLICAR_ID(p, u"3"_s);
            r.Responder(true);
            p->BitBtnExcluir->click();
            QCOMPARE(p->GroupBox2->title(), u" Listagem (2) "_s);
        });
        QCOMPARE(espia->comandos,
            QStringList(2,
                u"INSERT INTO DocentesPosGraduacao (\r\nDocente\r\n,PosGraduacao\r\n"
                ") VALUES (\r\n6\r\n,901\r\n)"_s));
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DocentesPosGraduacao WHERE PosGraduacao=901"_s), u"2"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocentesPosGraduacao WHERE Docente=6"_s), u"2"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocentesPosGraduacao"_s), u"6"_s);
        Editores::DesinstalarEspia<TFormTabelaDocentesPosGraduacao>(76);
    }
};

QTEST_MAIN(TestePublicacoes)
#include "tst_publicacoes.moc"

// Janela de imagens nos dois motores, sobre os dados de demonstração: a listagem por nível
// (o filtro de departamento só nos níveis 3..6, a listagem padrão nos outros, também nos
// que têm filtro), a conferência de nível de cada dono, os comandos exatos com os tamanhos,
// os campos obrigatórios e a janela como escolha das imagens dos departamentos.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaImagens.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSpinBox>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList Donos
    = { u"EditDepartamento_Nome"_s, u"EditSecao_Nome"_s, u"EditDocente_Nome"_s };
const QStringList Recusas = {
    u"Você não possui permissão para associar essa imagem a um departamento. Operação "
    "interrompida."_s,
    u"Você não possui permissão para associar essa imagem a uma seção. Operação "
    "interrompida."_s,
    u"Você não possui permissão para associar essa imagem a um docente. Operação "
    "interrompida."_s,
};
} // namespace

class TesteImagens : public QuadroEditores {
    Q_OBJECT

    TFormTabela *janela() { return Registro::Janela(71); }

private slots:
    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        QStringList todos;
        for (int i = 1; i <= 14; ++i)
            todos << QString::number(i);
        todos.sort();
        QTest::newRow("Administrador") << 1 << todos;
        QTest::newRow("Biologia") << 3 << QStringList { u"1"_s, u"13"_s, u"2"_s };
        QTest::newRow("Física") << 4 << QStringList { u"1"_s, u"3"_s };
        QTest::newRow("Psicologia") << 5 << QStringList { u"1"_s, u"14"_s };
        QTest::newRow("Química") << 6 << QStringList { u"1"_s, u"10"_s };
        QTest::newRow("SEAC") << 7 << todos;
        // Com filtro, sem ser de departamento: a listagem padrão (não um comando vazio).
        QTest::newRow("Graduação") << 9 << todos;
        QTest::newRow("Pós-graduação") << 10 << todos;
    }
    void listagemDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = janela();
        QVERIFY(qobject_cast<TFormTabelaImagens *>(j));
        j->show();
        QStringList listados = Editores::IdsListados(j);
        listados.sort();
        QCOMPARE(listados, ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        QVERIFY(r.mostradas.isEmpty());
        // Ordenada pelo título.
        if (ids.size() == 14)
            QCOMPARE(Editores::IdsListados(j).first(), u"14"_s);
    }

    // Quem pode associar cada dono; a recusa vem em todo modo, antes de tudo; um nível que
    // pode não vê nada enquanto consulta.
    void conferenciaDeNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QList<bool>>("pode"); // departamento, seção, docente
        const QList<bool> depto = { true, false, true }; // níveis 3..6
        QTest::newRow("1") << 1 << QList<bool> { true, true, true };
        QTest::newRow("2") << 2 << QList<bool> { true, true, true };
        for (int n = 3; n <= 6; ++n)
            QTest::newRow(qPrintable(QString::number(n))) << n << depto;
        QTest::newRow("7") << 7 << QList<bool> { false, true, false };
        QTest::newRow("8") << 8 << QList<bool> { false, true, true };
        for (int n = 9; n <= 12; ++n)
            QTest::newRow(qPrintable(QString::number(n)))
                << n << QList<bool> { false, true, false };
    }
    void conferenciaDeNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QList<bool>, pode);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        for (int i = 0; i < Donos.size(); ++i) {
            r.Limpar();
            QTest::mouseDClick(Edit(j, Donos.at(i)), Qt::LeftButton);
            QCOMPARE(r.Textos(), pode.at(i) ? QStringList() : QStringList { Recusas.at(i) });
        }
        // Editando (só os níveis 1 e 2 abrem a janela para editar), quem pode escolhe na
        // janela do dono.
        if (nivel > 2)
            return;
        j->BitBtnModificar->click();
        for (int i = 0; i < Donos.size(); ++i) {
            r.Limpar();
            bool abriu = false;
            if (pode.at(i))
                AoAbrirModal([&](QWidget *w) {
                    abriu = true;
                    qobject_cast<TFormTabela *>(w)->BitBtnFechar->click();
                });
            QTest::mouseDClick(Edit(j, Donos.at(i)), Qt::LeftButton);
            QCOMPARE(abriu, pode.at(i));
            QCOMPARE(r.Textos(), pode.at(i) ? QStringList() : QStringList { Recusas.at(i) });
        }
        j->BitBtnCancelar->click();
    }

    void incluirEModificar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaImagens>(71);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        QCOMPARE(j->Controle<QSpinBox>(u"EditTamanhoX"_s)->text(), QString());
        QCOMPARE(j->Controle<QComboBox>(u"EditTipo"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        Digitar(j, u"EditArquivo"_s, u"x.png"_s);
        j->BitBtnAceitar->click();
        Digitar(j, u"EditTitulo"_s, u"Sem arquivo"_s);
        Digitar(j, u"EditArquivo"_s, QString());
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"O campo Título deve estar preenchido. Operação interrompida."_s,
                u"O campo Arquivo deve estar preenchido. Operação interrompida."_s }));
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(j->comandos.isEmpty());
        r.Limpar();
        // Tamanhos vazios valem 0; sem dono, as três colunas ficam fora.
        Digitar(j, u"EditArquivo"_s, u"https://exemplo.example.org/a'b.png"_s);
        j->Controle<QComboBox>(u"EditTipo"_s)->setEditText(u"Desenho à mão"_s);
        j->Controle<QPlainTextEdit>(u"MemoDescricao"_s)->setPlainText(u"\\ \"x\"\n'y'"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Imagens(\r\nTitulo\r\n,Arquivo\r\n,Copyright\r\n,Tipo\r\n"
                          ",Categoria\r\n,Descricao\r\n,TamanhoX\r\n,TamanhoY\r\n) VALUES (\r\n"
                          "'Sem arquivo'\r\n,'https://exemplo.example.org/a''b.png'\r\n,''\r\n"
                          ",'Desenho à mão'\r\n,''\r\n,'\\ \"x\"\r\n''y'''\r\n,0\r\n,0\r\n)"_s });
        QCOMPARE(valor(u"SELECT Descricao FROM Imagens WHERE Titulo='Sem arquivo'"_s),
            u"\\ \"x\"\r\n'y'"_s);
        QCOMPARE(valor(u"SELECT TamanhoY FROM Imagens WHERE Titulo='Sem arquivo'"_s), u"0"_s);

        // Modificar com um docente escolhido; os donos gravados são escritos de novo.
        j->comandos.clear();
        CLICAR_ID(j, u"13"_s);
        j->BitBtnModificar->click();
        j->Controle<QSpinBox>(u"EditTamanhoX"_s)->setValue(-5);
        Editores::Escolher(j, u"EditDocente_Nome"_s, 11, u"3"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Imagens SET \r\nTitulo='Logotipo do Centro de Limnologia'\r\n"
                          ",Arquivo='imagens/clv_logo.svg'\r\n"
                          ",Copyright='Assessoria de Imprensa da Faculdade'\r\n"
                          ",Tipo='Figura Vetorial'\r\n,Categoria='Evento'\r\n,Descricao=''\r\n"
                          ",TamanhoX=-5\r\n,TamanhoY=256\r\n,Departamento=2\r\n,Docente=3\r\n"
                          " WHERE Id=13"_s });
        QCOMPARE(valor(u"SELECT Docente FROM Imagens WHERE Id=13"_s), u"3"_s);
        Editores::DesinstalarEspia<TFormTabelaImagens>(71);
    }

    // A imagem de um departamento escolhida pelo nível do departamento: só as suas e as
    // linhas "[vazio]", e o título como nome.
    void escolhaDaImagemDoDepartamento()
    {
        BANCO_DEMONSTRACAO(b, 5);
        Roteiro r;
        TFormTabela *d = Registro::Janela(10);
        d->show();
        CLICAR_ID(d, u"4"_s);
        QCOMPARE(Edit(d, u"EditImagem_Nome"_s)->text(), u"Auditório do Bloco C"_s);
        d->BitBtnModificar->click();
        QStringList naEscolha;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, janela());
            QCOMPARE(Apoio::BotoesVisiveis(janela()),
                QStringList({ u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
            naEscolha = Editores::IdsListados(janela());
            QVERIFY(Editores::ClicarId(janela(), u"1"_s, true));
        });
        QTest::mouseDClick(Edit(d, u"EditImagem_Nome"_s), Qt::LeftButton);
        QCOMPARE(naEscolha, QStringList({ u"14"_s, u"1"_s }));
        QCOMPARE(Edit(d, u"EditImagem_Nome"_s)->text(), u"[vazio]"_s);
        d->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT Imagem FROM Departamentos WHERE Id=4"_s), u"1"_s);
        QVERIFY(r.mostradas.isEmpty());
    }
};

QTEST_MAIN(TesteImagens)
#include "tst_imagens.moc"

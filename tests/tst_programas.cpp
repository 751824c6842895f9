// Janelas de graduações e de pós-graduações nos dois motores, sobre os dados de
// demonstração: listagem por nível (também como escolha), registro com pesquisas, textos
// longos e rótulos de capacidade, o aviso do nome completo, inclusão e alteração com os
// comandos exatos (números vazios fora, números com setas e datas sempre), textos com
// aspas e barras gravados como digitados.
#include "QuadroEditores.h"
#include "Rotinas.h"
#include "editores_apoio.h"

#include "TabelaGraduacoes.h"
#include "TabelaPosgraduacoes.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList Periodos = { u"Inscricao"_s, u"Selecao"_s, u"MatriculaIngressante"_s,
    u"MatriculaRegular"_s, u"MatriculaEspecial"_s };
const QStringList Numeros
    = { u"ConceitoCapes"_s, u"Vagas"_s, u"Creditos"_s, u"DuracaoMinima"_s, u"DuracaoMaxima"_s };
} // namespace

class TesteProgramas : public QuadroEditores {
    Q_OBJECT

    QPlainTextEdit *memo(TFormTabela *j, const QString &nome)
    {
        return j->Controle<QPlainTextEdit>(nome);
    }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return j->Controle<QComboBox>(nome); }
    QString rotulo(TFormTabela *j, const QString &nome)
    {
        return j->Controle<QLabel>(nome)->text();
    }

private slots:
    // ---- Graduações ----------------------------------------------------------------

    void graduacaoMostraORegistro()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(14);
        QVERIFY(qobject_cast<TFormTabelaGraduacoes *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Graduações"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (4) "_s);
        QCOMPARE(Editores::Itens(combo(j, u"EditCategoria"_s)),
            QStringList({ u"Bacharelado"_s, u"Bacharelado e Licenciatura"_s,
                u"Curso Superior de Tecnologia"_s, u"Licenciatura"_s }));
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"2"_s);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Bacharelado em Ciências Biológicas"_s);
        QCOMPARE(Edit(j, u"EditNomeFantasia"_s)->text(), u"Ciências Biológicas"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Biologia"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), u"Bacharelado"_s);
        QCOMPARE(Edit(j, u"EditSemestresDuracao"_s)->text(), u"8"_s);
        QCOMPARE(Edit(j, u"EditCargaHoraria"_s)->text(), u"3240"_s);
        QCOMPARE(combo(j, u"EditPeriodo"_s)->currentText(), u"Integral"_s);
        QCOMPARE(Edit(j, u"EditCoordenador_Nome"_s)->text(), u"Baltazar Ourém Tacaruna"_s);
        const QString perfil = memo(j, u"MemoPerfil"_s)->toPlainText();
        QVERIFY(perfil.startsWith(u"O egresso do curso de Ciências Biológicas"_s));
        QCOMPARE(rotulo(j, u"LabelCapacidadePerfil"_s),
            QString::number(CapacidadeUsada(perfil, 7990)) + u'%');
        // Departamento, modalidade, os dois textos (perfil primeiro), depois o coordenador.
        QCOMPARE(Linhas(),
            QStringList({ u"Departamentos, consultado"_s, u"Graduações, Perfil, consultado"_s,
                u"Graduacoes, Formação Básica, consultado"_s, u"Docentes, consultado"_s }));
        // O rótulo de capacidade: 100% com o memo cheio, 0% vazio.
        j->BitBtnModificar->click();
        memo(j, u"MemoPerfil"_s)->setPlainText(QString(7990, u'x'));
        QCOMPARE(rotulo(j, u"LabelCapacidadePerfil"_s), u"100%"_s);
        memo(j, u"MemoPerfil"_s)->clear();
        QCOMPARE(rotulo(j, u"LabelCapacidadePerfil"_s), u"0%"_s);
        j->BitBtnCancelar->click();
    }

    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        const QStringList todos = { u"1"_s, u"2"_s, u"3"_s, u"4"_s };
        QTest::newRow("graduações, Administrador") << 14 << 1 << todos;
        QTest::newRow("graduações, Biologia") << 14 << 3 << QStringList { u"1"_s, u"2"_s };
        QTest::newRow("graduações, Química") << 14 << 6 << QStringList { u"1"_s };
        QTest::newRow("graduações, Graduação") << 14 << 9 << todos;
        QTest::newRow("graduações, Pós-graduação") << 14 << 10 << todos;
        const QStringList pos = { u"1"_s, u"2"_s, u"3"_s, u"4"_s };
        QTest::newRow("pós, Digitador") << 15 << 2 << pos;
        QTest::newRow("pós, Física") << 15 << 4 << QStringList { u"1"_s, u"3"_s };
        QTest::newRow("pós, Pós-graduação") << 15 << 10 << pos;
    }
    // A listagem do nível, também quando outra janela a abre como escolha.
    void listagemDoNivel()
    {
        QFETCH(int, numero);
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = Registro::Janela(numero);
        j->show();
        QStringList listados = Editores::IdsListados(j);
        listados.sort();
        QCOMPARE(listados, ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        j->FormClose();
        QStringList naEscolha;
        AoAbrirModal([&](QWidget *) {
            QCOMPARE(j->Modo, ModoTabela::Escolhendo);
            QCOMPARE(Apoio::BotoesVisiveis(j),
                QStringList({ u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
            naEscolha = Editores::IdsListados(j);
            CLICAR_ID(j, ids.last());
            j->BitBtnEscolher->click();
        });
        QCOMPARE(TFormTabela::EscolherEm(numero), ids.last());
        naEscolha.sort();
        QCOMPARE(naEscolha, ids);
        QVERIFY(r.mostradas.isEmpty());
    }

    void graduacaoIncluiComAvisoETextoHostil()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaGraduacoes>(14);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnIncluir->click();
        QCOMPARE(r.Textos(), QStringList { TFormTabelaGraduacoes::AvisoNome() });
        QVERIFY(TFormTabelaGraduacoes::AvisoNome().contains(
            u"deve conter\r\n\r\n                      Bacharelado em Física Médica\r\n\r\nou\r\n"_s));
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), QString());
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), QString());
        QCOMPARE(rotulo(j, u"LabelCapacidadePerfil"_s), QString());
        r.Limpar();
        Digitar(j, u"EditNome"_s, u"Bacharelado em Geologia"_s);
        Digitar(j, u"EditNomeFantasia"_s, u"Geologia"_s);
        Digitar(j, u"EditSigla"_s, u"GEO"_s);
        Editores::Escolher(j, u"EditDepartamento_Nome"_s, 10, u"3"_s);
        // Uma modalidade digitada à mão, com aspas e barra.
        const QString modalidade = u"Bacharelado 'pleno' \\ \"x\""_s;
        Editores::Teclar(combo(j, u"EditCategoria"_s)->lineEdit(), modalidade);
        const QString perfil = u"Perfil 'a'\n\"b\" \\ c; DROP TABLE Graduacoes; --"_s;
        Editores::Teclar(memo(j, u"MemoPerfil"_s), perfil);
        Digitar(j, u"EditSemestresDuracao"_s, u"8x"_s); // só dígitos entram
        combo(j, u"EditPeriodo"_s)->setCurrentIndex(3);
        Digitar(j, u"EditVagas"_s, u"456"_s); // até dois dígitos
        Digitar(j, u"EditLink"_s, u"x"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Graduacoes(\r\nNome\r\n,NomeFantasia\r\n,Sigla\r\n"
                          ",Departamento\r\n,Categoria\r\n,Reconhecimento\r\n,SemestresDuracao\r\n"
                          ",Periodo\r\n,Vagas\r\n,Link\r\n) VALUES (\r\n'Bacharelado em Geologia'"
                          "\r\n,'Geologia'\r\n,'GEO'\r\n,3\r\n,'Bacharelado ''pleno'' \\ \"x\"'\r\n"
                          ",''\r\n,8\r\n,'Noturno'\r\n,45\r\n,'x'\r\n)"_s });
        QCOMPARE(valor(u"SELECT Id FROM Graduacoes WHERE Sigla='GEO'"_s), u"5"_s);
        QCOMPARE(valor(u"SELECT Categoria FROM Graduacoes WHERE Id=5"_s), modalidade);
        QCOMPARE(valor(u"SELECT Texto FROM GraduacoesPerfil WHERE Graduacao=5"_s),
            QString(perfil).replace(u"\n"_s, u"\r\n"_s));
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM GraduacoesFormacaoBasica WHERE Graduacao=5"_s), u"1"_s);
        QCOMPARE(valor(u"SELECT COALESCE(CargaHoraria, -1) FROM Graduacoes WHERE Id=5"_s), u"-1"_s);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(j->DBGridPesquisa->isEnabled());
        CLICAR_ID(j, u"5"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), modalidade);
        QCOMPARE(memo(j, u"MemoPerfil"_s)->toPlainText(), perfil);
        Editores::DesinstalarEspia<TFormTabelaGraduacoes>(14);
    }

    // Modificar também mostra o aviso; um número esvaziado fica fora do UPDATE.
    void graduacaoModifica()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaGraduacoes>(14);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        QCOMPARE(r.Textos(), QStringList { TFormTabelaGraduacoes::AvisoNome() });
        r.Limpar();
        Digitar(j, u"EditCargaHoraria"_s, QString());
        Digitar(j, u"EditVagas"_s, u"35"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Graduacoes SET \r\nNome='Licenciatura em Física'\r\n"
                          ",NomeFantasia='Física - Licenciatura'\r\n,Sigla='LFIS'\r\n"
                          ",Departamento=3\r\n,Categoria='Licenciatura'\r\n"
                          ",Reconhecimento='Portaria nº 3/2001 do Conselho Estadual'\r\n"
                          ",SemestresDuracao=8\r\n,Periodo='Noturno'\r\n,Vagas=35\r\n"
                          ",Coordenador=8\r\n,Link='https://www.qorvel.example.org/graduacao/"
                          "lfis'\r\n WHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT CargaHoraria FROM Graduacoes WHERE Id=3"_s), u"2880"_s);
        QCOMPARE(valor(u"SELECT Vagas FROM Graduacoes WHERE Id=3"_s), u"35"_s);
        Editores::DesinstalarEspia<TFormTabelaGraduacoes>(14);
    }

    // ---- Pós-graduações ------------------------------------------------------------

    void posgraduacaoMostraORegistroNasAbas()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(15);
        QVERIFY(qobject_cast<TFormTabelaPosgraduacoes *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Pós-Graduações"_s);
        CLICAR_ID(j, u"3"_s);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"PPGFA"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), u"Doutorado"_s);
        QCOMPARE(j->Controle<QSpinBox>(u"SpinEditConceitoCapes"_s)->value(), 6);
        QCOMPARE(j->Controle<QSpinBox>(u"SpinEditDuracaoMaxima"_s)->value(), 8);
        QCOMPARE(Edit(j, u"EditCoordenador_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
        QCOMPARE(Edit(j, u"EditViceCoordenador_Nome"_s)->text(), u"Filomena Ipanema Sátiro"_s);
        QCOMPARE(Edit(j, u"EditSecretaria_Nome"_s)->text(), u"Zuleide Apodi Carneiro"_s);
        const QDate inicio = QDate::fromString(
            valor(u"SELECT SelecaoInicio FROM Posgraduacoes WHERE Id=3"_s).left(10), Qt::ISODate);
        QVERIFY(inicio.isValid());
        QCOMPARE(j->Controle<QDateEdit>(u"DateSelecaoInicio"_s)->date(), inicio);
        QVERIFY(j->Controle<QDateEdit>(u"DateSelecaoInicio"_s)
                    ->toolTip()
                    .startsWith(u"Qualquer data do ano 2000 é considerada como nula."_s));
        QVERIFY(j->Controle<QDateEdit>(u"DateCoordenadorInicio"_s)->toolTip().isEmpty());
        // Os três textos nas abas, sem rótulos de capacidade.
        auto *abas = j->Controle<QTabWidget>(u"PageControl1"_s);
        QCOMPARE(abas->count(), 3);
        QCOMPARE(abas->tabText(1), u"Documentação"_s);
        QVERIFY(memo(j, u"MemoNormasGerais"_s)
                    ->toPlainText()
                    .endsWith(u"Prazo máximo: 8 semestres."_s));
        QCOMPARE(memo(j, u"MemoBibliografias"_s)->accessibleName(), u"Bibliografias"_s);
        QVERIFY(!j->Controle(u"LabelCapacidadeNormasGerais"_s));
        // Consultando, tudo só leitura; o aviso do nome completo só aparece editando.
        QVERIFY(j->Controle<QSpinBox>(u"SpinEditVagas"_s)->isReadOnly());
        QVERIFY(!j->Controle(u"DateInscricaoInicio"_s)->isEnabled());
        QVERIFY(!j->Controle(u"LabelNomeCompleto"_s)->isVisible());
        j->BitBtnModificar->click();
        QVERIFY(j->Controle(u"LabelNomeCompleto"_s)->isVisible());
        QVERIFY(j->Controle(u"DateInscricaoInicio"_s)->isEnabled());
        QVERIFY(!j->Controle<QSpinBox>(u"SpinEditVagas"_s)->isReadOnly());
        j->BitBtnCancelar->click();
        QVERIFY(!j->Controle(u"LabelNomeCompleto"_s)->isVisible());
        // NomePorId: o nome; vazio sem Id.
        Apoio::Eventos().Limpar();
        QCOMPARE(j->NomePorId(u"2"_s), u"Programa de Pós-Graduação em Ecologia"_s);
        QCOMPARE(Linhas(), QStringList { u"Pós-Graduações, consultado"_s });
        QCOMPARE(j->NomePorId(QString()), QString());
    }

    // Incluir começa com os números em 0 e as datas em 1/1/2000; um Aceitar logo em
    // seguida grava os cinco zeros e as catorze datas; as pesquisas só se preenchidas.
    void posgraduacaoIncluiZerosEDatas()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaPosgraduacoes>(15);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        QVERIFY(r.mostradas.isEmpty());
        for (const QString &n : Numeros)
            QCOMPARE(j->Controle<QSpinBox>(u"SpinEdit"_s + n)->text(), u"0"_s);
        QCOMPARE(j->Controle<QDateEdit>(u"DateViceTermino"_s)->date(), QDate(2000, 1, 1));
        Digitar(j, u"EditNome"_s, u"Programa Novo"_s);
        Editores::Escolher(j, u"EditCoordenador_Nome"_s, 11, u"6"_s);
        Editores::Escolher(j, u"EditViceCoordenador_Nome"_s, 11, u"7"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QStringList colunas = { u"Nome"_s, u",Sigla"_s, u",Categoria"_s, u",DuracaoMinima"_s,
            u",DuracaoMaxima"_s, u",ConceitoCapes"_s, u",Vagas"_s, u",Creditos"_s };
        QStringList valores = { u"'Programa Novo'"_s, u",''"_s, u",''"_s, u",0"_s, u",0"_s, u",0"_s,
            u",0"_s, u",0"_s };
        for (const QString &p : Periodos) {
            colunas << u","_s + p << u","_s + p + u"Inicio"_s << u","_s + p + u"Termino"_s;
            valores << u",''"_s << u",'1/1/2000'"_s << u",'1/1/2000'"_s;
        }
        colunas << u",Coordenador"_s << u",CoordenadorInicio"_s << u",CoordenadorTermino"_s
                << u",Vicecoordenador"_s << u",ViceInicio"_s << u",ViceTermino"_s << u",Email"_s
                << u",Telefone"_s << u",Link"_s;
        valores << u",6"_s << u",'1/1/2000'"_s << u",'1/1/2000'"_s << u",7"_s << u",'1/1/2000'"_s
                << u",'1/1/2000'"_s << u",''"_s << u",''"_s << u",''"_s;
        QCOMPARE(j->comandos,
            QStringList { (QStringList { u"INSERT INTO Posgraduacoes("_s } + colunas
                + QStringList { u") VALUES ("_s } + valores + QStringList { u")"_s })
                              .join(u"\r\n"_s) });
        const QString id = valor(u"SELECT Id FROM Posgraduacoes WHERE Nome='Programa Novo'"_s);
        QCOMPARE(id, u"5"_s);
        QCOMPARE(valor(u"SELECT Coordenador FROM Posgraduacoes WHERE Id=5"_s), u"6"_s);
        QCOMPARE(valor(u"SELECT ViceCoordenador FROM Posgraduacoes WHERE Id=5"_s), u"7"_s);
        QCOMPARE(valor(u"SELECT COALESCE(Secretaria, 0) FROM Posgraduacoes WHERE Id=5"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM PosGraduacoesBibliografias WHERE PosGraduacao=5"_s),
            u"1"_s);
        Editores::DesinstalarEspia<TFormTabelaPosgraduacoes>(15);
    }

    // Modificar sem mudar nada grava de volta as mesmas datas e números; o WHERE vem numa
    // linha só, sem branco.
    void posgraduacaoModificaGuardaAsDatas()
    {
        BANCO_DEMONSTRACAO(b, 2);
        auto *j = Editores::InstalarEspia<TFormTabelaPosgraduacoes>(15);
        Roteiro r;
        j->show();
        const auto datas = [&] {
            QStringList l;
            for (const QString &p : Periodos)
                l << valor(u"SELECT %1Inicio FROM Posgraduacoes WHERE Id=2"_s.arg(p)).left(10)
                  << valor(u"SELECT %1Termino FROM Posgraduacoes WHERE Id=2"_s.arg(p)).left(10);
            l << valor(u"SELECT ViceTermino FROM Posgraduacoes WHERE Id=2"_s).left(10);
            return l;
        };
        const QStringList antes = datas();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        j->Controle<QSpinBox>(u"SpinEditVagas"_s)->setValue(25);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos.size(), 1);
        const QStringList linhas = j->comandos.first().split(u"\r\n"_s);
        QCOMPARE(linhas.size(), 36);
        QCOMPARE(linhas.first(), u"UPDATE Posgraduacoes SET "_s);
        QCOMPARE(linhas.mid(5, 5),
            QStringList({ u",DuracaoMinima=2"_s, u",DuracaoMaxima=4"_s, u",ConceitoCapes=5"_s,
                u",Vagas=25"_s, u",Creditos=96"_s }));
        QCOMPARE(linhas.mid(28, 4),
            QStringList({ u",Vicecoordenador=4"_s,
                u",ViceInicio='"_s
                    + DataParaSQL(QDate::fromString(
                        valor(u"SELECT ViceInicio FROM Posgraduacoes WHERE Id=2"_s).left(10),
                        Qt::ISODate))
                    + u'\'',
                linhas.at(30), u",Secretaria=2"_s }));
        QCOMPARE(linhas.last(), u"WHERE Id=2"_s);
        QCOMPARE(datas(), antes);
        QCOMPARE(valor(u"SELECT Vagas FROM Posgraduacoes WHERE Id=2"_s), u"25"_s);
        Editores::DesinstalarEspia<TFormTabelaPosgraduacoes>(15);
    }
};

QTEST_MAIN(TesteProgramas)
#include "tst_programas.moc"

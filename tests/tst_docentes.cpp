// Janela de docentes nos dois motores, sobre os dados de demonstração: contagem e
// listagem por nível, listas de situação e titulação lidas uma vez, registro com suas
// pesquisas e três textos longos, inclusão, alteração e exclusão com os comandos exatos,
// as regras do nome, a recusa do nível 7, as janelas filhas e as categorias.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaContatos.h"
#include "TabelaDocentes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList Memos = { u"MemoPesquisaArea"_s, u"MemoPesquisaLinha"_s, u"MemoObservacao"_s };
const QStringList TabelasTextos
    = { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s };
} // namespace

class TesteDocentes : public QuadroEditores {
    Q_OBJECT

    TFormTabelaDocentes *janela()
    {
        return static_cast<TFormTabelaDocentes *>(Registro::Janela(11));
    }
    QPlainTextEdit *memo(TFormTabela *j, int i) { return j->Controle<QPlainTextEdit>(Memos.at(i)); }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return j->Controle<QComboBox>(nome); }
    QCheckBox *marca(TFormTabela *j, const QString &nome) { return j->Controle<QCheckBox>(nome); }
    QString texto(int tabela, const QString &id)
    {
        return valor(
            u"SELECT Texto FROM "_s + TabelasTextos.at(tabela) + u" WHERE Docente="_s + id);
    }
    void escolher(TFormTabela *j, const QString &campo, int numero, const QString &id)
    {
        Editores::Escolher(j, campo, numero, id);
    }

private slots:
    void abreContandoEListando()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabelaDocentes *j = janela();
        QVERIFY(j);
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Docentes"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (21) "_s);
        QCOMPARE(Linhas().mid(0, 9),
            QStringList({ u"Docentes, conectado"_s, u"Docentes, Situação, consultando..."_s,
                u"Docentes, Situação, consultado, 8 registros"_s,
                u"Docentes, Titulação, consultando..."_s,
                u"Docentes, Titulação, consultado, 7 registros"_s,
                u"Docentes, contando registros..."_s,
                u"Docentes, registros contados, 21 registros"_s, u"Docentes, consultando..."_s,
                u"Docentes, consultado"_s }));
        QCOMPARE(Editores::Itens(combo(j, u"EditSituacao"_s)).size(), 8);
        QCOMPARE(Editores::Itens(combo(j, u"EditTitulacao"_s)).first(), u"Doutor"_s);
        QVERIFY(r.mostradas.isEmpty());

        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Adelaide Quintanilha Borbolato"_s);
        QCOMPARE(combo(j, u"EditSituacao"_s)->currentText(), u"Ativo"_s);
        QCOMPARE(Edit(j, u"EditDepartamento"_s)->text(), u"2"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Biologia"_s);
        QCOMPARE(Edit(j, u"EditArea"_s)->text(), u"Ecologia de águas doces"_s);
        QCOMPARE(Edit(j, u"EditSetor"_s)->text(), u"Setor de Ecologia"_s);
        QCOMPARE(combo(j, u"EditTitulacao"_s)->currentText(), u"Titular"_s);
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"2"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), u"MS-6"_s);
        QCOMPARE(Edit(j, u"EditImagem_Nome"_s)->text(), u"[vazio]"_s);
        QCOMPARE(Edit(j, u"EditCodKVA"_s)->text(), u"8000002"_s);
        QCOMPARE(Edit(j, u"EditGrupoLattes"_s)->text(), u"GP102"_s);
        QCOMPARE(Edit(j, u"EditLattes"_s)->text(), u"99000000000002"_s);
        QCOMPARE(memo(j, 0)->toPlainText(),
            u"Ecologia de águas doces.\nSubáreas: teoria, experimentação e ensino."_s);
        QVERIFY(memo(j, 2)->toPlainText().startsWith(u"Coordena o seminário"_s));
        const int tamanho = int(memo(j, 0)->toPlainText().size()) + 1;
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadePesquisaArea"_s)->text(),
            QString::number(tamanho * 100 / 3990) + u'%');
        QVERIFY(!marca(j, u"CheckBoxAulaGraduacao"_s)->isChecked());
        QVERIFY(marca(j, u"CheckBoxExtensao"_s)->isChecked());
        QVERIFY(marca(j, u"CheckBoxVisivel"_s)->isChecked());
        QCOMPARE(Linhas(),
            QStringList({ u"Departamentos, consultado"_s,
                u"Docentes, Área de Pesquisa, consultado"_s,
                u"Docentes, Linha de Pesquisa, consultado"_s, u"Docentes, Categorias, consultado"_s,
                u"Docentes, Observação, consultado"_s, u"Imagens, consultado"_s }));
        // Consultando: listas e códigos desabilitados, textos só leitura.
        QVERIFY(!combo(j, u"EditSituacao"_s)->isEnabled());
        QVERIFY(!Edit(j, u"EditLattes"_s)->isEnabled());
        QVERIFY(!Edit(j, u"EditCodKVA"_s)->isEnabled());
        QVERIFY(Edit(j, u"EditExternoDepartamento"_s)->isReadOnly());
        QVERIFY(memo(j, 1)->isReadOnly());
        // Uma situação fora da lista é mostrada como está.
        b.Executar(u"UPDATE Docentes SET Situacao='Em trânsito' WHERE Id=3"_s);
        j->ConsultarTabela();
        CLICAR_ID(j, u"3"_s);
        QCOMPARE(combo(j, u"EditSituacao"_s)->currentText(), u"Em trânsito"_s);
    }

    void categoriasSoNoNivel1_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::newRow("Administrador") << 1;
        QTest::newRow("Digitador") << 2;
        QTest::newRow("Biologia") << 3;
        QTest::newRow("SEAC") << 7;
    }
    void categoriasSoNoNivel1()
    {
        QFETCH(int, nivel);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabelaDocentes *j = janela();
        j->show();
        QCOMPARE(j->Controle<QPushButton>(u"BitBtnDocentesCategorias"_s)->isVisible(), nivel == 1);
        QCOMPARE(j->Controle<QPushButton>(u"BitBtnDocentesCategorias"_s)->text(), u"Categorias"_s);
        if (nivel != 1)
            return;
        j->BitBtnIncluir->click();
        j->Controle<QPushButton>(u"BitBtnDocentesCategorias"_s)->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível editar categorias de docentes durante os "
                          "modos Incluir/Modificar/Excluir/Consultar/Consultar."_s });
        j->BitBtnCancelar->click();
        r.Limpar();
        QStringList botoes;
        AoAbrirModal([&botoes](QWidget *w) {
            TFormTabela *c = Registro::Janela(13);
            QCOMPARE(w, c);
            botoes = Apoio::BotoesVisiveis(c);
            c->BitBtnFechar->click();
        });
        j->Controle<QPushButton>(u"BitBtnDocentesCategorias"_s)->click();
        QCOMPARE(botoes,
            QStringList({ u"BitBtnIncluir"_s, u"BitBtnModificar"_s, u"BitBtnExcluir"_s,
                u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
        QVERIFY(r.mostradas.isEmpty());
    }

    void listasLidasUmaVez()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabelaDocentes *j = janela();
        j->show();
        b.Executar(u"INSERT INTO DocenteSituacao (Id, Situacao) VALUES (50, 'Nova')"_s);
        Apoio::Eventos().Limpar();
        j->ConsultarTabela();
        CLICAR_ID(j, u"6"_s);
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click(); // Aceitar lista de novo
        for (const QString &l : Linhas())
            QVERIFY2(!l.contains(u"Situação"_s) && !l.contains(u"Titulação"_s), qPrintable(l));
        QCOMPARE(Editores::Itens(combo(j, u"EditSituacao"_s)).size(), 8);
        QVERIFY(r.mostradas.isEmpty());
    }

    void tabelaDeCodigosVazia()
    {
        BANCO_DEMONSTRACAO(b, 1);
        b.Executar(u"DELETE FROM DocenteSituacao"_s);
        Roteiro r;
        TFormTabelaDocentes *j = janela();
        j->show();
        QVERIFY(Apoio::Registrou(66, u"consultado, 0 registros"_s));
        QCOMPARE(
            Editores::Itens(combo(j, u"EditSituacao"_s)), QStringList { u"TABELA ESTÁ VAZIA"_s });
        QCOMPARE(Editores::Itens(combo(j, u"EditTitulacao"_s)).size(), 7);
        CLICAR_ID(j, u"7"_s);
        j->BitBtnModificar->click();
        QVERIFY(combo(j, u"EditSituacao"_s)->isEnabled());
        QCOMPARE(combo(j, u"EditSituacao"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        combo(j, u"EditSituacao"_s)->setCurrentIndex(0);
        j->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT Situacao FROM Docentes WHERE Id=7"_s), u"TABELA ESTÁ VAZIA"_s);
    }

    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<int>("listados");
        QTest::addColumn<QString>("departamento");
        QTest::newRow("Administrador") << 1 << 21 << QString();
        QTest::newRow("Biologia") << 3 << 5 << u"2"_s;
        QTest::newRow("Física") << 4 << 6 << u"3"_s;
        QTest::newRow("Psicologia") << 5 << 5 << u"4"_s;
        QTest::newRow("Química") << 6 << 4 << u"5"_s;
        QTest::newRow("SEAC") << 7 << 21 << QString();
        QTest::newRow("Pós-graduação") << 10 << 21 << QString();
    }
    void listagemDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(int, listados);
        QFETCH(QString, departamento);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        QVERIFY(r.mostradas.isEmpty());
        const QStringList ids = Editores::IdsListados(j);
        QCOMPARE(ids.size(), listados);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(listados));
        if (departamento.isEmpty())
            return;
        for (const QString &id : ids)
            QVERIFY2(id == u"1"_s
                    || valor(u"SELECT Departamento FROM Docentes WHERE Id="_s + id) == departamento,
                qPrintable(id));
        // Os "[vazio]" seguem listados e contados.
        b.Executar(u"INSERT INTO Docentes (Id, Nome) VALUES (40, '[vazio]')"_s);
        j->ConsultarTabela();
        QCOMPARE(Editores::IdsListados(j).size(), listados + 1);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(listados + 1));
    }

    void seacNaoGrava_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("Incluir") << true;
        QTest::newRow("Modificar") << false;
    }
    void seacNaoGrava()
    {
        QFETCH(bool, inclusao);
        BANCO_DEMONSTRACAO(b, 7);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"9"_s);
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        Digitar(j, u"EditNome"_s, u"Nome novo"_s);
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Usuário [SEAC] não possui permissão para "
                          "Incluir/Alterar registro."_s });
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(j->Operacao, OperacaoTabela::Nenhuma);
        QVERIFY(j->DBGridPesquisa->isEnabled());
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Nome='Nome novo'"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes"_s), u"21"_s);
        // Volta à consulta: lista de novo e mostra a primeira linha.
        QVERIFY(Apoio::Registrou(11, u"registros contados, 21 registros"_s));
        QCOMPARE(Edit(j, u"EditId"_s)->text(), Editores::IdsListados(j).first());
        for (const QString &l : Linhas())
            QVERIFY2(!l.contains(u"incluindo"_s) && !l.contains(u"alterando"_s), qPrintable(l));
    }

    void regrasDoNome_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("mensagem");
        const QString parenteses
            = u"O campo Nome não pode conter os caracteres ( ou ). Operação interrompida."_s;
        QTest::newRow("vazio") << QString()
                               << u"O campo Nome deve estar preenchido. Operação interrompida."_s;
        QTest::newRow("abre") << u"Ana (substituta"_s << parenteses;
        QTest::newRow("fecha") << u"Ana substituta)"_s << parenteses;
        QTest::newRow("par") << u"(Ana)"_s << parenteses;
    }
    void regrasDoNome()
    {
        QFETCH(QString, nome);
        QFETCH(QString, mensagem);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        for (bool inclusao : { true, false }) {
            r.Limpar();
            CLICAR_ID(j, u"8"_s);
            (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
            Digitar(j, u"EditNome"_s, nome);
            Digitar(j, u"EditArea"_s, u"Área digitada"_s);
            j->BitBtnAceitar->click();
            QCOMPARE(r.Textos(), QStringList { mensagem });
            QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
            QCOMPARE(Edit(j, u"EditNome"_s)->text(), nome);
            QCOMPARE(Edit(j, u"EditArea"_s)->text(), u"Área digitada"_s);
            QVERIFY(!Edit(j, u"EditNome"_s)->isReadOnly());
            QVERIFY(!j->DBGridPesquisa->isEnabled());
            j->BitBtnCancelar->click();
        }
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Area='Área digitada'"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes"_s), u"21"_s);
    }

    void incluir_data()
    {
        QTest::addColumn<bool>("pesquisas");
        QTest::newRow("departamento, categoria e listas") << true;
        QTest::newRow("nada escolhido") << false;
    }
    void incluir()
    {
        QFETCH(bool, pesquisas);
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDocentes>(11);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnIncluir->click();
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), QString());
        QCOMPARE(combo(j, u"EditTitulacao"_s)->currentText(), QString());
        QCOMPARE(memo(j, 2)->toPlainText(), QString());
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeObservacao"_s)->text(), QString());
        QVERIFY(marca(j, u"CheckBoxVisivel"_s)->isChecked()); // um docente novo aparece
        QVERIFY(!marca(j, u"CheckBoxExtensao"_s)->isChecked());
        QVERIFY(Edit(j, u"EditLattes"_s)->isEnabled());
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        Digitar(j, u"EditNome"_s, u"Valdemar Ipojuca Rangel"_s);
        Digitar(j, u"EditArea"_s, u"Geologia"_s);
        Digitar(j, u"EditCodKVA"_s, u"8009999"_s);
        marca(j, u"CheckBoxAulaGraduacao"_s)->click();
        if (pesquisas) {
            combo(j, u"EditSituacao"_s)->setCurrentText(u"Ativo"_s);
            Editores::Escolher(j, u"EditDepartamento_Nome"_s, 10, u"5"_s);
            QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Química"_s);
            Editores::Escolher(j, u"EditCategoria_Sigla"_s, 13, u"4"_s);
            QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), u"MS-3"_s);
        }
        Editores::Teclar(memo(j, 0), u"Rochas\nsedimentares"_s);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadePesquisaArea"_s)->text(), u"0%"_s);
        memo(j, 2)->setPlainText(u"Chega em março."_s);
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        const QString comando = pesquisas
            ? u"INSERT INTO Docentes(\r\nNome\r\n,Situacao\r\n,Departamento\r\n,Area\r\n,Setor\r\n"
              ",Titulacao\r\n,Categoria\r\n,Link\r\n,AulaGraduacao\r\n,AulaPosgraduacao\r\n"
              ",Extensao\r\n,ExternoDepartamento\r\n,ExternoLink\r\n,Lattes\r\n,Codpes\r\n"
              ",Grupolattes\r\n,Visivel\r\n) VALUES (\r\n'Valdemar Ipojuca Rangel'\r\n,'Ativo'"
              "\r\n,5\r\n,'Geologia'\r\n,''\r\n,''\r\n,4\r\n,''\r\n,'S'\r\n,'N'\r\n,'N'\r\n,''"
              "\r\n,''\r\n,''\r\n,'8009999'\r\n,''\r\n,'S'\r\n)"_s
            : u"INSERT INTO Docentes(\r\nNome\r\n,Situacao\r\n,Area\r\n,Setor\r\n,Titulacao\r\n"
              ",Link\r\n,AulaGraduacao\r\n,AulaPosgraduacao\r\n,Extensao\r\n"
              ",ExternoDepartamento\r\n,ExternoLink\r\n,Lattes\r\n,Codpes\r\n,Grupolattes\r\n"
              ",Visivel\r\n) VALUES (\r\n'Valdemar Ipojuca Rangel'\r\n,''\r\n,'Geologia'\r\n,''"
              "\r\n,''\r\n,''\r\n,'S'\r\n,'N'\r\n,'N'\r\n,''\r\n,''\r\n,''\r\n,'8009999'\r\n,''"
              "\r\n,'S'\r\n)"_s;
        QCOMPARE(j->comandos, QStringList { comando });
        const QString id = valor(u"SELECT Id FROM Docentes WHERE Nome='Valdemar Ipojuca Rangel'"_s);
        QCOMPARE(id, u"22"_s);
        QCOMPARE(valor(u"SELECT Titulacao FROM Docentes WHERE Id=22"_s), QString());
        QCOMPARE(texto(0, id), u"Rochas\r\nsedimentares"_s);
        QCOMPARE(texto(1, id), QString());
        QCOMPARE(texto(2, id), u"Chega em março."_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocentesPesquisaLinha WHERE Docente=22"_s), u"1"_s);
        QCOMPARE(Linhas().mid(0, 4),
            QStringList({ u"Docentes, incluindo..."_s, u"Docentes, incluído"_s,
                u"Docentes, consultado"_s, u"Docentes, Área de Pesquisa, incluindo..."_s }));
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (22) "_s);
        Editores::DesinstalarEspia<TFormTabelaDocentes>(11);
    }

    void modificar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDocentes>(11);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"6"_s);
        j->BitBtnModificar->click();
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        // Titulação esvaziada: a gravada fica.
        combo(j, u"EditTitulacao"_s)->setEditText(QString());
        Digitar(j, u"EditSetor"_s, u"Setor Sul"_s);
        marca(j, u"CheckBoxVisivel"_s)->click();
        memo(j, 1)->setPlainText(u"Nova linha\nde pesquisa"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Docentes SET \r\nNome='Eustáquio Gravatá Leme'\r\n"
                          ",Situacao='Ativo'\r\n,Departamento=3\r\n"
                          ",Area='Física da matéria condensada'\r\n,Setor='Setor Sul'\r\n"
                          ",Categoria=2\r\n,Link='https://www.qorvel.example.org/docentes/6'"
                          "\r\n,Imagem=1\r\n,AulaGraduacao='S'\r\n,AulaPosgraduacao='N'\r\n"
                          ",Extensao='S'\r\n,ExternoDepartamento=''\r\n,ExternoLink=''\r\n"
                          ",Lattes='99000000000006'\r\n,Codpes='8000006'\r\n"
                          ",Grupolattes='GP103'\r\n,Visivel='N'\r\n WHERE Id=6"_s });
        QCOMPARE(valor(u"SELECT Titulacao FROM Docentes WHERE Id=6"_s), u"Titular"_s);
        QCOMPARE(valor(u"SELECT Visivel FROM Docentes WHERE Id=6"_s), u"N"_s);
        QCOMPARE(texto(1, u"6"_s), u"Nova linha\r\nde pesquisa"_s);
        QCOMPARE(texto(0, u"6"_s),
            u"Física da matéria condensada.\r\nSubáreas: teoria, experimentação e ensino."_s);
        QVERIFY(Apoio::Registrou(43, u"alterado"_s));

        // Sem departamento, categoria, imagem e titulação: essas linhas ficam fora.
        b.Executar(u"INSERT INTO Docentes (Id, Nome) VALUES (30, 'Abel Sem Nada')"_s);
        j->ConsultarTabela();
        CLICAR_ID(j, u"30"_s);
        j->comandos.clear();
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Docentes SET \r\nNome='Abel Sem Nada'\r\n,Situacao=''\r\n"
                          ",Area=''\r\n,Setor=''\r\n,Link=''\r\n,AulaGraduacao='N'\r\n"
                          ",AulaPosgraduacao='N'\r\n,Extensao='N'\r\n,ExternoDepartamento=''"
                          "\r\n,ExternoLink=''\r\n,Lattes=''\r\n,Codpes=''\r\n,Grupolattes=''"
                          "\r\n,Visivel='N'\r\n WHERE Id=30"_s });
        Editores::DesinstalarEspia<TFormTabelaDocentes>(11);
    }

    void excluirApagaOsTextos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"4"_s);
        r.Responder(true);
        Apoio::Eventos().Limpar();
        j->BitBtnExcluir->click();
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Id=4"_s), u"0"_s);
        for (const QString &t : TabelasTextos)
            QCOMPARE(valor(u"SELECT COUNT(*) FROM "_s + t + u" WHERE Docente=4"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM EmailsDocentes WHERE Docente=4"_s), u"1"_s);
        QCOMPARE(Linhas().mid(0, 2),
            QStringList({ u"Docentes, apagando..."_s, u"Docentes, apagado"_s }));
        QVERIFY(Apoio::Registrou(44, u"apagado"_s));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (20) "_s);
        // "[vazio]" não se apaga, em nenhum nível.
        CLICAR_ID(j, u"1"_s);
        r.Limpar();
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Você não possui permissão para apagar essa ficha. "
                          "Operação interrompida."_s });
    }

    // (As regras da linha "[vazio]" comuns a todos os editores estão em tst_janelas.)

    void textosQueFaltamSaoCriados()
    {
        BANCO_DEMONSTRACAO(b, 1);
        for (const QString &t : TabelasTextos)
            b.Executar(u"DELETE FROM "_s + t + u" WHERE Docente=5"_s);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"5"_s);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(memo(j, i)->toPlainText(), QString());
            QCOMPARE(valor(u"SELECT COUNT(*) FROM "_s + TabelasTextos.at(i)
                         + u" WHERE Docente=5 AND Texto=''"_s),
                u"1"_s);
            QVERIFY(Apoio::Registrou(42 + i, u"erro, campo Docente não encontrado"_s));
            QVERIFY(Apoio::Registrou(42 + i, u"incluído"_s));
        }
        QVERIFY(r.mostradas.isEmpty());
    }

    void falhaDeUmTextoDesfazTudo_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("INSERT") << true;
        QTest::newRow("UPDATE") << false;
    }
    void falhaDeUmTextoDesfazTudo()
    {
        QFETCH(bool, inclusao);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"10"_s);
        const QString antes = texto(0, u"10"_s);
        Editores::TabelaSumida sumida(b, u"DocentesObservacao"_s); // o último a gravar
        QVERIFY(sumida.Ok());
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, u"EditNome"_s, u"Jurandir Novo"_s);
        memo(j, 0)->setPlainText(u"Área nova"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().startsWith(u"Erro de SQL:"_s));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes WHERE Nome='Jurandir Novo'"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes"_s), u"21"_s);
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DocentesPesquisaArea WHERE Texto='Área nova'"_s), u"0"_s);
        QCOMPARE(texto(0, u"10"_s), antes);
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Jurandir Novo"_s);
        QCOMPARE(memo(j, 0)->toPlainText(), u"Área nova"_s);
        j->BitBtnCancelar->click();
    }

    void nomeEMemosComAspasAcentosEQuebras()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        const QString nome = u"Zé D'Ávila \"Júnior\" \\ Müller"_s;
        const QStringList textos = { u"Linha 'um'\n\"dois\"\n\\três; -- €"_s, u"\n\nç\n"_s,
            u"'); DROP TABLE Docentes; --"_s };
        Digitar(j, u"EditNome"_s, nome + u"  "_s); // os espaços finais ficam na linha
        for (int i = 0; i < 3; ++i)
            memo(j, i)->setPlainText(textos.at(i));
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        const QString id = valor(u"SELECT MAX(Id) FROM Docentes"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Docentes WHERE Id="_s + id), nome + u"  "_s);
        CLICAR_ID(j, id);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), nome + u"  "_s);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(memo(j, i)->toPlainText(), textos.at(i));
            QCOMPARE(texto(i, id), QString(textos.at(i)).replace(u"\n"_s, u"\r\n"_s));
        }
        // NomePorId sem os espaços finais; vazio sem Id e sem linha.
        Apoio::Eventos().Limpar();
        QCOMPARE(j->NomePorId(id), nome);
        QCOMPARE(Linhas(), QStringList { u"Docentes, consultado"_s });
        QCOMPARE(j->NomePorId(QString()), QString());
        QCOMPARE(j->NomePorId(u"999"_s), QString());
    }

    void janelasFilhas_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<int>("filha");
        QTest::addColumn<QString>("modos");
        QTest::addColumn<QString>("semLinha");
        const QString fim = u" durante os modos Incluir/Modificar/Excluir/Consultar/Consultar."_s;
        QTest::newRow("Telefones")
            << u"BitBtnTelefones"_s << 17 << u"Não é possível editar telefones do docente"_s + fim
            << u"Escolha um docente para editar os telefones relacionados."_s;
        QTest::newRow("E-mails") << u"BitBtnEmails"_s << 25
                                 << u"Não é possível editar e-mails do docente"_s + fim
                                 << u"Escolha um docente para editar os e-mails relacionados."_s;
        QTest::newRow("Publicações")
            << u"BitBtnPublicacoes"_s << 26
            << u"Não é possível editar publicações do docente"_s + fim
            << u"Escolha um docente para editar as publicações relacionados."_s;
        QTest::newRow("Pós-graduações")
            << u"BitBtn1"_s << 76
            << u"Não é possível editar pós-graduações nas quais o docente atua"_s + fim
            << u"Escolha um docente para editar as pós-graduações em que atua."_s;
    }
    void janelasFilhas()
    {
        QFETCH(QString, botao);
        QFETCH(int, filha);
        QFETCH(QString, modos);
        QFETCH(QString, semLinha);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        // Incluindo: a recusa dos modos, mesmo sem Id.
        j->BitBtnIncluir->click();
        Clicar(j, botao);
        QCOMPARE(r.Textos(), QStringList { modos });
        j->BitBtnCancelar->click();
        // Com um docente: a filha recebe o Id e o nome e é mostrada modal.
        CLICAR_ID(j, u"6"_s);
        r.Limpar();
        QString recebido;
        bool modal = false;
        AoAbrirModal([&](QWidget *w) {
            auto *f = qobject_cast<TFormTabela *>(w);
            QVERIFY(f);
            QCOMPARE(f, Registro::Janela(filha));
            modal = f->isModal();
            recebido = f->IdPai + u'|' + f->NomePai;
            f->BitBtnFechar->click();
        });
        Clicar(j, botao);
        QVERIFY(modal);
        QCOMPARE(recebido, u"6|Eustáquio Gravatá Leme"_s);
        QVERIFY(!r.Mostrou(modos) && !r.Mostrou(semLinha));
        QVERIFY(!Registro::Janela(filha)->isVisible());
        // Sem docentes: escolha um docente.
        b.Executar(u"DELETE FROM Docentes"_s);
        j->hide();
        j->show();
        r.Limpar();
        Clicar(j, botao);
        QCOMPARE(r.Textos(), QStringList { semLinha });
    }

    void camposExternosEscolhemODepartamento_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::newRow("Nome Instituição") << u"EditExternoDepartamento"_s;
        QTest::newRow("Link Instituição") << u"EditExternoLink"_s;
    }
    void camposExternosEscolhemODepartamento()
    {
        QFETCH(QString, campo);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"21"_s);
        const QString externo = Edit(j, campo)->text();
        QVERIFY(!externo.isEmpty());
        // Consultando: nada.
        QTest::mouseDClick(Edit(j, campo), Qt::LeftButton);
        QVERIFY(!Registro::Janela(10)->isVisible());
        j->BitBtnModificar->click();
        Editores::Escolher(j, campo, 10, u"8"_s);
        QCOMPARE(Edit(j, u"EditDepartamento"_s)->text(), u"8"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Ciências da Computação"_s);
        QCOMPARE(Edit(j, campo)->text(), externo);
        j->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT Departamento FROM Docentes WHERE Id=21"_s), u"8"_s);
        QVERIFY(r.mostradas.isEmpty());
    }
};

QTEST_MAIN(TesteDocentes)
#include "tst_docentes.moc"

// Janela-base: todas as janelas registradas, a janela genérica, as pesquisas e as
// escolhas (também aninhadas), os textos longos na mesma transação da linha e a
// desconexão no meio de uma edição, nos dois motores.
#include "quadro_apoio.h"

#include "CatalogoJanelas.h"
#include "TabelaGenerica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSplitter>

using namespace Qt::StringLiterals;
using namespace Apoio;

namespace {
// Variantes das pesquisas, ligadas pelos casos de teste.
QString recusaNivel;
bool recusaRegra = false;
bool outraExibicao = false;

// Uma janela de teste sobre Docentes: nome obrigatório, categoria (escolhida nas
// categorias) e imagem (escolhida na janela genérica das imagens), a área de pesquisa
// como texto longo, e campos de cada espécie para a limpeza.
DescricaoJanela descricaoTeste()
{
    DescricaoJanela d;
    d.numero = 11;
    Campo categoria = CampoPesquisa(u"Categoria"_s, u"Categoria"_s, 13);
    categoria.sufixoNome = u"_Sigla"_s;
    categoria.nivel = [](TFormTabela &) { return recusaNivel; };
    categoria.regraExtra = [](TFormTabela &, const QString &) {
        if (recusaRegra)
            Mensagens::Informar(u"Regra própria recusou."_s);
        return !recusaRegra;
    };
    Campo imagem = CampoPesquisa(u"Imagem"_s, u"Imagem"_s, 71);
    imagem.exibir = [](TFormTabela &, const QString &id) {
        return outraExibicao ? u"Imagem nº "_s + id : Registro::Janela(71)->NomePorId(id);
    };
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 50)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoLista(u"Situacao"_s, u"Situação"_s, { u"Ativo"_s, u"Aposentado"_s }, true, 50),
        categoria,
        imagem.AoLado(),
        CampoTextoLongo(u"PesquisaArea"_s, u"Área de Pesquisa"_s, 3990, 42, u"Docente"_s),
        CampoMarcacao(u"Extensao"_s, u"Extensão"_s),
        CampoData(QString(), u"DateTeste"_s, u"Data"_s),
    };
    d.alteracao = {
        { u"UPDATE {T} SET "_s, Sempre() },
        { u"Nome={'EditNome}"_s, Sempre() },
        { u",Situacao={'EditSituacao}"_s, Sempre() },
        { u",Categoria={#EditCategoria}"_s, SeNaoVazio(u"EditCategoria"_s) },
        { u",Imagem={#EditImagem}"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",Extensao={?CheckBoxExtensao}"_s, Sempre() },
        { u" WHERE Id={#EditId}"_s, Sempre() },
    };
    d.inclusao = {
        { u"INSERT INTO {T}("_s, Sempre() },
        { u"Nome"_s, Sempre() },
        { u",Situacao"_s, Sempre() },
        { u",Categoria"_s, SeNaoVazio(u"EditCategoria"_s) },
        { u",Imagem"_s, SeNaoVazio(u"EditImagem"_s) },
        { u",Extensao"_s, Sempre() },
        { u") VALUES ("_s, Sempre() },
        { u"{'EditNome}"_s, Sempre() },
        { u",{'EditSituacao}"_s, Sempre() },
        { u",{#EditCategoria}"_s, ComLinha(4) },
        { u",{#EditImagem}"_s, ComLinha(5) },
        { u",{?CheckBoxExtensao}"_s, Sempre() },
        { u")"_s, Sempre() },
    };
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}

class JanelaTeste : public TFormTabela {
public:
    JanelaTeste()
        : TFormTabela(descricaoTeste())
    {
    }
};

const QStringList NomesBase = { u"GroupBox2"_s, u"DBGridPesquisa"_s, u"Splitter1"_s, u"GroupBox1"_s,
    u"Label1"_s, u"EditId"_s, u"BitBtnModificar"_s, u"BitBtnAceitar"_s, u"BitBtnCancelar"_s,
    u"BitBtnExcluir"_s, u"BitBtnIncluir"_s, u"LabelEscolha"_s, u"LabelAviso"_s, u"BitBtnFechar"_s,
    u"BitBtnAtualizar"_s, u"BitBtnEscolher"_s };
} // namespace

class TesteTabela : public QObject {
    Q_OBJECT
    std::unique_ptr<JanelaTeste> m_janela;

    JanelaTeste *janela()
    {
        if (!m_janela)
            m_janela = std::make_unique<JanelaTeste>();
        return m_janela.get();
    }
    TFormTabela *categorias() { return Registro::Janela(13); }
    QString idCategoria(const QString &nome)
    {
        return Valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='%1'"_s.arg(nome));
    }

    void recusarTextos()
    {
        if (PostgreSQL()) {
            Exec(u"CREATE OR REPLACE FUNCTION recusa_texto() RETURNS trigger AS $$ BEGIN "
                 "RAISE EXCEPTION 'texto recusado'; END $$ LANGUAGE plpgsql"_s);
            Exec(u"CREATE TRIGGER RecusaTexto BEFORE INSERT OR UPDATE ON DocentesPesquisaArea "
                 "FOR EACH ROW EXECUTE FUNCTION recusa_texto()"_s);
        } else {
            Exec(u"CREATE TRIGGER RecusaTexto BEFORE INSERT ON DocentesPesquisaArea "
                 "BEGIN SELECT RAISE(ABORT, 'texto recusado'); END"_s);
            Exec(u"CREATE TRIGGER RecusaTextoAlt BEFORE UPDATE ON DocentesPesquisaArea "
                 "BEGIN SELECT RAISE(ABORT, 'texto recusado'); END"_s);
        }
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase()
    {
        // As imagens servem de escolha genérica aqui, mesmo quando tiverem editor próprio.
        Registro::DefinirFabrica(71, [](QWidget *pai) { return new TFormTabelaGenerica(71, pai); });
    }
    void init()
    {
        QVERIFY(Iniciar());
        if (PostgreSQL())
            Exec(u"DROP TRIGGER IF EXISTS RecusaTexto ON DocentesPesquisaArea"_s);
        else {
            Exec(u"DROP TRIGGER IF EXISTS RecusaTexto"_s);
            Exec(u"DROP TRIGGER IF EXISTS RecusaTextoAlt"_s);
        }
        Exec(u"DELETE FROM DocenteCategorias WHERE Id<>1"_s);
        Exec(u"INSERT INTO DocenteCategorias (Id, Nome, Sigla) VALUES (20, 'Titular', 'TIT')"_s);
        Exec(u"INSERT INTO DocenteCategorias (Id, Nome, Sigla) VALUES (21, 'Associado', 'ASS')"_s);
        Exec(u"INSERT INTO Imagens (Id, Titulo) VALUES (30, 'Fachada')"_s);
        Exec(u"INSERT INTO Docentes (Id, Nome, Categoria) VALUES (40, 'Ana Souza  ', 20)"_s);
        Exec(u"INSERT INTO DocentesPesquisaArea (Docente, Texto) VALUES (40, 'Ecologia')"_s);
        recusaNivel.clear();
        recusaRegra = false;
        outraExibicao = false;
        Eventos().Limpar();
    }
    void cleanup()
    {
        if (m_janela) {
            m_janela->Modo = ModoTabela::Consultando;
            m_janela.reset();
        }
        Terminar();
    }

    // ---- Todas as janelas registradas ------------------------------------------------

    void janelasRegistradas_data()
    {
        QTest::addColumn<int>("n");
        for (int n : Registro::NumerosJanelas())
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void janelasRegistradas()
    {
        QFETCH(int, n);
        Roteiro r;
        TFormTabela *j = Registro::Janela(n);
        QVERIFY(j);
        QCOMPARE(j->NumeroTabela, n);
        QVERIFY(!j->isVisible());
        // Os controles são montados no primeiro uso: pedidos à janela antes de procurados.
        for (const QString &nome : NomesBase) {
            QWidget *controle = j->Controle(nome);
            QCOMPARE(j->findChildren<QWidget *>(nome).size(), 1);
            QCOMPARE(controle, j->findChild<QWidget *>(nome));
        }
        QVERIFY(j->Label1->isHidden());
        QCOMPARE(j->Label1->buddy(), j->EditId);
        QVERIFY(j->EditId->isReadOnly());
        QVERIFY(j->LabelAviso->isHidden());
        QCOMPARE(j->LabelAviso->text(), u"Nos campos amarelos use duplo-clique para opções."_s);
        QCOMPARE(j->LabelAviso->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(j->GroupBox2->maximumWidth() <= 376);
        QCOMPARE(j->BitBtnEscolher->text(), u"&Selecionar Registro Atual e Sair"_s);
        // Todo rótulo é companheiro do seu campo.
        for (QLabel *l : j->GroupBox1->findChildren<QLabel *>())
            if (!l->text().isEmpty() && !l->objectName().startsWith(u"LabelCapacidade"_s)
                && !l->objectName().startsWith(u"LabelLegenda"_s))
                QVERIFY2(l->buddy(), qPrintable(l->text()));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela "_s + TituloTabela(n));
        QVERIFY(j->GroupBox2->title().startsWith(u" Listagem ("_s));
        QStringList esperado = ConjuntoConsulta();
        if (n == 16 || n == 20) // listas-filhas sem "Selecionar"
            esperado.removeAll(u"BitBtnEscolher"_s);
        if (n == 35) // os co-requisitos se incluem e se apagam
            esperado.removeAll(u"BitBtnModificar"_s);
        if (n == 36) // a escolha de disciplinas só lista e escolhe
            esperado = { u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s };
        if (n == 82) // o histórico não grava nem escolhe: só os botões que fazem algo
            esperado = { u"BitBtnAtualizar"_s, u"BitBtnFechar"_s };
        QCOMPARE(BotoesVisiveis(j), esperado);
        for (const QString &t : r.Textos())
            QVERIFY2(!t.startsWith(u"Erro de SQL"_s), qPrintable(t));
        QVERIFY(j->FormClose());
        QVERIFY(!j->isVisible());
    }

    // ---- Janela genérica -------------------------------------------------------------

    void generica()
    {
        Roteiro r;
        TFormTabela *g = Registro::Janela(71);
        QVERIFY(qobject_cast<TFormTabelaGenerica *>(g));
        QCOMPARE(g->NomePorId(u"30"_s), u"Fachada"_s); // escondida, nunca mostrada
        QCOMPARE(g->NomePorId(u"1"_s), u"[vazio]"_s);
        QVERIFY(!g->Montada()); // dar nomes não cria os controles
        g->show();
        QVERIFY(g->Montada());
        QCOMPARE(g->GroupBox2->title(), u" Listagem (2) "_s);
        QCOMPARE(g->DBGridPesquisa->model()->headerData(0, Qt::Horizontal).toString(), u"Id"_s);
        QCOMPARE(Edit(g, u"EditId"_s)->text(), u"30"_s); // ordenada por título
        QVERIFY(!g->BitBtnIncluir->isEnabled());
        QVERIFY(!g->BitBtnModificar->isEnabled());
        QVERIFY(!g->BitBtnExcluir->isEnabled());
        ClicarLinha(g, 1);
        QCOMPARE(Edit(g, u"EditId"_s)->text(), u"1"_s);
        // As colunas de exibição das tabelas escolhidas pelas outras janelas.
        QCOMPARE(CatalogoJanelas::JanelaDe(13)->colunaExibicao, u"Sigla"_s);
        QCOMPARE(CatalogoJanelas::JanelaDe(27)->colunaExibicao, u"Nome"_s);
        TFormTabelaGenerica docentes(11);
        QCOMPARE(docentes.NomePorId(u"40"_s), u"Ana Souza"_s); // sem os brancos do fim
    }

    void listaGrandeComNulos()
    {
        // Linhas suficientes para a grade não pedir todas; células nulas leem vazio.
        Exec(PostgreSQL()
                ? u"INSERT INTO Docentes (Id, Nome) SELECT 100 + i, 'Z' || lpad(i::text, 5, "
                  "'0') FROM generate_series(1, 3000) AS i"_s
                : u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                  "WHERE i<3000) INSERT INTO Docentes (Id, Nome) SELECT 100 + i, 'Z' || "
                  "printf('%05d', i) FROM n"_s);
        Roteiro r;
        TFormTabelaGenerica g(11);
        g.show();
        QCOMPARE(g.GroupBox2->title(), u" Listagem (3002) "_s);
        QAbstractItemModel *m = g.DBGridPesquisa->model();
        QCOMPARE(m->rowCount(), 3002);
        const int nome = int(g.Query->NomesCampos().indexOf(u"Nome"_s));
        const int depto = int(g.Query->NomesCampos().indexOf(u"Departamento"_s));
        QVERIFY(nome >= 0 && depto >= 0);
        QCOMPARE(m->index(2999, nome).data().toString(), u"Z02999"_s);
        QCOMPARE(m->index(2999, depto).data().toString(), QString());
        QVERIFY(g.Query->Valor(2999, depto).isNull());
        QCOMPARE(g.Query->Texto(0, nome), u"Ana Souza  "_s);
        g.Query->MoverPara(5);
        QVERIFY(g.Query->IsNull(u"Departamento"_s));
        QVERIFY(!g.Query->IsNull(u"Nome"_s));
        QCOMPARE(g.Query->AsString(u"Nome"_s), u"Z00005"_s);
        g.FormClose();
    }

    // ---- Campos, cores e limpeza -----------------------------------------------------

    void mostrarEHabilitar()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        // Ordem por nome: "Ana Souza  " e depois "[vazio]".
        QCOMPARE(Edit(j, u"EditId"_s)->text(), u"40"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Ana Souza  "_s);
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"20"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), u"TIT"_s);
        QVERIFY(Registrou(13, u"consultado"_s)); // o nome veio do NomePorId das categorias
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), u"Ecologia"_s);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadePesquisaArea"_s)->text(), u"0%"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        QVERIFY(Edit(j, u"EditCategoria"_s)->isHidden());
        j->BitBtnModificar->click();
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        QVERIFY(Edit(j, u"EditCategoria_Sigla"_s)->isReadOnly());
        QCOMPARE(Edit(j, u"EditNome"_s)->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!j->Controle<QPlainTextEdit>(u"MemoPesquisaArea"_s)->isReadOnly());
        QVERIFY(j->LabelAviso->isVisible());
        j->BitBtnCancelar->click();
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        QVERIFY(j->Controle<QPlainTextEdit>(u"MemoPesquisaArea"_s)->isReadOnly());
        // Incluir limpa cada espécie de campo.
        j->Controle<QCheckBox>(u"CheckBoxExtensao"_s)->setChecked(true);
        j->Controle<QDateEdit>(u"DateTeste"_s)->setDate(QDate(2010, 5, 5));
        j->BitBtnIncluir->click();
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), QString());
        QCOMPARE(j->Texto(u"EditSituacao"_s), QString());
        QCOMPARE(j->Controle<QComboBox>(u"EditSituacao"_s)->count(), 2);
        QVERIFY(!j->Controle<QCheckBox>(u"CheckBoxExtensao"_s)->isChecked());
        QCOMPARE(j->Controle<QDateEdit>(u"DateTeste"_s)->date(), QDate(2000, 1, 1));
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), QString());
        j->BitBtnCancelar->click();
    }

    // ---- Pesquisas -------------------------------------------------------------------

    void duploCliqueConsultandoNaoFazNada()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QVERIFY(!categorias()->isVisible());
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"20"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void escolherNaEscolha_data()
    {
        QTest::addColumn<bool>("fechar");
        QTest::newRow("escolhe") << false;
        QTest::newRow("fecha") << true;
    }
    void escolherNaEscolha()
    {
        QFETCH(bool, fechar);
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        j->BitBtnModificar->click();
        TFormTabela *c = categorias();
        AoAbrir(c, [&] {
            QCOMPARE(c->Modo, ModoTabela::Escolhendo);
            QCOMPARE(BotoesVisiveis(c),
                QStringList({ u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
            ClicarLinha(c, 0); // Associado
            (fechar ? c->BitBtnFechar : c->BitBtnEscolher)->click();
        });
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QVERIFY(!c->isVisible());
        QCOMPARE(c->Modo, ModoTabela::Consultando);
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), fechar ? u"20"_s : u"21"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), fechar ? u"TIT"_s : u"ASS"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(
            Valor(u"SELECT Categoria FROM Docentes WHERE Id=40"_s), fechar ? u"20"_s : u"21"_s);
    }

    // A escolha aberta de novo sobre a tabela que não mudou mostra o que já leu (o
    // resultado não é fechado nem lido de novo), com o mesmo registro de uma leitura; a
    // mudança feita por outra conexão, ou por esta, entre as aberturas é vista.
    void escolhaReusaListagemSemMudanca_data()
    {
        QTest::addColumn<bool>("outraConexao");
        QTest::newRow("outra conexão") << true;
        QTest::newRow("esta conexão") << false;
    }
    void escolhaReusaListagemSemMudanca()
    {
        QFETCH(bool, outraConexao);
        Roteiro r;
        TFormTabela *c = categorias();
        struct Abertura {
            bool leu = false;
            QStringList nomes, registro;
        };
        const auto abrir = [&] {
            Abertura a;
            QSignalSpy fechada(c->Query, &TQuery::Fechada);
            Eventos().Limpar();
            AoAbrir(c, [&] {
                a.leu = !fechada.isEmpty();
                a.registro = Linhas();
                for (int i = 0; i < c->Query->RecordCount(); ++i)
                    a.nomes << c->Query->Texto(i, c->Query->NomesCampos().indexOf(u"Nome"_s));
                ClicarLinha(c, 1);
                c->BitBtnFechar->click();
            });
            TFormTabela::EscolherEm(13);
            return a;
        };
        const Abertura primeira = abrir();
        const Abertura segunda = abrir();
        QVERIFY(!segunda.leu);
        QCOMPARE(segunda.nomes, primeira.nomes);
        QCOMPARE(segunda.registro, primeira.registro);
        QCOMPARE(c->GroupBox2->title(), u" Listagem (3) "_s);

        const QString mudar = u"UPDATE DocenteCategorias SET Nome='Adjunto' WHERE Id=21"_s;
        if (outraConexao)
            Exec(mudar);
        else
            QCOMPARE(BancoTeste::RodarNoPrograma(mudar), QString());
        const Abertura terceira = abrir();
        QVERIFY(terceira.leu);
        QVERIFY(terceira.nomes.contains(u"Adjunto"_s));
        QVERIFY(!terceira.nomes.contains(u"Associado"_s));
        QCOMPARE(terceira.registro, primeira.registro);
        // Do menu, a janela lê sempre.
        QSignalSpy fechada(c->Query, &TQuery::Fechada);
        c->show();
        QCOMPARE(fechada.count(), 1);
        c->BitBtnFechar->click();
    }

    void escolhaAbertaDoMenuConsultando()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        TFormTabela *c = categorias();
        c->show(); // do menu, consultando
        QVERIFY(c->isVisible());
        j->show();
        j->BitBtnModificar->click();
        Eventos().Limpar();
        AoAbrir(c, [&] {
            QCOMPARE(c->Modo, ModoTabela::Escolhendo);
            ClicarLinha(c, 0, true); // duplo clique devolve a linha clicada
        });
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QVERIFY(Registrou(13, u"desconectado"_s));
        QVERIFY(!c->isVisible()); // escondida depois, não reaberta
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"21"_s);
        // Do menu de novo: em consulta, com os botões de edição.
        c->show();
        QCOMPARE(BotoesVisiveis(c), ConjuntoConsulta());
        j->BitBtnCancelar->click();
    }

    void escolhaAbertaDoMenuEditando()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        TFormTabela *c = categorias();
        c->show();
        c->BitBtnIncluir->click(); // a janela do menu está incluindo
        j->show();
        j->BitBtnModificar->click();
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QCOMPARE(r.Textos(),
            QStringList { u"Atenção: você só pode fechar essa janela depois de "
                          "Aceitar ou Cancelar a operação anterior."_s });
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"20"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), u"TIT"_s);
        QVERIFY(c->isVisible());
        QCOMPARE(c->Modo, ModoTabela::Incluindo);
        c->BitBtnCancelar->click();
        j->BitBtnCancelar->click();
    }

    void escolhaAninhada()
    {
        // Escolha aberta de uma janela filha modal, aberta de uma janela do menu.
        Roteiro r;
        TFormTabela *menu = Registro::Janela(71);
        menu->show();
        JanelaTeste *filha = janela();
        TFormTabela *c = categorias();
        bool escolheu = false;
        AoAbrir(filha, [&] {
            filha->BitBtnIncluir->click();
            Digitar(filha, u"EditNome"_s, u"Bruno Lima"_s);
            AoAbrir(c, [&] {
                QCOMPARE(QApplication::activeModalWidget(), c);
                ClicarLinha(c, 1); // Titular
                c->BitBtnEscolher->click();
                escolheu = true;
            });
            DuploClique(filha, u"EditCategoria_Sigla"_s);
            QCOMPARE(Edit(filha, u"EditCategoria_Sigla"_s)->text(), u"TIT"_s);
            filha->BitBtnAceitar->click();
            filha->BitBtnFechar->click();
        });
        QVERIFY(filha->MostrarModal());
        QVERIFY(escolheu);
        QVERIFY(menu->isVisible());
        QCOMPARE(Valor(u"SELECT Categoria FROM Docentes WHERE Nome='Bruno Lima'"_s), u"20"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void variantes()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        // Conferência de nível: em todo modo, antes de tudo.
        recusaNivel = u"Você não possui permissão para associar essa imagem a um departamento. "
                      "Operação interrompida."_s;
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QCOMPARE(r.Textos(), QStringList { recusaNivel });
        recusaNivel.clear();
        // Regra própria depois da escolha: recusa e o campo fica.
        j->BitBtnModificar->click();
        recusaRegra = true;
        TFormTabela *c = categorias();
        AoAbrir(c, [&] {
            ClicarLinha(c, 0);
            c->BitBtnEscolher->click();
        });
        r.Limpar();
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QCOMPARE(r.Textos(), QStringList { u"Regra própria recusou."_s });
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"20"_s);
        // Outra exibição do nome.
        outraExibicao = true;
        TFormTabela *imagens = Registro::Janela(71);
        AoAbrir(imagens, [&] {
            ClicarLinha(imagens, 0);
            imagens->BitBtnEscolher->click();
        });
        DuploClique(j, u"EditImagem_Nome"_s);
        QCOMPARE(Edit(j, u"EditImagem"_s)->text(), u"30"_s);
        QCOMPARE(Edit(j, u"EditImagem_Nome"_s)->text(), u"Imagem nº 30"_s);
        j->BitBtnCancelar->click();
    }

    void escolhaVaziaNaoMuda()
    {
        Exec(u"DELETE FROM DocenteCategorias"_s);
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        j->BitBtnModificar->click();
        TFormTabela *c = categorias();
        AoAbrir(c, [&] { c->BitBtnEscolher->click(); });
        DuploClique(j, u"EditCategoria_Sigla"_s);
        QCOMPARE(Edit(j, u"EditCategoria"_s)->text(), u"20"_s);
        QCOMPARE(Edit(j, u"EditCategoria_Sigla"_s)->text(), QString()); // categoria apagada
        j->BitBtnCancelar->click();
    }

    // ---- Textos longos ---------------------------------------------------------------

    void incluirComTexto()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, u"Carla Dias"_s);
        j->Controle<QPlainTextEdit>(u"MemoPesquisaArea"_s)
            ->setPlainText(u"linha 1\nlinha 'dois' ç"_s);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadePesquisaArea"_s)->text(), u"0%"_s);
        Eventos().Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        const QString id = Valor(u"SELECT Id FROM Docentes WHERE Nome='Carla Dias'"_s);
        QVERIFY(!id.isEmpty());
        QCOMPARE(Valor(u"SELECT Texto FROM DocentesPesquisaArea WHERE Docente="_s + id),
            u"linha 1\r\nlinha 'dois' ç"_s);
        const QStringList l = Linhas();
        const int incluido = int(l.indexOf(u"Docentes, incluído"_s));
        QVERIFY(incluido >= 0);
        QCOMPARE(l.at(incluido + 1), u"Docentes, consultado"_s); // ProcurarId, só o registro
        QCOMPARE(l.at(incluido + 2), u"Docentes, Área de Pesquisa, incluindo..."_s);
        QCOMPARE(l.at(incluido + 3), u"Docentes, Área de Pesquisa, incluído"_s);
    }

    void limiteDoMemo()
    {
        // Um texto gravado mais longo que o limite entra inteiro; o que se digita para.
        const QString longo = QString(4000, u'x');
        Exec(u"UPDATE DocentesPesquisaArea SET Texto='"_s + longo + u"' WHERE Docente=40"_s);
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        auto *memo = j->Controle<QPlainTextEdit>(u"MemoPesquisaArea"_s);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), longo);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadePesquisaArea"_s)->text(), u"100%"_s);
        j->BitBtnModificar->click();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, u"yz"_s);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), longo); // não cresce, nada se perde
        QTest::keyClick(memo, Qt::Key_Backspace);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s).size(), 3999);
        // Quebras valem dois: 3988 + "\n" + "a" = 3991 > 3990.
        j->DefinirTexto(u"MemoPesquisaArea"_s, QString(3988, u'x'));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_A);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), QString(3988, u'x') + u"\r\n"_s);
        // Colar no meio: só o colado é cortado; o resto do texto fica.
        j->DefinirTexto(u"MemoPesquisaArea"_s, u"abc"_s + QString(3985, u'x'));
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(2);
        memo->setTextCursor(cursor);
        memo->insertPlainText(u"123456"_s);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), u"ab12c"_s + QString(3985, u'x'));
        // Trocar o texto todo por um longo demais corta o fim.
        memo->setPlainText(QString(3995, u'y'));
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), QString(3990, u'y'));
        j->BitBtnCancelar->click();
    }

    void falhaDoTextoDesfazALinha_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("inclusão") << true;
        QTest::newRow("alteração") << false;
    }
    void falhaDoTextoDesfazALinha()
    {
        QFETCH(bool, inclusao);
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, u"EditNome"_s, u"Nome Novo"_s);
        j->Controle<QPlainTextEdit>(u"MemoPesquisaArea"_s)->setPlainText(u"texto novo"_s);
        recusarTextos();
        r.Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().contains(u"texto recusado"_s));
        // Nada foi gravado, e a janela continua com o que foi digitado.
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM Docentes WHERE Nome='Nome Novo'"_s), u"0"_s);
        QCOMPARE(Valor(u"SELECT Nome FROM Docentes WHERE Id=40"_s), u"Ana Souza  "_s);
        QCOMPARE(
            Valor(u"SELECT Texto FROM DocentesPesquisaArea WHERE Docente=40"_s), u"Ecologia"_s);
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), inclusao ? QString() : u"40"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Nome Novo"_s);
        QCOMPARE(j->Texto(u"MemoPesquisaArea"_s), u"texto novo"_s);
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        j->BitBtnCancelar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
    }

    void excluirApagaOTexto()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM Docentes WHERE Id=40"_s), u"0"_s);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM DocentesPesquisaArea WHERE Docente=40"_s), u"0"_s);
        QVERIFY(Registrou(42, u"apagado"_s));
    }

    void reservadaNaoSeApagaNemSeModifica()
    {
        Roteiro r;
        JanelaTeste *j = janela();
        j->show();
        ClicarLinha(j, 1); // [vazio]
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"[vazio]"_s);
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos().last(),
            u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s);
        NivelAcesso = 3;
        j->BitBtnModificar->click();
        QCOMPARE(r.Textos().last(),
            u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        NivelAcesso = 2;
        j->BitBtnModificar->click();
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        j->BitBtnCancelar->click();
        NivelAcesso = 1;
    }

    // ---- Desconexão ------------------------------------------------------------------

    void desconectarNoMeioDaEdicao()
    {
        Roteiro r;
        TFormTabela *c = categorias();
        c->show(); // consultando: será fechada
        JanelaTeste *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, u"Depois da Queda"_s);
        Banco()->Desconectar();
        QVERIFY(!c->isVisible());
        QVERIFY(j->isVisible());
        r.Responder(false); // "Conectar de novo?": agora não
        j->BitBtnAceitar->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().contains(u"conexão"_s));
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Depois da Queda"_s);
        // De volta ao servidor, o mesmo Aceitar grava.
        QCOMPARE(Banco()->Conectar(1), QString());
        j->BitBtnAceitar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(Valor(u"SELECT COUNT(*) FROM Docentes WHERE Nome='Depois da Queda'"_s), u"1"_s);
    }
};

QTEST_MAIN(TesteTabela)
#include "tst_tabela.moc"

// O que as janelas de downloads, links, descrições, extensões, grupos de pesquisa,
// agremiações e veículos têm em comum, nos dois motores, sobre os dados de demonstração:
// a listagem de cada nível (o filtro de departamento só nos níveis 3..6), um nível de
// departamento editando só as suas linhas, as janelas filhas (só as linhas da mãe, e
// nada gravado sem mãe), as recusas dos botões das filhas e textos hostis em cada
// espécie de campo de texto, gravados como digitados.
#include "editores_apoio.h"

#include "CatalogoJanelas.h"
#include "TabelaAgremiacoes.h"
#include "TabelaEstudantes.h"
#include "TabelaExtensoes.h"
#include "TabelaGruposPesquisa.h"
#include "TabelaVeiculos.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
// Uma janela-filha e a janela-mãe que a abre, com a linha-mãe da demonstração.
struct Filha {
    int numero;
    int mae;
    QString botao;
    QString coluna; // coluna da mãe na tabela da filha
    QString idMae, nomeMae;
    QStringList ids; // linhas da mãe na demonstração
    QString campo, valor; // o campo que a inclusão preenche
    QString recusaSemMae; // o Aceitar sem mãe
};

const QList<Filha> &Filhas()
{
    static const QList<Filha> f = {
        { 20, 19, u"BitBtnDocente"_s, u"Extensao"_s, u"2"_s, u"Ciência no Parque"_s,
            { u"1"_s, u"2"_s, u"3"_s }, u"EditDocente"_s, u"6"_s,
            u"Os campos devem estar preenchidos. Operação interrompida."_s },
        { 51, 50, u"BitBtnDocentes"_s, u"Grupo"_s, u"3"_s, u"Grupo de Óptica Quântica"_s,
            { u"4"_s, u"5"_s, u"6"_s }, u"EditDocente"_s, u"7"_s,
            u"O campo Grupo de Pesquisa deve estar preenchido. Operação interrompida."_s },
        { 68, 40, u"BitBtnDisciplinasEstudantes"_s, u"Agremiacao"_s, u"2"_s,
            u"Centro Acadêmico de Biologia"_s, { u"1"_s, u"2"_s, u"3"_s }, u"EditNome"_s,
            u"Ana Caiapó"_s,
            u"O campo Agremiação deve estar preenchido. Operação interrompida."_s },
        { 79, 78, u"BitBtnPassageiros"_s, u"Solicitante"_s, u"2"_s,
            u"Adelaide Quintanilha Borbolato"_s, { u"1"_s, u"2"_s, u"3"_s }, u"EditPassageiro"_s,
            u"Ana Caiapó"_s, u"O campo Nome deve estar preenchido. Operação interrompida."_s },
    };
    return f;
}

// A filha de número dado (ou a da mãe de número dado).
const Filha &FilhaDe(int numero, bool daMae = false)
{
    for (const Filha &f : Filhas())
        if ((daMae ? f.mae : f.numero) == numero)
            return f;
    qFatal("sem filha");
}
} // namespace

class TesteServicos : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QStringList ordenados(QStringList l)
    {
        l.sort();
        return l;
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup()
    {
        Editores::Encerrar(m_banco, { 10, 11, 12, 19, 20, 40, 41, 50, 51, 67, 68, 78, 79 });
    }

    // ---- Listagem por nível ------------------------------------------------------

    // O comando da listagem de cada nível, sem banco: os níveis de departamento com o
    // filtro; todos os outros, também os de filtro não numérico (9, 10), com a padrão.
    void comandoDaListagem_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("filtrada");
        QTest::newRow("19") << 19
                            << u"SELECT * FROM Extensoes WHERE Departamento=5 OR    "
                               "Titulo='[vazio]' ORDER BY Titulo"_s;
        QTest::newRow("40") << 40
                            << u"SELECT * FROM Agremiacoes WHERE Departamento=5 OR "
                               "Nome='[vazio]' ORDER BY Sigla, Nome"_s;
        QTest::newRow("41") << 41
                            << u"SELECT * FROM Downloads WHERE Departamento=5 OR    "
                               "Nome='[vazio]' ORDER BY Nome"_s;
        QTest::newRow("50") << 50
                            << u"SELECT * FROM GruposPesquisa WHERE Departamento=5 OR    "
                               "Nome='[vazio]' ORDER BY Nome"_s;
        QTest::newRow("78") << 78
                            << u"SELECT * FROM Veiculos WHERE Departamento=5 OR Nome='[vazio]'"_s;
    }
    void comandoDaListagem()
    {
        QFETCH(int, numero);
        QFETCH(QString, filtrada);
        const int nivelAntes = NivelAcesso;
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            NivelAcesso = nivel;
            FiltroTabelas = nivel == 9 ? u"Graduação"_s : nivel == 10 ? u"Pós-Graduação"_s : u"5"_s;
            QCOMPARE(CatalogoJanelas::SentencaListagem(numero),
                NivelDeDepartamento(nivel) ? filtrada : ConsultaTabela(numero));
        }
        NivelAcesso = nivelAntes;
    }

    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<bool>("filtrada");
        const auto linha = [](int numero, int nivel, const QStringList &ids, bool filtrada) {
            QTest::addRow("%d, nível %d", numero, nivel) << numero << nivel << ids << filtrada;
        };
        linha(19, 1, { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s }, false);
        linha(19, 3, { u"1"_s, u"2"_s }, true);
        linha(19, 4, { u"1"_s, u"3"_s }, true);
        linha(40, 2, { u"1"_s, u"2"_s, u"3"_s }, false);
        linha(40, 3, { u"1"_s, u"2"_s }, true);
        linha(40, 4, { u"1"_s }, true);
        linha(40, 5, { u"1"_s, u"3"_s }, true);
        linha(41, 1,
            { u"1"_s, u"10"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s },
            false);
        linha(50, 1, { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s }, false);
        linha(50, 4, { u"1"_s, u"3"_s }, true);
        linha(50, 6, { u"1"_s, u"5"_s }, true);
        linha(78, 12, { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s }, false);
        linha(78, 3, { u"1"_s, u"2"_s }, true);
        linha(78, 6, { u"1"_s, u"5"_s }, true);
    }
    void listagemDoNivel()
    {
        QFETCH(int, numero);
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        QFETCH(bool, filtrada);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = Registro::Janela(numero);
        j->show();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->Query->TextoComando(), CatalogoJanelas::SentencaListagem(numero));
        QCOMPARE(j->Query->TextoComando() == ConsultaTabela(numero), !filtrada);
        QCOMPARE(ordenados(Editores::IdsListados(j)), ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        // Uma execução só, registrada.
        const QString titulo = TituloTabela(numero);
        QCOMPARE(Linhas().count(titulo + u", consultando..."_s), 1);
        QVERIFY(Linhas().contains(titulo + u", consultado, %1 registros"_s.arg(ids.size())));
    }

    // Um nível de departamento inclui e altera as suas linhas: a escolha do departamento
    // só lhe dá o seu e o "[vazio]", e a linha gravada continua na sua listagem.
    void departamentoEditaSoAsSuas_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("controleDepto");
        QTest::newRow("19") << 19 << u"EditTitulo"_s << u"EditDepartamento_Nome"_s;
        QTest::newRow("40") << 40 << u"EditNome"_s << u"EditDepartamento_Nome"_s;
        QTest::newRow("50") << 50 << u"EditNome"_s << u"EditDepartamento_Nome"_s;
        QTest::newRow("78") << 78 << u"EditNome"_s << u"EditDestino"_s;
    }
    void departamentoEditaSoAsSuas()
    {
        QFETCH(int, numero);
        QFETCH(QString, campo);
        QFETCH(QString, controleDepto);
        BANCO_DEMONSTRACAO(b, 4); // Física e Matemática, Id 3
        Roteiro r;
        TFormTabela *j = Registro::Janela(numero);
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, campo, u"Nova do departamento"_s);
        QStringList naEscolha;
        AoAbrirModal([&](QWidget *w) {
            TFormTabela *deptos = Registro::Janela(10);
            QCOMPARE(w, deptos);
            naEscolha = Editores::IdsListados(deptos);
            CLICAR_ID(deptos, u"3"_s);
            deptos->BitBtnEscolher->click();
        });
        Apoio::DuploClique(j, controleDepto);
        QCOMPARE(ordenados(naEscolha), QStringList({ u"1"_s, u"3"_s }));
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Física e Matemática"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        const QString tabela = NomeTabela(numero);
        const QString coluna = numero == 19 ? u"Titulo"_s : u"Nome"_s;
        const QString id
            = valor(u"SELECT Id FROM %1 WHERE %2='Nova do departamento'"_s.arg(tabela, coluna));
        QCOMPARE(valor(u"SELECT Departamento FROM %1 WHERE Id=%2"_s.arg(tabela, id)), u"3"_s);
        // Alterar uma linha sua.
        CLICAR_ID(j, id);
        j->BitBtnModificar->click();
        Digitar(j, campo, u"Alterada pelo departamento"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(valor(u"SELECT %1 FROM %2 WHERE Id=%3"_s.arg(coluna, tabela, id)),
            u"Alterada pelo departamento"_s);
        QVERIFY(Editores::IdsListados(j).contains(id));
    }

    // ---- Janelas filhas ----------------------------------------------------------

    void filhaListaEGravaSoDaMae_data()
    {
        QTest::addColumn<int>("numero");
        for (const Filha &f : Filhas())
            QTest::newRow(qPrintable(QString::number(f.numero))) << f.numero;
    }
    void filhaListaEGravaSoDaMae()
    {
        QFETCH(int, numero);
        BANCO_DEMONSTRACAO(b, 1);
        const Filha *f = &FilhaDe(numero);
        Roteiro r;
        TFormTabela *mae = Registro::Janela(f->mae);
        TFormTabela *filha = Registro::Janela(numero);
        QVERIFY(filha);
        mae->show();
        CLICAR_ID(mae, f->idMae);
        const QString pai = u"Edit"_s + f->coluna;
        bool modal = false;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, filha);
            modal = filha->isModal();
            QCOMPARE(filha->IdPai, f->idMae);
            QCOMPARE(filha->NomePai, f->nomeMae);
            QCOMPARE(filha->Query->TextoComando(),
                ConsultaTabela(numero) + u"\r\n WHERE "_s + f->coluna + u'=' + f->idMae);
            QCOMPARE(ordenados(Editores::IdsListados(filha)), f->ids);
            QCOMPARE(Edit(filha, pai)->text(), f->idMae);
            QCOMPARE(Edit(filha, pai + u"_Nome"_s)->text(), f->nomeMae);
            // Duplo clique no pai: nada.
            Apoio::DuploClique(filha, pai + u"_Nome"_s);
            filha->BitBtnIncluir->click();
            QCOMPARE(Edit(filha, pai)->text(), f->idMae);
            QCOMPARE(Edit(filha, pai + u"_Nome"_s)->text(), f->nomeMae);
            filha->DefinirTexto(f->campo, f->valor);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->GroupBox2->title(), u" Listagem (%1) "_s.arg(f->ids.size() + 1));
            filha->BitBtnFechar->click();
        });
        mae->Controle<QPushButton>(f->botao)->click();
        QVERIFY(modal);
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(valor(u"SELECT %1 FROM %2 WHERE Id=(SELECT MAX(Id) FROM %2)"_s.arg(
                     f->coluna, NomeTabela(numero))),
            f->idMae);
    }

    // Mostrada sem mãe (nenhuma janela a abre assim), a filha lista a tabela inteira e o
    // Aceitar recusa com a mensagem do campo da mãe, sem erro de SQL e sem gravar.
    void filhaSemMaeNaoGrava_data() { filhaListaEGravaSoDaMae_data(); }
    void filhaSemMaeNaoGrava()
    {
        QFETCH(int, numero);
        BANCO_DEMONSTRACAO(b, 1);
        const Filha *f = &FilhaDe(numero);
        const QString total = valor(u"SELECT COUNT(*) FROM "_s + NomeTabela(numero));
        Roteiro r;
        TFormTabela *filha = Registro::Janela(numero);
        filha->DefinirPai(QString(), QString());
        filha->show();
        QCOMPARE(filha->Query->TextoComando(), ConsultaTabela(numero));
        filha->BitBtnIncluir->click();
        filha->DefinirTexto(f->campo, f->valor);
        filha->BitBtnAceitar->click();
        QCOMPARE(r.Textos(), QStringList { f->recusaSemMae });
        QCOMPARE(filha->Modo, ModoTabela::Incluindo);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM "_s + NomeTabela(numero)), total);
        filha->BitBtnCancelar->click();
    }

    // As recusas do botão da filha: fora da consulta; sem linha (tabela vazia); e, nas
    // mães que o exigem, com a linha sem nome.
    void recusasDoBotaoDaFilha_data()
    {
        QTest::addColumn<int>("mae");
        QTest::addColumn<QString>("colunaNome");
        QTest::addColumn<QString>("recusaModo");
        QTest::addColumn<QString>("recusaLinha");
        QTest::addColumn<bool>("exigeNome");
        QTest::newRow("19") << 19 << u"Titulo"_s
                            << u"Não é possível editar docentes que atuam nessa atividade de "
                               "extensão durante os modos Incluir/Modificar/Excluir/Consultar."_s
                            << u"Escolha uma extensão para editar os docentes relacionados."_s
                            << true;
        QTest::newRow("40") << 40 << u"Nome"_s
                            << u"Não é possível editar estudantes da diretoria durante os modos "
                               "Incluir/Modificar/Excluir/Consultar."_s
                            << u"Escolha uma agremiação para editar os estudantes da diretoria."_s
                            << true;
        QTest::newRow("50") << 50 << u"Nome"_s
                            << u"Não é possível editar docentes do grupo de pesquisa durante os "
                               "modos Incluir/Modificar/Excluir/Consultar."_s
                            << u"Escolha um grupo de pesquisa para editar os docentes "
                               "relacionados."_s
                            << false;
        QTest::newRow("78") << 78 << u"Nome"_s
                            << u"Não é possível editar Passageiros durante os modos "
                               "Incluir/Modificar/Excluir/Consultar."_s
                            << u"Escolha uma viagem para editar os passageiros."_s << true;
    }
    void recusasDoBotaoDaFilha()
    {
        QFETCH(int, mae);
        QFETCH(QString, colunaNome);
        QFETCH(QString, recusaModo);
        QFETCH(QString, recusaLinha);
        QFETCH(bool, exigeNome);
        BANCO_DEMONSTRACAO(b, 1);
        const Filha &f = FilhaDe(mae, true);
        Roteiro r;
        TFormTabela *j = Registro::Janela(mae);
        QPushButton *botao = j->Controle<QPushButton>(f.botao);
        j->show();
        j->BitBtnIncluir->click();
        botao->click();
        QCOMPARE(r.Textos(), QStringList { recusaModo });
        j->BitBtnCancelar->click();
        // Linha sem nome.
        b.Executar(u"UPDATE %1 SET %2='' WHERE Id=%3"_s.arg(NomeTabela(mae), colunaNome, f.idMae));
        j->ConsultarTabela();
        CLICAR_ID(j, f.idMae);
        r.Limpar();
        bool abriu = false;
        if (!exigeNome)
            AoAbrirModal([&](QWidget *w) {
                abriu = true;
                Clicar(w, u"BitBtnFechar"_s);
            });
        botao->click();
        QCOMPARE(abriu, !exigeNome);
        QCOMPARE(r.Textos(), exigeNome ? QStringList { recusaLinha } : QStringList());
        // Tabela vazia.
        b.Executar(u"DELETE FROM "_s + NomeTabela(mae));
        j->ConsultarTabela();
        j->MostrarRegistro();
        r.Limpar();
        botao->click();
        QCOMPARE(r.Textos(), QStringList { recusaLinha });
        QVERIFY(!Registro::Janela(f.numero)->isVisible());
    }

    // ---- Textos hostis -----------------------------------------------------------

    // Em cada espécie de campo de texto (caixa, memo, lista digitada, hora com máscara),
    // aspas, barras, comandos e caracteres fora do Windows-1252 vão como digitados; o
    // texto muito longo de uma coluna sem limite também. Nada vira erro de SQL.
    void textosHostis_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("especie");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("gravado");
        const QString hostil = u"d'Ávila \"x\" \\ '); DROP TABLE Links; -- ção € Ωλ 日本 😀"_s;
        const QString curto = u"O'B\\\";–😀"_s; // 9 caracteres, como o Qt os conta
        const QString medio = u"d'Á \"x\" \\ '); DROP TABLE x; -- € 日本 😀"_s;
        const QString memo = hostil + u"\nsegunda linha 'aspas'\n\n\\fim"_s;
        const QString memoGravado = QString(memo).replace(u"\n"_s, u"\r\n"_s);
        const QString longo = QString(u"x'"_s).repeated(6000);
        const auto linha
            = [](int n, const QString &id, const QString &controle, const QString &coluna,
                  const QString &especie, const QString &texto, const QString &gravado) {
                  QTest::addRow("%d %s", n, qPrintable(controle))
                      << n << id << controle << coluna << especie << texto << gravado;
              };
        linha(41, u"2"_s, u"EditNome"_s, u"Nome"_s, u"caixa"_s, hostil, hostil);
        linha(41, u"2"_s, u"EditCategoria"_s, u"Categoria"_s, u"lista"_s, hostil, hostil);
        linha(67, u"2"_s, u"EditURL"_s, u"URL"_s, u"caixa"_s, hostil, hostil);
        linha(67, u"2"_s, u"EditAlvo"_s, u"Alvo"_s, u"lista"_s, curto, curto);
        linha(12, u"2"_s, u"EditNomeTabela"_s, u"NomeTabela"_s, u"caixa"_s, curto, curto);
        linha(12, u"2"_s, u"MemoDescricao"_s, u"Descricao"_s, u"memo"_s, memo, memoGravado);
        linha(19, u"2"_s, u"MemoDescricao"_s, u"Descricao"_s, u"memo"_s, memo, memoGravado);
        linha(50, u"2"_s, u"EditSigla"_s, u"Sigla"_s, u"caixa"_s, curto, curto);
        linha(40, u"2"_s, u"EditCep"_s, u"Cep"_s, u"caixa"_s, curto, curto);
        linha(68, u"1"_s, u"EditFuncao"_s, u"Funcao"_s, u"caixa"_s, medio, medio);
        linha(78, u"2"_s, u"EditRamal"_s, u"Ramal"_s, u"caixa"_s, u"'\\;\""_s, u"'\\;\""_s);
        linha(78, u"2"_s, u"EditDestino"_s, u"Destino"_s, u"longo"_s, longo, longo);
        linha(78, u"2"_s, u"EditFinalidade"_s, u"Finalidade"_s, u"lista"_s, hostil, hostil);
        // A máscara só deixa entrar algarismos: o resto do digitado fica de fora.
        linha(
            78, u"2"_s, u"EditHoraSaida"_s, u"hora_saida"_s, u"hora"_s, u"1'7;:4\\5"_s, u"17:45"_s);
        linha(79, u"2"_s, u"EditEndereco"_s, u"Endereco"_s, u"longo"_s, longo, longo);
    }
    void textosHostis()
    {
        QFETCH(int, numero);
        QFETCH(QString, id);
        QFETCH(QString, controle);
        QFETCH(QString, coluna);
        QFETCH(QString, especie);
        QFETCH(QString, texto);
        QFETCH(QString, gravado);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(numero);
        for (const Filha &f : Filhas())
            if (f.numero == numero)
                j->DefinirPai(f.idMae, f.nomeMae);
        j->show();
        CLICAR_ID(j, id);
        j->BitBtnModificar->click();
        QWidget *w = j->Controle(controle);
        if (especie == u"caixa"_s) {
            Digitar(j, controle, texto);
        } else if (especie == u"longo"_s) {
            Edit(j, controle)->selectAll();
            Edit(j, controle)->insert(texto);
        } else if (especie == u"memo"_s) {
            static_cast<QPlainTextEdit *>(w)->clear();
            Editores::Teclar(w, texto);
        } else if (especie == u"lista"_s) {
            QLineEdit *e = static_cast<QComboBox *>(w)->lineEdit();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
            Editores::Teclar(e, texto);
        } else {
            auto *e = static_cast<QLineEdit *>(w);
            e->setCursorPosition(0);
            QTest::keyClicks(e, texto);
        }
        QCOMPARE(j->Texto(controle), gravado);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(
            valor(u"SELECT %1 FROM %2 WHERE Id=%3"_s.arg(coluna, NomeTabela(numero), id)), gravado);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Links"_s), u"7"_s);
        // Mostrada de novo, igual.
        CLICAR_ID(j, id);
        QCOMPARE(j->Texto(controle), gravado);
    }
};

QTEST_MAIN(TesteServicos)
#include "tst_servicos.moc"

// Todas as janelas de uma vez: cada descrição conferida contra o catálogo das janelas e
// o esquema, a conferência pegando os erros de escrita de uma descrição, os comandos
// derivados das colunas gravadas, e as regras comuns de todos os editores (a linha
// "[vazio]" e os níveis que não excluem) numa tabela sobre todas as janelas, nos dois
// motores.
#include "editores_apoio.h"

#include "CatalogoJanelas.h"
#include "Esquema.h"
#include "TabelaGenerica.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using Apoio::Linhas;

namespace {
// Descrição pequena e certa sobre DocenteCategorias (janela 13), para estragar nos casos.
DescricaoJanela descricaoCerta()
{
    DescricaoJanela d;
    d.numero = 13;
    d.campos = { CampoEdit(u"Nome"_s, u"Nome"_s, 30), CampoEdit(u"Sigla"_s, u"Sigla"_s, 5) };
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s) };
    d.ordemExibicao = { u"EditSigla"_s, u"EditNome"_s };
    d.controlesReservados = { u"EditNome"_s };
    return d;
}

// Os editores que gravam e têm a linha "[vazio]".
QList<int> janelasComReservada()
{
    QList<int> n;
    for (int numero : Registro::NumerosJanelas())
        if (Registro::TemEditor(numero)) {
            const DescricaoJanela &d = Registro::Janela(numero)->Descricao();
            if (d.Grava() && !d.controlesReservados.isEmpty())
                n << numero;
        }
    Registro::DestruirJanelas();
    return n;
}
} // namespace

class TesteJanelas : public QObject {
    Q_OBJECT

private slots:
    // ---- Descrições --------------------------------------------------------------

    void descricoesDeTodasAsJanelas()
    {
        const QStringList erros = Registro::ConferirDescricoes();
        QVERIFY2(erros.isEmpty(), qPrintable(erros.join(u'\n')));
        Registro::DestruirJanelas();
    }

    // Nenhuma janela do programa é a genérica: cada número do catálogo tem o seu editor
    // (ou é servido pelo editor de outro número).
    void todaJanelaTemEditor()
    {
        QStringList semEditor;
        for (int numero : Registro::NumerosJanelas()) {
            const CatalogoJanelas::Janela *c = CatalogoJanelas::JanelaDe(numero);
            const int editor = c && c->servidaPor ? c->servidaPor : numero;
            if (!Registro::TemEditor(editor))
                semEditor << QString::number(numero);
        }
        QVERIFY2(semEditor.isEmpty(), qPrintable(semEditor.join(u", "_s)));
    }

    // O filtro das seções de graduação (9) e de pós-graduação (10), dado do catálogo: a
    // listagem e a contagem de cada janela em cada seção; com o filtro vazio, ou numa
    // janela sem filtro de seção, as padrão.
    void filtroDasSecoes_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("listagem");
        QTest::addColumn<QString>("contagem");
        const QString modalidade
            = u" WHERE  SUBSTRING(Categoria,1,13)%1'Pós-Graduação' OR Nome='[vazio]'"_s;
        QTest::newRow("disciplinas, 9")
            << 32 << 9
            << u"SELECT * FROM Disciplinas"_s + modalidade.arg(u"<>"_s)
                + u" ORDER BY CodigoKVA, Nome"_s
            << u"SELECT COUNT(Id) FROM Disciplinas"_s + modalidade.arg(u"<>"_s);
        QTest::newRow("disciplinas, 10")
            << 32 << 10
            << u"SELECT * FROM Disciplinas"_s + modalidade.arg(u"="_s)
                + u" ORDER BY CodigoKVA, Nome"_s
            << u"SELECT COUNT(Id) FROM Disciplinas"_s + modalidade.arg(u"="_s);
        QTest::newRow("diplomas, 9")
            << 81 << 9 << u"SELECT * FROM Diplomas WHERE  Graduacao IS NOT NULL ORDER BY Nome"_s
            << u"SELECT COUNT(Id) FROM Diplomas"_s;
        QTest::newRow("diplomas, 10")
            << 81 << 10 << u"SELECT * FROM Diplomas WHERE  PosGraduacao IS NOT NULL ORDER BY Nome"_s
            << u"SELECT COUNT(Id) FROM Diplomas"_s;
        for (const CatalogoJanelas::Janela &j : CatalogoJanelas::Janelas())
            if (j.secao.graduacao.isEmpty() && j.colunaPai.isEmpty())
                for (int nivel : { 9, 10 })
                    QTest::addRow("%d, %d", j.numero, nivel)
                        << j.numero << nivel << ConsultaTabela(j.numero)
                        << u"SELECT COUNT(Id) FROM "_s + NomeTabela(j.numero);
    }
    void filtroDasSecoes()
    {
        QFETCH(int, numero);
        QFETCH(int, nivel);
        QFETCH(QString, listagem);
        QFETCH(QString, contagem);
        const int nivelAntes = NivelAcesso;
        const QString filtroAntes = FiltroTabelas;
        NivelAcesso = nivel;
        FiltroTabelas = nivel == 9 ? u"Graduação"_s : u"Pós-Graduação"_s;
        const QString listada = CatalogoJanelas::SentencaListagem(numero);
        const QString contada = CatalogoJanelas::SentencaContagem(numero);
        FiltroTabelas.clear();
        const QString semFiltro = CatalogoJanelas::SentencaListagem(numero);
        NivelAcesso = nivelAntes;
        FiltroTabelas = filtroAntes;
        QCOMPARE(listada, listagem);
        QCOMPARE(contada, contagem);
        QCOMPARE(semFiltro, ConsultaTabela(numero));
    }

    // Um texto mais comprido que a caixa aparece do começo (o nome, não o fim dele).
    void textoCompridoApareceDoComeco()
    {
        TFormTabela *j = Registro::Janela(10);
        const QString longo = u"Departamento de "_s + u"Ciências "_s.repeated(20);
        j->DefinirTexto(u"EditNome"_s, longo);
        auto *caixa = j->Controle<QLineEdit>(u"EditNome"_s);
        QCOMPARE(caixa->text(), longo);
        QCOMPARE(caixa->cursorPosition(), 0);
        Registro::DestruirJanelas();
    }

    void conferenciaAchaOErro_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<QString>("erro");
        QTest::newRow("marca mal escrita") << 1 << u"janela 13: controle desconhecido EditNmoe"_s;
        QTest::newRow("ordem de exibição") << 2 << u"controle desconhecido EditSiglaa"_s;
        QTest::newRow("reservados") << 3 << u"controle desconhecido EditTitulo"_s;
        QTest::newRow("procura") << 4 << u"controle desconhecido EditNom em procuraControle"_s;
        QTest::newRow("controle repetido") << 5 << u"controle repetido EditNome"_s;
        QTest::newRow("coluna fora do esquema") << 6 << u"coluna Apelido"_s;
        QTest::newRow("ComLinha") << 7 << u"ComLinha(2) aponta para uma linha de outra presença"_s;
        QTest::newRow("número") << 8 << u"janela 13: descrita com o número 14"_s;
        QTest::newRow("texto longo") << 9 << u"textos longos diferentes dos do catálogo"_s;
        QTest::newRow("filha") << 10 << u"botão BitBtnX abre a janela 22"_s;
        QTest::newRow("primeira coluna") << 11 << u"a primeira coluna gravada (Nome)"_s;
        QTest::newRow("gravada sem campo") << 12 << u"coluna gravada Id sem campo nem controle"_s;
        QTest::newRow("item maior que a coluna")
            << 13 << u"o item \"Bacharelado\" de EditSigla não cabe na coluna Sigla (10)"_s;
        QTest::newRow("limite maior que a coluna")
            << 14 << u"EditNome deixa digitar 40 caracteres; a coluna Nome tem 30"_s;
    }
    void conferenciaAchaOErro()
    {
        QFETCH(int, caso);
        QFETCH(QString, erro);
        QVERIFY(ConferirDescricao(descricaoCerta(), 13).isEmpty());
        DescricaoJanela d = descricaoCerta();
        switch (caso) {
        case 1:
            d.colunas.clear();
            d.alteracao = { { u"UPDATE {T} SET "_s, Sempre() }, { u"Nome={'EditNmoe}"_s, Sempre() },
                { u" WHERE Id={#EditId}"_s, Sempre() } };
            break;
        case 2:
            d.ordemExibicao << u"EditSiglaa"_s;
            break;
        case 3:
            d.controlesReservados = { u"EditTitulo"_s };
            break;
        case 4:
            d.procuraControle = u"EditNom"_s;
            d.procuraColuna = u"Nome"_s;
            break;
        case 5:
            d.campos << CampoEdit(u"Nome"_s, u"Outro nome"_s, 10);
            break;
        case 6:
            d.campos << CampoEdit(u"Apelido"_s, u"Apelido"_s, 10);
            break;
        case 7:
            d.colunas.clear();
            d.inclusao = { { u"INSERT INTO {T}("_s, Sempre() }, { u"Nome"_s, Sempre() },
                { u",Sigla"_s, SeNaoVazio(u"EditSigla"_s) }, { u") VALUES ("_s, Sempre() },
                { u"{'EditNome}"_s, Sempre() }, { u",{'EditSigla}"_s, ComLinha(2) },
                { u")"_s, Sempre() } };
            break;
        case 8:
            d.numero = 14;
            break;
        case 9:
            d.campos << CampoTextoLongo(u"Texto"_s, u"Texto"_s, 100, 61, u"Departamento"_s);
            break;
        case 10:
            d.filhas = { { u"BitBtnX"_s, u"X"_s, 22, u"modo"_s, u"linha"_s } };
            break;
        case 11:
            d.colunas = { Gravar(u"Nome"_s).SeNaoVazia(), Gravar(u"Sigla"_s) };
            break;
        case 12:
            d.colunas << Gravar(u"Id"_s);
            break;
        case 13:
            d.campos[1]
                = CampoLista(u"Sigla"_s, u"Sigla"_s, { u"BIO"_s, u"Bacharelado"_s }, true, 5);
            break;
        case 14:
            d.campos[0] = CampoEdit(u"Nome"_s, u"Nome"_s, 40);
            break;
        }
        const QStringList erros = ConferirDescricao(d, 13);
        QVERIFY2(
            erros.size() >= 1 && erros.join(u'\n').contains(erro), qPrintable(erros.join(u'\n')));
    }

    // Cada campo de cada janela: o leitor de tela lê o rótulo (também em memos, listas e
    // pesquisas), e o rótulo é o companheiro do campo (o atalho do rótulo leva a ele).
    void camposComNomeAcessivel()
    {
        for (int n : Registro::NumerosJanelas()) {
            TFormTabela *j = Registro::Janela(n);
            for (const Campo &c : j->Descricao().campos) {
                if (c.rotulo.isEmpty())
                    continue;
                ControleCampo *campo = j->CampoDoControle(c.controle);
                QVERIFY2(campo, qPrintable(c.controle));
                const QString onde = u"janela %1, %2"_s.arg(n).arg(c.controle);
                QCOMPARE(campo->Visivel()->accessibleName(), QString(c.rotulo).remove(u'&'));
                // O rótulo leva o nome do campo, ou um nome próprio da janela.
                auto *rotulo = j->findChild<QLabel *>(c.ControleRotulo());
                if (!rotulo)
                    for (QLabel *l : j->findChildren<QLabel *>())
                        if (l->buddy() && l->buddy() == campo->Visivel())
                            rotulo = l;
                if (rotulo)
                    QVERIFY2(rotulo->buddy() == campo->Visivel(), qPrintable(onde));
                else
                    QVERIFY2(campo->RotuloNoControle(), qPrintable(onde));
            }
        }
        Registro::DestruirJanelas();
    }

    // ---- Comandos derivados das colunas ------------------------------------------

    void comandosDasColunas()
    {
        DescricaoJanela d;
        d.numero = 11;
        d.campos = { CampoEdit(u"Nome"_s, u"Nome"_s, 50),
            CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10),
            CampoLista(u"Titulacao"_s, u"Titulação"_s, {}, true, 50),
            CampoMarcacao(u"Visivel"_s, u"Exibir"_s),
            CampoEdit(u"Codpes"_s, u"KVA"_s, 7).NoControle(u"EditCodKVA"_s) };
        d.colunas = { Gravar(u"Nome"_s), Gravar(u"Departamento"_s),
            Gravar(u"Titulacao"_s).SeNaoVaziaNaAlteracao(), Gravar(u"Visivel"_s),
            Gravar(u"Codpes"_s).SoNaInclusao(),
            Gravar(u"Area"_s).DoControle(u"EditNome"_s).SoNaAlteracao() };
        const auto textos = [](const TabelaLinhas &t) {
            QStringList l;
            for (const LinhaSentenca &s : t)
                l << s.texto;
            return l;
        };
        QCOMPARE(textos(d.LinhasAlteracao()),
            QStringList({ u"UPDATE {T} SET "_s, u"Nome={'EditNome}"_s,
                u",Departamento={#EditDepartamento}"_s, u",Titulacao={'EditTitulacao}"_s,
                u",Visivel={?CheckBoxVisivel}"_s, u",Area={'EditNome}"_s,
                u" WHERE Id={#EditId}"_s }));
        QCOMPARE(textos(d.LinhasInclusao()),
            QStringList({ u"INSERT INTO {T}("_s, u"Nome"_s, u",Departamento"_s, u",Titulacao"_s,
                u",Visivel"_s, u",Codpes"_s, u") VALUES ("_s, u"{'EditNome}"_s,
                u",{#EditDepartamento}"_s, u",{'EditTitulacao}"_s, u",{?CheckBoxVisivel}"_s,
                u",{'EditCodKVA}"_s, u")"_s }));
        // Presenças: o Id da pesquisa fica fora quando vazio nos dois; a titulação só no
        // UPDATE.
        const TabelaLinhas alt = d.LinhasAlteracao(), inc = d.LinhasInclusao();
        QCOMPARE(alt[2].presenca.tipo, Presenca::SeNaoVazio);
        QCOMPARE(alt[3].presenca.tipo, Presenca::SeNaoVazio);
        QCOMPARE(inc[2].presenca.tipo, Presenca::SeNaoVazio);
        QCOMPARE(inc[8].presenca.tipo, Presenca::SeNaoVazio);
        QCOMPARE(inc[3].presenca.tipo, Presenca::Sempre);
        QVERIFY(ConferirDescricao(d, 11).join(u'\n').contains(u"textos longos diferentes"_s));
    }

    // Uma pesquisa esvaziada por uma regra da janela vai como NULL só nessa edição; as
    // outras pesquisas vazias seguem fora do comando.
    void pesquisaZeradaVaiComoNulo()
    {
        DescricaoJanela d;
        d.numero = 11;
        d.campos = { CampoEdit(u"Nome"_s, u"Nome"_s, 50),
            CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10),
            CampoPesquisa(u"Categoria"_s, u"Categoria"_s, 13) };
        d.colunas = { Gravar(u"Nome"_s), Gravar(u"Departamento"_s), Gravar(u"Categoria"_s) };
        Roteiro r;
        TFormTabela j(d);
        const auto modificar = [&] {
            j.EditId->setText(u"5"_s);
            j.DefinirTexto(u"EditNome"_s, u"Ana"_s);
            j.DefinirTexto(u"EditDepartamento"_s, u"3"_s);
            j.DefinirTexto(u"EditCategoria"_s, u"7"_s);
            j.BitBtnModificarClick();
        };
        modificar();
        j.Gravacao().Zerar(u"EditCategoria"_s);
        QCOMPARE(j.Texto(u"EditCategoria"_s), QString());
        QCOMPARE(j.Gravacao().Sentenca(false),
            QStringList({ u"UPDATE Docentes SET "_s, u"Nome='Ana'"_s, u",Departamento=3"_s,
                u",Categoria=NULL"_s, u" WHERE Id=5"_s }));
        // A próxima edição recomeça: vazia, a categoria fica de fora.
        j.BitBtnCancelarClick();
        modificar();
        j.DefinirTexto(u"EditCategoria"_s, QString());
        QCOMPARE(j.Gravacao().Sentenca(false),
            QStringList({ u"UPDATE Docentes SET "_s, u"Nome='Ana'"_s, u",Departamento=3"_s,
                u" WHERE Id=5"_s }));
        j.BitBtnCancelarClick();
    }

    // ---- Regras comuns de todos os editores ---------------------------------------

    void initTestCase_data() { LinhasMotores(); }
    void init() { QVERIFY(Apoio::Iniciar()); }
    void cleanup() { Apoio::Terminar(); }

    // Cada lista-filha do catálogo (colunaPai), aberta pelo botão de uma mãe com a linha 7:
    // a listagem com a linha da mãe e o campo do pai com o Id dela; sem mãe, a tabela
    // inteira, e o Aceitar recusa com a mensagem do campo do pai, sem gravar.
    void listaFilhaDoCatalogo_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("mae");
        for (const CatalogoJanelas::Janela &mae : CatalogoJanelas::Janelas())
            for (const CatalogoJanelas::Filha &f : mae.filhas)
                if (!CatalogoJanelas::JanelaDe(f.numero)->colunaPai.isEmpty())
                    QTest::addRow("%d", f.numero) << f.numero << mae.numero;
    }
    void listaFilhaDoCatalogo()
    {
        QFETCH(int, numero);
        QFETCH(int, mae);
        const QString coluna = CatalogoJanelas::JanelaDe(numero)->colunaPai;
        const QString paiNaLista = u" WHERE "_s + coluna + u"=7"_s;
        QVERIFY(CatalogoJanelas::SentencaListagemFilha(numero, u"7"_s)
                    .join(u"\r\n"_s)
                    .startsWith(ConsultaTabela(numero) + u"\r\n"_s + paiNaLista));
        QCOMPARE(CatalogoJanelas::SentencaListagemFilha(numero, {}),
            QStringList { ConsultaTabela(numero) });
        QCOMPARE(CatalogoJanelas::SentencaContagemFilha(numero, u"7"_s),
            QStringList({ u"SELECT COUNT(Id) FROM "_s + NomeTabela(numero), paiNaLista }));

        const QString contagem = u"SELECT COUNT(*) FROM "_s + NomeTabela(numero);
        const QString total = Apoio::Valor(contagem);
        Roteiro r;
        TFormTabelaGenerica janelaMae(mae);
        janelaMae.EditId->setText(u"7"_s);
        const BotaoFilha botao { u"BitBtnFilha"_s, u"Filha"_s, numero, u"modo"_s, u"linha"_s };
        bool abriu = false;
        AoAbrirModal([&](QWidget *w) {
            abriu = true;
            auto *filha = qobject_cast<TFormTabela *>(w);
            QVERIFY(filha);
            QCOMPARE(filha->NumeroTabela, numero);
            QCOMPARE(filha->IdPai, u"7"_s);
            QCOMPARE(filha->Query->TextoComando(),
                CatalogoJanelas::SentencaListagemFilha(numero, u"7"_s).join(u"\r\n"_s));
            const Campo *pai = filha->Descricao().CampoDoControle(u"Edit"_s + coluna);
            QVERIFY(pai);
            filha->BitBtnIncluir->click();
            QCOMPARE(filha->Texto(pai->controle), u"7"_s);
            filha->BitBtnCancelar->click();
            // Sem mãe.
            filha->DefinirPai({}, {});
            filha->ConsultarTabela();
            QCOMPARE(filha->Query->TextoComando(), ConsultaTabela(numero));
            filha->BitBtnIncluir->click();
            r.Limpar();
            Apoio::Eventos().Limpar();
            filha->BitBtnAceitar->click();
            QCOMPARE(r.Textos(), QStringList { pai->obrigatorio });
            QCOMPARE(filha->Modo, ModoTabela::Incluindo);
            QVERIFY(Linhas().isEmpty());
            filha->BitBtnCancelar->click();
            filha->BitBtnFechar->click();
        });
        QVERIFY(janelaMae.AbrirFilha(botao));
        QVERIFY(abriu);
        QCOMPARE(Apoio::Valor(contagem), total);
    }

    // A linha "[vazio]": modificar só nos níveis 1 e 2; apagar nunca, antes da
    // confirmação e sem nenhuma linha no registro (a não ser na janela em que ela se apaga).
    void linhaReservada_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("nivel");
        for (int n : janelasComReservada())
            for (int nivel : { 1, 2, 3, 12 })
                QTest::newRow(qPrintable(u"%1, nível %2"_s.arg(n).arg(nivel))) << n << nivel;
    }
    void linhaReservada()
    {
        QFETCH(int, numero);
        QFETCH(int, nivel);
        NivelAcesso = nivel; // o filtro do nível fica vazio: a janela lista tudo
        TFormTabela *j = Registro::Janela(numero);
        const QString tabela = NomeTabela(numero);
        const QString controle = j->Descricao().controlesReservados.constFirst();
        const QString coluna = j->Descricao().CampoDoControle(controle)->coluna;
        // (Sem linha, e não MIN: o MIN de nada lê "0" no PostgreSQL.)
        const QString reservada
            = u"SELECT Id FROM %1 WHERE %2='[vazio]' ORDER BY Id"_s.arg(tabela, coluna);
        QString id = Apoio::Valor(reservada);
        if (id.isEmpty()) {
            Apoio::Exec(u"INSERT INTO %1 (%2) VALUES ('[vazio]')"_s.arg(tabela, coluna));
            id = Apoio::Valor(reservada);
        }
        Roteiro r;
        j->show();
        CLICAR_ID(j, id);
        QCOMPARE(j->Texto(controle), u"[vazio]"_s);
        r.Limpar();
        j->BitBtnModificar->click();
        const bool modifica = nivel == 1 || nivel == 2;
        QCOMPARE(j->Modo, modifica ? ModoTabela::Modificando : ModoTabela::Consultando);
        const QString recusa
            = u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s;
        // (Ao modificar, uma janela pode mostrar o seu lembrete; a recusa, nunca.)
        if (modifica)
            QVERIFY(!r.Mostrou(recusa));
        else
            QCOMPARE(r.Textos(), QStringList { recusa });
        if (modifica)
            j->BitBtnCancelar->click();
        r.Limpar();
        Apoio::Eventos().Limpar();
        // Onde a linha reservada se apaga, ela segue a regra comum (a recusa do nível ou a
        // pergunta, aqui respondida com Não).
        const bool apaga = j->Descricao().apagaReservada;
        if (apaga && NivelPodeExcluir(nivel))
            r.Responder(false);
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos(),
            !apaga ? QStringList { u"Você não possui permissão para apagar essa ficha. "
                                   "Operação interrompida."_s }
                : NivelPodeExcluir(nivel)
                ? QStringList { u"Tem certeza que deseja apagar o registro selecionado?"_s }
                : QStringList { u"Usuário ["_s + NomeNivel(nivel)
                    + u"] não possui permissão para excluir registro."_s });
        QVERIFY(Linhas().isEmpty());
        QCOMPARE(Apoio::Valor(u"SELECT COUNT(*) FROM %1 WHERE Id=%2"_s.arg(tabela, id)), u"1"_s);
        j->FormClose();
    }
};

QTEST_MAIN(TesteJanelas)
#include "tst_janelas.moc"

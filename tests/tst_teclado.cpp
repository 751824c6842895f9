// Um dia inteiro no programa, nos dois motores: sair com uma edição aberta (pergunta,
// grava ou descarta, e o programa termina), as teclas de sempre nas janelas de tabela
// (Ctrl+N, Ctrl+S, Ctrl+Enter, Del, F5, Ctrl+F, Ctrl+Q), a escolha das pesquisas por F4 e
// Alt+Seta para baixo em todas as janelas, o foco no primeiro campo editável, os botões
// escondidos também desabilitados em todas as janelas, o texto digitado numa lista
// editável gravado como foi digitado, a hora de um algarismo e o código da disciplina
// nos pré-requisitos.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "CatalogoJanelas.h"
#include "Main.h"
#include "Servidor.h"
#include "Sobre.h"
#include "TabelaPublicacoes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;

namespace {
// A janela à vista e ativa (as teclas de atalho só valem na janela ativa).
bool ativar(QWidget *w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Os botões escondidos de uma janela que ainda estão habilitados.
QStringList escondidosHabilitados(TFormTabela *j)
{
    QStringList r;
    for (const QPushButton *b : j->findChildren<QPushButton *>())
        if (b->isHidden() && b->isEnabled())
            r << b->objectName();
    return r;
}
} // namespace

class TesteTeclado : public QuadroEditores {
    Q_OBJECT

private slots:
    // ---- Sair com uma edição aberta -----------------------------------------------

    void sairComEdicaoAberta_data()
    {
        QTest::addColumn<int>("resposta"); // RespostaPendente
        QTest::addColumn<bool>("modificar");
        QTest::addColumn<bool>("preencher"); // o nome obrigatório digitado
        QTest::addColumn<bool>("termina");
        QTest::addColumn<int>("linhas"); // categorias com o nome digitado depois
        QTest::newRow("gravar") << int(RespostaPendente::Gravar) << false << true << true << 1;
        QTest::newRow("descartar")
            << int(RespostaPendente::Descartar) << false << true << true << 0;
        QTest::newRow("voltar") << int(RespostaPendente::Voltar) << false << true << false << 0;
        QTest::newRow("gravar alteração")
            << int(RespostaPendente::Gravar) << true << true << true << 1;
        // A gravação recusada (o nome obrigatório vazio) não sai: a edição fica na tela.
        QTest::newRow("gravar recusado")
            << int(RespostaPendente::Gravar) << false << false << false << 0;
    }
    void sairComEdicaoAberta()
    {
        QFETCH(int, resposta);
        QFETCH(bool, modificar);
        QFETCH(bool, preencher);
        QFETCH(bool, termina);
        QFETCH(int, linhas);
        BANCO_DEMONSTRACAO(b, 1);
        QTemporaryDir pasta;
        const QString pastaOriginal = QDir::currentPath();
        QVERIFY(QDir::setCurrent(pasta.path()));
        auto voltarPasta = qScopeGuard([&] { QDir::setCurrent(pastaOriginal); });
        std::unique_ptr<TFormMain> principal(CriarJanelasDoPrograma());
        principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(principal.get()));
        // A abertura ("Sobre", por cima) fechada antes, para a janela de tabela ficar ativa.
        QTRY_VERIFY(principal->FormSobre.Criada() && principal->FormSobre->isVisible());
        principal->FormSobre->close();
        QSignalSpy fim(principal.get(), &TFormMain::Finalizado);

        TFormTabela *j = Registro::Janela(13);
        QVERIFY(ativar(j));
        if (modificar) {
            CLICAR_ID(j, valor(u"SELECT MIN(Id) FROM DocenteCategorias"_s));
            j->BitBtnModificar->click();
        } else {
            j->BitBtnIncluir->click();
        }
        Digitar(j, u"EditNome"_s, preencher ? u"Categoria à saída"_s : QString());
        Roteiro r;
        r.Responder(true); // "Tem certeza que deseja sair?"
        r.Responder(RespostaPendente(resposta));
        // Ctrl+Q de qualquer janela do programa, como Sair.
        QTest::keyClick(j, Qt::Key_Q, Qt::ControlModifier);

        const QString pergunta = u"A janela \"Tabela "_s + TituloTabela(13)
            + (modificar ? u"\" tem uma alteração em andamento."_s
                         : u"\" tem uma inclusão em andamento."_s)
            + u"\n\rGravar antes de sair?"_s;
        QCOMPARE(
            r.Textos().mid(0, 2), QStringList({ u"Tem certeza que deseja sair?"_s, pergunta }));
        QCOMPARE(r.mostradas.at(1).first, TipoMensagem::Pendente);
        QCOMPARE(fim.count(), termina ? 1 : 0);
        QCOMPARE(principal->isVisible(), !termina);
        QCOMPARE(j->isVisible(), !termina);
        QCOMPARE(j->Editando(), !termina);
        QCOMPARE(Servidor::Database().Connected(), !termina);
        QCOMPARE(QFile::exists(u"Tarvisco.ini"_s), termina);
        if (termina) // nenhuma janela de tabela fica aberta
            for (TFormTabela *t : Registro::JanelasCriadas())
                QVERIFY2(!t->isVisible(), qPrintable(t->windowTitle()));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='Categoria à saída'"_s),
            QString::number(linhas));
        if (!termina)
            j->BitBtnCancelar->click();
    }

    // ---- Teclas de sempre ------------------------------------------------------------

    void teclasDeSempre()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(13);
        QVERIFY(ativar(j));
        QCOMPARE(j->BitBtnIncluir->toolTip(), u"Incluir (Ctrl+N)"_s);
        QCOMPARE(j->BitBtnAceitar->toolTip(), u"Aceitar (Ctrl+S, Ctrl+Enter)"_s);
        QCOMPARE(j->BitBtnExcluir->toolTip(), u"Excluir (Del)"_s);
        QCOMPARE(j->BitBtnAtualizar->toolTip(), u"Atualizar (F5)"_s);
        QVERIFY(j->Controle(u"EditPesquisar"_s)->toolTip().endsWith(u"(Ctrl+F)"_s));
        const QString antes = valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s);

        // Ctrl+N inclui, com o foco no primeiro campo editável (não no Id); Ctrl+S grava.
        QTest::keyClick(j, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(QApplication::focusWidget(), j->Controle(u"EditNome"_s));
        QTest::keyClicks(QApplication::focusWidget(), u"Pelo teclado"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DocenteCategorias WHERE Nome='Pelo teclado'"_s), u"1"_s);

        // Modificar também leva o foco ao primeiro campo; Ctrl+Enter grava.
        CLICAR_ID(j, valor(u"SELECT Id FROM DocenteCategorias WHERE Nome='Pelo teclado'"_s));
        j->BitBtnModificar->click();
        QCOMPARE(QApplication::focusWidget(), j->Controle(u"EditNome"_s));
        // Del enquanto se digita apaga o caractere, não o registro (nenhuma pergunta).
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Pelo teclad"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(r.mostradas.isEmpty());

        // Ctrl+F vai à pesquisa; Del ali apaga o texto da pesquisa, não o registro.
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), j->Controle(u"EditPesquisar"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QVERIFY(r.mostradas.isEmpty());

        // Del com a lista em foco: a pergunta de sempre (Não: nada apagado; Sim: apagado).
        j->DBGridPesquisa->setFocus();
        r.Responder(false);
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_Delete);
        QCOMPARE(
            r.Textos(), QStringList { u"Tem certeza que deseja apagar o registro selecionado?"_s });
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s), QString::number(antes.toInt() + 1));
        r.Limpar();
        QVERIFY(Editores::ClicarId(j,
            valor(u"SELECT Id FROM DocenteCategorias WHERE "
                  "Nome='Pelo teclad'"_s)));
        r.Responder(true);
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_Delete);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocenteCategorias"_s), antes);

        // F5 é Atualizar.
        j->Operacao = OperacaoTabela::Nenhuma;
        QTest::keyClick(j->DBGridPesquisa, Qt::Key_F5);
        QCOMPARE(j->Operacao, OperacaoTabela::AtualizacaoPedida);
    }

    // ---- Botões escondidos ------------------------------------------------------------

    // Em todas as janelas, consultando e incluindo: nenhum botão escondido fica habilitado
    // (nem a acessibilidade nem o teclado o apertam).
    void botoesEscondidosDesabilitados()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        QStringList falhas;
        for (int numero : Apoio::JanelasComEditor()) {
            TFormTabela *j = Registro::Janela(numero);
            j->show();
            for (const QString &b : escondidosHabilitados(j))
                falhas << u"%1 consultando: %2"_s.arg(numero).arg(b);
            if (j->BitBtnIncluir->isVisible() && j->BitBtnIncluir->isEnabled()) {
                j->BitBtnIncluir->click();
                for (const QString &b : escondidosHabilitados(j))
                    falhas << u"%1 incluindo: %2"_s.arg(numero).arg(b);
                if (j->Editando())
                    j->BitBtnCancelar->click();
            }
            j->BitBtnFechar->click();
        }
        QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(u'\n')));

        // Modificando, o Excluir escondido não apaga nada (nenhuma pergunta aparece).
        TFormTabela *j = Registro::Janela(13);
        j->show();
        r.Limpar();
        j->BitBtnModificar->click();
        QVERIFY(!j->BitBtnExcluir->isEnabled());
        j->BitBtnExcluir->click();
        QVERIFY(r.mostradas.isEmpty());
        j->BitBtnCancelar->click();
        // De volta à consulta, o Excluir volta a valer.
        QVERIFY(j->BitBtnExcluir->isVisible() && j->BitBtnExcluir->isEnabled());
    }

    // ---- Pesquisas pelo teclado ---------------------------------------------------------

    // Toda pesquisa que escolhe abre a sua janela de escolha com F4 (e Alt+Seta para baixo),
    // além do duplo clique, e a dica do nome diz isso.
    void pesquisasPorF4()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        QStringList falhas;
        int pesquisas = 0;
        for (int numero : Apoio::JanelasComEditor()) {
            TFormTabela *j = Registro::Janela(numero);
            j->show();
            j->BitBtnIncluir->click();
            for (const Campo &c : j->Descricao().campos) {
                auto *pesquisa = dynamic_cast<ControlePesquisa *>(j->CampoDoControle(c.controle));
                if (!pesquisa)
                    continue;
                QWidget *nome = pesquisa->Visivel();
                if (!nome->toolTip().contains(DicaEscolha))
                    falhas << u"%1 %2: sem a dica"_s.arg(numero).arg(c.controle);
                if (!j->Editando() || !pesquisa->FocoDaEdicao())
                    continue; // não escolhe (fixa, ou preposta pela janela)
                ++pesquisas;
                const bool alt = pesquisas % 2 == 0;
                TFormTabela *esperada = Registro::Janela(c.escolha);
                QWidget *aberta = nullptr;
                AoAbrirModal([&](QWidget *w) {
                    aberta = w;
                    if (auto *t = qobject_cast<TFormTabela *>(w))
                        t->BitBtnFechar->click();
                });
                nome->setFocus();
                QTest::keyClick(
                    nome, alt ? Qt::Key_Down : Qt::Key_F4, alt ? Qt::AltModifier : Qt::NoModifier);
                QTRY_VERIFY_WITH_TIMEOUT(aberta, 2000);
                if (aberta != esperada)
                    falhas << u"%1 %2: abriu %3"_s.arg(numero)
                                  .arg(c.controle)
                                  .arg(aberta ? aberta->windowTitle() : u"nada"_s);
            }
            if (j->Editando())
                j->BitBtnCancelar->click();
            j->BitBtnFechar->click();
        }
        QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(u'\n')));
        QVERIFY(pesquisas > 20);
    }

    // ---- Listas editáveis ---------------------------------------------------------------

    void listaEditavelGravaODigitado_data()
    {
        QTest::addColumn<QString>("digitado");
        // "artigo" é o começo de "artigo em periódico": a lista sugere, não completa.
        QTest::newRow("começo de um item") << u"artigo"_s;
        QTest::newRow("outra grafia de um item") << u"LIVRO"_s;
        QTest::newRow("fora da lista") << u"resenha"_s;
    }
    void listaEditavelGravaODigitado()
    {
        QFETCH(QString, digitado);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *p = Registro::Janela(26);
        p->DefinirPai(u"7"_s, u"Filomena Ipanema Sátiro"_s);
        QVERIFY(ativar(p));
        p->BitBtnIncluir->click();
        auto *tipo = p->Controle<QComboBox>(u"EditTipo"_s);
        QTest::keyClicks(tipo->lineEdit(), digitado);
        Digitar(p, u"EditTitulo"_s, u"Digitado"_s);
        p->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(valor(u"SELECT Tipo FROM Publicacoes WHERE Titulo='Digitado'"_s), digitado);
    }

    // ---- A hora dos pedidos de veículos -----------------------------------------------

    void horaDeUmAlgarismo_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("gravado");
        QTest::newRow("sem o zero") << u"9:30"_s << u"09:30"_s;
        QTest::newRow("com o zero") << u"09:30"_s << u"09:30"_s;
        QTest::newRow("dois algarismos") << u"17:45"_s << u"17:45"_s;
        QTest::newRow("intocada") << QString() << u"  :  "_s;
    }
    void horaDeUmAlgarismo()
    {
        QFETCH(QString, digitado);
        QFETCH(QString, gravado);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(78);
        j->show();
        j->BitBtnIncluir->click();
        QLineEdit *hora = Edit(j, u"EditHoraSaida"_s);
        hora->setFocus();
        hora->home(false);
        QTest::keyClicks(hora, digitado);
        QCOMPARE(j->Texto(u"EditHoraSaida"_s), gravado);
        j->BitBtnCancelar->click();
    }

    // ---- O departamento dos níveis de departamento -------------------------------------

    // Em toda janela confinada ao departamento com a pesquisa dele, o nível de departamento
    // que inclui recebe o seu departamento preposto; esvaziado, a recusa nomeia o
    // campo no jeito da janela, nunca o erro do servidor.
    void departamentoPrepostoNaInclusao()
    {
        BANCO_DEMONSTRACAO(b, 3);
        Roteiro r;
        QStringList falhas;
        int janelas = 0;
        for (int numero : Apoio::JanelasComEditor()) {
            const CatalogoJanelas::Confinamento *c = CatalogoJanelas::ConfinamentoDe(numero);
            if (!c || c->dona || !CatalogoJanelas::NivelInclui(3, numero)
                || CatalogoJanelas::NivelSoLeitura(3, numero))
                continue;
            TFormTabela *j = Registro::Janela(numero);
            const Campo *depto = nullptr;
            for (const Campo &campo : j->Descricao().campos)
                if (campo.coluna.compare(c->coluna, Qt::CaseInsensitive) == 0
                    && campo.escolha == 10)
                    depto = &campo;
            if (!depto)
                continue;
            ++janelas;
            j->show();
            r.Limpar();
            j->BitBtnIncluir->click();
            const auto falha = [&](const QString &o) { falhas << u"%1: %2"_s.arg(numero).arg(o); };
            if (j->Texto(depto->controle) != FiltroTabelas)
                falha(u"sem o departamento preposto"_s);
            j->DefinirTexto(depto->controle, QString());
            r.Limpar();
            j->BitBtnAceitar->click();
            const QString recusa = r.Textos().value(0);
            const bool nomeia = depto->obrigatorio.isEmpty()
                ? recusa.startsWith(u"O campo "_s + depto->rotulo + u' ')
                : recusa == depto->obrigatorio;
            if (!nomeia || recusa.contains(u"Erro de SQL"_s) || !j->Editando())
                falha(u"recusa: "_s + r.Textos().join(u'|'));
            j->BitBtnCancelar->click();
            j->BitBtnFechar->click();
        }
        QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(u'\n')));
        QVERIFY(janelas >= 8);
    }

    // O grupo de pesquisa incluído por um nível de departamento é gravado com o departamento
    // dele (sem a recusa da segurança por linha) e fica na lista do nível.
    void grupoDoNivelDeDepartamento()
    {
        BANCO_DEMONSTRACAO(b, 3);
        Roteiro r;
        TFormTabela *j = Registro::Janela(50);
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, u"Grupo do nível"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        const QString id = valor(u"SELECT Id FROM GruposPesquisa WHERE Nome='Grupo do nível'"_s);
        QCOMPARE(valor(u"SELECT Departamento FROM GruposPesquisa WHERE Id="_s + id), FiltroTabelas);
        QVERIFY(Editores::IdsListados(j).contains(id));
    }

    // ---- Pré-requisitos -----------------------------------------------------------------

    // O código da disciplina aparece com a linha mostrada: ao abrir, depois de um clique e
    // depois de Aceitar.
    void codigoDaDisciplinaNosPreRequisitos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        const QString codigo = valor(u"SELECT CodigoKVA FROM Disciplinas WHERE Id=3"_s);
        QVERIFY(!codigo.isEmpty());
        TFormTabela *d = Registro::Janela(32);
        d->show();
        Editores::NaFilha(d, u"3"_s, u"BitBtnDisciplinasPreRequisitos"_s, [&](TFormTabela *j) {
            QCOMPARE(j->NumeroTabela, 37);
            QVERIFY(!Edit(j, u"EditId"_s)->text().isEmpty());
            QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), codigo);
            CLICAR_ID(j, Edit(j, u"EditId"_s)->text());
            QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), codigo);
            j->BitBtnModificar->click();
            j->BitBtnAceitar->click();
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
            QCOMPARE(j->Modo, ModoTabela::Consultando);
            QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), codigo);
        });
    }
};

QTEST_MAIN(TesteTeclado)
#include "tst_teclado.moc"

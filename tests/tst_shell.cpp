// A janela principal e as caixas do programa: início, ações e menus, abertura, posição
// da janela em Tarvisco.ini, fechamento, caixas de mensagem na tela.
#include "Aguarde.h"
#include "Aplicacao.h"
#include "Aviso.h"
#include "BancoTeste.h"
#include "ConverterAno.h"
#include "Espera.h"
#include "Login.h"
#include "Main.h"
#include "Modal.h"
#include "PedidoSenha.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "Servidor.h"
#include "Sobre.h"
#include "Tabela.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QStringList linhasDoRegistro(const TFormMain *m)
{
    const QString t = m->RichEditEventos->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(u'\n');
}

QString semHora(const QString &linha)
{
    return linha.mid(linha.indexOf(u' ') + 1);
}

// Itens de um menu como nomes de ações; "-" para separador.
QStringList itens(const QMenu *menu)
{
    QStringList r;
    for (const QAction *a : menu->actions())
        r << (a->isSeparator() ? u"-"_s : a->objectName());
    return r;
}

// Chama 'acao' na primeira pintura do widget, antes de ele ser pintado.
class NaPrimeiraPintura : public QObject {
public:
    NaPrimeiraPintura(QWidget *widget, std::function<void()> acao)
        : QObject(widget)
        , m_acao(std::move(acao))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && m_acao)
            std::exchange(m_acao, {})();
        return false;
    }

private:
    std::function<void()> m_acao;
};

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TesteShell : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> pasta;
    QString pastaOriginal;
    TFormMain *principal = nullptr;

    void iniciar()
    {
        principal = CriarJanelasDoPrograma();
        principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(principal));
    }

private slots:
    void initTestCase()
    {
        pastaOriginal = QDir::currentPath();
        DefinirTituloAplicacao(u"Tarvisco 1.7"_s);
    }
    void init()
    {
        pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(pasta->path()));
    }
    void cleanup()
    {
        delete principal;
        principal = nullptr;
        Registro::DestruirJanelas();
        QDir::setCurrent(pastaOriginal);
        pasta.reset();
    }

    void inicio()
    {
        QCOMPARE(TituloAplicacao(), u"Tarvisco 1.7"_s);
        iniciar();
        QCOMPARE(TituloAplicacao(), u"Tarvisco 16"_s);
        QCOMPARE(principal->windowTitle(), u"Tarvisco 16"_s);
        QCOMPARE(NivelAcesso, 0);
        QCOMPARE(principal->TextoStatus(), u"Desconectado do servidor"_s);
        QVERIFY(principal->ArquivoConectar->isEnabled());
        QVERIFY(!principal->ArquivoDesconectar->isEnabled());
        // Sem Tarvisco.ini: posição 1, 1.
        QCOMPARE(principal->pos(), QPoint(1, 1));

        // Primeiras linhas: a abertura sem hora, depois "inicializado" com a hora.
        const QStringList linhas = linhasDoRegistro(principal);
        QCOMPARE(linhas.size(), 2);
        QVERIFY(linhas.at(0).startsWith(u"Tarvisco 16"_s));
        QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d Tarvisco, inicializado$"_s)
                    .match(linhas.at(1))
                    .hasMatch());

        // Só "&Arquivo" e "&Ajuda" na barra de menus antes de conectar.
        QStringList visiveis;
        for (const QAction *a : principal->MainMenu->actions())
            if (a->isVisible())
                visiveis << a->text();
        QCOMPARE(visiveis, QStringList({ u"&Arquivo"_s, u"&Ajuda"_s }));

        // As janelas de tabela já sabem o seu número e estão escondidas.
        for (int n : Registro::NumerosJanelas()) {
            QCOMPARE(Registro::Janela(n)->NumeroTabela, n);
            QVERIFY(!Registro::Janela(n)->isVisible());
        }
        QCOMPARE(FormMain, principal);
        QVERIFY(!principal->FormLogin->isVisible());
        QVERIFY(!principal->FormAviso->isVisible());
        // O diálogo da conversão do calendário e a caixa de espera: criados uma vez,
        // escondidos, e os que as janelas de tabela usam.
        QVERIFY(principal->FormConverterAno);
        QVERIFY(!principal->FormConverterAno->isVisible());
        QCOMPARE(TFormConverterAno::Programa(), principal->FormConverterAno);
        QCOMPARE(CaixaAguarde(), principal->FormAguarde);
    }

    // O início não gasta tempo com o que a janela principal ainda não mostra: a caixa de
    // abertura é criada depois da primeira pintura dela, as caixas do programa e as janelas
    // de tabela quando pedidas. Conectado ao padrão embutido (SQLite) pela janela
    // principal, o programa não carregou o módulo do PostgreSQL, o libpq nem o driver QPSQL.
    void inicioSoComOQueAparece()
    {
        principal = CriarJanelasDoPrograma();
        bool pintadaSemAbertura = false;
        new NaPrimeiraPintura(principal, [&] {
            pintadaSemAbertura = !principal->FormSobre.Criada();
            QVERIFY(!principal->FormLogin.Criada());
            QVERIFY(!principal->FormAviso.Criada());
            QVERIFY(!principal->FormConverterAno.Criada());
        });
        principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(principal));
        QTRY_VERIFY(pintadaSemAbertura);
        QTRY_VERIFY(principal->FormSobre.Criada() && principal->FormSobre->isVisible());

        AoAbrirModal(
            [](QWidget *w) { w->findChild<QComboBox *>(u"EditUsuario"_s)->setCurrentIndex(0); },
            u"FormLogin"_s);
        principal->ArquivoConectar->trigger();
        QVERIFY(Servidor::Database().Connected());
        QCOMPARE(principal->TextoStatus(), u"Conectado com o servidor"_s);
        QVERIFY(QFile::exists(pasta->path() + u"/Dados_HP.sqlite"_s));
        for (const char *biblioteca : { "libtarvisco_postgres", "libpq.so", "libqsqlpsql" })
            QVERIFY2(!BibliotecaNoProcesso(biblioteca), biblioteca);
        Servidor::Database().Close();
    }

    void abertura()
    {
        iniciar();
        TFormSobre *sobre = principal->FormSobre;
        // Mostrada logo depois da primeira pintura da janela principal.
        QTRY_VERIFY(sobre->isVisible());
        QVERIFY(!sobre->isModal());
        QVERIFY(sobre->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!sobre->BitBtnOk->isVisible());
        QVERIFY(sobre->Timer->isActive());
        QCOMPARE(sobre->Timer->interval(), 3000);
        QVERIFY(sobre->About->toPlainText().startsWith(u"Tarvisco\nVersão 16\n"_s));
        QVERIFY(QTest::qWaitForWindowExposed(sobre));
        QCOMPARE(sobre->About->verticalScrollBar()->value(), 0); // lida do começo
        // Fecha sozinha em 3 segundos e volta a ser a caixa comum.
        QTRY_VERIFY_WITH_TIMEOUT(!sobre->isVisible(), 5000);
        QVERIFY(!sobre->Timer->isActive());

        // "Sobre o Programa..." mostra a caixa modal, com OK, sem fechar sozinha.
        bool conferido = false;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, static_cast<QWidget *>(sobre));
            QVERIFY(sobre->BitBtnOk->isVisible());
            QVERIFY(!sobre->Timer->isActive());
            conferido = true;
            Clicar(w, u"BitBtnOk"_s);
        });
        principal->AjudaSobre->trigger();
        QVERIFY(conferido);
        QVERIFY(!sobre->isVisible());
    }

    void figuraAbreEndereco()
    {
        iniciar();
        QCOMPARE(principal->FormSobre->Image1->pixmap().size(), QSize(96, 96));
        QStringList abertos;
        DefinirAbrirEndereco([&](const QString &e) { abertos << e; });
        QTest::mouseClick(principal->FormSobre->Image1, Qt::LeftButton);
        DefinirAbrirEndereco({});
        QCOMPARE(abertos, QStringList { TFormSobre::EnderecoEmpresa() });
    }

    void acoes_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("categoria");
        QTest::addColumn<int>("etiqueta");
        QTest::addColumn<int>("numero");
        const auto linha = [](const QString &nome, const QString &titulo, const QString &categoria,
                               int etiqueta, int numero) {
            QTest::newRow(qPrintable(nome)) << nome << titulo << categoria << etiqueta << numero;
        };
        linha(u"ArquivoConectar"_s, u"&Conectar com Servidor"_s, u"Arquivo"_s, 0, 0);
        linha(u"ArquivoDesconectar"_s, u"&Desconectar do Servidor"_s, u"Arquivo"_s, 0, 0);
        linha(u"ArquivoSair"_s, u"Sai&r"_s, u"Arquivo"_s, 0, 0);
        linha(u"AjudaContactarWebMaster"_s, u"&Contactar WebMaster..."_s, u"Ajuda"_s, 0, 0);
        linha(u"AjudaSobre"_s, u"Sobre o Programa..."_s, u"Ajuda"_s, 0, 0);
        linha(u"Tabela"_s, u"Tabela"_s, u"Tabela"_s, 0, 0);
        linha(u"TabelaDepartamentos"_s, u"Tabela &Departamentos"_s, u"Tabela"_s, 1, 10);
        linha(u"TabelaDescricoes"_s, u"&Descrições das Tabelas"_s, u"Tabela"_s, 2, 12);
        linha(u"TabelaDocentes"_s, u"Tabela &Docentes"_s, u"Tabela"_s, 3, 11);
        linha(u"TabelaGraduacoes"_s, u"Tabela &Graduações"_s, u"Tabela"_s, 4, 14);
        linha(u"TabelaPosgraduacoes"_s, u"Tabela &Pós-graduações"_s, u"Tabela"_s, 5, 15);
        linha(u"TabelaNoticias"_s, u"Tabela &Notícias"_s, u"Tabela"_s, 6, 18);
        linha(u"TabelaExtensoes"_s, u"Tabela Atividades de &Extensão"_s, u"Tabela"_s, 7, 19);
        linha(u"TabelaSecoes"_s, u"Tabela &Seções"_s, u"Tabela"_s, 8, 21);
        linha(u"TabelaFuncionarios"_s, u"Tabela &Funcionários"_s, u"Tabela"_s, 9, 27);
        linha(u"TabelaCentros"_s, u"Tabela &Centros de Pesquisa"_s, u"Tabela"_s, 10, 30);
        linha(u"TabelaDisciplinas"_s, u"Tabela &Disciplinas"_s, u"Tabela"_s, 11, 32);
        linha(u"TabelaAgremiacoes"_s, u"Tabela &Agremiações Acadêmicas"_s, u"Tabela"_s, 12, 40);
        linha(u"TabelaDownloads"_s, u"Tabela &Downloads"_s, u"Tabela"_s, 13, 41);
        linha(u"TabelaGruposPesquisa"_s, u"Tabela &Grupos de Pesquisa"_s, u"Tabela"_s, 14, 50);
        linha(u"TabelaLinks"_s, u"Tabela &Links"_s, u"Tabela"_s, 15, 67);
        linha(u"TabelaCalendario"_s, u"Tabela &Calendário Escolar"_s, u"Tabela"_s, 16, 69);
        linha(u"TabelaComunicados"_s, u"Tabela &Comunicados e Eventos"_s, u"Tabela"_s, 17, 70);
        linha(u"TabelaImagens"_s, u"Tabela &Imagens"_s, u"Tabela"_s, 18, 71);
        linha(u"TabelaPosGraduacaoComissao"_s, u"Tabela &Comissão de Pós-Graduação"_s, u"Tabela"_s,
            19, 72);
        linha(u"TabelaAssistencias"_s, u"Tabela &Assistências"_s, u"Tabela"_s, 20, 73);
        linha(u"TabelaDefesas"_s, u"Tabela &Defesas de Tese"_s, u"Tabela"_s, 22, 74);
        linha(u"TabelaVeiculos"_s, u"Tabela &Veículos"_s, u"Tabela"_s, 23, 78);
        linha(u"TabelaDiplomas"_s, u"Tabela &Diplomas"_s, u"Tabela"_s, 24, 81);
        linha(u"TabelaHistorico"_s, u"Tabela &Histórico de Alterações"_s, u"Tabela"_s, 25, 82);
    }
    void acoes()
    {
        QFETCH(QString, nome);
        QFETCH(QString, titulo);
        QFETCH(QString, categoria);
        QFETCH(int, etiqueta);
        QFETCH(int, numero);
        iniciar();
        QAction *a = principal->Acao(nome);
        QVERIFY(a);
        QCOMPARE(a->text(), titulo);
        QCOMPARE(TFormMain::Categoria(a), categoria);
        QCOMPARE(TFormMain::Etiqueta(a), etiqueta);
        if (categoria == u"Tabela"_s) {
            QVERIFY(!a->isVisible());
            // Todas com o ícone de tabela, menos o próprio menu (na barra, só o texto).
            QCOMPARE(a->icon().isNull(), nome == u"Tabela"_s);
        }
        if (numero == 0)
            return;
        QCOMPARE(TFormMain::NumeroTabelaDaEtiqueta(etiqueta), numero);
        // A ação mostra a janela sem esperar, consultando; de novo, a traz para a frente.
        TFormTabela *janela = Registro::Janela(numero);
        janela->Modo = ModoTabela::Modificando;
        a->trigger();
        QVERIFY(janela->isVisible());
        QVERIFY(!janela->isModal());
        QCOMPARE(janela->Modo, ModoTabela::Consultando);
        janela->Modo = ModoTabela::Modificando; // editando: mostrar de novo não a reinicia
        a->trigger();
        QVERIFY(janela->isVisible());
        QCOMPARE(janela->Modo, ModoTabela::Modificando);
        janela->hide();
    }

    void acoesDeArquivo()
    {
        iniciar();
        QCOMPARE(principal->ArquivoSair->shortcut(), QKeySequence(u"Ctrl+X"_s));
        // Os ícones aparecem de fato, em qualquer tamanho, e apagados quando desabilitados.
        for (QAction *a :
            { principal->ArquivoSair, principal->ArquivoConectar, principal->ArquivoDesconectar }) {
            QVERIFY(!a->icon().isNull());
            for (int lado : { 16, 24, 48 }) {
                const QImage normal = a->icon().pixmap(lado).toImage();
                const QImage apagado = a->icon().pixmap(lado, QIcon::Disabled).toImage();
                QCOMPARE(normal.size(), QSize(lado, lado));
                QVERIFY2(normal != apagado, qPrintable(a->objectName()));
                int pintados = 0;
                for (int y = 0; y < lado; ++y)
                    for (int x = 0; x < lado; ++x)
                        pintados += qAlpha(normal.pixel(x, y)) > 0;
                QVERIFY2(pintados > lado * lado / 10, qPrintable(a->objectName()));
            }
        }
        QCOMPARE(principal->ToolBar1->objectName(), u"ToolBar1"_s);
        QCOMPARE(principal->ToolBar1->actions(),
            QList<QAction *>({ principal->ArquivoSair, principal->ArquivoConectar,
                principal->ArquivoDesconectar }));
        QCOMPARE(TFormMain::NumeroTabelaDaEtiqueta(21), 0);
    }

    void menus()
    {
        iniciar();
        const QList<QAction *> barra = principal->MainMenu->actions();
        QCOMPARE(barra.size(), 3);
        QCOMPARE(barra.at(0)->text(), u"&Arquivo"_s);
        QCOMPARE(barra.at(1), principal->Tabela);
        QCOMPARE(barra.at(2)->text(), u"&Ajuda"_s);
        QCOMPARE(itens(barra.at(0)->menu()),
            QStringList(
                { u"ArquivoConectar"_s, u"ArquivoDesconectar"_s, u"-"_s, u"ArquivoSair"_s }));
        QCOMPARE(itens(barra.at(1)->menu()),
            QStringList({ u"TabelaDescricoes"_s, u"-"_s, u"TabelaNoticias"_s,
                u"TabelaComunicados"_s, u"TabelaCalendario"_s, u"TabelaDefesas"_s, u"-"_s,
                u"TabelaDepartamentos"_s, u"TabelaDocentes"_s, u"TabelaDisciplinas"_s,
                u"TabelaGraduacoes"_s, u"TabelaPosgraduacoes"_s, u"-"_s, u"TabelaExtensoes"_s,
                u"TabelaGruposPesquisa"_s, u"TabelaCentros"_s, u"TabelaAgremiacoes"_s,
                u"TabelaPosGraduacaoComissao"_s, u"-"_s, u"TabelaAssistencias"_s,
                u"TabelaFuncionarios"_s, u"TabelaSecoes"_s, u"TabelaLinks"_s, u"-"_s,
                u"TabelaDownloads"_s, u"TabelaImagens"_s, u"TabelaVeiculos"_s, u"TabelaDiplomas"_s,
                u"-"_s, u"TabelaHistorico"_s }));
        QCOMPARE(itens(barra.at(2)->menu()),
            QStringList({ u"AjudaContactarWebMaster"_s, u"AjudaSobre"_s }));
    }

    void visaoDoRegistro()
    {
        iniciar();
        QTextEdit *r = principal->RichEditEventos;
        QVERIFY(r->isReadOnly());
        QCOMPARE(r->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(r->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(r->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(r->palette().color(QPalette::Base), QColor(Qt::white));
        // "Courier New", ou a de largura fixa que o sistema põe no lugar dela.
        QCOMPARE(r->font().family(), u"Courier New"_s);
        QVERIFY(QFontInfo(r->font()).fixedPitch());
        QCOMPARE(principal->centralWidget()->objectName(), u"PanelEvents"_s);
        QCOMPARE(principal->StatusBar->objectName(), u"StatusBar"_s);

        // Cores por linha; a linha de erro de SQL ocupa duas linhas da visão.
        Roteiro roteiro;
        RegistrarEvento(10, u"consultado"_s, u"3 registros"_s);
        RegistrarErro(21, u"syntax error at or near \"{\""_s);
        const QTextBlock ultima = r->document()->lastBlock();
        QCOMPARE(ultima.text(), u"syntax error at or near \"{\""_s);
        QCOMPARE(ultima.charFormat().foreground().color(), QColor(0xF0, 0xA0, 0));
        QVERIFY(semHora(ultima.previous().text()) == u"Seções, erro de SQL, "_s);
        QCOMPARE(
            ultima.previous().previous().charFormat().foreground().color(), QColor(0xFF, 0, 0));
        QCOMPARE(SaidaEventosAtual()->NumeroLinhas(), 5);
        // O fim do registro fica à vista.
        for (int i = 0; i < 200; ++i)
            RegistrarEvento(0, u"consultado"_s);
        QCOMPARE(r->verticalScrollBar()->value(), r->verticalScrollBar()->maximum());
    }

    void registroCheioGravaRtfDaVisao()
    {
        iniciar();
        Roteiro roteiro;
        // Abertura e "inicializado" mais 1999: 2001 linhas.
        for (int i = 1; i <= 1999; ++i)
            RegistrarEvento(i % 2 ? 10 : 0, u"consultado"_s, u"ação {%1}"_s.arg(i));
        QCOMPARE(SaidaEventosAtual()->NumeroLinhas(), 2001);
        RegistrarErro(11, u"falhou \\ aqui"_s);
        const QByteArray rtf = lerArquivo(u"log/eventos.log"_s);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"));
        QVERIFY(rtf.contains("\\cf2 "));
        QVERIFY(rtf.contains("Departamentos, consultado, a\\'e7\\'e3o \\{1999\\}\\par"));
        QCOMPARE(rtf.count("\\par\r\n"), 2001);
        const QStringList linhas = linhasDoRegistro(principal);
        QCOMPARE(linhas.size(), 3);
        QCOMPARE(semHora(linhas.at(0)), u"Arquivo eventos.log gravado com sucesso"_s);
        QCOMPARE(linhas.at(2), u"falhou \\ aqui"_s);
    }

    void contatoMostraEnderecoAtual()
    {
        iniciar();
        Roteiro roteiro;
        const QString anterior = EmailWebMaster;
        principal->AjudaContactarWebMaster->trigger();
        EmailWebMaster = QString();
        principal->AjudaContactarWebMaster->trigger();
        EmailWebMaster = anterior;
        const QString fim = u"\n\r\n\respecificando com detalhes sua dúvida, sugestão ou relato "
                            "de\n\rmal funcionamento do programa."_s;
        const QString inicio
            = u"Contactar o WebMaster:\n\r\n\rPara contactar o WebMaster da QORVEL KVA você pode "
              "ligar para\n\ro ramal 3636 ou então enviar um e-mail para\n\r\n\r"_s;
        QCOMPARE(roteiro.Textos(), QStringList({ inicio + anterior + fim, inicio + fim }));
    }

    void posicaoLidaDoArquivo1252()
    {
        QFile ini(u"Tarvisco.ini"_s);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Configura\xE7\xF5"
                  "es]\r\nCantoEsquerdo=140\r\nCantoSuperior=70\r\n");
        ini.close();
        iniciar();
        QCOMPARE(principal->pos(), QPoint(140, 70));
    }

    // A posição gravada ao fechar é a lida ao abrir: cinco aberturas seguidas, nenhum
    // passo de deriva.
    void posicaoSemDerivaEmCincoAberturas()
    {
        QFile ini(u"Tarvisco.ini"_s);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Configura\xE7\xF5"
                  "es]\r\nCantoEsquerdo=120\r\nCantoSuperior=80\r\n");
        ini.close();
        for (int vez = 1; vez <= 5; ++vez) {
            iniciar();
            QCOMPARE(principal->pos(), QPoint(120, 80));
            Roteiro roteiro;
            roteiro.Responder(true);
            QVERIFY(principal->close());
            delete principal;
            principal = nullptr;
            Registro::DestruirJanelas();
            QCOMPARE(lerArquivo(u"Tarvisco.ini"_s),
                QByteArray("[Configura\xE7\xF5"
                           "es]\r\nCantoEsquerdo=120\r\nCantoSuperior=80\r\n"));
        }
    }

    // Uma posição fora de todas as telas (outra tela, outra resolução) volta para dentro.
    void posicaoForaDaTelaVolta_data()
    {
        QTest::addColumn<QPoint>("gravada");
        QTest::newRow("acima e à esquerda") << QPoint(-5000, -5000);
        QTest::newRow("abaixo e à direita") << QPoint(99999, 99999);
        QTest::newRow("menu acima da tela") << QPoint(10, -79);
    }
    void posicaoForaDaTelaVolta()
    {
        QFETCH(QPoint, gravada);
        QFile ini(u"Tarvisco.ini"_s);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("[Configura\xE7\xF5"
                             "es]\r\nCantoEsquerdo=")
            + QByteArray::number(gravada.x())
            + "\r\nCantoSuperior=" + QByteArray::number(gravada.y()) + "\r\n");
        ini.close();
        iniciar();
        const QRect area = principal->screen()->availableGeometry();
        QVERIFY2(area.contains(principal->geometry().topLeft()),
            qPrintable(u"%1,%2"_s.arg(principal->x()).arg(principal->y())));
        // Dentro da tela, a posição gravada vale como está.
        QCOMPARE(TFormMain::PosicaoNaTela(QPoint(30, 40), QSize(300, 200)), QPoint(30, 40));
    }

    void fecharComNaoNaoFazNada()
    {
        iniciar();
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        roteiro.Responder(false);
        QVERIFY(!principal->close());
        QCOMPARE(roteiro.Textos(), QStringList { u"Tem certeza que deseja sair?"_s });
        QCOMPARE(roteiro.mostradas.first().first, TipoMensagem::Confirmacao);
        QVERIFY(principal->isVisible());
        QCOMPARE(fim.count(), 0);
        QVERIFY(!QFile::exists(u"Tarvisco.ini"_s));
    }

    void fecharComSimGravaPosicao()
    {
        iniciar();
        principal->move(33, 44);
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        roteiro.Responder(true);
        principal->ArquivoSair->trigger();
        QVERIFY(!principal->isVisible());
        QCOMPARE(fim.count(), 1);
        QCOMPARE(lerArquivo(u"Tarvisco.ini"_s),
            QByteArray("[Configura\xE7\xF5"
                       "es]\r\nCantoEsquerdo=33\r\nCantoSuperior=44\r\n"));
    }

    void fecharSemPoderGravarTerminaAssimMesmo()
    {
        QVERIFY(QDir().mkdir(u"Tarvisco.ini"_s)); // uma pasta no lugar do arquivo
        iniciar();
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        roteiro.Responder(true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"não gravado"_s));
        QVERIFY(principal->close());
        QCOMPARE(fim.count(), 1);
        QVERIFY(roteiro.mostradas.size() == 1);
    }

    void fecharSemConfirmar()
    {
        iniciar();
        principal->FecharSemConfirmar = true;
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro; // nenhuma pergunta: uma pergunta aqui derruba o teste
        QVERIFY(principal->close());
        QCOMPARE(fim.count(), 1);
        QVERIFY(roteiro.mostradas.isEmpty());
    }

    void escolhaDoNivel()
    {
        iniciar();
        TFormLogin *login = principal->FormLogin;
        QCOMPARE(login->ResultadoModal, 0);
        QCOMPARE(login->windowTitle(), u"Configuração de Usuário"_s);

        // Lista cheia ao mostrar, nada escolhido; escolher uma linha já aceita.
        AoAbrirModal([](QWidget *w) {
            auto *lista = w->findChild<QComboBox *>(u"EditUsuario"_s);
            QCOMPARE(lista->count(), 12);
            QCOMPARE(lista->itemText(0), u"Administrador"_s);
            QCOMPARE(lista->itemText(11), u"ATAd"_s);
            QCOMPARE(lista->currentIndex(), -1);
            lista->setCurrentIndex(8);
        });
        login->exec();
        QCOMPARE(login->ResultadoModal, 1);
        QCOMPARE(NivelAcesso, 9);

        // OK sem escolha avisa e fica aberta; depois Cancelar.
        Roteiro roteiro;
        AoAbrirModal([&](QWidget *w) {
            Clicar(w, u"BitBtnOk"_s);
            QVERIFY(w->isVisible());
            QCOMPARE(roteiro.Textos(),
                QStringList { u"O campo Usuário deve estar preenchido. Tente novamente."_s });
            Clicar(w, u"BitBtnCancelar"_s);
        });
        login->exec();
        QCOMPARE(login->ResultadoModal, 2);
        QCOMPARE(NivelAcesso, 9);

        // OK com uma linha escolhida pelo teclado dentro da lista também aceita.
        AoAbrirModal([](QWidget *w) {
            auto *lista = w->findChild<QComboBox *>(u"EditUsuario"_s);
            lista->setFocus();
            QTest::keyClick(lista, Qt::Key_Down);
        });
        login->exec();
        QCOMPARE(login->ResultadoModal, 1);
        QCOMPARE(NivelAcesso, 1);

        // A caixa de fechar conta como Cancelar, mesmo depois de uma escolha.
        AoAbrirModal([](QWidget *w) { w->close(); });
        login->exec();
        QCOMPARE(login->ResultadoModal, 2);
        NivelAcesso = 0;
    }

    void avisoDeVersao_data()
    {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<int>("resultado");
        QTest::newRow("OK") << u"BitBtnOk"_s << 1;
        QTest::newRow("Sair") << u"BitBtnDesligarPrograma"_s << 3;
        QTest::newRow("caixa de fechar") << QString() << 2;
    }
    void avisoDeVersao()
    {
        QFETCH(QString, acao);
        QFETCH(int, resultado);
        iniciar();
        TFormAviso *aviso = principal->FormAviso;
        QCOMPARE(aviso->ResultadoModal, 0);
        QCOMPARE(aviso->LabelURL->text(), u"[endereço não informado]"_s);
        QStringList abertos;
        DefinirAbrirEndereco([&](const QString &e) { abertos << e; });
        aviso->LabelURL->setText(u"http://atualizacao.example.org/tarvisco"_s);
        AoAbrirModal([&](QWidget *w) {
            QTest::mouseClick(aviso->LabelURL, Qt::LeftButton);
            QVERIFY(w->isVisible()); // o aviso continua aberto
            if (acao.isEmpty())
                w->close();
            else
                Clicar(w, acao);
        });
        aviso->exec();
        DefinirAbrirEndereco({});
        QCOMPARE(aviso->ResultadoModal, resultado);
        QCOMPARE(abertos, QStringList { u"http://atualizacao.example.org/tarvisco"_s });
    }

    void pedidoDeSenha()
    {
        QString usuario = u"tarvisco_adm"_s;
        QString senha;
        AoAbrirModal([](QWidget *w) {
            QCOMPARE(w->findChild<QLabel *>(u"LabelFonte"_s)->text(), u"Dados_HP"_s);
            auto *editUsuario = w->findChild<QLineEdit *>(u"EditUsuario"_s);
            QCOMPARE(editUsuario->text(), u"tarvisco_adm"_s);
            QVERIFY(!editUsuario->isReadOnly());
            auto *editSenha = w->findChild<QLineEdit *>(u"EditSenha"_s);
            QCOMPARE(editSenha->echoMode(), QLineEdit::Password);
            editUsuario->setText(u"outro"_s);
            editSenha->setText(u"s3nh@'"_s);
            Clicar(w, u"BitBtnOk"_s);
        });
        QVERIFY(TFormSenha::Pedir(u"Dados_HP"_s, usuario, senha));
        QCOMPARE(usuario, u"outro"_s);
        QCOMPARE(senha, u"s3nh@'"_s);

        AoAbrirModal([](QWidget *w) { Clicar(w, u"BitBtnCancelar"_s); });
        QVERIFY(!TFormSenha::Pedir(u"Dados_HP"_s, usuario, senha));
    }

    void caixasNaTela()
    {
        // O manipulador gráfico: texto com quebras de verdade, título do programa e
        // botões Sim/Não em português.
        QVERIFY(CarregarTraducoes());
        const Mensagens::Manipulador anterior = Mensagens::Instalado();
        InstalarMensagensTela();
        DefinirTituloAplicacao(u"Tarvisco 16"_s);
        QString texto, titulo;
        QStringList botoes;
        AoAbrirModal([&](QWidget *w) {
            auto *caixa = qobject_cast<QMessageBox *>(w);
            QVERIFY(caixa);
            texto = caixa->text();
            titulo = caixa->windowTitle();
            for (QAbstractButton *b : caixa->buttons())
                botoes << b->text();
            caixa->button(QMessageBox::No)->click();
        });
        const bool sim = Mensagens::Confirmar(u"Linha 1\n\rLinha 2\r\nLinha 3"_s);
        AoAbrirModal(
            [](QWidget *w) { qobject_cast<QMessageBox *>(w)->button(QMessageBox::Ok)->click(); });
        Mensagens::Informar(u"Aviso"_s);
        Mensagens::Instalar(anterior);
        QVERIFY(!sim);
        QCOMPARE(texto, u"Linha 1\nLinha 2\nLinha 3"_s);
        QCOMPARE(titulo, u"Tarvisco 16"_s);
        botoes.sort();
        QCOMPARE(botoes, QStringList({ u"&Não"_s, u"&Sim"_s }));
    }
};

QTEST_MAIN(TesteShell)
#include "tst_shell.moc"

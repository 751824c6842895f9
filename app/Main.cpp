#include "Main.h"

#include "Aguarde.h"
#include "Aplicacao.h"
#include "Aviso.h"
#include "Banco.h"
#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Conexao.h"
#include "ConverterAno.h"
#include "Espera.h"
#include "Icones.h"
#include "Ini.h"
#include "Login.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "SaidaRichEdit.h"
#include "Sentenca.h"
#include "Servidor.h"
#include "Sobre.h"
#include "Tabela.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSqlDatabase>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

using namespace Qt::StringLiterals;

TFormMain *FormMain = nullptr;
const QString SecaoConfiguracoes = u"Configurações"_s;

namespace {
const QString CategoriaArquivo = u"Arquivo"_s;
const QString CategoriaAjuda = u"Ajuda"_s;
const QString CategoriaTabela = u"Tabela"_s;

// Itens dos menus, em ordem; "-" é uma linha separadora.
const QStringList MenuArquivo
    = { u"ArquivoConectar"_s, u"ArquivoDesconectar"_s, u"-"_s, u"ArquivoSair"_s };
const QStringList MenuAjuda = { u"AjudaContactarWebMaster"_s, u"AjudaSobre"_s };

const QString MensagemConexaoPerdida
    = u"A conexão com o servidor foi perdida.\n\r\n\rO que estava sendo incluído ou modificado "
      "continua nas janelas. Conecte-se novamente e pressione Aceitar para gravar, ou "
      "Cancelar para desistir.\n\r\n\rConectar de novo?"_s;

// "Courier New"; onde não está instalada, o sistema a troca pela sua equivalente de
// largura fixa (a dica TypeWriter), numa só busca de fonte.
QFont fonteDoRegistro()
{
    QFont fonte(u"Courier New"_s);
    fonte.setStyleHint(QFont::TypeWriter);
    return fonte;
}
} // namespace

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
    , FormLogin([this] { return new TFormLogin(this); })
    , FormAviso([this] { return new TFormAviso(this); })
    , FormSobre([this] { return new TFormSobre(this); })
    , FormConverterAno([this] {
        // o do programa é um só: o da janela do calendário, se ela o criou antes
        TFormConverterAno *d = TFormConverterAno::Programa();
        return d ? d : new TFormConverterAno(this);
    })
    , FormAguarde([this] { return new TFormAguarde(this); })
{
    setObjectName(u"FormMain"_s);
    // Sem Tarvisco.ini nem registro de eventos na pasta, é o primeiro início do programa.
    Conexao::PrimeiroInicio
        = !QFileInfo::exists(ArquivoConfiguracoes) && !QFileInfo::exists(u"log"_s);
    resize(760, 520);
    FormMain = this;

    RichEditEventos = new QTextEdit;
    RichEditEventos->setObjectName(u"RichEditEventos"_s);
    RichEditEventos->setReadOnly(true);
    RichEditEventos->setLineWrapMode(QTextEdit::NoWrap);
    RichEditEventos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditEventos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditEventos->setFont(fonteDoRegistro());
    QPalette paleta = RichEditEventos->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    RichEditEventos->setPalette(paleta);
    auto *painel = new QWidget;
    painel->setObjectName(u"PanelEvents"_s);
    auto *layout = new QVBoxLayout(painel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEditEventos);
    setCentralWidget(painel);

    StatusBar = new QStatusBar;
    StatusBar->setObjectName(u"StatusBar"_s);
    m_painelStatus = new QLabel(u"Desconectado do servidor"_s);
    m_painelStatus->setObjectName(u"StatusBarPainel"_s);
    StatusBar->addWidget(m_painelStatus, 1);
    setStatusBar(StatusBar);

    criarAcoes();
    criarMenus();

    m_saida = std::make_unique<SaidaRichEdit>(RichEditEventos, m_painelStatus, this);
    InstalarSaidaEventos(m_saida.get());

    // O registro de conexões do Qt é criado antes da conexão do programa (objeto
    // estático) para ser destruído depois dela no fim do processo.
    QSqlDatabase::connectionNames();
    TDatabase *db = &Servidor::Database();
    connect(db, &TDatabase::BeforeConnect, this, &TFormMain::DatabaseBeforeConnect);
    connect(db, &TDatabase::AfterConnect, this, &TFormMain::DatabaseAfterConnect);
    connect(db, &TDatabase::BeforeDisconnect, this, &TFormMain::DatabaseBeforeDisconnect);
    connect(db, &TDatabase::AfterDisconnect, this, &TFormMain::DatabaseAfterDisconnect);
    connect(db, &TDatabase::ConexaoPerdida, this, &TFormMain::DatabaseConexaoPerdida);
}

TFormMain::~TFormMain()
{
    if (FormMain == this)
        FormMain = nullptr;
    if (SaidaEventosAtual() == m_saida.get())
        InstalarSaidaEventos(nullptr);
}

QAction *TFormMain::novaAcao(const QString &nome, const QString &titulo, const QString &categoria,
    int etiqueta, const QIcon &icone)
{
    auto *acao = new QAction(icone, titulo, this);
    acao->setObjectName(nome);
    acao->setProperty("Categoria", categoria);
    acao->setProperty("Tag", etiqueta);
    ActionList.append(acao);
    return acao;
}

void TFormMain::criarAcoes()
{
    ArquivoConectar = novaAcao(u"ArquivoConectar"_s, u"&Conectar com Servidor"_s, CategoriaArquivo,
        0, IconeDoPrograma(Icone::Conectar));
    ArquivoDesconectar = novaAcao(u"ArquivoDesconectar"_s, u"&Desconectar do Servidor"_s,
        CategoriaArquivo, 0, IconeDoPrograma(Icone::Desconectar));
    ArquivoDesconectar->setEnabled(false);
    ArquivoSair
        = novaAcao(u"ArquivoSair"_s, u"Sai&r"_s, CategoriaArquivo, 0, IconeDoPrograma(Icone::Sair));
    ArquivoSair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    // Ctrl+Q, a tecla de sair de sempre, ao lado da do menu e de qualquer janela do
    // programa (menos com uma caixa modal aberta, que responde primeiro).
    auto *sair = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    sair->setObjectName(u"AtalhoSair"_s);
    sair->setContext(Qt::ApplicationShortcut);
    connect(sair, &QShortcut::activated, this, [this] {
        if (!QApplication::activeModalWidget())
            ArquivoSair->trigger();
    });
    ArquivoSair->setToolTip(u"Sair ("_s + ArquivoSair->shortcut().toString(QKeySequence::NativeText)
        + u", "_s + sair->key().toString(QKeySequence::NativeText) + u')');
    AjudaContactarWebMaster = novaAcao(
        u"AjudaContactarWebMaster"_s, u"&Contactar WebMaster..."_s, CategoriaAjuda, 0, QIcon());
    AjudaSobre = novaAcao(u"AjudaSobre"_s, u"Sobre o Programa..."_s, CategoriaAjuda, 0, QIcon());

    connect(ArquivoConectar, &QAction::triggered, this, &TFormMain::ArquivoConectarExecute);
    connect(ArquivoDesconectar, &QAction::triggered, this, &TFormMain::ArquivoDesconectarExecute);
    connect(ArquivoSair, &QAction::triggered, this, &TFormMain::ArquivoSairExecute);
    connect(AjudaContactarWebMaster, &QAction::triggered, this,
        &TFormMain::AjudaContactarWebMasterExecute);
    connect(AjudaSobre, &QAction::triggered, this, &TFormMain::AjudaSobreExecute);

    const QIcon iconeTabela = IconeDoPrograma(Icone::Tabela);
    for (const CatalogoJanelas::Janela &j : CatalogoJanelas::Janelas()) {
        if (j.acao.etiqueta <= 0)
            continue;
        QAction *acao
            = novaAcao(j.acao.nome, j.acao.titulo, CategoriaTabela, j.acao.etiqueta, iconeTabela);
        const int numero = j.numero;
        connect(acao, &QAction::triggered, this, [this, numero] { MostrarJanelaTabela(numero); });
    }
}

void TFormMain::criarMenus()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(u"MainMenu"_s);
    setMenuBar(MainMenu);
    const auto preencher = [this](QMenu *menu, const QStringList &itens) {
        for (const QString &item : itens) {
            if (item == u"-"_s)
                menu->addSeparator();
            else
                menu->addAction(Acao(item));
        }
    };
    QMenu *arquivo = MainMenu->addMenu(u"&Arquivo"_s);
    arquivo->setObjectName(u"MenuArquivo"_s);
    preencher(arquivo, MenuArquivo);

    // O menu "Tabela" é a própria ação Tabela (etiqueta 0).
    m_menuTabela = MainMenu->addMenu(u"Tabela"_s);
    m_menuTabela->setObjectName(u"MenuTabela"_s);
    Tabela = m_menuTabela->menuAction();
    Tabela->setObjectName(u"Tabela"_s);
    Tabela->setProperty("Categoria", CategoriaTabela);
    Tabela->setProperty("Tag", 0);
    ActionList.insert(ActionList.indexOf(Acao(u"TabelaDepartamentos"_s)), Tabela);
    connect(Tabela, &QAction::triggered, this, &TFormMain::TabelaExecute);
    for (int numero : CatalogoJanelas::OrdemMenu()) {
        if (numero == 0)
            m_menuTabela->addSeparator();
        else
            m_menuTabela->addAction(Acao(CatalogoJanelas::JanelaDe(numero)->acao.nome));
    }

    QMenu *ajuda = MainMenu->addMenu(u"&Ajuda"_s);
    ajuda->setObjectName(u"MenuAjuda"_s);
    preencher(ajuda, MenuAjuda);

    ToolBar1 = addToolBar(u"ToolBar1"_s);
    ToolBar1->setObjectName(u"ToolBar1"_s);
    ToolBar1->setMovable(false);
    ToolBar1->addAction(ArquivoSair);
    ToolBar1->addAction(ArquivoConectar);
    ToolBar1->addAction(ArquivoDesconectar);
}

QAction *TFormMain::Acao(const QString &nome) const
{
    for (QAction *a : ActionList)
        if (a->objectName() == nome)
            return a;
    return nullptr;
}

QString TFormMain::Categoria(const QAction *acao)
{
    return acao->property("Categoria").toString();
}
int TFormMain::Etiqueta(const QAction *acao)
{
    return acao->property("Tag").toInt();
}

int TFormMain::NumeroTabelaDaEtiqueta(int etiqueta)
{
    return CatalogoJanelas::JanelaDaEtiqueta(etiqueta);
}

QString TFormMain::TextoStatus() const
{
    return m_painelStatus->text();
}

TDatabase &TFormMain::Database() const
{
    return Servidor::Database();
}
TQuery &TFormMain::Query() const
{
    return Servidor::Query();
}

// ---------------------------------------------------------------- início e fim

void TFormMain::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (!evento->spontaneous())
        FormShow();
}

void TFormMain::FormShow()
{
    NomePrograma = u"Tarvisco"_s;
    VersaoPrograma = QStringLiteral(TARVISCO_VERSAO);
    FecharSemConfirmar = false;
    NivelAcesso = 0;
    DefinirTituloAplicacao(NomePrograma + u' ' + VersaoPrograma);

    // Abertura: a caixa "Sobre" por cima, fechada pelo temporizador em 3 segundos,
    // criada e mostrada logo depois de a janela principal ser pintada pela primeira vez
    // (event).
    m_aberturaPendente = true;

    DesabilitarTabelas();
    LerPosicaoJanela();
    AtualizarTitulo(QString());
    RegistrarAbertura();
    RegistrarEvento(0, u"inicializado"_s);
}

bool TFormMain::event(QEvent *evento)
{
    // A primeira pintura da janela principal: a caixa de abertura vem em seguida, quando
    // esta pintura (com a dos filhos) terminou, para não atrasar a janela à vista.
    if (evento->type() == QEvent::Paint && std::exchange(m_aberturaPendente, false))
        QMetaObject::invokeMethod(this, &TFormMain::mostrarAbertura, Qt::QueuedConnection);
    if (m_cantoPedido
        && (evento->type() == QEvent::Move || evento->type() == QEvent::Resize
            || evento->type() == QEvent::Paint))
        correcaoDoCanto();
    return QMainWindow::event(evento);
}

void TFormMain::mostrarAbertura()
{
    FormSobre->MostrarAbertura({ NomePrograma, u"Versão "_s + VersaoPrograma,
        u"Editor do banco de dados da página da faculdade"_s });
}

void TFormMain::closeEvent(QCloseEvent *evento)
{
    if (!FecharSemConfirmar) {
        if (!Mensagens::Confirmar(u"Tem certeza que deseja sair?"_s)) {
            evento->ignore();
            return;
        }
        // Cada edição em andamento é gravada ou descartada antes de a conexão fechar;
        // quem volta a ela fica com o programa aberto.
        for (TFormTabela *janela : Registro::JanelasCriadas())
            if (!janela->ResolverEdicaoAoSair(true)) {
                evento->ignore();
                return;
            }
        if (Database().Connected())
            ArquivoDesconectarExecute();
    } else {
        // O fim forçado (configuração recusada): a conexão já está fechada, nada se grava.
        for (TFormTabela *janela : Registro::JanelasCriadas())
            janela->ResolverEdicaoAoSair(false);
        ArquivoDesconectarExecute(); // a conexão já está fechada: nada acontece
    }
    // O programa termina com a janela principal: nenhuma janela de tabela fica aberta.
    for (TFormTabela *janela : Registro::JanelasCriadas())
        janela->FormClose();
    // Um arquivo de configurações que não pode ser gravado não impede o fim do programa.
    GravarPosicaoJanela();
    evento->accept();
    emit Finalizado();
}

void TFormMain::ArquivoSairExecute()
{
    close();
}

void TFormMain::AjudaContactarWebMasterExecute()
{
    Mensagens::Informar(u"Contactar o WebMaster:\n\r\n\rPara contactar o WebMaster da QORVEL KVA "
                        "você pode ligar para\n\ro ramal 3636 ou então enviar um e-mail para\n\r"
                        "\n\r"_s
        + EmailWebMaster + u"\n\r"_s + u"\n\r"_s
        + u"especificando com detalhes sua dúvida, sugestão ou relato de"_s + u"\n\r"_s
        + u"mal funcionamento do programa."_s);
}

void TFormMain::AjudaSobreExecute()
{
    if (FormSobre->isVisible())
        FormSobre->close(); // a abertura ainda na tela vira a caixa comum
    FormSobre->exec();
}

void TFormMain::MostrarJanelaTabela(int numero)
{
    if (TFormTabela *janela = Registro::Janela(numero))
        janela->MostrarSemEsperar();
}

void TFormMain::LerPosicaoJanela()
{
    // O canto gravado é o da área da janela (sem a moldura), lido e gravado do mesmo jeito:
    // a moldura que o gerenciador de janelas põe depois não a faz andar de uma vez para
    // outra. Um canto fora de todas as telas (outra tela, outra resolução) volta para
    // dentro da tela principal.
    const ArquivoIni ini(ArquivoConfiguracoes);
    const QPoint canto
        = PosicaoNaTela(QPoint(ini.LerInteiro(SecaoConfiguracoes, u"CantoEsquerdo"_s, 1),
                            ini.LerInteiro(SecaoConfiguracoes, u"CantoSuperior"_s, 1)),
            size());
    move(canto);
    // Antes de a janela aparecer a moldura pode ainda não ser conhecida (X11): o canto
    // pedido fica então como o da área da janela, uma moldura abaixo do gravado. Quando o
    // gerenciador de janelas dá a moldura, a janela vai para o canto certo (correcaoDoCanto).
    if (!windowHandle() || windowHandle()->frameMargins().isNull())
        m_cantoPedido = canto;
}

void TFormMain::correcaoDoCanto()
{
    if (!m_cantoPedido || !windowHandle() || windowHandle()->frameMargins().isNull())
        return;
    const QPoint canto = *std::exchange(m_cantoPedido, std::nullopt);
    if (pos() != canto)
        move(canto);
}

QPoint TFormMain::PosicaoNaTela(const QPoint &canto, const QSize &tamanho)
{
    // À vista basta a faixa de cima (o menu), com largura para ser agarrada.
    const QRect faixa(canto, QSize(qMin(tamanho.width(), 120), 30));
    const QList<QScreen *> telas = QGuiApplication::screens();
    for (const QScreen *tela : telas)
        if (tela->availableGeometry().intersected(faixa).size() == faixa.size())
            return canto;
    const QScreen *principal = QGuiApplication::primaryScreen();
    if (!principal)
        return canto;
    const QRect area = principal->availableGeometry();
    return { qBound(area.left(), canto.x(), qMax(area.left(), area.right() + 1 - tamanho.width())),
        qBound(area.top(), canto.y(), qMax(area.top(), area.bottom() + 1 - tamanho.height())) };
}

bool TFormMain::GravarPosicaoJanela()
{
    ArquivoIni ini(ArquivoConfiguracoes);
    // O canto da moldura, como é lido (um canto pedido ainda não corrigido vale como pedido).
    const QPoint canto = m_cantoPedido.value_or(pos());
    ini.EscreverInteiro(SecaoConfiguracoes, u"CantoEsquerdo"_s, canto.x());
    ini.EscreverInteiro(SecaoConfiguracoes, u"CantoSuperior"_s, canto.y());
    QString erro;
    if (ini.Gravar(&erro))
        return true;
    qWarning().noquote() << ArquivoConfiguracoes << "não gravado:" << erro;
    return false;
}

// ---------------------------------------------------------------- conexão

void TFormMain::ArquivoConectarExecute()
{
    FormLogin->exec();
    if (FormLogin->ResultadoModal != 1)
        return;
    RegistrarUsuario();
    Database().Params = { u"USER NAME="_s + UsuarioNivel(NivelAcesso) };
    if (!Conexao::ArquivoDoBancoPronto())
        return;
    try {
        Database().Open();
    } catch (const ErroBanco &e) {
        RegistrarErro(0, e.Mensagem());
    }
}

void TFormMain::ArquivoDesconectarExecute()
{
    // Só a conexão perdida bem agora deixa a cópia contada no servidor.
    if (Conexao::ModificarContagem(-1) || Database().Connected())
        m_contadoNoServidor = false;
    Database().Close();
}

void TFormMain::DatabaseBeforeConnect()
{
    RegistrarEvento(0, u"tentando conectar..."_s);
}

void TFormMain::DatabaseAfterConnect()
{
    // A conexão pode se perder em qualquer passo daqui (o servidor cai de novo, o arquivo
    // continua travado): o programa já está então desconectado e avisado, e para.
    RegistrarEvento(0, u"conectado"_s);
    MostrarStatus(u"Conectado com o servidor"_s);
    const bool configuracoes = LerConfiguracoesDoServidor();
    if (!Database().Connected())
        return;
    if (!configuracoes) {
        Database().Close();
        FecharSemConfirmar = true;
        Mensagens::Informar(u"O programa será desconectado do servidor e será finalizado."_s);
        close();
        return;
    }
    // Uma cópia que perdeu a conexão continua contada no servidor (a contagem não pôde
    // ser baixada): ao reconectar ela não é contada de novo.
    if (!m_contadoNoServidor)
        m_contadoNoServidor = Conexao::ModificarContagem(+1);
    if (!Database().Connected())
        return;
    HabilitarTabelas();
    // Sem o filtro do nível as janelas listariam tudo: as tabelas ficam escondidas.
    const bool filtroDefinido = Conexao::DefinirFiltroDasTabelas();
    if (!Database().Connected())
        return;
    if (!filtroDefinido)
        DesabilitarTabelas();
    ArquivoConectar->setEnabled(false);
    ArquivoDesconectar->setEnabled(true);
    if (filtroDefinido)
        RegistrarEvento(0, u"Ok"_s, u"pronto para uso"_s);
}

void TFormMain::DatabaseConexaoPerdida(const QString &texto)
{
    // A plataforma já fechou a conexão (DatabaseAfterDisconnect pôs a janela no estado
    // desconectado); o usuário recebe uma só mensagem por perda, no lugar dos textos do
    // motor de cada comando que falhou. Ela oferece a reconexão onde o usuário está (uma
    // janela modal bloqueia o menu Arquivo): feita depois que o comando que falhou
    // terminou de voltar, com o mesmo login; a edição fica na tela para o próximo Aceitar.
    // O arquivo SQLite apagado ou esvaziado: o motivo, com o nome dele, antes.
    const QString motivo = FalhaSQLite::MotivoDe(texto.mid(FalhaConexaoPerdida.size()));
    const QString antes
        = motivo.isEmpty() ? QString() : motivo.left(1).toUpper() + motivo.mid(1) + u"\n\r\n\r"_s;
    if (!Mensagens::Confirmar(antes + MensagemConexaoPerdida))
        return;
    QMetaObject::invokeMethod(
        this, [] { Conexao::Reconectar(); }, Qt::QueuedConnection);
}

void TFormMain::DatabaseBeforeDisconnect()
{
    RegistrarEvento(0, u"desconectando..."_s);
}

void TFormMain::DatabaseAfterDisconnect()
{
    RegistrarEvento(0, u"desconectado"_s);
    MostrarStatus(u"Desconectado do servidor"_s);
    AtualizarTitulo(QString());
    DesabilitarTabelas();
    ArquivoConectar->setEnabled(true);
    ArquivoDesconectar->setEnabled(false);
}

bool TFormMain::LerConfiguracoesDoServidor()
{
    const std::optional<Conexao::Configuracao> configuracao = Conexao::LerConfiguracao();
    if (!configuracao)
        return false;
    EmailWebMaster = configuracao->email;
    if (!configuracao->url.isEmpty()) {
        FormAviso->LabelURL->setText(configuracao->url);
    } else {
        FormAviso->LabelURL->hide();
        FormAviso->LabelURLFrase->hide();
    }
    if (configuracao->desligarVersaoAntiga)
        FormAviso->BitBtnOk->hide();
    if (configuracao->versao == VersaoPrograma)
        return true;
    FormAviso->exec();
    return FormAviso->ResultadoModal == 1;
}

void TFormMain::HabilitarTabelas()
{
    for (QAction *acao : std::as_const(ActionList))
        if (Categoria(acao) == CategoriaTabela)
            acao->setVisible(NivelVeTabela(NivelAcesso, Etiqueta(acao)));
}

void TFormMain::DesabilitarTabelas()
{
    for (QAction *acao : std::as_const(ActionList))
        if (Categoria(acao) == CategoriaTabela)
            acao->setVisible(false);
}

// ---------------------------------------------------------------- criação

TFormMain *CriarJanelasDoPrograma()
{
    auto *principal = new TFormMain;
    DefinirCaixaAguarde(principal->FormAguarde); // a das operações demoradas das janelas
    return principal;
}

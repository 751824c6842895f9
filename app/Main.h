#pragma once
// Janela principal: menu das tabelas, barra de ferramentas, registro de eventos e barra
// de status; dona da conexão com o servidor e da consulta compartilhada.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class QToolBar;
class SaidaRichEdit;
class TDatabase;
class TFormAguarde;
class TFormAviso;
class TFormConverterAno;
class TFormLogin;
class TFormSobre;
class TQuery;

// Uma caixa do programa (login, aviso, "Sobre"...): criada na primeira vez que é pedida,
// escondida, e dali até o fim do programa a mesma. O início do programa não gasta tempo
// com caixas que a janela principal ainda não mostra.
template <class Caixa> class CaixaDoPrograma {
public:
    explicit CaixaDoPrograma(std::function<Caixa *()> criar)
        : m_criar(std::move(criar))
    {
    }
    Caixa *operator->() const { return caixa(); }
    operator Caixa *() const { return caixa(); }
    bool Criada() const { return !m_caixa.isNull(); }

private:
    Caixa *caixa() const
    {
        if (!m_caixa)
            m_caixa = m_criar();
        return m_caixa;
    }
    std::function<Caixa *()> m_criar;
    mutable QPointer<Caixa> m_caixa;
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Quando ligado, fechar a janela não pergunta (configuração recusada).
    bool FecharSemConfirmar = false;

    // Caixas do programa, filhas desta janela, cada uma criada na primeira vez que é pedida.
    CaixaDoPrograma<TFormLogin> FormLogin;
    CaixaDoPrograma<TFormAviso> FormAviso;
    CaixaDoPrograma<TFormSobre> FormSobre; // a abertura a pede depois da primeira pintura
    CaixaDoPrograma<TFormConverterAno> FormConverterAno; // anos da conversão do calendário
    CaixaDoPrograma<TFormAguarde> FormAguarde;

    // Componentes
    QToolBar *ToolBar1 = nullptr;
    QMenuBar *MainMenu = nullptr;
    QTextEdit *RichEditEventos = nullptr;
    QStatusBar *StatusBar = nullptr;
    QList<QAction *> ActionList;
    QAction *ArquivoConectar = nullptr;
    QAction *ArquivoDesconectar = nullptr;
    QAction *ArquivoSair = nullptr;
    QAction *AjudaContactarWebMaster = nullptr;
    QAction *AjudaSobre = nullptr;
    QAction *Tabela = nullptr; // o próprio menu "Tabela"

    // Ação pelo nome ("TabelaDocentes"); nullptr se não há.
    QAction *Acao(const QString &nome) const;
    static QString Categoria(const QAction *acao);
    static int Etiqueta(const QAction *acao);
    // Número da tabela da janela que a ação de etiqueta 'etiqueta' mostra (0 se nenhuma).
    static int NumeroTabelaDaEtiqueta(int etiqueta);
    QString TextoStatus() const;

    // Conexão e consulta compartilhada do programa.
    TDatabase &Database() const;
    TQuery &Query() const;

    // Comandos
    void ArquivoConectarExecute();
    void ArquivoDesconectarExecute();
    void ArquivoSairExecute();
    void AjudaContactarWebMasterExecute();
    void AjudaSobreExecute();
    void TabelaExecute() { }
    void MostrarJanelaTabela(int numero); // o Execute de cada ação de tabela

    // Conexão, níveis e configuração do servidor
    void DatabaseBeforeConnect();
    void DatabaseAfterConnect();
    void DatabaseBeforeDisconnect();
    void DatabaseAfterDisconnect();
    void DatabaseConexaoPerdida(const QString &texto); // a plataforma notou a conexão perdida
    // A configuração do servidor (Conexao::LerConfiguracao) e o aviso de versão: false
    // quando o programa não pode seguir conectado.
    bool LerConfiguracoesDoServidor();
    void HabilitarTabelas();
    void DesabilitarTabelas();

    // Posição da janela em Tarvisco.ini
    void LerPosicaoJanela();
    bool GravarPosicaoJanela();
    // O canto (da moldura) de uma janela do tamanho dado: o mesmo, quando a faixa de cima está numa
    // das telas; senão, o mais perto dentro da tela principal.
    static QPoint PosicaoNaTela(const QPoint &canto, const QSize &tamanho);

signals:
    // A janela fechou de vez: o programa termina.
    void Finalizado();

protected:
    bool event(QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void FormShow();
    void mostrarAbertura(); // a caixa "Sobre" como abertura, por 3 segundos
    void correcaoDoCanto(); // o canto lido, quando a moldura ficou conhecida
    void criarAcoes();
    void criarMenus();
    QAction *novaAcao(const QString &nome, const QString &titulo, const QString &categoria,
        int etiqueta, const QIcon &icone);

    QLabel *m_painelStatus = nullptr;
    bool m_aberturaPendente = false; // a abertura espera a primeira pintura
    std::optional<QPoint> m_cantoPedido; // o canto lido, à espera da moldura
    bool m_contadoNoServidor = false; // esta cópia somou 1 às Instancias do servidor
    QMenu *m_menuTabela = nullptr;
    std::unique_ptr<SaidaRichEdit> m_saida;
};

// A janela principal do programa (nullptr antes de criada e depois de destruída): as
// outras janelas chegam por ela às caixas do programa (FormMain->FormAguarde).
extern TFormMain *FormMain;

// Seção das configurações da janela principal no arquivo (ArquivoConfiguracoes, Ini.h).
extern const QString SecaoConfiguracoes; // "Configurações"

// Cria a janela principal e entrega a caixa de espera às janelas de tabela. As outras
// caixas do programa (CaixaDoPrograma) e as janelas de tabela (Registro::Janela) são
// criadas na primeira vez que são pedidas, escondidas, e vivem até o fim do programa.
TFormMain *CriarJanelasDoPrograma();

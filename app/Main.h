#pragma once
// Janela principal: menu das tabelas, barra de ferramentas, registro de eventos e barra
// de status; dona da conexão com o servidor e da consulta compartilhada.
#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTextEdit;
class QToolBar;
class SaidaRichEdit;
class TDatabase;
class TFormAguarde;
class TFormAviso;
class TFormLogin;
class TFormSobre;
class TQuery;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Quando ligado, fechar a janela não pergunta (configuração recusada).
    bool FecharSemConfirmar = false;

    // Janelas do programa (criadas uma vez, escondidas; veja CriarJanelasDoPrograma).
    TFormLogin *FormLogin = nullptr;
    TFormAviso *FormAviso = nullptr;
    TFormSobre *FormSobre = nullptr;
    TFormAguarde *FormAguarde = nullptr;

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
    // A configuração do servidor (Conexao::LerConfiguracao) e o aviso de versão: false
    // quando o programa não pode seguir conectado.
    bool LerConfiguracoesDoServidor();
    void HabilitarTabelas();
    void DesabilitarTabelas();

    // Posição da janela em Tarvisco.ini
    void LerPosicaoJanela();
    bool GravarPosicaoJanela();

signals:
    // A janela fechou de vez: o programa termina.
    void Finalizado();

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void FormShow();
    void criarAcoes();
    void criarMenus();
    QAction *novaAcao(const QString &nome, const QString &titulo, const QString &categoria,
        int etiqueta, const QIcon &icone);

    QLabel *m_painelStatus = nullptr;
    QMenu *m_menuTabela = nullptr;
    std::unique_ptr<SaidaRichEdit> m_saida;
};

// A janela principal do programa (nullptr antes de criada e depois de destruída): as
// outras janelas chegam por ela às caixas do programa (FormMain->FormAguarde).
extern TFormMain *FormMain;

// Seção das configurações da janela principal no arquivo (ArquivoConfiguracoes, Ini.h).
extern const QString SecaoConfiguracoes; // "Configurações"

// Cria a janela principal e, depois dela, todas as outras janelas do programa, uma vez
// cada e escondidas.
TFormMain *CriarJanelasDoPrograma();

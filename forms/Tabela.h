#pragma once
// Janela-base de tabela: listagem à esquerda, campos do registro à direita, botões de
// incluir, modificar, excluir, aceitar, cancelar, atualizar, fechar e escolher.
//
// A janela é montada a partir da sua DescricaoJanela (campos, pesquisas, textos longos,
// colunas gravadas, janelas filhas); o ciclo padrão (mostrar, habilitar, limpar,
// conferir, gravar, apagar) vem dela, e cada campo é um ControleCampo da sua espécie
// (forms/campos). Uma janela derivada só escreve o que faz diferente, sobrescrevendo os
// métodos virtuais. A mesma janela é mostrada sem esperar (o menu e o histórico:
// MostrarSemEsperar), modal como filha de outra (MostrarModal) ou modal como escolha de
// uma pesquisa (EscolherEm, Modo Escolhendo). Só a base escreve o Modo. A gravação está
// em GravacaoTabela; a montagem dos controles, em MontagemTabela.
//
// Todas as janelas são criadas no início do programa, mas os controles de cada uma só
// são montados (Montar) quando ela vai ser mostrada pela primeira vez ou quando alguém
// usa um controle dela antes disso: NumeroTabela, Modo, a consulta e NomePorId servem
// desde a criação, sem controle nenhum. Os controles próprios de uma janela derivada
// são criados em MontarControles, nunca no construtor.
#include "Banco.h"
#include "Descricao.h"
#include "GravacaoTabela.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSplitter;
class QTableView;
class Listagem;
class ModeloListagem;
class TFormTabela;

// O que a janela está fazendo.
enum class ModoTabela {
    Consultando = 0,
    Incluindo = 1,
    Modificando = 3,
    Escolhendo = 4, // aberta como escolha de uma pesquisa
};

// Como começa uma edição (ComecarEdicao).
enum class Edicao {
    Inclusao, // Incluir: campos limpos, com os valores iniciais (AoIncluir)
    Alteracao, // Modificar: os valores da linha mostrada
    Duplicacao, // uma inclusão com os valores da linha mostrada (a cópia)
};

// O que os botões da base deixam pedido para a janela derivada, no mesmo clique.
enum class OperacaoTabela {
    Nenhuma = 0,
    ExclusaoConfirmada = 2,
    AtualizacaoPedida = 3,
};

// Ponteiro para um controle de uma janela de tabela que monta a janela no primeiro uso
// (veja acima): usado como um ponteiro comum, nunca é nulo para um controle que a
// montagem cria.
template <class T> class ControleJanela {
public:
    explicit ControleJanela(TFormTabela *janela)
        : m_janela(janela)
    {
    }
    ControleJanela &operator=(T *controle)
    {
        m_controle = controle;
        return *this;
    }
    T *get() const; // monta a janela, se ainda não foi montada
    T *operator->() const { return get(); }
    operator T *() const { return get(); }

private:
    TFormTabela *m_janela;
    T *m_controle = nullptr;
};

class TFormTabela : public QDialog {
    Q_OBJECT
public:
    explicit TFormTabela(const DescricaoJanela &descricao, QWidget *parent = nullptr);
    ~TFormTabela() override;

    // Número do catálogo da tabela da janela (também a fonte das linhas do registro);
    // dado uma vez, pela descrição.
    const int &NumeroTabela = m_numeroTabela;
    ModoTabela Modo = ModoTabela::Consultando;
    OperacaoTabela Operacao = OperacaoTabela::Nenhuma;
    // Incluindo ou modificando.
    bool Editando() const
    {
        return Modo == ModoTabela::Incluindo || Modo == ModoTabela::Modificando;
    }

    // A consulta da janela: listagem e comandos de alteração.
    TQuery *Query = nullptr;

    // Controles da base.
    ControleJanela<QGroupBox> GroupBox2 { this };
    ControleJanela<QTableView> DBGridPesquisa { this };
    ControleJanela<QSplitter> Splitter1 { this };
    ControleJanela<QGroupBox> GroupBox1 { this };
    ControleJanela<QLabel> Label1 { this };
    ControleJanela<QLineEdit> EditId { this };
    ControleJanela<QPushButton> BitBtnModificar { this };
    ControleJanela<QPushButton> BitBtnAceitar { this };
    ControleJanela<QPushButton> BitBtnCancelar { this };
    ControleJanela<QPushButton> BitBtnExcluir { this };
    ControleJanela<QPushButton> BitBtnIncluir { this };
    ControleJanela<QLabel> LabelEscolha { this };
    ControleJanela<QLabel> LabelAviso { this };
    ControleJanela<QPushButton> BitBtnFechar { this };
    ControleJanela<QPushButton> BitBtnAtualizar { this };
    ControleJanela<QPushButton> BitBtnEscolher { this };

    // Cria os controles da janela na primeira chamada; as seguintes nada fazem.
    void Montar();
    bool Montada() const { return m_montada; }

    const DescricaoJanela &Descricao() const { return m_descricao; }

    // Controle pelo objectName (nullptr se não houver).
    QWidget *Controle(const QString &nome) const;
    template <class T> T *Controle(const QString &nome) const
    {
        return qobject_cast<T *>(Controle(nome));
    }
    // O campo da descrição montado com o controle dado (nullptr se não há).
    ControleCampo *CampoDoControle(const QString &nome) const;
    // Texto de um controle como os comandos o leem (memo com quebras CR LF).
    QString Texto(const QString &controle) const;
    void DefinirTexto(const QString &controle, const QString &texto);

    // O caminho de gravação da janela (o comando, a pesquisa esvaziada que vai como NULL,
    // a transação, a exclusão, os textos longos).
    GravacaoTabela &Gravacao() { return *m_gravacao; }
    // Um campo, ao mostrar a linha atual, achou-a apagada por outro usuário (nada foi
    // gravado): MostrarRegistro avisa e a tira da lista.
    void AvisarLinhaApagada() { m_linhaApagada = true; }

    // Métodos da base
    void FormShow(); // parte da base ao mostrar
    bool FormClose(); // false quando recusado (editando)
    // O fim do programa: a edição em andamento é gravada ou descartada, como o usuário
    // responder (com 'perguntar'; sem, descartada); false quando ele volta à edição ou a
    // gravação não deu certo (a edição continua na tela).
    bool ResolverEdicaoAoSair(bool perguntar);

    // Métodos de cada janela (o padrão vem da descrição)
    virtual void ExibirJanela(); // FormShow da janela: base, ConsultarTabela, MostrarRegistro
    virtual void ConsultarTabela();
    virtual void MostrarRegistro();
    virtual void HabilitarCampos(bool on);
    virtual void LimparCampos();
    virtual QString NomePorId(const QString &id);

    // Manipuladores dos botões e da grade
    virtual void DBGridPesquisaCellClick(const QModelIndex &indice);
    virtual void BitBtnIncluirClick();
    virtual void BitBtnModificarClick();
    virtual void BitBtnAceitarClick();
    virtual void BitBtnCancelarClick();
    virtual void BitBtnExcluirClick();
    virtual void BitBtnEscolherClick();
    virtual void BitBtnAtualizarClick();
    void BitBtnFecharClick() { FormClose(); }

    // Mostra a janela sem esperar por ela (o menu, o histórico): escondida, aparece em
    // consulta (FormShow); já à vista, só vem para a frente, como está.
    void MostrarSemEsperar();
    // Mostra a janela modal em consulta (filha de outra); false se ela recusou fechar.
    bool MostrarModal();
    // Mostra a janela 'numero' como escolha (modal, Modo Escolhendo); devolve o Id
    // escolhido ou vazio (nada escolhido, ou a janela recusou-se a fechar).
    static QString EscolherEm(int numero);
    // O clique num botão de janela filha da descrição: só enquanto consulta e, com
    // recusaSemLinha, com uma linha mostrada, que a filha recebe (DefinirPai com o Id e o
    // texto do controle do botão, e ReceberMae); a filha é mostrada modal.
    bool AbrirFilha(const BotaoFilha &botao);
    // Lista-filha (a colunaPai do catálogo das janelas): a linha-mãe, o Id e o nome como a
    // mãe os mostrou, entregue antes de a filha ser mostrada; fica até a próxima entrega.
    // A base lista só as linhas dela, mostra-a no campo Edit<colunaPai> e não grava sem ela.
    void DefinirPai(const QString &id, const QString &nome);
    QString IdPai;
    QString NomePai;

    void setVisible(bool visivel) override; // monta antes de aparecer

protected:
    // Controles próprios de uma janela derivada, criados uma vez, logo depois dos da
    // base (que já podem ser usados aqui).
    virtual void MontarControles() { }
    // Para MontarControles: dá o nome a um controle criado para a janela e o deixa achável
    // por Controle; as linhas dos botões de edição e da barra de baixo; um botão próprio
    // na posição dada de uma delas, ligado à ação; a grade dos campos do registro.
    void RegistrarControle(QWidget *controle, const QString &nome);
    QHBoxLayout *LinhaBotoes() const { return m_linhaBotoes; }
    QPushButton *NovoBotao(const QString &nome, const QString &texto, QHBoxLayout *linha,
        int posicao, std::function<void()> clique);
    QGridLayout *GradeCampos() const { return m_grade; }
    // Liga a uma ação o que o usuário muda num controle (o texto digitado numa caixa, o
    // item escolhido ou o texto digitado numa lista); o que o programa põe não conta.
    void AoEditar(const QString &controle, std::function<void()> acao);
    // Pesquisa do campo cuja caixa de Id é 'controleId' (o duplo clique no nome).
    void ExecutarPesquisa(const QString &controleId);
    // A janela que troca de tabela (a mesma janela para duas tabelas) muda o número.
    void DefinirNumeroTabela(int numero) { m_numeroTabela = numero; }

    // Há uma linha mostrada para dar a uma filha (o Id; a janela pode pedir mais campos).
    virtual bool LinhaEscolhida() const;
    // A filha que precisa de mais da linha-mãe do que o Id e o nome (o código de uma
    // disciplina, a sigla de um grupo), ou de saber qual tabela o botão pediu, lê aqui, a
    // cada entrega, da mãe com a linha mostrada (depois de DefinirPai).
    virtual void ReceberMae(const TFormTabela &mae, const BotaoFilha &botao)
    {
        Q_UNUSED(mae);
        Q_UNUSED(botao);
    }

    // Partes da base para as janelas que mudam o ciclo.
    void EditarCampos(bool on); // botões de edição (on) ou de consulta
    void MostrarBotoes(bool on); // Incluir, Modificar, Excluir (off: nem Aceitar)
    void ApagarCampos(); // todos os campos e o Id vazios
    // Conta as linhas (a contagem da janela para o nível, ou a dada) e põe o total na
    // legenda da listagem (e em 'total', quando dado).
    bool ContarRegistros(const QStringList &sentenca = {}, int *total = nullptr);
    // Começa uma edição: a lista bloqueada e o aviso dos campos amarelos à vista, o Modo
    // (Incluindo ou Modificando), o nível da edição, nenhuma pesquisa esvaziada, os campos
    // editáveis e a caixa que o campo que decide escolhe. A inclusão limpa os campos
    // (LimparCampos) e põe os valores iniciais.
    void ComecarEdicao(Edicao edicao);
    // A linha de Id dado da tabela da janela, na consulta compartilhada (com "consultado"
    // no registro); nullptr sem Id, sem linha, ou na falha (já registrada).
    TQuery *LinhaPorId(const QString &id);
    bool LerId(); // EditId := Id da linha atual; vazio: "A tabela está vazia." e false
    // Colunas da linha atual para os controles (descrição); com caixas no mesmo lugar, põe
    // à vista a da linha e deixa vazios os campos das outras.
    void CopiarCampos();
    // Põe à vista a caixa dada, das que dividem o mesmo lugar, e esconde as outras
    // (vazio: todas escondidas).
    void MostrarCaixa(const QString &caixa);
    void AplicarRegras(bool on); // cores e edição dos campos da descrição
    // As listas das tabelas de códigos dos campos, carregadas uma vez, na consulta da
    // janela (CarregarCodigosUmaVez).
    void CarregarListasDeCodigos();
    virtual QStringList SentencaConsulta() const; // linhas da listagem
    virtual QStringList SentencaContagem() const; // linhas da contagem
    // Campos obrigatórios (antes, a linha-mãe de uma lista-filha) e o que cada espécie
    // recusa; false interrompe o Aceitar.
    virtual bool ConferirCampos();
    // false: volta à consulta sem gravar (o nível só lê a janela: a recusa com o nome do
    // nível).
    virtual bool PermitirGravacao();
    virtual bool PodeModificarFicha(); // linha reservada "[vazio]"
    virtual bool PodeExcluirFicha();
    // A linha reservada, "[vazio]" num dos controles dados: modificar só nos níveis 1 e 2,
    // apagar nunca (false, com a recusa mostrada).
    bool PodeModificarReservada(const QStringList &controles);
    bool PodeExcluirReservada(const QStringList &controles);
    // Gravações depois do comando, na mesma transação (os textos longos).
    virtual bool GravarSeguintes(bool inclusao);
    // Condições com nome das regras de presença (SeCondicao).
    virtual bool Condicao(const QString &nome) const;
    // Comando de gravação (vazio: nada a gravar).
    virtual TabelaLinhas LinhasGravacao(bool inclusao) const;
    // Fim de uma edição: lista de novo, campos só leitura, Modo Consultando, primeira linha.
    void Concluir();
    void FimDaEdicao(); // grade habilitada, aviso escondido

    // Na frente das outras janelas, ativa (também depois de uma caixa que a janela
    // principal abriu por cima dela).
    void trazerParaFrente();

    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void reject() override;

private:
    friend class ControleCampo;
    friend class GravacaoTabela;
    friend class MontagemTabela;
    friend class ValoresJanela;
    QList<ControleCampo *> camposNaOrdemDeExibicao() const;
    // Lista-filha: a colunaPai do catálogo (vazia: a janela não é filha), o campo do pai
    // (Edit<colunaPai>) e a linha-mãe entregue posta nele.
    QString colunaPai() const;
    const Campo *campoPai() const;
    void preencherPai();
    void alternarCaixa(); // editando: a caixa do texto atual do campo que decide
    bool emExecucaoModal() const { return m_execucoes > 0; }
    // Começada uma edição, o foco vai ao primeiro campo que se pode editar (na ordem da
    // descrição), não ao Id.
    void focarPrimeiroCampo();
    void aoDesconectar();
    // A escolha que abre de novo sobre a tabela que não mudou (a mesma marca de
    // alterações) e com a mesma sentença mostra o resultado já lido, sem ler de novo.
    bool reusarListagem(const QString &marca);

    int m_numeroTabela = 0;
    DescricaoJanela m_descricao;
    QHash<QString, QWidget *> m_controles;
    std::vector<std::unique_ptr<ControleCampo>> m_campos;
    QHash<QString, ControleCampo *> m_camposPorControle;
    std::unique_ptr<GravacaoTabela> m_gravacao;
    Listagem *m_listagem = nullptr;
    ModeloListagem *m_modelo = nullptr;
    QHBoxLayout *m_linhaBotoes = nullptr;
    QHBoxLayout *m_barraInferior = nullptr;
    QGridLayout *m_grade = nullptr;
    int m_execucoes = 0;
    bool m_montada = false;
    bool m_centralizada = false;
    bool m_linhaApagada = false; // a linha mostrada não existe mais (AvisarLinhaApagada)
    int m_nivelDaEdicao = 0; // NivelAcesso ao começar a inclusão ou alteração
    // O que a última listagem leu, para a próxima abertura como escolha: a sentença, a
    // marca das alterações lida antes dela (vazia: não serve de novo) e a contagem.
    struct ListagemLida {
        QStringList sentenca;
        QString marca;
        std::optional<int> contagem; // a janela contou antes de listar
    } m_lida;
    bool m_abrindoEscolha = false; // ExibirJanela da abertura como escolha
};

template <class T> T *ControleJanela<T>::get() const
{
    m_janela->Montar();
    return m_controle;
}

// Liga a escolha de um controle a uma ação (a última ligada vale): o duplo clique e, pelo
// teclado, F4 ou Alt+Seta para baixo, ditos na dica do controle (DicaEscolha).
void LigarDuploClique(QWidget *controle, std::function<void()> acao);
inline const QString DicaEscolha
    = QStringLiteral("Escolher: duplo clique, F4 ou Alt+Seta para baixo");

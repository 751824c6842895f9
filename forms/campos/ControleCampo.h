#pragma once
// Um campo montado numa janela: o controle da sua espécie e o que se faz com ele. A
// janela-base monta os campos da descrição, põe cada um no seu lugar com o rótulo e,
// daí em diante, só fala com eles por aqui: mostrar o valor da linha, ler o valor para
// os comandos, limpar, habilitar para um modo.
#include "Campo.h"

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

class QLabel;
class QWidget;
class TQuery;

class ControleCampo {
public:
    explicit ControleCampo(const Campo &campo);
    virtual ~ControleCampo();
    ControleCampo(const ControleCampo &) = delete;
    ControleCampo &operator=(const ControleCampo &) = delete;

    const Campo &Descricao() const { return m_campo; }

    // Cria os controles do campo em 'pai' (os nomes são registrados na janela) e devolve
    // o que recebe o rótulo e ocupa o lugar do campo na grade (Visivel).
    QWidget *Montar(QWidget *pai, TFormTabela &janela);
    // O controle principal (o que tem o nome do campo).
    QWidget *Widget() const { return m_widget; }
    // O controle que o usuário vê e que recebe o rótulo (na pesquisa, o do nome).
    virtual QWidget *Visivel() const { return m_widget; }
    // O que ocupa o lugar do campo na grade (o controle visível, ou uma caixa com ele e os
    // controles que o acompanham).
    virtual QWidget *NaGrade() const { return Visivel(); }
    // O que fica na coluna dos rótulos: o rótulo, ou o rótulo com o que o acompanha.
    virtual QWidget *MontarRotulo(QWidget *pai, QLabel *rotulo);
    // O controle que recebe o foco no começo de uma edição, se o campo pode ser editado
    // agora (à vista, habilitado, alcançável pelo Tab e não só de leitura); nullptr se não.
    virtual QWidget *FocoDaEdicao() const;

    // O valor como os comandos o leem (memo com quebras CR LF, data como DataParaSQL,
    // marcação como 'S'/'N').
    virtual QString Texto() const = 0;
    // Põe um valor vindo do programa (não do usuário).
    virtual void DefinirTexto(const QString &texto) = 0;
    virtual bool Marcado() const;
    virtual QDate Data() const;
    // Copia a coluna da linha atual da consulta para o controle (id: a linha mostrada).
    virtual void Mostrar(const TQuery &consulta, const QString &id);
    // O mesmo, guardando o valor como veio do banco (ValorMostrado).
    void MostrarLinha(const TQuery &consulta, const QString &id);
    // O valor gravado que o campo mostrou por último: a coluna como veio do banco, ou o
    // texto longo; vazio (nullopt) quando a linha mostrada não o trazia. Antes de gravar
    // por cima, a janela confere com ele se outro usuário mudou a linha.
    const std::optional<QString> &ValorMostrado() const { return m_mostrado; }
    void DefinirValorMostrado(std::optional<QString> valor) { m_mostrado = std::move(valor); }
    // Como um valor gravado aparece para o usuário (a pesquisa mostra o nome).
    virtual QString Exibicao(const QString &valor) { return valor; }
    virtual void Limpar() = 0;
    // O valor inicial de um registro novo (InicioCampo), depois de Limpar; 'agora' é o
    // momento do clique em Incluir, o mesmo para todos os campos.
    void Iniciar(const QDateTime &agora);
    // Recusa do valor digitado antes de gravar (vazio: aceito).
    virtual QString Conferir() const { return {}; }
    // Editável (on) ou não, com a cor da regra do campo.
    virtual void Habilitar(bool on);
    // Ocupa a linha inteira da grade (memos, e os campos descritos assim).
    virtual bool Largo() const { return m_campo.largo; }
    // O próprio controle mostra o rótulo (caixas de marcação).
    virtual bool RotuloNoControle() const { return false; }
    // Rótulo de capacidade do campo, quando o tem.
    virtual QLabel *RotuloCapacidade() const { return nullptr; }
    // Por que o valor não pode ser gravado (vazio: pode), conferido no Aceitar antes de
    // qualquer comando: um caractere que o banco não guarda, ou um texto mais longo do
    // que a coluna. A mensagem nomeia o campo.
    virtual QString Recusa() const;
    // O nome do campo nas mensagens: o rótulo sem o atalho.
    QString Nome() const;

    // Cores dos campos.
    static QColor CorEditavel();
    static QColor CorSomenteLeitura();
    static QColor CorPesquisa();
    // Pinta o fundo do controle e põe nele um texto que se lê sobre essa cor (ao menos
    // ContrasteMinimo), habilitado ou não.
    static void Pintar(QWidget *controle, const QColor &cor);
    // A razão de contraste entre duas cores (1 a 21) e a mínima do texto dos campos.
    static double Contraste(const QColor &a, const QColor &b);
    static constexpr double ContrasteMinimo = 4.5;

protected:
    // Põe o momento dado (espécies de data).
    virtual void DefinirAgora(const QDateTime &agora) { Q_UNUSED(agora); }
    // Cria o controle da espécie.
    virtual QWidget *Criar(QWidget *pai) = 0;
    // Só leitura (Escrita e Fixo) do jeito da espécie.
    virtual void SomenteLeitura(bool sim);
    // Registra um controle a mais do campo na janela (pelo objectName).
    void Registrar(QWidget *controle, const QString &nome);

    TFormTabela *Janela() const { return m_janela; }
    // Valor da coluna do campo na linha atual (vazio se a coluna não veio na consulta).
    QString Coluna(const TQuery &consulta) const;

    const Campo m_campo;

private:
    QWidget *m_widget = nullptr;
    TFormTabela *m_janela = nullptr;
    std::optional<QString> m_mostrado;
};

// Limite de caracteres (ComprimentoTexto) só do que o usuário digita ou cola numa caixa
// de texto: o que passa do limite é cortado, com uma nota na barra de status que nomeia
// o campo. Um texto gravado mais longo, mostrado pelo programa, entra inteiro e não
// cresce. (O limite da própria caixa cortaria também o texto mostrado, como a sigla
// "[vazio]", e o corte seria gravado de volta; por isso a caixa fica sem limite próprio,
// nem o de 32767 do toolkit, mesmo sem 'limite'.)
class QLineEdit;
void LimitarDigitacao(QLineEdit *caixa, int limite, const QString &nomeCampo);
// O texto novo de um campo cortado ao limite (ComprimentoTexto), sem partir um caractere:
// numa inserção simples, só o inserido é cortado; numa troca do texto todo, o fim. Nulo
// quando nada do inserido cabe (o anterior já estava no limite ou além). 'posicao'
// recebe o lugar do cursor depois do corte.
QString CortarAoLimite(
    const QString &anterior, const QString &novo, int cursor, int limite, int *posicao = nullptr);
// A nota da barra de status de um texto cortado ao limite do campo, também na barra de
// baixo da janela do campo (LabelNota) por DuracaoNota milissegundos.
void AvisarCorte(const QString &nomeCampo, int limite, QWidget *campo);
constexpr int DuracaoNota = 10000;

// Um construtor de descrição de campo da espécie E (na pasta desta espécie).
template <class E> Campo::Fabrica FabricaDe()
{
    return [](const Campo &c) { return std::make_unique<E>(c); };
}

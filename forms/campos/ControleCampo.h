#pragma once
// Um campo montado numa janela: o controle da sua espécie e o que se faz com ele. A
// janela-base monta os campos da descrição, põe cada um no seu lugar com o rótulo e,
// daí em diante, só fala com eles por aqui: mostrar o valor da linha, ler o valor para
// os comandos, limpar, habilitar para um modo.
#include "Campo.h"

#include <QColor>
#include <QDate>
#include <QString>

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
    // O que fica na coluna dos rótulos: o rótulo, ou o rótulo com o que o acompanha.
    virtual QWidget *MontarRotulo(QWidget *pai, QLabel *rotulo);

    // O valor como os comandos o leem (memo com quebras CR LF, data como DataParaSQL,
    // marcação como 'S'/'N').
    virtual QString Texto() const = 0;
    // Põe um valor vindo do programa (não do usuário).
    virtual void DefinirTexto(const QString &texto) = 0;
    virtual bool Marcado() const;
    virtual QDate Data() const;
    // Copia a coluna da linha atual da consulta para o controle (id: a linha mostrada).
    virtual void Mostrar(const TQuery &consulta, const QString &id);
    virtual void Limpar() = 0;
    // Editável (on) ou não, com a cor da regra do campo.
    virtual void Habilitar(bool on);
    // Ocupa a linha inteira da grade (memos, e os campos descritos assim).
    virtual bool Largo() const { return m_campo.largo; }
    // O próprio controle mostra o rótulo (caixas de marcação).
    virtual bool RotuloNoControle() const { return false; }
    // Rótulo de capacidade do campo, quando o tem.
    virtual QLabel *RotuloCapacidade() const { return nullptr; }

    // Cores dos campos.
    static QColor CorEditavel();
    static QColor CorSomenteLeitura();
    static QColor CorPesquisa();
    static void Pintar(QWidget *controle, const QColor &cor);

protected:
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
};

// Limite de caracteres só do que o usuário digita numa caixa de texto. (O limite da
// própria caixa cortaria também o texto mostrado de uma linha gravada mais longa, como a
// sigla "[vazio]", e o corte seria gravado de volta na próxima alteração.)
class QLineEdit;
void LimitarDigitacao(QLineEdit *caixa, int limite);

// Um construtor de descrição de campo da espécie E (na pasta desta espécie).
template <class E> Campo::Fabrica FabricaDe()
{
    return [](const Campo &c) { return std::make_unique<E>(c); };
}

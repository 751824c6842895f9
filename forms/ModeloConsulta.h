#pragma once
// Modelos da grade de listagem: o resultado aberto de uma TQuery, todas as colunas,
// com os nomes das colunas nos títulos (ModeloConsulta), e as mesmas linhas na ordem e
// com o filtro do usuário (ModeloListagem, com a dobra, a procura e a ordem de
// core/PesquisaOrdem.h). Não copiam nada: leem as linhas da consulta.
#include "Banco.h"

#include <QAbstractTableModel>
#include <functional>

namespace PesquisaOrdem {
class Procura;
}

class ModeloConsulta : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloConsulta(TQuery *consulta, QObject *parent = nullptr);

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(
        int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

    // Linha da consulta mostrada na linha dada da grade (aqui, a mesma).
    virtual int LinhaConsulta(int linhaMostrada) const { return linhaMostrada; }
    TQuery *Consulta() const { return m_consulta; }

    // Listagem em páginas: quando a grade chega ao fim e 'haMais' diz que a consulta tem
    // mais linhas, 'buscar' lê a página seguinte (TQuery::Acrescentar).
    void DefinirPaginas(std::function<bool()> haMais, std::function<void()> buscar);
    bool canFetchMore(const QModelIndex &pai) const override;
    void fetchMore(const QModelIndex &pai) override;

protected:
    // Chamado a cada resultado novo (ou consulta fechada), dentro da troca do modelo.
    virtual void aoRecarregar() { }
    // Linhas acrescentadas ao fim da consulta. A grade as recebe no fim, salvo quando a
    // derivada mostra outra seleção (true em MostraOutraSelecao): então ela a refaz
    // aqui, dentro da troca do modelo.
    virtual bool MostraOutraSelecao() const { return false; }
    virtual void aoAcrescentar() { }

private:
    void recarregar();
    void acrescentar(int quantas);
    TQuery *m_consulta;
    int m_linhas = 0;
    int m_colunas = 0;
    std::function<bool()> m_haMais;
    std::function<void()> m_buscar;
};

// As linhas da consulta na ordem e com o filtro do usuário. Sem os dois, a grade lê a
// consulta direto, sem lista de linhas nenhuma.
class ModeloListagem : public ModeloConsulta {
    Q_OBJECT
public:
    explicit ModeloListagem(TQuery *consulta, QObject *parent = nullptr);

    int rowCount(const QModelIndex &pai = {}) const override;

    int Total() const { return ModeloConsulta::rowCount(); } // linhas da consulta
    int Contagem() const { return rowCount(); } // linhas mostradas
    int LinhaConsulta(int linhaMostrada) const override;
    int LinhaMostrada(int linhaConsulta) const; // -1: fora do filtro
    const QString &Filtro() const { return m_filtro; }
    int ColunaOrdem() const { return m_colunaOrdem; }
    Qt::SortOrder Ordem() const { return m_ordem; }

    // Mostra só as linhas em que alguma coluna contém o texto (vazio: todas).
    void Filtrar(const QString &texto);
    // Ordena pela coluna, pela espécie dos valores (datas, números, texto em ordem
    // portuguesa); as linhas iguais ficam na ordem da consulta.
    void Ordenar(int coluna, Qt::SortOrder ordem);

protected:
    void aoRecarregar() override;
    // Com pesquisa ou ordem, as linhas acrescentadas entram nelas.
    bool MostraOutraSelecao() const override
    {
        return !m_filtro.isEmpty() || !m_ordenadas.isEmpty();
    }
    void aoAcrescentar() override;

private:
    // As linhas que contêm o texto: com 'estreitar', só entre as mostradas; com 'alargar',
    // as mostradas ficam e as outras são procuradas.
    void aplicarFiltro(const PesquisaOrdem::Procura &procura, bool estreitar, bool alargar);
    void refazerPosicoes();

    QString m_filtro;
    QByteArray m_agulha; // o filtro dobrado, em UTF-8
    int m_colunaOrdem = -1;
    Qt::SortOrder m_ordem = Qt::AscendingOrder;
    QList<int> m_ordenadas; // todas as linhas na ordem pedida (vazia: a da consulta)
    QList<int> m_mostradas; // as linhas mostradas, quando há filtro
    QList<int> m_posicoes; // linha da consulta -> linha mostrada (vazia: identidade)
};

#pragma once
// Modelo da grade de listagem: o resultado aberto de uma TQuery, todas as colunas,
// com os nomes das colunas nos títulos. Não copia nada: lê as linhas da consulta.
#include "Banco.h"

#include <QAbstractTableModel>
#include <functional>

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

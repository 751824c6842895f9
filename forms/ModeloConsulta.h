#pragma once
// Modelo da grade de listagem: o resultado aberto de uma TQuery, todas as colunas,
// com os nomes das colunas nos títulos. Não copia nada: lê as linhas da consulta.
#include "Banco.h"

#include <QAbstractTableModel>

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

protected:
    // Chamado a cada resultado novo (ou consulta fechada), dentro da troca do modelo.
    virtual void aoRecarregar() { }

private:
    void recarregar();
    TQuery *m_consulta;
    int m_linhas = 0;
    int m_colunas = 0;
};

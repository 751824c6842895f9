#include "ModeloConsulta.h"

ModeloConsulta::ModeloConsulta(TQuery *consulta, QObject *parent)
    : QAbstractTableModel(parent)
    , m_consulta(consulta)
{
    connect(consulta, &TQuery::Aberta, this, &ModeloConsulta::recarregar);
    connect(consulta, &TQuery::Fechada, this, &ModeloConsulta::recarregar);
    connect(
        consulta, &TQuery::Acrescentadas, this, [this](int, int quantas) { acrescentar(quantas); });
    recarregar();
}

void ModeloConsulta::acrescentar(int quantas)
{
    if (!MostraOutraSelecao()) {
        beginInsertRows({}, m_linhas, m_linhas + quantas - 1);
        m_linhas += quantas;
        endInsertRows();
        return;
    }
    beginResetModel();
    m_linhas += quantas;
    aoAcrescentar();
    endResetModel();
}

void ModeloConsulta::DefinirPaginas(std::function<bool()> haMais, std::function<void()> buscar)
{
    m_haMais = std::move(haMais);
    m_buscar = std::move(buscar);
}

bool ModeloConsulta::canFetchMore(const QModelIndex &pai) const
{
    return !pai.isValid() && m_haMais && m_buscar && m_consulta->Active() && m_haMais();
}

void ModeloConsulta::fetchMore(const QModelIndex &pai)
{
    if (canFetchMore(pai))
        m_buscar();
}

void ModeloConsulta::recarregar()
{
    beginResetModel();
    const bool ativa = m_consulta->Active();
    m_linhas = ativa ? m_consulta->RecordCount() : 0;
    m_colunas = ativa ? m_consulta->ColumnCount() : 0;
    aoRecarregar();
    endResetModel();
}

int ModeloConsulta::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : m_linhas;
}

int ModeloConsulta::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : m_colunas;
}

QVariant ModeloConsulta::data(const QModelIndex &indice, int papel) const
{
    if (papel != Qt::DisplayRole || !indice.isValid() || indice.row() >= rowCount()
        || indice.column() >= m_colunas)
        return {};
    return m_consulta->Texto(LinhaConsulta(indice.row()), indice.column());
}

QVariant ModeloConsulta::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (papel != Qt::DisplayRole)
        return {};
    if (orientacao == Qt::Vertical)
        return QString(); // indicador de linha sem número, como nas grades do programa
    if (secao < 0 || secao >= m_colunas)
        return {};
    return m_consulta->NomesCampos().value(secao);
}

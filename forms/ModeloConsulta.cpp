#include "ModeloConsulta.h"

#include "PesquisaOrdem.h"

#include <QBitArray>
#include <QVarLengthArray>
#include <algorithm>
#include <numeric>

namespace {
// A ordem (crescente) das linhas da consulta pela coluna, pela espécie dos valores; entre
// valores iguais, a ordem da consulta.
QList<int> ordemPor(const TQuery &q, int coluna)
{
    const auto celula = [&q, coluna](int linha) { return q.Bytes(linha, coluna); };
    switch (q.NaturezaCampo(coluna)) {
    case TQuery::Natureza::Numero:
        return PesquisaOrdem::OrdemNumeros(q.RecordCount(), celula);
    case TQuery::Natureza::Data:
        return PesquisaOrdem::OrdemDatas(q.RecordCount(), celula);
    case TQuery::Natureza::Texto:
        break;
    }
    return PesquisaOrdem::OrdemTextos(q.RecordCount(), celula);
}

// As linhas dadas, marcadas entre todas as da consulta.
QBitArray conjunto(const QList<int> &linhas, int total)
{
    QBitArray c(total);
    for (const int linha : linhas)
        c.setBit(linha);
    return c;
}
} // namespace

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

// ---- As linhas na ordem e com o filtro do usuário ------------------------------------

ModeloListagem::ModeloListagem(TQuery *consulta, QObject *parent)
    : ModeloConsulta(consulta, parent)
{
}

int ModeloListagem::rowCount(const QModelIndex &pai) const
{
    if (pai.isValid())
        return 0;
    return m_filtro.isEmpty() ? Total() : int(m_mostradas.size());
}

int ModeloListagem::LinhaConsulta(int linhaMostrada) const
{
    if (linhaMostrada < 0 || linhaMostrada >= rowCount())
        return -1;
    if (!m_filtro.isEmpty())
        return m_mostradas.at(linhaMostrada);
    return m_ordenadas.isEmpty() ? linhaMostrada : m_ordenadas.at(linhaMostrada);
}

int ModeloListagem::LinhaMostrada(int linhaConsulta) const
{
    if (linhaConsulta < 0 || linhaConsulta >= Total())
        return -1;
    return m_posicoes.isEmpty() ? linhaConsulta : m_posicoes.at(linhaConsulta);
}

void ModeloListagem::aoRecarregar()
{
    m_filtro.clear();
    m_agulha.clear();
    m_colunaOrdem = -1;
    m_ordem = Qt::AscendingOrder;
    m_ordenadas = {};
    m_mostradas = {};
    m_posicoes = {};
}

void ModeloListagem::aoAcrescentar()
{
    if (m_colunaOrdem >= 0 && !m_ordenadas.isEmpty()) {
        m_ordenadas = ordemPor(*Consulta(), m_colunaOrdem);
        if (m_ordem == Qt::DescendingOrder)
            std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    }
    if (!m_filtro.isEmpty())
        aplicarFiltro(PesquisaOrdem::Procura(m_filtro), false, false);
    refazerPosicoes();
}

void ModeloListagem::aplicarFiltro(
    const PesquisaOrdem::Procura &procura, bool estreitar, bool alargar)
{
    QList<int> candidatas;
    QBitArray achada; // ao alargar: as mostradas, que contêm o texto sem procurar
    if (estreitar) {
        candidatas.swap(m_mostradas);
    } else {
        if (alargar)
            achada = conjunto(m_mostradas, Total());
        if (!m_ordenadas.isEmpty()) {
            candidatas = m_ordenadas;
        } else {
            candidatas.resize(Total());
            std::iota(candidatas.begin(), candidatas.end(), 0);
        }
    }
    const TQuery &q = *Consulta();
    QVarLengthArray<QByteArrayView, 32> celulas(columnCount());
    m_mostradas.clear();
    for (const int linha : std::as_const(candidatas)) {
        if (!alargar || !achada.testBit(linha)) {
            q.BytesLinha(linha, celulas.data());
            if (!procura.AlgumaContem(celulas))
                continue;
        }
        m_mostradas << linha;
    }
}

void ModeloListagem::refazerPosicoes()
{
    if (m_filtro.isEmpty() && m_ordenadas.isEmpty()) {
        m_posicoes = {};
        return;
    }
    m_posicoes.fill(-1, Total());
    for (int i = 0, n = rowCount(); i < n; ++i)
        m_posicoes[LinhaConsulta(i)] = i;
}

void ModeloListagem::Filtrar(const QString &texto)
{
    const PesquisaOrdem::Procura procura(texto);
    const QByteArray &agulha = procura.Agulha();
    if (agulha == m_agulha && (texto.isEmpty() == m_filtro.isEmpty()))
        return;
    // Quem contém o texto novo contém o anterior: ao digitar mais, só as mostradas. Quem
    // contém o anterior contém o novo: ao apagar, as mostradas ficam sem procurar de novo.
    const bool anterior = !m_filtro.isEmpty() && !m_agulha.isEmpty();
    const bool estreitar = anterior && agulha.contains(m_agulha);
    const bool alargar = anterior && m_agulha.contains(agulha);
    beginResetModel();
    m_filtro = texto;
    m_agulha = agulha;
    if (texto.isEmpty())
        m_mostradas = {};
    else
        aplicarFiltro(procura, estreitar, alargar);
    refazerPosicoes();
    endResetModel();
}

void ModeloListagem::Ordenar(int coluna, Qt::SortOrder ordem)
{
    if (coluna < 0 || coluna >= columnCount())
        return;
    beginResetModel();
    if (coluna != m_colunaOrdem || m_ordenadas.isEmpty()) {
        m_ordenadas = ordemPor(*Consulta(), coluna);
        if (ordem == Qt::DescendingOrder)
            std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    } else if (ordem != m_ordem) {
        std::reverse(m_ordenadas.begin(), m_ordenadas.end());
    }
    m_colunaOrdem = coluna;
    m_ordem = ordem;
    if (!m_filtro.isEmpty()) {
        // As mesmas linhas mostradas, na ordem nova.
        const QBitArray mostrada = conjunto(m_mostradas, Total());
        m_mostradas.clear();
        for (const int linha : std::as_const(m_ordenadas))
            if (mostrada.testBit(linha))
                m_mostradas << linha;
    }
    refazerPosicoes();
    endResetModel();
}

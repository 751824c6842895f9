#include "VerificarEnderecos.h"

#include "Tabela.h"
#include "VerificacaoEnderecos.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// Para a frente (a plataforma sem tela dos testes não empilha janelas).
void paraFrente(QWidget *janela)
{
    if (QGuiApplication::platformName() != u"offscreen"_s)
        janela->raise();
}

// A coluna da lista de título dado (-1 se não há).
int colunaDe(const QAbstractItemModel *m, const QString &titulo)
{
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->headerData(c, Qt::Horizontal).toString().compare(titulo, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}
} // namespace

TFormVerificarEnderecos::TFormVerificarEnderecos(TFormTabela &janela, const QString &coluna)
    : QDialog(&janela)
    , m_janela(janela)
    , m_coluna(coluna)
    , m_verificacao(new VerificacaoEnderecos(this))
{
    setObjectName(u"FormVerificarEnderecos"_s);
    setWindowTitle(u"Verificar endereços"_s);
    auto *v = new QVBoxLayout(this);
    LabelVerificacao = new QLabel(this);
    LabelVerificacao->setObjectName(u"LabelVerificacao"_s);
    LabelVerificacao->setWordWrap(true);
    v->addWidget(LabelVerificacao);
    auto *h = new QHBoxLayout;
    ProgressBarVerificacao = new QProgressBar(this);
    ProgressBarVerificacao->setObjectName(u"ProgressBarVerificacao"_s);
    ProgressBarVerificacao->setAccessibleName(u"Progresso da verificação"_s);
    h->addWidget(ProgressBarVerificacao, 1);
    BitBtnCancelar = new QPushButton(u"Cancelar"_s, this);
    BitBtnCancelar->setObjectName(u"BitBtnCancelar"_s);
    h->addWidget(BitBtnCancelar);
    v->addLayout(h);
    ListaFalhas = new QTreeWidget(this);
    ListaFalhas->setObjectName(u"ListaFalhas"_s);
    ListaFalhas->setAccessibleName(u"Endereços com problema"_s);
    ListaFalhas->setHeaderLabels({ u"Nome"_s, coluna, u"Resultado"_s });
    ListaFalhas->setRootIsDecorated(false);
    ListaFalhas->header()->setStretchLastSection(true);
    ListaFalhas->setColumnWidth(0, 180);
    ListaFalhas->setColumnWidth(1, 260);
    v->addWidget(ListaFalhas, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    BitBtnMostrar = new QPushButton(u"&Mostrar na lista"_s, this);
    BitBtnMostrar->setObjectName(u"BitBtnMostrar"_s);
    BitBtnFechar = new QPushButton(u"&Fechar"_s, this);
    BitBtnFechar->setObjectName(u"BitBtnFechar"_s);
    botoes->addWidget(BitBtnMostrar);
    botoes->addWidget(BitBtnFechar);
    v->addLayout(botoes);
    resize(640, 360);

    connect(BitBtnCancelar, &QPushButton::clicked, m_verificacao, &VerificacaoEnderecos::Cancelar);
    connect(BitBtnFechar, &QPushButton::clicked, this, &QDialog::close);
    connect(BitBtnMostrar, &QPushButton::clicked, this, [this] { MostrarFalha(); });
    connect(ListaFalhas, &QTreeWidget::itemDoubleClicked, this, [this] { MostrarFalha(); });
    connect(m_verificacao, &VerificacaoEnderecos::Progresso, this, [this](int feitos, int total) {
        ProgressBarVerificacao->setRange(0, std::max(total, 1));
        ProgressBarVerificacao->setValue(total ? feitos : 1);
        LabelVerificacao->setText(u"Verificando os endereços: "_s + QString::number(feitos)
            + u" de "_s + QString::number(total) + u'.');
    });
    connect(m_verificacao, &VerificacaoEnderecos::Terminou, this, [this] { terminou(); });
}

void TFormVerificarEnderecos::Iniciar()
{
    QList<VerificacaoEnderecos::Endereco> lista;
    const QAbstractItemModel *m = m_janela.DBGridPesquisa->model();
    const int id = colunaDe(m, u"Id"_s), nome = colunaDe(m, u"Nome"_s),
              endereco = colunaDe(m, m_coluna);
    for (int l = 0; m && endereco >= 0 && l < m->rowCount(); ++l)
        lista.append({ m->index(l, id).data().toString(), m->index(l, nome).data().toString(),
            m->index(l, endereco).data().toString().trimmed() });
    ListaFalhas->clear();
    BitBtnCancelar->setEnabled(true);
    BitBtnMostrar->setEnabled(false);
    m_verificacao->Iniciar(lista);
}

void TFormVerificarEnderecos::terminou()
{
    BitBtnCancelar->setEnabled(false);
    const auto falhas = m_verificacao->Falhas();
    for (const auto &f : falhas) {
        auto *item = new QTreeWidgetItem(ListaFalhas, { f.nome, f.endereco, f.resultado });
        item->setData(0, Qt::UserRole, f.id);
    }
    if (ListaFalhas->topLevelItemCount() > 0)
        ListaFalhas->setCurrentItem(ListaFalhas->topLevelItem(0));
    BitBtnMostrar->setEnabled(!falhas.isEmpty());
    const int total = int(m_verificacao->Enderecos().size());
    QString texto = m_verificacao->Cancelada()
        ? u"Verificação cancelada: "_s + QString::number(m_verificacao->Feitos()) + u" de "_s
            + QString::number(total) + u" endereços verificados"_s
        : QString::number(total) + u" endereços verificados"_s;
    texto += falhas.isEmpty()
        ? u"; nenhum com problema."_s
        : u"; "_s + QString::number(falhas.size()) + u" com problema (abaixo)."_s;
    LabelVerificacao->setText(texto);
}

bool TFormVerificarEnderecos::MostrarFalha()
{
    const QTreeWidgetItem *item = ListaFalhas->currentItem();
    if (!item || m_janela.Editando())
        return false;
    const QString id = item->data(0, Qt::UserRole).toString();
    QTableView *grade = m_janela.DBGridPesquisa;
    const QAbstractItemModel *m = grade->model();
    const int colunaId = colunaDe(m, u"Id"_s);
    for (int l = 0; l < m->rowCount(); ++l)
        if (m->index(l, colunaId).data().toString() == id) {
            const QModelIndex indice = m->index(l, std::max(colunaDe(m, u"Nome"_s), 0));
            grade->scrollTo(indice);
            grade->setCurrentIndex(indice);
            m_janela.DBGridPesquisaCellClick(indice);
            paraFrente(&m_janela);
            return true;
        }
    return false;
}

TFormVerificarEnderecos *VerificarEnderecos(TFormTabela &janela, const QString &coluna)
{
    auto *f = janela.findChild<TFormVerificarEnderecos *>(u"FormVerificarEnderecos"_s);
    if (!f)
        f = new TFormVerificarEnderecos(janela, coluna);
    f->show();
    paraFrente(f);
    f->Iniciar();
    return f;
}

#include "ConverterAno.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
TFormConverterAno *programa = nullptr;
} // namespace

TFormConverterAno::TFormConverterAno(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    if (!programa)
        programa = this;
    setObjectName(u"FormConverterAno"_s);
    setWindowTitle(u"Converter Ano"_s);
    setModal(true);

    auto *titulo = new QLabel(u"Converter todos os ítens do calendário escolar"_s, this);
    titulo->setObjectName(u"Label1"_s);
    const auto lista = [this](const QString &nome) {
        auto *l = new QComboBox(this);
        l->setObjectName(nome);
        l->addItems(Anos(QDate::currentDate().year()));
        l->setCurrentIndex(-1); // nada escolhido no início
        return l;
    };
    ComboBoxAnoOriginal = lista(u"ComboBoxAnoOriginal"_s);
    ComboBoxAnoConverter = lista(u"ComboBoxAnoConverter"_s);
    auto *grade = new QGridLayout;
    const struct {
        QString nome, texto;
        QComboBox *lista;
    } linhas[] = { { u"Label2"_s, u"que são do &ano"_s, ComboBoxAnoOriginal },
        { u"Label3"_s, u"&para o ano"_s, ComboBoxAnoConverter } };
    for (int i = 0; i < 2; ++i) {
        auto *rotulo = new QLabel(linhas[i].texto, this);
        rotulo->setObjectName(linhas[i].nome);
        rotulo->setBuddy(linhas[i].lista);
        linhas[i].lista->setAccessibleName(QString(linhas[i].texto).remove(u'&'));
        grade->addWidget(rotulo, i, 0);
        grade->addWidget(linhas[i].lista, i, 1);
    }

    BitBtnConverter = new QPushButton(u"&Converter"_s, this);
    BitBtnConverter->setObjectName(u"BitBtnConverter"_s);
    BitBtnConverter->setDefault(true);
    BitBtnCancelar = new QPushButton(u"&Cancelar"_s, this);
    BitBtnCancelar->setObjectName(u"BitBtnCancelar"_s);
    BitBtnCancelar->setAutoDefault(false);
    connect(BitBtnConverter, &QPushButton::clicked, this, [this] { BitBtnConverterClick(); });
    connect(BitBtnCancelar, &QPushButton::clicked, this, [this] { BitBtnCancelarClick(); });
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BitBtnConverter);
    botoes->addWidget(BitBtnCancelar);

    auto *coluna = new QVBoxLayout(this);
    coluna->addWidget(titulo);
    coluna->addLayout(grade);
    coluna->addSpacing(8);
    coluna->addLayout(botoes);
    coluna->setSizeConstraint(QLayout::SetFixedSize);
}

TFormConverterAno::~TFormConverterAno()
{
    if (programa == this)
        programa = nullptr;
}

TFormConverterAno *TFormConverterAno::Programa()
{
    return programa;
}

QStringList TFormConverterAno::Anos(int anoAtual)
{
    QStringList anos;
    for (int ano = 2002; ano <= std::max(anoAtual + 1, 2010); ++ano)
        anos << QString::number(ano);
    return anos;
}

void TFormConverterAno::BitBtnConverterClick()
{
    Confirmado
        = ComboBoxAnoOriginal->currentIndex() >= 0 && ComboBoxAnoConverter->currentIndex() >= 0;
    done(Accepted);
}

void TFormConverterAno::BitBtnCancelarClick()
{
    Confirmado = false;
    done(Rejected);
}

void TFormConverterAno::reject()
{
    BitBtnCancelarClick();
}

void TFormConverterAno::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    if (QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

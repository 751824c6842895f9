#include "Sobre.h"

#include "Aplicacao.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString Creditos = u"Projeto da página na Internet da faculdade QORVEL KVA: o Tarvisco "
                         "mantém o banco de dados que a página publica.\n"
                         "\n"
                         "WebMaster: ramal 3636 ou pelo endereço de e-mail informado em "
                         "\"Contactar WebMaster...\".\n"
                         "\n"
                         "Direção da faculdade:\n"
                         "  Diretoria e Vice-Diretoria da QORVEL KVA\n"
                         "\n"
                         "Equipe técnica:\n"
                         "  Seção de Informática da QORVEL KVA\n"
                         "\n"
                         "Desenvolvimento:\n"
                         "  Oficina Nortear de Sistemas\n"
                         "\n"
                         "Colaboradores:\n"
                         "  Secretarias dos departamentos, seções de Graduação, de "
                         "Pós-graduação e de Pessoal.\n"_s;

// Figura da caixa: um quadro azul com a inicial do programa.
QPixmap figura()
{
    QPixmap p(96, 96);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 96, 96);
    fundo.setColorAt(0, QColor(0x1E, 0x5A, 0xA8));
    fundo.setColorAt(1, QColor(0x0B, 0x2A, 0x55));
    pintor.setBrush(fundo);
    pintor.setPen(Qt::NoPen);
    pintor.drawRoundedRect(QRectF(2, 2, 92, 92), 14, 14);
    QFont letra(u"Serif"_s);
    letra.setPixelSize(64);
    letra.setBold(true);
    pintor.setFont(letra);
    pintor.setPen(Qt::white);
    pintor.drawText(QRect(0, 0, 96, 96), Qt::AlignCenter, u"T"_s);
    return p;
}
} // namespace

QString TFormSobre::EnderecoEmpresa()
{
    return u"https://oficina-nortear.example.com/"_s;
}

TFormSobre::TFormSobre(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"FormSobre"_s);
    setWindowTitle(u"Sobre o programa..."_s);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setPixmap(figura());
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Image1->installEventFilter(this);

    About = new QTextEdit(this);
    About->setObjectName(u"About"_s);
    About->setReadOnly(true);
    About->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    About->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    About->setPlainText(Creditos);

    BitBtnOk = new QPushButton(u"OK"_s, this);
    BitBtnOk->setObjectName(u"BitBtnOk"_s);
    BitBtnOk->setDefault(true);

    Timer = new QTimer(this);
    Timer->setObjectName(u"Timer"_s);
    Timer->setInterval(3000);

    auto *linha = new QHBoxLayout;
    linha->addWidget(Image1);
    linha->addWidget(About, 1);
    auto *coluna = new QVBoxLayout(this);
    coluna->addLayout(linha);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BitBtnOk);
    coluna->addLayout(botoes);
    resize(520, 320);

    connect(BitBtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(Timer, &QTimer::timeout, this, &QDialog::close);
}

void TFormSobre::MostrarAbertura(const QStringList &linhas)
{
    About->setPlainText(linhas.join(u'\n') + u"\n\n"_s + About->toPlainText());
    BitBtnOk->hide();
    Timer->start();
    show();
    raise();
}

void TFormSobre::showEvent(QShowEvent *evento)
{
    if (!evento->spontaneous())
        CentralizarNaTela(this);
    QDialog::showEvent(evento);
}

void TFormSobre::hideEvent(QHideEvent *evento)
{
    // Fechada (pelo temporizador ou pelo OK): da próxima vez é a caixa comum, com OK.
    if (!evento->spontaneous()) {
        Timer->stop();
        BitBtnOk->show();
    }
    QDialog::hideEvent(evento);
}

bool TFormSobre::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == Image1
        && (evento->type() == QEvent::MouseButtonRelease
            || evento->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        AbrirEndereco(EnderecoEmpresa());
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

#include "Sobre.h"

#include "Aplicacao.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
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
    // A figura é o ícone do programa, já desenhado no tamanho da caixa: sem pintura nem
    // fonte a carregar na abertura.
    Image1->setPixmap(QPixmap(u":/imagens/abertura.png"_s));
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
    // As linhas entram na frente dos créditos sem refazer o texto todo.
    QTextCursor inicio(About->document());
    inicio.insertText(linhas.join(u'\n') + u"\n\n"_s);
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

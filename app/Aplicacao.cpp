#include "Aplicacao.h"

#include "Mensagens.h"
#include "PedidoSenha.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {
QString &titulo()
{
    static QString t;
    return t;
}

AcaoAbrirEndereco &acaoAbrir()
{
    static AcaoAbrirEndereco a;
    return a;
}

int mostrarCaixa(TipoMensagem tipo, const QString &texto)
{
    QMessageBox caixa(QApplication::activeWindow());
    caixa.setObjectName(u"CaixaMensagem"_s);
    caixa.setWindowTitle(TituloAplicacao());
    caixa.setTextFormat(Qt::PlainText);
    caixa.setText(Mensagens::TextoParaTela(texto));
    switch (tipo) {
    case TipoMensagem::Informacao:
        caixa.setIcon(QMessageBox::Information);
        caixa.setStandardButtons(QMessageBox::Ok);
        break;
    case TipoMensagem::Erro:
        caixa.setIcon(QMessageBox::Critical);
        caixa.setStandardButtons(QMessageBox::Ok);
        break;
    case TipoMensagem::Confirmacao:
        caixa.setIcon(QMessageBox::Question);
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caixa.setDefaultButton(QMessageBox::Yes);
        break;
    case TipoMensagem::Pendente: {
        caixa.setIcon(QMessageBox::Question);
        QPushButton *gravar = caixa.addButton(u"&Gravar"_s, QMessageBox::AcceptRole);
        QPushButton *descartar = caixa.addButton(u"&Descartar"_s, QMessageBox::DestructiveRole);
        QPushButton *voltar = caixa.addButton(u"&Voltar"_s, QMessageBox::RejectRole);
        caixa.setDefaultButton(gravar);
        caixa.setEscapeButton(voltar);
        caixa.exec();
        if (caixa.clickedButton() == gravar)
            return int(RespostaPendente::Gravar);
        if (caixa.clickedButton() == descartar)
            return int(RespostaPendente::Descartar);
        return int(RespostaPendente::Voltar);
    }
    }
    return caixa.exec() == QMessageBox::Yes ? 1 : 0;
}
} // namespace

void PrepararPrograma()
{
    DefinirTituloAplicacao(u"Tarvisco 1.7"_s);
    CarregarTraducoes();
    InstalarMensagensTela();
    InstalarPedidoSenha();
    QApplication::setQuitOnLastWindowClosed(false);
    InstalarIconePrograma();
}

void InstalarIconePrograma()
{
    // O do tema da área de trabalho (o instalado), ou a figura do programa; toda janela
    // sem ícone próprio usa o da aplicação.
    QApplication::setWindowIcon(
        QIcon::fromTheme(IdentificadorDesktop(), QIcon(u":/imagens/abertura.png"_s)));
}

QString IdentificadorDesktop()
{
    return QStringLiteral(TARVISCO_ID);
}

QString PastaTrabalhoInstalada(const QString &pastaPrograma)
{
    const QString entrada
        = pastaPrograma + u"/../share/applications/"_s + IdentificadorDesktop() + u".desktop"_s;
    if (!QFileInfo::exists(entrada))
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/tarvisco"_s;
}

bool EntrarNaPastaTrabalho()
{
    const QString pasta = PastaTrabalhoInstalada(QCoreApplication::applicationDirPath());
    if (pasta.isEmpty())
        return true;
    if (QDir().mkpath(pasta) && QDir::setCurrent(pasta))
        return true;
    qWarning().noquote() << "pasta de trabalho" << pasta << "não pôde ser usada";
    return false;
}

void DefinirTituloAplicacao(const QString &t)
{
    titulo() = t;
    QCoreApplication::setApplicationName(t);
}

QString TituloAplicacao()
{
    return titulo().isEmpty() ? QCoreApplication::applicationName() : titulo();
}

bool CarregarTraducoes()
{
    static QPointer<QTranslator> traducao;
    if (traducao)
        return true;
    auto *t = new QTranslator(QCoreApplication::instance());
    if (!t->load(u"qtbase_pt_BR"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    traducao = t;
    return true;
}

void InstalarMensagensTela()
{
    Mensagens::Instalar(mostrarCaixa);
}

void AbrirEndereco(const QString &endereco)
{
    if (acaoAbrir())
        acaoAbrir()(endereco);
    else
        QDesktopServices::openUrl(QUrl::fromUserInput(endereco));
}

void DefinirAbrirEndereco(AcaoAbrirEndereco acao)
{
    acaoAbrir() = std::move(acao);
}

void CentralizarNaTela(QWidget *janela)
{
    QScreen *tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    if (!tela)
        return;
    const QRect area = tela->availableGeometry();
    const QSize tamanho = janela->frameGeometry().size();
    janela->move(area.center() - QPoint(tamanho.width() / 2, tamanho.height() / 2));
}

#include "VerificacaoEnderecos.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
int tempoPadrao = 10000;
} // namespace

VerificacaoEnderecos::VerificacaoEnderecos(QObject *pai)
    : QObject(pai)
    , m_rede(new QNetworkAccessManager(this))
    , m_tempoMaximo(tempoPadrao)
{
}

void VerificacaoEnderecos::DefinirTempoPadrao(int tempoMaximo)
{
    tempoPadrao = std::max(1, tempoMaximo);
}

VerificacaoEnderecos::~VerificacaoEnderecos()
{
    m_cancelada = true;
    for (QNetworkReply *r : std::as_const(m_emCurso)) {
        r->disconnect(this);
        r->abort();
    }
}

bool VerificacaoEnderecos::Completo(const QString &endereco)
{
    const QString e = endereco.trimmed();
    if (!e.startsWith(u"http://"_s, Qt::CaseInsensitive)
        && !e.startsWith(u"https://"_s, Qt::CaseInsensitive))
        return false;
    const QUrl url(e);
    return url.isValid() && !url.host().isEmpty();
}

void VerificacaoEnderecos::DefinirLimites(int simultaneos, int tempoMaximo)
{
    m_simultaneos = std::max(1, simultaneos);
    m_tempoMaximo = std::max(1, tempoMaximo);
}

void VerificacaoEnderecos::Iniciar(const QList<Endereco> &lista)
{
    // uma verificação em curso é abandonada
    for (QNetworkReply *r : std::exchange(m_emCurso, {})) {
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
    m_lista.clear();
    for (const Endereco &e : lista)
        if (Completo(e.endereco))
            m_lista.append(e);
    m_proximo = m_feitos = 0;
    m_ativa = true;
    m_cancelada = false;
    emit Progresso(0, int(m_lista.size()));
    proximos();
}

void VerificacaoEnderecos::Cancelar()
{
    if (!m_ativa)
        return;
    m_cancelada = true;
    m_ativa = false;
    const QList<QNetworkReply *> emCurso = m_emCurso;
    m_emCurso.clear();
    for (QNetworkReply *r : emCurso) {
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
    emit Terminou();
}

QList<VerificacaoEnderecos::Endereco> VerificacaoEnderecos::Falhas() const
{
    QList<Endereco> falhas;
    for (int i = 0; i < m_proximo && i < m_lista.size(); ++i)
        if (!m_lista[i].respondeu && !m_lista[i].resultado.isEmpty())
            falhas.append(m_lista[i]);
    return falhas;
}

void VerificacaoEnderecos::proximos()
{
    while (m_ativa && m_emCurso.size() < m_simultaneos && m_proximo < m_lista.size())
        pedir(m_proximo++, false);
    if (m_ativa && m_emCurso.isEmpty() && m_proximo >= m_lista.size()) {
        m_ativa = false;
        emit Terminou();
    }
}

void VerificacaoEnderecos::pedir(int indice, bool get)
{
    QNetworkRequest pedido(QUrl(m_lista[indice].endereco.trimmed()));
    pedido.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    pedido.setMaximumRedirectsAllowed(10);
    pedido.setTransferTimeout(m_tempoMaximo);
    pedido.setHeader(QNetworkRequest::UserAgentHeader, u"Tarvisco (verificação de endereços)"_s);
    QNetworkReply *r = get ? m_rede->get(pedido) : m_rede->head(pedido);
    m_emCurso.append(r);
    if (get) // do GET basta o cabeçalho da resposta: o corpo não é lido
        connect(r, &QNetworkReply::metaDataChanged, this, [r] {
            if (r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() / 100 != 3)
                QMetaObject::invokeMethod(r, &QNetworkReply::abort, Qt::QueuedConnection);
        });
    connect(r, &QNetworkReply::finished, this, [this, r, indice, get] {
        m_emCurso.removeOne(r);
        r->deleteLater();
        respondido(r, indice, get);
    });
}

void VerificacaoEnderecos::respondido(QNetworkReply *r, int indice, bool get)
{
    const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError erro = r->error();
    if (status >= 200 && status < 300
        && (erro == QNetworkReply::NoError || erro == QNetworkReply::OperationCanceledError)) {
        concluir(indice, true, u"HTTP "_s + QString::number(status));
        return;
    }
    // HEAD recusado (ou respondido com erro) por um servidor que responde: de novo com GET
    if (!get && status >= 400) {
        pedir(indice, true);
        return;
    }
    QString resultado;
    if (status > 0)
        resultado = u"HTTP "_s + QString::number(status);
    else if (erro == QNetworkReply::OperationCanceledError || erro == QNetworkReply::TimeoutError)
        resultado = u"sem resposta em "_s + QString::number((m_tempoMaximo + 999) / 1000) + u" s"_s;
    else
        resultado = r->errorString();
    concluir(indice, false, resultado);
}

void VerificacaoEnderecos::concluir(int indice, bool respondeu, const QString &resultado)
{
    m_lista[indice].respondeu = respondeu;
    m_lista[indice].resultado = resultado;
    ++m_feitos;
    emit Progresso(m_feitos, int(m_lista.size()));
    proximos();
}

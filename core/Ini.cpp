#include "Ini.h"

#include "Cp1252.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

const QString ArquivoConfiguracoes = u"Tarvisco.ini"_s;

namespace {
// Nome da seção de uma linha "[Nome]", ou nulo quando a linha não é cabeçalho.
QString nomeSecao(const QString &linha)
{
    const QString t = linha.trimmed();
    if (!t.startsWith(u'['))
        return {};
    const qsizetype fim = t.indexOf(u']');
    if (fim < 0)
        return {};
    return t.mid(1, fim - 1).trimmed();
}

bool ehComentario(const QString &linha)
{
    const QString t = linha.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

bool mesmoNome(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

ArquivoIni::ArquivoIni(const QString &caminho)
    : m_caminho(caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = arquivo.readAll();
    QString texto;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        texto = QString::fromUtf8(bytes.mid(3));
    else
        texto = Cp1252::Decodificar(bytes);
    texto.replace(u"\r\n"_s, u"\n"_s);
    texto.replace(u'\r', u'\n');
    m_linhas = texto.split(u'\n');
    if (!m_linhas.isEmpty() && m_linhas.constLast().isEmpty())
        m_linhas.removeLast();
}

qsizetype ArquivoIni::secao(const QString &nome) const
{
    for (qsizetype i = 0; i < m_linhas.size(); ++i) {
        const QString s = nomeSecao(m_linhas.at(i));
        if (!s.isNull() && mesmoNome(s, nome))
            return i;
    }
    return -1;
}

qsizetype ArquivoIni::fimSecao(qsizetype inicio) const
{
    qsizetype i = inicio + 1;
    while (i < m_linhas.size() && nomeSecao(m_linhas.at(i)).isNull())
        ++i;
    return i;
}

qsizetype ArquivoIni::chave(qsizetype inicio, const QString &nome) const
{
    const qsizetype fim = fimSecao(inicio);
    for (qsizetype i = inicio + 1; i < fim; ++i) {
        const QString &linha = m_linhas.at(i);
        const qsizetype igual = linha.indexOf(u'=');
        if (igual > 0 && !ehComentario(linha) && mesmoNome(linha.left(igual).trimmed(), nome))
            return i;
    }
    return -1;
}

QString ArquivoIni::LerTexto(
    const QString &secaoNome, const QString &chaveNome, const QString &padrao) const
{
    const qsizetype s = secao(secaoNome);
    if (s < 0)
        return padrao;
    const qsizetype c = chave(s, chaveNome);
    if (c < 0)
        return padrao;
    const QString &linha = m_linhas.at(c);
    QString valor = linha.mid(linha.indexOf(u'=') + 1).trimmed();
    if (valor.size() >= 2
        && ((valor.startsWith(u'"') && valor.endsWith(u'"'))
            || (valor.startsWith(u'\'') && valor.endsWith(u'\''))))
        valor = valor.mid(1, valor.size() - 2);
    return valor;
}

int ArquivoIni::LerInteiro(const QString &secaoNome, const QString &chaveNome, int padrao) const
{
    QString valor = LerTexto(secaoNome, chaveNome);
    bool ok = false;
    int numero = 0;
    bool negativo = valor.startsWith(u'-');
    QString corpo = negativo ? valor.mid(1) : valor;
    if (corpo.startsWith(u'$'))
        numero = corpo.mid(1).toInt(&ok, 16);
    else if (corpo.startsWith(u"0x"_s, Qt::CaseInsensitive))
        numero = corpo.mid(2).toInt(&ok, 16);
    else if (!corpo.isEmpty() && corpo.at(0).isDigit())
        numero = corpo.toInt(&ok, 10);
    if (!ok)
        return padrao;
    return negativo ? -numero : numero;
}

void ArquivoIni::EscreverTexto(
    const QString &secaoNome, const QString &chaveNome, const QString &valor)
{
    const QString linhaNova = chaveNome + u'=' + valor;
    qsizetype s = secao(secaoNome);
    if (s < 0) {
        if (!m_linhas.isEmpty() && !m_linhas.constLast().trimmed().isEmpty())
            m_linhas.append(QString());
        m_linhas.append(u'[' + secaoNome + u']');
        m_linhas.append(linhaNova);
        return;
    }
    const qsizetype c = chave(s, chaveNome);
    if (c >= 0) {
        m_linhas[c] = linhaNova;
        return;
    }
    // Depois da última linha não vazia da seção.
    qsizetype pos = fimSecao(s);
    while (pos - 1 > s && m_linhas.at(pos - 1).trimmed().isEmpty())
        --pos;
    m_linhas.insert(pos, linhaNova);
}

void ArquivoIni::EscreverInteiro(const QString &secaoNome, const QString &chaveNome, int valor)
{
    EscreverTexto(secaoNome, chaveNome, QString::number(valor));
}

bool ArquivoIni::Gravar(QString *erro) const
{
    QByteArray bytes;
    for (const QString &linha : m_linhas)
        bytes += Cp1252::Codificar(linha) + "\r\n";
    QSaveFile arquivo(m_caminho);
    arquivo.setDirectWriteFallback(true);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(bytes) != bytes.size()
        || !arquivo.commit()) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    return true;
}

#include "BancoFonte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {
// Caminho de arquivo do Dados_HP.conf: relativo à pasta de trabalho.
QString caminhoArquivo(const QString &valor)
{
    if (valor.isEmpty() || valor == u"system"_s)
        return valor;
    return QDir::current().absoluteFilePath(valor);
}

// "#" no início da linha ou depois de um espaço começa um comentário.
QString semComentario(const QString &linha)
{
    for (qsizetype i = 0; i < linha.size(); ++i)
        if (linha.at(i) == u'#' && (i == 0 || linha.at(i - 1).isSpace()))
            return linha.left(i);
    return linha;
}

// Autoridades certificadoras do sistema (Debian/Ubuntu, Fedora/RHEL, Alpine/BSD).
QString raizesDoSistema()
{
    for (const QString &p : { u"/etc/ssl/certs/ca-certificates.crt"_s,
             u"/etc/pki/tls/certs/ca-bundle.crt"_s, u"/etc/ssl/cert.pem"_s })
        if (QFileInfo::exists(p))
            return p;
    return {};
}

// Valor de uma opção do libpq entre aspas simples (barra e aspas com barra invertida).
// O driver troca todo ";" das opções por espaço: um valor com ";" não passa.
QString valorOpcao(const QString &chave, const QString &valor)
{
    if (valor.contains(u';'))
        throw ErroBanco(FalhaTls { u"o valor de %1 contém \";\"."_s.arg(chave),
            u"Use um caminho sem \";\" para o arquivo."_s, valor }
                            .Texto());
    QString v = valor;
    v.replace(u'\\', u"\\\\"_s).replace(u'\'', u"\\'"_s);
    return u";%1='%2'"_s.arg(chave, v);
}

} // namespace

FonteDados FonteDados::Definicao()
{
    FonteDados f;
    QFile arquivo(u"Dados_HP.conf"_s);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return f;
    QTextStream in(&arquivo);
    while (!in.atEnd()) {
        const QString linha = semComentario(in.readLine()).trimmed();
        if (linha.isEmpty())
            continue;
        const qsizetype igual = linha.indexOf(u'=');
        if (igual < 0)
            continue;
        const QString chave = linha.left(igual).trimmed().toLower();
        const QString valor = linha.mid(igual + 1).trimmed();
        if (chave == u"motor"_s)
            f.motor = valor.toLower().startsWith(u"postgres"_s) ? PostgreSQL : SQLite;
        else if (chave == u"arquivo"_s)
            f.arquivo = valor;
        else if (chave == u"host"_s)
            f.host = valor;
        else if (chave == u"porta"_s)
            f.porta = valor.toInt();
        else if (chave == u"banco"_s)
            f.banco = valor;
        else if (chave == u"sslmode"_s)
            f.sslmode = valor;
        else if (chave == u"sslrootcert"_s)
            f.sslrootcert = caminhoArquivo(valor);
        else if (chave == u"sslcert"_s)
            f.sslcert = caminhoArquivo(valor);
        else if (chave == u"sslkey"_s)
            f.sslkey = caminhoArquivo(valor);
        else if (chave == u"keepalives"_s)
            f.keepalives = valor != u"0"_s;
        else if (int *segundos = chave == u"connect_timeout"_s ? &f.connectTimeout
                : chave == u"keepalives_idle"_s                ? &f.keepalivesIdle
                : chave == u"keepalives_interval"_s            ? &f.keepalivesInterval
                : chave == u"keepalives_count"_s               ? &f.keepalivesCount
                : chave == u"statement_timeout"_s              ? &f.statementTimeout
                : chave == u"lock_timeout"_s                   ? &f.lockTimeout
                                                               : nullptr) {
            // Um número inválido ou negativo fica com o padrão.
            bool ok = false;
            const int n = valor.toInt(&ok);
            if (ok && n >= 0)
                *segundos = n;
        }
    }
    return f;
}

bool FonteDados::SoqueteLocal() const
{
    return host.isEmpty() || host.startsWith(u'/') || host.startsWith(u'@');
}

QString FonteDados::ModoTls() const
{
    if (!sslmode.isEmpty())
        return sslmode;
    return SoqueteLocal() ? QString() : u"verify-full"_s;
}

QString FonteDados::OpcoesConexao() const
{
    // Barra invertida sem significado dentro de aspas desde o início da sessão, qualquer
    // que seja o padrão do servidor.
    QString o = u"connect_timeout=%1"_s.arg(connectTimeout)
        + valorOpcao(u"options"_s, u"-c standard_conforming_strings=on"_s);
    if (keepalives)
        o += u";keepalives=1;keepalives_idle=%1;keepalives_interval=%2;keepalives_count=%3"_s
                 .arg(keepalivesIdle)
                 .arg(keepalivesInterval)
                 .arg(keepalivesCount);
    else
        o += u";keepalives=0"_s;
    const QString modo = ModoTls();
    if (!modo.isEmpty())
        o += valorOpcao(u"sslmode"_s, modo);
    const bool verifica = modo.startsWith(u"verify-"_s);
    const QString raiz = (sslrootcert.isEmpty() || sslrootcert == u"system"_s)
        ? (verifica ? raizesDoSistema() : QString())
        : sslrootcert;
    if (!raiz.isEmpty())
        o += valorOpcao(u"sslrootcert"_s, raiz);
    if (!sslcert.isEmpty())
        o += valorOpcao(u"sslcert"_s, sslcert);
    if (!sslkey.isEmpty())
        o += valorOpcao(u"sslkey"_s, sslkey);
    return o;
}

int FonteDados::EsperaMaximaMs() const
{
    if (statementTimeout <= 0)
        return 0;
    // O servidor corta o comando em statement_timeout; connect_timeout a mais para a
    // resposta dele chegar pela rede.
    return (statementTimeout + connectTimeout) * 1000;
}

std::optional<FalhaTls> FalhaTls::DoLibpq(
    const QString &textoLibpq, const FonteDados &fonte, const QString &onde)
{
    const QString t = textoLibpq.toLower();
    const QString tecnico = textoLibpq.trimmed();
    const QString raiz
        = u"Peça à equipe de informática o certificado raiz do servidor e indique o arquivo em "
          "sslrootcert %1."_s.arg(onde);
    if (t.contains(u"server does not support ssl"_s))
        return FalhaTls { u"o servidor não aceita conexões criptografadas (TLS)."_s,
            u"Peça à equipe de informática que ative o TLS no servidor PostgreSQL (ssl = on e "
            "uma linha hostssl no pg_hba.conf)."_s,
            tecnico };
    if (t.contains(u"does not match host name"_s)
        || t.contains(u"could not get server's host name"_s))
        return FalhaTls { u"o certificado do servidor não foi emitido para o nome %1."_s.arg(
                              fonte.host),
            u"Confira o host %1 (o nome que está no certificado) ou peça à equipe de informática "
            "um certificado emitido para esse nome."_s.arg(onde),
            tecnico };
    if (t.contains(u"root certificate file"_s))
        return FalhaTls {
            u"o arquivo do certificado raiz não foi encontrado ou não pôde ser lido."_s, raiz,
            tecnico
        };
    if (t.contains(u"certificate verify failed"_s))
        return FalhaTls {
            u"o certificado do servidor não foi emitido por uma autoridade confiável."_s, raiz,
            tecnico
        };
    if (t.contains(u"certificate file"_s) || t.contains(u"private key"_s))
        return FalhaTls { u"o certificado do cliente (sslcert e sslkey) não pôde ser usado."_s,
            u"Confira os arquivos sslcert e sslkey %1 (a chave só pode ser lida pelo seu "
            "usuário) ou peça à equipe de informática um novo certificado."_s.arg(onde),
            tecnico };
    if (t.contains(u"invalid sslmode value"_s))
        return FalhaTls { u"o valor de sslmode %1 não é válido."_s.arg(onde),
            u"Use verify-full (o padrão), verify-ca, require, prefer, allow ou disable."_s,
            tecnico };
    if (t.contains(u"pg_hba.conf"_s) && t.contains(u"no encryption"_s))
        return FalhaTls { u"o servidor recusou a conexão sem criptografia."_s,
            u"Retire o sslmode disable %1 ou peça à equipe de informática que libere o acesso "
            "desta máquina."_s.arg(onde),
            tecnico };
    if (t.contains(u"ssl error"_s) || t.contains(u"ssl syscall"_s)
        || t.contains(u"ssl connection"_s))
        return FalhaTls { u"a negociação da conexão criptografada (TLS) falhou."_s,
            u"Informe à equipe de informática a mensagem técnica abaixo."_s, tecnico };
    return std::nullopt;
}

QString TextoFalhaConexao(const QString &texto, const FonteDados &fonte, const QString &onde)
{
    if (const auto tls = FalhaTls::DoLibpq(texto, fonte, onde))
        return tls->Texto();
    const QString t = texto.toLower();
    if (t.contains(u"password authentication failed"_s) || t.contains(u"no password supplied"_s)
        || (t.contains(u"role"_s) && t.contains(u"does not exist"_s))
        || t.contains(u"autenticação"_s))
        return u"Unknown user name or password. "_s + texto;
    return u"Cannot connect to database server. "_s + texto;
}

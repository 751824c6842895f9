#include "Arquivos.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Um limite de tamanho de arquivo (ulimit -f) mataria o programa com SIGXFSZ no meio de
// uma gravação, com tudo o que estivesse sendo editado; ignorado, a escrita só falha
// (EFBIG) e o motivo é dito ao usuário.
void ignorarLimiteDeTamanho()
{
    static const bool feito = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    Q_UNUSED(feito);
}

QByteArray local(const QString &caminho)
{
    return QFile::encodeName(caminho);
}

// Escreve tudo no descritor; errno da falha em 'codigo'.
bool escreverTudo(int fd, const QByteArray &conteudo, int *codigo)
{
    const char *p = conteudo.constData();
    qsizetype falta = conteudo.size();
    while (falta > 0) {
        const ssize_t n = ::write(fd, p, size_t(falta));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *codigo = errno;
            return false;
        }
        if (n == 0) { // nada escrito sem erro: o disco não aceita mais
            *codigo = ENOSPC;
            return false;
        }
        p += n;
        falta -= n;
    }
    return true;
}

// Motivo de uma falha no caminho: um arquivo no lugar de uma das pastas é dito pelo nome.
QString motivoNoCaminho(const QString &caminho, int codigo)
{
    if (codigo == ENOTDIR || codigo == EEXIST) {
        QFileInfo pasta(QFileInfo(caminho).path());
        while (!pasta.filePath().isEmpty() && pasta.filePath() != u"."_s) {
            if (pasta.exists() && !pasta.isDir())
                return u"existe um arquivo chamado \""_s + pasta.fileName()
                    + u"\" no lugar da pasta"_s;
            const QString acima = pasta.path();
            if (acima == pasta.filePath())
                break;
            pasta = QFileInfo(acima);
        }
    }
    return Arquivos::Motivo(codigo);
}

// Grava direto no arquivo existente (pasta sem permissão de criar o temporário).
bool gravarDireto(const QString &caminho, const QByteArray &conteudo, int *codigo)
{
    const int fd = ::open(local(caminho).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        *codigo = errno;
        return false;
    }
    bool ok = escreverTudo(fd, conteudo, codigo);
    if (::close(fd) != 0 && ok) {
        *codigo = errno;
        ok = false;
    }
    return ok;
}
} // namespace

namespace Arquivos {
QString Motivo(int codigo)
{
    switch (codigo) {
    case ENOSPC:
        return u"não há espaço livre no disco"_s;
    case EDQUOT:
        return u"a cota de disco do usuário se esgotou"_s;
    case EFBIG:
        return u"o arquivo passaria do tamanho máximo permitido para arquivos"_s;
    case EACCES:
    case EPERM:
        return u"permissão negada"_s;
    case EROFS:
        return u"o disco só permite leitura"_s;
    case ENOENT:
        return u"a pasta não existe"_s;
    case ENOTDIR:
        return u"uma parte do caminho não é uma pasta"_s;
    case EISDIR:
        return u"existe uma pasta com o nome do arquivo"_s;
    case EEXIST:
        return u"já existe um arquivo com esse nome"_s;
    case EIO:
        return u"erro de leitura ou gravação no disco"_s;
    case ENAMETOOLONG:
        return u"o nome do arquivo é longo demais"_s;
    case EMFILE:
    case ENFILE:
        return u"há arquivos abertos demais"_s;
    case ETXTBSY:
    case EBUSY:
        return u"o arquivo está em uso por outro programa"_s;
    default:
        return u"erro do sistema número %1 (%2)"_s.arg(codigo).arg(
            QString::fromLocal8Bit(std::strerror(codigo)));
    }
}

bool CriarPasta(const QString &caminho, QString *motivo)
{
    const QFileInfo info(caminho);
    if (info.isDir())
        return true;
    if (info.exists()) {
        if (motivo)
            *motivo
                = u"existe um arquivo chamado \""_s + info.fileName() + u"\" no lugar da pasta"_s;
        return false;
    }
    const QString acima = info.path();
    if (acima != caminho && !acima.isEmpty() && acima != u"."_s && !CriarPasta(acima, motivo))
        return false;
    if (::mkdir(local(caminho).constData(), 0777) != 0 && errno != EEXIST) {
        if (motivo)
            *motivo = motivoNoCaminho(caminho + u"/x"_s, errno);
        return false;
    }
    return true;
}

bool Gravar(const QString &caminho, const QByteArray &conteudo, QString *motivo)
{
    ignorarLimiteDeTamanho();
    int codigo = 0;
    const QFileInfo destino(caminho);
    if (destino.isDir()) {
        if (motivo)
            *motivo = Motivo(EISDIR);
        return false;
    }
    QByteArray temporario = local(destino.path() + u"/."_s + destino.fileName() + u".XXXXXX"_s);
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0) {
        codigo = errno;
        if ((codigo == EACCES || codigo == EPERM) && destino.exists()) {
            if (gravarDireto(caminho, conteudo, &codigo))
                return true;
        }
        if (motivo)
            *motivo = motivoNoCaminho(caminho, codigo);
        return false;
    }
    // Mesmas permissões de um arquivo criado pelo programa (a máscara do usuário vale).
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    ::fchmod(fd, 0666 & ~mascara);
    bool ok = escreverTudo(fd, conteudo, &codigo);
    if (::close(fd) != 0 && ok) {
        codigo = errno;
        ok = false;
    }
    if (ok && ::rename(temporario.constData(), local(caminho).constData()) != 0) {
        codigo = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporario.constData());
        if (motivo)
            *motivo = motivoNoCaminho(caminho, codigo);
    }
    return ok;
}
} // namespace Arquivos

#include "BancoFalhas.h"

#include <QDir>
#include <QStringList>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

const QString FalhaConexaoPerdida = u"Connection lost. "_s;
const QString FalhaSemConexao = u"Not connected. A conexão com o banco de dados não está aberta."_s;

const QString FalhaArquivoBanco = u"Arquivo do banco de dados: "_s;

namespace {
const QString PrefixoFalhaTls = u"Conexão segura não estabelecida: "_s;
} // namespace

ErroBanco::ErroBanco(const QString &mensagem)
    : m_mensagem(mensagem)
    , m_utf8(mensagem.toUtf8())
{
}

FalhaSQLite FalhaSQLite::De(int codigo, const QString &arquivo, qint64 tamanho)
{
    const QString nome = QDir::toNativeSeparators(arquivo);
    FalhaSQLite f;
    f.perdida = true;
    if (tamanho < 0) {
        // Apagado ou movido com o programa conectado: o SQLite o vê como só de leitura.
        f.motivo = u"o arquivo %1 foi apagado ou movido enquanto o programa o usava."_s.arg(nome);
        return f;
    }
    if (tamanho == 0) {
        // Um arquivo de 0 bytes é um banco vazio para o SQLite: nenhuma tabela.
        f.motivo = u"o arquivo %1 está vazio (0 bytes): o banco de dados que ele tinha se "
                   "perdeu."_s.arg(nome);
        return f;
    }
    switch (codigo & 0xFF) {
    case SQLITE_FULL:
        f.motivo = u"o disco onde está o arquivo %1 está cheio (ou o arquivo chegou ao tamanho "
                   "máximo): nada foi gravado."_s.arg(nome);
        f.perdida = false;
        return f;
    case SQLITE_READONLY:
        if (codigo == SQLITE_READONLY_DBMOVED) {
            f.motivo
                = u"o arquivo %1 foi apagado ou movido enquanto o programa o usava."_s.arg(nome);
            return f;
        }
        f.motivo = u"o arquivo %1 só pode ser lido (falta a permissão de gravar nele ou na "
                   "pasta dele): nada foi gravado."_s.arg(nome);
        f.perdida = false;
        return f;
    default:
        return {};
    }
}

QString FalhaSQLite::MotivoDe(const QString &texto)
{
    if (!texto.startsWith(FalhaArquivoBanco))
        return {};
    return texto.mid(FalhaArquivoBanco.size()).section(u'\n', 0, 0);
}

QString FalhaTls::Texto() const
{
    return PrefixoFalhaTls + motivo + u'\n' + pedido + u'\n' + tecnico;
}

std::optional<FalhaTls> FalhaTls::De(const QString &texto)
{
    if (!texto.startsWith(PrefixoFalhaTls))
        return std::nullopt;
    const QStringList partes = texto.mid(PrefixoFalhaTls.size()).split(u'\n');
    FalhaTls f;
    f.motivo = partes.value(0);
    f.pedido = partes.value(1);
    f.tecnico = partes.mid(2).join(u'\n');
    return f;
}

#include "BancoFalhas.h"

#include <QStringList>

using namespace Qt::StringLiterals;

const QString FalhaConexaoPerdida = u"Connection lost. "_s;
const QString FalhaSemConexao = u"Not connected. A conexão com o banco de dados não está aberta."_s;

namespace {
const QString PrefixoFalhaTls = u"Conexão segura não estabelecida: "_s;
} // namespace

ErroBanco::ErroBanco(const QString &mensagem)
    : m_mensagem(mensagem)
    , m_utf8(mensagem.toUtf8())
{
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

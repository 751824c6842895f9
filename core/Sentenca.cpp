#include "Sentenca.h"

#include "Banco.h"
#include "CatalogoTabelas.h"
#include "Rotinas.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString CitarTexto(const QString &texto)
{
    if (texto.contains(QChar(0)))
        throw ErroBanco(
            u"O texto contém um caractere nulo (código 0), que não pode ser gravado."_s);
    QString t = texto;
    t.replace(u'\'', u"''"_s);
    return u'\'' + t + u'\'';
}

QString ValorInteiro(const QString &texto)
{
    static const QRegularExpression inteiro(u"^-?[0-9]{1,18}$"_s);
    if (!inteiro.match(texto).hasMatch())
        throw ErroBanco(u"Valor inteiro inválido: \""_s + texto + u'"');
    return texto;
}

namespace {
bool presente(const LinhaSentenca &l, const QList<bool> &anteriores, const FonteValores &v)
{
    if (!l.presenca.condicao.isEmpty() && !v.Condicao(l.presenca.condicao))
        return false;
    switch (l.presenca.tipo) {
    case Presenca::Sempre:
        return true;
    case Presenca::SeNaoVazio:
        return !v.Texto(l.presenca.campo).isEmpty();
    case Presenca::SeVazio:
        return v.Texto(l.presenca.campo).isEmpty();
    case Presenca::ComLinha: {
        const int i = l.presenca.linha - 1;
        return i >= 0 && i < anteriores.size() && anteriores.at(i);
    }
    case Presenca::SeMarcado:
        return v.Marcado(l.presenca.campo);
    case Presenca::SeCondicao:
        return v.Condicao(l.presenca.campo);
    }
    return true;
}

QString renderizarLinha(const QString &modelo, int numeroTabela, const FonteValores &v)
{
    QString saida;
    qsizetype i = 0;
    while (i < modelo.size()) {
        const QChar c = modelo.at(i);
        if (c != u'{') {
            saida += c;
            ++i;
            continue;
        }
        const qsizetype fim = modelo.indexOf(u'}', i);
        if (fim < 0) {
            saida += modelo.mid(i);
            break;
        }
        const QString marca = modelo.mid(i + 1, fim - i - 1);
        i = fim + 1;
        if (marca == u"T"_s) {
            saida += NomeTabela(numeroTabela);
            continue;
        }
        const QChar tipo = marca.isEmpty() ? QChar() : marca.at(0);
        const QString controle = marca.mid(1);
        if (tipo == u'\'')
            saida += CitarTexto(v.Texto(controle));
        else if (tipo == u'#')
            saida += ValorInteiro(v.Texto(controle));
        else if (tipo == u'?')
            saida += u'\'' + LogicoParaTexto(v.Marcado(controle)) + u'\'';
        else if (tipo == u'@')
            saida += u'\'' + DataParaSQL(v.Data(controle)) + u'\'';
        else
            saida += u'{' + marca + u'}';
    }
    return saida;
}
} // namespace

QStringList RenderizarSentenca(
    const TabelaLinhas &linhas, int numeroTabela, const FonteValores &valores)
{
    QStringList saida;
    QList<bool> presentes;
    for (const LinhaSentenca &l : linhas) {
        const bool p = presente(l, presentes, valores);
        presentes.append(p);
        if (p)
            saida << renderizarLinha(l.texto, numeroTabela, valores);
    }
    return saida;
}

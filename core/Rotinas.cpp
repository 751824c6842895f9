#include "Rotinas.h"

#include "Banco.h"
#include "CatalogoTabelas.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "SaidaMemoria.h"

#include <QDir>
#include <QLocale>
#include <QTime>

using namespace Qt::StringLiterals;

QString NomePrograma = u"Tarvisco"_s;
QString VersaoPrograma = QStringLiteral(TARVISCO_VERSAO);
QString EmailWebMaster = u"webmaster@qorvel.example.org"_s;

namespace {
constexpr int LimiteLinhas = 2000;

SaidaEventos *&saidaInstalada()
{
    static SaidaEventos *s = nullptr;
    return s;
}

SaidaEventos &saida()
{
    static SaidaMemoria memoria;
    SaidaEventos *s = saidaInstalada();
    return s ? *s : memoria;
}
} // namespace

void InstalarSaidaEventos(SaidaEventos *s)
{
    saidaInstalada() = s;
}
SaidaEventos *SaidaEventosAtual()
{
    return &saida();
}

QString FormatoHoraLongo(const QLocale &local)
{
    // O formato longo do Qt traz o fuso horário ('t'); o registro mostra só a hora do dia.
    const QString formato = local.timeFormat(QLocale::LongFormat);
    QString semFuso;
    bool literal = false;
    for (const QChar c : formato) {
        if (c == u'\'')
            literal = !literal;
        if (!literal && c == u't')
            continue;
        semFuso += c;
    }
    return semFuso.trimmed();
}

QString HoraRegistro()
{
    const QLocale local = QLocale::system();
    return local.toString(QTime::currentTime(), FormatoHoraLongo(local));
}

void RegistrarEvento(int n, const QString &estado, const QString &mensagem)
{
    SaidaEventos &s = saida();
    if (s.NumeroLinhas() > LimiteLinhas)
        s.Limpar();
    QString texto = TituloTabela(n) + u", "_s + estado;
    if (!mensagem.isEmpty())
        texto += u", "_s + mensagem;
    s.AcrescentarLinha(HoraRegistro() + u' ' + texto, CorTabela(n));
}

void RegistrarErro(int n, const QString &erro)
{
    SaidaEventos &s = saida();
    if (s.NumeroLinhas() > LimiteLinhas) {
        // O registro cheio vai para log/eventos.log antes de ser esvaziado. Se a
        // gravação falhar, o usuário é avisado e o erro do banco segue o caminho normal.
        // Sem a linha de sucesso quando a gravação falhou.
        QString falha;
        const bool gravado = QDir().mkpath(u"log"_s) && s.GravarRtf(u"log/eventos.log"_s, &falha);
        if (!gravado)
            Mensagens::Erro(u"Não foi possível gravar o arquivo log/eventos.log:\n\r"_s
                + (falha.isEmpty() ? u"a pasta log não pôde ser criada."_s : falha));
        s.Limpar();
        if (gravado)
            s.AcrescentarLinha(
                HoraRegistro() + u" Arquivo eventos.log gravado com sucesso"_s, Qt::black);
    }

    QString texto;
    if (erro.contains(u"Unknown user name or password"_s)) {
        texto = TituloTabela(n) + u", conexão não realizada, nome do usuário ou senha incorretos"_s;
        Mensagens::Informar(
            u"Erro de Login:\n\r\n\rNome do usuário ou senha incorretos.\n\rConexão não realizada."_s);
    } else if (erro.contains(u"Cannot connect"_s)) {
        texto = TituloTabela(n) + u", conexão não realizada."_s;
    } else if (const auto tls = FalhaTls::De(erro)) {
        // TLS: o motivo e o que pedir à informática; o texto técnico fica no registro.
        texto = TituloTabela(n) + u", conexão não realizada, conexão segura não estabelecida: "_s
            + tls->motivo + u"\r\n"_s + tls->tecnico;
        Mensagens::Informar(u"Erro de Conexão Segura:\n\r\n\rNão foi possível estabelecer a "
                            "conexão criptografada com o servidor: "_s
            + tls->motivo + u"\n\r\n\r"_s + tls->pedido + u"\n\rConexão não realizada."_s);
    } else {
        texto = TituloTabela(n) + u", erro de SQL, "_s + u"\r\n"_s + erro;
        Mensagens::Informar(
            u"Erro de SQL:\n\r\n\rEntre em contato com o Seção de Informática e informe o seguinte erro:\n\r\n\rTabela: "_s
            + TituloTabela(n) + u"\n\r"_s + u"\n\r"_s + u"Mensagem: "_s + u"\n\r"_s + texto);
    }
    s.AcrescentarLinha(HoraRegistro() + u' ' + texto, CorTabela(n));
}

void RegistrarAbertura()
{
    saida().AcrescentarLinha(
        NomePrograma + u' ' + VersaoPrograma + u" - editor do banco de dados da página"_s,
        Qt::black);
}

void RegistrarUsuario()
{
    saida().AcrescentarLinha(
        HoraRegistro() + u" Tarvisco, Rodando como usuário ["_s + NomeNivel(NivelAcesso) + u']',
        Qt::black);
    AtualizarTitulo(u'[' + NomeNivel(NivelAcesso) + u']');
}

void MostrarStatus(const QString &texto)
{
    saida().DefinirStatus(texto);
}

void AtualizarTitulo(const QString &sufixo)
{
    QString titulo = NomePrograma + u' ' + VersaoPrograma;
    if (!sufixo.isEmpty())
        titulo += u' ' + sufixo;
    saida().DefinirTitulo(titulo);
}

bool TextoParaLogico(const QString &texto)
{
    return !texto.isEmpty() && texto.at(0).toUpper() == u'S';
}

QString LogicoParaTexto(bool valor)
{
    return valor ? u"S"_s : u"N"_s;
}

QString DataParaSQL(const QDate &data)
{
    if (!data.isValid() || data.year() < 2000)
        return u"01/01/2000"_s;
    return u"%1/%2/%3"_s.arg(data.month()).arg(data.day()).arg(data.year());
}

QString DataHoraParaSQL(const QString &hora, const QString &minuto, const QDate &data)
{
    return DataParaSQL(data) + u' ' + (hora.isEmpty() ? u"00"_s : hora) + u':'
        + (minuto.isEmpty() ? u"00"_s : minuto) + u":00"_s;
}

QString RemoverEspacosFinais(const QString &texto)
{
    qsizetype fim = texto.size();
    while (fim > 0 && texto.at(fim - 1) == u' ')
        --fim;
    return texto.left(fim);
}

int CapacidadeUsada(const QString &texto, int maximo)
{
    if (maximo <= 0)
        return 0;
    // "\r\n" já conta dois; uma quebra sozinha ("\n" ou "\r") conta dois também.
    qint64 tamanho = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') {
            tamanho += 2;
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            tamanho += 2;
        } else {
            ++tamanho;
        }
    }
    return int(tamanho * 100 / maximo);
}

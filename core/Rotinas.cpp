#include "Rotinas.h"

#include "Arquivos.h"
#include "BancoFalhas.h"
#include "CatalogoTabelas.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "SaidaMemoria.h"
#include "Servidor.h"

#include <QDateTime>
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

// Quantos BlocoRegistro estão abertos; o bloco vai para o destino do momento.
int &blocosAbertos()
{
    static int n = 0;
    return n;
}

// Antes de uma caixa de mensagem: o bloco aberto é mostrado, e continua.
void mostrarBloco(SaidaEventos &s)
{
    if (blocosAbertos() > 0) {
        s.TerminarBloco();
        s.IniciarBloco();
    }
}

// Gravação do registro cheio em log/eventos.log. Quando ela falha, o registro fica como
// estava (nada se perde) e a gravação fica pendente: cada erro seguinte tenta de novo e,
// entre um erro e outro, a cada LimiteLinhas linhas novas; enquanto isso o registro não
// é esvaziado. O usuário é avisado uma vez, com o motivo, até a gravação voltar a dar
// certo.
struct EstadoGravacao {
    bool pendente = false;
    bool avisado = false;
    int linhasNaTentativa = 0;
};
EstadoGravacao &gravacao()
{
    static EstadoGravacao g;
    return g;
}

const QString ArquivoLog = u"log/eventos.log"_s;

// Grava, esvazia e escreve a linha de sucesso; false (registro intacto) na falha.
bool gravarEEsvaziar(SaidaEventos &s)
{
    EstadoGravacao &g = gravacao();
    QString motivo;
    const bool gravado
        = Arquivos::CriarPasta(u"log"_s, &motivo) && s.GravarRtf(ArquivoLog, &motivo);
    if (!gravado) {
        g.pendente = true;
        g.linhasNaTentativa = s.NumeroLinhas();
        if (!g.avisado) {
            g.avisado = true;
            mostrarBloco(s);
            Mensagens::Erro(u"Não foi possível gravar o arquivo "_s + ArquivoLog + u": "_s + motivo
                + u".\n\rO registro de eventos continua na tela e será gravado inteiro na "
                  "próxima vez que for possível."_s);
        }
        return false;
    }
    g = {};
    s.Limpar();
    s.AcrescentarLinha(HoraRegistro() + u" Arquivo eventos.log gravado com sucesso"_s, Qt::black);
    return true;
}
} // namespace

void InstalarSaidaEventos(SaidaEventos *s)
{
    // Um destino novo começa sem gravação pendente; um bloco aberto passa para ele.
    if (blocosAbertos() > 0)
        saida().TerminarBloco();
    saidaInstalada() = s;
    gravacao() = {};
    if (blocosAbertos() > 0)
        saida().IniciarBloco();
}

BlocoRegistro::BlocoRegistro()
{
    if (blocosAbertos()++ == 0)
        saida().IniciarBloco();
}

BlocoRegistro::~BlocoRegistro()
{
    if (--blocosAbertos() == 0)
        saida().TerminarBloco();
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
    // O formato do sistema, lido uma vez; a hora formatada vale o segundo inteiro (muitas
    // linhas no mesmo segundo não a formatam de novo).
    static const QLocale local = QLocale::system();
    static const QString formato = FormatoHoraLongo(local);
    static qint64 segundo = -1;
    static QString hora;
    const qint64 agora = QDateTime::currentMSecsSinceEpoch();
    if (agora / 1000 != segundo) {
        segundo = agora / 1000;
        hora = local.toString(QDateTime::fromMSecsSinceEpoch(agora).time(), formato);
    }
    return hora;
}

void RegistrarEvento(int n, const QString &estado, const QString &mensagem)
{
    SaidaEventos &s = saida();
    if (s.NumeroLinhas() > LimiteLinhas) {
        // Sem gravação pendente, o registro cheio é esvaziado sem ser gravado.
        const EstadoGravacao &g = gravacao();
        if (!g.pendente)
            s.Limpar();
        else if (s.NumeroLinhas() >= g.linhasNaTentativa + LimiteLinhas)
            gravarEEsvaziar(s);
    }
    QString texto = TituloTabela(n) + u", "_s + estado;
    if (!mensagem.isEmpty())
        texto += u", "_s + mensagem;
    s.AcrescentarLinha(HoraRegistro() + u' ' + texto, CorTabela(n));
}

void RegistrarErro(int n, const QString &erro)
{
    SaidaEventos &s = saida();
    if (s.NumeroLinhas() > LimiteLinhas)
        gravarEEsvaziar(s); // uma falha deixa o registro como estava, e a linha entra nele

    QString texto;
    mostrarBloco(s);
    if (erro.contains(u"Unknown user name or password"_s)) {
        texto = TituloTabela(n) + u", conexão não realizada, nome do usuário ou senha incorretos"_s;
        Mensagens::Informar(
            u"Erro de Login:\n\r\n\rNome do usuário ou senha incorretos.\n\rConexão não realizada."_s);
    } else if (const QString motivo = FalhaSQLite::MotivoDe(erro); !motivo.isEmpty()) {
        // O arquivo SQLite (vazio, disco cheio, só de leitura): o motivo, numa caixa só.
        texto = TituloTabela(n) + u", falha no arquivo do banco de dados, "_s + u"\r\n"_s
            + erro.mid(FalhaArquivoBanco.size());
        Mensagens::Informar(u"Erro no Banco de Dados:\n\r\n\r"_s + motivo.left(1).toUpper()
            + motivo.mid(1)
            + u"\n\r\n\rO que estava sendo incluído ou modificado continua nas "
              "janelas."_s);
    } else if (erro.contains(u"Cannot connect"_s)) {
        texto = TituloTabela(n) + u", conexão não realizada."_s;
    } else if (erro.startsWith(FalhaConexaoPerdida)) {
        // A janela principal já avisou o usuário, uma vez, da conexão perdida.
        texto = TituloTabela(n) + u", conexão com o servidor perdida, "_s + u"\r\n"_s
            + erro.mid(FalhaConexaoPerdida.size());
    } else if (erro == FalhaSemConexao) {
        texto = TituloTabela(n) + u", sem conexão com o servidor"_s;
    } else if (const auto tls = FalhaTls::De(erro)) {
        // TLS: o motivo e o que pedir à informática; o texto técnico fica no registro.
        texto = TituloTabela(n) + u", conexão não realizada, conexão segura não estabelecida: "_s
            + tls->motivo + u"\r\n"_s + tls->tecnico;
        Mensagens::Informar(u"Erro de Conexão Segura:\n\r\n\rNão foi possível estabelecer a "
                            "conexão criptografada com o servidor: "_s
            + tls->motivo + u"\n\r\n\r"_s + tls->pedido + u"\n\rConexão não realizada."_s);
    } else if (RecusaPorLinha(erro)) {
        // Não é um erro: o servidor não deixa este login gravar a linha.
        texto = TituloTabela(n) + u", gravação recusada pelo servidor, "_s + u"\r\n"_s + erro;
        Mensagens::Informar(MensagemRecusaPorLinha());
    } else {
        texto = TituloTabela(n) + u", erro de SQL, "_s + u"\r\n"_s + erro;
        Mensagens::Informar(
            u"Erro de SQL:\n\r\n\rEntre em contato com o Seção de Informática e informe o seguinte erro:\n\r\n\rTabela: "_s
            + TituloTabela(n) + u"\n\r"_s + u"\n\r"_s + u"Mensagem: "_s + u"\n\r"_s + texto);
    }
    s.AcrescentarLinha(HoraRegistro() + u' ' + texto, CorTabela(n));
}

QString MensagemRecusaPorLinha()
{
    return u"Gravação recusada pelo servidor:\n\r\n\rO usuário ["_s + NomeNivel(NivelAcesso)
        + u"] não pode gravar esta ficha: cada departamento inclui, altera e exclui só as "
          "fichas do seu próprio departamento.\n\rNada foi gravado."_s;
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

void MostrarNota(const QString &texto)
{
    saida().MostrarNota(texto);
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

qsizetype ComprimentoTexto(const QString &texto)
{
    qsizetype tamanho = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') {
            tamanho += 2;
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            tamanho += 2;
        } else {
            // Um par substituto é um caractere só.
            if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate())
                ++i;
            ++tamanho;
        }
    }
    return tamanho;
}

int CapacidadeUsada(const QString &texto, int maximo)
{
    if (maximo <= 0)
        return 0;
    return int(qint64(ComprimentoTexto(texto)) * 100 / maximo);
}

bool TemCaractereNaoGravavel(const QString &texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isNull())
            return true;
        if (c.isHighSurrogate()) {
            if (i + 1 >= texto.size() || !texto.at(i + 1).isLowSurrogate())
                return true;
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

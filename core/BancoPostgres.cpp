// O PostgreSQL por baixo da conexão QPSQL aberta: o leitor de resultados linha a linha, os
// comandos em lote, a sessão que caiu e o estado do TLS. Quem chama o libpq é o módulo do
// PostgreSQL (ModuloPostgres.h), carregado aqui na primeira conexão PostgreSQL: o padrão
// embutido (SQLite) não carrega o módulo, o libpq nem as bibliotecas dele (TLS, Kerberos,
// LDAP...), que pesavam no início do programa.
#include "BancoPostgres.h"

#include "BancoConexao.h"
#include "BancoMotores.h"
#include "Esquema.h"
#include "ModuloPostgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QSqlDriver>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/socket.h>
#include <thread>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
struct Carregado {
    const ModuloPostgres *modulo = nullptr;
    QString falha; // por que o módulo não pôde ser usado (vazio: carregado)
};

// O módulo, carregado na primeira vez que é pedido e dali até o fim do programa: ao lado
// do executável (a pasta de compilação) ou na pasta de bibliotecas do programa instalado.
const Carregado &carregado()
{
    static const Carregado c = [] {
        Carregado r;
        const QString nome = QStringLiteral(TARVISCO_MODULO_POSTGRES);
        const QDir pasta(QCoreApplication::applicationDirPath());
        const QDir instalado(pasta.filePath(QStringLiteral(TARVISCO_PASTA_MODULOS)));
        QStringList tentativas;
        for (const QString &caminho : { pasta.filePath(nome), instalado.filePath(nome) }) {
            if (!QFileInfo::exists(caminho))
                continue;
            QLibrary modulo(QDir::cleanPath(caminho));
            const auto entrada = reinterpret_cast<FuncaoEntradaModuloPostgres>(
                modulo.resolve(EntradaModuloPostgres));
            if (!entrada) {
                tentativas << modulo.errorString();
                continue;
            }
            r.modulo = entrada(VersaoModuloPostgres);
            if (r.modulo)
                return r;
            tentativas << u"%1 é de outra versão do programa"_s.arg(modulo.fileName());
        }
        if (tentativas.isEmpty())
            tentativas << u"%1 não está em %2 nem em %3"_s.arg(nome,
                QDir::toNativeSeparators(pasta.path()),
                QDir::toNativeSeparators(QDir::cleanPath(instalado.path())));
        r.falha = u"O módulo do PostgreSQL não pôde ser carregado: "_s + tentativas.join(u"; "_s);
        return r;
    }();
    return c;
}

// O módulo carregado, ou a falha que diz por que não.
const ModuloPostgres &modulo(TDatabase &db)
{
    const Carregado &c = carregado();
    if (!c.modulo)
        throw db.Falha(c.falha);
    return *c.modulo;
}

// O vigia dos comandos do programa: uma linha de execução que espera o prazo do comando em
// curso e, vencido, corta o soquete (shutdown): o libpq, parado à espera da resposta, vê
// a conexão fechada e volta. Criada no primeiro comando vigiado.
class Vigilante {
public:
    static Vigilante &Programa()
    {
        static Vigilante v;
        return v;
    }
    void Armar(int soquete, int ms)
    {
        {
            const std::lock_guard trava(m_trava);
            m_soquete = soquete;
            m_prazo = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        }
        m_sinal.notify_one();
    }
    void Desarmar()
    {
        const std::lock_guard trava(m_trava);
        m_soquete = -1;
    }
    ~Vigilante()
    {
        {
            const std::lock_guard trava(m_trava);
            m_fim = true;
        }
        m_sinal.notify_one();
        m_linha.join();
    }

private:
    Vigilante()
        : m_linha([this] { vigiar(); })
    {
    }
    void vigiar()
    {
        std::unique_lock trava(m_trava);
        while (!m_fim) {
            if (m_soquete < 0) {
                m_sinal.wait(trava);
                continue;
            }
            m_sinal.wait_until(trava, m_prazo);
            if (m_soquete >= 0 && std::chrono::steady_clock::now() >= m_prazo) {
                ::shutdown(m_soquete, SHUT_RDWR);
                m_soquete = -1;
            }
        }
    }
    std::mutex m_trava;
    std::condition_variable m_sinal;
    int m_soquete = -1;
    std::chrono::steady_clock::time_point m_prazo;
    bool m_fim = false;
    std::thread m_linha; // por último: começa com o resto já pronto
};

int vigiasAbertos = 0; // os comandos são todos da linha principal
bool vigiaArmado = false; // o de fora armou o vigilante (o SQLite não carrega o módulo)

// As colunas e as linhas que o módulo lê, guardadas no resultado da consulta.
class ParaResultado final : public ReceptorLinhas {
public:
    explicit ParaResultado(ResultadoConsulta &resultado)
        : m_resultado(resultado)
    {
    }
    void Coluna(QByteArrayView nomeUtf8, NaturezaColuna natureza) override
    {
        m_resultado.AcrescentarColuna(Esquema::GrafiaColuna(QString::fromUtf8(nomeUtf8)), natureza);
    }
    void Linha(const QByteArrayView *celulas) override { m_resultado.AcrescentarLinha(celulas); }

private:
    ResultadoConsulta &m_resultado;
};
} // namespace

pg_conn *ConexaoLibpq(const QSqlDatabase &db)
{
    if (db.driverName() != u"QPSQL"_s || !db.isOpen())
        return nullptr;
    // O driver registra o tipo pelo nome da estrutura (ou pelo do typedef).
    const QVariant h = db.driver()->handle();
    if (!h.isValid()
        || (qstrcmp(h.typeName(), "pg_conn*") != 0 && qstrcmp(h.typeName(), "PGconn*") != 0))
        return nullptr;
    return *static_cast<pg_conn *const *>(h.constData());
}

bool ConexaoCriptografada(const QSqlDatabase &db)
{
    pg_conn *c = ConexaoLibpq(db);
    const ModuloPostgres *m = c ? carregado().modulo : nullptr;
    return m && m->Criptografada(c);
}

namespace MotorPostgres {

QString Carregar()
{
    return carregado().falha;
}

Vigia::Vigia(const TDatabase &db)
{
    if (vigiasAbertos++ > 0)
        return;
    if (db.Motor() != FonteDados::PostgreSQL)
        return;
    pg_conn *pg = ConexaoLibpq(db.Conexao());
    const ModuloPostgres *m = pg ? carregado().modulo : nullptr;
    const int ms = db.Fonte ? db.Fonte->EsperaMaximaMs() : 0;
    if (!m || ms <= 0)
        return;
    if (const int soquete = m->Soquete(pg); soquete >= 0) {
        Vigilante::Programa().Armar(soquete, ms);
        vigiaArmado = true;
    }
}

Vigia::~Vigia()
{
    if (--vigiasAbertos == 0 && std::exchange(vigiaArmado, false))
        Vigilante::Programa().Desarmar();
}

bool Perdida(pg_conn *pg)
{
    // Sem a conexão da libpq, o driver já a dá por fechada (a sessão caiu). Sem o módulo
    // não há conexão PostgreSQL aberta (Open a recusa).
    if (!pg)
        return true;
    const ModuloPostgres *m = carregado().modulo;
    return m && m->Perdida(pg);
}

void Ler(TDatabase &db, pg_conn *pg, const QString &comando, ResultadoConsulta &resultado)
{
    ParaResultado receptor(resultado);
    QString erro;
    {
        const Vigia vigia(db);
        erro = modulo(db).Ler(pg, comando.toUtf8(), receptor);
    }
    if (!erro.isEmpty()) {
        resultado.Limpar();
        throw db.Falha(erro);
    }
}

void Executar(TDatabase &db, pg_conn *pg, const QString &comandos)
{
    QString erro;
    {
        const Vigia vigia(db);
        erro = modulo(db).Executar(pg, comandos.toUtf8());
    }
    if (!erro.isEmpty())
        throw db.Falha(erro);
}

int ExecutarValores(
    TDatabase &db, pg_conn *pg, const QString &comando, const QList<QVariantList> &valores)
{
    int afetadas = 0;
    QString erro;
    {
        const Vigia vigia(db);
        erro = modulo(db).ExecutarValores(pg, comando.toUtf8(), valores, afetadas);
    }
    if (!erro.isEmpty())
        throw db.Falha(erro);
    return afetadas;
}

} // namespace MotorPostgres

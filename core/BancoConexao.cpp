#include "BancoConexao.h"

#include "BancoConsulta.h"
#include "BancoMotores.h"
#include "BancoPostgres.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
TDatabase::PedidoSenha &pedidoSenha()
{
    static TDatabase::PedidoSenha p;
    return p;
}

int contadorConexoes = 0;

// SQLite: o motivo da falha no arquivo (apagado, vazio, disco cheio, só de leitura), com o
// código estendido da conexão quando o dado é o mesmo sem a extensão.
FalhaSQLite falhaDoArquivo(const QSqlDatabase &conexao, int codigo)
{
    sqlite3 *s = MotorSQLite::Conexao(conexao);
    if (!s)
        return {};
    const int estendido = sqlite3_extended_errcode(s);
    if (!codigo || (estendido & 0xFF) == codigo)
        codigo = estendido;
    const QFileInfo arquivo(conexao.databaseName());
    return FalhaSQLite::De(
        codigo, arquivo.absoluteFilePath(), arquivo.exists() ? arquivo.size() : -1);
}

// A falha veio de uma conexão que não serve mais? PostgreSQL: a sessão caiu (servidor
// parado, reiniciado, rede). SQLite: o arquivo travado por outro programa além da espera,
// ilegível, trocado por outra coisa ou inacessível.
bool conexaoPerdida(const QSqlDatabase &conexao, int codigoSqlite)
{
    if (conexao.driverName() == u"QSQLITE"_s) {
        if (const FalhaSQLite f = falhaDoArquivo(conexao, codigoSqlite); !f.motivo.isEmpty())
            return f.perdida;
    }
    if (conexao.driverName() == u"QPSQL"_s)
        return MotorPostgres::Perdida(ConexaoLibpq(conexao));
    if (sqlite3 *s = MotorSQLite::Conexao(conexao))
        return MotorSQLite::Perdida(s, codigoSqlite);
    return false;
}

// Quem o histórico do SQLite grava nas alterações desta conexão: o nível de acesso do
// login dos parâmetros (o SQLite não tem logins); um login que não é de nenhum nível,
// ele mesmo; sem login, ninguém (como as alterações de outros programas).
QString usuarioHistorico(const QString &login)
{
    for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
        if (UsuarioNivel(nivel) == login)
            return NomeNivel(nivel);
    return login;
}
} // namespace

TDatabase::TDatabase(QObject *parent)
    : QObject(parent)
    , m_nomeConexao(u"Dados_HP_%1"_s.arg(++contadorConexoes))
{
}

TDatabase::~TDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_nomeConexao, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);
}

void TDatabase::DefinirPedidoSenha(PedidoSenha pedido)
{
    pedidoSenha() = std::move(pedido);
}
TDatabase::PedidoSenha TDatabase::PedidoSenhaAtual()
{
    return pedidoSenha();
}

bool TDatabase::Connected() const
{
    // O estado do programa (aberta até Close), e não o do driver: uma sessão que caiu
    // continua "conectada" até um comando falhar e a queda ser tratada (Falha), para que a
    // janela principal e as janelas passem juntas ao estado desconectado.
    return m_aberta && Conexao().isValid();
}

QSqlDatabase TDatabase::Conexao() const
{
    return QSqlDatabase::database(m_nomeConexao, false);
}

FonteDados::Motor TDatabase::Motor() const
{
    return Fonte ? Fonte->motor : FonteDados::Definicao().motor;
}

void TDatabase::Open(bool senhaDaSessao)
{
    if (Connected())
        return;
    emit BeforeConnect();
    const FonteDados fonte = Fonte ? *Fonte : FonteDados::Definicao();
    Fonte = fonte;

    QString usuario;
    for (const QString &p : Params)
        if (p.startsWith(u"USER NAME="_s, Qt::CaseInsensitive))
            usuario = p.mid(10);

    {
        QSqlDatabase velha = QSqlDatabase::database(m_nomeConexao, false);
        if (velha.isValid())
            velha.close();
    }
    QSqlDatabase::removeDatabase(m_nomeConexao);

    if (fonte.motor == FonteDados::SQLite) {
        const bool novo = !QFileInfo::exists(fonte.arquivo);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_nomeConexao);
        db.setDatabaseName(fonte.arquivo);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(EsperaTravaMs));
        if (!db.open())
            throw ErroBanco(u"Cannot connect to database file "_s + fonte.arquivo + u". "_s
                + db.lastError().text());
        if (novo) {
            try {
                Esquema::CriarSQLite(db);
            } catch (...) {
                db.close();
                QFile::remove(fonte.arquivo);
                throw;
            }
        }
        try {
            // As alterações feitas por esta conexão levam o nível do login no histórico.
            Esquema::PrepararSQLite(db, usuarioHistorico(usuario));
        } catch (const ErroBanco &e) {
            // O arquivo ilegível ou travado por outro programa: a conexão não se faz.
            const FalhaSQLite motivo = falhaDoArquivo(db, 0);
            const bool semArquivo = conexaoPerdida(db, 0);
            db.close();
            if (!motivo.motivo.isEmpty())
                throw ErroBanco(FalhaArquivoBanco + motivo.motivo
                    + u"\nCannot connect to "
                      "database file "_s
                    + fonte.arquivo + u". "_s + e.Mensagem());
            if (semArquivo)
                throw ErroBanco(
                    u"Cannot connect to database file "_s + fonte.arquivo + u". "_s + e.Mensagem());
            throw;
        } catch (...) {
            db.close();
            throw;
        }
    } else {
        const QString login = usuario;
        QString senha;
        if (senhaDaSessao && !m_senhaSessao.isEmpty() && m_loginSessao == login) {
            usuario = m_usuarioSessao;
            senha = m_senhaSessao;
        } else {
            const PedidoSenha pedido = pedidoSenha();
            if (!pedido || !pedido(AliasName, usuario, senha))
                throw ErroBanco(
                    u"Cannot connect to database Dados_HP: password prompt cancelled."_s);
        }
        const QString opcoes = fonte.OpcoesConexao();
        QString falha;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_nomeConexao);
            db.setHostName(fonte.host);
            db.setPort(fonte.porta);
            db.setDatabaseName(fonte.banco);
            db.setUserName(usuario);
            db.setPassword(senha);
            db.setConnectOptions(opcoes);
            if (!db.open())
                falha = db.lastError().text();
        }
        if (!falha.isEmpty()) {
            QSqlDatabase::removeDatabase(m_nomeConexao);
            throw ErroBanco(TextoFalhaConexao(falha, fonte));
        }
        m_loginSessao = login;
        m_usuarioSessao = usuario;
        m_senhaSessao = senha;
        QSqlDatabase db = Conexao();
        // O módulo do PostgreSQL, que lê o libpq por baixo do driver: carregado só agora.
        if (const QString semModulo = MotorPostgres::Carregar(); !semModulo.isEmpty()) {
            db.close();
            throw ErroBanco(u"Cannot connect to database server. "_s + semModulo);
        }
        // Datas 'M/D/AAAA' do programa, textos em UTF-8, barra invertida sem significado
        // dentro de aspas (o programa só dobra as aspas simples).
        QSqlQuery q(db);
        // Os limites de tempo de cada comando (statement_timeout, lock_timeout do
        // Dados_HP.conf) ficam na sessão: o servidor os aplica.
        MotorPostgres::Vigia vigia(*this);
        for (const QString &c : { u"SET DateStyle TO 'ISO, MDY'"_s,
                 u"SET client_encoding TO 'UTF8'"_s, u"SET standard_conforming_strings TO on"_s,
                 u"SET statement_timeout TO '%1s'"_s.arg(fonte.statementTimeout),
                 u"SET lock_timeout TO '%1s'"_s.arg(fonte.lockTimeout) }) {
            if (!q.exec(c)) {
                const QString texto = q.lastError().text();
                db.close();
                throw ErroBanco(texto);
            }
        }
        if (!fonte.SoqueteLocal() && !ConexaoCriptografada(db))
            RegistrarEvento(0, u"aviso"_s,
                u"conexão sem criptografia (sslmode = %1): os dados passam pela rede às claras"_s
                    .arg(fonte.ModoTls()));
    }
    m_emTransacao = false;
    m_aberta = true;
    emit AfterConnect();
}

void TDatabase::Close()
{
    if (!Connected())
        return;
    emit BeforeDisconnect();
    for (const QPointer<TQuery> &q : std::as_const(m_consultas))
        if (q)
            q->Close();
    {
        QSqlDatabase db = Conexao();
        const MotorPostgres::Vigia vigia(*this);
        if (m_emTransacao)
            db.rollback();
        db.close();
    }
    m_emTransacao = false;
    m_aberta = false;
    emit AfterDisconnect();
}

ErroBanco TDatabase::Falha(const QString &texto, int codigoSqlite)
{
    bool perdida = false;
    QString completo = texto;
    if (Connected()) {
        const MotorPostgres::Vigia vigia(*this);
        // SQLite: o motivo no arquivo, em português, antes do texto do motor.
        if (const FalhaSQLite f = falhaDoArquivo(Conexao(), codigoSqlite); !f.motivo.isEmpty())
            completo = FalhaArquivoBanco + f.motivo + u'\n' + texto;
        perdida = conexaoPerdida(Conexao(), codigoSqlite);
    }
    if (!perdida)
        return ErroBanco(completo);
    const QString textoPerdida = FalhaConexaoPerdida + completo;
    Close();
    emit ConexaoPerdida(textoPerdida);
    return ErroBanco(textoPerdida);
}

void TDatabase::IniciarTransacao()
{
    if (!Connected())
        throw ErroBanco(FalhaSemConexao);
    QSqlDatabase db = Conexao();
    if (MotorSQLite::Conexao(db)) {
        // SQLite: a trava de escrita já no começo, para que o que a transação lê (a linha
        // comparada antes de gravar) não mude até o fim dela.
        QSqlError erro;
        {
            QSqlQuery q(db);
            if (!q.exec(u"BEGIN IMMEDIATE"_s))
                erro = q.lastError();
        }
        if (erro.isValid())
            throw Falha(erro.text(), erro.nativeErrorCode().toInt());
    } else {
        bool iniciada = false;
        {
            const MotorPostgres::Vigia vigia(*this);
            iniciada = db.transaction();
        }
        if (!iniciada)
            throw Falha(db.lastError().text(), db.lastError().nativeErrorCode().toInt());
    }
    m_emTransacao = true;
}

void TDatabase::ConfirmarTransacao()
{
    QSqlDatabase db = Conexao();
    m_emTransacao = false;
    QSqlError erro;
    int codigo = 0;
    {
        const MotorPostgres::Vigia vigia(*this);
        if (!db.commit()) {
            erro = db.lastError();
            // O driver do SQLite não guarda o código da falha do COMMIT (um leitor que
            // segura o arquivo além da espera): lido antes que o ROLLBACK o apague.
            if (erro.nativeErrorCode().isEmpty())
                if (sqlite3 *s = MotorSQLite::Conexao(db))
                    codigo = sqlite3_extended_errcode(s);
            if (Connected())
                db.rollback(); // uma transação que não confirmou não fica aberta
        }
    }
    if (erro.isValid())
        throw Falha(erro.text(), codigo ? codigo : erro.nativeErrorCode().toInt());
}

void TDatabase::DesfazerTransacao()
{
    if (!m_emTransacao)
        return;
    m_emTransacao = false;
    QSqlDatabase db = Conexao();
    const MotorPostgres::Vigia vigia(*this);
    if (db.isValid() && db.isOpen())
        db.rollback();
}

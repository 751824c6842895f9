#pragma once
// Um agrupamento PostgreSQL descartável numa pasta temporária, ouvindo só num soquete
// local. Como root, roda como o usuário postgres. Parado e apagado no destrutor; se o
// processo do teste morrer antes, um vigia para o servidor e apaga a pasta.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Variações do servidor; o padrão é o dos testes de SQL.
struct OpcoesCluster {
    bool stringsPadrao = true; // standard_conforming_strings
    bool tcp = false; // também ouve em localhost (127.0.0.1 e ::1), com senha scram
    // Com os dois: ssl = on, e no TCP só conexões criptografadas (hostssl).
    QString certificado;
    QString chave;
    bool registrarConexoes = false; // log_connections
};

class ClusterPostgres {
public:
    explicit ClusterPostgres(const OpcoesCluster &opcoes = OpcoesCluster());
    ~ClusterPostgres();

    // Inicia (initdb + pg_ctl start). false e Erro() preenchido se não conseguir.
    bool Iniciar();
    void Parar();
    // Volta a iniciar um agrupamento parado (mesma pasta, mesma porta).
    bool Reiniciar();
    bool Ativo() const { return m_ativo; }
    QString Erro() const { return m_erro; }

    QString PastaSoquete() const; // vai no "host" da conexão
    int Porta() const { return m_porta; }
    QString Superusuario() const { return QStringLiteral("postgres"); }
    QString PastaBinarios() const { return m_bin; }

    // Roda um comando SQL com psql como superusuário; devolve a saída (stdout).
    QString Psql(const QString &banco, const QString &sql, bool *ok = nullptr);
    // O mesmo como outro login, com a senha dele (PGPASSWORD); 'erro' recebe o stderr.
    QString PsqlComo(const QString &banco, const QString &login, const QString &senha,
        const QString &sql, bool *ok = nullptr, QString *erro = nullptr);
    // O registro do servidor até agora.
    QString Registro() const;

private:
    bool rodar(const QString &programa, const QStringList &args, QString *saida = nullptr,
        const QString &entrada = QString(), const QString &senha = QString());
    bool iniciarServidor();
    void vigiar();
    OpcoesCluster m_opcoes;
    std::unique_ptr<QTemporaryDir> m_pasta;
    int m_porta = 0;
    bool m_ativo = false;
    QString m_erro;
    QString m_bin;
};

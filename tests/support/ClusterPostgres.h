#pragma once
// Um agrupamento PostgreSQL descartável numa pasta temporária, ouvindo só num soquete
// local. Como root, roda como o usuário postgres. Parado e apagado no destrutor.
#include <QString>
#include <QTemporaryDir>
#include <memory>

class ClusterPostgres
{
public:
    ClusterPostgres();
    ~ClusterPostgres();

    // Inicia (initdb + pg_ctl start). false e Erro() preenchido se não conseguir.
    bool Iniciar();
    void Parar();
    bool Ativo() const { return m_ativo; }
    QString Erro() const { return m_erro; }

    QString PastaSoquete() const; // vai no "host" da conexão
    int Porta() const { return m_porta; }
    QString Superusuario() const { return QStringLiteral("postgres"); }

    // Roda um comando SQL com psql como superusuário; devolve a saída (stdout).
    QString Psql(const QString &banco, const QString &sql, bool *ok = nullptr) const;

private:
    bool rodar(const QString &programa, const QStringList &args, QString *saida = nullptr,
               const QString &entrada = QString()) const;
    std::unique_ptr<QTemporaryDir> m_pasta;
    int m_porta = 0;
    bool m_ativo = false;
    QString m_erro;
    QString m_bin;
};

#include "FalhaInjetada.h"

#include "Sentenca.h"

using namespace Qt::StringLiterals;

FalhaInjetada::FalhaInjetada(
    BancoTeste &banco, const QString &tabela, const QString &condicao, const QString &texto)
    : m_banco(banco)
    , m_tabela(tabela)
{
    static int criadas = 0;
    m_nome = u"falha_injetada_%1"_s.arg(++criadas);
    const QStringList comandos = banco.motor() == Motor::PostgreSQL
        ? QStringList { u"CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                        "RAISE EXCEPTION %2; END $$"_s.arg(m_nome, CitarTexto(texto)),
              u"CREATE TRIGGER %1 BEFORE UPDATE ON %2 FOR EACH ROW WHEN (%3) EXECUTE "
              "FUNCTION %1()"_s.arg(m_nome, tabela, condicao) }
        : QStringList { u"CREATE TRIGGER %1 BEFORE UPDATE ON %2 WHEN %3 BEGIN SELECT "
                        "RAISE(ABORT, %4); END"_s.arg(
                            m_nome, tabela, condicao, CitarTexto(texto)) };
    for (const QString &c : comandos)
        if (m_erro.isEmpty() && !banco.Executar(c))
            m_erro = banco.UltimoErro();
}

FalhaInjetada::~FalhaInjetada()
{
    if (m_banco.motor() == Motor::PostgreSQL) {
        m_banco.Executar(u"DROP TRIGGER IF EXISTS %1 ON %2"_s.arg(m_nome, m_tabela));
        m_banco.Executar(u"DROP FUNCTION IF EXISTS %1()"_s.arg(m_nome));
    } else {
        m_banco.Executar(u"DROP TRIGGER IF EXISTS %1"_s.arg(m_nome));
    }
}

// Peças comuns das medidas de tempo: mediana, menor e percentil 90 de muitas repetições,
// a linha que as escreve e o início de um programa de medida nos dois motores.
#pragma once

#include "BancoTeste.h"
#include "Mensagens.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace Medidas {
struct Medida {
    double mediana = 0, menor = 0, p90 = 0;
};

inline Medida Resumo(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return { ms.at(ms.size() / 2), ms.first(), ms.at(ms.size() * 9 / 10) };
}

// Mede 'acao' 'repeticoes' vezes (ms), com o registro de eventos limpo antes de cada uma e
// 'preparar' fora do tempo.
inline Medida Medir(int repeticoes, SaidaMemoria &saida, const std::function<void()> &preparar,
    const std::function<void()> &acao)
{
    QList<double> ms;
    for (int i = 0; i < repeticoes; ++i) {
        if (preparar)
            preparar();
        saida.Limpar();
        QElapsedTimer t;
        t.start();
        acao();
        ms << t.nsecsElapsed() / 1e6;
    }
    return Resumo(ms);
}

inline Medida Medir(int repeticoes, SaidaMemoria &saida, const std::function<void()> &acao)
{
    return Medir(repeticoes, saida, {}, acao);
}

// Alinhado em caracteres, não em bytes (os acentos têm dois bytes em UTF-8).
inline void Escrever(const char *motor, const QString &oQue, const Medida &m)
{
    std::printf("%-11s %s mediana %7.3f ms   menor %7.3f ms   p90 %7.3f ms\n", motor,
        qPrintable(oQue.leftJustified(40)), m.mediana, m.menor, m.p90);
}

inline const char *NomeMotor(Motor motor)
{
    return motor == Motor::SQLite ? "SQLite" : "PostgreSQL";
}

// O banco do motor recriado, com os dados de demonstração ou vazio e enchido pelos
// comandos dados (no PostgreSQL, 'analisar' é a tabela que o VACUUM ANALYZE prepara
// depois), conectado como administrador. nullptr, com o motivo na saída de erro, se não
// deu.
inline BancoTeste *Preparar(
    Motor motor, bool demonstracao, const QString &encher = {}, const QString &analisar = {})
{
    BancoTeste &b = BancoTeste::De(motor);
    const auto falha = [motor](const char *oQue, const QString &erro) {
        std::fprintf(stderr, "%s: %s: %s\n", NomeMotor(motor), oQue, qPrintable(erro));
        return nullptr;
    };
    if (!b.Pronto())
        return falha("banco não preparado", b.Erro());
    b.Reiniciar(demonstracao);
    if (!encher.isEmpty() && !b.Executar(encher))
        return falha("preenchimento falhou", b.UltimoErro());
    if (motor == Motor::PostgreSQL && !analisar.isEmpty())
        b.Executar(u"VACUUM ANALYZE "_s + analisar);
    if (const QString erro = b.Conectar(1); !erro.isEmpty())
        return falha("conexão falhou", erro);
    return &b;
}

// Memória em uso no alocador (blocos vivos, sem o que foi liberado), em KiB.
inline long EmUso()
{
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}

// Tempo de processador desta linha de execução, em ms (a máquina carregada por outros
// processos não entra nele).
inline double Processador()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// O cliente do motor (sqlite3, psql) rodando os comandos dados, como o dono, com a saída
// descartada; em ms (-1 se falhou). É a referência das medidas: um programa à parte.
inline double Cliente(BancoTeste &b, const QString &sql)
{
    QProcess p;
    QStringList args;
    QString programa;
    if (b.motor() == Motor::SQLite) {
        programa = u"sqlite3"_s;
        args = { b.Fonte().arquivo, sql };
    } else {
        programa = u"psql"_s;
        args = { u"-X"_s, u"-q"_s, u"-A"_s, u"-t"_s, u"-h"_s, b.Cluster()->PastaSoquete(), u"-p"_s,
            QString::number(b.Cluster()->Porta()), u"-U"_s, u"postgres"_s, u"-d"_s, b.Fonte().banco,
            u"-c"_s, sql };
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(programa, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e6;
}

// INSERT de 'linhas' docentes com todas as colunas preenchidas como numa faculdade de
// verdade (nomes "Docente 000001"...), num só comando. Com 'foraDoLatin1', duas colunas
// levam caracteres fora do Latin-1 (um travessão na área, aspas curvas no setor), como os
// textos colados de um editor.
inline QString InserirDocentes(Motor motor, int linhas, bool foraDoLatin1 = false)
{
    const QString colunas = u"Nome, Situacao, Departamento, ExternoDepartamento, ExternoLink, "
                            "Area, Setor, Titulacao, Link, AulaGraduacao, AulaPosgraduacao, "
                            "Extensao, Lattes, Codpes, Grupolattes, Visivel"_s;
    const QString valores = u"'Docente ' || %1, 'Ativo', 2, '', '', "_s
        + (foraDoLatin1 ? u"'Área – ' || (i % 50), '“Setor ' || (i % 7) || '”', "_s
                        : u"'Área ' || (i % 50), 'Setor ' || (i % 7), "_s)
        + u"'Doutor', 'https://www.qorvel.example.org/~d' || i, 'S', 'N', 'S', 'L' || i, %2, "
          "'G' || (i % 300), 'S'"_s;
    if (motor == Motor::SQLite)
        return u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
               "INSERT INTO Docentes (%2) SELECT %3 FROM n"_s.arg(linhas)
                   .arg(colunas,
                       QString(valores).arg(
                           u"printf('%06d', i)"_s, u"CAST(i % 9999999 AS TEXT)"_s));
    return u"INSERT INTO Docentes (%1) SELECT %2 FROM generate_series(1, %3) AS i"_s
        .arg(colunas, QString(valores).arg(u"lpad(i::text, 6, '0')"_s, u"(i % 9999999)::text"_s))
        .arg(linhas);
}

// Liga e desliga os gatilhos do histórico, como dono: no PostgreSQL habilitando e
// desabilitando só eles (os outros gatilhos das tabelas ficam), no SQLite apagando-os e
// criando-os de novo com o texto guardado.
class GatilhosHistorico {
public:
    explicit GatilhosHistorico(BancoTeste &b)
        : m_b(b)
    {
        if (b.motor() == Motor::PostgreSQL)
            m_itens = b.Valor(u"SELECT string_agg(DISTINCT tgrelid::regclass::text, '|') "
                              "FROM pg_trigger WHERE tgname LIKE 'historico%'"_s)
                          .split(u'|', Qt::SkipEmptyParts);
        else
            m_itens = b.Valor(u"SELECT group_concat(sql, char(30)) FROM sqlite_master WHERE "
                              "type='trigger' AND name GLOB '*_Historico*'"_s)
                          .split(QChar(30), Qt::SkipEmptyParts);
    }
    int Quantos() const { return int(m_itens.size()); }
    bool Ligar(bool ligar)
    {
        if (ligar == m_ligados)
            return true;
        m_ligados = ligar;
        static const QRegularExpression nome(u"^CREATE TRIGGER (\\S+)"_s);
        for (const QString &i : m_itens) {
            QStringList c;
            if (m_b.motor() == Motor::PostgreSQL)
                for (const char *g :
                    { "historico_incluir", "historico_alterar", "historico_excluir" })
                    c << u"ALTER TABLE %1 %2 TRIGGER %3"_s.arg(
                        i, ligar ? u"ENABLE"_s : u"DISABLE"_s, QLatin1StringView(g));
            else
                c << (ligar ? i : u"DROP TRIGGER "_s + nome.match(i).captured(1));
            for (const QString &x : std::as_const(c))
                if (!m_b.Executar(x)) {
                    std::fprintf(stderr, "%s\n", qPrintable(m_b.UltimoErro()));
                    return false;
                }
        }
        return true;
    }

private:
    BancoTeste &m_b;
    QStringList m_itens; // tabelas (PostgreSQL) ou comandos de criação (SQLite)
    bool m_ligados = true;
};

// A primeira exibição de uma janela criada escondida, como a ação do menu a faz: do
// show() até a janela pintada. false se ela não apareceu.
inline bool Exibir(TFormTabela *janela)
{
    janela->Modo = ModoTabela::Consultando;
    janela->show();
    const bool exposta = QTest::qWaitForWindowExposed(janela);
    QCoreApplication::processEvents();
    return exposta;
}

// O registro de eventos tem alguma linha de erro?
inline bool ErrosNoRegistro(const SaidaMemoria &saida)
{
    for (const auto &l : saida.linhas)
        if (l.texto.contains(u"erro"_s))
            return true;
    return false;
}

// Põe a consulta da janela na linha do Id; false se ele não está listado.
inline bool IrPara(TFormTabela *j, const QString &id)
{
    for (j->Query->First(); !j->Query->Eof(); j->Query->Next())
        if (j->Query->AsString(u"Id"_s) == id)
            return true;
    return false;
}

// O programa de medida: sem tela usa a plataforma offscreen; o registro de eventos em
// memória; mensagens na saída de erro; 'medir' no SQLite e no PostgreSQL com as
// repetições do primeiro argumento (ou 'padrao'). 0 se os dois motores mediram.
inline int Rodar(int argc, char **argv, int padrao,
    const std::function<bool(Motor, int repeticoes, SaidaMemoria &)> &medir)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeticoes = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : padrao;
    SaidaMemoria saida;
    InstalarSaidaEventos(&saida);
    Mensagens::Instalar([](TipoMensagem, const QString &texto) {
        std::fprintf(stderr, "mensagem: %s\n", qPrintable(texto));
        return false;
    });
    std::printf("%d repetições de cada medida\n", repeticoes);
    bool ok = medir(Motor::SQLite, repeticoes, saida);
    ok = medir(Motor::PostgreSQL, repeticoes, saida) && ok;
    InstalarSaidaEventos(nullptr);
    return ok ? 0 : 1;
}
} // namespace Medidas

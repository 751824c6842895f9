// Listagem grande: abrir uma janela de tabela sobre 100.000 linhas (lista, contagem na
// legenda, primeira linha nos campos), nos dois motores, ao lado do cliente de linha de
// comando do motor buscando o mesmo comando (sqlite3, psql); e a memória que a janela
// guarda para a lista. Uso: bench_lista_grande [linhas] [execuções]  (bench/README.md)
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Servidor.h"
#include "TabelaGenerica.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
constexpr int Tabela = 11; // Docentes: 20 colunas, a lista mais larga das janelas

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// Memória residente do processo, em KiB.
long residente()
{
    QFile f(u"/proc/self/status"_s);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

QString preencher(Motor motor, int linhas)
{
    const QString colunas = u"Nome, Situacao, Departamento, ExternoDepartamento, ExternoLink, "
                            "Area, Setor, Titulacao, Link, AulaGraduacao, AulaPosgraduacao, "
                            "Extensao, Lattes, Codpes, Grupolattes, Visivel"_s;
    const QString valores = u"'Docente ' || %1, 'Ativo', 2, '', '', 'Área ' || (i % 50), "
                            "'Setor ' || (i % 7), 'Doutor', 'https://www.qorvel.example.org/~d' "
                            "|| i, 'S', 'N', 'S', 'L' || i, %2, 'G' || (i % 300), 'S'"_s;
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

// O cliente do motor buscando o mesmo comando, saída descartada; em ms.
double cliente(BancoTeste &b, const QString &sql)
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
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e6;
}

void medir(Motor motor, int linhas, int execucoes)
{
    BancoTeste &b = BancoTeste::De(motor);
    const QString nome = motor == Motor::SQLite ? u"SQLite"_s : u"PostgreSQL"_s;
    if (!b.Pronto()) {
        std::printf("%s: banco não preparado: %s\n", qPrintable(nome), qPrintable(b.Erro()));
        return;
    }
    b.Reiniciar();
    if (!b.Executar(preencher(motor, linhas))) {
        std::printf("%s: preenchimento falhou: %s\n", qPrintable(nome), qPrintable(b.UltimoErro()));
        return;
    }
    if (motor == Motor::PostgreSQL)
        b.Executar(u"VACUUM ANALYZE Docentes"_s);
    const QString conexao = b.Conectar(1);
    if (!conexao.isEmpty()) {
        std::printf("%s: conexão falhou: %s\n", qPrintable(nome), qPrintable(conexao));
        return;
    }
    const QString sql = ConsultaTabela(Tabela);
    QList<double> janela, client;
    long memoria = 0;
    QString legenda;
    for (int i = 0; i < execucoes; ++i) {
        TFormTabelaGenerica j(Tabela);
        const long antes = residente();
        QElapsedTimer t;
        t.start();
        j.show(); // FormShow: lista, legenda, primeira linha
        QCoreApplication::processEvents(); // pintada
        janela << t.nsecsElapsed() / 1e6;
        if (i == 0)
            memoria = residente() - antes; // a primeira vez: depois o alocador reaproveita
        legenda = j.GroupBox2->title();
        j.FormClose();
        client << cliente(b, sql);
    }
    {
        QList<double> so;
        for (int i = 0; i < execucoes; ++i) {
            TQuery q(&Servidor::Database());
            q.SQL = { sql };
            QElapsedTimer t;
            t.start();
            q.Open();
            so << t.nsecsElapsed() / 1e6;
        }
        std::printf("  (só a consulta: %.1f ms)\n", mediana(so));
    }
    std::printf("%-10s  %7d linhas  janela %8.1f ms   cliente %8.1f ms   razão %5.2f   memória da "
                "lista %7.1f MiB   legenda \"%s\"\n",
        qPrintable(nome), linhas, mediana(janela), mediana(client),
        mediana(janela) / std::max(0.001, mediana(client)), memoria / 1024.0, qPrintable(legenda));
    std::fflush(stdout);
    b.Desconectar();
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int linhas = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int execucoes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;
    SaidaMemoria registro;
    InstalarSaidaEventos(&registro);
    Roteiro mensagens; // nenhuma caixa na tela
    const QString so = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (so != u"postgresql"_s)
        medir(Motor::SQLite, linhas, execucoes);
    if (so != u"sqlite"_s)
        medir(Motor::PostgreSQL, linhas, execucoes);
    InstalarSaidaEventos(nullptr);
    return 0;
}

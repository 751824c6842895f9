// Conversão do ano do calendário: 10.000 itens levados de um ano para o seguinte pela
// janela do calendário (numa transação, a leitura de todas as linhas, presas até o fim, e
// um só UPDATE preparado, rodado com os valores de cada item), nos dois motores, ao lado
// do cliente do motor (sqlite3, psql) rodando os mesmos UPDATEs um a um, com os valores no
// texto, também numa transação. A janela registra cada item no registro de eventos (num
// bloco): medida com o registro em memória e com o registro da janela principal (texto
// rico).
// Uso: bench_converter_ano [itens] [execuções] [sqlite|postgresql]  (bench/README.md)
#include "BancoTeste.h"
#include "Medidas.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "SaidaRichEdit.h"
#include "Servidor.h"
#include "TabelaCalendario.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
constexpr int Ano = 2025;

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// Itens do ano dado: um dia do ano cada, término três dias depois (alguns no ano seguinte).
QString preencher(Motor motor, int itens)
{
    if (motor == Motor::SQLite)
        return u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
               "INSERT INTO Calendario (Titulo, DataInicio, Periodo, DataTermino, Descricao, "
               "Categoria) SELECT 'Item ' || i, date('%2-01-01', '+' || (i % 365) || ' days'), "
               "'S', date('%2-01-01', '+' || (i % 365 + 3) || ' days'), 'Descrição do item ' || "
               "i, 'Data Oficial' FROM n"_s.arg(itens)
                   .arg(Ano);
    return u"INSERT INTO Calendario (Titulo, DataInicio, Periodo, DataTermino, Descricao, "
           "Categoria) SELECT 'Item ' || i, DATE '%2-01-01' + (i % 365), 'S', "
           "DATE '%2-01-01' + (i % 365 + 3), 'Descrição do item ' || i, 'Data Oficial' "
           "FROM generate_series(1, %1) AS i"_s.arg(itens)
               .arg(Ano);
}

// Os UPDATEs da conversão de 'de' para 'para' das linhas como estão agora, um por item,
// como a janela os escreve.
QStringList comandos(int de, int para)
{
    QStringList c;
    QSqlQuery q(Servidor::Database().Conexao());
    q.exec(u"SELECT Id, DataInicio, DataTermino FROM Calendario"_s);
    while (q.next()) {
        const QDate inicio = q.value(1).toDate();
        if (inicio.year() != de)
            continue;
        c << TFormTabelaCalendario::SentencaConversao(q.value(0).toString(),
            inicio.addYears(para - de), q.value(2).toDate().addYears(para - de))
                 .join(u"\r\n"_s);
    }
    return c;
}

// O cliente do motor rodando os comandos um a um numa transação; em ms (-1 em falha).
double cliente(BancoTeste &b, const QStringList &sql)
{
    QTemporaryFile arquivo;
    if (!arquivo.open())
        return -1;
    arquivo.write("BEGIN;\n");
    for (const QString &c : sql)
        arquivo.write((c + u";\n"_s).toUtf8());
    arquivo.write("COMMIT;\n");
    arquivo.close();
    QProcess p;
    QStringList args;
    QString programa;
    if (b.motor() == Motor::SQLite) {
        programa = u"sqlite3"_s;
        args = { b.Fonte().arquivo };
        p.setStandardInputFile(arquivo.fileName());
    } else {
        programa = u"psql"_s;
        args = { u"-X"_s, u"-q"_s, u"-v"_s, u"ON_ERROR_STOP=1"_s, u"-h"_s,
            b.Cluster()->PastaSoquete(), u"-p"_s, QString::number(b.Cluster()->Porta()), u"-U"_s,
            u"postgres"_s, u"-d"_s, b.Fonte().banco, u"-f"_s, arquivo.fileName() };
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(programa, args);
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e6;
}

// Os gatilhos do calendário.
QStringList gatilhos(BancoTeste &b)
{
    return b
        .Valor(b.motor() == Motor::PostgreSQL
                ? u"SELECT string_agg(tgname, ',') FROM pg_trigger WHERE tgrelid = "
                  "'calendario'::regclass AND NOT tgisinternal"_s
                : u"SELECT group_concat(name) FROM sqlite_master WHERE type = 'trigger' AND "
                  "tbl_name = 'Calendario'"_s)
        .split(u',', Qt::SkipEmptyParts);
}

// O motor sozinho, sem programa nem cliente: um UPDATE que leva todas as linhas um ano
// adiante de uma vez, numa transação desfeita, com os gatilhos da tabela, sem os do
// histórico e sem nenhum (tirados só dentro da transação). Separa o que a conversão gasta
// do que os gatilhos gastam. Em ms (-1 em falha).
QList<double> motorSozinho(BancoTeste &b)
{
    const bool pg = b.motor() == Motor::PostgreSQL;
    const QString levar = pg
        ? u"UPDATE Calendario SET DataInicio = DataInicio + 365, DataTermino = DataTermino + 365"_s
        : u"UPDATE Calendario SET DataInicio = date(DataInicio, '+365 days'), "
          "DataTermino = date(DataTermino, '+365 days')"_s;
    const QStringList todos = gatilhos(b);
    QList<double> ms;
    for (const QStringList &tirados :
        { QStringList(), todos.filter(u"historico"_s, Qt::CaseInsensitive), todos }) {
        bool certo = b.Executar(u"BEGIN"_s);
        for (const QString &g : tirados)
            certo = b.Executar(pg ? u"ALTER TABLE Calendario DISABLE TRIGGER %1"_s.arg(g)
                                  : u"DROP TRIGGER %1"_s.arg(g))
                && certo;
        QElapsedTimer t;
        t.start();
        certo = b.Executar(levar) && certo;
        ms << (certo ? t.nsecsElapsed() / 1e6 : -1);
        b.Executar(u"ROLLBACK"_s);
    }
    return ms;
}

void medir(
    Motor motor, int itens, int execucoes, SaidaEventos &registro, const char *qual, bool sozinho)
{
    const QString nome = QString::fromUtf8(Medidas::NomeMotor(motor));
    BancoTeste *banco = Medidas::Preparar(motor, false, preencher(motor, itens), u"Calendario"_s);
    if (!banco)
        return;
    BancoTeste &b = *banco;
    InstalarSaidaEventos(&registro);
    TFormTabelaCalendario j;
    QList<double> janela, client;
    bool certo = true;
    for (int i = 0; i < execucoes; ++i) {
        // A janela leva o ano para o seguinte; o cliente o traz de volta.
        QElapsedTimer t;
        t.start();
        certo = j.ConverterAno(Ano, Ano + 1) && certo;
        janela << t.nsecsElapsed() / 1e6;
        const QStringList volta = comandos(Ano + 1, Ano);
        certo = volta.size() == itens && certo;
        client << cliente(b, volta);
    }
    InstalarSaidaEventos(nullptr);
    std::printf("%-10s  %6d itens  registro %-10s  janela %8.1f ms   cliente %8.1f ms   razão "
                "%5.2f%s\n",
        qPrintable(nome), itens, qual, mediana(janela), mediana(client),
        mediana(janela) / std::max(0.001, mediana(client)), certo ? "" : "   (FALHOU)");
    std::fflush(stdout);
    if (sozinho) {
        QList<QList<double>> vezes;
        for (int i = 0; i < execucoes; ++i)
            vezes << motorSozinho(b);
        QList<double> casos[3];
        for (const QList<double> &v : std::as_const(vezes))
            for (int k = 0; k < 3; ++k)
                casos[k] << v.value(k, -1);
        std::printf("%-10s  %6d itens  o motor sozinho, um UPDATE de todas: com os gatilhos "
                    "%.1f ms, sem o do histórico %.1f ms, sem nenhum %.1f ms\n",
            qPrintable(nome), itens, mediana(casos[0]), mediana(casos[1]), mediana(casos[2]));
        std::fflush(stdout);
    }
    b.Desconectar();
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int itens = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const int execucoes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;
    Roteiro mensagens; // nenhuma caixa na tela
    SaidaMemoria memoria;
    QTextEdit texto;
    QLabel status;
    texto.show();
    SaidaRichEdit richEdit(&texto, &status, &texto);
    const QString so = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    for (Motor m : { Motor::SQLite, Motor::PostgreSQL }) {
        if (!so.isEmpty() && so != (m == Motor::SQLite ? u"sqlite"_s : u"postgresql"_s))
            continue;
        medir(m, itens, execucoes, memoria, "memória", false);
        medir(m, itens, execucoes, richEdit, "texto rico", true);
    }
    return 0;
}

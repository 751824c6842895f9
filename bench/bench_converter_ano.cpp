// Conversão do ano do calendário: 10.000 itens levados de um ano para o seguinte pela
// janela do calendário (leitura de todas as linhas, um UPDATE por item, numa transação),
// nos dois motores, ao lado do cliente do motor (sqlite3, psql) rodando os mesmos UPDATEs
// um a um, também numa transação. A janela registra cada item no registro de eventos:
// medida com o registro em memória e com o registro da janela principal (texto rico).
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

void medir(Motor motor, int itens, int execucoes, SaidaEventos &registro, const char *qual)
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
        medir(m, itens, execucoes, memoria, "memória");
        medir(m, itens, execucoes, richEdit, "texto rico");
    }
    return 0;
}

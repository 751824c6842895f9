// Listagem grande: abrir uma janela de tabela sobre 100.000 linhas (lista, contagem na
// legenda, primeira linha nos campos), nos dois motores, ao lado do cliente de linha de
// comando do motor buscando o mesmo comando (sqlite3, psql); a memória que a janela
// guarda para a lista, comparada ao tamanho dos dados; cada tecla na pesquisa e cada
// clique num título (ordem). Uso: bench_lista_grande [linhas] [execuções] [motor]
// (bench/README.md)
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "Medidas.h"
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
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int Tabela = 11; // Docentes: 20 colunas, a lista mais larga das janelas

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

double menor(const QList<double> &v)
{
    return v.isEmpty() ? 0 : *std::min_element(v.begin(), v.end());
}

double maximo(const QList<double> &v)
{
    return v.isEmpty() ? 0 : *std::max_element(v.begin(), v.end());
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// Tamanho dos dados da lista: os textos de todas as células em UTF-8 (o que o cliente do
// motor escreve, sem os separadores).
double tamanhoDados(const TQuery &q)
{
    qint64 bytes = 0;
    for (int r = 0; r < q.RecordCount(); ++r)
        for (int c = 0; c < q.ColumnCount(); ++c)
            bytes += q.Bytes(r, c).size();
    return double(bytes);
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

// Uma ação da interface até a grade pintada de novo: relógio e processador, em ms.
template <class F> std::pair<double, double> medirAcao(F acao)
{
    QElapsedTimer t;
    t.start();
    const double p = Medidas::Processador();
    acao();
    QCoreApplication::processEvents();
    return { ms(t), Medidas::Processador() - p };
}

// Cada tecla na pesquisa e cada clique num título, até a grade pintada de novo.
void medirPesquisaEOrdem(TFormTabela &j)
{
    auto *pesquisa = j.Controle<QLineEdit>(u"EditPesquisar"_s);
    QList<double> relogio, cpu;
    auto tecla = [&](auto acao) {
        const auto [r, p] = medirAcao(acao);
        relogio << r;
        cpu << p;
    };
    // Digitar um nome (cada tecla estreita), apagar até o começo, e um texto sem linha.
    for (const QChar c : u"docente 0999"_s)
        tecla([&] { QTest::keyClick(pesquisa, c.toLatin1()); });
    const int achadas = j.DBGridPesquisa->model()->rowCount();
    for (int i = 0; i < 12; ++i)
        tecla([&] { QTest::keyClick(pesquisa, Qt::Key_Backspace); });
    for (const QChar c : u"xyz"_s)
        tecla([&] { QTest::keyClick(pesquisa, c.toLatin1()); });
    tecla([&] { QTest::keyClick(pesquisa, Qt::Key_Escape); });
    std::printf("  pesquisa: %lld teclas (\"docente 0999\": %d linhas): mediana %.1f ms, máxima "
                "%.1f ms; processador: mediana %.1f ms, máxima %.1f ms\n",
        qlonglong(relogio.size()), achadas, mediana(relogio), maximo(relogio), mediana(cpu),
        maximo(cpu));

    QHeaderView *h = j.DBGridPesquisa->horizontalHeader();
    std::printf("  ordem (relógio / processador):");
    for (const QString &coluna : { u"Nome"_s, u"Nome"_s, u"Area"_s, u"Id"_s }) {
        const int c = int(j.Query->NomesCampos().indexOf(coluna));
        const auto [r, p] = medirAcao([&] { emit h->sectionClicked(c); });
        std::printf("  %s %.1f / %.1f ms", qPrintable(coluna), r, p);
    }
    std::printf("  (o segundo Nome inverte)\n");
}

void medir(Motor motor, int linhas, int execucoes)
{
    const QString nome = QString::fromUtf8(Medidas::NomeMotor(motor));
    BancoTeste *banco
        = Medidas::Preparar(motor, false, Medidas::InserirDocentes(motor, linhas), u"Docentes"_s);
    if (!banco)
        return;
    BancoTeste &b = *banco;
    const QString sql = ConsultaTabela(Tabela);
    QList<double> janela, client;
    long memoria = 0, guardada = 0;
    QString legenda;
    for (int i = 0; i < execucoes; ++i) {
        TFormTabelaGenerica j(Tabela);
        const long antes = residente(), usoAntes = Medidas::EmUso();
        QElapsedTimer t;
        t.start();
        j.show(); // FormShow: lista, legenda, primeira linha
        QCoreApplication::processEvents(); // pintada
        janela << t.nsecsElapsed() / 1e6;
        if (i == 0) {
            memoria = residente() - antes; // a primeira vez: depois o alocador reaproveita
            guardada
                = Medidas::EmUso() - usoAntes; // o que a janela guarda (lista, grade, controles)
        }
        legenda = j.GroupBox2->title();
        j.FormClose();
        client << Medidas::Cliente(b, sql);
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
        std::printf("  (só a consulta: mediana %.1f ms, menor %.1f ms)\n", mediana(so), menor(so));
    }
    double dados = 0;
    {
        TQuery q(&Servidor::Database());
        q.SQL = { sql };
        q.Open();
        dados = tamanhoDados(q);
    }
    std::printf("%-10s  %7d linhas  janela %8.1f ms   cliente %8.1f ms   razão %5.2f   (menores: "
                "%.1f / %.1f ms, razão %.2f)   legenda \"%s\"\n",
        qPrintable(nome), linhas, mediana(janela), mediana(client),
        mediana(janela) / std::max(0.001, mediana(client)), menor(janela), menor(client),
        menor(janela) / std::max(0.001, menor(client)), qPrintable(legenda));
    std::printf("  dados (textos UTF-8) %.1f MiB; a janela guarda %.1f MiB (%.2f×); memória "
                "residente cresceu %.1f MiB (%.2f×)\n",
        dados / 1048576.0, guardada / 1024.0, guardada * 1024.0 / std::max(1.0, dados),
        memoria / 1024.0, memoria * 1024.0 / std::max(1.0, dados));
    std::fflush(stdout);
    {
        TFormTabelaGenerica j(Tabela);
        j.show();
        QCoreApplication::processEvents();
        medirPesquisaEOrdem(j);
        j.FormClose();
    }
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

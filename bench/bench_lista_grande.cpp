// Listagem grande: abrir uma janela de tabela sobre 100.000 linhas (lista, contagem na
// legenda, primeira linha nos campos), nos dois motores, ao lado do cliente de linha de
// comando do motor buscando o mesmo comando (sqlite3, psql); a memória que a janela
// guarda para a lista, comparada ao tamanho dos dados; cada clique num título (ordem); e
// cada tecla da pesquisa na janela dos docentes, com células só em Latin-1 e com
// caracteres fora dele (travessões, aspas curvas), inteira e só o filtro; e a janela dos
// docentes aberta como escolha duas vezes (depois de uma mudança e sem mudança).
// Uso: bench_lista_grande [linhas] [execuções] [motor] [parte] (bench/README.md)
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "Listagem.h"
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

// Cada clique num título, até a grade pintada de novo.
void medirOrdem(TFormTabela &j)
{
    QHeaderView *h = j.DBGridPesquisa->horizontalHeader();
    std::printf("  ordem (relógio / processador):");
    for (const QString &coluna : { u"Nome"_s, u"Nome"_s, u"Area"_s, u"Id"_s }) {
        const int c = int(j.Query->NomesCampos().indexOf(coluna));
        const auto [r, p] = medirAcao([&] { emit h->sectionClicked(c); });
        std::printf("  %s %.1f / %.1f ms", qPrintable(coluna), r, p);
    }
    std::printf("  (o segundo Nome inverte)\n");
}

// As teclas de uma rodada da pesquisa: digitar um nome (cada tecla estreita), apagar até
// o começo, um texto sem linha e Esc; ao lado, o texto da caixa depois de cada uma.
struct Tecla {
    char letra; // 0: a tecla abaixo
    Qt::Key tecla;
    QString texto;
};

QList<Tecla> teclasDaPesquisa()
{
    QList<Tecla> teclas;
    QString texto;
    for (const QChar c : u"docente 0999"_s)
        teclas << Tecla { c.toLatin1(), Qt::Key_unknown, texto += c };
    while (!texto.isEmpty()) {
        texto.chop(1);
        teclas << Tecla { 0, Qt::Key_Backspace, texto };
    }
    for (const QChar c : u"xyz"_s)
        teclas << Tecla { c.toLatin1(), Qt::Key_unknown, texto += c };
    teclas << Tecla { 0, Qt::Key_Escape, QString() };
    return teclas;
}

// Células da lista: só em Latin-1, ou com caracteres fora dele em duas colunas (um
// travessão na área, aspas curvas no setor), como os textos colados de um editor.
enum class Celulas { Latin1, ForaDoLatin1 };

const char *nomeCelulas(Celulas c)
{
    return c == Celulas::Latin1 ? "células em Latin-1" : "células com – e “ ”";
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
        medirOrdem(j);
        j.FormClose();
    }
    std::fflush(stdout);
    b.Desconectar();
}

// A janela dos docentes do programa aberta como escolha (Modo Escolhendo, o caminho de
// EscolherEm sem o laço modal), até pintada: a primeira vez depois de uma linha mudada por
// outra conexão (lê tudo de novo) e a segunda sem mudança (a marca das alterações e o
// resultado já lido); ao lado, o cliente do motor buscando o mesmo comando.
void medirEscolha(Motor motor, int linhas, int execucoes)
{
    const QString nome = QString::fromUtf8(Medidas::NomeMotor(motor));
    BancoTeste *banco
        = Medidas::Preparar(motor, false, Medidas::InserirDocentes(motor, linhas), u"Docentes"_s);
    if (!banco)
        return;
    BancoTeste &b = *banco;
    TFormTabela *j = Registro::Janela(Tabela);
    const auto abrir = [j] {
        QElapsedTimer t;
        t.start();
        j->Modo = ModoTabela::Escolhendo;
        j->show();
        QCoreApplication::processEvents(); // pintada
        const double r = ms(t);
        j->FormClose();
        j->Modo = ModoTabela::Consultando;
        return r;
    };
    abrir(); // a janela montada e as listas de códigos lidas
    QList<double> primeira, segunda, client;
    QStringList legendas;
    for (int i = 0; i < execucoes; ++i) {
        if (!b.Executar(u"UPDATE Docentes SET Area='área %1' WHERE Id=(SELECT MIN(Id) FROM "
                        "Docentes)"_s.arg(i))) {
            std::fprintf(stderr, "%s: mudança: %s\n", qPrintable(nome), qPrintable(b.UltimoErro()));
            return;
        }
        primeira << abrir();
        segunda << abrir();
        legendas << j->GroupBox2->title();
        client << Medidas::Cliente(b, ConsultaTabela(Tabela));
    }
    std::printf("%-10s  %7d linhas, escolha dos docentes: primeira abertura (depois de uma "
                "mudança) mediana %.1f ms, menor %.1f ms; segunda (sem mudança) mediana %.1f ms, "
                "máxima %.1f ms; cliente %.1f ms; legenda \"%s\"\n",
        qPrintable(nome), linhas, mediana(primeira), menor(primeira), mediana(segunda),
        maximo(segunda), mediana(client), qPrintable(legendas.value(0)));
    std::fflush(stdout);
    Registro::DestruirJanelas();
    b.Desconectar();
}

// Cada tecla da pesquisa na janela dos docentes (a do programa: o filtro, a contagem e,
// quando a linha atual sai da pesquisa, a primeira que aparece mostrada nos campos, com
// os nomes e os três textos longos), até a grade pintada; e, à parte, só o filtro do
// modelo com os mesmos textos. Cada docente tem os seus três textos longos, como no uso.
void medirPesquisa(Motor motor, int linhas, int execucoes, Celulas celulas)
{
    const QString nome = QString::fromUtf8(Medidas::NomeMotor(motor));
    BancoTeste *banco = Medidas::Preparar(motor, false);
    if (!banco)
        return;
    BancoTeste &b = *banco;
    // O histórico não entra no que se mede: no PostgreSQL, as linhas entram sem os
    // gatilhos dele (um por linha deixaria o preparo de um milhão em dezenas de minutos).
    const bool pg = motor == Motor::PostgreSQL;
    QStringList encher
        = { Medidas::InserirDocentes(motor, linhas, celulas == Celulas::ForaDoLatin1) };
    for (const QString &t :
        { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s })
        encher << u"INSERT INTO %1 (Docente, Texto) SELECT Id, 'Texto de ' || Nome FROM "
                  "Docentes"_s.arg(t);
    if (pg)
        b.Executar(u"SET session_replication_role = replica"_s);
    for (const QString &sql : std::as_const(encher))
        if (!b.Executar(sql)) {
            std::fprintf(
                stderr, "%s: preenchimento: %s\n", qPrintable(nome), qPrintable(b.UltimoErro()));
            return;
        }
    if (pg) {
        b.Executar(u"SET session_replication_role = DEFAULT"_s);
        b.Executar(u"VACUUM ANALYZE"_s);
    }
    TFormTabela *j = Registro::Janela(Tabela);
    j->show();
    QCoreApplication::processEvents();
    auto *pesquisa = j->Controle<QLineEdit>(u"EditPesquisar"_s);
    auto *modelo = qobject_cast<ModeloListagem *>(j->DBGridPesquisa->model());
    const QList<Tecla> teclas = teclasDaPesquisa();
    QList<double> relogio, cpu, filtro, filtroCpu, todas, todasCpu;
    // Só o filtro, fora da janela: relógio e processador, sem pintar.
    auto filtrar = [&](const QString &texto, QList<double> &r, QList<double> &p) {
        QElapsedTimer c;
        c.start();
        const double p0 = Medidas::Processador();
        modelo->Filtrar(texto);
        r << ms(c);
        p << Medidas::Processador() - p0;
        QCoreApplication::processEvents();
    };
    int achadas = -1;
    bool conferido = true;
    for (int r = 0; r < execucoes; ++r) {
        for (const Tecla &t : teclas) {
            const auto [ms, p] = medirAcao([&] {
                if (t.letra)
                    QTest::keyClick(pesquisa, t.letra);
                else
                    QTest::keyClick(pesquisa, t.tecla);
            });
            relogio << ms;
            cpu << p;
            conferido = conferido && pesquisa->text() == t.texto;
            if (t.texto == u"docente 0999"_s)
                achadas = modelo->Contagem();
        }
        for (const Tecla &t : teclas)
            filtrar(t.texto, filtro, filtroCpu);
        // A tecla que lê todas as células: um texto que nenhuma linha tem, sem lista
        // anterior a estreitar.
        for (int i = 0; i < 5; ++i) {
            modelo->Filtrar(QString());
            filtrar(u"qj"_s, todas, todasCpu);
        }
        modelo->Filtrar(QString());
    }
    std::printf("%-10s  %7d linhas, %s: %lld teclas na janela dos docentes (\"docente 0999\": "
                "%d linhas%s)\n"
                "  tecla: mediana %.1f ms, máxima %.1f ms; processador: mediana %.1f ms, máxima "
                "%.1f ms\n"
                "  só o filtro: mediana %.1f ms, máxima %.1f ms; processador: mediana %.1f ms, "
                "máxima %.1f ms\n"
                "  filtro lendo todas as células (texto sem linha): mediana %.1f ms; processador: "
                "mediana %.1f ms\n",
        qPrintable(nome), linhas, nomeCelulas(celulas), qlonglong(relogio.size()), achadas,
        conferido ? "" : ", TEXTO DA CAIXA DIFERENTE DO ESPERADO", mediana(relogio),
        maximo(relogio), mediana(cpu), maximo(cpu), mediana(filtro), maximo(filtro),
        mediana(filtroCpu), maximo(filtroCpu), mediana(todas), mediana(todasCpu));
    std::fflush(stdout);
    j->hide();
    Registro::DestruirJanelas();
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
    // 'abrir': abertura, memória e ordem; 'pesquisa': as teclas; 'escolha': a escolha
    // aberta duas vezes; sem nada, todas.
    const QString parte = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    QList<Motor> motores;
    if (so != u"postgresql"_s)
        motores << Motor::SQLite;
    if (so != u"sqlite"_s)
        motores << Motor::PostgreSQL;
    for (const Motor m : motores) {
        if (parte.isEmpty() || parte == u"abrir"_s)
            medir(m, linhas, execucoes);
        if (parte.isEmpty() || parte == u"pesquisa"_s)
            for (const Celulas c : { Celulas::Latin1, Celulas::ForaDoLatin1 })
                medirPesquisa(m, linhas, execucoes, c);
        if (parte.isEmpty() || parte == u"escolha"_s)
            medirEscolha(m, linhas, execucoes);
    }
    InstalarSaidaEventos(nullptr);
    return 0;
}

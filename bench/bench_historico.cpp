// Quanto o histórico de alterações custa a uma gravação: Aceitar de uma alteração na
// janela de docentes (UPDATE da linha e dos três textos longos, listagem de novo e
// primeira linha), no SQLite e num PostgreSQL local descartável, em três situações:
// com os gatilhos e o histórico vazio, com os gatilhos e 100.000 alterações já
// guardadas, e sem os gatilhos. À parte, só os comandos da gravação (os quatro UPDATE
// numa transação), que é onde os gatilhos trabalham, e, no PostgreSQL, um UPDATE rodado
// dentro do próprio servidor. Mostra mediana, menor e p90.
// Depois, um comando que inclui 100.000 docentes, com e sem os gatilhos (relógio e
// processador de quem grava: o programa no SQLite, o servidor no PostgreSQL); e a
// primeira exibição da janela do histórico com um décimo e com todas as linhas de
// histórico, com a memória que ela guarda, ao lado do cliente do motor lendo a mesma
// primeira página.
// Uso: bench_historico [repetições] [linhas de histórico] [linhas do comando]
// (veja bench/README.md)
#include "BancoTeste.h"
#include "Historico.h"
#include "Medidas.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
using Medidas::Escrever;
using Medidas::Medida;

// Linhas de histórico geradas pelo dono (alterações de nomes de docentes, um minuto
// entre cada uma), as mais novas agora.
QString encher(Motor motor, int linhas)
{
    if (motor == Motor::PostgreSQL)
        return u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao,Antes,Depois) "
               "SELECT now() - g * INTERVAL '1 minute', 'tarvisco_adm', "
               "'Docentes', 2 + g % 20, 'U', jsonb_build_object('Nome', 'Nome ' || g), "
               "jsonb_build_object('Nome', 'Nome ' || (g + 1)) "
               "FROM generate_series(%1, 1, -1) AS g"_s.arg(linhas);
    return u"WITH RECURSIVE g(n) AS (SELECT %1 UNION ALL SELECT n - 1 FROM g WHERE n > 1) "
           "INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao,Antes,Depois) "
           "SELECT datetime('now','-' || n || ' minutes'), 'Administrador', "
           "'Docentes', 2 + n % 20, 'U', json_object('Nome', 'Nome ' || n), "
           "json_object('Nome', 'Nome ' || (n + 1)) FROM g"_s.arg(linhas);
}

// Tempo de processador de quem grava, em ms: esta linha de execução no SQLite; no
// PostgreSQL, o processo do servidor da conexão do programa (pelo /proc: o servidor de
// teste roda nesta máquina).
double processadorDeQuemGrava(Motor motor, const QString &pidServidor)
{
    if (motor == Motor::SQLite)
        return Medidas::Processador();
    QFile f(u"/proc/%1/stat"_s.arg(pidServidor));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    // Depois do nome do processo (entre parênteses): utime e stime são os campos 14 e 15.
    const QByteArray linha = f.readAll();
    const QList<QByteArray> campos = linha.mid(linha.lastIndexOf(')') + 2).split(' ');
    return (campos.value(11).toDouble() + campos.value(12).toDouble()) * 1000.0
        / double(sysconf(_SC_CLK_TCK));
}

// Um comando que inclui 'linhas' docentes (um INSERT ... SELECT, pela conexão do
// programa, numa transação desfeita no fim), com e sem os gatilhos, em rodadas
// alternadas: relógio e processador de quem grava.
bool medirComando(BancoTeste &b, Motor motor, int linhas, int rodadas)
{
    const char *nome = Medidas::NomeMotor(motor);
    Medidas::GatilhosHistorico gatilhos(b);
    TQuery q(&Servidor::Database());
    QString pid;
    if (motor == Motor::PostgreSQL) {
        q.SQL = { u"SELECT pg_backend_pid()"_s };
        q.Open();
        pid = q.Campo0();
    }
    const QString comando = Medidas::InserirDocentes(motor, linhas);
    QList<double> relogio[2], cpu[2];
    int gravadas[2] = { 0, 0 };
    for (int r = 0; r < rodadas + 1; ++r)
        for (int k = 0; k < 2; ++k) {
            const bool com = (r + k) % 2 == 0;
            if (!gatilhos.Ligar(com))
                return false;
            if (motor == Motor::PostgreSQL)
                b.Executar(u"VACUUM Docentes, Historico"_s); // as linhas desfeitas antes
            const auto historico = [&q] {
                q.SQL = { u"SELECT COUNT(*) FROM Historico"_s };
                q.Open();
                const int n = q.Campo0().toInt();
                q.Close();
                return n;
            };
            TDatabase &db = Servidor::Database();
            db.IniciarTransacao();
            const int antes = historico();
            const double p = processadorDeQuemGrava(motor, pid);
            QElapsedTimer t;
            t.start();
            try {
                q.SQL = { comando };
                q.ExecSQL();
            } catch (const ErroBanco &e) {
                std::fprintf(stderr, "%s: %s\n", nome, qPrintable(e.Mensagem()));
                db.DesfazerTransacao();
                return false;
            }
            const double ms = t.nsecsElapsed() / 1e6;
            const double msCpu = processadorDeQuemGrava(motor, pid) - p;
            gravadas[com] = historico() - antes;
            db.DesfazerTransacao();
            if (r == 0)
                continue; // a primeira rodada aquece
            relogio[com] << ms;
            cpu[com] << msCpu;
        }
    gatilhos.Ligar(true);
    const Medida rel[2] = { Medidas::Resumo(relogio[0]), Medidas::Resumo(relogio[1]) };
    const Medida pro[2] = { Medidas::Resumo(cpu[0]), Medidas::Resumo(cpu[1]) };
    Escrever(nome, u"comando de %1 inclusões, sem gatilhos"_s.arg(linhas), rel[0]);
    Escrever(nome, u"comando de %1 inclusões, com gatilhos"_s.arg(linhas), rel[1]);
    std::printf("%-11s   razão com/sem: relógio %.2f (medianas) %.2f (menores); processador de "
                "quem grava %.0f / %.0f ms, razão %.2f (medianas) %.2f (menores); linhas de "
                "histórico gravadas: %d com, %d sem\n",
        nome, rel[1].mediana / rel[0].mediana, rel[1].menor / rel[0].menor, pro[1].mediana,
        pro[0].mediana, pro[1].mediana / std::max(0.001, pro[0].mediana),
        pro[1].menor / std::max(0.001, pro[0].menor), gravadas[1], gravadas[0]);
    return gravadas[1] == linhas && gravadas[0] == 0;
}

// A primeira exibição da janela do histórico (criada de novo, escondida, como no início
// do programa; do show() até pintada), a memória que ela guarda e o cliente do motor
// lendo a mesma primeira página.
bool medirJanela(BancoTeste &b, Motor motor, int repeticoes, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    const QString historico = b.Valor(u"SELECT COUNT(*) FROM Historico"_s);
    TFormTabela *janela = nullptr;
    int linhas = 0;
    long memoria = 0;
    bool ok = true;
    const Medida m = Medidas::Medir(
        repeticoes, saida,
        [&] {
            Registro::DestruirJanelas();
            janela = Registro::Janela(82);
        },
        [&] {
            const long antes = Medidas::EmUso();
            ok = Medidas::Exibir(janela) && ok;
            linhas = janela->Query->RecordCount();
            memoria = std::max(memoria, Medidas::EmUso() - antes);
            janela->hide();
        });
    // O cliente: a página, e à parte o seu início (um SELECT 1), em rodadas alternadas.
    const QString pagina = Historico::SentencaLista({}).join(u"\r\n"_s);
    QList<double> cliente, inicio;
    for (int i = 0; i < std::min(repeticoes, 20); ++i) {
        cliente << Medidas::Cliente(b, pagina);
        inicio << Medidas::Cliente(b, u"SELECT 1"_s);
    }
    const Medida c = Medidas::Resumo(cliente);
    const Medida i = Medidas::Resumo(inicio);
    Escrever(nome, u"janela do histórico, %1 linhas"_s.arg(historico), m);
    Escrever(nome, u"  cliente do motor, a mesma página"_s, c);
    Escrever(nome, u"  cliente do motor, SELECT 1"_s, i);
    std::printf("%-11s   razão janela/cliente %.2f (medianas), %.2f (sem o início do cliente); %d "
                "linhas lidas; a janela guarda %.1f MiB; erros no registro: %s\n",
        nome, m.mediana / std::max(0.001, c.mediana),
        m.mediana / std::max(0.001, c.mediana - i.mediana), linhas, memoria / 1024.0,
        Medidas::ErrosNoRegistro(saida) ? "sim" : "não");
    Registro::DestruirJanelas();
    return ok && linhas == Historico::TamanhoPagina && c.menor > 0;
}

bool medirMotor(
    Motor motor, int repeticoes, int linhasHistorico, int linhasComando, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    BancoTeste &b = *banco;
    TFormTabela *docentes = Registro::Janela(11);
    docentes->show();
    Medidas::GatilhosHistorico gatilhos(b);

    // Aceitar de uma alteração do nome do docente 6 (os textos são gravados de novo,
    // iguais: o histórico não guarda nada para eles).
    const auto aceitar = [&](int i) {
        // A listagem lida de novo: a linha mudou pelos comandos medidos à parte.
        docentes->ConsultarTabela();
        if (Medidas::IrPara(docentes, u"6"_s))
            docentes->MostrarRegistro();
        saida.Limpar();
        QElapsedTimer t;
        t.start();
        docentes->BitBtnModificarClick();
        docentes->DefinirTexto(u"EditNome"_s, u"Docente de medida %1"_s.arg(i % 2));
        docentes->BitBtnAceitarClick();
        return t.nsecsElapsed() / 1e6;
    };
    // Só os comandos da gravação, numa transação, como a janela os roda.
    TQuery q(&Servidor::Database());
    const auto comandos = [&](int i) {
        QElapsedTimer t;
        t.start();
        TDatabase &db = Servidor::Database();
        db.IniciarTransacao();
        q.SQL = { u"UPDATE Docentes SET "_s, u"Nome='Docente de medida %1'"_s.arg(i % 2),
            u" WHERE Id=6"_s };
        q.ExecSQL();
        for (const QString &x :
            { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s }) {
            q.SQL = { u"UPDATE %1 SET Texto=Texto WHERE Docente=6"_s.arg(x) };
            q.ExecSQL();
        }
        db.ConfirmarTransacao();
        return t.nsecsElapsed() / 1e6;
    };

    // Rodadas alternadas com e sem os gatilhos, para que a carga da máquina pese igual
    // nos dois lados; as primeiras gravações depois de cada troca não contam.
    const int rodadas = 10;
    const int porRodada = std::max(1, repeticoes / rodadas);
    // No PostgreSQL, também o custo no próprio servidor: um bloco de UPDATE do docente
    // rodado lá dentro, sem a ida e volta do cliente (em ms por UPDATE).
    const auto noServidor = [&]() -> double {
        const int n = 200;
        QElapsedTimer t;
        t.start();
        if (!b.Executar(
                u"DO $$ BEGIN FOR i IN 1..%1 LOOP UPDATE Docentes SET "
                "Nome='Docente de medida ' || (i % 2) WHERE Id=6; END LOOP; END $$"_s.arg(n)))
            std::fprintf(stderr, "%s: %s\n", nome, qPrintable(b.UltimoErro()));
        return t.nsecsElapsed() / 1e6 / n;
    };
    const auto fase = [&](const QString &oQue) {
        QList<double> aceitacoes[2], gravacoes[2], servidor[2];
        for (int r = 0; r < rodadas; ++r)
            for (int k = 0; k < 2; ++k) {
                const bool com = (r + k) % 2 == 0;
                if (!gatilhos.Ligar(com))
                    return false;
                for (int i = 0; i < 5; ++i) {
                    aceitar(i);
                    comandos(i);
                }
                for (int i = 0; i < porRodada; ++i) {
                    aceitacoes[com] << aceitar(i);
                    gravacoes[com] << comandos(i);
                }
                if (motor == Motor::PostgreSQL)
                    servidor[com] << noServidor();
            }
        gatilhos.Ligar(true);
        const Medida a[2] = { Medidas::Resumo(aceitacoes[0]), Medidas::Resumo(aceitacoes[1]) };
        const Medida g[2] = { Medidas::Resumo(gravacoes[0]), Medidas::Resumo(gravacoes[1]) };
        Escrever(nome, u"Aceitar, sem gatilhos"_s, a[0]);
        Escrever(nome, u"Aceitar, com gatilhos, "_s + oQue, a[1]);
        Escrever(nome, u"  só os comandos, sem gatilhos"_s, g[0]);
        Escrever(nome, u"  só os comandos, com gatilhos, "_s + oQue, g[1]);
        std::printf("%-11s acrescentado, %s: Aceitar %+.3f ms (medianas) %+.3f ms (menores); "
                    "comandos %+.3f ms (medianas) %+.3f ms (menores)\n",
            nome, qPrintable(oQue), a[1].mediana - a[0].mediana, a[1].menor - a[0].menor,
            g[1].mediana - g[0].mediana, g[1].menor - g[0].menor);
        if (motor == Motor::PostgreSQL) {
            const Medida v[2] = { Medidas::Resumo(servidor[0]), Medidas::Resumo(servidor[1]) };
            std::printf("%-11s no servidor, um UPDATE do docente (blocos de 200): sem gatilhos "
                        "%.3f ms, com %.3f ms, acrescentado %+.3f ms (medianas), %+.3f ms "
                        "(menores)\n",
                nome, v[0].mediana, v[1].mediana, v[1].mediana - v[0].mediana,
                v[1].menor - v[0].menor);
        }
        return true;
    };

    // O que foi medido gravou: uma linha de histórico por Aceitar com gatilhos.
    const int antes = b.Valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
    aceitar(1);
    aceitar(0);
    const int porAceitar = (b.Valor(u"SELECT COUNT(*) FROM Historico"_s).toInt() - antes) / 2;

    if (!fase(u"histórico vazio"_s))
        return false;
    docentes->hide();
    if (!medirComando(b, motor, linhasComando, std::max(3, rodadas / 2)))
        return false;
    // A janela do histórico com um décimo das linhas e com todas: o tempo e a memória
    // não crescem com ele.
    QElapsedTimer t;
    t.start();
    const auto encherAte = [&](int total) {
        const int faltam = total - b.Valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
        if (faltam > 0 && !b.Executar(encher(motor, faltam))) {
            std::fprintf(stderr, "%s: %s\n", nome, qPrintable(b.UltimoErro()));
            return false;
        }
        if (motor == Motor::PostgreSQL)
            b.Executar(u"VACUUM ANALYZE Historico"_s);
        return true;
    };
    if (!encherAte(linhasHistorico / 10) || !medirJanela(b, motor, repeticoes / 10 + 1, saida))
        return false;
    if (!encherAte(linhasHistorico) || !medirJanela(b, motor, repeticoes / 10 + 1, saida))
        return false;
    const double msEncher = t.elapsed();
    docentes = Registro::Janela(11);
    docentes->show();
    if (!fase(u"%1 no histórico"_s.arg(linhasHistorico)))
        return false;
    std::printf("%-11s conferido: %d %s ligados e desligados, %d linha(s) de histórico por "
                "Aceitar, %d linhas geradas em %.0f ms, %s linhas no histórico no fim\n",
        nome, gatilhos.Quantos(), motor == Motor::PostgreSQL ? "tabelas com gatilhos" : "gatilhos",
        porAceitar, linhasHistorico, msEncher,
        qPrintable(b.Valor(u"SELECT COUNT(*) FROM Historico"_s)));
    docentes->hide();
    Registro::DestruirJanelas();
    b.Desconectar();
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    const int linhas = argc > 2 ? std::max(10, QByteArray(argv[2]).toInt()) : 100000;
    const int comando = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 100000;
    return Medidas::Rodar(
        argc, argv, 300, [linhas, comando](Motor motor, int repeticoes, SaidaMemoria &saida) {
            return medirMotor(motor, repeticoes, linhas, comando, saida);
        });
}

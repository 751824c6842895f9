// Quanto o histórico de alterações custa a uma gravação: Aceitar de uma alteração na
// janela de docentes (UPDATE da linha e dos três textos longos, listagem de novo e
// primeira linha), no SQLite e num PostgreSQL local descartável, em três situações:
// com os gatilhos e o histórico vazio, com os gatilhos e 100.000 alterações já
// guardadas, e sem os gatilhos. À parte, só os comandos da gravação (os quatro UPDATE
// numa transação), que é onde os gatilhos trabalham, e, no PostgreSQL, um UPDATE rodado
// dentro do próprio servidor. Mostra mediana, menor e p90.
// Uso: bench_historico [repetições] [linhas de histórico]   (veja bench/README.md)
#include "BancoTeste.h"
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
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
using Medidas::Escrever;
using Medidas::Medida;

// Comandos que o gerador de histórico de cada motor usa para encher e desligar.
QString encher(Motor motor, int linhas)
{
    if (motor == Motor::PostgreSQL)
        return u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao,Antes,Depois) "
               "SELECT LOCALTIMESTAMP(0) - g * INTERVAL '1 minute', 'tarvisco_adm', "
               "'Docentes', 2 + g % 20, 'U', jsonb_build_object('Nome', 'Nome ' || g), "
               "jsonb_build_object('Nome', 'Nome ' || (g + 1)) "
               "FROM generate_series(1, %1) AS g"_s.arg(linhas);
    return u"WITH RECURSIVE g(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM g WHERE n < %1) "
           "INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao,Antes,Depois) "
           "SELECT datetime('now','localtime','-' || n || ' minutes'), 'Administrador', "
           "'Docentes', 2 + n % 20, 'U', json_object('Nome', 'Nome ' || n), "
           "json_object('Nome', 'Nome ' || (n + 1)) FROM g"_s.arg(linhas);
}

// Liga e desliga os gatilhos do histórico, como dono: no PostgreSQL habilitando os
// gatilhos das tabelas, no SQLite apagando-os e criando-os de novo com o texto guardado.
class Gatilhos {
public:
    explicit Gatilhos(BancoTeste &b)
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
            const QString c = m_b.motor() == Motor::PostgreSQL
                ? u"ALTER TABLE %1 %2 TRIGGER USER"_s.arg(i, ligar ? u"ENABLE"_s : u"DISABLE"_s)
                : (ligar ? i : u"DROP TRIGGER "_s + nome.match(i).captured(1));
            if (!m_b.Executar(c)) {
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

bool medirMotor(Motor motor, int repeticoes, int linhasHistorico, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    BancoTeste &b = *banco;
    TFormTabela *docentes = Registro::Janela(11);
    docentes->show();
    Gatilhos gatilhos(b);

    // Aceitar de uma alteração do nome do docente 6 (os textos são gravados de novo,
    // iguais: o histórico não guarda nada para eles).
    const auto aceitar = [&](int i) {
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
    QElapsedTimer t;
    t.start();
    if (!b.Executar(encher(motor, linhasHistorico))) {
        std::fprintf(stderr, "%s: %s\n", nome, qPrintable(b.UltimoErro()));
        return false;
    }
    if (motor == Motor::PostgreSQL)
        b.Executar(u"ANALYZE Historico"_s);
    const double msEncher = t.elapsed();
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
    const int linhas = argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 100000;
    return Medidas::Rodar(
        argc, argv, 300, [linhas](Motor motor, int repeticoes, SaidaMemoria &saida) {
            return medirMotor(motor, repeticoes, linhas, saida);
        });
}

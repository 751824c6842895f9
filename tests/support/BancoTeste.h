#pragma once
// Banco de teste dos dois motores. Todo teste que toca SQL roda nas duas linhas globais
// "sqlite" e "postgresql":
//
//   void initTestCase_data() { LinhasMotores(); }
//   void init() { BancoTeste &b = BancoTeste::De(MotorAtual()); QVERIFY2(b.Pronto(), ...);
//                 b.Reiniciar(); QCOMPARE(b.Conectar(1), QString()); }
//
// (ou simplesmente EXIGIR_BANCO(b) no início do caso). O PostgreSQL é um agrupamento
// descartável iniciado uma vez por processo e preparado pelo mesmo comando que o README
// documenta (tarvisco_criar_banco); se não puder iniciar, as linhas "postgresql" falham.
#include "Banco.h"
#include "ClusterPostgres.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

enum class Motor { SQLite, PostgreSQL };
Q_DECLARE_METATYPE(Motor)

// Em initTestCase_data(): coluna "motor" (Motor como int), linhas "sqlite" e "postgresql".
void LinhasMotores();
// Motor da linha global corrente.
Motor MotorAtual();

class BancoTeste {
public:
    // Um por motor por processo de teste, criado no primeiro uso e reaproveitado.
    static BancoTeste &De(Motor m);

    bool Pronto() const { return m_pronto; }
    QString Erro() const { return m_erro; }
    Motor motor() const { return m_motor; }

    // Aponta Servidor::Database() para este banco (sua Fonte), define NivelAcesso e
    // conecta com o login do nível; no PostgreSQL o pedido de senha responde com
    // Senha(nivel). Devolve o texto da falha ou vazio. O SQLite não tem direitos por nível.
    QString Conectar(int nivel = 1);
    void Desconectar();
    // Volta ao esquema com as linhas iniciais (esvazia, reinicia as chaves e semeia);
    // com 'demonstracao', acrescenta os dados de demonstração.
    void Reiniciar(bool demonstracao = false);
    // Um comando na conexão do programa (Servidor::Database(), com o login conectado):
    // devolve o texto da falha, vazio se rodou.
    static QString RodarNoPrograma(const QString &sql);
    // Comandos de preparação como dono/superusuário, fora da conexão do programa.
    bool Executar(const QString &sql);
    // Primeira coluna da primeira linha, do mesmo jeito (vazio sem linha ou em falha).
    QString Valor(const QString &sql);
    QString Senha(int nivel) const;
    ClusterPostgres *Cluster() { return m_cluster.get(); }
    QString Pasta() const { return m_pasta.path(); }
    FonteDados Fonte() const { return m_fonte; }
    QString UltimoErro() const { return m_ultimoErro; } // de Executar/Valor

    ~BancoTeste();

private:
    explicit BancoTeste(Motor m);
    void preparar();
    bool prepararPostgres();
    QSqlDatabase dono();
    static void ajustarDono(QSqlDatabase &db);
    void executarTodos(const QStringList &comandos);

    Motor m_motor;
    bool m_pronto = false;
    QString m_erro;
    QString m_ultimoErro;
    QTemporaryDir m_pasta;
    FonteDados m_fonte;
    QString m_conexaoDono;
    std::unique_ptr<ClusterPostgres> m_cluster;
};

// Abre a conexão dada na fonte dada como o programa abre (parâmetro USER NAME e pedido de
// senha respondido com 'senha'). Devolve o texto da falha ou vazio.
QString AbrirConexao(
    TDatabase &db, const FonteDados &fonte, const QString &login, const QString &senha);

// Roda tarvisco_criar_banco com as opções dadas e as doze linhas "login=senha" de
// 'senha(nivel)' na entrada padrão (entrada própria se 'entrada' não for vazia); com
// 'senhaSuperusuario', ela vai no PGPASSWORD. Saída (-1 se não rodou) e texto.
struct ExecucaoCriarBanco {
    int saida = -1;
    QString texto;
};
ExecucaoCriarBanco CriarBanco(const QStringList &opcoes, const std::function<QString(int)> &senha,
    const QString &entrada = {}, const QString &senhaSuperusuario = {});
// O mesmo, sem esperar: o comando fica rodando em 'p' (saídas juntas), com a entrada já
// escrita e fechada. false se não iniciou ('erro' diz por quê).
bool IniciarCriarBanco(QProcess &p, const QStringList &opcoes,
    const std::function<QString(int)> &senha, const QString &entrada = {},
    const QString &senhaSuperusuario = {}, QString *erro = nullptr);

// Uma biblioteca cujo nome de arquivo começa com 'nome' ("libpq.so") está carregada neste
// processo? (lido de /proc/self/maps)
bool BibliotecaNoProcesso(QByteArrayView nome);

// Pega o banco do motor da linha corrente e falha o caso se não estiver pronto.
#define EXIGIR_BANCO(nome)                                                                         \
    BancoTeste &nome = BancoTeste::De(MotorAtual());                                               \
    QVERIFY2(nome.Pronto(), qPrintable(nome.Erro()))

#pragma once
// Apoio dos testes das janelas de tabela: um banco novo em cada motor (SQLite num
// arquivo temporário, PostgreSQL num agrupamento descartável), as tabelas que as janelas
// usam, o registro em memória e um jeito de rodar a mesma classe de teste nos dois motores.
#include "Banco.h"
#include "CatalogoTabelas.h"
#include "ClusterPostgres.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace Apoio {
using namespace Qt::StringLiterals;

inline FonteDados::Motor &Motor()
{
    static FonteDados::Motor m = FonteDados::SQLite;
    return m;
}

inline ClusterPostgres *&Cluster()
{
    static ClusterPostgres *c = nullptr;
    return c;
}

inline QString NomeMotor()
{
    return Motor() == FonteDados::SQLite ? u"SQLite"_s : u"PostgreSQL"_s;
}

inline SaidaMemoria &Eventos()
{
    static SaidaMemoria s;
    return s;
}

// Roda um comando direto na conexão do programa (preparação dos testes).
inline void Exec(const QString &sql)
{
    QSqlQuery q(Servidor::Database().Conexao());
    if (!q.exec(sql))
        qFatal("preparo falhou: %s -> %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

inline QString Valor(const QString &sql)
{
    QSqlQuery q(Servidor::Database().Conexao());
    if (!q.exec(sql) || !q.next())
        return u"<falha>"_s;
    return q.value(0).toString();
}

// As tabelas das janelas do quadro (as colunas que as janelas usam).
inline void CriarTabelas()
{
    const QString id = Motor() == FonteDados::SQLite ? u"Id INTEGER PRIMARY KEY AUTOINCREMENT"_s
                                                     : u"Id SERIAL PRIMARY KEY"_s;
    const QStringList tabelas = {
        u"DocenteCategorias (%1, Nome VARCHAR(30), Sigla VARCHAR(5))"_s,
        u"Departamentos (%1, Nome VARCHAR(80), Sigla VARCHAR(5))"_s,
        u"DepartamentosDescricao (Departamento INTEGER, Texto TEXT)"_s,
        u"Secoes (%1, Nome VARCHAR(80))"_s,
        u"Docentes (%1, Nome VARCHAR(50), Departamento INTEGER, Categoria INTEGER)"_s,
        u"EmailsDepartamentos (%1, Departamento INTEGER, Email VARCHAR(50), Comentario VARCHAR(50))"_s,
        u"EmailsSecoes (%1, Secao INTEGER, Email VARCHAR(50), Comentario VARCHAR(50))"_s,
        u"EmailsDocentes (%1, Docente INTEGER, Email VARCHAR(50), Comentario VARCHAR(50))"_s,
        u"TelefonesDepartamentos (%1, Departamento INTEGER, Categoria VARCHAR(8), Telefone VARCHAR(15), Comentario VARCHAR(50))"_s,
        u"TelefonesSecoes (%1, Secao INTEGER, Categoria VARCHAR(8), Telefone VARCHAR(15), Comentario VARCHAR(50))"_s,
        u"TelefonesDocentes (%1, Docente INTEGER, Categoria VARCHAR(8), Telefone VARCHAR(15), Comentario VARCHAR(50))"_s,
        u"DocenteSituacao (%1, Situacao VARCHAR(50))"_s,
        u"DocenteTitulacoes (%1, Titulacao VARCHAR(50))"_s,
    };
    for (const QString &t : tabelas) {
        const QString nome = t.section(u' ', 0, 0);
        Exec(u"DROP TABLE IF EXISTS "_s + nome
            + (Motor() == FonteDados::PostgreSQL ? u" CASCADE"_s : QString()));
        Exec(u"CREATE TABLE "_s + QString(t).replace(u"%1"_s, id));
    }
}

inline QTemporaryDir &PastaSQLite()
{
    static QTemporaryDir d;
    return d;
}

// Conecta o programa a um banco novo no motor corrente, com as tabelas vazias.
inline void BancoNovo()
{
    static int contador = 0;
    TDatabase &db = Servidor::Database();
    db.Close();
    FonteDados f;
    f.motor = Motor();
    if (Motor() == FonteDados::SQLite) {
        f.arquivo = PastaSQLite().path() + u"/teste%1.sqlite"_s.arg(++contador);
    } else {
        f.host = Cluster()->PastaSoquete();
        f.porta = Cluster()->Porta();
        f.banco = u"tarvisco"_s;
    }
    db.Fonte = f;
    db.Params = { u"USER NAME=postgres"_s };
    TDatabase::DefinirPedidoSenha([](const QString &, QString &, QString &senha) {
        senha.clear();
        return true;
    });
    db.Open();
    CriarTabelas();
    Eventos().Limpar();
}

// Linhas do registro de eventos (sem a hora).
inline QStringList Linhas()
{
    // A hora vem na frente, com tantos espaços quanto o formato longo do sistema tiver.
    const int espacos = int(HoraRegistro().count(u' '));
    QStringList l;
    for (const auto &linha : Eventos().linhas)
        l << linha.texto.section(u' ', espacos + 1);
    return l;
}

inline bool Registrou(int n, const QString &estado)
{
    const QString procurado = TituloTabela(n) + u", "_s + estado;
    for (const QString &l : Linhas())
        if (l == procurado || l.startsWith(procurado + u", "_s))
            return true;
    return false;
}

// Prepara o processo: aplicativo, registro em memória, níveis.
inline void Preparar()
{
    InstalarSaidaEventos(&Eventos());
    NivelAcesso = 1;
    FiltroTabelas.clear();
}

// Roda a classe de teste no SQLite e depois no PostgreSQL.
template <class Teste> int DoisMotores(int argc, char **argv)
{
    QApplication app(argc, argv);
    Preparar();
    int falhas = 0;
    {
        Motor() = FonteDados::SQLite;
        Teste t;
        falhas += QTest::qExec(&t, argc, argv);
    }
    ClusterPostgres cluster;
    if (!cluster.Iniciar()) {
        qWarning("PostgreSQL não iniciou: %s", qPrintable(cluster.Erro()));
        return falhas + 1;
    }
    bool ok = false;
    cluster.Psql(u"postgres"_s, u"CREATE DATABASE tarvisco"_s, &ok);
    if (!ok)
        return falhas + 1;
    Cluster() = &cluster;
    {
        Motor() = FonteDados::PostgreSQL;
        Teste t;
        falhas += QTest::qExec(&t, argc, argv);
    }
    Registro::DestruirJanelas();
    Servidor::Database().Close();
    Cluster() = nullptr;
    return falhas;
}

// Age numa janela assim que ela estiver à vista (dentro do laço modal dela).
inline void AoAbrir(QWidget *janela, std::function<void()> acao)
{
    auto *t = new QTimer;
    t->setInterval(2);
    QObject::connect(t, &QTimer::timeout, [t, janela, acao] {
        if (!janela->isVisible())
            return;
        t->stop();
        t->deleteLater();
        acao();
    });
    t->start();
}
// Clica (ou dá duplo clique) numa linha da listagem, como o usuário.
inline void ClicarLinha(TFormTabela *j, int linha, bool duplo = false)
{
    QTableView *g = j->DBGridPesquisa;
    const QRect r = g->visualRect(g->model()->index(linha, 0));
    // Um duplo clique do sistema chega como clique e depois o segundo aperto.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    if (duplo)
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

inline QLineEdit *Edit(TFormTabela *j, const QString &nome)
{
    auto *e = j->Controle<QLineEdit>(nome);
    if (!e)
        qFatal("sem controle %s", qPrintable(nome));
    return e;
}

// Digita num campo como o usuário (substitui o texto).
inline void Digitar(TFormTabela *j, const QString &nome, const QString &texto)
{
    QLineEdit *e = Edit(j, nome);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, texto);
}

// Botões do conjunto visível de uma janela (pelo objectName).
inline QStringList BotoesVisiveis(TFormTabela *j)
{
    QStringList v;
    for (QPushButton *b :
        { j->BitBtnIncluir, j->BitBtnModificar, j->BitBtnExcluir, j->BitBtnAceitar,
            j->BitBtnCancelar, j->BitBtnAtualizar, j->BitBtnFechar, j->BitBtnEscolher })
        if (b->isVisibleTo(j))
            v << b->objectName();
    return v;
}
} // namespace Apoio

#define TESTE_DOIS_MOTORES(Classe)                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        return Apoio::DoisMotores<Classe>(argc, argv);                                             \
    }

#pragma once
// Apoio dos testes das janelas de tabela: o banco de teste dos dois motores (BancoTeste),
// o registro de eventos em memória e gestos de usuário sobre as janelas.
//
//   void initTestCase_data() { LinhasMotores(); }
//   void init() { Apoio::Iniciar(); ... }
//   void cleanup() { Apoio::Terminar(); }
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "Modal.h"
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
#include <QTableView>
#include <QtTest>

namespace Apoio {
using namespace Qt::StringLiterals;

inline SaidaMemoria &Eventos()
{
    static SaidaMemoria s;
    return s;
}

inline BancoTeste *&Banco()
{
    static BancoTeste *b = nullptr;
    return b;
}

// Banco do motor da linha corrente, com as linhas iniciais, conectado como o nível.
inline bool Iniciar(int nivel = 1)
{
    BancoTeste &b = BancoTeste::De(MotorAtual());
    Banco() = &b;
    if (!b.Pronto()) {
        qWarning("banco de teste: %s", qPrintable(b.Erro()));
        return false;
    }
    InstalarSaidaEventos(&Eventos());
    b.Reiniciar();
    const QString erro = b.Conectar(nivel);
    if (!erro.isEmpty()) {
        qWarning("conexão: %s", qPrintable(erro));
        return false;
    }
    FiltroTabelas.clear();
    Eventos().Limpar();
    return true;
}

// Fecha as janelas (mesmo editando) e a conexão.
inline void Terminar()
{
    Registro::DestruirJanelas();
    if (Banco())
        Banco()->Desconectar();
}

// Preparação como dono (fora da conexão do programa).
inline void Exec(const QString &sql)
{
    if (!Banco()->Executar(sql))
        qFatal("preparo falhou: %s -> %s", qPrintable(sql), qPrintable(Banco()->UltimoErro()));
}

inline QString Valor(const QString &sql)
{
    return Banco()->Valor(sql);
}

inline bool PostgreSQL()
{
    return MotorAtual() == Motor::PostgreSQL;
}

// Linhas do registro de eventos (sem a hora).
inline QStringList Linhas()
{
    // A hora vem na frente, com tantos brancos quanto o formato longo do sistema tiver.
    const int brancos = int(HoraRegistro().count(u' '));
    QStringList l;
    for (const auto &linha : Eventos().linhas)
        l << linha.texto.section(u' ', brancos + 1);
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

// Clica (ou dá duplo clique) numa linha da listagem, como o usuário.
inline void ClicarLinha(TFormTabela *j, int linha, bool duplo = false)
{
    QTableView *g = j->DBGridPesquisa;
    const QRect r = g->visualRect(g->model()->index(linha, 0));
    // Um duplo clique do sistema chega como um clique e depois o segundo aperto.
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
    // O teclado simulado só conhece ASCII; o resto entra como entrada de texto.
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(e, c.toLatin1());
        else
            e->insert(QString(c));
    }
}

// Duplo clique num campo (os amarelos abrem a escolha).
inline void DuploClique(TFormTabela *j, const QString &nome)
{
    QWidget *w = j->Controle(nome);
    if (!w)
        qFatal("sem controle %s", qPrintable(nome));
    QTest::mouseDClick(w, Qt::LeftButton);
}

// Os números das janelas com editor próprio (as servidas por outro ficam com o dele).
inline QList<int> JanelasComEditor()
{
    QList<int> n;
    for (int numero : Registro::NumerosJanelas())
        if (Registro::TemEditor(numero))
            n << numero;
    return n;
}

// Botões visíveis de uma janela (pelo objectName), na ordem da base.
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

inline const QStringList &ConjuntoConsulta()
{
    static const QStringList c = { u"BitBtnIncluir"_s, u"BitBtnModificar"_s, u"BitBtnExcluir"_s,
        u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s };
    return c;
}

// Age na janela de tabela quando ela abrir modal (escolha ou filha).
inline void AoAbrir(TFormTabela *janela, std::function<void()> acao)
{
    AoAbrirModal([janela, acao](QWidget *modal) {
        if (modal != janela)
            QTest::qFail("abriu outra janela modal", __FILE__, __LINE__);
        acao();
    });
}
} // namespace Apoio

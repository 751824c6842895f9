#pragma once
// Apoio dos testes dos editores de departamentos e docentes: o banco de teste dos dois
// motores com os dados de demonstração, linhas da listagem pelo Id, a captura do texto
// dos comandos de gravação e uma tabela de descrição que some por um instante (para
// fazer falhar a gravação dos textos longos).
#include "BancoTeste.h"
#include "Modal.h"
#include "quadro_apoio.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QKeyEvent>

namespace Editores {
using namespace Qt::StringLiterals;

// Linha da listagem cuja coluna Id vale 'id' (-1 se não está listada).
inline int LinhaDoId(TFormTabela *j, const QString &id)
{
    const QAbstractItemModel *m = j->DBGridPesquisa->model();
    int colunaId = -1;
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->headerData(c, Qt::Horizontal).toString().compare(u"Id"_s, Qt::CaseInsensitive) == 0)
            colunaId = c;
    for (int l = 0; l < m->rowCount(); ++l)
        if (m->index(l, colunaId).data().toString() == id)
            return l;
    return -1;
}

// Ids listados, na ordem da listagem.
inline QStringList IdsListados(TFormTabela *j)
{
    QStringList ids;
    const QAbstractItemModel *m = j->DBGridPesquisa->model();
    for (int l = 0; l < m->rowCount(); ++l)
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal).toString().compare(u"Id"_s, Qt::CaseInsensitive)
                == 0)
                ids << m->index(l, c).data().toString();
    return ids;
}

// Digita o texto num memo tecla por tecla, como o usuário; também caracteres fora do
// ASCII (que QTest::keyClicks não sabe teclar), os de fora do plano básico (um par de
// substitutos numa tecla só) e quebras de linha (Enter).
inline void Teclar(QWidget *controle, const QString &texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto.at(i) == u'\n') {
            QTest::keyClick(controle, Qt::Key_Return);
            continue;
        }
        const qsizetype n = texto.at(i).isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString tecla = texto.mid(i, n);
        i += n - 1;
        QKeyEvent aperta(QEvent::KeyPress, 0, Qt::NoModifier, tecla);
        QKeyEvent solta(QEvent::KeyRelease, 0, Qt::NoModifier, tecla);
        QApplication::sendEvent(controle, &aperta);
        QApplication::sendEvent(controle, &solta);
    }
}

// Clica (ou dá duplo clique) na linha do Id, como o usuário, rolando a lista até ela;
// false se ela não está listada.
inline bool ClicarId(TFormTabela *j, const QString &id, bool duplo = false)
{
    const int linha = LinhaDoId(j, id);
    if (linha < 0)
        return false;
    j->DBGridPesquisa->scrollTo(j->DBGridPesquisa->model()->index(linha, 0));
    Apoio::ClicarLinha(j, linha, duplo);
    return true;
}

// O controle de nome dado da janela, do tipo dado (o teste para se não existe).
template <class T> T *Controle(TFormTabela *j, const QString &nome)
{
    auto *c = j->Controle<T>(nome);
    if (!c)
        qFatal("sem controle %s", qPrintable(nome));
    return c;
}

// Fim de um caso dos editores: as janelas voltam à consulta, são destruídas, a conexão é
// fechada e o filtro esvaziado.
inline void TerminarCaso(BancoTeste *b)
{
    for (int n : Registro::NumerosJanelas())
        if (TFormTabela *j = Registro::Janela(n)) {
            j->Modo = ModoTabela::Consultando;
            j->hide();
        }
    Registro::DestruirJanelas();
    if (b)
        b->Desconectar();
    FiltroTabelas.clear();
}

// Clica na linha do Id e confere que ela é a mostrada.
#define CLICAR_ID(janela, id)                                                                      \
    do {                                                                                           \
        QVERIFY2(Editores::ClicarId(janela, id), qPrintable(u"Id não listado: "_s + (id)));        \
        QCOMPARE(Apoio::Edit(janela, u"EditId"_s)->text(), QString(id));                           \
    } while (false)

// Escolhe a linha 'id' na janela 'numero', aberta como escolha pelo duplo clique no
// campo 'campo' da janela j (também de dentro de uma filha modal: espera pela janela de
// escolha, pelo nome).
inline void Escolher(TFormTabela *j, const QString &campo, int numero, const QString &id)
{
    TFormTabela *escolha = Registro::Janela(numero);
    escolha->setObjectName(u"escolha"_s);
    AoAbrirModal(
        [escolha, id](QWidget *w) {
            QCOMPARE(w, escolha);
            QCOMPARE(escolha->Modo, ModoTabela::Escolhendo);
            CLICAR_ID(escolha, id);
            escolha->BitBtnEscolher->click();
        },
        u"escolha"_s);
    Apoio::DuploClique(j, campo);
    QCOMPARE(escolha->Modo, ModoTabela::Consultando);
}

// Abre a filha pelo botão da mãe, na linha 'id', e roda 'acao' nela (a filha é fechada
// depois, se a ação não a fechou).
inline void NaFilha(TFormTabela *mae, const QString &id, const QString &botao,
    const std::function<void(TFormTabela *)> &acao)
{
    CLICAR_ID(mae, id);
    bool abriu = false;
    AoAbrirModal([&](QWidget *w) {
        abriu = true;
        auto *filha = qobject_cast<TFormTabela *>(w);
        QVERIFY(filha);
        acao(filha);
        if (filha->isVisible())
            filha->BitBtnFechar->click();
    });
    mae->Controle<QPushButton>(botao)->click();
    QVERIFY(abriu);
}

// Fim de um teste de editores: as janelas dadas de volta à consulta e escondidas, todas
// destruídas, a conexão fechada e o filtro do nível limpo (sem a lista: todas as janelas).
inline void Encerrar(BancoTeste *b, const QList<int> &janelas = Registro::NumerosJanelas())
{
    for (int n : janelas)
        if (TFormTabela *j = Registro::Janela(n)) {
            j->Modo = ModoTabela::Consultando;
            j->hide();
        }
    Registro::DestruirJanelas();
    if (b)
        b->Desconectar();
    FiltroTabelas.clear();
}

// Itens de uma lista de escolha.
inline QStringList Itens(const QComboBox *c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

// A janela da classe J com o comando de gravação guardado logo depois de rodar (antes
// dos textos longos e do fim da transação), no lugar da janela registrada do número.
template <class J> class Espia : public J {
public:
    using J::J;
    QStringList comandos;

protected:
    bool GravarSeguintes(bool inclusao) override
    {
        comandos << this->Query->TextoComando();
        return J::GravarSeguintes(inclusao);
    }
};

template <class J> Espia<J> *InstalarEspia(int numero)
{
    Registro::DestruirJanelas();
    Registro::DefinirFabrica(numero, [](QWidget *pai) { return new Espia<J>(pai); });
    return static_cast<Espia<J> *>(Registro::Janela(numero));
}

template <class J> void DesinstalarEspia(int numero)
{
    Registro::DestruirJanelas();
    Registro::DefinirFabrica(numero, [](QWidget *pai) { return new J(pai); });
}

// Dá outro nome a uma tabela enquanto existir (comandos sobre ela falham) e devolve o
// nome ao sair, também quando o teste falha no meio.
class TabelaSumida {
public:
    TabelaSumida(BancoTeste &b, const QString &tabela)
        : m_b(b)
        , m_tabela(tabela)
    {
        m_ok = b.Executar(u"ALTER TABLE "_s + tabela + u" RENAME TO "_s + tabela + u"_fora"_s);
    }
    ~TabelaSumida()
    {
        if (m_ok)
            m_b.Executar(u"ALTER TABLE "_s + m_tabela + u"_fora RENAME TO "_s + m_tabela);
    }
    bool Ok() const { return m_ok; }

private:
    BancoTeste &m_b;
    QString m_tabela;
    bool m_ok = false;
};

// O banco do motor da linha corrente, com os dados de demonstração, conectado no nível;
// o filtro das tabelas como o programa o define ao conectar.
#define BANCO_DEMONSTRACAO(b, nivel)                                                               \
    EXIGIR_BANCO(b);                                                                               \
    b.Reiniciar(true);                                                                             \
    QCOMPARE(b.Conectar(nivel), QString());                                                        \
    FiltroTabelas = Editores::FiltroDoNivel(b, nivel);                                             \
    Apoio::Eventos().Limpar()

inline QString FiltroDoNivel(BancoTeste &b, int nivel)
{
    if (nivel >= 3 && nivel <= 6)
        return b.Valor(
            u"SELECT Id FROM Departamentos WHERE Nome="_s + CitarTexto(DepartamentoNivel(nivel)));
    if (nivel == 9)
        return u"Graduação"_s;
    if (nivel == 10)
        return u"Pós-Graduação"_s;
    return {};
}
} // namespace Editores

// Textos longos, ProcurarId e capacidade dos memos, com as linhas do registro.
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Servidor.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// Estado e mensagem de cada linha do registro (sem a hora).
QStringList registro(const SaidaMemoria &s)
{
    // A hora vem no formato longo do sistema, que pode ter brancos ("14:05:00 UTC").
    const int brancos = int(HoraRegistro().count(u' '));
    QStringList linhas;
    for (const SaidaMemoria::Linha &l : s.linhas)
        linhas << l.texto.section(u' ', brancos + 1);
    return linhas;
}
} // namespace

class TesteTextos : public QObject {
    Q_OBJECT
    SaidaMemoria m_saida;
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&m_saida); }
    void cleanupTestCase() { InstalarSaidaEventos(nullptr); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
        b.Reiniciar();
        QCOMPARE(b.Conectar(1), QString());
        QVERIFY(b.Executar(u"INSERT INTO Docentes (Id,Nome) VALUES (50,'Teste')"_s));
        m_saida.Limpar();
    }
    void cleanup() { m_banco->Desconectar(); }

    void mostrarCriaALinhaQueFalta()
    {
        QString texto = u"sobra"_s;
        QVERIFY(MostrarCampoDescricao(u"50"_s, 42, texto, u"Docente"_s));
        QCOMPARE(texto, QString());
        QCOMPARE(registro(m_saida),
            QStringList({ u"Docentes, Área de Pesquisa, erro, campo Docente não encontrado"_s,
                u"Docentes, Área de Pesquisa, incluindo..."_s,
                u"Docentes, Área de Pesquisa, incluído"_s }));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocentesPesquisaArea WHERE Docente=50"_s), u"1"_s);
        m_saida.Limpar();
        texto = u"sobra"_s;
        QVERIFY(MostrarCampoDescricao(u"50"_s, 42, texto, u"Docente"_s));
        QCOMPARE(texto, QString());
        QCOMPARE(registro(m_saida), QStringList({ u"Docentes, Área de Pesquisa, consultado"_s }));
    }

    void ciclo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("simples") << u"Ecologia"_s;
        QTest::newRow("hostil") << u"'); DROP TABLE Docentes; --\r\nç\\'\"; :x ?"_s;
        QTest::newRow("longo") << u"á\r\n"_s.repeated(1330);
    }
    void ciclo()
    {
        QFETCH(QString, texto);
        QVERIFY(InserirCampoDescricao(u"50"_s, 61, texto, u"Departamento"_s));
        QString lido;
        QVERIFY(MostrarCampoDescricao(u"50"_s, 61, lido, u"Departamento"_s));
        QCOMPARE(lido, texto);
        const QString novo = texto + u" (revisto)"_s;
        QVERIFY(AtualizarCampoDescricao(u"50"_s, 61, novo, u"Departamento"_s));
        QVERIFY(MostrarCampoDescricao(u"50"_s, 61, lido, u"Departamento"_s));
        QCOMPARE(lido, novo);
        QVERIFY(ExcluirCampoDescricao(u"50"_s, 61, u"Departamento"_s));
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DepartamentosDescricao WHERE Departamento=50"_s), u"0"_s);
        QCOMPARE(registro(m_saida),
            QStringList({ u"Departamentos, Descrição, incluindo..."_s,
                u"Departamentos, Descrição, incluído"_s, u"Departamentos, Descrição, consultado"_s,
                u"Departamentos, Descrição, alterando..."_s,
                u"Departamentos, Descrição, alterado"_s, u"Departamentos, Descrição, consultado"_s,
                u"Departamentos, Descrição, apagando..."_s,
                u"Departamentos, Descrição, apagado"_s }));
    }

    // Atualizar sem linha de descrição grava o texto numa linha nova.
    void atualizarSemLinhaInclui()
    {
        QVERIFY(AtualizarCampoDescricao(u"50"_s, 44, u"Observação nova"_s, u"Docente"_s));
        QCOMPARE(valor(u"SELECT Texto FROM DocentesObservacao WHERE Docente=50"_s),
            u"Observação nova"_s);
        QCOMPARE(registro(m_saida),
            QStringList({ u"Docentes, Observação, alterando..."_s,
                u"Docentes, Observação, erro, campo Docente não encontrado"_s,
                u"Docentes, Observação, incluindo..."_s, u"Docentes, Observação, incluído"_s }));
    }

    void idVazioNaoFazNada()
    {
        QString texto = u"fica"_s;
        QVERIFY(MostrarCampoDescricao(QString(), 42, texto, u"Docente"_s));
        QVERIFY(InserirCampoDescricao(QString(), 42, texto, u"Docente"_s));
        QVERIFY(AtualizarCampoDescricao(QString(), 42, texto, u"Docente"_s));
        QVERIFY(ExcluirCampoDescricao(QString(), 42, u"Docente"_s));
        QCOMPARE(texto, u"fica"_s);
        QVERIFY(m_saida.linhas.isEmpty());
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DocentesPesquisaArea"_s), u"0"_s);
    }

    void idQueNaoEhNumeroEhRecusado()
    {
        Roteiro roteiro;
        QVERIFY(!InserirCampoDescricao(u"50 OR 1=1"_s, 42, u"x"_s, u"Docente"_s));
        QVERIFY(!ExcluirCampoDescricao(u"1; DELETE FROM Docentes"_s, 42, u"Docente"_s));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Docentes"_s), u"2"_s);
        QCOMPARE(roteiro.mostradas.size(), 2); // RegistrarErro avisou cada recusa
    }

    void falhaVaiParaRegistrarErro()
    {
        Roteiro roteiro;
        QVERIFY(m_banco->Executar(u"DROP TABLE DocentesObservacao"_s));
        QString texto;
        QVERIFY(!MostrarCampoDescricao(u"50"_s, 44, texto, u"Docente"_s));
        QCOMPARE(m_saida.linhas.size() >= 1, true);
        QVERIFY(m_saida.linhas.first().texto.contains(u"Docentes, Observação, erro de SQL, "_s));
        QCOMPARE(roteiro.mostradas.size(), 1);
        QVERIFY(roteiro.mostradas.first().second.startsWith(u"Erro de SQL:"_s));
        m_banco->Executar(
            u"CREATE TABLE DocentesObservacao (Id INTEGER, Docente INTEGER, Texto TEXT)"_s);
    }

    void procurarId()
    {
        QCOMPARE(ProcurarId(10, u"Química"_s, u"Nome"_s), u"5"_s);
        QCOMPARE(ProcurarId(10, u"Não existe"_s, u"Nome"_s), QString());
        QCOMPARE(ProcurarId(10, u"'; DROP TABLE Departamentos; --"_s, u"Nome"_s), QString());
        QCOMPARE(registro(m_saida),
            QStringList({ u"Departamentos, consultado"_s, u"Departamentos, consultado"_s,
                u"Departamentos, consultado"_s }));
        QCOMPARE(valor(u"SELECT COUNT(Id) FROM Departamentos"_s), u"5"_s);
    }

    void capacidade_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<int>("uso");
        QTest::newRow("vazio") << QString() << 3990 << 0;
        QTest::newRow("2 de 3 trunca") << u"ab"_s << 3 << 66;
        QTest::newRow("cheio") << u"abc"_s << 3 << 100;
        QTest::newRow("CR LF conta dois") << u"a\r\nb"_s << 8 << 50;
        QTest::newRow("LF sozinho conta dois") << u"a\nb"_s << 8 << 50;
        QTest::newRow("acentos contam um") << u"çãé"_s << 6 << 50;
        QTest::newRow("emoji conta um") << u"\U0001F600\U0001F600"_s << 4 << 50;
        QTest::newRow("máximo zero") << u"abc"_s << 0 << 0;
        QTest::newRow("7990") << u"x"_s.repeated(7989) << 7990 << 99;
    }
    void capacidade()
    {
        QFETCH(QString, texto);
        QFETCH(int, maximo);
        QFETCH(int, uso);
        QCOMPARE(CapacidadeUsada(texto, maximo), uso);
    }
};

QTEST_GUILESS_MAIN(TesteTextos)
#include "tst_banco_textos.moc"

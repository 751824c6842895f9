// Os passos de depois da conexão, sem janela nenhuma, nos dois motores: a configuração
// do servidor, a contagem de cópias em uso e o filtro das tabelas de cada nível.
#include "BancoTeste.h"
#include "Conexao.h"
#include "PerfisAcesso.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TesteConexaoNucleo : public QObject {
    Q_OBJECT
    SaidaMemoria m_eventos;

    QString instancias(BancoTeste &b) { return b.Valor(u"SELECT Instancias FROM Tarvisco"_s); }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&m_eventos); }
    void cleanup()
    {
        BancoTeste::De(MotorAtual()).Desconectar();
        FiltroTabelas.clear();
    }

    void configuracao()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        QCOMPARE(b.Conectar(1), QString());
        QVERIFY(b.Executar(u"UPDATE Tarvisco SET Email='web@x.example', URL='', "
                           "DesligarVersaoAntiga='S' WHERE Id=1"_s));
        Roteiro r;
        const auto c = Conexao::LerConfiguracao();
        QVERIFY(c);
        QCOMPARE(c->email, u"web@x.example"_s);
        QCOMPARE(c->url, QString());
        QVERIFY(c->desligarVersaoAntiga);
        QCOMPARE(c->versao, VersaoPrograma);
        QVERIFY(r.mostradas.isEmpty());
        // Sem linha: ilegível, com o erro grave.
        QVERIFY(b.Executar(u"DELETE FROM Tarvisco"_s));
        QVERIFY(!Conexao::LerConfiguracao());
        QCOMPARE(r.Textos().size(), 1);
        QVERIFY(r.Textos().constFirst().startsWith(u"ERRO GRAVE:"_s));
    }

    void contagem()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        QCOMPARE(b.Conectar(1), QString());
        QVERIFY(b.Executar(u"UPDATE Tarvisco SET Instancias=0"_s));
        Conexao::ModificarContagem(+1);
        Conexao::ModificarContagem(+1);
        QCOMPARE(instancias(b), u"2"_s);
        Conexao::ModificarContagem(-1);
        Conexao::ModificarContagem(-1);
        Conexao::ModificarContagem(-1); // nunca abaixo de zero
        QCOMPARE(instancias(b), u"0"_s);
        b.Desconectar();
        Conexao::ModificarContagem(+1); // sem conexão nada acontece
        QCOMPARE(instancias(b), u"0"_s);
    }

    void filtroDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("filtro"); // "#Nome" = Id do departamento desse nome
        QTest::newRow("Administrador") << 1 << QString();
        QTest::newRow("Química") << 6 << u"#Química"_s;
        QTest::newRow("Graduação") << 9 << u"Graduação"_s;
        QTest::newRow("Pós-graduação") << 10 << u"Pós-Graduação"_s;
        QTest::newRow("ATAd") << 12 << QString();
    }
    void filtroDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QString, filtro);
        EXIGIR_BANCO(b);
        b.Reiniciar();
        QCOMPARE(b.Conectar(nivel), QString());
        if (filtro.startsWith(u'#'))
            filtro = b.Valor(u"SELECT Id FROM Departamentos WHERE Nome='%1'"_s.arg(filtro.mid(1)));
        Roteiro r;
        FiltroTabelas = u"resto"_s;
        QVERIFY(Conexao::DefinirFiltroDasTabelas());
        QCOMPARE(FiltroTabelas, filtro);
        QVERIFY(r.mostradas.isEmpty());
    }

    void departamentoDoNivelAusente()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        // Sem a linha (no PostgreSQL o departamento do login é o Id, não o nome).
        QVERIFY(b.Executar(u"DELETE FROM Departamentos WHERE Nome='Química'"_s));
        QCOMPARE(b.Conectar(6), QString());
        Roteiro r;
        QVERIFY(!Conexao::DefinirFiltroDasTabelas());
        QCOMPARE(FiltroTabelas, QString());
        QCOMPARE(r.Textos().size(), 1);
    }
};

QTEST_MAIN(TesteConexaoNucleo)
#include "tst_conexao_nucleo.moc"

// Plataforma do banco nos dois motores: conexão, consultas, valores hostis, datas.
#include "Banco.h"
#include "BancoTeste.h"
#include "Esquema.h"
#include "Servidor.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TesteBanco : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { LinhasMotores(); }
    void init()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        QCOMPARE(b.Conectar(1), QString());
    }
    void cleanup() { BancoTeste::De(MotorAtual()).Desconectar(); }

    void linhasIniciais()
    {
        TQuery q(&Servidor::Database());
        q.SQL = { u"SELECT * FROM Tarvisco"_s };
        q.Open();
        QCOMPARE(q.RecordCount(), 1);
        QCOMPARE(q.AsString(u"Versao"_s), u"16"_s);
        QCOMPARE(q.AsInteger(u"Instancias"_s), 0);
        QCOMPARE(q.AsString(u"DesligarVersaoAntiga"_s), u"N"_s);
        q.SQL = { u"SELECT * FROM Departamentos ORDER BY Id"_s };
        q.Open();
        QCOMPARE(q.AsString(u"Nome"_s), u"[vazio]"_s);
        QCOMPARE(q.AsInteger(u"Id"_s), 1);
        QCOMPARE(q.NomesCampos().first(), u"Id"_s);
    }
};

QTEST_GUILESS_MAIN(TesteBanco)
#include "tst_banco.moc"

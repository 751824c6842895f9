// Verificação dos endereços da Internet (links, downloads) contra um servidor HTTP local
// (nunca a rede de verdade): os que respondem, os movidos, os que faltam, os que recusam o
// HEAD e os que não respondem; poucos de cada vez; o cancelamento.
#include "ServidorHttp.h"
#include "VerificacaoEnderecos.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Endereco = VerificacaoEnderecos::Endereco;

class TesteEnderecos : public QObject {
    Q_OBJECT
    ServidorHttp m_servidor;

private slots:
    void initTestCase() { QVERIFY(m_servidor.isListening()); }

    void completos_data()
    {
        QTest::addColumn<QString>("endereco");
        QTest::addColumn<bool>("completo");
        QTest::newRow("https") << u"https://teses.qorvel.example.org/"_s << true;
        QTest::newRow("maiúsculas") << u" HTTP://www.fapv.example.org "_s << true;
        QTest::newRow("relativo") << u"/calendario/"_s << false;
        QTest::newRow("arquivo") << u"regimento.pdf"_s << false;
        QTest::newRow("ftp") << u"ftp://arquivos.example.org/x"_s << false;
        QTest::newRow("sem máquina") << u"http://"_s << false;
        QTest::newRow("vazio") << QString() << false;
    }
    void completos()
    {
        QFETCH(QString, endereco);
        QFETCH(bool, completo);
        QCOMPARE(VerificacaoEnderecos::Completo(endereco), completo);
    }

    // Cada caso dá o resultado; os incompletos ficam fora; só dois de cada vez.
    void verificar()
    {
        VerificacaoEnderecos v;
        v.DefinirLimites(2, 1500);
        QSignalSpy terminou(&v, &VerificacaoEnderecos::Terminou);
        QSignalSpy progresso(&v, &VerificacaoEnderecos::Progresso);
        const QStringList caminhos
            = { u"/ok"_s, u"/nao-existe"_s, u"/movido"_s, u"/lento"_s, u"/sem-head"_s };
        QList<Endereco> lista;
        for (const QString &c : caminhos)
            lista.append({ c, c.mid(1), m_servidor.Endereco(c) });
        lista.insert(1, { u"x"_s, u"relativo"_s, u"/calendario/"_s });
        v.Iniciar(lista);
        QVERIFY(v.Ativa());
        QTRY_COMPARE_WITH_TIMEOUT(terminou.size(), 1, 10000);
        QCOMPARE(v.Enderecos().size(), 5);
        QStringList resultados;
        for (const Endereco &e : v.Enderecos())
            resultados << e.nome + u": "_s + (e.respondeu ? u"ok "_s : u"falha "_s) + e.resultado;
        QCOMPARE(resultados,
            (QStringList { u"ok: ok HTTP 200"_s, u"nao-existe: falha HTTP 404"_s,
                u"movido: ok HTTP 200"_s, u"lento: falha sem resposta em 2 s"_s,
                u"sem-head: ok HTTP 200"_s }));
        QStringList falhas;
        for (const Endereco &e : v.Falhas())
            falhas << e.id;
        QCOMPARE(falhas, (QStringList { u"/nao-existe"_s, u"/lento"_s }));
        QCOMPARE(progresso.last(), (QList<QVariant> { 5, 5 }));
        // HEAD primeiro; GET só onde o HEAD foi recusado ou deu erro
        QVERIFY(m_servidor.Pedidos.contains(u"HEAD /movido"_s));
        QVERIFY(m_servidor.Pedidos.contains(u"GET /sem-head"_s));
        QVERIFY(m_servidor.Pedidos.contains(u"GET /nao-existe"_s));
        QVERIFY(!m_servidor.Pedidos.contains(u"GET /ok"_s));
    }

    void cancelar()
    {
        VerificacaoEnderecos v;
        v.DefinirLimites(2, 60000);
        QSignalSpy terminou(&v, &VerificacaoEnderecos::Terminou);
        QList<Endereco> lista;
        for (int i = 0; i < 5; ++i)
            lista.append({ QString::number(i), u"lento"_s, m_servidor.Endereco(u"/lento"_s) });
        v.Iniciar(lista);
        QTest::qWait(200);
        QVERIFY(v.Ativa());
        v.Cancelar();
        QCOMPARE(terminou.size(), 1);
        QVERIFY(v.Cancelada());
        QCOMPARE(v.Feitos(), 0);
        QVERIFY(v.Falhas().isEmpty());
        QTest::qWait(100);
        QCOMPARE(terminou.size(), 1);
    }
};

QTEST_MAIN(TesteEnderecos)
#include "tst_enderecos.moc"

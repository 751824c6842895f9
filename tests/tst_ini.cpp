// Arquivo INI em Windows-1252 e a página de código.
#include "Cp1252.h"
#include "Ini.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TesteIni : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;

    QString caminho(const QString &nome) const { return pasta.filePath(nome); }
    void escreverBytes(const QString &nome, const QByteArray &bytes)
    {
        QFile f(caminho(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray lerBytes(const QString &nome)
    {
        QFile f(caminho(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void arquivoAusenteDaOPadrao()
    {
        ArquivoIni ini(caminho(u"nao-existe.ini"_s));
        QCOMPARE(ini.LerInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 1), 1);
        QCOMPARE(ini.LerTexto(u"Configurações"_s, u"CantoSuperior"_s, u"x"_s), u"x"_s);
    }

    void leArquivoWindows1252()
    {
        // Como o programa original o grava: seção com ç e õ num byte cada, CR LF.
        escreverBytes(u"orig.ini"_s,
            "[Configura\xE7\xF5"
            "es]\r\nCantoEsquerdo=120\r\n"
            "CantoSuperior=45\r\n");
        ArquivoIni ini(caminho(u"orig.ini"_s));
        QCOMPARE(ini.LerInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 1), 120);
        QCOMPARE(ini.LerInteiro(u"Configurações"_s, u"CantoSuperior"_s, 1), 45);
        // Outra grafia de maiúsculas, espaços em volta do '='.
        escreverBytes(u"orig2.ini"_s,
            "; comentario\r\n[CONFIGURA\xC7\xD5"
            "ES]\r\n"
            "  cantoesquerdo = -3 \r\n");
        ArquivoIni ini2(caminho(u"orig2.ini"_s));
        QCOMPARE(ini2.LerInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 1), -3);
        QCOMPARE(ini2.LerInteiro(u"Configurações"_s, u"CantoSuperior"_s, 1), 1);
    }

    void gravaEmWindows1252()
    {
        const QString nome = u"novo.ini"_s;
        {
            ArquivoIni ini(caminho(nome));
            ini.EscreverInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 7);
            ini.EscreverInteiro(u"Configurações"_s, u"CantoSuperior"_s, 9);
            QVERIFY(ini.Gravar());
        }
        QCOMPARE(lerBytes(nome),
            QByteArray("[Configura\xE7\xF5"
                       "es]\r\nCantoEsquerdo=7\r\nCantoSuperior=9\r\n"));
        // Regravar muda só o valor.
        ArquivoIni ini(caminho(nome));
        QCOMPARE(ini.LerInteiro(u"Configurações"_s, u"CantoSuperior"_s, 1), 9);
        ini.EscreverInteiro(u"Configurações"_s, u"CantoSuperior"_s, 300);
        QVERIFY(ini.Gravar());
        QCOMPARE(lerBytes(nome),
            QByteArray("[Configura\xE7\xF5"
                       "es]\r\nCantoEsquerdo=7\r\nCantoSuperior=300\r\n"));
    }

    void preservaOutrasLinhas()
    {
        const QString nome = u"misto.ini"_s;
        escreverBytes(nome,
            "[Outra]\r\nA=1\r\n\r\n[Configura\xE7\xF5"
            "es]\r\n; nota\r\n"
            "CantoEsquerdo=5\r\n\r\n[Fim]\r\nB=2\r\n");
        ArquivoIni ini(caminho(nome));
        ini.EscreverInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 6);
        ini.EscreverInteiro(u"Configurações"_s, u"CantoSuperior"_s, 8);
        QVERIFY(ini.Gravar());
        QCOMPARE(lerBytes(nome),
            QByteArray("[Outra]\r\nA=1\r\n\r\n[Configura\xE7\xF5"
                       "es]\r\n; nota\r\n"
                       "CantoEsquerdo=6\r\nCantoSuperior=8\r\n\r\n[Fim]\r\nB=2\r\n"));
    }

    void inteiros_data()
    {
        QTest::addColumn<QByteArray>("valor");
        QTest::addColumn<int>("esperado");
        QTest::newRow("decimal") << QByteArray("250") << 250;
        QTest::newRow("negativo") << QByteArray("-12") << -12;
        QTest::newRow("hexadecimal $") << QByteArray("$1F") << 31;
        QTest::newRow("hexadecimal 0x") << QByteArray("0x10") << 16;
        QTest::newRow("vazio") << QByteArray("") << 1;
        QTest::newRow("texto") << QByteArray("abc") << 1;
        QTest::newRow("lixo no fim") << QByteArray("12px") << 1;
        QTest::newRow("grande demais") << QByteArray("99999999999") << 1;
    }
    void inteiros()
    {
        QFETCH(QByteArray, valor);
        QFETCH(int, esperado);
        escreverBytes(u"int.ini"_s,
            "[Configura\xE7\xF5"
            "es]\r\nCantoEsquerdo="
                + valor + "\r\n");
        ArquivoIni ini(caminho(u"int.ini"_s));
        QCOMPARE(ini.LerInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 1), esperado);
    }

    void gravacaoImpossivelFalha()
    {
        ArquivoIni ini(caminho(u"sem-pasta/x.ini"_s));
        ini.EscreverInteiro(u"Configurações"_s, u"CantoEsquerdo"_s, 1);
        QString erro;
        QVERIFY(!ini.Gravar(&erro));
        QVERIFY(!erro.isEmpty());
    }

    void paginaDeCodigo()
    {
        // Todo byte volta ao mesmo byte.
        QByteArray todos;
        for (int i = 0; i < 256; ++i)
            todos += char(i);
        QCOMPARE(Cp1252::Codificar(Cp1252::Decodificar(todos)), todos);
        QCOMPARE(Cp1252::Decodificar("\x80\x93\x94\xE7"), u"€“”ç"_s);
        QCOMPARE(Cp1252::Codificar(u"aλ😀b"_s), QByteArray("a??b"));
        QCOMPARE(Cp1252::Codigo(QChar(u'Œ')), 0x8C);
        QCOMPARE(Cp1252::Codigo(QChar(u'λ')), -1);
    }
};

QTEST_GUILESS_MAIN(TesteIni)
#include "tst_ini.moc"

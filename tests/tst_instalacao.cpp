// Programa instalado: a pasta de trabalho é a pasta de dados do usuário quando o
// programa está em <prefixo>/bin ao lado da sua entrada do menu; fora disso (build/,
// ./run.sh), a pasta atual.
#include "Aplicacao.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TesteInstalacao : public QObject {
    Q_OBJECT

private slots:
    void pastaTrabalho_data()
    {
        QTest::addColumn<QString>("entrada"); // arquivo criado no prefixo (vazio: nenhum)
        QTest::addColumn<bool>("instalado");
        QTest::newRow("instalado") << u"share/applications/%1.desktop"_s << true;
        QTest::newRow("árvore do código") << QString() << false;
        QTest::newRow("outra entrada do menu") << u"share/applications/outro.desktop"_s << false;
    }
    void pastaTrabalho()
    {
        QFETCH(QString, entrada);
        QFETCH(bool, instalado);
        QTemporaryDir prefixo, dados;
        qputenv("XDG_DATA_HOME", dados.path().toLocal8Bit());
        QVERIFY(QDir(prefixo.path()).mkpath(u"bin"_s));
        if (!entrada.isEmpty()) {
            const QString arquivo = prefixo.filePath(entrada.arg(IdentificadorDesktop()));
            QVERIFY(QDir().mkpath(QFileInfo(arquivo).path()));
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(PastaTrabalhoInstalada(prefixo.filePath(u"bin"_s)),
            instalado ? dados.filePath(u"tarvisco"_s) : QString());
    }
};

QTEST_MAIN(TesteInstalacao)
#include "tst_instalacao.moc"

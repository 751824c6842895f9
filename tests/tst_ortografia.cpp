// Verificação ortográfica em português do Brasil (o dicionário pt_BR do sistema e a lista
// pessoal) e a procura de um texto num memo sem distinguir maiúsculas nem acentos.
#include "EdicaoTexto.h"
#include "Ortografia.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QThread>

using namespace Qt::StringLiterals;
using Ortografia::Trecho;

namespace {
const QString Dicionario = u"/usr/share/hunspell/pt_BR"_s;

QStringList palavras(const QString &texto, const QList<Trecho> &trechos)
{
    QStringList l;
    for (const Trecho &t : trechos)
        l << texto.mid(t.inicio, t.tamanho);
    return l;
}
} // namespace

class TesteOrtografia : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    std::unique_ptr<Ortografia::Verificador> m_verificador; // lido uma vez (leva segundos)

    QString pessoal() const { return m_pasta.filePath(u"Palavras.dic"_s); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_pasta.isValid());
        QVERIFY2(QFile::exists(Dicionario + u".dic"_s), "falta o pacote hunspell-pt-br");
        m_verificador = std::make_unique<Ortografia::Verificador>(
            Dicionario, m_pasta.filePath(u"vazia.dic"_s));
        QVERIFY(m_verificador->Pronto());
    }

    // As desconhecidas, e só elas: acentos, hífen, apóstrofo, maiúscula no começo; não se
    // conferem números, siglas, endereços, palavras de uma letra.
    void erradas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("erradas");
        QTest::newRow("certas") << u"A faculdade recebeu os alunos às nove horas."_s
                                << QStringList();
        QTest::newRow("acentos") << u"Informações sobre a inscrição no vestibular"_s
                                 << QStringList();
        QTest::newRow("sem acento") << u"Informacoes sobre a inscricao"_s
                                    << QStringList { u"Informacoes"_s, u"inscricao"_s };
        QTest::newRow("troca de letras")
            << u"O laboratórop de óptica"_s << QStringList { u"laboratórop"_s };
        QTest::newRow("hífen") << u"Na segunda-feira, disse-lhe o guarda-chuva"_s << QStringList();
        QTest::newRow("hífen errado")
            << u"Na segunda-fiera"_s << QStringList { u"segunda-fiera"_s };
        QTest::newRow("não conferidos")
            << u"A UFXQ, sala 3B, mp3, www.qorvel.example.org, webmaster@qorvel.example.org e "
               "/imagens/xqzt.png"_s
            << QStringList();
        QTest::newRow("decomposto") << u"Informac\u0327o\u0303es do exe\u0301rcitu"_s
                                    << QStringList { u"exe\u0301rcitu"_s };
    }
    void erradas()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, erradas);
        QCOMPARE(palavras(texto, m_verificador->Erradas(texto)), erradas);
    }

    void sugestoes()
    {
        QVERIFY(m_verificador->Sugestoes(u"laboratórop"_s).contains(u"laboratório"_s));
        QVERIFY(m_verificador->Sugestoes(u"Informacoes"_s).contains(u"Informações"_s));
    }

    // A palavra acrescentada vale na hora e nas próximas execuções (o arquivo, em UTF-8,
    // uma por linha); sem dicionário toda palavra passa.
    void listaPessoal()
    {
        QFile::remove(pessoal());
        {
            Ortografia::Verificador v(Dicionario, pessoal());
            QVERIFY(!v.Correta(u"Qorvel"_s));
            QString motivo;
            QVERIFY2(v.Adicionar(u"Qorvel"_s, &motivo), qPrintable(motivo));
            QVERIFY(v.Adicionar(u"Tabatingaçu"_s));
            QVERIFY(v.Correta(u"Qorvel"_s));
            QVERIFY(v.Erradas(u"A Qorvel em Tabatingaçu"_s).isEmpty());
        }
        QFile f(pessoal());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), u"Qorvel\nTabatingaçu\n"_s);
        Ortografia::Verificador outra(Dicionario, pessoal());
        QVERIFY(outra.Correta(u"Qorvel"_s));
        QVERIFY(outra.Correta(u"Tabatingaçu"_s));
        QVERIFY(!outra.Correta(u"Qorvelx"_s));

        // uma lista que não pode ser gravada: a palavra vale nesta execução, e o motivo
        Ortografia::Verificador semPasta(Dicionario, m_pasta.filePath(u"nao/existe/p.dic"_s));
        QString motivo;
        QVERIFY(!semPasta.Adicionar(u"Xqztv"_s, &motivo));
        QVERIFY(!motivo.isEmpty());
        QVERIFY(semPasta.Correta(u"Xqztv"_s));

        Ortografia::Verificador semDicionario(m_pasta.filePath(u"nada"_s), pessoal());
        QVERIFY(!semDicionario.Pronto());
        QVERIFY(semDicionario.Erradas(u"Xqztv wkkq"_s).isEmpty());
    }

    // O verificador do programa lê o dicionário noutra linha de execução: o memo não
    // espera e, quando ele fica pronto, as palavras desconhecidas são sublinhadas, sem
    // que o texto mude.
    void padraoEmSegundoPlano()
    {
        Ortografia::DefinirPadrao(nullptr);
        QPlainTextEdit memo;
        const QString texto = u"A secretaira abre às nove."_s;
        memo.setPlainText(texto);
        const auto sublinhadas = [&memo] {
            QStringList l;
            const QTextBlock b = memo.document()->begin();
            for (const QTextLayout::FormatRange &f : b.layout()->formats())
                l << b.text().mid(f.start, f.length);
            return l;
        };
        new RealceOrtografia(memo.document());
        QVERIFY(!Ortografia::Padrao().Pronto());
        QVERIFY(Ortografia::Carregando());
        QVERIFY(sublinhadas().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(Ortografia::Padrao().Pronto(), 60000);
        QTRY_COMPARE(sublinhadas(), QStringList { u"secretaira"_s });
        QCOMPARE(memo.toPlainText(), texto);
        QVERIFY(!memo.document()->isModified());
    }

    void palavraEm()
    {
        const QString t = u"O guarda-chuva d'água, 12 vezes."_s;
        QCOMPARE(Ortografia::Verificador::PalavraEm(t, 5), (Trecho { 2, 12 }));
        QCOMPARE(Ortografia::Verificador::PalavraEm(t, 15), (Trecho { 15, 6 }));
        QCOMPARE(Ortografia::Verificador::PalavraEm(t, 24).tamanho, 0);
    }

    // A procura: maiúsculas e acentos não separam (também os acentos à parte), o trecho
    // devolvido é o do texto original, para a frente e para trás.
    void localizar_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("procura");
        QTest::addColumn<int>("desde");
        QTest::addColumn<bool>("paraTras");
        QTest::addColumn<QString>("achado");
        QTest::addColumn<int>("inicio");
        const QString t
            = u"Mais INFORMAÇÕES na secretaria; informações, Informac\u0327o\u0303es."_s;
        QTest::newRow("primeira") << t << u"informacoes"_s << 0 << false << u"INFORMAÇÕES"_s << 5;
        QTest::newRow("segunda") << t << u"Informações"_s << 6 << false << u"informações"_s << 32;
        QTest::newRow("decomposta")
            << t << u"INFORMACOES"_s << 33 << false << u"Informac\u0327o\u0303es"_s << 45;
        QTest::newRow("para trás") << t << u"informaçoes"_s << 44 << true << u"informações"_s << 32;
        QTest::newRow("antes do começo") << t << u"informacoes"_s << 10 << true << QString() << 0;
        QTest::newRow("não há") << t << u"biblioteca"_s << 0 << false << QString() << 0;
        QTest::newRow("vazia") << t << QString() << 0 << false << QString() << 0;
    }
    void localizar()
    {
        QFETCH(QString, texto);
        QFETCH(QString, procura);
        QFETCH(int, desde);
        QFETCH(bool, paraTras);
        QFETCH(QString, achado);
        QFETCH(int, inicio);
        const Trecho t = LocalizarNoTexto(texto, procura, desde, paraTras);
        QCOMPARE(texto.mid(t.inicio, t.tamanho), achado);
        if (!achado.isEmpty())
            QCOMPARE(t.inicio, inicio);
    }
};

QTEST_MAIN(TesteOrtografia)
#include "tst_ortografia.moc"

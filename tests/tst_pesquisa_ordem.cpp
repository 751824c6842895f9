// Pesquisa e ordem das listagens, sem janela nem banco: o texto dobrado; a procura nas
// células (acentos, maiúsculas, números, datas, células vazias, caracteres fora do
// Latin-1 e células que misturam os dois), sempre com o resultado de dobrar a célula
// inteira; a ordem das linhas por números, datas e textos em ordem portuguesa, a dos
// textos sempre a do colador.
#include "PesquisaOrdem.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace PesquisaOrdem;

namespace {
// O resultado de referência: a célula inteira dobrada, e o texto procurado nela.
bool contemDobrandoInteira(const QByteArray &celula, const Procura &procura)
{
    return Dobrar(QString::fromUtf8(celula)).toUtf8().contains(procura.Agulha());
}

using Ordenar = QList<int> (*)(int, const Celula &);

QList<int> ordenar(Ordenar ordem, const QStringList &valores)
{
    QList<QByteArray> utf8;
    for (const QString &v : valores)
        utf8 << v.toUtf8();
    return ordem(int(utf8.size()), [&utf8](int linha) { return QByteArrayView(utf8.at(linha)); });
}

// A ordem do colador português (sem distinguir maiúsculas), estável.
QList<int> ordemDoColador(const QStringList &textos)
{
    QCollator colador(QLocale(QLocale::Portuguese, QLocale::Brazil));
    colador.setCaseSensitivity(Qt::CaseInsensitive);
    QList<int> ordem(textos.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(),
        [&](int a, int b) { return colador.compare(textos.at(a), textos.at(b)) < 0; });
    return ordem;
}

// Pedaços das células sorteadas: ASCII, Latin-1, fora dele (travessão, aspas curvas,
// ligadura, grego, marca combinada, fora do BMP) e dobras de mais de um caractere (a sílaba
// coreana decompõe-se em três letras) e marcas que a decomposição reordena.
const QStringList Pedacos = { u"a"_s, u"e"_s, u"s"_s, u"f"_s, u"i"_s, u"A"_s, u"S"_s, u"É"_s,
    u"é"_s, u"ç"_s, u"Ç"_s, u"ß"_s, u"µ"_s, u"Ÿ"_s, u"ÿ"_s, u"ﬁ"_s, u"–"_s, u"“"_s, u"”"_s,
    u"\u0301"_s, u"Σ"_s, u"ς"_s, u"İ"_s, u"Ǆ"_s, u"🙂"_s, u"한"_s, u"\u1161"_s, u"\u11AB"_s,
    u"\U0001D16D"_s, u"\U0001D165"_s, u" "_s, u"1"_s, u"0"_s, u"-"_s };
// Bytes que não são UTF-8: cortado, solto, substituto, acima de U+10FFFF, longo demais.
const QList<QByteArray> Invalidos
    = { "\xC3", "\x80", "\xE2\x80", "\xFF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC0\xAF" };
} // namespace

class TestePesquisaOrdem : public QObject {
    Q_OBJECT

private slots:
    void dobrar_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("dobrado");
        QTest::newRow("acentos e maiúsculas") << u"José ÁLVARES"_s << u"jose alvares"_s;
        QTest::newRow("cedilha e til") << u"CONCEIÇÃO"_s << u"conceicao"_s;
        QTest::newRow("marca combinada") << u"Jose\u0301"_s << u"jose"_s;
        QTest::newRow("dobra simples: ß fica") << u"STRAßE"_s << u"straße"_s;
        QTest::newRow("sílaba coreana decomposta") << u"한"_s << u"\u1112\u1161\u11AB"_s;
        QTest::newRow("travessão e aspas ficam") << u"“Área – 2”"_s << u"“area – 2”"_s;
        QTest::newRow("grego") << u"ΣΟΦΊΑ"_s << u"σοφια"_s;
        QTest::newRow("números e datas") << u"2024-06-30 10:00"_s << u"2024-06-30 10:00"_s;
        QTest::newRow("vazio") << QString() << QString();
    }
    void dobrar()
    {
        QFETCH(QString, texto);
        QFETCH(QString, dobrado);
        QCOMPARE(Dobrar(texto), dobrado);
    }

    void procura_data()
    {
        QTest::addColumn<QByteArray>("celula");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("contem");
        const auto linha
            = [](const char *nome, const QString &celula, const QString &texto, bool contem) {
                  QTest::newRow(nome) << celula.toUtf8() << texto << contem;
              };
        linha("sem acento acha com acento", u"José Álvares"_s, u"alvares"_s, true);
        linha("com acento acha sem acento", u"Jose Alvares"_s, u"álvares"_s, true);
        linha("maiúsculas", u"JOSEFA Lima"_s, u"josefa l"_s, true);
        linha("cedilha e til", u"Conceição Dias"_s, u"CONCEICAO"_s, true);
        linha("não contém", u"Ana Souza"_s, u"anna"_s, false);
        linha("número dentro de número", u"100"_s, u"10"_s, true);
        linha("número que não está", u"99"_s, u"100"_s, false);
        linha("data pelo mês", u"2024-06-30"_s, u"2024-06"_s, true);
        linha("data e hora", u"2009-02-01 10:30:00"_s, u"01 10:3"_s, true);
        linha("data escrita de outro jeito", u"2024-06-30"_s, u"30/06"_s, false);
        linha("célula vazia", QString(), u"a"_s, false);
        linha("texto que dobra em nada: toda célula", u"Ana"_s, u"\u0301"_s, true);
        linha("texto que dobra em nada: célula vazia", QString(), u"\u0301"_s, true);
        linha("travessão", u"Área – Física"_s, u"– f"_s, true);
        linha("travessão e acentos", u"ÁREA – FÍSICA"_s, u"area – fisica"_s, true);
        linha("depois do travessão", u"Química – Orgânica"_s, u"organica"_s, true);
        linha("travessão não é hífen", u"Área – Física"_s, u"area - fisica"_s, false);
        linha("aspas curvas", u"“Setor 3”"_s, u"setor 3”"_s, true);
        linha("aspas curvas não são retas", u"“Setor 3”"_s, u"\"setor"_s, false);
        linha("ß", u"Straße"_s, u"STRAßE"_s, true);
        linha("dentro de um caractere decomposto", u"한국"_s, u"\u1161\u11AB\u1100"_s, true);
        linha("marca combinada na célula", u"Jose\u0301 Lima"_s, u"josé l"_s, true);
        linha("grego", u"ΣΟΦΊΑ"_s, u"σοφ"_s, true);
        linha("cirílico", u"Москва"_s, u"МОСК"_s, true);
        linha("fora do BMP", u"Café ☕ 🙂 bom"_s, u"🙂 b"_s, true);
        // Duas marcas que ficam depois de dobrar e que a decomposição põe em outra ordem.
        linha("marcas reordenadas", u"x\U0001D16D\U0001D165"_s, u"x\U0001D165"_s, true);
        QTest::newRow("bytes que não são UTF-8")
            << QByteArray("Jos\xE9 Lima") << u" lima"_s << true;
        QTest::newRow("bytes que não são UTF-8 não juntam")
            << QByteArray("Jos\xE9 Lima") << u"s lima"_s << false;
    }
    void procura()
    {
        QFETCH(QByteArray, celula);
        QFETCH(QString, texto);
        QFETCH(bool, contem);
        const Procura procura(texto);
        QCOMPARE(procura.Contem(celula), contem);
        QCOMPARE(contemDobrandoInteira(celula, procura), contem);
    }

    // Células sorteadas com todos os pedaços e alguns bytes que não são UTF-8; textos
    // sorteados ou tirados da célula (com outra caixa): a procura caractere a caractere dá
    // sempre o que dá dobrar a célula inteira.
    void procuraIgualADobrarInteira()
    {
        QRandomGenerator sorteio(2601);
        int achadas = 0;
        for (int i = 0; i < 20000; ++i) {
            QList<QByteArray> pedacos;
            for (int n = sorteio.bounded(9); n > 0; --n)
                pedacos << (sorteio.bounded(12) == 0
                        ? Invalidos.at(sorteio.bounded(Invalidos.size()))
                        : Pedacos.at(sorteio.bounded(Pedacos.size())).toUtf8());
            QString texto;
            if (!pedacos.isEmpty() && sorteio.bounded(2)) {
                const int de = sorteio.bounded(pedacos.size());
                for (int k = de; k < pedacos.size() && k < de + 1 + sorteio.bounded(4); ++k)
                    texto += QString::fromUtf8(pedacos.at(k));
                texto = sorteio.bounded(2) ? texto.toUpper() : texto;
            } else {
                for (int n = 1 + sorteio.bounded(3); n > 0; --n)
                    texto += Pedacos.at(sorteio.bounded(Pedacos.size()));
            }
            const QByteArray celula = pedacos.join();
            const Procura procura(texto);
            const bool esperado = contemDobrandoInteira(celula, procura);
            achadas += esperado;
            QVERIFY2(procura.Contem(celula) == esperado,
                qPrintable(u"célula \"%1\" (%2), texto \"%3\""_s.arg(
                    QString::fromUtf8(celula), QString::fromLatin1(celula.toHex(' ')), texto)));
        }
        QVERIFY(achadas > 5000); // os dois lados foram exercitados
        QVERIFY(achadas < 15000);
    }

    void ordem_data()
    {
        QTest::addColumn<int>("especie"); // 0 números, 1 datas, 2 textos
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QList<int>>("crescente");
        // O que não é número (vazio, texto) vem antes, na ordem das linhas.
        QTest::newRow("números") << 0
                                 << QStringList { u"10"_s, u"9"_s, QString(), u"100"_s, u"-2"_s,
                                        u"2.5"_s, u" 3"_s, u"abc"_s }
                                 << QList<int> { 2, 7, 4, 5, 6, 1, 0, 3 };
        QTest::newRow("datas e horas")
            << 1
            << QStringList { u"2010-01-15"_s, u"2024-06-30"_s, QString(), u"1999-12-31"_s,
                   u"2009-02-01 10:30:00"_s, u"2009-02-01"_s }
            << QList<int> { 2, 3, 5, 4, 0, 1 };
        // Acentos e maiúsculas não separam as letras; textos iguais na ordem das linhas.
        QTest::newRow("textos") << 2
                                << QStringList { u"Zélia Prado"_s, u"José Álvares"_s,
                                       u"JOSEFA Lima"_s, u"Ana Souza"_s, u"[vazio]"_s,
                                       u"Conceição Dias"_s, QString(), u"ana souza"_s }
                                << QList<int> { 6, 4, 3, 7, 5, 1, 2, 0 };
        // Fora do Latin-1: a ordem do colador inteira.
        QTest::newRow("textos fora do Latin-1") << 2
                                                << QStringList { u"Área – 2"_s, u"Area – 10"_s,
                                                       u"área – 1"_s, u"Setor"_s, u"“Setor”"_s }
                                                << QList<int> { 4, 2, 1, 0, 3 };
    }
    void ordem()
    {
        QFETCH(int, especie);
        QFETCH(QStringList, valores);
        QFETCH(QList<int>, crescente);
        const Ordenar ordem[] = { OrdemNumeros, OrdemDatas, OrdemTextos };
        QCOMPARE(ordenar(ordem[especie], valores), crescente);
    }

    // Textos sorteados, só com os caracteres do caminho rápido e com algum fora dele: a
    // ordem é sempre a do colador, estável.
    void ordemDosTextosIgualAoColador()
    {
        const QStringList pedacos
            = { u"a"_s, u"A"_s, u"á"_s, u"Á"_s, u"à"_s, u"b"_s, u"c"_s, u"ç"_s, u"C"_s, u"e"_s,
                  u"é"_s, u"E"_s, u"o"_s, u"ô"_s, u"z"_s, u" "_s, u"-"_s, u"1"_s, u"2"_s, u"["_s };
        QRandomGenerator sorteio(2602);
        for (const bool foraDoLatin1 : { false, true }) {
            QStringList textos;
            for (int i = 0; i < 600; ++i) {
                QString t;
                for (int n = sorteio.bounded(6); n > 0; --n)
                    t += pedacos.at(sorteio.bounded(pedacos.size()));
                textos << t;
            }
            if (foraDoLatin1)
                textos[17] += u"–"_s;
            QCOMPARE(ordenar(OrdemTextos, textos), ordemDoColador(textos));
        }
    }
};

QTEST_MAIN(TestePesquisaOrdem)
#include "tst_pesquisa_ordem.moc"

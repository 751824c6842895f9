// Peças de base: catálogo, níveis, valores, renderização de comandos.
#include "Banco.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"
#include "Sentenca.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class Valores : public FonteValores {
public:
    QHash<QString, QString> textos;
    QHash<QString, bool> marcas;
    QString Texto(const QString &c) const override { return textos.value(c); }
    bool Marcado(const QString &c) const override { return marcas.value(c); }
    QDate Data(const QString &) const override { return QDate(2005, 3, 3); }
};

class TesteFundacao : public QObject {
    Q_OBJECT
private slots:
    void catalogo()
    {
        QCOMPARE(TituloTabela(16), u"Departamentos,Telefones"_s);
        QCOMPARE(NomeTabela(36), NomeTabela(32));
        QVERIFY(ConsultaTabela(42).isEmpty());
        QCOMPARE(CorTabela(10), QColor(0xFF, 0, 0));
    }
    void renderizador()
    {
        Valores v;
        v.textos[u"EditNome"_s] = u"O'Brien"_s;
        v.marcas[u"CheckBoxVisivel"_s] = true;
        const TabelaLinhas linhas = {
            { u"UPDATE {T} SET"_s, Sempre() },
            { u"Nome={'EditNome}"_s, Sempre() },
            { u",Chefe={#EditChefe}"_s, SeNaoVazio(u"EditChefe"_s) },
            { u",Visivel={?CheckBoxVisivel}"_s, Sempre() },
            { u",Data={@EditData}"_s, ComLinha(3) },
        };
        QCOMPARE(RenderizarSentenca(linhas, 10, v),
            QStringList(
                { u"UPDATE Departamentos SET"_s, u"Nome='O''Brien'"_s, u",Visivel='S'"_s }));
        v.textos[u"EditChefe"_s] = u"1; DROP TABLE x"_s;
        QVERIFY_THROWS_EXCEPTION(ErroBanco, RenderizarSentenca(linhas, 10, v));
    }
};

QTEST_GUILESS_MAIN(TesteFundacao)
#include "tst_fundacao.moc"

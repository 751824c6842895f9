// Histórico de alterações no próprio banco, nos dois motores: os gatilhos gravam cada
// inclusão, alteração (só as colunas mudadas) e exclusão, venham do programa ou de outro
// cliente; no PostgreSQL os logins não mexem no histórico e só leem o que podem ler.
#include "Banco.h"
#include "BancoTeste.h"
#include "Esquema.h"
#include "Historico.h"
#include "PerfisAcesso.h"
#include "Servidor.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Linha {
    QString usuario, tabela, registro, operacao;
    bool temAntes = false, temDepois = false;
    QJsonObject antes, depois;
};

QJsonObject objeto(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

// Última linha do histórico, lida como dono.
Linha ultima(BancoTeste &b)
{
    const auto campo = [&b](const QString &coluna) {
        return b.Valor(
            u"SELECT %1 FROM Historico WHERE Id=(SELECT MAX(Id) FROM Historico)"_s.arg(coluna));
    };
    Linha l;
    l.usuario = campo(u"Usuario"_s);
    l.tabela = campo(u"Tabela"_s);
    l.registro = campo(u"Registro"_s);
    l.operacao = campo(u"Operacao"_s);
    l.temAntes = campo(u"CASE WHEN Antes IS NULL THEN 0 ELSE 1 END"_s) == u"1"_s;
    l.temDepois = campo(u"CASE WHEN Depois IS NULL THEN 0 ELSE 1 END"_s) == u"1"_s;
    l.antes = objeto(campo(u"Antes"_s));
    l.depois = objeto(campo(u"Depois"_s));
    return l;
}

int contar(BancoTeste &b)
{
    return b.Valor(u"SELECT COUNT(*) FROM Historico"_s).toInt();
}

// Usuário gravado pelo programa conectado no nível dado.
QString usuarioDoPrograma(int nivel)
{
    return MotorAtual() == Motor::PostgreSQL ? UsuarioNivel(nivel) : NomeNivel(nivel);
}

// Datas e horas: o JSON do PostgreSQL separa a hora com "T".
QString semT(const QJsonValue &v)
{
    return v.toString().replace(u'T', u' ');
}
// A linha e seus textos longos como texto, para comparar antes e depois de desfazer (os
// textos pela chave do dono; o Id da linha de texto é do banco).
QString retrato(const QString &tabela, const QString &id)
{
    TQuery q(&Servidor::Database());
    QStringList partes;
    q.SQL = { u"SELECT * FROM %1 WHERE Id=%2"_s.arg(tabela, id) };
    q.Open();
    for (const Esquema::Coluna &c : Esquema::TabelaPorNome(tabela)->colunas)
        partes << c.nome + u'=' + (q.RecordCount() ? q.AsString(c.nome) : u"-"_s);
    for (const Esquema::Tabela *t : Esquema::TextosLongosDe(tabela)) {
        q.SQL = { u"SELECT Texto FROM %1 WHERE %2=%3"_s.arg(t->nome, t->registroHistorico, id) };
        q.Open();
        partes << t->nome + u'=' + (q.RecordCount() ? q.AsString(u"Texto"_s) : u"-"_s);
    }
    return partes.join(u'|');
}

// Última alteração da tabela no histórico.
Historico::Alteracao ultimaDe(BancoTeste &b, const QString &tabela)
{
    TQuery q(&Servidor::Database());
    return Historico::Ler(
        q, b.Valor(u"SELECT MAX(Id) FROM Historico WHERE Tabela='%1'"_s.arg(tabela)));
}

Historico::Plano desfazerAlteracao(const Historico::Alteracao &a)
{
    TQuery q(&Servidor::Database());
    return Historico::Desfazer(q, a);
}

void rodar(const QString &sql)
{
    const QString falha = BancoTeste::RodarNoPrograma(sql);
    QVERIFY2(falha.isEmpty(), qPrintable(falha));
}
} // namespace

Q_DECLARE_METATYPE(Historico::Filtro)

class TesteHistoricoBanco : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { LinhasMotores(); }
    void init()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar(true);
        QCOMPARE(contar(b), 0);
        QCOMPARE(b.Conectar(1), QString());
    }
    void cleanup() { BancoTeste::De(MotorAtual()).Desconectar(); }

    void incluirAlterarExcluir()
    {
        EXIGIR_BANCO(b);
        QVERIFY(b.Executar(u"UPDATE Noticias SET Titulo='antes' WHERE Id=1"_s));
        TQuery q(&Servidor::Database());
        q.SQL = { u"INSERT INTO Docentes (Nome,Situacao,Departamento,Visivel) VALUES "_s,
            u"('Ana ''Q'' \\ Lima','Ativo',2,'S')"_s };
        q.ExecSQL();
        const QString id = b.Valor(u"SELECT MAX(Id) FROM Docentes"_s);
        // O Id da linha incluída é o dela, não o da linha de histórico gravada depois.
        QCOMPARE(q.UltimoIdInserido(), id);
        QVERIFY(b.Executar(u"DELETE FROM Historico WHERE Tabela='Noticias'"_s));
        QCOMPARE(contar(b), 1);
        Linha l = ultima(b);
        QCOMPARE(l.usuario, usuarioDoPrograma(1));
        QCOMPARE(l.tabela, u"Docentes"_s);
        QCOMPARE(l.registro, id);
        QCOMPARE(l.operacao, u"I"_s);
        QVERIFY(!l.temAntes);
        QVERIFY(l.temDepois);
        QCOMPARE(l.depois.value(u"Id"_s).toInt(), id.toInt());
        QCOMPARE(l.depois.value(u"Nome"_s).toString(), u"Ana 'Q' \\ Lima"_s);
        QCOMPARE(l.depois.value(u"Departamento"_s).toInt(), 2);
        QVERIFY(l.depois.value(u"Area"_s).isNull());
        QVERIFY(l.depois.contains(u"Area"_s));
        const qsizetype colunas = Esquema::TabelaPorNome(u"Docentes"_s)->colunas.size();
        QCOMPARE(l.depois.size(), colunas); // todas as colunas da tabela

        // Só as colunas mudadas, dos dois lados; o que não muda nada não é gravado.
        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"UPDATE Docentes SET Nome='Ana Lima', Situacao='Ativo', Area=NULL "
                     "WHERE Id="_s
                     + id),
            QString());
        QCOMPARE(contar(b), 2);
        l = ultima(b);
        QCOMPARE(l.operacao, u"U"_s);
        QCOMPARE(l.registro, id);
        QCOMPARE(l.antes, QJsonObject({ { u"Nome"_s, u"Ana 'Q' \\ Lima"_s } }));
        QCOMPARE(l.depois, QJsonObject({ { u"Nome"_s, u"Ana Lima"_s } }));
        QCOMPARE(BancoTeste::RodarNoPrograma(u"UPDATE Docentes SET Area='Física' WHERE Id="_s + id),
            QString());
        l = ultima(b);
        QVERIFY(l.antes.value(u"Area"_s).isNull());
        QCOMPARE(l.depois.value(u"Area"_s).toString(), u"Física"_s);
        QCOMPARE(contar(b), 3);
        QCOMPARE(
            BancoTeste::RodarNoPrograma(u"UPDATE Docentes SET Nome='Ana Lima' WHERE Id="_s + id),
            QString());
        QCOMPARE(BancoTeste::RodarNoPrograma(u"UPDATE Docentes SET Nome=Nome"_s), QString());
        QCOMPARE(contar(b), 3);

        QCOMPARE(BancoTeste::RodarNoPrograma(u"DELETE FROM Docentes WHERE Id="_s + id), QString());
        QCOMPARE(contar(b), 4);
        l = ultima(b);
        QCOMPARE(l.operacao, u"D"_s);
        QVERIFY(l.temAntes);
        QVERIFY(!l.temDepois);
        QCOMPARE(l.antes.value(u"Nome"_s).toString(), u"Ana Lima"_s);
        QCOMPARE(l.antes.value(u"Area"_s).toString(), u"Física"_s);
        QCOMPARE(l.antes.size(), colunas);
    }

    // Texto longo: o registro é a chave do dono; o texto volta inteiro, tal como foi.
    void textoLongo()
    {
        EXIGIR_BANCO(b);
        const QString texto
            = u"Linha 1 com 'aspas' e \\barra\r\nLinha 2: ✓ 漢字 😀 \t fim"_s + QString(70000, u'x');
        const QString sql = u"INSERT INTO DocentesObservacao (Docente,Texto) VALUES (2,"_s;
        QString citado = texto;
        citado.replace(u'\'', u"''"_s);
        QCOMPARE(BancoTeste::RodarNoPrograma(u"DELETE FROM DocentesObservacao WHERE Docente=2"_s),
            QString());
        QCOMPARE(BancoTeste::RodarNoPrograma(sql + u'\'' + citado + u"')"_s), QString());
        Linha l = ultima(b);
        QCOMPARE(l.tabela, u"DocentesObservacao"_s);
        QCOMPARE(l.registro, u"2"_s);
        QCOMPARE(l.operacao, u"I"_s);
        QCOMPARE(l.depois.value(u"Texto"_s).toString(), texto);
        QCOMPARE(l.depois.value(u"Docente"_s).toInt(), 2);

        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"UPDATE DocentesObservacao SET Texto='curto' WHERE Docente=2"_s),
            QString());
        l = ultima(b);
        QCOMPARE(l.registro, u"2"_s);
        QCOMPARE(l.operacao, u"U"_s);
        QCOMPARE(l.antes.value(u"Texto"_s).toString(), texto);
        QCOMPARE(l.depois.keys(), QStringList({ u"Texto"_s }));
    }

    // Datas no formato do programa: o histórico guarda a data gravada, uma linha só, e
    // gravar a mesma data noutro formato não é alteração.
    void datas()
    {
        EXIGIR_BANCO(b);
        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"INSERT INTO Comunicados (Titulo,DataInicio) VALUES ('Festa','3/7/2005')"_s),
            QString());
        const QString id = b.Valor(u"SELECT MAX(Id) FROM Comunicados"_s);
        QCOMPARE(contar(b), 1);
        QCOMPARE(ultima(b).depois.value(u"DataInicio"_s).toString(), u"2005-03-07"_s);
        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"UPDATE Comunicados SET DataInicio='3/7/2005' WHERE Id="_s + id),
            QString());
        QCOMPARE(contar(b), 1);
        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"UPDATE Comunicados SET DataInicio='12/31/2006' WHERE Id="_s + id),
            QString());
        QCOMPARE(contar(b), 2);
        Linha l = ultima(b);
        QCOMPARE(l.antes, QJsonObject({ { u"DataInicio"_s, u"2005-03-07"_s } }));
        QCOMPARE(l.depois, QJsonObject({ { u"DataInicio"_s, u"2006-12-31"_s } }));

        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"INSERT INTO Noticias (Titulo,Postagem) VALUES ('N','3/7/2005 9:5:00')"_s),
            QString());
        QCOMPARE(contar(b), 3);
        QCOMPARE(semT(ultima(b).depois.value(u"Postagem"_s)), u"2005-03-07 09:05:00"_s);
    }

    // Desfazer cada operação devolve a linha exatamente como era, com os textos longos;
    // o desfazer também fica no histórico.
    void desfazer_data()
    {
        QTest::addColumn<QString>("operacao");
        QTest::newRow("alteração") << u"U"_s;
        QTest::newRow("inclusão") << u"I"_s;
        QTest::newRow("exclusão") << u"D"_s;
    }
    void desfazer()
    {
        EXIGIR_BANCO(b);
        QFETCH(QString, operacao);
        QString id = u"7"_s;
        if (operacao == u"I"_s)
            id = QString::number(b.Valor(u"SELECT MAX(Id) FROM Docentes"_s).toInt() + 1);
        const QString antes = retrato(u"Docentes"_s, id);
        if (operacao == u"U"_s) {
            rodar(u"UPDATE Docentes SET Nome='Outro ''nome''', Area=NULL, Departamento=3 "
                  "WHERE Id=7"_s);
            rodar(u"UPDATE DocentesObservacao SET Texto='trocado' WHERE Docente=7"_s);
        } else if (operacao == u"I"_s) {
            rodar(u"INSERT INTO Docentes (Nome,Visivel) VALUES ('Novo','S')"_s);
            rodar(u"INSERT INTO DocentesObservacao (Docente,Texto) VALUES (%1,'obs')"_s.arg(id));
        } else {
            rodar(u"DELETE FROM Docentes WHERE Id=7"_s);
            for (const Esquema::Tabela *t : Esquema::TextosLongosDe(u"Docentes"_s))
                rodar(u"DELETE FROM %1 WHERE Docente=7"_s.arg(t->nome));
        }
        QVERIFY(retrato(u"Docentes"_s, id) != antes);

        if (operacao == u"U"_s) // o texto tem a sua própria alteração
            QVERIFY(!desfazerAlteracao(ultimaDe(b, u"DocentesObservacao"_s)).Recusado());
        const int registros = contar(b);
        const Historico::Alteracao a = ultimaDe(b, u"Docentes"_s);
        QCOMPARE(a.operacao, operacao.at(0));
        const Historico::Plano p = desfazerAlteracao(a);
        QVERIFY(!p.Recusado());
        QCOMPARE(retrato(u"Docentes"_s, id), antes);
        const int textos = operacao == u"I"_s ? 1 : operacao == u"D"_s ? 3 : 0;
        QCOMPARE(p.textosLongos.size(), textos);
        QCOMPARE(contar(b), registros + 1 + textos);
        const Historico::Alteracao desfeita = ultimaDe(b, u"Docentes"_s);
        QCOMPARE(desfeita.usuario, usuarioDoPrograma(1));
        QCOMPARE(desfeita.antes, a.depois);
        if (operacao == u"U"_s)
            QCOMPARE(desfeita.depois, a.antes);
    }

    // A linha mudou depois da alteração: desfazer recusa, mostra a diferença e não grava.
    void desfazerRecusado()
    {
        EXIGIR_BANCO(b);
        rodar(u"UPDATE Docentes SET Nome='Primeiro' WHERE Id=4"_s);
        const Historico::Alteracao a = ultimaDe(b, u"Docentes"_s);
        rodar(u"UPDATE Docentes SET Nome='Segundo', Area='outra' WHERE Id=4"_s);
        const int registros = contar(b);
        Historico::Plano p = desfazerAlteracao(a);
        QVERIFY(p.Recusado());
        QCOMPARE(p.diferencas.size(), 1);
        QCOMPARE(p.diferencas.first().coluna, u"Nome"_s);
        QCOMPARE(p.diferencas.first().esperado, u"Primeiro"_s);
        QCOMPARE(p.diferencas.first().atual, u"Segundo"_s);
        QCOMPARE(contar(b), registros);
        QCOMPARE(b.Valor(u"SELECT Nome FROM Docentes WHERE Id=4"_s), u"Segundo"_s);

        // Inclusão alterada depois; linha que não existe mais; exclusão cujo Id voltou.
        rodar(u"INSERT INTO Links (Nome,URL) VALUES ('L','http://a')"_s);
        const Historico::Alteracao inclusao = ultimaDe(b, u"Links"_s);
        rodar(u"UPDATE Links SET URL='http://b' WHERE Id="_s + inclusao.registro);
        p = desfazerAlteracao(inclusao);
        QVERIFY(p.Recusado());
        QCOMPARE(p.diferencas.size(), 1);
        QCOMPARE(p.diferencas.first().atual, u"http://b"_s);
        rodar(u"DELETE FROM Links WHERE Id="_s + inclusao.registro);
        const Historico::Alteracao exclusao = ultimaDe(b, u"Links"_s);
        QVERIFY(desfazerAlteracao(inclusao).linhaAusente);
        QVERIFY(b.Executar(u"INSERT INTO Links (Id,Nome,URL) VALUES (%1,'L2','http://b')"_s.arg(
            inclusao.registro)));
        p = desfazerAlteracao(exclusao);
        QVERIFY(p.linhaPresente);
        QCOMPARE(p.diferencas.size(), 1);
        QCOMPARE(p.diferencas.first().coluna, u"Nome"_s);
        QCOMPARE(b.Valor(u"SELECT Nome FROM Links WHERE Id="_s + inclusao.registro), u"L2"_s);
    }

    // Filtros da listagem: tabela, linha, usuário e datas, a mais nova primeiro.
    void filtros_data()
    {
        QTest::addColumn<Historico::Filtro>("filtro");
        QTest::addColumn<QStringList>("esperados"); // Tabela:Registro
        Historico::Filtro f;
        QTest::newRow("todas") << f
                               << QStringList { u"Links:1"_s, u"DocentesObservacao:2"_s,
                                      u"Docentes:3"_s, u"Docentes:2"_s };
        f.tabelas = { u"Docentes"_s, u"DocentesObservacao"_s };
        QTest::newRow("tabelas") << f
                                 << QStringList { u"DocentesObservacao:2"_s, u"Docentes:3"_s,
                                        u"Docentes:2"_s };
        f.registro = u"2"_s;
        QTest::newRow("linha") << f << QStringList { u"DocentesObservacao:2"_s, u"Docentes:2"_s };
        f = {};
        f.usuario = Historico::OutroPrograma;
        QTest::newRow("outro programa") << f << QStringList { u"Docentes:3"_s };
        f.usuario = QString(); // no caso, o usuário do programa
        QTest::newRow("programa") << f
                                  << QStringList { u"Links:1"_s, u"DocentesObservacao:2"_s,
                                         u"Docentes:2"_s };
        f = {};
        f.de = QDate(2020, 1, 2);
        f.ate = QDate(2020, 1, 2);
        QTest::newRow("um dia") << f << QStringList { u"DocentesObservacao:2"_s };
        f.ate = QDate(2020, 2, 1);
        QTest::newRow("de ... até") << f << QStringList { u"Links:1"_s, u"DocentesObservacao:2"_s };
        f.de = {};
        f.ate = QDate(2020, 1, 1);
        QTest::newRow("até") << f << QStringList { u"Docentes:3"_s, u"Docentes:2"_s };
    }
    void filtros()
    {
        EXIGIR_BANCO(b);
        QFETCH(Historico::Filtro, filtro);
        QFETCH(QStringList, esperados);
        rodar(u"UPDATE Docentes SET Area='a' WHERE Id=2"_s);
        // Outro cliente: o dono, fora da conexão do programa (no SQLite, usuário vazio).
        QVERIFY(b.Executar(u"UPDATE Docentes SET Area='b' WHERE Id=3"_s));
        rodar(u"UPDATE DocentesObservacao SET Texto='c' WHERE Docente=2"_s);
        if (b.Valor(u"SELECT COUNT(*) FROM Links WHERE Id=1"_s) == u"0"_s)
            rodar(u"INSERT INTO Links (Id,Nome) VALUES (1,'d')"_s);
        else
            rodar(u"UPDATE Links SET Nome='d' WHERE Id=1"_s);
        QCOMPARE(contar(b), 4);
        const QStringList momentos = { u"2019-12-31 23:59:59"_s, u"2020-01-01 08:00:00"_s,
            u"2020-01-02 12:00:00"_s, u"2020-01-03 00:00:00"_s };
        for (int i = 0; i < 4; ++i)
            QVERIFY(b.Executar(u"UPDATE Historico SET Momento='%1' WHERE Id=%2"_s.arg(
                momentos.at(i), QString::number(i + 1))));
        if (filtro.usuario && filtro.usuario->isEmpty())
            filtro.usuario = usuarioDoPrograma(1);
        if (MotorAtual() == Motor::PostgreSQL && filtro.usuario == Historico::OutroPrograma)
            esperados.clear(); // lá o dono também tem nome

        TQuery q(&Servidor::Database());
        q.SQL = Historico::SentencaLista(filtro);
        q.Open();
        QStringList obtidos;
        for (q.First(); !q.Eof(); q.Next())
            obtidos << q.AsString(u"Tabela"_s) + u':' + q.AsString(u"Registro"_s);
        QCOMPARE(obtidos, esperados);
        QCOMPARE(q.NomesCampos(),
            QStringList({ u"Id"_s, u"Momento"_s, u"Usuario"_s, u"Tabela"_s, u"Registro"_s,
                u"Operacao"_s }));
        const QStringList usuarios = Historico::Usuarios(q);
        QVERIFY(usuarios.contains(usuarioDoPrograma(1)));
        QCOMPARE(usuarios.contains(Historico::OutroPrograma), MotorAtual() == Motor::SQLite);
    }

    // Um arquivo SQLite de antes do histórico o ganha na primeira conexão do programa.
    void arquivoAntigoGanhaHistorico()
    {
        EXIGIR_BANCO(b);
        if (MotorAtual() != Motor::SQLite)
            QSKIP("Só o SQLite embutido é criado e completado pelo programa.");
        b.Desconectar();
        const QString gatilhos = u"SELECT COUNT(*) FROM sqlite_master WHERE type='trigger' "
                                 "AND name GLOB '*_Historico*'"_s;
        const QString quantos = b.Valor(gatilhos);
        for (const QString &g :
            b.Valor(u"SELECT group_concat(name, ' ') FROM sqlite_master WHERE type='trigger' "
                    "AND name GLOB '*_Historico*'"_s)
                .split(u' '))
            QVERIFY(b.Executar(u"DROP TRIGGER "_s + g));
        QVERIFY(b.Executar(u"DROP TABLE Historico"_s));
        QCOMPARE(b.Conectar(1), QString());
        QCOMPARE(b.Valor(gatilhos), quantos);
        rodar(u"UPDATE Docentes SET Area='nova' WHERE Id=2"_s);
        QCOMPARE(contar(b), 1);
        QCOMPARE(ultima(b).usuario, NomeNivel(1));
    }

    // Um comando que muda muitas linhas deixa uma linha de histórico por linha mudada (no
    // PostgreSQL, gravadas de uma vez pelo gatilho do comando), com o que o gatilho de
    // linha gravaria: a linha inteira na inclusão e na exclusão, só as colunas mudadas na
    // alteração, nada para as linhas que não mudaram.
    void comandoDeMuitasLinhas()
    {
        EXIGIR_BANCO(b);
        rodar(u"WITH RECURSIVE g (n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM g WHERE n < 3) "
              "INSERT INTO Links (Nome, URL) SELECT 'Link ' || n, 'http://a' FROM g"_s);
        QCOMPARE(contar(b), 3);
        const QString primeiro = b.Valor(u"SELECT MIN(Id) FROM Links WHERE Nome LIKE 'Link %'"_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Historico WHERE Operacao='I' AND Tabela='Links' "
                         "AND Antes IS NULL"_s),
            u"3"_s);
        Linha l = ultima(b);
        QCOMPARE(l.depois.size(), Esquema::TabelaPorNome(u"Links"_s)->colunas.size());
        QCOMPARE(l.depois.value(u"URL"_s).toString(), u"http://a"_s);
        QCOMPARE(l.registro, l.depois.value(u"Id"_s).toVariant().toString());

        rodar(u"UPDATE Links SET URL='http://b' WHERE Nome LIKE 'Link %' AND Id<>"_s + primeiro);
        rodar(u"UPDATE Links SET URL=URL, Nome=Nome WHERE Nome LIKE 'Link %'"_s);
        QCOMPARE(contar(b), 5);
        QCOMPARE(
            b.Valor(u"SELECT COUNT(*) FROM Historico WHERE Operacao='U' AND Registro<>%1"_s.arg(
                primeiro)),
            u"2"_s);
        l = ultima(b);
        QCOMPARE(l.antes, QJsonObject({ { u"URL"_s, u"http://a"_s } }));
        QCOMPARE(l.depois, QJsonObject({ { u"URL"_s, u"http://b"_s } }));

        rodar(u"DELETE FROM Links WHERE Nome LIKE 'Link %'"_s);
        QCOMPARE(contar(b), 8);
        l = ultima(b);
        QCOMPARE(l.operacao, u"D"_s);
        QVERIFY(!l.temDepois);
        QCOMPARE(l.antes.value(u"Nome"_s).toString().left(5), u"Link "_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(DISTINCT Registro) FROM Historico WHERE Operacao='D'"_s),
            u"3"_s);
    }

    // O momento é o instante da alteração, qualquer que seja o fuso de quem grava: uma
    // sessão no fuso +14 ou no -12 não muda a hora gravada, e o programa a mostra na hora
    // local.
    void momentoVerdadeiro_data()
    {
        QTest::addColumn<QString>("fuso");
        QTest::newRow("+14") << u"Pacific/Kiritimati"_s;
        QTest::newRow("-12") << u"Etc/GMT+12"_s;
    }
    void momentoVerdadeiro()
    {
        EXIGIR_BANCO(b);
        QFETCH(QString, fuso);
        const QString sql = u"UPDATE Docentes SET Area='fuso' WHERE Id=2;"_s;
        if (MotorAtual() == Motor::PostgreSQL) {
            bool ok = false;
            QString erro;
            b.Cluster()->PsqlComo(u"tarvisco"_s, UsuarioNivel(2), b.Senha(2),
                u"SET TimeZone TO '%1';\n"_s.arg(fuso) + sql, &ok, &erro);
            QVERIFY2(ok, qPrintable(erro));
        } else {
            QProcess p;
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(u"TZ"_s, fuso);
            p.setProcessEnvironment(ambiente);
            p.start(u"sqlite3"_s, { b.Fonte().arquivo, sql });
            QVERIFY2(p.waitForFinished(30000), qPrintable(p.errorString()));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        }
        QCOMPARE(contar(b), 1);
        // Gravado: o instante de agora (a diferença, em segundos, pelo relógio do banco).
        const QString diferenca = MotorAtual() == Motor::PostgreSQL
            ? u"SELECT abs(extract(epoch FROM now() - Momento))::integer FROM Historico"_s
            : u"SELECT abs(strftime('%s','now') - strftime('%s', Momento)) FROM Historico"_s;
        QVERIFY2(b.Valor(diferenca).toInt() < 300, qPrintable(b.Valor(diferenca)));
        // Mostrado: a hora local de agora.
        TQuery q(&Servidor::Database());
        const Historico::Alteracao a
            = Historico::Ler(q, b.Valor(u"SELECT MAX(Id) FROM Historico"_s));
        const QDateTime lido = QDateTime::fromString(a.momento, u"yyyy-MM-dd HH:mm:ss"_s);
        QVERIFY2(lido.isValid(), qPrintable(a.momento));
        QVERIFY2(qAbs(lido.secsTo(QDateTime::currentDateTime())) < 300, qPrintable(a.momento));
    }

    // A listagem em páginas: cada uma continua onde a anterior parou, a mais nova
    // primeiro, sem repetir nem pular, também com várias tabelas no filtro.
    void paginas_data()
    {
        QTest::addColumn<QStringList>("tabelas");
        QTest::newRow("todas") << QStringList();
        QTest::newRow("uma") << QStringList { u"Links"_s };
        QTest::newRow("duas") << QStringList { u"Docentes"_s, u"Links"_s };
    }
    void paginas()
    {
        EXIGIR_BANCO(b);
        QFETCH(QStringList, tabelas);
        // 450 inclusões de links num comando, entremeadas com alterações de docentes.
        for (int i = 0; i < 3; ++i) {
            rodar(u"WITH RECURSIVE g (n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM g WHERE "
                  "n < 150) INSERT INTO Links (Nome, URL) SELECT 'Link ' || n, 'http://a' "
                  "FROM g"_s);
            rodar(u"UPDATE Docentes SET Area='%1' WHERE Id IN (2, 3)"_s.arg(i));
        }
        QString onde;
        if (!tabelas.isEmpty())
            onde = u" WHERE Tabela IN ('"_s + tabelas.join(u"','"_s) + u"')"_s;
        const QStringList todas
            = b.Valor(MotorAtual() == Motor::PostgreSQL
                       ? u"SELECT string_agg(Id::text, ',' ORDER BY Id DESC) FROM Historico"_s
                           + onde
                       : u"SELECT group_concat(Id, ',') FROM (SELECT Id FROM Historico%1 ORDER BY "
                         "Id DESC)"_s.arg(onde))
                  .split(u',');
        QVERIFY(todas.size() >= 450);

        Historico::Filtro f;
        f.tabelas = tabelas;
        TQuery q(&Servidor::Database());
        QStringList lidas;
        QList<int> tamanhos;
        QString ultimo;
        do {
            q.SQL = Historico::SentencaLista(f, ultimo);
            q.Open();
            tamanhos << q.RecordCount();
            for (q.First(); !q.Eof(); q.Next())
                lidas << q.AsString(u"Id"_s);
            ultimo = lidas.value(lidas.size() - 1);
        } while (q.RecordCount() == Historico::TamanhoPagina);
        QCOMPARE(lidas, todas);
        QCOMPARE(tamanhos.first(), Historico::TamanhoPagina);
        QCOMPARE(tamanhos.size(), int(todas.size()) / Historico::TamanhoPagina + 1);
    }

    // O usuário do histórico vem do login dos parâmetros da conexão, não do nível
    // corrente do programa (no SQLite, o nome do nível desse login).
    void usuarioDoLoginDaConexao()
    {
        EXIGIR_BANCO(b);
        b.Desconectar();
        NivelAcesso = 1;
        QCOMPARE(
            AbrirConexao(Servidor::Database(), b.Fonte(), UsuarioNivel(2), b.Senha(2)), QString());
        rodar(u"UPDATE Docentes SET Area='pelo digitador' WHERE Id=2"_s);
        QCOMPARE(ultima(b).usuario, usuarioDoPrograma(2));
    }

    // Um comando de muitas linhas pela conexão do programa: cada linha de histórico com o
    // login dela, uma por linha mudada, com Ids seguidos.
    void usuarioEmCadaLinhaDoComando()
    {
        EXIGIR_BANCO(b);
        b.Desconectar();
        NivelAcesso = 1;
        QCOMPARE(
            AbrirConexao(Servidor::Database(), b.Fonte(), UsuarioNivel(2), b.Senha(2)), QString());
        const int antes = b.Valor(u"SELECT COALESCE(MAX(Id), 0) FROM Historico"_s).toInt();
        rodar(u"UPDATE Docentes SET Area='em massa' WHERE Id IN (2, 3, 4)"_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) || ' ' || MIN(Usuario) || ' ' || MAX(Usuario) || ' ' "
                         "|| (MAX(Id) - MIN(Id)) FROM Historico WHERE Id > %1"_s.arg(antes)),
            u"3 %1 %1 2"_s.arg(usuarioDoPrograma(2)));
    }

    // A configuração e as tabelas de códigos não têm histórico.
    void tabelasSemHistorico()
    {
        EXIGIR_BANCO(b);
        QCOMPARE(BancoTeste::RodarNoPrograma(
                     u"UPDATE Tarvisco SET Instancias=Instancias+1 WHERE Id=1"_s),
            QString());
        QVERIFY(b.Executar(u"INSERT INTO DocenteSituacao (Situacao) VALUES ('Nova')"_s));
        QVERIFY(b.Executar(u"UPDATE Tarvisco SET Versao='17'"_s));
        QCOMPARE(contar(b), 0);
        QVERIFY(b.Executar(u"INSERT INTO DocenteCategorias (Nome,Sigla) VALUES ('C','C')"_s));
        QCOMPARE(contar(b), 1);
    }

    // Uma alteração feita por outro cliente também fica: no PostgreSQL com o login dele,
    // no SQLite com o usuário vazio.
    void outroCliente()
    {
        EXIGIR_BANCO(b);
        const QString sql = u"UPDATE Docentes SET Area='de fora' WHERE Id=2;"_s;
        QString esperado;
        if (MotorAtual() == Motor::PostgreSQL) {
            bool ok = false;
            QString erro;
            b.Cluster()->PsqlComo(u"tarvisco"_s, UsuarioNivel(2), b.Senha(2), sql, &ok, &erro);
            QVERIFY2(ok, qPrintable(erro));
            esperado = UsuarioNivel(2);
        } else {
            QProcess p;
            p.start(u"sqlite3"_s, { b.Fonte().arquivo, sql });
            QVERIFY2(p.waitForFinished(30000), qPrintable(p.errorString()));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        }
        QCOMPARE(contar(b), 1);
        const Linha l = ultima(b);
        QCOMPARE(l.usuario, esperado);
        QCOMPARE(l.depois, QJsonObject({ { u"Area"_s, u"de fora"_s } }));
        // A conexão do programa continua marcando as suas.
        QCOMPARE(
            BancoTeste::RodarNoPrograma(u"UPDATE Docentes SET Area='do programa' WHERE Id=2"_s),
            QString());
        QCOMPARE(ultima(b).usuario, usuarioDoPrograma(1));
    }

    // Nenhum login inclui, altera ou apaga histórico (42501), nem o administrador.
    void loginNaoMexeNoHistorico_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("sql");
        for (int nivel : { 1, 2, 11 })
            for (const QString &sql :
                { u"UPDATE Historico SET Usuario='outro'"_s, u"DELETE FROM Historico"_s,
                    u"INSERT INTO Historico (Momento,Usuario,Tabela,Operacao) VALUES "
                    "(now(),'x','Docentes','I')"_s,
                    u"TRUNCATE TABLE Historico"_s })
                QTest::addRow("%d %s", nivel, qPrintable(sql.left(22))) << nivel << sql;
    }
    void loginNaoMexeNoHistorico()
    {
        EXIGIR_BANCO(b);
        if (MotorAtual() != Motor::PostgreSQL)
            QSKIP("O SQLite não tem logins.");
        QFETCH(int, nivel);
        QFETCH(QString, sql);
        QVERIFY(b.Executar(u"UPDATE Docentes SET Area='x' WHERE Id=2"_s));
        bool ok = true;
        QString erro;
        b.Cluster()->PsqlComo(u"tarvisco"_s, UsuarioNivel(nivel), b.Senha(nivel),
            u"\\set VERBOSITY verbose\n"_s + sql + u';', &ok, &erro);
        QVERIFY(!ok);
        QVERIFY2(erro.contains(u"42501"_s), qPrintable(erro));
        QCOMPARE(contar(b), 1);
        QCOMPARE(ultima(b).usuario, u"postgres"_s);
    }

    // Leitura no PostgreSQL: o administrador lê tudo; os outros, o histórico das tabelas
    // que leem.
    void leituraPorNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("tabelas");
        QTest::newRow("1") << 1 << QStringList { u"Docentes"_s, u"Noticias"_s };
        QTest::newRow("7") << 7 << QStringList { u"Docentes"_s };
        QTest::newRow("11") << 11 << QStringList {};
    }
    void leituraPorNivel()
    {
        EXIGIR_BANCO(b);
        if (MotorAtual() != Motor::PostgreSQL)
            QSKIP("O SQLite não tem logins.");
        QFETCH(int, nivel);
        QFETCH(QStringList, tabelas);
        QVERIFY(b.Executar(u"UPDATE Docentes SET Area='x' WHERE Id=2"_s));
        QVERIFY(b.Executar(u"INSERT INTO Noticias (Titulo) VALUES ('N')"_s));
        bool ok = false;
        QString erro;
        const QString saida = b.Cluster()->PsqlComo(u"tarvisco"_s, UsuarioNivel(nivel),
            b.Senha(nivel), u"SELECT Tabela FROM Historico ORDER BY Id;"_s, &ok, &erro);
        QVERIFY2(ok, qPrintable(erro));
        QCOMPARE(saida.split(u'\n', Qt::SkipEmptyParts), tabelas);
    }

    // A marca das alterações que as escolhas comparam, no PostgreSQL: todo nível a lê nas
    // tabelas que lê (o último Id do histórico de cada uma, que a segurança por linha do
    // histórico lhe mostra); com outra transação que grava em curso não se sabe (vazia).
    void marcaDasAlteracoesPorNivel_data()
    {
        QTest::addColumn<int>("nivel");
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            QTest::newRow(qPrintable(QString::number(nivel))) << nivel;
    }
    void marcaDasAlteracoesPorNivel()
    {
        EXIGIR_BANCO(b);
        if (MotorAtual() != Motor::PostgreSQL)
            QSKIP("O SQLite não tem logins; a marca é a do arquivo inteiro.");
        QFETCH(int, nivel);
        // Uma alteração no histórico de cada tabela que o tem.
        QStringList tabelas;
        for (const Esquema::Tabela &t : Esquema::Tabelas())
            if (t.ComHistorico())
                tabelas << u"('"_s + t.nome + u"')"_s;
        QVERIFY2(b.Executar(u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao) "
                            "SELECT now(),'postgres',t,'1','U' FROM (VALUES %1) v (t)"_s.arg(
                                tabelas.join(u','))),
            qPrintable(b.UltimoErro()));
        QCOMPARE(b.Conectar(nivel), QString());
        QStringList lidas;
        for (const Esquema::Direito &d : Esquema::DireitosNivel(nivel)) {
            const Esquema::Tabela *t = Esquema::TabelaPorNome(d.tabela);
            if (!d.selecionar || !t || !t->ComHistorico())
                continue;
            const QString marca = Historico::MarcaAlteracoes(Servidor::Query(), t->nome);
            const QString ultimo
                = b.Valor(u"SELECT MAX(Id) FROM Historico WHERE Tabela='%1'"_s.arg(t->nome));
            QVERIFY2(marca.endsWith(u'.' + ultimo), qPrintable(t->nome + u": "_s + marca));
            lidas << t->nome;
        }
        if (lidas.isEmpty())
            return; // o nível não lê tabela com histórico
        // A alteração de outra transação: não se sabe enquanto ela não termina; depois, a
        // marca mudou.
        const QString antes = Historico::MarcaAlteracoes(Servidor::Query(), lidas.first());
        QVERIFY(b.Executar(u"BEGIN"_s));
        QVERIFY(b.Executar(u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao) "
                           "VALUES (now(),'postgres','%1','1','U')"_s.arg(lidas.first())));
        const QString durante = Historico::MarcaAlteracoes(Servidor::Query(), lidas.first());
        QVERIFY(b.Executar(u"COMMIT"_s));
        QCOMPARE(durante, QString());
        const QString depois = Historico::MarcaAlteracoes(Servidor::Query(), lidas.first());
        QVERIFY(!depois.isEmpty());
        QVERIFY(depois != antes);
    }
};

QTEST_GUILESS_MAIN(TesteHistoricoBanco)
#include "tst_historico_banco.moc"

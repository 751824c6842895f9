// Plataforma do banco nos dois motores: conexão, consultas, valores hostis, datas, falhas.
#include "Banco.h"
#include "BancoTeste.h"
#include "CatalogoTabelas.h"
#include "Esquema.h"
#include "FalhaInjetada.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"
#include "Sentenca.h"
#include "Servidor.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
TQuery &consulta()
{
    static TQuery q(&Servidor::Database());
    return q;
}

void executar(const QStringList &linhas)
{
    TQuery &q = consulta();
    q.SQL = linhas;
    q.ExecSQL();
}

TQuery &abrir(const QStringList &linhas)
{
    TQuery &q = consulta();
    q.SQL = linhas;
    q.Open();
    return q;
}
} // namespace

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
    void cleanup()
    {
        consulta().Close();
        BancoTeste::De(MotorAtual()).Desconectar();
    }

    void linhasIniciais()
    {
        TQuery &q = abrir({ u"SELECT * FROM Tarvisco"_s });
        QCOMPARE(q.RecordCount(), 1);
        QCOMPARE(q.AsString(u"Versao"_s), u"16"_s);
        QCOMPARE(q.AsInteger(u"Instancias"_s), 0);
        QCOMPARE(q.AsString(u"DesligarVersaoAntiga"_s), u"N"_s);
        QCOMPARE(q.AsString(u"Email"_s), u"webmaster@qorvel.example.org"_s);
        QVERIFY(!q.AsString(u"URL"_s).isEmpty());
        abrir({ u"SELECT * FROM Departamentos ORDER BY Id"_s });
        QCOMPARE(q.AsString(u"Nome"_s), u"[vazio]"_s);
        QCOMPARE(q.AsInteger(u"Id"_s), 1);
        for (int nivel = 3; nivel <= 6; ++nivel) {
            abrir({ u"SELECT COUNT(Id) FROM Departamentos WHERE Nome="_s
                + CitarTexto(DepartamentoNivel(nivel)) });
            QCOMPARE(q.Campo0(), u"1"_s);
        }
        for (const QString &t : { u"Secoes"_s, u"Centros"_s, u"Assistencias"_s }) {
            abrir({ u"SELECT * FROM "_s + t + u" WHERE Id=1"_s });
            QCOMPARE(q.AsString(u"Nome"_s), u"[vazio]"_s);
        }
        for (int n : { 13, 28, 29, 33, 60, 66 }) {
            abrir({ ConsultaTabela(n) });
            QVERIFY2(q.RecordCount() >= 4, qPrintable(NomeTabela(n)));
        }
    }

    // Colunas pelo nome na grafia do programa, mesmo no PostgreSQL (nomes em minúsculas).
    void grafiaDasColunas()
    {
        TQuery &q = abrir({ u"SELECT * FROM Tarvisco"_s });
        QCOMPARE(q.NomesCampos(),
            QStringList({ u"Id"_s, u"Email"_s, u"URL"_s, u"DesligarVersaoAntiga"_s, u"Versao"_s,
                u"Instancias"_s }));
        abrir({ u"SELECT * FROM Noticias"_s });
        QVERIFY(q.NomesCampos().contains(u"v_portal"_s));
        QVERIFY(q.NomesCampos().contains(u"ColaboracaoURL"_s));
        QCOMPARE(Esquema::GrafiaColuna(u"vicecoordenador"_s), u"ViceCoordenador"_s);
        QCOMPARE(Esquema::GrafiaColuna(u"count"_s), u"count"_s);
    }

    void contagemECaminhada()
    {
        TQuery &q = abrir({ u"SELECT * FROM DocenteSituacao ORDER BY Situacao"_s });
        const int total = q.RecordCount();
        QVERIFY(total > 1);
        int vistas = 0;
        for (q.First(); !q.Eof(); q.Next())
            ++vistas;
        QCOMPARE(vistas, total);
        abrir({ u"SELECT * FROM Docentes WHERE Id=-5"_s });
        QCOMPARE(q.RecordCount(), 0);
        QVERIFY(q.Eof());
        QCOMPARE(q.AsString(u"Nome"_s), QString());
        abrir({ u"SELECT COUNT(Id) FROM Departamentos"_s });
        QCOMPARE(q.Campo0(), u"5"_s);
    }

    void colunaInexistenteEhFalha()
    {
        TQuery &q = abrir({ u"SELECT * FROM Tarvisco"_s });
        QVERIFY_THROWS_EXCEPTION(ErroBanco, q.AsString(u"NaoExiste"_s));
        QVERIFY_THROWS_EXCEPTION(ErroBanco, q.AsInteger(u"NaoExiste"_s));
        QVERIFY_THROWS_EXCEPTION(ErroBanco, q.AsDateTime(u"NaoExiste"_s));
        QVERIFY(!q.TemCampo(u"NaoExiste"_s));
        QVERIFY(q.TemCampo(u"instancias"_s));
    }

    void tabelaDeConfiguracaoAusente()
    {
        BancoTeste &b = BancoTeste::De(MotorAtual());
        QVERIFY2(b.Executar(u"DROP TABLE Tarvisco"_s), qPrintable(b.UltimoErro()));
        try {
            abrir({ u"SELECT * FROM Tarvisco"_s });
            QFAIL("SELECT numa tabela inexistente não falhou");
        } catch (const ErroBanco &e) {
            QVERIFY2(e.Mensagem().contains(u"tarvisco"_s, Qt::CaseInsensitive),
                qPrintable(e.Mensagem()));
        }
        // Recria para os próximos casos.
        const QString criar = Esquema::ComandosCriacao(
            MotorAtual() == Motor::SQLite ? FonteDados::SQLite : FonteDados::PostgreSQL)
                                  .first();
        QVERIFY(criar.startsWith(u"CREATE TABLE Tarvisco "_s));
        QVERIFY2(b.Executar(criar), qPrintable(b.UltimoErro()));
        if (MotorAtual() == Motor::PostgreSQL)
            for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
                for (const QString &g : Esquema::ComandosDireitos(nivel))
                    if (g.contains(u" Tarvisco "_s) || g.contains(u"tarvisco_id_seq"_s))
                        QVERIFY2(b.Executar(g), qPrintable(b.UltimoErro()));
    }

    void textosHostis_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("aspas") << u"O'Brien d'Ávila ''já dobradas''"_s;
        QTest::newRow("barras") << u"C:\\temp\\novo \\' \\\\"_s;
        QTest::newRow("ponto e vírgula") << u"a; b; c;"_s;
        QTest::newRow("injeção") << u"'); DROP TABLE Docentes; --"_s;
        QTest::newRow("quebras") << u"linha 1\r\nlinha 2\nlinha 3\r"_s;
        QTest::newRow("acentos") << u"Ação, ênfase, pôr, çã, Ü, º, ª, € — “aspas” ‘simples’"_s;
        QTest::newRow("fora do 1252") << u"Ελληνικά, Кириллица, 中文, emoji 🎓, Ω ≠ ∑"_s;
        QTest::newRow("marcas de parâmetro") << u":nome ?1 $1 @p %s {x} :1"_s;
        QTest::newRow("tab e controle") << u"a\tb\x01\x1f"_s;
        QTest::newRow("vazio") << QString();
        QTest::newRow("só brancos") << u"   "_s;
        QTest::newRow("longo") << (u"ção'\\;"_s.repeated(1000) + u"fim"_s);
        // U+FEFF no começo é parte do valor, não uma marca de ordem de bytes a tirar.
        QTest::newRow("U+FEFF no começo") << u"\uFEFFcomeça com a marca"_s;
        QTest::newRow("dois U+FEFF") << u"\uFEFF\uFEFFduas marcas"_s;
        QTest::newRow("só U+FEFF") << u"\uFEFF"_s;
        QTest::newRow("U+FEFF no meio") << u"meio\uFEFFfim"_s;
    }
    // Todo texto volta como foi gravado e nunca é executado.
    void textosHostis()
    {
        QFETCH(QString, texto);
        const QString nome = texto.left(50); // Docentes.Nome tem 50 caracteres
        executar({ u"INSERT INTO Docentes (Nome,Situacao) VALUES ("_s + CitarTexto(nome),
            u","_s + CitarTexto(u"Ativo"_s) + u")"_s });
        const QString id = consulta().UltimoIdInserido();
        QVERIFY(!id.isEmpty());
        executar({ u"INSERT INTO DocentesObservacao(Docente,Texto) Values ("_s + id + u","_s
            + CitarTexto(texto) + u")"_s });
        TQuery &q = abrir({ u"SELECT * FROM Docentes WHERE Id="_s + ValorInteiro(id) });
        QCOMPARE(q.AsString(u"Nome"_s), nome);
        abrir({ u"SELECT * FROM DocentesObservacao WHERE Docente="_s + id });
        QCOMPARE(q.AsString(u"Texto"_s), texto);
        abrir({ u"SELECT * FROM Docentes WHERE Nome="_s + CitarTexto(nome) });
        QCOMPARE(q.AsString(u"Id"_s), id);
        executar({ u"UPDATE Docentes SET "_s, u"Area="_s + CitarTexto(texto.left(150)),
            u" WHERE Id="_s + id });
        abrir({ u"SELECT * FROM Docentes WHERE Id="_s + id });
        QCOMPARE(q.AsString(u"Area"_s), texto.left(150));
        abrir({ u"SELECT COUNT(Id) FROM Docentes"_s });
        QCOMPARE(q.Campo0(), u"2"_s); // a tabela continua lá, com "[vazio]" e a nova linha
    }

    // Um lote grava cada texto como veio (';' e aspas dentro dos valores não cortam os
    // comandos), em vários blocos; a primeira falha interrompe, com o texto do motor
    // daquela falha, e desfazer a transação desfaz também os blocos já gravados.
    void loteTudoOuNada()
    {
        TQuery q(&Servidor::Database());
        QList<QStringList> comandos;
        const QString hostil = u"a'; DROP TABLE Docentes; --'"_s;
        for (int i = 0; i < 1200; ++i)
            comandos << QStringList { u"INSERT INTO Docentes (Nome,Situacao) VALUES ("_s
                + CitarTexto(hostil + QString::number(i)) + u","_s + CitarTexto(u"Ativo"_s)
                + u")"_s };
        q.ExecSQLLote(comandos);
        TQuery &c = abrir(
            { u"SELECT COUNT(Id) FROM Docentes WHERE Nome="_s + CitarTexto(hostil + u"1199"_s) });
        QCOMPARE(c.Campo0(), u"1"_s);
        abrir({ u"SELECT COUNT(Id) FROM Docentes"_s });
        QCOMPARE(c.Campo0(), u"1201"_s);

        // A falha no meio do segundo bloco, não no começo dele; outra falha depois.
        comandos[700] = { u"UPDATE TabelaQueNaoHaUm SET X=1"_s };
        comandos[900] = { u"UPDATE TabelaQueNaoHaDois SET X=1"_s };
        Servidor::Database().IniciarTransacao();
        try {
            q.ExecSQLLote(comandos);
            QFAIL("lote com falha aceito");
        } catch (const ErroBanco &e) {
            QVERIFY2(e.Mensagem().contains(u"tabelaquenaohaum"_s, Qt::CaseInsensitive),
                qPrintable(e.Mensagem()));
            QVERIFY(!e.Mensagem().contains(u"tabelaquenaohadois"_s, Qt::CaseInsensitive));
        }
        Servidor::Database().DesfazerTransacao();
        abrir({ u"SELECT COUNT(Id) FROM Docentes"_s });
        QCOMPARE(c.Campo0(), u"1201"_s);
    }

    // Um comando preparado com os valores ligados, em vários blocos: cada valor gravado
    // como veio (aspas, ';', barra invertida, marcas de parâmetro, um texto longo,
    // caracteres fora do Windows-1252), nulo como NULL, inteiro como inteiro; a primeira
    // falha interrompe com o texto do motor daquela falha (os valores seguintes não rodam),
    // e desfazer a transação desfaz os blocos já gravados.
    void valoresLigadosTudoOuNada()
    {
        TQuery q(&Servidor::Database());
        QList<QStringList> inclusoes;
        for (int i = 0; i < 1200; ++i)
            inclusoes << QStringList {
                u"INSERT INTO Docentes (Nome,Situacao) VALUES ('d%1','Ativo')"_s.arg(i)
            };
        // Numa transação (no SQLite, sem ela, cada comando esperaria o disco).
        Servidor::Database().IniciarTransacao();
        q.ExecSQLLote(inclusoes);
        Servidor::Database().ConfirmarTransacao();
        QList<qint64> ids;
        for (TQuery &c = abrir({ u"SELECT Id FROM Docentes WHERE Id>1 ORDER BY Id"_s }); !c.Eof();
             c.Next())
            ids << c.AsString(u"Id"_s).toLongLong();
        QCOMPARE(ids.size(), 1200);
        const QStringList hostis
            = { u"a'; DROP TABLE Docentes; --'"_s, u"barra \\ invertida, $1 e ? e :nome"_s,
                  QString(4000, u'ç') + u"😀"_s, u"Ωλ “x” – fim"_s };
        q.SQL = { u"UPDATE Docentes SET ExternoDepartamento=$2"_s,
            u",Situacao=COALESCE($3,Situacao) WHERE Id=$1"_s };
        QList<QVariantList> valores;
        for (int i = 0; i < ids.size(); ++i)
            valores << QVariantList { ids.at(i), hostis.at(i % 4),
                i % 2 ? QVariant() : QVariant(u"Inativo"_s) };
        Servidor::Database().IniciarTransacao();
        q.ExecSQLValores(valores);
        Servidor::Database().ConfirmarTransacao();
        QCOMPARE(q.LinhasAfetadas(), 1200);
        for (int i : { 0, 1, 2, 1199 }) {
            TQuery &c = abrir({ u"SELECT * FROM Docentes WHERE Id=%1"_s.arg(ids.at(i)) });
            QCOMPARE(c.AsString(u"ExternoDepartamento"_s), hostis.at(i % 4));
            QCOMPARE(c.AsString(u"Situacao"_s), i % 2 ? u"Ativo"_s : u"Inativo"_s);
        }
        TQuery &c = abrir({ u"SELECT COUNT(Id) FROM Docentes"_s });
        QCOMPARE(c.Campo0(), u"1201"_s);

        // A falha no meio do segundo bloco, outra depois dela (um gatilho recusa os nomes
        // "falha ...").
        BancoTeste &b = BancoTeste::De(MotorAtual());
        const FalhaInjetada um(b, u"Docentes"_s, u"NEW.Nome = 'falha um'"_s, u"falha um"_s);
        const FalhaInjetada dois(b, u"Docentes"_s, u"NEW.Nome = 'falha dois'"_s, u"falha dois"_s);
        QVERIFY2(um.Pronta() && dois.Pronta(), qPrintable(um.Erro() + dois.Erro()));
        q.SQL = { u"UPDATE Docentes SET Nome=$2 WHERE Id=$1"_s };
        valores.clear();
        for (int i = 0; i < ids.size(); ++i)
            valores << QVariantList { ids.at(i), u"novo"_s };
        valores[700][1] = u"falha um"_s;
        valores[900][1] = u"falha dois"_s;
        Servidor::Database().IniciarTransacao();
        try {
            q.ExecSQLValores(valores);
            QFAIL("valores com falha aceitos");
        } catch (const ErroBanco &e) {
            QVERIFY2(e.Mensagem().contains(u"falha um"_s), qPrintable(e.Mensagem()));
            QVERIFY(!e.Mensagem().contains(u"falha dois"_s));
        }
        Servidor::Database().DesfazerTransacao();
        abrir({ u"SELECT COUNT(Id) FROM Docentes WHERE Nome='novo'"_s });
        QCOMPARE(c.Campo0(), u"0"_s);
        // A conexão segue boa depois da falha.
        q.SQL = { u"UPDATE Docentes SET Nome=$2 WHERE Id=$1"_s };
        q.ExecSQLValores({ { ids.first(), u"depois"_s } });
        QCOMPARE(q.LinhasAfetadas(), 1);
    }

    void nuloRecusado()
    {
        const QString texto = u"antes"_s + QChar(0) + u"depois"_s;
        try {
            CitarTexto(texto);
            QFAIL("texto com NUL aceito");
        } catch (const ErroBanco &e) {
            QVERIFY(e.Mensagem().contains(u"nulo"_s));
        }
    }

    void inteirosSoInteiros_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("dígitos") << u"42"_s << true;
        QTest::newRow("negativo") << u"-7"_s << true;
        QTest::newRow("vazio") << QString() << false;
        QTest::newRow("injeção") << u"1 OR 1=1"_s << false;
        QTest::newRow("ponto e vírgula") << u"1; DROP TABLE Docentes"_s << false;
        QTest::newRow("brancos") << u" 1"_s << false;
        QTest::newRow("decimal") << u"1.5"_s << false;
        QTest::newRow("grande demais") << u"1234567890123456789"_s << false;
    }
    void inteirosSoInteiros()
    {
        QFETCH(QString, valor);
        QFETCH(bool, aceito);
        bool ok = true;
        try {
            QCOMPARE(ValorInteiro(valor), valor);
        } catch (const ErroBanco &) {
            ok = false;
        }
        QCOMPARE(ok, aceito);
    }

    // Texto do tamanho exato da coluna cabe nos dois motores; itens das listas de escolha
    // maiores que o limite dos controles também.
    void tamanhosDasColunas_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("valor");
        QTest::newRow("Disciplinas.Tipo") << u"Disciplinas"_s << u"Tipo"_s << u"Optativa Eletiva"_s;
        QTest::newRow("Links.Alvo") << u"Links"_s << u"Alvo"_s << u"Abrir dentro da página"_s;
        QTest::newRow("Graduacoes.Periodo") << u"Graduacoes"_s << u"Periodo"_s << u"Verspertino"_s;
        QTest::newRow("Semana") << u"DisciplinasOferecidas"_s << u"Semana5"_s
                                << u"Segunda-feira a Sexta-feira"_s;
        QTest::newRow("Bloco") << u"Horarios"_s << u"Bloco"_s << u"Humanas e Biológicas"_s;
        QTest::newRow("Sigla [vazio]") << u"Departamentos"_s << u"Sigla"_s << u"[vazio]"_s;
        QTest::newRow("Nome 80") << u"Departamentos"_s << u"Nome"_s << u"ç"_s.repeated(80);
        QTest::newRow("Link 255") << u"Links"_s << u"URL"_s << u"€"_s.repeated(255);
        QTest::newRow("memo 7990") << u"Secoes"_s << u"Descricao"_s << u"ã\r\n"_s.repeated(2663);
        QTest::newRow("Diplomas.Nome") << u"Diplomas"_s << u"Nome"_s << u"x"_s.repeated(5000);
    }
    void tamanhosDasColunas()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, coluna);
        QFETCH(QString, valor);
        executar({ u"INSERT INTO "_s + tabela + u" ("_s + coluna + u") VALUES ("_s
            + CitarTexto(valor) + u")"_s });
        const QString id = consulta().UltimoIdInserido();
        TQuery &q = abrir({ u"SELECT * FROM "_s + tabela + u" WHERE Id="_s + id });
        QCOMPARE(q.AsString(coluna), valor);
    }

    void datas_data()
    {
        QTest::addColumn<QStringList>("datas"); // na ordem de inclusão, formato do programa
        QTest::addColumn<QStringList>("ordenadas"); // ISO, na ordem cronológica
        QTest::newRow("meses e dias de um e dois dígitos")
            << QStringList { u"10/12/2010"_s, u"2/3/2005"_s, u"12/31/2009"_s, u"1/1/2000"_s,
                   u"3/10/2005"_s }
            << QStringList { u"2000-01-01"_s, u"2005-02-03"_s, u"2005-03-10"_s, u"2009-12-31"_s,
                   u"2010-10-12"_s };
        QTest::newRow("com hora") << QStringList { u"3/3/2005 00:00:00"_s, u"1/9/2005 0:0:00"_s }
                                  << QStringList { u"2005-01-09"_s, u"2005-03-03"_s };
    }
    // As datas do programa ('M/D/AAAA') ficam em ordem cronológica e voltam como datas.
    void datas()
    {
        QFETCH(QStringList, datas);
        QFETCH(QStringList, ordenadas);
        for (const QString &d : datas)
            executar({ u"INSERT INTO Calendario (Titulo,DataInicio,Periodo,DataTermino) VALUES ("_s
                + CitarTexto(d) + u",'"_s + d + u"','N','"_s + d + u"')"_s });
        TQuery &q = abrir({ ConsultaTabela(69) });
        QStringList lidas;
        for (q.First(); !q.Eof(); q.Next()) {
            const QDateTime dt = q.AsDateTime(u"DataInicio"_s);
            QVERIFY2(dt.isValid(), qPrintable(q.AsString(u"DataInicio"_s)));
            lidas << dt.date().toString(Qt::ISODate);
            QCOMPARE(q.AsString(u"DataInicio"_s), dt.date().toString(Qt::ISODate));
            // Um texto que só parece data não é tocado.
            QVERIFY(datas.contains(q.AsString(u"Titulo"_s)));
        }
        QCOMPARE(lidas, ordenadas);
    }

    void dataEHora()
    {
        executar({ u"INSERT INTO Noticias (Titulo,Resumo,Postagem) VALUES ('a','r','"_s
            + DataHoraParaSQL(u"14"_s, u"5"_s, QDate(2010, 10, 12)) + u"')"_s });
        executar({ u"INSERT INTO Noticias (Titulo,Resumo,Postagem) VALUES ('b','r','"_s
            + DataHoraParaSQL(u"9"_s, u"30"_s, QDate(2010, 10, 12)) + u"')"_s });
        executar({ u"INSERT INTO Noticias (Titulo,Resumo,Postagem) VALUES ('c','r','"_s
            + DataHoraParaSQL({}, {}, QDate(2009, 1, 2)) + u"')"_s });
        TQuery &q = abrir({ ConsultaTabela(18) });
        QStringList titulos;
        for (q.First(); !q.Eof(); q.Next())
            titulos << q.AsString(u"Titulo"_s);
        QCOMPARE(titulos, QStringList({ u"a"_s, u"b"_s, u"c"_s }));
        q.First();
        QCOMPARE(q.AsDateTime(u"Postagem"_s), QDateTime(QDate(2010, 10, 12), QTime(14, 5)));
        QCOMPARE(q.AsString(u"Postagem"_s), u"2010-10-12 14:05:00"_s);
        // UPDATE também grava a data em ordem.
        const QString id = q.AsString(u"Id"_s);
        executar({ u"UPDATE Noticias SET "_s,
            u"Postagem='"_s + DataHoraParaSQL(u"8"_s, u"0"_s, QDate(2001, 2, 3)) + u"'"_s,
            u" WHERE Id="_s + id });
        abrir({ ConsultaTabela(18) });
        q.MoverPara(2);
        QCOMPARE(q.AsString(u"Id"_s), id);
        QCOMPARE(q.AsDateTime(u"Postagem"_s), QDateTime(QDate(2001, 2, 3), QTime(8, 0)));
    }

    void idDaLinhaIncluida()
    {
        // Dois nomes iguais: o Id vem do motor, não da procura pelo nome.
        executar({ u"INSERT INTO Departamentos(Nome,Visivel) VALUES ('Gêmeo','N')"_s });
        const QString primeiro = consulta().UltimoIdInserido();
        executar({ u"INSERT INTO Departamentos(Nome,Visivel) VALUES ('Gêmeo','N')"_s });
        const QString segundo = consulta().UltimoIdInserido();
        QCOMPARE(primeiro, u"6"_s); // depois dos Ids semeados
        QCOMPARE(segundo, u"7"_s);
        executar({ u"UPDATE Departamentos SET Sigla='X' WHERE Id=7"_s });
        QCOMPARE(consulta().UltimoIdInserido(), QString());
        QCOMPARE(consulta().LinhasAfetadas(), 1);
        // Dentro de uma transação, também.
        TDatabase &db = Servidor::Database();
        db.IniciarTransacao();
        executar({ u"INSERT INTO DepartamentosDescricao(Departamento,Texto) Values (7,'t')"_s });
        QVERIFY(!consulta().UltimoIdInserido().isEmpty());
        executar({ u"INSERT INTO Docentes(Nome) VALUES ('Na transação')"_s });
        const QString docente = consulta().UltimoIdInserido();
        db.DesfazerTransacao();
        TQuery &q = abrir({ u"SELECT COUNT(Id) FROM Docentes WHERE Id="_s + docente });
        QCOMPARE(q.Campo0(), u"0"_s);
    }

    void comandoComLinhas()
    {
        // As linhas vão juntas com CR LF: "WHERE" sem branco antes depende da quebra.
        executar({ u"UPDATE Tarvisco SET "_s, u"Instancias=3"_s, u"WHERE Id=1"_s });
        TQuery &q = abrir({ u"SELECT *"_s, u"FROM Tarvisco"_s, u"WHERE Id=1"_s });
        QCOMPARE(q.AsInteger(u"Instancias"_s), 3);
        QCOMPARE(q.TextoComando(), u"SELECT *\r\nFROM Tarvisco\r\nWHERE Id=1"_s);
    }

    // O SUBSTRING dos filtros de disciplinas conta caracteres (não bytes) nos dois motores.
    void substringDosFiltros()
    {
        executar({ u"INSERT INTO Disciplinas (CodigoKVA,Nome,Categoria) VALUES "
                   "('P1','Pós','Pós-Graduação - Mestrado')"_s });
        executar({ u"INSERT INTO Disciplinas (CodigoKVA,Nome,Categoria) VALUES "
                   "('G1','Grad','Graduação - Bacharelado')"_s });
        TQuery &q
            = abrir({ u"SELECT * FROM Disciplinas WHERE  SUBSTRING(Categoria,1,13)='Pós-Graduação' "
                      "OR Nome='[vazio]' ORDER BY CodigoKVA, Nome"_s });
        QStringList codigos;
        for (q.First(); !q.Eof(); q.Next())
            codigos << q.AsString(u"CodigoKVA"_s);
        QCOMPARE(codigos, QStringList({ u"P1"_s, u"[vazio]"_s }));
        abrir({ u"SELECT * FROM Disciplinas WHERE  SUBSTRING(Categoria,1,13)<>'Pós-Graduação' "
                "OR Nome='[vazio]' ORDER BY CodigoKVA, Nome"_s });
        codigos.clear();
        for (q.First(); !q.Eof(); q.Next())
            codigos << q.AsString(u"CodigoKVA"_s);
        QCOMPARE(codigos, QStringList({ u"G1"_s, u"[vazio]"_s }));
    }

    void falhaDeSqlTrazOTextoDoMotor()
    {
        try {
            abrir({ u"SELECT * FROM Docentes WHERE"_s });
            QFAIL("comando inválido aceito");
        } catch (const ErroBanco &e) {
            QVERIFY(!e.Mensagem().isEmpty());
            QVERIFY(!e.Mensagem().contains(u"Cannot connect"_s));
            QVERIFY(!e.Mensagem().contains(u"Unknown user name"_s));
        }
    }

    void fecharFechaAsConsultas()
    {
        TQuery outra(&Servidor::Database());
        outra.SQL = { u"SELECT * FROM DocenteSituacao"_s };
        outra.Open();
        QVERIFY(outra.Active());
        Servidor::Database().Close();
        QVERIFY(!outra.Active());
        QVERIFY(!Servidor::Database().Connected());
        QVERIFY_THROWS_EXCEPTION(ErroBanco, outra.Open());
    }

    void eventosDeConexao()
    {
        TDatabase &db = Servidor::Database();
        db.Close();
        QStringList ordem;
        QObject contexto;
        connect(&db, &TDatabase::BeforeConnect, &contexto, [&] { ordem << u"antes"_s; });
        connect(&db, &TDatabase::AfterConnect, &contexto, [&] { ordem << u"depois"_s; });
        connect(&db, &TDatabase::BeforeDisconnect, &contexto, [&] { ordem << u"antes-fim"_s; });
        connect(&db, &TDatabase::AfterDisconnect, &contexto, [&] { ordem << u"depois-fim"_s; });
        QCOMPARE(BancoTeste::De(MotorAtual()).Conectar(1), QString());
        db.Close();
        QCOMPARE(ordem, QStringList({ u"antes"_s, u"depois"_s, u"antes-fim"_s, u"depois-fim"_s }));
    }
};

QTEST_GUILESS_MAIN(TesteBanco)
#include "tst_banco.moc"

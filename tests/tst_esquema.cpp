// O esquema: uma descrição, os dois motores iguais a ela, linhas iniciais, demonstração
// e direitos derivados.
#include "BancoTeste.h"
#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Esquema.h"
#include "PerfisAcesso.h"

#include <QtTest>
#include <ctime>

using namespace Qt::StringLiterals;
using namespace Esquema;

namespace {
// "tabela.coluna" (minúsculas) de cada índice do banco, pela sua primeira coluna.
QSet<QString> colunasIndexadas(BancoTeste &b)
{
    const QString sql = b.motor() == ::Motor::PostgreSQL
        ? u"SELECT string_agg(c.relname || '.' || a.attname, '|') FROM pg_index x "
          "JOIN pg_class c ON c.oid = x.indrelid JOIN pg_attribute a ON a.attrelid = "
          "x.indrelid AND a.attnum = x.indkey[0] WHERE c.relnamespace = 'public'::regnamespace"_s
        : u"SELECT group_concat(lower(m.tbl_name) || '.' || lower(i.name), '|') FROM "
          "sqlite_master m, pragma_index_info(m.name) i WHERE m.type = 'index' AND i.seqno = 0"_s;
    const QStringList l = b.Valor(sql).split(u'|', Qt::SkipEmptyParts);
    return QSet<QString>(l.begin(), l.end());
}

// As colunas pelas quais o programa procura linhas, tiradas aqui do esquema e do
// catálogo das janelas sem passar pela lista que cria os índices: a chave do dono de
// cada tabela de texto longo, a coluna da mãe de cada filha, as duas colunas do filtro de
// departamento e a coluna procurada depois de uma inclusão.
QSet<QString> colunasDeBusca()
{
    QSet<QString> c;
    const auto mais = [&c](const QString &tabela, const QString &coluna) {
        if (!coluna.isEmpty() && coluna.compare(u"Id"_s, Qt::CaseInsensitive) != 0
            && TabelaPorNome(tabela))
            c.insert((tabela + u'.' + coluna).toLower());
    };
    for (const Tabela &t : Tabelas())
        if (t.ComHistorico() && t.registroHistorico != u"Id"_s)
            mais(t.nome, t.registroHistorico);
    for (const CatalogoJanelas::Janela &j : CatalogoJanelas::Janelas()) {
        const QString tabela = NomeTabela(j.numero);
        for (int n : j.textosLongos)
            if (const Tabela *t = TabelaPorNome(NomeTabela(n)))
                for (const Coluna &k : t->colunas)
                    if (k.tipo == Tipo::IdDe && k.referencia == tabela)
                        mais(t->nome, k.nome);
        mais(tabela, j.colunaPai);
        if (!j.filtro.coluna.isEmpty()) {
            mais(tabela, j.filtro.coluna);
            mais(tabela, j.filtro.marcador);
        }
        mais(tabela, j.colunaProcura);
    }
    return c;
}
} // namespace

class TesteEsquema : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { LinhasMotores(); }

    void catalogoCoberto()
    {
        const QSet<int> semUso = { 62, 64, 65, 75, 80 };
        QSet<QString> usadas = { u"Tarvisco"_s };
        for (int n = 10; n <= 82; ++n)
            if (!semUso.contains(n)) {
                QVERIFY2(TabelaPorNome(NomeTabela(n)), qPrintable(NomeTabela(n)));
                usadas.insert(NomeTabela(n));
            }
        QCOMPARE(Tabelas().size(), 68);
        QCOMPARE(usadas.size(), 68);
        for (const Tabela &t : Tabelas()) {
            QCOMPARE(t.colunas.first().nome, u"Id"_s);
            QCOMPARE(t.colunas.first().tipo, Tipo::Id);
            for (const Coluna &c : t.colunas)
                if (c.tipo == Tipo::IdDe)
                    QVERIFY2(TabelaPorNome(c.referencia), qPrintable(t.nome + u'.' + c.nome));
        }
    }

    // As colunas criadas em cada motor são as da descrição, com os tipos dela.
    void motorIgualADescricao()
    {
        EXIGIR_BANCO(b);
        const bool pg = MotorAtual() == ::Motor::PostgreSQL;
        for (const Tabela &t : Tabelas()) {
            QStringList esperadas, criadas;
            for (const Coluna &c : t.colunas) {
                QString tipo;
                switch (c.tipo) {
                case Tipo::Id:
                case Tipo::Inteiro:
                case Tipo::IdDe:
                    tipo = pg ? u"integer"_s : u"INTEGER"_s;
                    break;
                case Tipo::Texto:
                case Tipo::Marca:
                    tipo = pg ? u"character varying(%1)"_s.arg(c.tamanho)
                              : u"VARCHAR(%1)"_s.arg(c.tamanho);
                    break;
                case Tipo::TextoLongo:
                    tipo = pg ? u"text"_s : u"TEXT"_s;
                    break;
                case Tipo::Data:
                    tipo = pg ? u"date"_s : u"DATE"_s;
                    break;
                case Tipo::DataHora:
                    tipo = pg ? u"timestamp(0) without time zone"_s : u"DATETIME"_s;
                    break;
                case Tipo::Instante:
                    tipo = pg ? u"timestamp(0) with time zone"_s : u"DATETIME"_s;
                    break;
                }
                esperadas << c.nome.toLower() + u' ' + tipo;
            }
            const QString sql = pg
                ? u"SELECT string_agg(a.attname || ' ' || format_type(a.atttypid, a.atttypmod), "
                  u"'|' "
                  "ORDER BY a.attnum) FROM pg_attribute a WHERE a.attrelid='%1'::regclass "
                  "AND a.attnum>0 AND NOT a.attisdropped"_s.arg(t.nome.toLower())
                : u"SELECT group_concat(lower(name) || ' ' || type, '|') FROM pragma_table_info('%1')"_s
                      .arg(t.nome);
            criadas = b.Valor(sql).split(u'|');
            QCOMPARE(criadas, esperadas);
        }
    }

    // Toda coluna pela qual uma linha é procurada tem índice nos dois motores: uma janela
    // nova (uma filha, um texto longo, um filtro) ganha o seu sem que ninguém o escreva.
    void indicesDasBuscas_data()
    {
        QTest::addColumn<QString>("coluna");
        for (const QString &c : { u"docentesobservacao.docente"_s, u"telefonesdocentes.docente"_s,
                 u"publicacoes.docente"_s, u"docentes.departamento"_s, u"docentes.nome"_s,
                 u"disciplinas.codigokva"_s, u"disciplinasoferecidasrodizios.disciplina"_s,
                 u"horarios.disciplina"_s, u"passageiros.solicitante"_s,
                 u"departamentosdescricao.departamento"_s, u"comunicados.titulo"_s })
            QTest::newRow(qPrintable(c)) << c;
        QTest::newRow("todas as do catálogo") << QString();
    }
    void indicesDasBuscas()
    {
        EXIGIR_BANCO(b);
        QFETCH(QString, coluna);
        const QSet<QString> buscas = colunasDeBusca();
        const QSet<QString> indexadas = colunasIndexadas(b);
        if (!coluna.isEmpty()) {
            QVERIFY2(buscas.contains(coluna), qPrintable(coluna));
            QVERIFY2(indexadas.contains(coluna), qPrintable(coluna));
            return;
        }
        // A lista que cria os índices é a do catálogo, nem mais nem menos.
        QSet<QString> lista;
        for (const CatalogoJanelas::Busca &x : CatalogoJanelas::Buscas())
            lista.insert((x.tabela + u'.' + x.coluna).toLower());
        const auto fora = [](const QSet<QString> &a, const QSet<QString> &b) {
            QStringList l = (a - b).values();
            l.sort();
            return l.join(u", "_s);
        };
        QVERIFY2(lista == buscas,
            qPrintable(u"fora da lista: "_s + fora(buscas, lista) + u"; a mais: "_s
                + fora(lista, buscas)));
        const QString faltam = fora(buscas, indexadas);
        QVERIFY2(faltam.isEmpty(), qPrintable(u"sem índice: "_s + faltam));
        // E as do histórico: a linha, a tabela, o login e o período.
        for (const QString &c :
            { u"historico.tabela"_s, u"historico.usuario"_s, u"historico.momento"_s })
            QVERIFY2(indexadas.contains(c), qPrintable(c));
    }

    // Um banco de uma versão anterior (sem os índices, com o histórico gravado por
    // gatilhos de linha e o momento na hora local) ganha o que falta: o SQLite na conexão
    // do programa, o PostgreSQL pelo comando de criação com --atualizar, rodado pelo dono.
    void bancoAntigoCompletado()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        b.Desconectar();
        const bool pg = MotorAtual() == ::Motor::PostgreSQL;
        const QString gatilhos = pg
            ? u"SELECT string_agg(tgname || CASE WHEN tgtype & 1 = 1 THEN ' (linha)' ELSE '' END, "
              "',' ORDER BY tgname) FROM pg_trigger WHERE tgrelid = 'docentes'::regclass AND "
              "tgname LIKE 'historico%'"_s
            : u"SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master WHERE "
              "type = 'trigger' AND name GLOB 'Docentes_Historico*' AND sql NOT LIKE "
              "'%localtime%' ORDER BY name)"_s;
        const QString novos = b.Valor(gatilhos);
        QVERIFY(!novos.isEmpty());
        for (const QString &c : { u"DROP INDEX Docentes_Departamento"_s,
                 u"DROP INDEX Historico_Usuario_Id"_s, u"DROP INDEX DocentesObservacao_Docente"_s })
            QVERIFY2(b.Executar(c), qPrintable(b.UltimoErro()));
        // O momento antigo: meio-dia na hora local de quem gravou.
        const QByteArray fuso = qgetenv("TZ");
        qputenv("TZ", "America/Sao_Paulo"); // UTC-3, sem horário de verão desde 2019
        tzset();
        if (pg) {
            const QString args = u"'Docentes','Id','Id','Nome'"_s;
            for (const QString &c :
                { u"ALTER TABLE Historico ALTER COLUMN Momento TYPE TIMESTAMP(0) USING "
                  "Momento AT TIME ZONE current_setting('TimeZone')"_s,
                    u"DROP TRIGGER historico_incluir ON Docentes"_s,
                    u"DROP TRIGGER historico_alterar ON Docentes"_s,
                    u"DROP TRIGGER historico_excluir ON Docentes"_s,
                    u"CREATE TRIGGER historico_incluir_excluir AFTER INSERT OR DELETE ON Docentes "
                    "FOR EACH ROW EXECUTE FUNCTION historico_gravar(%1)"_s.arg(args),
                    u"CREATE TRIGGER historico_alterar AFTER UPDATE ON Docentes FOR EACH ROW "
                    "EXECUTE FUNCTION historico_gravar(%1)"_s.arg(args),
                    // o departamento do login pelo nome, sem a tabela dos logins, e uma
                    // política a menos
                    u"DROP TABLE LoginsDepartamentos"_s,
                    u"CREATE OR REPLACE FUNCTION public.departamento_do_login() RETURNS integer "
                    "LANGUAGE sql STABLE SET search_path = public AS $$SELECT MIN(Id) FROM "
                    "Departamentos WHERE Nome = CASE current_user WHEN 'tarvisco_deptobio' "
                    "THEN 'Biologia' END$$"_s,
                    u"DROP POLICY departamento_alterar ON Docentes"_s })
                QVERIFY2(b.Executar(c), qPrintable(b.UltimoErro()));
        } else {
            for (const QString &g :
                { u"Docentes_HistoricoAlterar"_s, u"Docentes_HistoricoIncluir"_s }) {
                const QString sql
                    = b.Valor(u"SELECT sql FROM sqlite_master WHERE name = '%1'"_s.arg(g));
                QVERIFY(sql.contains(u"datetime('now')"_s));
                QVERIFY(b.Executar(u"DROP TRIGGER "_s + g));
                QVERIFY(b.Executar(
                    QString(sql).replace(u"datetime('now')"_s, u"datetime('now','localtime')"_s)));
            }
        }
        QVERIFY(b.Executar(u"INSERT INTO Historico (Momento,Usuario,Tabela,Registro,Operacao) "
                           "VALUES ('2020-06-01 12:00:00','x','Docentes',2,'U')"_s));
        QVERIFY(b.Valor(gatilhos) != novos);

        QString erro;
        if (pg) {
            for (int vez = 0; vez < 2; ++vez) { // de novo: nada muda
                const ExecucaoCriarBanco e = CriarBanco(
                    { u"--host"_s, b.Fonte().host, u"--porta"_s, QString::number(b.Fonte().porta),
                        u"--banco"_s, b.Fonte().banco, u"--superusuario"_s,
                        b.Cluster()->Superusuario(), u"--atualizar"_s },
                    [&b](int nivel) { return b.Senha(nivel); });
                QVERIFY2(e.saida == 0, qPrintable(e.texto));
            }
            erro = b.Conectar(1);
        } else {
            erro = b.Conectar(1);
            b.Desconectar();
            erro += b.Conectar(1); // de novo: nada muda
        }
        qputenv("TZ", fuso);
        if (fuso.isNull())
            qunsetenv("TZ");
        tzset();
        QCOMPARE(erro, QString());
        QCOMPARE(b.Valor(gatilhos), novos);
        if (pg) {
            // Cada login de departamento preso ao Id do seu, a função de agora e todas as
            // políticas.
            QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM LoginsDepartamentos l JOIN Departamentos d "
                             "ON d.Id = l.Departamento"_s),
                u"4"_s);
            QVERIFY(b.Valor(u"SELECT prosrc FROM pg_proc WHERE proname = 'departamento_do_login'"_s)
                        .contains(u"LoginsDepartamentos"_s));
            QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM pg_policies WHERE tablename = 'docentes'"_s),
                u"4"_s);
        }
        for (const QString &c :
            { u"docentes.departamento"_s, u"historico.usuario"_s, u"docentesobservacao.docente"_s })
            QVERIFY2(colunasIndexadas(b).contains(c), qPrintable(c));
        // O momento antigo virou o instante que ele era: no SQLite, lido na hora local da
        // máquina (15:00 em UTC); no PostgreSQL, no fuso do servidor.
        QCOMPARE(b.Valor(pg ? u"SELECT CASE WHEN Momento = TIMESTAMP '2020-06-01 12:00:00' AT "
                              "TIME ZONE current_setting('TimeZone') THEN 'ok' END FROM "
                              "Historico WHERE Usuario = 'x'"_s
                            : u"SELECT Momento FROM Historico WHERE Usuario = 'x'"_s),
            pg ? u"ok"_s : u"2020-06-01 15:00:00"_s);
        // O histórico continua gravando, uma linha por alteração.
        QCOMPARE(
            BancoTeste::RodarNoPrograma(u"UPDATE Docentes SET Area='a' WHERE Id=1"_s), QString());
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Historico"_s), u"2"_s);
        QCOMPARE(b.Valor(u"SELECT Depois FROM Historico WHERE Usuario <> 'x'"_s).remove(u' '),
            u"{\"Area\":\"a\"}"_s);
        QVERIFY(b.Executar(u"DELETE FROM Historico"_s));
    }

    void demonstracao()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar(true);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Docentes WHERE Nome<>'[vazio]'"_s), u"20"_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Departamentos WHERE Visivel='S'"_s), u"1"_s);
        QVERIFY(b.Valor(u"SELECT COUNT(*) FROM Departamentos"_s).toInt() >= 7);
        for (const QString &t :
            { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s })
            QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Docentes d WHERE d.Nome<>'[vazio]' AND "
                             "(SELECT COUNT(*) FROM %1 x WHERE x.Docente=d.Id)<>1"_s.arg(t)),
                u"0"_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Departamentos d WHERE (SELECT COUNT(*) FROM "
                         "DepartamentosDescricao x WHERE x.Departamento=d.Id)<>1"_s),
            u"0"_s);
        // Referências apontam para linhas existentes.
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Docentes d WHERE d.Departamento IS NOT NULL AND "
                         "NOT EXISTS (SELECT 1 FROM Departamentos x WHERE x.Id=d.Departamento)"_s),
            u"0"_s);
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Docentes d WHERE NOT EXISTS (SELECT 1 FROM "
                         "DocenteCategorias x WHERE x.Id=d.Categoria) AND d.Nome<>'[vazio]'"_s),
            u"0"_s);
        // Textos com acentos e quebras de linha.
        QVERIFY(b.Valor(u"SELECT Texto FROM DepartamentosDescricao WHERE Departamento=2"_s)
                    .contains(u"\r\nÁreas de atuação"_s));
        // As identidades seguem depois dos Ids da demonstração.
        QVERIFY2(b.Executar(u"INSERT INTO Docentes (Nome) VALUES ('Novo')"_s),
            qPrintable(b.UltimoErro()));
        QCOMPARE(b.Valor(u"SELECT MAX(Id) FROM Docentes"_s), u"22"_s);
        b.Reiniciar();
        QCOMPARE(b.Valor(u"SELECT COUNT(*) FROM Docentes"_s), u"1"_s);
    }

    void direitosDerivados()
    {
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            const QList<Direito> direitos = DireitosNivel(nivel);
            QVERIFY(!direitos.isEmpty());
            for (const Direito &d : direitos) {
                QVERIFY2(TabelaPorNome(d.tabela), qPrintable(d.tabela));
                QVERIFY(d.selecionar);
                if (!NivelPodeExcluir(nivel))
                    QVERIFY2(!d.excluir, qPrintable(d.tabela));
                if (d.tabela == u"Tarvisco"_s) {
                    QVERIFY(!d.incluir && !d.excluir);
                    QCOMPARE(d.colunasAlteraveis, QStringList({ u"Instancias"_s }));
                }
            }
        }
        QCOMPARE(DireitosNivel(11).size(), 1);
        QCOMPARE(DireitosNivel(11).first().tabela, u"Tarvisco"_s);
    }

    // As tabelas de departamento batem com a descrição, e toda tabela que um nível de
    // departamento grava (fora a configuração) está entre elas: nenhuma fica sem o
    // filtro do servidor.
    void tabelasDeDepartamento()
    {
        using CatalogoJanelas::Confinamento;
        using CatalogoJanelas::ConfinamentoDe;
        using CatalogoJanelas::Confinamentos;
        // A coluna de toda janela filha guarda o Id da linha da janela-mãe.
        for (const CatalogoJanelas::Janela &mae : CatalogoJanelas::Janelas())
            for (const CatalogoJanelas::Filha &f : mae.filhas)
                if (const QString pai = CatalogoJanelas::JanelaDe(f.numero)->colunaPai;
                    !pai.isEmpty()) {
                    const Coluna *col = TabelaPorNome(NomeTabela(f.numero))->coluna(pai);
                    QVERIFY2(col && col->referencia == NomeTabela(mae.numero),
                        qPrintable(NomeTabela(f.numero) + u'.' + pai));
                }
        QCOMPARE(Confinamentos().size(), 48);
        for (const Confinamento &c : Confinamentos()) {
            const QString nome = NomeTabela(c.tabela);
            const Tabela *t = TabelaPorNome(nome);
            QVERIFY2(t, qPrintable(nome));
            const Coluna *col = t->coluna(c.coluna);
            QVERIFY2(col && col->nome == c.coluna, qPrintable(nome + u'.' + c.coluna));
            QCOMPARE(ConfinamentoDe(c.tabela), &c);
            if (c.dona) {
                QCOMPARE(col->tipo, Tipo::IdDe);
                QCOMPARE(col->referencia, NomeTabela(c.dona));
                QVERIFY2(ConfinamentoDe(c.dona), qPrintable(nome));
                QVERIFY(c.vazio.isEmpty());
            } else {
                QVERIFY2(t->coluna(c.vazio), qPrintable(nome + u'.' + c.vazio));
                QVERIFY(nome == u"Departamentos"_s ? col->tipo == Tipo::Id
                                                   : col->referencia == u"Departamentos"_s);
            }
        }
        QSet<QString> confinadas;
        for (const Confinamento &c : Confinamentos())
            confinadas.insert(NomeTabela(c.tabela));
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            if (!NivelDeDepartamento(nivel))
                continue;
            for (const Direito &d : DireitosNivel(nivel))
                if (d.tabela != u"Tarvisco"_s && (d.incluir || d.alterar || d.excluir))
                    QVERIFY2(confinadas.contains(d.tabela), qPrintable(d.tabela));
        }
    }

    // Incluir e alterar nas colunas da descrição, nunca na chave.
    void direitosSemChave()
    {
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            for (const QString &c : ComandosDireitos(nivel)) {
                if (!c.startsWith(u"GRANT SELECT"_s))
                    continue;
                QVERIFY2(!c.contains(u"INSERT,"_s) && !c.contains(u"UPDATE,"_s)
                        && !c.contains(u"INSERT ON"_s) && !c.contains(u"UPDATE ON"_s)
                        && !c.contains(u"(Id,"_s) && !c.contains(u",Id,"_s)
                        && !c.contains(u",Id)"_s),
                    qPrintable(c));
            }
        const QStringList n1 = ComandosDireitos(1);
        QVERIFY(n1.contains(u"GRANT SELECT, INSERT (Nome,Sigla), UPDATE (Nome,Sigla), DELETE ON "
                            "DocenteCategorias TO tarvisco_adm"_s));
        QVERIFY(n1.contains(u"GRANT SELECT, UPDATE (Instancias) ON Tarvisco TO tarvisco_adm"_s));
    }
};

QTEST_GUILESS_MAIN(TesteEsquema)
#include "tst_esquema.moc"

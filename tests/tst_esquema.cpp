// O esquema: uma descrição, os dois motores iguais a ela, linhas iniciais, demonstração
// e direitos derivados.
#include "BancoTeste.h"
#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Esquema.h"
#include "PerfisAcesso.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace Esquema;

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

// Os doze logins no PostgreSQL: o que cada nível pode e não pode fazer é decidido pelo
// próprio servidor (os direitos dados pelo comando de criação do banco).
#include "Banco.h"
#include "BancoTeste.h"
#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Servidor.h"

#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// Roda o comando na conexão do programa; devolve o texto da falha (vazio se rodou).
QString rodar(const QString &sql)
{
    return BancoTeste::RodarNoPrograma(sql);
}

// Ações do menu -> tabela que a janela da ação edita (do catálogo das janelas).
QList<QPair<int, int>> acoes()
{
    QList<QPair<int, int>> a;
    for (const CatalogoJanelas::Janela &j : CatalogoJanelas::Janelas())
        if (j.acao.etiqueta > 0)
            a << qMakePair(j.acao.etiqueta, j.numero);
    return a;
}
} // namespace

class TesteLogins : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

private slots:
    void initTestCase()
    {
        m_banco = &BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(m_banco->Pronto(), qPrintable(m_banco->Erro()));
        m_banco->Reiniciar(true);
    }
    void cleanup() { m_banco->Desconectar(); }

    void todosConectam()
    {
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            QCOMPARE(m_banco->Conectar(nivel), QString());
            QCOMPARE(rodar(u"SELECT * FROM Tarvisco"_s), QString());
            QCOMPARE(rodar(u"UPDATE Tarvisco SET Instancias=Instancias+1 WHERE Id=1"_s), QString());
            for (const QString &proibido : { u"UPDATE Tarvisco SET Versao='17' WHERE Id=1"_s,
                     u"UPDATE Tarvisco SET DesligarVersaoAntiga='S'"_s,
                     u"INSERT INTO Tarvisco (Versao) VALUES ('99')"_s, u"DELETE FROM Tarvisco"_s,
                     u"CREATE TABLE Intrusa (Id INTEGER)"_s, u"DROP TABLE Docentes"_s,
                     u"ALTER TABLE Docentes ADD COLUMN Intrusa INTEGER"_s,
                     u"TRUNCATE TABLE Noticias"_s }) {
                const QString falha = rodar(proibido);
                QVERIFY2(!falha.isEmpty(), qPrintable(UsuarioNivel(nivel) + u": "_s + proibido));
                QVERIFY2(
                    falha.contains(u"permission denied"_s) || falha.contains(u"must be owner"_s),
                    qPrintable(falha));
            }
            m_banco->Desconectar();
        }
        QCOMPARE(m_banco->Valor(u"SELECT Instancias FROM Tarvisco WHERE Id=1"_s), u"12"_s);
    }

    void loginsNaoSaoDonos()
    {
        QCOMPARE(
            m_banco->Valor(u"SELECT COUNT(*) FROM pg_class c JOIN pg_roles r ON r.oid=c.relowner "
                           "WHERE r.rolname LIKE 'tarvisco\\_%'"_s),
            u"0"_s);
        QCOMPARE(m_banco->Valor(u"SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE 'tarvisco\\_%' "
                                "AND (rolsuper OR rolcreatedb OR rolcreaterole)"_s),
            u"0"_s);
    }

    // Cada ação do menu do nível edita sua tabela (menos as janelas que o nível só lê: a
    // de docentes no nível 7, o histórico no 1): incluir e alterar passam; excluir só
    // para os níveis que excluem. Tabelas de ações que o nível não vê nem como escolha
    // não são lidas (o nível 11 não lê nada além da configuração).
    void acoesDoMenu()
    {
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            QCOMPARE(m_banco->Conectar(nivel), QString());
            for (const auto &[etiqueta, numero] : acoes()) {
                if (!NivelVeTabela(nivel, etiqueta)
                    || CatalogoJanelas::NivelSoLeitura(nivel, numero))
                    continue;
                const QString t = NomeTabela(numero);
                const QString contexto = UsuarioNivel(nivel) + u" "_s + t + u": "_s;
                QString falha = rodar(u"SELECT COUNT(Id) FROM "_s + t);
                QVERIFY2(falha.isEmpty(), qPrintable(contexto + falha));
                falha = rodar(u"INSERT INTO "_s + t + u" (Id) VALUES (DEFAULT)"_s);
                QVERIFY2(falha.isEmpty(), qPrintable(contexto + falha));
                falha = rodar(u"UPDATE "_s + t + u" SET Id=Id WHERE Id=-1"_s);
                QVERIFY2(falha.isEmpty(), qPrintable(contexto + falha));
                falha = rodar(u"DELETE FROM "_s + t + u" WHERE Id=-1"_s);
                QVERIFY2(falha.isEmpty() == NivelPodeExcluir(nivel), qPrintable(contexto + falha));
            }
            m_banco->Desconectar();
        }
    }

    void operacoes_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("permitido");
        const auto caso = [](int nivel, const QString &sql, bool permitido) {
            QTest::addRow("%d %s: %s", nivel, permitido ? "pode" : "não pode", qPrintable(sql))
                << nivel << sql << permitido;
        };
        // 1 Administrador: tudo, inclusive categorias de docentes e excluir.
        caso(1, u"INSERT INTO DocenteCategorias (Nome,Sigla) VALUES ('Nova','NV')"_s, true);
        caso(1, u"DELETE FROM Docentes WHERE Id=-1"_s, true);
        caso(1, u"DELETE FROM DocentesPesquisaArea WHERE Docente=-1"_s, true);
        caso(1, u"INSERT INTO Passageiros (Passageiro) VALUES ('x')"_s, true);
        // 2 Digitador: edita, não exclui, não mexe nas categorias.
        caso(2, u"UPDATE Docentes SET Area='x' WHERE Id=2"_s, true);
        caso(2, u"DELETE FROM Docentes WHERE Id=-1"_s, false);
        caso(2, u"DELETE FROM EmailsDocentes WHERE Id=-1"_s, false);
        caso(2, u"SELECT * FROM DocenteCategorias"_s, true);
        caso(2, u"INSERT INTO DocenteCategorias (Nome) VALUES ('x')"_s, false);
        // 3..6 Departamentos: seus editores e os filhos; escolhas só leem.
        caso(3, u"INSERT INTO Docentes (Nome) VALUES ('Novo')"_s, true);
        caso(3, u"INSERT INTO DocentesObservacao (Docente,Texto) VALUES (2,'x')"_s, true);
        caso(3, u"INSERT INTO Publicacoes (Titulo) VALUES ('x')"_s, true);
        caso(3, u"SELECT * FROM Funcionarios"_s, true);
        caso(3, u"INSERT INTO Funcionarios (Nome) VALUES ('x')"_s, false);
        caso(3, u"SELECT * FROM Imagens"_s, true);
        caso(3, u"UPDATE Imagens SET Titulo='x' WHERE Id=-1"_s, false);
        caso(3, u"SELECT * FROM Noticias"_s, false);
        caso(4, u"INSERT INTO DisciplinasCoRequisitos (Disciplina,Paralela) VALUES (1,1)"_s, true);
        caso(4, u"INSERT INTO Horarios (Disciplina) VALUES (1)"_s, true);
        caso(4, u"SELECT * FROM Defesas"_s, false);
        caso(5, u"INSERT INTO GruposPesquisaDocentes (Grupo,Docente) VALUES (1,2)"_s, true);
        caso(5, u"UPDATE Secoes SET Nome='x' WHERE Id=-1"_s, false);
        caso(6, u"INSERT INTO Estudantes (Nome) VALUES ('x')"_s, true);
        caso(6, u"DELETE FROM Passageiros WHERE Id=-1"_s, true);
        caso(6, u"SELECT * FROM Links"_s, false);
        // 7 SEAC: lê docentes, não inclui nem altera; edita publicações, não exclui.
        caso(7, u"SELECT * FROM Docentes"_s, true);
        caso(7, u"INSERT INTO Docentes (Nome) VALUES ('x')"_s, false);
        caso(7, u"UPDATE Docentes SET Nome='x' WHERE Id=2"_s, false);
        caso(7, u"INSERT INTO Publicacoes (Titulo) VALUES ('x')"_s, true);
        caso(7, u"DELETE FROM Publicacoes WHERE Id=-1"_s, false);
        caso(7, u"INSERT INTO TelefonesDocentes (Docente,Telefone) VALUES (2,'1')"_s, true);
        caso(7, u"INSERT INTO DocentesPesquisaArea (Docente,Texto) VALUES (2,'')"_s, true);
        caso(7, u"UPDATE DocentesPesquisaArea SET Texto='x' WHERE Docente=2"_s, false);
        caso(7, u"SELECT * FROM Departamentos"_s, true);
        caso(7, u"UPDATE Departamentos SET Nome='x' WHERE Id=-1"_s, false);
        caso(7, u"SELECT * FROM Funcionarios"_s, true); // secretário na escolha de departamentos
        caso(7, u"INSERT INTO Funcionarios (Nome) VALUES ('x')"_s, false);
        caso(7, u"SELECT * FROM Centros"_s, false);
        // 8 Seção Pessoal: seções, funcionários, comunicados, assistências.
        caso(8, u"INSERT INTO EmailsSecoes (Secao,Email) VALUES (1,'a@b')"_s, true);
        caso(8, u"DELETE FROM Comunicados WHERE Id=-1"_s, true);
        caso(8, u"SELECT * FROM Docentes"_s, true);
        caso(8, u"INSERT INTO Docentes (Nome) VALUES ('x')"_s, false);
        caso(8, u"SELECT * FROM Disciplinas"_s, false);
        // 9 Graduação: cursos, disciplinas, calendário, diplomas.
        caso(9, u"INSERT INTO DisciplinasObjetivos (Disciplina,Texto) VALUES (1,'x')"_s, true);
        caso(9, u"INSERT INTO DisciplinasOferecidasRodizios (Disciplina,Docente) VALUES (1,2)"_s,
            true);
        caso(9, u"UPDATE Calendario SET DataInicio='3/4/2005' WHERE Id=1"_s, true);
        caso(9, u"SELECT * FROM Docentes"_s, true);
        caso(9, u"UPDATE Docentes SET Nome='x' WHERE Id=-1"_s, false);
        caso(9, u"SELECT * FROM Noticias"_s, false);
        // 10 Pós-graduação.
        caso(10, u"INSERT INTO PosGraduacoesDocumentacao (PosGraduacao,Texto) VALUES (1,'x')"_s,
            true);
        caso(10, u"INSERT INTO Defesas (Aluno,Data) VALUES ('x','3/4/2005')"_s, true);
        caso(10, u"INSERT INTO DocentesPosGraduacao (Docente,PosGraduacao) VALUES (2,1)"_s, true);
        caso(10, u"SELECT * FROM Calendario"_s, false);
        // 11 ATAc: só a configuração.
        caso(11, u"SELECT * FROM Departamentos"_s, false);
        caso(11, u"SELECT * FROM Docentes"_s, false);
        caso(11, u"SELECT * FROM DocenteSituacao"_s, false);
        // 12 ATAd: veículos e passageiros, departamentos, docentes, funcionários.
        caso(12, u"INSERT INTO Passageiros (Solicitante,Passageiro) VALUES (1,'x')"_s, true);
        caso(12, u"UPDATE Veiculos SET Conf_atad='S' WHERE Id=-1"_s, true);
        caso(12, u"SELECT * FROM Posgraduacoes"_s, true);
        caso(12, u"INSERT INTO Posgraduacoes (Nome) VALUES ('x')"_s, false);
        caso(12, u"SELECT * FROM Disciplinas"_s, false);
    }
    void operacoes()
    {
        QFETCH(int, nivel);
        QFETCH(QString, sql);
        QFETCH(bool, permitido);
        QCOMPARE(m_banco->Conectar(nivel), QString());
        const QString falha = rodar(sql);
        if (permitido) {
            QVERIFY2(falha.isEmpty(), qPrintable(falha));
        } else {
            QVERIFY2(falha.contains(u"permission denied"_s), qPrintable(u"aceito: "_s + falha));
        }
    }

    // O comando de criação recusa um banco que já existe e entradas sem as doze senhas.
    void comandoDeCriacaoRecusa_data()
    {
        QTest::addColumn<QString>("banco");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<int>("saida");
        QTest::addColumn<QString>("mensagem");
        QString todas;
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            todas += UsuarioNivel(nivel) + u"=x"_s + QString::number(nivel) + u'\n';
        QTest::newRow("banco existente") << u"tarvisco"_s << todas << 1 << u"já existe"_s;
        QTest::newRow("senha faltando")
            << u"outro"_s << u"tarvisco_adm=x\n"_s << 1 << u"Faltam senhas"_s;
        QTest::newRow("linha sem igual")
            << u"outro"_s << u"tarvisco_adm\n"_s << 1 << u"login=senha"_s;
        QTest::newRow("nome de banco inválido")
            << u"x; DROP DATABASE postgres"_s << todas << 2 << u"inválido"_s;
    }
    void comandoDeCriacaoRecusa()
    {
        QFETCH(QString, banco);
        QFETCH(QString, entrada);
        QFETCH(int, saida);
        QFETCH(QString, mensagem);
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(TARVISCO_BIN_DIR) + u"/tarvisco_criar_banco"_s,
            { u"--host"_s, m_banco->Fonte().host, u"--porta"_s,
                QString::number(m_banco->Fonte().porta), u"--banco"_s, banco });
        QVERIFY(p.waitForStarted());
        p.write(entrada.toUtf8());
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000));
        const QString texto = QString::fromUtf8(p.readAll());
        QCOMPARE(p.exitCode(), saida);
        QVERIFY2(texto.contains(mensagem), qPrintable(texto));
        QCOMPARE(
            m_banco->Valor(u"SELECT COUNT(*) FROM pg_database WHERE datname='outro'"_s), u"0"_s);
    }

    // O Id da linha incluída vem do motor também para um login sem ser dono.
    void idIncluidoComLogin()
    {
        QCOMPARE(m_banco->Conectar(12), QString());
        TQuery q(&Servidor::Database());
        q.SQL = { u"INSERT INTO Veiculos (Nome) VALUES ('Pedido')"_s };
        q.ExecSQL();
        const QString id = q.UltimoIdInserido();
        QVERIFY(!id.isEmpty());
        QCOMPARE(m_banco->Valor(u"SELECT Nome FROM Veiculos WHERE Id="_s + id), u"Pedido"_s);
    }
};

QTEST_GUILESS_MAIN(TesteLogins)
#include "tst_logins.moc"

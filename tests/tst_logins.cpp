// Os doze logins no PostgreSQL: o que cada nível pode e não pode fazer é decidido pelo
// próprio servidor (os direitos dados pelo comando de criação do banco).
#include "Banco.h"
#include "BancoTeste.h"
#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Conexao.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"
#include "Servidor.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// Roda o comando na conexão do programa; devolve o texto da falha (vazio se rodou).
QString rodar(const QString &sql)
{
    return BancoTeste::RodarNoPrograma(sql);
}

// Código SQLSTATE da falha do comando na conexão do programa (vazio se rodou).
QString estado(const QString &sql)
{
    QSqlQuery q(Servidor::Database().Conexao());
    return q.exec(sql) ? QString() : q.lastError().nativeErrorCode();
}

// Roda um comando de mudança e devolve as linhas mudadas (-1 e 'falha' em falha).
int mudadas(const QString &sql, QString *falha = nullptr)
{
    TQuery q(&Servidor::Database());
    q.SQL = { sql };
    try {
        q.ExecSQL();
    } catch (const ErroBanco &e) {
        if (falha)
            *falha = e.Mensagem();
        return -1;
    }
    return q.LinhasAfetadas();
}

// Primeira coluna gravável (não a chave) da tabela.
QString primeiraColuna(const QString &tabela)
{
    return Esquema::TabelaPorNome(tabela)->colunas.at(1).nome;
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

    QString idDepartamento(int nivel)
    {
        return m_banco->Valor(
            u"SELECT Id FROM Departamentos WHERE Nome="_s + CitarTexto(DepartamentoNivel(nivel)));
    }
    // Uma linha nova da tabela (como dono), do departamento dado: direto ou por uma linha
    // dona nova. Em Departamentos, a própria linha do departamento.
    QString linha(int tabela, const QString &departamento)
    {
        const CatalogoJanelas::Confinamento &c = *CatalogoJanelas::ConfinamentoDe(tabela);
        if (c.coluna == u"Id"_s)
            return departamento;
        const QString ref = c.dona ? linha(c.dona, departamento) : departamento;
        return m_banco->Valor(u"INSERT INTO %1 (%2) VALUES (%3) RETURNING Id"_s.arg(
            NomeTabela(tabela), c.coluna, ref));
    }
    // Uma linha da tabela dona que é a reservada "[vazio]" (ou filha dela).
    QString linhaReservada(int tabela)
    {
        const CatalogoJanelas::Confinamento &c = *CatalogoJanelas::ConfinamentoDe(tabela);
        if (!c.dona)
            return m_banco->Valor(u"INSERT INTO %1 (%2) VALUES ('[vazio]') RETURNING Id"_s.arg(
                NomeTabela(tabela), c.vazio));
        return m_banco->Valor(u"INSERT INTO %1 (%2) VALUES (%3) RETURNING Id"_s.arg(
            NomeTabela(tabela), c.coluna, linhaReservada(c.dona)));
    }
    QString dona(const QString &id, const QString &tabela, const QString &coluna)
    {
        return m_banco->Valor(u"SELECT %1 FROM %2 WHERE Id=%3"_s.arg(coluna, tabela, id));
    }

private slots:
    void initTestCase()
    {
        m_banco = &BancoTeste::De(Motor::PostgreSQL);
        QVERIFY2(m_banco->Pronto(), qPrintable(m_banco->Erro()));
        m_banco->Reiniciar(true);
        // Linhas de Física (3), Psicologia (4) e Química (5) para os casos abaixo.
        const QStringList linhas
            = { u"INSERT INTO Disciplinas (Id, Nome, Departamento) VALUES (50, 'Mecânica', 3)"_s,
                  u"INSERT INTO DisciplinasOferecidas (Id, Disciplina) VALUES (50, 50)"_s,
                  u"INSERT INTO GruposPesquisa (Id, Nome, Departamento) VALUES (50, 'Grupo', 4)"_s,
                  u"INSERT INTO Agremiacoes (Id, Nome, Departamento) VALUES (50, 'Centro', 5)"_s };
        for (const QString &c : linhas + Esquema::ComandosAjustarIdentidades())
            QVERIFY2(m_banco->Executar(c), qPrintable(m_banco->UltimoErro()));
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
    // não são lidas (o nível 11 não lê nada além da configuração). Uma linha sem
    // departamento é recusada aos níveis de departamento pela segurança por linha.
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
                falha = rodar(u"INSERT INTO "_s + t + u" DEFAULT VALUES"_s);
                if (NivelDeDepartamento(nivel) && CatalogoJanelas::ConfinamentoDe(numero))
                    QVERIFY2(falha.contains(u"row-level security"_s), qPrintable(contexto + falha));
                else
                    QVERIFY2(falha.isEmpty(), qPrintable(contexto + falha));
                const QString c = primeiraColuna(t);
                falha = rodar(u"UPDATE %1 SET %2=%2 WHERE Id=-1"_s.arg(t, c));
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
        caso(3, u"INSERT INTO Docentes (Nome, Departamento) VALUES ('Novo', 2)"_s, true);
        caso(3, u"INSERT INTO DocentesObservacao (Docente,Texto) VALUES (2,'x')"_s, true);
        caso(3, u"INSERT INTO Publicacoes (Docente, Titulo) VALUES (2, 'x')"_s, true);
        caso(3, u"SELECT * FROM Funcionarios"_s, true);
        caso(3, u"INSERT INTO Funcionarios (Nome) VALUES ('x')"_s, false);
        caso(3, u"SELECT * FROM Imagens"_s, true);
        caso(3, u"UPDATE Imagens SET Titulo='x' WHERE Id=-1"_s, false);
        caso(3, u"SELECT * FROM Noticias"_s, false);
        caso(4, u"INSERT INTO DisciplinasCoRequisitos (Disciplina,Paralela) VALUES (1,1)"_s, true);
        caso(4, u"INSERT INTO Horarios (Disciplina) VALUES (50)"_s, true);
        caso(4, u"SELECT * FROM Defesas"_s, false);
        caso(5, u"INSERT INTO GruposPesquisaDocentes (Grupo,Docente) VALUES (50,2)"_s, true);
        caso(5, u"UPDATE Secoes SET Nome='x' WHERE Id=-1"_s, false);
        caso(6, u"INSERT INTO Estudantes (Agremiacao, Nome) VALUES (50, 'x')"_s, true);
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

    // Nenhum login grava a chave: alterar o Id ou incluir com um Id escolhido é negado
    // (42501) em toda tabela que o login inclui ou altera. A única exceção é o
    // administrador incluir com o Id de antes, para desfazer uma exclusão pelo histórico.
    void chavesNaoSaoGravadas()
    {
        QCOMPARE(m_banco->Valor(u"SELECT COUNT(*) FROM information_schema.table_privileges "
                                "WHERE grantee LIKE 'tarvisco\\_%' "
                                "AND privilege_type IN ('INSERT','UPDATE')"_s),
            u"0"_s);
        QCOMPARE(m_banco->Valor(u"SELECT COUNT(*) FROM information_schema.column_privileges "
                                "WHERE grantee LIKE 'tarvisco\\_%' AND column_name = 'id' "
                                "AND (privilege_type = 'UPDATE' OR (privilege_type = 'INSERT' "
                                "AND grantee <> 'tarvisco_adm'))"_s),
            u"0"_s);
        int casos = 0;
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel) {
            QCOMPARE(m_banco->Conectar(nivel), QString());
            for (const Esquema::Direito &d : Esquema::DireitosNivel(nivel)) {
                const QString contexto = UsuarioNivel(nivel) + u' ' + d.tabela;
                if (d.alterar) {
                    QCOMPARE(estado(u"UPDATE %1 SET Id=Id+100000"_s.arg(d.tabela)), u"42501"_s);
                    ++casos;
                }
                if (d.incluir && nivel != 1) {
                    QVERIFY2(estado(u"INSERT INTO %1 (Id, %2) VALUES (100000, NULL)"_s.arg(
                                 d.tabela, primeiraColuna(d.tabela)))
                            == u"42501"_s,
                        qPrintable(contexto));
                    ++casos;
                }
            }
            m_banco->Desconectar();
        }
        QVERIFY(casos > 200);
    }

    // Segurança por linha: cada login de departamento lê as linhas dos outros, mas só
    // inclui, altera e exclui as do seu departamento (direto ou pela linha dona); as
    // filhas de uma linha reservada "[vazio]" e as que perderam a dona também.
    void departamentoSoGravaOSeu_data()
    {
        QTest::addColumn<int>("tabela");
        for (const CatalogoJanelas::Confinamento &c : CatalogoJanelas::Confinamentos())
            QTest::newRow(qPrintable(NomeTabela(c.tabela))) << c.tabela;
    }
    void departamentoSoGravaOSeu()
    {
        QFETCH(int, tabela);
        const CatalogoJanelas::Confinamento &c = *CatalogoJanelas::ConfinamentoDe(tabela);
        const QString t = NomeTabela(tabela);
        const QString col = primeiraColuna(t);
        int niveisQueGravam = 0;
        for (int nivel = 3; nivel <= 6; ++nivel) {
            bool grava = false;
            for (const Esquema::Direito &d : Esquema::DireitosNivel(nivel))
                grava = grava || (d.tabela == t && d.incluir && d.alterar);
            if (!grava)
                continue;
            ++niveisQueGravam;
            const QString deptoSeu = idDepartamento(nivel);
            const QString deptoOutro = idDepartamento(nivel == 3 ? 4 : 3);
            const QString seu = linha(tabela, deptoSeu);
            const QString outro = linha(tabela, deptoOutro);
            QCOMPARE(m_banco->Conectar(nivel), QString());
            const QString contexto = UsuarioNivel(nivel) + u' ' + t + u": "_s;
            // Lê os dois.
            TQuery q(&Servidor::Database());
            q.SQL = { u"SELECT COUNT(Id) FROM %1 WHERE Id IN (%2,%3)"_s.arg(t, seu, outro) };
            q.Open();
            QCOMPARE(q.Campo0(), u"2"_s);
            // Altera só o seu.
            QCOMPARE(mudadas(u"UPDATE %1 SET %2=%2 WHERE Id=%3"_s.arg(t, col, outro)), 0);
            QCOMPARE(mudadas(u"UPDATE %1 SET %2=%2 WHERE Id=%3"_s.arg(t, col, seu)), 1);
            // Não leva o seu para o outro departamento nem inclui no outro.
            QString falha;
            if (c.coluna != u"Id"_s) {
                const QString ref = c.dona ? dona(outro, t, c.coluna) : deptoOutro;
                QCOMPARE(mudadas(u"UPDATE %1 SET %2=%3 WHERE Id=%4"_s.arg(t, c.coluna, ref, seu),
                             &falha),
                    -1);
                QVERIFY2(falha.contains(u"row-level security"_s), qPrintable(contexto + falha));
                QCOMPARE(
                    mudadas(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(t, c.coluna, ref), &falha),
                    -1);
                QVERIFY2(falha.contains(u"row-level security"_s), qPrintable(contexto + falha));
                const QString refSeu = c.dona ? dona(seu, t, c.coluna) : deptoSeu;
                QCOMPARE(mudadas(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(t, c.coluna, refSeu)), 1);
            } else {
                QCOMPARE(mudadas(u"INSERT INTO %1 (%2) VALUES ('Novo')"_s.arg(t, col), &falha), -1);
                QVERIFY2(falha.contains(u"row-level security"_s), qPrintable(contexto + falha));
            }
            if (c.dona) {
                // Filha da linha reservada: as janelas a mostram e criam seus textos.
                const QString reservada = linhaReservada(c.dona);
                QVERIFY2(mudadas(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(t, c.coluna, reservada),
                             &falha)
                        == 1,
                    qPrintable(contexto + reservada + u' ' + falha));
                // Filha sem dona: a dona foi excluída antes dos seus textos longos.
                const QString orfa = m_banco->Valor(
                    u"INSERT INTO %1 (%2) VALUES (999999) RETURNING Id"_s.arg(t, c.coluna));
                QCOMPARE(mudadas(u"DELETE FROM %1 WHERE Id=%2"_s.arg(t, orfa)), 1);
            }
            // Exclui só o seu (o próprio departamento fica: o login depende dele).
            QCOMPARE(mudadas(u"DELETE FROM %1 WHERE Id=%2"_s.arg(t, outro)), 0);
            if (c.coluna != u"Id"_s)
                QCOMPARE(mudadas(u"DELETE FROM %1 WHERE Id=%2"_s.arg(t, seu)), 1);
            QCOMPARE(
                m_banco->Valor(u"SELECT COUNT(*) FROM %1 WHERE Id=%2"_s.arg(t, outro)), u"1"_s);
            m_banco->Desconectar();
        }
        const bool soLeitura = tabela == 41 || tabela == 70 || tabela == 71;
        QCOMPARE(niveisQueGravam, soLeitura ? 0 : 4);
        // A tabela está sob segurança por linha.
        QCOMPARE(m_banco->Valor(
                     u"SELECT relrowsecurity FROM pg_class WHERE relname=lower('%1')"_s.arg(t)),
            u"true"_s);
    }

    // O departamento do login é o Id gravado na criação, não o nome: Biologia renomeada
    // para "Química" por um cliente qualquer com o seu login continua de Biologia (no
    // servidor e no filtro das listas do programa), e o login de Química continua com as
    // suas linhas e sem as de Biologia.
    void renomearNaoTrocaODepartamento()
    {
        const QString bio = idDepartamento(3);
        const QString qui = idDepartamento(6);
        const QString docenteBio = linha(11, bio);
        const QString docenteQui = linha(11, qui);
        ClusterPostgres &c = *m_banco->Cluster();
        // Linhas mudadas (RETURNING Id) por um comando como o login do nível, ou a falha.
        const auto como = [&](int nivel, const QString &sql) {
            bool ok = false;
            QString erro;
            const QString saida = c.PsqlComo(m_banco->Fonte().banco, UsuarioNivel(nivel),
                m_banco->Senha(nivel), sql, &ok, &erro);
            return ok ? saida.trimmed() : u"falha: "_s + erro;
        };
        QCOMPARE(
            como(3, u"UPDATE Departamentos SET Nome='Química' WHERE Id=%1 RETURNING Id"_s.arg(bio)),
            bio);
        const auto alterar = [](const QString &id) {
            return u"UPDATE Docentes SET Nome=Nome WHERE Id=%1 RETURNING Id"_s.arg(id);
        };
        QCOMPARE(como(6, alterar(docenteBio)), QString());
        QCOMPARE(como(6, alterar(docenteQui)), docenteQui);
        QCOMPARE(como(3, alterar(docenteBio)), docenteBio);
        QCOMPARE(como(3, alterar(docenteQui)), QString());
        for (const auto &[nivel, id] : { qMakePair(3, bio), qMakePair(6, qui) }) {
            QCOMPARE(m_banco->Conectar(nivel), QString());
            FiltroTabelas.clear();
            QVERIFY(Conexao::DefinirFiltroDasTabelas());
            QCOMPARE(FiltroTabelas, id);
            m_banco->Desconectar();
        }
        FiltroTabelas.clear();
        QVERIFY(m_banco->Executar(u"UPDATE Departamentos SET Nome='Biologia' WHERE Id="_s + bio));
    }

    // A função do departamento do login não procura primeiro em pg_temp: mesmo com o
    // direito de criar tabelas temporárias (que os logins não têm), tabelas temporárias
    // com os nomes das dela não dão ao login de Biologia as linhas de Física.
    void departamentoDoLoginIgnoraTabelasTemporarias()
    {
        const QString bio = idDepartamento(3);
        const QString fis = idDepartamento(4);
        const QString docenteFis = linha(11, fis);
        const QString banco = m_banco->Fonte().banco;
        QVERIFY2(m_banco->Executar(u"GRANT TEMP ON DATABASE %1 TO tarvisco_deptobio"_s.arg(banco)),
            qPrintable(m_banco->UltimoErro()));
        bool ok = false;
        QString erro;
        const QString saida = m_banco->Cluster()->PsqlComo(banco, UsuarioNivel(3),
            m_banco->Senha(3),
            u"CREATE TEMP TABLE Departamentos (Id integer, Nome text);"
            "CREATE TEMP TABLE LoginsDepartamentos (Login text, Departamento integer);"
            "INSERT INTO Departamentos VALUES (%1, 'Biologia');"
            "INSERT INTO LoginsDepartamentos VALUES ('tarvisco_deptobio', %1);"
            "SELECT public.departamento_do_login();"
            "UPDATE public.Docentes SET Nome=Nome WHERE Id=%2 RETURNING Id;"_s.arg(fis, docenteFis),
            &ok, &erro);
        QVERIFY(
            m_banco->Executar(u"REVOKE TEMP ON DATABASE %1 FROM tarvisco_deptobio"_s.arg(banco)));
        QVERIFY2(ok, qPrintable(erro));
        QCOMPARE(saida.trimmed(), bio);
        QCOMPARE(m_banco->Valor(u"SELECT array_to_string(proconfig, ',') FROM pg_proc "
                                "WHERE proname = 'departamento_do_login'"_s),
            u"search_path=public, pg_temp"_s);
    }

    // A leitura é a mesma para todos: um nível de departamento lista tudo que lia antes.
    void segurancaPorLinhaSoNasConfinadas()
    {
        QStringList esperadas;
        for (const CatalogoJanelas::Confinamento &c : CatalogoJanelas::Confinamentos())
            esperadas << NomeTabela(c.tabela).toLower();
        esperadas << u"historico"_s; // cada login lê o histórico das tabelas que lê
        esperadas.sort();
        QCOMPARE(m_banco->Valor(u"SELECT string_agg(relname, ',' ORDER BY relname) FROM pg_class "
                                "WHERE relrowsecurity"_s),
            esperadas.join(u','));
    }

    // O comando de criação confere a entrada inteira antes de mudar qualquer coisa:
    // opção ou entrada inválida sai com 2, falha do servidor com 1.
    void comandoDeCriacaoRecusa_data()
    {
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<int>("saida");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("segredo"); // o que a mensagem não pode repetir
        QString todas;
        for (int nivel = 1; nivel <= NumeroNiveis; ++nivel)
            todas += UsuarioNivel(nivel) + u"=x"_s + QString::number(nivel) + u'\n';
        const auto banco = [](const QString &nome) { return QStringList { u"--banco"_s, nome }; };
        QTest::newRow("banco existente")
            << banco(u"tarvisco"_s) << todas << 1 << u"já existe"_s << QString();
        QTest::newRow("senha faltando")
            << banco(u"outro"_s) << u"tarvisco_adm=x\n"_s << 2 << u"Faltam senhas"_s << QString();
        QTest::newRow("linha sem igual")
            << banco(u"outro"_s) << u"tarvisco_adm\n"_s << 2 << u"login=senha"_s << QString();
        QTest::newRow("senha vazia")
            << banco(u"outro"_s) << QString(todas).replace(u"tarvisco_dig=x2"_s, u"tarvisco_dig="_s)
            << 2 << u"Senha vazia para: tarvisco_dig"_s << QString();
        QTest::newRow("senha com NUL")
            << banco(u"outro"_s)
            << QString(todas).replace(u"tarvisco_seac=x7"_s, u"tarvisco_seac=a"_s + QChar(0) + u'b')
            << 2 << u"NUL para: tarvisco_seac"_s << QString();
        QTest::newRow("login desconhecido") << banco(u"outro"_s) << todas + u"tarvisco_root=x\n"_s
                                            << 2 << u"desconhecido"_s << u"tarvisco_root"_s;
        // Uma senha digitada no lugar do login (com um "=" dentro) não volta na mensagem.
        QTest::newRow("senha no lugar do login")
            << banco(u"outro"_s) << u"S3nh@-d0-adm=r3st0\n"_s + todas << 2
            << u"A linha 1 da entrada padrão tem um login desconhecido"_s << u"S3nh@"_s;
        QTest::newRow("login repetido") << banco(u"outro"_s) << todas + u"tarvisco_adm=y\n"_s << 2
                                        << u"repetida"_s << QString();
        QTest::newRow("nome com comando") << banco(u"x; DROP DATABASE postgres"_s) << todas << 2
                                          << u"Nome de banco inválido"_s << QString();
        QTest::newRow("palavra reservada select")
            << banco(u"select"_s) << todas << 2 << u"Nome de banco inválido"_s << QString();
        QTest::newRow("palavra reservada user")
            << banco(u"user"_s) << todas << 2 << u"Nome de banco inválido"_s << QString();
        QTest::newRow("nome de 64 letras")
            << banco(QString(64, u'a')) << todas << 2 << u"Nome de banco inválido"_s << QString();
        QTest::newRow("opção desconhecida")
            << QStringList { u"--banko"_s, u"outro"_s } << todas << 2 << u"banko"_s << QString();
        QTest::newRow("porta inválida") << QStringList { u"--porta"_s, u"0"_s } << todas << 2
                                        << u"Porta inválida"_s << QString();
        QTest::newRow("sslmode inválido")
            << QStringList { u"--banco"_s, u"outro"_s, u"--sslmode"_s, u"verify_full"_s } << todas
            << 2 << u"sslmode inválido: verify_full"_s << QString();
    }
    void comandoDeCriacaoRecusa()
    {
        QFETCH(QStringList, opcoes);
        QFETCH(QString, entrada);
        QFETCH(int, saida);
        QFETCH(QString, mensagem);
        QFETCH(QString, segredo);
        const QString antes = m_banco->Valor(u"SELECT string_agg(datname, ',' ORDER BY datname) "
                                             "FROM pg_database"_s);
        const ExecucaoCriarBanco e
            = CriarBanco(QStringList { u"--host"_s, m_banco->Fonte().host, u"--porta"_s,
                             QString::number(m_banco->Fonte().porta) }
                    + opcoes,
                {}, entrada);
        QCOMPARE(e.saida, saida);
        QVERIFY2(e.texto.contains(mensagem), qPrintable(e.texto));
        if (!segredo.isEmpty())
            QVERIFY2(!e.texto.contains(segredo), qPrintable(e.texto));
        QCOMPARE(m_banco->Valor(u"SELECT string_agg(datname, ',' ORDER BY datname) "
                                "FROM pg_database"_s),
            antes);
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

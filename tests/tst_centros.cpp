// Janelas dos centros de pesquisa e dos docentes de um centro nos dois motores, sobre os
// dados de demonstração: a listagem por nível, o registro com a descrição longa, os
// comandos exatos, a sigla "[vazio]", o botão Docentes e a janela filha (só as linhas do
// centro, o centro gravado em toda inclusão, o docente escolhido na janela de docentes).
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaCentros.h"

#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

class TesteCentros : public QuadroEditores {
    Q_OBJECT

    TFormTabela *centros() { return Registro::Janela(30); }
    QPushButton *botao() { return centros()->Controle<QPushButton>(u"BitBtnDocentes"_s); }

private slots:
    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        const QStringList todos = { u"1"_s, u"2"_s, u"3"_s, u"4"_s };
        QTest::newRow("Administrador") << 1 << todos;
        QTest::newRow("Digitador") << 2 << todos;
        QTest::newRow("Biologia") << 3 << QStringList { u"1"_s, u"2"_s };
        QTest::newRow("Física") << 4 << QStringList { u"1"_s, u"3"_s };
        QTest::newRow("Química") << 6 << QStringList { u"1"_s };
        QTest::newRow("ATAd") << 12 << todos; // como escolha dos funcionários
    }
    void listagemDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = centros();
        j->show();
        QStringList listados = Editores::IdsListados(j);
        listados.sort();
        QCOMPARE(listados, ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        QVERIFY(r.mostradas.isEmpty());
    }

    void mostraOCentro()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = centros();
        QVERIFY(qobject_cast<TFormTabelaCentros *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Centros de Pesquisa"_s);
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"3"_s);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"CEOF"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Física e Matemática"_s);
        QCOMPARE(Edit(j, u"EditDocente_Nome"_s)->text(), u"Gervásio Tabatinga Nóbrega"_s);
        QCOMPARE(Edit(j, u"EditDocenteFuncao"_s)->text(), u"Coordenador"_s);
        QCOMPARE(Edit(j, u"EditFuncionario_Nome"_s)->text(), u"Hermógenes Tefé Barros"_s);
        QCOMPARE(j->Controle<QPlainTextEdit>(u"MemoDescricao"_s)->toPlainText(),
            u"Óptica quântica, fibras e instrumentação."_s);
        QCOMPARE(Linhas(),
            QStringList({ u"Departamentos, consultado"_s, u"Docentes, consultado"_s,
                u"Centros de Pesquisa, Descrição, consultado"_s, u"Funcionários, consultado"_s }));
        QCOMPARE(j->NomePorId(u"3"_s), u"Centro de Estudos em Óptica e Fótons"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void incluirEModificar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaCentros>(30);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditSigla"_s, u"LAB"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Campo Nome não pode estar em branco. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"LAB"_s);
        r.Limpar();
        const QString nome = u"Laboratório d'Águas \"Profundas\" \\ Norte"_s;
        Digitar(j, u"EditNome"_s, nome);
        Editores::Escolher(j, u"EditDepartamento_Nome"_s, 10, u"5"_s);
        Editores::Escolher(j, u"EditFuncionario_Nome"_s, 27, u"14"_s);
        j->Controle<QPlainTextEdit>(u"MemoDescricao"_s)->setPlainText(u"Linha 1\nLinha 2"_s);
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Centros(\r\nNome\r\n,Sigla\r\n,Departamento\r\n"
                          ",DocenteFuncao\r\n,Endereco\r\n,Cep\r\n,Telefone\r\n,Email\r\n,Link\r\n"
                          ",Funcionario\r\n,FuncionarioFuncao\r\n) VALUES (\r\n"
                          "'Laboratório d''Águas \"Profundas\" \\ Norte'\r\n,'LAB'\r\n,5\r\n,''"
                          "\r\n,''\r\n,''\r\n,''\r\n,''\r\n,''\r\n,14\r\n,''\r\n)"_s });
        QCOMPARE(Linhas().mid(0, 4),
            QStringList({ u"Centros de Pesquisa, incluindo..."_s,
                u"Centros de Pesquisa, incluído"_s, u"Centros de Pesquisa, consultado"_s,
                u"Centros de Pesquisa, Descrição, incluindo..."_s }));
        const QString id = valor(u"SELECT Id FROM Centros WHERE Sigla='LAB'"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Centros WHERE Id="_s + id), nome);
        QCOMPARE(valor(u"SELECT Texto FROM CentrosDescricao WHERE Centro="_s + id),
            u"Linha 1\r\nLinha 2"_s);

        j->comandos.clear();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditTelefone"_s, u"ramal 77"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Centros SET \r\nNome='Centro de Limnologia do Vale'\r\n"
                          ",Sigla='CLV'\r\n,Departamento=2\r\n,Docente=2\r\n"
                          ",DocenteFuncao='Coordenadora'\r\n,Endereco='Bloco F, sala 20'\r\n"
                          ",Cep='99990-010'\r\n,Telefone='ramal 77'\r\n"
                          ",Email='clv@qorvel.example.org'\r\n"
                          ",Link='https://www.qorvel.example.org/clv/'\r\n,Funcionario=14\r\n"
                          ",FuncionarioFuncao='Técnica de laboratório'\r\nWHERE Id=2"_s });
        Editores::DesinstalarEspia<TFormTabelaCentros>(30);
    }

    // Basta a sigla ser "[vazio]": só os níveis 1 e 2 modificam, ninguém apaga.
    void siglaReservada()
    {
        BANCO_DEMONSTRACAO(b, 3);
        b.Executar(u"UPDATE Centros SET Sigla='[vazio]' WHERE Id=2"_s);
        Roteiro r;
        TFormTabela *j = centros();
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"Você não possui permissão para modificar essa ficha. "
                          "Operação interrompida."_s,
                u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s }));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Centros WHERE Id=2"_s), u"1"_s);
    }

    void botaoDocentes()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = centros();
        j->show();
        j->BitBtnIncluir->click();
        botao()->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível editar docentes do centro durante os modos "
                          "Incluir/Modificar/Excluir/Consultar."_s });
        j->BitBtnCancelar->click();
        b.Executar(u"DELETE FROM Centros"_s);
        j->ConsultarTabela();
        j->MostrarRegistro();
        r.Limpar();
        botao()->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Escolha um centro para editar os docentes relacionados."_s });
    }

    // A filha para o centro 2: só as linhas dele, o centro fixo, o docente escolhido na
    // janela de docentes (a de um nível de departamento lista só os seus), os comandos.
    void docentesDoCentro()
    {
        BANCO_DEMONSTRACAO(b, 3);
        b.Executar(u"INSERT INTO CentrosDocentes (Id, Centro, Docente) VALUES (90, 3, 2)"_s);
        auto *filha = Editores::InstalarEspia<TFormTabelaCentrosDocentes>(31);
        Roteiro r;
        TFormTabela *j = centros();
        j->show();
        CLICAR_ID(j, u"2"_s);
        bool aberta = false;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, filha);
            aberta = true;
            QCOMPARE(filha->IdCentro, u"2"_s);
            QCOMPARE(filha->NomeCentro, u"Centro de Limnologia do Vale"_s);
            QCOMPARE(filha->windowTitle(), u"Tabela Centros de Pesquisa, Docentes"_s);
            QStringList ids = Editores::IdsListados(filha);
            ids.sort();
            QCOMPARE(ids, QStringList({ u"1"_s, u"2"_s, u"3"_s, u"4"_s }));
            QCOMPARE(Edit(filha, u"EditCentro_Nome"_s)->text(), u"Centro de Limnologia do Vale"_s);
            // O centro não se escolhe.
            QTest::mouseDClick(Edit(filha, u"EditCentro_Nome"_s), Qt::LeftButton);
            filha->BitBtnIncluir->click();
            QCOMPARE(Edit(filha, u"EditCentro"_s)->text(), u"2"_s);
            QCOMPARE(Edit(filha, u"EditDocente"_s)->text(), QString());
            filha->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { u"O campo Docente deve estar preenchido. Operação interrompida."_s });
            QCOMPARE(filha->Modo, ModoTabela::Incluindo);
            r.Limpar();
            QStringList naEscolha;
            TFormTabela *docentes = Registro::Janela(11);
            AoAbrirModalQue([docentes](QWidget *e) { return e == docentes; },
                [&](QWidget *) {
                    naEscolha = Editores::IdsListados(docentes);
                    CLICAR_ID(docentes, u"4"_s);
                    docentes->BitBtnEscolher->click();
                });
            QTest::mouseDClick(Edit(filha, u"EditDocente_Nome"_s), Qt::LeftButton);
            // Nível de Biologia: só os docentes de Biologia (e a linha "[vazio]").
            naEscolha.sort();
            QCOMPARE(naEscolha, QStringList({ u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s }));
            QCOMPARE(Edit(filha, u"EditDocente_Nome"_s)->text(), u"Celestina Varjão Maripá"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->GroupBox2->title(), u" Listagem (5) "_s);
            CLICAR_ID(filha, u"1"_s);
            filha->BitBtnModificar->click();
            Editores::Escolher(filha, u"EditDocente_Nome"_s, 11, u"5"_s);
            filha->BitBtnAceitar->click();
            filha->BitBtnFechar->click();
        });
        botao()->click();
        QVERIFY(aberta);
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        // O docente 4 já era do centro: a mesma ligação pode ficar duas vezes.
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM CentrosDocentes WHERE Centro=2 AND Docente=4"_s), u"2"_s);
        QCOMPARE(filha->comandos,
            QStringList({ u"INSERT INTO CentrosDocentes (\r\nCentro\r\n,Docente\r\n) VALUES ("
                          "\r\n2\r\n,4\r\n)"_s,
                u"UPDATE CentrosDocentes SET \r\nCentro=2\r\n,Docente=5\r\n WHERE Id=1"_s }));
        QCOMPARE(valor(u"SELECT Docente FROM CentrosDocentes WHERE Id=1"_s), u"5"_s);
        Editores::DesinstalarEspia<TFormTabelaCentrosDocentes>(31);
    }

    // Apagar um centro leva a descrição, não os docentes dele.
    void excluirCentro()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = centros();
        j->show();
        CLICAR_ID(j, u"3"_s);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Centros WHERE Id=3"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM CentrosDescricao WHERE Centro=3"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM CentrosDocentes WHERE Centro=3"_s), u"3"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (3) "_s);
    }
};

QTEST_MAIN(TesteCentros)
#include "tst_centros.moc"

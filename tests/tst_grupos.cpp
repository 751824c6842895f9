// Atividades de extensão, grupos de pesquisa e agremiações, com as suas janelas filhas
// (docentes das atividades e dos grupos, estudantes das diretorias), nos dois motores,
// sobre os dados de demonstração: o registro mostrado, os comandos exatos de inclusão e
// alteração, os obrigatórios e o que fica depois de apagar a linha-mãe.
#include "editores_apoio.h"

#include "TabelaAgremiacoes.h"
#include "TabelaEstudantes.h"
#include "TabelaExtensoes.h"
#include "TabelaGruposPesquisa.h"

#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

class TesteGrupos : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QPlainTextEdit *memo(TFormTabela *j) { return j->Controle<QPlainTextEdit>(u"MemoDescricao"_s); }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup() { Editores::Encerrar(m_banco, { 10, 11, 14, 19, 20, 40, 50, 51, 68 }); }

    // ---- Extensões ---------------------------------------------------------------

    void extensoes()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaExtensoes>(19);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Extensões"_s);
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(Edit(j, u"EditTitulo"_s)->text(), u"Ciência no Parque"_s);
        QCOMPARE(Edit(j, u"EditResponsavel_Nome"_s)->text(), u"Baltazar Ourém Tacaruna"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Biologia"_s);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeDescricao"_s)->text(), u"1%"_s);
        QCOMPARE(j->Controle<QPushButton>(u"BitBtnDocente"_s)->text(), u"&Docentes da Extensão"_s);
        // Sem responsável nem departamento: as duas colunas ficam fora. Título vazio
        // também é gravado.
        j->BitBtnIncluir->click();
        memo(j)->setPlainText(u"Sem título"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Extensoes (\r\nTitulo\r\n,Descricao\r\n,Link\r\n"
                          ") VALUES (\r\n''\r\n,'Sem título'\r\n,''\r\n)"_s });
        // Alterar escreve de novo responsável e departamento.
        j->comandos.clear();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        Editores::Escolher(j, u"EditResponsavel_Nome"_s, 11, u"9"_s);
        Digitar(j, u"EditLink"_s, QString());
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Extensoes SET\r\nTitulo='Olimpíada Regional de Matemática'"
                          "\r\n,Responsavel=9\r\n,Departamento=3\r\n,Descricao='Preparação e "
                          "aplicação das provas para alunos do ensino médio da região.'\r\n"
                          ",Link=''\r\nWHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT Responsavel FROM Extensoes WHERE Id=3"_s), u"9"_s);
        // Apagar a atividade deixa os seus docentes.
        CLICAR_ID(j, u"5"_s);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Extensoes WHERE Id=5"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM ExtensoesDocentes WHERE Extensao=5"_s), u"1"_s);
        // A atividade sem título não abre os docentes.
        const QString semTitulo = valor(u"SELECT Id FROM Extensoes WHERE Titulo=''"_s);
        CLICAR_ID(j, semTitulo);
        r.Limpar();
        j->Controle<QPushButton>(u"BitBtnDocente"_s)->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Escolha uma extensão para editar os docentes relacionados."_s });
        Editores::DesinstalarEspia<TFormTabelaExtensoes>(19);
    }

    void docentesDaExtensao()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *filha = Editores::InstalarEspia<TFormTabelaExtensoesDocentes>(20);
        Roteiro r;
        TFormTabela *j = Registro::Janela(19);
        j->show();
        Editores::NaFilha(j, u"2"_s, u"BitBtnDocente"_s, [&](TFormTabela *f) {
            QCOMPARE(f, filha);
            QCOMPARE(filha->IdExtensao, u"2"_s);
            QCOMPARE(filha->NomeExtensao, u"Ciência no Parque"_s);
            QVERIFY(!filha->BitBtnEscolher->isVisibleTo(filha));
            QCOMPARE(Edit(filha, u"EditDocente_Nome"_s)->text(), u"Baltazar Ourém Tacaruna"_s);
            // Sem docente: a recusa, e continua incluindo.
            filha->BitBtnIncluir->click();
            filha->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { u"Os campos devem estar preenchidos. Operação interrompida."_s });
            QCOMPARE(filha->Modo, ModoTabela::Incluindo);
            // O mesmo docente duas vezes é aceito.
            Editores::Escolher(filha, u"EditDocente_Nome"_s, 11, u"3"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"INSERT INTO ExtensoesDocentes (\r\nDocente\r\n,Extensao\r\n"
                              ") VALUES (\r\n3\r\n,2\r\n)"_s });
            filha->comandos.clear();
            CLICAR_ID(filha, u"2"_s);
            filha->BitBtnModificar->click();
            Editores::Escolher(filha, u"EditDocente_Nome"_s, 11, u"6"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"UPDATE ExtensoesDocentes SET \r\nDocente=6\r\n,Extensao=2\r\n"
                              " WHERE Id=2"_s });
        });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM ExtensoesDocentes WHERE Extensao=2 AND Docente=3"_s),
            u"2"_s);
        Editores::DesinstalarEspia<TFormTabelaExtensoesDocentes>(20);
    }

    // ---- Grupos de pesquisa ------------------------------------------------------

    void grupos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaGruposPesquisa>(50);
        Roteiro r;
        j->show();
        // Por sigla e nome: GOQ, LEAD, NDH, SINTNAT e "[vazio]".
        QCOMPARE(Editores::IdsListados(j), QStringList({ u"3"_s, u"2"_s, u"4"_s, u"5"_s, u"1"_s }));
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"GOQ"_s);
        QCOMPARE(Edit(j, u"EditDocente_Nome"_s)->text(), u"Gervásio Tabatinga Nóbrega"_s);
        j->BitBtnIncluir->click();
        Digitar(j, u"EditSigla"_s, u"GEO"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Nome deve estar preenchido. Operação interrompida."_s });
        r.Limpar();
        Digitar(j, u"EditNome"_s, u"Geologia do Vale"_s);
        Digitar(j, u"EditCep"_s, u"99990-9"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO GruposPesquisa(\r\nNome\r\n,Sigla\r\n,Descricao\r\n"
                          ",Endereco\r\n,Cep\r\n,Link\r\n) VALUES (\r\n'Geologia do Vale'\r\n"
                          ",'GEO'\r\n,''\r\n,''\r\n,'99990-9'\r\n,''\r\n)"_s });
        j->comandos.clear();
        CLICAR_ID(j, u"4"_s);
        j->BitBtnModificar->click();
        memo(j)->setPlainText(u"Linguagem\ne cognição"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE GruposPesquisa SET \r\nNome='Núcleo de Desenvolvimento "
                          "Humano'\r\n,Sigla='NDH'\r\n,Departamento=4\r\n,Docente=11\r\n"
                          ",Descricao='Linguagem\r\ne cognição'\r\n,Endereco='Bloco C'\r\n"
                          ",Cep='99990-4'\r\n,Link='https://www.qorvel.example.org/grupos/ndh'"
                          "\r\n WHERE Id=4"_s });
        Editores::DesinstalarEspia<TFormTabelaGruposPesquisa>(50);
    }

    void docentesDoGrupo()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *filha = Editores::InstalarEspia<TFormTabelaGruposPesquisaDocentes>(51);
        Roteiro r;
        TFormTabela *j = Registro::Janela(50);
        j->show();
        Editores::NaFilha(j, u"3"_s, u"BitBtnDocentes"_s, [&](TFormTabela *f) {
            QCOMPARE(f, filha);
            QCOMPARE(filha->SiglaGrupo, u"GOQ"_s);
            QCOMPARE(Edit(filha, u"EditSigla"_s)->text(), u"GOQ"_s);
            QCOMPARE(Edit(filha, u"EditGrupo_Nome"_s)->text(), u"Grupo de Óptica Quântica"_s);
            QCOMPARE(Edit(filha, u"EditGrupo_Nome"_s)->accessibleName(), u"Grupo de Pesquisa"_s);
            // Incluindo, a sigla e o nome do grupo continuam lado a lado.
            filha->BitBtnIncluir->click();
            QCOMPARE(Edit(filha, u"EditSigla"_s)->text(), u"GOQ"_s);
            QCOMPARE(Edit(filha, u"EditGrupo_Nome"_s)->text(), u"Grupo de Óptica Quântica"_s);
            QVERIFY(Edit(filha, u"EditSigla"_s)->isReadOnly());
            filha->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { u"O campo Docente deve estar preenchido. Operação interrompida."_s });
            Editores::Escolher(filha, u"EditDocente_Nome"_s, 11, u"20"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"INSERT INTO GruposPesquisaDocentes (\r\nGrupo\r\n,Docente\r\n"
                              ") VALUES (\r\n3\r\n,20\r\n)"_s });
            filha->comandos.clear();
            CLICAR_ID(filha, u"5"_s);
            filha->BitBtnModificar->click();
            Editores::Escolher(filha, u"EditDocente_Nome"_s, 11, u"10"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"UPDATE GruposPesquisaDocentes SET \r\nGrupo=3\r\n,Docente=10\r\n"
                              " WHERE Id=5"_s });
        });
        // O grupo sem nome abre os docentes (só o Id é conferido).
        b.Executar(u"UPDATE GruposPesquisa SET Nome='' WHERE Id=2"_s);
        j->ConsultarTabela();
        Editores::NaFilha(j, u"2"_s, u"BitBtnDocentes"_s, [&](TFormTabela *) {
            QCOMPARE(Editores::IdsListados(filha), QStringList({ u"1"_s, u"2"_s, u"3"_s }));
            QCOMPARE(Edit(filha, u"EditSigla"_s)->text(), u"LEAD"_s);
        });
        QCOMPARE(r.Textos().size(), 1);
        Editores::DesinstalarEspia<TFormTabelaGruposPesquisaDocentes>(51);
    }

    // ---- Agremiações e estudantes ------------------------------------------------

    // O representante e o cargo não se veem, mas vão e voltam com a linha.
    void agremiacaoEscondidosIdaEVolta()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaAgremiacoes>(40);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Agremiações"_s);
        for (const QString &c : { u"EditRepresentante"_s, u"EditCargo"_s }) {
            QVERIFY(!Edit(j, c)->isVisibleTo(j));
            QVERIFY(!j->findChild<QLabel *>(u"Label"_s + c)->isVisibleTo(j));
        }
        CLICAR_ID(j, u"3"_s);
        QCOMPARE(Edit(j, u"EditRepresentante"_s)->text(), u"Joaquim Tapajós Meireles"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditTelefone"_s, u"(99) 3555-1491"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Agremiacoes SET \r\nNome='Centro Acadêmico de Psicologia'\r\n"
                          ",Sigla='CAPSI'\r\n,Departamento=4\r\n"
                          ",Representante='Joaquim Tapajós Meireles'\r\n"
                          ",Cargo='Coordenador-geral'\r\n"
                          ",Descricao='Gestão \"Escuta Ativa\", eleita para o biênio.'\r\n"
                          ",Endereco='Bloco C, sala 2'\r\n,Cep='99990-4'\r\n"
                          ",Telefone='(99) 3555-1491'\r\n,Email='capsi@qorvel.example.org'\r\n"
                          ",Link=''\r\n WHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT Cargo FROM Agremiacoes WHERE Id=3"_s), u"Coordenador-geral"_s);
        // Uma agremiação nova tem representante e cargo vazios.
        j->comandos.clear();
        j->BitBtnIncluir->click();
        QCOMPARE(Edit(j, u"EditRepresentante"_s)->text(), QString());
        Digitar(j, u"EditNome"_s, u"Atlética da Faculdade"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Agremiacoes(\r\nNome\r\n,Sigla\r\n,Representante\r\n"
                          ",Cargo\r\n,Descricao\r\n,Endereco\r\n,Cep\r\n,Telefone\r\n,Email\r\n"
                          ",Link\r\n) VALUES (\r\n'Atlética da Faculdade'\r\n,''\r\n,''\r\n"
                          ",''\r\n,''\r\n,''\r\n,''\r\n,''\r\n,''\r\n,''\r\n)"_s });
        Editores::DesinstalarEspia<TFormTabelaAgremiacoes>(40);
    }

    void estudantesDaDiretoria()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *filha = Editores::InstalarEspia<TFormTabelaEstudantes>(68);
        b.Executar(u"INSERT INTO Agremiacoes (Id, Sigla, Nome) VALUES (4, 'AAA', "
                   "'Associação Atlética')"_s);
        Roteiro r;
        TFormTabela *j = Registro::Janela(40);
        j->show();
        // Sem estudantes: a tabela vazia e os campos da agremiação vazios; Incluir os põe.
        Editores::NaFilha(j, u"4"_s, u"BitBtnDisciplinasEstudantes"_s, [&](TFormTabela *f) {
            QCOMPARE(f, filha);
            QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
            QCOMPARE(Edit(filha, u"EditAgremiacao_Nome"_s)->text(), QString());
            QCOMPARE(Edit(filha, u"EditAgremiacao_Nome"_s)->focusPolicy(), Qt::NoFocus);
            filha->BitBtnIncluir->click();
            QCOMPARE(Edit(filha, u"EditAgremiacao"_s)->text(), u"4"_s);
            QCOMPARE(Edit(filha, u"EditAgremiacao_Nome"_s)->text(), u"Associação Atlética"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(
                r.Textos().last(), u"O campo Nome deve estar preenchido. Operação interrompida."_s);
            Digitar(filha, u"EditNome"_s, u"Caio Tupã"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"INSERT INTO Estudantes(\r\nAgremiacao\r\n,Nome\r\n,Funcao\r\n"
                              ",Email\r\n) VALUES (\r\n4\r\n,'Caio Tupã'\r\n,''\r\n,''\r\n)"_s });
        });
        filha->comandos.clear();
        Editores::NaFilha(j, u"3"_s, u"BitBtnDisciplinasEstudantes"_s, [&](TFormTabela *) {
            QCOMPARE(Editores::IdsListados(filha), QStringList({ u"4"_s, u"5"_s }));
            CLICAR_ID(filha, u"5"_s);
            QCOMPARE(
                Edit(filha, u"EditAgremiacao_Nome"_s)->text(), u"Centro Acadêmico de Psicologia"_s);
            filha->BitBtnModificar->click();
            Editores::Escolher(filha, u"EditGraduacao_Nome"_s, 14, u"1"_s);
            Digitar(filha, u"EditFuncao"_s, u"1ª secretária"_s);
            filha->BitBtnAceitar->click();
            QCOMPARE(filha->comandos,
                QStringList { u"UPDATE Estudantes SET \r\nAgremiacao=3\r\n"
                              ",Nome='Naiara Tocantins Bezerra'\r\n,Graduacao=1\r\n"
                              ",Funcao='1ª secretária'\r\n"
                              ",Email='naiara.aluno@qorvel.example.org'\r\nWHERE Id=5"_s });
        });
        // Apagar a agremiação deixa os estudantes.
        CLICAR_ID(j, u"3"_s);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Agremiacoes WHERE Id=3"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Estudantes WHERE Agremiacao=3"_s), u"2"_s);
        Editores::DesinstalarEspia<TFormTabelaEstudantes>(68);
    }
};

QTEST_MAIN(TesteGrupos)
#include "tst_grupos.moc"

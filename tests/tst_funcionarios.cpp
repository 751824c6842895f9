// Janelas de funcionários e de assistências nos dois motores, sobre os dados de
// demonstração: o registro com as suas pesquisas, a lotação única (a unidade escolhida
// anula as outras três com o Id 1), os comandos exatos, os campos obrigatórios, a
// contagem das assistências e os textos gravados como digitados.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaAssistencias.h"
#include "TabelaFuncionarios.h"

#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList Lotacoes
    = { u"EditSecao"_s, u"EditCentro"_s, u"EditAssistencia"_s, u"EditDepartamento"_s };
} // namespace

class TesteFuncionarios : public QuadroEditores {
    Q_OBJECT

    TFormTabela *funcionarios() { return Registro::Janela(27); }
    TFormTabela *assistencias() { return Registro::Janela(73); }
    // Id e nome das quatro unidades, "Id:nome" na ordem da tela.
    static QStringList lotacao(TFormTabela *j)
    {
        QStringList l;
        for (const QString &c : Lotacoes)
            l << Edit(j, c)->text() + u':' + Edit(j, c + u"_Nome"_s)->text();
        return l;
    }

private slots:
    void mostraOFuncionario()
    {
        BANCO_DEMONSTRACAO(b, 8);
        Roteiro r;
        TFormTabela *j = funcionarios();
        QVERIFY(qobject_cast<TFormTabelaFuncionarios *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Funcionários"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (19) "_s);
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"15"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Hermógenes Tefé Barros"_s);
        QCOMPARE(Edit(j, u"EditCodKVA"_s)->text(), u"9000015"_s);
        QCOMPARE(Edit(j, u"EditFuncao"_s)->text(), u"Técnico de Óptica"_s);
        QCOMPARE(Edit(j, u"EditTelefone"_s)->text(), u"3555-0215"_s);
        QCOMPARE(lotacao(j),
            QStringList({ u"1:[vazio]"_s, u"3:Centro de Estudos em Óptica e Fótons"_s,
                u"1:[vazio]"_s, u"1:[vazio]"_s }));
        QCOMPARE(Linhas(),
            QStringList({ u"Seções, consultado"_s, u"Centros de Pesquisa, consultado"_s,
                u"Assistências, consultado"_s, u"Departamentos, consultado"_s }));
        QCOMPARE(j->NomePorId(u"15"_s), u"Hermógenes Tefé Barros"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    // Cada unidade escolhida na sua janela: a mensagem, as outras três com "1" e
    // "[vazio]", e o UPDATE com o 1 literal.
    void lotacaoUnica_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<int>("escolha");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("linhas");
        QTest::newRow("Seção") << 0 << 21 << u"7"_s
                               << u"Você acabou de indicar que esse funcionário participa de uma "
                                  "seção. Portanto, os demais relacionamentos serão anulados."_s
                               << u",Secao=7\r\n,Centro=1\r\n,Assistencia=1\r\n,Departamento=1"_s;
        QTest::newRow("Centro Pesq")
            << 1 << 30 << u"2"_s
            << u"Você acabou de indicar que esse funcionário participa de um centro de "
               "pesquisa. Portanto, os demais relacionamentos serão anulados."_s
            << u",Secao=1\r\n,Centro=2\r\n,Assistencia=1\r\n,Departamento=1"_s;
        QTest::newRow("Assistência")
            << 2 << 73 << u"4"_s
            << u"Você acabou de indicar que esse funcionário participa de uma assistência. "
               "Portanto, os demais relacionamentos serão anulados."_s
            << u",Secao=1\r\n,Centro=1\r\n,Assistencia=4\r\n,Departamento=1"_s;
        QTest::newRow("Depto") << 3 << 10 << u"6"_s
                               << u"Você acabou de indicar que esse funcionário pertence a um "
                                  "departamento. Portanto, os demais relacionamentos serão "
                                  "anulados."_s
                               << u",Secao=1\r\n,Centro=1\r\n,Assistencia=1\r\n,Departamento=6"_s;
    }
    void lotacaoUnica()
    {
        QFETCH(int, campo);
        QFETCH(int, escolha);
        QFETCH(QString, id);
        QFETCH(QString, mensagem);
        QFETCH(QString, linhas);
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaFuncionarios>(27);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"4"_s); // na Seção de Informática
        // Consultando, o duplo clique não faz nada.
        QTest::mouseDClick(Edit(j, Lotacoes.at(campo) + u"_Nome"_s), Qt::LeftButton);
        QVERIFY(!Registro::Janela(escolha)->isVisible());
        j->BitBtnModificar->click();
        // Fechar a escolha não muda nada.
        AoAbrirModal([](QWidget *w) { Clicar(w, u"BitBtnFechar"_s); });
        QTest::mouseDClick(Edit(j, Lotacoes.at(campo) + u"_Nome"_s), Qt::LeftButton);
        QCOMPARE(lotacao(j).first(), u"3:Seção de Informática"_s);
        QVERIFY(r.mostradas.isEmpty());
        Editores::Escolher(j, Lotacoes.at(campo) + u"_Nome"_s, escolha, id);
        QCOMPARE(r.Textos(), QStringList { mensagem });
        const QStringList l = lotacao(j);
        for (int i = 0; i < Lotacoes.size(); ++i)
            if (i == campo)
                QCOMPARE(l.at(i).section(u':', 0, 0), id);
            else
                QCOMPARE(l.at(i), u"1:[vazio]"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Funcionarios SET \r\nNome='Valdomiro Jacuípe Brandão'\r\n"
                          ",Codpes='9000004'\r\n,Funcao='Analista de Sistemas'\r\n"_s
                + linhas
                + u"\r\n,Email='valdomiro@qorvel.example.org'\r\n,Telefone='3555-0204'\r\n"
                  " WHERE Id=4"_s });
        QCOMPARE(valor(u"SELECT Secao FROM Funcionarios WHERE Id=4"_s), campo ? u"1"_s : id);
        Editores::DesinstalarEspia<TFormTabelaFuncionarios>(27);
    }

    // A linha "[vazio]" escolhida não anula as outras e não diz nada.
    void escolherVazioNaoAnula()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = funcionarios();
        j->show();
        CLICAR_ID(j, u"2"_s); // no departamento de Biologia
        j->BitBtnModificar->click();
        Editores::Escolher(j, u"EditSecao_Nome"_s, 21, u"1"_s);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(lotacao(j),
            QStringList({ u"1:[vazio]"_s, u"1:[vazio]"_s, u"1:[vazio]"_s, u"2:Biologia"_s }));
        j->BitBtnCancelar->click();
    }

    void incluirENomeObrigatorio()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaFuncionarios>(27);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        QCOMPARE(lotacao(j), QStringList(4, u":"_s));
        Digitar(j, u"EditFuncao"_s, u"Vigia"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo NOME precisa estar preenchido. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(Edit(j, u"EditFuncao"_s)->text(), u"Vigia"_s);
        QVERIFY(!Edit(j, u"EditNome"_s)->isReadOnly());
        QVERIFY(j->comandos.isEmpty());
        r.Limpar();
        // Nome com aspas, barra e acentos; sem unidade: as quatro colunas ficam fora.
        const QString nome = u"Nuno d'Ávila \\ \"Zé\""_s;
        Digitar(j, u"EditNome"_s, nome);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Funcionarios (\r\nNome\r\n,Codpes\r\n,Funcao\r\n,Email"
                          "\r\n,Telefone\r\n) VALUES (\r\n'Nuno d''Ávila \\ \"Zé\"'\r\n,''\r\n"
                          ",'Vigia'\r\n,''\r\n,''\r\n)"_s });
        QCOMPARE(valor(u"SELECT Nome FROM Funcionarios WHERE Funcao='Vigia'"_s), nome);
        QCOMPARE(
            valor(u"SELECT COALESCE(Secao, 0) FROM Funcionarios WHERE Funcao='Vigia'"_s), u"0"_s);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (20) "_s);
        Editores::DesinstalarEspia<TFormTabelaFuncionarios>(27);
    }

    void assistenciaContaEMostra()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = assistencias();
        QVERIFY(qobject_cast<TFormTabelaAssistencias *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Assistências"_s);
        QCOMPARE(Linhas().mid(0, 5),
            QStringList({ u"Assistências, conectado"_s, u"Assistências, contando registros..."_s,
                u"Assistências, registros contados, 4 registros"_s,
                u"Assistências, consultando..."_s, u"Assistências, consultado"_s }));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (4) "_s);
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(Edit(j, u"EditAssistente_Nome"_s)->text(), u"Wilma Piracicaba Soares"_s);
        QCOMPARE(Edit(j, u"EditSecretaria1_Nome"_s)->text(), u"Jandira Mucuri Viana"_s);
        QCOMPARE(Edit(j, u"EditSecretaria2_Nome"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditTelefone2"_s)->text(), u"(99) 3555-0101"_s);
        QCOMPARE(j->Controle<QPlainTextEdit>(u"MemoDescricao"_s)->toPlainText(),
            u"Apoio às comissões de graduação e pós-graduação.\nAtende às 2ªs, 4ªs e 6ªs, das 9h "
            "às 16h."_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    // Só a segunda secretária, escolhida na janela de funcionários: as outras colunas de
    // funcionário ficam fora; a descrição cheia cabe.
    void incluirAssistencia()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaAssistencias>(73);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo NOME deve estar preenchido. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        r.Limpar();
        Digitar(j, u"EditNome"_s, u"Assistência de Obras"_s);
        Editores::Escolher(j, u"EditSecretaria2_Nome"_s, 27, u"13"_s);
        QCOMPARE(Edit(j, u"EditSecretaria2_Nome"_s)->text(), u"Fabrício Itaúna Prado"_s);
        auto *memo = j->Controle<QPlainTextEdit>(u"MemoDescricao"_s);
        const QString descricao = u"'aspas'\n"_s + u"é"_s.repeated(3981); // 3990 com o CR LF
        memo->setPlainText(descricao + u"além"_s);
        QCOMPARE(memo->toPlainText(), descricao);
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeDescricao"_s)->text(), u"100%"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        const QString gravada = QString(descricao).replace(u"\n"_s, u"\r\n"_s);
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Assistencias (\r\nNome\r\n,Descricao\r\n,Secretaria2\r\n"
                          ",Email\r\n,Telefone1\r\n,Telefone2\r\n) VALUES (\r\n"
                          "'Assistência de Obras'\r\n,'"_s
                + QString(gravada).replace(u"'"_s, u"''"_s)
                + u"'\r\n,13\r\n,''\r\n,''\r\n,''\r\n)"_s });
        QCOMPARE(valor(u"SELECT Descricao FROM Assistencias WHERE Secretaria2=13"_s), gravada);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (5) "_s);

        // Modificar: as pesquisas gravadas são escritas de novo.
        j->comandos.clear();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditTelefone2"_s, u"ramal 204"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Assistencias SET \r\nNome='Assistência Técnica Administrativa'"
                          "\r\n,Descricao='Compras, patrimônio, transporte e manutenção.'\r\n"
                          ",Assistente=12\r\n,Secretaria1=13\r\n"
                          ",Email='atad@qorvel.example.org'\r\n,Telefone1='(99) 3555-0200'\r\n"
                          ",Telefone2='ramal 204'\r\n WHERE Id=3"_s });
        Editores::DesinstalarEspia<TFormTabelaAssistencias>(73);
    }
};

QTEST_MAIN(TesteFuncionarios)
#include "tst_funcionarios.moc"

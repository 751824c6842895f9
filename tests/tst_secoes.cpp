// Janela de seções nos dois motores, sobre os dados de demonstração: a contagem e a
// listagem, a linha da diretoria e as das seções com as suas caixas (" Diretoria " e
// " Chefia " no mesmo lugar), a caixa trocada pelo nome enquanto se edita (o que está à
// vista é o que se grava), os comandos exatos, os mandatos, as pesquisas nas janelas de
// escolha de verdade e os e-mails e telefones.
#include "QuadroEditores.h"
#include "Rotinas.h"
#include "editores_apoio.h"

#include "TabelaContatos.h"
#include "TabelaSecoes.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

class TesteSecoes : public QuadroEditores {
    Q_OBJECT

    TFormTabela *janela() { return Registro::Janela(21); }
    static QGroupBox *caixa(TFormTabela *j, const QString &nome)
    {
        return j->Controle<QGroupBox>(nome);
    }
    // A caixa à vista: "Chefia", "Diretoria" ou "nenhuma".
    static QString caixaAVista(TFormTabela *j)
    {
        const bool chefia = caixa(j, u"GroupBoxChefia"_s)->isVisibleTo(j);
        const bool diretoria = caixa(j, u"GroupBoxDiretoria"_s)->isVisibleTo(j);
        if (chefia && diretoria)
            return u"as duas"_s;
        return chefia ? u"Chefia"_s : diretoria ? u"Diretoria"_s : u"nenhuma"_s;
    }
    static QDateEdit *data(TFormTabela *j, const QString &nome)
    {
        return j->Controle<QDateEdit>(nome);
    }

private slots:
    void mostraDiretoriaESecoes()
    {
        BANCO_DEMONSTRACAO(b, 3); // sem filtro: um nível de departamento vê todas
        Roteiro r;
        TFormTabela *j = janela();
        QVERIFY(qobject_cast<TFormTabelaSecoes *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Seções"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (7) "_s);
        QCOMPARE(Linhas().mid(0, 3),
            QStringList({ u"Seções, conectado"_s, u"Seções, contando registros..."_s,
                u"Seções, registros contados, 7 registros"_s }));
        QCOMPARE(caixa(j, u"GroupBoxChefia"_s)->title(), u" Chefia "_s);
        QCOMPARE(caixa(j, u"GroupBoxDiretoria"_s)->title(), u" Diretoria "_s);
        QCOMPARE(Editores::IdsListados(j).size(), 7);
        QVERIFY(r.mostradas.isEmpty());

        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(caixaAVista(j), u"Diretoria"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Diretoria"_s);
        QCOMPARE(Edit(j, u"EditDiretor"_s)->text(), u"6"_s);
        QCOMPARE(Edit(j, u"EditDiretor_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
        QCOMPARE(Edit(j, u"EditViceDiretor_Nome"_s)->text(), u"Olímpia Guaraci Teixeira"_s);
        QCOMPARE(data(j, u"DateDiretorInicio"_s)->date(), QDate(2021, 3, 1));
        QCOMPARE(data(j, u"DateViceDiretorTermino"_s)->date(), QDate(2025, 2, 28));
        QCOMPARE(Edit(j, u"EditImagem_Nome"_s)->text(), u"Retrato da Diretoria"_s);
        // A chefia não é lida na diretoria.
        QCOMPARE(Edit(j, u"EditChefeDocente"_s)->text(), QString());
        // Diretor e vice (na ordem do registro), depois a imagem (sem assistência).
        QCOMPARE(Linhas(),
            QStringList({ u"Docentes, consultado"_s, u"Docentes, consultado"_s,
                u"Imagens, consultado"_s }));

        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"3"_s);
        QCOMPARE(caixaAVista(j), u"Chefia"_s);
        QCOMPARE(
            Edit(j, u"EditAssistencia_Nome"_s)->text(), u"Assistência Técnica Administrativa"_s);
        QCOMPARE(Edit(j, u"EditChefeDocente_Nome"_s)->text(), u"Tibúrcio Camboriú Alencar"_s);
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->text(), u"Valdomiro Jacuípe Brandão"_s);
        QCOMPARE(Edit(j, u"EditSuplente_Nome"_s)->text(), u"Xisto Aracaju Pimentel"_s);
        QCOMPARE(Edit(j, u"EditDiretor"_s)->text(), QString());
        QCOMPARE(data(j, u"DateDiretorInicio"_s)->date(), QDate(2000, 1, 1));
        QCOMPARE(j->Controle<QPlainTextEdit>(u"MemoDescricao"_s)->toPlainText(),
            u"Suporte aos computadores e à rede da Faculdade."_s);
        QCOMPARE(Linhas(),
            QStringList({ u"Docentes, consultado"_s, u"Funcionários, consultado"_s,
                u"Funcionários, consultado"_s, u"Assistências, consultado"_s,
                u"Imagens, consultado"_s }));
        // Consultando: só leitura, datas desabilitadas, pesquisas na cor de botão.
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
        QVERIFY(!data(j, u"DateDiretorInicio"_s)->isEnabled());
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        QCOMPARE(j->NomePorId(u"3"_s), u"Seção de Informática"_s);
        QVERIFY(r.mostradas.isEmpty());

        // Tabela vazia: as duas caixas escondidas.
        b.Executar(u"DELETE FROM Secoes"_s);
        j->hide();
        j->show();
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
        QCOMPARE(caixaAVista(j), u"nenhuma"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (0) "_s);
    }

    // A diretoria gravada: diretor, vice e as quatro datas como DataParaSQL, sem a chefia.
    void modificarDiretoria()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaSecoes>(21);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        QCOMPARE(caixaAVista(j), u"Diretoria"_s);
        QVERIFY(data(j, u"DateDiretorInicio"_s)->isEnabled());
        QCOMPARE(Edit(j, u"EditDiretor_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        Digitar(j, u"EditNome"_s, u"DIRETORIA"_s);
        data(j, u"DateDiretorTermino"_s)->setDate(QDate(2029, 2, 28));
        Editores::Escolher(j, u"EditViceDiretor_Nome"_s, 11, u"16"_s);
        QCOMPARE(Edit(j, u"EditViceDiretor_Nome"_s)->text(), u"Policarpo Jaguaribe Ventura"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Secoes SET \r\nNome='Diretoria'\r\n,Diretor=6\r\n"
                          ",DiretorInicio='3/1/2021'\r\n,DiretorTermino='2/28/2029'\r\n"
                          ",ViceDiretor=16\r\n,ViceDiretorInicio='3/1/2021'\r\n"
                          ",ViceDiretorTermino='2/28/2025'\r\n,Descricao='Direção da "
                          "Faculdade.\r\nAtendimento com hora marcada.'\r\n"
                          ",Endereco='Av. dos Ipês Amarelos, 1000'\r\n,Cep='99990-000'\r\n"
                          ",Link='https://www.qorvel.example.org/diretoria/'\r\n,Imagem=5\r\n"
                          " WHERE Id=2"_s });
        QCOMPARE(valor(u"SELECT ViceDiretor FROM Secoes WHERE Id=2"_s), u"16"_s);
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(data(j, u"DateDiretorTermino"_s)->date(), QDate(2029, 2, 28));
        Editores::DesinstalarEspia<TFormTabelaSecoes>(21);
    }

    // A caixa à vista acompanha o nome enquanto se edita, e é ela que se grava.
    void caixaSegueONome_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("comando");
        // Incluindo logo depois de ver a diretoria: o nome vazio é de uma seção.
        QTest::newRow("seção")
            << u"Seção de Patrimônio"_s
            << u"INSERT INTO Secoes (\r\nNome\r\n,Diretor\r\n,Chefe\r\n,Descricao\r\n,Endereco"
               "\r\n,Cep\r\n,Link\r\n) VALUES (\r\n'Seção de Patrimônio'\r\n,20\r\n,13\r\n,''\r\n"
               ",''\r\n,''\r\n,''\r\n)"_s;
        QTest::newRow("diretoria em minúsculas")
            << u"diretoria"_s
            << u"INSERT INTO Secoes (\r\nNome\r\n,Diretor\r\n,DiretorInicio\r\n,DiretorTermino"
               "\r\n,ViceDiretorInicio\r\n,ViceDiretorTermino\r\n,Descricao\r\n,Endereco\r\n"
               ",Cep\r\n,Link\r\n) VALUES (\r\n'Diretoria'\r\n,11\r\n,'1/1/2000'\r\n"
               ",'1/1/2000'\r\n,'1/1/2000'\r\n,'1/1/2000'\r\n,''\r\n,''\r\n,''\r\n,''\r\n)"_s;
    }
    void caixaSegueONome()
    {
        QFETCH(QString, nome);
        QFETCH(QString, comando);
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaSecoes>(21);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnIncluir->click();
        QCOMPARE(caixaAVista(j), u"Chefia"_s);
        // Chefia escolhida com a caixa à vista...
        Editores::Escolher(j, u"EditChefeDocente_Nome"_s, 11, u"20"_s);
        Editores::Escolher(j, u"EditChefe_Nome"_s, 27, u"13"_s);
        // ... e o diretor, com a caixa da diretoria à vista ao digitar o nome dela.
        Digitar(j, u"EditNome"_s, u"Diretoria"_s);
        QCOMPARE(caixaAVista(j), u"Diretoria"_s);
        Editores::Escolher(j, u"EditDiretor_Nome"_s, 11, u"11"_s);
        Digitar(j, u"EditNome"_s, nome);
        QCOMPARE(caixaAVista(j), TFormTabelaSecoes::Diretoria(nome) ? u"Diretoria"_s : u"Chefia"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        QCOMPARE(j->comandos, QStringList { comando });
        Editores::DesinstalarEspia<TFormTabelaSecoes>(21);
    }

    // A diretoria renomeada passa a seção: nem chefia (vazia) nem mandatos são gravados,
    // e o diretor e as datas gravados ficam.
    void diretoriaRenomeada()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaSecoes>(21);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditNome"_s, u"Secretaria Geral"_s);
        QCOMPARE(caixaAVista(j), u"Chefia"_s);
        QCOMPARE(Edit(j, u"EditChefeDocente"_s)->text(), QString());
        // Cancelar volta à caixa da linha.
        j->BitBtnCancelar->click();
        QCOMPARE(caixaAVista(j), u"Diretoria"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Diretoria"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditNome"_s, u"Secretaria Geral"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Secoes SET \r\nNome='Secretaria Geral'\r\n"
                          ",Descricao='Direção da Faculdade.\r\nAtendimento com hora marcada.'"
                          "\r\n,Endereco='Av. dos Ipês Amarelos, 1000'\r\n,Cep='99990-000'\r\n"
                          ",Link='https://www.qorvel.example.org/diretoria/'\r\n,Imagem=5\r\n"
                          " WHERE Id=2"_s });
        QCOMPARE(valor(u"SELECT Diretor FROM Secoes WHERE Id=2"_s), u"6"_s);
        QVERIFY(
            valor(u"SELECT DiretorInicio FROM Secoes WHERE Id=2"_s).startsWith(u"2021-03-01"_s));
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(caixaAVista(j), u"Chefia"_s);
        QCOMPARE(Edit(j, u"EditChefeDocente_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
        Editores::DesinstalarEspia<TFormTabelaSecoes>(21);
    }

    void textosGravadosComoDigitados()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        const QString nome = u"Seção d'Obras \\ \"Civis\" —  "_s; // espaços finais ficam
        const QString descricao = u"'; DROP TABLE Secoes; --\n€ ç ã "_s + u"x"_s.repeated(7950);
        Digitar(j, u"EditNome"_s, nome);
        auto *memo = j->Controle<QPlainTextEdit>(u"MemoDescricao"_s);
        memo->setPlainText(descricao + u"sobra"_s.repeated(20));
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeDescricao"_s)->text(), u"100%"_s);
        const QString cabe = memo->toPlainText();
        QCOMPARE(ComprimentoTexto(cabe), 7990);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u'|')));
        const QString id = valor(u"SELECT MAX(Id) FROM Secoes"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Secoes WHERE Id="_s + id), nome);
        QCOMPARE(valor(u"SELECT Descricao FROM Secoes WHERE Id="_s + id),
            QString(cabe).replace(u"\n"_s, u"\r\n"_s));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Secoes"_s), u"8"_s);
        CLICAR_ID(j, id);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), nome);
        QCOMPARE(j->NomePorId(id), nome);
    }

    void emailsETelefones_data()
    {
        QTest::addColumn<int>("filha");
        QTest::newRow("E-mails") << 23;
        QTest::newRow("Telefones") << 24;
    }
    void emailsETelefones()
    {
        QFETCH(int, filha);
        BANCO_DEMONSTRACAO(b, 1);
        const QString oQue = filha == 23 ? u"e-mails"_s : u"telefones"_s;
        Roteiro r;
        TFormTabela *j = janela();
        auto *botao
            = j->Controle<QPushButton>(filha == 23 ? u"BitBtnEmails"_s : u"BitBtnTelefones"_s);
        j->show();
        j->BitBtnIncluir->click();
        botao->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível editar "_s + oQue
                + u" da seção durante os modos Incluir/Modificar/Excluir/Consultar."_s });
        j->BitBtnCancelar->click();
        CLICAR_ID(j, u"2"_s);
        r.Limpar();
        QString recebido, titulo;
        AoAbrirModal([&](QWidget *w) {
            auto *c = qobject_cast<TFormTabelaContatos *>(w);
            QVERIFY(c);
            QCOMPARE(c->NumeroTabela, filha);
            recebido = c->IdPai + u'|' + c->NomePai;
            titulo = c->GroupBox2->title();
            c->BitBtnFechar->click();
        });
        botao->click();
        QCOMPARE(recebido, u"2|Diretoria"_s);
        QCOMPARE(titulo, filha == 23 ? u" Listagem (1) "_s : u" Listagem (2) "_s);
        QVERIFY(r.mostradas.isEmpty());
        // Uma linha sem nome: escolha uma seção.
        b.Executar(u"UPDATE Secoes SET Nome='' WHERE Id=3"_s);
        j->ConsultarTabela();
        CLICAR_ID(j, u"3"_s);
        botao->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Escolha uma seção para editar os "_s + oQue + u" relacionados."_s });
    }
};

QTEST_MAIN(TesteSecoes)
#include "tst_secoes.moc"

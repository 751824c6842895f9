// Janela de departamentos nos dois motores, sobre os dados de demonstração: listagem por
// nível, registro com suas pesquisas e descrição, inclusão, alteração e exclusão com os
// comandos exatos, a linha "[vazio]", os botões de e-mails e telefones e a janela como
// escolha dos docentes.
#include "editores_apoio.h"

#include "TabelaContatos.h"
#include "TabelaDepartamentos.h"
#include "TabelaDocentes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;
using Editores::LinhaDoId;

namespace {
const QString TextoBiologia
    = u"O Departamento de Biologia reúne docentes dedicados ao ensino, à pesquisa e à extensão.\n"
      "\nÁreas de atuação: graduação, pós-graduação e divulgação científica.\n"
      "Horário de atendimento: 2ª a 6ª, das 8h às 17h — \"sala 12\"."_s;
} // namespace

class TesteDepartamentos : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    TFormTabela *janela() { return Registro::Janela(10); }
    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QPlainTextEdit *memo(TFormTabela *j) { return j->Controle<QPlainTextEdit>(u"MemoDescricao"_s); }
    QString capacidade(TFormTabela *j)
    {
        return j->Controle<QLabel>(u"LabelCapacidadeDescricao"_s)->text();
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup()
    {
        for (int n : { 10, 11, 16, 22 })
            if (TFormTabela *j = Registro::Janela(n)) {
                j->Modo = ModoTabela::Consultando;
                j->hide();
            }
        Registro::DestruirJanelas();
        m_banco->Desconectar();
        FiltroTabelas.clear();
    }

    void mostraORegistroComSuasPesquisas()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        QVERIFY(qobject_cast<TFormTabelaDepartamentos *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Departamentos"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (8) "_s);
        QVERIFY(r.mostradas.isEmpty());
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Biologia"_s);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"BIO"_s);
        QCOMPARE(Edit(j, u"EditChefe"_s)->text(), u"2"_s);
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->text(), u"Adelaide Quintanilha Borbolato"_s);
        QCOMPARE(Edit(j, u"EditSuplente_Nome"_s)->text(), u"Baltazar Ourém Tacaruna"_s);
        QCOMPARE(Edit(j, u"EditSecretario_Nome"_s)->text(), u"Rogaciano Tupinambá Veloso"_s);
        QCOMPARE(Edit(j, u"EditImagem_Nome"_s)->text(), u"Fachada do Bloco de Biologia"_s);
        QCOMPARE(Edit(j, u"EditEndereco"_s)->text(), u"Bloco A, Rua das Sucupiras, 110"_s);
        QCOMPARE(Edit(j, u"EditCep"_s)->text(), u"99990-2"_s);
        QCOMPARE(memo(j)->toPlainText(), TextoBiologia);
        QCOMPARE(capacidade(j), QString::number((TextoBiologia.size() + 3) * 100 / 7990) + u'%');
        QVERIFY(!j->Controle<QCheckBox>(u"CheckBoxVisivel"_s)->isChecked());
        // Descrição logo depois do nome; chefe e suplente; o secretário depois do link.
        QCOMPARE(Linhas(),
            QStringList({ u"Departamentos, Descrição, consultado"_s, u"Docentes, consultado"_s,
                u"Docentes, consultado"_s, u"Funcionários, consultado"_s,
                u"Imagens, consultado"_s }));
        // Consultando, os campos são só leitura e as pesquisas na cor de botão.
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
        QVERIFY(memo(j)->isReadOnly());
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorSomenteLeitura());
        QVERIFY(!Edit(j, u"EditChefe"_s)->isVisible());
        // A marca muda só a tela: a próxima linha mostrada a volta.
        j->Controle<QCheckBox>(u"CheckBoxVisivel"_s)->click();
        CLICAR_ID(j, u"7"_s);
        QVERIFY(j->Controle<QCheckBox>(u"CheckBoxVisivel"_s)->isChecked());
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->text(), QString());
    }

    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        const QStringList todos
            = { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s };
        QTest::newRow("Administrador") << 1 << todos;
        QTest::newRow("Digitador") << 2 << todos;
        QTest::newRow("Biologia") << 3 << QStringList { u"1"_s, u"2"_s };
        QTest::newRow("Física") << 4 << QStringList { u"1"_s, u"3"_s };
        QTest::newRow("Psicologia") << 5 << QStringList { u"1"_s, u"4"_s };
        QTest::newRow("Química") << 6 << QStringList { u"1"_s, u"5"_s };
        QTest::newRow("Pós-graduação") << 10 << todos;
        QTest::newRow("ATAd") << 12 << todos;
    }
    void listagemDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        QStringList listados = Editores::IdsListados(j);
        listados.sort();
        QCOMPARE(listados, ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        QVERIFY(r.mostradas.isEmpty());
        // A escolha de departamento de um docente lista o mesmo.
        TFormTabela *docentes = Registro::Janela(11);
        docentes->show();
        CLICAR_ID(docentes,
            valor(u"SELECT MIN(Id) FROM Docentes WHERE Departamento="_s
                + (ids.size() == 2 ? ids.at(1) : u"2"_s)));
        docentes->BitBtnModificar->click();
        QStringList naEscolha;
        AoAbrirModal([&](QWidget *w) {
            QCOMPARE(w, janela());
            QCOMPARE(janela()->Modo, ModoTabela::Escolhendo);
            naEscolha = Editores::IdsListados(janela());
            janela()->BitBtnFechar->click();
        });
        QTest::mouseDClick(Edit(docentes, u"EditDepartamento_Nome"_s), Qt::LeftButton);
        naEscolha.sort();
        QCOMPARE(naEscolha, ids);
        docentes->BitBtnCancelar->click();
    }

    // (As regras da linha "[vazio]" comuns a todos os editores estão em tst_janelas.)
    // Basta a sigla ser "[vazio]" (mais longa que o campo: mostrada inteira) para a
    // linha não ser apagada.
    void siglaReservada()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        b.Executar(u"UPDATE Departamentos SET Nome='Sem nome' WHERE Id=1"_s);
        j->ConsultarTabela();
        CLICAR_ID(j, u"1"_s);
        QCOMPARE(Edit(j, u"EditSigla"_s)->text(), u"[vazio]"_s);
        r.Limpar();
        j->BitBtnExcluir->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Você não possui permissão para apagar essa ficha. "
                          "Operação interrompida."_s });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Departamentos WHERE Id=1"_s), u"1"_s);
    }

    void incluirGravaComandoEDescricao_data()
    {
        QTest::addColumn<bool>("pesquisas");
        QTest::newRow("sem pesquisas") << false;
        QTest::newRow("com chefe e imagem") << true;
    }
    void incluirGravaComandoEDescricao()
    {
        QFETCH(bool, pesquisas);
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDepartamentos>(10);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnIncluir->click();
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->text(), QString());
        QCOMPARE(memo(j)->toPlainText(), QString());
        QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        QVERIFY(j->LabelAviso->isVisible());
        Digitar(j, u"EditNome"_s, u"Geociências"_s);
        Digitar(j, u"EditSigla"_s, u"GEO"_s);
        Digitar(j, u"EditCep"_s, u"99990-9"_s);
        Editores::Teclar(memo(j), u"Rochas\ne minerais"_s);
        QCOMPARE(capacidade(j), u"0%"_s);
        if (pesquisas) {
            AoAbrirModal([](QWidget *) {
                TFormTabela *d = Registro::Janela(11);
                CLICAR_ID(d, u"6"_s);
                d->BitBtnEscolher->click();
            });
            QTest::mouseDClick(Edit(j, u"EditChefe_Nome"_s), Qt::LeftButton);
            QCOMPARE(Edit(j, u"EditChefe"_s)->text(), u"6"_s);
            QCOMPARE(Edit(j, u"EditChefe_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
            AoAbrirModal([](QWidget *) {
                TFormTabela *i = Registro::Janela(71);
                CLICAR_ID(i, u"4"_s);
                i->BitBtnEscolher->click();
            });
            QTest::mouseDClick(Edit(j, u"EditImagem_Nome"_s), Qt::LeftButton);
            QCOMPARE(Edit(j, u"EditImagem_Nome"_s)->text(), u"Mapa do campus"_s);
        }
        j->Controle<QCheckBox>(u"CheckBoxVisivel"_s)->click();
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        const QString semPesquisas = u"INSERT INTO Departamentos (\r\nNome\r\n,Sigla\r\n,Endereco"
                                     "\r\n,Cep\r\n,Link\r\n,Visivel\r\n) VALUES (\r\n'Geociências'"
                                     "\r\n,'GEO'\r\n,''\r\n,'99990-9'\r\n,''\r\n,'S'\r\n)"_s;
        const QString comPesquisas
            = u"INSERT INTO Departamentos (\r\nNome\r\n,Sigla\r\n,Chefe\r\n,Endereco\r\n,Cep\r\n"
              ",Link\r\n,Imagem\r\n,Visivel\r\n) VALUES (\r\n'Geociências'\r\n,'GEO'\r\n,6\r\n,''"
              "\r\n,'99990-9'\r\n,''\r\n,4\r\n,'S'\r\n)"_s;
        QCOMPARE(j->comandos, QStringList { pesquisas ? comPesquisas : semPesquisas });
        const QString id = valor(u"SELECT Id FROM Departamentos WHERE Sigla='GEO'"_s);
        QCOMPARE(id, u"9"_s);
        QCOMPARE(valor(u"SELECT Texto FROM DepartamentosDescricao WHERE Departamento="_s + id),
            u"Rochas\r\ne minerais"_s);
        QCOMPARE(valor(u"SELECT COALESCE(Chefe, 0) FROM Departamentos WHERE Id="_s + id),
            pesquisas ? u"6"_s : u"0"_s);
        QCOMPARE(Linhas().mid(0, 4),
            QStringList({ u"Departamentos, incluindo..."_s, u"Departamentos, incluído"_s,
                u"Departamentos, consultado"_s, // ProcurarId
                u"Departamentos, Descrição, incluindo..."_s }));
        // De volta à consulta, com a primeira linha da lista.
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (9) "_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), Editores::IdsListados(j).first());
        QVERIFY(Edit(j, u"EditNome"_s)->isReadOnly());
        Editores::DesinstalarEspia<TFormTabelaDepartamentos>(10);
    }

    void modificarGravaComandoEDescricao()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDepartamentos>(10);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        Digitar(j, u"EditSigla"_s, u"FIM"_s);
        Digitar(j, u"EditLink"_s, QString());
        memo(j)->setPlainText(u"Nova descrição\ncom duas linhas"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        // As pesquisas já gravadas são escritas de novo; a marca desmarcada é 'N'.
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Departamentos SET\r\nNome='Física e Matemática'\r\n"
                          ",Sigla='FIM'\r\n,Chefe=6\r\n,Suplente=7\r\n"
                          ",Endereco='Bloco B, Rua das Sucupiras, 120'\r\n,Cep='99990-3'\r\n"
                          ",Link=''\r\n,Imagem=3\r\n,Secretario=3\r\n,Visivel='N'\r\n"
                          "WHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT Sigla FROM Departamentos WHERE Id=3"_s), u"FIM"_s);
        QCOMPARE(valor(u"SELECT Texto FROM DepartamentosDescricao WHERE Departamento=3"_s),
            u"Nova descrição\r\ncom duas linhas"_s);
        // Sem chefe, suplente, secretário e imagem: essas colunas ficam fora.
        b.Executar(u"UPDATE Departamentos SET Chefe=NULL, Suplente=NULL, Secretario=NULL, "
                   "Imagem=NULL WHERE Id=8"_s);
        j->comandos.clear();
        CLICAR_ID(j, u"8"_s);
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Departamentos SET\r\nNome='Ciências da Computação'\r\n"
                          ",Sigla='CCO'\r\n,Endereco=''\r\n,Cep=''\r\n,Link=''\r\n"
                          ",Visivel='N'\r\nWHERE Id=8"_s });
        Editores::DesinstalarEspia<TFormTabelaDepartamentos>(10);
    }

    void excluirApagaADescricao()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"2"_s);
        r.Responder(true);
        Apoio::Eventos().Limpar();
        j->BitBtnExcluir->click();
        QCOMPARE(
            r.Textos(), QStringList { u"Tem certeza que deseja apagar o registro selecionado?"_s });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Departamentos WHERE Id=2"_s), u"0"_s);
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DepartamentosDescricao WHERE Departamento=2"_s), u"0"_s);
        // Os e-mails e telefones do departamento ficam.
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM TelefonesDepartamentos WHERE Departamento=2"_s), u"2"_s);
        QCOMPARE(Linhas().mid(0, 4),
            QStringList({ u"Departamentos, apagando..."_s, u"Departamentos, apagado"_s,
                u"Departamentos, Descrição, apagando..."_s,
                u"Departamentos, Descrição, apagado"_s }));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (7) "_s);
    }

    void descricaoQueFaltaECriadaAoMostrar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        b.Executar(u"DELETE FROM DepartamentosDescricao WHERE Departamento=5"_s);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"5"_s);
        QCOMPARE(memo(j)->toPlainText(), QString());
        QCOMPARE(Linhas().mid(0, 3),
            QStringList({ u"Departamentos, Descrição, erro, campo Departamento não encontrado"_s,
                u"Departamentos, Descrição, incluindo..."_s,
                u"Departamentos, Descrição, incluído"_s }));
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DepartamentosDescricao WHERE Departamento=5 AND "
                       "Texto=''"_s),
            u"1"_s);
    }

    void descricaoCheia()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"4"_s);
        j->BitBtnModificar->click();
        // 7990 caracteres contando cada quebra como dois; o que passa é cortado.
        const QString cheio = u"ç"_s.repeated(3990) + u"\n"_s + u"x"_s.repeated(3998);
        memo(j)->setPlainText(cheio + u"sobra"_s);
        QCOMPARE(memo(j)->toPlainText(), cheio);
        QCOMPARE(capacidade(j), u"100%"_s);
        j->BitBtnAceitar->click();
        CLICAR_ID(j, u"4"_s);
        QCOMPARE(memo(j)->toPlainText(), cheio);
        QCOMPARE(valor(u"SELECT LENGTH(Texto) FROM DepartamentosDescricao WHERE Departamento=4"_s),
            u"7990"_s);
    }

    void falhaDaDescricaoDesfazALinha_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("INSERT") << true;
        QTest::newRow("UPDATE") << false;
    }
    void falhaDaDescricaoDesfazALinha()
    {
        QFETCH(bool, inclusao);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"6"_s);
        Editores::TabelaSumida sumida(b, u"DepartamentosDescricao"_s);
        QVERIFY(sumida.Ok());
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, u"EditNome"_s, u"Letras Clássicas"_s);
        memo(j)->setPlainText(u"Grego e latim"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.mostradas.size(), 1);
        QVERIFY(r.Textos().first().startsWith(u"Erro de SQL:"_s));
        // Nada gravado; a janela continua editando com o que foi digitado.
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM Departamentos WHERE Nome='Letras Clássicas'"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Departamentos WHERE Id=6"_s), u"Letras e Linguística"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Departamentos"_s), u"8"_s);
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Letras Clássicas"_s);
        QCOMPARE(memo(j)->toPlainText(), u"Grego e latim"_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), inclusao ? QString() : u"6"_s);
        j->BitBtnCancelar->click();
    }

    void textosComAspasAcentosEQuebras()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        j->BitBtnIncluir->click();
        const QString nome = u"Dept° d'Água \"Doce\" \\ São João  "_s; // espaços finais ficam
        const QString descricao = u"Linha 1: 'aspas' e \"aspas\"\n\nLinha 3: \\ ; -- ção €"_s;
        Digitar(j, u"EditNome"_s, nome);
        memo(j)->setPlainText(descricao);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        const QString id = valor(u"SELECT MAX(Id) FROM Departamentos"_s);
        QCOMPARE(valor(u"SELECT Nome FROM Departamentos WHERE Id="_s + id), nome);
        CLICAR_ID(j, id);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), nome);
        QCOMPARE(memo(j)->toPlainText(), descricao);
        // NomePorId devolve o nome como gravado, com os espaços finais.
        QCOMPARE(j->NomePorId(id), nome);
        QCOMPARE(j->NomePorId(QString()), QString());
        QCOMPARE(j->NomePorId(u"999"_s), QString());
    }

    void emailsETelefones_data()
    {
        QTest::addColumn<int>("filha");
        QTest::newRow("E-mails") << 22;
        QTest::newRow("Telefones") << 16;
    }
    void emailsETelefones()
    {
        QFETCH(int, filha);
        BANCO_DEMONSTRACAO(b, 1);
        const QString oQue = filha == 22 ? u"e-mails"_s : u"telefones"_s;
        Roteiro r;
        auto *j = static_cast<TFormTabelaDepartamentos *>(janela());
        QPushButton *botao = filha == 22 ? j->Controle<QPushButton>(u"BitBtnEmails"_s)
                                         : j->Controle<QPushButton>(u"BitBtnTelefones"_s);
        QCOMPARE(botao->text(), filha == 22 ? u"E-mails"_s : u"Telefones"_s);
        j->show();
        // Incluindo: a recusa dos modos, mesmo sem linha.
        j->BitBtnIncluir->click();
        botao->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível editar "_s + oQue
                + u" do departamento durante os modos "
                  "Incluir/Modificar/Excluir/Consultar."_s });
        j->BitBtnCancelar->click();
        // Com a linha: a filha recebe o departamento e é mostrada modal.
        CLICAR_ID(j, u"2"_s);
        r.Limpar();
        QString titulo, pai;
        bool modal = false;
        AoAbrirModal([&](QWidget *w) {
            auto *c = qobject_cast<TFormTabelaContatos *>(w);
            QVERIFY(c);
            QCOMPARE(c->NumeroTabela, filha);
            modal = c->isModal();
            titulo = c->GroupBox2->title();
            pai = c->IdPai + u'|' + c->NomePai;
            c->BitBtnFechar->click();
        });
        botao->click();
        QVERIFY(modal);
        QCOMPARE(pai, u"2|Biologia"_s);
        QCOMPARE(titulo, filha == 22 ? u" Listagem (1) "_s : u" Listagem (2) "_s);
        QVERIFY(r.mostradas.isEmpty());
        // Tabela vazia: escolha um departamento.
        b.Executar(u"DELETE FROM Departamentos"_s);
        j->hide();
        r.Limpar();
        j->show();
        botao->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"A tabela está vazia."_s,
                u"Escolha um departamento para editar os "_s + oQue + u" relacionados."_s }));
    }

    // Ida e volta entre departamentos e docentes: o chefe escolhido na janela de docentes
    // e o departamento de um docente escolhido na de departamentos.
    void idaEVoltaComDocentes()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *d = janela();
        d->show();
        CLICAR_ID(d, u"8"_s);
        d->BitBtnModificar->click();
        AoAbrirModal([](QWidget *w) {
            auto *docentes = qobject_cast<TFormTabelaDocentes *>(w);
            QVERIFY(docentes);
            QCOMPARE(docentes->Modo, ModoTabela::Escolhendo);
            QCOMPARE(Apoio::BotoesVisiveis(docentes),
                QStringList({ u"BitBtnAtualizar"_s, u"BitBtnFechar"_s, u"BitBtnEscolher"_s }));
            QVERIFY(Editores::ClicarId(docentes, u"20"_s, true)); // duplo clique escolhe
        });
        QTest::mouseDClick(Edit(d, u"EditChefe_Nome"_s), Qt::LeftButton);
        QCOMPARE(Edit(d, u"EditChefe"_s)->text(), u"20"_s);
        QCOMPARE(Edit(d, u"EditChefe_Nome"_s)->text(), u"Tibúrcio Camboriú Alencar"_s);
        QVERIFY(!Registro::Janela(11)->isVisible());
        QCOMPARE(Registro::Janela(11)->Modo, ModoTabela::Consultando);
        d->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT Chefe FROM Departamentos WHERE Id=8"_s), u"20"_s);
        d->BitBtnFechar->click();

        TFormTabela *p = Registro::Janela(11);
        p->show();
        CLICAR_ID(p, u"20"_s);
        p->BitBtnModificar->click();
        AoAbrirModal([](QWidget *w) {
            TFormTabela *deptos = Registro::Janela(10);
            QCOMPARE(w, deptos);
            CLICAR_ID(deptos, u"3"_s);
            deptos->BitBtnEscolher->click();
        });
        QTest::mouseDClick(Edit(p, u"EditDepartamento_Nome"_s), Qt::LeftButton);
        QCOMPARE(Edit(p, u"EditDepartamento"_s)->text(), u"3"_s);
        QCOMPARE(Edit(p, u"EditDepartamento_Nome"_s)->text(), u"Física e Matemática"_s);
        // Fechar a escolha não muda o campo.
        AoAbrirModal([](QWidget *w) { Clicar(w, u"BitBtnFechar"_s); });
        QTest::mouseDClick(Edit(p, u"EditDepartamento_Nome"_s), Qt::LeftButton);
        QCOMPARE(Edit(p, u"EditDepartamento"_s)->text(), u"3"_s);
        p->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(valor(u"SELECT Departamento FROM Docentes WHERE Id=20"_s), u"3"_s);
    }

    void pesquisaConsultandoNaoFazNada()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"2"_s);
        QTest::mouseDClick(Edit(j, u"EditChefe_Nome"_s), Qt::LeftButton);
        QVERIFY(!Registro::Janela(11)->isVisible());
        QCOMPARE(Edit(j, u"EditChefe"_s)->text(), u"2"_s);
        QVERIFY(r.mostradas.isEmpty());
    }
};

QTEST_MAIN(TesteDepartamentos)
#include "tst_departamentos.moc"

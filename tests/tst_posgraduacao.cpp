// Janelas da pós-graduação nos dois motores, sobre os dados de demonstração: defesas (a
// banca em abas, a lista das salas, a data gravada à meia-noite), comissão (titular e
// suplente conferidos antes do passo da base) e diplomas (a contagem, as listagens das
// seções, os programas que se excluem gravados como NULL), com os comandos exatos.
#include "editores_apoio.h"

#include "Rotinas.h"
#include "SalasDefesas.h"
#include "TabelaDefesas.h"
#include "TabelaDiplomas.h"
#include "TabelaPosGraduacaoComissao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;
using Editores::Controle;
using Editores::Escolher;

namespace {
QString hojeSQL()
{
    return DataParaSQL(QDate::currentDate());
}

// As colunas de texto dos cinco membros da banca como o comando as escreve: no UPDATE
// "coluna='valor'", no INSERT só os nomes ou só os valores; 'docentes' dá os membros com
// docente da casa (número -> Id).
QString banca(const QString &forma, const QMap<int, QString> &docentes,
    const QMap<QString, QString> &textos = {})
{
    QString t;
    for (int n = 1; n <= 5; ++n) {
        const QString m = QString::number(n);
        if (docentes.contains(n))
            t += forma == u"nomes"_s    ? u",Docente"_s + m + u"\r\n"_s
                : forma == u"valores"_s ? u","_s + docentes.value(n) + u"\r\n"_s
                                        : u",Docente"_s + m + u'=' + docentes.value(n) + u"\r\n"_s;
        for (const QString &c : { u"DocenteExterno"_s, u"Instituicao"_s, u"Titulacao"_s }) {
            const QString valor = CitarTexto(textos.value(c + m));
            t += forma == u"nomes"_s    ? u","_s + c + m + u"\r\n"_s
                : forma == u"valores"_s ? u","_s + valor + u"\r\n"_s
                                        : u","_s + c + m + u'=' + valor + u"\r\n"_s;
        }
    }
    return t;
}
} // namespace

class TestePosGraduacao : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QString programa(const QString &tabela, const QString &nome)
    {
        return valor(u"SELECT Id FROM "_s + tabela + u" WHERE Nome="_s + CitarTexto(nome));
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup() { Editores::TerminarCaso(m_banco); }

    // ---- Defesas --------------------------------------------------------------------

    void defesaMostrada()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(74);
        QVERIFY(qobject_cast<TFormTabelaDefesas *>(j));
        j->show();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->windowTitle(), u"Tabela Defesas"_s);
        // Por data: a passada, depois as próximas.
        QCOMPARE(Editores::IdsListados(j), QStringList({ u"4"_s, u"3"_s, u"1"_s, u"2"_s }));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (4) "_s);

        // A banca em abas dentro da caixa dos membros; a lista das salas.
        auto *abas = Controle<QTabWidget>(j, u"PageControl1"_s);
        QStringList titulos;
        for (int i = 0; i < abas->count(); ++i)
            titulos << abas->tabText(i);
        QCOMPARE(titulos,
            QStringList({ u"Orientador"_s, u"Docente 2"_s, u"Docente 3"_s, u"Docente 4"_s,
                u"Docente 5"_s }));
        QCOMPARE(abas->parentWidget(), Controle<QGroupBox>(j, u"GroupBoxBanca"_s));
        QCOMPARE(Controle<QGroupBox>(j, u"GroupBoxBanca"_s)->title(), u" Membros da Banca "_s);
        for (int n = 1; n <= 5; ++n)
            QVERIFY(abas->widget(n - 1)->isAncestorOf(
                j->Controle(u"EditInstituicao"_s + QString::number(n))));
        auto *local = Controle<QComboBox>(j, u"EditLocal"_s);
        QCOMPARE(local->count(), 67);
        QCOMPARE(local->count(), SalasDefesas().size());
        QCOMPARE(SalasDefesas().count(QString()), 2);
        QVERIFY(local->isEditable());

        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"2"_s);
        QVERIFY(Controle<QPlainTextEdit>(j, u"MemoTitulo"_s)
                    ->toPlainText()
                    .startsWith(u"Supercondutividade"_s));
        const int tamanho = int(Controle<QPlainTextEdit>(j, u"MemoTitulo"_s)->toPlainText().size());
        QCOMPARE(Controle<QLabel>(j, u"LabelCapacidadeTitulo"_s)->text(),
            QString::number(tamanho * 100 / 3990) + u'%');
        QCOMPARE(Edit(j, u"EditAluno"_s)->text(), u"Otaviano Brejo Cardoso"_s);
        QCOMPARE(Controle<QDateEdit>(j, u"DateData"_s)->date(), QDate::currentDate().addDays(30));
        QCOMPARE(Edit(j, u"EditHora"_s)->text(), u"9:30"_s);
        QCOMPARE(local->currentText(), u"Auditório do Bloco B"_s);
        QCOMPARE(Edit(j, u"EditPosGraduacao_Nome"_s)->text(),
            u"Programa de Pós-Graduação em Física Aplicada"_s);
        QCOMPARE(Controle<QComboBox>(j, u"EditCategoria"_s)->currentText(), u"Tese de Doutorado"_s);
        QCOMPARE(Edit(j, u"EditDocente1_Nome"_s)->text(), u"Eustáquio Gravatá Leme"_s);
        QCOMPARE(Edit(j, u"EditDocente3_Nome"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditDocenteExterno3"_s)->text(), u"Ciro Anhangabaú Rezende"_s);
        QCOMPARE(Edit(j, u"EditTitulacao4"_s)->text(), u"Doutora"_s);
        QCOMPARE(Edit(j, u"EditDocente5_Nome"_s)->text(), u"Filomena Ipanema Sátiro"_s);
        QVERIFY(Controle<QCheckBox>(j, u"CheckBoxVisivel"_s)->isChecked());
        // O programa e os três docentes, na ordem da tela.
        QCOMPARE(Linhas(),
            QStringList({ u"Pós-Graduações, consultado"_s, u"Docentes, consultado"_s,
                u"Docentes, consultado"_s, u"Docentes, consultado"_s }));
        // Consultando: textos só leitura, listas e data desabilitadas, a marca clicável.
        QVERIFY(Edit(j, u"EditDocenteExterno2"_s)->isReadOnly());
        QVERIFY(!local->isEnabled());
        QVERIFY(!Controle<QDateEdit>(j, u"DateData"_s)->isEnabled());
        QVERIFY(Controle<QCheckBox>(j, u"CheckBoxVisivel"_s)->isEnabled());
    }

    void defesaIncluida_data()
    {
        QTest::addColumn<bool>("comBanca");
        QTest::newRow("aceita logo") << false;
        QTest::newRow("docentes nas abas 1 e 3") << true;
    }
    void defesaIncluida()
    {
        QFETCH(bool, comBanca);
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDefesas>(74);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        // Um registro novo: a marca ligada, a data de hoje, tudo o mais vazio.
        QVERIFY(Controle<QCheckBox>(j, u"CheckBoxVisivel"_s)->isChecked());
        QCOMPARE(Controle<QDateEdit>(j, u"DateData"_s)->date(), QDate::currentDate());
        QCOMPARE(Edit(j, u"EditDocente1"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditDocente1_Nome"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        QMap<int, QString> docentes;
        QMap<QString, QString> textos;
        QString titulo, hora, local;
        if (comBanca) {
            titulo = u"Rochas de \"Vila Serrana\": um estudo d'antes"_s;
            Controle<QPlainTextEdit>(j, u"MemoTitulo"_s)->setPlainText(titulo);
            hora = u"16:45"_s; // a hora digitada não entra na data
            Digitar(j, u"EditHora"_s, hora);
            local = u"Sala 7 do anexo"_s; // fora da lista: gravado como digitado
            Controle<QComboBox>(j, u"EditLocal"_s)->setEditText(local);
            auto *abas = Controle<QTabWidget>(j, u"PageControl1"_s);
            abas->setCurrentIndex(0);
            Escolher(j, u"EditDocente1_Nome"_s, 11, u"6"_s);
            abas->setCurrentIndex(2);
            Escolher(j, u"EditDocente3_Nome"_s, 11, u"9"_s);
            QCOMPARE(Edit(j, u"EditDocente3_Nome"_s)->text(), u"Heloísa Caraíba d'Ávila"_s);
            abas->setCurrentIndex(1);
            Digitar(j, u"EditDocenteExterno2"_s, u"Irene Caiapó Matos"_s);
            Digitar(j, u"EditInstituicao2"_s, u"Museu de Ciências"_s);
            textos = { { u"DocenteExterno2"_s, u"Irene Caiapó Matos"_s },
                { u"Instituicao2"_s, u"Museu de Ciências"_s } };
            docentes = { { 1, u"6"_s }, { 3, u"9"_s } };
        }
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        const QString data = hojeSQL() + u" 00:00:00"_s;
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Defesas (\r\nTitulo\r\n,Aluno\r\n,Data\r\n,Hora\r\n"
                          ",Local\r\n,Categoria\r\n"_s
                + banca(u"nomes"_s, docentes) + u",Visivel\r\n) VALUES (\r\n"_s + CitarTexto(titulo)
                + u"\r\n,''\r\n,'"_s + data + u"'\r\n,"_s + CitarTexto(hora) + u"\r\n,"_s
                + CitarTexto(local) + u"\r\n,''\r\n"_s + banca(u"valores"_s, docentes, textos)
                + u",'S'\r\n)"_s });
        const QString id = valor(u"SELECT MAX(Id) FROM Defesas"_s);
        QCOMPARE(id, u"5"_s);
        QCOMPARE(valor(u"SELECT Data FROM Defesas WHERE Id=5"_s).replace(u'T', u' ').left(19),
            QDate::currentDate().toString(Qt::ISODate) + u" 00:00:00"_s);
        QCOMPARE(valor(u"SELECT Titulo FROM Defesas WHERE Id=5"_s), titulo);
        QCOMPARE(valor(u"SELECT Docente3 FROM Defesas WHERE Id=5"_s), docentes.value(3));
        QCOMPARE(valor(u"SELECT Docente2 FROM Defesas WHERE Id=5"_s), QString());
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        Editores::DesinstalarEspia<TFormTabelaDefesas>(74);
    }

    void defesaModificadaSemMexer()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDefesas>(74);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        const QDate data = QDate::currentDate().addDays(5);
        // Os mesmos Ids de novo; os membros sem docente ficam fora.
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Defesas SET \r\nTitulo='Aquisição de verbos de movimento em "
                          "crianças bilíngues'\r\n,Aluno='Rebeca Itapoã Fontenele'\r\n,Data='"_s
                + DataParaSQL(data)
                + u" 00:00:00'\r\n,Hora='10h'\r\n,Local='Sala 12 do prédio anexo'\r\n"
                  ",PosGraduacao="_s
                + programa(u"Posgraduacoes"_s,
                    u"Programa de Pós-Graduação em Psicologia do Desenvolvimento"_s)
                + u"\r\n,Categoria='Dissertação de Mestrado'\r\n"_s
                + banca(u"alteracao"_s, { { 1, u"11"_s }, { 3, u"13"_s } },
                    { { u"DocenteExterno2"_s, u"Teodoro Marajó Queiroz"_s },
                        { u"Instituicao2"_s, u"Faculdade de Educação"_s },
                        { u"Titulacao2"_s, u"Doutor"_s } })
                + u",Visivel='S'\r\n WHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT Docente3 FROM Defesas WHERE Id=3"_s), u"13"_s);
        Editores::DesinstalarEspia<TFormTabelaDefesas>(74);
    }

    // ---- Comissão de pós-graduação ---------------------------------------------------

    void comissaoConfereTitularESuplenteAntes()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaPosGraduacaoComissao>(72);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Comissão de Pós-graduação"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (4) "_s);
        CLICAR_ID(j, u"1"_s);
        QCOMPARE(Edit(j, u"EditTitular_Nome"_s)->text(), u"Adelaide Quintanilha Borbolato"_s);
        QCOMPARE(Edit(j, u"EditSuplente_Nome"_s)->text(), u"Baltazar Ourém Tacaruna"_s);
        QCOMPARE(Edit(j, u"EditFuncao"_s)->text(), u"Coordenador"_s);
        const int ano = QDate::currentDate().year();
        QCOMPARE(Controle<QDateEdit>(j, u"DateMandatoInicio"_s)->date(), QDate(ano - 1, 3, 1));
        QCOMPARE(Controle<QDateEdit>(j, u"DateMandatoTermino"_s)->date(), QDate(ano + 1, 2, 28));
        for (const QString &d : { u"DateMandatoInicio"_s, u"DateMandatoTermino"_s })
            QCOMPARE(j->Controle(d)->toolTip(),
                u"Qualquer data do ano 2000 é considerada como nula. Portanto, se não deseja "
                "divulgar nenhum valor, basta escolher qualquer data do ano 2000."_s);

        // Só o titular: recusado, com a lista ainda bloqueada e os campos como estavam.
        j->BitBtnIncluir->click();
        QCOMPARE(Controle<QDateEdit>(j, u"DateMandatoInicio"_s)->date(), QDate(2000, 1, 1));
        Escolher(j, u"EditTitular_Nome"_s, 11, u"5"_s);
        Digitar(j, u"EditFuncao"_s, u"Membro"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Os campos Titular e Suplente devem estar preenchidos. Operação "
                          "interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QVERIFY(j->LabelAviso->isVisibleTo(j));
        QCOMPARE(Edit(j, u"EditTitular_Nome"_s)->text(), u"Domitila Arapuã Fenelon"_s);
        QCOMPARE(Edit(j, u"EditFuncao"_s)->text(), u"Membro"_s);
        QVERIFY(j->comandos.isEmpty());
        // Com o suplente (o mesmo docente serve): as datas do ano 2000, sem mandato.
        Escolher(j, u"EditSuplente_Nome"_s, 11, u"5"_s);
        r.Limpar();
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO PosGraduacaoComissao(\r\nTitular\r\n,Suplente\r\n"
                          ",Funcao\r\n,MandatoInicio\r\n,MandatoTermino\r\n) VALUES (\r\n5\r\n,5"
                          "\r\n,'Membro'\r\n,'1/1/2000'\r\n,'1/1/2000'\r\n)"_s });
        QCOMPARE(valor(u"SELECT MandatoTermino FROM PosGraduacaoComissao WHERE Id=5"_s).left(10),
            u"2000-01-01"_s);

        // Modificar: sem branco antes do WHERE.
        j->comandos.clear();
        CLICAR_ID(j, u"2"_s);
        j->BitBtnModificar->click();
        Controle<QDateEdit>(j, u"DateMandatoTermino"_s)->setDate(QDate(ano + 3, 12, 31));
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE PosGraduacaoComissao SET \r\nTitular=7\r\n,Suplente=8\r\n"
                          ",Funcao='Vice-Coordenador'\r\n,MandatoInicio='3/1/%1'\r\n"
                          ",MandatoTermino='12/31/%2'\r\nWHERE Id=2"_s.arg(ano - 1)
                              .arg(ano + 3) });
        Editores::DesinstalarEspia<TFormTabelaPosGraduacaoComissao>(72);
    }

    // ---- Diplomas ---------------------------------------------------------------------

    // A seção de graduação vê os diplomas com graduação, a de pós-graduação os com
    // pós-graduação (um programa "[vazio]" também conta); a legenda conta todos. As mesmas
    // linhas nos dois motores.
    void diplomasPorNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("Administrador") << 1
                                       << QStringList({ u"9"_s, u"1"_s, u"3"_s, u"5"_s, u"7"_s,
                                              u"2"_s, u"8"_s, u"4"_s, u"6"_s });
        QTest::newRow("Seção de graduação") << 9 << QStringList({ u"1"_s, u"3"_s, u"2"_s, u"8"_s });
        QTest::newRow("Seção de pós-graduação")
            << 10 << QStringList({ u"5"_s, u"7"_s, u"4"_s, u"6"_s });
    }
    void diplomasPorNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        BANCO_DEMONSTRACAO(b, nivel);
        // Um diploma com a graduação "[vazio]" e um sem programa nenhum.
        QVERIFY(b.Executar(u"INSERT INTO Diplomas (Id, Nome, Graduacao) VALUES (8, "
                           "'Licenciado em Química', 1)"_s));
        QVERIFY(
            b.Executar(u"INSERT INTO Diplomas (Id, Nome) VALUES (9, 'Bacharel em Ciências')"_s));
        Apoio::Eventos().Limpar();
        Roteiro r;
        TFormTabela *j = Registro::Janela(81);
        j->show();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(Editores::IdsListados(j), ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (9) "_s);
        QCOMPARE(Linhas().mid(1, 4),
            QStringList({ u"Diplomas, contando registros..."_s,
                u"Diplomas, registros contados, 9 registros"_s, u"Diplomas, consultando..."_s,
                u"Diplomas, consultado"_s }));
    }

    void diplomaIncluidoComUmPrograma()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDiplomas>(81);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Nome precisa estar preenchido. Operação interrompida."_s });
        r.Limpar();
        Digitar(j, u"EditNome"_s, u"Bacharel em Física"_s);
        const QString fisica = programa(u"Graduacoes"_s, u"Licenciatura em Física"_s);
        Escolher(j, u"EditGraduacao_Nome"_s, 14, fisica);
        QCOMPARE(Edit(j, u"EditGraduacao_Nome"_s)->text(), u"Licenciatura em Física"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Diplomas (\r\nNome\r\n,Graduacao\r\n) VALUES (\r\n"
                          "'Bacharel em Física'\r\n,"_s
                + fisica + u"\r\n)"_s });
        QCOMPARE(j->GroupBox2->title(), u" Listagem (8) "_s);
        Editores::DesinstalarEspia<TFormTabelaDiplomas>(81);
    }

    // Escolher um programa de verdade esvazia o outro, que vai como NULL; o "[vazio]" não
    // esvazia nada e os dois Ids são gravados.
    void programasQueSeExcluem()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDiplomas>(81);
        Roteiro r;
        j->show();
        const QString ecologia
            = programa(u"Posgraduacoes"_s, u"Programa de Pós-Graduação em Ecologia"_s);
        const QString biologia = programa(u"Graduacoes"_s, u"Bacharelado em Ciências Biológicas"_s);
        CLICAR_ID(j, u"1"_s);
        QCOMPARE(Edit(j, u"EditGraduacao_Nome"_s)->text(), u"Bacharelado em Ciências Biológicas"_s);
        j->BitBtnModificar->click();
        Escolher(j, u"EditPosgraduacao_Nome"_s, 15, ecologia);
        QCOMPARE(r.Textos(),
            QStringList { u"Você acabou de selecionar uma pós-graduação para esse diploma. "
                          "Portanto, o campo Graduação será zerado."_s });
        QCOMPARE(Edit(j, u"EditGraduacao"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditGraduacao_Nome"_s)->text(), QString());
        QCOMPARE(Edit(j, u"EditPosgraduacao_Nome"_s)->text(),
            u"Programa de Pós-Graduação em Ecologia"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Diplomas SET \r\nNome='Bacharel em Ciências Biológicas'\r\n"
                          ",Graduacao=NULL\r\n,PosGraduacao="_s
                + ecologia + u"\r\n WHERE Id=1"_s });
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM Diplomas WHERE Id=1 AND Graduacao IS NULL"_s), u"1"_s);
        QCOMPARE(valor(u"SELECT PosGraduacao FROM Diplomas WHERE Id=1"_s), ecologia);

        // A graduação "[vazio]" com a pós-graduação escolhida: nenhuma mensagem, os dois.
        r.Limpar();
        j->comandos.clear();
        CLICAR_ID(j, u"1"_s);
        j->BitBtnModificar->click();
        Escolher(j, u"EditGraduacao_Nome"_s, 14, u"1"_s);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(Edit(j, u"EditPosgraduacao"_s)->text(), ecologia);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Diplomas SET \r\nNome='Bacharel em Ciências Biológicas'\r\n"
                          ",Graduacao=1\r\n,PosGraduacao="_s
                + ecologia + u"\r\n WHERE Id=1"_s });

        // Uma linha gravada com os dois programas de verdade é recusada até um ficar "[vazio]".
        QVERIFY(b.Executar(u"UPDATE Diplomas SET Graduacao="_s + biologia + u" WHERE Id=1"_s));
        j->ConsultarTabela();
        CLICAR_ID(j, u"1"_s);
        QCOMPARE(Edit(j, u"EditGraduacao_Nome"_s)->text(), u"Bacharelado em Ciências Biológicas"_s);
        QCOMPARE(Edit(j, u"EditPosgraduacao_Nome"_s)->text(),
            u"Programa de Pós-Graduação em Ecologia"_s);
        j->comandos.clear();
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O diploma não pode ser oferecido simultaneamente na graduação e na "
                          "pós-graducação. Faça diferentes entradas na tabela.\n\rEscolha [vazio] "
                          "para um dos campos. Operação Interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        QVERIFY(j->comandos.isEmpty());
        j->BitBtnCancelar->click();
        Editores::DesinstalarEspia<TFormTabelaDiplomas>(81);
    }
};

QTEST_MAIN(TestePosGraduacao)
#include "tst_posgraduacao.moc"

// Calendário escolar nos dois motores, sobre os dados de demonstração: a marca de período
// com a data de término, os comandos exatos e a conversão do ano — o diálogo dos anos e as
// suas saídas (Não, um ano só, Cancelar, a caixa de fechar, Esc), a recusa enquanto se
// edita, a data de término levada com a de início, 29 de fevereiro, a conversão inteira
// desfeita por uma falha no meio e a conversão ao lado de outra sessão que grava datas.
#include "editores_apoio.h"

#include "ConverterAno.h"
#include "Espera.h"
#include "FalhaInjetada.h"
#include "TabelaCalendario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;
using Editores::Controle;
using Editores::Escolher;

namespace {
// A caixa de espera dos testes: conta quantas vezes apareceu.
class CaixaContada : public QWidget {
public:
    int mostrada = 0;

protected:
    void showEvent(QShowEvent *) override { ++mostrada; }
};

// Como o usuário sai do diálogo dos anos.
enum class Saida { Converter, Cancelar, CaixaDeFechar, Esc };

// Outra sessão no banco do teste (outro usuário, em outra máquina), aberta e usada na
// thread que a chama, que espera no máximo 'esperaMs' por uma linha presa.
QSqlDatabase abrirOutraSessao(BancoTeste &b, const QString &nome, int esperaMs)
{
    const FonteDados f = b.Fonte();
    const bool pg = b.motor() == Motor::PostgreSQL;
    QSqlDatabase db = QSqlDatabase::addDatabase(pg ? u"QPSQL"_s : u"QSQLITE"_s, nome);
    if (pg) {
        db.setHostName(f.host);
        db.setPort(f.porta);
        db.setDatabaseName(f.banco);
        db.setUserName(b.Cluster()->Superusuario());
    } else {
        db.setDatabaseName(f.arquivo);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(esperaMs));
    }
    if (db.open() && pg)
        QSqlQuery(db).exec(u"SET lock_timeout TO '%1ms'"_s.arg(esperaMs));
    return db;
}

// O registro de eventos dos testes, que chama 'aoRegistrar' com cada linha antes de
// guardá-la.
class RegistroEspiao : public SaidaMemoria {
public:
    std::function<void(const QString &)> aoRegistrar;
    void AcrescentarLinha(const QString &texto, const QColor &cor) override
    {
        if (aoRegistrar)
            aoRegistrar(texto);
        SaidaMemoria::AcrescentarLinha(texto, cor);
    }
};
} // namespace

class TesteCalendario : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;
    CaixaContada m_caixa;
    const int m_ano = QDate::currentDate().year();

    TFormTabelaCalendario *janela()
    {
        return static_cast<TFormTabelaCalendario *>(Registro::Janela(69));
    }
    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    // Id, início e término de cada item, em ordem de Id.
    QStringList datas()
    {
        QSqlQuery q(Servidor::Database().Conexao());
        if (!q.exec(u"SELECT Id, DataInicio, DataTermino FROM Calendario ORDER BY Id"_s))
            qFatal("consulta das datas");
        QStringList l;
        while (q.next())
            l << q.value(0).toString() + u' ' + q.value(1).toDate().toString(Qt::ISODate) + u' '
                    + q.value(2).toDate().toString(Qt::ISODate);
        return l;
    }
    QString item(const QString &id)
    {
        for (const QString &l : datas())
            if (l.section(u' ', 0, 0) == id)
                return l.section(u' ', 1);
        return {};
    }
    void inserir(int id, const QString &titulo, const QString &inicio, const QString &termino)
    {
        QVERIFY(m_banco->Executar(
            u"INSERT INTO Calendario (Id, Titulo, DataInicio, Periodo, DataTermino, Descricao) "
            "VALUES (%1, '%2', '%3', 'S', '%4', 'item %1')"_s.arg(id)
                .arg(titulo, inicio, termino)));
    }
    // Abre o diálogo dos anos pelo botão da janela e sai dele como dito (com os anos dados,
    // vazios para nenhum escolhido); devolve o que as listas mostravam ao abrir.
    QStringList converterPeloBotao(
        TFormTabela *j, const QString &de, const QString &para, Saida saida = Saida::Converter)
    {
        QStringList aoAbrir;
        AoAbrirModal(
            [&](QWidget *w) {
                auto *d = qobject_cast<TFormConverterAno *>(w);
                QVERIFY(d);
                aoAbrir = { d->ComboBoxAnoOriginal->currentText(),
                    d->ComboBoxAnoConverter->currentText() };
                d->ComboBoxAnoOriginal->setCurrentIndex(d->ComboBoxAnoOriginal->findText(de));
                d->ComboBoxAnoConverter->setCurrentIndex(d->ComboBoxAnoConverter->findText(para));
                switch (saida) {
                case Saida::Converter:
                    d->BitBtnConverter->click();
                    break;
                case Saida::Cancelar:
                    d->BitBtnCancelar->click();
                    break;
                case Saida::CaixaDeFechar:
                    d->close();
                    break;
                case Saida::Esc:
                    QTest::keyClick(d, Qt::Key_Escape);
                    break;
                }
            },
            u"FormConverterAno"_s);
        Clicar(j, u"BitBtnConverterAno"_s);
        return aoAbrir;
    }
    QString pergunta(const QString &de, const QString &para)
    {
        return u"Tem certeza que deseja converter\r\ntodos os ítens do ano "_s + de
            + u"\r\npara o ano "_s + para + u'?';
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase()
    {
        InstalarSaidaEventos(&Apoio::Eventos());
        DefinirCaixaAguarde(&m_caixa);
    }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
        m_caixa.mostrada = 0;
    }
    void cleanup() { Editores::TerminarCaso(m_banco); }

    void periodoMostraOTermino()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->windowTitle(), u"Tabela Calendário"_s);
        QStringList ids;
        for (int i = 1; i <= 16; ++i)
            ids << QString::number(i);
        QCOMPARE(Editores::IdsListados(j), ids); // por data de início
        QWidget *termino = j->Controle(u"DateDataTermino"_s);
        QWidget *rotulo = j->GroupBox1->findChild<QLabel *>(u"LabelDataTermino"_s);
        QCOMPARE(qobject_cast<QLabel *>(rotulo)->buddy(), termino);
        auto *periodo = j->Controle<QCheckBox>(u"CheckBoxPeriodo"_s);
        CLICAR_ID(j, u"15"_s);
        QVERIFY(periodo->isChecked());
        QVERIFY(termino->isVisibleTo(j) && rotulo->isVisibleTo(j));
        QCOMPARE(j->Controle<QDateEdit>(u"DateDataTermino"_s)->date(), QDate(m_ano + 1, 2, 27));
        QCOMPARE(Edit(j, u"EditTitulo"_s)->text(), u"Férias de verão"_s);
        QCOMPARE(j->Controle<QComboBox>(u"EditCategoria"_s)->currentText(), u"Data Oficial"_s);
        CLICAR_ID(j, u"2"_s);
        QVERIFY(!periodo->isChecked());
        QVERIFY(!termino->isVisibleTo(j) && !rotulo->isVisibleTo(j));
        // A marca é clicável consultando: só mostra ou esconde o término.
        periodo->click();
        QVERIFY(termino->isVisibleTo(j) && rotulo->isVisibleTo(j));
        QCOMPARE(valor(u"SELECT Periodo FROM Calendario WHERE Id=2"_s), u"N"_s);
        QCOMPARE(j->Controle<QPushButton>(u"BitBtnConverterAno"_s)->text(), u"&Converter Ano"_s);
    }

    void incluirEModificar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaCalendario>(69);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"15"_s);
        j->BitBtnIncluir->click();
        // Um item novo: não é período (o término escondido), as duas datas de hoje.
        QVERIFY(!j->Controle<QCheckBox>(u"CheckBoxPeriodo"_s)->isChecked());
        QVERIFY(!j->Controle(u"DateDataTermino"_s)->isVisibleTo(j));
        QCOMPARE(j->Controle<QDateEdit>(u"DateDataInicio"_s)->date(), QDate::currentDate());
        QCOMPARE(j->Controle<QDateEdit>(u"DateDataTermino"_s)->date(), QDate::currentDate());
        QVERIFY(j->Controle(u"BitBtnConverterAno"_s)->isVisibleTo(j));
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Título deve estar preenchido. Operação interrompida."_s });
        r.Limpar();
        Digitar(j, u"EditTitulo"_s, u"Feira de profissões"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        const QString hoje = DataParaSQL(QDate::currentDate());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Calendario(\r\nTitulo\r\n,DataInicio\r\n,Periodo\r\n"
                          ",DataTermino\r\n,Descricao\r\n,Categoria\r\n,Link\r\n) VALUES (\r\n"
                          "'Feira de profissões'\r\n,'%1'\r\n,'N'\r\n,'%1'\r\n,''\r\n,''\r\n,''"
                          "\r\n)"_s.arg(hoje) });
        j->comandos.clear();
        CLICAR_ID(j, u"3"_s);
        j->BitBtnModificar->click();
        j->Controle<QDateEdit>(u"DateDataTermino"_s)->setDate(QDate(m_ano, 2, 19));
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList {
                u"UPDATE Calendario SET \r\nTitulo='Carnaval'\r\n,DataInicio='2/16/%1'"
                "\r\n,Periodo='S'\r\n,DataTermino='2/19/%1'\r\n"
                ",Descricao='Não há aulas.'\r\n"
                ",Categoria='Feriado Nacional com Destaque'\r\n,Link=''\r\n WHERE Id=3"_s.arg(
                    m_ano) });
        Editores::DesinstalarEspia<TFormTabelaCalendario>(69);
    }

    void sentencaDaConversao()
    {
        QCOMPARE(TFormTabelaCalendario::SentencaConversao(
                     u"5"_s, QDate(2006, 3, 10), QDate(2007, 1, 15)),
            QStringList({ u"UPDATE Calendario SET "_s, u"DataInicio='3/10/2006'"_s,
                u",DataTermino='1/15/2007'"_s, u" WHERE Id=5"_s }));
        // Sem término gravado, só o início.
        QCOMPARE(TFormTabelaCalendario::SentencaConversao(u"6"_s, QDate(2006, 3, 10), QDate()),
            QStringList(
                { u"UPDATE Calendario SET "_s, u"DataInicio='3/10/2006'"_s, u" WHERE Id=6"_s }));
    }

    // O calendário de demonstração vai para o ano seguinte e volta: os períodos que
    // atravessam o ano novo levam o término junto, o item do ano anterior fica.
    void converterParaOAnoSeguinteEVoltar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        const QStringList antes = datas();
        const QString ano = QString::number(m_ano), seguinte = QString::number(m_ano + 1);
        r.Responder(true);
        Apoio::Eventos().Limpar();
        QCOMPARE(converterPeloBotao(j, ano, seguinte), QStringList({ QString(), QString() }));
        QCOMPARE(r.Textos(), QStringList { pergunta(ano, seguinte) });
        QCOMPARE(m_caixa.mostrada, 1);
        QVERIFY(m_caixa.isHidden());
        QCOMPARE(item(u"1"_s), u"%1-12-21 %2-01-06"_s.arg(m_ano - 1).arg(m_ano));
        QCOMPARE(item(u"2"_s), u"%1-01-01 %1-01-01"_s.arg(m_ano + 1));
        QCOMPARE(item(u"15"_s), u"%1-12-12 %2-02-27"_s.arg(m_ano + 1).arg(m_ano + 2));
        QCOMPARE(item(u"16"_s), u"%1-12-21 %2-01-06"_s.arg(m_ano + 1).arg(m_ano + 2));
        // O registro: a leitura de todas as linhas, uma linha por item (convertido ou não),
        // depois a listagem de novo.
        const QStringList l = Linhas();
        QCOMPARE(l.mid(0, 3),
            QStringList(
                { u"Calendário, consultando..."_s, u"Calendário, consultado, 16 registros"_s,
                    u"Calendário, alterando..., registro Sem expediente na secretaria."_s }));
        QCOMPARE(l.at(3), u"Calendário, alterando..., registro Feriado."_s);
        QCOMPARE(l.mid(18, 2),
            QStringList(
                { u"Calendário, consultando..."_s, u"Calendário, consultado, 16 registros"_s }));
        QCOMPARE(Edit(j, u"EditId"_s)->text(), u"1"_s);

        // De volta: o diálogo guardou os anos da última vez.
        r.Limpar();
        r.Responder(true);
        QCOMPARE(converterPeloBotao(j, seguinte, ano), QStringList({ ano, seguinte }));
        QCOMPARE(r.Textos(), QStringList { pergunta(seguinte, ano) });
        QCOMPARE(datas(), antes);
    }

    // 20/12/2005 a 15/01/2006 levado de 2005 para 2006 termina em 15/01/2007; os outros
    // anos ficam; um ano para ele mesmo regrava as mesmas datas.
    void terminoAndaOsMesmosAnos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        QVERIFY(b.Executar(u"DELETE FROM Calendario"_s));
        inserir(1, u"Férias"_s, u"2005-12-20"_s, u"2006-01-15"_s);
        inserir(2, u"Congresso"_s, u"2005-03-10"_s, u"2005-03-10"_s);
        inserir(3, u"Antes"_s, u"2004-05-05"_s, u"2004-05-06"_s);
        inserir(4, u"Depois"_s, u"2006-07-07"_s, u"2006-07-08"_s);
        QVERIFY(b.Executar(u"INSERT INTO Calendario (Id, Titulo, DataInicio) VALUES (5, "
                           "'Sem término', '2005-08-01')"_s));
        Roteiro r;
        TFormTabelaCalendario *j = janela();
        j->show();
        QVERIFY(j->ConverterAno(2005, 2006));
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(datas(),
            QStringList({ u"1 2006-12-20 2007-01-15"_s, u"2 2006-03-10 2006-03-10"_s,
                u"3 2004-05-05 2004-05-06"_s, u"4 2006-07-07 2006-07-08"_s, u"5 2006-08-01 "_s }));
        // Gravadas como as outras datas da tabela (no SQLite, o texto AAAA-MM-DD).
        QCOMPARE(valor(u"SELECT DataTermino FROM Calendario WHERE Id=1"_s), u"2007-01-15"_s);
        QVERIFY(j->ConverterAno(2006, 2006));
        QCOMPARE(item(u"1"_s), u"2006-12-20 2007-01-15"_s);
        QCOMPARE(item(u"4"_s), u"2006-07-07 2006-07-08"_s);
        // Para trás também.
        QVERIFY(j->ConverterAno(2006, 2002));
        QCOMPARE(item(u"1"_s), u"2002-12-20 2003-01-15"_s);
    }

    // 29 de fevereiro num ano sem ele vira 28, dito na linha do registro do item; a
    // conversão segue.
    void vinteENoveDeFevereiro()
    {
        BANCO_DEMONSTRACAO(b, 1);
        QVERIFY(b.Executar(u"DELETE FROM Calendario"_s));
        inserir(1, u"Bissexto"_s, u"2008-02-29"_s, u"2008-02-29"_s);
        inserir(2, u"Março"_s, u"2008-03-01"_s, u"2008-03-02"_s);
        inserir(3, u"Termina no dia 29"_s, u"2008-02-20"_s, u"2008-02-29"_s);
        Roteiro r;
        TFormTabelaCalendario *j = janela();
        j->show();
        Apoio::Eventos().Limpar();
        QVERIFY(j->ConverterAno(2008, 2009));
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(datas(),
            QStringList({ u"1 2009-02-28 2009-02-28"_s, u"2 2009-03-01 2009-03-02"_s,
                u"3 2009-02-20 2009-02-28"_s }));
        QCOMPARE(Linhas().mid(2),
            QStringList({ u"Calendário, alterando..., registro item 3 (29 de fevereiro passa a "
                          "28 de fevereiro)"_s,
                u"Calendário, alterando..., registro item 1 (29 de fevereiro passa a 28 de "
                "fevereiro)"_s,
                u"Calendário, alterando..., registro item 2"_s }));
    }

    // Uma falha no meio desfaz todas as linhas: a mensagem de erro, "A conversão foi
    // interrompida." e o calendário como estava.
    void falhaNoMeioDesfazTudo()
    {
        BANCO_DEMONSTRACAO(b, 1);
        const FalhaInjetada falha(b, u"Calendario"_s, u"NEW.Id = 9"_s, u"falha injetada"_s);
        QVERIFY2(falha.Pronta(), qPrintable(falha.Erro()));
        Roteiro r;
        bool caixaNaFalha = false;
        r.aoMostrar = [&](TipoMensagem, const QString &texto) {
            if (texto.startsWith(u"Erro de SQL"_s))
                caixaNaFalha = m_caixa.isVisible();
        };
        TFormTabela *j = janela();
        j->show();
        const QStringList antes = datas();
        r.Responder(true);
        Apoio::Eventos().Limpar();
        converterPeloBotao(j, QString::number(m_ano), QString::number(m_ano + 1));
        QCOMPARE(r.mostradas.size(), 3);
        QVERIFY2(r.Textos().at(1).startsWith(u"Erro de SQL:"_s), qPrintable(r.Textos().at(1)));
        QVERIFY(r.Textos().at(1).contains(u"falha injetada"_s));
        QCOMPARE(r.Textos().at(2), u"A conversão foi interrompida."_s);
        QVERIFY(caixaNaFalha);
        QVERIFY(m_caixa.isHidden());
        QCOMPARE(datas(), antes);
        // Cada linha foi registrada antes das gravações, que foram todas desfeitas.
        const QStringList l = Linhas();
        QCOMPARE(l.count(u"Calendário, alterando..."_s), 0);
        int alteradas = 0;
        for (const QString &linha : l)
            alteradas += linha.startsWith(u"Calendário, alterando..., registro "_s);
        QCOMPARE(alteradas, 16);
        QVERIFY(Apoio::Registrou(69, u"erro de SQL"_s));
        QCOMPARE(l.mid(l.size() - 2),
            QStringList(
                { u"Calendário, consultando..."_s, u"Calendário, consultado, 16 registros"_s }));
        QVERIFY(!Servidor::Database().EmTransacao());
    }

    // Só dois itens de 2019 (um de um dia, outro de três) e a janela mostrada.
    TFormTabelaCalendario *comDoisItensDe2019(BancoTeste &b)
    {
        if (!b.Executar(u"DELETE FROM Calendario"_s))
            return nullptr;
        inserir(1, u"Congresso"_s, u"2019-03-01"_s, u"2019-03-01"_s);
        inserir(2, u"Semana"_s, u"2019-05-10"_s, u"2019-05-12"_s);
        TFormTabelaCalendario *j = janela();
        j->show();
        return j;
    }

    // Outra sessão tenta gravar uma data enquanto a conversão está entre ler as linhas e
    // gravá-las (quando ela registra a leitura): as linhas estão presas à conversão, a
    // gravação da outra sessão espera (e aqui desiste), e depois da conversão grava por
    // cima da data convertida. Nada que outro usuário gravou é recalculado do valor antigo.
    void outraSessaoEntreLerEGravar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        TFormTabelaCalendario *j = comDoisItensDe2019(b);
        QVERIFY(j);
        Roteiro r;
        const QString nome = u"outra_sessao"_s;
        const auto fechar = qScopeGuard([&] { QSqlDatabase::removeDatabase(nome); });
        {
            QSqlDatabase outra = abrirOutraSessao(b, nome, 200);
            QVERIFY2(outra.isOpen(), qPrintable(outra.lastError().text()));
            const QString edicao = u"UPDATE Calendario SET DataInicio='2019-06-15', "
                                   "DataTermino='2019-06-15' WHERE Id=1"_s;
            RegistroEspiao espiao;
            int tentativas = 0;
            bool gravouDurante = false;
            espiao.aoRegistrar = [&](const QString &linha) {
                if (!linha.contains(u"Calendário, consultado, 2 registros"_s))
                    return;
                ++tentativas;
                QSqlQuery q(outra);
                gravouDurante = q.exec(edicao);
            };
            InstalarSaidaEventos(&espiao);
            const bool convertido = j->ConverterAno(2019, 2020);
            InstalarSaidaEventos(&Apoio::Eventos());
            QVERIFY(convertido);
            QCOMPARE(tentativas, 1);
            QVERIFY2(!gravouDurante, "a outra sessão gravou no meio da conversão");
            QCOMPARE(datas(),
                QStringList({ u"1 2020-03-01 2020-03-01"_s, u"2 2020-05-10 2020-05-12"_s }));
            // Terminada a conversão, a gravação da outra sessão entra e fica.
            QSqlQuery q(outra);
            QVERIFY2(q.exec(edicao), qPrintable(q.lastError().text()));
            QCOMPARE(item(u"1"_s), u"2019-06-15 2019-06-15"_s);
            QVERIFY(r.mostradas.isEmpty());
        }
    }

    // Outra sessão gravou uma data e segura a linha (transação aberta) quando a conversão
    // começa, e confirma logo depois: a conversão espera por ela e converte o que ficou
    // gravado — a data mudada no ano é levada, a linha já levada a 2021 fica onde está.
    void outraSessaoConfirmaDuranteAConversao_data()
    {
        QTest::addColumn<QString>("gravada");
        QTest::addColumn<QString>("convertida");
        QTest::newRow("mudada no mesmo ano") << u"2019-06-15"_s << u"2020-06-15"_s;
        QTest::newRow("já levada a 2021") << u"2021-03-01"_s << u"2021-03-01"_s;
    }
    void outraSessaoConfirmaDuranteAConversao()
    {
        QFETCH(QString, gravada);
        QFETCH(QString, convertida);
        BANCO_DEMONSTRACAO(b, 1);
        TFormTabelaCalendario *j = comDoisItensDe2019(b);
        QVERIFY(j);
        Roteiro r;
        const bool pg = b.motor() == Motor::PostgreSQL;
        QSemaphore segurando;
        QString falha;
        QThread *sessao = QThread::create([&] {
            const QString nome = u"sessao_que_segura"_s;
            {
                QSqlDatabase outra = abrirOutraSessao(b, nome, 10000);
                QSqlQuery q(outra);
                for (const QString &c :
                    { pg ? u"BEGIN"_s : u"BEGIN IMMEDIATE"_s,
                        u"UPDATE Calendario SET DataInicio='%1', DataTermino='%1' WHERE Id=1"_s.arg(
                            gravada) })
                    if (!q.exec(c))
                        falha = c + u": "_s + q.lastError().text();
                segurando.release();
                // A conversão começa enquanto a linha está presa aqui.
                QThread::msleep(500);
                if (!q.exec(u"COMMIT"_s))
                    falha = q.lastError().text();
            }
            QSqlDatabase::removeDatabase(nome);
        });
        sessao->start();
        segurando.acquire();
        const bool convertido = j->ConverterAno(2019, 2020);
        sessao->wait();
        delete sessao;
        QVERIFY2(falha.isEmpty(), qPrintable(falha));
        QVERIFY(convertido);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(datas(),
            QStringList(
                { u"1 "_s + convertida + u' ' + convertida, u"2 2020-05-10 2020-05-12"_s }));
    }

    // Não há conversão enquanto se inclui ou modifica: a conversão passaria por cima dos
    // campos.
    void recusadaEnquantoEdita_data()
    {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("Incluir") << true;
        QTest::newRow("Modificar") << false;
    }
    void recusadaEnquantoEdita()
    {
        QFETCH(bool, inclusao);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        CLICAR_ID(j, u"4"_s);
        (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
        Digitar(j, u"EditTitulo"_s, u"Título digitado"_s);
        bool abriu = false;
        QTimer::singleShot(300, j, [&abriu] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                abriu = true;
                m->close();
            }
        });
        const QStringList antes = datas();
        Clicar(j, u"BitBtnConverterAno"_s);
        QTest::qWait(400);
        QVERIFY(!abriu);
        QCOMPARE(r.Textos(),
            QStringList { u"Atenção: você só pode converter o ano depois de Aceitar ou Cancelar "
                          "a operação anterior."_s });
        QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
        QCOMPARE(Edit(j, u"EditTitulo"_s)->text(), u"Título digitado"_s);
        QCOMPARE(datas(), antes);
        j->BitBtnCancelar->click();
    }

    // Saídas sem conversão: Não (com a mensagem), um ano só, Cancelar, a caixa de fechar e
    // Esc (sem mensagem) — também depois de um uso confirmado do diálogo.
    void saidasSemConversao()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = janela();
        j->show();
        const QStringList antes = datas();
        const QString ano = QString::number(m_ano), seguinte = QString::number(m_ano + 1);
        r.Responder(false);
        converterPeloBotao(j, ano, seguinte);
        QCOMPARE(r.Textos(),
            QStringList({ pergunta(ano, seguinte), u"A conversão foi interrompida."_s }));
        QCOMPARE(m_caixa.mostrada, 0);
        // O diálogo ficou confirmado da última vez; cada saída abaixo o desfaz.
        for (Saida s : { Saida::CaixaDeFechar, Saida::Cancelar, Saida::Esc }) {
            r.Limpar();
            converterPeloBotao(j, ano, seguinte, s);
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            QVERIFY(!TFormConverterAno::Programa()->Confirmado);
        }
        for (const auto &[de, para] : { std::pair { ano, QString() }, { QString(), seguinte } }) {
            converterPeloBotao(j, de, para);
            QVERIFY(r.mostradas.isEmpty());
        }
        QCOMPARE(datas(), antes);
        QCOMPARE(m_caixa.mostrada, 0);
    }

    void anosDoDialogo()
    {
        QStringList anos;
        for (int a = 2002; a <= m_ano + 1; ++a)
            anos << QString::number(a);
        TFormConverterAno d;
        QCOMPARE(d.windowTitle(), u"Converter Ano"_s);
        QStringList itens;
        for (int i = 0; i < d.ComboBoxAnoOriginal->count(); ++i)
            itens << d.ComboBoxAnoOriginal->itemText(i);
        QCOMPARE(itens, anos);
        QCOMPARE(d.ComboBoxAnoConverter->count(), anos.size());
        QVERIFY(!d.ComboBoxAnoOriginal->isEditable());
        QCOMPARE(d.ComboBoxAnoOriginal->currentIndex(), -1);
        QVERIFY(d.BitBtnConverter->isDefault());
        QVERIFY(!d.Confirmado);
        // Os anos da lista antiga ficam, mesmo antes de 2010.
        QCOMPARE(TFormConverterAno::Anos(2005).last(), u"2010"_s);
        QCOMPARE(TFormConverterAno::Anos(2030).last(), u"2031"_s);
    }
};

QTEST_MAIN(TesteCalendario)
#include "tst_calendario.moc"

// Notícias e comunicados nos dois motores, sobre os dados de demonstração: a postagem com
// data, hora e minuto (a forma "8:5:00", a hora e o minuto recusados com a edição mantida,
// a ordem cronológica lida de volta), os comandos exatos, a visibilidade da categoria
// "Concurso" e o departamento preso de um nível de departamento.
#include "editores_apoio.h"

#include "EdicaoTexto.h"
#include "Ortografia.h"
#include "TabelaComunicados.h"
#include "TabelaNoticias.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;
using Editores::Controle;
using Editores::Escolher;

namespace {
const QString AvisoCampos
    = u"Atenção:\r\n\r\nUtilize apenas os campos que são releventas ao tipo de\r\ncomunicado que "
      "você deseja divulgar. Os campos que fi-\r\ncarem em branco não serão apresentados na "
      "página.\r\n\r\nQualquer dúvida ou sugestão, favor entrar em contato\r\ndiretamente com o "
      "Setor de Informática - QORVEL - KVA."_s;
// As palavras sublinhadas pela verificação ortográfica no memo.
QStringList sublinhadas(const QPlainTextEdit *memo)
{
    QStringList l;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        for (const QTextLayout::FormatRange &f : b.layout()->formats())
            if (f.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                l << b.text().mid(f.start, f.length);
    return l;
}

// O menu de contexto sobre a palavra (a primeira ocorrência) do memo.
QMenu *menuSobre(QPlainTextEdit *memo, const QString &palavra)
{
    QTextCursor c(memo->document());
    c.setPosition(int(memo->toPlainText().indexOf(palavra)) + 2);
    return CriarMenuOrtografia(memo, memo->cursorRect(c).center());
}

QAction *acao(QMenu *menu, const QString &texto)
{
    for (QAction *a : menu->actions())
        if (a->text() == texto)
            return a;
    return nullptr;
}
} // namespace

class TesteNoticias : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;
    QTemporaryDir m_pasta;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    // Data e hora lidas pelo dono, na forma ISO com um branco (o QPSQL dá um 'T').
    QString postagem(const QString &id)
    {
        return valor(u"SELECT Postagem FROM Noticias WHERE Id="_s + id)
            .replace(u'T', u' ')
            .left(19);
    }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return Controle<QComboBox>(j, nome); }
    // Data, hora e minuto da postagem como o usuário os põe.
    void postar(TFormTabela *j, const QDate &data, const QString &hora, const QString &minuto)
    {
        Controle<QDateEdit>(j, u"DatePostagem"_s)->setDate(data);
        combo(j, u"ComboBoxHora"_s)->setEditText(hora);
        combo(j, u"ComboBoxMinuto"_s)->setEditText(minuto);
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase()
    {
        InstalarSaidaEventos(&Apoio::Eventos());
        QVERIFY(m_pasta.isValid());
    }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup() { Editores::TerminarCaso(m_banco); }

    // ---- Notícias ---------------------------------------------------------------------

    // Uma notícia das 08:05 aparece como "8" e "5" e, aceita sem mudança, é gravada com a
    // hora 8:5:00, que volta 08:05:00.
    void noticiaDas8e5()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaNoticias>(18);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Notícias"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (12) "_s);
        // A mais nova primeiro.
        QStringList ids;
        for (int i = 1; i <= 12; ++i)
            ids << QString::number(i);
        QCOMPARE(Editores::IdsListados(j), ids);
        QVERIFY(j->GroupBox1->findChild<QLabel *>(u"LabelEditResumo"_s)->isHidden());
        CLICAR_ID(j, u"3"_s);
        const QDate data = QDate::currentDate().addDays(-16);
        QCOMPARE(Controle<QDateEdit>(j, u"DatePostagem"_s)->date(), data);
        QCOMPARE(combo(j, u"ComboBoxHora"_s)->currentText(), u"8"_s);
        QCOMPARE(combo(j, u"ComboBoxMinuto"_s)->currentText(), u"5"_s);
        QCOMPARE(combo(j, u"ComboBoxHora"_s)->count(), 24);
        QCOMPARE(combo(j, u"ComboBoxMinuto"_s)->itemText(59), u"59"_s);
        QVERIFY(!combo(j, u"ComboBoxHora"_s)->isEnabled());
        QVERIFY(Controle<QCheckBox>(j, u"CheckBoxPortal"_s)->isChecked());
        QVERIFY(!Controle<QCheckBox>(j, u"CheckBoxBolsas"_s)->isChecked());
        QCOMPARE(Edit(j, u"EditColaboracao"_s)->text(), u"Gervásio Tabatinga Nóbrega"_s);
        j->BitBtnModificar->click();
        QVERIFY(combo(j, u"ComboBoxHora"_s)->isEnabled());
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Noticias SET \r\nTitulo='Laboratório de Óptica recebe novo "
                          "laser'\r\n,Resumo='Equipamento amplia os experimentos de "
                          "emaranhamento.'\r\n,Conteudo='Equipamento amplia os experimentos de "
                          "emaranhamento.\r\nMais informações na secretaria do departamento.'"
                          "\r\n,Link=''\r\n,Postagem='"_s
                + DataParaSQL(data)
                + u" 8:5:00'\r\n,Visivel='S'\r\n,v_portal='S'\r\n,bolsas='N'\r\n"
                  ",Colaboracao='Gervásio Tabatinga Nóbrega'\r\n"
                  ",ColaboracaoURL='https://www.qorvel.example.org/docentes/8'\r\n WHERE Id=3"_s });
        QCOMPARE(postagem(u"3"_s), data.toString(Qt::ISODate) + u" 08:05:00"_s);
        Editores::DesinstalarEspia<TFormTabelaNoticias>(18);
    }

    // O conteúdo é verificado enquanto se digita (a palavra desconhecida sublinhada, as
    // sugestões e a lista pessoal no menu de contexto) sem que um caractere mude por si; o
    // Ctrl+F abre a barra que localiza sem distinguir maiúsculas nem acentos e substitui.
    void conteudoVerificadoELocalizado()
    {
        // a lista pessoal de palavras, vazia, numa pasta do teste
        const QString pessoal = m_pasta.filePath(Ortografia::ArquivoPessoal);
        QFile::remove(pessoal);
        Ortografia::DefinirPadrao(
            std::make_unique<Ortografia::Verificador>(u"/usr/share/hunspell/pt_BR"_s, pessoal));
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaNoticias>(18);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"3"_s);
        auto *memo = Controle<QPlainTextEdit>(j, u"MemoConteudo"_s);
        QCOMPARE(sublinhadas(memo), QStringList());
        j->BitBtnModificar->click();
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, u" Informacoes do Qorvel."_s);
        QCOMPARE(sublinhadas(memo), (QStringList { u"Informacoes"_s, u"Qorvel"_s }));
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeConteudo"_s)->text(), u"3%"_s);

        std::unique_ptr<QMenu> menu(menuSobre(memo, u"Qorvel"_s));
        QAction *adicionar = acao(menu.get(), u"Adicionar ao dicionário"_s);
        QVERIFY(adicionar);
        adicionar->trigger();
        QCOMPARE(sublinhadas(memo), QStringList { u"Informacoes"_s });
        QFile lista(pessoal);
        QVERIFY(lista.open(QIODevice::ReadOnly));
        QCOMPARE(lista.readAll(), "Qorvel\n");
        menu.reset(menuSobre(memo, u"Informacoes"_s));
        QAction *sugestao = acao(menu.get(), u"Informações"_s);
        QVERIFY(sugestao);
        QVERIFY(!acao(menu.get(), u"Qorvel"_s));
        sugestao->trigger();
        menu.reset();
        QVERIFY(memo->toPlainText().endsWith(u"departamento. Informações do Qorvel."_s));
        QCOMPARE(sublinhadas(memo), QStringList());

        // Ctrl+F: a barra, com "INFORMACOES" acha "informações" e "Informações"
        auto *barra = j->findChild<BarraLocalizar *>(u"BarraLocalizarMemoConteudo"_s);
        QVERIFY(barra && barra->isHidden());
        memo->moveCursor(QTextCursor::Start);
        QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(barra->isVisible());
        auto *procura = barra->findChild<QLineEdit *>(u"EditLocalizar"_s);
        QCOMPARE(j->focusWidget(), procura);
        QTest::keyClicks(procura, u"INFORMACOES"_s);
        QTest::keyClick(procura, Qt::Key_Return);
        QCOMPARE(memo->textCursor().selectedText(), u"informações"_s);
        barra->findChild<QPushButton *>(u"BotaoProximo"_s)->click();
        QCOMPARE(memo->textCursor().selectedText(), u"Informações"_s);
        barra->findChild<QPushButton *>(u"BotaoProximo"_s)->click(); // dá a volta
        QCOMPARE(memo->textCursor().selectedText(), u"informações"_s);
        barra->findChild<QLineEdit *>(u"EditSubstituir"_s)->setText(u"notícias"_s);
        barra->findChild<QPushButton *>(u"BotaoSubstituirTodos"_s)->click();
        QCOMPARE(barra->findChild<QLabel *>(u"LabelLocalizar"_s)->text(), u"2 substituições."_s);
        QTest::keyClick(procura, Qt::Key_Escape);
        QVERIFY(barra->isHidden());
        QCOMPARE(j->focusWidget(), memo);
        QVERIFY(j->BitBtnAceitar->isEnabled()); // o Esc da barra não cancelou a edição
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(valor(u"SELECT Conteudo FROM Noticias WHERE Id=3"_s),
            u"Equipamento amplia os experimentos de emaranhamento.\r\nMais notícias na "
            "secretaria do departamento. notícias do Qorvel."_s);
        // só de leitura: localiza, não substitui
        QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(barra->isVisible());
        QVERIFY(!barra->findChild<QPushButton *>(u"BotaoSubstituirTodos"_s)->isEnabled());
        Editores::DesinstalarEspia<TFormTabelaNoticias>(18);
    }

    void noticiaNova()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaNoticias>(18);
        Roteiro r;
        j->show();
        const QDateTime antes = QDateTime::currentDateTime();
        j->BitBtnIncluir->click();
        const QDateTime depois = QDateTime::currentDateTime();
        // As três marcas ligadas; a data, a hora e o minuto de agora, sem zero à esquerda.
        for (const QString &m : { u"CheckBoxVisivel"_s, u"CheckBoxPortal"_s, u"CheckBoxBolsas"_s })
            QVERIFY(Controle<QCheckBox>(j, m)->isChecked());
        const QString agora = Controle<QDateEdit>(j, u"DatePostagem"_s)->date().toString()
            + combo(j, u"ComboBoxHora"_s)->currentText() + u':'
            + combo(j, u"ComboBoxMinuto"_s)->currentText();
        const auto forma = [](const QDateTime &t) {
            return t.date().toString() + QString::number(t.time().hour()) + u':'
                + QString::number(t.time().minute());
        };
        QVERIFY2(agora == forma(antes) || agora == forma(depois), qPrintable(agora));
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeConteudo"_s)->text(), QString());

        j->BitBtnAceitar->click();
        Digitar(j, u"EditTitulo"_s, u"Aula inaugural"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"Campo Título não pode estar em branco. Operação interrompida."_s,
                u"Campo Resumo não pode estar em branco. Operação interrompida."_s }));
        r.Limpar();
        Digitar(j, u"EditResumo"_s, u"Na segunda-feira, às 19h."_s);
        Controle<QPlainTextEdit>(j, u"MemoConteudo"_s)->setPlainText(QString(1995, u'x'));
        QCOMPARE(j->Controle<QLabel>(u"LabelCapacidadeConteudo"_s)->text(), u"50%"_s);
        Controle<QPlainTextEdit>(j, u"MemoConteudo"_s)->setPlainText(u"Auditório\nPrincipal"_s);
        Controle<QCheckBox>(j, u"CheckBoxBolsas"_s)->click();
        // Um minuto esvaziado vai como "00".
        postar(j, QDate(2027, 3, 8), u"7"_s, QString());
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Noticias(\r\nTitulo\r\n,Resumo\r\n,Conteudo\r\n,Link\r\n"
                          ",Postagem\r\n,Visivel\r\n,v_portal\r\n,bolsas\r\n,Colaboracao\r\n"
                          ",ColaboracaoURL\r\n) VALUES (\r\n'Aula inaugural'\r\n"
                          ",'Na segunda-feira, às 19h.'\r\n,'Auditório\r\nPrincipal'\r\n,''\r\n"
                          ",'3/8/2027 7:00:00'\r\n,'S'\r\n,'S'\r\n,'N'\r\n,''\r\n,''\r\n)"_s });
        QCOMPARE(postagem(u"13"_s), u"2027-03-08 07:00:00"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (13) "_s);
        Editores::DesinstalarEspia<TFormTabelaNoticias>(18);
    }

    // Só números inteiros de 0 a 23 e de 0 a 59: o resto é recusado com uma mensagem clara,
    // a janela segue no seu modo com o que foi digitado e nada chega ao banco.
    void horaOuMinutoRecusado_data()
    {
        QTest::addColumn<QString>("hora");
        QTest::addColumn<QString>("minuto");
        QTest::addColumn<bool>("erroNaHora");
        QTest::newRow("letras") << u"abc"_s << u"5"_s << true;
        QTest::newRow("24 horas") << u"24"_s << u"0"_s << true;
        QTest::newRow("negativa") << u"-1"_s << u"0"_s << true;
        QTest::newRow("três algarismos") << u"008"_s << u"0"_s << true;
        QTest::newRow("aspas") << u"8'; DELETE FROM Noticias; --"_s << u"0"_s << true;
        QTest::newRow("60 minutos") << u"8"_s << u"60"_s << false;
        QTest::newRow("fração") << u"8"_s << u"5.5"_s << false;
        QTest::newRow("dois pontos") << u"8"_s << u"05:00"_s << false;
    }
    void horaOuMinutoRecusado()
    {
        QFETCH(QString, hora);
        QFETCH(QString, minuto);
        QFETCH(bool, erroNaHora);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(18);
        j->show();
        for (bool inclusao : { true, false }) {
            r.Limpar();
            CLICAR_ID(j, u"5"_s);
            const QString anterior = postagem(u"5"_s);
            const QString total = valor(u"SELECT COUNT(*) FROM Noticias"_s);
            (inclusao ? j->BitBtnIncluir : j->BitBtnModificar)->click();
            Digitar(j, u"EditTitulo"_s, u"Título digitado"_s);
            Digitar(j, u"EditResumo"_s, u"Resumo digitado"_s);
            postar(j, QDate(2026, 5, 4), hora, minuto);
            Apoio::Eventos().Limpar();
            j->BitBtnAceitar->click();
            QCOMPARE(r.Textos(),
                QStringList { erroNaHora
                        ? u"Campo Hora deve ser um número inteiro de 0 a 23. Operação "
                          "interrompida."_s
                        : u"Campo Minuto deve ser um número inteiro de 0 a 59. Operação "
                          "interrompida."_s });
            QCOMPARE(j->Modo, inclusao ? ModoTabela::Incluindo : ModoTabela::Modificando);
            QVERIFY(!j->DBGridPesquisa->isEnabled());
            QCOMPARE(Edit(j, u"EditTitulo"_s)->text(), u"Título digitado"_s);
            QCOMPARE(combo(j, u"ComboBoxHora"_s)->currentText(), hora);
            QCOMPARE(combo(j, u"ComboBoxMinuto"_s)->currentText(), minuto);
            QCOMPARE(Controle<QDateEdit>(j, u"DatePostagem"_s)->date(), QDate(2026, 5, 4));
            QVERIFY(Linhas().isEmpty()); // nenhum comando
            QCOMPARE(valor(u"SELECT COUNT(*) FROM Noticias"_s), total);
            QCOMPARE(postagem(u"5"_s), anterior);
            // Corrigida, a mesma edição grava.
            postar(j, QDate(2026, 5, 4), u" 23"_s, u"09"_s);
            r.Limpar();
            j->BitBtnAceitar->click();
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            QCOMPARE(j->Modo, ModoTabela::Consultando);
            const QString id = inclusao ? valor(u"SELECT MAX(Id) FROM Noticias"_s) : u"5"_s;
            QCOMPARE(postagem(id), u"2026-05-04 23:09:00"_s);
        }
    }

    // Dezembro depois de janeiro do mesmo ano, dez horas depois de nove: na listagem (a
    // mais nova primeiro), lidas de volta e na ordem do próprio banco.
    void postagemEmOrdemCronologica()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(18);
        j->show();
        const struct {
            QString titulo;
            QDate data;
            QString hora;
        } itens[] = {
            { u"Dezembro, 9h"_s, QDate(2030, 12, 3), u"9"_s },
            { u"Janeiro, 10h"_s, QDate(2030, 1, 15), u"10"_s },
            { u"Dezembro, 10h"_s, QDate(2030, 12, 3), u"10"_s },
        };
        for (const auto &i : itens) {
            j->BitBtnIncluir->click();
            Digitar(j, u"EditTitulo"_s, i.titulo);
            Digitar(j, u"EditResumo"_s, u"Resumo"_s);
            postar(j, i.data, i.hora, u"0"_s);
            j->BitBtnAceitar->click();
        }
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(
            Editores::IdsListados(j).mid(0, 4), QStringList({ u"15"_s, u"13"_s, u"14"_s, u"1"_s }));
        QCOMPARE(Edit(j, u"EditTitulo"_s)->text(), u"Dezembro, 10h"_s); // a primeira da lista
        QCOMPARE(combo(j, u"ComboBoxHora"_s)->currentText(), u"10"_s);
        QCOMPARE(combo(j, u"ComboBoxMinuto"_s)->currentText(), u"0"_s);
        QCOMPARE(postagem(u"14"_s), u"2030-01-15 10:00:00"_s);
        QCOMPARE(postagem(u"13"_s), u"2030-12-03 09:00:00"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Noticias WHERE Postagem > '2030-01-15 10:00:00' "
                       "AND Postagem < '2030-12-03 10:00:00'"_s),
            u"1"_s);
        QSqlQuery q(Servidor::Database().Conexao());
        QVERIFY(q.exec(u"SELECT Id FROM Noticias ORDER BY Postagem"_s));
        QStringList ordem;
        while (q.next())
            ordem << q.value(0).toString();
        QCOMPARE(ordem.mid(12), QStringList({ u"14"_s, u"13"_s, u"15"_s }));
    }

    // ---- Comunicados ------------------------------------------------------------------

    // Um comunicado de "Concurso" esconde a marca do formulário e o memo das questões (o
    // rótulo e a capacidade ficam); digitar a categoria durante a edição não muda nada.
    void categoriaConcurso()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(70);
        QVERIFY(qobject_cast<TFormTabelaComunicados *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Comunicados"_s);
        QWidget *marca = j->Controle(u"CheckBoxVisivel"_s);
        QWidget *questoes = j->Controle(u"MemoQuestoes"_s);
        QWidget *rotulo = j->GroupBox1->findChild<QLabel *>(u"LabelMemoQuestoes"_s);
        QVERIFY(rotulo);
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), u"Concurso"_s);
        QVERIFY(!marca->isVisibleTo(j));
        QVERIFY(!questoes->isVisibleTo(j));
        QVERIFY(rotulo->isVisibleTo(j));
        QVERIFY(j->Controle(u"LabelCapacidadeQuestoes"_s)->isVisibleTo(j));
        CLICAR_ID(j, u"6"_s);
        QVERIFY(marca->isVisibleTo(j));
        QVERIFY(questoes->isVisibleTo(j));
        r.Responder(true);
        j->BitBtnModificar->click();
        QCOMPARE(r.Textos(), QStringList { AvisoCampos });
        combo(j, u"EditCategoria"_s)->setEditText(u"Concurso"_s);
        QVERIFY(marca->isVisibleTo(j));
        QVERIFY(questoes->isVisibleTo(j));
        j->BitBtnCancelar->click();
        // Sem linha (tabela vazia), a visibilidade fica como estava.
        CLICAR_ID(j, u"2"_s);
        b.Executar(u"DELETE FROM Comunicados"_s);
        j->ConsultarTabela();
        j->MostrarRegistro();
        QVERIFY(!marca->isVisibleTo(j));
    }

    void comunicadoModificado()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaComunicados>(70);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"6"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Química"_s);
        j->BitBtnModificar->click();
        QCOMPARE(r.Textos(), QStringList { AvisoCampos });
        r.Limpar();
        Digitar(j, u"EditTitulo"_s, QString());
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Título não pode estar em branco. Operação interrompida."_s });
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QVERIFY(j->LabelAviso->isVisibleTo(j));
        r.Limpar();
        Digitar(j, u"EditTitulo"_s, u"Reagentes: pregão n° 7"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Comunicados SET \r\nTitulo='Reagentes: pregão n° 7'\r\n"
                          ",DataInicio='"_s
                + DataParaSQL(QDate::currentDate().addDays(8))
                + u"'\r\n,Categoria='Licitação'\r\n,Area='Química'\r\n"
                  ",Descricao='Licitação da faculdade.'\r\n,Local='Seção de Compras'\r\n"
                  ",Comentarios='Mais informações na página do evento.'\r\n"
                  ",Informacoes='Pregão eletrônico; propostas até as 15h.'\r\n"
                  ",Questoes='Dúvidas pelo e-mail da Seção de Compras.'\r\n"
                  ",Telefone='(99) 3555-0100'\r\n,Contato='Secretaria'\r\n"
                  ",Email='secretaria@qorvel.example.org'\r\n,Link=''\r\n,Visivel='S'\r\n"
                  ",Departamento=5\r\n WHERE Id=6"_s });
        // Sem departamento, a coluna fica fora da inclusão.
        j->comandos.clear();
        r.Responder(true);
        j->BitBtnIncluir->click();
        QCOMPARE(Controle<QDateEdit>(j, u"DateDataInicio"_s)->date(), QDate::currentDate());
        QVERIFY(Edit(j, u"EditDepartamento_Nome"_s)->isEnabled());
        Digitar(j, u"EditTitulo"_s, u"Aviso"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos.size(), 1);
        QVERIFY(j->comandos.first().contains(u",Visivel\r\n) VALUES ("_s));
        QVERIFY(!j->comandos.first().contains(u"Departamento"_s));
        Editores::DesinstalarEspia<TFormTabelaComunicados>(70);
    }

    // Um nível de departamento lista os seus comunicados e inclui com o seu departamento,
    // preso até o fim da edição (também depois de um Aceitar recusado).
    // (Os níveis de departamento não têm a janela no menu; a regra é da janela, que o
    // teste abre com os direitos dados ao login do nível só aqui.)
    void departamentoPresoNoNivel()
    {
        EXIGIR_BANCO(b);
        const QStringList direitos = {
            u"GRANT SELECT, INSERT, UPDATE ON Comunicados TO tarvisco_deptobio"_s,
            u"GRANT USAGE, SELECT ON SEQUENCE comunicados_id_seq TO tarvisco_deptobio"_s,
        };
        if (b.motor() == Motor::PostgreSQL)
            for (const QString &d : direitos)
                QVERIFY2(b.Executar(d), qPrintable(b.UltimoErro()));
        const auto revogar = qScopeGuard([&] {
            if (b.motor() == Motor::PostgreSQL)
                for (QString d : direitos)
                    b.Executar(d.replace(u"GRANT"_s, u"REVOKE"_s).replace(u" TO "_s, u" FROM "_s));
        });
        BANCO_DEMONSTRACAO(b2, 3);
        auto *j = Editores::InstalarEspia<TFormTabelaComunicados>(70);
        Roteiro r;
        j->show();
        QCOMPARE(Editores::IdsListados(j), QStringList({ u"2"_s, u"7"_s }));
        QLineEdit *nome = Edit(j, u"EditDepartamento_Nome"_s);
        const auto incluir = [&] {
            r.Limpar();
            r.Responder(true);
            j->BitBtnIncluir->click();
            QCOMPARE(r.Textos(), QStringList { AvisoCampos });
            QCOMPARE(Edit(j, u"EditDepartamento"_s)->text(), u"2"_s);
            QCOMPARE(nome->text(), u"Biologia"_s);
            QVERIFY(!nome->isEnabled());
        };
        incluir();
        // O duplo clique no departamento preso não abre a escolha.
        bool abriu = false;
        QTimer::singleShot(300, j, [&abriu] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                abriu = true;
                m->close();
            }
        });
        QTest::mouseDClick(nome, Qt::LeftButton);
        QTest::qWait(400);
        QVERIFY(!abriu);
        r.Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Título não pode estar em branco. Operação interrompida."_s });
        QVERIFY(!nome->isEnabled());
        QCOMPARE(nome->text(), u"Biologia"_s);
        j->BitBtnCancelar->click();
        QVERIFY(nome->isEnabled());

        incluir();
        Digitar(j, u"EditTitulo"_s, u"Defesa de estágio"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos.size(), 1);
        QVERIFY2(
            j->comandos.first().endsWith(u",'N'\r\n,2\r\n)"_s), qPrintable(j->comandos.first()));
        QVERIFY(j->comandos.first().contains(u",Visivel\r\n,Departamento\r\n) VALUES ("_s));
        QVERIFY(nome->isEnabled());
        QCOMPARE(valor(u"SELECT Departamento FROM Comunicados WHERE Titulo='Defesa de estágio'"_s),
            u"2"_s);
        QCOMPARE(Editores::IdsListados(j).size(), 3);
        Editores::DesinstalarEspia<TFormTabelaComunicados>(70);
    }
};

QTEST_MAIN(TesteNoticias)
#include "tst_noticias.moc"

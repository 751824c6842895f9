// Downloads, links e descrições das tabelas nos dois motores, sobre os dados de
// demonstração: os comandos exatos de inclusão e alteração, as categorias lidas uma vez,
// os obrigatórios, a data gravada à meia-noite, o Atualizar que mostra a janela de novo e
// a listagem das descrições rodada uma vez, com a falha registrada.
#include "editores_apoio.h"

#include "ServidorHttp.h"
#include "TabelaDescricoes.h"
#include "TabelaDownloads.h"
#include "TabelaLinks.h"
#include "VerificacaoEnderecos.h"
#include "VerificarEnderecos.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

class TesteConteudo : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return j->Controle<QComboBox>(nome); }
    QStringList itens(QComboBox *c)
    {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }
    // A data e hora gravada, como texto AAAA-MM-DD HH:MM:SS nos dois motores.
    QString dataHora(const QString &id)
    {
        return valor(Apoio::PostgreSQL()
                ? u"SELECT to_char(Data, 'YYYY-MM-DD HH24:MI:SS') FROM Downloads WHERE Id="_s + id
                : u"SELECT Data FROM Downloads WHERE Id="_s + id);
    }
private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup() { Editores::Encerrar(m_banco, { 10, 12, 21, 41, 67, 73 }); }

    // ---- Downloads ---------------------------------------------------------------

    void downloadMostradoComDonos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(41);
        QVERIFY(qobject_cast<TFormTabelaDownloads *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Downloads"_s);
        QCOMPARE(Linhas().mid(0, 5),
            QStringList({ u"Downloads, conectado"_s, u"Downloads, Categorias, consultando..."_s,
                u"Downloads, Categorias, consultado, 7 registros"_s, u"Downloads, consultando..."_s,
                u"Downloads, consultado, 10 registros"_s }));
        CLICAR_ID(j, u"5"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Manual do laboratório de óptica"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), u"Manuais"_s);
        QCOMPARE(Edit(j, u"EditTamanho"_s)->text(), u"1450"_s);
        QCOMPARE(j->Controle<QDateEdit>(u"DateData"_s)->date(), QDate(2024, 1, 15));
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Física e Matemática"_s);
        QCOMPARE(Edit(j, u"EditSecao_Nome"_s)->text(), QString());
        QCOMPARE(j->Controle<QLabel>(u"LabelKBytes"_s)->text(), u"KBytes"_s);
        QVERIFY(j->findChild<QLabel *>(u"LabelLegendaEditDepartamento"_s)
                    ->text()
                    .startsWith(u"Preencha abaixo somente se o material estiver relacionado"_s));
        // Consultando: a categoria e a data desabilitadas; editando, a categoria amarela.
        QVERIFY(!combo(j, u"EditCategoria"_s)->isEnabled());
        j->BitBtnModificar->click();
        QVERIFY(combo(j, u"EditCategoria"_s)->isEnabled());
        QCOMPARE(combo(j, u"EditCategoria"_s)->palette().color(QPalette::Base),
            ControleCampo::CorPesquisa());
        QVERIFY(j->Controle<QDateEdit>(u"DateData"_s)->isEnabled());
        j->BitBtnCancelar->click();
        CLICAR_ID(j, u"3"_s);
        QCOMPARE(Edit(j, u"EditAssistencia_Nome"_s)->text(), u"Assistência Técnica Acadêmica"_s);
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(Edit(j, u"EditSecao_Nome"_s)->text(), u"Seção de Graduação"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void downloadIncluirEAlterar()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDownloads>(41);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        // A data da inclusão é a de hoje; os donos vazios.
        QCOMPARE(j->Controle<QDateEdit>(u"DateData"_s)->date(), QDate::currentDate());
        QCOMPARE(Edit(j, u"EditDepartamento"_s)->text(), QString());
        Digitar(j, u"EditNome"_s, u"Calendário de provas"_s);
        Digitar(j, u"EditArquivo"_s, u"provas.pdf"_s);
        combo(j, u"EditCategoria"_s)->setCurrentIndex(1); // Editais
        Digitar(j, u"EditTamanho"_s, u"cerca de 5"_s); // texto, como digitado
        j->Controle<QDateEdit>(u"DateData"_s)->setDate(QDate(2024, 7, 4));
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos,
            QStringList {
                u"INSERT INTO Downloads(\r\nNome\r\n,Arquivo\r\n,Categoria\r\n"
                ",Descricao\r\n,Tamanho\r\n,Versao\r\n,Copyright\r\n,Data\r\n"
                ") VALUES (\r\n'Calendário de provas'\r\n,'provas.pdf'\r\n,'Editais'"
                "\r\n,''\r\n,'cerca de 5'\r\n,''\r\n,''\r\n,'7/4/2024 00:00:00'\r\n)"_s });
        const QString id = valor(u"SELECT Id FROM Downloads WHERE Arquivo='provas.pdf'"_s);
        QCOMPARE(id, u"11"_s);
        QCOMPARE(dataHora(id), u"2024-07-04 00:00:00"_s);
        QCOMPARE(Linhas().mid(0, 2),
            QStringList({ u"Downloads, incluindo..."_s, u"Downloads, incluído"_s }));

        // Alterar escolhendo os três donos.
        j->comandos.clear();
        CLICAR_ID(j, id);
        j->BitBtnModificar->click();
        Editores::Escolher(j, u"EditDepartamento_Nome"_s, 10, u"5"_s);
        Editores::Escolher(j, u"EditSecao_Nome"_s, 21, u"3"_s);
        Editores::Escolher(j, u"EditAssistencia_Nome"_s, 73, u"2"_s);
        QCOMPARE(Edit(j, u"EditSecao_Nome"_s)->text(), u"Seção de Informática"_s);
        Digitar(j, u"EditVersao"_s, u"2"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Downloads SET \r\nNome='Calendário de provas'\r\n"
                          ",Arquivo='provas.pdf'\r\n,Categoria='Editais'\r\n,Descricao=''\r\n"
                          ",Tamanho='cerca de 5'\r\n,Versao='2'\r\n,Copyright=''\r\n"
                          ",Data='7/4/2024 00:00:00'\r\n,Departamento=5\r\n,Secao=3\r\n"
                          ",Assistencia=2\r\n WHERE Id=11"_s });
        QCOMPARE(valor(u"SELECT Secao FROM Downloads WHERE Id=11"_s), u"3"_s);
        Editores::DesinstalarEspia<TFormTabelaDownloads>(41);
    }

    void downloadObrigatorios_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem nome") << QString() << u"a.pdf"_s
                                  << u"O campo Nome deve estar preenchido. Operação "
                                     "interrompida."_s;
        QTest::newRow("sem arquivo") << u"A"_s << QString()
                                     << u"O campo Arquivo deve estar preenchido. Operação "
                                        "interrompida."_s;
    }
    void downloadObrigatorios()
    {
        QFETCH(QString, nome);
        QFETCH(QString, arquivo);
        QFETCH(QString, mensagem);
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(41);
        j->show();
        j->BitBtnIncluir->click();
        Digitar(j, u"EditNome"_s, nome);
        Digitar(j, u"EditArquivo"_s, arquivo);
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(), QStringList { mensagem });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Downloads"_s), u"10"_s);
        j->BitBtnCancelar->click();
    }

    // As categorias vêm da tabela de códigos uma vez por execução; vazia, o item único.
    void categoriasLidasUmaVez()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(41);
        j->show();
        QCOMPARE(itens(combo(j, u"EditCategoria"_s)),
            QStringList({ u"Atas de Reuniões"_s, u"Editais"_s, u"Formulários"_s, u"Manuais"_s,
                u"Programas"_s, u"Regimentos e Normas"_s, u"Relatórios"_s }));
        b.Executar(u"DELETE FROM DownloadsCategorias"_s);
        Apoio::Eventos().Limpar();
        j->ConsultarTabela();
        QVERIFY(!Apoio::Registrou(60, u"consultando..."_s));
        QCOMPARE(combo(j, u"EditCategoria"_s)->count(), 7);
        Registro::DestruirJanelas();
        j = Registro::Janela(41);
        j->show();
        QCOMPARE(itens(combo(j, u"EditCategoria"_s)), QStringList { u"TABELA ESTÁ VAZIA"_s });
        QVERIFY(Apoio::Registrou(60, u"consultado, 0 registros"_s));
        QVERIFY(r.mostradas.isEmpty());
    }

    // ---- Links -------------------------------------------------------------------

    // "Verificar endereços" confere os endereços completos da lista num servidor local e
    // mostra as linhas com problema (o que falta e o que não responde), que levam à linha
    // na janela; nada é gravado.
    void linksVerificados()
    {
        BANCO_DEMONSTRACAO(b, 1);
        ServidorHttp servidor;
        QVERIFY(servidor.isListening());
        const QList<QPair<int, QString>> urls = { { 2, u"/ok"_s }, { 3, u"/nao-existe"_s },
            { 4, u"/movido"_s }, { 5, u"/lento"_s }, { 7, u"/sem-head"_s } };
        for (const auto &[id, caminho] : urls)
            QVERIFY(b.Executar(u"UPDATE Links SET URL='"_s + servidor.Endereco(caminho)
                + u"' WHERE Id="_s + QString::number(id)));
        VerificacaoEnderecos::DefinirTempoPadrao(1500);
        auto *j = Editores::InstalarEspia<TFormTabelaLinks>(67);
        Roteiro r;
        j->show();
        j->Controle<QPushButton>(u"BitBtnVerificarEnderecos"_s)->click();
        auto *f = j->findChild<TFormVerificarEnderecos *>();
        QVERIFY(f && f->isVisible());
        QVERIFY(f->Verificacao().Ativa());
        QVERIFY(f->BitBtnCancelar->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!f->Verificacao().Ativa(), 10000);
        QVERIFY(!f->BitBtnCancelar->isEnabled());
        QCOMPARE(f->ProgressBarVerificacao->value(), f->ProgressBarVerificacao->maximum());
        QCOMPARE(
            f->LabelVerificacao->text(), u"5 endereços verificados; 2 com problema (abaixo)."_s);
        QStringList falhas;
        for (int i = 0; i < f->ListaFalhas->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = f->ListaFalhas->topLevelItem(i);
            falhas << item->text(0) + u" | "_s + item->text(2);
        }
        // na ordem da lista (Categoria, Nome)
        QCOMPARE(falhas,
            (QStringList { u"Biblioteca Digital de Teses | HTTP 404"_s,
                u"Conselho Nacional de Ciência Aplicada | sem resposta em 2 s"_s }));
        f->ListaFalhas->setCurrentItem(f->ListaFalhas->topLevelItem(1));
        QVERIFY(f->MostrarFalha());
        QCOMPARE(j->EditId->text(), u"5"_s);
        QVERIFY(j->comandos.isEmpty());
        QVERIFY(r.mostradas.isEmpty());
        // de novo, cancelada no meio
        j->Controle<QPushButton>(u"BitBtnVerificarEnderecos"_s)->click();
        QVERIFY(f->Verificacao().Ativa());
        f->BitBtnCancelar->click();
        QVERIFY(!f->Verificacao().Ativa());
        QVERIFY2(f->LabelVerificacao->text().startsWith(u"Verificação cancelada: "_s),
            qPrintable(f->LabelVerificacao->text()));
        VerificacaoEnderecos::DefinirTempoPadrao(10000);
        Editores::DesinstalarEspia<TFormTabelaLinks>(67);
    }

    void linkVazioEAlvoLongo()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaLinks>(67);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Links"_s);
        QCOMPARE(j->Query->TextoComando(), u"SELECT * FROM Links ORDER BY Categoria,Nome"_s);
        // Sem campo obrigatório: tudo vazio é gravado vazio.
        j->BitBtnIncluir->click();
        QCOMPARE(
            combo(j, u"EditAlvo"_s)->palette().color(QPalette::Base), ControleCampo::CorPesquisa());
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Links (\r\nNome\r\n,URL\r\n,Alvo\r\n,Categoria\r\n"
                          ",Comentario\r\n) VALUES (\r\n''\r\n,''\r\n,''\r\n,''\r\n,''\r\n)"_s });
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM Links WHERE Nome='' AND URL='' AND Alvo=''"_s), u"1"_s);
        // Os itens do alvo passam do limite do digitado e vão inteiros.
        j->comandos.clear();
        CLICAR_ID(j, u"4"_s);
        j->BitBtnModificar->click();
        QCOMPARE(combo(j, u"EditAlvo"_s)->currentText(), u"Abrir fora da página"_s);
        combo(j, u"EditAlvo"_s)->setCurrentIndex(0);
        Digitar(j, u"EditCategoria"_s, u"Pesquisa"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Links SET \r\nNome='Fundação de Amparo à Pesquisa do Vale'"
                          "\r\n,URL='https://www.fapv.example.org/'\r\n"
                          ",Alvo='Abrir dentro da página'\r\n,Categoria='Pesquisa'\r\n"
                          ",Comentario='Bolsas e auxílios à pesquisa.'\r\n WHERE Id=4"_s });
        // O digitado no alvo para nos dez caracteres.
        CLICAR_ID(j, u"4"_s);
        j->BitBtnModificar->click();
        QLineEdit *alvo = combo(j, u"EditAlvo"_s)->lineEdit();
        alvo->selectAll();
        QTest::keyClick(alvo, Qt::Key_Delete);
        QTest::keyClicks(alvo, u"_blank e mais"_s);
        QCOMPARE(alvo->text(), u"_blank e m"_s);
        j->BitBtnCancelar->click();
        Editores::DesinstalarEspia<TFormTabelaLinks>(67);
    }

    // ---- Descrições --------------------------------------------------------------

    void descricaoIncluirAlterarECapacidade()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDescricoes>(12);
        Roteiro r;
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Descrições"_s);
        auto *memo = j->Controle<QPlainTextEdit>(u"MemoDescricao"_s);
        auto *capacidade = j->Controle<QLabel>(u"LabelCapacidadeDescricao"_s);
        // Nomes repetidos são aceitos.
        j->BitBtnIncluir->click();
        QCOMPARE(capacidade->text(), QString());
        Digitar(j, u"EditNomeTabela"_s, u"Docentes"_s);
        memo->setPlainText(u"Outra\ndescrição"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Descricoes(\r\nNomeTabela\r\n,Descricao\r\n"
                          ") VALUES (\r\n'Docentes'\r\n,'Outra\r\ndescrição'\r\n)"_s });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Descricoes WHERE NomeTabela='Docentes'"_s), u"2"_s);
        // Cheia: 3990 caracteres dão 100%.
        j->comandos.clear();
        CLICAR_ID(j, u"5"_s);
        j->BitBtnModificar->click();
        memo->setPlainText(u"ã"_s.repeated(3990));
        QCOMPARE(capacidade->text(), u"100%"_s);
        j->BitBtnAceitar->click();
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Descricoes SET \r\nNomeTabela='Links'\r\n,Descricao='"_s
                + u"ã"_s.repeated(3990) + u"'\r\n WHERE Id=5"_s });
        QCOMPARE(valor(u"SELECT LENGTH(Descricao) FROM Descricoes WHERE Id=5"_s), u"3990"_s);
        Editores::DesinstalarEspia<TFormTabelaDescricoes>(12);
    }

    // Atualizar mostra a janela de novo: "conectado", a listagem e a primeira linha.
    void atualizarMostraDeNovo()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(12);
        j->show();
        b.Executar(u"INSERT INTO Descricoes (Id, NomeTabela, Descricao) VALUES (50, 'Avisos', "
                   "'Novos')"_s);
        CLICAR_ID(j, u"5"_s);
        Apoio::Eventos().Limpar();
        j->BitBtnAtualizar->click();
        QCOMPARE(Linhas(),
            QStringList({ u"Descrições, conectado"_s, u"Descrições, consultando..."_s,
                u"Descrições, consultado, 8 registros"_s }));
        QCOMPARE(j->GroupBox2->title(), u" Listagem (8) "_s);
        QCOMPARE(Edit(j, u"EditId"_s)->text(), Editores::IdsListados(j).first());
        QCOMPARE(Edit(j, u"EditNomeTabela"_s)->text(), u"Avisos"_s);
        QVERIFY(r.mostradas.isEmpty());
        // Editando, o Atualizar fica desabilitado.
        j->BitBtnModificar->click();
        QVERIFY(!j->BitBtnAtualizar->isEnabled());
        j->BitBtnCancelar->click();
    }

    // A listagem roda uma vez, dentro do tratamento de erros: a falha é registrada e
    // mostrada como as outras, e a janela abre vazia.
    void listagemFalhaRegistrada()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Editores::TabelaSumida sumida(b, u"Descricoes"_s);
        QVERIFY(sumida.Ok());
        Roteiro r;
        TFormTabela *j = Registro::Janela(12);
        j->show();
        QVERIFY(j->isVisible());
        QCOMPARE(r.mostradas.size(), 2);
        QVERIFY(r.Textos().at(0).startsWith(u"Erro de SQL:"_s));
        QCOMPARE(r.Textos().at(1), u"A tabela está vazia."_s);
        QCOMPARE(Linhas().count(u"Descrições, consultando..."_s), 1);
        QVERIFY(Apoio::Registrou(12, u"erro de SQL"_s));
        QCOMPARE(Edit(j, u"EditId"_s)->text(), QString());
        QVERIFY(j->FormClose());
    }
};

QTEST_MAIN(TesteConteudo)
#include "tst_conteudo.moc"

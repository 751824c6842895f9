// Pedidos de veículos e seus passageiros nos dois motores, sobre os dados de
// demonstração: o pedido mostrado, o novo pedido com as datas de hoje e as horas vazias,
// os comandos exatos (com as grafias de cada um), o destino que escolhe o departamento,
// a confirmação do ATAd e os passageiros de um pedido com as suas linhas reservadas.
#include "editores_apoio.h"

#include "TabelaVeiculos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
QString hoje()
{
    return DataParaSQL(QDate::currentDate());
}
} // namespace

class TesteVeiculos : public QObject {
    Q_OBJECT
    BancoTeste *m_banco = nullptr;

    QString valor(const QString &sql) { return m_banco->Valor(sql); }
    QCheckBox *confirmacao(TFormTabela *j) { return j->Controle<QCheckBox>(u"CheckBoxVisivel"_s); }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return j->Controle<QComboBox>(nome); }
private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { InstalarSaidaEventos(&Apoio::Eventos()); }
    void init()
    {
        EXIGIR_BANCO(b);
        m_banco = &b;
    }
    void cleanup() { Editores::Encerrar(m_banco, { 10, 78, 79 }); }

    void pedidoMostrado()
    {
        BANCO_DEMONSTRACAO(b, 12);
        Roteiro r;
        TFormTabela *j = Registro::Janela(78);
        QVERIFY(qobject_cast<TFormTabelaVeiculos *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Veiculos"_s);
        // Pela data do pedido.
        QCOMPARE(Editores::IdsListados(j), QStringList({ u"1"_s, u"5"_s, u"2"_s, u"3"_s, u"4"_s }));
        CLICAR_ID(j, u"2"_s);
        QCOMPARE(
            j->Controle<QDateEdit>(u"DateDataInicio"_s)->date(), QDate::currentDate().addDays(-3));
        QCOMPARE(Edit(j, u"EditCodKVA"_s)->text(), u"1043271"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Biologia"_s);
        QCOMPARE(combo(j, u"EditDescricaoServico"_s)->currentText(), u"Viagem"_s);
        QCOMPARE(combo(j, u"EditFinalidade"_s)->currentText(), u"Científica"_s);
        QCOMPARE(
            j->Controle<QDateEdit>(u"DateDataSaida"_s)->date(), QDate::currentDate().addDays(9));
        QCOMPARE(Edit(j, u"EditHoraSaida"_s)->displayText(), u"06:30"_s);
        QCOMPARE(combo(j, u"EditLocalSaida"_s)->currentText(), u"KVA"_s);
        QVERIFY(confirmacao(j)->isChecked());
        QCOMPARE(confirmacao(j)->text(), u"(Uso exclusivo do ATAd)"_s);
        QCOMPARE(confirmacao(j)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(
            j->findChild<QGroupBox *>(u"GroupBoxConfirmacao"_s)->title(), u"Confirmação do ATAd"_s);
        // Uma hora gravada que a máscara não mostra como está volta igual.
        CLICAR_ID(j, u"4"_s);
        QCOMPARE(j->Texto(u"EditHoraSaida"_s), u" 8:00"_s);
        b.Executar(u"UPDATE Veiculos SET hora_retorno='12h' WHERE Id=4"_s);
        j->ConsultarTabela();
        CLICAR_ID(j, u"4"_s);
        j->BitBtnModificar->click();
        j->BitBtnAceitar->click();
        QCOMPARE(valor(u"SELECT hora_retorno FROM Veiculos WHERE Id=4"_s), u"12h"_s);
        QVERIFY(r.mostradas.isEmpty());
    }

    void novoPedido()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaVeiculos>(78);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        for (const QString &d : { u"DateDataInicio"_s, u"DateDataSaida"_s, u"DateDataRetorno"_s })
            QCOMPARE(j->Controle<QDateEdit>(d)->date(), QDate::currentDate());
        QCOMPARE(Edit(j, u"EditHoraSaida"_s)->displayText(), u"__:__"_s);
        QVERIFY(!confirmacao(j)->isChecked());
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo nome deve estar preenchido. Operação interrompida."_s });
        r.Limpar();
        Digitar(j, u"EditNome"_s, u"Zé d'Água"_s);
        combo(j, u"EditMotorista"_s)->setCurrentIndex(1);
        Apoio::Eventos().Limpar();
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        const QString d = hoje();
        QCOMPARE(j->comandos,
            QStringList { u"INSERT INTO Veiculos(\r\nNome\r\n,DataInicio\r\n,nrkva_solicitante"
                          "\r\n,Ramal\r\n,Email_solicitante\r\n,Destino\r\n,Des_Servico\r\n"
                          ",Finalidade\r\n,Data_saida\r\n,Hora_saida\r\n,Data_retorno\r\n"
                          ",Hora_retorno\r\n,Motorista\r\n,Tipo_veic\r\n,Local_Saida\r\n"
                          ",Observacao\r\n,Conf_Atad\r\n) VALUES (\r\n'Zé d''Água'\r\n,'"_s
                + d + u"'\r\n,''\r\n,''\r\n,''\r\n,''\r\n,''\r\n,''\r\n,'"_s + d
                + u"'\r\n,'  :  '\r\n,'"_s + d
                + u"'\r\n,'  :  '\r\n,'Não'\r\n,''\r\n,''\r\n,''\r\n,'N'\r\n)"_s });
        const QString id = valor(u"SELECT Id FROM Veiculos WHERE Nome='Zé d''Água'"_s);
        QCOMPARE(valor(u"SELECT hora_saida FROM Veiculos WHERE Id="_s + id), u"  :  "_s);
        QCOMPARE(valor(u"SELECT COALESCE(Departamento, 0) FROM Veiculos WHERE Id="_s + id), u"0"_s);
        QCOMPARE(Linhas().mid(0, 2),
            QStringList({ u"Veiculos, incluindo..."_s, u"Veiculos, incluído"_s }));
        Editores::DesinstalarEspia<TFormTabelaVeiculos>(78);
    }

    // O duplo clique no destino escolhe o departamento e deixa o destino como estava.
    void alterarComDestinoQueEscolheODepartamento()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaVeiculos>(78);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"3"_s);
        Apoio::DuploClique(j, u"EditDestino"_s); // consultando: nada
        QVERIFY(!Registro::Janela(10)->isVisible());
        j->BitBtnModificar->click();
        Editores::Escolher(j, u"EditDestino"_s, 10, u"5"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Química"_s);
        QCOMPARE(Edit(j, u"EditDestino"_s)->text(), u"Observatório do Morro Alto"_s);
        Edit(j, u"EditHoraRetorno"_s)->setCursorPosition(0);
        QTest::keyClicks(Edit(j, u"EditHoraRetorno"_s), u"2345"_s);
        j->BitBtnAceitar->click();
        QVERIFY(r.mostradas.isEmpty());
        const QString saida = DataParaSQL(QDate::currentDate().addDays(16));
        QCOMPARE(j->comandos,
            QStringList { u"UPDATE Veiculos SET \r\nNome='Gervásio Tabatinga Nóbrega'\r\n"
                          ",DataInicio='"_s
                + DataParaSQL(QDate::currentDate().addDays(-1))
                + u"'\r\n,nrkva_solicitante='1187764'\r\n,Departamento=5\r\n,Ramal='1215'\r\n"
                  ",Email_solicitante='gervásio@qorvel.example.org'\r\n"
                  ",Destino='Observatório do Morro Alto'\r\n,Des_Servico='Viagem'\r\n"
                  ",Finalidade='Didática'\r\n,Data_Saida='"_s
                + saida + u"'\r\n,Hora_saida='13:00'\r\n,Data_Retorno='"_s + saida
                + u"'\r\n,Hora_retorno='23:45'\r\n,Motorista='Sim'\r\n,Tipo_veic='Ônibus'\r\n"
                  ",Local_saida='KVA'\r\n,Observacao='Turma de astronomia observacional.'\r\n"
                  ",Conf_Atad='N'\r\n WHERE Id=3"_s });
        QCOMPARE(valor(u"SELECT Departamento FROM Veiculos WHERE Id=3"_s), u"5"_s);
        Editores::DesinstalarEspia<TFormTabelaVeiculos>(78);
    }

    // A confirmação do ATAd: clicável em todo modo e por todo nível que abre a janela;
    // só o Aceitar a grava.
    void confirmacaoDoAtad_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QString>("id");
        QTest::newRow("ATAd") << 12 << u"3"_s;
        QTest::newRow("Biologia") << 3 << u"2"_s;
        QTest::newRow("Digitador") << 2 << u"4"_s;
    }
    void confirmacaoDoAtad()
    {
        QFETCH(int, nivel);
        QFETCH(QString, id);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = Registro::Janela(78);
        j->show();
        CLICAR_ID(j, id);
        const bool antes = confirmacao(j)->isChecked();
        QCOMPARE(antes, valor(u"SELECT Conf_atad FROM Veiculos WHERE Id="_s + id) == u"S"_s);
        // Consultando: muda a tela, não o banco; a próxima linha mostrada a volta.
        QVERIFY(confirmacao(j)->isEnabled());
        confirmacao(j)->click();
        QCOMPARE(confirmacao(j)->isChecked(), !antes);
        QCOMPARE(valor(u"SELECT Conf_atad FROM Veiculos WHERE Id="_s + id), LogicoParaTexto(antes));
        CLICAR_ID(j, u"1"_s);
        CLICAR_ID(j, id);
        QCOMPARE(confirmacao(j)->isChecked(), antes);
        // Modificando, o Aceitar grava a marca.
        j->BitBtnModificar->click();
        confirmacao(j)->click();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(
            valor(u"SELECT Conf_atad FROM Veiculos WHERE Id="_s + id), LogicoParaTexto(!antes));
    }

    void passageiros()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *p = Editores::InstalarEspia<TFormTabelapassageiros>(79);
        Roteiro r;
        TFormTabela *j = Registro::Janela(78);
        j->show();
        // Pedido sem passageiros: a tabela vazia e os campos do pedido vazios.
        Editores::NaFilha(j, u"4"_s, u"BitBtnPassageiros"_s, [&](TFormTabela *) {
            QCOMPARE(p->windowTitle(), u"Tabela Passageiros"_s);
            QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
            QCOMPARE(Edit(p, u"EditSolicitante_Nome"_s)->text(), QString());
            p->BitBtnIncluir->click();
            QCOMPARE(Edit(p, u"EditSolicitante"_s)->text(), u"4"_s);
            QCOMPARE(Edit(p, u"EditSolicitante_Nome"_s)->text(), u"Jurema Itaquera Pestana"_s);
            // O nome do passageiro não é obrigatório.
            Digitar(p, u"EditCPF"_s, u"111.222.333-44"_s);
            p->BitBtnAceitar->click();
            QCOMPARE(p->comandos,
                QStringList { u"INSERT INTO Passageiros(\r\nSolicitante\r\n,Passageiro\r\n"
                              ",RG\r\n,CIC\r\n,Funcao\r\n,Endereco\r\n) VALUES (\r\n4\r\n,''"
                              "\r\n,''\r\n,'111.222.333-44'\r\n,''\r\n,''\r\n)"_s });
            p->comandos.clear();
            CLICAR_ID(p, Editores::IdsListados(p).first());
            p->BitBtnModificar->click();
            Digitar(p, u"EditPassageiro"_s, u"Joana Cariri"_s);
            p->BitBtnAceitar->click();
            QCOMPARE(p->comandos,
                QStringList { u"UPDATE Passageiros SET \r\nSolicitante=4\r\n"
                              ",Passageiro='Joana Cariri'\r\n,RG=''\r\n,CIC='111.222.333-44'"
                              "\r\n,Funcao=''\r\n,Endereco=''\r\n WHERE Id=6"_s });
        });
        QCOMPARE(r.Textos(), QStringList { u"A tabela está vazia."_s });
        // Apagar o pedido deixa os passageiros.
        CLICAR_ID(j, u"2"_s);
        r.Responder(true);
        j->BitBtnExcluir->click();
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Veiculos WHERE Id=2"_s), u"0"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Passageiros WHERE Solicitante=2"_s), u"3"_s);
        Editores::DesinstalarEspia<TFormTabelapassageiros>(79);
    }

    // As linhas reservadas dos passageiros: modificar olha o pedido "[vazio]" (só os
    // níveis 1 e 2); apagar olha o passageiro "[vazio]" (ninguém).
    void passageirosReservados_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::newRow("Administrador") << 1;
        QTest::newRow("Digitador") << 2;
        QTest::newRow("ATAd") << 12;
    }
    void passageirosReservados()
    {
        QFETCH(int, nivel);
        BANCO_DEMONSTRACAO(b, nivel);
        b.Executar(u"INSERT INTO Passageiros (Id, Solicitante, Passageiro) VALUES (20, 1, "
                   "'Alguém')"_s);
        b.Executar(u"INSERT INTO Passageiros (Id, Solicitante, Passageiro) VALUES (21, 3, "
                   "'[vazio]')"_s);
        const QString modificar
            = u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s;
        const QString apagar
            = u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s;
        Roteiro r;
        TFormTabela *j = Registro::Janela(78);
        j->show();
        Editores::NaFilha(j, u"1"_s, u"BitBtnPassageiros"_s, [&](TFormTabela *p) {
            CLICAR_ID(p, u"20"_s);
            QCOMPARE(Edit(p, u"EditSolicitante_Nome"_s)->text(), u"[vazio]"_s);
            p->BitBtnModificar->click();
            const bool modifica = nivel == 1 || nivel == 2;
            QCOMPARE(p->Modo, modifica ? ModoTabela::Modificando : ModoTabela::Consultando);
            QCOMPARE(r.Textos(), modifica ? QStringList() : QStringList { modificar });
            if (modifica)
                p->BitBtnCancelar->click();
        });
        r.Limpar();
        Editores::NaFilha(j, u"3"_s, u"BitBtnPassageiros"_s, [&](TFormTabela *p) {
            CLICAR_ID(p, u"21"_s);
            p->BitBtnExcluir->click();
            QCOMPARE(r.Textos(), QStringList { apagar });
            // Modificar um passageiro "[vazio]" de um pedido comum é permitido.
            r.Limpar();
            p->BitBtnModificar->click();
            QCOMPARE(p->Modo, ModoTabela::Modificando);
            p->BitBtnCancelar->click();
        });
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Passageiros WHERE Id=21"_s), u"1"_s);
    }
};

QTEST_MAIN(TesteVeiculos)
#include "tst_veiculos.moc"

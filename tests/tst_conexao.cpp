// Conexão pela janela principal nos dois motores: escolha do nível, senha, leitura das
// configurações do servidor, contagem de instâncias, tabelas e filtro de cada nível.
#include "Aviso.h"
#include "BancoTeste.h"
#include "Login.h"
#include "Main.h"
#include "Modal.h"
#include "PedidoSenha.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString CaixaLogin
    = u"Erro de Login:\n\r\n\rNome do usuário ou senha incorretos.\n\rConexão não realizada."_s;
const QString CaixaErroGrave = u"ERRO GRAVE:\n\r\n\rNão foi possível ler configurações do "
                               "servidor.\n\rEntre em contato com o administrador da rede da "
                               "QORVEL."_s;
const QString CaixaFinalizar = u"O programa será desconectado do servidor e será finalizado."_s;
const QString CaixaPermissoes
    = u"Entre em contato com o Seção de Informática e informe que houve erro\r\nna definição das "
      "permissões de acesso às tabelas para o seu login."_s;

QString semHora(const QString &linha)
{
    return linha.mid(linha.indexOf(u' ') + 1);
}
} // namespace

class TesteConexao : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> pasta;
    QString pastaOriginal;
    TFormMain *principal = nullptr;
    QString senhaDigitada; // o que o pedido de senha responde
    bool cancelarSenha = false;
    int pedidosSenha = 0;

    BancoTeste &banco() { return BancoTeste::De(MotorAtual()); }
    bool postgres() const { return MotorAtual() == Motor::PostgreSQL; }

    // Linhas do registro sem a hora, a partir da linha 'desde'.
    QStringList registro(int desde = 0) const
    {
        QStringList r;
        const QStringList linhas = principal->RichEditEventos->toPlainText().split(u'\n');
        for (int i = desde; i < linhas.size(); ++i)
            r << semHora(linhas.at(i));
        return r;
    }
    int linhasNoRegistro() const { return SaidaEventosAtual()->NumeroLinhas(); }

    // Escolhe o nível na caixa de níveis (pela lista, como o usuário) e conecta.
    void conectar(int nivel)
    {
        senhaDigitada = banco().Senha(nivel);
        AoAbrirModal(
            [nivel](QWidget *w) {
                w->findChild<QComboBox *>(u"EditUsuario"_s)->setCurrentIndex(nivel - 1);
            },
            u"FormLogin"_s);
        principal->ArquivoConectar->trigger();
    }
    void responderAviso(const QString &botao, std::function<void(TFormAviso *)> conferir = {})
    {
        AoAbrirModal(
            [botao, conferir](QWidget *w) {
                if (conferir)
                    conferir(static_cast<TFormAviso *>(w));
                if (botao.isEmpty())
                    w->close();
                else
                    Clicar(w, botao);
            },
            u"FormAviso"_s);
    }
    int instancias() { return contagemNoServidor().toInt(); }
    QString contagemNoServidor()
    {
        return banco().Valor(u"SELECT CASE WHEN Instancias IS NULL THEN 'nulo' ELSE "
                             "CAST(Instancias AS VARCHAR(10)) END FROM Tarvisco WHERE Id=1"_s);
    }
    void configurar(const QString &atribuicoes)
    {
        QVERIFY2(banco().Executar(u"UPDATE Tarvisco SET "_s + atribuicoes + u" WHERE Id=1"_s),
            qPrintable(banco().UltimoErro()));
    }
    // Conjunto de ações de tabela visíveis, por etiqueta.
    QList<int> etiquetasVisiveis() const
    {
        QList<int> r;
        for (QAction *a : principal->ActionList)
            if (TFormMain::Categoria(a) == u"Tabela"_s && a->isVisible())
                r << TFormMain::Etiqueta(a);
        std::sort(r.begin(), r.end());
        return r;
    }
    static QList<int> etiquetasDoNivel(int nivel)
    {
        QList<int> r;
        for (int e = 0; e <= 25; ++e)
            if (NivelVeTabela(nivel, e))
                r << e;
        return r;
    }

private slots:
    void initTestCase_data() { LinhasMotores(); }
    void initTestCase() { pastaOriginal = QDir::currentPath(); }

    void init()
    {
        EXIGIR_BANCO(b);
        b.Reiniciar();
        pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(pasta->path()));
        Servidor::Database().Close();
        Servidor::Database().Fonte = b.Fonte();
        cancelarSenha = false;
        pedidosSenha = 0;
        TDatabase::DefinirPedidoSenha([this](const QString &, QString &, QString &senha) {
            ++pedidosSenha;
            senha = senhaDigitada;
            return !cancelarSenha;
        });
        principal = CriarJanelasDoPrograma();
        principal->show();
        QVERIFY(QTest::qWaitForWindowExposed(principal));
    }
    void cleanup()
    {
        delete principal;
        principal = nullptr;
        Registro::DestruirJanelas();
        Servidor::Database().Close();
        TDatabase::DefinirPedidoSenha({});
        QDir::setCurrent(pastaOriginal);
        pasta.reset();
    }

    void versaoIgualConectaEDesconecta()
    {
        Roteiro roteiro;
        configurar(u"Email='suporte@qorvel.example.org'"_s);
        const int antes = linhasNoRegistro();
        conectar(1);
        QVERIFY(roteiro.mostradas.isEmpty());
        QVERIFY(Servidor::Database().Connected());
        QCOMPARE(pedidosSenha, postgres() ? 1 : 0); // o SQLite não pede senha
        QCOMPARE(registro(antes),
            QStringList({ u"Tarvisco, Rodando como usuário [Administrador]"_s,
                u"Tarvisco, tentando conectar..."_s, u"Tarvisco, conectado"_s,
                u"Tarvisco, verificando configurações no servidor..."_s,
                u"Tarvisco, configurações verificadas no servidor"_s,
                u"Tarvisco, consultado, contagem de instâncias do Tarvisco"_s,
                u"Tarvisco, alterado, contagem de instâncias do Tarvisco"_s,
                u"Tarvisco, Ok, pronto para uso"_s }));
        QCOMPARE(instancias(), 1);
        QCOMPARE(principal->windowTitle(), u"Tarvisco 16 [Administrador]"_s);
        QCOMPARE(principal->TextoStatus(), u"Conectado com o servidor"_s);
        QVERIFY(!principal->ArquivoConectar->isEnabled());
        QVERIFY(principal->ArquivoDesconectar->isEnabled());
        QCOMPARE(etiquetasVisiveis(), etiquetasDoNivel(1));
        QVERIFY(principal->Tabela->isVisible());
        QCOMPARE(EmailWebMaster, u"suporte@qorvel.example.org"_s);
        QCOMPARE(FiltroTabelas, QString());

        const int meio = linhasNoRegistro();
        principal->ArquivoDesconectar->trigger();
        QVERIFY(!Servidor::Database().Connected());
        QCOMPARE(instancias(), 0);
        QCOMPARE(registro(meio),
            QStringList({ u"Tarvisco, consultado, contagem de instâncias do Tarvisco"_s,
                u"Tarvisco, alterado, contagem de instâncias do Tarvisco"_s,
                u"Tarvisco, desconectando..."_s, u"Tarvisco, desconectado"_s }));
        QCOMPARE(principal->TextoStatus(), u"Desconectado do servidor"_s);
        QCOMPARE(principal->windowTitle(), u"Tarvisco 16"_s);
        QVERIFY(etiquetasVisiveis().isEmpty());
        QVERIFY(principal->ArquivoConectar->isEnabled());
        QVERIFY(!principal->ArquivoDesconectar->isEnabled());
        QCOMPARE(NivelAcesso, 1); // o nível fica depois de desconectar
    }

    void emailVazioTambemECopiado()
    {
        configurar(u"Email=''"_s);
        conectar(1);
        QCOMPARE(EmailWebMaster, QString());
        Roteiro roteiro;
        principal->AjudaContactarWebMaster->trigger();
        QVERIFY(roteiro.Textos().first().contains(u"e-mail para\n\r\n\r\n\r\n\respecificando"_s));
    }

    void versaoDiferente_data()
    {
        QTest::addColumn<QString>("versao");
        QTest::addColumn<QString>("desligar");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<bool>("okVisivel");
        QTest::addColumn<bool>("continua");
        QTest::newRow("15, OK") << u"15"_s << u"N"_s << u"BitBtnOk"_s << true << true;
        QTest::newRow("17, OK") << u"17"_s << u"N"_s << u"BitBtnOk"_s << true << true;
        QTest::newRow("17, Sair") << u"17"_s << u"N"_s << u"BitBtnDesligarPrograma"_s << true
                                  << false;
        QTest::newRow("'16 ' difere") << u"16 "_s << u"N"_s << u"BitBtnOk"_s << true << true;
        QTest::newRow("desligar S")
            << u"15"_s << u"S"_s << u"BitBtnDesligarPrograma"_s << false << false;
        QTest::newRow("desligar S, caixa de fechar")
            << u"15"_s << u"S"_s << QString() << false << false;
        QTest::newRow("desligar s não esconde OK")
            << u"15"_s << u"s"_s << u"BitBtnOk"_s << true << true;
    }
    void versaoDiferente()
    {
        QFETCH(QString, versao);
        QFETCH(QString, desligar);
        QFETCH(QString, botao);
        QFETCH(bool, okVisivel);
        QFETCH(bool, continua);
        configurar(u"Versao='%1', DesligarVersaoAntiga='%2', URL='http://x.example.org/novo'"_s.arg(
            versao, desligar));
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        bool visto = false;
        responderAviso(botao, [&](TFormAviso *aviso) {
            visto = true;
            QCOMPARE(aviso->BitBtnOk->isVisible(), okVisivel);
            QVERIFY(aviso->BitBtnDesligarPrograma->isVisible());
            QCOMPARE(aviso->LabelURL->text(), u"http://x.example.org/novo"_s);
            QVERIFY(aviso->LabelURL->isVisible());
            QVERIFY(aviso->LabelURLFrase->isVisible());
        });
        conectar(2);
        QVERIFY(visto);
        if (continua) {
            QVERIFY(roteiro.mostradas.isEmpty());
            QVERIFY(Servidor::Database().Connected());
            QCOMPARE(instancias(), 1);
            QCOMPARE(etiquetasVisiveis(), etiquetasDoNivel(2));
            QCOMPARE(fim.count(), 0);
            return;
        }
        // Recusada: desconecta e termina sem perguntar; sem "ERRO GRAVE"; contagem intacta.
        QCOMPARE(roteiro.Textos(), QStringList { CaixaFinalizar });
        QVERIFY(!Servidor::Database().Connected());
        QCOMPARE(instancias(), 0);
        QVERIFY(principal->FecharSemConfirmar);
        QCOMPARE(fim.count(), 1);
        QVERIFY(!principal->isVisible());
        QVERIFY(etiquetasVisiveis().isEmpty());
        QCOMPARE(principal->TextoStatus(), u"Desconectado do servidor"_s);
        QVERIFY(registro().contains(u"Tarvisco, desconectado"_s));
    }

    void urlVaziaEscondeFraseELink()
    {
        configurar(u"Versao='17', URL=''"_s);
        bool visto = false;
        responderAviso(u"BitBtnOk"_s, [&](TFormAviso *aviso) {
            visto = true;
            QVERIFY(!aviso->LabelURL->isVisible());
            QVERIFY(!aviso->LabelURLFrase->isVisible());
        });
        conectar(1);
        QVERIFY(visto);
        QVERIFY(Servidor::Database().Connected());
    }

    void contagem_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("conectado");
        QTest::addColumn<QString>("desconectado");
        QTest::newRow("sobe e desce") << u"5"_s << u"6"_s << u"5"_s;
        QTest::newRow("vazia: nada muda") << u"NULL"_s << u"nulo"_s << u"nulo"_s;
    }
    void contagem()
    {
        QFETCH(QString, inicial);
        QFETCH(QString, conectado);
        QFETCH(QString, desconectado);
        configurar(u"Instancias="_s + inicial);
        Roteiro roteiro;
        conectar(1);
        QCOMPARE(contagemNoServidor(), conectado);
        QCOMPARE(registro().contains(u"Tarvisco, alterado, contagem de instâncias do Tarvisco"_s),
            conectado != u"nulo"_s);
        principal->ArquivoDesconectar->trigger();
        QCOMPARE(contagemNoServidor(), desconectado);
        QVERIFY(roteiro.mostradas.isEmpty());
    }

    void contagemNaoFicaNegativa()
    {
        conectar(1);
        configurar(u"Instancias=0"_s); // outra cópia zerou a contagem
        const int antes = linhasNoRegistro();
        principal->ArquivoDesconectar->trigger();
        QCOMPARE(instancias(), 0);
        QCOMPARE(registro(antes),
            QStringList({ u"Tarvisco, consultado, contagem de instâncias do Tarvisco"_s,
                u"Tarvisco, desconectando..."_s, u"Tarvisco, desconectado"_s }));
    }

    void fecharConectadoBaixaAContagemUmaVez()
    {
        configurar(u"Instancias=2"_s);
        conectar(1);
        QCOMPARE(instancias(), 3);
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        roteiro.Responder(true);
        QVERIFY(principal->close());
        QCOMPARE(instancias(), 2);
        QCOMPARE(fim.count(), 1);
        QVERIFY(!Servidor::Database().Connected());
        QVERIFY(QFile::exists(u"Tarvisco.ini"_s));
    }

    void fecharComNaoMantemConexao()
    {
        conectar(1);
        Roteiro roteiro;
        roteiro.Responder(false);
        QVERIFY(!principal->close());
        QVERIFY(Servidor::Database().Connected());
        QCOMPARE(instancias(), 1);
        QVERIFY(!QFile::exists(u"Tarvisco.ini"_s));
    }

    void tabelasDeCadaNivel_data()
    {
        QTest::addColumn<int>("nivel");
        for (int n = 1; n <= NumeroNiveis; ++n)
            QTest::newRow(qPrintable(NomeNivel(n))) << n;
    }
    void tabelasDeCadaNivel()
    {
        QFETCH(int, nivel);
        Roteiro roteiro;
        conectar(nivel);
        QVERIFY2(roteiro.mostradas.isEmpty(), qPrintable(roteiro.Textos().join(u" | "_s)));
        QVERIFY(Servidor::Database().Connected());
        QCOMPARE(etiquetasVisiveis(), etiquetasDoNivel(nivel));
        // O nível 11 não vê nem o menu "Tabela".
        QCOMPARE(principal->Tabela->isVisible(), nivel != 11);
        QCOMPARE(registro().last(), u"Tarvisco, Ok, pronto para uso"_s);
        QCOMPARE(instancias(), 1);

        QString filtro;
        if (nivel >= 3 && nivel <= 6) {
            filtro = banco().Valor(
                u"SELECT Id FROM Departamentos WHERE Nome='"_s + DepartamentoNivel(nivel) + u"'"_s);
            QVERIFY(!filtro.isEmpty());
            QVERIFY(registro().contains(u"Tarvisco, consultado, filtro SQL definido"_s));
        } else if (nivel == 9) {
            filtro = u"Graduação"_s;
        } else if (nivel == 10) {
            filtro = u"Pós-Graduação"_s;
        }
        QCOMPARE(FiltroTabelas, filtro);
        principal->ArquivoDesconectar->trigger();
        QCOMPARE(instancias(), 0);
        QCOMPARE(FiltroTabelas, filtro); // fica até a próxima conexão
    }

    void filtroRecalculadoNaProximaConexao()
    {
        conectar(3);
        QVERIFY(!FiltroTabelas.isEmpty());
        principal->ArquivoDesconectar->trigger();
        conectar(9);
        QCOMPARE(FiltroTabelas, u"Graduação"_s);
        principal->ArquivoDesconectar->trigger();
        conectar(1);
        QCOMPARE(FiltroTabelas, QString());
    }

    void departamentoDoNivelAusente()
    {
        // Sem a linha (no PostgreSQL o departamento do login é o Id, não o nome).
        QVERIFY(banco().Executar(u"DELETE FROM Departamentos WHERE Nome='Biologia'"_s));
        Roteiro roteiro;
        conectar(3);
        // Sem filtro o nível veria todos os departamentos: é falha, e as tabelas somem.
        QCOMPARE(roteiro.Textos(), QStringList { CaixaPermissoes });
        QCOMPARE(FiltroTabelas, QString());
        QVERIFY(etiquetasVisiveis().isEmpty());
        QVERIFY(Servidor::Database().Connected());
        QVERIFY(principal->ArquivoDesconectar->isEnabled());
        const QStringList r = registro();
        QVERIFY(r.contains(u"Tarvisco, erro, filtro SQL não definido"_s));
        QVERIFY(!r.contains(u"Tarvisco, consultado, filtro SQL definido"_s));
        QVERIFY(!r.contains(u"Tarvisco, Ok, pronto para uso"_s));
        principal->ArquivoDesconectar->trigger();
        QCOMPARE(instancias(), 0);
    }

    void configuracaoIlegivel_data()
    {
        QTest::addColumn<QString>("estragar");
        QTest::addColumn<QString>("consertar");
        QTest::newRow("tabela ausente") << u"ALTER TABLE Tarvisco RENAME TO TarviscoGuardada"_s
                                        << u"ALTER TABLE TarviscoGuardada RENAME TO Tarvisco"_s;
        QTest::newRow("tabela vazia") << u"DELETE FROM Tarvisco"_s << QString();
        QTest::newRow("sem a coluna URL")
            << u"ALTER TABLE Tarvisco RENAME COLUMN URL TO URLGuardada"_s
            << u"ALTER TABLE Tarvisco RENAME COLUMN URLGuardada TO URL"_s;
        QTest::newRow("sem a coluna Versao")
            << u"ALTER TABLE Tarvisco RENAME COLUMN Versao TO VersaoGuardada"_s
            << u"ALTER TABLE Tarvisco RENAME COLUMN VersaoGuardada TO Versao"_s;
        QTest::newRow("sem a coluna Instancias")
            << u"ALTER TABLE Tarvisco RENAME COLUMN Instancias TO InstanciasGuardada"_s
            << u"ALTER TABLE Tarvisco RENAME COLUMN InstanciasGuardada TO Instancias"_s;
    }
    void configuracaoIlegivel()
    {
        QFETCH(QString, estragar);
        QFETCH(QString, consertar);
        QVERIFY2(banco().Executar(estragar), qPrintable(banco().UltimoErro()));
        QSignalSpy fim(principal, &TFormMain::Finalizado);
        Roteiro roteiro;
        conectar(1);
        const bool consertado = consertar.isEmpty() || banco().Executar(consertar);
        QVERIFY2(consertado, qPrintable(banco().UltimoErro()));
        QCOMPARE(roteiro.Textos(), QStringList({ CaixaErroGrave, CaixaFinalizar }));
        const QStringList r = registro();
        const auto excecao = std::find_if(r.begin(), r.end(),
            [](const QString &l) { return l.startsWith(u"Tarvisco, exceção, "_s); });
        QVERIFY(excecao != r.end());
        QVERIFY(excecao->size() > QStringLiteral("Tarvisco, exceção, ").size());
        QVERIFY(!r.contains(u"Tarvisco, Ok, pronto para uso"_s));
        QVERIFY(!Servidor::Database().Connected());
        QCOMPARE(fim.count(), 1);
        QVERIFY(principal->FecharSemConfirmar);
        QVERIFY(etiquetasVisiveis().isEmpty());
    }

    void cancelarEscolhaNaoConecta()
    {
        conectar(1);
        principal->ArquivoDesconectar->trigger();
        const int antes = linhasNoRegistro();
        // A caixa de fechar conta como Cancelar mesmo depois de uma escolha.
        AoAbrirModal([](QWidget *w) { w->close(); }, u"FormLogin"_s);
        principal->ArquivoConectar->trigger();
        QCOMPARE(linhasNoRegistro(), antes);
        QVERIFY(!Servidor::Database().Connected());
        AoAbrirModal([](QWidget *w) { Clicar(w, u"BitBtnCancelar"_s); }, u"FormLogin"_s);
        principal->ArquivoConectar->trigger();
        QCOMPARE(linhasNoRegistro(), antes);
    }

    void senhaErrada()
    {
        if (!postgres())
            QSKIP("o SQLite não pede senha");
        Roteiro roteiro;
        const int antes = linhasNoRegistro();
        AoAbrirModal(
            [](QWidget *w) { w->findChild<QComboBox *>(u"EditUsuario"_s)->setCurrentIndex(4); },
            u"FormLogin"_s);
        senhaDigitada = u"errada"_s;
        principal->ArquivoConectar->trigger();
        QCOMPARE(roteiro.Textos(), QStringList { CaixaLogin });
        QCOMPARE(registro(antes),
            QStringList({ u"Tarvisco, Rodando como usuário [Departamento de Psicologia e "
                          "Educação]"_s,
                u"Tarvisco, tentando conectar..."_s,
                u"Tarvisco, conexão não realizada, nome do usuário ou senha "
                "incorretos"_s }));
        QVERIFY(!Servidor::Database().Connected());
        QCOMPARE(
            principal->windowTitle(), u"Tarvisco 16 [Departamento de Psicologia e Educação]"_s);
        QVERIFY(etiquetasVisiveis().isEmpty());
        QCOMPARE(principal->TextoStatus(), u"Desconectado do servidor"_s);
        QVERIFY(principal->ArquivoConectar->isEnabled());
        // E tenta de novo, com a senha certa.
        roteiro.Limpar();
        conectar(5);
        QVERIFY(Servidor::Database().Connected());
        QVERIFY(roteiro.mostradas.isEmpty());
    }

    void senhaCanceladaOuServidorParado_data()
    {
        QTest::addColumn<bool>("cancelar");
        QTest::newRow("pedido cancelado") << true;
        QTest::newRow("servidor fora do ar") << false;
    }
    void senhaCanceladaOuServidorParado()
    {
        QFETCH(bool, cancelar);
        if (cancelar && !postgres())
            QSKIP("o SQLite não pede senha");
        cancelarSenha = cancelar;
        if (!cancelar) {
            FonteDados fora = banco().Fonte();
            if (postgres())
                fora.porta = banco().Fonte().porta == 1 ? 2 : 1; // ninguém escuta ali
            else
                fora.arquivo = pasta->path() + u"/nao-existe/Dados_HP.sqlite"_s;
            Servidor::Database().Fonte = fora;
        }
        Roteiro roteiro;
        const int antes = linhasNoRegistro();
        AoAbrirModal(
            [](QWidget *w) { w->findChild<QComboBox *>(u"EditUsuario"_s)->setCurrentIndex(0); },
            u"FormLogin"_s);
        principal->ArquivoConectar->trigger();
        QVERIFY(roteiro.mostradas.isEmpty());
        QCOMPARE(registro(antes),
            QStringList({ u"Tarvisco, Rodando como usuário [Administrador]"_s,
                u"Tarvisco, tentando conectar..."_s, u"Tarvisco, conexão não realizada."_s }));
        QVERIFY(!Servidor::Database().Connected());
        QVERIFY(etiquetasVisiveis().isEmpty());
    }

    void pedidoDeSenhaNaTela()
    {
        if (!postgres())
            QSKIP("o SQLite não pede senha");
        InstalarPedidoSenha();
        const QString senha = banco().Senha(1);
        QString fonte, usuario;
        AoAbrirModal(
            [&](QWidget *w) {
                fonte = w->findChild<QLabel *>(u"LabelFonte"_s)->text();
                usuario = w->findChild<QLineEdit *>(u"EditUsuario"_s)->text();
                w->findChild<QLineEdit *>(u"EditSenha"_s)->setText(senha);
                Clicar(w, u"BitBtnOk"_s);
            },
            u"FormSenha"_s);
        conectar(1);
        QCOMPARE(fonte, u"Dados_HP"_s);
        QCOMPARE(usuario, u"tarvisco_adm"_s);
        QVERIFY(Servidor::Database().Connected());
    }

    // Os textos longos e a consulta compartilhada são os da conexão do programa.
    void textosLongosNaConexaoDoPrograma()
    {
        conectar(1);
        const QString id = banco().Valor(u"SELECT Id FROM Departamentos WHERE Nome='Química'"_s);
        QVERIFY(!id.isEmpty());
        const QString texto = u"Linha 1\r\nO'Brien \\ \"aspas\" ; DROP TABLE x; --"_s;
        QVERIFY(InserirCampoDescricao(id, 61, texto, u"Departamento"_s));
        QString lido;
        QVERIFY(MostrarCampoDescricao(id, 61, lido, u"Departamento"_s));
        QCOMPARE(lido, texto);
        QVERIFY(AtualizarCampoDescricao(id, 61, u"outro"_s, u"Departamento"_s));
        QVERIFY(MostrarCampoDescricao(id, 61, lido, u"Departamento"_s));
        QCOMPARE(lido, u"outro"_s);
        QVERIFY(ExcluirCampoDescricao(id, 61, u"Departamento"_s));
        QCOMPARE(ProcurarId(10, u"Química"_s, u"Nome"_s), id);
        QCOMPARE(&principal->Query(), &Servidor::Query());
        QCOMPARE(&principal->Database(), &Servidor::Database());
    }
};

QTEST_MAIN(TesteConexao)
#include "tst_conexao.moc"

// Registro de eventos: linhas, cores, limite de 2000 linhas, classificação dos erros,
// arquivo log/eventos.log em RTF, e os blocos de linhas no registro em memória e no texto
// rico da janela principal.
#include "Arquivos.h"
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "Rtf.h"
#include "SaidaMemoria.h"
#include "SaidaRichEdit.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <cerrno>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString SenhaRecusada = u"Unknown user name or password"_s;
const QString SemConexao = u"Cannot connect"_s;
const QString CaixaLogin
    = u"Erro de Login:\n\r\n\rNome do usuário ou senha incorretos.\n\rConexão não realizada."_s;
const QRegularExpression Hora(u"^\\d\\d:\\d\\d:\\d\\d$"_s);

// Separa "hora texto".
QString semHora(const QString &linha)
{
    const qsizetype espaco = linha.indexOf(u' ');
    return linha.mid(espaco + 1);
}
QString hora(const QString &linha)
{
    return linha.left(linha.indexOf(u' '));
}
} // namespace

class TesteLog : public QObject {
    Q_OBJECT
    QTemporaryDir pasta;
    QString pastaOriginal;
    SaidaMemoria *saida = nullptr;

    enum Falha { LogArquivo, PastaSomenteLeitura, LimiteTamanho, Simulada };

    // O texto rico da janela principal como destino do registro.
    struct TextoRico {
        QTextEdit texto;
        QLabel status;
        SaidaRichEdit saida { &texto, &status, &texto };
        TextoRico()
        {
            texto.resize(400, 200);
            texto.show();
        }
    };
    // O que ficou registrado, sem a hora: texto e cor de cada linha.
    static QStringList semHoras(const QList<Rtf::Linha> &linhas)
    {
        QStringList l;
        for (const Rtf::Linha &x : linhas)
            l << semHora(x.texto) + u' ' + x.cor.name();
        return l;
    }
    static QList<Rtf::Linha> linhasDe(const SaidaMemoria &m)
    {
        QList<Rtf::Linha> l;
        for (const auto &x : m.linhas)
            l.append({ x.texto, x.cor });
        return l;
    }
    // O arquivo do registro sem as horas (vazio se não foi gravado).
    QByteArray arquivoSemHoras() const
    {
        return QString::fromLatin1(arquivoLog())
            .replace(QRegularExpression(u"\\d\\d:\\d\\d:\\d\\d "_s), QString())
            .toLatin1();
    }
    // O roteiro dos blocos: seis eventos de duas cores, um deles com quebras de linha, um
    // erro de SQL e mais seis eventos.
    static void roteiroDoBloco()
    {
        for (int i = 0; i < 13; ++i) {
            if (i == 6) {
                RegistrarErro(11, u"relation \"x\" does not exist"_s);
                continue;
            }
            RegistrarEvento(i % 2 ? 10 : 13, u"consultado"_s,
                u"linha %1"_s.arg(i)
                    + (i == 5 ? u"\r\nsegunda\r\nterceira\r\nquarta"_s : QString()));
        }
    }
    static void encherDestino(SaidaEventos &s, int linhas)
    {
        for (int i = 0; i < linhas; ++i)
            s.AcrescentarLinha(u"00:00:00 linha %1"_s.arg(i), CorTabela(10));
    }
    rlimit limiteOriginal {};

    // Liga (antes do comando) e desliga (depois) a causa da falha de gravação. A causa
    // que dura (o arquivo "log", a pasta sem permissão) é desfeita no fim do caso.
    void provocar(Falha falha, bool ligar)
    {
        switch (falha) {
        case LogArquivo:
            if (ligar && !QFileInfo(u"log"_s).isFile()) {
                QDir(u"log"_s).removeRecursively();
                QFile f(u"log"_s);
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
            break;
        case PastaSomenteLeitura:
            // root ignora as permissões: o acesso aos arquivos passa a ser o de "nobody".
            if (ligar) {
                QVERIFY(QDir().mkpath(u"log"_s));
                QVERIFY(QFile::setPermissions(pasta.path(),
                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                        | QFile::ExeOther));
                QVERIFY(QFile::setPermissions(u"log"_s,
                    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
                if (geteuid() == 0)
                    setfsuid(65534);
            } else if (geteuid() == 0) {
                setfsuid(0);
            }
            break;
        case LimiteTamanho:
            if (ligar) {
                getrlimit(RLIMIT_FSIZE, &limiteOriginal);
                rlimit limite = limiteOriginal;
                limite.rlim_cur = 1024;
                QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
            } else {
                setrlimit(RLIMIT_FSIZE, &limiteOriginal);
            }
            break;
        case Simulada:
            saida->falharGravacao = ligar;
            break;
        }
    }
    void desfazerFalhas()
    {
        if (geteuid() == 0)
            setfsuid(0);
        QFile::setPermissions(u"log"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (QFileInfo(u"log"_s).isFile())
            QFile::remove(u"log"_s);
        QDir(u"log"_s).removeRecursively();
    }

    void encher(int linhas)
    {
        for (int i = 0; i < linhas; ++i)
            saida->linhas.append({ u"linha %1 {\\}"_s.arg(i), CorTabela(10) });
    }
    QByteArray arquivoLog() const
    {
        QFile f(u"log/eventos.log"_s);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        pastaOriginal = QDir::currentPath();
        QVERIFY(QDir::setCurrent(pasta.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(pastaOriginal); }
    void init()
    {
        saida = new SaidaMemoria;
        InstalarSaidaEventos(saida);
        desfazerFalhas();
    }
    void cleanup()
    {
        desfazerFalhas();
        InstalarSaidaEventos(nullptr);
        delete saida;
        saida = nullptr;
    }

    void eventoComMensagem()
    {
        RegistrarEvento(13, u"consultado"_s, u"4 registros"_s);
        QCOMPARE(saida->linhas.size(), 1);
        const auto l = saida->linhas.first();
        QVERIFY2(Hora.match(hora(l.texto)).hasMatch(), qPrintable(l.texto));
        QCOMPARE(semHora(l.texto), u"Docentes, Categorias, consultado, 4 registros"_s);
        QCOMPARE(l.cor, QColor(0, 0, 0xFF));
    }

    void eventoSemMensagemNaoTemVirgulaFinal()
    {
        RegistrarEvento(0, u"inicializado"_s);
        RegistrarEvento(10, u"conectado"_s, QString());
        QCOMPARE(semHora(saida->linhas.at(0).texto), u"Tarvisco, inicializado"_s);
        QCOMPARE(saida->linhas.at(0).cor, QColor(Qt::black));
        QCOMPARE(semHora(saida->linhas.at(1).texto), u"Departamentos, conectado"_s);
        QCOMPARE(saida->linhas.at(1).cor, QColor(0xFF, 0, 0));
    }

    void limiteDasLinhas_data()
    {
        QTest::addColumn<bool>("erro");
        QTest::addColumn<int>("antes");
        QTest::addColumn<bool>("esvazia");
        QTest::newRow("evento, 2000") << false << 2000 << false;
        QTest::newRow("evento, 2001") << false << 2001 << true;
        QTest::newRow("erro, 2000") << true << 2000 << false;
        QTest::newRow("erro, 2001") << true << 2001 << true;
    }
    void limiteDasLinhas()
    {
        QFETCH(bool, erro);
        QFETCH(int, antes);
        QFETCH(bool, esvazia);
        Roteiro roteiro;
        encher(antes);
        if (erro)
            RegistrarErro(11, u"relation \"x\" does not exist"_s);
        else
            RegistrarEvento(11, u"consultado"_s);
        const int novas = erro ? 2 : 1; // a linha de erro de SQL ocupa duas linhas
        if (!esvazia) {
            QCOMPARE(saida->NumeroLinhas(), antes + novas);
            QVERIFY(!QFile::exists(u"log/eventos.log"_s));
            return;
        }
        if (!erro) {
            // O evento esvazia sem gravar nada.
            QCOMPARE(saida->NumeroLinhas(), 1);
            QVERIFY(!QDir(u"log"_s).exists());
            return;
        }
        // O erro grava o arquivo (criando log/), esvazia e escreve a linha preta.
        QCOMPARE(saida->NumeroLinhas(), 1 + novas);
        QCOMPARE(semHora(saida->linhas.at(0).texto), u"Arquivo eventos.log gravado com sucesso"_s);
        QCOMPARE(saida->linhas.at(0).cor, QColor(Qt::black));
        QCOMPARE(semHora(saida->linhas.at(1).texto), u"Docentes, erro de SQL, "_s);
        const QByteArray rtf = arquivoLog();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("\\red255\\green0\\blue0;"));
        QVERIFY(rtf.contains("linha 2000 \\{\\\\\\}\\par"));
        QVERIFY(!rtf.contains("linha 2001"));
        QCOMPARE(rtf.count("\\par\r\n"), 2001);
    }

    // O registro cheio que não pode ser gravado fica como estava (a linha do erro entra
    // nele), o usuário é avisado uma vez com o motivo, e a próxima gravação que der certo
    // grava tudo. Como root, a pasta sem permissão é tentada com o uid de "nobody".
    void gravacaoQueFalha_data()
    {
        QTest::addColumn<int>("falha");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("log é um arquivo")
            << int(LogArquivo) << u"existe um arquivo chamado \"log\" no lugar da pasta"_s;
        QTest::newRow("pasta só de leitura") << int(PastaSomenteLeitura) << u"permissão negada"_s;
        QTest::newRow("disco cheio (limite de tamanho)") << int(
            LimiteTamanho) << u"o arquivo passaria do tamanho máximo permitido para arquivos"_s;
        QTest::newRow("falha do destino") << int(Simulada) << u"falha simulada"_s;
    }
    void gravacaoQueFalha()
    {
        QFETCH(int, falha);
        QFETCH(QString, motivo);
        Roteiro roteiro;
        encher(2001);
        provocar(Falha(falha), true);
        RegistrarErro(11, u"relation \"x\" does not exist"_s);
        provocar(Falha(falha), false);
        QCOMPARE(roteiro.mostradas.size(), 2);
        QCOMPARE(roteiro.mostradas.at(0).first, TipoMensagem::Erro);
        QCOMPARE(roteiro.mostradas.at(0).second,
            u"Não foi possível gravar o arquivo log/eventos.log: "_s + motivo
                + u".\n\rO registro de eventos continua na tela e será gravado inteiro na "
                  "próxima vez que for possível."_s);
        QVERIFY(roteiro.mostradas.at(1).second.startsWith(u"Erro de SQL:"_s));
        // Nada se perdeu: as 2001 linhas e a linha do erro.
        QCOMPARE(saida->NumeroLinhas(), 2003);
        QCOMPARE(saida->linhas.first().texto, u"linha 0 {\\}"_s);
        QCOMPARE(semHora(saida->linhas.at(2001).texto), u"Docentes, erro de SQL, "_s);
        QVERIFY(!QFile::exists(u"log/eventos.log"_s));

        // Os eventos seguintes não esvaziam o registro; outro erro com a mesma falha tenta
        // de novo sem avisar outra vez.
        RegistrarEvento(11, u"consultado"_s);
        QCOMPARE(saida->NumeroLinhas(), 2004);
        roteiro.Limpar();
        provocar(Falha(falha), true);
        RegistrarErro(11, u"syntax error"_s);
        provocar(Falha(falha), false);
        QCOMPARE(roteiro.mostradas.size(), 1);
        QVERIFY(roteiro.mostradas.at(0).second.startsWith(u"Erro de SQL:"_s));
        QCOMPARE(saida->NumeroLinhas(), 2006);

        // Resolvida a causa, o próximo erro grava tudo e esvazia.
        desfazerFalhas();
        roteiro.Limpar();
        RegistrarErro(11, u"syntax error"_s);
        QCOMPARE(roteiro.mostradas.size(), 1);
        QCOMPARE(saida->NumeroLinhas(), 3);
        QCOMPARE(semHora(saida->linhas.at(0).texto), u"Arquivo eventos.log gravado com sucesso"_s);
        const QByteArray rtf = arquivoLog();
        QCOMPARE(rtf.count("\\par\r\n"), 2006);
        QVERIFY(rtf.contains("\\cf1 linha 0 \\{\\\\\\}\\par"));
        QVERIFY(rtf.contains("Docentes, consultado\\par"));

        // Uma falha depois de uma gravação bem-sucedida é avisada de novo.
        encher(2001);
        roteiro.Limpar();
        provocar(Falha(falha), true);
        RegistrarErro(11, u"syntax error"_s);
        provocar(Falha(falha), false);
        QCOMPARE(roteiro.mostradas.size(), 2);
        QCOMPARE(roteiro.mostradas.at(0).first, TipoMensagem::Erro);
    }

    // Sem gravação pendente, um evento esvazia o registro cheio sem gravar (mesmo que a
    // gravação fosse falhar); com ela pendente, tenta de novo a cada 2000 linhas novas.
    void eventosComGravacaoPendente()
    {
        Roteiro roteiro;
        saida->falharGravacao = true;
        encher(2001);
        RegistrarErro(11, u"syntax error"_s);
        QCOMPARE(roteiro.mostradas.size(), 2);
        // 2003 linhas; a próxima tentativa só com 2000 linhas além das 2001 da primeira.
        saida->falharGravacao = false;
        encher(1997);
        RegistrarEvento(11, u"consultado"_s);
        QCOMPARE(saida->NumeroLinhas(), 4001);
        QVERIFY(!QFile::exists(u"log/eventos.log"_s));
        RegistrarEvento(11, u"consultado"_s);
        QCOMPARE(saida->NumeroLinhas(), 2);
        QCOMPARE(semHora(saida->linhas.at(0).texto), u"Arquivo eventos.log gravado com sucesso"_s);
        QCOMPARE(arquivoLog().count("\\par\r\n"), 4001);
        QCOMPARE(roteiro.mostradas.size(), 2);
    }

    // Um bloco de linhas dá o mesmo registro (textos, cores, esvaziamentos, o arquivo
    // gravado pelo erro) que as mesmas linhas uma a uma, nos dois destinos; a caixa do erro
    // aparece com as linhas do bloco já no registro.
    void blocoDaOMesmoRegistro_data()
    {
        QTest::addColumn<bool>("rico");
        QTest::addColumn<int>("antes");
        for (const bool rico : { false, true })
            for (const auto &[nome, antes] : { std::pair { "vazio", 0 },
                     { "o erro grava o arquivo", 1995 }, { "o primeiro evento esvazia", 2001 } })
                QTest::addRow("%s, %s", rico ? "texto rico" : "memória", nome) << rico << antes;
    }
    void blocoDaOMesmoRegistro()
    {
        QFETCH(bool, rico);
        QFETCH(int, antes);
        QStringList registros[2], naCaixa[2];
        QByteArray arquivos[2];
        for (const bool bloco : { false, true }) {
            desfazerFalhas();
            SaidaMemoria memoria;
            TextoRico textoRico;
            SaidaEventos &destino = rico ? static_cast<SaidaEventos &>(textoRico.saida) : memoria;
            InstalarSaidaEventos(&destino);
            encherDestino(destino, antes);
            Roteiro roteiro;
            roteiro.aoMostrar = [&](TipoMensagem, const QString &) {
                if (!rico) {
                    naCaixa[bloco] = semHoras(linhasDe(memoria));
                    return;
                }
                // O que a tela mostra: o documento.
                for (const QString &l : textoRico.texto.toPlainText().split(u'\n'))
                    naCaixa[bloco] << semHora(l);
            };
            {
                std::optional<BlocoRegistro> b;
                if (bloco)
                    b.emplace();
                roteiroDoBloco();
            }
            InstalarSaidaEventos(saida);
            registros[bloco] = semHoras(rico ? textoRico.saida.Linhas() : linhasDe(memoria));
            arquivos[bloco] = arquivoSemHoras();
            QCOMPARE(roteiro.mostradas.size(), 1);
            if (rico)
                QCOMPARE(semHoras(textoRico.saida.Linhas()).size(), textoRico.saida.NumeroLinhas());
        }
        QCOMPARE(registros[1], registros[0]);
        QCOMPARE(arquivos[1], arquivos[0]);
        QVERIFY(!naCaixa[0].isEmpty());
        QCOMPARE(naCaixa[1], naCaixa[0]);
        QCOMPARE(registros[0].size(),
            antes == 1995       ? 1 + 2 + 6
                : antes == 2001 ? 5 + 4 + 2 + 6
                                : antes + 5 + 4 + 2 + 6);
        QCOMPARE(arquivos[0].count("\\par\r\n"), antes == 1995 ? 2004 : 0);
    }

    // No texto rico, um bloco é uma só edição do documento, feita no fim do bloco (nada
    // muda na tela enquanto ele dura), com o fim do registro à vista.
    void blocoEhUmaEdicao()
    {
        TextoRico r;
        InstalarSaidaEventos(&r.saida);
        encherDestino(r.saida, 10);
        int edicoes = 0;
        connect(r.texto.document(), &QTextDocument::contentsChange, this, [&] { ++edicoes; });
        {
            BlocoRegistro bloco;
            BlocoRegistro dentro; // blocos aninhados são um bloco só
            for (int i = 0; i < 2500; ++i)
                RegistrarEvento(i % 3 ? 0 : 69, u"alterando..."_s, u"registro %1"_s.arg(i));
            // Esvaziado antes da linha 1992 do bloco (com 2001 linhas).
            QCOMPARE(r.saida.NumeroLinhas(), 509);
            // As quebras que o texto rico conta: CR LF, LF e CR.
            RegistrarEvento(0, u"erro"_s, u"a\r\nb\nc\rd"_s);
            RegistrarEvento(69, u"alterando..."_s, u"registro 2499"_s);
            QCOMPARE(r.saida.NumeroLinhas(), 514);
            QCOMPARE(edicoes, 0);
        }
        QCOMPARE(edicoes, 1);
        QCOMPARE(r.saida.NumeroLinhas(), 514);
        QCOMPARE(r.texto.document()->blockCount(), 514);
        QCOMPARE(r.texto.document()->lastBlock().previous().text(), u"d"_s);
        QCOMPARE(semHora(r.texto.document()->firstBlock().text()),
            u"Tarvisco, alterando..., registro 1991"_s);
        QCOMPARE(semHora(r.texto.document()->lastBlock().text()),
            u"Calendário, alterando..., registro 2499"_s);
        QCOMPARE(r.texto.document()->lastBlock().charFormat().foreground().color(), CorTabela(69));
        QCOMPARE(r.texto.document()->lastBlock().previous().charFormat().foreground().color(),
            CorTabela(0));
        QCOMPARE(semHoras(r.saida.Linhas()).mid(507),
            QStringList({ u"Tarvisco, alterando..., registro 2498 #000000"_s,
                u"Calendário, alterando..., registro 2499 "_s + CorTabela(69).name(),
                u"Tarvisco, erro, a #000000"_s, u"b #000000"_s, u"c #000000"_s, u"d #000000"_s,
                u"Calendário, alterando..., registro 2499 "_s + CorTabela(69).name() }));
        QVERIFY(r.texto.verticalScrollBar()->maximum() > 0);
        QCOMPARE(r.texto.verticalScrollBar()->value(), r.texto.verticalScrollBar()->maximum());
        // Fora de um bloco, cada linha é uma edição.
        RegistrarEvento(69, u"consultado"_s);
        QCOMPARE(edicoes, 2);
        InstalarSaidaEventos(saida);
    }

    void motivosDoSistema_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("disco cheio") << ENOSPC << u"não há espaço livre no disco"_s;
        QTest::newRow("cota") << EDQUOT << u"a cota de disco do usuário se esgotou"_s;
        QTest::newRow("só leitura") << EROFS << u"o disco só permite leitura"_s;
        QTest::newRow("desconhecido")
            << 12345 << u"erro do sistema número 12345 (Unknown error 12345)"_s;
    }
    void motivosDoSistema()
    {
        QFETCH(int, codigo);
        QFETCH(QString, motivo);
        QCOMPARE(Arquivos::Motivo(codigo), motivo);
    }

    void classificacao_data()
    {
        QTest::addColumn<QString>("falha");
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<QString>("caixa");
        QTest::newRow("senha recusada")
            << (SenhaRecusada + u": FATAL password authentication failed"_s)
            << QStringList { u"Tarvisco, conexão não realizada, nome do usuário ou senha incorretos"_s }
            << CaixaLogin;
        QTest::newRow("as duas frases: senha recusada")
            << (SemConexao + u" ... "_s + SenhaRecusada)
            << QStringList { u"Tarvisco, conexão não realizada, nome do usuário ou senha incorretos"_s }
            << CaixaLogin;
        QTest::newRow("sem conexão")
            << (SemConexao + u" to server"_s)
            << QStringList { u"Tarvisco, conexão não realizada."_s } << QString();
        QTest::newRow("maiúsculas diferentes são erro de SQL")
            << u"cannot connect"_s
            << QStringList { u"Tarvisco, erro de SQL, "_s, u"cannot connect"_s }
            << u"Erro de SQL:\n\r\n\rEntre em contato com o Seção de Informática e informe o "
               "seguinte erro:\n\r\n\rTabela: Tarvisco\n\r\n\rMensagem: \n\rTarvisco, erro de "
               "SQL, \r\ncannot connect"_s;
    }
    void classificacao()
    {
        QFETCH(QString, falha);
        QFETCH(QStringList, linhas);
        QFETCH(QString, caixa);
        Roteiro roteiro;
        // A caixa aparece antes de a linha ser escrita.
        int linhasNaCaixa = -1;
        roteiro.aoMostrar
            = [&](TipoMensagem, const QString &) { linhasNaCaixa = saida->NumeroLinhas(); };
        RegistrarErro(0, falha);
        QStringList obtidas;
        for (const auto &l : saida->linhas)
            obtidas << l.texto;
        QVERIFY(Hora.match(hora(obtidas.first())).hasMatch());
        obtidas[0] = semHora(obtidas[0]);
        QCOMPARE(obtidas, linhas);
        if (caixa.isEmpty()) {
            QVERIFY(roteiro.mostradas.isEmpty());
        } else {
            QCOMPARE(roteiro.Textos(), QStringList { caixa });
            QCOMPARE(roteiro.mostradas.first().first, TipoMensagem::Informacao);
            QCOMPARE(linhasNaCaixa, 0);
        }
    }

    void linhaDeErroNaCorDaTabela()
    {
        Roteiro roteiro;
        RegistrarErro(27, u"relation \"funcionarios\" does not exist"_s);
        QCOMPARE(saida->linhas.size(), 2);
        QCOMPARE(saida->linhas.at(0).cor, QColor(0xAA, 0x22, 0x22));
        QCOMPARE(saida->linhas.at(1).cor, QColor(0xAA, 0x22, 0x22));
        QCOMPARE(saida->linhas.at(1).texto, u"relation \"funcionarios\" does not exist"_s);
    }

    void usuarioEBanner()
    {
        RegistrarAbertura();
        QCOMPARE(saida->linhas.size(), 1);
        QVERIFY(saida->linhas.at(0).texto.startsWith(u"Tarvisco 16"_s));
        QVERIFY(!Hora.match(hora(saida->linhas.at(0).texto)).hasMatch());
        QCOMPARE(saida->linhas.at(0).cor, QColor(Qt::black));

        NivelAcesso = 5;
        RegistrarUsuario();
        NivelAcesso = 0;
        QCOMPARE(semHora(saida->linhas.at(1).texto),
            u"Tarvisco, Rodando como usuário [Departamento de Psicologia e Educação]"_s);
        QCOMPARE(saida->linhas.at(1).cor, QColor(Qt::black));
        QCOMPARE(saida->titulo, u"Tarvisco 16 [Departamento de Psicologia e Educação]"_s);
        AtualizarTitulo(QString());
        QCOMPARE(saida->titulo, u"Tarvisco 16"_s);
        MostrarStatus(u"Conectado com o servidor"_s);
        QCOMPARE(saida->status, u"Conectado com o servidor"_s);
    }

    void formatoDaHora_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("formato");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil) << u"HH:mm:ss"_s;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << u"h:mm:ss AP"_s;
        QTest::newRow("C") << QLocale::c() << u"HH:mm:ss"_s;
    }
    void formatoDaHora()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, formato);
        QCOMPARE(FormatoHoraLongo(local), formato);
    }

    void escapesRtf_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("ascii") << u"Docentes, consultado"_s << QByteArray("Docentes, consultado");
        QTest::newRow("especiais") << u"a\\b{c}"_s << QByteArray("a\\\\b\\{c\\}");
        QTest::newRow("acentos") << u"Seção"_s << QByteArray("Se\\'e7\\'e3o");
        QTest::newRow("1252 acima de 127") << u"€ “x” Œ"_s << QByteArray("\\'80 \\'93x\\'94 \\'8c");
        QTest::newRow("fora da página") << u"Ωλ"_s << QByteArray("\\u937?\\u955?");
        QTest::newRow("acima de 32767") << u"\uFB01"_s << QByteArray("\\u-1279?");
        QTest::newRow("par substituto") << u"😀"_s << QByteArray("\\u-10179?\\u-8704?");
        QTest::newRow("tabulação") << u"a\tb"_s << QByteArray("a\\tab b");
    }
    void escapesRtf()
    {
        QFETCH(QString, texto);
        QFETCH(QByteArray, rtf);
        QCOMPARE(Rtf::Escapar(texto), rtf);
    }

    void documentoRtf()
    {
        const QByteArray doc = Rtf::Documento({ { u"10:00:00 Tarvisco, inicializado"_s, Qt::black },
            { u"10:00:01 Departamentos, consultado"_s, QColor(0xFF, 0, 0) },
            { u"10:00:02 Seções, conectado"_s, QColor(0xF0, 0xA0, 0) },
            { u"10:00:03 Tarvisco, conectado"_s, Qt::black } });
        QCOMPARE(doc,
            QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046{\\fonttbl{\\f0\\fmodern"
                       "\\fcharset0 Courier New;}}\r\n{\\colortbl ;\\red0\\green0\\blue0;"
                       "\\red255\\green0\\blue0;\\red240\\green160\\blue0;}\r\n\\viewkind4"
                       "\\uc1\\pard\\f0\\fs20\r\n"
                       "\\cf1 10:00:00 Tarvisco, inicializado\\par\r\n"
                       "\\cf2 10:00:01 Departamentos, consultado\\par\r\n"
                       "\\cf3 10:00:02 Se\\'e7\\'f5es, conectado\\par\r\n"
                       "\\cf1 10:00:03 Tarvisco, conectado\\par\r\n}\r\n"));
    }
};

QTEST_MAIN(TesteLog)
#include "tst_log.moc"

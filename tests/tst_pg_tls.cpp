// Conexão criptografada com o servidor: um PostgreSQL com ssl = on e um certificado de
// uma raiz própria feita aqui (openssl), outro sem TLS. O programa e o comando de
// criação verificam o servidor (verify-full); cada falha de TLS tem o seu texto e
// acontece antes de qualquer senha sair; sslmode = disable conecta e avisa no registro.
#include "Banco.h"
#include "BancoTeste.h"
#include "ClusterPostgres.h"
#include "PerfisAcesso.h"
#include "Roteiro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QString senha(int nivel)
{
    return u"senha-tls-%1"_s.arg(nivel);
}

// O exemplo de Dados_HP.conf do README (o bloco que começa com "# Dados_HP").
QString exemploDoReadme()
{
    QFile f(QStringLiteral(TARVISCO_SOURCE_DIR) + u"/README.md"_s);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList linhas = QString::fromUtf8(f.readAll()).split(u'\n');
    QStringList exemplo;
    bool dentro = false;
    for (const QString &l : linhas) {
        const QString t = l.trimmed();
        if (!dentro && t == u"```ini"_s) {
            dentro = true;
            exemplo.clear();
            continue;
        }
        if (dentro && t == u"```"_s) {
            if (!exemplo.isEmpty() && exemplo.first().startsWith(u"# Dados_HP"_s))
                return exemplo.join(u'\n') + u'\n';
            dentro = false;
            continue;
        }
        if (dentro)
            exemplo << t;
    }
    return {};
}

// Lê a definição de um Dados_HP.conf com o texto dado, na pasta dada.
FonteDados definicao(const QString &pasta, const QString &texto)
{
    QFile conf(pasta + u"/Dados_HP.conf"_s);
    conf.open(QIODevice::WriteOnly | QIODevice::Truncate);
    conf.write(texto.toUtf8());
    conf.close();
    const QString antes = QDir::currentPath();
    QDir::setCurrent(pasta);
    const FonteDados f = FonteDados::Definicao();
    QDir::setCurrent(antes);
    return f;
}
} // namespace

class TesteTls : public QObject {
    Q_OBJECT
    QTemporaryDir m_pasta;
    std::unique_ptr<ClusterPostgres> m_tls;
    std::unique_ptr<ClusterPostgres> m_semTls;
    QString m_exemplo;
    FonteDados m_fonteExemplo;
    SaidaMemoria m_saida;

    QString arquivo(const QString &nome) const { return m_pasta.path() + u'/' + nome; }

    bool openssl(const QStringList &args)
    {
        QProcess p;
        p.setWorkingDirectory(m_pasta.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(u"openssl"_s, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            qWarning().noquote() << "openssl" << args.join(u' ') << p.readAll();
            return false;
        }
        return true;
    }
    bool raiz(const QString &nome, const QString &titulo)
    {
        return openssl({ u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s,
            u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s, u"-keyout"_s, nome + u".key"_s,
            u"-out"_s, nome + u".crt"_s, u"-days"_s, u"2"_s, u"-subj"_s, u"/CN="_s + titulo,
            u"-addext"_s, u"basicConstraints=critical,CA:TRUE"_s, u"-addext"_s,
            u"keyUsage=critical,keyCertSign,cRLSign"_s });
    }

    // Fonte do servidor com TLS, pela rede.
    FonteDados fonteTls(const QString &host = u"localhost"_s) const
    {
        FonteDados f;
        f.motor = FonteDados::PostgreSQL;
        f.host = host;
        f.porta = m_tls->Porta();
        f.sslrootcert = arquivo(u"raiz.crt"_s);
        return f;
    }

    // Abre a conexão do programa como o login do nível 1; texto da falha ou vazio.
    static QString conectar(TDatabase &db, const FonteDados &f)
    {
        return AbrirConexao(db, f, UsuarioNivel(1), senha(1));
    }

    QString valor(TDatabase &db, const QString &sql)
    {
        TQuery q(&db);
        q.SQL = { sql };
        q.Open();
        return q.Campo0();
    }

    static int criarBanco(const QStringList &opcoes, QString *texto)
    {
        const ExecucaoCriarBanco e = CriarBanco(opcoes, senha);
        *texto = e.texto;
        return e.saida;
    }

    QStringList avisos() const
    {
        QStringList a;
        for (const SaidaMemoria::Linha &l : m_saida.linhas)
            if (l.texto.contains(u"criptografia"_s))
                a << l.texto;
        return a;
    }

private slots:
    void initTestCase()
    {
        InstalarSaidaEventos(&m_saida);
        QVERIFY2(!QStandardPaths::findExecutable(u"openssl"_s).isEmpty(),
            "openssl não encontrado: scripts/preparar.sh o instala");
        QVERIFY(m_pasta.isValid());
        // O nome do servidor do exemplo do README vai no certificado.
        m_exemplo = exemploDoReadme();
        QVERIFY2(!m_exemplo.isEmpty(), "exemplo de Dados_HP.conf não achado no README");
        m_fonteExemplo = definicao(m_pasta.path(), m_exemplo);
        QVERIFY(!m_fonteExemplo.SoqueteLocal());

        QVERIFY(raiz(u"raiz"_s, u"Raiz de Teste"_s));
        QVERIFY(raiz(u"estranha"_s, u"Raiz Estranha"_s));
        QFile ext(arquivo(u"servidor.ext"_s));
        QVERIFY(ext.open(QIODevice::WriteOnly));
        ext.write(u"subjectAltName=DNS:localhost,DNS:%1\nbasicConstraints=CA:FALSE\n"
                  "extendedKeyUsage=serverAuth\n"_s.arg(m_fonteExemplo.host)
                      .toUtf8());
        ext.close();
        QVERIFY(openssl({ u"req"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s,
            u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s, u"-keyout"_s, u"servidor.key"_s,
            u"-out"_s, u"servidor.csr"_s, u"-subj"_s, u"/CN=localhost"_s }));
        QVERIFY(openssl({ u"x509"_s, u"-req"_s, u"-in"_s, u"servidor.csr"_s, u"-CA"_s,
            u"raiz.crt"_s, u"-CAkey"_s, u"raiz.key"_s, u"-CAcreateserial"_s, u"-out"_s,
            u"servidor.crt"_s, u"-days"_s, u"2"_s, u"-extfile"_s, u"servidor.ext"_s }));

        OpcoesCluster comTls;
        comTls.tcp = true;
        comTls.certificado = arquivo(u"servidor.crt"_s);
        comTls.chave = arquivo(u"servidor.key"_s);
        comTls.registrarConexoes = true;
        m_tls = std::make_unique<ClusterPostgres>(comTls);
        QVERIFY2(m_tls->Iniciar(), qPrintable(m_tls->Erro()));

        OpcoesCluster semTls;
        semTls.tcp = true;
        semTls.registrarConexoes = true;
        m_semTls = std::make_unique<ClusterPostgres>(semTls);
        QVERIFY2(m_semTls->Iniciar(), qPrintable(m_semTls->Erro()));
        QString texto;
        QCOMPARE(criarBanco({ u"--host"_s, m_semTls->PastaSoquete(), u"--porta"_s,
                                QString::number(m_semTls->Porta()) },
                     &texto),
            0);
    }
    void init() { m_saida.Limpar(); }

    // O comando de criação pela rede: o servidor só aceita TLS (hostssl), e o comando
    // verifica o certificado com a raiz dada; sem TLS, o servidor recusa.
    void criarBancoPorTls()
    {
        QString texto;
        const QStringList rede = { u"--host"_s, u"localhost"_s, u"--porta"_s,
            QString::number(m_tls->Porta()), u"--sslrootcert"_s, arquivo(u"raiz.crt"_s) };
        QCOMPARE(criarBanco(
                     rede + QStringList { u"--sslmode"_s, u"disable"_s, u"--banco"_s, u"outro"_s },
                     &texto),
            1);
        QVERIFY2(texto.contains(u"Conexão segura não estabelecida: o servidor recusou a conexão "
                                "sem criptografia."_s),
            qPrintable(texto));
        QVERIFY2(criarBanco(rede, &texto) == 0, qPrintable(texto));
        QVERIFY2(!texto.contains(u"Aviso"_s), qPrintable(texto));
    }

    void conectaVerificandoOServidor()
    {
        TDatabase db;
        QCOMPARE(conectar(db, fonteTls()), QString());
        QCOMPARE(fonteTls().ModoTls(), u"verify-full"_s);
        QCOMPARE(
            valor(db, u"SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"_s), u"true"_s);
        QVERIFY(ConexaoCriptografada(db.Conexao()));
        QCOMPARE(avisos(), QStringList());
    }

    // Cada falha diz o motivo e o que pedir, não "Cannot connect", e nenhuma chega a
    // mandar o login ao servidor.
    void falhasDeTls_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("raiz");
        QTest::addColumn<bool>("servidorComTls");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("certificado de outro nome")
            << u"127.0.0.1"_s << u"raiz.crt"_s << true
            << u"o certificado do servidor não foi emitido para o nome 127.0.0.1."_s;
        QTest::newRow("raiz não confiável")
            << u"localhost"_s << u"estranha.crt"_s << true
            << u"o certificado do servidor não foi emitido por uma autoridade confiável."_s;
        QTest::newRow("raiz que não existe")
            << u"localhost"_s << u"nenhuma.crt"_s << true
            << u"o arquivo do certificado raiz não foi encontrado ou não pôde ser lido."_s;
        QTest::newRow("servidor sem TLS")
            << u"localhost"_s << u"raiz.crt"_s << false
            << u"o servidor não aceita conexões criptografadas (TLS)."_s;
    }
    void falhasDeTls()
    {
        QFETCH(QString, host);
        QFETCH(QString, raiz);
        QFETCH(bool, servidorComTls);
        QFETCH(QString, motivo);
        ClusterPostgres &c = servidorComTls ? *m_tls : *m_semTls;
        FonteDados f = fonteTls(host);
        f.porta = c.Porta();
        f.sslrootcert = arquivo(raiz);
        const qsizetype registroAntes = c.Registro().size();
        TDatabase db;
        const QString falha = conectar(db, f);
        QVERIFY(!db.Connected());
        const auto tls = FalhaTls::De(falha);
        QVERIFY2(tls, qPrintable(falha));
        QCOMPARE(tls->motivo, motivo);
        QVERIFY(!tls->pedido.isEmpty() && !tls->tecnico.isEmpty());
        QVERIFY(!falha.contains(u"Cannot connect"_s));
        QVERIFY(!falha.contains(u"Unknown user name"_s));
        // O servidor não viu o login: a falha veio antes do pedido de entrada.
        QTest::qWait(200);
        const QString registro = c.Registro().mid(registroAntes);
        QVERIFY2(!registro.contains(UsuarioNivel(1)), qPrintable(registro));
        // O usuário vê o motivo e o que pedir à informática.
        Roteiro r;
        RegistrarErro(0, falha);
        QCOMPARE(r.Textos(),
            QStringList { u"Erro de Conexão Segura:\n\r\n\rNão foi possível estabelecer a "
                          "conexão criptografada com o servidor: "_s
                + motivo + u"\n\r\n\r"_s + tls->pedido + u"\n\rConexão não realizada."_s });
        const QString linha
            = u"Tarvisco, conexão não realizada, conexão segura não estabelecida: "_s + motivo;
        QVERIFY(std::any_of(m_saida.linhas.cbegin(), m_saida.linhas.cend(),
            [&linha](const SaidaMemoria::Linha &l) { return l.texto.endsWith(linha); }));
    }

    void semCriptografiaAvisaNoRegistro()
    {
        FonteDados f = fonteTls();
        f.porta = m_semTls->Porta();
        f.sslmode = u"disable"_s;
        TDatabase db;
        QCOMPARE(conectar(db, f), QString());
        QCOMPARE(
            valor(db, u"SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"_s), u"false"_s);
        QCOMPARE(avisos().size(), 1);
        QVERIFY2(avisos().first().contains(u"Tarvisco, aviso, conexão sem criptografia "
                                           "(sslmode = disable)"_s),
            qPrintable(avisos().first()));
        db.Close();
        // O servidor que só aceita TLS recusa, com o seu texto.
        f.porta = m_tls->Porta();
        const auto tls = FalhaTls::De(conectar(db, f));
        QVERIFY(tls);
        QCOMPARE(tls->motivo, u"o servidor recusou a conexão sem criptografia."_s);
    }

    // O exemplo do README, como está escrito: só o endereço e a porta do servidor de
    // teste mudam (o nome do exemplo aponta para 127.0.0.1 pelo PGHOSTADDR do libpq),
    // e o certificado raiz fica na pasta de trabalho com o nome do exemplo.
    void exemploDoReadmeConecta()
    {
        QTemporaryDir trabalho;
        const FonteDados f
            = definicao(trabalho.path(), m_exemplo + u"porta = %1\n"_s.arg(m_tls->Porta()));
        QCOMPARE(f.motor, FonteDados::PostgreSQL);
        QCOMPARE(f.host, m_fonteExemplo.host);
        QCOMPARE(f.ModoTls(), u"verify-full"_s);
        QVERIFY2(f.sslrootcert.startsWith(trabalho.path() + u'/'), qPrintable(f.sslrootcert));
        QVERIFY(QFile::copy(arquivo(u"raiz.crt"_s), f.sslrootcert));
        qputenv("PGHOSTADDR", "127.0.0.1");
        TDatabase db;
        const QString falha = conectar(db, f);
        qunsetenv("PGHOSTADDR");
        QCOMPARE(falha, QString());
        QVERIFY(ConexaoCriptografada(db.Conexao()));
    }

    void cleanupTestCase() { InstalarSaidaEventos(nullptr); }
};

QTEST_GUILESS_MAIN(TesteTls)
#include "tst_pg_tls.moc"

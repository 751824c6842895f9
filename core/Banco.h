#pragma once
// Plataforma de banco de dados: a conexão com a fonte de dados "Dados_HP" e os
// objetos de consulta, cujo texto é uma lista de linhas.
#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <exception>
#include <functional>
#include <optional>

// Toda falha do motor chega ao programa como ErroBanco com o texto da mensagem.
class ErroBanco : public std::exception {
public:
    explicit ErroBanco(const QString &mensagem);
    const QString &Mensagem() const { return m_mensagem; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    QByteArray m_utf8;
};

// Começos dos textos de falha que o programa classifica (RegistrarErro): um comando que
// falhou porque a conexão se perdeu (servidor fora do ar, arquivo do banco ilegível ou
// travado por outro programa), e um comando tentado sem conexão aberta.
extern const QString FalhaConexaoPerdida; // "Connection lost. " + texto do motor
extern const QString FalhaSemConexao; // "Not connected. ..."

// Definição da fonte de dados "Dados_HP" (veja o README): arquivo Dados_HP.conf na
// pasta de trabalho; sem ele, um arquivo SQLite Dados_HP.sqlite na pasta de trabalho.
struct FonteDados {
    enum Motor { SQLite, PostgreSQL };
    Motor motor = SQLite;
    QString arquivo = QStringLiteral("Dados_HP.sqlite"); // SQLite
    QString host; // PostgreSQL: máquina ou pasta do soquete
    int porta = 5432;
    QString banco = QStringLiteral("tarvisco");
    // TLS do PostgreSQL, com os nomes do libpq. sslmode vazio: verify-full numa máquina
    // da rede, nada no soquete local. sslrootcert vazio ou "system": as autoridades
    // certificadoras do sistema. sslcert/sslkey: certificado do cliente, se o servidor
    // o pedir. Caminhos relativos partem da pasta de trabalho.
    QString sslmode;
    QString sslrootcert;
    QString sslcert;
    QString sslkey;

    static FonteDados Definicao(); // lê a definição na pasta de trabalho

    bool SoqueteLocal() const; // host vazio (padrão do libpq) ou pasta do soquete
    QString ModoTls() const; // sslmode efetivo (vazio no soquete local sem sslmode)
    // Opções do driver QPSQL para conectar: tempo limite e TLS. Lança ErroBanco quando
    // um valor não cabe nas opções.
    QString OpcoesConexao() const;
};

// Falha de TLS ao conectar ao PostgreSQL: o motivo e o que pedir à equipe de
// informática, em português, e o texto técnico do libpq. Viaja no texto do ErroBanco,
// que RegistrarErro reconhece pela frase inicial.
struct FalhaTls {
    QString motivo;
    QString pedido;
    QString tecnico;

    QString Texto() const;
    static std::optional<FalhaTls> De(const QString &texto);
    // Reconhece no texto do libpq uma falha de TLS (da conexão à fonte dada); 'onde' diz
    // ao usuário onde ficam os ajustes ("no Dados_HP.conf").
    static std::optional<FalhaTls> DoLibpq(
        const QString &textoLibpq, const FonteDados &fonte, const QString &onde);
};

// Falha ao conectar ao PostgreSQL no texto que o programa classifica: falha de TLS,
// "Unknown user name or password" ou "Cannot connect".
QString TextoFalhaConexao(const QString &textoLibpq, const FonteDados &fonte,
    const QString &onde = QStringLiteral("no Dados_HP.conf"));
// A conexão do libpq por baixo de uma conexão QPSQL aberta (nula nos outros casos).
struct pg_conn;
pg_conn *ConexaoLibpq(const QSqlDatabase &db);
// A conexão aberta do driver QPSQL é criptografada (TLS)?
bool ConexaoCriptografada(const QSqlDatabase &db);

class TDatabase : public QObject {
    Q_OBJECT
public:
    explicit TDatabase(QObject *parent = nullptr);
    ~TDatabase() override;

    QString AliasName = QStringLiteral("Dados_HP");
    QString DatabaseName = QStringLiteral("Dados_HP");
    // Parâmetros da conexão: "USER NAME=<login>".
    QStringList Params;
    // Definição usada ao abrir; lida de FonteDados::Definicao() quando não definida.
    std::optional<FonteDados> Fonte;

    bool Connected() const;
    void Open(); // lança ErroBanco
    void Close();
    FonteDados::Motor Motor() const;
    QSqlDatabase Conexao() const;
    // SQLite: quanto um comando espera por um arquivo travado por outro programa antes
    // de falhar (a trava que dura mais que isso é uma conexão perdida).
    int EsperaTravaMs = 5000;

    // A falha de um comando nesta conexão, como ErroBanco. Quando ela vem de uma conexão
    // perdida (PostgreSQL: a sessão caiu; SQLite: o arquivo ficou ilegível ou travado),
    // a conexão é fechada (os quatro eventos de sempre), ConexaoPerdida é emitido uma
    // vez e o texto começa com FalhaConexaoPerdida.
    ErroBanco Falha(const QString &texto, int codigoSqlite = 0);

    // Transações (as janelas que gravam a linha e seus textos longos juntos).
    void IniciarTransacao();
    void ConfirmarTransacao();
    void DesfazerTransacao();
    bool EmTransacao() const { return m_emTransacao; }

    // Pedido de senha do motor (caixa modal). Devolve false se cancelado.
    // Os testes trocam o pedido para responder sem janela.
    using PedidoSenha = std::function<bool(const QString &fonte, QString &usuario, QString &senha)>;
    static void DefinirPedidoSenha(PedidoSenha pedido);
    static PedidoSenha PedidoSenhaAtual();

signals:
    void BeforeConnect();
    void AfterConnect();
    void BeforeDisconnect();
    void AfterDisconnect();
    // A conexão se perdeu (já fechada quando o sinal chega); o texto é o da falha.
    void ConexaoPerdida(const QString &texto);

private:
    QString m_nomeConexao;
    bool m_aberta = false;
    bool m_emTransacao = false;
};

class TQuery : public QObject {
    Q_OBJECT
public:
    explicit TQuery(TDatabase *database, QObject *parent = nullptr);

    QStringList SQL; // linhas do comando, unidas por CR LF

    void Open(); // comando que devolve linhas; posiciona na primeira
    // Roda o comando (com as colunas do resultado aberto) e acrescenta as linhas dele ao
    // fim do resultado, sem mudar a linha atual (a listagem que lê mais a cada página);
    // sem resultado aberto, é Open. Emite Acrescentadas.
    void Acrescentar();
    void ExecSQL(); // comando sem linhas
    // Vários comandos sem linhas (cada um uma lista de linhas), na ordem, em blocos de uma
    // só chamada ao motor. O primeiro que falha interrompe (ErroBanco) e os seguintes não
    // rodam; para tudo ou nada, chamar dentro de uma transação e desfazê-la na falha.
    void ExecSQLLote(const QList<QStringList> &comandos);
    // O comando de SQL (com os parâmetros $1, $2...) preparado uma vez e rodado para cada
    // lista de valores, na ordem: nulo vai como NULL, inteiro como inteiro, o resto como
    // texto; os valores nunca entram no texto do comando. No PostgreSQL as execuções vão
    // em blocos, sem esperar a resposta de cada uma. O primeiro que falha interrompe
    // (ErroBanco) e os seguintes não rodam; para tudo ou nada, chamar dentro de uma
    // transação e desfazê-la na falha. LinhasAfetadas() dá o total de linhas mudadas.
    void ExecSQLValores(const QList<QVariantList> &valores);
    void Close();
    bool Active() const { return m_ativa; }

    int RecordCount() const { return int(m_inicios.size()); }
    void First();
    void Next();
    bool Eof() const;
    int RecNo() const { return m_atual; } // -1 sem linhas
    void MoverPara(int linha);

    // Coluna da linha atual pelo nome (sem distinguir maiúsculas); coluna inexistente
    // é falha (ErroBanco), coluna sem valor lê como texto vazio.
    QString AsString(const QString &campo) const;
    int AsInteger(const QString &campo) const;
    QDateTime AsDateTime(const QString &campo) const;
    bool IsNull(const QString &campo) const;
    bool TemCampo(const QString &campo) const;
    QString Campo0() const; // primeira coluna como texto

    // Para a grade: nomes das colunas como as tabelas os escrevem, e os valores (como
    // texto; nulo quando a coluna não tem valor).
    int ColumnCount() const { return int(m_nomes.size()); }
    const QStringList &NomesCampos() const { return m_nomes; }
    QVariant Valor(int linha, int coluna) const;
    QString Texto(int linha, int coluna) const;
    // O texto da célula em UTF-8, sem cópia (vazio para nulo); vale até a consulta mudar.
    QByteArrayView Bytes(int linha, int coluna) const;
    // As células da linha inteira de uma vez (ColumnCount() vistas em 'celulas').
    void BytesLinha(int linha, QByteArrayView *celulas) const;
    // Espécie dos valores de uma coluna, como o motor a declara (para ordenar).
    enum class Natureza { Texto, Numero, Data };
    Natureza NaturezaCampo(int coluna) const { return m_naturezas.value(coluna); }

    // Id atribuído pelo banco à linha do último INSERT desta consulta, lido do motor na
    // mesma conexão logo após o comando (vazio se o último comando não foi um INSERT).
    QString UltimoIdInserido() const;
    // Linhas mudadas pelo último ExecSQL (-1 se o motor não informou).
    int LinhasAfetadas() const { return m_afetadas; }

    QString TextoComando() const { return SQL.join(QStringLiteral("\r\n")); }
    TDatabase *Database() const { return m_db; }

signals:
    void Aberta(); // novo resultado
    void Acrescentadas(int primeira, int quantas); // linhas novas no fim do resultado
    void Fechada();
    void Movida(int linha);

private:
    int coluna(const QString &campo) const;
    TDatabase *m_db;
    bool m_ativa = false;
    int m_atual = -1;
    void guardarLinha(const QByteArrayView *celulas);
    QStringList m_nomes;
    QList<Natureza> m_naturezas;
    // Todas as linhas do resultado num só bloco, uma atrás da outra: em cada linha a
    // largura dos fins (2 ou 4 bytes), os fins das colunas, as marcas de nulo e os textos
    // em UTF-8. A lista de um milhão de linhas não custa uma alocação por linha.
    QByteArray m_dados;
    QList<qsizetype> m_inicios; // início de cada linha em m_dados
    QString m_ultimoId;
    int m_afetadas = -1;
};

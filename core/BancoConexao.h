#pragma once
// A conexão com a fonte de dados "Dados_HP" (uma, da janela principal): os parâmetros, o
// pedido de senha, os quatro eventos em volta de abrir e fechar, as transações e a
// conexão perdida.
#include "BancoFalhas.h"
#include "BancoFonte.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <optional>

class TQuery;

class TDatabase : public QObject {
    Q_OBJECT
public:
    explicit TDatabase(QObject *parent = nullptr);
    ~TDatabase() override;

    QString AliasName = QStringLiteral("Dados_HP");
    QString DatabaseName = QStringLiteral("Dados_HP");
    // Parâmetros da conexão: "USER NAME=<login>". No SQLite, que não tem logins, o nível
    // de acesso desse login é o usuário que o histórico grava nas alterações da conexão.
    QStringList Params;
    // Definição usada ao abrir; lida de FonteDados::Definicao() quando não definida.
    std::optional<FonteDados> Fonte;

    bool Connected() const;
    // Lança ErroBanco. Com senhaDaSessao, o PostgreSQL abre com a senha com que o mesmo
    // login abriu por último nesta sessão, sem perguntar (a reconexão depois de uma conexão
    // perdida); sem ela conhecida, o pedido de senha de sempre.
    void Open(bool senhaDaSessao = false);
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
    friend class TQuery; // cada consulta se inscreve na sua conexão, que a fecha junto
    QList<QPointer<TQuery>> m_consultas;
    QString m_nomeConexao;
    // A última abertura no PostgreSQL: o login dos parâmetros, o usuário e a senha dados.
    QString m_loginSessao;
    QString m_usuarioSessao;
    QString m_senhaSessao;
    bool m_aberta = false;
    bool m_emTransacao = false;
};

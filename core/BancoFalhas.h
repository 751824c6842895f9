#pragma once
// Textos de falha da plataforma de banco de dados: a exceção que leva o texto do motor e
// os começos de texto que o registro de eventos (RegistrarErro) classifica. Só textos:
// nada aqui conhece a conexão, a consulta ou o registro.
#include <QByteArray>
#include <QString>
#include <exception>
#include <optional>

struct FonteDados;

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

// Falhas do arquivo SQLite contadas ao usuário em português, com o nome do arquivo: o
// texto do ErroBanco começa por FalhaArquivoBanco e o motivo, numa linha, e segue com o
// texto do motor (que RegistrarErro reconhece e mostra numa caixa só).
extern const QString FalhaArquivoBanco; // "Arquivo do banco de dados: "
struct FalhaSQLite {
    QString motivo; // vazio: um código que não é do arquivo (o comando, os dados)
    bool perdida = false; // o arquivo não serve mais: a conexão está perdida

    // O motivo do código do SQLite (estendido) no arquivo dado; 'tamanho' é o do arquivo
    // agora (-1: não existe mais).
    static FalhaSQLite De(int codigo, const QString &arquivo, qint64 tamanho);
    // O motivo no começo de um texto de falha (vazio se não há).
    static QString MotivoDe(const QString &texto);
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
    // ao usuário onde ficam os ajustes ("no Dados_HP.conf"). Em BancoFonte.cpp, com a
    // definição da fonte.
    static std::optional<FalhaTls> DoLibpq(
        const QString &textoLibpq, const FonteDados &fonte, const QString &onde);
};

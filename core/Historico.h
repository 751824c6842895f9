#pragma once
// O histórico de alterações visto pelo programa: a listagem filtrada, uma alteração lida
// com os dois lados, os valores como texto e o plano para desfazê-la (os comandos, ou a
// diferença quando a linha mudou depois). A tabela e os gatilhos: EsquemaHistorico.cpp.
#include "Banco.h"
#include "Esquema.h"

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Historico {

// Usuário vazio (SQLite): a alteração veio de outro programa.
QString NomeUsuario(const QString &usuario);
extern const QString OutroPrograma; // "(outro programa)"

struct Alteracao {
    QString id;
    QString momento; // AAAA-MM-DD HH:MM:SS, na hora local desta máquina
    QString usuario; // login (PostgreSQL), nível (SQLite) ou vazio
    QString tabela;
    QString registro;
    QChar operacao; // 'I', 'U' ou 'D'
    std::optional<QJsonObject> antes; // ausente na inclusão
    std::optional<QJsonObject> depois; // ausente na exclusão

    const Esquema::Tabela *Tabela() const { return Esquema::TabelaPorNome(tabela); }
    // Colunas presentes nos lados da alteração, na ordem da tabela.
    QStringList Colunas() const;
    // As que mudaram de fato para quem lê: numa alteração, sem as que só trocaram nulo
    // por texto vazio (as janelas gravam vazio onde não havia nada); se só houve isso,
    // todas.
    QStringList ColunasMudadas() const;
};

// "Inclusão", "Alteração" ou "Exclusão".
QString NomeOperacao(QChar operacao);

// Valor de uma coluna como texto: nulo vazio, inteiros em decimal, data e hora como
// AAAA-MM-DD HH:MM:SS nos dois motores.
QString Texto(const Esquema::Coluna *c, const QJsonValue &v);

// Lê a alteração de Id dado na consulta; lança ErroBanco em falha ou se não existir.
Alteracao Ler(TQuery &q, const QString &id);

struct Filtro {
    QStringList tabelas; // vazio: todas
    QString registro; // vazio: todas as linhas
    std::optional<QString> usuario; // OutroPrograma: as de usuário vazio
    QDate de, ate; // dias da hora local; inválida: sem limite
};
// Linhas de uma página da listagem.
constexpr int TamanhoPagina = 200;
// Uma página da listagem, a mais nova primeiro: as 'limite' alterações do filtro de Id
// menor que 'antesDe' (vazio: as mais novas), com Id, Momento (na hora local), Usuario
// (OutroPrograma quando vazio), Tabela, Registro, Operacao (NomeOperacao). O filtro vai
// no comando, e cada página sai dos índices do histórico sem ler o resto dele.
QStringList SentencaLista(const Filtro &f, const QString &antesDe = {}, int limite = TamanhoPagina);
// Usuários distintos já gravados (para o filtro), em ordem, lidos do índice dos usuários
// (um salto por usuário, não a tabela inteira).
QStringList Usuarios(TQuery &q);
// Expressão do momento gravado na coluna dada como texto AAAA-MM-DD HH:MM:SS na hora local
// desta máquina, no motor da conexão do programa.
QString MomentoLocal(const QString &coluna);

// Marca das alterações da tabela de nome dado, lida com um comando pequeno na consulta
// dada, antes de uma listagem da tabela: a mesma marca lida de novo mais tarde quer dizer
// que nenhuma linha da tabela mudou desde então, por este programa ou por outro, e que o
// que a listagem leu ainda vale. Vazia quando não se pode saber (ler de novo).
// SQLite: o contador de alterações do arquivo gravadas por outras conexões (data_version)
// e as desta conexão (total_changes), do arquivo inteiro. PostgreSQL: o último Id do
// histórico da tabela (índice Tabela, Id); não se sabe numa tabela sem histórico, num login
// que não lê o histórico dela, nem com outra transação que grava em curso (ela pode ter
// tirado um Id menor e confirmar depois da listagem). Só a conexão perdida lança
// (ErroBanco, como TDatabase::Falha a dá); qualquer outra falha dá a marca vazia.
QString MarcaAlteracoes(TQuery &q, const QString &tabela);

// Uma coluna cujo valor agora difere do que a alteração deixou.
struct Diferenca {
    QString tabela;
    QString coluna;
    QString esperado; // o que a alteração deixou
    QString atual; // o que está gravado agora
};

struct Plano {
    QList<QStringList> comandos; // na ordem, numa transação
    QStringList textosLongos; // tabelas de texto longo incluídas ou apagadas junto
    bool linhaAusente = false; // alteração ou inclusão de uma linha que não existe mais
    bool linhaPresente = false; // exclusão de uma linha cujo Id voltou a existir
    QList<Diferenca> diferencas; // a linha mudou depois: nada é desfeito
    bool Recusado() const { return linhaAusente || linhaPresente || !diferencas.isEmpty(); }
};
// Lê a linha como está agora (na consulta dada) e monta o que desfaz a alteração:
// alteração -> UPDATE das colunas mudadas de volta; inclusão -> DELETE da linha (e de
// seus textos longos); exclusão -> INSERT da linha com o mesmo Id e dos textos longos
// apagados com ela. Recusa quando as colunas da alteração mudaram depois. Lança
// ErroBanco em falha.
Plano Planejar(TQuery &q, const Alteracao &a);
// Desfaz numa transação da conexão da consulta: planeja de novo dentro dela (a linha pode
// ter mudado desde a pergunta) e roda os comandos. Devolve o plano; recusado, nada foi
// gravado (um comando que não achou a linha dá linhaAusente). Uma falha, ou uma linha que
// este login lê mas não grava (RecusarLinhaProtegida), desfaz a transação e lança ErroBanco.
Plano Desfazer(TQuery &q, const Alteracao &a);

} // namespace Historico

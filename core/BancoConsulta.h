#pragma once
// A consulta: o texto do comando como lista de linhas, abrir (com linhas) e executar
// (sem linhas), e o resultado guardado, lido coluna por nome ou célula por célula.
#include "BancoConexao.h"
#include "BancoResultado.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>

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
    // O resultado guardado mostrado de novo, sem ler nada: de volta à primeira linha e
    // avisado como novo (Aberta), para quem o mostra voltar ao começo dele.
    void Reusar();
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

    int RecordCount() const { return m_resultado.Linhas(); }
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
    int ColumnCount() const { return m_resultado.Colunas(); }
    const QStringList &NomesCampos() const { return m_resultado.Nomes(); }
    QVariant Valor(int linha, int coluna) const;
    QString Texto(int linha, int coluna) const;
    // O texto da célula em UTF-8, sem cópia (vazio para nulo); vale até a consulta mudar.
    QByteArrayView Bytes(int linha, int coluna) const;
    // As células da linha inteira de uma vez (ColumnCount() vistas em 'celulas').
    void BytesLinha(int linha, QByteArrayView *celulas) const;
    // Espécie dos valores de uma coluna, como o motor a declara (para ordenar).
    using Natureza = NaturezaColuna;
    Natureza NaturezaCampo(int coluna) const { return m_resultado.Natureza(coluna); }

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
    bool celulaValida(int linha, int coluna) const;
    TDatabase *m_db;
    bool m_ativa = false;
    int m_atual = -1;
    ResultadoConsulta m_resultado;
    QString m_ultimoId;
    int m_afetadas = -1;
};

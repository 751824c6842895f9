#pragma once
// O resultado de uma consulta guardado na memória: os nomes e as espécies das colunas e
// todas as linhas num só bloco, os textos em UTF-8 como o motor os deu. Os leitores de
// cada motor o enchem (BancoMotores.h); a consulta (TQuery) o lê.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

// Um texto UTF-8 vindo do motor, inteiro: um U+FEFF no começo é parte do valor
// (QString::fromUtf8 o tomaria por marca de ordem de bytes e o tiraria).
QString TextoUtf8(QByteArrayView utf8);

// Espécie dos valores de uma coluna, como o motor a declara (para ordenar).
enum class NaturezaColuna { Texto, Numero, Data };

class ResultadoConsulta {
public:
    void AcrescentarColuna(const QString &nome, NaturezaColuna natureza);
    // Uma linha, uma célula por coluna: uma vista sem dados é nula; uma vista de tamanho
    // zero, texto vazio.
    void AcrescentarLinha(const QByteArrayView *celulas);
    void Concluir(); // devolve a folga dos blocos depois da última linha
    // As linhas de outro resultado (das mesmas colunas) acrescentadas ao fim.
    void AcrescentarLinhas(const ResultadoConsulta &outro);
    void Limpar();

    int Colunas() const { return int(m_nomes.size()); }
    int Linhas() const { return int(m_inicios.size()); }
    const QStringList &Nomes() const { return m_nomes; }
    NaturezaColuna Natureza(int coluna) const { return m_naturezas.value(coluna); }

    // Linha e coluna dentro dos limites.
    QByteArrayView Celula(int linha, int coluna) const;
    bool Nula(int linha, int coluna) const;
    // As células da linha inteira de uma vez (Colunas() vistas em 'celulas').
    void CelulasDaLinha(int linha, QByteArrayView *celulas) const;

private:
    QStringList m_nomes;
    QList<NaturezaColuna> m_naturezas;
    // Todas as linhas do resultado num só bloco, uma atrás da outra: em cada linha a
    // largura dos fins (1, 2 ou 4 bytes), os fins das colunas, as marcas de nulo e os
    // textos em UTF-8. A lista de um milhão de linhas não custa uma alocação por linha.
    QByteArray m_dados;
    QList<qsizetype> m_inicios; // início de cada linha em m_dados
};

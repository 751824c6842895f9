#pragma once
// Arquivo INI em Windows-1252 (o Tarvisco.ini): seções "[Nome]" e linhas "Chave=Valor".
// Seções e chaves se comparam sem distinguir maiúsculas; linhas desconhecidas,
// comentários e outras seções são preservados na gravação.
#include <QString>
#include <QStringList>

// O arquivo das configurações do programa, na pasta de trabalho.
extern const QString ArquivoConfiguracoes; // "Tarvisco.ini"

class ArquivoIni {
public:
    // Lê o arquivo; sem arquivo (ou ilegível) começa vazio.
    explicit ArquivoIni(const QString &caminho);

    QString LerTexto(
        const QString &secao, const QString &chave, const QString &padrao = QString()) const;
    // Valor decimal (ou hexadecimal com "$" / "0x"); ausente ou inválido dá o padrão.
    int LerInteiro(const QString &secao, const QString &chave, int padrao) const;

    void EscreverTexto(const QString &secao, const QString &chave, const QString &valor);
    void EscreverInteiro(const QString &secao, const QString &chave, int valor);

    // Grava o arquivo inteiro (linhas terminadas em CR LF). false e 'erro' se falhar.
    bool Gravar(QString *erro = nullptr) const;

private:
    // Índice da linha do cabeçalho da seção, ou -1.
    qsizetype secao(const QString &nome) const;
    // Índice da linha da chave dentro da seção que começa em 'inicio', ou -1.
    qsizetype chave(qsizetype inicio, const QString &nome) const;
    // Fim (exclusivo) da seção que começa em 'inicio'.
    qsizetype fimSecao(qsizetype inicio) const;

    QString m_caminho;
    QStringList m_linhas;
};

#pragma once
// Verificação ortográfica em português do Brasil (Hunspell, o dicionário pt_BR do sistema)
// com a lista pessoal de palavras do usuário, um arquivo de texto na pasta de trabalho.
// Só diz onde estão as palavras desconhecidas e o que sugerir: nunca muda o texto.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

class Hunspell;
class QThread;

namespace Ortografia {
// A lista pessoal de palavras, na pasta de trabalho (uma palavra por linha, UTF-8).
extern const QString ArquivoPessoal; // "Palavras.dic"

// Um trecho do texto (começo e tamanho, em unidades de QString).
struct Trecho {
    int inicio = 0;
    int tamanho = 0;
    bool operator==(const Trecho &) const = default;
};

class Verificador {
public:
    // 'dicionario': o caminho sem extensão (".../pt_BR", com .aff e .dic); 'pessoal': o
    // arquivo da lista pessoal (lido se existir; criado na primeira palavra acrescentada).
    Verificador(const QString &dicionario, const QString &pessoal);
    ~Verificador();
    Verificador(const Verificador &) = delete;
    Verificador &operator=(const Verificador &) = delete;

    // O dicionário foi lido (sem ele, ou enquanto é lido, toda palavra passa).
    bool Pronto() const { return m_hunspell != nullptr; }
    bool Correta(const QString &palavra) const;
    QStringList Sugestoes(const QString &palavra) const;
    // Acrescenta a palavra à lista pessoal (e ao arquivo). false e 'motivo' se o arquivo
    // não pôde ser gravado (a palavra vale nesta execução mesmo assim).
    bool Adicionar(const QString &palavra, QString *motivo = nullptr);

    // As palavras desconhecidas do texto. Não são conferidos: números, siglas (só
    // maiúsculas), endereços de e-mail e da Internet, palavras de uma letra.
    QList<Trecho> Erradas(QStringView texto) const;
    // A palavra do texto que contém a posição (vazia: nenhuma).
    static Trecho PalavraEm(QStringView texto, int posicao);

private:
    friend Verificador &Padrao();
    struct SemCarregar { };
    Verificador(const QString &pessoal, SemCarregar);
    // Lê o dicionário e a lista pessoal (a parte demorada: o pt_BR tem 300 mil linhas).
    static std::unique_ptr<Hunspell> Ler(const QString &dicionario, const QString &pessoal);
    // Passa a usar o dicionário lido (com as palavras acrescentadas enquanto era lido).
    void Instalar(std::unique_ptr<Hunspell> hunspell);

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_pessoal;
    QStringList m_acrescentadas; // antes de o dicionário ficar pronto
    mutable QHash<QString, bool> m_conhecidas; // a resposta do dicionário, por palavra
};

// O verificador do programa (pt_BR do sistema, lista pessoal na pasta de trabalho),
// criado no primeiro uso. O dicionário é lido noutra linha de execução (leva uns dois
// segundos) e a janela não espera: até lá, Pronto() é false.
Verificador &Padrao();
// A linha de execução que lê o dicionário do verificador do programa, enquanto lê (nulo
// depois): o seu finished() chega depois de o dicionário estar pronto.
QThread *Carregando();
// Troca o verificador do programa (os testes usam uma lista pessoal numa pasta própria).
void DefinirPadrao(std::unique_ptr<Verificador> verificador);
} // namespace Ortografia

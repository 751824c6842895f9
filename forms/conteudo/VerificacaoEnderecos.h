#pragma once
// Verificação dos endereços da Internet de uma lista (links, downloads) em segundo plano:
// HEAD em cada endereço completo (http:// ou https://), e GET quando o HEAD é recusado,
// seguindo os redirecionamentos, poucos de cada vez, com um tempo máximo por endereço.
// Só lê: nada é gravado no banco.
#include <QList>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

class VerificacaoEnderecos : public QObject {
    Q_OBJECT
public:
    struct Endereco {
        QString id, nome, endereco;
        bool respondeu = false; // respondeu com sucesso (2xx depois dos redirecionamentos)
        QString resultado; // "HTTP 404", "sem resposta em 10 s", o erro da rede
    };

    explicit VerificacaoEnderecos(QObject *pai = nullptr);
    ~VerificacaoEnderecos() override;

    // É um endereço completo da Internet (os outros não são verificados)?
    static bool Completo(const QString &endereco);

    // Quantos ao mesmo tempo e o tempo máximo de cada pedido (ms).
    void DefinirLimites(int simultaneos, int tempoMaximo);
    // O tempo máximo de cada pedido das verificações criadas daqui em diante (padrão: 10 s;
    // os testes o encurtam).
    static void DefinirTempoPadrao(int tempoMaximo);
    // Começa a verificar os endereços completos da lista (os outros ficam fora).
    void Iniciar(const QList<Endereco> &lista);
    // Para: os pedidos em curso são abandonados e Terminou é emitido.
    void Cancelar();
    bool Ativa() const { return m_ativa; }
    bool Cancelada() const { return m_cancelada; }

    const QList<Endereco> &Enderecos() const { return m_lista; }
    int Feitos() const { return m_feitos; }
    QList<Endereco> Falhas() const; // os que não responderam com sucesso, na ordem da lista

signals:
    void Progresso(int feitos, int total);
    void Terminou();

private:
    void proximos();
    void pedir(int indice, bool get);
    void respondido(QNetworkReply *resposta, int indice, bool get);
    void concluir(int indice, bool respondeu, const QString &resultado);

    QNetworkAccessManager *m_rede;
    QList<Endereco> m_lista;
    QList<QNetworkReply *> m_emCurso;
    int m_proximo = 0, m_feitos = 0;
    int m_simultaneos = 4, m_tempoMaximo;
    bool m_ativa = false, m_cancelada = false;
};

#pragma once
// O caminho de gravação de uma janela de tabela, com o seu estado: o comando (INSERT ou
// UPDATE) que sai dos campos, com NULL para a pesquisa que uma regra esvaziou nesta
// edição; a releitura da linha e a comparação com a mostrada antes de gravar por cima; a
// transação; a exclusão; e os textos longos nas tabelas de descrição. A janela-base tem
// um (TFormTabela::Gravacao) e o usa no Aceitar e no Excluir.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class ControleCampo;

// A linha mostrada foi apagada por outro usuário (Aceitar, Excluir, ou ao mostrá-la).
extern const QString MensagemApagado;
class TFormTabela;

class GravacaoTabela {
public:
    explicit GravacaoTabela(TFormTabela &janela);

    // Uma edição começa: nenhuma pesquisa esvaziada.
    void Comecar();
    // Esvazia um campo por uma regra da janela durante a edição (a pesquisa que outra
    // exclui): no comando desta edição a coluna vai como NULL em vez de ficar de fora.
    void Zerar(const QString &controleId);
    // O comando de gravação (INSERT ou UPDATE) como sairia agora dos campos; lança
    // ErroBanco quando um valor é recusado.
    QStringList Sentenca(bool inclusao) const;
    // Cada campo pode ser gravado como está (sem caractere que o banco não guarda, sem
    // passar da coluna)? Senão, a recusa do campo e false; antes de qualquer comando.
    bool ConferirGravaveis() const;
    // Grava a linha numa transação: o comando, o Id novo de uma inclusão (em EditId) e os
    // seguintes da janela (GravarSeguintes). Na alteração, a linha apagada por outro
    // usuário é avisada, e a mudada é perguntada (gravar por cima, ou continuar editando).
    // false quando nada foi gravado (a mensagem já mostrada ou registrada).
    bool Gravar(bool inclusao);
    // Apaga a linha de EditId e os seus textos longos, numa transação; a linha que outro
    // usuário já apagou é avisada (MensagemApagado), e é uma falha.
    bool Excluir();
    // Roda os passos numa transação: confirma se todos deram certo, desfaz se não (uma
    // falha da própria transação vai para RegistrarErro com o número da janela).
    bool EmTransacao(const std::function<bool()> &passos);
    // Os textos longos dos campos, depois do comando (inserir ou atualizar cada um).
    bool GravarTextosLongos(bool inclusao);

private:
    // Um campo em que a linha gravada agora difere da mostrada (valores como no banco).
    struct Diferenca {
        ControleCampo *campo;
        QString mostrado;
        QString gravado;
    };
    // Relê a linha do EditId (travada até o fim da transação) e a compara com a mostrada
    // nos campos que a mostraram e nos textos longos; false quando ela não existe mais.
    // Lança ErroBanco.
    bool conferirLinhaGravada(QList<Diferenca> &diferencas);
    static QString perguntaAlterado(const QList<Diferenca> &diferencas);

    TFormTabela &m_janela;
    QSet<QString> m_zerados; // campos esvaziados por uma regra nesta edição
};

#pragma once
// Campo de pesquisa: a caixa do Id (EditX, escondida: só o programa a usa) debaixo da
// caixa do nome (EditX_Nome, amarela enquanto se edita), em que o duplo clique abre a
// janela de escolha da tabela referida e traz o Id e o nome da linha escolhida.
#include "ControleCampo.h"

class QLineEdit;

// Pesquisa da coluna, escolhida na janela de número 'escolha'.
Campo CampoPesquisa(const QString &coluna, const QString &rotulo, int escolha);
// O campo do pai de uma lista-filha (a coluna é a colunaPai do catálogo das janelas): a
// pesquisa fixa (o duplo clique dá a mensagem ou nada), fora da linha (a janela-base a
// preenche com a linha-mãe entregue), com a recusa de gravar sem a mãe.
Campo CampoPai(const QString &coluna, const QString &rotulo, int janelaPai,
    PesquisaFixa duploClique, const QString &recusaSemMae);

class ControlePesquisa : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override;
    void DefinirTexto(const QString &texto) override;
    void Mostrar(const TQuery &consulta, const QString &id) override;
    void Limpar() override;
    void Habilitar(bool on) override;
    QWidget *Visivel() const override;
    QWidget *FocoDaEdicao() const override; // o nome, quando escolhe
    QString Exibicao(const QString &id) override;

    // O duplo clique no nome: a conferência de nível, o campo fixo, a escolha na janela
    // da tabela referida (só incluindo ou modificando, com o nome habilitado), a regra
    // própria, o nome e a regra de depois da escolha.
    void Executar();
    // O nome do Id como a janela o mostra (exibição própria ou NomePorId de quem escolhe).
    QString NomeDe(const QString &id);
    // A linha-mãe de uma lista-filha: o Id e o nome entregues pela mãe; com exibição
    // própria, o nome é o dela para o Id (que pode mostrar mais da mãe ao lado).
    void MostrarMae(const QString &id, const QString &nome);

protected:
    QWidget *Criar(QWidget *pai) override;
    void SomenteLeitura(bool) override { }

private:
    QLineEdit *m_id = nullptr;
    QLineEdit *m_nome = nullptr;
};

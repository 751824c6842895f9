#pragma once
// Campo de pesquisa: a caixa do Id (EditX, escondida: só o programa a usa) debaixo da
// caixa do nome (EditX_Nome, amarela enquanto se edita), em que o duplo clique abre a
// janela de escolha da tabela referida e traz o Id e o nome da linha escolhida.
#include "ControleCampo.h"

class QLineEdit;

// Pesquisa da coluna, escolhida na janela de número 'escolha'.
Campo CampoPesquisa(const QString &coluna, const QString &rotulo, int escolha);

class ControlePesquisa : public ControleCampo {
public:
    using ControleCampo::ControleCampo;
    QString Texto() const override;
    void DefinirTexto(const QString &texto) override;
    void Mostrar(const TQuery &consulta, const QString &id) override;
    void Limpar() override;
    void Habilitar(bool on) override;
    QWidget *Visivel() const override;
    QString Exibicao(const QString &id) override;

    // O duplo clique no nome: a conferência de nível, o campo fixo, a escolha na janela
    // da tabela referida (só incluindo ou modificando, com o nome habilitado), a regra
    // própria, o nome e a regra de depois da escolha.
    void Executar();
    // O nome do Id como a janela o mostra (exibição própria ou NomePorId de quem escolhe).
    QString NomeDe(const QString &id);

protected:
    QWidget *Criar(QWidget *pai) override;
    void SomenteLeitura(bool) override { }

private:
    QLineEdit *m_id = nullptr;
    QLineEdit *m_nome = nullptr;
};

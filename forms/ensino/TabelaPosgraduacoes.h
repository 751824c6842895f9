#pragma once
// Pós-graduações (tabela 15): nome, sigla, departamento, categoria, conceito, vagas,
// créditos e duração (números com setas, sempre gravados), as datas e os textos do
// calendário do ano (inscrição, seleção e as três matrículas), coordenador, vice e
// secretária com seus mandatos, contatos, link e três textos longos em abas. Serve de
// escolha de pós-graduação às outras janelas (NomePorId: o nome); os níveis de
// departamento (3..6) veem só as do seu departamento.
#include "Tabela.h"

class TFormTabelaPosgraduacoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaPosgraduacoes(QWidget *parent = nullptr);

    void HabilitarCampos(bool on) override;
    void LimparCampos() override;

protected:
    void MontarControles() override;
};

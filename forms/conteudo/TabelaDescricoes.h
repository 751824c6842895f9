#pragma once
// Descrições das tabelas (tabela 12): um texto por nome de tabela ou página da página na
// Internet, com o nome digitado livremente. Atualizar mostra a janela de novo.
#include "Tabela.h"

class TFormTabelaDescricoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDescricoes(QWidget *parent = nullptr);
};

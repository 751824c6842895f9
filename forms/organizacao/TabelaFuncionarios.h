#pragma once
// Funcionários (tabela 27): nome, código KVA, função, e-mail, telefone e a única unidade
// em que a pessoa atua: seção, centro de pesquisa, assistência ou departamento. Escolher
// uma das quatro aponta as outras três para as suas linhas "[vazio]" (Id 1). Serve de
// escolha para os campos de funcionário das outras janelas.
#include "Tabela.h"

class TFormTabelaFuncionarios : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaFuncionarios(QWidget *parent = nullptr);
};

#pragma once
// Categorias de docentes (tabela 13): a janela mais simples do programa, Nome e Sigla.
// Abre sem mostrar linha; NomePorId dá a Sigla.
#include "Tabela.h"

class TFormTabelaDocenteCategorias : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDocenteCategorias(QWidget *parent = nullptr);

    void ExibirJanela() override;
    void BitBtnEscolherClick() override;
};

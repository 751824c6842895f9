#pragma once
// Janela genérica de uma tabela sem editor próprio: lista as linhas da listagem padrão,
// serve de escolha numa pesquisa e dá o nome de uma linha (NomePorId) pela coluna de
// exibição do catálogo das janelas. Não inclui, não modifica e não exclui.
#include "Tabela.h"

class TFormTabelaGenerica : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaGenerica(int numero, QWidget *parent = nullptr);
};

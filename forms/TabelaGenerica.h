#pragma once
// Janela genérica de uma tabela que ainda não tem editor próprio: lista as linhas da
// listagem padrão, serve de escolha numa pesquisa e dá o nome de uma linha (NomePorId)
// pela coluna de exibição da tabela. Não inclui, não modifica e não exclui.
#include "Tabela.h"

class TFormTabelaGenerica : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaGenerica(int numero, QWidget *parent = nullptr);

    // Coluna de exibição da tabela n (vazia: a primeira de Nome, Titulo, Sigla que houver).
    static QString ColunaExibicao(int numero);
};

#pragma once
// Links (tabela 67): os endereços externos que a página oferece, por categoria, com o
// modo de abrir (dentro ou fora da página) e um comentário. Nenhum campo é obrigatório.
#include "Tabela.h"

class TFormTabelaLinks : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaLinks(QWidget *parent = nullptr);

protected:
    void MontarControles() override; // o botão "Verificar endereços"
};

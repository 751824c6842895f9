#pragma once
// Notícias (tabela 18): título, resumo, conteúdo, link, data, hora e minuto da postagem,
// as marcas da página inicial, do portal e de bolsas, e o crédito de um colaborador. A
// listagem vem da mais nova para a mais antiga.
#include "Tabela.h"

class TFormTabelaNoticias : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaNoticias(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

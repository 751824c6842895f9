#pragma once
// Seções (tabela 21): as seções administrativas da faculdade, com nome, assistência,
// descrição (na própria linha), endereço, CEP, link, imagem e a chefia (chefe docente,
// chefe funcionário, encarregado). A linha de nome "Diretoria" é a diretoria da
// faculdade: no lugar da chefia, o diretor e o vice-diretor com os seus mandatos. Abre os
// e-mails e telefones da seção. Serve de escolha para os campos de seção das outras
// janelas.
#include "Tabela.h"

class TFormTabelaSecoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaSecoes(QWidget *parent = nullptr);

    // A linha é a diretoria (o nome, sem distinguir maiúsculas, é "DIRETORIA").
    static bool Diretoria(const QString &nome);

    void BitBtnAceitarClick() override;
};

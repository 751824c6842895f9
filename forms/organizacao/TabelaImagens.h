#pragma once
// Imagens (tabela 71): o registro das figuras da página, com título, arquivo (nome ou
// endereço completo), copyright, tipo, categoria, descrição, tamanho em pontos e o dono
// opcional (departamento, seção ou docente), cada dono escolhido só pelos níveis que o
// podem associar. Serve de escolha para os campos de imagem dos departamentos, seções e
// docentes; os níveis de departamento (3..6) veem só as imagens do seu departamento e as
// linhas "[vazio]".
#include "Tabela.h"

class TFormTabelaImagens : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaImagens(QWidget *parent = nullptr);
};

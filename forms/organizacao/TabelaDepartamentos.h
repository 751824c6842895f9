#pragma once
// Departamentos (tabela 10): nome, sigla, chefe e suplente (docentes), secretário
// (funcionário), endereço, CEP, link, imagem, a marca de departamento externo e a
// descrição longa em DepartamentosDescricao. Abre as listas de e-mails e telefones do
// departamento. Serve de escolha para os campos de departamento das outras janelas;
// os níveis de departamento (3..6) veem só o seu departamento e a linha "[vazio]".
#include "Tabela.h"

class TFormTabelaDepartamentos : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDepartamentos(QWidget *parent = nullptr);

    // Os níveis de departamento não incluem departamentos (o servidor recusaria): a
    // mensagem diz por quê e nada muda.
    void BitBtnIncluirClick() override;
};

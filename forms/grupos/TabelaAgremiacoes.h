#pragma once
// Agremiações acadêmicas (tabela 40): sigla, nome, departamento, descrição, endereço, CEP,
// telefone, e-mail e link. O representante e o cargo ficam escondidos, mas são lidos e
// gravados de volta. Abre os estudantes da diretoria de cada agremiação (tabela 68). Os
// níveis de departamento (3..6) veem só as agremiações do seu departamento.
#include "Tabela.h"

class TFormTabelaAgremiacoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaAgremiacoes(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

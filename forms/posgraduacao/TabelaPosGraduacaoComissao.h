#pragma once
// Comissão de pós-graduação (tabela 72): cada linha é uma cadeira, com o titular e o
// suplente (docentes), a função e as datas do mandato (uma data do ano 2000 é "sem data").
#include "Tabela.h"

class TFormTabelaPosGraduacaoComissao : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaPosGraduacaoComissao(QWidget *parent = nullptr);
};

#pragma once
// Defesas de tese (tabela 74): título, aluno, data (gravada à meia-noite), hora digitada,
// local (lista de salas, ou digitado), pós-graduação, categoria, a banca de cinco membros
// em abas (cada um docente da faculdade ou externo, com nome, instituição e titulação) e
// a marca de mostrar na página. Listada por data e título.
#include "Tabela.h"

class TFormTabelaDefesas : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDefesas(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

#pragma once
// Assistências (tabela 73): as unidades que agrupam as seções, com nome, descrição
// (guardada na própria linha), assistente, duas secretárias (funcionários), e-mail e dois
// telefones. Conta as linhas antes de listar. Serve de escolha para os campos de
// assistência das seções, dos funcionários e dos downloads.
#include "Tabela.h"

class TFormTabelaAssistencias : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaAssistencias(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

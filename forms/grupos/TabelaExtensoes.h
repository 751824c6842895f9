#pragma once
// Atividades de extensão (tabela 19), com responsável, departamento, descrição e link, e
// os docentes que atuam em cada uma (tabela 20), numa janela-filha aberta pela atividade.
// Os níveis de departamento (3..6) veem só as atividades do seu departamento.
#include "Tabela.h"

class TFormTabelaExtensoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaExtensoes(QWidget *parent = nullptr);
};

// Os docentes de uma atividade de extensão (a que a janela das atividades dá).
class TFormTabelaExtensoesDocentes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaExtensoesDocentes(QWidget *parent = nullptr);

    QString &IdExtensao = IdPai;
    QString &NomeExtensao = NomePai;

protected:
    void MontarControles() override;
};

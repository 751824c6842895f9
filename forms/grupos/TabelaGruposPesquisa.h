#pragma once
// Grupos de pesquisa (tabela 50): sigla, nome, departamento, docente responsável,
// descrição, endereço, CEP e link, e os docentes de cada grupo (tabela 51), numa
// janela-filha aberta pelo grupo. Os níveis de departamento (3..6) veem só os grupos do
// seu departamento.
#include "Tabela.h"

class TFormTabelaGruposPesquisa : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaGruposPesquisa(QWidget *parent = nullptr);
};

// Os docentes de um grupo de pesquisa (o que a janela dos grupos dá, com a sigla).
class TFormTabelaGruposPesquisaDocentes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaGruposPesquisaDocentes(QWidget *parent = nullptr);

    QString &IdGrupo = IdPai;
    QString &NomeGrupo = NomePai;
    QString SiglaGrupo;

protected:
    void MontarControles() override;
    void ReceberMae(const TFormTabela &mae, const BotaoFilha &botao) override;
};

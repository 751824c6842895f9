#pragma once
// Docentes (tabela 11): situação e titulação (listas lidas uma vez das tabelas de
// códigos), departamento ou instituição externa, área, setor, categoria, três textos
// longos (área e linha de pesquisa, observação), link, imagem, atividades, códigos
// Lattes e KVA. Abre os telefones, e-mails, publicações e pós-graduações do docente e,
// no nível 1, as categorias. Serve de escolha para os campos de docente das outras
// janelas; os níveis de departamento (3..6) veem só os docentes do seu departamento.
#include "Tabela.h"

class TFormTabelaDocentes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDocentes(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
    bool ConferirCampos() override;
};

#pragma once
// Diplomas (tabela 81): o nome e a graduação ou a pós-graduação que o confere, nunca as
// duas (escolher uma esvazia a outra; a linha "[vazio]" de um programa vale como nenhum).
// A legenda conta a tabela inteira; a seção de graduação (nível 9) lista só os diplomas
// com graduação, a de pós-graduação (10) só os com pós-graduação.
#include "Tabela.h"

class TFormTabelaDiplomas : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDiplomas(QWidget *parent = nullptr);

protected:
    bool ConferirCampos() override;
};

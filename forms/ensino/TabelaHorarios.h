#pragma once
// Horários (tabela 77): os encontros da semana de uma disciplina oferecida, aberta só
// pela janela das oferecidas: dia, sala, bloco, horas de início e de término e uma
// observação, com a graduação ou a pós-graduação da oferta (propostas numa inclusão;
// escolher uma real esvazia a outra).
#include "Tabela.h"

class TFormTabelaHorarios : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaHorarios(QWidget *parent = nullptr);

    // A oferta, a linha da janela das oferecidas que mostra esta, com o código e o nome da
    // disciplina e o programa.
    QString &IdDisciplina = IdPai;
    QString &NomeDisciplina = NomePai;
    QString CodigoDisciplina, IdGraduacao, NomeGraduacao, IdPosgraduacao, NomePosgraduacao;

    void HabilitarCampos(bool on) override;
    void BitBtnIncluirClick() override;

protected:
    void ReceberMae(const TFormTabela &mae, const BotaoFilha &botao) override;
    bool ConferirCampos() override;
};

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

    // A oferta, escrita pela janela das oferecidas antes de mostrar esta.
    QString IdDisciplina, CodigoDisciplina, NomeDisciplina, IdGraduacao, NomeGraduacao,
        IdPosgraduacao, NomePosgraduacao;

    void DefinirPai(const QString &id, const QString &nome) override;
    void MostrarRegistro() override;
    void HabilitarCampos(bool on) override;
    void LimparCampos() override;
    void BitBtnIncluirClick() override;

protected:
    QStringList SentencaConsulta() const override;
    bool ConferirCampos() override;
};

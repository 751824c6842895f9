#pragma once
// Disciplinas oferecidas (tabela 34): as ofertas de uma disciplina, aberta só pela janela
// das disciplinas. Cada oferta é de uma graduação ou de uma pós-graduação (escolher uma
// real esvazia a outra), com semestre, vagas, início e término, tipo, até cinco horários
// da semana (dia, início, término, sala, bloco), link e departamento externo. Abre o
// rodízio de docentes e os horários da oferta, e dá ao rodízio o código, o nome e o
// programa de uma oferta (DadosPorId).
#include "Tabela.h"

// O que o rodízio de docentes lê de uma oferta.
struct DadosOferecida {
    QString codigo, nome, programa;
};

class TFormTabelaDisciplinasOferecidas : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinasOferecidas(QWidget *parent = nullptr);

    // A disciplina das ofertas, a linha da janela das disciplinas que mostra esta.
    QString &IdDisciplina = IdPai;
    QString &NomeDisciplina = NomePai;
    QString CodigoDisciplina, VagasDisciplina, SemestreDisciplina;

    // Código e nome da disciplina e nome do programa (graduação ou pós-graduação) da oferta.
    DadosOferecida DadosPorId(const QString &id);

    void BitBtnIncluirClick() override;
    bool LinhaEscolhida() const override;

protected:
    void MontarControles() override;
    void ReceberMae(const TFormTabela &mae, const BotaoFilha &botao) override;
    bool ConferirCampos() override;
};

#pragma once
// Rodízio de docentes: os docentes de uma disciplina (tabela 38, aberta pela janela das
// disciplinas) ou de uma disciplina oferecida (tabela 39, aberta pela janela das
// oferecidas, que também mostra o curso da oferta). A mesma janela serve às duas tabelas
// e decide a sua a cada vez que é mostrada.
#include "Tabela.h"

class TFormTabelaDisciplinasRodizios : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinasRodizios(QWidget *parent = nullptr);

    // A disciplina (ou a oferta) da mãe e a tabela pedida (39, ou 0 para a 38).
    QString &IdDisciplina = IdPai;
    int TabelaRodizio = 0;

    void ExibirJanela() override;
    // Código e curso da disciplina (38) ou oferta (39) de Id dado nos campos; devolve o
    // nome da disciplina.
    QString MostrarDisciplina(const QString &id);

protected:
    void MontarControles() override;
    // A tabela é a que o botão da mãe pede: 39 pela janela das oferecidas.
    void ReceberMae(const TFormTabela &mae, const BotaoFilha &botao) override;
};

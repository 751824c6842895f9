#pragma once
// Disciplinas (tabela 32): código KVA, nome, sigla, departamento, modalidade (lista lida
// uma vez da tabela de códigos 33), regime, tipo, palavra-chave, departamento externo, os
// nove números da carga horária e do padrão, o horário e oito textos longos em abas. Os
// níveis de departamento (3..6) veem as disciplinas do seu departamento; as seções de
// graduação (9) e de pós-graduação (10), as da sua modalidade. Duplicar copia a
// disciplina mostrada numa inclusão. Abre as disciplinas oferecidas, os co-requisitos,
// os pré-requisitos e o rodízio de docentes da disciplina, e dá às outras janelas o
// código e o nome de uma disciplina (DadosPorId, DadosComDepartamentoPorId).
#include "Tabela.h"

// O que as outras janelas leem de uma disciplina.
struct DadosDisciplina {
    QString codigo, nome, semestre, vagas, horario, responsavel, responsavel2;
    QString departamento; // o nome (só em DadosComDepartamentoPorId)
};

class TFormTabelaDisciplinas : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinas(QWidget *parent = nullptr);

    // A janela das disciplinas (registrada com o número 32).
    static TFormTabelaDisciplinas *Janela();

    // Código, nome, semestre ideal, vagas, horário e responsáveis da disciplina; vazios
    // sem Id, sem linha ou na falha.
    DadosDisciplina DadosPorId(const QString &id);
    // Código, nome e o nome do departamento da disciplina.
    DadosDisciplina DadosComDepartamentoPorId(const QString &id);

    void MostrarRegistro() override;
    void HabilitarCampos(bool on) override;
    void BitBtnDuplicarClick();
    bool LinhaEscolhida() const override;

protected:
    void MontarControles() override;
    bool ConferirCampos() override;

private:
    // A linha da disciplina na consulta compartilhada (false: sem Id, sem linha ou falha).
    bool ler(const QString &id, DadosDisciplina &dados);
};

#pragma once
// Requisitos de uma disciplina, abertos pela janela das disciplinas: os co-requisitos
// (tabela 35, disciplinas cursadas junto; só inclui e apaga) e os pré-requisitos (tabela
// 37, disciplinas cursadas antes). A outra disciplina é escolhida na janela 36, uma
// segunda janela sobre as disciplinas que só lista (todas, em qualquer nível) e escolhe.
#include "Tabela.h"

// O comum às duas: a disciplina da mãe (IdDisciplina) e a escolha da outra, que só abre
// incluindo ou modificando uma linha dessa disciplina.
class TFormTabelaRequisitos : public TFormTabela {
    Q_OBJECT
public:
    QString &IdDisciplina = IdPai;

protected:
    TFormTabelaRequisitos(const DescricaoJanela &descricao, QWidget *parent);
    void MontarControles() override;
};

class TFormTabelaDisciplinasCoRequisitos : public TFormTabelaRequisitos {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinasCoRequisitos(QWidget *parent = nullptr);

    void ExibirJanela() override;
    void HabilitarCampos(bool on) override;
};

class TFormTabelaDisciplinasPreRequisitos : public TFormTabelaRequisitos {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinasPreRequisitos(QWidget *parent = nullptr);
};

// A escolha de disciplinas dos requisitos: só a lista (o registro fica fora da vista).
class TFormTabelaDisciplinasCoRequisitos_Disciplinas : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDisciplinasCoRequisitos_Disciplinas(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

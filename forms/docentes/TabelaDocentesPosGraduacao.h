#pragma once
// Pós-graduações de um docente (tabela 76): aberta pela janela de docentes, modal, para o
// docente mostrado (IdDocente, NomeDocente); lista e grava só os vínculos dele com os
// programas de pós-graduação, escolhidos na janela das pós-graduações.
#include "Tabela.h"

class TFormTabelaDocentesPosGraduacao : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDocentesPosGraduacao(QWidget *parent = nullptr);

    QString &IdDocente = IdPai;
    QString &NomeDocente = NomePai;
};

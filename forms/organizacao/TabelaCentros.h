#pragma once
// Centros de pesquisa (tabela 30): nome, sigla, departamento, docente e funcionário
// responsáveis com as suas funções, descrição longa em CentrosDescricao e contatos. Abre
// os docentes do centro (tabela 31, TFormTabelaCentrosDocentes). Serve de escolha para o
// campo de centro dos funcionários; os níveis de departamento (3..6) veem só os centros do
// seu departamento e a linha "[vazio]".
#include "Tabela.h"

class TFormTabelaCentros : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaCentros(QWidget *parent = nullptr);
};

// Os docentes de um centro (tabela 31): aberta pela janela dos centros, modal, para o
// centro mostrado (IdCentro, NomeCentro); lista e grava só os docentes dele.
class TFormTabelaCentrosDocentes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaCentrosDocentes(QWidget *parent = nullptr);

    QString &IdCentro = IdPai;
    QString &NomeCentro = NomePai;
};

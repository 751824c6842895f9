#pragma once
// Estudantes (tabela 68): os estudantes da diretoria de uma agremiação, com função,
// graduação e e-mail; aberta só pela janela das agremiações, para uma agremiação.
#include "Tabela.h"

class TFormTabelaEstudantes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaEstudantes(QWidget *parent = nullptr);

    QString &IdAgremiacao = IdPai;
    QString &NomeAgremiacao = NomePai;
};

#pragma once
// Seletor de data (o controle tem o nome dado, como "DateDataInicio"), com o mínimo de
// 1 de janeiro de 2000: uma data anterior gravada aparece como o mínimo.
#include "ControleCampo.h"

#include <QDate>

// A menor data dos seletores do programa.
inline QDate DataMinima()
{
    return QDate(2000, 1, 1);
}

class QDateEdit;
// Um seletor de data do programa: só a data (dia/mês/ano), com o calendário, começando no
// mínimo.
QDateEdit *NovoSeletorData(QWidget *pai);

Campo CampoData(const QString &coluna, const QString &controle, const QString &rotulo);

// A dica dos seletores de data que podem ficar sem data (o ano 2000 vale como nenhuma).
QString DicaDataNula();

#pragma once
// Caixa de marcação (CheckBoxX) de uma coluna 'S'/'N'; o rótulo é o texto da própria caixa.
#include "ControleCampo.h"

Campo CampoMarcacao(const QString &coluna, const QString &rotulo);

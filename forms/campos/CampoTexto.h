#pragma once
// Caixa de texto de uma linha (EditX).
#include "ControleCampo.h"

// Caixa de texto da coluna, com o limite de caracteres dado (0: sem limite).
Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho);

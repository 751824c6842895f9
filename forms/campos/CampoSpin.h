#pragma once
// Número com setas (EditX), entre o mínimo e o máximo dados; vazio quando limpo, e o
// vazio vale 0 nos comandos.
#include "ControleCampo.h"

Campo CampoSpin(const QString &coluna, const QString &rotulo, int minimo, int maximo);

#pragma once
// Número com setas (EditX), entre o mínimo e o máximo dados; vazio quando limpo; a
// coluna sem valor mostra 0.
#include "ControleCampo.h"

Campo CampoSpin(const QString &coluna, const QString &rotulo, int minimo, int maximo);

#pragma once
// Hora "hh:mm" numa caixa com máscara (EditX; a primeira casa da hora é opcional),
// gravada como texto: o da tela com as casas não preenchidas em branco ("  :  " quando
// nada foi digitado). Um texto gravado que a máscara não mostra como está volta igual
// enquanto o usuário não o edita.
#include "ControleCampo.h"

Campo CampoHora(const QString &coluna, const QString &controle, const QString &rotulo);

#pragma once
// Caixa de texto de uma linha (EditX), também com máscara de digitação.
#include "ControleCampo.h"

// Caixa de texto da coluna, com o limite de caracteres dado (0: sem limite).
Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho);
// Caixa de texto com máscara de digitação (horas, números).
Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara);

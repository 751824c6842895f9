#pragma once
// Lista de escolha (EditX, uma caixa de combinação): só de escolha, ou em que também se
// digita (o limite vale só para o digitado).
#include "ControleCampo.h"

Campo CampoLista(const QString &coluna, const QString &rotulo, const QStringList &itens,
    bool editavel, int tamanho = 0);

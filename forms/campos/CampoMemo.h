#pragma once
// Texto de várias linhas (MemoX): de uma coluna da linha, ou guardado inteiro numa
// tabela de descrição (texto longo), com o rótulo de capacidade opcional.
#include "ControleCampo.h"

Campo CampoMemo(const QString &coluna, const QString &rotulo, int tamanho);
// Texto longo: MemoX guardado na tabela de descrição 'tabela', chave 'chave', com o
// rótulo de capacidade LabelCapacidadeX.
Campo CampoTextoLongo(
    const QString &coluna, const QString &rotulo, int tamanho, int tabela, const QString &chave);

#pragma once
// Texto de várias linhas (MemoX): de uma coluna da linha, ou guardado inteiro numa
// tabela de descrição (texto longo), com o rótulo de capacidade opcional.
#include "ControleCampo.h"

Campo CampoMemo(const QString &coluna, const QString &rotulo, int tamanho);
// Texto longo: MemoX guardado na tabela de descrição 'tabela', chave 'chave', com o
// rótulo de capacidade LabelCapacidadeX.
Campo CampoTextoLongo(
    const QString &coluna, const QString &rotulo, int tamanho, int tabela, const QString &chave);

// Comprimento de um texto como o programa o conta: cada quebra de linha vale dois (CR LF).
int ComprimentoMemo(const QString &texto);
// O texto novo de um memo cortado ao limite: numa inserção simples, só o inserido é
// cortado; numa troca do texto todo, o fim. Nulo quando nada do inserido cabe (o
// anterior já estava no limite ou além).
QString CortarAoLimite(const QString &anterior, const QString &novo, int cursor, int limite);

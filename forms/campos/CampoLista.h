#pragma once
// Lista de escolha (EditX, uma caixa de combinação): só de escolha, ou em que também se
// digita (o limite vale só para o digitado).
#include "ControleCampo.h"

class QComboBox;

Campo CampoLista(const QString &coluna, const QString &rotulo, const QStringList &itens,
    bool editavel, int tamanho = 0);

// Carrega a lista 'combo' com a coluna da tabela de códigos n, na consulta dada (a da
// janela da lista, antes da sua listagem); tabela vazia dá o item único "TABELA ESTÁ
// VAZIA". Uma falha vai para RegistrarErro com o número n (os itens já postos ficam).
void CarregarCodigos(TQuery &consulta, int n, const QString &coluna, QComboBox *combo);
// O mesmo, só quando a lista ainda está vazia (carrega uma vez por execução).
void CarregarCodigosUmaVez(TQuery &consulta, int n, const QString &coluna, QComboBox *combo);

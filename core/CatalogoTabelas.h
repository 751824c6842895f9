#pragma once
// Catálogo das tabelas: cada número (0 = o próprio programa, 10..81 = tabelas)
// dá o nome físico, o título das janelas e do registro e a cor das linhas do registro.
#include <QColor>
#include <QString>

QString NomeTabela(int n);
QString TituloTabela(int n);
QColor CorTabela(int n);
bool TabelaCatalogada(int n);

#pragma once

#include <QIcon>

// Ícones das ações do programa: os do tema de ícones da área de trabalho quando ele os tem
// (não o hicolor, a base comum sem tema); senão desenhados pelo próprio programa, em
// qualquer tamanho, só quando aparecem na tela.
enum class Icone { Conectar, Desconectar, Sair, Tabela };

QIcon IconeDoPrograma(Icone icone);

#pragma once
// Caixa de texto com máscara de digitação (EditX), escrita como as janelas a dão:
// "<forma>;<guarda os literais: 0 ou 1>;<caractere dos brancos>". Na forma, 9 é um
// dígito que pode faltar, 0 um dígito exigido e o resto são literais.
//   "999;0;_"    número de até três dígitos: só dígitos; nada digitado lê vazio; o valor
//                entra nos comandos como inteiro
//   "99:99;1;_"  hora: os dois pontos ficam; os brancos não digitados leem como
//                espaços ("  :  " quando nada foi digitado)
#include "ControleCampo.h"

Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara);

#pragma once
// Data e hora de uma coluna de data e hora: o seletor da data (o controle tem o nome
// dado, como "DatePostagem") e, quando pedidas, as listas da hora ("00".."23") e do
// minuto ("00".."59"), ComboBoxHora e ComboBoxMinuto, em que também se digita. O valor vai
// aos comandos como DataHoraParaSQL ('M/D/AAAA h:m:00', a hora e o minuto como estão,
// "8:5:00"; "00" no lugar de um vazio); sem as listas, a data vai à meia-noite. A hora e o
// minuto mostrados vêm sem zero à esquerda ("8", "5", "0"); só números inteiros de 0 a 23
// e de 0 a 59 são aceitos ao gravar.
#include "ControleCampo.h"

// Só a data, gravada às 00:00:00.
Campo CampoDataHora(const QString &coluna, const QString &controle, const QString &rotulo);
// A data, a hora e o minuto.
Campo CampoDataHora(const QString &coluna, const QString &controle, const QString &rotulo,
    const QString &rotuloHora, const QString &rotuloMinuto);

// Recusa de uma hora (até 23) ou de um minuto (até 59) digitado: vazio quando aceito
// (vazio, ou um ou dois algarismos com o valor até o máximo, brancos em volta ignorados).
QString ConferirHoraMinuto(const QString &texto, const QString &campo, int maximo);

#pragma once
// Lista fixa dos lugares de defesa (a lista do campo Local das defesas): salas de reunião,
// de seminários e de aula, auditórios e laboratórios dos blocos da faculdade, depois
// salas de outras faculdades da universidade e do hospital, depois lugares de outras
// cidades; cada grupo separado por uma linha vazia. Tudo inventado.
#include <QStringList>

const QStringList &SalasDefesas();

#pragma once
// Listas fixas das caixas de escolha: os itens que o programa oferece sem lê-los de uma
// tabela de códigos. Ficam aqui, como dados, e as janelas só os nomeiam. Salas e
// departamentos externos são inventados, como o resto da faculdade de demonstração.
#include <QStringList>

namespace ListasFixas {
// Departamentos externos à faculdade: "[vazio]" e mais 13 (uma linha em branco que separa
// os grupos e uma linha de título). A janela das disciplinas e a das disciplinas
// oferecidas dão os mesmos itens em ordens um pouco diferentes.
const QStringList &DeptosExternosDisciplinas();
const QStringList &DeptosExternosOferecidas();
// Salas das disciplinas oferecidas: 91 linhas, em grupos separados por linhas vazias.
const QStringList &SalasOferecidas();
// Salas dos horários: 64 linhas (outra lista, não a das disciplinas oferecidas).
const QStringList &SalasHorarios();

// Tipo de disciplina (disciplinas e disciplinas oferecidas).
const QStringList &TiposDisciplina();
// Regime de uma disciplina.
const QStringList &Regimes();
// Dias da semana de um horário (disciplinas oferecidas e horários).
const QStringList &DiasSemana();
// Blocos dos prédios (disciplinas oferecidas e horários).
const QStringList &Blocos();
// Período do dia de uma graduação.
const QStringList &PeriodosGraduacao();
// Categoria de uma pós-graduação.
const QStringList &CategoriasPosgraduacao();
} // namespace ListasFixas

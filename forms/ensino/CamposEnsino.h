#pragma once
// Campos e regras comuns das janelas que pendem de uma disciplina (oferecidas,
// requisitos, rodízios, horários).
#include "Tabela.h"

namespace Ensino {
// "Disciplina": o nome (EditDisciplina_Nome) e o código (EditCodigoKVA) da disciplina,
// com o Id (EditDisciplina) escondido por baixo; nunca editáveis. É o campo do pai das
// janelas filhas de uma disciplina: o Id vem da coluna Disciplina da linha (a janela tira
// a coluna quando mostra sempre a disciplina da mãe), e sem ele nada é gravado. O código
// e o nome vêm de uma leitura da disciplina (DadosPorId), a menos que a janela os mostre
// de outro jeito (Exibir).
QList<Campo> CamposDisciplina();
// O código e o nome de uma disciplina escolhida na janela 36 (a pesquisa da coluna dada,
// com o código em <controle>_CodigoKVA ao lado).
QList<Campo> CamposOutraDisciplina(const QString &coluna, const QString &controle,
    const QString &rotulo, const QString &obrigatorio);

// Graduação e pós-graduação que se excluem: escolher uma real (nem vazia nem "[vazio]")
// esvazia a outra com a mensagem dada, e a outra vai como NULL no comando desta edição.
Campo PesquisaGraduacao(const QString &rotulo, const QString &mensagemZerada);
Campo PesquisaPosgraduacao(const QString &rotulo, const QString &mensagemZerada);
// As duas reais ao mesmo tempo: a mensagem e false (o Aceitar para).
bool ConferirProgramas(TFormTabela &j);
} // namespace Ensino

#pragma once
// Dados de demonstração do banco embutido, por parte da faculdade: cada parte acrescenta
// os seus comandos (INSERT de linhas com Id) à lista. Tudo é inventado.
#include "Esquema.h"

namespace Esquema::Demonstracao {
// Acrescenta o INSERT de uma linha (valores citados pelo tipo da coluna).
void Inserir(QStringList &comandos, const QString &tabela, const Valores &valores);

void Organizacao(QStringList &comandos); // imagens, assistências, seções, funcionários, centros
void Ensino(QStringList &comandos); // disciplinas, graduações, pós-graduações, oferecimentos
void Datas(QStringList &comandos); // defesas, comissão, diplomas, notícias, comunicados, calendário
void Servicos(QStringList &comandos); // downloads, links, descrições, grupos, agremiações, veículos
} // namespace Esquema::Demonstracao

#pragma once
// Esquema do banco: a fonte única das tabelas e colunas para os dois motores.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Esquema {
// Grafia da coluna como as tabelas a escrevem ("departamento" -> "Departamento").
// Nome desconhecido volta como veio.
QString GrafiaColuna(const QString &nome);

// Cria as tabelas e as linhas iniciais num banco SQLite vazio (o padrão embutido),
// incluindo os dados de demonstração. Lança ErroBanco em falha.
void CriarSQLite(QSqlDatabase &db);
} // namespace Esquema

// Provisório: o esquema completo dos dois motores entra aqui.
#include "Esquema.h"

#include "Banco.h"

#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace Esquema {
QString GrafiaColuna(const QString &nome) { return nome; }

void CriarSQLite(QSqlDatabase &db)
{
    QSqlQuery q(db);
    const QStringList comandos = {
        u"CREATE TABLE Tarvisco (Id INTEGER PRIMARY KEY, Email VARCHAR(255), URL VARCHAR(255), "
        "DesligarVersaoAntiga VARCHAR(1), Versao VARCHAR(20), Instancias INTEGER)"_s,
        u"INSERT INTO Tarvisco VALUES (1, 'webmaster@qorvel.example.org', '', 'N', '16', 0)"_s,
    };
    for (const QString &c : comandos)
        if (!q.exec(c))
            throw ErroBanco(q.lastError().text());
}
} // namespace Esquema

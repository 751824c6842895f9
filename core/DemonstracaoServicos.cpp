// Demonstração: downloads, links, descrições, extensões, grupos de pesquisa, agremiações e
// veículos.
#include "Demonstracao.h"

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
void Servicos(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    Q_UNUSED(ins);
}
} // namespace Esquema::Demonstracao

// Demonstração: disciplinas, graduações, pós-graduações, oferecimentos e horários.
#include "Demonstracao.h"

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
void Ensino(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    Q_UNUSED(ins);
}
} // namespace Esquema::Demonstracao

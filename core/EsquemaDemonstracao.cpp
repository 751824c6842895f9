// Dados de demonstração do banco embutido: uma faculdade fictícia.
#include "Esquema.h"

using namespace Qt::StringLiterals;

namespace Esquema {
QStringList ComandosDemonstracao(Motor motor)
{
    Q_UNUSED(motor);
    return {};
}
} // namespace Esquema

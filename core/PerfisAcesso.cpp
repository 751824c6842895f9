#include "PerfisAcesso.h"

#include <QSet>

using namespace Qt::StringLiterals;

int NivelAcesso = 0;
QString FiltroTabelas;

namespace {
struct Perfil {
    QString nome;
    QString usuario;
    QString departamento;
    QSet<int> etiquetas;
};

const Perfil &perfil(int nivel)
{
    static const Perfil perfis[NumeroNiveis + 1] = {
        {},
        { u"Administrador"_s, u"tarvisco_adm"_s, {},
            { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24,
                25 } },
        { u"Digitador"_s, u"tarvisco_dig"_s, {},
            { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23,
                24 } },
        { u"Departamento de Biologia"_s, u"tarvisco_deptobio"_s, u"Biologia"_s,
            { 0, 1, 3, 4, 5, 7, 10, 11, 12, 14, 23 } },
        { u"Departamento de Física e Matemática"_s, u"tarvisco_deptofis"_s,
            u"Física e Matemática"_s, { 0, 1, 3, 4, 5, 7, 10, 11, 12, 14, 23 } },
        { u"Departamento de Psicologia e Educação"_s, u"tarvisco_deptopsi"_s,
            u"Psicologia e Educação"_s, { 0, 1, 3, 4, 5, 7, 10, 11, 12, 14, 23 } },
        { u"Departamento de Química"_s, u"tarvisco_deptoqui"_s, u"Química"_s,
            { 0, 1, 3, 4, 5, 7, 10, 11, 12, 14, 23 } },
        { u"SEAC"_s, u"tarvisco_seac"_s, {}, { 0, 3 } },
        { u"Seção Pessoal"_s, u"tarvisco_secaopes"_s, {}, { 0, 8, 9, 17, 20 } },
        { u"Seção de Graduação"_s, u"tarvisco_secaogra"_s, {}, { 0, 4, 11, 16, 24 } },
        { u"Seção de Pós-graduação"_s, u"tarvisco_secaopos"_s, {}, { 0, 1, 3, 5, 11, 22, 24 } },
        { u"ATAc"_s, u"tarvisco_secaoatc"_s, {}, {} },
        { u"ATAd"_s, u"tarvisco_secaoatd"_s, {}, { 0, 1, 3, 9, 23 } },
    };
    static const Perfil nenhum;
    return (nivel >= 1 && nivel <= NumeroNiveis) ? perfis[nivel] : nenhum;
}
} // namespace

QString NomeNivel(int nivel)
{
    return perfil(nivel).nome;
}
QString UsuarioNivel(int nivel)
{
    return perfil(nivel).usuario;
}
QString DepartamentoNivel(int nivel)
{
    return perfil(nivel).departamento;
}
bool NivelVeTabela(int nivel, int etiqueta)
{
    return perfil(nivel).etiquetas.contains(etiqueta);
}
bool NivelDeDepartamento(int nivel)
{
    return nivel >= 3 && nivel <= 6;
}
bool FiltroDeDepartamentoAtivo()
{
    return !FiltroTabelas.isEmpty() && NivelDeDepartamento(NivelAcesso);
}
bool NivelDeSecao(int nivel)
{
    return nivel == 9 || nivel == 10;
}
bool FiltroDeSecaoAtivo()
{
    return !FiltroTabelas.isEmpty() && NivelDeSecao(NivelAcesso);
}
bool NivelPodeExcluir(int nivel)
{
    return nivel != 2 && nivel != 7;
}
bool NivelModificaReservadas(int nivel)
{
    return nivel == 1 || nivel == 2;
}

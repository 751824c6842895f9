#include "ListasFixas.h"

using namespace Qt::StringLiterals;

namespace ListasFixas {
namespace {
// Um grupo de salas: as de um bloco, numeradas, ou uma lista de nomes.
struct Grupo {
    QString prefixo; // "Bloco A - Sala " (vazio: os nomes abaixo)
    int primeira = 0, ultima = -1;
    QStringList nomes = {};
};

QStringList montar(const QList<Grupo> &grupos, int vaziasEntreGrupos)
{
    QStringList l;
    for (qsizetype g = 0; g < grupos.size(); ++g) {
        if (g > 0)
            for (int v = 0; v < vaziasEntreGrupos; ++v)
                l << QString();
        const Grupo &grupo = grupos.at(g);
        for (int n = grupo.primeira; n <= grupo.ultima; ++n)
            l << grupo.prefixo + QString::number(n);
        l << grupo.nomes;
    }
    return l;
}

const QString Vazio = u"[vazio]"_s;
const QString Outras = u"Outras:"_s;
} // namespace

const QStringList &DeptosExternosDisciplinas()
{
    static const QStringList l = { Vazio, u"FMQ-DCM"_s, u"FMQ-DPD"_s, u"EEQ-DEE"_s, u"EEQ-DEM"_s,
        u"EEQ-DEC"_s, u"FEA-DAD"_s, u"FEA-DEC"_s, QString(), Outras, u"FDQ-DDP"_s, u"FOQ-DOR"_s,
        u"EEnf-DEF"_s, u"FAQ-DSO"_s };
    return l;
}

const QStringList &DeptosExternosOferecidas()
{
    static const QStringList l = { Vazio, u"EEQ-DEC"_s, u"EEQ-DEE"_s, u"EEQ-DEM"_s, u"FEA-DAD"_s,
        u"FEA-DEC"_s, u"FMQ-DCM"_s, u"FMQ-DPD"_s, QString(), Outras, u"EEnf-DEF"_s, u"FAQ-DSO"_s,
        u"FDQ-DDP"_s, u"FOQ-DOR"_s };
    return l;
}

const QStringList &SalasOferecidas()
{
    // Onze grupos com uma linha vazia entre eles (81 salas e 10 linhas vazias).
    static const QStringList l = montar(
        {
            { u"Bloco A - Sala "_s, 101, 108 },
            { u"Bloco B - Sala "_s, 101, 108 },
            { u"Bloco C - Sala "_s, 101, 108 },
            { u"Bloco D - Sala "_s, 101, 108 },
            { u"Bloco E - Sala "_s, 101, 106 },
            { {}, 0, -1,
                { u"Anfiteatro Norte"_s, u"Anfiteatro Sul"_s, u"Anfiteatro Central"_s,
                    u"Auditório da Diretoria"_s, u"Auditório do Bloco B"_s } },
            { {}, 0, -1,
                { u"Laboratório de Biologia 1"_s, u"Laboratório de Biologia 2"_s,
                    u"Laboratório de Física 1"_s, u"Laboratório de Física 2"_s,
                    u"Laboratório de Física 3"_s, u"Laboratório de Química 1"_s,
                    u"Laboratório de Química 2"_s, u"Laboratório de Química 3"_s,
                    u"Laboratório de Psicologia Experimental"_s, u"Laboratório de Informática 1"_s,
                    u"Laboratório de Informática 2"_s, u"Laboratório de Informática 3"_s } },
            { u"Sala de Seminários "_s, 1, 6 },
            { {}, 0, -1,
                { u"Biblioteca - Sala de Estudos 1"_s, u"Biblioteca - Sala de Estudos 2"_s,
                    u"Biblioteca - Sala de Vídeo"_s } },
            { {}, 0, -1,
                { u"Fazenda Experimental Serra Azul"_s, u"Estação de Biologia Marinha"_s,
                    u"Museu de Ciências do Vale"_s, u"Observatório do Morro Alto"_s,
                    u"Hospital Escola Qorvel"_s, u"Escola Estadual Parceira"_s } },
            { {}, 0, -1,
                { u"A definir"_s, u"Ensino a distância"_s, u"Trabalho de campo"_s,
                    u"Sala do docente"_s, u"Laboratório do orientador"_s,
                    u"Sala da Pós-Graduação"_s, u"Sala da Congregação"_s, u"Ginásio de Esportes"_s,
                    u"Centro de Convivência"_s, u"Quadra Poliesportiva"_s,
                    u"Piscina Olímpica"_s } },
        },
        1);
    return l;
}

const QStringList &SalasHorarios()
{
    static const QStringList l = montar(
        {
            { u"Sala A-"_s, 101, 110 },
            { u"Sala B-"_s, 101, 110 },
            { u"Sala C-"_s, 101, 108 },
            { u"Sala D-"_s, 101, 108 },
            { u"Sala E-"_s, 101, 108 },
            { {}, 0, -1,
                { u"Anfiteatro Norte"_s, u"Anfiteatro Sul"_s, u"Anfiteatro Central"_s,
                    u"Auditório da Diretoria"_s, u"Laboratório de Biologia"_s,
                    u"Laboratório de Física"_s, u"Laboratório de Química"_s,
                    u"Laboratório de Psicologia"_s, u"Laboratório de Informática 1"_s,
                    u"Laboratório de Informática 2"_s, u"Laboratório de Informática 3"_s,
                    u"Sala de Seminários 1"_s, u"Sala de Seminários 2"_s,
                    u"Fazenda Experimental Serra Azul"_s, u"Estação de Biologia Marinha"_s,
                    u"Museu de Ciências do Vale"_s, u"Observatório do Morro Alto"_s,
                    u"Hospital Escola Qorvel"_s, u"Trabalho de campo"_s, u"A definir"_s } },
        },
        0);
    return l;
}

const QStringList &TiposDisciplina()
{
    static const QStringList l
        = { u"Obrigatória"_s, u"Optativa Eletiva"_s, u"Optativa Livre"_s, u"Externa"_s };
    return l;
}

const QStringList &Regimes()
{
    static const QStringList l = { u"Semestral"_s, u"Anual"_s, u"Condensada"_s };
    return l;
}

const QStringList &DiasSemana()
{
    static const QStringList l
        = { u"Segunda-feira"_s, u"Terça-feira"_s, u"Quarta-feira"_s, u"Quinta-feira"_s,
              u"Sexta-feira"_s, u"Sábado"_s, u"Domingo"_s, u"Segunda-feira a Sexta-feira"_s };
    return l;
}

const QStringList &Blocos()
{
    static const QStringList l = { u"Exatas"_s, u"Humanas e Biológicas"_s };
    return l;
}

const QStringList &PeriodosGraduacao()
{
    static const QStringList l = { u"Integral"_s, u"Diurno"_s, u"Verspertino"_s, u"Noturno"_s };
    return l;
}

const QStringList &CategoriasPosgraduacao()
{
    static const QStringList l = { u"Mestrado"_s, u"Doutorado"_s };
    return l;
}
} // namespace ListasFixas

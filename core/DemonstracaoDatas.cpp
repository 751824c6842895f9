// Demonstração: defesas, comissão de pós-graduação, diplomas, notícias, comunicados e calendário.
#include "Demonstracao.h"

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
void Datas(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    // Algumas notícias e datas do calendário (para ver a ordem das datas).
    ins(u"Noticias"_s,
        { { u"Id"_s, u"1"_s }, { u"Titulo"_s, u"Semana de Ciência e Tecnologia"_s },
            { u"Resumo"_s, u"Palestras e oficinas abertas ao público."_s },
            { u"Conteudo"_s, u"Programação completa no saguão do Bloco A.\r\nEntrada franca."_s },
            { u"Postagem"_s, u"2024-10-07 09:30:00"_s }, { u"Visivel"_s, u"S"_s },
            { u"v_portal"_s, u"S"_s }, { u"bolsas"_s, u"N"_s } });
    ins(u"Noticias"_s,
        { { u"Id"_s, u"2"_s }, { u"Titulo"_s, u"Bolsas de iniciação científica"_s },
            { u"Resumo"_s, u"Inscrições até o fim do mês."_s },
            { u"Postagem"_s, u"2024-03-15 14:00:00"_s }, { u"Visivel"_s, u"S"_s },
            { u"v_portal"_s, u"N"_s }, { u"bolsas"_s, u"S"_s } });
    const QList<QStringList> calendario = {
        { u"1"_s, u"Início das aulas"_s, u"2024-03-04"_s, u"Data Oficial com Destaque"_s },
        { u"2"_s, u"Tiradentes"_s, u"2024-04-21"_s, u"Feriado Nacional"_s },
        { u"3"_s, u"Semana de provas"_s, u"2024-06-24"_s, u"Provas/Avaliações"_s },
        { u"4"_s, u"Aniversário da cidade"_s, u"2024-11-12"_s, u"Feriado Municipal"_s },
    };
    for (const QStringList &k : calendario)
        ins(u"Calendario"_s,
            { { u"Id"_s, k[0] }, { u"Titulo"_s, k[1] }, { u"DataInicio"_s, k[2] },
                { u"Periodo"_s, u"N"_s }, { u"DataTermino"_s, k[2] }, { u"Categoria"_s, k[3] } });
}
} // namespace Esquema::Demonstracao

// Demonstração: imagens, assistências, seções e funcionários (e o que mais a organização tiver).
#include "Demonstracao.h"

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
void Organizacao(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    // Imagens e funcionários que os departamentos e docentes apontam.
    ins(u"Imagens"_s,
        { { u"Id"_s, u"2"_s }, { u"Titulo"_s, u"Fachada do Bloco de Biologia"_s },
            { u"Arquivo"_s, u"imagens/bloco_biologia.jpg"_s },
            { u"Copyright"_s, u"Assessoria de Imprensa da Faculdade"_s },
            { u"Tipo"_s, u"Fotografia"_s }, { u"Categoria"_s, u"Ambiente"_s },
            { u"Descricao"_s, u"Vista do pátio interno, à tarde."_s }, { u"TamanhoX"_s, u"800"_s },
            { u"TamanhoY"_s, u"600"_s }, { u"Departamento"_s, u"2"_s } });
    ins(u"Imagens"_s,
        { { u"Id"_s, u"3"_s }, { u"Titulo"_s, u"Laboratório de Óptica"_s },
            { u"Arquivo"_s, u"imagens/lab_optica.jpg"_s }, { u"Tipo"_s, u"Fotografia"_s },
            { u"Categoria"_s, u"Ambiente"_s }, { u"TamanhoX"_s, u"640"_s },
            { u"TamanhoY"_s, u"480"_s }, { u"Departamento"_s, u"3"_s } });
    ins(u"Imagens"_s,
        { { u"Id"_s, u"4"_s }, { u"Titulo"_s, u"Mapa do campus"_s },
            { u"Arquivo"_s, u"https://www.qorvel.example.org/mapa.png"_s },
            { u"Tipo"_s, u"Figura"_s }, { u"Categoria"_s, u"Mapa"_s }, { u"TamanhoX"_s, u"1024"_s },
            { u"TamanhoY"_s, u"768"_s } });

    ins(u"Assistencias"_s,
        { { u"Id"_s, u"2"_s }, { u"Nome"_s, u"Assistência Técnica Acadêmica"_s },
            { u"Descricao"_s, u"Apoio às comissões de graduação e pós-graduação."_s },
            { u"Email"_s, u"atac@qorvel.example.org"_s },
            { u"Telefone1"_s, u"(99) 3555-0100"_s } });
    ins(u"Assistencias"_s,
        { { u"Id"_s, u"3"_s }, { u"Nome"_s, u"Assistência Técnica Administrativa"_s },
            { u"Descricao"_s, u"Compras, patrimônio, transporte e manutenção."_s },
            { u"Email"_s, u"atad@qorvel.example.org"_s },
            { u"Telefone1"_s, u"(99) 3555-0200"_s } });

    ins(u"Secoes"_s,
        { { u"Id"_s, u"2"_s }, { u"Nome"_s, u"Diretoria"_s },
            { u"Descricao"_s, u"Direção da Faculdade.\r\nAtendimento com hora marcada."_s },
            { u"Endereco"_s, u"Av. dos Ipês Amarelos, 1000"_s }, { u"Cep"_s, u"99990-000"_s },
            { u"Diretor"_s, u"6"_s }, { u"DiretorInicio"_s, u"2021-03-01"_s },
            { u"DiretorTermino"_s, u"2025-02-28"_s }, { u"ViceDiretor"_s, u"15"_s },
            { u"ViceDiretorInicio"_s, u"2021-03-01"_s },
            { u"ViceDiretorTermino"_s, u"2025-02-28"_s } });
    ins(u"Secoes"_s,
        { { u"Id"_s, u"3"_s }, { u"Nome"_s, u"Seção de Informática"_s },
            { u"Assistencia"_s, u"3"_s },
            { u"Descricao"_s, u"Suporte aos computadores e à rede da Faculdade."_s } });
    ins(u"Secoes"_s,
        { { u"Id"_s, u"4"_s }, { u"Nome"_s, u"Seção de Graduação"_s }, { u"Assistencia"_s, u"2"_s },
            { u"Descricao"_s, u"Matrículas, históricos e diplomas de graduação."_s } });

    const QList<QStringList> funcionarios = {
        // Id, Nome, Função, Seção, Assistência, Departamento
        { u"2"_s, u"Rogaciano Tupinambá Veloso"_s, u"Secretário de Departamento"_s, u"1"_s, u"1"_s,
            u"2"_s },
        { u"3"_s, u"Zuleide Apodi Carneiro"_s, u"Secretária de Departamento"_s, u"1"_s, u"1"_s,
            u"3"_s },
        { u"4"_s, u"Valdomiro Jacuípe Brandão"_s, u"Analista de Sistemas"_s, u"3"_s, u"1"_s,
            u"1"_s },
        { u"5"_s, u"Wilma Piracicaba Soares"_s, u"Técnica Acadêmica"_s, u"1"_s, u"2"_s, u"1"_s },
    };
    for (const QStringList &f : funcionarios)
        ins(u"Funcionarios"_s,
            { { u"Id"_s, f[0] }, { u"Nome"_s, f[1] }, { u"Funcao"_s, f[2] },
                { u"Codpes"_s, u"90000"_s + f[0] },
                { u"Email"_s, f[1].section(u' ', 0, 0).toLower() + u"@qorvel.example.org"_s },
                { u"Telefone"_s, u"3555-02"_s + f[0].rightJustified(2, u'0') },
                { u"Secao"_s, f[3] }, { u"Centro"_s, u"1"_s }, { u"Assistencia"_s, f[4] },
                { u"Departamento"_s, f[5] } });
}
} // namespace Esquema::Demonstracao

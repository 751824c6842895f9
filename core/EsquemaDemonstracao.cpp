// Dados de demonstração do banco embutido: a Faculdade de Ciências do Vale de Qorvel,
// inventada do começo ao fim (pessoas, endereços, telefones e e-mails são fictícios).
#include "Demonstracao.h"
#include "Esquema.h"
#include "Sentenca.h"

using namespace Qt::StringLiterals;

namespace Esquema {
namespace {
QString n(int i)
{
    return QString::number(i);
}

struct Docente {
    QString nome;
    int departamento;
    int categoria; // DocenteCategorias.Id
    QString titulacao;
    QString situacao;
    QString area;
    QString linha;
};

const QList<Docente> &docentes()
{
    // Ids 2.. (o Id 1 é a linha "[vazio]").
    static const QList<Docente> d = {
        { u"Adelaide Quintanilha Borbolato"_s, 2, 2, u"Titular"_s, u"Ativo"_s,
            u"Ecologia de águas doces"_s, u"Comunidades de macroinvertebrados em riachos"_s },
        { u"Baltazar Ourém Tacaruna"_s, 2, 4, u"Doutor"_s, u"Ativo"_s, u"Genética de populações"_s,
            u"Fluxo gênico em aves do cerrado"_s },
        { u"Celestina Varjão Maripá"_s, 2, 3, u"Livre-Docente"_s, u"Ativo"_s,
            u"Botânica estrutural"_s, u"Anatomia foliar de espécies da caatinga"_s },
        { u"Domitila Arapuã Fenelon"_s, 2, 5, u"Mestre"_s, u"Afastado"_s, u"Microbiologia"_s,
            u"Biofilmes em superfícies hospitalares"_s },
        { u"Eustáquio Gravatá Leme"_s, 3, 2, u"Titular"_s, u"Ativo"_s,
            u"Física da matéria condensada"_s, u"Supercondutividade em filmes finos"_s },
        { u"Filomena Ipanema Sátiro"_s, 3, 3, u"Livre-Docente"_s, u"Ativo"_s,
            u"Análise matemática"_s, u"Equações diferenciais parciais não lineares"_s },
        { u"Gervásio Tabatinga Nóbrega"_s, 3, 4, u"Doutor"_s, u"Ativo"_s, u"Óptica quântica"_s,
            u"Emaranhamento de fótons em cavidades"_s },
        { u"Heloísa Caraíba d'Ávila"_s, 3, 4, u"Pós-Doutor"_s, u"Professor Visitante"_s,
            u"Matemática aplicada"_s, u"Modelos epidemiológicos estocásticos"_s },
        { u"Inácio Paranoá Valadares"_s, 3, 8, u"Titular"_s, u"Aposentado"_s, u"Astrofísica"_s,
            u"Estrelas variáveis na Nuvem de Magalhães"_s },
        { u"Jurema Itaquera Pestana"_s, 4, 3, u"Livre-Docente"_s, u"Ativo"_s,
            u"Psicologia do desenvolvimento"_s, u"Aquisição da linguagem na primeira infância"_s },
        { u"Laurentino Biriba Macedo"_s, 4, 4, u"Doutor"_s, u"Ativo"_s, u"Educação matemática"_s,
            u"Jogos no ensino de frações"_s },
        { u"Marcolina Jequié Albuquerque"_s, 4, 5, u"Mestre"_s, u"Licenciado"_s,
            u"Psicologia social"_s, u"Identidade e pertencimento em bairros periféricos"_s },
        { u"Norberto Cajazeira Faria"_s, 4, 7, u"Doutor"_s, u"Professor Colaborador"_s,
            u"Neuropsicologia"_s, u"Memória de trabalho em idosos"_s },
        { u"Olímpia Guaraci Teixeira"_s, 5, 2, u"Titular"_s, u"Ativo"_s, u"Química orgânica"_s,
            u"Síntese de produtos naturais"_s },
        { u"Policarpo Jaguaribe Ventura"_s, 5, 4, u"Doutor"_s, u"Ativo"_s, u"Físico-química"_s,
            u"Cinética de reações em solução aquosa"_s },
        { u"Quitéria Mossoró Andrada"_s, 5, 6, u"Doutor"_s, u"Ativo"_s, u"Química analítica"_s,
            u"Sensores eletroquímicos para metais pesados"_s },
        { u"Rosalvo Xingó Damasceno"_s, 6, 4, u"Doutor"_s, u"Ativo"_s, u"Linguística histórica"_s,
            u"Variação do português no século XVIII"_s },
        { u"Serafina Içara Lobato"_s, 6, 5, u"Mestre"_s, u"Ativo"_s, u"Literatura comparada"_s,
            u"Poesia de cordel e romanceiro ibérico"_s },
        { u"Tibúrcio Camboriú Alencar"_s, 8, 4, u"Doutor"_s, u"Ativo"_s, u"Ciência da computação"_s,
            u"Algoritmos para grafos dinâmicos"_s },
        { u"Umbelina Oiapoque Serrano"_s, 7, 6, u"Doutor"_s, u"Professor Visitante"_s,
            u"Oceanografia física"_s, u"Correntes costeiras do Atlântico Sul"_s },
    };
    return d;
}
} // namespace

void Demonstracao::Inserir(QStringList &comandos, const QString &tabela, const Valores &valores)
{
    comandos << ComandoInserir(tabela, valores);
}

QStringList ComandosDemonstracao(Motor motor)
{
    Q_UNUSED(motor); // os mesmos comandos nos dois motores
    QStringList c;
    const auto ins
        = [&c](const QString &tabela, const Valores &v) { Demonstracao::Inserir(c, tabela, v); };

    // Departamentos: os quatro dos níveis (semeados) recebem seus dados; mais três.
    ins(u"Departamentos"_s,
        { { u"Id"_s, u"6"_s }, { u"Nome"_s, u"Letras e Linguística"_s }, { u"Sigla"_s, u"LET"_s },
            { u"Visivel"_s, u"N"_s } });
    ins(u"Departamentos"_s,
        { { u"Id"_s, u"7"_s }, { u"Nome"_s, u"Instituto Oceanográfico do Vale Serrano"_s },
            { u"Sigla"_s, u"IOVS"_s }, { u"Link"_s, u"https://iovs.example.net/"_s },
            { u"Visivel"_s, u"S"_s } });
    ins(u"Departamentos"_s,
        { { u"Id"_s, u"8"_s }, { u"Nome"_s, u"Ciências da Computação"_s }, { u"Sigla"_s, u"CCO"_s },
            { u"Visivel"_s, u"N"_s } });
    const QList<QStringList> chefias = {
        // Id, Chefe, Suplente, Secretário, Imagem, Endereço
        { u"2"_s, u"2"_s, u"3"_s, u"2"_s, u"2"_s, u"Bloco A, Rua das Sucupiras, 110"_s },
        { u"3"_s, u"6"_s, u"7"_s, u"3"_s, u"3"_s, u"Bloco B, Rua das Sucupiras, 120"_s },
        { u"4"_s, u"11"_s, u"12"_s, u"1"_s, u"1"_s, u"Bloco C, Rua dos Jatobás, 45"_s },
        { u"5"_s, u"15"_s, u"16"_s, u"1"_s, u"1"_s, u"Bloco D, Rua dos Jatobás, 60"_s },
        { u"6"_s, u"18"_s, u"19"_s, u"1"_s, u"1"_s, u"Bloco E, Praça Central, 5"_s },
    };
    for (const QStringList &d : chefias)
        c << u"UPDATE Departamentos SET Chefe=%1, Suplente=%2, Secretario=%3, Imagem=%4, "
             "Endereco=%5, Cep='99990-%6', Link='https://www.qorvel.example.org/depto%6/' WHERE Id=%6"_s
                 .arg(d[1], d[2], d[3], d[4], CitarTexto(d[5]), d[0]);

    const QStringList nomesDepartamentos = { u"[vazio]"_s, u"Biologia"_s, u"Física e Matemática"_s,
        u"Psicologia e Educação"_s, u"Química"_s, u"Letras e Linguística"_s,
        u"Instituto Oceanográfico do Vale Serrano"_s, u"Ciências da Computação"_s };
    for (int i = 1; i <= nomesDepartamentos.size(); ++i) {
        const QString texto = i == 1
            ? QString()
            : u"O Departamento de %1 reúne docentes dedicados ao ensino, à pesquisa e à "
              u"extensão.\r\n"
              "\r\nÁreas de atuação: graduação, pós-graduação e divulgação científica.\r\n"
              "Horário de atendimento: 2ª a 6ª, das 8h às 17h — \"sala 12\"."_s.arg(
                  nomesDepartamentos.at(i - 1));
        ins(u"DepartamentosDescricao"_s, { { u"Departamento"_s, n(i) }, { u"Texto"_s, texto } });
    }
    ins(u"EmailsDepartamentos"_s,
        { { u"Departamento"_s, u"2"_s }, { u"Email"_s, u"biologia@qorvel.example.org"_s },
            { u"Comentario"_s, u"Secretaria"_s } });
    ins(u"EmailsDepartamentos"_s,
        { { u"Departamento"_s, u"3"_s }, { u"Email"_s, u"fisica.matematica@qorvel.example.org"_s },
            { u"Comentario"_s, u"Secretaria"_s } });
    ins(u"TelefonesDepartamentos"_s,
        { { u"Departamento"_s, u"2"_s }, { u"Categoria"_s, u"telefone"_s },
            { u"Telefone"_s, u"(99) 3555-1100"_s }, { u"Comentario"_s, u"Secretaria"_s } });
    ins(u"TelefonesDepartamentos"_s,
        { { u"Departamento"_s, u"2"_s }, { u"Categoria"_s, u"fax"_s },
            { u"Telefone"_s, u"(99) 3555-1101"_s } });
    ins(u"TelefonesDepartamentos"_s,
        { { u"Departamento"_s, u"5"_s }, { u"Categoria"_s, u"telefone"_s },
            { u"Telefone"_s, u"(99) 3555-1500"_s },
            { u"Comentario"_s, u"Laboratório didático"_s } });

    // Docentes, com seus textos longos, e-mails e telefones.
    const QStringList textosLongos
        = { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s };
    for (int i = 0; i < docentes().size(); ++i) {
        const Docente &d = docentes().at(i);
        const QString id = n(i + 2);
        const bool externo = d.departamento == 7;
        Valores v = { { u"Id"_s, id }, { u"Nome"_s, d.nome }, { u"Situacao"_s, d.situacao },
            { u"Departamento"_s, n(d.departamento) }, { u"Area"_s, d.area },
            { u"Setor"_s, u"Setor de "_s + d.area.section(u' ', 0, 0) },
            { u"Titulacao"_s, d.titulacao }, { u"Categoria"_s, n(d.categoria) },
            { u"Link"_s, u"https://www.qorvel.example.org/docentes/"_s + id },
            { u"Imagem"_s, u"1"_s }, { u"AulaGraduacao"_s, i % 3 ? u"S"_s : u"N"_s },
            { u"AulaPosgraduacao"_s, i % 2 ? u"S"_s : u"N"_s },
            { u"Extensao"_s, i % 4 ? u"N"_s : u"S"_s },
            { u"Lattes"_s, u"99%1"_s.arg(id.rightJustified(12, u'0')) },
            { u"Codpes"_s, u"80000"_s + id.rightJustified(2, u'0') },
            { u"Grupolattes"_s, u"GP%1"_s.arg(100 + d.departamento) },
            { u"Visivel"_s, d.situacao == u"Aposentado"_s ? u"N"_s : u"S"_s } };
        if (externo)
            v << QPair { u"ExternoDepartamento"_s, u"Instituto Oceanográfico do Vale Serrano"_s }
              << QPair { u"ExternoLink"_s, u"https://iovs.example.net/"_s };
        ins(u"Docentes"_s, v);
        const QStringList textos = {
            d.area + u".\r\nSubáreas: teoria, experimentação e ensino."_s,
            d.linha + u";\r\n"_s + u"colaborações com grupos do país e do exterior."_s,
            i % 5 == 0 ? u"Coordena o seminário semanal do departamento (às 4ªs, 14h).\r\n"
                         "Atende alunos com hora marcada: \"plantão\" às 6ªs."_s
                       : QString(),
        };
        for (int t = 0; t < textosLongos.size(); ++t)
            ins(textosLongos.at(t), { { u"Docente"_s, id }, { u"Texto"_s, textos.at(t) } });
        const QString usuario = d.nome.section(u' ', 0, 0).toLower() + u'.'
            + d.nome.section(u' ', -1).toLower().remove(u'\'');
        ins(u"EmailsDocentes"_s,
            { { u"Docente"_s, id },
                { u"Email"_s,
                    QString::fromLatin1(usuario.normalized(QString::NormalizationForm_D)
                                            .toLatin1()
                                            .replace('?', ""))
                        + u"@qorvel.example.org"_s },
                { u"Comentario"_s, u"institucional"_s } });
        if (i % 2 == 0)
            ins(u"TelefonesDocentes"_s,
                { { u"Docente"_s, id }, { u"Categoria"_s, u"telefone"_s },
                    { u"Telefone"_s, u"(99) 3555-2%1"_s.arg(id.rightJustified(3, u'0')) },
                    { u"Comentario"_s, u"Sala "_s + n(100 + i) } });
    }

    // O resto da organização (imagens, assistências, seções, funcionários, centros...),
    // que também dá imagens e secretários a departamentos e docentes daqui.
    Demonstracao::Organizacao(c);
    Demonstracao::Ensino(c);
    Demonstracao::Datas(c);
    Demonstracao::Servicos(c);
    return c;
}
} // namespace Esquema

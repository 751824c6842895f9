// Demonstração: imagens, assistências, seções e a diretoria, funcionários, centros de
// pesquisa com os seus docentes, publicações e pós-graduações dos docentes.
#include "Demonstracao.h"

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
namespace {
QString n(int i)
{
    return QString::number(i);
}
} // namespace

void Organizacao(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };

    // Imagens: de departamentos, seções e docentes, e algumas sem dono.
    struct Imagem {
        QString titulo, arquivo, tipo, categoria, descricao;
        int x, y;
        QString dono; // coluna do dono (vazia: sem dono)
        int idDono;
    };
    const QList<Imagem> imagens = {
        { u"Fachada do Bloco de Biologia"_s, u"imagens/bloco_biologia.jpg"_s, u"Fotografia"_s,
            u"Ambiente"_s, u"Vista do pátio interno, à tarde."_s, 800, 600, u"Departamento"_s, 2 },
        { u"Laboratório de Óptica"_s, u"imagens/lab_optica.jpg"_s, u"Fotografia"_s, u"Ambiente"_s,
            {}, 640, 480, u"Departamento"_s, 3 },
        { u"Mapa do campus"_s, u"https://www.qorvel.example.org/mapa.png"_s, u"Figura"_s, u"Mapa"_s,
            {}, 1024, 768, {}, 0 },
        { u"Retrato da Diretoria"_s, u"imagens/diretoria.jpg"_s, u"Fotografia"_s, u"Pessoal"_s,
            u"Diretor e vice-diretor na escadaria do prédio da Administração."_s, 1200, 800,
            u"Secao"_s, 2 },
        { u"Sala da Seção de Informática"_s, u"imagens/informatica.jpg"_s, u"Fotografia"_s,
            u"Ambiente"_s, {}, 800, 533, u"Secao"_s, 3 },
        { u"Balcão da Seção de Graduação"_s, u"imagens/graduacao_balcao.jpg"_s, u"Fotografia"_s,
            u"Ambiente"_s, u"Atendimento aos alunos, térreo do Bloco A."_s, 800, 600, u"Secao"_s,
            4 },
        { u"Prof. Baltazar em trabalho de campo"_s, u"imagens/docentes/baltazar.jpg"_s,
            u"Fotografia"_s, u"Pessoal"_s, u"Captura de aves para anilhamento."_s, 400, 500,
            u"Docente"_s, 3 },
        { u"Prof.ª Filomena Ipanema Sátiro"_s, u"imagens/docentes/filomena.jpg"_s, u"Fotografia"_s,
            u"Pessoal"_s, {}, 300, 400, u"Docente"_s, 7 },
        { u"Laboratório de Química Analítica"_s, u"imagens/lab_quimica.jpg"_s, u"Fotografia"_s,
            u"Ambiente"_s, u"Bancadas e capela de exaustão."_s, 1024, 683, u"Departamento"_s, 5 },
        { u"Vista aérea do Vale de Qorvel"_s, u"https://fotos.qorvel.example.org/vale/aerea.jpg"_s,
            u"Fotografia"_s, u"Paisagem"_s, u"O campus e o rio Qorvel ao fundo."_s, 1600, 900, {},
            0 },
        { u"Semana de Ciência e Tecnologia 2024"_s, u"imagens/semana_ct_2024.png"_s, u"Imagem"_s,
            u"Evento"_s, u"Cartaz da semana (outubro)."_s, 595, 842, u"Secao"_s, 2 },
        { u"Logotipo do Centro de Limnologia"_s, u"imagens/clv_logo.svg"_s, u"Figura Vetorial"_s,
            u"Evento"_s, {}, 256, 256, u"Departamento"_s, 2 },
        { u"Auditório do Bloco C"_s, u"imagens/auditorio_c.jpg"_s, u"Fotografia"_s, u"Ambiente"_s,
            u"Cento e vinte lugares, com projetor."_s, 800, 600, u"Departamento"_s, 4 },
    };
    for (int i = 0; i < imagens.size(); ++i) {
        const Imagem &m = imagens.at(i);
        Valores v = { { u"Id"_s, n(i + 2) }, { u"Titulo"_s, m.titulo }, { u"Arquivo"_s, m.arquivo },
            { u"Copyright"_s, u"Assessoria de Imprensa da Faculdade"_s }, { u"Tipo"_s, m.tipo },
            { u"Categoria"_s, m.categoria }, { u"Descricao"_s, m.descricao },
            { u"TamanhoX"_s, n(m.x) }, { u"TamanhoY"_s, n(m.y) } };
        if (!m.dono.isEmpty())
            v << QPair { m.dono, n(m.idDono) };
        ins(u"Imagens"_s, v);
    }

    // Funcionários, cada um numa só unidade (as outras três na linha "[vazio]", Id 1).
    struct Funcionario {
        QString nome, funcao;
        int secao = 1, centro = 1, assistencia = 1, departamento = 1;
    };
    const QList<Funcionario> funcionarios = {
        { u"Rogaciano Tupinambá Veloso"_s, u"Secretário de Departamento"_s, 1, 1, 1, 2 },
        { u"Zuleide Apodi Carneiro"_s, u"Secretária de Departamento"_s, 1, 1, 1, 3 },
        { u"Valdomiro Jacuípe Brandão"_s, u"Analista de Sistemas"_s, 3 },
        { u"Wilma Piracicaba Soares"_s, u"Técnica Acadêmica"_s, 1, 1, 2 },
        { u"Xisto Aracaju Pimentel"_s, u"Técnico de Informática"_s, 3 },
        { u"Yolanda Itabira Queiroz"_s, u"Técnica Acadêmica"_s, 4 },
        { u"Abigail Caetité Moura"_s, u"Secretária de Pós-graduação"_s, 5 },
        { u"Benedito Jacarepaguá Rocha"_s, u"Chefe de Pessoal"_s, 6 },
        { u"Cândida Ubatuba Lins"_s, u"Bibliotecária"_s, 7 },
        { u"Diógenes Paraty Campos"_s, u"Auxiliar de Biblioteca"_s, 7 },
        { u"Edwiges Sabará Nunes"_s, u"Assistente Administrativa"_s, 1, 1, 3 },
        { u"Fabrício Itaúna Prado"_s, u"Secretário"_s, 1, 1, 3 },
        { u"Genoveva Marabá Costa"_s, u"Técnica de Laboratório"_s, 1, 2 },
        { u"Hermógenes Tefé Barros"_s, u"Técnico de Óptica"_s, 1, 3 },
        { u"Iolanda Cametá Reis"_s, u"Secretária de Departamento"_s, 1, 1, 1, 4 },
        { u"Jandira Mucuri Viana"_s, u"Secretária"_s, 1, 1, 2 },
        { u"Leopoldina Caxambu Freitas"_s, u"Assistente Financeira"_s, 1, 1, 4 },
        { u"Manoel Piancó Aguiar"_s, u"Técnico de Campo"_s, 1, 4 },
    };
    for (int i = 0; i < funcionarios.size(); ++i) {
        const Funcionario &f = funcionarios.at(i);
        const QString id = n(i + 2);
        ins(u"Funcionarios"_s,
            { { u"Id"_s, id }, { u"Nome"_s, f.nome }, { u"Funcao"_s, f.funcao },
                { u"Codpes"_s, u"90000"_s + id.rightJustified(2, u'0') },
                { u"Email"_s, f.nome.section(u' ', 0, 0).toLower() + u"@qorvel.example.org"_s },
                { u"Telefone"_s, u"3555-02"_s + id.rightJustified(2, u'0') },
                { u"Secao"_s, n(f.secao) }, { u"Centro"_s, n(f.centro) },
                { u"Assistencia"_s, n(f.assistencia) }, { u"Departamento"_s, n(f.departamento) } });
    }

    // Assistências, com assistente e secretárias (uma só com a segunda secretária).
    ins(u"Assistencias"_s,
        { { u"Id"_s, u"2"_s }, { u"Nome"_s, u"Assistência Técnica Acadêmica"_s },
            { u"Descricao"_s,
                u"Apoio às comissões de graduação e pós-graduação.\r\nAtende às 2ªs, 4ªs e "
                "6ªs, das 9h às 16h."_s },
            { u"Assistente"_s, u"5"_s }, { u"Secretaria1"_s, u"17"_s },
            { u"Email"_s, u"atac@qorvel.example.org"_s }, { u"Telefone1"_s, u"(99) 3555-0100"_s },
            { u"Telefone2"_s, u"(99) 3555-0101"_s } });
    ins(u"Assistencias"_s,
        { { u"Id"_s, u"3"_s }, { u"Nome"_s, u"Assistência Técnica Administrativa"_s },
            { u"Descricao"_s, u"Compras, patrimônio, transporte e manutenção."_s },
            { u"Assistente"_s, u"12"_s }, { u"Secretaria1"_s, u"13"_s },
            { u"Email"_s, u"atad@qorvel.example.org"_s },
            { u"Telefone1"_s, u"(99) 3555-0200"_s } });
    ins(u"Assistencias"_s,
        { { u"Id"_s, u"4"_s }, { u"Nome"_s, u"Assistência Financeira"_s },
            { u"Descricao"_s, u"Orçamento, diárias e prestação de contas de projetos."_s },
            { u"Secretaria2"_s, u"18"_s }, { u"Email"_s, u"financeira@qorvel.example.org"_s },
            { u"Telefone1"_s, u"(99) 3555-0300"_s } });

    // Seções e a diretoria (o diretor e o vice-diretor com os mandatos).
    ins(u"Secoes"_s,
        { { u"Id"_s, u"2"_s }, { u"Nome"_s, u"Diretoria"_s },
            { u"Descricao"_s, u"Direção da Faculdade.\r\nAtendimento com hora marcada."_s },
            { u"Endereco"_s, u"Av. dos Ipês Amarelos, 1000"_s }, { u"Cep"_s, u"99990-000"_s },
            { u"Link"_s, u"https://www.qorvel.example.org/diretoria/"_s }, { u"Imagem"_s, u"5"_s },
            { u"Diretor"_s, u"6"_s }, { u"DiretorInicio"_s, u"2021-03-01"_s },
            { u"DiretorTermino"_s, u"2025-02-28"_s }, { u"ViceDiretor"_s, u"15"_s },
            { u"ViceDiretorInicio"_s, u"2021-03-01"_s },
            { u"ViceDiretorTermino"_s, u"2025-02-28"_s } });
    struct Secao {
        QString nome, descricao;
        int assistencia, docente, chefe, encarregado, imagem;
    };
    const QList<Secao> secoes = {
        { u"Seção de Informática"_s, u"Suporte aos computadores e à rede da Faculdade."_s, 3, 20, 4,
            6, 6 },
        { u"Seção de Graduação"_s, u"Matrículas, históricos e diplomas de graduação."_s, 2, 11, 7,
            0, 7 },
        { u"Seção de Pós-graduação"_s, u"Matrículas, bancas e diplomas de mestrado e doutorado."_s,
            2, 0, 8, 0, 0 },
        { u"Seção de Pessoal"_s, u"Frequência, férias e benefícios dos servidores."_s, 3, 0, 9, 0,
            0 },
        { u"Biblioteca"_s,
            u"Acervo de livros e periódicos, com empréstimo entre bibliotecas.\r\nAberta das "
            "8h às 22h."_s,
            3, 10, 10, 11, 0 },
    };
    for (int i = 0; i < secoes.size(); ++i) {
        const Secao &s = secoes.at(i);
        const QString id = n(i + 3);
        Valores v = { { u"Id"_s, id }, { u"Nome"_s, s.nome },
            { u"Assistencia"_s, n(s.assistencia) }, { u"Descricao"_s, s.descricao },
            { u"Endereco"_s, u"Bloco A, Rua das Sucupiras, 1%1"_s.arg(id.rightJustified(2, u'0')) },
            { u"Cep"_s, u"99990-001"_s }, { u"Chefe"_s, n(s.chefe) } };
        if (s.docente)
            v << QPair { u"Diretor"_s, n(s.docente) };
        if (s.encarregado)
            v << QPair { u"Suplente"_s, n(s.encarregado) };
        if (s.imagem)
            v << QPair { u"Imagem"_s, n(s.imagem) };
        ins(u"Secoes"_s, v);
    }
    const QList<QStringList> emailsSecoes = {
        { u"2"_s, u"diretoria@qorvel.example.org"_s, u"Gabinete"_s },
        { u"3"_s, u"informatica@qorvel.example.org"_s, u"Chamados"_s },
        { u"4"_s, u"graduacao@qorvel.example.org"_s, u"Atendimento"_s },
        { u"7"_s, u"biblioteca@qorvel.example.org"_s, u"Empréstimos"_s },
    };
    for (const QStringList &e : emailsSecoes)
        ins(u"EmailsSecoes"_s,
            { { u"Secao"_s, e[0] }, { u"Email"_s, e[1] }, { u"Comentario"_s, e[2] } });
    const QList<QStringList> telefonesSecoes = {
        { u"2"_s, u"telefone"_s, u"(99) 3555-0001"_s, u"Gabinete"_s },
        { u"2"_s, u"fax"_s, u"(99) 3555-0002"_s, {} },
        { u"3"_s, u"telefone"_s, u"(99) 3555-0030"_s, u"Plantão"_s },
        { u"7"_s, u"telefone"_s, u"(99) 3555-0070"_s, u"Balcão"_s },
    };
    for (const QStringList &t : telefonesSecoes)
        ins(u"TelefonesSecoes"_s,
            { { u"Secao"_s, t[0] }, { u"Categoria"_s, t[1] }, { u"Telefone"_s, t[2] },
                { u"Comentario"_s, t[3] } });

    // Centros de pesquisa, com a descrição e os docentes.
    struct Centro {
        QString nome, sigla;
        int departamento, docente;
        QString docenteFuncao;
        int funcionario;
        QString funcionarioFuncao, descricao;
        QList<int> membros;
    };
    const QList<Centro> centros = {
        { u"Centro de Limnologia do Vale"_s, u"CLV"_s, 2, 2, u"Coordenadora"_s, 14,
            u"Técnica de laboratório"_s,
            u"Estuda rios, lagoas e represas do Vale de Qorvel.\r\nMantém uma estação de "
            "coleta no rio Qorvel."_s,
            { 2, 3, 4, 5 } },
        { u"Centro de Estudos em Óptica e Fótons"_s, u"CEOF"_s, 3, 8, u"Coordenador"_s, 15,
            u"Técnico responsável pelos lasers"_s, u"Óptica quântica, fibras e instrumentação."_s,
            { 6, 8, 9 } },
        { u"Núcleo de Pesquisa em Educação Matemática"_s, u"NPEM"_s, 4, 12, u"Coordenador"_s, 19,
            u"Apoio às oficinas nas escolas"_s,
            u"Jogos e materiais para o ensino de matemática nas escolas públicas."_s,
            { 11, 12, 13 } },
    };
    ins(u"CentrosDescricao"_s, { { u"Centro"_s, u"1"_s }, { u"Texto"_s, QString() } });
    int membro = 1;
    for (int i = 0; i < centros.size(); ++i) {
        const Centro &k = centros.at(i);
        const QString id = n(i + 2);
        ins(u"Centros"_s,
            { { u"Id"_s, id }, { u"Nome"_s, k.nome }, { u"Sigla"_s, k.sigla },
                { u"Departamento"_s, n(k.departamento) }, { u"Docente"_s, n(k.docente) },
                { u"DocenteFuncao"_s, k.docenteFuncao }, { u"Funcionario"_s, n(k.funcionario) },
                { u"FuncionarioFuncao"_s, k.funcionarioFuncao },
                { u"Endereco"_s, u"Bloco F, sala 2%1"_s.arg(i) }, { u"Cep"_s, u"99990-010"_s },
                { u"Telefone"_s, u"(99) 3555-04%1"_s.arg(i) },
                { u"Email"_s, k.sigla.toLower() + u"@qorvel.example.org"_s },
                { u"Link"_s, u"https://www.qorvel.example.org/"_s + k.sigla.toLower() + u'/' } });
        ins(u"CentrosDescricao"_s, { { u"Centro"_s, id }, { u"Texto"_s, k.descricao } });
        for (int docente : k.membros)
            ins(u"CentrosDocentes"_s,
                { { u"Id"_s, n(membro++) }, { u"Centro"_s, id }, { u"Docente"_s, n(docente) } });
    }

    // Publicações de alguns docentes, dos três tipos.
    struct Publicacao {
        int docente;
        QString tipo, autor, titulo, ano, mes, veiculo, volume, capitulo, edicao, editora, local,
            paginaInicial, paginaFinal, paginas, circulacao;
    };
    const QList<Publicacao> publicacoes = {
        { 2, u"artigo em periódico"_s, u"Borbolato, A. Q.; Tacaruna, B. O."_s,
            u"Macroinvertebrados como indicadores da qualidade da água em riachos do Vale"_s,
            u"2021"_s, u"março"_s, u"Revista de Limnologia do Planalto"_s, u"12"_s, {}, {}, {}, {},
            u"45"_s, u"67"_s, {}, u"Nacional"_s },
        { 2, u"livro"_s, u"Borbolato, A. Q."_s, u"Ecologia de riachos: guia de campo"_s, u"2019"_s,
            {}, {}, {}, {}, u"2"_s, u"Editora do Vale"_s, u"Qorvel"_s, {}, {}, u"312"_s, {} },
        { 2, u"capítulo de livro"_s, u"Borbolato, A. Q.; Maripá, C. V."_s,
            u"Manual de limnologia aplicada"_s, u"2020"_s, {}, {}, {},
            u"7. Métodos de coleta em águas correntes"_s, u"1"_s, u"Editora do Vale"_s, u"Qorvel"_s,
            u"101"_s, u"130"_s, {}, {} },
        { 6, u"artigo em periódico"_s, u"Leme, E. G.; Nóbrega, G. T."_s,
            u"Superconductivity in ultrathin niobium films"_s, u"2022"_s, u"July"_s,
            u"Journal of Imaginary Condensed Matter"_s, u"88"_s, {}, {}, {}, {}, u"1201"_s,
            u"1215"_s, {}, u"Internacional"_s },
        { 6, u"artigo em periódico"_s, u"Leme, E. G."_s,
            u"Efeito de proximidade em bicamadas supercondutoras"_s, u"2018"_s, u"outubro"_s,
            u"Revista Brasileira de Física Inventada"_s, u"40"_s, {}, {}, {}, {}, u"3"_s, u"19"_s,
            {}, u"Nacional"_s },
        { 7, u"livro"_s, u"Sátiro, F. I."_s, u"Equações diferenciais parciais: uma introdução"_s,
            u"2017"_s, {}, {}, {}, {}, u"3"_s, u"Editora Universitária de Qorvel"_s, u"Qorvel"_s,
            {}, {}, u"428"_s, {} },
        { 11, u"capítulo de livro"_s, u"Pestana, J. I."_s, u"Desenvolvimento infantil em debate"_s,
            u"2023"_s, {}, {}, {}, u"4. As primeiras palavras"_s, u"1"_s,
            u"Editora Psique & Escola"_s, u"Vale Serrano"_s, u"55"_s, u"78"_s, {}, {} },
        { 15, u"artigo em periódico"_s, u"Teixeira, O. G.; Ventura, P. J.; Andrada, Q. M."_s,
            u"Total synthesis of \"cerradine\" alkaloids"_s, u"2024"_s, u"January"_s,
            u"Organic Letters of the Valley"_s, u"26"_s, {}, {}, {}, {}, u"77"_s, u"81"_s, {},
            u"Internacional"_s },
    };
    for (int i = 0; i < publicacoes.size(); ++i) {
        const Publicacao &p = publicacoes.at(i);
        ins(u"Publicacoes"_s,
            { { u"Id"_s, n(i + 1) }, { u"Tipo"_s, p.tipo }, { u"Docente"_s, n(p.docente) },
                { u"Autor"_s, p.autor }, { u"Mes"_s, p.mes }, { u"Ano"_s, p.ano },
                { u"Capitulo"_s, p.capitulo }, { u"Titulo"_s, p.titulo },
                { u"Veiculo"_s, p.veiculo }, { u"Volume"_s, p.volume }, { u"Edicao"_s, p.edicao },
                { u"Editora"_s, p.editora }, { u"Local"_s, p.local },
                { u"PaginaInicial"_s, p.paginaInicial }, { u"PaginaFinal"_s, p.paginaFinal },
                { u"Paginas"_s, p.paginas }, { u"Circulacao"_s, p.circulacao },
                { u"Link"_s, {} } });
    }

    // Pós-graduações em que alguns docentes atuam (os programas 2 e 3 da demonstração do
    // ensino).
    const QList<QPair<int, int>> posGraduacoes
        = { { 2, 2 }, { 3, 2 }, { 6, 3 }, { 7, 3 }, { 8, 3 } };
    for (int i = 0; i < posGraduacoes.size(); ++i)
        ins(u"DocentesPosGraduacao"_s,
            { { u"Id"_s, n(i + 1) }, { u"Docente"_s, n(posGraduacoes.at(i).first) },
                { u"PosGraduacao"_s, n(posGraduacoes.at(i).second) } });

    // Departamentos e docentes que mostram as imagens e os funcionários daqui.
    c << u"UPDATE Departamentos SET Imagem=14, Secretario=16 WHERE Id=4"_s
      << u"UPDATE Departamentos SET Imagem=10 WHERE Id=5"_s
      << u"UPDATE Docentes SET Imagem=8 WHERE Id=3"_s
      << u"UPDATE Docentes SET Imagem=9 WHERE Id=7"_s;
}
} // namespace Esquema::Demonstracao

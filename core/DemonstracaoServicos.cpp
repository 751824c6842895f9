// Demonstração: downloads, links, descrições das tabelas, atividades de extensão, grupos de
// pesquisa, agremiações com suas diretorias e pedidos de veículos com passageiros.
#include "Demonstracao.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
namespace {
QString n(int i)
{
    return QString::number(i);
}

// Data ISO a 'dias' de hoje (os pedidos de veículos são das próximas semanas).
QString daqui(int dias)
{
    return QDate::currentDate().addDays(dias).toString(Qt::ISODate);
}
} // namespace

void Servicos(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    const QString vazio = u"[vazio]"_s;

    // Downloads, de várias categorias e donos (departamento, seção ou assistência).
    ins(u"Downloads"_s, { { u"Id"_s, u"1"_s }, { u"Nome"_s, vazio }, { u"Arquivo"_s, vazio } });
    const QList<QStringList> downloads = {
        // Id, Nome, Arquivo, Categoria, Descrição, Tamanho, Versão, Data, dono (coluna, Id)
        { u"2"_s, u"Requerimento de matrícula"_s, u"requerimento_matricula.pdf"_s, u"Formulários"_s,
            u"Formulário para a matrícula fora do prazo."_s, u"84"_s, u"2.1"_s, u"2024-02-05"_s,
            u"Secao"_s, u"4"_s },
        { u"3"_s, u"Edital de monitoria 2024"_s, u"edital_monitoria_2024.pdf"_s, u"Editais"_s,
            u"Seleção de monitores das disciplinas de graduação."_s, u"212"_s, u"1.0"_s,
            u"2024-03-11"_s, u"Assistencia"_s, u"2"_s },
        { u"4"_s, u"Regimento do Departamento de Biologia"_s, u"regimento_bio.pdf"_s,
            u"Regimentos e Normas"_s, u"Texto aprovado pelo conselho do departamento."_s, u"156"_s,
            u"3"_s, u"2023-09-20"_s, u"Departamento"_s, u"2"_s },
        { u"5"_s, u"Manual do laboratório de óptica"_s, u"manual_lab_optica.pdf"_s, u"Manuais"_s,
            u"Normas de segurança e uso dos equipamentos."_s, u"1450"_s, u"1.4"_s, u"2024-01-15"_s,
            u"Departamento"_s, u"3"_s },
        { u"6"_s, u"Simulador de circuitos"_s,
            u"https://software.qorvel.example.org/simulador/simulador-2.3.zip"_s, u"Programas"_s,
            u"Programa livre usado nas aulas de eletrônica."_s, u"20480"_s, u"2.3"_s,
            u"2024-04-02"_s, u"Departamento"_s, u"3"_s },
        { u"7"_s, u"Ata da reunião do conselho de março"_s, u"ata_conselho_2024_03.pdf"_s,
            u"Atas de Reuniões"_s, u"Reunião ordinária do conselho do departamento."_s, u"96"_s,
            QString(), u"2024-03-28"_s, u"Departamento"_s, u"4"_s },
        { u"8"_s, u"Relatório de atividades 2023"_s, u"relatorio_2023.pdf"_s, u"Relatórios"_s,
            u"Ensino, pesquisa e extensão do ano; \"versão para o site\"."_s, u"3120"_s, u"final"_s,
            u"2024-02-29"_s, u"Departamento"_s, u"5"_s },
        { u"9"_s, u"Pedido de transporte"_s, u"pedido_transporte.doc"_s, u"Formulários"_s,
            u"Para viagens fora do campus com os veículos da faculdade."_s, u"48"_s, u"1.2"_s,
            u"2024-05-06"_s, u"Assistencia"_s, u"3"_s },
        { u"10"_s, u"Guia do calouro"_s, u"guia_calouro.pdf"_s, u"Manuais"_s,
            u"Informações para quem chega à faculdade."_s, u"2600"_s, u"2024"_s, u"2024-01-30"_s,
            QString(), QString() },
    };
    for (const QStringList &d : downloads) {
        Valores v = { { u"Id"_s, d[0] }, { u"Nome"_s, d[1] }, { u"Arquivo"_s, d[2] },
            { u"Categoria"_s, d[3] }, { u"Descricao"_s, d[4] }, { u"Tamanho"_s, d[5] },
            { u"Versao"_s, d[6] }, { u"Copyright"_s, u"Faculdade de Ciências do Vale de Qorvel"_s },
            { u"Data"_s, d[7] + u" 00:00:00"_s } };
        if (!d[8].isEmpty())
            v.append({ d[8], d[9] });
        ins(u"Downloads"_s, v);
    }

    // A página de links, por categoria.
    const QString dentro = u"Abrir dentro da página"_s, fora = u"Abrir fora da página"_s;
    const QList<QStringList> links = {
        // Nome, URL, Alvo, Categoria, Comentário
        { vazio, QString(), dentro, QString(), QString() },
        { u"Biblioteca Central"_s, u"https://biblioteca.qorvel.example.org/"_s, fora,
            u"Bibliotecas"_s, u"Catálogo, reservas e renovações."_s },
        { u"Biblioteca Digital de Teses"_s, u"https://teses.qorvel.example.org/"_s, fora,
            u"Bibliotecas"_s, u"Teses e dissertações defendidas na faculdade."_s },
        { u"Fundação de Amparo à Pesquisa do Vale"_s, u"https://www.fapv.example.org/"_s, fora,
            u"Fomento à pesquisa"_s, u"Bolsas e auxílios à pesquisa."_s },
        { u"Conselho Nacional de Ciência Aplicada"_s, u"https://www.cnca.example.gov/"_s, fora,
            u"Fomento à pesquisa"_s, u"Chamadas públicas e bolsas."_s },
        { u"Calendário da universidade"_s, u"/calendario/"_s, dentro, u"Universidade"_s,
            u"Datas de matrícula, provas e férias."_s },
        { u"Restaurante universitário"_s, u"https://ru.qorvel.example.org/cardapio"_s, fora,
            u"Universidade"_s, u"Cardápio da semana."_s },
    };
    for (int i = 0; i < links.size(); ++i) {
        const QStringList &l = links[i];
        ins(u"Links"_s,
            { { u"Id"_s, n(i + 1) }, { u"Nome"_s, l[0] }, { u"URL"_s, l[1] }, { u"Alvo"_s, l[2] },
                { u"Categoria"_s, l[3] }, { u"Comentario"_s, l[4] } });
    }

    // Descrições das páginas do site.
    const QList<QPair<QString, QString>> descricoes = {
        { vazio, QString() },
        { u"Departamentos"_s,
            u"Os departamentos da faculdade, com chefia, secretaria e contatos."_s },
        { u"Docentes"_s,
            u"Docentes da faculdade: áreas e linhas de pesquisa, titulação e contatos.\r\n"
            "Docentes externos aparecem com a instituição de origem."_s },
        { u"Downloads"_s, u"Formulários, editais, normas e programas para baixar."_s },
        { u"Links"_s, u"Endereços úteis fora da página da faculdade."_s },
        { u"GruposPesquisa"_s, u"Grupos de pesquisa registrados, com seus membros."_s },
        { u"Extensoes"_s, u"Cursos, eventos e serviços oferecidos à comunidade."_s },
    };
    for (int i = 0; i < descricoes.size(); ++i)
        ins(u"Descricoes"_s,
            { { u"Id"_s, n(i + 1) }, { u"NomeTabela"_s, descricoes[i].first },
                { u"Descricao"_s, descricoes[i].second } });

    // Atividades de extensão e seus docentes.
    ins(u"Extensoes"_s, { { u"Id"_s, u"1"_s }, { u"Titulo"_s, vazio } });
    const QList<QStringList> extensoes = {
        // Id, Título, Responsável, Departamento, Descrição, Link
        { u"2"_s, u"Ciência no Parque"_s, u"3"_s, u"2"_s,
            u"Oficinas de biologia para escolas públicas, aos sábados, no Parque das Águas."_s,
            u"https://www.qorvel.example.org/extensao/ciencia-no-parque"_s },
        { u"3"_s, u"Olimpíada Regional de Matemática"_s, u"7"_s, u"3"_s,
            u"Preparação e aplicação das provas para alunos do ensino médio da região."_s,
            u"https://www.qorvel.example.org/extensao/olimpiada"_s },
        { u"4"_s, u"Plantão Psicológico Comunitário"_s, u"13"_s, u"4"_s,
            u"Atendimento gratuito, com hora marcada, na clínica-escola."_s, QString() },
        { u"5"_s, u"Química na Cozinha"_s, u"16"_s, u"5"_s,
            u"Curso de férias para professores do ensino fundamental."_s, QString() },
    };
    for (const QStringList &e : extensoes)
        ins(u"Extensoes"_s,
            { { u"Id"_s, e[0] }, { u"Titulo"_s, e[1] }, { u"Responsavel"_s, e[2] },
                { u"Departamento"_s, e[3] }, { u"Descricao"_s, e[4] }, { u"Link"_s, e[5] } });
    const QList<QPair<int, int>> extensoesDocentes
        = { { 2, 3 }, { 2, 4 }, { 2, 5 }, { 3, 7 }, { 3, 9 }, { 4, 13 }, { 4, 11 }, { 5, 16 } };
    for (int i = 0; i < extensoesDocentes.size(); ++i)
        ins(u"ExtensoesDocentes"_s,
            { { u"Id"_s, n(i + 1) }, { u"Extensao"_s, n(extensoesDocentes[i].first) },
                { u"Docente"_s, n(extensoesDocentes[i].second) } });

    // Grupos de pesquisa e seus membros.
    ins(u"GruposPesquisa"_s, { { u"Id"_s, u"1"_s }, { u"Sigla"_s, vazio }, { u"Nome"_s, vazio } });
    const QList<QStringList> grupos = {
        // Id, Sigla, Nome, Departamento, Docente, Descrição, Endereço, Cep
        { u"2"_s, u"LEAD"_s, u"Laboratório de Ecologia de Águas Doces"_s, u"2"_s, u"2"_s,
            u"Riachos, lagoas e suas comunidades."_s, u"Bloco A, sala 14"_s, u"99990-2"_s },
        { u"3"_s, u"GOQ"_s, u"Grupo de Óptica Quântica"_s, u"3"_s, u"8"_s,
            u"Emaranhamento, cavidades e informação quântica."_s, u"Bloco B, sala 3"_s,
            u"99990-3"_s },
        { u"4"_s, u"NDH"_s, u"Núcleo de Desenvolvimento Humano"_s, u"4"_s, u"11"_s,
            u"Linguagem, cognição e desenvolvimento na infância."_s, u"Bloco C"_s, u"99990-4"_s },
        { u"5"_s, u"SINTNAT"_s, u"Síntese de Produtos Naturais"_s, u"5"_s, u"15"_s,
            u"Síntese total e semissíntese de substâncias de plantas do cerrado."_s,
            u"Bloco D, laboratório 2"_s, u"99990-5"_s },
    };
    for (const QStringList &g : grupos)
        ins(u"GruposPesquisa"_s,
            { { u"Id"_s, g[0] }, { u"Sigla"_s, g[1] }, { u"Nome"_s, g[2] },
                { u"Departamento"_s, g[3] }, { u"Docente"_s, g[4] }, { u"Descricao"_s, g[5] },
                { u"Endereco"_s, g[6] }, { u"Cep"_s, g[7] },
                { u"Link"_s, u"https://www.qorvel.example.org/grupos/"_s + g[1].toLower() } });
    const QList<QPair<int, int>> membros = { { 2, 2 }, { 2, 3 }, { 2, 4 }, { 3, 8 }, { 3, 6 },
        { 3, 9 }, { 4, 11 }, { 4, 12 }, { 5, 15 }, { 5, 17 } };
    for (int i = 0; i < membros.size(); ++i)
        ins(u"GruposPesquisaDocentes"_s,
            { { u"Id"_s, n(i + 1) }, { u"Grupo"_s, n(membros[i].first) },
                { u"Docente"_s, n(membros[i].second) } });

    // Agremiações e os estudantes das suas diretorias.
    ins(u"Agremiacoes"_s, { { u"Id"_s, u"1"_s }, { u"Sigla"_s, vazio }, { u"Nome"_s, vazio } });
    ins(u"Agremiacoes"_s,
        { { u"Id"_s, u"2"_s }, { u"Sigla"_s, u"CABIO"_s },
            { u"Nome"_s, u"Centro Acadêmico de Biologia"_s }, { u"Departamento"_s, u"2"_s },
            { u"Descricao"_s,
                u"Representa os estudantes de Ciências Biológicas.\r\n"
                "Reuniões abertas às quartas-feiras."_s },
            { u"Representante"_s, u"Iracema Potiguar Dantas"_s }, { u"Cargo"_s, u"Presidente"_s },
            { u"Endereco"_s, u"Bloco A, térreo"_s }, { u"Cep"_s, u"99990-2"_s },
            { u"Telefone"_s, u"(99) 3555-1190"_s }, { u"Email"_s, u"cabio@qorvel.example.org"_s },
            { u"Link"_s, u"https://cabio.qorvel.example.org/"_s } });
    ins(u"Agremiacoes"_s,
        { { u"Id"_s, u"3"_s }, { u"Sigla"_s, u"CAPSI"_s },
            { u"Nome"_s, u"Centro Acadêmico de Psicologia"_s }, { u"Departamento"_s, u"4"_s },
            { u"Descricao"_s, u"Gestão \"Escuta Ativa\", eleita para o biênio."_s },
            { u"Representante"_s, u"Joaquim Tapajós Meireles"_s },
            { u"Cargo"_s, u"Coordenador-geral"_s }, { u"Endereco"_s, u"Bloco C, sala 2"_s },
            { u"Cep"_s, u"99990-4"_s }, { u"Telefone"_s, u"(99) 3555-1490"_s },
            { u"Email"_s, u"capsi@qorvel.example.org"_s } });
    const QList<QStringList> estudantes = {
        // Agremiação, Nome, Graduação, Função
        { u"2"_s, u"Iracema Potiguar Dantas"_s, u"2"_s, u"Presidente"_s },
        { u"2"_s, u"Luís Caeté Ramalho"_s, u"2"_s, u"Vice-presidente"_s },
        { u"2"_s, u"Moema Jandaia Prates"_s, u"2"_s, u"Tesoureira"_s },
        { u"3"_s, u"Joaquim Tapajós Meireles"_s, u"4"_s, u"Coordenador-geral"_s },
        { u"3"_s, u"Naiara Tocantins Bezerra"_s, u"4"_s, u"Secretária"_s },
    };
    for (int i = 0; i < estudantes.size(); ++i) {
        const QStringList &e = estudantes[i];
        ins(u"Estudantes"_s,
            { { u"Id"_s, n(i + 1) }, { u"Agremiacao"_s, e[0] }, { u"Nome"_s, e[1] },
                { u"Graduacao"_s, e[2] }, { u"Funcao"_s, e[3] },
                { u"Email"_s,
                    e[1].section(u' ', 0, 0).toLower() + u".aluno@qorvel.example.org"_s } });
    }

    // Pedidos de veículos das próximas semanas, com passageiros.
    ins(u"Veiculos"_s,
        { { u"Id"_s, u"1"_s }, { u"DataInicio"_s, u"2000-01-01"_s }, { u"Nome"_s, vazio },
            { u"nrkva_solicitante"_s, vazio }, { u"Conf_atad"_s, u"N"_s } });
    const QList<QStringList> pedidos = {
        // Id, pedido (dias), Nome, KVA, Depto, Ramal, Destino, Serviço, Finalidade,
        // saída (dias), hora, retorno (dias), hora, Motorista, Tipo, Local, Observação,
        // confirmado
        { u"2"_s, u"-3"_s, u"Adelaide Quintanilha Borbolato"_s, u"1043271"_s, u"2"_s, u"1102"_s,
            u"Reserva Biológica da Serra Azul"_s, u"Viagem"_s, u"Científica"_s, u"9"_s, u"06:30"_s,
            u"11"_s, u"18:00"_s, u"Sim"_s, u"Passageiro"_s, u"KVA"_s,
            u"Coleta de campo; levar caixas térmicas."_s, u"S"_s },
        { u"3"_s, u"-1"_s, u"Gervásio Tabatinga Nóbrega"_s, u"1187764"_s, u"3"_s, u"1215"_s,
            u"Observatório do Morro Alto"_s, u"Viagem"_s, u"Didática"_s, u"16"_s, u"13:00"_s,
            u"16"_s, u"23:30"_s, u"Sim"_s, u"Ônibus"_s, u"KVA"_s,
            u"Turma de astronomia observacional."_s, u"N"_s },
        { u"4"_s, u"0"_s, u"Jurema Itaquera Pestana"_s, u"0998812"_s, u"4"_s, u"1407"_s,
            u"Escola Municipal do Bairro Novo"_s, u"Campus/Cidade"_s, u"Cultural"_s, u"5"_s,
            u" 8:00"_s, u"5"_s, u"12:00"_s, u"Não"_s, u"Passageiro"_s, u"Residência"_s, QString(),
            u"N"_s },
        { u"5"_s, u"-7"_s, u"Olímpia Guaraci Teixeira"_s, u"1022904"_s, u"5"_s, u"1503"_s,
            u"Almoxarifado central"_s, u"Campus/Cidade"_s, u"Administração"_s, u"2"_s, u"09:00"_s,
            u"2"_s, u"10:30"_s, u"Sim"_s, u"Carga"_s, u"KVA"_s, u"Retirada de reagentes."_s,
            u"S"_s },
    };
    for (const QStringList &p : pedidos)
        ins(u"Veiculos"_s,
            { { u"Id"_s, p[0] }, { u"DataInicio"_s, daqui(p[1].toInt()) }, { u"Nome"_s, p[2] },
                { u"nrkva_solicitante"_s, p[3] }, { u"Departamento"_s, p[4] }, { u"Ramal"_s, p[5] },
                { u"Email_solicitante"_s,
                    p[2].section(u' ', 0, 0).toLower() + u"@qorvel.example.org"_s },
                { u"Destino"_s, p[6] }, { u"Des_servico"_s, p[7] }, { u"Finalidade"_s, p[8] },
                { u"Data_saida"_s, daqui(p[9].toInt()) }, { u"hora_saida"_s, p[10] },
                { u"Data_retorno"_s, daqui(p[11].toInt()) }, { u"hora_retorno"_s, p[12] },
                { u"Motorista"_s, p[13] }, { u"Tipo_veic"_s, p[14] }, { u"Local_saida"_s, p[15] },
                { u"Observacao"_s, p[16] }, { u"Conf_atad"_s, p[17] } });
    const QList<QStringList> passageiros = {
        // Pedido, Passageiro, Função, RG, CPF, Endereço
        { u"2"_s, u"Adelaide Quintanilha Borbolato"_s, u"Docente"_s, u"12.345.678-9"_s,
            u"123.456.789-00"_s, u"Rua das Acácias, 45"_s },
        { u"2"_s, u"Celestina Varjão Maripá"_s, u"Docente"_s, u"23.456.789-0"_s,
            u"234.567.890-11"_s, u"Av. Central, 1200, ap. 31"_s },
        { u"2"_s, u"Moema Jandaia Prates"_s, u"Estudante"_s, u"34.567.890-1"_s, u"345.678.901-22"_s,
            u"Moradia Estudantil, bloco 2"_s },
        { u"3"_s, u"Gervásio Tabatinga Nóbrega"_s, u"Docente"_s, u"45.678.901-2"_s,
            u"456.789.012-33"_s, u"Rua do Sol, 7"_s },
        { u"5"_s, u"Olímpia Guaraci Teixeira"_s, u"Docente"_s, u"56.789.012-3"_s,
            u"567.890.123-44"_s, u"Travessa das Flores, 3"_s },
    };
    for (int i = 0; i < passageiros.size(); ++i) {
        const QStringList &p = passageiros[i];
        ins(u"Passageiros"_s,
            { { u"Id"_s, n(i + 1) }, { u"Solicitante"_s, p[0] }, { u"Passageiro"_s, p[1] },
                { u"Funcao"_s, p[2] }, { u"RG"_s, p[3] }, { u"CIC"_s, p[4] },
                { u"Endereco"_s, p[5] } });
    }
}
} // namespace Esquema::Demonstracao

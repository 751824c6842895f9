// Demonstração: defesas, comissão de pós-graduação, diplomas, notícias, comunicados e
// calendário. As datas contam a partir de hoje: notícias dos últimos meses, defesas e
// comunicados das próximas semanas, o calendário do ano corrente (com períodos que
// atravessam o ano novo, para converter o calendário para o ano seguinte).
#include "Demonstracao.h"
#include "Sentenca.h"

#include <QDate>
#include <QDateTime>

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
namespace {
QString dia(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

// Um programa pelo nome (graduação ou pós-graduação), acrescentado só quando a
// demonstração do ensino não o tem; as linhas daqui o apontam pelo nome.
void programa(QStringList &c, const QString &tabela, const QString &nome)
{
    c << u"INSERT INTO %1 (Id, Nome) SELECT (SELECT MAX(Id) + 1 FROM %1), %2 "
         "WHERE NOT EXISTS (SELECT 1 FROM %1 WHERE Nome=%2)"_s.arg(tabela, CitarTexto(nome));
}

// Aponta a coluna da linha 'id' para o programa de nome dado.
void apontar(QStringList &c, const QString &tabela, const QString &coluna, const QString &id,
    const QString &programas, const QString &nome)
{
    c << u"UPDATE %1 SET %2=(SELECT MIN(Id) FROM %3 WHERE Nome=%4) WHERE Id=%5"_s.arg(
        tabela, coluna, programas, CitarTexto(nome), ValorInteiro(id));
}

const QString Biologia = u"Bacharelado em Ciências Biológicas"_s;
const QString Fisica = u"Licenciatura em Física"_s;
const QString Psicologia = u"Bacharelado em Psicologia"_s;
const QString Ecologia = u"Programa de Pós-Graduação em Ecologia"_s;
const QString FisicaAplicada = u"Programa de Pós-Graduação em Física Aplicada"_s;
const QString Desenvolvimento = u"Programa de Pós-Graduação em Psicologia do Desenvolvimento"_s;

void noticias(QStringList &c, const QDateTime &agora)
{
    // Título, resumo, dias atrás, hora, minuto, home page, portal, bolsas, colaboração.
    const struct {
        QString titulo, resumo;
        int dias, hora, minuto;
        bool visivel, portal, bolsas;
        QString colaboracao, url;
    } n[] = {
        { u"Semana de Ciência e Tecnologia"_s, u"Palestras e oficinas abertas ao público."_s, 3, 9,
            30, true, true, false, u"Assessoria de Imprensa"_s, u"imprensa@qorvel.example.org"_s },
        { u"Bolsas de iniciação científica"_s, u"Inscrições até o fim do mês."_s, 9, 14, 0, true,
            false, true, {}, {} },
        { u"Laboratório de Óptica recebe novo laser"_s,
            u"Equipamento amplia os experimentos de emaranhamento."_s, 16, 8, 5, true, true, false,
            u"Gervásio Tabatinga Nóbrega"_s, u"https://www.qorvel.example.org/docentes/8"_s },
        { u"Calouros visitam o Instituto Oceanográfico"_s,
            u"Saída de campo reuniu 80 estudantes."_s, 24, 17, 45, true, false, false, {}, {} },
        { u"Bolsas de mestrado e doutorado"_s, u"Edital com 12 bolsas para 2027."_s, 31, 10, 15,
            true, true, true, {}, {} },
        { u"Prêmio para pesquisa em ecologia de riachos"_s,
            u"Trabalho do Departamento de Biologia é premiado."_s, 40, 11, 0, true, true, false,
            u"Adelaide Quintanilha Borbolato"_s, u"adelaide.borbolato@qorvel.example.org"_s },
        { u"Biblioteca amplia o horário"_s, u"Aberta até as 22h de segunda a sexta."_s, 47, 7, 50,
            true, false, false, {}, {} },
        { u"Olimpíada de Química nas escolas"_s, u"Estudantes da faculdade aplicam as provas."_s,
            55, 13, 20, false, true, false, {}, {} },
        { u"Monitoria: bolsas para o segundo semestre"_s, u"Resultado da seleção publicado."_s, 63,
            16, 0, true, false, true, {}, {} },
        { u"Ciclo de cinema e psicologia"_s, u"Filmes e debates às quintas-feiras."_s, 74, 18, 30,
            true, true, false, u"Centro Acadêmico"_s, u"https://ca.qorvel.example.org/"_s },
        { u"Nova sala de videoconferência"_s, u"Reservas pela secretaria do Bloco A."_s, 86, 9, 0,
            false, false, false, {}, {} },
        { u"Bolsas de extensão universitária"_s, u"Projetos podem ser inscritos até dia 30."_s, 97,
            15, 10, true, true, true, {}, {} },
    };
    int id = 1;
    for (const auto &x : n) {
        const QDateTime postagem(agora.date().addDays(-x.dias), QTime(x.hora, x.minuto));
        Inserir(c, u"Noticias"_s,
            { { u"Id"_s, QString::number(id++) }, { u"Titulo"_s, x.titulo },
                { u"Resumo"_s, x.resumo },
                { u"Conteudo"_s,
                    x.resumo + u"\r\nMais informações na secretaria do departamento."_s },
                { u"Postagem"_s, postagem.toString(u"yyyy-MM-dd HH:mm:ss"_s) },
                { u"Visivel"_s, x.visivel ? u"S"_s : u"N"_s },
                { u"v_portal"_s, x.portal ? u"S"_s : u"N"_s },
                { u"bolsas"_s, x.bolsas ? u"S"_s : u"N"_s }, { u"Colaboracao"_s, x.colaboracao },
                { u"ColaboracaoURL"_s, x.url } });
    }
}

void calendario(QStringList &c, int ano)
{
    const auto data = [ano](int anos, int mes, int d) { return dia(QDate(ano + anos, mes, d)); };
    // Título, início, término (vazio: não é período), categoria, descrição.
    const QList<QStringList> itens = {
        { u"Recesso de fim de ano"_s, data(-1, 12, 21), data(0, 1, 6), u"Data Oficial"_s,
            u"Sem expediente na secretaria."_s },
        { u"Confraternização Universal"_s, data(0, 1, 1), {}, u"Feriado Nacional"_s,
            u"Feriado."_s },
        { u"Carnaval"_s, data(0, 2, 16), data(0, 2, 18), u"Feriado Nacional com Destaque"_s,
            u"Não há aulas."_s },
        { u"Início do primeiro semestre"_s, data(0, 3, 2), {}, u"Data Oficial com Destaque"_s,
            u"Início das aulas de graduação e pós-graduação."_s },
        { u"Tiradentes"_s, data(0, 4, 21), {}, u"Feriado Nacional"_s, u"Feriado."_s },
        { u"Dia do Trabalho"_s, data(0, 5, 1), {}, u"Feriado Nacional"_s, u"Feriado."_s },
        { u"Semana de provas do primeiro semestre"_s, data(0, 6, 22), data(0, 6, 27),
            u"Provas/Avaliações com Destaque"_s, u"Provas finais e exames."_s },
        { u"Férias de inverno"_s, data(0, 7, 4), data(0, 7, 31), u"Data Oficial"_s,
            u"Férias dos estudantes."_s },
        { u"Início do segundo semestre"_s, data(0, 8, 3), {}, u"Data Oficial com Destaque"_s,
            u"Início das aulas do segundo semestre."_s },
        { u"Independência do Brasil"_s, data(0, 9, 7), {}, u"Feriado Nacional"_s, u"Feriado."_s },
        { u"Inscrições para transferência"_s, data(0, 9, 14), data(0, 9, 25),
            u"Transferência KVA"_s, u"Inscrições na seção de graduação."_s },
        { u"Semana de Ciência e Tecnologia"_s, data(0, 10, 19), data(0, 10, 23),
            u"Data Extra-oficial"_s, u"Palestras e oficinas abertas ao público."_s },
        { u"Aniversário da cidade"_s, data(0, 11, 12), {}, u"Feriado Municipal com Destaque"_s,
            u"Feriado municipal."_s },
        { u"Semana de provas do segundo semestre"_s, data(0, 11, 30), data(0, 12, 5),
            u"Provas/Avaliações"_s, u"Provas finais e exames."_s },
        { u"Férias de verão"_s, data(0, 12, 12), data(1, 2, 27), u"Data Oficial"_s,
            u"Férias dos estudantes, até o fim de fevereiro."_s },
        { u"Recesso de fim de ano"_s, data(0, 12, 21), data(1, 1, 6), u"Data Oficial"_s,
            u"Sem expediente na secretaria."_s },
    };
    int id = 1;
    for (const QStringList &k : itens) {
        const bool periodo = !k[2].isEmpty();
        Inserir(c, u"Calendario"_s,
            { { u"Id"_s, QString::number(id++) }, { u"Titulo"_s, k[0] }, { u"DataInicio"_s, k[1] },
                { u"Periodo"_s, periodo ? u"S"_s : u"N"_s },
                { u"DataTermino"_s, periodo ? k[2] : k[1] }, { u"Descricao"_s, k[4] },
                { u"Categoria"_s, k[3] } });
    }
}

void comunicados(QStringList &c, const QDate &hoje)
{
    // Título, dias a partir de hoje, hora, categoria, área, local, departamento (0: nenhum).
    const struct {
        QString titulo;
        int dias;
        QString hora, categoria, area, local;
        int departamento;
        QString informacoes, questoes;
    } n[] = {
        { u"Matrícula em disciplinas optativas"_s, -5, u"09:00"_s, u"Comunicado"_s, u"Graduação"_s,
            u"Seção de Graduação"_s, 0, {}, {} },
        { u"Concurso para professor doutor em Genética"_s, 12, u"08:00"_s, u"Concurso"_s,
            u"Genética"_s, u"Sala da Congregação"_s, 2, {}, u"Não se aplica."_s },
        { u"Edital de monitoria"_s, 3, u"10:00"_s, u"Editais"_s, u"Graduação"_s,
            u"Secretaria do Bloco A"_s, 0, {}, {} },
        { u"Eleição para chefe do Departamento de Física e Matemática"_s, 20, u"09:00"_s,
            u"Eleição"_s, u"Física e Matemática"_s, u"Sala de Reuniões - Bloco B"_s, 3, {}, {} },
        { u"Simpósio de Psicologia do Desenvolvimento"_s, 27, u"14:00"_s, u"Evento"_s,
            u"Psicologia"_s, u"Auditório do Bloco D"_s, 4, {}, {} },
        { u"Aquisição de reagentes para o laboratório didático"_s, 8, u"15:00"_s, u"Licitação"_s,
            u"Química"_s, u"Seção de Compras"_s, 5, u"Pregão eletrônico; propostas até as 15h."_s,
            u"Dúvidas pelo e-mail da Seção de Compras."_s },
        { u"Seleção de mestrado em Ecologia"_s, 34, u"08:30"_s, u"Processo Seletivo"_s,
            u"Ecologia"_s, u"Sala de Seminários 1 - Bloco A"_s, 2, {}, {} },
    };
    int id = 1;
    for (const auto &x : n) {
        Valores v = { { u"Id"_s, QString::number(id++) }, { u"Titulo"_s, x.titulo },
            { u"DataInicio"_s, dia(hoje.addDays(x.dias)) }, { u"Hora"_s, x.hora },
            { u"Categoria"_s, x.categoria }, { u"Area"_s, x.area },
            { u"Descricao"_s, x.categoria + u" da faculdade."_s }, { u"Local"_s, x.local },
            { u"Comentarios"_s, u"Mais informações na página do evento."_s },
            { u"Informacoes"_s, x.informacoes }, { u"Questoes"_s, x.questoes },
            { u"Telefone"_s, u"(99) 3555-0100"_s }, { u"Contato"_s, u"Secretaria"_s },
            { u"Email"_s, u"secretaria@qorvel.example.org"_s },
            { u"Visivel"_s, x.categoria == u"Licitação"_s ? u"S"_s : u"N"_s } };
        if (x.departamento)
            v << QPair { u"Departamento"_s, QString::number(x.departamento) };
        Inserir(c, u"Comunicados"_s, v);
    }
}

void posGraduacao(QStringList &c, const QDate &hoje)
{
    for (const QString &nome : { Biologia, Fisica, Psicologia })
        programa(c, u"Graduacoes"_s, nome);
    for (const QString &nome : { Ecologia, FisicaAplicada, Desenvolvimento })
        programa(c, u"Posgraduacoes"_s, nome);

    // Comissão: mandatos em curso; uma cadeira sem mandato publicado (datas do ano 2000).
    const int ano = hoje.year();
    const QList<QStringList> comissao = {
        { u"1"_s, u"2"_s, u"3"_s, u"Coordenador"_s, dia(QDate(ano - 1, 3, 1)),
            dia(QDate(ano + 1, 2, 28)) },
        { u"2"_s, u"7"_s, u"8"_s, u"Vice-Coordenador"_s, dia(QDate(ano - 1, 3, 1)),
            dia(QDate(ano + 1, 2, 28)) },
        { u"3"_s, u"11"_s, u"12"_s, u"Membro"_s, dia(QDate(ano, 3, 1)),
            dia(QDate(ano + 2, 2, 28)) },
        { u"4"_s, u"16"_s, u"15"_s, u"Membro"_s, u"2000-01-01"_s, u"2000-01-01"_s },
    };
    for (const QStringList &k : comissao)
        Inserir(c, u"PosGraduacaoComissao"_s,
            { { u"Id"_s, k[0] }, { u"Titular"_s, k[1] }, { u"Suplente"_s, k[2] },
                { u"Funcao"_s, k[3] }, { u"MandatoInicio"_s, k[4] },
                { u"MandatoTermino"_s, k[5] } });

    // Diplomas dos dois tipos.
    const QList<QStringList> diplomas = {
        { u"1"_s, u"Bacharel em Ciências Biológicas"_s, u"Graduacao"_s, Biologia },
        { u"2"_s, u"Licenciado em Física"_s, u"Graduacao"_s, Fisica },
        { u"3"_s, u"Bacharel em Psicologia"_s, u"Graduacao"_s, Psicologia },
        { u"4"_s, u"Mestre em Ecologia e Conservação"_s, u"PosGraduacao"_s, Ecologia },
        { u"5"_s, u"Doutor em Ecologia e Conservação"_s, u"PosGraduacao"_s, Ecologia },
        { u"6"_s, u"Mestre em Física Aplicada"_s, u"PosGraduacao"_s, FisicaAplicada },
        { u"7"_s, u"Doutor em Psicologia do Desenvolvimento"_s, u"PosGraduacao"_s,
            Desenvolvimento },
    };
    for (const QStringList &k : diplomas) {
        Inserir(c, u"Diplomas"_s, { { u"Id"_s, k[0] }, { u"Nome"_s, k[1] } });
        apontar(c, u"Diplomas"_s, k[2], k[0],
            k[2] == u"Graduacao"_s ? u"Graduacoes"_s : u"Posgraduacoes"_s, k[3]);
    }

    // Defesas: bancas de docentes da casa e de externos, misturados.
    const auto externo
        = [](int n, const QString &nome, const QString &instituicao, const QString &titulacao) {
              const QString m = QString::number(n);
              return Valores { { u"DocenteExterno"_s + m, nome },
                  { u"Instituicao"_s + m, instituicao }, { u"Titulacao"_s + m, titulacao } };
          };
    const auto docente = [](int n, int id) {
        return QPair { u"Docente"_s + QString::number(n), QString::number(id) };
    };
    const struct {
        QString id, titulo, aluno;
        int dias;
        QString hora, local, categoria, programa;
        Valores banca;
        bool visivel;
    } defesas[] = {
        { u"1"_s,
            u"Macroinvertebrados como indicadores da qualidade da água em riachos de "
            "cabeceira"_s,
            u"Lucimara Tapajós Veloso"_s, 12, u"14:00"_s, u"Sala de Seminários 1 - Bloco A"_s,
            u"Dissertação de Mestrado"_s, Ecologia,
            Valores { docente(1, 2), docente(2, 3) }
                + externo(3, u"Marisa Quaresma Tavares"_s, u"Universidade Federal do Planalto"_s,
                    u"Doutora"_s),
            true },
        { u"2"_s, u"Supercondutividade em filmes finos de nióbio sob tensão mecânica"_s,
            u"Otaviano Brejo Cardoso"_s, 30, u"9:30"_s, u"Auditório do Bloco B"_s,
            u"Tese de Doutorado"_s, FisicaAplicada,
            Valores { docente(1, 6), docente(2, 8), docente(5, 7) }
                + externo(3, u"Ciro Anhangabaú Rezende"_s, u"Instituto de Física do Litoral"_s,
                    u"Livre-Docente"_s)
                + externo(4, u"Yolanda Pitangui Mourão"_s, u"Universidade do Norte Serrano"_s,
                    u"Doutora"_s),
            true },
        { u"3"_s, u"Aquisição de verbos de movimento em crianças bilíngues"_s,
            u"Rebeca Itapoã Fontenele"_s, 5, u"10h"_s, u"Sala 12 do prédio anexo"_s,
            u"Dissertação de Mestrado"_s, Desenvolvimento,
            Valores { docente(1, 11) }
                + externo(2, u"Teodoro Marajó Queiroz"_s, u"Faculdade de Educação"_s, u"Doutor"_s)
                + Valores { docente(3, 13) },
            true },
        { u"4"_s, u"Fluxo gênico em aves do cerrado fragmentado"_s, u"Sílvio Guará Nogueira"_s, -40,
            u"15:00"_s, u"Laboratório de Genética"_s, u"Tese de Doutorado"_s, Ecologia,
            Valores { docente(1, 3), docente(2, 2), docente(3, 4) }
                + externo(
                    4, u"Irene Caiapó Matos"_s, u"Museu de Ciências (Vila Serrana)"_s, u"Doutora"_s)
                + externo(5, u"Joel Tocantins Barros"_s, u"Universidade Federal do Planalto"_s,
                    u"Doutor"_s),
            false },
    };
    for (const auto &d : defesas) {
        Valores v = { { u"Id"_s, d.id }, { u"Titulo"_s, d.titulo }, { u"Aluno"_s, d.aluno },
            { u"Data"_s, dia(hoje.addDays(d.dias)) + u" 00:00:00"_s }, { u"Hora"_s, d.hora },
            { u"Local"_s, d.local }, { u"Categoria"_s, d.categoria },
            { u"Visivel"_s, d.visivel ? u"S"_s : u"N"_s } };
        v << d.banca;
        Inserir(c, u"Defesas"_s, v);
        apontar(c, u"Defesas"_s, u"PosGraduacao"_s, d.id, u"Posgraduacoes"_s, d.programa);
    }
}
} // namespace

void Datas(QStringList &c)
{
    const QDateTime agora = QDateTime::currentDateTime();
    noticias(c, agora);
    calendario(c, agora.date().year());
    comunicados(c, agora.date());
    posGraduacao(c, agora.date());
}
} // namespace Esquema::Demonstracao

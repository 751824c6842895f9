// Demonstração: disciplinas, graduações, pós-graduações, oferecimentos e horários.
#include "Demonstracao.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace Esquema::Demonstracao {
namespace {
QString n(int i)
{
    return QString::number(i);
}

QString iso(const QDate &d)
{
    return d.toString(Qt::ISODate);
}

// O semestre corrente: março a julho, ou agosto a dezembro.
QPair<QDate, QDate> semestreCorrente()
{
    const QDate hoje = QDate::currentDate();
    if (hoje.month() <= 7)
        return { QDate(hoje.year(), 3, 2), QDate(hoje.year(), 7, 10) };
    return { QDate(hoje.year(), 8, 3), QDate(hoje.year(), 12, 15) };
}

struct Disciplina {
    QString codigo, nome, sigla;
    int departamento;
    QString modalidade, regime, tipo, palavraChave, deptoExterno;
    int teoricas, praticas, seminarios, outros, semanas, creditos, estagio, semestre, vagas;
    QString horario, responsavel;
};

// Ids 2.. (o Id 1 é a linha "[vazio]").
const QList<Disciplina> &disciplinas()
{
    static const QList<Disciplina> d = {
        { u"QBI0101"_s, u"Ecologia Geral"_s, u"ECOGER"_s, 2, u"Graduação - Bacharelado"_s,
            u"Semestral"_s, u"Obrigatória"_s, u"ecologia; ecossistemas"_s, u"[vazio]"_s, 60, 30, 0,
            0, 15, 6, 0, 3, 40, u"2ª e 4ª, das 8h às 10h"_s, u"Adelaide Quintanilha Borbolato"_s },
        { u"QBI0102"_s, u"Genética de Populações"_s, u"GENPOP"_s, 2, u"Graduação - Bacharelado"_s,
            u"Semestral"_s, u"Obrigatória"_s, u"genética; evolução"_s, u"[vazio]"_s, 60, 0, 30, 0,
            15, 6, 0, 4, 40, u"3ª e 5ª, das 10h às 12h"_s, u"Baltazar Ourém Tacaruna"_s },
        { u"QBI5701"_s, u"Tópicos em Ecologia de Riachos"_s, u"TOPRIA"_s, 2,
            u"Pós-Graduação - Mestrado"_s, u"Condensada"_s, u"Optativa Eletiva"_s,
            u"riachos; macroinvertebrados"_s, u"[vazio]"_s, 30, 30, 30, 0, 6, 6, 0, 0, 15,
            u"A combinar com os alunos"_s, u"Adelaide Quintanilha Borbolato"_s },
        { u"QFI0110"_s, u"Física I"_s, u"FIS1"_s, 3, u"Graduação - Licenciatura"_s, u"Semestral"_s,
            u"Obrigatória"_s, u"mecânica"_s, u"[vazio]"_s, 60, 30, 0, 0, 15, 6, 0, 1, 60,
            u"2ª, 4ª e 6ª, das 14h às 16h"_s, u"Eustáquio Gravatá Leme"_s },
        { u"QFI0111"_s, u"Física II"_s, u"FIS2"_s, 3, u"Graduação - Licenciatura"_s, u"Semestral"_s,
            u"Obrigatória"_s, u"termodinâmica; ondas"_s, u"[vazio]"_s, 60, 30, 0, 0, 15, 6, 0, 2,
            60, u"3ª e 5ª, das 14h às 16h"_s, u"Gervásio Tabatinga Nóbrega"_s },
        { u"QFI0201"_s, u"Cálculo Diferencial e Integral I"_s, u"CALC1"_s, 3,
            u"Graduação - Bacharelado e Licenciatura"_s, u"Semestral"_s, u"Obrigatória"_s,
            u"cálculo; limites; derivadas"_s, u"[vazio]"_s, 90, 0, 0, 0, 15, 6, 0, 1, 80,
            u"2ª a 6ª, das 8h às 9h40"_s, u"Filomena Ipanema Sátiro"_s },
        { u"QFI5801"_s, u"Óptica Quântica Avançada"_s, u"OPQAV"_s, 3,
            u"Pós-Graduação - Doutorado"_s, u"Semestral"_s, u"Optativa Eletiva"_s,
            u"fótons; cavidades"_s, u"[vazio]"_s, 45, 0, 45, 0, 15, 8, 0, 0, 12,
            u"6ª, das 14h às 18h"_s, u"Gervásio Tabatinga Nóbrega"_s },
        { u"QPS0101"_s, u"Psicologia do Desenvolvimento I"_s, u"PSIDES1"_s, 4,
            u"Graduação - Bacharelado"_s, u"Semestral"_s, u"Obrigatória"_s,
            u"infância; linguagem"_s, u"[vazio]"_s, 60, 0, 30, 0, 15, 4, 0, 2, 60,
            u"4ª, das 19h às 22h40"_s, u"Jurema Itaquera Pestana"_s },
        { u"QPS0220"_s, u"Estágio Supervisionado em Psicologia Escolar"_s, u"ESTESC"_s, 4,
            u"Graduação - Bacharelado"_s, u"Anual"_s, u"Externa"_s, u"estágio; escola"_s,
            u"FMQ-DPD"_s, 0, 0, 30, 60, 30, 8, 120, 9, 20, u"Nas escolas parceiras"_s,
            u"Laurentino Biriba Macedo"_s },
        { u"QQU0101"_s, u"Química Geral"_s, u"QUIGER"_s, 5, u"Graduação - Bacharelado"_s,
            u"Anual"_s, u"Obrigatória"_s, u"átomos; ligações"_s, u"[vazio]"_s, 90, 60, 0, 0, 30, 10,
            0, 1, 50, u"3ª e 5ª, das 8h às 12h"_s, u"Olímpia Guaraci Teixeira"_s },
        { u"QQU5901"_s, u"Síntese Orgânica Avançada"_s, u"SINTORG"_s, 5,
            u"Pós-Graduação - Mestrado e Doutorado"_s, u"Semestral"_s, u"Optativa Eletiva"_s,
            u"síntese; produtos naturais"_s, u"[vazio]"_s, 45, 45, 0, 0, 15, 8, 0, 0, 10,
            u"4ª, das 14h às 18h"_s, u"Olímpia Guaraci Teixeira"_s },
        { u"QLE0101"_s, u"Introdução aos Estudos Linguísticos"_s, u"ESTLING"_s, 6,
            u"Graduação - Licenciatura"_s, u"Semestral"_s, u"Optativa Livre"_s,
            u"linguística; variação"_s, u"[vazio]"_s, 60, 0, 0, 0, 15, 4, 0, 0, 45,
            u"2ª, das 19h às 22h40"_s, u"Rosalvo Xingó Damasceno"_s },
        { u"QCO0101"_s, u"Algoritmos e Estruturas de Dados"_s, u"ALGED"_s, 8,
            u"Extensão Universitária"_s, u"Condensada"_s, u"Optativa Livre"_s,
            u"algoritmos; grafos"_s, u"EEQ-DEC"_s, 30, 30, 0, 0, 4, 4, 0, 0, 30,
            u"Janeiro, das 9h às 12h"_s, u"Tibúrcio Camboriú Alencar"_s },
    };
    return d;
}

const QStringList TabelasTextos = { u"DisciplinasObjetivos"_s, u"DisciplinasConteudo"_s,
    u"DisciplinasMetodosUtilizados"_s, u"DisciplinasAtividades"_s, u"DisciplinasAvaliacao"_s,
    u"DisciplinasRecuperacao"_s, u"DisciplinasBibliografia"_s, u"DisciplinasComentarios"_s };

QStringList textosDisciplina(const Disciplina &d, int i)
{
    return {
        u"Apresentar os fundamentos de %1.\r\nDesenvolver a leitura crítica da literatura "
        "da área."_s.arg(d.nome),
        u"1. Introdução e histórico.\r\n2. Conceitos centrais de %1.\r\n3. Aplicações e "
        "estudos de caso."_s.arg(d.nome),
        u"Aulas expositivas, discussão de textos e exercícios em grupo."_s,
        i % 2 ? u"Relatórios semanais e um seminário."_s
              : u"Trabalho de campo com \"caderno de bordo\" e lista de exercícios."_s,
        u"Duas provas (P1 e P2) e trabalhos: média = (P1 + P2 + T) / 3."_s,
        u"Prova de recuperação com todo o conteúdo, para média entre 3,0 e 5,0."_s,
        u"Textos indicados na primeira aula; apostila do departamento (edição de %1)."_s.arg(
            2015 + i),
        i % 3 ? QString() : u"Disciplina oferecida também como optativa a outros cursos."_s,
    };
}
} // namespace

void Ensino(QStringList &c)
{
    const auto ins = [&c](const QString &tabela, const Valores &v) { Inserir(c, tabela, v); };
    const auto [inicio, termino] = semestreCorrente();
    const int ano = inicio.year();

    // Graduações, com perfil e formação básica.
    const QList<QStringList> graduacoes = {
        // Id, Nome, NomeFantasia, Sigla, Departamento, Modalidade, Semestres, Carga, Período,
        // Vagas, Coordenador
        { u"2"_s, u"Bacharelado em Ciências Biológicas"_s, u"Ciências Biológicas"_s, u"CBB"_s,
            u"2"_s, u"Bacharelado"_s, u"8"_s, u"3240"_s, u"Integral"_s, u"40"_s, u"3"_s },
        { u"3"_s, u"Licenciatura em Física"_s, u"Física - Licenciatura"_s, u"LFIS"_s, u"3"_s,
            u"Licenciatura"_s, u"8"_s, u"2880"_s, u"Noturno"_s, u"30"_s, u"8"_s },
        { u"4"_s, u"Bacharelado em Psicologia"_s, u"Psicologia"_s, u"PSI"_s, u"4"_s,
            u"Bacharelado"_s, u"10"_s, u"4200"_s, u"Diurno"_s, u"60"_s, u"11"_s },
    };
    for (const QStringList &g : graduacoes) {
        ins(u"Graduacoes"_s,
            { { u"Id"_s, g[0] }, { u"Nome"_s, g[1] }, { u"NomeFantasia"_s, g[2] },
                { u"Sigla"_s, g[3] }, { u"Departamento"_s, g[4] }, { u"Categoria"_s, g[5] },
                { u"Reconhecimento"_s, u"Portaria nº %1/2001 do Conselho Estadual"_s.arg(g[0]) },
                { u"SemestresDuracao"_s, g[6] }, { u"CargaHoraria"_s, g[7] },
                { u"Periodo"_s, g[8] }, { u"Vagas"_s, g[9] }, { u"Coordenador"_s, g[10] },
                { u"Link"_s, u"https://www.qorvel.example.org/graduacao/"_s + g[3].toLower() } });
        ins(u"GraduacoesPerfil"_s,
            { { u"Graduacao"_s, g[0] },
                { u"Texto"_s,
                    u"O egresso do curso de %1 atua em pesquisa, ensino e serviços.\r\n"
                    "Perfil generalista, com sólida formação \"de base\"."_s.arg(g[2]) } });
        ins(u"GraduacoesFormacaoBasica"_s,
            { { u"Graduacao"_s, g[0] },
                { u"Texto"_s,
                    u"Matemática, estatística e metodologia científica nos primeiros "
                    "semestres; disciplinas de %1 a partir do terceiro."_s.arg(g[2]) } });
    }

    // Pós-graduações, com o calendário do ano e os três textos.
    const QList<QStringList> posgraduacoes = {
        // Id, Nome, Sigla, Departamento, Categoria, Conceito, Vagas, Créditos, Mín., Máx.,
        // Coordenador, Vice, Secretária
        { u"2"_s, u"Programa de Pós-Graduação em Ecologia"_s, u"PPGEC"_s, u"2"_s, u"Mestrado"_s,
            u"5"_s, u"20"_s, u"96"_s, u"2"_s, u"4"_s, u"2"_s, u"4"_s, u"2"_s },
        { u"3"_s, u"Programa de Pós-Graduação em Física Aplicada"_s, u"PPGFA"_s, u"3"_s,
            u"Doutorado"_s, u"6"_s, u"15"_s, u"144"_s, u"4"_s, u"8"_s, u"6"_s, u"7"_s, u"3"_s },
    };
    for (const QStringList &p : posgraduacoes) {
        const auto dia = [](int a, int m, int d) { return iso(QDate(a, m, d)); };
        ins(u"Posgraduacoes"_s,
            { { u"Id"_s, p[0] }, { u"Nome"_s, p[1] }, { u"Sigla"_s, p[2] },
                { u"Departamento"_s, p[3] }, { u"Categoria"_s, p[4] }, { u"ConceitoCapes"_s, p[5] },
                { u"Vagas"_s, p[6] }, { u"Creditos"_s, p[7] }, { u"DuracaoMinima"_s, p[8] },
                { u"DuracaoMaxima"_s, p[9] },
                { u"Inscricao"_s, u"Pela página do programa; taxa de R$ 50,00"_s },
                { u"InscricaoInicio"_s, dia(ano, 9, 1) },
                { u"InscricaoTermino"_s, dia(ano, 9, 30) },
                { u"Selecao"_s, u"Prova escrita e análise do currículo"_s },
                { u"SelecaoInicio"_s, dia(ano, 10, 13) }, { u"SelecaoTermino"_s, dia(ano, 10, 24) },
                { u"MatriculaIngressante"_s, u"Na secretaria do programa"_s },
                { u"MatriculaIngressanteInicio"_s, dia(ano + 1, 2, 2) },
                { u"MatriculaIngressanteTermino"_s, dia(ano + 1, 2, 13) },
                { u"MatriculaRegular"_s, u"Pelo sistema acadêmico"_s },
                { u"MatriculaRegularInicio"_s, dia(ano + 1, 2, 16) },
                { u"MatriculaRegularTermino"_s, dia(ano + 1, 2, 27) },
                { u"MatriculaEspecial"_s, u"Alunos especiais: até 2 disciplinas"_s },
                { u"MatriculaEspecialInicio"_s, dia(ano + 1, 3, 2) },
                { u"MatriculaEspecialTermino"_s, dia(ano + 1, 3, 6) }, { u"Coordenador"_s, p[10] },
                { u"CoordenadorInicio"_s, dia(ano - 1, 5, 1) },
                { u"CoordenadorTermino"_s, dia(ano + 1, 4, 30) }, { u"ViceCoordenador"_s, p[11] },
                { u"ViceInicio"_s, dia(ano - 1, 5, 1) }, { u"ViceTermino"_s, dia(ano + 1, 4, 30) },
                { u"Secretaria"_s, p[12] },
                { u"Email"_s, p[2].toLower() + u"@qorvel.example.org"_s },
                { u"Telefone"_s, u"(99) 3555-30"_s + p[0].rightJustified(2, u'0') },
                { u"Link"_s, u"https://www.qorvel.example.org/pos/"_s + p[2].toLower() } });
        ins(u"PosGraduacoesNormasGerais"_s,
            { { u"PosGraduacao"_s, p[0] },
                { u"Texto"_s,
                    u"Regimento aprovado pela Comissão de Pós-Graduação.\r\nPrazo máximo: %1 "
                    "semestres."_s.arg(p[9]) } });
        ins(u"PosGraduacoesDocumentacao"_s,
            { { u"PosGraduacao"_s, p[0] },
                { u"Texto"_s,
                    u"Diploma de graduação, histórico escolar, currículo e "
                    "\"carta de intenção\"."_s } });
        ins(u"PosGraduacoesBibliografias"_s,
            { { u"PosGraduacao"_s, p[0] },
                { u"Texto"_s, u"Lista de leituras publicada com o edital de %1."_s.arg(ano) } });
    }

    // Disciplinas, com os oito textos.
    for (int i = 0; i < disciplinas().size(); ++i) {
        const Disciplina &d = disciplinas().at(i);
        const QString id = n(i + 2);
        ins(u"Disciplinas"_s,
            { { u"Id"_s, id }, { u"CodigoKVA"_s, d.codigo }, { u"Nome"_s, d.nome },
                { u"Sigla"_s, d.sigla }, { u"Departamento"_s, n(d.departamento) },
                { u"Categoria"_s, d.modalidade }, { u"Regime"_s, d.regime }, { u"Tipo"_s, d.tipo },
                { u"PalavraChave"_s, d.palavraChave }, { u"DeptoExterno"_s, d.deptoExterno },
                { u"CargaHorariaAulasTeoricas"_s, n(d.teoricas) },
                { u"CargaHorariaAulasPraticas"_s, n(d.praticas) },
                { u"CargaHorariaSeminarios"_s, n(d.seminarios) },
                { u"CargaHorariaOutros"_s, n(d.outros) }, { u"Semanas"_s, n(d.semanas) },
                { u"Creditos"_s, n(d.creditos) }, { u"Estagio"_s, n(d.estagio) },
                { u"SemestreIdeal"_s, n(d.semestre) }, { u"Vagas"_s, n(d.vagas) },
                { u"Horario"_s, d.horario }, { u"Responsavel"_s, d.responsavel } });
        const QStringList textos = textosDisciplina(d, i);
        for (int t = 0; t < TabelasTextos.size(); ++t)
            ins(TabelasTextos.at(t), { { u"Disciplina"_s, id }, { u"Texto"_s, textos.at(t) } });
    }

    // Requisitos: Física II pede Física I, Genética pede Ecologia; Física I e Cálculo I
    // andam juntas.
    ins(u"DisciplinasPreRequisitos"_s,
        { { u"Id"_s, u"1"_s }, { u"Disciplina"_s, u"6"_s }, { u"Requisito"_s, u"5"_s } });
    ins(u"DisciplinasPreRequisitos"_s,
        { { u"Id"_s, u"2"_s }, { u"Disciplina"_s, u"3"_s }, { u"Requisito"_s, u"2"_s } });
    ins(u"DisciplinasCoRequisitos"_s,
        { { u"Id"_s, u"1"_s }, { u"Disciplina"_s, u"5"_s }, { u"Paralela"_s, u"7"_s } });
    ins(u"DisciplinasCoRequisitos"_s,
        { { u"Id"_s, u"2"_s }, { u"Disciplina"_s, u"7"_s }, { u"Paralela"_s, u"5"_s } });

    // Rodízio de docentes das disciplinas: disciplina, docente, ministrante.
    const QList<QStringList> rodizios = { { u"2"_s, u"2"_s, u"S"_s }, { u"2"_s, u"4"_s, u"N"_s },
        { u"5"_s, u"6"_s, u"S"_s }, { u"5"_s, u"8"_s, u"S"_s }, { u"9"_s, u"11"_s, u"S"_s },
        { u"11"_s, u"15"_s, u"S"_s } };
    for (int i = 0; i < rodizios.size(); ++i)
        ins(u"DisciplinasRodizios"_s,
            { { u"Id"_s, n(i + 1) }, { u"Disciplina"_s, rodizios[i][0] },
                { u"Docente"_s, rodizios[i][1] }, { u"Ministrante"_s, rodizios[i][2] } });

    // Disciplinas oferecidas no semestre corrente, com seus horários da semana.
    struct Oferecida {
        int id, disciplina, graduacao, posgraduacao, semestre, vagas;
        QString tipo;
        QList<QStringList> horarios; // dia, início, término, sala, bloco
    };
    const QString biologicas = u"Humanas e Biológicas"_s;
    const QList<Oferecida> oferecidas = {
        { 2, 2, 2, 0, 3, 40, u"Obrigatória"_s,
            { { u"Segunda-feira"_s, u"08:00"_s, u"10:00"_s, u"Bloco A - Sala 101"_s, biologicas },
                { u"Quarta-feira"_s, u"08:00"_s, u"10:00"_s, u"Laboratório de Biologia 1"_s,
                    biologicas } } },
        { 3, 4, 1, 2, 1, 15, u"Optativa Eletiva"_s,
            { { u"Sexta-feira"_s, u"14:00"_s, u"18:00"_s, u"Sala da Pós-Graduação"_s,
                biologicas } } },
        { 4, 5, 3, 0, 1, 60, u"Obrigatória"_s,
            { { u"Segunda-feira"_s, u"14:00"_s, u"16:00"_s, u"Anfiteatro Norte"_s, u"Exatas"_s },
                { u"Quarta-feira"_s, u"14:00"_s, u"16:00"_s, u"Anfiteatro Norte"_s, u"Exatas"_s },
                { u"Sexta-feira"_s, u"14:00"_s, u"16:00"_s, u"Laboratório de Física 1"_s,
                    u"Exatas"_s } } },
        { 5, 8, 0, 3, 1, 12, u"Optativa Eletiva"_s,
            { { u"Sexta-feira"_s, u"14:00"_s, u"18:00"_s, u"Sala de Seminários 2"_s,
                u"Exatas"_s } } },
        { 6, 9, 4, 0, 2, 60, u"Obrigatória"_s,
            { { u"Quarta-feira"_s, u"19:00"_s, u"22:40"_s, u"Bloco C - Sala 103"_s,
                biologicas } } },
    };
    const QStringList sufixos = { QString(), u"2"_s, u"3"_s, u"4"_s, u"5"_s };
    int idHorario = 1;
    for (const Oferecida &o : oferecidas) {
        Valores v = { { u"Id"_s, n(o.id) }, { u"Disciplina"_s, n(o.disciplina) },
            { u"Semestre"_s, n(o.semestre) }, { u"Vagas"_s, n(o.vagas) },
            { u"Inicio"_s, iso(inicio) }, { u"Termino"_s, iso(termino) }, { u"Tipo"_s, o.tipo },
            { u"Link"_s, u"https://www.qorvel.example.org/oferecidas/"_s + n(o.id) },
            { u"DeptoExterno"_s, u"[vazio]"_s } };
        if (o.graduacao)
            v << QPair { u"Graduacao"_s, n(o.graduacao) };
        if (o.posgraduacao)
            v << QPair { u"PosGraduacao"_s, n(o.posgraduacao) };
        for (qsizetype h = 0; h < o.horarios.size(); ++h) {
            const QStringList &hr = o.horarios.at(h);
            v << QPair { u"Semana"_s + sufixos.at(h), hr[0] }
              << QPair { u"Hora"_s + n(int(2 * h + 1)), hr[1] }
              << QPair { u"Hora"_s + n(int(2 * h + 2)), hr[2] }
              << QPair { u"Local"_s + n(int(h + 2)), hr[3] }
              << QPair { u"Bloco"_s + sufixos.at(h), hr[4] };
            Valores horario = { { u"Id"_s, n(idHorario++) }, { u"Disciplina"_s, n(o.id) },
                { u"Semana"_s, hr[0] }, { u"Local"_s, hr[3] }, { u"Bloco"_s, hr[4] },
                { u"HoraInicio"_s, hr[1] }, { u"HoraTermino"_s, hr[2] },
                { u"Descricao"_s, h ? QString() : u"Primeira aula: apresentação do plano."_s } };
            if (o.graduacao)
                horario << QPair { u"Graduacao"_s, n(o.graduacao) };
            if (o.posgraduacao)
                horario << QPair { u"PosGraduacao"_s, n(o.posgraduacao) };
            ins(u"Horarios"_s, horario);
        }
        ins(u"DisciplinasOferecidas"_s, v);
    }
    // Rodízio de docentes das disciplinas oferecidas.
    const QList<QStringList> rodiziosOferecidas
        = { { u"2"_s, u"2"_s, u"S"_s }, { u"2"_s, u"5"_s, u"N"_s }, { u"4"_s, u"6"_s, u"S"_s },
              { u"4"_s, u"7"_s, u"N"_s }, { u"5"_s, u"8"_s, u"S"_s } };
    for (int i = 0; i < rodiziosOferecidas.size(); ++i)
        ins(u"DisciplinasOferecidasRodizios"_s,
            { { u"Id"_s, n(i + 1) }, { u"Disciplina"_s, rodiziosOferecidas[i][0] },
                { u"Docente"_s, rodiziosOferecidas[i][1] },
                { u"Ministrante"_s, rodiziosOferecidas[i][2] } });
}
} // namespace Esquema::Demonstracao

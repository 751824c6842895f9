// Catálogo fixo das tabelas: número, nome físico, título, cor do registro e listagem padrão.
#include "CatalogoTabelas.h"
#include "PerfisAcesso.h"

using namespace Qt::StringLiterals;

namespace {
struct Entrada {
    int numero;
    QString nome;
    QString titulo;
    quint32 cor;
    QString consulta;
};

const Entrada &entrada(int n)
{
    static const Entrada tabela[] = {
        { 0, u""_s, u"Tarvisco"_s, 0x000000, u""_s },
        { 10, u"Departamentos"_s, u"Departamentos"_s, 0xFF0000,
            u"SELECT * FROM Departamentos ORDER BY Nome"_s },
        { 11, u"Docentes"_s, u"Docentes"_s, 0x0000FF, u"SELECT * FROM Docentes ORDER BY Nome"_s },
        { 12, u"Descricoes"_s, u"Descrições"_s, 0x996633,
            u"SELECT * FROM Descricoes ORDER BY NomeTabela"_s },
        { 13, u"DocenteCategorias"_s, u"Docentes, Categorias"_s, 0x0000FF,
            u"SELECT * FROM DocenteCategorias ORDER BY Nome"_s },
        { 14, u"Graduacoes"_s, u"Graduações"_s, 0x008000,
            u"SELECT * FROM Graduacoes ORDER BY Nome"_s },
        { 15, u"Posgraduacoes"_s, u"Pós-Graduações"_s, 0x008040,
            u"SELECT * FROM Posgraduacoes ORDER BY Nome"_s },
        { 16, u"TelefonesDepartamentos"_s, u"Departamentos,Telefones"_s, 0x804040,
            u"SELECT * FROM TelefonesDepartamentos"_s },
        { 17, u"TelefonesDocentes"_s, u"Docentes, Telefones"_s, 0x0000FF,
            u"SELECT * FROM TelefonesDocentes"_s },
        { 18, u"Noticias"_s, u"Notícias"_s, 0xF134A8,
            u"SELECT * FROM Noticias ORDER BY Postagem DESC"_s },
        { 19, u"Extensoes"_s, u"Extensões"_s, 0xFF55FF,
            u"SELECT * FROM Extensoes ORDER BY Titulo"_s },
        { 20, u"ExtensoesDocentes"_s, u"Extensões Docentes"_s, 0xD06610,
            u"SELECT * FROM ExtensoesDocentes"_s },
        { 21, u"Secoes"_s, u"Seções"_s, 0xF0A000, u"SELECT * FROM Secoes ORDER BY Nome"_s },
        { 22, u"EmailsDepartamentos"_s, u"Departamentos, E-mails"_s, 0x7700FF,
            u"SELECT * FROM EmailsDepartamentos"_s },
        { 23, u"EmailsSecoes"_s, u"Seções, E-mails"_s, 0x87A923, u"SELECT * FROM EmailsSecoes"_s },
        { 24, u"TelefonesSecoes"_s, u"Seções, Telefones"_s, 0xC54510,
            u"SELECT * FROM TelefonesSecoes"_s },
        { 25, u"EmailsDocentes"_s, u"Docentes, E-mails"_s, 0x0000FF,
            u"SELECT * FROM EmailsDocentes"_s },
        { 26, u"Publicacoes"_s, u"Publicações"_s, 0xDD5600, u"SELECT * FROM Publicacoes"_s },
        { 27, u"Funcionarios"_s, u"Funcionários"_s, 0xAA2222,
            u"SELECT * FROM Funcionarios ORDER BY Nome"_s },
        { 28, u"GraduacaoModalidades"_s, u"Graduações, Modalidades"_s, 0x000000,
            u"SELECT * FROM GraduacaoModalidades ORDER BY Modalidade"_s },
        { 29, u"DocenteTitulacoes"_s, u"Docentes, Titulação"_s, 0x0000FF,
            u"SELECT * FROM DocenteTitulacoes ORDER BY Titulacao"_s },
        { 30, u"Centros"_s, u"Centros de Pesquisa"_s, 0x12A834,
            u"SELECT * FROM Centros ORDER BY Nome"_s },
        { 31, u"CentrosDocentes"_s, u"Centros de Pesquisa, Docentes"_s, 0xFD45DA,
            u"SELECT * FROM CentrosDocentes"_s },
        { 32, u"Disciplinas"_s, u"Disciplinas"_s, 0x551111,
            u"SELECT * FROM Disciplinas ORDER BY CodigoKVA,Nome"_s },
        { 33, u"DisciplinaModalidades"_s, u"Disciplinas, Modalidades"_s, 0x000000,
            u"SELECT * FROM DisciplinaModalidades ORDER BY Modalidade"_s },
        { 34, u"DisciplinasOferecidas"_s, u"Disciplinas Oferecidas"_s, 0xFF55EA,
            u"SELECT * FROM DisciplinasOferecidas"_s },
        { 35, u"DisciplinasCoRequisitos"_s, u"Disciplinas, Co-requisitos"_s, 0xFF55EA,
            u"SELECT * FROM DisciplinasCoRequisitos"_s },
        { 36, u"Disciplinas"_s, u"Disciplinas"_s, 0xFF55EA,
            u"SELECT * FROM Disciplinas ORDER BY CodigoKVA,Nome"_s },
        { 37, u"DisciplinasPreRequisitos"_s, u"Disciplinas, Pré-requisitos"_s, 0xFF55EA,
            u"SELECT * FROM DisciplinasPreRequisitos"_s },
        { 38, u"DisciplinasRodizios"_s, u"Disciplinas, Rodízios de Docentes"_s, 0xFF55EA,
            u"SELECT * FROM DisciplinasRodizios"_s },
        { 39, u"DisciplinasOferecidasRodizios"_s, u"Disciplinas Oferecidas, Rodízios de Docentes"_s,
            0xFF55EA, u"SELECT * FROM DisciplinasOferecidasRodizios"_s },
        { 40, u"Agremiacoes"_s, u"Agremiações"_s, 0xA009FF,
            u"SELECT * FROM Agremiacoes ORDER BY Sigla,Nome"_s },
        { 41, u"Downloads"_s, u"Downloads"_s, 0x0AAA09,
            u"SELECT * FROM Downloads ORDER BY Nome,Arquivo"_s },
        { 42, u"DocentesPesquisaArea"_s, u"Docentes, Área de Pesquisa"_s, 0x0000FF, u""_s },
        { 43, u"DocentesPesquisaLinha"_s, u"Docentes, Linha de Pesquisa"_s, 0x0000FF, u""_s },
        { 44, u"DocentesObservacao"_s, u"Docentes, Observação"_s, 0x0000FF, u""_s },
        { 45, u"GraduacoesPerfil"_s, u"Graduações, Perfil"_s, 0x008000, u""_s },
        { 46, u"GraduacoesFormacaoBasica"_s, u"Graduacoes, Formação Básica"_s, 0x008000, u""_s },
        { 47, u"PosGraduacoesNormasGerais"_s, u"Pós-graduações, Normas Gerais"_s, 0x008040, u""_s },
        { 48, u"PosGraduacoesDocumentacao"_s, u"Pós-graduações, Documentação"_s, 0x008040, u""_s },
        { 49, u"PosGraduacoesBibliografias"_s, u"Pós-graduações, Bibliografias"_s, 0x008040,
            u""_s },
        { 50, u"GruposPesquisa"_s, u"Grupos de Pesquisa"_s, 0xFF00FF,
            u"SELECT * FROM GruposPesquisa ORDER BY Sigla,Nome"_s },
        { 51, u"GruposPesquisaDocentes"_s, u"Grupos de Pesquisa, Docentes"_s, 0xFF00FF,
            u"SELECT * FROM GruposPesquisaDocentes"_s },
        { 52, u"DisciplinasObjetivos"_s, u"Disciplinas, Objetivos"_s, 0xFF55EA, u""_s },
        { 53, u"DisciplinasConteudo"_s, u"Disciplinas, Conteúdo"_s, 0xFF55EA, u""_s },
        { 54, u"DisciplinasMetodosUtilizados"_s, u"Disciplinas, Métodos Utilizados"_s, 0xFF55EA,
            u""_s },
        { 55, u"DisciplinasAtividades"_s, u"Disciplinas, Atividades"_s, 0xFF55EA, u""_s },
        { 56, u"DisciplinasAvaliacao"_s, u"Disciplinas, Avaliação"_s, 0xFF55EA, u""_s },
        { 57, u"DisciplinasRecuperacao"_s, u"Disciplinas, Recuperação"_s, 0xFF55EA, u""_s },
        { 58, u"DisciplinasBibliografia"_s, u"Disciplinas, Bibliografia"_s, 0xFF55EA, u""_s },
        { 59, u"DisciplinasComentarios"_s, u"Disciplinas, Comentários"_s, 0xFF55EA, u""_s },
        { 60, u"DownloadsCategorias"_s, u"Downloads, Categorias"_s, 0x0AAA09,
            u"SELECT * FROM DownloadsCategorias ORDER BY Categoria"_s },
        { 61, u"DepartamentosDescricao"_s, u"Departamentos, Descrição"_s, 0xFF0000, u""_s },
        { 62, u"DepartamentosDescricao2"_s, u"Departamentos, Descrição Parte 2"_s, 0xFF0000,
            u""_s },
        { 63, u"CentrosDescricao"_s, u"Centros de Pesquisa, Descrição"_s, 0x12A834, u""_s },
        { 64, u"CentrosDescricao2"_s, u"Centros de Pesquisa, Descrição Parte 2"_s, 0x12A834,
            u""_s },
        { 65, u"Diretoria"_s, u"Diretoria"_s, 0xF934FF,
            u"SELECT * FROM Diretoria WHERE Nome<>'[vazio]' ORDER BY Nome"_s },
        { 66, u"DocenteSituacao"_s, u"Docentes, Situação"_s, 0x0000FF,
            u"SELECT * FROM DocenteSituacao ORDER BY Situacao"_s },
        { 67, u"Links"_s, u"Links"_s, 0xA030FF, u"SELECT * FROM Links ORDER BY Categoria,Nome"_s },
        { 68, u"Estudantes"_s, u"Estudantes"_s, 0xA467DD, u"SELECT * FROM Estudantes"_s },
        { 69, u"Calendario"_s, u"Calendário"_s, 0x34A0A0,
            u"SELECT * FROM Calendario ORDER BY DataInicio"_s },
        { 70, u"Comunicados"_s, u"Comunicados"_s, 0xA0A034,
            u"SELECT * FROM Comunicados ORDER BY DataInicio,Hora,Titulo"_s },
        { 71, u"Imagens"_s, u"Imagens"_s, 0xA034A0, u"SELECT * FROM Imagens ORDER BY Titulo"_s },
        { 72, u"PosGraduacaoComissao"_s, u"Comissão de Pós-graduação"_s, 0x694328,
            u"SELECT * FROM PosGraduacaoComissao"_s },
        { 73, u"Assistencias"_s, u"Assistências"_s, 0x302010,
            u"SELECT * FROM Assistencias ORDER BY Nome"_s },
        { 74, u"Defesas"_s, u"Defesas"_s, 0xA460D0,
            u"SELECT * FROM Defesas ORDER BY Data,Titulo"_s },
        { 75, u"PosDoutorandos"_s, u"Pós-doutorandos"_s, 0x563299,
            u"SELECT * FROM PosDoutorandos ORDER BY Nome"_s },
        { 76, u"DocentesPosGraduacao"_s, u"Docentes, Pós-graduação"_s, 0x0000FF,
            u"SELECT * FROM DocentesPosGraduacao"_s },
        { 77, u"Horarios"_s, u"Horarios"_s, 0x0000FF, u"SELECT * FROM Horarios"_s },
        { 78, u"Veiculos"_s, u"Veiculos"_s, 0x0000FF,
            u"SELECT * FROM Veiculos ORDER BY DataInicio"_s },
        { 79, u"Passageiros"_s, u"Passageiros"_s, 0x0000FF, u"SELECT * FROM Passageiros"_s },
        { 80, u"ProjetoPesquisaPosDoc"_s, u"ProjetoPesquisaPosDoc"_s, 0x0000FF,
            u"SELECT * FROM ProjetoPesquisaPosDoc"_s },
        { 81, u"Diplomas"_s, u"Diplomas"_s, 0x0000FF, u"SELECT * FROM Diplomas ORDER BY Nome"_s },
        { 82, u"Historico"_s, u"Histórico de Alterações"_s, 0x606060,
            u"SELECT * FROM Historico ORDER BY Id DESC"_s },
    };
    static const Entrada vazia { -1, QString(), QString(), 0, QString() };
    for (const Entrada &e : tabela)
        if (e.numero == n)
            return e;
    return vazia;
}
} // namespace

QString NomeTabela(int n)
{
    return entrada(n).nome;
}
QString TituloTabela(int n)
{
    return entrada(n).titulo;
}
QColor CorTabela(int n)
{
    return QColor::fromRgb(entrada(n).cor);
}
QString ConsultaTabela(int n)
{
    return entrada(n).consulta;
}
bool TabelaCatalogada(int n)
{
    return entrada(n).numero == n;
}

// Tabelas do banco e suas colunas: a descrição única de onde saem os dois esquemas.
#include "Esquema.h"

using namespace Qt::StringLiterals;

namespace Esquema {
namespace {
Coluna id()
{
    return { u"Id"_s, Tipo::Id, 0, {} };
}
Coluna inteiro(const QString &n)
{
    return { n, Tipo::Inteiro, 0, {} };
}
Coluna ref(const QString &n, const QString &tabela)
{
    return { n, Tipo::IdDe, 0, tabela };
}
Coluna txt(const QString &n, int tamanho)
{
    return { n, Tipo::Texto, tamanho, {} };
}
Coluna longo(const QString &n)
{
    return { n, Tipo::TextoLongo, 0, {} };
}
Coluna marca(const QString &n)
{
    return { n, Tipo::Marca, 1, {} };
}
Coluna data(const QString &n)
{
    return { n, Tipo::Data, 0, {} };
}
Coluna dataHora(const QString &n)
{
    return { n, Tipo::DataHora, 0, {} };
}
Coluna instante(const QString &n)
{
    return { n, Tipo::Instante, 0, {} };
}

// Tabela de texto longo: uma linha por dono, com a chave do dono e o texto.
Tabela descricao(const QString &nome, const QString &chave, const QString &dono)
{
    return { nome, { id(), ref(chave, dono), longo(u"Texto"_s) }, chave };
}

// Tabela de códigos: uma coluna de texto lida para preencher listas de escolha.
Tabela codigos(const QString &nome, const QString &coluna, int tamanho)
{
    return { nome, { id(), txt(coluna, tamanho) }, {} }; // sem histórico
}

// Contatos de um dono (e-mails e telefones de departamentos, seções e docentes).
Tabela emails(const QString &nome, const QString &chave, const QString &dono)
{
    return { nome, { id(), ref(chave, dono), txt(u"Email"_s, 50), txt(u"Comentario"_s, 50) } };
}
Tabela telefones(const QString &nome, const QString &chave, const QString &dono)
{
    return { nome,
        { id(), ref(chave, dono), txt(u"Categoria"_s, 8), txt(u"Telefone"_s, 15),
            txt(u"Comentario"_s, 50) } };
}

// Participação de docentes (centros, extensões, grupos).
Tabela docentesDe(const QString &nome, const QString &chave, const QString &dono)
{
    return { nome, { id(), ref(chave, dono), ref(u"Docente"_s, u"Docentes"_s) } };
}

QList<Tabela> montar()
{
    QList<Tabela> t;
    t << Tabela { u"Tarvisco"_s,
        { id(), txt(u"Email"_s, 255), txt(u"URL"_s, 255), marca(u"DesligarVersaoAntiga"_s),
            txt(u"Versao"_s, 20), inteiro(u"Instancias"_s) },
        {} }; // sem histórico: nenhuma janela grava a configuração

    // Organização
    t << Tabela { u"Departamentos"_s,
        { id(), txt(u"Nome"_s, 80), txt(u"Sigla"_s, 10), ref(u"Chefe"_s, u"Docentes"_s),
            ref(u"Suplente"_s, u"Docentes"_s), ref(u"Secretario"_s, u"Funcionarios"_s),
            txt(u"Endereco"_s, 60), txt(u"Cep"_s, 9), txt(u"Link"_s, 255),
            ref(u"Imagem"_s, u"Imagens"_s), marca(u"Visivel"_s) } };
    t << descricao(u"DepartamentosDescricao"_s, u"Departamento"_s, u"Departamentos"_s);
    t << emails(u"EmailsDepartamentos"_s, u"Departamento"_s, u"Departamentos"_s);
    t << telefones(u"TelefonesDepartamentos"_s, u"Departamento"_s, u"Departamentos"_s);
    t << Tabela { u"Secoes"_s,
        { id(), txt(u"Nome"_s, 50), ref(u"Assistencia"_s, u"Assistencias"_s), longo(u"Descricao"_s),
            txt(u"Endereco"_s, 60), txt(u"Cep"_s, 9), txt(u"Link"_s, 255),
            ref(u"Imagem"_s, u"Imagens"_s), ref(u"Diretor"_s, u"Docentes"_s),
            ref(u"Chefe"_s, u"Funcionarios"_s), ref(u"Suplente"_s, u"Funcionarios"_s),
            data(u"DiretorInicio"_s), data(u"DiretorTermino"_s),
            ref(u"ViceDiretor"_s, u"Docentes"_s), data(u"ViceDiretorInicio"_s),
            data(u"ViceDiretorTermino"_s) } };
    t << emails(u"EmailsSecoes"_s, u"Secao"_s, u"Secoes"_s);
    t << telefones(u"TelefonesSecoes"_s, u"Secao"_s, u"Secoes"_s);
    t << Tabela { u"Centros"_s,
        { id(), txt(u"Nome"_s, 150), txt(u"Sigla"_s, 10),
            ref(u"Departamento"_s, u"Departamentos"_s), ref(u"Docente"_s, u"Docentes"_s),
            txt(u"DocenteFuncao"_s, 255), ref(u"Funcionario"_s, u"Funcionarios"_s),
            txt(u"FuncionarioFuncao"_s, 255), txt(u"Endereco"_s, 255), txt(u"Cep"_s, 9),
            txt(u"Telefone"_s, 15), txt(u"Email"_s, 255), txt(u"Link"_s, 255) } };
    t << descricao(u"CentrosDescricao"_s, u"Centro"_s, u"Centros"_s);
    t << docentesDe(u"CentrosDocentes"_s, u"Centro"_s, u"Centros"_s);
    t << Tabela { u"Assistencias"_s,
        { id(), txt(u"Nome"_s, 50), longo(u"Descricao"_s), ref(u"Assistente"_s, u"Funcionarios"_s),
            ref(u"Secretaria1"_s, u"Funcionarios"_s), ref(u"Secretaria2"_s, u"Funcionarios"_s),
            txt(u"Email"_s, 255), txt(u"Telefone1"_s, 255), txt(u"Telefone2"_s, 255) } };
    t << Tabela { u"Funcionarios"_s,
        { id(), txt(u"Nome"_s, 150), txt(u"Codpes"_s, 7), txt(u"Funcao"_s, 50), txt(u"Email"_s, 50),
            txt(u"Telefone"_s, 9), ref(u"Secao"_s, u"Secoes"_s), ref(u"Centro"_s, u"Centros"_s),
            ref(u"Assistencia"_s, u"Assistencias"_s),
            ref(u"Departamento"_s, u"Departamentos"_s) } };

    // Docentes
    t << Tabela { u"Docentes"_s,
        { id(), txt(u"Nome"_s, 50), txt(u"Situacao"_s, 50),
            ref(u"Departamento"_s, u"Departamentos"_s), longo(u"ExternoDepartamento"_s),
            longo(u"ExternoLink"_s), txt(u"Area"_s, 150), txt(u"Setor"_s, 150),
            txt(u"Titulacao"_s, 50), ref(u"Categoria"_s, u"DocenteCategorias"_s),
            txt(u"Link"_s, 255), ref(u"Imagem"_s, u"Imagens"_s), marca(u"AulaGraduacao"_s),
            marca(u"AulaPosgraduacao"_s), marca(u"Extensao"_s), txt(u"Lattes"_s, 25),
            txt(u"Codpes"_s, 7), txt(u"Grupolattes"_s, 25), marca(u"Visivel"_s) } };
    t << descricao(u"DocentesPesquisaArea"_s, u"Docente"_s, u"Docentes"_s);
    t << descricao(u"DocentesPesquisaLinha"_s, u"Docente"_s, u"Docentes"_s);
    t << descricao(u"DocentesObservacao"_s, u"Docente"_s, u"Docentes"_s);
    t << emails(u"EmailsDocentes"_s, u"Docente"_s, u"Docentes"_s);
    t << telefones(u"TelefonesDocentes"_s, u"Docente"_s, u"Docentes"_s);
    t << Tabela { u"DocenteCategorias"_s, { id(), txt(u"Nome"_s, 30), txt(u"Sigla"_s, 10) } };
    t << codigos(u"DocenteTitulacoes"_s, u"Titulacao"_s, 50);
    t << codigos(u"DocenteSituacao"_s, u"Situacao"_s, 50);
    t << Tabela { u"Publicacoes"_s,
        { id(), txt(u"Tipo"_s, 30), ref(u"Docente"_s, u"Docentes"_s), txt(u"Autor"_s, 255),
            txt(u"Mes"_s, 10), txt(u"Ano"_s, 4), txt(u"Capitulo"_s, 255), txt(u"Titulo"_s, 255),
            txt(u"Veiculo"_s, 255), txt(u"Volume"_s, 10), txt(u"Edicao"_s, 10),
            txt(u"Editora"_s, 50), txt(u"Local"_s, 50), txt(u"PaginaInicial"_s, 10),
            txt(u"PaginaFinal"_s, 10), txt(u"Paginas"_s, 10), txt(u"Circulacao"_s, 15),
            txt(u"Link"_s, 255) } };
    t << Tabela { u"DocentesPosGraduacao"_s,
        { id(), ref(u"Docente"_s, u"Docentes"_s), ref(u"PosGraduacao"_s, u"Posgraduacoes"_s) } };

    // Ensino
    t << Tabela { u"Disciplinas"_s,
        { id(), txt(u"CodigoKVA"_s, 40), txt(u"Nome"_s, 150), txt(u"Sigla"_s, 8),
            ref(u"Departamento"_s, u"Departamentos"_s), txt(u"Categoria"_s, 150),
            txt(u"Regime"_s, 10), txt(u"Tipo"_s, 20), txt(u"PalavraChave"_s, 255),
            txt(u"DeptoExterno"_s, 150), inteiro(u"CargaHorariaAulasTeoricas"_s),
            inteiro(u"CargaHorariaAulasPraticas"_s), inteiro(u"CargaHorariaSeminarios"_s),
            inteiro(u"CargaHorariaOutros"_s), inteiro(u"Semanas"_s), inteiro(u"Creditos"_s),
            inteiro(u"Estagio"_s), inteiro(u"SemestreIdeal"_s), inteiro(u"Vagas"_s),
            txt(u"Horario"_s, 150), txt(u"Responsavel"_s, 255), txt(u"Responsavel2"_s, 255) } };
    t << codigos(u"DisciplinaModalidades"_s, u"Modalidade"_s, 150);
    for (const QString &n :
        { u"DisciplinasObjetivos"_s, u"DisciplinasConteudo"_s, u"DisciplinasMetodosUtilizados"_s,
            u"DisciplinasAtividades"_s, u"DisciplinasAvaliacao"_s, u"DisciplinasRecuperacao"_s,
            u"DisciplinasBibliografia"_s, u"DisciplinasComentarios"_s })
        t << descricao(n, u"Disciplina"_s, u"Disciplinas"_s);
    t << Tabela { u"DisciplinasCoRequisitos"_s,
        { id(), ref(u"Disciplina"_s, u"Disciplinas"_s), ref(u"Paralela"_s, u"Disciplinas"_s) } };
    t << Tabela { u"DisciplinasPreRequisitos"_s,
        { id(), ref(u"Disciplina"_s, u"Disciplinas"_s), ref(u"Requisito"_s, u"Disciplinas"_s) } };
    t << Tabela { u"DisciplinasRodizios"_s,
        { id(), ref(u"Disciplina"_s, u"Disciplinas"_s), ref(u"Docente"_s, u"Docentes"_s),
            marca(u"Ministrante"_s) } };
    t << Tabela { u"DisciplinasOferecidasRodizios"_s,
        { id(), ref(u"Disciplina"_s, u"DisciplinasOferecidas"_s), ref(u"Docente"_s, u"Docentes"_s),
            marca(u"Ministrante"_s) } };
    {
        Tabela o { u"DisciplinasOferecidas"_s,
            { id(), ref(u"Disciplina"_s, u"Disciplinas"_s), ref(u"Graduacao"_s, u"Graduacoes"_s),
                ref(u"PosGraduacao"_s, u"Posgraduacoes"_s), inteiro(u"Semestre"_s),
                inteiro(u"Vagas"_s), data(u"Inicio"_s), data(u"Termino"_s), txt(u"Tipo"_s, 20),
                txt(u"Link"_s, 150), longo(u"DeptoExterno"_s) } };
        const QStringList sufixos = { u""_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s };
        for (const QString &s : sufixos)
            o.colunas << txt(u"Semana"_s + s, 30);
        for (int h = 1; h <= 10; ++h)
            o.colunas << txt(u"Hora"_s + QString::number(h), 5);
        for (int l = 2; l <= 6; ++l)
            o.colunas << longo(u"Local"_s + QString::number(l));
        for (const QString &s : sufixos)
            o.colunas << txt(u"Bloco"_s + s, 30);
        t << o;
    }
    t << Tabela { u"Horarios"_s,
        { id(), ref(u"Disciplina"_s, u"DisciplinasOferecidas"_s),
            ref(u"Graduacao"_s, u"Graduacoes"_s), ref(u"PosGraduacao"_s, u"Posgraduacoes"_s),
            longo(u"Semana"_s), longo(u"Local"_s), txt(u"Bloco"_s, 30), txt(u"HoraInicio"_s, 5),
            txt(u"HoraTermino"_s, 5), longo(u"Descricao"_s) } };
    t << Tabela { u"Graduacoes"_s,
        { id(), txt(u"Nome"_s, 150), txt(u"NomeFantasia"_s, 150), txt(u"Sigla"_s, 5),
            ref(u"Departamento"_s, u"Departamentos"_s), txt(u"Categoria"_s, 150),
            txt(u"Reconhecimento"_s, 100), inteiro(u"SemestresDuracao"_s),
            inteiro(u"CargaHoraria"_s), txt(u"Periodo"_s, 15), inteiro(u"Vagas"_s),
            ref(u"Coordenador"_s, u"Docentes"_s), txt(u"Link"_s, 255) } };
    t << descricao(u"GraduacoesPerfil"_s, u"Graduacao"_s, u"Graduacoes"_s);
    t << descricao(u"GraduacoesFormacaoBasica"_s, u"Graduacao"_s, u"Graduacoes"_s);
    t << codigos(u"GraduacaoModalidades"_s, u"Modalidade"_s, 150);
    {
        Tabela p { u"Posgraduacoes"_s,
            { id(), txt(u"Nome"_s, 80), txt(u"Sigla"_s, 5),
                ref(u"Departamento"_s, u"Departamentos"_s), txt(u"Categoria"_s, 9),
                inteiro(u"ConceitoCapes"_s), inteiro(u"Vagas"_s), inteiro(u"Creditos"_s),
                inteiro(u"DuracaoMinima"_s), inteiro(u"DuracaoMaxima"_s) } };
        for (const QString &periodo : { u"Inscricao"_s, u"Selecao"_s, u"MatriculaIngressante"_s,
                 u"MatriculaRegular"_s, u"MatriculaEspecial"_s })
            p.colunas << txt(periodo, 255) << data(periodo + u"Inicio"_s)
                      << data(periodo + u"Termino"_s);
        p.colunas << ref(u"Coordenador"_s, u"Docentes"_s) << data(u"CoordenadorInicio"_s)
                  << data(u"CoordenadorTermino"_s) << ref(u"ViceCoordenador"_s, u"Docentes"_s)
                  << data(u"ViceInicio"_s) << data(u"ViceTermino"_s)
                  << ref(u"Secretaria"_s, u"Funcionarios"_s) << txt(u"Email"_s, 50)
                  << txt(u"Telefone"_s, 15) << txt(u"Link"_s, 255);
        t << p;
    }
    for (const QString &n : { u"PosGraduacoesNormasGerais"_s, u"PosGraduacoesDocumentacao"_s,
             u"PosGraduacoesBibliografias"_s })
        t << descricao(n, u"PosGraduacao"_s, u"Posgraduacoes"_s);
    t << Tabela { u"Estudantes"_s,
        { id(), ref(u"Agremiacao"_s, u"Agremiacoes"_s), txt(u"Nome"_s, 150),
            ref(u"Graduacao"_s, u"Graduacoes"_s), txt(u"Funcao"_s, 50), txt(u"Email"_s, 50) } };

    // Pós-graduação
    {
        Tabela d { u"Defesas"_s,
            { id(), longo(u"Titulo"_s), txt(u"Aluno"_s, 255), dataHora(u"Data"_s),
                txt(u"Hora"_s, 5), longo(u"Local"_s), ref(u"PosGraduacao"_s, u"Posgraduacoes"_s),
                txt(u"Categoria"_s, 30) } };
        for (int i = 1; i <= 5; ++i)
            d.colunas << ref(u"Docente"_s + QString::number(i), u"Docentes"_s);
        for (const QString &c : { u"DocenteExterno"_s, u"Instituicao"_s, u"Titulacao"_s })
            for (int i = 1; i <= 5; ++i)
                d.colunas << txt(c + QString::number(i), 255);
        d.colunas << marca(u"Visivel"_s);
        t << d;
    }
    t << Tabela { u"PosGraduacaoComissao"_s,
        { id(), ref(u"Titular"_s, u"Docentes"_s), ref(u"Suplente"_s, u"Docentes"_s),
            txt(u"Funcao"_s, 30), data(u"MandatoInicio"_s), data(u"MandatoTermino"_s) } };
    t << Tabela { u"Diplomas"_s,
        { id(), longo(u"Nome"_s), ref(u"Graduacao"_s, u"Graduacoes"_s),
            ref(u"PosGraduacao"_s, u"Posgraduacoes"_s) } };

    // Conteúdo da página
    t << Tabela { u"Noticias"_s,
        { id(), txt(u"Titulo"_s, 255), txt(u"Resumo"_s, 255), longo(u"Conteudo"_s),
            txt(u"Link"_s, 255), dataHora(u"Postagem"_s), marca(u"Visivel"_s), marca(u"v_portal"_s),
            marca(u"bolsas"_s), txt(u"Colaboracao"_s, 50), txt(u"ColaboracaoURL"_s, 255) } };
    t << Tabela { u"Comunicados"_s,
        { id(), txt(u"Titulo"_s, 255), data(u"DataInicio"_s), txt(u"Hora"_s, 5),
            txt(u"Categoria"_s, 150), txt(u"Area"_s, 150), txt(u"Descricao"_s, 255),
            txt(u"Local"_s, 255), longo(u"Comentarios"_s), longo(u"Informacoes"_s),
            longo(u"Questoes"_s), txt(u"Telefone"_s, 15), txt(u"Contato"_s, 150),
            txt(u"Email"_s, 255), txt(u"Link"_s, 255), marca(u"Visivel"_s),
            ref(u"Departamento"_s, u"Departamentos"_s) } };
    t << Tabela { u"Calendario"_s,
        { id(), txt(u"Titulo"_s, 255), data(u"DataInicio"_s), marca(u"Periodo"_s),
            data(u"DataTermino"_s), longo(u"Descricao"_s), txt(u"Categoria"_s, 150),
            txt(u"Link"_s, 255) } };
    t << Tabela { u"Imagens"_s,
        { id(), txt(u"Titulo"_s, 255), txt(u"Arquivo"_s, 255), txt(u"Copyright"_s, 255),
            txt(u"Tipo"_s, 50), txt(u"Categoria"_s, 50), longo(u"Descricao"_s),
            inteiro(u"TamanhoX"_s), inteiro(u"TamanhoY"_s),
            ref(u"Departamento"_s, u"Departamentos"_s), ref(u"Secao"_s, u"Secoes"_s),
            ref(u"Docente"_s, u"Docentes"_s) } };
    t << Tabela { u"Downloads"_s,
        { id(), txt(u"Nome"_s, 150), txt(u"Arquivo"_s, 255), txt(u"Categoria"_s, 150),
            txt(u"Descricao"_s, 255), txt(u"Tamanho"_s, 10), txt(u"Versao"_s, 10),
            txt(u"Copyright"_s, 255), dataHora(u"Data"_s),
            ref(u"Departamento"_s, u"Departamentos"_s), ref(u"Secao"_s, u"Secoes"_s),
            ref(u"Assistencia"_s, u"Assistencias"_s) } };
    t << codigos(u"DownloadsCategorias"_s, u"Categoria"_s, 150);
    t << Tabela { u"Links"_s,
        { id(), txt(u"Nome"_s, 255), txt(u"URL"_s, 255), txt(u"Alvo"_s, 30),
            txt(u"Categoria"_s, 150), txt(u"Comentario"_s, 255) } };
    t << Tabela { u"Descricoes"_s, { id(), txt(u"NomeTabela"_s, 30), longo(u"Descricao"_s) } };

    // Grupos
    t << Tabela { u"Extensoes"_s,
        { id(), txt(u"Titulo"_s, 255), ref(u"Responsavel"_s, u"Docentes"_s),
            ref(u"Departamento"_s, u"Departamentos"_s), longo(u"Descricao"_s),
            txt(u"Link"_s, 255) } };
    t << docentesDe(u"ExtensoesDocentes"_s, u"Extensao"_s, u"Extensoes"_s);
    t << Tabela { u"GruposPesquisa"_s,
        { id(), txt(u"Sigla"_s, 10), txt(u"Nome"_s, 50), ref(u"Departamento"_s, u"Departamentos"_s),
            ref(u"Docente"_s, u"Docentes"_s), longo(u"Descricao"_s), txt(u"Endereco"_s, 30),
            txt(u"Cep"_s, 9), txt(u"Link"_s, 255) } };
    t << docentesDe(u"GruposPesquisaDocentes"_s, u"Grupo"_s, u"GruposPesquisa"_s);
    t << Tabela { u"Agremiacoes"_s,
        { id(), txt(u"Sigla"_s, 10), txt(u"Nome"_s, 150),
            ref(u"Departamento"_s, u"Departamentos"_s), longo(u"Descricao"_s),
            txt(u"Representante"_s, 150), txt(u"Cargo"_s, 150), txt(u"Endereco"_s, 80),
            txt(u"Cep"_s, 9), txt(u"Telefone"_s, 15), txt(u"Email"_s, 50), txt(u"Link"_s, 255) } };

    // Veículos
    t << Tabela { u"Veiculos"_s,
        { id(), data(u"DataInicio"_s), txt(u"Nome"_s, 150), txt(u"nrkva_solicitante"_s, 7),
            ref(u"Departamento"_s, u"Departamentos"_s), txt(u"Ramal"_s, 4),
            txt(u"Email_solicitante"_s, 50), longo(u"Destino"_s), txt(u"Des_servico"_s, 150),
            txt(u"Finalidade"_s, 150), data(u"Data_saida"_s), txt(u"hora_saida"_s, 5),
            data(u"Data_retorno"_s), txt(u"hora_retorno"_s, 5), txt(u"Motorista"_s, 150),
            txt(u"Tipo_veic"_s, 150), txt(u"Local_saida"_s, 150), txt(u"Observacao"_s, 150),
            marca(u"Conf_atad"_s) } };
    t << Tabela { u"Passageiros"_s,
        { id(), ref(u"Solicitante"_s, u"Veiculos"_s), longo(u"Passageiro"_s), longo(u"Funcao"_s),
            longo(u"RG"_s), longo(u"CIC"_s), longo(u"Endereco"_s) } };

    // Histórico de alterações das tabelas acima, escrito só pelos gatilhos
    // (EsquemaHistorico.cpp); Antes e Depois em JSON.
    t << Tabela { u"Historico"_s,
        { id(), instante(u"Momento"_s), txt(u"Usuario"_s, 63), txt(u"Tabela"_s, 63),
            inteiro(u"Registro"_s), txt(u"Operacao"_s, 1), longo(u"Antes"_s), longo(u"Depois"_s) },
        {} };
    return t;
}
} // namespace

const QList<Tabela> &Tabelas()
{
    static const QList<Tabela> tabelas = montar();
    return tabelas;
}
} // namespace Esquema

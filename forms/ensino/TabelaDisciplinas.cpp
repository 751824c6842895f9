#include "TabelaDisciplinas.h"

#include "ListasFixas.h"
#include "Mensagens.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
// Os oito textos longos, nas abas, na ordem das tabelas 52 a 59.
struct Texto {
    QString coluna, aba;
    int tamanho;
};
const QList<Texto> Textos = {
    { u"Objetivos"_s, u"Objetivos"_s, 5990 },
    { u"Conteudo"_s, u"Conteúdo"_s, 5990 },
    { u"MetodosUtilizados"_s, u"Métodos"_s, 3990 },
    { u"Atividades"_s, u"Atividades"_s, 3990 },
    { u"Avaliacao"_s, u"Avaliação"_s, 3990 },
    { u"Recuperacao"_s, u"Recuperação"_s, 3990 },
    { u"Bibliografia"_s, u"Bibliografia"_s, 5990 },
    { u"Comentarios"_s, u"Comentários"_s, 3990 },
};

// Os nove números (só dígitos): coluna, rótulo, máscara, caixa de grupo.
struct Numero {
    QString coluna, rotulo, mascara, grupo;
};
const QString CargaHoraria = u"GroupBoxCargaHoraria"_s;
const QString Padrao = u"GroupBoxPadrao"_s;
const QList<Numero> Numeros = {
    { u"CargaHorariaAulasTeoricas"_s, u"Aulas Teóricas"_s, u"999;0;_"_s, CargaHoraria },
    { u"CargaHorariaAulasPraticas"_s, u"Aulas Práticas"_s, u"999;0;_"_s, CargaHoraria },
    { u"CargaHorariaSeminarios"_s, u"Seminários"_s, u"999;0;_"_s, CargaHoraria },
    { u"CargaHorariaOutros"_s, u"Outros"_s, u"999;0;_"_s, CargaHoraria },
    { u"Semanas"_s, u"Semanas"_s, u"99;0;_"_s, CargaHoraria },
    { u"Creditos"_s, u"Créditos"_s, u"999;0;_"_s, CargaHoraria },
    { u"Estagio"_s, u"Horas de Estágio"_s, u"999;0;_"_s, CargaHoraria },
    { u"SemestreIdeal"_s, u"Semestre"_s, u"99;0;_"_s, Padrao },
    { u"Vagas"_s, u"Vagas"_s, u"999;0;_"_s, Padrao },
};

QString recusaModo(const QString &oQue)
{
    return u"Não é possível editar "_s + oQue
        + u" durante os modos Incluir/Modificar/Excluir/Consultar."_s;
}

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 32;
    d.campos = {
        CampoEdit(u"CodigoKVA"_s, u"Código KVA"_s, 40)
            .Obrigatorio(u"O campo Código KVA precisa estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 8).AoLado(),
        CampoEdit(u"Nome"_s, u"Nome"_s, 150).Largo(),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10)
            .Obrigatorio(
                u"O campo Departamento precisa estar preenchido. Operação interrompida."_s),
        CampoLista(u"Categoria"_s, u"Modalidade"_s, {}, true, 150)
            .Codigos(33, u"Modalidade"_s)
            .AoLado(),
        CampoLista(u"Regime"_s, u"Regime"_s, ListasFixas::Regimes(), true, 10),
        CampoLista(u"Tipo"_s, u"Tipo"_s, ListasFixas::TiposDisciplina(), true, 11).AoLado(),
        CampoEdit(u"PalavraChave"_s, u"Palavra-chave"_s, 255),
        CampoLista(u"DeptoExterno"_s, u"Departamento Externo à QORVEL"_s,
            ListasFixas::DeptosExternosDisciplinas(), true, 10)
            .AoLado(),
    };
    // Três números por linha em cada caixa; o horário ocupa a sua linha.
    int naCaixa = 0;
    QString caixa;
    for (const Numero &n : Numeros) {
        naCaixa = n.grupo == caixa ? naCaixa + 1 : 0;
        caixa = n.grupo;
        Campo c = CampoMascara(n.coluna, n.rotulo, n.mascara)
                      .NoGrupo(n.grupo, n.grupo == Padrao ? u" Padrão "_s : u" Carga Horária "_s);
        if (naCaixa % 3)
            c.AoLado();
        d.campos << c;
    }
    d.campos << CampoEdit(u"Horario"_s, u"Horário"_s, 150).Largo().NoGrupo(Padrao, u" Padrão "_s);
    for (qsizetype i = 0; i < Textos.size(); ++i)
        d.campos << CampoTextoLongo(
            Textos[i].coluna, {}, Textos[i].tamanho, int(52 + i), u"Disciplina"_s)
                        .Capacidade(false)
                        .LinhasVisiveis(8)
                        .NaPagina(u"TabSheet"_s + Textos[i].coluna, Textos[i].aba);

    // Os números vazios ficam fora dos dois comandos (na inclusão, a coluna fica com o
    // padrão do banco).
    d.colunas = { Gravar(u"CodigoKVA"_s), Gravar(u"Nome"_s), Gravar(u"Sigla"_s),
        Gravar(u"Departamento"_s), Gravar(u"Categoria"_s), Gravar(u"Regime"_s), Gravar(u"Tipo"_s),
        Gravar(u"PalavraChave"_s), Gravar(u"DeptoExterno"_s) };
    for (const Numero &n : Numeros)
        d.colunas << Gravar(n.coluna);
    d.colunas << Gravar(u"Horario"_s);
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.procuraControle = u"EditCodigoKVA"_s;
    d.procuraColuna = u"CodigoKVA"_s;
    d.controlesReservados = { u"EditCodigoKVA"_s, u"EditNome"_s };
    d.filhas = {
        { u"BitBtnDisciplinasOferecidas"_s, u"&Oferecidas"_s, 34,
            recusaModo(u"disciplinas oferecidas"_s),
            u"Escolha uma disciplina para editar sua participação na tabela de disciplinas "
            "oferecidas."_s },
        { u"BitBtnDisciplinasCoRequisitos"_s, u"&Co-requisitos"_s, 35,
            recusaModo(u"co-requisitos da disciplina"_s),
            u"Escolha uma disciplina para editar seus co-requisitos."_s },
        { u"BitBtnDisciplinasPreRequisitos"_s, u"&Pré-requisitos"_s, 37,
            recusaModo(u"pré-requisitos da disciplina"_s),
            u"Escolha uma disciplina para editar seus pré-requisitos."_s },
        { u"BitBtnDisciplinasRodizios"_s, u"&Docentes"_s, 38,
            recusaModo(u"rodízio de docentes da disciplina"_s),
            u"Escolha uma disciplina para editar o rodízio de docentes."_s },
    };
    d.controlesProprios = { u"BitBtnDuplicar"_s };
    d.largura = 1100;
    return d;
}
} // namespace

TFormTabelaDisciplinas::TFormTabelaDisciplinas(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

TFormTabelaDisciplinas *TFormTabelaDisciplinas::Janela()
{
    return qobject_cast<TFormTabelaDisciplinas *>(Registro::Janela(32));
}

void TFormTabelaDisciplinas::MontarControles()
{
    const int depoisDeExcluir = LinhaBotoes()->indexOf(BitBtnExcluir) + 1;
    NovoBotao(u"BitBtnDuplicar"_s, u"&Duplicar"_s, LinhaBotoes(), depoisDeExcluir,
        [this] { BitBtnDuplicarClick(); });
}

void TFormTabelaDisciplinas::MostrarRegistro()
{
    TFormTabela::MostrarRegistro();
    Controle<QTabWidget>(u"PageControl1"_s)->setCurrentIndex(0);
}

void TFormTabelaDisciplinas::HabilitarCampos(bool on)
{
    TFormTabela::HabilitarCampos(on);
    // Duplicar só enquanto se consulta.
    Controle(u"BitBtnDuplicar"_s)->setVisible(!on);
}

bool TFormTabelaDisciplinas::ConferirCampos()
{
    if (!TFormTabela::ConferirCampos())
        return false;
    if (Texto(u"EditSemestreIdeal"_s).isEmpty()) {
        DefinirTexto(u"EditSemestreIdeal"_s, u"0"_s);
        Mensagens::Informar(u"O campo Semestre está em branco. Será assumido o valor 0 (zero) "
                            "para representar uma disciplina optativa."_s);
    }
    return true;
}

void TFormTabelaDisciplinas::BitBtnDuplicarClick()
{
    if (Modo != ModoTabela::Consultando) {
        Mensagens::Informar(u"Não é possível duplicar essa disciplina durante os modos "
                            "Incluir/Modificar/Excluir/Consultar."_s);
        return;
    }
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(u"Escolha uma disciplina para duplicar seu registro."_s);
        return;
    }
    if (!Mensagens::Confirmar(u"Você realmente deseja dupliar o registro dessa disciplina?"
                              "\n\r\n\rId: "_s
            + EditId->text() + u"\n\rNome: "_s + Texto(u"EditNome"_s)))
        return;
    // Uma inclusão com os valores (e os textos) da disciplina mostrada; a lista fica
    // bloqueada até o fim, como em Incluir, e a cópia recebe o Id que o banco lhe der.
    ComecarEdicao(Edicao::Duplicacao);
    Mensagens::Informar(u"Uma cópia desse registro foi gerada em outra posição na tabela."_s);
}

bool TFormTabelaDisciplinas::LinhaEscolhida() const
{
    return TFormTabela::LinhaEscolhida() && !Texto(u"EditNome"_s).isEmpty()
        && !Texto(u"EditCodigoKVA"_s).isEmpty();
}

bool TFormTabelaDisciplinas::ler(const QString &id, DadosDisciplina &dados)
{
    dados = {};
    const TQuery *q = LinhaPorId(id);
    if (!q)
        return false;
    dados.codigo = q->AsString(u"CodigoKVA"_s);
    dados.nome = q->AsString(u"Nome"_s);
    dados.semestre = q->AsString(u"SemestreIdeal"_s);
    dados.vagas = q->AsString(u"Vagas"_s);
    dados.horario = q->AsString(u"Horario"_s);
    dados.responsavel = q->AsString(u"Responsavel"_s);
    dados.responsavel2 = q->AsString(u"Responsavel2"_s);
    dados.departamento = q->AsString(u"Departamento"_s); // o Id, por enquanto
    return true;
}

DadosDisciplina TFormTabelaDisciplinas::DadosPorId(const QString &id)
{
    DadosDisciplina d;
    ler(id, d);
    d.departamento.clear();
    return d;
}

DadosDisciplina TFormTabelaDisciplinas::DadosComDepartamentoPorId(const QString &id)
{
    DadosDisciplina d;
    if (!ler(id, d))
        return d;
    DadosDisciplina comDepartamento;
    comDepartamento.codigo = d.codigo;
    comDepartamento.nome = d.nome;
    if (TFormTabela *departamentos = Registro::Janela(10))
        comDepartamento.departamento = departamentos->NomePorId(d.departamento);
    return comDepartamento;
}

REGISTRAR_JANELA(32, TFormTabelaDisciplinas)

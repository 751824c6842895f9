#include "TabelaContatos.h"

#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

DiferencasContato TFormTabelaContatos::DiferencasDe(int numero)
{
    DiferencasContato d;
    d.numero = numero;
    switch (numero) {
    case 22: // e-mails de departamentos
        d.colunaPai = u"Departamento"_s;
        d.rotuloPai = u"Depto"_s;
        d.janelaPai = 10;
        d.mensagemPai = u"O campo Departamento deve estar preenchido. Operação interrompida."_s;
        break;
    case 16: // telefones de departamentos
        d.telefone = true;
        d.colunaPai = u"Departamento"_s;
        d.rotuloPai = u"Depto"_s;
        d.janelaPai = 10;
        d.mensagemPai = u"Campo DEPARTAMENTO deve estar preenchido. Inclusão recusada."_s;
        d.duploClique = PesquisaFixa::Mensagem;
        d.paiOpcional = true;
        d.ondeSemEspaco = true;
        d.escolherOculto = true;
        break;
    case 23: // e-mails de seções
        d.colunaPai = u"Secao"_s;
        d.rotuloPai = u"Seção"_s;
        d.janelaPai = 21;
        d.mensagemPai = u"O campo Seção deve estar preenchido. Operação interrompida."_s;
        d.erroSemId = true;
        break;
    case 24: // telefones de seções
        d.telefone = true;
        d.colunaPai = u"Secao"_s;
        d.rotuloPai = u"Seção"_s;
        d.janelaPai = 21;
        d.mensagemPai = u"O campo Seção deve estar preenchido. Operação interrompida."_s;
        d.duploClique = PesquisaFixa::Mensagem;
        break;
    case 25: // e-mails de docentes
        d.colunaPai = u"Docente"_s;
        d.rotuloPai = u"Docente"_s;
        d.janelaPai = 11;
        d.mensagemPai = u"O campo Docente deve estar preenchido. Operação interrompida."_s;
        break;
    case 17: // telefones de docentes
        d.telefone = true;
        d.colunaPai = u"Docente"_s;
        d.rotuloPai = u"Docente"_s;
        d.janelaPai = 11;
        d.mensagemPai = u"Campo DOCENTE deve estar preenchido. Inclusão recusada."_s;
        d.atualizarMostra = true;
        break;
    default:
        break;
    }
    return d;
}

namespace {
DescricaoJanela descricao(const DiferencasContato &dif)
{
    const QString pai = u"Edit"_s + dif.colunaPai;
    // O pai vem dos membros, nunca da linha; sem ele nada é gravado (em nenhum modo).
    Campo campoPai = CampoPesquisa(dif.colunaPai, dif.rotuloPai, dif.janelaPai)
                         .Fixa(dif.duploClique)
                         .ForaDaLinha()
                         .Obrigatorio(dif.mensagemPai);
    const Presenca presencaPai = dif.paiOpcional ? SeNaoVazio(pai) : Sempre();
    const QString valorPai = u"{#"_s + pai + u'}';

    DescricaoJanela d;
    d.numero = dif.numero;
    if (!dif.telefone) {
        d.campos = {
            campoPai,
            CampoEdit(u"Email"_s, u"E-mail"_s, 50).Regra(RegraCampo::SoCor),
            CampoEdit(u"Comentario"_s, u"Comentário"_s, 50).Regra(RegraCampo::SoCor),
        };
        d.alteracao = {
            { u"UPDATE {T} SET "_s, Sempre() },
            { dif.colunaPai + u'=' + valorPai, presencaPai },
            { u",Email={'EditEmail}"_s, Sempre() },
            { u",Comentario={'EditComentario}"_s, Sempre() },
            { u" WHERE Id={#EditId}"_s, Sempre() },
        };
        d.inclusao = {
            { u"INSERT INTO {T} ("_s, Sempre() },
            { dif.colunaPai, presencaPai },
            { u",Email"_s, Sempre() },
            { u",Comentario"_s, Sempre() },
            { u") VALUES ("_s, Sempre() },
            { valorPai, ComLinha(2) },
            { u",{'EditEmail}"_s, Sempre() },
            { u",{'EditComentario}"_s, Sempre() },
            { u")"_s, Sempre() },
        };
    } else {
        d.campos = {
            campoPai,
            CampoLista(u"Categoria"_s, u"Categoria"_s,
                { u"telefone"_s, u"fax"_s, u"telfax"_s, u"modem"_s }, true, 8),
            CampoEdit(u"Telefone"_s, u"Telefone"_s, 15),
            CampoEdit(u"Comentario"_s, u"Comentário"_s, 50),
        };
        d.alteracao = {
            { u"UPDATE {T} SET "_s, Sempre() },
            { dif.colunaPai + u'=' + valorPai, presencaPai },
            { u",Categoria={'EditCategoria}"_s, Sempre() },
            { u",Telefone={'EditTelefone}"_s, Sempre() },
            { u",Comentario={'EditComentario}"_s, Sempre() },
            { (dif.ondeSemEspaco ? u"WHERE Id="_s : u" WHERE Id="_s) + u"{#EditId}"_s, Sempre() },
        };
        d.inclusao = {
            { u"INSERT INTO {T}("_s, Sempre() },
            { dif.colunaPai, presencaPai },
            { u",Categoria"_s, Sempre() },
            { u",Telefone"_s, Sempre() },
            { u",Comentario"_s, Sempre() },
            { u") VALUES ("_s, Sempre() },
            { valorPai, ComLinha(2) },
            { u",{'EditCategoria}"_s, Sempre() },
            { u",{'EditTelefone}"_s, Sempre() },
            { u",{'EditComentario}"_s, Sempre() },
            { u")"_s, Sempre() },
        };
    }
    return d;
}
} // namespace

TFormTabelaContatos::TFormTabelaContatos(const DiferencasContato &diferencas, QWidget *parent)
    : TFormTabela(descricao(diferencas), parent)
    , m_dif(diferencas)
{
    if (m_dif.escolherOculto)
        BitBtnEscolher->hide();
}

QStringList TFormTabelaContatos::SentencaConsulta() const
{
    QStringList linhas { ConsultaTabela(NumeroTabela) };
    if (!IdPai.isEmpty())
        linhas << u" WHERE "_s + m_dif.colunaPai + u'=' + ValorInteiro(IdPai);
    return linhas;
}

void TFormTabelaContatos::preencherPai()
{
    DefinirTexto(u"Edit"_s + m_dif.colunaPai, IdPai);
    DefinirTexto(u"Edit"_s + m_dif.colunaPai + u"_Nome"_s, NomePai);
}

void TFormTabelaContatos::MostrarRegistro()
{
    ApagarCampos();
    // Os telefones mostram o pai mesmo com a lista vazia; os e-mails só com uma linha.
    if (m_dif.telefone)
        preencherPai();
    if (!LerId())
        return;
    preencherPai();
    CopiarCampos();
}

void TFormTabelaContatos::LimparCampos()
{
    ApagarCampos();
    preencherPai();
}

void TFormTabelaContatos::BitBtnAceitarClick()
{
    if (m_dif.erroSemId && Modo == 3 && EditId->text().isEmpty())
        Mensagens::Informar(u"Erro"_s);
    TFormTabela::BitBtnAceitarClick();
}

void TFormTabelaContatos::BitBtnAtualizarClick()
{
    TFormTabela::BitBtnAtualizarClick();
    if (m_dif.atualizarMostra)
        ExibirJanela();
}

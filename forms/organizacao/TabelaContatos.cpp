#include "TabelaContatos.h"

#include "Mensagens.h"
#include "Registro.h"
#include "Sentenca.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

DiferencasContato TFormTabelaContatos::DiferencasDe(int numero)
{
    // A tabela de diferenças: o que não está numa linha é comum às seis.
    static const DiferencasContato tabela[] = {
        { .numero = 22,
            .colunaPai = u"Departamento"_s,
            .rotuloPai = u"Depto"_s,
            .janelaPai = 10,
            .mensagemPai
            = u"O campo Departamento deve estar preenchido. Operação interrompida."_s },
        { .numero = 16,
            .telefone = true,
            .colunaPai = u"Departamento"_s,
            .rotuloPai = u"Depto"_s,
            .janelaPai = 10,
            .mensagemPai = u"Campo DEPARTAMENTO deve estar preenchido. Inclusão recusada."_s,
            .duploClique = PesquisaFixa::Mensagem,
            .paiOpcional = true,
            .ondeSemEspaco = true,
            .escolherOculto = true },
        { .numero = 23,
            .colunaPai = u"Secao"_s,
            .rotuloPai = u"Seção"_s,
            .janelaPai = 21,
            .mensagemPai = u"O campo Seção deve estar preenchido. Operação interrompida."_s,
            .erroSemId = true },
        { .numero = 24,
            .telefone = true,
            .colunaPai = u"Secao"_s,
            .rotuloPai = u"Seção"_s,
            .janelaPai = 21,
            .mensagemPai = u"O campo Seção deve estar preenchido. Operação interrompida."_s,
            .duploClique = PesquisaFixa::Mensagem },
        { .numero = 25,
            .colunaPai = u"Docente"_s,
            .rotuloPai = u"Docente"_s,
            .janelaPai = 11,
            .mensagemPai = u"O campo Docente deve estar preenchido. Operação interrompida."_s },
        { .numero = 17,
            .telefone = true,
            .colunaPai = u"Docente"_s,
            .rotuloPai = u"Docente"_s,
            .janelaPai = 11,
            .mensagemPai = u"Campo DOCENTE deve estar preenchido. Inclusão recusada."_s,
            .atualizarMostra = true },
    };
    for (const DiferencasContato &d : tabela)
        if (d.numero == numero)
            return d;
    return {};
}

namespace {
DescricaoJanela descricao(const DiferencasContato &dif)
{
    const QString pai = u"Edit"_s + dif.colunaPai;
    // O pai vem dos membros, nunca da linha; sem ele nada é gravado (em nenhum modo).
    const Campo campoPai
        = CampoPai(dif.colunaPai, dif.rotuloPai, dif.janelaPai, dif.duploClique, dif.mensagemPai);
    const Presenca presencaPai = dif.paiOpcional ? SeNaoVazio(pai) : Sempre();
    const QString valorPai = u"{#"_s + pai + u'}';

    DescricaoJanela d;
    d.numero = dif.numero;
    d.atualizarMostra = dif.atualizarMostra;
    // Os telefones mostram o pai mesmo com a lista vazia; os e-mails só com uma linha.
    d.paiSemLinha = dif.telefone;
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
            { valorPai, presencaPai },
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
            { valorPai, presencaPai },
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
}

void TFormTabelaContatos::MontarControles()
{
    if (m_dif.escolherOculto)
        BitBtnEscolher->hide();
}

void TFormTabelaContatos::BitBtnAceitarClick()
{
    if (m_dif.erroSemId && Modo == ModoTabela::Modificando && EditId->text().isEmpty())
        Mensagens::Informar(u"Erro"_s);
    TFormTabela::BitBtnAceitarClick();
}

REGISTRAR_JANELA(22, TFormTabelaEmailsDepartamentos)
REGISTRAR_JANELA(16, TFormTabelaTelefonesDepartamentos)
REGISTRAR_JANELA(23, TFormTabelaEmailsSecoes)
REGISTRAR_JANELA(24, TFormTabelaTelefonesSecoes)
REGISTRAR_JANELA(25, TFormTabelaEmailsDocentes)
REGISTRAR_JANELA(17, TFormTabelaTelefonesDocentes)

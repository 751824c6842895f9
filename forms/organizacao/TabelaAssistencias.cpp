#include "TabelaAssistencias.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 73;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 50)
            .Obrigatorio(u"O campo NOME deve estar preenchido. Operação interrompida."_s),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        CampoPesquisa(u"Assistente"_s, u"Assistente"_s, 27),
        CampoPesquisa(u"Secretaria1"_s, u"Secretárias"_s, 27),
        CampoPesquisa(u"Secretaria2"_s, QString(), 27),
        CampoEdit(u"Email"_s, u"E-mail"_s, 255),
        CampoEdit(u"Telefone1"_s, u"Telefones"_s, 255),
        CampoEdit(u"Telefone2"_s, QString(), 255),
    };
    // Os três funcionários logo depois do nome; a descrição depois deles.
    d.ordemExibicao = { u"EditNome"_s, u"EditAssistente"_s, u"EditSecretaria1"_s,
        u"EditSecretaria2"_s, u"MemoDescricao"_s };
    // As pesquisas vazias ficam fora: um UPDATE nunca limpa um funcionário já gravado.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Descricao"_s), Gravar(u"Assistente"_s),
        Gravar(u"Secretaria1"_s), Gravar(u"Secretaria2"_s), Gravar(u"Email"_s),
        Gravar(u"Telefone1"_s), Gravar(u"Telefone2"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaAssistencias::TFormTabelaAssistencias(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaAssistencias::MontarControles()
{
    // A segunda secretária e o segundo telefone ficam sob o rótulo do primeiro.
    Controle(u"EditSecretaria2_Nome"_s)->setAccessibleName(u"Secretárias (segunda)"_s);
    Controle(u"EditTelefone2"_s)->setAccessibleName(u"Telefones (segundo)"_s);
}

REGISTRAR_JANELA(73, TFormTabelaAssistencias)

#include "TabelaDownloads.h"

#include "Registro.h"
#include "VerificarEnderecos.h"

#include <QHBoxLayout>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 41;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 150)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoEdit(u"Arquivo"_s, u"Arquivo"_s, 255)
            .Obrigatorio(u"O campo Arquivo deve estar preenchido. Operação interrompida."_s),
        CampoLista(u"Categoria"_s, u"Categoria"_s, {}, true, 150)
            .Regra(RegraCampo::HabilitarAmarelo)
            .Codigos(60, u"Categoria"_s)
            .Legenda(u"O arquivo deve ser enviado ao webmaster para ser colocado na área pública "
                     "da página. Para um arquivo externo, escreva o endereço completo, "
                     "começando por http:// ou https://."_s),
        CampoEdit(u"Descricao"_s, u"Descrição"_s, 255),
        CampoEdit(u"Tamanho"_s, u"Tamanho"_s, 10).Unidade(u"KBytes"_s, u"LabelKBytes"_s),
        CampoEdit(u"Versao"_s, u"Versão"_s, 10),
        CampoEdit(u"Copyright"_s, u"Copyright"_s, 255),
        // A data do material, sem hora (gravada à meia-noite); a de hoje num novo.
        CampoDataHora(u"Data"_s, u"DateData"_s, u"Data"_s).AoIncluir(InicioCampo::Agora),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10)
            .Legenda(u"Preencha abaixo somente se o material estiver relacionado com alguns dos "
                     "campos:"_s),
        CampoPesquisa(u"Secao"_s, u"Seção"_s, 21),
        CampoPesquisa(u"Assistencia"_s, u"Assistência"_s, 73),
    };
    // Os donos vazios ficam fora: um dono gravado não é tirado nesta janela.
    d.colunas
        = { Gravar(u"Nome"_s), Gravar(u"Arquivo"_s), Gravar(u"Categoria"_s), Gravar(u"Descricao"_s),
              Gravar(u"Tamanho"_s), Gravar(u"Versao"_s), Gravar(u"Copyright"_s), Gravar(u"Data"_s),
              Gravar(u"Departamento"_s), Gravar(u"Secao"_s), Gravar(u"Assistencia"_s) };
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaDownloads::TFormTabelaDownloads(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDownloads::MontarControles()
{
    // Só lê os endereços: disponível em todo modo.
    NovoBotao(u"BitBtnVerificarEnderecos"_s, u"&Verificar endereços"_s, LinhaBotoes(),
        LinhaBotoes()->count() - 1, [this] { VerificarEnderecos(*this, u"Arquivo"_s); });
}

REGISTRAR_JANELA(41, TFormTabelaDownloads)

#include "TabelaVeiculos.h"

#include "Mensagens.h"
#include "Registro.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {
const QString SemNome = u"O campo Nome deve estar preenchido. Operação interrompida."_s;

Campo Lista(
    const QString &coluna, const QString &controle, const QString &rotulo, const QStringList &itens)
{
    return CampoLista(coluna, rotulo, itens, true, 150).NoControle(controle);
}

DescricaoJanela descricaoPedidos()
{
    DescricaoJanela d;
    d.numero = 78;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Solicitante"_s, 150)
            .Obrigatorio(u"O campo nome deve estar preenchido. Operação interrompida."_s),
        CampoData(u"DataInicio"_s, u"DateDataInicio"_s, u"Data"_s)
            .AoLado()
            .AoIncluir(InicioCampo::Agora),
        CampoEdit(u"nrkva_solicitante"_s, u"Nº KVA"_s, 7).NoControle(u"EditCodKVA"_s),
        CampoPesquisa(u"Departamento"_s, u"Depto"_s, 10).AoLado(),
        CampoEdit(u"Ramal"_s, u"Ramal"_s, 4),
        CampoEdit(u"Email_solicitante"_s, u"E-mail"_s, 50).NoControle(u"EditEmail"_s).AoLado(),
        CampoEdit(u"Destino"_s, u"Destino"_s, 0),
        Lista(u"Des_servico"_s, u"EditDescricaoServico"_s, u"Descrição do Serviço"_s,
            { u"Campus/Cidade"_s, u"Viagem"_s }),
        Lista(u"Finalidade"_s, u"EditFinalidade"_s, u"Finalidade"_s,
            { u"Administração"_s, u"Cultural"_s, u"Científica"_s, u"Didática"_s, u"Outras"_s })
            .AoLado(),
        CampoData(u"Data_saida"_s, u"DateDataSaida"_s, u"Data de Saída"_s)
            .AoIncluir(InicioCampo::Agora),
        CampoHora(u"hora_saida"_s, u"EditHoraSaida"_s, u"Horário de Saída"_s).AoLado(),
        CampoData(u"Data_retorno"_s, u"DateDataRetorno"_s, u"Data de Retorno"_s)
            .AoIncluir(InicioCampo::Agora),
        CampoHora(u"hora_retorno"_s, u"EditHoraRetorno"_s, u"Horário de Retorno"_s).AoLado(),
        Lista(u"Motorista"_s, u"EditMotorista"_s, u"Motorista"_s, { u"Sim"_s, u"Não"_s }),
        Lista(u"Tipo_veic"_s, u"EditTipoVeiculo"_s, u"Tipo de Veículo"_s,
            { u"Passageiro"_s, u"Ônibus"_s, u"Carga"_s })
            .AoLado(),
        Lista(u"Local_saida"_s, u"EditLocalSaida"_s, u"Local de Saída"_s,
            { u"KVA"_s, u"Residência"_s }),
        CampoEdit(u"Observacao"_s, u"Observação"_s, 150),
        // Clicável em todo modo, por todo nível que abre a janela; só o Aceitar a grava.
        CampoMarcacao(u"Conf_atad"_s, u"(Uso exclusivo do ATAd)"_s)
            .NoControle(u"CheckBoxVisivel"_s)
            .NoGrupo(u"GroupBoxConfirmacao"_s, u"Confirmação do ATAd"_s),
    };
    d.ordemExibicao
        = { u"DateDataInicio"_s, u"EditNome"_s, u"EditCodKVA"_s, u"EditDepartamento"_s };
    // Um departamento vazio fica fora: o gravado não é tirado nesta janela. Três colunas o
    // INSERT escreve com outras maiúsculas (o banco não as distingue).
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"DataInicio"_s), Gravar(u"nrkva_solicitante"_s),
        Gravar(u"Departamento"_s), Gravar(u"Ramal"_s), Gravar(u"Email_solicitante"_s),
        Gravar(u"Destino"_s), Gravar(u"Des_Servico"_s), Gravar(u"Finalidade"_s),
        Gravar(u"Data_Saida"_s).GrafiaNaInclusao(u"Data_saida"_s), Gravar(u"Hora_saida"_s),
        Gravar(u"Data_Retorno"_s).GrafiaNaInclusao(u"Data_retorno"_s), Gravar(u"Hora_retorno"_s),
        Gravar(u"Motorista"_s), Gravar(u"Tipo_veic"_s),
        Gravar(u"Local_saida"_s).GrafiaNaInclusao(u"Local_Saida"_s), Gravar(u"Observacao"_s),
        Gravar(u"Conf_Atad"_s) };
    d.controlesReservados = { u"EditCodKVA"_s, u"EditNome"_s };
    BotaoFilha passageiros { u"BitBtnPassageiros"_s, u"&Passageiros"_s, 79,
        u"Não é possível editar Passageiros durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha uma viagem para editar os passageiros."_s };
    passageiros.exigeNome = true;
    d.filhas = { passageiros };
    return d;
}

DescricaoJanela descricaoPassageiros()
{
    DescricaoJanela d;
    d.numero = 79;
    d.campos = {
        CampoPai(u"Solicitante"_s, u"Solicitante"_s, 78, PesquisaFixa::Nada, SemNome),
        CampoEdit(u"Passageiro"_s, u"Passageiro"_s, 0),
        CampoEdit(u"Funcao"_s, u"Função"_s, 0),
        CampoEdit(u"RG"_s, u"RG"_s, 0),
        CampoEdit(u"CIC"_s, u"CPF"_s, 0).NoControle(u"EditCPF"_s).AoLado(),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 0),
    };
    d.colunas = { Gravar(u"Solicitante"_s).DoControle(u"EditSolicitante"_s).Sempre(),
        Gravar(u"Passageiro"_s), Gravar(u"RG"_s), Gravar(u"CIC"_s), Gravar(u"Funcao"_s),
        Gravar(u"Endereco"_s) };
    return d;
}
} // namespace

TFormTabelaVeiculos::TFormTabelaVeiculos(QWidget *parent)
    : TFormTabela(descricaoPedidos(), parent)
{
}

void TFormTabelaVeiculos::MontarControles()
{
    // O destino também escolhe o departamento (e não muda o próprio texto).
    LigarDuploClique(
        Controle(u"EditDestino"_s), [this] { ExecutarPesquisa(u"EditDepartamento"_s); });
    auto *confirmacao = Controle<QCheckBox>(u"CheckBoxVisivel"_s);
    QPalette p = confirmacao->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    confirmacao->setPalette(p);
}

TFormTabelapassageiros::TFormTabelapassageiros(QWidget *parent)
    : TFormTabela(descricaoPassageiros(), parent)
{
}

bool TFormTabelapassageiros::ConferirCampos()
{
    // Aberta por um pedido, a janela tem sempre o nome dele; sem ele nada é gravado.
    if (Texto(u"EditSolicitante_Nome"_s).isEmpty()) {
        Mensagens::Informar(SemNome);
        return false;
    }
    return TFormTabela::ConferirCampos();
}

// A linha reservada é a do pedido "[vazio]" para modificar e a do passageiro "[vazio]"
// para apagar.
bool TFormTabelapassageiros::PodeModificarFicha()
{
    return PodeModificarReservada({ u"EditSolicitante_Nome"_s });
}

bool TFormTabelapassageiros::PodeExcluirFicha()
{
    return PodeExcluirReservada({ u"EditPassageiro"_s });
}

REGISTRAR_JANELA(78, TFormTabelaVeiculos)
REGISTRAR_JANELA(79, TFormTabelapassageiros)

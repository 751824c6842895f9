#include "TabelaHorarios.h"

#include "CamposEnsino.h"
#include "ListasFixas.h"
#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 77;
    d.campos = Ensino::CamposDisciplina();
    // A oferta vem da janela das oferecidas, com o código e o nome que ela mostra.
    d.campos[0].ForaDaLinha().Exibir([](TFormTabela &j, const QString &) {
        const auto &h = static_cast<TFormTabelaHorarios &>(j);
        j.DefinirTexto(u"EditCodigoKVA"_s, h.CodigoDisciplina);
        return h.NomeDisciplina;
    });
    d.campos << Ensino::PesquisaGraduacao(u"Graduação"_s,
        u"Você acabou de selecionar uma graduação para essa disciplina oferecida. Portanto, o "
        "campo Pós-Graduação será zerado."_s)
                    .Largo()
             << Ensino::PesquisaPosgraduacao(u"Pós-Graduação"_s,
                    u"Você acabou de selecionar uma Pós-Graduação para essa disciplina "
                    "oferecida. Portanto, o campo Graduação será zerado."_s)
                    .Largo()
             << CampoLista(u"Semana"_s, u"Dia da Semana"_s, ListasFixas::DiasSemana(), true)
             << CampoLista(u"Local"_s, u"Local "_s, ListasFixas::SalasHorarios(), true).AoLado()
             << CampoLista(u"Bloco"_s, u"Bloco"_s, ListasFixas::Blocos(), true, 11)
             << CampoMascara(u"HoraInicio"_s, u"Início"_s, u"99:99;1;_"_s)
                    .Regra(RegraCampo::Habilitar)
             << CampoMascara(u"HoraTermino"_s, u"Término"_s, u"99:99;1;_"_s)
                    .Regra(RegraCampo::Habilitar)
                    .AoLado()
             << CampoMemo(u"Descricao"_s, u"Observação"_s, 0);
    // A oferta vai entre aspas no UPDATE e sem elas no INSERT; programas vazios ficam fora
    // (o esvaziado pela regra da escolha vai como NULL).
    d.colunas = { Gravar(u"Disciplina"_s)
                      .DoControle(u"EditDisciplina"_s)
                      .Como(TipoValor::Texto)
                      .SoNaAlteracao(),
        Gravar(u"Disciplina"_s).DoControle(u"EditDisciplina"_s).Sempre().SoNaInclusao(),
        Gravar(u"Graduacao"_s), Gravar(u"PosGraduacao"_s), Gravar(u"Semana"_s), Gravar(u"Local"_s),
        Gravar(u"Bloco"_s), Gravar(u"HoraInicio"_s), Gravar(u"HoraTermino"_s),
        Gravar(u"Descricao"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    return d;
}
} // namespace

TFormTabelaHorarios::TFormTabelaHorarios(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaHorarios::ReceberMae(const TFormTabela &mae, const BotaoFilha &)
{
    // A disciplina e o programa da oferta (proposto numa inclusão).
    CodigoDisciplina = mae.Texto(u"EditCodigoKVA"_s);
    IdGraduacao = mae.Texto(u"EditGraduacao"_s);
    NomeGraduacao = mae.Texto(u"EditGraduacao_Nome"_s);
    IdPosgraduacao = mae.Texto(u"EditPosgraduacao"_s);
    NomePosgraduacao = mae.Texto(u"EditPosgraduacao_Nome"_s);
}

void TFormTabelaHorarios::HabilitarCampos(bool on)
{
    TFormTabela::HabilitarCampos(on);
    // Os programas ficam na cor de botão (a escolha funciona do mesmo jeito).
    for (const QString &nome : { u"EditGraduacao_Nome"_s, u"EditPosgraduacao_Nome"_s })
        ControleCampo::Pintar(Controle(nome), ControleCampo::CorSomenteLeitura());
}

void TFormTabelaHorarios::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick();
    // O programa da oferta é proposto.
    DefinirTexto(u"EditGraduacao"_s, IdGraduacao);
    DefinirTexto(u"EditGraduacao_Nome"_s, NomeGraduacao);
    DefinirTexto(u"EditPosgraduacao"_s, IdPosgraduacao);
    DefinirTexto(u"EditPosgraduacao_Nome"_s, NomePosgraduacao);
}

bool TFormTabelaHorarios::ConferirCampos()
{
    return TFormTabela::ConferirCampos() && Ensino::ConferirProgramas(*this);
}

REGISTRAR_JANELA(77, TFormTabelaHorarios)

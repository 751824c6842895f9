#include "TabelaDiplomas.h"

#include "Mensagens.h"
#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
const QString Vazio = u"[vazio]"_s;

// Um programa escolhido de verdade (nem vazio, nem a linha "[vazio]").
bool programa(const TFormTabela &j, const QString &controle)
{
    return !j.Texto(controle).isEmpty() && j.Texto(controle + u"_Nome"_s) != Vazio;
}

// Escolher um programa de verdade esvazia o outro (que vai como NULL nesta edição).
Campo exclusivo(Campo c, const QString &outro, const QString &aviso)
{
    c.depoisDeEscolher = [controle = c.controle, outro, aviso](TFormTabela &j) {
        const QString nome = j.Texto(controle + u"_Nome"_s);
        if (j.Texto(outro).isEmpty() || nome.isEmpty() || nome == Vazio)
            return;
        Mensagens::Informar(aviso);
        j.Gravacao().Zerar(outro);
    };
    return c;
}

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 81;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 0)
            .Obrigatorio(u"O campo Nome precisa estar preenchido. Operação interrompida."_s),
        exclusivo(CampoPesquisa(u"Graduacao"_s, u"Graduação"_s, 14), u"EditPosgraduacao"_s,
            u"Você acabou de selecionar uma graduação para esse diploma. Portanto, o campo "
            "Pós-Graduação será zerado."_s),
        exclusivo(CampoPesquisa(u"PosGraduacao"_s, u"Pós-graduação"_s, 15)
                      .NoControle(u"EditPosgraduacao"_s),
            u"EditGraduacao"_s,
            u"Você acabou de selecionar uma pós-graduação para esse diploma. Portanto, o "
            "campo Graduação será zerado."_s),
    };
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Graduacao"_s), Gravar(u"PosGraduacao"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    // O diploma "[vazio]" só se modifica nos níveis 1 e 2, mas se apaga como os outros.
    d.controlesReservados = { u"EditNome"_s };
    d.apagaReservada = true;
    return d;
}
} // namespace

TFormTabelaDiplomas::TFormTabelaDiplomas(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

bool TFormTabelaDiplomas::ConferirCampos()
{
    if (!TFormTabela::ConferirCampos())
        return false;
    if (programa(*this, u"EditGraduacao"_s) && programa(*this, u"EditPosgraduacao"_s)) {
        Mensagens::Informar(
            u"O diploma não pode ser oferecido simultaneamente na graduação e na pós-graducação. "
            "Faça diferentes entradas na tabela.\n\rEscolha [vazio] para um dos campos. Operação "
            "Interrompida."_s);
        return false;
    }
    return true;
}

REGISTRAR_JANELA(81, TFormTabelaDiplomas)

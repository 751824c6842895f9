#include "TabelaDescricoes.h"

#include "Registro.h"

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 12;
    d.campos = {
        CampoEdit(u"NomeTabela"_s, u"Tabela"_s, 30),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
    };
    // Nenhum campo é obrigatório: textos vazios são gravados como estão.
    d.colunas = { Gravar(u"NomeTabela"_s), Gravar(u"Descricao"_s) };
    d.controlesReservados = { u"EditNomeTabela"_s };
    d.atualizarMostra = true;
    return d;
}
} // namespace

TFormTabelaDescricoes::TFormTabelaDescricoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

REGISTRAR_JANELA(12, TFormTabelaDescricoes)

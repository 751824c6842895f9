#include "TabelaLinks.h"

#include "Registro.h"
#include "VerificarEnderecos.h"

#include <QHBoxLayout>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 67;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 255),
        CampoEdit(u"URL"_s, u"URL"_s, 255),
        // Os dois itens passam do limite do que se digita (10); escolhidos, vão inteiros.
        CampoLista(u"Alvo"_s, u"Alvo"_s, { u"Abrir dentro da página"_s, u"Abrir fora da página"_s },
            true, 10)
            .Regra(RegraCampo::HabilitarAmarelo),
        CampoEdit(u"Categoria"_s, u"Categoria"_s, 150),
        CampoEdit(u"Comentario"_s, u"Comentário"_s, 255),
    };
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"URL"_s), Gravar(u"Alvo"_s), Gravar(u"Categoria"_s),
        Gravar(u"Comentario"_s) };
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesReservados = { u"EditNome"_s };
    return d;
}
} // namespace

TFormTabelaLinks::TFormTabelaLinks(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaLinks::MontarControles()
{
    // Só lê os endereços: disponível em todo modo.
    NovoBotao(u"BitBtnVerificarEnderecos"_s, u"&Verificar endereços"_s, LinhaBotoes(),
        LinhaBotoes()->count() - 1, [this] { VerificarEnderecos(*this, u"URL"_s); });
}

REGISTRAR_JANELA(67, TFormTabelaLinks)

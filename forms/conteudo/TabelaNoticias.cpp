#include "TabelaNoticias.h"

#include "Registro.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 18;
    d.campos = {
        CampoEdit(u"Titulo"_s, u"Título"_s, 255)
            .Obrigatorio(u"Campo Título não pode estar em branco. Operação interrompida."_s),
        CampoEdit(u"Resumo"_s, u"Resumo"_s, 255)
            .Obrigatorio(u"Campo Resumo não pode estar em branco. Operação interrompida."_s),
        CampoMemo(u"Conteudo"_s, u"Conteúdo"_s, 3990).Capacidade(),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
        CampoDataHora(u"Postagem"_s, u"DatePostagem"_s, u"Data"_s, u"Hora"_s, u"Minuto"_s)
            .AoIncluir(InicioCampo::Agora),
        CampoMarcacao(u"Visivel"_s, u"Notícia deve ser divulgada na Home Page"_s)
            .AoIncluir(InicioCampo::Marcado),
        CampoMarcacao(u"v_portal"_s, u"Notícia deve ser divulgada no Portal"_s)
            .NoControle(u"CheckBoxPortal"_s)
            .AoIncluir(InicioCampo::Marcado),
        CampoMarcacao(u"bolsas"_s, u"Bolsas "_s)
            .NoControle(u"CheckBoxBolsas"_s)
            .AoIncluir(InicioCampo::Marcado),
        CampoEdit(u"Colaboracao"_s, u"Nome"_s, 50).Legenda(u"Sobre a Colaboração:"_s),
        CampoEdit(u"ColaboracaoURL"_s, u"URL ou E-mail"_s, 255),
    };
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"Resumo"_s), Gravar(u"Conteudo"_s),
        Gravar(u"Link"_s), Gravar(u"Postagem"_s), Gravar(u"Visivel"_s), Gravar(u"v_portal"_s),
        Gravar(u"bolsas"_s), Gravar(u"Colaboracao"_s), Gravar(u"ColaboracaoURL"_s) };
    return d;
}
} // namespace

TFormTabelaNoticias::TFormTabelaNoticias(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaNoticias::MontarControles()
{
    // O resumo fica sem rótulo na tela, entre o título e o conteúdo.
    GroupBox1->findChild<QLabel *>(u"LabelEditResumo"_s)->hide();
}

REGISTRAR_JANELA(18, TFormTabelaNoticias)

#include "TabelaFilha.h"

#include "CatalogoJanelas.h"
#include "PerfisAcesso.h"
#include "Sentenca.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

TFormTabelaFilha::TFormTabelaFilha(const DescricaoJanela &descricao, QWidget *parent)
    : TFormTabela(descricao, parent)
    , m_colunaPai(CatalogoJanelas::JanelaDe(descricao.numero)->colunaPai)
{
}

Campo TFormTabelaFilha::CampoPai(const QString &coluna, const QString &rotulo, int janelaPai,
    PesquisaFixa duploClique, const QString &mensagemVazio)
{
    return CampoPesquisa(coluna, rotulo, janelaPai)
        .Fixa(duploClique)
        .ForaDaLinha()
        .Obrigatorio(mensagemVazio);
}

void TFormTabelaFilha::MontarControles()
{
    // O nome da mãe nunca é editado: a tecla Tab passa por ele.
    if (QWidget *nome = Controle(u"Edit"_s + m_colunaPai + u"_Nome"_s))
        nome->setFocusPolicy(Qt::NoFocus);
}

QStringList TFormTabelaFilha::SentencaConsulta() const
{
    QStringList linhas { ConsultaTabela(NumeroTabela) };
    if (!IdPai.isEmpty())
        linhas << u" WHERE "_s + m_colunaPai + u'=' + ValorInteiro(IdPai);
    return linhas;
}

void TFormTabelaFilha::PreencherPai()
{
    DefinirTexto(u"Edit"_s + m_colunaPai, IdPai);
    DefinirTexto(u"Edit"_s + m_colunaPai + u"_Nome"_s, NomePai);
}

void TFormTabelaFilha::MostrarRegistro()
{
    ApagarCampos();
    if (m_paiSemLinha)
        PreencherPai();
    if (!LerId())
        return;
    PreencherPai();
    CopiarCampos();
}

void TFormTabelaFilha::LimparCampos()
{
    ApagarCampos();
    PreencherPai();
}

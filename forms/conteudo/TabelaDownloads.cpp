#include "TabelaDownloads.h"

#include "Registro.h"
#include "Rotinas.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
// A data do material, escolhida sem hora e gravada como data e hora à meia-noite
// ("M/D/AAAA 00:00:00"): o seletor de data comum, com o texto do comando trocado.
class ControleDataMeiaNoite : public ControleCampo {
public:
    ControleDataMeiaNoite(const Campo &c, std::unique_ptr<ControleCampo> data)
        : ControleCampo(c)
        , m_data(std::move(data))
    {
    }
    QString Texto() const override { return DataHoraParaSQL({}, {}, m_data->Data()); }
    void DefinirTexto(const QString &texto) override { m_data->DefinirTexto(texto); }
    QDate Data() const override { return m_data->Data(); }
    void Mostrar(const TQuery &consulta, const QString &id) override
    {
        m_data->Mostrar(consulta, id);
    }
    void Limpar() override { m_data->Limpar(); }

protected:
    QWidget *Criar(QWidget *pai) override { return m_data->Montar(pai, *Janela()); }

private:
    std::unique_ptr<ControleCampo> m_data;
};

Campo DataMeiaNoite(const QString &coluna, const QString &controle, const QString &rotulo)
{
    Campo c = CampoData(coluna, controle, rotulo);
    c.especie = [data = c.especie](
                    const Campo &d) { return std::make_unique<ControleDataMeiaNoite>(d, data(d)); };
    c.valor = TipoValor::Texto; // o texto já tem a forma do comando
    return c;
}

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
        CampoEdit(u"Tamanho"_s, u"Tamanho"_s, 10),
        CampoEdit(u"Versao"_s, u"Versão"_s, 10),
        CampoEdit(u"Copyright"_s, u"Copyright"_s, 255),
        DataMeiaNoite(u"Data"_s, u"DateData"_s, u"Data"_s),
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
    // O tamanho é em quilobytes.
    QWidget *tamanho = Controle(u"EditTamanho"_s);
    int linha, coluna, linhas, colunas;
    GradeCampos()->getItemPosition(
        GradeCampos()->indexOf(tamanho), &linha, &coluna, &linhas, &colunas);
    auto *unidade = new QLabel(u"KBytes"_s, tamanho->parentWidget());
    unidade->setBuddy(tamanho);
    RegistrarControle(unidade, u"LabelKBytes"_s);
    GradeCampos()->addWidget(unidade, linha, coluna + 1);
}

void TFormTabelaDownloads::BitBtnIncluirClick()
{
    TFormTabela::BitBtnIncluirClick();
    Controle<QDateEdit>(u"DateData"_s)->setDate(QDate::currentDate());
}

REGISTRAR_JANELA(41, TFormTabelaDownloads)

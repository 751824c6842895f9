#include "TabelaDefesas.h"

#include "Registro.h"
#include "SalasDefesas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QStringList TitulosAbas
    = { u"Orientador"_s, u"Docente 2"_s, u"Docente 3"_s, u"Docente 4"_s, u"Docente 5"_s };

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 74;
    d.campos = {
        CampoMemo(u"Titulo"_s, u"Título"_s, 3990).Capacidade().LinhasVisiveis(3),
        CampoEdit(u"Aluno"_s, u"Aluno"_s, 255),
        CampoDataHora(u"Data"_s, u"DateData"_s, u"Data"_s).AoIncluir(InicioCampo::Agora),
        CampoEdit(u"Hora"_s, u"Hora"_s, 5).AoLado(),
        CampoLista(u"Local"_s, u"Local"_s, SalasDefesas(), true),
        CampoPesquisa(u"PosGraduacao"_s, u"Pós-grad"_s, 15),
        CampoLista(u"Categoria"_s, u"Categoria"_s,
            { u"Dissertação de Mestrado"_s, u"Tese de Doutorado"_s }, true, 30)
            .AoLado(),
    };
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"Aluno"_s), Gravar(u"Data"_s), Gravar(u"Hora"_s),
        Gravar(u"Local"_s), Gravar(u"PosGraduacao"_s), Gravar(u"Categoria"_s) };
    // A banca: uma aba por membro, com os controles terminados no número do membro.
    for (int n = 1; n <= 5; ++n) {
        const QString m = QString::number(n);
        const QString aba = u"TabSheet"_s + m;
        const QString titulo = TitulosAbas.at(n - 1);
        d.campos << CampoPesquisa(u"Docente"_s + m, u"Docente QORVEL"_s, 11).NaPagina(aba, titulo)
                 << CampoEdit(u"DocenteExterno"_s + m, u"Docente Externo"_s, 255)
                        .Legenda(u"ou"_s)
                        .NaPagina(aba, titulo)
                 << CampoEdit(u"Instituicao"_s + m, u"Instituição"_s, 255).NaPagina(aba, titulo)
                 << CampoEdit(u"Titulacao"_s + m, u"Titulação"_s, 255).NaPagina(aba, titulo);
        d.colunas << Gravar(u"Docente"_s + m) << Gravar(u"DocenteExterno"_s + m)
                  << Gravar(u"Instituicao"_s + m) << Gravar(u"Titulacao"_s + m);
    }
    d.campos << CampoMarcacao(
        u"Visivel"_s, u"Mostrar essa defesa na página dos Informes, Defesas"_s)
                    .AoIncluir(InicioCampo::Marcado);
    d.colunas << Gravar(u"Visivel"_s);
    d.formato.inclusao = u"INSERT INTO {T} ("_s;
    d.controlesProprios = { u"GroupBoxBanca"_s };
    return d;
}
} // namespace

TFormTabelaDefesas::TFormTabelaDefesas(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaDefesas::MontarControles()
{
    // As abas da banca dentro da caixa " Membros da Banca ", no lugar delas.
    auto *abas = Controle<QTabWidget>(u"PageControl1"_s);
    QGridLayout *grade = GradeCampos();
    int linha = 0, coluna = 0, linhas = 0, colunas = 0;
    grade->getItemPosition(grade->indexOf(abas), &linha, &coluna, &linhas, &colunas);
    grade->removeWidget(abas);
    auto *caixa = new QGroupBox(u" Membros da Banca "_s, GroupBox1);
    RegistrarControle(caixa, u"GroupBoxBanca"_s);
    (new QVBoxLayout(caixa))->addWidget(abas);
    grade->addWidget(caixa, linha, coluna, linhas, colunas);
}

REGISTRAR_JANELA(74, TFormTabelaDefesas)

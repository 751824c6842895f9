#include "TabelaPosgraduacoes.h"

#include "ListasFixas.h"
#include "Registro.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {
// Os números com setas: coluna, rótulo, máximo (o mínimo é 0).
struct Numero {
    QString coluna, rotulo;
    int maximo;
};
const QList<Numero> Numeros = {
    { u"ConceitoCapes"_s, u"Conceito CAPES"_s, 7 },
    { u"Vagas"_s, u"Vagas"_s, 150 },
    { u"Creditos"_s, u"Créditos"_s, 150 },
    { u"DuracaoMinima"_s, u"Mínima ="_s, 20 },
    { u"DuracaoMaxima"_s, u"Máxima ="_s, 20 },
};

// Os períodos do calendário: coluna do texto (e das datas de início e término) e rótulo.
const QList<QPair<QString, QString>> Periodos = {
    { u"Inscricao"_s, u"Inscrição"_s },
    { u"Selecao"_s, u"Seleção"_s },
    { u"MatriculaIngressante"_s, u"Matr Ingr"_s },
    { u"MatriculaRegular"_s, u"Matr Reg"_s },
    { u"MatriculaEspecial"_s, u"Matr Espec"_s },
};

Campo data(const QString &coluna, const QString &rotulo)
{
    return CampoData(coluna, u"Date"_s + coluna, rotulo).AoLado();
}

Campo numero(const Numero &n)
{
    return CampoSpin(n.coluna, n.rotulo, 0, n.maximo)
        .NoControle(u"SpinEdit"_s + n.coluna)
        .Regra(RegraCampo::Escrita);
}

Campo texto(const QString &coluna, const QString &aba, int tabela)
{
    return CampoTextoLongo(coluna, {}, 3990, tabela, u"PosGraduacao"_s)
        .Capacidade(false)
        .NaPagina(u"TabSheet"_s + coluna, aba);
}

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 15;
    d.campos = {
        CampoEdit(u"Nome"_s, u"Nome"_s, 80),
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 5),
        CampoLista(u"Categoria"_s, u"Categoria"_s, ListasFixas::CategoriasPosgraduacao(), true, 9)
            .AoLado(),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10),
        numero(Numeros[0]),
        numero(Numeros[1]).AoLado(),
        numero(Numeros[2]).AoLado(),
        numero(Numeros[3]).Legenda(u"Duração"_s),
        numero(Numeros[4]).AoLado().Unidade(u"em semestres"_s),
    };
    for (const auto &[coluna, rotulo] : Periodos)
        d.campos << CampoEdit(coluna, rotulo, 255)
                 << data(coluna + u"Inicio"_s, {}).Dica(DicaDataNula())
                 << data(coluna + u"Termino"_s, u"a"_s).Dica(DicaDataNula());
    d.campos << CampoPesquisa(u"Coordenador"_s, u"Coordenador"_s, 11)
             << data(u"CoordenadorInicio"_s, u"Mandato"_s) << data(u"CoordenadorTermino"_s, u"a"_s)
             << CampoPesquisa(u"ViceCoordenador"_s, u"Vice-Coord"_s, 11)
             << data(u"ViceInicio"_s, u"Mandato"_s) << data(u"ViceTermino"_s, u"a"_s)
             << CampoPesquisa(u"Secretaria"_s, u"Secretária"_s, 27)
             << CampoEdit(u"Email"_s, u"E-mail"_s, 50)
             << CampoEdit(u"Telefone"_s, u"Telefone"_s, 15).AoLado()
             << CampoEdit(u"Link"_s, u"Link"_s, 255).Largo();
    d.campos << texto(u"NormasGerais"_s, u"Normas Gerais"_s, 47)
             << texto(u"Documentacao"_s, u"Documentação"_s, 48)
             << texto(u"Bibliografias"_s, u"Bibliografias"_s, 49);

    // Os números vão sempre (0 também); as datas sempre; as pesquisas só preenchidas. A
    // coluna do vice é escrita "Vicecoordenador" nos comandos.
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s), Gravar(u"Departamento"_s),
        Gravar(u"Categoria"_s) };
    for (const QString &n :
        { u"DuracaoMinima"_s, u"DuracaoMaxima"_s, u"ConceitoCapes"_s, u"Vagas"_s, u"Creditos"_s })
        d.colunas << Gravar(n).Sempre();
    for (const auto &[coluna, rotulo] : Periodos)
        d.colunas << Gravar(coluna) << Gravar(coluna + u"Inicio"_s)
                  << Gravar(coluna + u"Termino"_s);
    d.colunas << Gravar(u"Coordenador"_s) << Gravar(u"CoordenadorInicio"_s)
              << Gravar(u"CoordenadorTermino"_s) << Gravar(u"Vicecoordenador"_s)
              << Gravar(u"ViceInicio"_s) << Gravar(u"ViceTermino"_s) << Gravar(u"Secretaria"_s)
              << Gravar(u"Email"_s) << Gravar(u"Telefone"_s) << Gravar(u"Link"_s);
    d.formato.onde = u"WHERE Id={#EditId}"_s;
    d.procuraControle = u"EditNome"_s;
    d.procuraColuna = u"Nome"_s;
    d.controlesReservados = { u"EditNome"_s };
    d.controlesProprios = { u"LabelNomeCompleto"_s };
    d.largura = 1120;
    return d;
}
} // namespace

TFormTabelaPosgraduacoes::TFormTabelaPosgraduacoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaPosgraduacoes::MontarControles()
{
    // Os textos à esquerda crescem; as datas e números ao lado ficam no seu tamanho.
    QGridLayout *grade = GradeCampos();
    grade->setColumnStretch(3, 0);
    grade->setColumnStretch(5, 0);
    // O aviso do nome, no resto da linha do nome (à vista só enquanto se edita).
    int linha = 0, coluna = 0, linhas = 0, colunas = 0;
    grade->getItemPosition(
        grade->indexOf(Controle(u"EditNome"_s)), &linha, &coluna, &linhas, &colunas);
    auto *nomeCompleto = new QLabel(u"<<< deve ser nome completo"_s, GroupBox1.get());
    QPalette p = nomeCompleto->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    nomeCompleto->setPalette(p);
    nomeCompleto->hide();
    nomeCompleto->setBuddy(Controle(u"EditNome"_s));
    RegistrarControle(nomeCompleto, u"LabelNomeCompleto"_s);
    grade->addWidget(nomeCompleto, linha, 2, 1, -1);

    // As datas de início, sem rótulo próprio, são lidas pelo rótulo do período.
    for (const auto &[coluna, rotulo] : Periodos)
        Controle(u"Date"_s + coluna + u"Inicio"_s)->setAccessibleName(rotulo + u", início"_s);
}

void TFormTabelaPosgraduacoes::HabilitarCampos(bool on)
{
    TFormTabela::HabilitarCampos(on);
    Controle(u"LabelNomeCompleto"_s)->setVisible(on);
}

void TFormTabelaPosgraduacoes::LimparCampos()
{
    TFormTabela::LimparCampos();
    // Um registro novo começa com cada número no seu mínimo.
    for (const Numero &n : Numeros)
        Controle<QSpinBox>(u"SpinEdit"_s + n.coluna)->setValue(0);
}

REGISTRAR_JANELA(15, TFormTabelaPosgraduacoes)

#include "TabelaAgremiacoes.h"

#include "Registro.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
// Representante e cargo: fora da vista, mas lidos, limpos e gravados como os outros.
const QStringList Escondidos = { u"EditRepresentante"_s, u"EditCargo"_s };

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 40;
    d.campos = {
        CampoEdit(u"Sigla"_s, u"Sigla"_s, 10),
        CampoEdit(u"Nome"_s, u"Nome"_s, 150)
            .Obrigatorio(u"O campo Nome deve estar preenchido. Operação interrompida."_s),
        CampoPesquisa(u"Departamento"_s, u"Departamento"_s, 10),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        CampoEdit(u"Representante"_s, u"Representante"_s, 150),
        CampoEdit(u"Cargo"_s, u"Cargo"_s, 150).AoLado(),
        CampoEdit(u"Endereco"_s, u"Endereço"_s, 80),
        CampoEdit(u"Cep"_s, u"Cep"_s, 9),
        CampoEdit(u"Telefone"_s, u"Telefone"_s, 15),
        CampoEdit(u"Email"_s, u"E-mail"_s, 50),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
    };
    d.colunas = { Gravar(u"Nome"_s), Gravar(u"Sigla"_s), Gravar(u"Departamento"_s),
        Gravar(u"Representante"_s), Gravar(u"Cargo"_s), Gravar(u"Descricao"_s),
        Gravar(u"Endereco"_s), Gravar(u"Cep"_s), Gravar(u"Telefone"_s), Gravar(u"Email"_s),
        Gravar(u"Link"_s) };
    d.controlesReservados = { u"EditSigla"_s, u"EditNome"_s };
    BotaoFilha estudantes { u"BitBtnDisciplinasEstudantes"_s, u"&Estudantes da Diretoria"_s, 68,
        u"Não é possível editar estudantes da diretoria durante os modos "
        "Incluir/Modificar/Excluir/Consultar."_s,
        u"Escolha uma agremiação para editar os estudantes da diretoria."_s };
    estudantes.exigeNome = true;
    d.filhas = { estudantes };
    return d;
}
} // namespace

TFormTabelaAgremiacoes::TFormTabelaAgremiacoes(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

void TFormTabelaAgremiacoes::MontarControles()
{
    for (const QString &controle : Escondidos) {
        Controle(controle)->hide();
        findChild<QLabel *>(u"Label"_s + controle)->hide();
    }
}

REGISTRAR_JANELA(40, TFormTabelaAgremiacoes)

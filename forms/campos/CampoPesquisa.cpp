#include "CampoPesquisa.h"

#include "Mensagens.h"
#include "Registro.h"
#include "Tabela.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

Campo CampoPesquisa(const QString &coluna, const QString &rotulo, int escolha)
{
    Campo c;
    c.especie = FabricaDe<ControlePesquisa>();
    c.valor = TipoValor::Inteiro;
    c.coluna = coluna;
    c.controle = u"Edit"_s + coluna;
    c.rotulo = rotulo;
    c.escolha = escolha;
    return c;
}

Campo CampoPai(const QString &coluna, const QString &rotulo, int janelaPai,
    PesquisaFixa duploClique, const QString &recusaSemMae)
{
    return CampoPesquisa(coluna, rotulo, janelaPai)
        .Fixa(duploClique)
        .ForaDaLinha()
        .Obrigatorio(recusaSemMae);
}

QWidget *ControlePesquisa::Criar(QWidget *pai)
{
    m_id = new QLineEdit(pai);
    m_id->setReadOnly(true);
    m_id->hide(); // fica por baixo do nome: só o programa o usa
    m_nome = new QLineEdit(pai);
    m_nome->setReadOnly(true);
    Registrar(m_nome, m_campo.ControleNome());
    LigarDuploClique(m_nome, [this] { Executar(); });
    return m_id;
}

QWidget *ControlePesquisa::Visivel() const
{
    return m_nome;
}

QWidget *ControlePesquisa::FocoDaEdicao() const
{
    const bool escolhe = m_campo.regra != RegraCampo::Fixo && m_campo.fixa == PesquisaFixa::Nao;
    return escolhe && m_nome->isVisibleTo(m_nome->window()) && m_nome->isEnabled() ? m_nome
                                                                                   : nullptr;
}

QString ControlePesquisa::Texto() const
{
    return m_id->text();
}

void ControlePesquisa::DefinirTexto(const QString &texto)
{
    m_id->setText(texto);
}

void ControlePesquisa::Limpar()
{
    m_id->clear();
    m_nome->clear();
}

QString ControlePesquisa::NomeDe(const QString &id)
{
    if (m_campo.exibir)
        return m_campo.exibir(*Janela(), id);
    if (TFormTabela *escolha = Registro::Janela(m_campo.escolha))
        return escolha->NomePorId(id);
    return {};
}

QString ControlePesquisa::Exibicao(const QString &id)
{
    const QString nome = id.isEmpty() ? QString() : NomeDe(id);
    return nome.isEmpty() ? id : nome;
}

void ControlePesquisa::Mostrar(const TQuery &consulta, const QString &)
{
    if (m_campo.coluna.isEmpty() || !consulta.TemCampo(m_campo.coluna))
        return;
    const QString id = Coluna(consulta);
    m_id->setText(id);
    m_nome->setText(NomeDe(id));
    m_nome->home(false); // um nome comprido aparece do começo
}

void ControlePesquisa::MostrarMae(const QString &id, const QString &nome)
{
    m_id->setText(id);
    m_nome->setText(m_campo.exibir ? m_campo.exibir(*Janela(), id) : nome);
    m_nome->home(false);
}

void ControlePesquisa::Habilitar(bool on)
{
    Pintar(m_nome, on && m_campo.regra != RegraCampo::Fixo ? CorPesquisa() : CorSomenteLeitura());
}

void ControlePesquisa::Executar()
{
    TFormTabela &janela = *Janela();
    if (m_campo.nivel) {
        const QString recusa = m_campo.nivel(janela);
        if (!recusa.isEmpty()) {
            Mensagens::Informar(recusa);
            return;
        }
    }
    if (m_campo.fixa == PesquisaFixa::Mensagem) {
        Mensagens::Informar(u"Esse campo já está preenchido."_s);
        return;
    }
    // Um nome desabilitado pela janela (o departamento preposto de um nível) não escolhe.
    if (m_campo.fixa == PesquisaFixa::Nada || !janela.Editando() || !m_nome->isEnabled())
        return;
    const QString id = TFormTabela::EscolherEm(m_campo.escolha);
    if (id.isEmpty())
        return;
    const QString idAnterior = m_id->text(), nomeAnterior = m_nome->text();
    m_id->setText(id);
    m_nome->setText(NomeDe(id));
    m_nome->home(false);
    // A regra própria vê a escolha já nos campos; recusada, eles voltam ao que eram.
    if (m_campo.regraExtra && !m_campo.regraExtra(janela, id)) {
        m_id->setText(idAnterior);
        m_nome->setText(nomeAnterior);
        return;
    }
    if (m_campo.depoisDeEscolher)
        m_campo.depoisDeEscolher(janela);
}

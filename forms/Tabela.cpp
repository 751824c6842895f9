#include "Tabela.h"

#include "Conexao.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Comando.h"
#include "GravacaoTabela.h"
#include "Historico.h"
#include "Listagem.h"
#include "Mensagens.h"
#include "MontagemTabela.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
const QString TabelaVazia = u"A tabela está vazia."_s;

// O campo de pesquisa do departamento que confina as linhas da janela (a coluna do filtro
// de departamento do catálogo; não a tabela dos próprios departamentos); nullptr se não há.
const Campo *campoDoDepartamento(const TFormTabela &j)
{
    const CatalogoJanelas::Confinamento *c = CatalogoJanelas::ConfinamentoDe(j.NumeroTabela);
    if (!c || c->dona || c->coluna.compare(u"Id"_s, Qt::CaseInsensitive) == 0)
        return nullptr;
    for (const Campo &campo : j.Descricao().campos)
        if (campo.coluna.compare(c->coluna, Qt::CaseInsensitive) == 0
            && dynamic_cast<ControlePesquisa *>(j.CampoDoControle(campo.controle)))
            return &campo;
    return nullptr;
}

// A recusa de um campo vazio no jeito da janela: a do próprio campo, a de outro campo
// obrigatório com o nome trocado ("O campo Nome deve..." vira "O campo Departamento
// deve..."), ou a forma comum.
QString recusaDeCampoVazio(const DescricaoJanela &d, const Campo &campo)
{
    if (!campo.obrigatorio.isEmpty())
        return campo.obrigatorio;
    const QString nome = QString(campo.rotulo).remove(u'&');
    static const QRegularExpression forma(u"^O campo (.+?) (?=(deve|precisa|não|está) )"_s);
    for (const Campo &outro : d.campos)
        if (const QRegularExpressionMatch m = forma.match(outro.obrigatorio); m.hasMatch())
            return QString(outro.obrigatorio)
                .replace(m.capturedStart(1), m.capturedLength(1), nome);
    return u"O campo "_s + nome + u" precisa estar preenchido. Operação interrompida."_s;
}

// Valor de um controle que não é campo da descrição, pela sua propriedade principal
// (o texto de uma caixa, o item de uma lista...).
QMetaProperty propriedadeDoUsuario(QWidget *w)
{
    return w ? w->metaObject()->userProperty() : QMetaProperty();
}
} // namespace

TFormTabela::TFormTabela(const DescricaoJanela &descricao, QWidget *parent)
    : QDialog(parent)
    , m_numeroTabela(descricao.numero)
    , m_descricao(descricao)
{
    Query = new TQuery(&Servidor::Database(), this);
    m_gravacao = std::make_unique<GravacaoTabela>(*this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
    connect(&Servidor::Database(), &TDatabase::AfterDisconnect, this, &TFormTabela::aoDesconectar);
}

TFormTabela::~TFormTabela() = default;

void TFormTabela::RegistrarControle(QWidget *w, const QString &nome)
{
    w->setObjectName(nome);
    m_controles.insert(nome, w);
}

QWidget *TFormTabela::Controle(const QString &nome) const
{
    // Montar só completa a janela como ela seria desde o início: quem a lê aqui já a
    // encontra como se os controles sempre tivessem existido.
    const_cast<TFormTabela *>(this)->Montar();
    return m_controles.value(nome);
}

ControleCampo *TFormTabela::CampoDoControle(const QString &nome) const
{
    const_cast<TFormTabela *>(this)->Montar();
    return m_camposPorControle.value(nome);
}

void TFormTabela::Montar()
{
    if (m_montada)
        return;
    m_montada = true;
    MontagemTabela montagem(*this);
    montagem.Montar();
    MontarControles();
    EditarCampos(false);
    AplicarRegras(false);
    montagem.Dimensionar();
}

void TFormTabela::setVisible(bool visivel)
{
    if (visivel)
        Montar();
    QDialog::setVisible(visivel);
}

QPushButton *TFormTabela::NovoBotao(const QString &nome, const QString &texto, QHBoxLayout *linha,
    int posicao, std::function<void()> clique)
{
    QWidget *pai = linha == m_linhaBotoes ? static_cast<QWidget *>(GroupBox1) : this;
    QPushButton *b = MontagemTabela::Botao(nome, texto, pai);
    linha->insertWidget(posicao, b);
    RegistrarControle(b, nome);
    connect(b, &QPushButton::clicked, this, std::move(clique));
    return b;
}

QString TFormTabela::Texto(const QString &controle) const
{
    if (ControleCampo *c = CampoDoControle(controle))
        return c->Texto();
    QWidget *w = Controle(controle);
    const QMetaProperty p = propriedadeDoUsuario(w);
    return p.isValid() ? p.read(w).toString() : QString();
}

void TFormTabela::DefinirTexto(const QString &controle, const QString &texto)
{
    if (ControleCampo *c = CampoDoControle(controle)) {
        c->DefinirTexto(texto);
        return;
    }
    QWidget *w = Controle(controle);
    const QMetaProperty p = propriedadeDoUsuario(w);
    if (p.isValid())
        p.write(w, texto);
}

// ---- Base -------------------------------------------------------------------------

void TFormTabela::FormShow()
{
    RegistrarEvento(NumeroTabela, u"conectado"_s);
    EditarCampos(false);
    MostrarBotoes(Modo != ModoTabela::Escolhendo);
    LabelEscolha->clear();
    setWindowTitle(u"Tabela "_s + TituloTabela(NumeroTabela));
    // Os botões de filhas reservados a alguns níveis.
    for (const BotaoFilha &b : std::as_const(m_descricao.filhas))
        if (!b.niveis.isEmpty())
            Controle(b.nome)->setVisible(b.niveis.contains(NivelAcesso));
    if (QWidget *historico = Controle(u"BitBtnHistorico"_s))
        historico->setVisible(NivelAcesso == 1 && Modo != ModoTabela::Escolhendo);
    MontagemTabela(*this).Caber();
}

bool TFormTabela::FormClose()
{
    if (Editando()) {
        Mensagens::Informar(u"Atenção: você só pode fechar essa janela depois de Aceitar ou "
                            "Cancelar a operação anterior."_s);
        return false;
    }
    if (isVisible()) {
        RegistrarEvento(NumeroTabela, u"desconectado"_s);
        hide();
    }
    return true;
}

bool TFormTabela::ResolverEdicaoAoSair(bool perguntar)
{
    if (!Editando())
        return true;
    RespostaPendente resposta = RespostaPendente::Descartar;
    if (perguntar) {
        trazerParaFrente();
        resposta = Mensagens::PerguntarPendente(u"A janela \""_s + windowTitle()
            + (Modo == ModoTabela::Incluindo ? u"\" tem uma inclusão em andamento."_s
                                             : u"\" tem uma alteração em andamento."_s)
            + u"\n\rGravar antes de sair?"_s);
    }
    switch (resposta) {
    case RespostaPendente::Gravar:
        BitBtnAceitarClick();
        return !Editando();
    case RespostaPendente::Descartar:
        Modo = ModoTabela::Consultando;
        HabilitarCampos(false);
        FimDaEdicao();
        return true;
    case RespostaPendente::Voltar:
        break;
    }
    return false;
}

void TFormTabela::EditarCampos(bool on)
{
    BitBtnAceitar->setVisible(on);
    BitBtnCancelar->setVisible(on);
    BitBtnModificar->setVisible(!on);
    BitBtnIncluir->setVisible(!on);
    BitBtnExcluir->setVisible(!on);
    BitBtnAtualizar->setEnabled(!on);
    BitBtnFechar->setEnabled(!on);
    if (QWidget *historico = Controle(u"BitBtnHistorico"_s))
        historico->setEnabled(!on);
}

void TFormTabela::MostrarBotoes(bool on)
{
    BitBtnIncluir->setVisible(on);
    BitBtnModificar->setVisible(on);
    BitBtnExcluir->setVisible(on);
    if (!on)
        BitBtnAceitar->setVisible(false);
}

void TFormTabela::ApagarCampos()
{
    EditId->clear();
    for (const auto &c : m_campos)
        c->Limpar();
}

bool TFormTabela::ContarRegistros(const QStringList &sentenca, int *total)
{
    if (!Editando())
        DBGridPesquisa->setEnabled(true);
    int contados = 0;
    const bool ok = ExecutarComando(
        *Query, NumeroTabela, Passo::Contagem,
        [&] { return sentenca.isEmpty() ? SentencaContagem() : sentenca; }, &contados);
    if (ok) {
        GroupBox2->setTitle(u" Listagem ("_s + QString::number(contados) + u") "_s);
        if (total)
            *total = contados;
    }
    return ok;
}

// ---- Ciclo padrão ------------------------------------------------------------------

void TFormTabela::ExibirJanela()
{
    FormShow();
    ConsultarTabela();
    MostrarRegistro();
}

QStringList TFormTabela::SentencaConsulta() const
{
    // A filha de uma linha lista só as linhas da mãe entregue (sem o filtro do nível).
    if (!colunaPai().isEmpty())
        return CatalogoJanelas::SentencaListagemFilha(NumeroTabela, IdPai);
    return { CatalogoJanelas::SentencaListagem(NumeroTabela) };
}

QStringList TFormTabela::SentencaContagem() const
{
    if (!colunaPai().isEmpty())
        return CatalogoJanelas::SentencaContagemFilha(NumeroTabela, IdPai);
    return { CatalogoJanelas::SentencaContagem(NumeroTabela) };
}

void TFormTabela::CarregarListasDeCodigos()
{
    for (const auto &c : m_campos)
        if (const Campo &d = c->Descricao(); d.tabelaCodigos)
            if (auto *lista = qobject_cast<QComboBox *>(c->Widget()))
                CarregarCodigosUmaVez(*Query, d.tabelaCodigos, d.colunaCodigos, lista);
}

void TFormTabela::ConsultarTabela()
{
    // As listas de códigos primeiro (na consulta da janela), depois a listagem.
    CarregarListasDeCodigos();
    // A lista só volta a ser usável quando a edição termina.
    if (!Editando())
        DBGridPesquisa->setEnabled(true);
    // A marca é lida antes da listagem: o que mudar entre as duas leituras muda a marca, e
    // a próxima abertura lê de novo.
    const bool conta = CatalogoJanelas::ContaAntesDeListar(NumeroTabela);
    QString marca;
    bool perdida = false;
    try {
        marca = Historico::MarcaAlteracoes(Servidor::Query(), NomeTabela(NumeroTabela));
    } catch (const ErroBanco &e) {
        // A conexão caiu: o registro é o do primeiro comando, que falharia do mesmo jeito.
        RegistrarFalhaAntes(NumeroTabela, conta ? Passo::Contagem : Passo::Consulta, e);
        perdida = true;
    }
    if (m_abrindoEscolha && !perdida && reusarListagem(marca))
        return;
    m_lida = {};
    if (perdida && !conta)
        return;
    bool ok = false;
    if (conta) {
        // O total da legenda vem da contagem.
        int contagem = 0;
        const bool contou = !perdida && ContarRegistros({}, &contagem);
        ok = ExecutarComando(*Query, NumeroTabela, Passo::ConsultaSemTotal, [this] {
            return SentencaConsulta();
        }) && contou;
        m_lida.contagem = contagem;
    } else {
        int total = 0;
        ok = ExecutarComando(
            *Query, NumeroTabela, Passo::Consulta, [this] { return SentencaConsulta(); }, &total);
        if (ok)
            GroupBox2->setTitle(u" Listagem ("_s + QString::number(total) + u") "_s);
    }
    if (ok) {
        m_lida.sentenca = Query->SQL;
        m_lida.marca = marca;
    }
}

bool TFormTabela::reusarListagem(const QString &marca)
{
    if (marca.isEmpty() || marca != m_lida.marca || !Query->Active()
        || Query->SQL != m_lida.sentenca)
        return false;
    try {
        if (SentencaConsulta() != m_lida.sentenca)
            return false; // outro nível, outro filtro, outra linha-mãe
    } catch (const ErroBanco &) {
        return false; // a leitura de novo registra a falha
    }
    // O registro fica como o de uma leitura: as mesmas palavras, os mesmos totais.
    const int total = m_lida.contagem.value_or(Query->RecordCount());
    if (m_lida.contagem)
        RegistrarReuso(NumeroTabela, Passo::Contagem, total);
    RegistrarReuso(NumeroTabela, m_lida.contagem ? Passo::ConsultaSemTotal : Passo::Consulta,
        Query->RecordCount());
    GroupBox2->setTitle(u" Listagem ("_s + QString::number(total) + u") "_s);
    Query->Reusar();
    return true;
}

bool TFormTabela::LerId()
{
    EditId->setText(Query->Active() && !Query->Eof() && Query->TemCampo(u"Id"_s)
            ? Query->AsString(u"Id"_s)
            : QString());
    if (EditId->text().isEmpty()) {
        // A leitura que perdeu a conexão já foi avisada: a tabela não está vazia.
        if (Query->Database() && Query->Database()->Connected())
            Mensagens::Informar(TabelaVazia);
        return false;
    }
    return true;
}

QList<ControleCampo *> TFormTabela::camposNaOrdemDeExibicao() const
{
    QList<ControleCampo *> ordem;
    for (const QString &controle : m_descricao.ordemExibicao)
        if (ControleCampo *c = m_camposPorControle.value(controle))
            ordem << c;
    for (const auto &c : m_campos)
        if (!ordem.contains(c.get()))
            ordem << c.get();
    return ordem;
}

void TFormTabela::CopiarCampos()
{
    const QString id = EditId->text();
    QString caixa;
    if (const CaixasNoMesmoLugar &cx = m_descricao.caixas; !cx.campo.isEmpty()) {
        const Campo *decide = m_descricao.CampoDoControle(cx.campo);
        caixa = cx.escolher(decide && Query->TemCampo(decide->coluna)
                ? Query->AsString(decide->coluna)
                : QString());
        MostrarCaixa(caixa);
    }
    for (ControleCampo *c : camposNaOrdemDeExibicao()) {
        const QString suaCaixa = m_descricao.CaixaAlternadaDe(c->Descricao());
        if (suaCaixa.isEmpty() || suaCaixa == caixa)
            c->MostrarLinha(*Query, id);
        else
            c->DefinirValorMostrado(std::nullopt); // a outra caixa não mostrou esta linha
    }
}

QString TFormTabela::colunaPai() const
{
    const CatalogoJanelas::Janela *j = CatalogoJanelas::JanelaDe(NumeroTabela);
    return j ? j->colunaPai : QString();
}

const Campo *TFormTabela::campoPai() const
{
    const QString coluna = colunaPai();
    return coluna.isEmpty() ? nullptr : m_descricao.CampoDoControle(u"Edit"_s + coluna);
}

void TFormTabela::preencherPai()
{
    const Campo *pai = campoPai();
    if (auto *c = pai ? dynamic_cast<ControlePesquisa *>(CampoDoControle(pai->controle)) : nullptr)
        c->MostrarMae(IdPai, NomePai);
}

void TFormTabela::MostrarCaixa(const QString &caixa)
{
    for (const QString &c : m_descricao.CaixasAlternadas())
        if (QWidget *w = Controle(c))
            w->setVisible(c == caixa);
}

void TFormTabela::alternarCaixa()
{
    const CaixasNoMesmoLugar &cx = m_descricao.caixas;
    if (!cx.campo.isEmpty() && Editando())
        MostrarCaixa(cx.escolher(Texto(cx.campo)));
}

void TFormTabela::MostrarRegistro()
{
    ApagarCampos();
    MostrarCaixa({});
    // O campo do pai de uma lista-filha mostra a mãe entregue, com a lista vazia só quando
    // a descrição pede; o que vem da linha mostra a coluna dela.
    const Campo *pai = campoPai();
    const bool semLinha = pai && m_descricao.paiSemLinha;
    if (semLinha)
        preencherPai();
    if (!LerId())
        return;
    if (pai && !semLinha && pai->coluna.isEmpty())
        preencherPai();
    m_linhaApagada = false;
    CopiarCampos();
    if (m_linhaApagada) {
        // A linha da lista foi apagada por outro usuário: sai da lista, e a primeira da
        // lista nova é mostrada.
        m_linhaApagada = false;
        Mensagens::Informar(MensagemApagado);
        ConsultarTabela();
        TFormTabela::MostrarRegistro();
    }
}

void TFormTabela::AplicarRegras(bool on)
{
    for (const auto &c : m_campos)
        c->Habilitar(on);
}

void TFormTabela::HabilitarCampos(bool on)
{
    EditarCampos(on);
    AplicarRegras(on);
}

void TFormTabela::LimparCampos()
{
    ApagarCampos();
    preencherPai();
}

TQuery *TFormTabela::LinhaPorId(const QString &id)
{
    if (id.isEmpty())
        return nullptr;
    TQuery &q = Servidor::Query();
    const bool ok = RodarComando(
        q, NumeroTabela, {},
        [&] {
            return QStringList { u"SELECT * FROM "_s + NomeTabela(NumeroTabela) + u" WHERE Id="_s
                + ValorInteiro(id) };
        },
        true);
    if (!ok)
        return nullptr;
    RegistrarEvento(NumeroTabela, u"consultado"_s);
    return q.RecordCount() ? &q : nullptr;
}

QString TFormTabela::NomePorId(const QString &id)
{
    const TQuery *q = LinhaPorId(id);
    if (!q)
        return {};
    const CatalogoJanelas::Janela *catalogo = CatalogoJanelas::JanelaDe(NumeroTabela);
    QString coluna = catalogo ? catalogo->colunaExibicao : QString();
    if (coluna.isEmpty())
        for (const QString &c : { u"Nome"_s, u"Titulo"_s, u"Sigla"_s })
            if (q->TemCampo(c)) {
                coluna = c;
                break;
            }
    if (coluna.isEmpty() || !q->TemCampo(coluna))
        return {};
    const QString valor = q->AsString(coluna);
    return catalogo && catalogo->exibicaoSemEspacos ? RemoverEspacosFinais(valor) : valor;
}

void TFormTabela::DBGridPesquisaCellClick(const QModelIndex &indice)
{
    if (!indice.isValid())
        return;
    const int linha = m_modelo->LinhaConsulta(indice.row());
    if (linha < 0)
        return;
    Query->MoverPara(linha);
    MostrarRegistro();
}

void TFormTabela::ComecarEdicao(Edicao edicao)
{
    m_gravacao->Comecar();
    DBGridPesquisa->setEnabled(false);
    LabelAviso->show();
    Modo = edicao == Edicao::Alteracao ? ModoTabela::Modificando : ModoTabela::Incluindo;
    m_nivelDaEdicao = NivelAcesso;
    if (edicao == Edicao::Inclusao) {
        LimparCampos();
        // Os valores iniciais de um registro novo, com um só "agora" para todos.
        const QDateTime agora = QDateTime::currentDateTime();
        for (const auto &c : m_campos)
            c->Iniciar(agora);
    }
    HabilitarCampos(true);
    // Nos níveis de departamento, a linha nova é do departamento do nível: a pesquisa do
    // departamento vem preposta com ele (a escolha continua a do nível).
    if (const Campo *depto = FiltroDeDepartamentoAtivo() ? campoDoDepartamento(*this) : nullptr;
        depto && edicao != Edicao::Alteracao)
        if (auto *p = dynamic_cast<ControlePesquisa *>(CampoDoControle(depto->controle)))
            p->MostrarMae(FiltroTabelas, DepartamentoNivel(NivelAcesso));
    alternarCaixa();
}

void TFormTabela::focarPrimeiroCampo()
{
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (const ControleCampo *campo = m_camposPorControle.value(c.controle))
            if (QWidget *foco = campo->FocoDaEdicao()) {
                foco->setFocus(Qt::OtherFocusReason);
                return;
            }
}

void TFormTabela::BitBtnIncluirClick()
{
    ComecarEdicao(Edicao::Inclusao);
}

bool TFormTabela::PodeModificarReservada(const QStringList &controles)
{
    for (const QString &c : controles)
        if (Texto(c) == u"[vazio]"_s && !NivelModificaReservadas(NivelAcesso)) {
            Mensagens::Informar(
                u"Você não possui permissão para modificar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

bool TFormTabela::PodeExcluirReservada(const QStringList &controles)
{
    for (const QString &c : controles)
        if (Texto(c) == u"[vazio]"_s) {
            Mensagens::Informar(
                u"Você não possui permissão para apagar essa ficha. Operação interrompida."_s);
            return false;
        }
    return true;
}

bool TFormTabela::PodeModificarFicha()
{
    return PodeModificarReservada(m_descricao.controlesReservados);
}

bool TFormTabela::PodeExcluirFicha()
{
    if (m_descricao.apagaReservada)
        return true;
    return PodeExcluirReservada(m_descricao.controlesReservados);
}

void TFormTabela::BitBtnModificarClick()
{
    // Sem linha atual não há o que modificar (o comando ficaria sem o Id).
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(TabelaVazia);
        return;
    }
    if (!PodeModificarFicha())
        return;
    ComecarEdicao(Edicao::Alteracao);
}

bool TFormTabela::PermitirGravacao()
{
    if (!CatalogoJanelas::NivelSoLeitura(NivelAcesso, NumeroTabela))
        return true;
    Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
        + u"] não possui permissão para Incluir/Alterar registro."_s);
    return false;
}

bool TFormTabela::ConferirCampos()
{
    // Uma lista-filha sem a linha-mãe (a mãe entregou um Id vazio) não grava: a recusa do
    // campo do pai, antes das outras.
    if (const Campo *pai = campoPai(); pai && Texto(pai->controle).isEmpty()) {
        Mensagens::Informar(pai->obrigatorio);
        return false;
    }
    // Nos níveis de departamento, a linha sem o departamento não seria do nível (o servidor
    // a recusaria; no SQLite, ela sumiria da lista): a recusa nomeia o campo.
    if (const Campo *depto = FiltroDeDepartamentoAtivo() ? campoDoDepartamento(*this) : nullptr;
        depto && Texto(depto->controle).isEmpty()) {
        Mensagens::Informar(recusaDeCampoVazio(m_descricao, *depto));
        return false;
    }
    for (const Campo &c : std::as_const(m_descricao.campos))
        if (!c.obrigatorio.isEmpty() && Texto(c.controle).isEmpty()) {
            Mensagens::Informar(c.obrigatorio);
            return false;
        }
    // Depois dos obrigatórios, o que cada espécie recusa no valor digitado.
    for (const auto &c : m_campos)
        if (const QString recusa = c->Conferir(); !recusa.isEmpty()) {
            Mensagens::Informar(recusa);
            return false;
        }
    return true;
}

TabelaLinhas TFormTabela::LinhasGravacao(bool inclusao) const
{
    return inclusao ? m_descricao.LinhasInclusao() : m_descricao.LinhasAlteracao();
}

bool TFormTabela::Condicao(const QString &nome) const
{
    // Uma caixa das que dividem o lugar vale quando o campo que decide a escolhe (a que
    // está à vista enquanto se edita).
    const CaixasNoMesmoLugar &cx = m_descricao.caixas;
    return !cx.campo.isEmpty() && m_descricao.CaixasAlternadas().contains(nome)
        && cx.escolher(Texto(cx.campo)) == nome;
}

bool TFormTabela::GravarSeguintes(bool inclusao)
{
    return m_gravacao->GravarTextosLongos(inclusao);
}

void TFormTabela::FimDaEdicao()
{
    DBGridPesquisa->setEnabled(true);
    LabelAviso->hide();
}

void TFormTabela::Concluir()
{
    Modo = ModoTabela::Consultando;
    ConsultarTabela();
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

void TFormTabela::BitBtnAceitarClick()
{
    if (!Editando())
        return;
    if (!PermitirGravacao()) {
        Operacao = OperacaoTabela::Nenhuma;
        // Uma edição começada noutro nível (antes de uma reconexão) não se perde com a
        // recusa deste: fica na tela para outro nível gravar, ou para Cancelar.
        if (NivelAcesso != m_nivelDaEdicao)
            return;
        Concluir();
        return;
    }
    if (!ConferirCampos() || !m_gravacao->ConferirGravaveis())
        return; // continua editando, com a lista ainda bloqueada
    if (!Servidor::Database().Connected()) {
        // A reconexão oferecida aqui mesmo: numa janela modal o menu Arquivo não é alcançável.
        if (!Mensagens::Confirmar(u"A conexão com o servidor foi encerrada: nada foi gravado.\n\r"
                                  "Conecte-se novamente e pressione Aceitar, ou pressione "
                                  "Cancelar.\n\r\n\rConectar de novo?"_s)
            || !Conexao::Reconectar())
            return;
    }
    if (!m_gravacao->Gravar(Modo == ModoTabela::Incluindo)) {
        // O que foi digitado fica na tela para ser corrigido ou cancelado.
        if (Servidor::Database().Connected())
            ConsultarTabela();
        return;
    }
    Concluir();
}

void TFormTabela::BitBtnCancelarClick()
{
    Modo = ModoTabela::Consultando;
    HabilitarCampos(false);
    FimDaEdicao();
    MostrarRegistro();
}

void TFormTabela::BitBtnExcluirClick()
{
    Operacao = OperacaoTabela::Nenhuma;
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(TabelaVazia);
        return;
    }
    if (!PodeExcluirFicha())
        return;
    if (!NivelPodeExcluir(NivelAcesso)) {
        Mensagens::Informar(u"Usuário ["_s + NomeNivel(NivelAcesso)
            + u"] não possui permissão para excluir registro."_s);
        return;
    }
    Operacao = Mensagens::Confirmar(u"Tem certeza que deseja apagar o registro selecionado?"_s)
        ? OperacaoTabela::ExclusaoConfirmada
        : OperacaoTabela::Nenhuma;
    if (Operacao != OperacaoTabela::ExclusaoConfirmada)
        return;
    m_gravacao->Excluir();
    ConsultarTabela();
    MostrarRegistro();
}

void TFormTabela::BitBtnEscolherClick()
{
    LabelEscolha->setText(EditId->text());
    FormClose();
}

void TFormTabela::BitBtnAtualizarClick()
{
    Operacao = OperacaoTabela::AtualizacaoPedida;
    if (m_descricao.atualizarMostra) {
        ExibirJanela();
        return;
    }
    // A lista lida de novo, na linha que estava mostrada (se outro usuário a apagou, na
    // primeira).
    const QString id = EditId->text();
    ConsultarTabela();
    int colunaId = -1;
    for (int c = 0; Query->Active() && c < Query->ColumnCount(); ++c)
        if (Query->NomesCampos().at(c).compare(u"Id"_s, Qt::CaseInsensitive) == 0)
            colunaId = c;
    for (int linha = 0; colunaId >= 0 && !id.isEmpty() && linha < Query->RecordCount(); ++linha)
        if (Query->Texto(linha, colunaId) == id) {
            Query->MoverPara(linha);
            break;
        }
    MostrarRegistro();
}

// ---- Pesquisas e janelas modais -----------------------------------------------------

void TFormTabela::AoEditar(const QString &controle, std::function<void()> acao)
{
    QWidget *w = Controle(controle);
    if (auto *lista = qobject_cast<QComboBox *>(w)) {
        connect(lista, &QComboBox::activated, this, acao);
        w = lista->lineEdit();
    }
    if (auto *caixa = qobject_cast<QLineEdit *>(w))
        connect(caixa, &QLineEdit::textEdited, this, std::move(acao));
}

void TFormTabela::ExecutarPesquisa(const QString &controleId)
{
    if (auto *pesquisa = dynamic_cast<ControlePesquisa *>(CampoDoControle(controleId)))
        pesquisa->Executar();
}

QString TFormTabela::EscolherEm(int numero)
{
    TFormTabela *c = Registro::Janela(numero);
    if (!c)
        return {};
    if (c->emExecucaoModal()) {
        // Está aberta por baixo desta (mãe de uma janela modal): não pode servir agora.
        Mensagens::Informar(u"A janela \"Tabela "_s + TituloTabela(numero)
            + u"\" já está aberta. Feche-a antes de escolher um registro nela."_s);
        return {};
    }
    if (c->isVisible() && !c->FormClose())
        return {};
    c->Modo = ModoTabela::Escolhendo;
    c->LabelEscolha->clear();
    ++c->m_execucoes;
    c->exec();
    --c->m_execucoes;
    c->Modo = ModoTabela::Consultando;
    return c->LabelEscolha->text();
}

void TFormTabela::DefinirPai(const QString &id, const QString &nome)
{
    IdPai = id;
    NomePai = nome;
}

bool TFormTabela::LinhaEscolhida() const
{
    return !EditId->text().isEmpty();
}

bool TFormTabela::AbrirFilha(const BotaoFilha &botao)
{
    if (Modo != ModoTabela::Consultando) {
        Mensagens::Informar(botao.recusaModo);
        return false;
    }
    const bool comMae = !botao.recusaSemLinha.isEmpty();
    if (comMae && (!LinhaEscolhida() || (botao.exigeNome && Texto(botao.controleNome).isEmpty()))) {
        Mensagens::Informar(botao.recusaSemLinha);
        return false;
    }
    TFormTabela *filha = Registro::Janela(botao.numero);
    if (!filha)
        return false;
    if (comMae) {
        filha->DefinirPai(EditId->text(), Texto(botao.controleNome));
        filha->ReceberMae(*this, botao);
    }
    return filha->MostrarModal();
}

void TFormTabela::MostrarSemEsperar()
{
    if (!isVisible()) {
        Modo = ModoTabela::Consultando;
        show(); // aparece na frente (showEvent)
        return;
    }
    trazerParaFrente();
}

bool TFormTabela::MostrarModal()
{
    if (emExecucaoModal())
        return false;
    if (isVisible() && !FormClose())
        return false;
    Modo = ModoTabela::Consultando;
    ++m_execucoes;
    exec();
    --m_execucoes;
    return true;
}

void TFormTabela::aoDesconectar()
{
    // Quem só consulta ou escolhe é fechado; quem está editando fica com o que digitou.
    if (isVisible() && !Editando())
        FormClose();
}

// ---- Eventos -----------------------------------------------------------------------

void TFormTabela::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (!m_centralizada) {
        // Abre no centro da tela na primeira vez; depois fica onde o usuário a deixou.
        m_centralizada = true;
        if (QScreen *tela = screen())
            move(tela->availableGeometry().center() - rect().center());
    }
    trazerParaFrente();
    // Aberta como escolha, a listagem pode servir de novo (reusarListagem); do menu, ou
    // com "&Atualizar", é lida sempre.
    m_abrindoEscolha = Modo == ModoTabela::Escolhendo;
    ExibirJanela();
    m_abrindoEscolha = false;
}

void TFormTabela::trazerParaFrente()
{
    // Na frente das outras (também sem gerenciador de janelas que a levante); a
    // plataforma sem tela dos testes não empilha janelas.
    if (QGuiApplication::platformName() != u"offscreen"_s) {
        raise();
        activateWindow();
    }
}

void TFormTabela::closeEvent(QCloseEvent *e)
{
    e->ignore();
    FormClose();
}

void TFormTabela::reject()
{
    FormClose();
}

void TFormTabela::keyPressEvent(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BitBtnAceitar->isVisible() && BitBtnAceitar->isEnabled())
            BitBtnAceitar->click();
        return;
    case Qt::Key_Escape:
        if (BitBtnCancelar->isVisible() && BitBtnCancelar->isEnabled())
            BitBtnCancelar->click();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

#include "TabelaHistorico.h"

#include "CatalogoJanelas.h"
#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Mensagens.h"
#include "ModeloConsulta.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
const QDate SemLimite(2000, 1, 1); // data mínima dos seletores: o período não tem esse limite

DescricaoJanela descricao()
{
    const auto fixo = [](const QString &coluna, const QString &rotulo) {
        return CampoEdit(coluna, rotulo, 0).Regra(RegraCampo::Fixo);
    };
    DescricaoJanela d;
    d.numero = TFormTabelaHistorico::Numero;
    d.campos = {
        fixo(u"Momento"_s, u"Momento"_s),
        fixo(u"Usuario"_s, u"Usuário"_s).AoLado(),
        fixo(u"Tabela"_s, u"Tabela"_s),
        fixo(u"Registro"_s, u"Registro"_s).AoLado(),
        fixo(u"Operacao"_s, u"Operação"_s),
    };
    d.controlesProprios = { u"GroupBoxFiltro"_s, u"ComboBoxFiltroTabela"_s, u"EditFiltroRegistro"_s,
        u"ComboBoxFiltroUsuario"_s, u"DateEditFiltroDe"_s, u"DateEditFiltroAte"_s,
        u"GridAlteracao"_s, u"BitBtnDesfazer"_s };
    return d;
}

// Tabelas donas com histórico (as de texto longo vão junto com o dono), pelo título da
// janela que as edita.
QList<QPair<QString, QStringList>> tabelasDoFiltro()
{
    QList<QPair<QString, QStringList>> t;
    for (const Esquema::Tabela &x : Esquema::Tabelas()) {
        if (!x.ComHistorico() || x.registroHistorico != u"Id"_s)
            continue;
        QStringList nomes = { x.nome };
        for (const Esquema::Tabela *texto : Esquema::TextosLongosDe(x.nome))
            nomes << texto->nome;
        const int janela = CatalogoJanelas::EscolhedoraDaTabela(x.nome);
        t << qMakePair(janela ? TituloTabela(janela) : x.nome, nomes);
    }
    std::sort(t.begin(), t.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    return t;
}

// Valor curto para as mensagens (o valor inteiro fica na grade da janela).
QString curto(const QString &v)
{
    return u'"' + (v.size() > 80 ? v.left(80) + u"..."_s : v) + u'"';
}

QLabel *rotuloDe(const QString &texto, QWidget *controle, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(u"Label"_s + controle->objectName());
    l->setBuddy(controle);
    controle->setAccessibleName(QString(texto).remove(u'&').remove(u':'));
    return l;
}
} // namespace

TFormTabelaHistorico::TFormTabelaHistorico(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
}

bool TFormTabelaHistorico::TemHistorico(int numero)
{
    const Esquema::Tabela *t = Esquema::TabelaPorNome(NomeTabela(numero));
    return numero != Numero && t && t->ComHistorico() && t->registroHistorico == u"Id"_s;
}

void TFormTabelaHistorico::MostrarDe(int numero, const QString &id, bool modal)
{
    auto *h = qobject_cast<TFormTabelaHistorico *>(Registro::Janela(Numero));
    if (!h)
        return;
    h->m_pedido = std::make_pair(NomeTabela(numero), id);
    if (modal) {
        h->MostrarModal();
        return;
    }
    if (h->isVisible())
        h->ExibirJanela(); // o filtro pedido
    h->MostrarSemEsperar();
}

void TFormTabelaHistorico::MontarControles()
{
    // Filtros, acima da listagem e do registro.
    auto *grupo = new QGroupBox(u" Filtro "_s, this);
    RegistrarControle(grupo, u"GroupBoxFiltro"_s);
    auto *linha = new QHBoxLayout(grupo);
    m_tabela = new QComboBox(grupo);
    RegistrarControle(m_tabela, u"ComboBoxFiltroTabela"_s);
    m_registro = new QLineEdit(grupo);
    RegistrarControle(m_registro, u"EditFiltroRegistro"_s);
    m_registro->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,9}"_s), m_registro));
    m_registro->setMaximumWidth(90);
    m_usuario = new QComboBox(grupo);
    RegistrarControle(m_usuario, u"ComboBoxFiltroUsuario"_s);
    m_de = new QDateEdit(grupo);
    RegistrarControle(m_de, u"DateEditFiltroDe"_s);
    m_ate = new QDateEdit(grupo);
    RegistrarControle(m_ate, u"DateEditFiltroAte"_s);
    for (QDateEdit *d : { m_de, m_ate }) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(u"dd/MM/yyyy"_s);
        d->setMinimumDate(SemLimite);
        d->setSpecialValueText(u" "_s); // a data mínima: sem limite
        d->setDate(SemLimite);
    }
    linha->addWidget(rotuloDe(u"Filtrar por &tabela:"_s, m_tabela, grupo));
    linha->addWidget(m_tabela, 1);
    linha->addWidget(rotuloDe(u"&Registro:"_s, m_registro, grupo));
    linha->addWidget(m_registro);
    linha->addWidget(rotuloDe(u"&Login:"_s, m_usuario, grupo));
    linha->addWidget(m_usuario, 1);
    linha->addWidget(rotuloDe(u"&Período de:"_s, m_de, grupo));
    linha->addWidget(m_de);
    linha->addWidget(rotuloDe(u"at&é:"_s, m_ate, grupo));
    linha->addWidget(m_ate);
    if (auto *principal = qobject_cast<QBoxLayout *>(layout()))
        principal->insertWidget(0, grupo);
    connect(m_tabela, &QComboBox::currentIndexChanged, this, [this] { filtrar(); });
    connect(m_usuario, &QComboBox::currentIndexChanged, this, [this] { filtrar(); });
    connect(m_de, &QDateEdit::dateChanged, this, [this] { filtrar(); });
    connect(m_ate, &QDateEdit::dateChanged, this, [this] { filtrar(); });
    connect(m_registro, &QLineEdit::editingFinished, this, [this] {
        if (m_registro->isModified())
            filtrar();
        m_registro->setModified(false);
    });

    // Os campos mudados da alteração escolhida, com os valores inteiros.
    m_campos = new QTableWidget(0, 3, GroupBox1);
    RegistrarControle(m_campos, u"GridAlteracao"_s);
    m_campos->setHorizontalHeaderLabels({ u"Campo"_s, u"Antes"_s, u"Depois"_s });
    m_campos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_campos->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_campos->setWordWrap(true);
    m_campos->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_campos->verticalHeader()->hide();
    m_campos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_campos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_campos->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_campos->setMinimumSize(520, 240);
    QGridLayout *grade = GradeCampos();
    const int fim = grade->rowCount();
    grade->addWidget(rotuloDe(u"Camp&os alterados:"_s, m_campos, GroupBox1), fim, 0, 1, 4);
    grade->addWidget(m_campos, fim + 1, 0, 1, 4);
    grade->setRowStretch(fim + 1, 1);

    QPushButton *desfazer = NovoBotao(u"BitBtnDesfazer"_s, u"&Desfazer esta alteração"_s,
        LinhaBotoes(), 0, [this] { BitBtnDesfazerClick(); });
    // Só com uma alteração mostrada há o que desfazer.
    desfazer->setEnabled(false);
    connect(EditId, &QLineEdit::textChanged, desfazer,
        [desfazer](const QString &id) { desfazer->setEnabled(!id.isEmpty()); });
    resize(1000, 640);

    // A grade pede a página seguinte quando chega ao fim.
    if (auto *modelo = qobject_cast<ModeloConsulta *>(DBGridPesquisa->model()))
        modelo->DefinirPaginas([this] { return m_haMais; }, [this] { LerMais(); });
}

void TFormTabelaHistorico::preencherFiltros()
{
    m_preenchendo = true;
    if (m_tabela->count() == 0) {
        m_tabela->addItem(u"(todas)"_s, QStringList());
        for (const auto &[titulo, nomes] : tabelasDoFiltro())
            m_tabela->addItem(titulo, nomes);
    }
    // Os logins que já gravaram, lidos de novo a cada exibição.
    m_usuario->clear();
    m_usuario->addItem(u"(todos)"_s);
    try {
        m_usuario->addItems(Historico::Usuarios(Servidor::Query()));
        RegistrarEvento(NumeroTabela, u"consultado"_s, u"logins do histórico"_s);
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
    }
    // Aberta por uma janela de tabela: a tabela e a linha dela; pelo menu: tudo.
    const auto [tabela, id] = m_pedido.value_or(std::pair<QString, QString>());
    m_pedido.reset();
    int indice = 0;
    for (int i = 1; i < m_tabela->count() && !tabela.isEmpty(); ++i)
        if (m_tabela->itemData(i).toStringList().contains(tabela))
            indice = i;
    m_tabela->setCurrentIndex(indice);
    m_registro->setText(id);
    m_de->setDate(SemLimite);
    m_ate->setDate(SemLimite);
    m_preenchendo = false;
}

void TFormTabelaHistorico::ExibirJanela()
{
    FormShow(); // Incluir, Modificar e Excluir ficam desabilitados: a janela não grava
    // Os botões que aqui não fazem nada nem aparecem: os de edição e o da escolha.
    MostrarBotoes(false);
    BitBtnEscolher->setVisible(Modo == ModoTabela::Escolhendo);
    preencherFiltros();
    ConsultarTabela();
    MostrarRegistro();
}

Historico::Filtro TFormTabelaHistorico::Filtro() const
{
    Historico::Filtro f;
    if (!m_tabela)
        return f;
    f.tabelas = m_tabela->currentData().toStringList();
    f.registro = m_registro->text().trimmed();
    if (m_usuario->currentIndex() > 0)
        f.usuario = m_usuario->currentText();
    if (m_de->date() > SemLimite)
        f.de = m_de->date();
    if (m_ate->date() > SemLimite)
        f.ate = m_ate->date();
    return f;
}

QStringList TFormTabelaHistorico::SentencaConsulta() const
{
    return Historico::SentencaLista(Filtro());
}

void TFormTabelaHistorico::ConsultarTabela()
{
    TFormTabela::ConsultarTabela();
    m_haMais = Query->Active() && Query->RecordCount() == Historico::TamanhoPagina;
    mostrarTotal();
}

bool TFormTabelaHistorico::LerMais()
{
    if (!m_haMais || !Query->Active() || Query->RecordCount() == 0)
        return false;
    // A página seguinte começa depois do Id mais velho já lido (a listagem vem do mais
    // novo para o mais velho).
    const QString ultimo = Query->Texto(Query->RecordCount() - 1, 0);
    int lidas = 0;
    m_haMais = ExecutarComando(
                   *Query, NumeroTabela, Passo::Pagina,
                   [&] { return Historico::SentencaLista(Filtro(), ultimo); }, &lidas)
        && lidas == Historico::TamanhoPagina;
    mostrarTotal();
    return lidas > 0;
}

void TFormTabelaHistorico::mostrarTotal()
{
    // As linhas lidas até agora; "+" quando há mais para ler.
    const int lidas = Query->Active() ? Query->RecordCount() : 0;
    GroupBox2->setTitle(
        u" Listagem ("_s + QString::number(lidas) + (m_haMais ? u"+"_s : QString()) + u") "_s);
}

void TFormTabelaHistorico::filtrar()
{
    if (m_preenchendo || !isVisible())
        return;
    ConsultarTabela();
    MostrarRegistro();
}

void TFormTabelaHistorico::MostrarRegistro()
{
    m_campos->setRowCount(0);
    const Historico::Filtro f = Filtro();
    const bool filtrado = !f.tabelas.isEmpty() || !f.registro.isEmpty() || f.usuario
        || f.de.isValid() || f.ate.isValid();
    // Um filtro sem alterações não é uma tabela vazia: a legenda já mostra o zero.
    if (filtrado && (!Query->Active() || Query->Eof())) {
        ApagarCampos();
        return;
    }
    TFormTabela::MostrarRegistro();
    if (EditId->text().isEmpty())
        return;
    try {
        const Historico::Alteracao a = Historico::Ler(Servidor::Query(), EditId->text());
        RegistrarEvento(NumeroTabela, u"consultado"_s);
        mostrarAlteracao(a);
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
    }
}

QString TFormTabelaHistorico::rotulo(const QString &tabela, const QString &coluna) const
{
    const Esquema::Tabela *t = Esquema::TabelaPorNome(tabela);
    QString r;
    if (t && t->registroHistorico == u"Id"_s) {
        if (TFormTabela *j = Registro::Janela(CatalogoJanelas::EscolhedoraDaTabela(t->nome)))
            if (const Campo *c = j->Descricao().CampoDaColuna(coluna))
                r = c->rotulo;
    } else if (t && coluna == u"Texto"_s) {
        // O texto longo: o rótulo do memo que o mostra na janela do dono.
        const QString dono = t->coluna(t->registroHistorico)->referencia;
        if (TFormTabela *j = Registro::Janela(CatalogoJanelas::EscolhedoraDaTabela(dono)))
            for (const Campo &c : j->Descricao().campos)
                if (c.TextoLongo() && NomeTabela(c.tabelaTexto) == tabela)
                    r = c.rotulo;
    }
    r.remove(u'&');
    if (r.endsWith(u':'))
        r.chop(1);
    return r.isEmpty() ? coluna : r;
}

QString TFormTabelaHistorico::valor(const Esquema::Coluna *c, const QJsonValue &v)
{
    QString texto = Historico::Texto(c, v);
    // Uma referência mostra também o nome da linha referida.
    if (c && c->tipo == Esquema::Tipo::IdDe && !texto.isEmpty())
        if (TFormTabela *j = Registro::Janela(CatalogoJanelas::EscolhedoraDaTabela(c->referencia)))
            if (const QString nome = j->NomePorId(texto); !nome.isEmpty())
                texto += u" ("_s + nome + u')';
    return texto;
}

void TFormTabelaHistorico::mostrarAlteracao(const Historico::Alteracao &a)
{
    const Esquema::Tabela *t = a.Tabela();
    const QStringList colunas = a.ColunasMudadas();
    m_campos->setRowCount(int(colunas.size()));
    for (int i = 0; i < colunas.size(); ++i) {
        const QString &coluna = colunas.at(i);
        const Esquema::Coluna *c = t ? t->coluna(coluna) : nullptr;
        const QString lados[3]
            = { rotulo(a.tabela, coluna), a.antes ? valor(c, a.antes->value(coluna)) : QString(),
                  a.depois ? valor(c, a.depois->value(coluna)) : QString() };
        for (int k = 0; k < 3; ++k)
            m_campos->setItem(i, k, new QTableWidgetItem(lados[k]));
    }
    m_campos->resizeRowsToContents();
}

QString TFormTabelaHistorico::descreverLinha(const Historico::Alteracao &a)
{
    const Esquema::Tabela *t = a.Tabela();
    if (!t)
        return a.tabela + u" (Id "_s + a.registro + u')';
    if (t->registroHistorico != u"Id"_s) {
        // Texto longo: o dono, pelo nome, e o campo.
        const QString dono = t->coluna(t->registroHistorico)->referencia;
        const int janela = CatalogoJanelas::EscolhedoraDaTabela(dono);
        TFormTabela *j = Registro::Janela(janela);
        const QString nome = j ? j->NomePorId(a.registro) : QString();
        return TituloTabela(janela) + (nome.isEmpty() ? QString() : u" \""_s + nome + u'"')
            + u" (Id "_s + a.registro + u"), "_s + rotulo(a.tabela, u"Texto"_s);
    }
    const int janela = CatalogoJanelas::EscolhedoraDaTabela(t->nome);
    QString nome;
    if (const CatalogoJanelas::Janela *c = CatalogoJanelas::JanelaDe(janela);
        c && !c->colunaExibicao.isEmpty()) {
        const QJsonObject lado = a.depois && a.depois->contains(c->colunaExibicao)
            ? *a.depois
            : a.antes.value_or(QJsonObject());
        nome = lado.contains(c->colunaExibicao) ? lado.value(c->colunaExibicao).toString()
                                                : Registro::Janela(janela)->NomePorId(a.registro);
    }
    return (janela ? TituloTabela(janela) : t->nome)
        + (nome.isEmpty() ? QString() : u" \""_s + nome + u'"') + u" (Id "_s + a.registro + u')';
}

void TFormTabelaHistorico::BitBtnDesfazerClick()
{
    if (EditId->text().isEmpty()) {
        Mensagens::Informar(u"Escolha uma alteração para desfazer."_s);
        return;
    }
    Historico::Alteracao a;
    Historico::Plano plano;
    try {
        a = Historico::Ler(Servidor::Query(), EditId->text());
        plano = Historico::Planejar(Servidor::Query(), a);
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
        return;
    }
    const QString linha = descreverLinha(a);
    const auto recusar = [&](const Historico::Plano &p) {
        QString texto = u"Esta alteração não pode ser desfeita: "_s + linha;
        if (p.linhaAusente) {
            Mensagens::Informar(texto + u" não existe mais."_s);
            return;
        }
        texto += p.linhaPresente ? u" voltou a existir depois dela."_s : u" mudou depois dela."_s;
        texto += u"\n\r"_s;
        for (const Historico::Diferenca &d : p.diferencas)
            texto += u"\n\r"_s + rotulo(d.tabela, d.coluna) + u": "_s + curto(d.esperado)
                + (p.linhaPresente ? u" na linha apagada, "_s : u" depois da alteração, "_s)
                + curto(d.atual) + u" agora"_s;
        Mensagens::Informar(texto);
    };
    if (plano.Recusado()) {
        recusar(plano);
        return;
    }

    // A pergunta nomeia a linha e os campos que voltam.
    QStringList campos;
    const QJsonObject lado = a.antes.value_or(a.depois.value_or(QJsonObject()));
    for (const QString &c : a.ColunasMudadas()) {
        const Esquema::Coluna *col = a.Tabela()->coluna(c);
        if (a.operacao == u'U'
            || (col->tipo != Esquema::Tipo::Id && !Historico::Texto(col, lado.value(c)).isEmpty()))
            campos << rotulo(a.tabela, c);
    }
    QStringList textos;
    for (const QString &t : plano.textosLongos)
        textos << rotulo(t, u"Texto"_s);
    QString oQue;
    if (a.operacao == u'U')
        oQue = u"Voltam ao que eram antes de "_s + a.momento + u": "_s + campos.join(u", "_s);
    else if (a.operacao == u'I')
        oQue = u"A linha incluída em "_s + a.momento + u" será apagada"_s;
    else
        oQue = u"A linha apagada em "_s + a.momento + u" será incluída de novo, com "_s
            + campos.join(u", "_s);
    if (!textos.isEmpty())
        oQue += (a.operacao == u'I' ? u", com os textos longos "_s : u" e os textos longos "_s)
            + textos.join(u", "_s);
    if (!Mensagens::Confirmar(
            u"Desfazer esta alteração?\n\r\n\r"_s + linha + u"\n\r"_s + oQue + u'.'))
        return;

    RegistrarEvento(NumeroTabela, u"desfazendo..."_s, linha);
    try {
        const Historico::Plano feito = Historico::Desfazer(*Query, a);
        if (feito.Recusado()) { // a linha mudou entre a pergunta e a gravação
            recusar(feito);
        } else {
            RegistrarEvento(NumeroTabela, u"desfeito"_s, linha);
            // A janela da tabela, se está aberta só consultando, mostra a linha de volta.
            TFormTabela *j = Registro::Janela(CatalogoJanelas::EscolhedoraDaTabela(a.tabela));
            if (j && j != this && j->isVisible() && j->Modo == ModoTabela::Consultando) {
                j->ConsultarTabela();
                j->MostrarRegistro();
            }
        }
    } catch (const ErroBanco &e) {
        RegistrarErro(NumeroTabela, e.Mensagem());
    }
    ConsultarTabela();
    MostrarRegistro();
}

REGISTRAR_JANELA(TFormTabelaHistorico::Numero, TFormTabelaHistorico)

// As janelas de tabela mostram o histórico das suas linhas por aqui.
namespace {
[[maybe_unused]] const bool historicoRegistrado = Registro::DefinirHistorico(
    { &TFormTabelaHistorico::TemHistorico, &TFormTabelaHistorico::MostrarDe });
}

#include "ControleCampo.h"

#include "Banco.h"
#include "CatalogoTabelas.h"
#include "Esquema.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"
#include "Tabela.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

QString Campo::ControleCapacidade() const
{
    // "MemoDescricao" -> "LabelCapacidadeDescricao"
    return u"LabelCapacidade"_s + (controle.startsWith(u"Memo"_s) ? controle.mid(4) : controle);
}

Campo &Campo::SoNosNiveis(const QList<int> &niveis, const QString &recusa)
{
    nivel = [niveis, recusa](
                TFormTabela &) { return niveis.contains(NivelAcesso) ? QString() : recusa; };
    return *this;
}

ControleCampo::ControleCampo(const Campo &campo)
    : m_campo(campo)
{
}

ControleCampo::~ControleCampo() = default;

QWidget *ControleCampo::Montar(QWidget *pai, TFormTabela &janela)
{
    m_janela = &janela;
    m_widget = Criar(pai);
    Registrar(m_widget, m_campo.controle);
    // O leitor de tela lê o rótulo do campo (também nos memos e listas); um campo sem
    // rótulo numa aba é lido pelo título da aba.
    const QString nome = m_campo.rotulo.isEmpty() ? m_campo.lugar.tituloPagina : m_campo.rotulo;
    if (!nome.isEmpty())
        Visivel()->setAccessibleName(QString(nome).remove(u'&'));
    if (!m_campo.dica.isEmpty()) {
        // A dica vem antes do que a espécie já disse (a escolha pelo teclado).
        const QString ja = Visivel()->toolTip();
        Visivel()->setToolTip(ja.isEmpty() ? m_campo.dica : m_campo.dica + u'\n' + ja);
    }
    return Visivel();
}

QWidget *ControleCampo::FocoDaEdicao() const
{
    QWidget *w = Visivel();
    if (!w || !w->isVisibleTo(w->window()) || !w->isEnabled())
        return nullptr;
    // Um campo composto (a data com as listas da hora) recebe o foco no primeiro controle.
    if (!(w->focusPolicy() & Qt::TabFocus)) {
        const QList<QWidget *> filhos = w->findChildren<QWidget *>();
        const auto alcancavel
            = [](const QWidget *f) { return f->isEnabled() && (f->focusPolicy() & Qt::TabFocus); };
        const auto it = std::find_if(filhos.cbegin(), filhos.cend(), alcancavel);
        w = it == filhos.cend() ? nullptr : *it;
    }
    if (const auto *caixa = qobject_cast<const QLineEdit *>(w); caixa && caixa->isReadOnly())
        return nullptr;
    if (const auto *texto = qobject_cast<const QAbstractScrollArea *>(w);
        texto && texto->property("readOnly").toBool())
        return nullptr;
    return w;
}

QWidget *ControleCampo::MontarRotulo(QWidget *, QLabel *rotulo)
{
    return rotulo;
}

QString CortarAoLimite(
    const QString &anterior, const QString &novo, int cursor, int limite, int *posicao)
{
    // O maior começo de 'texto' que cabe em 'resta', cortado entre dois caracteres como o
    // usuário os vê (nunca no meio de um emoji ou de uma letra com acento à parte).
    const auto caber = [](const QString &texto, qsizetype resta) {
        QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
        qsizetype fim = 0, usado = 0;
        for (qsizetype p = limites.toNextBoundary(); p > 0; p = limites.toNextBoundary()) {
            usado += ComprimentoTexto(texto.mid(fim, p - fim)); // CR LF é um pedaço só
            if (usado > resta)
                break;
            fim = p;
        }
        return texto.left(fim);
    };
    const qsizetype inserido = novo.size() - anterior.size();
    const qsizetype inicio = cursor - inserido;
    if (inserido > 0 && inicio >= 0 && novo.left(inicio) == anterior.left(inicio)
        && novo.mid(cursor) == anterior.mid(inicio)) {
        const qsizetype resta = limite - ComprimentoTexto(anterior);
        if (resta <= 0)
            return {};
        const QString pedaco = caber(novo.mid(inicio, inserido), resta);
        if (pedaco.isEmpty())
            return {};
        if (posicao)
            *posicao = int(inicio + pedaco.size());
        return anterior.left(inicio) + pedaco + anterior.mid(inicio);
    }
    const QString t = caber(novo, limite);
    if (posicao)
        *posicao = int(t.size());
    return t;
}

void AvisarCorte(const QString &nomeCampo, int limite, QWidget *campo)
{
    const QString nota = u"O campo "_s + nomeCampo + u" aceita no máximo "_s
        + QString::number(limite) + u" caracteres: o que passou disso não entrou."_s;
    MostrarNota(nota);
    // Também na barra de baixo da janela onde se digitou (por um tempo), não só na
    // principal, que pode estar por baixo.
    if (auto *janela = campo ? qobject_cast<TFormTabela *>(campo->window()) : nullptr)
        if (auto *rotulo = janela->Controle<QLabel>(u"LabelNota"_s)) {
            rotulo->setText(nota);
            QTimer::singleShot(DuracaoNota, rotulo, [rotulo, nota] {
                if (rotulo->text() == nota)
                    rotulo->clear();
            });
        }
}

namespace {
class LimiteDigitacao : public QValidator {
public:
    LimiteDigitacao(QLineEdit *caixa, int limite, const QString &nomeCampo)
        : QValidator(caixa)
        , m_caixa(caixa)
        , m_limite(limite)
        , m_nome(nomeCampo)
        , m_anterior(caixa->text())
    {
        // O texto aceito por último (também o posto pelo programa) é o ponto de partida
        // do corte da próxima mudança.
        connect(caixa, &QLineEdit::textChanged, this, [this](const QString &t) { m_anterior = t; });
    }
    State validate(QString &texto, int &cursor) const override
    {
        // O texto posto pelo programa (setText zera o histórico de desfazer) entra inteiro.
        if (!m_caixa->isUndoAvailable())
            return Acceptable;
        const qsizetype tamanho = ComprimentoTexto(texto);
        if (tamanho <= m_limite || tamanho <= ComprimentoTexto(m_anterior))
            return Acceptable;
        int posicao = cursor;
        const QString cabe = CortarAoLimite(m_anterior, texto, cursor, m_limite, &posicao);
        AvisarCorte(m_nome, m_limite, m_caixa);
        if (cabe.isNull())
            return Invalid; // nada do que entrou cabe: a caixa fica como estava
        texto = cabe;
        cursor = posicao;
        return Acceptable;
    }

private:
    QLineEdit *m_caixa;
    int m_limite;
    QString m_nome;
    QString m_anterior;
};
} // namespace

void LimitarDigitacao(QLineEdit *caixa, int limite, const QString &nomeCampo)
{
    if (caixa->inputMask().isEmpty())
        caixa->setMaxLength(std::numeric_limits<int>::max());
    if (limite > 0)
        caixa->setValidator(new LimiteDigitacao(caixa, limite, nomeCampo));
}

QString ControleCampo::Nome() const
{
    return QString(m_campo.rotulo.isEmpty() ? m_campo.coluna : m_campo.rotulo).remove(u'&');
}

QString ControleCampo::Recusa() const
{
    if (m_campo.valor != TipoValor::Texto)
        return {};
    const QString texto = Texto();
    if (TemCaractereNaoGravavel(texto))
        return u"O campo "_s + Nome() + u" contém um caractere que não pode ser gravado."_s;
    // O que a coluna da linha guarda (um texto longo numa tabela de descrição não tem
    // limite).
    const Esquema::Tabela *tabela = m_janela && !m_campo.coluna.isEmpty()
        ? Esquema::TabelaPorNome(NomeTabela(m_janela->NumeroTabela))
        : nullptr;
    const Esquema::Coluna *coluna = tabela ? tabela->coluna(m_campo.coluna) : nullptr;
    if (!coluna || coluna->tipo != Esquema::Tipo::Texto || coluna->tamanho <= 0)
        return {};
    const qsizetype tamanho = ComprimentoTexto(texto);
    if (tamanho <= coluna->tamanho)
        return {};
    return u"O campo "_s + Nome() + u" tem "_s + QString::number(tamanho)
        + u" caracteres, mais do que os "_s + QString::number(coluna->tamanho)
        + u" que podem ser gravados. Nada foi gravado."_s;
}

void ControleCampo::Registrar(QWidget *controle, const QString &nome)
{
    m_janela->RegistrarControle(controle, nome);
}

void ControleCampo::Iniciar(const QDateTime &agora)
{
    switch (m_campo.aoIncluir) {
    case InicioCampo::Marcado:
        DefinirTexto(LogicoParaTexto(true));
        break;
    case InicioCampo::Agora:
        DefinirAgora(agora);
        break;
    case InicioCampo::Vazio:
        break;
    }
}

bool ControleCampo::Marcado() const
{
    return TextoParaLogico(Texto());
}

QDate ControleCampo::Data() const
{
    return {};
}

QString ControleCampo::Coluna(const TQuery &consulta) const
{
    if (m_campo.coluna.isEmpty() || !consulta.TemCampo(m_campo.coluna))
        return {};
    const QString valor = consulta.AsString(m_campo.coluna);
    return m_campo.semEspacosFinais ? RemoverEspacosFinais(valor) : valor;
}

void ControleCampo::Mostrar(const TQuery &consulta, const QString &)
{
    if (m_campo.coluna.isEmpty() || !consulta.TemCampo(m_campo.coluna))
        return;
    DefinirTexto(Coluna(consulta));
}

void ControleCampo::MostrarLinha(const TQuery &consulta, const QString &id)
{
    if (!m_campo.coluna.isEmpty() && consulta.TemCampo(m_campo.coluna))
        m_mostrado = consulta.AsString(m_campo.coluna);
    else
        m_mostrado.reset();
    Mostrar(consulta, id);
}

void ControleCampo::SomenteLeitura(bool sim)
{
    m_widget->setEnabled(!sim);
}

void ControleCampo::Habilitar(bool on)
{
    switch (m_campo.regra) {
    case RegraCampo::Escrita:
        SomenteLeitura(!on);
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::Habilitar:
        m_widget->setEnabled(on);
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::HabilitarAmarelo:
        m_widget->setEnabled(on);
        Pintar(m_widget, on ? CorPesquisa() : CorSomenteLeitura());
        break;
    case RegraCampo::SoCor:
        Pintar(m_widget, on ? CorEditavel() : CorSomenteLeitura());
        break;
    case RegraCampo::Fixo:
        SomenteLeitura(true);
        Pintar(m_widget, CorSomenteLeitura());
        break;
    case RegraCampo::Livre:
        break;
    }
}

QColor ControleCampo::CorEditavel()
{
    // O fundo das caixas da área de trabalho (branco no tema claro; escuro num tema escuro).
    return QApplication::palette().color(QPalette::Base);
}

QColor ControleCampo::CorSomenteLeitura()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor ControleCampo::CorPesquisa()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

double ControleCampo::Contraste(const QColor &a, const QColor &b)
{
    // Luminância relativa de cada cor e a razão entre elas (1:1 a 21:1).
    const auto luminancia = [](const QColor &c) {
        const auto canal = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void ControleCampo::Pintar(QWidget *controle, const QColor &cor)
{
    if (!controle)
        return;
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, cor);
    if (qobject_cast<QComboBox *>(controle))
        p.setColor(QPalette::Button, cor);
    // O texto legível sobre o fundo dado, também com o controle desabilitado (a consulta
    // só mostra: o texto não fica cinza sobre cinza): o do tema, ou preto ou branco
    // quando o do tema não se lê sobre essa cor.
    QColor texto = QApplication::palette().color(QPalette::Active, QPalette::Text);
    if (Contraste(texto, cor) < ContrasteMinimo)
        texto = Contraste(Qt::black, cor) >= Contraste(Qt::white, cor) ? QColor(Qt::black)
                                                                       : QColor(Qt::white);
    for (QPalette::ColorRole papel : { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
        p.setColor(papel, texto);
    controle->setPalette(p);
}

#include "SaidaRichEdit.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

SaidaRichEdit::SaidaRichEdit(QTextEdit *texto, QLabel *status, QWidget *janela)
    : m_texto(texto)
    , m_status(status)
    , m_janela(janela)
{
    // O registro só cresce e é esvaziado: nada a desfazer, e nenhuma pilha de desfazer
    // crescendo com as linhas.
    m_texto->setUndoRedoEnabled(false);
}

namespace {
const QRegularExpression &quebra()
{
    static const QRegularExpression q(QStringLiteral("\r\n|\n|\r"));
    return q;
}

// Linhas de texto de uma linha do registro: cada quebra (CR LF, LF ou CR) começa outra.
int linhasDe(const QString &texto)
{
    int n = 1;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n')
            ++i;
        if (c == u'\r' || c == u'\n')
            ++n;
    }
    return n;
}
} // namespace

int SaidaRichEdit::NumeroLinhas() const
{
    const QTextDocument *doc = m_texto->document();
    const int noDocumento = m_esvaziar || doc->isEmpty() ? 0 : doc->blockCount();
    return noDocumento + m_linhasPendentes;
}

void SaidaRichEdit::Limpar()
{
    if (!m_emBloco) {
        m_texto->clear();
        return;
    }
    m_pendentes.clear();
    m_linhasPendentes = 0;
    m_esvaziar = true;
}

void SaidaRichEdit::IniciarBloco()
{
    m_emBloco = true;
}

void SaidaRichEdit::TerminarBloco()
{
    if (!m_emBloco)
        return;
    despejar();
    m_emBloco = false;
}

void SaidaRichEdit::AcrescentarLinha(const QString &texto, const QColor &cor)
{
    m_pendentes.append({ texto, cor });
    m_linhasPendentes += linhasDe(texto);
    // Uma linha fora de um bloco é um bloco de uma linha.
    if (!m_emBloco)
        despejar();
}

void SaidaRichEdit::despejar()
{
    if (!m_esvaziar && m_pendentes.isEmpty())
        return;
    QTextDocument *doc = m_texto->document();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    if (m_esvaziar) {
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
    }
    cursor.movePosition(QTextCursor::End);
    // As linhas seguidas da mesma cor num texto só: cada quebra dentro dele é um bloco
    // novo do documento, com a cor do texto.
    bool vazio = doc->isEmpty();
    for (qsizetype i = 0; i < m_pendentes.size();) {
        const QColor cor = m_pendentes.at(i).cor;
        QString texto = m_pendentes.at(i).texto;
        for (++i; i < m_pendentes.size() && m_pendentes.at(i).cor == cor; ++i)
            texto += u'\n' + m_pendentes.at(i).texto;
        QTextCharFormat formato;
        formato.setForeground(cor);
        if (vazio)
            cursor.setBlockCharFormat(formato);
        else
            cursor.insertBlock(QTextBlockFormat(), formato);
        cursor.insertText(texto, formato);
        vazio = false;
    }
    cursor.endEditBlock();
    m_pendentes.clear();
    m_linhasPendentes = 0;
    m_esvaziar = false;
    // O fim do registro fica à vista.
    m_texto->setTextCursor(cursor);
    m_texto->ensureCursorVisible();
    m_texto->verticalScrollBar()->setValue(m_texto->verticalScrollBar()->maximum());
}

QList<Rtf::Linha> SaidaRichEdit::Linhas() const
{
    QList<Rtf::Linha> linhas;
    if (!m_esvaziar && !m_texto->document()->isEmpty())
        for (QTextBlock b = m_texto->document()->begin(); b.isValid(); b = b.next())
            linhas.append({ b.text(), b.charFormat().foreground().color() });
    for (const Rtf::Linha &l : m_pendentes)
        for (const QString &parte : l.texto.split(quebra()))
            linhas.append({ parte, l.cor });
    return linhas;
}

bool SaidaRichEdit::GravarRtf(const QString &caminho, QString *erro)
{
    return Rtf::Gravar(caminho, Linhas(), erro);
}

void SaidaRichEdit::DefinirStatus(const QString &texto)
{
    m_status->setText(texto);
}

void SaidaRichEdit::MostrarNota(const QString &texto)
{
    // Por cima do painel do estado da conexão, que volta sozinho.
    if (auto *barra = qobject_cast<QStatusBar *>(m_status->parentWidget()))
        barra->showMessage(texto, 10000);
}

void SaidaRichEdit::DefinirTitulo(const QString &titulo)
{
    m_janela->setWindowTitle(titulo);
}

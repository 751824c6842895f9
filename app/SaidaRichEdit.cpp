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

int SaidaRichEdit::NumeroLinhas() const
{
    const QTextDocument *doc = m_texto->document();
    return doc->isEmpty() ? 0 : doc->blockCount();
}

void SaidaRichEdit::Limpar()
{
    if (m_bloco.isNull()) {
        m_texto->clear();
        return;
    }
    // Dentro do bloco, na mesma edição.
    m_bloco.select(QTextCursor::Document);
    m_bloco.removeSelectedText();
}

void SaidaRichEdit::IniciarBloco()
{
    if (!m_bloco.isNull())
        return;
    m_bloco = QTextCursor(m_texto->document());
    m_bloco.movePosition(QTextCursor::End);
    m_bloco.beginEditBlock();
}

void SaidaRichEdit::TerminarBloco()
{
    if (m_bloco.isNull())
        return;
    QTextCursor cursor = m_bloco;
    m_bloco = QTextCursor();
    cursor.endEditBlock();
    // O fim do registro fica à vista.
    m_texto->setTextCursor(cursor);
    m_texto->ensureCursorVisible();
    m_texto->verticalScrollBar()->setValue(m_texto->verticalScrollBar()->maximum());
}

void SaidaRichEdit::AcrescentarLinha(const QString &texto, const QColor &cor)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\n|\r"));
    // Uma linha fora de um bloco é um bloco de uma linha.
    const bool avulsa = m_bloco.isNull();
    if (avulsa)
        IniciarBloco();
    QTextCharFormat formato;
    formato.setForeground(cor);
    bool primeira = m_texto->document()->isEmpty();
    for (const QString &parte : texto.split(quebra)) {
        if (!primeira)
            m_bloco.insertBlock(QTextBlockFormat(), formato);
        m_bloco.setBlockCharFormat(formato);
        m_bloco.insertText(parte, formato);
        primeira = false;
    }
    if (avulsa)
        TerminarBloco();
}

QList<Rtf::Linha> SaidaRichEdit::Linhas() const
{
    QList<Rtf::Linha> linhas;
    if (m_texto->document()->isEmpty())
        return linhas;
    for (QTextBlock b = m_texto->document()->begin(); b.isValid(); b = b.next())
        linhas.append({ b.text(), b.charFormat().foreground().color() });
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

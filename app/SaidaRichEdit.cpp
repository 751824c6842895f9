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
}

int SaidaRichEdit::NumeroLinhas() const
{
    const QTextDocument *doc = m_texto->document();
    return doc->isEmpty() ? 0 : doc->blockCount();
}

void SaidaRichEdit::Limpar()
{
    m_texto->clear();
}

void SaidaRichEdit::AcrescentarLinha(const QString &texto, const QColor &cor)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\n|\r"));
    QTextCharFormat formato;
    formato.setForeground(cor);
    QTextCursor cursor(m_texto->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    bool primeira = m_texto->document()->isEmpty();
    for (const QString &parte : texto.split(quebra)) {
        if (!primeira)
            cursor.insertBlock(QTextBlockFormat(), formato);
        cursor.setBlockCharFormat(formato);
        cursor.insertText(parte, formato);
        primeira = false;
    }
    cursor.endEditBlock();
    // O fim do registro fica à vista.
    m_texto->setTextCursor(cursor);
    m_texto->ensureCursorVisible();
    m_texto->verticalScrollBar()->setValue(m_texto->verticalScrollBar()->maximum());
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

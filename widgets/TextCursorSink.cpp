#include "widgets/TextCursorSink.h"

#include "reading/Composer.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>

namespace kestrune::widgets {

TextCursorSink::TextCursorSink(QTextEdit* edit) : m_edit(edit)
{
    if (edit)
        m_cursor = edit->textCursor();
}

TextCursorSink::TextCursorSink(QTextDocument* document)
{
    if (document) {
        m_cursor = QTextCursor(document);
        m_cursor.movePosition(QTextCursor::End);
    }
}

TextCursorSink::TextCursorSink(const QTextCursor& cursor) : m_cursor(cursor) {}

QTextCursor TextCursorSink::current() const
{
    // The box's insertion point may have been moved between calls.
    if (m_edit)
        return m_edit->textCursor();
    return m_cursor;
}

void TextCursorSink::store(const QTextCursor& cursor)
{
    m_cursor = cursor;
    if (m_edit)
        m_edit->setTextCursor(cursor);
}

QTextCursor TextCursorSink::cursor() const { return current(); }

void TextCursorSink::toEnd()
{
    QTextCursor c = current();
    if (c.isNull())
        return;
    c.movePosition(QTextCursor::End);
    store(c);
}

void TextCursorSink::boldOn() { m_bold = true; }
void TextCursorSink::boldOff() { m_bold = false; }
void TextCursorSink::underlineOn() { m_underline = true; }
void TextCursorSink::underlineOff() { m_underline = false; }

void TextCursorSink::align(Qt::Alignment alignment)
{
    QTextCursor c = current();
    if (c.isNull())
        return;
    QTextBlockFormat format = c.blockFormat();
    format.setAlignment(alignment);
    c.setBlockFormat(format);
    store(c);
}

void TextCursorSink::centre() { align(Qt::AlignHCenter); }
void TextCursorSink::left() { align(Qt::AlignLeft); }

void TextCursorSink::insert(const QString& text)
{
    QTextCursor c = current();
    if (c.isNull())
        return;
    // Keep the box's font and colour; only weight and underline are ours.
    QTextCharFormat format = c.charFormat();
    format.setFontWeight(m_bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(m_underline);
    const int start = c.position();
    c.insertText(text, format);
    markRules(c, start);
    store(c);
}

void TextCursorSink::markRules(QTextCursor& cursor, int from)
{
    // A text box does not draw underlined spaces at the end of a line, so a
    // line holding nothing but the composer's rule would show blank. Such a
    // line gets a horizontal ruler across the box; its text stays the spaces.
    // Blocks started behind a rule would inherit the ruler and lose it here.
    QTextDocument* document = cursor.document();
    if (!document)
        return;
    static const QString rule = reading::ruleLine();
    const int end = cursor.block().blockNumber();
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.blockNumber() <= end;
         block = block.next()) {
        const bool isRule = block.text() == rule && block.begin() != block.end()
            && block.begin().fragment().charFormat().fontUnderline();
        QTextBlockFormat format = block.blockFormat();
        if (isRule == format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            continue;
        if (isRule)
            format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                               QTextLength(QTextLength::PercentageLength, 100));
        else
            format.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
        QTextCursor editor(block);
        editor.setBlockFormat(format);
    }
}

QString TextCursorSink::ComposedText(const QTextDocument& document)
{
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace kestrune::widgets

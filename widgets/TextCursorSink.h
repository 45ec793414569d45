#pragma once

// The reading composer's sink on a rich-text box: writes at a QTextCursor,
// bold and underline through the character format, centring through the block
// format.
//
// Line breaks: the composer writes CR LF. QTextCursor::insertText turns each
// CR LF pair into one paragraph break (a QTextBlock boundary), so the document
// holds one block per line the composer wrote, and QTextDocument::toPlainText()
// reads each break back as a single "\n". ComposedText() gives the text with
// every such break written as CR LF again, which equals what the composer
// inserted. A block started by a break takes the alignment of the block it was
// typed in, so centre()/left() reach the lines inserted after them.
//
// The rule (512 underlined spaces) would show blank in a text box, which draws
// no underline under spaces at the end of a line; a paragraph holding only the
// rule therefore also carries a horizontal ruler across the box
// (QTextFormat::BlockTrailingHorizontalRulerWidth). Its text is unchanged.

#include "reading/RichTextSink.h"

#include <QPointer>
#include <QTextCursor>

class QTextDocument;
class QTextEdit;

namespace kestrune::widgets {

class TextCursorSink : public reading::RichTextSink {
public:
    // Writes at the box's own insertion point and leaves it behind the text.
    explicit TextCursorSink(QTextEdit* edit);
    // Writes into a document, starting at its end.
    explicit TextCursorSink(QTextDocument* document);
    // Writes at the given cursor (a copy; cursor() returns where it stands).
    explicit TextCursorSink(const QTextCursor& cursor);

    void toEnd() override;
    void boldOn() override;
    void boldOff() override;
    void underlineOn() override;
    void underlineOff() override;
    void centre() override;
    void left() override;
    void insert(const QString& text) override;

    QTextCursor cursor() const;

    // The document's text with each paragraph break as CR LF.
    static QString ComposedText(const QTextDocument& document);

private:
    QTextCursor current() const;
    void store(const QTextCursor& cursor);
    void align(Qt::Alignment alignment);
    void markRules(QTextCursor& cursor, int from);

    QPointer<QTextEdit> m_edit;
    QTextCursor m_cursor;
    bool m_bold = false;
    bool m_underline = false;
};

} // namespace kestrune::widgets

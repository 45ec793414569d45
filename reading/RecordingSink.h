#pragma once

// A rich-text sink that keeps what was written in memory: the text exactly as
// inserted (CR LF breaks), each character's bold and underline state, each
// paragraph's alignment and the sequence of operations. Tests read it back; the
// command-line tool prints it as text or as an HTML page.

#include "reading/RichTextSink.h"

#include <QList>
#include <QStringList>

namespace kestrune::reading {

class RecordingSink : public RichTextSink {
public:
    enum class Alignment { Left, Centre };

    struct Span {
        int start;    // offset into text()
        QString text; // the characters of the span
        bool operator==(const Span&) const = default;
    };

    void toEnd() override;
    void boldOn() override;
    void boldOff() override;
    void underlineOn() override;
    void underlineOff() override;
    void centre() override;
    void left() override;
    void insert(const QString& text) override;

    // Everything inserted, in order; line breaks as inserted (CR LF).
    const QString& text() const { return m_text; }
    // The same with each CR LF as one newline (what a text box reads back).
    QString textWithNewlines() const;
    bool isBold(int offset) const;
    bool isUnderlined(int offset) const;
    // Maximal runs of bold / underlined characters, in order.
    QList<Span> boldSpans() const;
    QList<Span> underlinedSpans() const;
    // Paragraphs are the pieces between CR LF breaks; there is always one more
    // paragraph than there are breaks.
    QStringList paragraphs() const;
    QList<Alignment> paragraphAlignments() const { return m_alignments; }
    // "toEnd", "boldOn", ..., "insert" — one entry per call.
    const QStringList& operations() const { return m_operations; }

    // A standalone HTML page of the text keeping bold, underline and centring.
    QString toHtml(const QString& title) const;

private:
    enum Format : quint8 { Bold = 1, Underline = 2 };
    QList<Span> spans(quint8 flag) const;

    QString m_text;
    QList<quint8> m_formats; // one per character of m_text
    QList<Alignment> m_alignments{Alignment::Left};
    QStringList m_operations;
    bool m_bold = false;
    bool m_underline = false;
};

} // namespace kestrune::reading

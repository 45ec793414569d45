#include "reading/RecordingSink.h"

namespace kestrune::reading {

void RecordingSink::toEnd() { m_operations.append(QStringLiteral("toEnd")); }

void RecordingSink::boldOn()
{
    m_bold = true;
    m_operations.append(QStringLiteral("boldOn"));
}

void RecordingSink::boldOff()
{
    m_bold = false;
    m_operations.append(QStringLiteral("boldOff"));
}

void RecordingSink::underlineOn()
{
    m_underline = true;
    m_operations.append(QStringLiteral("underlineOn"));
}

void RecordingSink::underlineOff()
{
    m_underline = false;
    m_operations.append(QStringLiteral("underlineOff"));
}

void RecordingSink::centre()
{
    m_alignments.last() = Alignment::Centre;
    m_operations.append(QStringLiteral("centre"));
}

void RecordingSink::left()
{
    m_alignments.last() = Alignment::Left;
    m_operations.append(QStringLiteral("left"));
}

void RecordingSink::insert(const QString& text)
{
    m_operations.append(QStringLiteral("insert"));
    const quint8 format = static_cast<quint8>((m_bold ? Bold : 0) | (m_underline ? Underline : 0));
    for (int i = 0; i < text.size(); ++i) {
        // Each break starts a paragraph aligned like the one it was typed in.
        if (text[i] == QLatin1Char('\n') && !(m_text.endsWith(QLatin1Char('\r'))))
            m_alignments.append(m_alignments.last());
        else if (text[i] == QLatin1Char('\r'))
            m_alignments.append(m_alignments.last());
        m_text.append(text[i]);
        m_formats.append(format);
    }
}

QString RecordingSink::textWithNewlines() const
{
    QString text = m_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool RecordingSink::isBold(int offset) const
{
    return offset >= 0 && offset < m_formats.size() && (m_formats[offset] & Bold);
}

bool RecordingSink::isUnderlined(int offset) const
{
    return offset >= 0 && offset < m_formats.size() && (m_formats[offset] & Underline);
}

QList<RecordingSink::Span> RecordingSink::spans(quint8 flag) const
{
    QList<Span> result;
    int start = -1;
    for (int i = 0; i <= m_text.size(); ++i) {
        const bool on = i < m_text.size() && (m_formats[i] & flag);
        if (on && start < 0)
            start = i;
        if (!on && start >= 0) {
            result.append({start, m_text.mid(start, i - start)});
            start = -1;
        }
    }
    return result;
}

QList<RecordingSink::Span> RecordingSink::boldSpans() const { return spans(Bold); }
QList<RecordingSink::Span> RecordingSink::underlinedSpans() const { return spans(Underline); }

QStringList RecordingSink::paragraphs() const
{
    QString text = m_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

QString RecordingSink::toHtml(const QString& title) const
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>")
        + title.toHtmlEscaped() + QStringLiteral("</title>\n<style>\n")
        + QStringLiteral("body { font-family: \"DejaVu Sans\", Verdana, sans-serif; font-size: 10pt; "
                         "overflow-x: hidden; }\n")
        + QStringLiteral("p { margin: 0; white-space: pre-wrap; }\n")
        // A rule line stays one line, clipped at the page's edge, so its
        // underline reaches across instead of wrapping or hanging blank.
        + QStringLiteral("p.rule { white-space: pre; overflow: hidden; }\n")
        + QStringLiteral("</style>\n</head>\n<body>\n");

    int paragraph = 0;
    int i = 0;
    // A paragraph of underlined spaces only is a rule line.
    auto isRuleAt = [&](int from) {
        int end = from;
        bool any = false;
        while (end < m_text.size() && m_text[end] != QLatin1Char('\r') && m_text[end] != QLatin1Char('\n')) {
            if (m_text[end] != QLatin1Char(' ') || !(m_formats[end] & Underline))
                return false;
            any = true;
            ++end;
        }
        return any;
    };
    auto openParagraph = [&] {
        QString attributes;
        if (isRuleAt(i))
            attributes += QStringLiteral(" class=\"rule\"");
        if (m_alignments.value(paragraph) == Alignment::Centre)
            attributes += QStringLiteral(" style=\"text-align: center\"");
        html += QStringLiteral("<p") + attributes + QStringLiteral(">");
    };
    openParagraph();
    bool empty = true;
    while (i <= m_text.size()) {
        const bool atEnd = i == m_text.size();
        const bool atBreak = !atEnd && (m_text[i] == QLatin1Char('\r') || m_text[i] == QLatin1Char('\n'));
        if (atEnd || atBreak) {
            if (empty)
                html += QStringLiteral("<br>");
            html += QStringLiteral("</p>\n");
            if (atEnd)
                break;
            i += (m_text[i] == QLatin1Char('\r') && i + 1 < m_text.size() && m_text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
            ++paragraph;
            openParagraph();
            empty = true;
            continue;
        }
        // A run of characters with one format, up to the next break.
        const quint8 format = m_formats[i];
        int end = i;
        while (end < m_text.size() && m_formats[end] == format && m_text[end] != QLatin1Char('\r')
               && m_text[end] != QLatin1Char('\n'))
            ++end;
        QString run = m_text.mid(i, end - i).toHtmlEscaped();
        if (format & Underline)
            run = QStringLiteral("<u>") + run + QStringLiteral("</u>");
        if (format & Bold)
            run = QStringLiteral("<b>") + run + QStringLiteral("</b>");
        html += run;
        empty = false;
        i = end;
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

} // namespace kestrune::reading

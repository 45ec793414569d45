#pragma once

// What the reading composer writes through: the few operations of a rich-text
// box it needs. The result window supplies one on its text box
// (widgets/TextCursorSink.h); tests and the command-line tool record or render.

#include <QString>

namespace kestrune::reading {

class RichTextSink {
public:
    virtual ~RichTextSink() = default;
    // Puts the insertion point at the end of the text.
    virtual void toEnd() = 0;
    // Text inserted from now on is bold / not bold, underlined / not underlined.
    virtual void boldOn() = 0;
    virtual void boldOff() = 0;
    virtual void underlineOn() = 0;
    virtual void underlineOff() = 0;
    // The paragraph at the insertion point, and the paragraphs that line breaks
    // inserted after it start, are centred / left-aligned.
    virtual void centre() = 0;
    virtual void left() = 0;
    // Inserts the text at the insertion point in the current format; the
    // insertion point moves behind it. Line breaks are CR LF.
    virtual void insert(const QString& text) = 0;
};

} // namespace kestrune::reading

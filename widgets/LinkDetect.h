#pragma once

// Web-address detection for a rich-text box (modRTBAutoUrlDetect).
//
// While detection is on for a box, the web addresses in its text are marked
// as links (blue, underlined; re-marked whenever the text changes) and a press
// of the left mouse button on one opens the address through the shell's
// "Open" action (platform::dialogs().openUrl). Releasing the button, moving
// over a link or pressing another button does nothing; the press is not
// swallowed, so the box still handles it as usual.
//
// Detection serves one box at a time: enabling it while it is on (for any box)
// does nothing, disabling it while it is off does nothing. The marks are drawn
// over the text (extra selections), so the text and its own formatting are
// never changed and disabling removes them completely. When the box is
// destroyed while detection is on, detection turns itself off.

#include <QList>
#include <QString>

class QTextEdit;
class QWidget;

namespace kestrune::widgets {

struct LinkRange {
    int start = 0;  // character position in the box's plain text
    int length = 0;
    friend bool operator==(const LinkRange&, const LinkRange&) = default;
};

// The longest address opened; longer links are cut to this many characters.
constexpr int kLinkBufferLength = 1024;

// The web addresses in a text: runs starting with a scheme ("http://",
// "https://", "ftp://", "file://", "news:", "mailto:", ...) or with "www.",
// ending before white space; trailing punctuation (".", ",", ";", ":", "!",
// "?", quotes, closing brackets) belongs to the sentence, not the address.
QList<LinkRange> FindWebAddresses(const QString& text);

// Turns detection on for `box`; `parent` is the window that owns the box
// (the owner of the shell action). Ignored while detection is on.
void EnableUrlDetect(QTextEdit* box, QWidget* parent);
// Turns detection off and removes the marks. Harmless when already off.
void DisableUrlDetect();

bool IsUrlDetectOn();
// The box detection is on for, or null.
QTextEdit* UrlDetectBox();
// The links currently marked in the box.
QList<LinkRange> MarkedLinks();

} // namespace kestrune::widgets

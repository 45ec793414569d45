#pragma once

// The per-keystroke filter of the querent window's name and country boxes:
// only letters A-Z and a-z, space, backspace (8) and code 127 may be typed.
// Any other typed character is discarded, an information box titled "Brellix"
// says why, and the keyboard focus goes back into the box. Text that reaches
// the box another way (pasted with the mouse) is not looked at.

#include <QObject>
#include <QString>

class QWidget;

namespace kestrune::reading_ui {

// Whether one typed character code passes the filter.
bool isAllowedNameCharacter(char16_t code);
// Whether every character of a typed text passes (an empty text does).
bool isAllowedNameText(const QString& typed);

class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters the keys typed into box; message is the text of the refusal box.
    KeyFilter(QWidget* box, QString message);

    // How many characters were refused so far.
    int refusals() const { return m_refusals; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuse();

    QWidget* m_box;
    QString m_message;
    int m_refusals = 0;
};

} // namespace kestrune::reading_ui

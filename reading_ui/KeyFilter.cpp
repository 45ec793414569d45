#include "reading_ui/KeyFilter.h"

#include "platform/Dialogs.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace kestrune::reading_ui {

bool isAllowedNameCharacter(char16_t code)
{
    return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') || code == u' ' || code == 8
           || code == 127;
}

bool isAllowedNameText(const QString& typed)
{
    for (QChar c : typed) {
        if (!isAllowedNameCharacter(c.unicode()))
            return false;
    }
    return true;
}

KeyFilter::KeyFilter(QWidget* box, QString message)
    : QObject(box), m_box(box), m_message(std::move(message))
{
    box->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    if (event->type() == QEvent::KeyPress) {
        // Keys that type nothing (arrows, Home, Shift, ...) are not characters
        // and pass; a key with a character passes only if the character does.
        // Tab moves the focus on to the next control before any box sees it.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        if (key->text().isEmpty() || isAllowedNameText(key->text()))
            return false;
        refuse();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // A refused control character (Ctrl+V, Ctrl+C, ...) must come as a key
        // press to the filter instead of running as the box's shortcut.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && !key->text().isEmpty()
            && !isAllowedNameText(key->text()))
            event->accept();
        return false;
    }
    if (event->type() == QEvent::InputMethod) {
        // Characters composed by an input method are typed characters too.
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->commitString().isEmpty() || isAllowedNameText(im->commitString()))
            return false;
        refuse();
        return true;
    }
    return false;
}

void KeyFilter::refuse()
{
    ++m_refusals;
    QPointer<QWidget> box = m_box;
    platform::showMessage(box->window(), m_message, platform::MsgButtons::Ok, platform::MsgIcon::Information,
                          QStringLiteral("Brellix"));
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

} // namespace kestrune::reading_ui

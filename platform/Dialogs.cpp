#include "platform/Dialogs.h"

#include "platform/AppInfo.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace kestrune::platform {

namespace {

Dialogs g_realDialogs;
Dialogs* g_dialogs = nullptr;

MsgAnswer firstButton(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Yes;
    case MsgButtons::RetryCancel:
        return MsgAnswer::Retry;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Abort;
    }
    return MsgAnswer::Ok;
}

} // namespace

MsgAnswer Dialogs::message(QWidget* parent, const ShownMessage& m)
{
    QMessageBox box(parent);
    box.setWindowTitle(m.caption.isEmpty() ? appinfo::title() : m.caption);
    box.setText(m.text);
    switch (m.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    using B = QMessageBox::StandardButton;
    switch (m.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(B::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(B::Ok | B::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(B::Yes | B::No); break;
    case MsgButtons::YesNoCancel: box.setStandardButtons(B::Yes | B::No | B::Cancel); break;
    case MsgButtons::RetryCancel: box.setStandardButtons(B::Retry | B::Cancel); break;
    case MsgButtons::AbortRetryIgnore: box.setStandardButtons(B::Abort | B::Retry | B::Ignore); break;
    }
    switch (box.exec()) {
    case B::Ok: return MsgAnswer::Ok;
    case B::Cancel: return MsgAnswer::Cancel;
    case B::Yes: return MsgAnswer::Yes;
    case B::No: return MsgAnswer::No;
    case B::Retry: return MsgAnswer::Retry;
    case B::Abort: return MsgAnswer::Abort;
    case B::Ignore: return MsgAnswer::Ignore;
    default: break;
    }
    // Closed with Escape or the close box: the cancelling button where there is one.
    switch (m.buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}

QString Dialogs::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

QString Dialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

bool Dialogs::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

MsgAnswer RecordingDialogs::message(QWidget*, const ShownMessage& m)
{
    ShownMessage shown = m;
    if (shown.caption.isEmpty())
        shown.caption = appinfo::title();
    messages.append(shown);
    if (onMessage)
        onMessage(shown);
    if (m_answers.empty())
        return firstButton(m.buttons);
    const MsgAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString RecordingDialogs::saveFileName(QWidget*, const QString& caption, const QString&, const QString&)
{
    fileDialogCaptions.append(caption);
    if (m_fileNames.empty())
        return QString();
    QString name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

QString RecordingDialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter)
{
    return saveFileName(parent, caption, folder, filter);
}

bool RecordingDialogs::openUrl(const QUrl& url)
{
    openedUrls.append(url);
    return true;
}

QStringList RecordingDialogs::texts() const
{
    QStringList out;
    for (const ShownMessage& m : messages)
        out.append(m.text);
    return out;
}

void RecordingDialogs::clear()
{
    messages.clear();
    fileDialogCaptions.clear();
    openedUrls.clear();
    m_answers.clear();
    m_fileNames.clear();
}

Dialogs& dialogs() { return g_dialogs ? *g_dialogs : g_realDialogs; }
void setDialogs(Dialogs* d) { g_dialogs = d; }

MsgAnswer showMessage(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                      const QString& caption)
{
    return dialogs().message(parent, ShownMessage{text, caption.isEmpty() ? appinfo::title() : caption,
                                                  icon, buttons});
}

} // namespace kestrune::platform

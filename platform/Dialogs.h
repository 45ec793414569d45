#pragma once

// Message boxes, file dialogs and the shell's "open this address" behind one
// replaceable interface, so windows can be driven by tests: a test installs a
// RecordingDialogs, scripts its answers and checks what was shown.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>

class QWidget;

namespace kestrune::platform {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct ShownMessage {
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box; returns the button the user chose.
    virtual MsgAnswer message(QWidget* parent, const ShownMessage& message);
    // The platform's Save and Open dialogs; an empty result means cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter);
    // The shell's "Open" action on a web address.
    virtual bool openUrl(const QUrl& url);
};

// A test double: records every message, file dialog and opened address, and
// answers from scripted queues (defaults: the first button, a cancelled dialog).
class RecordingDialogs : public Dialogs {
public:
    MsgAnswer message(QWidget* parent, const ShownMessage& message) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    bool openUrl(const QUrl& url) override;

    void setNextAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    void setNextFileName(const QString& name) { m_fileNames.push_back(name); }
    // Called while a message is "shown" (for example to check window state).
    std::function<void(const ShownMessage&)> onMessage;

    QList<ShownMessage> messages;
    QStringList fileDialogCaptions;
    QList<QUrl> openedUrls;

    QStringList texts() const;
    void clear();

private:
    std::deque<MsgAnswer> m_answers;
    std::deque<QString> m_fileNames;
};

Dialogs& dialogs();
void setDialogs(Dialogs* dialogs);

// Shorthand for the common case: a box with the program's title as caption.
MsgAnswer showMessage(QWidget* parent, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None, const QString& caption = QString());

} // namespace kestrune::platform

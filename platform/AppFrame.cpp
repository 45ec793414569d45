#include "platform/AppFrame.h"

#include "platform/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace kestrune::platform {

namespace {

bool g_ending = false;
std::function<void()> g_quitHook;

// The reminder's date is kept as an ISO date (yyyy-MM-dd) in the "Settings" section.
const QString kReminderKey = QStringLiteral("UpdateReminderDate");

} // namespace

void EndApplication()
{
    if (g_ending)
        return;
    g_ending = true;
    // Close one window after another; a window's own close handling may close or
    // delete others, so each is looked at through a guard.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget>& w : windows) {
        if (w && w->isWindow())
            w->close();
    }
    if (g_quitHook)
        g_quitHook();
    else
        QCoreApplication::quit();
}

bool isEnding() { return g_ending; }
void setQuitHook(std::function<void()> hook) { g_quitHook = std::move(hook); }
void resetEnding() { g_ending = false; }

void RemindUpdate()
{
    SettingsStore store;
    const QDate today = clock().today();
    const QDate stored = QDate::fromString(store.value(kReminderKey), Qt::ISODate);
    // No date yet, or one that cannot be read: start the interval today.
    if (!stored.isValid()) {
        store.setValue(kReminderKey, today.toString(Qt::ISODate));
        return;
    }
    const qint64 d = today.daysTo(stored);
    if (d >= -14 && d <= 14)
        return;
    const MsgAnswer answer = showMessage(nullptr,
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        MsgButtons::YesNo, MsgIcon::Information, appinfo::title());
    store.setValue(kReminderKey, today.toString(Qt::ISODate));
    if (answer == MsgAnswer::Yes)
        dialogs().openUrl(QUrl(appinfo::downloadPage()));
}

Navigation& navigation()
{
    static Navigation nav;
    return nav;
}

} // namespace kestrune::platform

// The tutor window's settings tab, its start-up entry and the tray icon, with
// the settings store, the autostart folder and the tray replaced by stand-ins.

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include "platform/Seams.h"
#include "platform/ui/Autostart.h"
#include "platform/ui/Tray.h"
#include "tutor/ui/FrmMain.h"
#include "tutor/ui/TutorWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune;

class TestStartupTray : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    platform::RecordingDialogs m_dialogs;
    platform::StandInTray m_tray;
    platform::FixedClock m_clock{QDate(2008, 5, 4)};
    tutor_ui::FrmMain* m_window = nullptr;
    int m_quits = 0;

    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    QString autostart() const { return m_dir.filePath(QStringLiteral("autostart")); }
    QString exePath() const { return m_dir.filePath(QStringLiteral("kestrune")); }
    QString entryPath() const { return autostart() + QStringLiteral("/kestrune.desktop"); }

    QString stored(const char* key)
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        return ini.value(QStringLiteral("Settings/") + QLatin1String(key)).toString();
    }
    void store(const char* key, const char* value)
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Settings/") + QLatin1String(key), QLatin1String(value));
    }
    template <typename T>
    T* control(const char* name)
    {
        T* c = m_window->findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    bool ticked(const char* name) { return control<QAbstractButton>(name)->isChecked(); }
    // Opens the window the way the start window does.
    void openWindow(const QStringList& arguments = {QStringLiteral("kestrune")})
    {
        tutor_ui::showFrmMain(arguments);
        m_window = qobject_cast<tutor_ui::FrmMain*>(tutor_ui::existingFrmMain());
        QVERIFY(m_window);
        QVERIFY(!platform::isEnding());
    }
    void presentEntryFor(const QString& exe)
    {
        QDir().mkpath(autostart());
        QFile f(entryPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(platform::startupEntryText(exe));
    }
    QByteArray entryText()
    {
        QFile f(entryPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile db(m_dir.filePath(QStringLiteral("learn.dll")));
        QVERIFY(db.open(QIODevice::WriteOnly));
        // The program's icon, which the window and its tray icon show.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("icons")));
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::darkMagenta);
        QVERIFY(icon.save(m_dir.filePath(QStringLiteral("icons/kestrune-16.png"))));
    }
    void init()
    {
        platform::resetSeams();
        platform::setApplicationFolder(m_dir.path());
        platform::setExecutablePath(exePath());
        platform::setSettingsFile(iniPath());
        platform::setAutostartFolder(autostart());
        platform::setClock(&m_clock);
        platform::setDialogs(&m_dialogs);
        m_dialogs.clear();
        m_tray.setAvailable(true);
        m_tray.setRefusesIcon(false);
        m_tray.removeIcon();
        platform::setTray(&m_tray);
        m_quits = 0;
        platform::setQuitHook([this] { ++m_quits; });
        QFile::remove(iniPath());
        QDir(autostart()).removeRecursively();
        QFile::remove(autostart());
    }
    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        platform::setDialogs(nullptr);
        platform::setTray(nullptr);
        platform::resetEnding();
        platform::resetSeams();
    }

    // ---- the start-up entry itself ----

    void theEntryIsNamedAfterTheExecutable()
    {
        platform::setExecutablePath(QStringLiteral("/opt/Apps/tutor"));
        QCOMPARE(platform::startupEntryPath(), autostart() + QStringLiteral("/tutor.desktop"));
        QVERIFY(!platform::IsStartupEntryPresent());
        QVERIFY(!platform::writeStartupEntry(false));
        QVERIFY(!QFileInfo::exists(autostart())); // removing makes no folder
        QVERIFY(!platform::writeStartupEntry(true));
        QVERIFY(platform::IsStartupEntryPresent());
        QFile f(platform::startupEntryPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=\"/opt/Apps/tutor\" /STARTUP\n"));

        QVERIFY(!platform::writeStartupEntry(false));
        QVERIFY(!platform::IsStartupEntryPresent());
        QVERIFY(!platform::writeStartupEntry(false)); // removing a missing entry is no error
    }

    // The Exec value as the file holds it: the path quoted, with the
    // characters the format reserves escaped, so the path reads back unchanged.
    void theCommandQuotesThePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/kestrune" << "\"/usr/bin/kestrune\" /STARTUP";
        QTest::newRow("spaces") << "/home/a b/kestrune" << "\"/home/a b/kestrune\" /STARTUP";
        QTest::newRow("dollar and backtick") << "/x/$HOME`id`/k" << "\"/x/\\\\$HOME\\\\`id\\\\`/k\" /STARTUP";
        QTest::newRow("double quote") << "/x/\"q\"/k" << "\"/x/\\\\\"q\\\\\"/k\" /STARTUP";
        QTest::newRow("backslash") << "/x/a\\b/k" << "\"/x/a\\\\\\\\b/k\" /STARTUP";
        QTest::newRow("percent is not a field code") << "/x/100%/k" << "\"/x/100%%/k\" /STARTUP";
    }
    void theCommandQuotesThePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(platform::startupCommand(path), exec);
    }

    void failuresAreShownWithTheirCodeAndDescription()
    {
        // The autostart folder cannot be made: a file is in its way.
        QFile blocker(autostart());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        platform::SetStartupEntry(true);
        QCOMPARE(m_dialogs.messages.size(), 1);
        const platform::ShownMessage opening = m_dialogs.messages.takeFirst();
        QVERIFY2(QRegularExpression(QStringLiteral("^Error [1-9][0-9]* opening key\r\n.+$")).match(opening.text).hasMatch(),
                 qPrintable(opening.text));
        QCOMPARE(opening.icon, platform::MsgIcon::None);
        QCOMPARE(opening.buttons, platform::MsgButtons::Ok);
        QFile::remove(autostart());

        // The entry cannot be written: a folder holds its name.
        QVERIFY(QDir().mkpath(entryPath()));
        platform::SetStartupEntry(true);
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Error [0-9]+ setting key\r\n")).match(m_dialogs.texts().first()).hasMatch(),
                 qPrintable(m_dialogs.texts().first()));
    }

    // ---- the settings tab ----

    void aFirstStartChoosesEveryCardAndNoTray()
    {
        openWindow();
        for (const char* box : {"chkMajor", "chkMinor", "chkGroup_0", "chkGroup_1", "chkGroup_2", "chkGroup_3"})
            QVERIFY2(ticked(box), box);
        QVERIFY(ticked("optTestType_1"));
        QVERIFY(ticked("optDifficulty_0"));
        QVERIFY(ticked("optDontRun"));
        QVERIFY(!ticked("chkSysTray"));
        QVERIFY(!control<QCheckBox>("chkSysTray")->isEnabled());
        QVERIFY(!platform::IsStartupEntryPresent());
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void storedChoicesAreLoadedAndTheirRulesApplied()
    {
        store("MajorArcana", "0");
        store("MinorArcana", "0");
        store("Wands", "0");
        store("TestType", "0");
        store("Difficulty", "2");
        store("Swords", "not a number"); // leaves the box as it is
        openWindow();
        QVERIFY(!ticked("chkMajor"));
        QVERIFY(!ticked("chkMinor"));
        QVERIFY(ticked("chkGroup_0"));
        QVERIFY(!ticked("chkGroup_1"));
        QVERIFY(ticked("chkGroup_3"));
        QVERIFY(ticked("optTestType_0"));
        QVERIFY(ticked("optDifficulty_2"));
        // With the minor arcana unticked, the suits cannot be chosen.
        QVERIFY(!control<QCheckBox>("chkGroup_0")->isEnabled());
    }

    void oneSuitStaysTickedWhenNoneIsStored()
    {
        for (const char* suit : {"Cups", "Wands", "Pentacles", "Swords"})
            store(suit, "0");
        openWindow();
        QVERIFY(!ticked("chkGroup_0"));
        QVERIFY(!ticked("chkGroup_1"));
        QVERIFY(!ticked("chkGroup_2"));
        QVERIFY(ticked("chkGroup_3"));
    }

    void savingWritesTheNineKeys()
    {
        openWindow();
        control<QRadioButton>("optDifficulty_1")->click();
        control<QRadioButton>("optTestType_0")->click();
        control<QCheckBox>("chkGroup_2")->click();
        control<QPushButton>("cmdSaveSettings")->click();
        QCOMPARE(stored("Difficulty"), QStringLiteral("1"));
        QCOMPARE(stored("TestType"), QStringLiteral("0"));
        QCOMPARE(stored("Pentacles"), QStringLiteral("0"));
        QCOMPARE(stored("MajorArcana"), QStringLiteral("1"));
        QCOMPARE(stored("Cups"), QStringLiteral("1"));
        QCOMPARE(stored("RunAtSysTray"), QStringLiteral("False"));
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void theStartupOptionsFollowTheEntry()
    {
        openWindow();
        control<QRadioButton>("optRun")->click();
        QVERIFY(platform::IsStartupEntryPresent());
        QVERIFY(entryText().contains("Exec=\"" + exePath().toUtf8() + "\" /STARTUP\n"));
        auto* tray = control<QCheckBox>("chkSysTray");
        QVERIFY(tray->isEnabled());
        tray->click();
        QCOMPARE(stored("RunAtSysTray"), QStringLiteral("True")); // written at once

        control<QRadioButton>("optDontRun")->click();
        QVERIFY(!platform::IsStartupEntryPresent());
        QVERIFY(!tray->isChecked());
        QVERIFY(!tray->isEnabled());
        QCOMPARE(stored("RunAtSysTray"), QStringLiteral("False"));
    }

    void anEntryThatCannotBeWrittenIsNotShownAsChosen_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a folder holds its name") << "folder";
        QTest::newRow("the disk is full") << "full";
    }
    void anEntryThatCannotBeWrittenIsNotShownAsChosen()
    {
        QFETCH(QString, obstacle);
        openWindow();
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(entryPath()));
        else
            platform::setSaveFaultHook([](const QString&, qint64) { return QStringLiteral("No space left on device"); });
        m_dialogs.clear();
        control<QRadioButton>("optRun")->click();
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY(m_dialogs.messages.first().text.contains(QLatin1String(" setting key\r\n")));
        QVERIFY(!ticked("optRun"));
        QVERIFY(ticked("optDontRun"));
        QVERIFY(!control<QCheckBox>("chkSysTray")->isEnabled());
        QVERIFY(!platform::IsStartupEntryPresent());
    }

    void anOldEntryThatCannotBeRewrittenStillShowsAsChosen()
    {
        presentEntryFor(QStringLiteral("/old/place/kestrune"));
        platform::setSaveFaultHook([](const QString&, qint64) { return QStringLiteral("No space left on device"); });
        openWindow();
        QCOMPARE(m_dialogs.messages.size(), 1);
        // The old entry still runs at log-on, so that is what the options say.
        QVERIFY(ticked("optRun"));
        QVERIFY(control<QCheckBox>("chkSysTray")->isEnabled());
        QCOMPARE(entryText(), platform::startupEntryText(QStringLiteral("/old/place/kestrune")));
    }

    void aPresentEntryIsRewrittenForThisExecutable()
    {
        presentEntryFor(QStringLiteral("/old/place/kestrune"));
        store("RunAtSysTray", "True");
        openWindow();
        QVERIFY(ticked("optRun"));
        QVERIFY(ticked("chkSysTray"));
        QCOMPARE(entryText(), platform::startupEntryText(exePath()));
    }

    void anEntrySwitchedOffByTheDesktopDoesNotCount_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<bool>("present");
        QTest::newRow("as written") << QByteArray() << true;
        QTest::newRow("Hidden=true") << QByteArray("Hidden=true\n") << false;
        QTest::newRow("GNOME switch off") << QByteArray("X-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("Hidden=true in another group") << QByteArray("[Desktop Action x]\nHidden=true\n") << true;
    }
    void anEntrySwitchedOffByTheDesktopDoesNotCount()
    {
        QFETCH(QByteArray, extra);
        QFETCH(bool, present);
        QByteArray text = platform::startupEntryText(exePath());
        text.replace("X-GNOME-Autostart-enabled=true\n", QByteArray());
        QDir().mkpath(autostart());
        QFile f(entryPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text + extra);
        f.close();
        QCOMPARE(platform::IsStartupEntryPresent(), present);
    }

    void withoutTheEntryTheTrayBoxIsClearedWhateverTheStoreSays()
    {
        store("RunAtSysTray", "True");
        openWindow({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")});
        QVERIFY(!ticked("chkSysTray"));
        QVERIFY(!control<QCheckBox>("chkSysTray")->isEnabled());
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_tray.isIconShown());
    }

    // ---- the tray ----

    void onlyAStartupStartWithTheBoxTickedGoesToTheTray_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("runAtSysTray");
        QTest::addColumn<bool>("inTray");
        QTest::newRow("/STARTUP, box ticked") << "/STARTUP" << "True" << true;
        QTest::newRow("/startup does not count") << "/startup" << "True" << false;
        QTest::newRow("/STARTUP, box unticked") << "/STARTUP" << "False" << false;
        QTest::newRow("no argument") << "" << "True" << false;
    }
    void onlyAStartupStartWithTheBoxTickedGoesToTheTray()
    {
        QFETCH(QString, argument);
        QFETCH(QString, runAtSysTray);
        QFETCH(bool, inTray);
        presentEntryFor(exePath());
        store("RunAtSysTray", runAtSysTray.toUtf8().constData());
        QStringList arguments{QStringLiteral("kestrune")};
        if (!argument.isEmpty())
            arguments << argument;
        openWindow(arguments);
        QCOMPARE(m_tray.isIconShown(), inTray);
        QCOMPARE(m_window->isVisible(), !inTray);
    }

    void theTrayIconBringsTheWindowBack()
    {
        presentEntryFor(exePath());
        store("RunAtSysTray", "True");
        openWindow({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")});
        QVERIFY(m_tray.isIconShown());
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_tray.toolTip(), QStringLiteral("Recent"));
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(m_tray.icon().cacheKey(), m_window->windowIcon().cacheKey());

        QMenu* menu = m_tray.menu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        QAction* show = menu->actions().at(0);
        QCOMPARE(show->text(), QStringLiteral("Show"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Exit"));
        QCOMPARE(menu->defaultAction(), show);
        QVERIFY(show->font().bold());

        m_tray.doubleClick();
        QVERIFY(m_window->isVisible());
        QVERIFY(!(m_window->windowState() & Qt::WindowMinimized));
        QVERIFY(!m_tray.isIconShown());

        // A double click with no icon shown does nothing.
        m_window->hide();
        m_tray.doubleClick();
        QVERIFY(!m_window->isVisible());
    }

    void showInTheMenuLeavesTheTray()
    {
        presentEntryFor(exePath());
        store("RunAtSysTray", "True");
        openWindow({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")});
        m_tray.menu()->actions().at(0)->trigger();
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_tray.isIconShown());
    }

    void exitFromTheTrayEndsTheProgramAndRemovesTheIcon()
    {
        presentEntryFor(exePath());
        store("RunAtSysTray", "True");
        openWindow({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")});
        QPointer<tutor_ui::FrmMain> window = m_window;
        m_tray.menu()->actions().at(1)->trigger();
        QVERIFY(!m_tray.isIconShown());
        QCOMPARE(m_quits, 1);
        QVERIFY(platform::isEnding());
        // The window closed itself (it deletes itself once closed).
        QTRY_VERIFY(window.isNull() || !window->isVisible());
        if (window.isNull())
            m_window = nullptr;
    }

    void withNoNotificationAreaAStartupStartIsMinimized_data()
    {
        QTest::addColumn<bool>("available");
        QTest::newRow("no notification area") << false;
        QTest::newRow("a notification area that does not take the icon") << true;
    }
    void withNoNotificationAreaAStartupStartIsMinimized()
    {
        QFETCH(bool, available);
        m_tray.setAvailable(available);
        m_tray.setRefusesIcon(available);
        presentEntryFor(exePath());
        store("RunAtSysTray", "True");
        const int shownBefore = m_tray.timesShown();
        openWindow({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")});
        QVERIFY(!m_tray.isIconShown());
        QCOMPARE(m_tray.timesShown(), shownBefore + (available ? 1 : 0));
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->windowState() & Qt::WindowMinimized);
        QVERIFY(!m_window->inTray());
    }
};

QTEST_MAIN(TestStartupTray)
#include "test_startup_tray.moc"

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/Seams.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune::platform;

class TestSeams : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        QVERIFY(m_dir.isValid());
        setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
        setDialogs(&m_dialogs);
        m_dialogs.clear();
    }
    void cleanup()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("settings.ini")));
        setDialogs(nullptr);
        resetSeams();
    }

    void randomStaysInUnitInterval()
    {
        MersenneRandom source(12345);
        float lo = 1, hi = 0;
        for (int i = 0; i < 200000; ++i) {
            const float u = source.uniform();
            QVERIFY(u >= 0.0f && u < 1.0f);
            lo = std::min(lo, u);
            hi = std::max(hi, u);
        }
        QVERIFY(lo < 0.001f);
        QVERIFY(hi > 0.999f);
    }

    void reseededSourcesDiffer()
    {
        MersenneRandom a;
        QThread::usleep(50);
        MersenneRandom b;
        bool differs = false;
        for (int i = 0; i < 8 && !differs; ++i)
            differs = a.uniform() != b.uniform();
        QVERIFY(differs);
    }

    void settingsStoreKeepsSectionedStrings()
    {
        {
            SettingsStore store;
            QCOMPARE(store.value(QStringLiteral("Missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
            store.setValue(QStringLiteral("Level"), QStringLiteral("2"));
        }
        QSettings raw(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Settings/Level")).toString(), QStringLiteral("2"));
    }

    void autostartFolderFollowsXdgConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        QCOMPARE(autostartFolder(), m_dir.path() + QStringLiteral("/autostart"));
        qputenv("XDG_CONFIG_HOME", "relative/not/allowed");
        QVERIFY(autostartFolder().endsWith(QStringLiteral("/.config/autostart")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void updateReminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("first run stores today, asks nothing") << QString() << 0 << "2026-12-10";
        QTest::newRow("14 days ago asks nothing") << "2026-11-26" << 0 << "2026-11-26";
        QTest::newRow("15 days ago asks and restarts") << "2026-11-25" << 1 << "2026-12-10";
        QTest::newRow("14 days ahead asks nothing") << "2026-12-24" << 0 << "2026-12-24";
        QTest::newRow("15 days ahead asks (clock set back)") << "2026-12-25" << 1 << "2026-12-10";
        QTest::newRow("unreadable date counts as none") << "garbage" << 0 << "2026-12-10";
    }

    void updateReminder()
    {
        QFETCH(QString, stored);
        QFETCH(int, questions);
        QFETCH(QString, storedAfter);
        FixedClock today(QDate(2026, 12, 10));
        setClock(&today);
        if (!stored.isNull())
            SettingsStore().setValue(QStringLiteral("UpdateReminderDate"), stored);
        m_dialogs.setNextAnswer(MsgAnswer::No);
        RemindUpdate();
        QCOMPARE(m_dialogs.messages.size(), questions);
        if (questions) {
            QCOMPARE(m_dialogs.messages[0].text,
                     QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
            QCOMPARE(m_dialogs.messages[0].buttons, MsgButtons::YesNo);
            QCOMPARE(m_dialogs.messages[0].caption, QStringLiteral("Kestrune"));
            QVERIFY(m_dialogs.openedUrls.isEmpty());
        }
        QCOMPARE(SettingsStore().value(QStringLiteral("UpdateReminderDate")), storedAfter);
        // A second check on the same day never asks again.
        RemindUpdate();
        QCOMPARE(m_dialogs.messages.size(), questions);
    }

    void updateReminderYesOpensDownloadPage()
    {
        FixedClock today(QDate(2026, 12, 10));
        setClock(&today);
        SettingsStore().setValue(QStringLiteral("UpdateReminderDate"), QStringLiteral("2026-01-01"));
        m_dialogs.setNextAnswer(MsgAnswer::Yes);
        RemindUpdate();
        QCOMPARE(m_dialogs.openedUrls.size(), 1);
    }

private:
    QTemporaryDir m_dir;
    RecordingDialogs m_dialogs;
};

QTEST_MAIN(TestSeams)
#include "test_seams.moc"

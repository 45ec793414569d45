// Start-up of the program: one copy per user, the update reminder, the start
// window, and the way out when another copy runs.

#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/Seams.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace kestrune;

namespace {

// A child copy of this test program that holds the lock until it is killed.
const char* const kHoldArgument = "--hold-lock";

int holdLock(const QString& runtimeDir)
{
    qputenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit());
    app::SingleInstance instance(QStringLiteral("kestrune-test"));
    if (!instance.tryAcquire())
        return 2;
    fputs("locked\n", stdout);
    fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        platform::resetSeams();
        platform::resetEnding();
        platform::setSettingsFile(m_runtime.filePath(QStringLiteral("settings.ini")));
        platform::setClock(&m_clock);
        m_dialogs.clear();
        platform::setDialogs(&m_dialogs);
        m_quits = 0;
        platform::setQuitHook([this] { ++m_quits; });
        m_startWindows = 0;
        platform::navigation().showStartWindow = [this] { ++m_startWindows; };
    }
    void cleanup()
    {
        QFile::remove(m_runtime.filePath(QStringLiteral("settings.ini")));
        platform::navigation().showStartWindow = nullptr;
        platform::setQuitHook(nullptr);
        platform::setDialogs(nullptr);
        platform::resetEnding();
        platform::resetSeams();
    }

    void lockFileLiesInTheUsersRuntimeFolder()
    {
        QCOMPARE(app::SingleInstance::lockPathFor(QStringLiteral("kestrune")),
                 m_runtime.filePath(QStringLiteral("kestrune.lock")));
    }

    void withoutARuntimeFolderTheLockIsInAFolderOnlyTheUserCanWrite()
    {
        QTemporaryDir cache;
        QVERIFY(cache.isValid());
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        const QString path = app::SingleInstance::lockPathFor(QStringLiteral("kestrune-test"));
        QCOMPARE(path, cache.filePath(QStringLiteral("kestrune/kestrune-test.lock")));
        {
            app::SingleInstance instance(QStringLiteral("kestrune-test"));
            QVERIFY(instance.tryAcquire());
            QVERIFY(instance.isHeld());
            const QFileInfo folder(cache.filePath(QStringLiteral("kestrune")));
            QCOMPARE(folder.permissions() & (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther), QFile::Permissions());
        }
        // A folder others can write is not trusted with the lock: the program
        // runs, without the guard, and says why.
        QVERIFY(QFile::setPermissions(cache.filePath(QStringLiteral("kestrune")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther
                                          | QFile::ExeOther));
        app::SingleInstance exposed(QStringLiteral("kestrune-test"));
        QVERIFY(exposed.tryAcquire());
        QVERIFY(!exposed.isHeld());
        QVERIFY2(exposed.problem().contains(QLatin1String("other users")), qPrintable(exposed.problem()));
        qunsetenv("XDG_CACHE_HOME");
    }

    void aLockFileWithNoLiveOwnerIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x02 not a lock \xff");
        QTest::newRow("a dead copy's id") << QByteArray("999999999\nkestrune\nsomehost\n");
    }
    void aLockFileWithNoLiveOwnerIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        const QString path = app::SingleInstance::lockPathFor(QStringLiteral("kestrune-test"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(contents);
        }
        app::SingleInstance instance(QStringLiteral("kestrune-test"));
        QVERIFY(instance.tryAcquire());
        QVERIFY(instance.isHeld());
        QVERIFY(instance.problem().isEmpty());
    }

    void aFolderInPlaceOfTheLockDoesNotBlockTheStart()
    {
        const QString path = app::SingleInstance::lockPathFor(QStringLiteral("kestrune"));
        QVERIFY(QDir().mkdir(path));
        app::SingleInstance instance(QStringLiteral("kestrune"));
        QVERIFY(app::startProgram(instance));
        QVERIFY(!instance.isHeld());
        QVERIFY(!instance.problem().isEmpty());
        QCOMPARE(m_startWindows, 1);
        QVERIFY(m_dialogs.messages.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QDir().rmdir(path));
    }

    void secondLockInTheSameRunIsRefusedUntilReleased()
    {
        auto first = std::make_unique<app::SingleInstance>(QStringLiteral("kestrune-test"));
        QVERIFY(first->tryAcquire());
        app::SingleInstance second(QStringLiteral("kestrune-test"));
        QVERIFY(!second.tryAcquire());
        first.reset();
        QVERIFY(second.tryAcquire());
    }

    void unwritableLockDoesNotLockTheUserOut()
    {
        // The runtime folder vanished, so no lock file can be made there.
        auto gone = std::make_unique<QTemporaryDir>();
        QVERIFY(gone->isValid());
        qputenv("XDG_RUNTIME_DIR", gone->path().toLocal8Bit());
        app::SingleInstance instance(QStringLiteral("kestrune-test"));
        gone.reset();
        QVERIFY(instance.tryAcquire());
        QVERIFY(!instance.isHeld());
    }

    void lockHeldByAnotherProcessIsRefusedAndTakenOverWhenItDies()
    {
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kHoldArgument), m_runtime.path()});
        QVERIFY(holder.waitForStarted());
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        app::SingleInstance mine(QStringLiteral("kestrune-test"));
        QVERIFY(!mine.tryAcquire());

        // A copy that crashed leaves its lock file behind; it must not lock the
        // user out for good.
        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(mine.lockPath()));
        QVERIFY(mine.tryAcquire());
    }

    void secondCopyShowsTheMessageOnceAndEnds()
    {
        app::SingleInstance running(QStringLiteral("kestrune"));
        QVERIFY(running.tryAcquire());

        app::SingleInstance second(QStringLiteral("kestrune"));
        QVERIFY(!app::startProgram(second));
        QCOMPARE(m_dialogs.messages.size(), 1);
        const platform::ShownMessage shown = m_dialogs.messages.first();
        QCOMPARE(shown.text, QStringLiteral("Application is already running"));
        QCOMPARE(shown.caption, QStringLiteral("Kestrune"));
        QCOMPARE(shown.icon, platform::MsgIcon::Information);
        QCOMPARE(shown.buttons, platform::MsgButtons::Ok);
        QCOMPARE(m_quits, 1);
        QCOMPARE(m_startWindows, 0);
        // No reminder ran in the refused copy.
        QVERIFY(!platform::SettingsStore().contains(QStringLiteral("UpdateReminderDate")));
        // The running copy keeps its lock.
        QVERIFY(running.isHeld());
        QVERIFY(QFile::exists(running.lockPath()));
    }

    void firstStartRemindsThenShowsTheStartWindow()
    {
        app::SingleInstance instance(QStringLiteral("kestrune"));
        QVERIFY(app::startProgram(instance));
        QVERIFY(instance.isHeld());
        QCOMPARE(m_startWindows, 1);
        QCOMPARE(m_quits, 0);
        // The very first run only stores the date.
        QVERIFY(m_dialogs.messages.isEmpty());
        QCOMPARE(platform::SettingsStore().value(QStringLiteral("UpdateReminderDate")),
                 QStringLiteral("2026-03-20"));
    }

    void dueReminderIsAskedBeforeTheStartWindowAppears()
    {
        platform::SettingsStore().setValue(QStringLiteral("UpdateReminderDate"), QStringLiteral("2026-03-05"));
        int startWindowsWhenAsked = -1;
        m_dialogs.onMessage = [&](const platform::ShownMessage&) { startWindowsWhenAsked = m_startWindows; };
        m_dialogs.setNextAnswer(platform::MsgAnswer::No);
        app::SingleInstance instance(QStringLiteral("kestrune"));
        QVERIFY(app::startProgram(instance));
        m_dialogs.onMessage = nullptr;
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(startWindowsWhenAsked, 0);
        QCOMPARE(m_startWindows, 1);
        QVERIFY(m_dialogs.openedUrls.isEmpty());
    }

    void programStartsWithStartupArgumentLikeAPlainStart()
    {
        const QString program = QStringLiteral(KESTRUNE_BIN_DIR "/kestrune");
        if (!QFileInfo::exists(program))
            QSKIP("the program is not built");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("run")));
        QFile::setPermissions(home.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(program, {QStringLiteral("/STARTUP")});
        QVERIFY(first.waitForStarted());
        // It keeps running with its start window, holding the lock, and the
        // first run stored the reminder date without asking.
        QVERIFY(!first.waitForFinished(1500));
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("run/kestrune.lock"))));
        QSettings settings(home.filePath(QStringLiteral("config/kestrune/kestrune.ini")), QSettings::IniFormat);
        QVERIFY(QDate::fromString(settings.value(QStringLiteral("Settings/UpdateReminderDate")).toString(),
                                  Qt::ISODate).isValid());
        first.kill();
        QVERIFY(first.waitForFinished(10000));
    }

private:
    QTemporaryDir m_runtime;
    platform::FixedClock m_clock{QDate(2026, 3, 20)};
    platform::RecordingDialogs m_dialogs;
    int m_quits = 0;
    int m_startWindows = 0;
};

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kHoldArgument) == 0) {
        QCoreApplication application(argc, argv);
        return holdLock(QString::fromLocal8Bit(argv[2]));
    }
    QApplication application(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_app.moc"

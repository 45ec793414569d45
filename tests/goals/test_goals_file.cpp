#include "platform/SaveFile.h"
#include "platform/Seams.h"
#include "tests/support/ScratchMount.h"
#include "tutor/Goals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune::tutor;

namespace {

GoalRecord goal(const QString& name, QDate start, QDate end, const QString& desc, bool achieved, int percent)
{
    return GoalRecord{name, start, end, desc, achieved, static_cast<qint16>(percent)};
}

// A line of the file written with ' for its double quotes, easier to read here.
QString fileLine(const char* text) { return QString::fromUtf8(text).replace(QLatin1Char('\''), QLatin1Char('"')); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestGoalsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("goals.txt")); }

private slots:
    void init()
    {
        kestrune::platform::resetSeams();
        QFile::remove(path());
        QFile::remove(path() + QStringLiteral(".bak"));
    }

    void writesTheExampleLineExactly()
    {
        const GoalRecord suits = goal(QStringLiteral("Learn the suits"), QDate(2008, 5, 1), QDate(2008, 5, 8),
                                      QStringLiteral("One suit a week"), false, 40);
        GoalsFile file(path());
        QVERIFY(file.WriteGoals({suits}));
        QCOMPARE(readAll(path()),
                 QByteArray("\"Learn the suits\",#2008-05-01#,#2008-05-08#,\"One suit a week\",#FALSE#,40\r\n"));
        QCOMPARE(file.ReadGoals(), QList<GoalRecord>{suits});
        QCOMPARE(file.damagedLines(), 0);
    }

    void severalGoalsRoundTripInOrder()
    {
        const QList<GoalRecord> goals = {
            goal(QStringLiteral("Majors, then minors"), QDate(1980, 1, 1), QDate(2099, 12, 31), QString(), true, 100),
            goal(QStringLiteral("  spaced  "), QDate(2024, 2, 28), QDate(2024, 2, 29), QStringLiteral("a, b, #c#"), false, 0),
            goal(QStringLiteral("Étoile – ☆"), QDate(2010, 10, 10), QDate(2011, 1, 1), QStringLiteral("Tour"), false, 7),
        };
        GoalsFile file(path());
        QVERIFY(file.WriteGoals(goals));
        QCOMPARE(GoalsFile(path()).ReadGoals(), goals);
    }

    // Lines as an earlier version or a hand edit may leave them.
    void readsTheLinesOfTheFormat_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("repaired");

        QTest::newRow("the example") << fileLine("'Learn the suits',#2008-05-01#,#2008-05-08#,'One suit a week',#FALSE#,40") << true << QStringLiteral("Learn the suits") << 40 << false;
        QTest::newRow("spaces around fields") << fileLine(" 'A' , #2008-05-01# ,#2008-05-08#, '' , #TRUE# , 5 ") << true << QStringLiteral("A") << 5 << false;
        QTest::newRow("a name with a comma") << fileLine("'A, B',#2008-05-01#,#2008-05-08#,'',#FALSE#,0") << true << QStringLiteral("A, B") << 0 << false;
        QTest::newRow("percent above 100 is brought into range") << fileLine("'A',#2008-05-01#,#2008-05-08#,'',#FALSE#,150") << true << QStringLiteral("A") << 100 << true;
        // Only the percentage unreadable: the goal keeps the rest at 0 percent.
        QTest::newRow("no percentage") << fileLine("'A',#2008-05-01#,#2008-05-08#,'',#FALSE#") << true << QStringLiteral("A") << 0 << true;
        QTest::newRow("percentage not a number") << fileLine("'A',#2008-05-01#,#2008-05-08#,'',#FALSE#,forty") << true << QStringLiteral("A") << 0 << true;
        QTest::newRow("more after the percentage") << fileLine("'A',#2008-05-01#,#2008-05-08#,'',#FALSE#,40,'B'") << true << QStringLiteral("A") << 0 << true;
        QTest::newRow("an impossible date") << fileLine("'A',#2008-02-30#,#2008-05-08#,'',#FALSE#,0") << false << QString() << 0 << false;
        QTest::newRow("not a boolean") << fileLine("'A',#2008-05-01#,#2008-05-08#,'',#MAYBE#,0") << false << QString() << 0 << false;
        QTest::newRow("an unclosed text") << fileLine("'A,#2008-05-01#,#2008-05-08#,'',#FALSE#,0") << false << QString() << 0 << false;
    }
    void readsTheLinesOfTheFormat()
    {
        QFETCH(QString, line);
        QFETCH(bool, readable);
        bool wasRepaired = false;
        const std::optional<GoalRecord> g = parseGoalLine(line, &wasRepaired);
        QCOMPARE(g.has_value(), readable);
        if (readable) {
            QFETCH(QString, name);
            QFETCH(int, percent);
            QTEST(wasRepaired, "repaired");
            QCOMPARE(g->GoalName, name);
            QCOMPARE(int(g->AchievedPercent), percent);
            QCOMPARE(g->StartDate, QDate(2008, 5, 1));
            QCOMPARE(g->EndDate, QDate(2008, 5, 8));
        }
    }

    void aDamagedLineCostsOnlyThatLineAndIsKeptInTheBackup()
    {
        const QByteArray original =
            "\"First\",#2008-05-01#,#2008-05-08#,\"\",#FALSE#,10\r\n"
            "\"Broken\",#2008-05-01\r\n"
            "\"Third\",#2009-01-01#,#2009-02-01#,\"d\",#TRUE#,90\r\n";
        writeAll(path(), original);

        GoalsFile file(path());
        QList<GoalRecord> goals = file.ReadGoals();
        QCOMPARE(file.damagedLines(), 1);
        QCOMPARE(goals.size(), 2);
        QCOMPARE(goals[0].GoalName, QStringLiteral("First"));
        QCOMPARE(goals[1].GoalName, QStringLiteral("Third"));
        QVERIFY(!QFile::exists(file.backupPath())); // reading alone changes nothing
        QVERIFY(file.keepBackup());
        QCOMPARE(readAll(file.backupPath()), original);
        writeAll(file.backupPath(), "replaced below");
        QVERIFY(file.ReadGoals().size() == 2);

        goals[0].AchievedPercent = 20;
        QVERIFY(file.WriteGoals(goals));
        QCOMPARE(readAll(file.backupPath()), original);
        QCOMPARE(file.ReadGoals(), goals);

        // Once rewritten, the file is sound and the backup is not replaced again.
        writeAll(file.backupPath(), "kept");
        QVERIFY(file.WriteGoals(goals));
        QCOMPARE(readAll(file.backupPath()), QByteArray("kept"));
    }

    void noFileMeansNoGoalsAndAnEmptyListEmptiesTheFile()
    {
        GoalsFile file(path());
        QVERIFY(!file.exists());
        QVERIFY(file.ReadGoals().isEmpty());

        QVERIFY(file.WriteGoals({goal(QStringLiteral("Only"), QDate(2008, 5, 1), QDate(2008, 5, 8), QString(), false, 0)}));
        QCOMPARE(file.ReadGoals().size(), 1);
        // Deleting the last goal must not leave it in the file to come back.
        QVERIFY(file.WriteGoals({}));
        QVERIFY(file.ReadGoals().isEmpty());
    }

    void eachLineIsDecodedOnItsOwnAndWrittenAsUtf8()
    {
        // One line from an older single-byte editor among UTF-8 lines.
        writeAll(path(), "\"Caf\xe9\",#2008-05-01#,#2008-05-08#,\"\",#FALSE#,0\r\n"
                         "\"\xc3\x9c\x62ung \xe2\x80\x93 Tarot\",#2008-05-01#,#2008-05-08#,\"\xe2\x99\xa5\",#FALSE#,0\r\n");
        GoalsFile file(path());
        const QList<GoalRecord> goals = file.ReadGoals();
        QCOMPARE(goals.size(), 2);
        QCOMPARE(goals[0].GoalName, QStringLiteral("Café"));
        QCOMPARE(goals[1].GoalName, QStringLiteral("Übung – Tarot"));
        QCOMPARE(goals[1].GoalDesc, QStringLiteral("♥"));
        QCOMPARE(file.damagedLines(), 0);
        QVERIFY(file.WriteGoals(goals));
        QVERIFY(readAll(path()).startsWith("\"Caf\xc3\xa9\","));
        QCOMPARE(GoalsFile(path()).ReadGoals(), goals);
    }

    void aFailedWriteKeepsTheOldFileAndSaysWhy()
    {
        const QList<GoalRecord> old{goal(QStringLiteral("Old"), QDate(2008, 5, 1), QDate(2008, 5, 8), QString(), false, 0)};
        QVERIFY(GoalsFile(path()).WriteGoals(old));
        const QByteArray before = readAll(path());
        kestrune::platform::setSaveFaultHook([](const QString&, qint64) { return QStringLiteral("No space left on device"); });
        QString error;
        QVERIFY(!GoalsFile(path()).WriteGoals({}, &error));
        kestrune::platform::resetSeams();
        QCOMPARE(error, QStringLiteral("No space left on device"));
        QCOMPARE(readAll(path()), before);
    }

    void aFileThatCannotBeReadIsNotSavedOver()
    {
        QVERIFY(QDir().mkdir(path()));
        GoalsFile file(path());
        QVERIFY(file.ReadGoals().isEmpty());
        QCOMPARE(file.readError(), QStringLiteral("It is a folder, not a file"));
        QString error;
        QVERIFY(!file.WriteGoals({goal(QStringLiteral("New"), QDate(2008, 5, 1), QDate(2008, 5, 8), QString(), false, 0)}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path()).isDir());
        QVERIFY(QDir().rmdir(path()));
    }

    void theDefaultFileIsInTheUsersDataFolderWhenTheProgramsCannotBeWritten()
    {
        kestrune::testing::ScratchMount installed(64 * 1024);
        if (!installed.isMounted())
            QSKIP("mounting a small file system needs root");
        QVERIFY(installed.makeReadOnly());
        kestrune::platform::setApplicationFolder(installed.path());
        const QString data = m_dir.filePath(QStringLiteral("share/kestrune"));
        kestrune::platform::setUserDataHome(data);
        GoalsFile file;
        QCOMPARE(file.path(), data + QStringLiteral("/goals.txt"));
        // The first save makes the missing folder.
        QString error;
        QVERIFY2(file.WriteGoals({goal(QStringLiteral("G"), QDate(2008, 5, 1), QDate(2008, 5, 8), QString(), false, 0)}, &error),
                 qPrintable(error));
        QCOMPARE(GoalsFile(data + QStringLiteral("/goals.txt")).ReadGoals().size(), 1);
        kestrune::platform::resetSeams();
        QDir(m_dir.filePath(QStringLiteral("share"))).removeRecursively();
    }

    void refusesTextTheFileCannotCarry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("storable");
        QTest::newRow("plain") << QStringLiteral("Learn the suits") << true;
        QTest::newRow("commas and hashes") << QStringLiteral("a, #b#") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("a double quote") << QStringLiteral("the \"Fool\"") << false;
        QTest::newRow("a line feed") << QStringLiteral("one\ntwo") << false;
        QTest::newRow("a carriage return") << QStringLiteral("one\rtwo") << false;
    }
    void refusesTextTheFileCannotCarry()
    {
        QFETCH(QString, text);
        QFETCH(bool, storable);
        QCOMPARE(goalTextStorable(text), storable);
    }

    void expectedPercentIsWrittenInItsShortestForm_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3 of 7 days") << 7 << 3 << QStringLiteral("42.86");
        QTest::newRow("half way") << 2 << 1 << QStringLiteral("50");
        QTest::newRow("1 of 200 days") << 200 << 1 << QStringLiteral("0.5");
        QTest::newRow("first day") << 7 << 0 << QStringLiteral("0");
        QTest::newRow("a third") << 3 << 1 << QStringLiteral("33.33");
        QTest::newRow("past the end is not capped") << 7 << 10 << QStringLiteral("142.86");
        QTest::newRow("the pickers' longest span") << 43829 << 43829 << QStringLiteral("100");
    }
    void expectedPercentIsWrittenInItsShortestForm()
    {
        QFETCH(int, total);
        QFETCH(int, elapsed);
        QFETCH(QString, expected);
        QCOMPARE(expectedPercentText(total, elapsed), expected);
    }

    void progressLine_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<bool>("showRemaining");
        QTest::addColumn<QString>("info");
        QTest::addColumn<int>("remaining"); // INT_MIN: none shown

        const QDate today(2008, 5, 4);
        QTest::newRow("three days into a 7-day goal") << QDate(2008, 5, 1) << QDate(2008, 5, 8) << true
            << QStringLiteral("You should have achieved 42.86%. You have actually achieved 40%") << 4;
        QTest::newRow("starting tomorrow") << today.addDays(1) << today.addDays(8) << true
            << QStringLiteral("Your goal starting date has been set for the future") << INT_MIN;
        QTest::newRow("ended three days ago") << QDate(2008, 4, 24) << QDate(2008, 5, 1) << true
            << QStringLiteral("You should have achieved 142.86%. You have actually achieved 40%") << -3;
        QTest::newRow("remaining days only while the percentage is enabled") << QDate(2008, 5, 1) << QDate(2008, 5, 8) << false
            << QStringLiteral("You should have achieved 42.86%. You have actually achieved 40%") << INT_MIN;
        QTest::newRow("no length: no line") << QDate(2008, 5, 1) << QDate(2008, 5, 1) << true << QString() << INT_MIN;
    }
    void progressLine()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(bool, showRemaining);
        QFETCH(QString, info);
        QFETCH(int, remaining);
        const GoalProgress p = goalProgress(start, end, QDate(2008, 5, 4), QStringLiteral("40"), showRemaining);
        QCOMPARE(p.info, info);
        QCOMPARE(p.daysRemaining.value_or(INT_MIN), remaining);
    }
};

QTEST_GUILESS_MAIN(TestGoalsFile)
#include "test_goals_file.moc"

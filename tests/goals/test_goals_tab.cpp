// The goals tab as the tutor window shows it: every event of the tab, driven
// through the window's controls, with the goals file in a temporary folder
// and a fixed "today".

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include "platform/Seams.h"
#include "platform/ui/Tray.h"
#include "tutor/Goals.h"
#include "tutor/ui/FrmMain.h"
#include "widgets/DatePicker.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace kestrune;
using tutor::GoalRecord;
using widgets::UserControl1;

namespace {

const QDate kToday(2008, 5, 4);

GoalRecord goal(const char* name, QDate start, QDate end, bool achieved = false, int percent = 0,
                const char* desc = "")
{
    return GoalRecord{QString::fromUtf8(name), start, end, QString::fromUtf8(desc), achieved,
                      static_cast<qint16>(percent)};
}

} // namespace

class TestGoalsTab : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    platform::FixedClock m_clock{kToday};
    platform::RecordingDialogs m_dialogs;
    platform::StandInTray m_tray;
    tutor_ui::FrmMain* m_window = nullptr;

    QString goalsPath() const { return m_dir.filePath(QStringLiteral("goals.txt")); }

    template <typename T>
    T* control(const char* name)
    {
        T* c = m_window->findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QTreeWidget* list() { return control<QTreeWidget>("ListView1"); }
    UserControl1* startPicker() { return control<UserControl1>("mydtpStartingDate"); }
    UserControl1* endPicker() { return control<UserControl1>("mydtpEndingDate"); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    void click(const char* name) { control<QPushButton>(name)->click(); }

    void writeGoals(const QList<GoalRecord>& goals) { QVERIFY(tutor::GoalsFile(goalsPath()).WriteGoals(goals)); }
    QList<GoalRecord> fileGoals() { return tutor::GoalsFile(goalsPath()).ReadGoals(); }
    QByteArray fileBytes()
    {
        QFile f(goalsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList listedNames()
    {
        QStringList names;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            names << list()->topLevelItem(i)->text(0);
        return names;
    }
    void tick(int row) { list()->topLevelItem(row)->setCheckState(0, Qt::Checked); }
    void clickItem(int row)
    {
        QTreeWidgetItem* item = list()->topLevelItem(row);
        list()->setCurrentItem(item);
        emit list()->itemClicked(item, 0);
    }

    void openWindow()
    {
        m_window = new tutor_ui::FrmMain;
        QVERIFY(m_window->load({QStringLiteral("kestrune")}));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile db(m_dir.filePath(QStringLiteral("learn.dll"))); // only its presence is checked at load
        QVERIFY(db.open(QIODevice::WriteOnly));
    }
    void init()
    {
        platform::resetSeams();
        platform::setApplicationFolder(m_dir.path());
        platform::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
        platform::setAutostartFolder(m_dir.filePath(QStringLiteral("autostart")));
        platform::setClock(&m_clock);
        m_clock.set(kToday);
        platform::setDialogs(&m_dialogs);
        m_dialogs.clear();
        platform::setTray(&m_tray);
        platform::setQuitHook([] {});
        QFile::remove(goalsPath());
        QFile::remove(goalsPath() + QStringLiteral(".bak"));
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

    void withoutAFileTheFieldsWaitForANewGoal()
    {
        openWindow();
        QCOMPARE(list()->topLevelItemCount(), 0);
        for (const char* name : {"txtGoalName", "cmdSaveGoals", "Combo3"})
            QVERIFY2(!m_window->findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(!control<QTextEdit>("txtGoalDesc")->isEnabled());
        QVERIFY(!QFile::exists(goalsPath()));

        click("cmdNewGoal");
        QVERIFY(!list()->isEnabled());
        QCOMPARE(startPicker()->value(), kToday);
        QCOMPARE(endPicker()->value(), kToday.addDays(7));
        QCOMPARE(label("lblDayCount"), QStringLiteral("7"));
        for (const char* name : {"txtGoalName", "cmdSaveGoals", "Combo3", "txtGoalDesc"})
            QVERIFY2(m_window->findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(startPicker()->listsEnabled() && endPicker()->listsEnabled());

        // The day count follows either picker.
        endPicker()->setValue(kToday.addDays(30));
        QCOMPARE(label("lblDayCount"), QStringLiteral("30"));
    }

    void aRefusedSaveShowsWhyAndWritesNothing_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("message");
        const QString dates = QStringLiteral("Starting date can't be same or later than ending date.");
        const QString blank = QStringLiteral("Goal name can't be blank.");
        const QString chars =
            QStringLiteral("Goal name and description can't contain double quotes (\") or line breaks.");
        QTest::newRow("ending on the starting day") << 0 << "Suits" << "" << dates;
        QTest::newRow("ending before the start") << -3 << "Suits" << "" << dates;
        QTest::newRow("the dates are checked before the name") << 0 << "" << "" << dates;
        QTest::newRow("no name") << 7 << "" << "" << blank;
        QTest::newRow("a double quote in the name") << 7 << "The \"Fool\"" << "" << chars;
        QTest::newRow("a line break in the description") << 7 << "Suits" << "one\ntwo" << chars;
    }
    void aRefusedSaveShowsWhyAndWritesNothing()
    {
        QFETCH(int, days);
        QFETCH(QString, name);
        QFETCH(QString, desc);
        QFETCH(QString, message);
        openWindow();
        click("cmdNewGoal");
        endPicker()->setValue(kToday.addDays(days));
        control<QLineEdit>("txtGoalName")->setText(name);
        control<QTextEdit>("txtGoalDesc")->setPlainText(desc);
        click("cmdSaveGoals");

        QCOMPARE(m_dialogs.texts(), QStringList{message});
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Critical);
        QCOMPARE(m_dialogs.messages.first().buttons, platform::MsgButtons::Ok);
        QVERIFY(!QFile::exists(goalsPath()));
        QVERIFY(!list()->isEnabled()); // still entering the new goal
    }

    void aNewGoalIsSavedAtZeroPercent()
    {
        writeGoals({goal("Older", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        click("cmdNewGoal");
        startPicker()->setValue(QDate(2008, 5, 1));
        endPicker()->setValue(QDate(2008, 5, 8));
        control<QLineEdit>("txtGoalName")->setText(QStringLiteral("Learn the suits"));
        control<QTextEdit>("txtGoalDesc")->setPlainText(QStringLiteral("One suit a week"));
        control<QComboBox>("Combo3")->setCurrentIndex(40); // not kept for a new goal
        click("cmdSaveGoals");

        QVERIFY(m_dialogs.messages.isEmpty());
        QFile file(goalsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("\"Older\",#2008-01-01#,#2008-02-01#,\"\",#FALSE#,0\r\n"
                            "\"Learn the suits\",#2008-05-01#,#2008-05-08#,\"One suit a week\",#FALSE#,0\r\n"));
        QVERIFY(list()->isEnabled());
        QCOMPARE(listedNames(), (QStringList{"Older", "Learn the suits"}));
        QCOMPARE(list()->currentItem(), list()->topLevelItem(0));
    }

    void savingUpdatesTheSelectedGoalAndKeepsItsState()
    {
        writeGoals({goal("First", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("Done", QDate(2007, 1, 1), QDate(2007, 2, 1), true, 100),
                    goal("Second", QDate(2008, 3, 1), QDate(2008, 6, 1), false, 10, "d")});
        openWindow();
        QCOMPARE(listedNames(), (QStringList{"First", "Second"}));
        clickItem(1);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Second"));
        QCOMPARE(control<QTextEdit>("txtGoalDesc")->toPlainText(), QStringLiteral("d"));
        QCOMPARE(control<QComboBox>("Combo3")->currentIndex(), 10);
        QCOMPARE(startPicker()->value(), QDate(2008, 3, 1));

        control<QLineEdit>("txtGoalName")->setText(QStringLiteral("Second, renamed"));
        endPicker()->setValue(QDate(2008, 7, 1));
        control<QComboBox>("Combo3")->setCurrentIndex(55);
        click("cmdSaveGoals");

        const QList<GoalRecord> saved = fileGoals();
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved[0], goal("First", QDate(2008, 1, 1), QDate(2008, 2, 1)));
        QCOMPARE(saved[1], goal("Done", QDate(2007, 1, 1), QDate(2007, 2, 1), true, 100));
        QCOMPARE(saved[2], goal("Second, renamed", QDate(2008, 3, 1), QDate(2008, 7, 1), false, 55, "d"));
    }

    void clickingAGoalsTickBoxMakesItTheGoalThatIsSaved()
    {
        writeGoals({goal("Goal A", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("Goal B", QDate(2008, 3, 1), QDate(2008, 6, 1))});
        openWindow();
        m_window->show();
        auto* tabs = m_window->findChild<QTabWidget*>();
        QVERIFY(tabs);
        tabs->setCurrentWidget(list()->parentWidget());
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(list()->currentItem(), list()->topLevelItem(0));

        // A real click on B's tick box, as the user makes it.
        QTreeWidgetItem* b = list()->topLevelItem(1);
        QStyleOptionViewItem option;
        option.initFrom(list()->viewport());
        option.rect = list()->visualItemRect(b);
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        const QRect box = list()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, box.center());
        QCOMPARE(b->checkState(0), Qt::Checked);
        QCOMPARE(list()->currentItem(), b);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Goal B"));

        control<QLineEdit>("txtGoalName")->setText(QStringLiteral("Goal B, renamed"));
        click("cmdSaveGoals");
        const QList<GoalRecord> saved = fileGoals();
        QCOMPARE(saved.size(), 2);
        QCOMPARE(saved[0].GoalName, QStringLiteral("Goal A"));
        QCOMPARE(saved[1].GoalName, QStringLiteral("Goal B, renamed"));
    }

    void aFailedSaveSaysWhyAndKeepsTheFieldsAndTheOldFile_data()
    {
        QTest::addColumn<bool>("newGoal");
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("new goal, disk full") << true << "full";
        QTest::newRow("update, disk full") << false << "full";
        QTest::newRow("new goal, folder in its place") << true << "folder";
    }
    void aFailedSaveSaysWhyAndKeepsTheFieldsAndTheOldFile()
    {
        QFETCH(bool, newGoal);
        QFETCH(QString, obstacle);
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(goalsPath()));
        else
            writeGoals({goal("Old", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        const QByteArray before = fileBytes();
        openWindow();
        m_dialogs.clear();
        if (obstacle == QLatin1String("full"))
            platform::setSaveFaultHook([](const QString&, qint64) { return QStringLiteral("No space left on device"); });
        if (newGoal)
            click("cmdNewGoal");
        control<QLineEdit>("txtGoalName")->setText(QStringLiteral("Typed"));
        control<QTextEdit>("txtGoalDesc")->setPlainText(QStringLiteral("typed too"));
        click("cmdSaveGoals");

        QCOMPARE(m_dialogs.messages.size(), 1);
        const QString reason = obstacle == QLatin1String("full") ? QStringLiteral("No space left on device")
                                                                 : QStringLiteral("It is a folder, not a file");
        QCOMPARE(m_dialogs.messages.first().text,
                 QStringLiteral("Could not save your goals to ") + goalsPath() + QStringLiteral(": ") + reason);
        QCOMPARE(m_dialogs.messages.first().caption, QStringLiteral("Kestrune"));
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Critical);
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Typed"));
        QCOMPARE(control<QTextEdit>("txtGoalDesc")->toPlainText(), QStringLiteral("typed too"));
        // New-goal mode stays on; the list and the file are as they were.
        QCOMPARE(list()->isEnabled(), !newGoal);
        QCOMPARE(listedNames(), obstacle == QLatin1String("folder") ? QStringList{} : QStringList{"Old"});
        QCOMPARE(fileBytes(), before);
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QFileInfo(goalsPath()).isDir() && QDir().rmdir(goalsPath()));

        // Once the disk has room again, the same save goes through.
        platform::setSaveFaultHook(nullptr);
        click("cmdSaveGoals");
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY(listedNames().contains(QStringLiteral("Typed")));
    }

    void deletingOrMarkingThatCannotBeSavedKeepsTheGoals()
    {
        writeGoals({goal("A", QDate(2008, 1, 1), QDate(2008, 2, 1)), goal("B", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        platform::setSaveFaultHook([](const QString&, qint64) { return QStringLiteral("Read-only file system"); });
        tick(0);
        click("cmdDeleteGoals");
        click("cmdMarkAchived");
        QCOMPARE(m_dialogs.texts().size(), 2);
        QCOMPARE(listedNames(), (QStringList{"A", "B"}));
        QCOMPARE(list()->topLevelItem(0)->checkState(0), Qt::Checked);
        QCOMPARE(fileGoals().size(), 2);
        QVERIFY(!fileGoals().first().Achieved);
    }

    void deletingTickedGoalsKeepsTheOthersInOrder()
    {
        writeGoals({goal("A", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("B", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("Achieved", QDate(2007, 1, 1), QDate(2007, 2, 1), true),
                    goal("C", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("D", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        QCOMPARE(listedNames(), (QStringList{"A", "B", "C", "D"}));
        tick(1);
        tick(3);
        click("cmdDeleteGoals");

        QStringList left;
        for (const GoalRecord& g : fileGoals())
            left << g.GoalName;
        QCOMPARE(left, (QStringList{"A", "Achieved", "C"}));
        QCOMPARE(listedNames(), (QStringList{"A", "C"}));
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("A"));
    }

    void deletingTheLastGoalEmptiesTheFile()
    {
        writeGoals({goal("Only", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        tick(0);
        click("cmdDeleteGoals");

        QVERIFY(fileGoals().isEmpty());
        QCOMPARE(list()->topLevelItemCount(), 0);
        QVERIFY(!control<QLineEdit>("txtGoalName")->isEnabled());
        QVERIFY(!control<QComboBox>("Combo3")->isEnabled());
        QVERIFY(!control<QPushButton>("cmdSaveGoals")->isEnabled());
        QVERIFY(control<QLineEdit>("txtGoalName")->text().isEmpty());

        // Opened again, the deleted goal does not come back.
        delete m_window;
        openWindow();
        QCOMPARE(list()->topLevelItemCount(), 0);
    }

    void markingMovesTickedGoalsToTheAchievedView()
    {
        writeGoals({goal("A", QDate(2008, 1, 1), QDate(2008, 2, 1)),
                    goal("B", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        auto* current = control<QPushButton>("optGoals_0");
        auto* achieved = control<QPushButton>("optGoals_1");
        // "View Achieved Goals" is in front: it is the view to switch to.
        QVERIFY(m_window->findChildren<QPushButton*>().indexOf(achieved)
                > m_window->findChildren<QPushButton*>().indexOf(current));
        QCOMPARE(list()->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable, Qt::ItemIsUserCheckable);

        tick(1);
        click("cmdMarkAchived");
        QCOMPARE(listedNames(), QStringList{"A"});
        QCOMPARE(fileGoals()[1].Achieved, true);

        achieved->click();
        QCOMPARE(listedNames(), QStringList{"B"});
        QCOMPARE(list()->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable, Qt::ItemFlags());
        QCOMPARE(list()->topLevelItem(0)->data(0, Qt::CheckStateRole), QVariant());
        QCOMPARE(list()->topLevelItem(0)->text(1), QStringLiteral("1")); // its index in the file

        current->click();
        QCOMPARE(listedNames(), QStringList{"A"});
    }

    // The goal timer of the goal shown, with today fixed at 4 May 2008.
    void theGoalTimerComparesTimeWithTheWorkDone_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("dayCount");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<QString>("info");
        QTest::newRow("three days into a 7-day goal") << QDate(2008, 5, 1) << QDate(2008, 5, 8) << "7" << "4"
            << "You should have achieved 42.86%. You have actually achieved 40%";
        QTest::newRow("starting tomorrow") << QDate(2008, 5, 5) << QDate(2008, 5, 12) << "7" << ""
            << "Your goal starting date has been set for the future";
        QTest::newRow("ended last week") << QDate(2008, 4, 20) << QDate(2008, 4, 27) << "7" << "-7"
            << "You should have achieved 200%. You have actually achieved 40%";
    }
    void theGoalTimerComparesTimeWithTheWorkDone()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        writeGoals({goal("Other", QDate(2008, 1, 1), QDate(2008, 12, 1)),
                    goal("Timed", start, end, false, 40)});
        openWindow();
        clickItem(1);
        QTEST(label("lblDayCount"), "dayCount");
        QTEST(label("lblDaysRemaining"), "remaining");
        QTEST(label("lblInfo"), "info");
    }

    void openingWithSeveralGoalsShowsTheFirst()
    {
        writeGoals({goal("Learn the suits", QDate(2008, 5, 1), QDate(2008, 5, 8), false, 40, "One suit a week"),
                    goal("Second", QDate(2008, 1, 1), QDate(2008, 2, 1))});
        openWindow();
        QCOMPARE(list()->currentItem(), list()->topLevelItem(0));
        QCOMPARE(control<QLineEdit>("txtGoalName")->text(), QStringLiteral("Learn the suits"));
        QCOMPARE(label("lblDaysRemaining"), QStringLiteral("4"));
        QCOMPARE(label("lblInfo"), QStringLiteral("You should have achieved 42.86%. You have actually achieved 40%"));
        QVERIFY(control<QComboBox>("Combo3")->isEnabled());
    }

    void aDamagedFileLosesOnlyItsBadLineAndIsBackedUp()
    {
        const QByteArray original = "\"A\",#2008-01-01#,#2008-02-01#,\"\",#FALSE#,0\r\n"
                                    "garbage\r\n"
                                    "\"B\",#2008-01-01#,#2008-02-01#,\"\",#FALSE#,0\r\n"
                                    "\"C\",#2008-01-01#,#2008-02-01#,\"\",#FALSE#,lots\r\n";
        {
            QFile f(goalsPath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(original);
        }
        openWindow();
        QCOMPARE(listedNames(), (QStringList{"A", "B", "C"}));
        // Said once, at the load, with where the original is kept.
        QCOMPARE(m_dialogs.texts(),
                 QStringList{QStringLiteral("2 lines of ") + goalsPath()
                             + QStringLiteral(" could not be read as they were and have been set aside or corrected."
                                              "\r\nThe file as it was is kept in ")
                             + goalsPath() + QStringLiteral(".bak.")});
        QFile backup(goalsPath() + QStringLiteral(".bak"));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), original);
        click("cmdSaveGoals");
        QCOMPARE(m_dialogs.texts().size(), 1);
        QCOMPARE(fileGoals().size(), 3);
        QCOMPARE(fileGoals().last().AchievedPercent, 0);
    }
};

QTEST_MAIN(TestGoalsTab)
#include "test_goals_tab.moc"

// The tutor window driven like a user would: load sequence, tabs, menus, the
// ways out, card choice, study and whole tests on a small card database.

#include "../tutor_test/TutorFixture.h"

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/Seams.h"
#include "tutor/TestReport.h"
#include "tutor/ui/FrmMain.h"
#include "tutor/ui/TutorWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace kestrune;
using kestrune::tutor_ui::FrmMain;
namespace fx = kestrune::testfixture;

namespace {

class ConstantRandom : public platform::RandomSource {
public:
    explicit ConstantRandom(float value) : m_value(value) {}
    float uniform() override { return m_value; }
    void reseed() override {}

private:
    float m_value;
};

int idOfName(const QString& name) { return int(fx::cardNames().indexOf(name)) + 1; }

} // namespace

class TestTutorUi : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;        // application folder with learn.dll
    QTemporaryDir m_emptyDir;   // application folder without it
    platform::RecordingDialogs m_dialogs;
    int m_quits = 0;
    int m_startWindowShown = 0;

    FrmMain* open(const QStringList& arguments = {})
    {
        tutor_ui::showFrmMain(arguments);
        return qobject_cast<FrmMain*>(tutor_ui::existingFrmMain());
    }
    template <typename T>
    T* get(FrmMain* w, const QString& name)
    {
        T* child = w->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    QTabWidget* tabs(FrmMain* w) { return get<QTabWidget>(w, QStringLiteral("SSTab1")); }
    // "11000": which of the five tabs can be selected.
    QString availability(FrmMain* w)
    {
        QString s;
        for (int i = 0; i < 5; ++i)
            s += tabs(w)->isTabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    // Enabled on its own, whether or not its tab is available just now.
    bool enabledOnItsTab(FrmMain* w, const QString& name)
    {
        QWidget* widget = get<QWidget>(w, name);
        QWidget* page = widget;
        while (page && !page->objectName().startsWith(QLatin1String("SSTab1Page")))
            page = page->parentWidget();
        return widget->isEnabledTo(page);
    }
    void click(FrmMain* w, const QString& name) { get<QAbstractButton>(w, name)->click(); }
    void setTicked(FrmMain* w, const QString& name, bool ticked)
    {
        auto* box = get<QCheckBox>(w, name);
        if (box->isChecked() != ticked)
            box->click();
    }
    // Chooses the Cups only (14 cards) and the test options.
    void chooseCupsTest(FrmMain* w, int type, int level, bool reversed)
    {
        setTicked(w, QStringLiteral("chkMajor"), false);
        setTicked(w, QStringLiteral("chkMinor"), true);
        for (int i = 0; i < 4; ++i)
            setTicked(w, QStringLiteral("chkGroup_%1").arg(i), true);
        for (int i = 1; i < 4; ++i)
            setTicked(w, QStringLiteral("chkGroup_%1").arg(i), false);
        click(w, QStringLiteral("optTestType_%1").arg(type));
        click(w, QStringLiteral("optDifficulty_%1").arg(level));
        setTicked(w, QStringLiteral("chkReversed"), reversed);
    }
    // Answers the question on screen: right on odd question numbers, wrong on
    // even ones (description); `number % (required + 1)` right ticks (keywords).
    // Returns the result the answer should score.
    int answer(FrmMain* w, int number)
    {
        if (get<QWidget>(w, QStringLiteral("picDescContainer"))->isVisibleTo(w)) {
            QAbstractButton* right = nullptr;
            QAbstractButton* wrong = nullptr;
            for (int i = 0; i < 7; ++i) {
                auto* option = get<QRadioButton>(w, QStringLiteral("optAnswer_%1").arg(i));
                if (!option->isEnabled())
                    continue;
                (option->property("correctAnswer").toBool() ? right : wrong) = option;
            }
            if (!right || !wrong)
                qFatal("question without a right and a wrong option");
            (number % 2 == 1 ? right : wrong)->click();
            return number % 2;
        }
        const int card = idOfName(get<QLabel>(w, QStringLiteral("lblCardName"))->text());
        const QString limit = get<QLabel>(w, QStringLiteral("lblMaxKeyword"))->text();
        const int required = limit.section(QLatin1Char(' '), 3, 3).toInt();
        const int rightWanted = number % (required + 1);
        int right = 0, wrong = 0;
        for (int i = 0; i < 20; ++i) {
            auto* box = get<QCheckBox>(w, QStringLiteral("chkKeywords_%1").arg(i));
            if (!box->isEnabled())
                continue;
            const bool isRight = fx::ownerOfKeyword(box->text()) == card;
            if (isRight && right < rightWanted) {
                box->click();
                ++right;
            } else if (!isRight && wrong < required - rightWanted) {
                box->click();
                ++wrong;
            }
        }
        return rightWanted;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && m_emptyDir.isValid());
        QVERIFY(fx::writeTutorDatabase(m_dir.filePath(QStringLiteral("learn.dll"))));
    }
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        platform::setApplicationFolder(m_dir.path());
        QFile::remove(m_dir.filePath(QStringLiteral("settings.ini")));
        platform::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
        platform::setAutostartFolder(m_dir.filePath(QStringLiteral("autostart")));
        m_dialogs.clear();
        platform::setDialogs(&m_dialogs);
        m_quits = 0;
        m_startWindowShown = 0;
        platform::resetEnding();
        platform::setQuitHook([this] { ++m_quits; });
        platform::navigation().showStartWindow = [this] { ++m_startWindowShown; };
    }
    void cleanup()
    {
        delete tutor_ui::existingFrmMain();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::resetEnding();
        platform::setQuitHook(nullptr);
        platform::navigation().showStartWindow = nullptr;
        platform::setDialogs(nullptr);
        platform::resetSeams();
    }

    // ---- Load sequence and frame ----------------------------------------------

    void missingDatabase_showsTheMessageOnceAndLeavesNoWindow()
    {
        platform::setApplicationFolder(m_emptyDir.path());
        bool windowShownDuringMessage = true;
        m_dialogs.onMessage = [&](const platform::ShownMessage&) {
            windowShownDuringMessage = tutor_ui::existingFrmMain() && tutor_ui::existingFrmMain()->isVisible();
        };
        tutor_ui::showFrmMain({});
        m_dialogs.onMessage = nullptr;
        QCOMPARE(m_dialogs.messages.size(), 1);
        const platform::ShownMessage& m = m_dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("Required files missing. Please reinstall Kestrune"));
        QCOMPARE(m.caption, QStringLiteral("ERROR !"));
        QCOMPARE(m.icon, platform::MsgIcon::Critical);
        QCOMPARE(m.buttons, platform::MsgButtons::Ok);
        QVERIFY(!windowShownDuringMessage);
        QCOMPARE(m_quits, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!tutor_ui::existingFrmMain());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    void load_showsTheWindowOnTheSettingsTab()
    {
        FrmMain* w = open();
        QVERIFY(w && w->isVisible());
        QVERIFY(m_dialogs.messages.isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Kestrune v1.55"));
        const QStringList captions = {QStringLiteral(" My Personal Goal "), QStringLiteral("     Settings       "),
                                      QStringLiteral("  Memorize Cards  "), QStringLiteral("      Take Test     "),
                                      QStringLiteral("       Results        ")};
        QCOMPARE(tabs(w)->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tabs(w)->tabText(i), captions.at(i));
        QCOMPARE(tabs(w)->currentIndex(), 1);
        QCOMPARE(availability(w), QStringLiteral("11000"));
        QCOMPARE(get<QPushButton>(w, QStringLiteral("cmdBack"))->text(), QStringLiteral("Back"));
        QCOMPARE(get<QPushButton>(w, QStringLiteral("cmdNav_1"))->text(), QStringLiteral("Exit"));
        QVERIFY(!get<QWidget>(w, QStringLiteral("picHook"))->isVisibleTo(w));
    }

    // What a student reads must not be cut off: every fixed caption of the
    // window, and the longest texts of the shipped card database in the
    // controls that show them.
    void texts_fitTheirControls()
    {
        FrmMain* w = open();
        QStringList clipped;
        auto fitsOneLine = [&](QWidget* control, int needed) {
            if (needed > control->width())
                clipped << QStringLiteral("%1 (%2 > %3 px wide)").arg(control->objectName()).arg(needed).arg(control->width());
        };
        auto fitsLines = [&](QWidget* control, int needed) {
            if (needed > control->height())
                clipped << QStringLiteral("%1 (%2 > %3 px high)").arg(control->objectName()).arg(needed).arg(control->height());
        };
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
            if (!button->text().isEmpty())
                fitsOneLine(button, button->sizeHint().width());
        }
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap())
                fitsLines(label, label->heightForWidth(label->width()));
            else
                fitsOneLine(label, label->sizeHint().width());
        }

        // The shipped texts, tab-separated with a header line.
        auto column = [](const char* file, int index) {
            QFile f(QStringLiteral(KESTRUNE_SOURCE_DIR "/data/tutor/") + QLatin1String(file));
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
                qFatal("cannot read %s", file);
            QStringList values;
            f.readLine();
            while (!f.atEnd()) {
                const QStringList fields = QString::fromUtf8(f.readLine()).trimmed().split(QLatin1Char('\t'));
                if (fields.size() > index)
                    values << fields.at(index);
            }
            return values;
        };
        auto widest = [](const QStringList& texts, const QFontMetrics& metrics) {
            QString found;
            for (const QString& t : texts) {
                if (metrics.horizontalAdvance(t) > metrics.horizontalAdvance(found))
                    found = t;
            }
            return found;
        };
        const QStringList keywords = column("keywords.tsv", 1);
        const QStringList names = column("cards.tsv", 1);
        const QStringList meanings = column("cards.tsv", 3) + column("cards.tsv", 4);
        QVERIFY(keywords.size() > 500 && names.size() == 78 && meanings.size() == 156);

        auto* box = get<QCheckBox>(w, QStringLiteral("chkKeywords_0"));
        box->setText(widest(keywords, box->fontMetrics()));
        fitsOneLine(box, box->sizeHint().width());

        for (const char* name : {"lblCardName", "lblCardNameMemorize"}) {
            auto* label = get<QLabel>(w, QLatin1String(name));
            label->setText(widest(names, label->fontMetrics()));
            if (label->wordWrap())
                fitsLines(label, label->heightForWidth(label->width()));
            else
                fitsOneLine(label, label->sizeHint().width());
        }

        // An answer wraps beside its option indicator.
        auto* option = get<QRadioButton>(w, QStringLiteral("optAnswer_0"));
        QStyleOptionButton style;
        style.initFrom(option);
        const int textLeft = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option).right()
                             + 1 + option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &style, option);
        int tallest = 0;
        for (const QString& meaning : meanings)
            tallest = std::max(tallest, option->fontMetrics()
                                            .boundingRect(QRect(0, 0, option->width() - textLeft, 10000),
                                                          Qt::TextWordWrap, meaning)
                                            .height());
        fitsLines(option, tallest);

        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    }

    void menus_haveTheirCaptionsAndSeparators()
    {
        FrmMain* w = open();
        auto entries = [](QMenu* menu) {
            QStringList list;
            for (QAction* a : menu->actions())
                list << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
            return list;
        };
        QCOMPARE(entries(get<QMenu>(w, QStringLiteral("mnuFile"))),
                 QStringList({QStringLiteral("mnuTabGoals=&My Personal Goals"), QStringLiteral("mnuTabSettings=Setings"),
                              QStringLiteral("-"), QStringLiteral("mnuBack=&Back"), QStringLiteral("-"),
                              QStringLiteral("mnuExit1=&Exit")}));
        QCOMPARE(entries(get<QMenu>(w, QStringLiteral("mnuHelp"))),
                 QStringList({QStringLiteral("mnuOnline=&Online Help"), QStringLiteral("mnuVisit=&Visit Us Online"),
                              QStringLiteral("-"), QStringLiteral("mnuUpdate=Check for Software &Update"),
                              QStringLiteral("-"), QStringLiteral("mnuAbout=&About Software")}));
        QMenu* popUp = get<QMenu>(w, QStringLiteral("mnuPopUp"));
        QCOMPARE(entries(popUp), QStringList({QStringLiteral("mnuShow=Show"), QStringLiteral("mnuExit=Exit")}));
        QCOMPARE(popUp->defaultAction()->objectName(), QStringLiteral("mnuShow"));
        QVERIFY(!w->menuBar()->actions().contains(popUp->menuAction()));

        get<QAction>(w, QStringLiteral("mnuTabGoals"))->trigger();
        QCOMPARE(tabs(w)->currentIndex(), 0);
        get<QAction>(w, QStringLiteral("mnuTabSettings"))->trigger();
        QCOMPARE(tabs(w)->currentIndex(), 1);
    }

    void startupArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("asks");
        QTest::newRow("none") << QStringList() << false;
        QTest::newRow("upper case") << QStringList({QStringLiteral("kestrune"), QStringLiteral("/STARTUP")}) << true;
        QTest::newRow("inside another argument") << QStringList({QStringLiteral("x/STARTUPy")}) << true;
        QTest::newRow("lower case does not count") << QStringList({QStringLiteral("/startup")}) << false;
        QTest::newRow("mixed case does not count") << QStringList({QStringLiteral("/Startup")}) << false;
    }
    void startupArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, asks);
        QCOMPARE(FrmMain::commandLineAsksForStartup(arguments), asks);
        // "Start at system tray" is not ticked: the window shows either way.
        FrmMain* w = open(arguments);
        QVERIFY(w->isVisible());
        QVERIFY(!w->startedInTray());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("quits");
        QTest::addColumn<int>("startWindowShown");
        QTest::newRow("Back button") << QStringLiteral("cmdBack") << 0 << 1;
        QTest::newRow("Back menu") << QStringLiteral("mnuBack") << 0 << 1;
        QTest::newRow("Exit button") << QStringLiteral("cmdNav_1") << 1 << 0;
        QTest::newRow("Exit menu") << QStringLiteral("mnuExit1") << 1 << 0;
        QTest::newRow("tray menu Exit") << QStringLiteral("mnuExit") << 1 << 0;
        QTest::newRow("close box") << QString() << 1 << 0;
    }
    void leaving()
    {
        QFETCH(QString, control);
        QFETCH(int, quits);
        QFETCH(int, startWindowShown);
        FrmMain* w = open();
        if (control.isEmpty())
            w->close();
        else if (auto* action = w->findChild<QAction*>(control))
            action->trigger();
        else
            click(w, control);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!tutor_ui::existingFrmMain());
        QCOMPARE(m_quits, quits);
        QCOMPARE(m_startWindowShown, startWindowShown);
        QCOMPARE(platform::isEnding(), quits == 1);
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    // ---- Card choice ------------------------------------------------------------

    void cardChoice_rules()
    {
        FrmMain* w = open();
        setTicked(w, QStringLiteral("chkMajor"), true);
        setTicked(w, QStringLiteral("chkMinor"), true);
        for (int i = 0; i < 4; ++i)
            setTicked(w, QStringLiteral("chkGroup_%1").arg(i), i == 2);
        // The last ticked suit cannot be unticked.
        click(w, QStringLiteral("chkGroup_2"));
        QVERIFY(get<QCheckBox>(w, QStringLiteral("chkGroup_2"))->isChecked());

        // The suit boxes follow "Minor Arcana" and keep their ticks.
        setTicked(w, QStringLiteral("chkMinor"), false);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!get<QCheckBox>(w, QStringLiteral("chkGroup_%1").arg(i))->isEnabled());
        QVERIFY(get<QCheckBox>(w, QStringLiteral("chkGroup_2"))->isChecked());
        QVERIFY(enabledOnItsTab(w, QStringLiteral("cmdNext")));

        // Neither arcana: "Next >>" and "Reversed" are disabled, study refuses.
        setTicked(w, QStringLiteral("chkMajor"), false);
        QVERIFY(!enabledOnItsTab(w, QStringLiteral("cmdNext")));
        QVERIFY(!get<QWidget>(w, QStringLiteral("chkReversed"))->isEnabled());
        for (const char* start : {"cmdSetOption", "cmdStartTest2"}) {
            m_dialogs.clear();
            click(w, QString::fromLatin1(start));
            QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("Select at least one option.")});
            QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::None);
            QCOMPARE(tabs(w)->currentIndex(), 1);
            QCOMPARE(availability(w), QStringLiteral("11000"));
        }

        setTicked(w, QStringLiteral("chkMinor"), true);
        QVERIFY(enabledOnItsTab(w, QStringLiteral("cmdNext")));
        QVERIFY(get<QWidget>(w, QStringLiteral("chkGroup_0"))->isEnabled());
        // "Reversed" is for description tests only.
        click(w, QStringLiteral("optTestType_1"));
        QVERIFY(!get<QWidget>(w, QStringLiteral("chkReversed"))->isEnabled());
        click(w, QStringLiteral("optTestType_0"));
        QVERIFY(get<QWidget>(w, QStringLiteral("chkReversed"))->isEnabled());
    }

    // ---- Study ------------------------------------------------------------------

    void study_showsTheCardAndStopsAtBothEnds()
    {
        FrmMain* w = open();
        setTicked(w, QStringLiteral("chkMajor"), true);
        setTicked(w, QStringLiteral("chkMinor"), false);
        click(w, QStringLiteral("cmdSetOption"));
        QCOMPARE(tabs(w)->currentIndex(), 2);
        QCOMPARE(availability(w), QStringLiteral("11100"));
        auto* name = get<QLabel>(w, QStringLiteral("lblCardNameMemorize"));
        auto* next = get<QPushButton>(w, QStringLiteral("cmdNext"));
        auto* previous = get<QPushButton>(w, QStringLiteral("cmdPrevious"));
        QCOMPARE(w->studyPosition(), 1);
        QCOMPARE(name->text(), QStringLiteral("The Fool"));
        QCOMPARE(get<QTextEdit>(w, QStringLiteral("txtNormalMeaning"))->toPlainText(), fx::uprightOf(1));
        QCOMPARE(get<QTextEdit>(w, QStringLiteral("txtReverseMeaning"))->toPlainText(), fx::reversedOf(1));
        QCOMPARE(get<QTextEdit>(w, QStringLiteral("txtKeywords"))->toPlainText(),
                 QStringLiteral("k1.1, k1.2, k1.3, k1.4, k1.5, k1.6, k1.7, "));

        // The upright picture has red on top; the turned one at the bottom.
        const QImage upright = get<QLabel>(w, QStringLiteral("picCardMemorize"))->pixmap().toImage();
        const QImage turned = get<QLabel>(w, QStringLiteral("picCardMemorizeReversed"))->pixmap().toImage();
        QVERIFY(!upright.isNull() && !turned.isNull());
        QCOMPARE(QColor(upright.pixel(5, 5)), QColor(Qt::red));
        QVERIFY(QColor(upright.pixel(5, upright.height() - 5)) != QColor(Qt::red));
        const int x = turned.width() - 5;
        QCOMPARE(QColor(turned.pixel(x, turned.height() - 5)), QColor(Qt::red));
        QVERIFY(QColor(turned.pixel(x, 5)) != QColor(Qt::red));

        // "<< Previous" on card 1 disables itself; "Next >>" enables it again.
        previous->click();
        QVERIFY(!previous->isEnabled());
        QCOMPARE(w->studyPosition(), 1);
        next->click();
        QVERIFY(previous->isEnabled());
        QCOMPARE(name->text(), QStringLiteral("The Magician"));
        for (int k = 3; k <= 5; ++k)
            next->click();
        QCOMPARE(w->studyPosition(), 5);
        QCOMPARE(get<QTextEdit>(w, QStringLiteral("txtKeywords"))->toPlainText(), QStringLiteral("k5.1, k5.2, k5.3, "));
        for (int k = 6; k <= 22; ++k)
            next->click();
        QCOMPARE(name->text(), QStringLiteral("The World"));
        QVERIFY(next->isEnabled());
        next->click();
        QVERIFY(!next->isEnabled());
        QCOMPARE(w->studyPosition(), 22);
        QCOMPARE(name->text(), QStringLiteral("The World"));

        // Back on the study tab: the first card again, "Next >>" still disabled.
        tabs(w)->setCurrentIndex(0);
        tabs(w)->setCurrentIndex(2);
        QCOMPARE(w->studyPosition(), 1);
        QCOMPARE(name->text(), QStringLiteral("The Fool"));
        QVERIFY(!next->isEnabled());
    }

    void study_onADamagedDatabaseShowsNothingAndSaysNothing()
    {
        QTemporaryDir dir;
        QFile damaged(dir.filePath(QStringLiteral("learn.dll")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, '\x5a'));
        damaged.close();
        platform::setApplicationFolder(dir.path());
        FrmMain* w = open();
        QVERIFY(w && w->isVisible());
        click(w, QStringLiteral("cmdSetOption"));
        QCOMPARE(tabs(w)->currentIndex(), 2);
        QCOMPARE(get<QLabel>(w, QStringLiteral("lblCardNameMemorize"))->text(), QString());
        QVERIFY(get<QLabel>(w, QStringLiteral("picCardMemorize"))->pixmap().isNull());
        QCOMPARE(get<QTextEdit>(w, QStringLiteral("txtKeywords"))->toPlainText(), QString());
        click(w, QStringLiteral("cmdNext"));
        QCOMPARE(w->studyPosition(), 1);
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    // ---- Tests ------------------------------------------------------------------

    void tabAvailability_followsStudyAndTests()
    {
        ConstantRandom random(0.3f);
        platform::setRandom(&random);
        FrmMain* w = open();
        chooseCupsTest(w, 0, 0, false);
        struct Step {
            const char* what;
            std::function<void()> act;
            const char* available;
            int current;
        };
        auto finishTest = [&] {
            for (int k = 1; k <= 14; ++k) {
                answer(w, k);
                click(w, QStringLiteral("cmdNextQuestion"));
            }
        };
        const QList<Step> steps = {
            {"study", [&] { click(w, QStringLiteral("cmdSetOption")); }, "11100", 2},
            {"test from study", [&] { click(w, QStringLiteral("cmdStartTest")); }, "11110", 3},
            {"test complete", finishTest, "11101", 4},
            {"goals tab leaves them", [&] { tabs(w)->setCurrentIndex(0); }, "11101", 0},
            {"results again", [&] { tabs(w)->setCurrentIndex(4); }, "11101", 4},
            {"settings tab hides them", [&] { tabs(w)->setCurrentIndex(1); }, "11000", 1},
            {"test from settings", [&] { click(w, QStringLiteral("cmdStartTest2")); }, "11110", 3},
            {"study tab during a test", [&] { tabs(w)->setCurrentIndex(2); }, "11100", 2},
        };
        for (const Step& step : steps) {
            step.act();
            QVERIFY2(availability(w) == QLatin1String(step.available),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(step.what), availability(w))));
            QVERIFY2(tabs(w)->currentIndex() == step.current, step.what);
        }
    }

    void wholeTest_givesTheExactReport_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        for (int level = 0; level < 3; ++level) {
            QTest::addRow("description, level %d", level) << 0 << level;
            QTest::addRow("keywords, level %d", level) << 1 << level;
        }
    }
    void wholeTest_givesTheExactReport()
    {
        QFETCH(int, type);
        QFETCH(int, level);
        // A constant 0.1 shows every description card reversed and asks the
        // cards in the order below.
        ConstantRandom random(0.1f);
        platform::setRandom(&random);
        FrmMain* w = open();
        chooseCupsTest(w, type, level, true);
        click(w, QStringLiteral("cmdStartTest2"));
        QCOMPARE(tabs(w)->currentIndex(), 3);
        QVERIFY(get<QWidget>(w, type == 0 ? QStringLiteral("picDescContainer")
                                          : QStringLiteral("picKeywodContainer"))->isVisibleTo(w));
        QVERIFY(!get<QWidget>(w, type == 0 ? QStringLiteral("picKeywodContainer")
                                           : QStringLiteral("picDescContainer"))->isVisibleTo(w));

        const QList<int> order = {24, 25, 26, 27, 28, 23, 29, 30, 31, 32, 33, 34, 35, 36};
        const int required = type == 0 ? 0 : QList<int>{3, 5, 7}.at(level);
        auto* next = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
        QStringList lines;
        int total = 0;
        for (int k = 1; k <= 14; ++k) {
            QCOMPARE(get<QLabel>(w, QStringLiteral("lblQCount"))->text(), QStringLiteral("%1 of 14").arg(k));
            const QString name = get<QLabel>(w, QStringLiteral("lblCardName"))->text();
            QCOMPARE(name, fx::nameOf(order.at(k - 1)));
            QCOMPARE(get<QLabel>(w, QStringLiteral("lblIsReversed"))->text(),
                     type == 0 ? QStringLiteral("Reversed") : QString());
            QVERIFY(!get<QLabel>(w, QStringLiteral("picResult"))->pixmap().isNull());
            QVERIFY(!next->isEnabled());
            const int result = answer(w, k);
            QVERIFY(next->isEnabled());
            total += result;
            lines << tutor::reportLine(k, name, type == 0,
                                       tutor::outcomeText(tutor::TestType(type), result, required));
            QVERIFY(m_dialogs.messages.isEmpty());
            next->click();
        }
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("Test Complete")});
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Information);
        QCOMPARE(tabs(w)->currentIndex(), 4);
        QCOMPARE(availability(w), QStringLiteral("11101"));

        const QString summary = type == 0
            ? QStringLiteral("7 out of 14 questions correct")
            : QStringLiteral("%1/%2 choice(s) from 14 questions were correct").arg(total).arg(14 * required);
        QCOMPARE(get<QLabel>(w, QStringLiteral("lblResultInfo"))->text(), summary);
        const QString report = QStringLiteral("Test Report For Kestrune\r\n------------------------\r\n\r\n")
            + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") + QString(64, QLatin1Char('_'))
            + QStringLiteral("\r\n") + summary;
        if (type == 0 && level == 0) {
            QCOMPARE(lines.at(0), QStringLiteral("01.      Two of Cups (Reversed)              Correct"));
            QCOMPARE(lines.at(5), QStringLiteral("06.      Ace of Cups (Reversed)              Wrong"));
            QCOMPARE(lines.at(13), QStringLiteral("14.      King of Cups (Reversed)             Wrong"));
        }
        auto* text = get<QPlainTextEdit>(w, QStringLiteral("txtResult"));
        QCOMPARE(text->toPlainText(), QString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(text->textCursor().position(), text->document()->characterCount() - 1);

        // Saved through the file dialog: the report and a final CR LF.
        const QString path = m_dir.filePath(QStringLiteral("report-%1-%2.txt").arg(type).arg(level));
        m_dialogs.setNextFileName(path);
        click(w, QStringLiteral("Command5"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), (report + QStringLiteral("\r\n")).toLocal8Bit());
    }

    void keywordLimit_untickesTheExtraBox()
    {
        ConstantRandom random(0.6f);
        platform::setRandom(&random);
        FrmMain* w = open();
        chooseCupsTest(w, 1, 0, false);
        click(w, QStringLiteral("cmdStartTest2"));
        QCOMPARE(get<QLabel>(w, QStringLiteral("lblMaxKeyword"))->text(), QStringLiteral("You must choose 3 keywords"));
        auto* next = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(get<QCheckBox>(w, QStringLiteral("chkKeywords_%1").arg(i))->isVisibleTo(w), i <= 6);
        for (int i = 0; i < 3; ++i)
            click(w, QStringLiteral("chkKeywords_%1").arg(i));
        QVERIFY(next->isEnabled());
        click(w, QStringLiteral("chkKeywords_5"));
        QVERIFY(!get<QCheckBox>(w, QStringLiteral("chkKeywords_5"))->isChecked());
        QVERIFY(next->isEnabled());
        QCOMPARE(m_dialogs.texts(),
                 QStringList{QStringLiteral("You can select only 3 keywords.\r\nPlease unselect one before selecting another keyword")});
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Exclamation);
        click(w, QStringLiteral("chkKeywords_0"));
        QVERIFY(!next->isEnabled());
    }

    void saveReport_cancelledOrFailing()
    {
        ConstantRandom random(0.2f);
        platform::setRandom(&random);
        FrmMain* w = open();
        chooseCupsTest(w, 0, 0, false);
        click(w, QStringLiteral("cmdStartTest2"));
        for (int k = 1; k <= 14; ++k) {
            answer(w, k);
            click(w, QStringLiteral("cmdNextQuestion"));
        }
        m_dialogs.clear();
        // Cancelled: nothing written, nothing shown.
        click(w, QStringLiteral("Command5"));
        QCOMPARE(m_dialogs.fileDialogCaptions.size(), 1);
        QVERIFY(m_dialogs.messages.isEmpty());
        // A file that cannot be written says so.
        const QString path = m_dir.filePath(QStringLiteral("missing folder/report.txt"));
        m_dialogs.setNextFileName(path);
        click(w, QStringLiteral("Command5"));
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY(m_dialogs.messages.first().text.contains(path));
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Critical);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestTutorUi)
#include "test_tutor_ui.moc"

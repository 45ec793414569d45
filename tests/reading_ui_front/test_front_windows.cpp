// The start, querent and spread windows driven offscreen through the seams:
// folder checks, navigation and the way out, the key filter, the stored
// querent details, the spread list and menu, the arcana boxes and the
// hand-over to the reading table and the manual window.

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Seams.h"
#include "reading/Records.h"
#include "reading_ui/Forms.h"
#include "reading_ui/FrmAuto.h"
#include "reading_ui/FrmFront.h"
#include "reading_ui/FrmMDI.h"
#include "reading_ui/FrmManual.h"
#include "reading_ui/FrmOpen.h"
#include "reading_ui/FrmTarot.h"
#include "reading_ui/KeyFilter.h"
#include "spreads/Spreads.h"
#include "widgets/AboutBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace kestrune;
using namespace kestrune::reading_ui;

namespace {

// Preview picture i is a plain colour the test can recognise.
QColor previewColour(int i) { return QColor(20 + 25 * i, 200 - 20 * i, 40 + 10 * i); }

bool sameColour(const QColor& a, const QColor& b)
{
    // JPEG keeps a flat colour within a few steps.
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 && qAbs(a.blue() - b.blue()) < 8;
}

QColor pictureColour(QLabel* label)
{
    const QImage image = label->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

QAction* action(QWidget* window, const char* name) { return child<QAction>(window, name); }

// Types one character the way the keyboard delivers it.
void typeChar(QWidget* w, QChar c)
{
    Qt::Key key = Qt::Key_unknown;
    if (c.unicode() < 128 && c.unicode() >= 32)
        key = Qt::Key(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, w, key, QString(c), Qt::NoModifier);
}

void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c == QChar(8))
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Backspace, QString(c), Qt::NoModifier);
        else if (c == QChar(13))
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Return, QString(c), Qt::NoModifier);
        else if (c == QChar(27))
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Escape, QString(c), Qt::NoModifier);
        else if (c == QChar(22))
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_V, QString(c), Qt::ControlModifier);
        else
            typeChar(w, c);
    }
}

} // namespace

class TestFrontWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startWindowLayout();
    void readingFolderCheck_data();
    void readingFolderCheck();
    void tutorFileCheck_data();
    void tutorFileCheck();
    void startWindowCloseBoxEndsTheProgram();

    void keyFilterTable_data();
    void keyFilterTable();
    void keyFilterPutsTheFocusBack();
    void questionBoxTakesEnterAsANewLine();
    void pastedTextPassesUnfiltered();

    void querentWindowStartsWithDefaults();
    void nextStoresTheDetailsAndHandsOver_data();
    void nextStoresTheDetailsAndHandsOver();
    void resetClearsTheBoxesButKeepsTheStoredDetails();
    void querentWaysOut_data();
    void querentWaysOut();

    void spreadWindowOpensReset();
    void spreadListShowsDescriptionPictureAndCount();
    void spreadMenuSelectsIgnoringCase();
    void unreadablePreviewKeepsThePreviousPicture();
    void arcanaBoxesExcludeEachOther_data();
    void arcanaBoxesExcludeEachOther();
    void spreadWaysOut_data();
    void spreadWaysOut();
    void autoCastWaitsOnlyWithoutReversal_data();
    void autoCastWaitsOnlyWithoutReversal();
    void handOverCannotBeStartedTwice();
    void manualHandsOverWithoutWaiting();

    void controlsLieAtTheirDesignPlaces_data();
    void controlsLieAtTheirDesignPlaces();
    void tabOrderFollowsTheDesign();
    void firstControlHasTheFocusOnOpening_data();
    void firstControlHasTheFocusOnOpening();
    void fontsAndColoursFollowTheDesign_data();
    void fontsAndColoursFollowTheDesign();
    void windowBordersFollowTheDesign_data();
    void windowBordersFollowTheDesign();

    void readingRoundTripStartsFresh();
    void helpMenusOpenTheirPages_data();
    void helpMenusOpenTheirPages();
    void aboutBoxShowsTitleVersionAndLink();

private:
    void makeFolders(bool pic, bool cards);
    FrmFront* openQuerentWindow();
    FrmTarot* openSpreadWindow(const QString& name = QString());
    QWidget* openWindow(const QString& which);

    std::unique_ptr<QTemporaryDir> m_dir;
    platform::RecordingDialogs m_dialogs;
    platform::MersenneRandom m_random{4242};
    QList<int> m_waits;
    std::function<void()> m_duringWait;
    int m_quits = 0;
    QList<QStringList> m_tutorOpens;
};

void TestFrontWindows::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    platform::resetSeams();
    platform::resetEnding();
    platform::setApplicationFolder(m_dir->path());
    platform::setSettingsFile(m_dir->filePath(QStringLiteral("settings.ini")));
    platform::setRandom(&m_random);
    platform::setEventPump([] {});
    m_waits.clear();
    m_duringWait = nullptr;
    platform::setWaitHook([this](int ms) {
        m_waits.append(ms);
        if (m_duringWait)
            m_duringWait();
    });
    m_dialogs.clear();
    m_dialogs.onMessage = nullptr;
    platform::setDialogs(&m_dialogs);
    m_quits = 0;
    platform::setQuitHook([this] { ++m_quits; });
    m_tutorOpens.clear();
    platform::navigation().showStartWindow = [] { frmOpen()->show(); };
    platform::navigation().openTutor = [this](const QStringList& arguments) { m_tutorOpens.append(arguments); };
    reading::querentDetails() = reading::QuerentDetails();
    reading::readingOptions() = reading::ReadingOptions();
    reading::currentReading().reset();
}

void TestFrontWindows::cleanup()
{
    // Close whatever a test left open the way the program ends, then make sure
    // every window is really gone before the next test.
    platform::EndApplication();
    platform::resetEnding();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!existingFrmOpen());
    QVERIFY(!existingFrmFront());
    QVERIFY(!existingFrmTarot());
    QVERIFY(!existingFrmManual());
    QVERIFY(!existingFrmMDI());
    platform::navigation() = platform::Navigation();
    platform::setQuitHook(nullptr);
    platform::setDialogs(nullptr);
    platform::resetSeams();
    m_dir.reset();
}

void TestFrontWindows::makeFolders(bool pic, bool cards)
{
    QDir dir(m_dir->path());
    if (pic) {
        QVERIFY(dir.mkpath(QStringLiteral("pic")));
        for (int i = 0; i < spreads::kSpreadCount; ++i) {
            QImage image(60, 90, QImage::Format_RGB32);
            image.fill(previewColour(i));
            QVERIFY(image.save(dir.filePath(QStringLiteral("pic/c%1.jpg").arg(i)), "JPG", 100));
        }
    }
    if (cards) {
        QVERIFY(dir.mkpath(QStringLiteral("cards")));
        for (int c = 0; c < 78; ++c) {
            QImage image(20, 30, QImage::Format_RGB32);
            image.fill(QColor(c * 3, 100, 255 - c * 3));
            QVERIFY(image.save(dir.filePath(QStringLiteral("cards/r%1.jpg").arg(c)), "JPG"));
        }
    }
}

FrmFront* TestFrontWindows::openQuerentWindow()
{
    makeFolders(true, true);
    frmOpen()->show();
    child<QPushButton>(frmOpen(), "cmdReading")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return existingFrmFront();
}

FrmTarot* TestFrontWindows::openSpreadWindow(const QString& name)
{
    FrmFront* front = openQuerentWindow();
    if (!front)
        return nullptr;
    child<QLineEdit>(front, "txtName")->setText(name);
    child<QPushButton>(front, "cmdNext")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return existingFrmTarot();
}

QWidget* TestFrontWindows::openWindow(const QString& which)
{
    if (which == QLatin1String("frmOpen")) {
        frmOpen()->show();
        return frmOpen();
    }
    if (which == QLatin1String("frmFront"))
        return openQuerentWindow();
    FrmTarot* tarot = openSpreadWindow();
    if (which == QLatin1String("frmTarot") || !tarot)
        return tarot;
    if (which == QLatin1String("frmMDI"))
        return existingFrmMDI(); // made hidden by the querent window's Next
    child<QPushButton>(tarot, "cmdManual")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return existingFrmManual();
}

// ---- start window -----------------------------------------------------------

void TestFrontWindows::startWindowLayout()
{
    FrmOpen* open = frmOpen();
    open->show();
    QCOMPARE(open->windowTitle(), QStringLiteral("Kestrune v1.55"));
    QCOMPARE(open->size(), QSize(464, 274));
    QVERIFY(!(open->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(open->windowFlags() & Qt::WindowMinimizeButtonHint));
    auto* tutor = child<QPushButton>(open, "cmdTutor");
    auto* readingButton = child<QPushButton>(open, "cmdReading");
    QCOMPARE(tutor->text(), QStringLiteral("Tarot Tutor"));
    QCOMPARE(readingButton->text(), QStringLiteral("Tarot Reading"));
    // Both buttons reach past the left edge and span the window.
    QCOMPARE(readingButton->geometry(), QRect(-8, 184, 473, 40));
    QCOMPARE(readingButton->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(child<QLabel>(open, "Label2")->text(),
             QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY format"));
    QCOMPARE(frmOpen(), open); // one start window at a time
}

void TestFrontWindows::readingFolderCheck_data()
{
    QTest::addColumn<QString>("pic");   // "dir", "file" or ""
    QTest::addColumn<QString>("cards");
    QTest::addColumn<bool>("opens");
    QTest::newRow("both folders") << "dir" << "dir" << true;
    QTest::newRow("pic only") << "dir" << "" << true;
    QTest::newRow("cards only") << "" << "dir" << true;
    QTest::newRow("cards as a file") << "" << "file" << true;
    QTest::newRow("neither") << "" << "" << false;
    QTest::newRow("other names only") << "" << "" << false;
}

void TestFrontWindows::readingFolderCheck()
{
    QFETCH(QString, pic);
    QFETCH(QString, cards);
    QFETCH(bool, opens);
    QDir dir(m_dir->path());
    auto make = [&](const QString& name, const QString& kind) {
        if (kind == QLatin1String("dir"))
            QVERIFY(dir.mkpath(name));
        else if (kind == QLatin1String("file")) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    };
    make(QStringLiteral("pic"), pic);
    make(QStringLiteral("cards"), cards);
    if (QByteArray(QTest::currentDataTag()) == "other names only") {
        QVERIFY(dir.mkpath(QStringLiteral("Pictures")));
        QVERIFY(dir.mkpath(QStringLiteral(".cards")));
    }

    FrmOpen* open = frmOpen();
    open->show();
    child<QPushButton>(open, "cmdReading")->click();
    QCOMPARE(m_quits, 0);
    if (opens) {
        QVERIFY(m_dialogs.messages.isEmpty());
        QVERIFY(existingFrmFront() && existingFrmFront()->isVisible());
        QVERIFY(!existingFrmOpen());
    } else {
        QCOMPARE(m_dialogs.messages.size(), 1);
        const platform::ShownMessage m = m_dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("Files Needed To Run Brellix Is Missing\rPlease Reinstall Software."));
        QCOMPARE(m.caption, QStringLiteral("Kestrune"));
        QCOMPARE(m.icon, platform::MsgIcon::Critical);
        QCOMPARE(m.buttons, platform::MsgButtons::Ok);
        QVERIFY(!existingFrmFront());
        QCOMPARE(existingFrmOpen(), open);
        QVERIFY(open->isVisible());
    }
}

void TestFrontWindows::tutorFileCheck_data()
{
    QTest::addColumn<QString>("learn"); // "file", "dir", "hidden" or ""
    QTest::addColumn<bool>("opens");
    QTest::newRow("database file") << "file" << true;
    QTest::newRow("folder of that name") << "dir" << false;
    QTest::newRow("missing") << "" << false;
    QTest::newRow("only a hidden copy") << "hidden" << false;
}

void TestFrontWindows::tutorFileCheck()
{
    QFETCH(QString, learn);
    QFETCH(bool, opens);
    QDir dir(m_dir->path());
    if (learn == QLatin1String("file") || learn == QLatin1String("hidden")) {
        QFile f(dir.filePath(learn == QLatin1String("file") ? QStringLiteral("learn.dll") : QStringLiteral(".learn.dll")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("db");
    } else if (learn == QLatin1String("dir")) {
        QVERIFY(dir.mkpath(QStringLiteral("learn.dll")));
    }
    FrmOpen* open = frmOpen();
    open->show();
    child<QPushButton>(open, "cmdTutor")->click();
    QCOMPARE(m_quits, 0);
    if (opens) {
        QVERIFY(m_dialogs.messages.isEmpty());
        QCOMPARE(m_tutorOpens.size(), 1);
        // The command line without the program's own path.
        QCOMPARE(m_tutorOpens.first(), QCoreApplication::arguments().mid(1));
        QVERIFY(!existingFrmOpen());
    } else {
        QCOMPARE(m_dialogs.texts(),
                 QStringList{QStringLiteral("Files Needed To Run Dovemarch Is Missing\rPlease Reinstall Software.")});
        QCOMPARE(m_dialogs.messages.first().icon, platform::MsgIcon::Critical);
        QVERIFY(m_tutorOpens.isEmpty());
        QVERIFY(open->isVisible());
    }
}

void TestFrontWindows::startWindowCloseBoxEndsTheProgram()
{
    makeFolders(true, true);
    frmOpen()->show();
    frmFront(); // another (hidden) window must be closed with it
    QVERIFY(frmOpen()->close());
    QCOMPARE(m_quits, 1);
    QVERIFY(platform::isEnding());
    QVERIFY(!existingFrmOpen());
    QVERIFY(!existingFrmFront());
}

// ---- querent window -----------------------------------------------------------

void TestFrontWindows::keyFilterTable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<QString>("atFirstRefusal"); // the box's text when the first box is shown
    QTest::newRow("digit in a name") << "txtName" << "J0hn" << "Jhn" << 1 << "J";
    QTest::newRow("two words") << "txtName" << "Mary Ann" << "Mary Ann" << 0 << "";
    QTest::newRow("hyphen") << "txtName" << "Anne-Marie" << "AnneMarie" << 1 << "Anne";
    QTest::newRow("apostrophe and full stop") << "txtName" << "O'Brien Jr." << "OBrien Jr" << 2 << "O";
    QTest::newRow("accented letter") << "txtName" << QString::fromUtf8("Jos\u00e9") << "Jos" << 1 << "Jos";
    QTest::newRow("backspace edits") << "txtName" << QStringLiteral("Jox\bn") << "Jon" << 0 << "";
    QTest::newRow("enter") << "txtName" << QStringLiteral("Al\r") << "Al" << 1 << "Al";
    QTest::newRow("escape") << "txtCountry" << QStringLiteral("Peru\x1b") << "Peru" << 1 << "Peru";
    QTest::newRow("ctrl+v") << "txtCountry" << QStringLiteral("Chad\x16") << "Chad" << 1 << "Chad";
    QTest::newRow("country with digits") << "txtCountry" << "Area 51" << "Area " << 2 << "Area ";
    QTest::newRow("plain country") << "txtCountry" << "New Zealand" << "New Zealand" << 0 << "";
}

void TestFrontWindows::keyFilterTable()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, refusals);
    QFETCH(QString, atFirstRefusal);
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    QApplication::clipboard()->setText(QStringLiteral("123"));
    auto* edit = front->findChild<QLineEdit*>(box);
    QVERIFY(edit);
    QStringList textsWhenRefused;
    m_dialogs.onMessage = [&](const platform::ShownMessage&) { textsWhenRefused << edit->text(); };
    edit->setFocus();
    typeText(edit, typed);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(m_dialogs.messages.size(), refusals);
    QCOMPARE(textsWhenRefused.value(0), atFirstRefusal);
    const QString expected = box == QLatin1String("txtName")
                                 ? QStringLiteral("Name cannot contain Numbers and Special Characters")
                                 : QStringLiteral("Country cannot contain Numbers and Special Characters");
    for (const platform::ShownMessage& m : m_dialogs.messages) {
        QCOMPARE(m.text, expected);
        QCOMPARE(m.caption, QStringLiteral("Brellix"));
        QCOMPARE(m.icon, platform::MsgIcon::Information);
        QCOMPARE(m.buttons, platform::MsgButtons::Ok);
    }
}

void TestFrontWindows::keyFilterPutsTheFocusBack()
{
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));
    auto* name = child<QLineEdit>(front, "txtName");
    auto* country = child<QLineEdit>(front, "txtCountry");
    auto* question = child<QPlainTextEdit>(front, "txtQuestion");
    // A real message box takes the focus while it is open.
    m_dialogs.onMessage = [question](const platform::ShownMessage&) { question->setFocus(); };
    for (QLineEdit* box : {name, country}) {
        box->setFocus();
        QVERIFY(box->hasFocus());
        typeText(box, QStringLiteral("7"));
        QVERIFY2(box->hasFocus(), qPrintable(box->objectName()));
    }
    QCOMPARE(m_dialogs.messages.size(), 2);
    // Letters, space, backspace and 127 pass; nothing else does.
    for (int code = 0; code < 256; ++code) {
        const bool allowed = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' '
                             || code == 8 || code == 127;
        QCOMPARE(isAllowedNameCharacter(char16_t(code)), allowed);
    }
}

void TestFrontWindows::questionBoxTakesEnterAsANewLine()
{
    FrmFront* front = openQuerentWindow();
    auto* question = child<QPlainTextEdit>(front, "txtQuestion");
    question->setFocus();
    QTest::keyClicks(question, QStringLiteral("Will I 2?"));
    QTest::keyClick(question, Qt::Key_Return);
    QTest::keyClicks(question, QStringLiteral("Yes-no"));
    QCOMPARE(question->toPlainText(), QStringLiteral("Will I 2?\nYes-no"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestFrontWindows::pastedTextPassesUnfiltered()
{
    FrmFront* front = openQuerentWindow();
    auto* name = child<QLineEdit>(front, "txtName");
    QApplication::clipboard()->setText(QStringLiteral("R2-D2"));
    name->paste(); // the box's context menu does this
    QCOMPARE(name->text(), QStringLiteral("R2-D2"));
    QVERIFY(m_dialogs.messages.isEmpty());
    child<QPushButton>(front, "cmdNext")->click();
    QCOMPARE(reading::querentDetails().strName, QStringLiteral("R2-D2"));
}

void TestFrontWindows::querentWindowStartsWithDefaults()
{
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    QCOMPARE(front->windowTitle(), QStringLiteral("Kestrune v1.55"));
    QCOMPARE(front->centralWidget()->size(), QSize(396, 344));
    auto* day = child<QComboBox>(front, "cmbDate");
    auto* month = child<QComboBox>(front, "cmbMonth");
    auto* year = child<QComboBox>(front, "cmbYear");
    QCOMPARE(day->count(), 31);
    QCOMPARE(day->itemText(30), QStringLiteral("31"));
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->itemText(8), QStringLiteral("September"));
    QCOMPARE(year->count(), 151);
    QCOMPARE(year->itemText(0), QStringLiteral("1900"));
    QCOMPARE(year->itemText(150), QStringLiteral("2050"));
    QCOMPARE(day->currentText(), QStringLiteral("1"));
    QCOMPARE(month->currentText(), QStringLiteral("January"));
    QCOMPARE(year->currentText(), QStringLiteral("1980"));
    QVERIFY(!day->isEditable() && !month->isEditable() && !year->isEditable());
    // Menu captions as the user sees them.
    QCOMPARE(action(front, "mnuNext")->text(), QStringLiteral("N&ext"));
    QCOMPARE(action(front, "mnuExit")->text(), QStringLiteral("E&xit"));
    QCOMPARE(action(front, "mnuHelp")->text(), QStringLiteral("Onine &Help"));
    QCOMPARE(action(front, "mnuupdate")->text(), QStringLiteral("Check For Software Update"));
    QCOMPARE(action(front, "mnuSoftware")->text(), QStringLiteral("About &Software"));
    QStringList fileMenu;
    for (QAction* a : child<QMenu>(front, "mnuFile")->actions())
        fileMenu << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(fileMenu, (QStringList{"&Reset", "-", "N&ext", "-", "&Back", "-", "E&xit"}));
}

void TestFrontWindows::nextStoresTheDetailsAndHandsOver_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("day");   // -1: left at the default
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("dob");
    QTest::newRow("untouched") << "" << "" << "" << -1 << -1 << -1 << "January 1, 1980";
    QTest::newRow("impossible date kept") << "Ann" << "Chad" << "Why?\nWhen?" << 30 << 1 << 150
                                          << "February 31, 2050";
    QTest::newRow("first year") << "Bo" << "Peru" << "Q" << 9 << 11 << 0 << "December 10, 1900";
}

void TestFrontWindows::nextStoresTheDetailsAndHandsOver()
{
    QFETCH(QString, name);
    QFETCH(QString, country);
    QFETCH(QString, question);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, dob);
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    child<QLineEdit>(front, "txtName")->setText(name);
    child<QLineEdit>(front, "txtCountry")->setText(country);
    child<QPlainTextEdit>(front, "txtQuestion")->setPlainText(question);
    if (day >= 0) {
        child<QComboBox>(front, "cmbDate")->setCurrentIndex(day);
        child<QComboBox>(front, "cmbMonth")->setCurrentIndex(month);
        child<QComboBox>(front, "cmbYear")->setCurrentIndex(year);
    }
    child<QPushButton>(front, "cmdNext")->click();

    const reading::QuerentDetails& q = reading::querentDetails();
    QCOMPARE(q.strName, name);
    QCOMPARE(q.strCountry, country);
    QCOMPARE(q.strQ, question);
    QCOMPARE(q.strDOB, dob);
    QCOMPARE(q.strMonth + QLatin1Char(' ') + q.strDate + QStringLiteral(", ") + q.strYear, dob);

    // The result frame exists, hidden, with the details already in its header
    // and its toolbar hidden; the spread window shows them too.
    QCOMPARE(m_quits, 0);
    FrmMDI* mdi = existingFrmMDI();
    QVERIFY(mdi);
    QVERIFY(!mdi->isVisible());
    QVERIFY(mdi->TB()->isHidden());
    QCOMPARE(mdi->txtDOB()->text(), dob);
    QCOMPARE(mdi->txtName()->text(), name);
    QVERIFY(!existingFrmFront());
    FrmTarot* tarot = existingFrmTarot();
    QVERIFY(tarot && tarot->isVisible());
    QCOMPARE(child<QLabel>(tarot, "lblInfo")->text(),
             QStringLiteral("Name: ") + name + QStringLiteral("     Date: ") + dob + QStringLiteral("     Country: ")
                 + country);
    QCOMPARE(child<QPlainTextEdit>(tarot, "txtQ")->toPlainText(), QStringLiteral("Question: ") + question);
}

void TestFrontWindows::resetClearsTheBoxesButKeepsTheStoredDetails()
{
    reading::querentDetails().strName = QStringLiteral("Stored");
    reading::querentDetails().strDOB = QStringLiteral("May 5, 1955");
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));
    auto* name = child<QLineEdit>(front, "txtName");
    name->setText(QStringLiteral("Ann"));
    child<QLineEdit>(front, "txtCountry")->setText(QStringLiteral("Chad"));
    child<QPlainTextEdit>(front, "txtQuestion")->setPlainText(QStringLiteral("Q"));
    child<QComboBox>(front, "cmbYear")->setCurrentIndex(3);
    child<QComboBox>(front, "cmbMonth")->setCurrentIndex(3);
    child<QComboBox>(front, "cmbDate")->setCurrentIndex(3);
    child<QPushButton>(front, "cmdBack")->setFocus();
    action(front, "mnuReset")->trigger();
    QVERIFY(name->text().isEmpty());
    QVERIFY(child<QLineEdit>(front, "txtCountry")->text().isEmpty());
    QVERIFY(child<QPlainTextEdit>(front, "txtQuestion")->toPlainText().isEmpty());
    QCOMPARE(child<QComboBox>(front, "cmbYear")->currentText(), QStringLiteral("1980"));
    QCOMPARE(child<QComboBox>(front, "cmbMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(front, "cmbDate")->currentText(), QStringLiteral("1"));
    QVERIFY(name->hasFocus());
    QCOMPARE(reading::querentDetails().strName, QStringLiteral("Stored"));
    QCOMPARE(reading::querentDetails().strDOB, QStringLiteral("May 5, 1955"));
    QVERIFY(existingFrmFront());
    QCOMPARE(m_quits, 0);
}

void TestFrontWindows::querentWaysOut_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ends");
    QTest::newRow("cmdBack") << "cmdBack" << false;
    QTest::newRow("mnuBack") << "mnuBack" << false;
    QTest::newRow("cmdCancel") << "cmdCancel" << true;
    QTest::newRow("mnuExit") << "mnuExit" << true;
    QTest::newRow("close box") << "close" << true;
}

void TestFrontWindows::querentWaysOut()
{
    QFETCH(QString, how);
    QFETCH(bool, ends);
    FrmFront* front = openQuerentWindow();
    QVERIFY(front);
    child<QLineEdit>(front, "txtName")->setText(QStringLiteral("Left"));
    if (how == QLatin1String("close"))
        front->close();
    else if (how.startsWith(QLatin1String("mnu")))
        front->findChild<QAction*>(how)->trigger();
    else
        front->findChild<QPushButton*>(how)->click();
    QVERIFY(!existingFrmFront());
    QCOMPARE(m_quits, ends ? 1 : 0);
    if (ends) {
        QVERIFY(!existingFrmOpen());
        return;
    }
    QVERIFY(existingFrmOpen() && existingFrmOpen()->isVisible());
    QVERIFY(reading::querentDetails().strName.isEmpty());
    // Coming back shows an empty window again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    child<QPushButton>(frmOpen(), "cmdReading")->click();
    QVERIFY(existingFrmFront());
    QVERIFY(child<QLineEdit>(existingFrmFront(), "txtName")->text().isEmpty());
}

// ---- spread window -----------------------------------------------------------

void TestFrontWindows::spreadWindowOpensReset()
{
    reading::readingOptions().card = QStringLiteral("One Card");
    reading::readingOptions().rboo = true;
    reading::readingOptions().cmdAVal = true;
    reading::currentReading().DrawnCards = {3, 4};
    reading::currentReading().ReversedCards = {4};
    FrmTarot* tarot = openSpreadWindow(QStringLiteral("Ann"));
    QVERIFY(tarot);
    QCOMPARE(tarot->windowTitle(), QStringLiteral("Kestrune v1.55"));
    QCOMPARE(tarot->centralWidget()->size(), QSize(592, 358));
    QVERIFY(tarot->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(tarot->windowFlags() & Qt::WindowMaximizeButtonHint));
    const reading::ReadingOptions& o = reading::readingOptions();
    QCOMPARE(o.card, QStringLiteral("-1"));
    QCOMPARE(o.no, 10);
    QCOMPARE(o.MaxCardInSet, 0);
    QVERIFY(!o.lboo && !o.hboo && !o.rboo && !o.ManualMode && !o.cmdAVal && !o.cmdMValue);
    QVERIFY(reading::currentReading().DrawnCards.isEmpty());
    QVERIFY(reading::currentReading().ReversedCards.isEmpty());

    auto* list = child<QListWidget>(tarot, "lstOption");
    QCOMPARE(list->count(), 8);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->item(4)->text(), QStringLiteral("The Line Spread"));
    QCOMPARE(list->item(5)->text(), QStringLiteral("Wystran Wheel Spread(Tasmerin)"));
    QCOMPARE(child<QPlainTextEdit>(tarot, "txtDisp")->toPlainText(), spreads::SpreadAtListPosition(0)->description);
    QVERIFY(sameColour(pictureColour(child<QLabel>(tarot, "pctCard")), previewColour(0)));
    QVERIFY(!child<QCheckBox>(tarot, "chkHA")->isChecked());
    QVERIFY(!child<QCheckBox>(tarot, "chkLA")->isChecked());
    QVERIFY(child<QCheckBox>(tarot, "chkRev")->isChecked());
    QVERIFY(child<QWidget>(tarot, "picMessage")->isHidden());
}

void TestFrontWindows::spreadListShowsDescriptionPictureAndCount()
{
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    auto* list = child<QListWidget>(tarot, "lstOption");
    const int counts[] = {10, 1, 2, 3, 5, 5, 7, 8};
    for (int row : {3, 7, 1, 5, 4, 6, 2, 0}) {
        list->setCurrentRow(row);
        QCOMPARE(reading::readingOptions().MaxCardInSet, row);
        QCOMPARE(reading::readingOptions().no, counts[row]);
        QCOMPARE(child<QPlainTextEdit>(tarot, "txtDisp")->toPlainText(),
                 spreads::SpreadAtListPosition(row)->description);
        QVERIFY2(sameColour(pictureColour(child<QLabel>(tarot, "pctCard")), previewColour(row)),
                 qPrintable(QString::number(row)));
    }
}

void TestFrontWindows::spreadMenuSelectsIgnoringCase()
{
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    auto* list = child<QListWidget>(tarot, "lstOption");
    // Menu order: the wheel comes before the line.
    QStringList names;
    for (QAction* a : child<QMenu>(tarot, "mnuSpread")->actions())
        names << a->objectName();
    QCOMPARE(names, (QStringList{"mnuCeltic", "mnuOne", "mnuTwo", "mnyThree", "mnuWystran", "mnuLine",
                                 "mnuSeven", "mnuFour"}));
    QCOMPARE(action(tarot, "mnuSeven")->text(), QStringLiteral("&Seven card chakra layout"));

    const QList<std::pair<const char*, int>> entries = {{"mnuSeven", 6}, {"mnuWystran", 5}, {"mnuLine", 4},
                                                        {"mnyThree", 3}, {"mnuFour", 7},    {"mnuOne", 1},
                                                        {"mnuTwo", 2},   {"mnuCeltic", 0}};
    for (const auto& [entry, row] : entries) {
        action(tarot, entry)->trigger();
        QCOMPARE(list->currentRow(), row);
        QCOMPARE(reading::readingOptions().MaxCardInSet, row);
        QVERIFY2(sameColour(pictureColour(child<QLabel>(tarot, "pctCard")), previewColour(row)), entry);
    }
    // The same item again is handled like a click on it.
    action(tarot, "mnuCeltic")->trigger();
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(reading::readingOptions().no, 10);
    // The catalogue's own lookup agrees with the list.
    QCOMPARE(spreads::ListPositionIgnoringCase(QStringLiteral("seven CARD chakra LAYOUT")), 6);
    QCOMPARE(tarot->selectSpreadByText(QStringLiteral("no such spread")), -1);
    QCOMPARE(list->currentRow(), 0);
}

void TestFrontWindows::unreadablePreviewKeepsThePreviousPicture()
{
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    QFile broken(m_dir->filePath(QStringLiteral("pic/c3.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("pic/c2.jpg"))));
    auto* list = child<QListWidget>(tarot, "lstOption");
    list->setCurrentRow(1);
    list->setCurrentRow(3);
    QVERIFY(sameColour(pictureColour(child<QLabel>(tarot, "pctCard")), previewColour(1)));
    QCOMPARE(reading::readingOptions().no, 3);
    list->setCurrentRow(2);
    QVERIFY(sameColour(pictureColour(child<QLabel>(tarot, "pctCard")), previewColour(1)));
    QCOMPARE(reading::readingOptions().no, 2);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestFrontWindows::arcanaBoxesExcludeEachOther_data()
{
    QTest::addColumn<QString>("clicks"); // H = click chkHA, L = click chkLA, h/l = set from code
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::newRow("major then minor") << "HL" << false << true;
    QTest::newRow("minor then major") << "LH" << true << false;
    QTest::newRow("major then minor then minor again") << "HLL" << false << false;
    QTest::newRow("major twice") << "HH" << false << false;
    QTest::newRow("major from code, then minor") << "hL" << false << true;
    QTest::newRow("minor, then major from code") << "Lh" << true << false;
}

void TestFrontWindows::arcanaBoxesExcludeEachOther()
{
    QFETCH(QString, clicks);
    QFETCH(bool, major);
    QFETCH(bool, minor);
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    auto* ha = child<QCheckBox>(tarot, "chkHA");
    auto* la = child<QCheckBox>(tarot, "chkLA");
    for (QChar c : clicks) {
        switch (c.unicode()) {
        case 'H': ha->click(); break;
        case 'L': la->click(); break;
        case 'h': ha->setChecked(true); break;
        case 'l': la->setChecked(true); break;
        }
        QVERIFY(!(ha->isChecked() && la->isChecked()));
    }
    QCOMPARE(ha->isChecked(), major);
    QCOMPARE(la->isChecked(), minor);
    // The boxes are read when the reading starts.
    child<QPushButton>(tarot, "cmdManual")->click();
    QCOMPARE(reading::readingOptions().hboo, major);
    QCOMPARE(reading::readingOptions().lboo, minor);
}

void TestFrontWindows::spreadWaysOut_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("ends");
    QTest::newRow("cmdBack") << "cmdBack" << false;
    QTest::newRow("mnuBack") << "mnuBack" << false;
    QTest::newRow("cmdCancel") << "cmdCancel" << true;
    QTest::newRow("mnuExit") << "mnuExit" << true;
    QTest::newRow("close box") << "close" << true;
}

void TestFrontWindows::spreadWaysOut()
{
    QFETCH(QString, how);
    QFETCH(bool, ends);
    FrmTarot* tarot = openSpreadWindow(QStringLiteral("Ann"));
    QVERIFY(tarot);
    if (how == QLatin1String("close"))
        tarot->close();
    else if (how.startsWith(QLatin1String("mnu")))
        tarot->findChild<QAction*>(how)->trigger();
    else
        tarot->findChild<QPushButton*>(how)->click();
    QVERIFY(!existingFrmTarot());
    QCOMPARE(m_quits, ends ? 1 : 0);
    if (ends) {
        QVERIFY(!existingFrmMDI());
        QVERIFY(!existingFrmFront());
    } else {
        FrmFront* front = existingFrmFront();
        QVERIFY(front && front->isVisible());
        QVERIFY(child<QLineEdit>(front, "txtName")->text().isEmpty());
        QCOMPARE(reading::querentDetails().strName, QStringLiteral("Ann"));
    }
}

void TestFrontWindows::autoCastWaitsOnlyWithoutReversal_data()
{
    QTest::addColumn<bool>("reversal");
    QTest::addColumn<QString>("via");
    QTest::newRow("reversal allowed, button") << true << "cmdAuto";
    QTest::newRow("no reversal, button") << false << "cmdAuto";
    QTest::newRow("no reversal, menu") << false << "mnuCast";
}

void TestFrontWindows::autoCastWaitsOnlyWithoutReversal()
{
    QFETCH(bool, reversal);
    QFETCH(QString, via);
    FrmTarot* tarot = openSpreadWindow(QStringLiteral("Ann"));
    QVERIFY(tarot);
    child<QListWidget>(tarot, "lstOption")->setCurrentRow(3);
    child<QCheckBox>(tarot, "chkRev")->setChecked(reversal);
    child<QCheckBox>(tarot, "chkHA")->setChecked(true);
    bool panelShownDuringWait = false;
    m_duringWait = [&] { panelShownDuringWait = child<QWidget>(tarot, "picMessage")->isVisible(); };
    if (via.startsWith(QLatin1String("mnu")))
        action(tarot, qPrintable(via))->trigger();
    else
        child<QPushButton>(tarot, qPrintable(via))->click();

    if (reversal) {
        QVERIFY(m_waits.isEmpty());
    } else {
        QCOMPARE(m_waits, QList<int>{3000});
        QVERIFY(panelShownDuringWait);
    }
    const reading::ReadingOptions& o = reading::readingOptions();
    QCOMPARE(o.card, QStringLiteral("Three Cards"));
    QCOMPARE(o.no, 3);
    QCOMPARE(o.MaxCardInSet, 3);
    QCOMPARE(o.rboo, reversal);
    QVERIFY(o.hboo && !o.lboo);
    QVERIFY(o.cmdAVal && !o.cmdMValue && !o.ManualMode);
    QCOMPARE(m_quits, 0);
    QVERIFY(!existingFrmTarot());
    QVERIFY(existingFrmMDI() && existingFrmMDI()->isVisible());
    QVERIFY(existingFrmAuto());
    // The table drew one card per position from the major arcana.
    const QList<deck::CardIndex> drawn = reading::currentReading().DrawnCards;
    QCOMPARE(drawn.size(), 3);
    for (deck::CardIndex c : drawn)
        QVERIFY(deck::IsMajorArcana(c));
    if (!reversal)
        QVERIFY(reading::currentReading().ReversedCards.isEmpty());
}

void TestFrontWindows::handOverCannotBeStartedTwice()
{
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    child<QListWidget>(tarot, "lstOption")->setCurrentRow(1);
    child<QCheckBox>(tarot, "chkRev")->setChecked(false);
    // Events handled while the reading is generated: more clicks on the
    // commands and on the list.
    int attempts = 0;
    m_duringWait = [&] {
        ++attempts;
        child<QPushButton>(tarot, "cmdAuto")->click();
        action(tarot, "mnuCast")->trigger();
        child<QPushButton>(tarot, "cmdManual")->click();
        child<QPushButton>(tarot, "cmdBack")->click();
        child<QListWidget>(tarot, "lstOption")->setCurrentRow(0);
    };
    child<QPushButton>(tarot, "cmdAuto")->click();
    QCOMPARE(attempts, 1);
    QCOMPARE(m_waits.size(), 1);
    QVERIFY(!existingFrmManual());
    QVERIFY(!existingFrmFront());
    QCOMPARE(reading::readingOptions().no, 1);
    QCOMPARE(reading::readingOptions().MaxCardInSet, 1);
    QCOMPARE(reading::currentReading().DrawnCards.size(), 1);
    QVERIFY(existingFrmMDI() && existingFrmMDI()->isVisible());
    QCOMPARE(m_quits, 0);
}

void TestFrontWindows::manualHandsOverWithoutWaiting()
{
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    child<QListWidget>(tarot, "lstOption")->setCurrentRow(7);
    child<QCheckBox>(tarot, "chkRev")->setChecked(false);
    child<QCheckBox>(tarot, "chkLA")->click();
    action(tarot, "mnuManual")->trigger();
    QVERIFY(m_waits.isEmpty());
    const reading::ReadingOptions& o = reading::readingOptions();
    QCOMPARE(o.card, QStringLiteral("Four Seasons Spread(Quorvane/Hovelt)"));
    QCOMPARE(o.no, 8);
    QVERIFY(o.lboo && !o.hboo && !o.rboo);
    QVERIFY(o.ManualMode && o.cmdMValue && !o.cmdAVal);
    QVERIFY(!existingFrmTarot());
    FrmManual* manual = existingFrmManual();
    QVERIFY(manual && manual->isVisible());
    QCOMPARE(manual->picksRequired(), 8);
    QCOMPARE(m_quits, 0);
}

// ---- the whole road -----------------------------------------------------------

// ---- layout -----------------------------------------------------------------

void TestFrontWindows::controlsLieAtTheirDesignPlaces_data()
{
    // A few telling controls of each window, in twips of their container.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char* window, const char* control, int l, int t, int w, int h) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control)
                                                << QRect(l, t, w, h);
    };
    row("frmFront", "client", 0, 0, 5940, 5160);
    row("frmFront", "txtName", 1620, 630, 3855, 375);
    row("frmFront", "cmbYear", 4500, 1080, 975, 360);
    row("frmFront", "txtQuestion", 1620, 2010, 3855, 1335);
    row("frmFront", "lblQuestion", 120, 2280, 1575, 495);
    row("frmFront", "cmdCancel", 1710, 3510, 855, 375);
    row("frmFront", "cmdNext", 4650, 3510, 855, 375);
    row("frmTarot", "client", 0, 0, 8880, 5370);
    row("frmTarot", "lblInfo", 150, 570, 8625, 285);
    row("frmTarot", "pctCard", 3000, 1530, 2175, 3735);
    row("frmTarot", "lstOption", 5310, 1530, 3495, 1620);
    row("frmTarot", "chkLA", 1800, 240, 1455, 255);
    row("frmTarot", "chkRev", 6000, 3990, 225, 195);
    row("frmTarot", "cmdAuto", 7200, 4410, 1575, 375);
    row("frmTarot", "picMessage", 1860, 1860, 5295, 975);
    row("frmManual", "frmManualClient", 0, 0, 7560, 6375);
    row("frmManual", "picManual", 90, 480, 2415, 4095);
    row("frmManual", "fraPictures", 2520, 540, 5055, 4035);
    row("frmManual", "p_14", 90 + 375, 180 + 630, 350, 600); // column 1, row 1
    row("frmManual", "p_77", 90 + 375 * 12, 180 + 630 * 5, 350, 600);
    row("frmManual", "txtDisp", 90, 4620, 7395, 1245);
    row("frmManual", "cmdBack", 6510, 5940, 975, 375);
    row("frmManual", "picMessage", 1133, 2693, 5295, 975);
    row("frmMDI", "txtDOB", 5430, 60, 1935, 285);
    row("frmMDI", "txtCountry", 8370, 60, 2445, 285);
    row("frmMDI", "txtQ", 1110, 420, 7485, 375);
}

void TestFrontWindows::controlsLieAtTheirDesignPlaces()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QWidget* w = openWindow(window);
    QVERIFY(w);
    auto* c = w->findChild<QWidget*>(control);
    QVERIFY2(c, qPrintable(control));
    const QRect expected = platform::twipRect(twips.x(), twips.y(), twips.width(), twips.height());
    auto* main = qobject_cast<QMainWindow*>(w);
    if (main && main->centralWidget() == c)
        QCOMPARE(c->size(), expected.size()); // the client area lies below the menu bar
    else
        QCOMPARE(c->geometry(), expected);
}

void TestFrontWindows::tabOrderFollowsTheDesign()
{
    // The controls the Tab key visits, from the first one on.
    const auto sequence = [](QWidget* first) {
        QStringList names;
        QWidget* w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(first->window())
                && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                names << w->objectName();
            w = w->nextInFocusChain();
        } while (w && w != first && names.size() < 40);
        return names;
    };
    FrmTarot* tarot = openSpreadWindow();
    QVERIFY(tarot);
    QCOMPARE(sequence(child<QWidget>(tarot, "lstOption")),
             QStringList({"lstOption", "chkHA", "chkLA", "cmdAuto", "cmdManual", "cmdBack", "cmdCancel", "txtDisp",
                          "chkRev", "txtQ"}));
    child<QPushButton>(tarot, "cmdBack")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FrmFront* front = existingFrmFront();
    QVERIFY(front);
    QCOMPARE(sequence(child<QWidget>(front, "txtName")),
             QStringList({"txtName", "cmbMonth", "cmbDate", "cmbYear", "txtCountry", "txtQuestion", "cmdNext",
                          "cmdReset", "cmdCancel", "cmdBack"}));
}

void TestFrontWindows::firstControlHasTheFocusOnOpening_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("start") << QStringLiteral("frmOpen") << QStringLiteral("cmdTutor");
    QTest::newRow("querent") << QStringLiteral("frmFront") << QStringLiteral("txtName");
    QTest::newRow("spread") << QStringLiteral("frmTarot") << QStringLiteral("lstOption");
    QTest::newRow("manual") << QStringLiteral("frmManual") << QStringLiteral("cmdBack");
    QTest::newRow("result") << QStringLiteral("frmMDI") << QStringLiteral("txtName");
}

void TestFrontWindows::firstControlHasTheFocusOnOpening()
{
    // The keyboard works in a window as soon as it opens, without a click or
    // a Tab first.
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget* w = nullptr;
    if (window == u"frmMDI") {
        makeFolders(true, true);
        FrmTarot* tarot = openSpreadWindow();
        QVERIFY(tarot);
        child<QPushButton>(tarot, "cmdAuto")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = existingFrmMDI();
    } else {
        w = openWindow(window);
    }
    QVERIFY(w && w->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), control);
    QCOMPARE(focus->window(), w);

    if (window == u"frmTarot") {
        // Down and Up walk the spread list at once.
        auto* list = child<QListWidget>(w, "lstOption");
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(reading::readingOptions().MaxCardInSet, 1);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 0);
    }
}

void TestFrontWindows::windowBordersFollowTheDesign_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("minimize");
    QTest::addRow("querent") << QStringLiteral("frmFront") << false;
    QTest::addRow("spread") << QStringLiteral("frmTarot") << true;
    QTest::addRow("manual") << QStringLiteral("frmManual") << true;
}

void TestFrontWindows::windowBordersFollowTheDesign()
{
    // Fixed single borders: no maximize button, a minimize button only where
    // the window has one, and a size the user cannot change.
    QFETCH(QString, window);
    QFETCH(bool, minimize);
    QWidget* w = openWindow(window);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kestrune v1.55"));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(bool(w->windowFlags() & Qt::WindowMinimizeButtonHint), minimize);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w->minimumSize(), w->maximumSize());
}

void TestFrontWindows::fontsAndColoursFollowTheDesign_data()
{
    // Font size and weight of a control (all map onto DejaVu Sans) and, where
    // the design gives one, a colour of its palette.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const auto row = [](const char* window, const char* control, double points, bool bold,
                        QPalette::ColorRole role = QPalette::NoRole, const QColor& colour = QColor()) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control)
                                                << points << bold << int(role) << colour;
    };
    const QColor peach(255, 224, 192);
    const QColor blue(0, 0, 255);
    row("frmOpen", "Frame1", 8.25, true);
    row("frmOpen", "cmdTutor", 14.25, true, QPalette::Button, QColor(255, 255, 192));
    row("frmFront", "lblAge", 9.75, true);
    row("frmFront", "cmbMonth", 9.75, true);
    row("frmFront", "txtQuestion", 9.75, true);
    row("frmFront", "cmdBack", 9.75, true, QPalette::Button, peach);
    row("frmTarot", "lblInfo", 8.25, false, QPalette::WindowText, blue);
    row("frmTarot", "txtQ", 8.25, false, QPalette::Text, blue);
    row("frmTarot", "txtDisp", 8.25, true);
    row("frmTarot", "chkHA", 8.25, false);
    row("frmTarot", "cmdManual", 8.25, false, QPalette::Button, peach);
    row("frmTarot", "picMessage", 0, false, QPalette::Window, QColor(255, 0, 0)); // a panel: no text
    row("frmManual", "picMessage", 0, false, QPalette::Window, QColor(255, 0, 0));
    row("frmTarot", "Label1", 14.25, true, QPalette::WindowText, blue);
    row("frmTarot", "Label2", 9.75, false, QPalette::Window, Qt::white);
    row("frmManual", "cmdCancel", 9.75, false, QPalette::Button, peach);
    row("frmManual", "txtDisp", 8.25, true);
    row("frmManual", "Label1", 14.25, true, QPalette::WindowText, blue);
    row("frmMDI", "lblCountry", 8.25, true);
    row("frmMDI", "txtDOB", 8.25, false);
}

void TestFrontWindows::fontsAndColoursFollowTheDesign()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    QWidget* w = openWindow(window);
    QVERIFY(w);
    auto* c = w->findChild<QWidget*>(control);
    QVERIFY2(c, qPrintable(control));
    if (points > 0) {
        QCOMPARE(c->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(c->font().pointSizeF(), points);
        QCOMPARE(c->font().bold(), bold);
    }
    if (colour.isValid())
        QCOMPARE(c->palette().color(QPalette::ColorRole(role)), colour);
    if (role == QPalette::Button) {
        // The face is drawn flat in that colour, not shaded from it: sample
        // it inside the border at the top, the middle and the bottom.
        const QImage face = c->grab().toImage();
        for (const int y : {3, face.height() / 2, face.height() - 4})
            QCOMPARE(face.pixelColor(3, y), colour);
    }
}

void TestFrontWindows::readingRoundTripStartsFresh()
{
    FrmTarot* tarot = openSpreadWindow(QStringLiteral("First"));
    QVERIFY(tarot);
    child<QListWidget>(tarot, "lstOption")->setCurrentRow(1);
    child<QPushButton>(tarot, "cmdAuto")->click();
    FrmMDI* mdi = existingFrmMDI();
    QVERIFY(mdi && mdi->isVisible());
    mdi->cmdRestart()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_quits, 0);
    QVERIFY(!existingFrmMDI());
    QVERIFY(existingFrmOpen() && existingFrmOpen()->isVisible());

    // The next reading starts from an empty querent window and a reset spread
    // window showing the new querent.
    child<QPushButton>(frmOpen(), "cmdReading")->click();
    FrmFront* front = existingFrmFront();
    QVERIFY(front);
    QVERIFY(child<QLineEdit>(front, "txtName")->text().isEmpty());
    child<QLineEdit>(front, "txtName")->setText(QStringLiteral("Second"));
    child<QPushButton>(front, "cmdNext")->click();
    tarot = existingFrmTarot();
    QVERIFY(tarot);
    QVERIFY(child<QLabel>(tarot, "lblInfo")->text().startsWith(QStringLiteral("Name: Second     Date: ")));
    QVERIFY(reading::currentReading().DrawnCards.isEmpty());
    QCOMPARE(reading::readingOptions().no, 10);
    QCOMPARE(existingFrmMDI()->txtName()->text(), QStringLiteral("Second"));

    // From here, the close box of the start window (after another Start
    // Again) still ends the program, exactly once.
    child<QPushButton>(tarot, "cmdAuto")->click();
    existingFrmMDI()->cmdRestart()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmOpen()->close();
    QCOMPARE(m_quits, 1);
}

void TestFrontWindows::helpMenusOpenTheirPages_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("page");
    QTest::newRow("querent help") << "front" << "mnuHelp" << "https://kestrune.example.org/help/";
    QTest::newRow("querent visit") << "front" << "mnuOnline" << "https://kestrune.example.org/";
    QTest::newRow("querent update") << "front" << "mnuupdate" << "https://kestrune.example.org/download/";
    QTest::newRow("spread help") << "tarot" << "mnuOnline" << "https://kestrune.example.org/help/";
    QTest::newRow("spread visit") << "tarot" << "mnuVisit" << "https://kestrune.example.org/";
    QTest::newRow("spread update") << "tarot" << "mnuUpdate" << "https://kestrune.example.org/download/";
}

void TestFrontWindows::helpMenusOpenTheirPages()
{
    QFETCH(QString, window);
    QFETCH(QString, entry);
    QFETCH(QString, page);
    QWidget* w = window == QLatin1String("front") ? static_cast<QWidget*>(openQuerentWindow())
                                                   : static_cast<QWidget*>(openSpreadWindow());
    QVERIFY(w);
    w->findChild<QAction*>(entry)->trigger();
    QCOMPARE(m_dialogs.openedUrls, QList<QUrl>{QUrl(page)});
    QVERIFY(w->isVisible());
}

void TestFrontWindows::aboutBoxShowsTitleVersionAndLink()
{
    FrmFront* front = openQuerentWindow();
    std::unique_ptr<QDialog> box(widgets::createAboutBox(front));
    QVERIFY(box->isModal());
    QCOMPARE(child<QLabel>(box.get(), "lblTitle")->text(), QStringLiteral("Kestrune"));
    QVERIFY(child<QLabel>(box.get(), "lblVersion")->text().contains(QStringLiteral("Version 1.55")));
    QVERIFY(!child<QLabel>(box.get(), "lblDescription")->text().isEmpty());
    auto* link = child<QLabel>(box.get(), "lblLink");
    emit link->linkActivated(QStringLiteral("https://kestrune.example.org/"));
    QCOMPARE(m_dialogs.openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://kestrune.example.org/"))});
    box->show();
    child<QPushButton>(box.get(), "cmdOK")->click();
    QCOMPARE(box->result(), int(QDialog::Accepted));
    QVERIFY(!box->isVisible());
}

QTEST_MAIN(TestFrontWindows)
#include "test_front_windows.moc"

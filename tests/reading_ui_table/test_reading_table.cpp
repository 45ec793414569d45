// The reading table, the result frame and the manual window, driven offscreen
// through the seams: a temporary application folder with small generated card
// pictures, recorded dialogs, seeded or scripted random numbers, skipped waits.

#include "reading_ui/Forms.h"
#include "reading_ui/FrmAuto.h"
#include "reading_ui/FrmMDI.h"
#include "reading_ui/FrmFront.h"
#include "reading_ui/FrmManual.h"
#include "reading_ui/FrmOpen.h"

#include "deck/Deck.h"
#include "imaging/Rotate.h"
#include "platform/AppFrame.h"
#include "platform/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Seams.h"
#include "reading/Records.h"
#include "spreads/Spreads.h"
#include "widgets/LinkDetect.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace kestrune;
using namespace kestrune::reading_ui;

namespace {

constexpr int kCardW = 20;
constexpr int kCardH = 34;

// A card picture that shows which way up it lies: a colour of its own with a
// white block in the top-left corner and a black stripe along the top.
QImage makeCard(int index)
{
    QImage image(kCardW, kCardH, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((index * 37) % 360, 200, 120 + index % 100));
    QPainter painter(&image);
    painter.fillRect(0, 0, kCardW, 3, Qt::black);
    painter.fillRect(0, 0, 6, 6, Qt::white);
    return image;
}

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

QImage boxImage(const QLabel* box) { return rgb32(box->pixmap().toImage()); }

QImage fileImage(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return rgb32(reader.read());
}

QImage halfTurn(const QImage& src)
{
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            out.setPixel(x, y, src.pixel(src.width() - 1 - x, src.height() - 1 - y));
    return out;
}

// Anticlockwise on screen: the source's top edge becomes the left edge.
QImage quarterTurn(const QImage& src)
{
    QImage out(src.height(), src.width(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, src.pixel(src.width() - 1 - y, x));
    return out;
}

// The same picture, allowing for the colour noise of an 8-bit round trip.
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 1 || qAbs(qGreen(p) - qGreen(q)) > 1 || qAbs(qBlue(p) - qBlue(q)) > 1)
                return false;
        }
    return true;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setChoices(int listPosition, bool lboo, bool hboo, bool rboo, bool manual)
{
    const spreads::Spread* spread = spreads::SpreadAtListPosition(listPosition);
    QVERIFY(spread);
    reading::currentReading().reset();
    reading::ReadingOptions& o = reading::readingOptions();
    o = reading::ReadingOptions();
    o.card = spread->name;
    o.no = spread->cardCount;
    o.MaxCardInSet = listPosition;
    o.lboo = lboo;
    o.hboo = hboo;
    o.rboo = rboo;
    o.ManualMode = manual;
    o.cmdAVal = !manual;
    o.cmdMValue = manual;
    reading::currentReading().Options = o;
}

QString resultText()
{
    FrmMDI* frame = existingFrmMDI();
    return frame ? frame->rtbDisp1()->toPlainText() : QString();
}

const QString kClosing = QStringLiteral("Thank You for using Brellix.");

} // namespace

class TestReadingTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void variantLaysOutTheSpread_data();
    void variantLaysOutTheSpread();
    void bothRestrictionsDrawNothing();
    void reversedCardsAreShownUpsideDown();
    void crossingCardLiesOnItsSideAndIsNeverReversed();
    void missingPictureLeavesItsBoxEmpty();
    void manualReadingOnlyEmptiesTheTable();
    void secondLoadDuringTheDrawIsIgnored();
    void closingWhileLayingOutAbandonsTheReading_data();
    void closingWhileLayingOutAbandonsTheReading();

    void frameShowsQuerentAndFollowsResizeRule();
    void frameStartAgainAndExit();
    void frameMadeEarlierShowsTheCurrentQuerent();

    void manualOffersBacksByOptions_data();
    void manualOffersBacksByOptions();
    void manualPicksShowGuidanceAndDeal_data();
    void manualPicksShowGuidanceAndDeal();
    void manualPicksDuringTheDealAreIgnored();
    void manualBackReturnsToQuerentWindow();
    void manualFrameClosedDuringDealStopsIt();

private:
    QString cardPath(int c) const { return deck::CardPicturePath(m_dir.path(), c); }

    QTemporaryDir m_dir;
    platform::RecordingDialogs m_dialogs;
    std::unique_ptr<platform::RandomSource> m_random;
    QList<int> m_waits;
    int m_quits = 0;
};

void TestReadingTable::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir root(m_dir.path());
    QVERIFY(root.mkpath(QStringLiteral("cards")));
    QVERIFY(root.mkpath(QStringLiteral("pic")));
    for (int c = 0; c < deck::kCardCount; ++c)
        QVERIFY(makeCard(c).save(cardPath(c), "JPG", 95));
    for (int s = 0; s < 8; ++s) {
        QImage guide(40, 60, QImage::Format_RGB32);
        guide.fill(QColor(10 * s, 100, 200));
        QVERIFY(guide.save(root.filePath(QStringLiteral("pic/c%1.jpg").arg(s)), "JPG"));
    }
    QImage back(23, 40, QImage::Format_RGB32);
    back.fill(QColor(30, 30, 140));
    QVERIFY(back.save(root.filePath(QStringLiteral("pic/back.jpg")), "JPG"));
}

void TestReadingTable::init()
{
    platform::resetSeams();
    platform::resetEnding();
    platform::setApplicationFolder(m_dir.path());
    platform::setSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
    m_dialogs.clear();
    platform::setDialogs(&m_dialogs);
    m_random = std::make_unique<platform::MersenneRandom>(20240601u);
    platform::setRandom(m_random.get());
    m_waits.clear();
    platform::setWaitHook([this](int ms) { m_waits.append(ms); });
    m_quits = 0;
    platform::setQuitHook([this] { ++m_quits; });
    reading::querentDetails() = reading::QuerentDetails();
}

void TestReadingTable::cleanup()
{
    platform::setEventPump(nullptr);
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->isWindow()) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->close();
        }
    }
    // Closing those windows may end the program in their close handling.
    platform::EndApplication();
    flushDeletes();
    QVERIFY(!existingFrmMDI());
    QVERIFY(!existingFrmAuto());
    QVERIFY(!existingFrmManual());
    platform::setDialogs(nullptr);
    platform::setRandom(nullptr);
    platform::resetSeams();
    platform::resetEnding();
}

// ---- The automatic table ---------------------------------------------------

void TestReadingTable::variantLaysOutTheSpread_data()
{
    QTest::addColumn<int>("listPosition");
    QTest::addColumn<bool>("lboo");
    QTest::addColumn<bool>("hboo");
    QTest::addColumn<bool>("rboo");

    QTest::newRow("DONE1 One Card") << 1 << false << false << false;
    QTest::newRow("DONE1 Celtic Cross") << 0 << false << false << false;
    QTest::newRow("DONE2 The Line Spread") << 4 << true << false << false;
    QTest::newRow("DONE3 Seven Card Chakra") << 6 << false << true << false;
    QTest::newRow("DONE4 Wystran Wheel") << 5 << false << false << true;
    QTest::newRow("DONE4 Two Cards") << 2 << false << false << true;
    QTest::newRow("DONE5 Four Seasons") << 7 << true << false << true;
    QTest::newRow("DONE6 Celtic Cross") << 0 << false << true << true;
    QTest::newRow("DONE6 Three Cards") << 3 << false << true << true;
}

void TestReadingTable::variantLaysOutTheSpread()
{
    QFETCH(int, listPosition);
    QFETCH(bool, lboo);
    QFETCH(bool, hboo);
    QFETCH(bool, rboo);
    setChoices(listPosition, lboo, hboo, rboo, false);
    const int n = reading::readingOptions().no;

    QVERIFY(ShowReadingTable());
    FrmAuto* table = existingFrmAuto();
    FrmMDI* frame = existingFrmMDI();
    QVERIFY(table && frame);
    QVERIFY(frame->isVisible());
    QCOMPARE(table->subWindow()->pos(), QPoint(0, 0));
    QCOMPARE(table->size(), QSize(platform::twips(11805), platform::twips(27225)));

    const reading::Reading& r = reading::currentReading();
    QCOMPARE(r.DrawnCards.size(), n);
    QCOMPARE(QSet<int>(r.DrawnCards.begin(), r.DrawnCards.end()).size(), n);
    const int base = lboo ? 22 : 0;
    const int size = lboo ? 56 : hboo ? 22 : 78;
    for (int c : r.DrawnCards)
        QVERIFY2(c >= base && c < base + size, qPrintable(QString::number(c)));
    if (!rboo)
        QVERIFY(r.ReversedCards.isEmpty());
    for (int c : r.ReversedCards)
        QVERIFY(r.DrawnCards.contains(c));

    for (int i = 0; i < FrmAuto::kBoxCount; ++i) {
        QLabel* box = table->p(i);
        QLabel* label = table->lbl(i);
        QVERIFY(box && label);
        if (i >= n) {
            QVERIFY2(box->isHidden() && label->isHidden(), qPrintable(box->objectName()));
            continue;
        }
        QVERIFY(box->isVisible() && box->isEnabled());
        QVERIFY(label->isVisible() && label->isEnabled());
        QCOMPARE(label->text(), QString::number(i + 1));
        QCOMPARE(label->parentWidget(), box);
        // A magenta number in heavy type at the box's top-left corner.
        const QPoint offset = spreads::LabelOffset(i);
        QCOMPARE(label->geometry(), platform::twipRect(offset.x(), offset.y(), 615, 495));
        QCOMPARE(label->font().weight(), QFont::Black);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 255));
        const QPoint at = spreads::PositionPlacement(listPosition, i);
        QCOMPARE(box->pos(), platform::twipPoint(at.x(), at.y()));
        const bool crossing = spreads::IsCrossingPosition(listPosition, i);
        // The box takes the size of the picture put into it.
        QCOMPARE(box->size(), crossing ? QSize(kCardH, kCardW) : QSize(kCardW, kCardH));
        const QImage upright = fileImage(cardPath(r.DrawnCards[i]));
        const QImage expected = crossing ? quarterTurn(upright)
            : r.IsPositionReversed(i)    ? halfTurn(upright)
                                         : upright;
        QVERIFY2(samePixels(boxImage(box), expected), qPrintable(box->objectName()));
    }

    // The reading is written from its header to its closing line and shown
    // from the first line.
    const QString text = resultText();
    QVERIFY(text.contains(spreads::SpreadAtListPosition(listPosition)->reportHeading));
    QVERIFY(text.contains(kClosing));
    for (int i = 0; i < n; ++i)
        QVERIFY(text.contains(deck::CardHeading(r.DrawnCards[i], r.IsPositionReversed(i))));
    QCOMPARE(frame->rtbDisp1()->textCursor().position(), 0);
    QVERIFY(!table->isLayingOut());
}

void TestReadingTable::bothRestrictionsDrawNothing()
{
    setChoices(3, true, true, false, false);
    QVERIFY(ShowReadingTable());
    FrmAuto* table = existingFrmAuto();
    QVERIFY(reading::currentReading().DrawnCards.isEmpty());
    for (int i = 0; i < FrmAuto::kBoxCount; ++i)
        QVERIFY(table->p(i)->isHidden());
    const QString text = resultText();
    QVERIFY(text.contains(spreads::SpreadAtListPosition(3)->reportHeading));
    QVERIFY(!text.contains(kClosing));
}

void TestReadingTable::reversedCardsAreShownUpsideDown()
{
    // Three Cards from the full deck: cards 0, 39 and 77 (u * 78), then the
    // reversal values: reversed, upright, reversed.
    platform::ScriptedRandom scripted({0.0f, 0.5f, 0.999f, 0.9f, 0.1f, 0.7f});
    platform::setRandom(&scripted);
    setChoices(3, false, false, true, false);
    QVERIFY(ShowReadingTable());
    const reading::Reading& r = reading::currentReading();
    QCOMPARE(r.DrawnCards, QList<int>({0, 39, 77}));
    QCOMPARE(r.ReversedCards, QList<int>({0, 77}));
    FrmAuto* table = existingFrmAuto();
    QVERIFY(samePixels(boxImage(table->p(0)), halfTurn(fileImage(cardPath(0)))));
    QVERIFY(samePixels(boxImage(table->p(1)), fileImage(cardPath(39))));
    QVERIFY(samePixels(boxImage(table->p(2)), halfTurn(fileImage(cardPath(77)))));
    const QString text = resultText();
    QVERIFY(text.contains(deck::CardName(77) + QStringLiteral(" - Reversed")));
    QVERIFY(!text.contains(deck::CardName(39) + QStringLiteral(" - Reversed")));
}

void TestReadingTable::crossingCardLiesOnItsSideAndIsNeverReversed()
{
    // Celtic Cross with reversal: every reversal value says "reversed", the
    // crossing card's included.
    std::vector<float> values;
    for (int i = 0; i < 10; ++i)
        values.push_back(float(i) / 10.0f + 0.01f);
    for (int i = 0; i < 10; ++i)
        values.push_back(0.95f);
    platform::ScriptedRandom scripted(values);
    platform::setRandom(&scripted);
    setChoices(0, false, false, true, false);
    QVERIFY(ShowReadingTable());
    const reading::Reading& r = reading::currentReading();
    QCOMPARE(r.DrawnCards.size(), 10);
    QCOMPARE(r.ReversedCards.size(), 9);
    QVERIFY(!r.ReversedCards.contains(r.DrawnCards[1]));
    FrmAuto* table = existingFrmAuto();
    QLabel* crossing = table->p(1);
    QVERIFY(crossing->width() > crossing->height());
    QVERIFY(samePixels(boxImage(crossing), quarterTurn(fileImage(cardPath(r.DrawnCards[1])))));
    for (int i = 0; i < 10; ++i) {
        if (i != 1)
            QVERIFY(table->p(i)->height() > table->p(i)->width());
    }
    QVERIFY(table->Img()->isHidden());
}

void TestReadingTable::missingPictureLeavesItsBoxEmpty()
{
    // Three Cards 0, 39, 77, all reversed; card 39's picture is missing. Its
    // box is placed and numbered but shows no picture, and never the turned
    // picture of the card before it.
    const QString missing = cardPath(39);
    QVERIFY(QFile::rename(missing, missing + QStringLiteral(".away")));
    platform::ScriptedRandom scripted({0.0f, 0.5f, 0.999f, 0.9f, 0.9f, 0.9f});
    platform::setRandom(&scripted);
    setChoices(3, false, false, true, false);
    const bool shown = ShowReadingTable();
    QVERIFY(QFile::rename(missing + QStringLiteral(".away"), missing));
    QVERIFY(shown);
    FrmAuto* table = existingFrmAuto();
    QVERIFY(table->p(1)->isVisible() && table->lbl(1)->isVisible());
    QVERIFY(table->p(1)->pixmap().isNull());
    QVERIFY(samePixels(boxImage(table->p(2)), halfTurn(fileImage(cardPath(77)))));
    QVERIFY(resultText().contains(deck::CardHeading(39, true)));
}

void TestReadingTable::manualReadingOnlyEmptiesTheTable()
{
    setChoices(0, false, false, true, true);
    FrmAuto* table = frmAuto();
    QVERIFY(table);
    QVERIFY(reading::currentReading().DrawnCards.isEmpty());
    for (int i = 0; i < FrmAuto::kBoxCount; ++i) {
        QVERIFY(table->p(i)->isHidden() && !table->p(i)->isEnabled());
        QVERIFY(table->p(i)->pixmap().isNull());
    }
    const QString text = resultText();
    QVERIFY(text.contains(spreads::SpreadAtListPosition(0)->reportHeading));
    QVERIFY(!text.contains(kClosing));
}

void TestReadingTable::secondLoadDuringTheDrawIsIgnored()
{
    setChoices(0, false, false, false, false);
    int pumps = 0;
    int nestedTables = 0;
    platform::setEventPump([&] {
        // An event handled during the draw asks for the table again.
        if (++pumps == 2) {
            FrmAuto* again = frmAuto();
            if (again)
                again->Form_Load();
            nestedTables += again == existingFrmAuto() ? 1 : 0;
            ShowReadingTable();
        }
    });
    QVERIFY(ShowReadingTable());
    QVERIFY(pumps >= 10);
    QCOMPARE(nestedTables, 1);
    const reading::Reading& r = reading::currentReading();
    QCOMPARE(r.DrawnCards.size(), 10);
    QCOMPARE(existingFrmMDI()->mdiArea()->subWindowList().size(), 1);
    QCOMPARE(resultText().count(kClosing), 1);
    QCOMPARE(resultText().count(spreads::SpreadAtListPosition(0)->reportHeading), 1);
}

void TestReadingTable::closingWhileLayingOutAbandonsTheReading_data()
{
    QTest::addColumn<int>("closeAtPump");
    QTest::addColumn<bool>("endProgram");
    QTest::addColumn<bool>("rotating");
    // The first yields belong to the draw, later ones to the turns.
    QTest::newRow("Start Again during the draw") << 3 << false << false;
    QTest::newRow("Start Again during a rotation") << 25 << false << true;
    QTest::newRow("Exit during the draw") << 1 << true << false;
    QTest::newRow("Exit during a rotation") << 40 << true << true;
}

void TestReadingTable::closingWhileLayingOutAbandonsTheReading()
{
    QFETCH(int, closeAtPump);
    QFETCH(bool, endProgram);
    QFETCH(bool, rotating);
    setChoices(0, false, false, true, false);
    frmMDI();
    int pumps = 0;
    platform::setEventPump([&] {
        if (++pumps != closeAtPump)
            return;
        FrmMDI* frame = existingFrmMDI();
        QVERIFY(frame && frame->table() && frame->table()->isLayingOut());
        QCOMPARE(imaging::RotationInProgress(), rotating);
        if (endProgram)
            frame->cmdExit_Click();
        else
            frame->cmdRestart_Click();
        // Worst case: the windows are deleted at once, under the layout's feet.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    QVERIFY(!ShowReadingTable());
    QVERIFY(pumps >= closeAtPump);
    flushDeletes();
    QVERIFY(!existingFrmMDI());
    QVERIFY(!existingFrmAuto());
    QCOMPARE(m_quits, endProgram ? 1 : 0);
    if (!endProgram)
        QVERIFY(existingFrmOpen());
}

// ---- The result frame ------------------------------------------------------

void TestReadingTable::frameShowsQuerentAndFollowsResizeRule()
{
    reading::QuerentDetails& q = reading::querentDetails();
    q.strName = QStringLiteral("Ada");
    q.strDOB = QStringLiteral("January 1, 1980");
    q.strCountry = QStringLiteral("Wales");
    q.strQ = QStringLiteral("Will it rain?");
    FrmMDI* frame = frmMDI();
    QVERIFY(!frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Kestrune v1.55"));
    QCOMPARE(frame->txtName()->text(), QStringLiteral("Ada"));
    QCOMPARE(frame->txtDOB()->text(), QStringLiteral("January 1, 1980"));
    QCOMPARE(frame->txtCountry()->text(), QStringLiteral("Wales"));
    QCOMPARE(frame->txtQ()->text(), QStringLiteral("Will it rain?"));

    // It opens maximized, so that the whole height of the reading text shows.
    QVERIFY(frame->windowState() & Qt::WindowMaximized);
    frame->show();
    for (int width : {900, 400, 100}) {
        frame->resize(width, 600);
        QTest::qWait(0);
        const int outer = platform::pixelsToTwips(frame->frameGeometry().width());
        QCOMPARE(frame->cmdRestart()->x(), platform::twips(outer - 1245 - 300));
        QCOMPARE(frame->cmdExit()->x(), platform::twips(outer - 1245 - 300 - 1245 - 100));
        // The reading text keeps its width and follows its panel's height.
        QCOMPARE(frame->rtbDisp1()->width(), platform::twips(3645));
        QCOMPARE(frame->rtbDisp1()->height(), frame->rtbDisp1()->parentWidget()->height());
        QCOMPARE(frame->cmdExit()->y(), platform::twips(180));
    }
    // Narrower than the two buttons: they move off to the left.
    QVERIFY(frame->cmdExit()->x() < 0);

    QStringList menus;
    for (const char* name : {"mnuStart", "mnuExit", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}) {
        auto* action = frame->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        menus << action->text();
    }
    QCOMPARE(menus, QStringList({QStringLiteral("&Start Again"), QStringLiteral("E&xit"),
                                 QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                                 QStringLiteral("Check for Software &Update"), QStringLiteral("&About Software")}));
    frame->findChild<QAction*>(QStringLiteral("mnuOnline"))->trigger();
    QCOMPARE(m_dialogs.openedUrls.size(), 1);
}

void TestReadingTable::frameStartAgainAndExit()
{
    // Two readings one after the other show the second querent's details and
    // start from an emptied reading text.
    for (const QString& name : {QStringLiteral("First"), QStringLiteral("Second")}) {
        reading::querentDetails().strName = name;
        frmMDI();
        setChoices(1, false, false, false, false);
        QVERIFY(ShowReadingTable());
        FrmMDI* frame = existingFrmMDI();
        QCOMPARE(frame->txtName()->text(), name);
        QCOMPARE(resultText().count(kClosing), 1);
        // The forum address in the header and in the closing line are links.
        QCOMPARE(widgets::UrlDetectBox(), frame->rtbDisp1());
        QStringList links;
        for (const widgets::LinkRange& l : widgets::MarkedLinks())
            links << resultText().mid(l.start, l.length);
        QCOMPARE(links, QStringList(2, appinfo::forumAddress()));
        frame->findChild<QAction*>(QStringLiteral("mnuStart"))->trigger();
        flushDeletes();
        QVERIFY(!widgets::IsUrlDetectOn());
        QVERIFY(!existingFrmMDI());
        QVERIFY(existingFrmOpen() && existingFrmOpen()->isVisible());
        QCOMPARE(m_quits, 0);
    }
    frmMDI()->show();
    existingFrmMDI()->cmdExit()->click();
    flushDeletes();
    QVERIFY(!existingFrmMDI());
    QCOMPARE(m_quits, 1);
    QVERIFY(platform::isEnding());
}

void TestReadingTable::frameMadeEarlierShowsTheCurrentQuerent()
{
    // "&Next", back to the querent window, new details, "&Next" again: the
    // frame made the first time is reused and must show the new querent.
    reading::querentDetails().strName = QStringLiteral("Before");
    frmMDI();
    reading::querentDetails().strName = QStringLiteral("After");
    QCOMPARE(frmMDI()->txtName()->text(), QStringLiteral("Before"));
    setChoices(2, false, false, false, false);
    QVERIFY(ShowReadingTable());
    QCOMPARE(existingFrmMDI()->txtName()->text(), QStringLiteral("After"));
}

// ---- Manual picking --------------------------------------------------------

void TestReadingTable::manualOffersBacksByOptions_data()
{
    QTest::addColumn<bool>("lboo");
    QTest::addColumn<bool>("hboo");
    QTest::addColumn<int>("offered");
    QTest::newRow("whole deck") << false << false << 78;
    QTest::newRow("major arcana") << false << true << 22;
    QTest::newRow("minor arcana") << true << false << 56;
}

void TestReadingTable::manualOffersBacksByOptions()
{
    QFETCH(bool, lboo);
    QFETCH(bool, hboo);
    QFETCH(int, offered);
    setChoices(0, lboo, hboo, false, true);
    FrmManual* manual = frmManual();
    manual->show();
    int shown = 0;
    for (int i = 0; i < FrmManual::kBackCount; ++i) {
        QLabel* back = manual->p(i);
        QCOMPARE(back->isVisible(), i < offered);
        QCOMPARE(back->isEnabled(), i < offered);
        shown += back->isVisible() ? 1 : 0;
        QCOMPARE(back->pos(), platform::twipPoint(90 + 375 * (i % 13), 180 + 630 * (i / 13)));
    }
    QCOMPARE(shown, offered);
    QVERIFY(reading::readingOptions().ManualMode);
    QVERIFY(!manual->picManual()->pixmap().isNull());
    QVERIFY(manual->picMessage()->isHidden());
}

void TestReadingTable::manualPicksShowGuidanceAndDeal_data()
{
    QTest::addColumn<int>("listPosition");
    QTest::addColumn<bool>("lboo");
    QTest::addColumn<bool>("hboo");
    QTest::addColumn<bool>("rboo");
    QTest::newRow("One Card, whole deck") << 1 << false << false << false;
    QTest::newRow("Celtic Cross, major, reversal") << 0 << false << true << true;
    QTest::newRow("Chakra, minor") << 6 << true << false << false;
    QTest::newRow("Four Seasons, reversal") << 7 << false << false << true;
}

void TestReadingTable::manualPicksShowGuidanceAndDeal()
{
    QFETCH(int, listPosition);
    QFETCH(bool, lboo);
    QFETCH(bool, hboo);
    QFETCH(bool, rboo);
    setChoices(listPosition, lboo, hboo, rboo, true);
    const spreads::Spread* spread = spreads::SpreadAtListPosition(listPosition);
    const int n = spread->cardCount;
    FrmManual* manual = frmManual();
    manual->show();
    QPointer<FrmManual> guard(manual);

    auto guidance = [&](int pos) {
        return spreads::PositionGuidance(*spread, pos).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    QCOMPARE(manual->txtDisp()->toPlainText(), guidance(0));
    for (int pick = 0; pick < n - 1; ++pick) {
        QTest::mouseClick(manual->p(pick), Qt::LeftButton);
        QVERIFY(manual->p(pick)->isHidden());
        QCOMPARE(manual->pickCount(), pick + 1);
        QCOMPARE(manual->txtDisp()->toPlainText(), guidance(pick + 1));
        // A picked back cannot be picked again.
        manual->p_Click(pick);
        QCOMPARE(manual->pickCount(), pick + 1);
    }
    QVERIFY(m_waits.isEmpty());
    QTest::mouseClick(manual->p(n + 2), Qt::LeftButton);
    flushDeletes();

    QVERIFY(!guard);
    QCOMPARE(m_waits, QList<int>({3000}));
    const reading::Reading& r = reading::currentReading();
    QCOMPARE(r.DrawnCards.size(), n);
    QCOMPARE(QSet<int>(r.DrawnCards.begin(), r.DrawnCards.end()).size(), n);
    for (int c : r.DrawnCards)
        QVERIFY(lboo ? c >= 22 : hboo ? c < 22 : deck::IsCardIndex(c));
    if (!rboo)
        QVERIFY(r.ReversedCards.isEmpty());

    FrmMDI* frame = existingFrmMDI();
    FrmAuto* table = existingFrmAuto();
    QVERIFY(frame && table && frame->isVisible());
    for (int i = 0; i < FrmAuto::kBoxCount; ++i) {
        QLabel* box = table->p(i);
        QCOMPARE(box->isVisible(), i < n);
        QCOMPARE(table->lbl(i)->isVisible(), i < n);
        if (i >= n)
            continue;
        const QPoint at = spreads::PositionPlacement(listPosition, i);
        QCOMPARE(box->pos(), platform::twipPoint(at.x(), at.y()));
        const QImage upright = fileImage(cardPath(r.DrawnCards[i]));
        const QImage expected = spreads::IsCrossingPosition(listPosition, i) ? quarterTurn(upright)
            : r.IsPositionReversed(i)                                        ? halfTurn(upright)
                                                                             : upright;
        QVERIFY2(samePixels(boxImage(box), expected), qPrintable(box->objectName()));
    }
    const QString text = resultText();
    QCOMPARE(text.count(spread->reportHeading), 1);
    QCOMPARE(text.count(kClosing), 1);
    for (int i = 0; i < n; ++i)
        QVERIFY(text.contains(deck::CardHeading(r.DrawnCards[i], r.IsPositionReversed(i))));
    QCOMPARE(frame->rtbDisp1()->textCursor().position(), 0);
}

void TestReadingTable::manualPicksDuringTheDealAreIgnored()
{
    setChoices(2, false, false, true, true);
    FrmManual* manual = frmManual();
    manual->show();
    QPointer<FrmManual> guard(manual);
    int pumps = 0;
    platform::setEventPump([&] {
        ++pumps;
        // Clicks on the remaining backs, "Back" and the menu while dealing.
        if (guard && guard->isDealing()) {
            guard->p_Click(10 + pumps % 50);
            guard->cmdBack_Click();
            // The table's own close box cannot take it away mid-deal.
            if (FrmAuto* table = existingFrmAuto())
                table->subWindow()->close();
        }
    });
    manual->p_Click(0);
    manual->p_Click(1);
    flushDeletes();
    QVERIFY(pumps > 0);
    QVERIFY(!guard);
    QCOMPARE(m_waits.size(), 1);
    QCOMPARE(reading::currentReading().DrawnCards.size(), 2);
    QVERIFY(!existingFrmFront());
    QVERIFY(existingFrmMDI() && existingFrmMDI()->isVisible());
    QVERIFY(existingFrmAuto() && existingFrmAuto()->p(1)->isVisible());
    QCOMPARE(resultText().count(kClosing), 1);
}

void TestReadingTable::manualBackReturnsToQuerentWindow()
{
    setChoices(0, false, false, false, true);
    FrmManual* manual = frmManual();
    manual->show();
    manual->p_Click(5);
    manual->p_Click(6);
    manual->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    flushDeletes();
    QVERIFY(!existingFrmManual());
    QVERIFY(existingFrmFront() && existingFrmFront()->isVisible());
    QVERIFY(!existingFrmAuto());
    QCOMPARE(m_quits, 0);
}

void TestReadingTable::manualFrameClosedDuringDealStopsIt()
{
    setChoices(0, false, false, true, true);
    FrmManual* manual = frmManual();
    manual->show();
    QPointer<FrmManual> guard(manual);
    for (int i = 0; i < 9; ++i)
        manual->p_Click(i);
    int pumps = 0;
    platform::setEventPump([&] {
        // Once the table is up, the user restarts the reading from the frame.
        if (++pumps > 0 && existingFrmAuto() && existingFrmMDI() && existingFrmMDI()->isVisible()
            && reading::currentReading().DrawnCards.size() == 3) {
            existingFrmMDI()->cmdRestart_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    });
    manual->p_Click(9);
    flushDeletes();
    QVERIFY(!guard);
    QVERIFY(!existingFrmMDI());
    QVERIFY(!existingFrmAuto());
    QVERIFY(existingFrmOpen() && existingFrmOpen()->isVisible());
    QCOMPARE(m_quits, 0);
}

QTEST_MAIN(TestReadingTable)
#include "test_reading_table.moc"

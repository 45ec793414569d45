#include "tutor/ui/FrmMain.h"

#include "tutor/Recordset.h"
#include "tutor/TestReport.h"
#include "tutor/ui/AnswerButton.h"
#include "tutor/ui/CardPictures.h"
#include "tutor/ui/TutorWindow.h"

#include "platform/AppFrame.h"
#include "platform/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "widgets/AboutBox.h"
#include "widgets/DatePicker.h"
#include "widgets/WebLinks.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace kestrune::tutor_ui {

using platform::placeTwips;

namespace {

QPointer<FrmMain> g_frmMain;

// Client area of the window and of the tab control, in twips.
constexpr int kClientWidth = 10800;
constexpr int kClientHeight = 8280;
// Picture boxes hold a 130 x 225 pixel card inside their one-pixel border.
constexpr int kPictureWidth = 1980;
constexpr int kPictureHeight = 3405;

template <typename W>
W* make(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    placeTwips(w, left, top, width, height);
    return w;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height, bool wrap = false)
{
    auto* label = make<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

template <typename B>
B* makeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
              int height)
{
    auto* b = make<B>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                     int width, int height)
{
    auto* frame = make<QGroupBox>(parent, name, left, top, width, height);
    frame->setTitle(caption);
    return frame;
}

QTextEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = make<QTextEdit>(parent, name, left, top, width, height);
    box->setAcceptRichText(false);
    box->setReadOnly(true);
    return box;
}

QLabel* makePictureBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = make<QLabel>(parent, name, left, top, width, height);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFrameShape(QFrame::Box);
    box->setLineWidth(1);
    return box;
}

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

// Puts a window not yet shown in the middle of the primary screen's free area,
// as the start and reading windows are; the position holds when the window is
// first shown, also later from the tray.
void centreBeforeShowing(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace

// ============================================================================
// Construction
// ============================================================================

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent), m_study(tutor::CardRecords())
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kestrune v1.55"));
    setWindowIcon(platform::programIcon());
    setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(platform::twips(kClientWidth), platform::twips(kClientHeight));
    setCentralWidget(client);

    SSTab1 = make<QTabWidget>(client, QStringLiteral("SSTab1"), 120, 120, 10560, 7440);
    const QStringList captions = {
        QStringLiteral(" My Personal Goal "),
        QStringLiteral("     Settings       "),
        QStringLiteral("  Memorize Cards  "),
        QStringLiteral("      Take Test     "),
        QStringLiteral("       Results        "),
    };
    std::array<QWidget*, 5> pages{};
    for (int i = 0; i < 5; ++i) {
        pages[std::size_t(i)] = new QWidget;
        pages[std::size_t(i)]->setObjectName(indexed("SSTab1Page", i));
        SSTab1->addTab(pages[std::size_t(i)], captions.at(i));
    }
    buildGoalsTab(pages[0]);
    buildSettingsTab(pages[1]);
    buildStudyTab(pages[2]);
    buildTestTab(pages[3]);
    buildResultsTab(pages[4]);

    cmdBack = makeButton<QPushButton>(client, QStringLiteral("cmdBack"), QStringLiteral("Back"), 7680, 7680,
                                      1335, 435);
    cmdNav1 = makeButton<QPushButton>(client, QStringLiteral("cmdNav_1"), QStringLiteral("Exit"), 9240, 7680,
                                      1335, 435);
    // Receives the tray icon's notifications; never shown.
    picHook = make<QWidget>(client, QStringLiteral("picHook"), 120, 7680, 495, 435);
    picHook->hide();

    buildMenus();

    connect(cmdBack, &QPushButton::clicked, this, &FrmMain::goBack);
    connect(cmdNav1, &QPushButton::clicked, this, &FrmMain::endProgram);
    connect(SSTab1, &QTabWidget::currentChanged, this, &FrmMain::onTabSelected);

    attachGoalsAndSettings();

    setFixedSize(sizeHint());
    g_frmMain = this;
}

FrmMain::~FrmMain() = default;

void FrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto addAction = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    QMenu* mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFileAction"));
    QAction* mnuTabGoals = addAction(mnuFile, "mnuTabGoals", QStringLiteral("&My Personal Goals"));
    QAction* mnuTabSettings = addAction(mnuFile, "mnuTabSettings", QStringLiteral("Setings"));
    mnuFile->addSeparator();
    QAction* mnuBack = addAction(mnuFile, "mnuBack", QStringLiteral("&Back"));
    mnuFile->addSeparator();
    QAction* mnuExit1 = addAction(mnuFile, "mnuExit1", QStringLiteral("&Exit"));

    QMenu* mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelpAction"));
    QAction* mnuOnline = addAction(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    QAction* mnuVisit = addAction(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    mnuHelp->addSeparator();
    QAction* mnuUpdate = addAction(mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    mnuHelp->addSeparator();
    QAction* mnuAbout = addAction(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    // The tray icon's menu; not part of the menu bar.
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuShow = addAction(mnuPopUp, "mnuShow", QStringLiteral("Show"));
    mnuExit = addAction(mnuPopUp, "mnuExit", QStringLiteral("Exit"));
    mnuPopUp->setDefaultAction(mnuShow);

    connect(mnuTabGoals, &QAction::triggered, this, [this] { selectTab(GoalsTab); });
    connect(mnuTabSettings, &QAction::triggered, this, [this] { selectTab(SettingsTab); });
    connect(mnuBack, &QAction::triggered, this, &FrmMain::goBack);
    connect(mnuExit1, &QAction::triggered, this, &FrmMain::endProgram);
    connect(mnuExit, &QAction::triggered, this, &FrmMain::endProgram);
    connect(mnuOnline, &QAction::triggered, this, [] { widgets::openOnlineHelp(); });
    connect(mnuVisit, &QAction::triggered, this, [] { widgets::openHomePage(); });
    connect(mnuUpdate, &QAction::triggered, this, [] { widgets::openDownloadPage(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { widgets::showAboutBox(this); });
}

void FrmMain::buildGoalsTab(QWidget* page)
{
    makeLabel(page, QStringLiteral("Label10"),
              QStringLiteral("It is important to set goals and targets to be able to see and measure your "
                             "achievements. This seemingly small task will yield tremendous results, when taken "
                             "seriously. Setting goals will help you keep a clear, focussed and dedicated mindset "
                             "towards fulfilling your aims in life. "),
              120, 120, 4320, 1320, true);

    ListView1 = make<QTreeWidget>(page, QStringLiteral("ListView1"), 120, 1560, 4320, 3480);
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QStringLiteral("Goals"), QString()});
    ListView1->setColumnHidden(1, true);
    ListView1->setRootIsDecorated(false);

    // Two push-button-like options on top of each other: the one in front is the
    // view the user can switch to.
    for (int i = 0; i < 2; ++i) {
        optGoals[std::size_t(i)] = makeButton<QPushButton>(
            page, indexed("optGoals", i),
            i == 0 ? QStringLiteral("View Current Goals") : QStringLiteral("View Achieved Goals"), 120, 5160,
            4320, 435);
        optGoals[std::size_t(i)]->setCheckable(true);
        optGoals[std::size_t(i)]->setAutoExclusive(true);
    }
    optGoals[1]->raise();

    cmdDeleteGoals = makeButton<QPushButton>(page, QStringLiteral("cmdDeleteGoals"),
                                             QStringLiteral("Delete Selected Goals"), 120, 5700, 4320, 435);
    cmdMarkAchived = makeButton<QPushButton>(page, QStringLiteral("cmdMarkAchived"),
                                             QStringLiteral("Mark Selected Goals As Achieved"), 120, 6240, 4320,
                                             435);

    makeLabel(page, QStringLiteral("Label15"), QStringLiteral("Name Of Goal"), 4680, 120, 3000, 255);
    txtGoalName = make<QLineEdit>(page, QStringLiteral("txtGoalName"), 4680, 390, 5640, 315);
    makeLabel(page, QStringLiteral("Label16"), QStringLiteral("Description Of Goal"), 4680, 840, 3000, 255);
    txtGoalDesc = make<QTextEdit>(page, QStringLiteral("txtGoalDesc"), 4680, 1110, 5640, 1440);
    txtGoalDesc->setAcceptRichText(false);

    makeLabel(page, QStringLiteral("Label12"), QStringLiteral("Goal Starting Date:"), 4680, 2730, 1920, 255);
    mydtpStartingDate = make<widgets::UserControl1>(page, QStringLiteral("mydtpStartingDate"), 6720, 2680, 3195, 400);
    makeLabel(page, QStringLiteral("Label11"), QStringLiteral("Goal Ending Date:"), 4680, 3240, 1920, 255);
    mydtpEndingDate = make<widgets::UserControl1>(page, QStringLiteral("mydtpEndingDate"), 6720, 3190, 3195, 400);

    QGroupBox* frame3 = makeFrame(page, QStringLiteral("Frame3"), QStringLiteral("Goal Timer"), 4680, 3720,
                                  5640, 1440);
    makeLabel(frame3, QStringLiteral("Label7"), QStringLiteral("Total Day(s) To Achieve Goal"), 120, 300, 3480,
              255);
    lblDayCount = makeLabel(frame3, QStringLiteral("lblDayCount"), QString(), 3720, 300, 1680, 255);
    makeLabel(frame3, QStringLiteral("Label1"), QStringLiteral("Day(s) Remaining To Achieve Goal"), 120, 660,
              3480, 255);
    lblDaysRemaining = makeLabel(frame3, QStringLiteral("lblDaysRemaining"), QString(), 3720, 660, 1680, 255);
    makeLabel(frame3, QStringLiteral("Label13"), QStringLiteral("Select  Achieved Percentage Of Goal"), 120,
              1020, 3480, 255);
    Combo3 = make<QComboBox>(frame3, QStringLiteral("Combo3"), 3720, 960, 1200, 315);
    for (int p = 0; p <= 100; ++p)
        Combo3->addItem(QString::number(p));

    lblInfo = makeLabel(page, QStringLiteral("lblInfo"), QString(), 4680, 5280, 5640, 435, true);

    cmdNewGoal = makeButton<QPushButton>(page, QStringLiteral("cmdNewGoal"), QStringLiteral("Set New Goals"),
                                         4680, 5820, 2700, 435);
    cmdSaveGoals = makeButton<QPushButton>(page, QStringLiteral("cmdSaveGoals"),
                                           QStringLiteral("Save / Update Goal"), 7620, 5820, 2700, 435);

    txtGoalName->setEnabled(false);
    txtGoalDesc->setEnabled(false);
    Combo3->setEnabled(false);
    cmdSaveGoals->setEnabled(false);
}

void FrmMain::buildSettingsTab(QWidget* page)
{
    QGroupBox* frame4 = makeFrame(page, QStringLiteral("Frame4"), QStringLiteral("Select Objectives"), 120, 120,
                                  5040, 4440);
    makeLabel(frame4, QStringLiteral("Label18"),
              QStringLiteral("Here you can select the cards you want to practice / memorize. You can change these "
                             "whenever you want or when you have cleared one objective."),
              120, 300, 4800, 720, true);
    chkMajor = makeButton<QCheckBox>(frame4, QStringLiteral("chkMajor"), QStringLiteral("Major Arcana"), 240,
                                     1080, 2160, 285);
    chkReversed = makeButton<QCheckBox>(frame4, QStringLiteral("chkReversed"), QStringLiteral("Reversed"), 2640,
                                        1080, 2160, 285);
    chkMinor = makeButton<QCheckBox>(frame4, QStringLiteral("chkMinor"), QStringLiteral("Minor Arcana"), 240,
                                     1410, 2160, 285);
    const QStringList suits = {QStringLiteral("Cups"), QStringLiteral("Wands"), QStringLiteral("Pentacles"),
                               QStringLiteral("Swords")};
    for (int i = 0; i < 4; ++i)
        chkGroup[std::size_t(i)] = makeButton<QCheckBox>(frame4, indexed("chkGroup", i), suits.at(i), 600,
                                                         1740 + 330 * i, 1800, 285);
    makeLabel(frame4, QStringLiteral("Label21"),
              QStringLiteral("Since the keywords for both upright & reversed are the same, during keyword test, "
                             "reversed or upright will not be taken into account. Also during the memorizing "
                             "process everything - upright, reversed & keywords - are shown in one screen."),
              120, 3120, 4800, 1200, true);

    cmdSetOption = makeButton<QPushButton>(page, QStringLiteral("cmdSetOption"),
                                           QStringLiteral("Memorize Meaning / Keywords"), 120, 4680, 2940, 495);
    cmdStartTest2 = makeButton<QPushButton>(page, QStringLiteral("cmdStartTest2"), QStringLiteral("Test Me"),
                                            3180, 4680, 1980, 495);

    QGroupBox* frame2 = makeFrame(page, QStringLiteral("Frame2"), QStringLiteral("Test Type"), 5400, 120, 4920,
                                  1320);
    optTestType[0] = makeButton<QRadioButton>(frame2, QStringLiteral("optTestType_0"),
                                              QStringLiteral("Description"), 240, 300, 1680, 285);
    optTestType[1] = makeButton<QRadioButton>(frame2, QStringLiteral("optTestType_1"),
                                              QStringLiteral("Keywords"), 240, 660, 1680, 285);
    makeLabel(frame2, QStringLiteral("Label20"),
              QStringLiteral("This option applies only when taking the test. Pick the card's meaning, or tick "
                             "its keywords."),
              2040, 270, 2760, 960, true);

    QGroupBox* frame1 = makeFrame(page, QStringLiteral("Frame1"), QStringLiteral("Test Level"), 5400, 1560, 4920,
                                  1380);
    const QStringList levels = {QStringLiteral("Beginner"), QStringLiteral("Intermediate"),
                                QStringLiteral("Advanced")};
    for (int i = 0; i < 3; ++i)
        optDifficulty[std::size_t(i)] = makeButton<QRadioButton>(frame1, indexed("optDifficulty", i), levels.at(i),
                                                                 240, 300 + 330 * i, 1680, 285);
    makeLabel(frame1, QStringLiteral("Label19"),
              QStringLiteral("This option applies only when taking the test. The higher the level, the more "
                             "answers to choose from and the more keywords to find."),
              2040, 270, 2760, 1020, true);

    QGroupBox* fraSystemTray = makeFrame(page, QStringLiteral("fraSystemTray"),
                                         QStringLiteral("Run on Windows Start-Up"), 5400, 3060, 4920, 2460);
    optRun = makeButton<QRadioButton>(fraSystemTray, QStringLiteral("optRun"), QStringLiteral("Run at start-up"),
                                      240, 300, 2280, 285);
    optDontRun = makeButton<QRadioButton>(fraSystemTray, QStringLiteral("optDontRun"),
                                          QStringLiteral("Don't run at start-up"), 2520, 300, 2280, 285);
    chkSysTray = makeButton<QCheckBox>(fraSystemTray, QStringLiteral("chkSysTray"),
                                       QStringLiteral("Start at system tray"), 240, 660, 2880, 285);
    makeLabel(fraSystemTray, QStringLiteral("Label14"),
              QStringLiteral("This is a very important setting. Remember that if you want to get the most benefit "
                             "from this program then you must have it running at all times.\n\n"
                             "It is also important that you keep your goals in mind, hence starting in system "
                             "tray will be a deterrent to those goals."),
              120, 1020, 4680, 1380, true);

    cmdSaveSettings = makeButton<QPushButton>(page, QStringLiteral("cmdSaveSettings"),
                                              QStringLiteral("Save Current Settings As Default"), 5400, 5640, 3000,
                                              495);

    // Until the stored settings are loaded: every card, keyword test, Beginner.
    chkMajor->setChecked(true);
    chkMinor->setChecked(true);
    for (QCheckBox* box : chkGroup)
        box->setChecked(true);
    optTestType[1]->setChecked(true);
    optDifficulty[0]->setChecked(true);
    chkReversed->setEnabled(false);

    connect(chkMajor, &QCheckBox::clicked, this, &FrmMain::arcanaClicked);
    connect(chkMinor, &QCheckBox::clicked, this, &FrmMain::minorClicked);
    for (int i = 0; i < 4; ++i)
        connect(chkGroup[std::size_t(i)], &QCheckBox::clicked, this, [this, i] { groupClicked(i); });
    for (int i = 0; i < 2; ++i)
        connect(optTestType[std::size_t(i)], &QRadioButton::clicked, this, [this, i] { optTestType_Click(i); });
    connect(cmdSetOption, &QPushButton::clicked, this, &FrmMain::cmdSetOption_Click);
    connect(cmdStartTest2, &QPushButton::clicked, this, &FrmMain::cmdStartTest2_Click);
}

void FrmMain::buildStudyTab(QWidget* page)
{
    lblCardNameMemorize = makeLabel(page, QStringLiteral("lblCardNameMemorize"), QString(), 120, 120, 10200, 435);
    lblCardNameMemorize->setFont(platform::designFont(QStringLiteral("Verdana"), 12, true));
    lblCardNameMemorize->setAlignment(Qt::AlignCenter);

    picCardMemorize = makePictureBox(page, QStringLiteral("picCardMemorize"), 120, 660, kPictureWidth, kPictureHeight);
    picCardMemorizeReversed = makePictureBox(page, QStringLiteral("picCardMemorizeReversed"), 2280, 660,
                                             kPictureWidth, kPictureHeight);

    makeLabel(page, QStringLiteral("Label9"), QStringLiteral("Card Meaning :"), 4560, 660, 5760, 255);
    txtNormalMeaning = makeTextBox(page, QStringLiteral("txtNormalMeaning"), 4560, 930, 5760, 1560);
    makeLabel(page, QStringLiteral("Label17"), QStringLiteral("Reverse Meaning"), 4560, 2610, 5760, 255);
    txtReverseMeaning = makeTextBox(page, QStringLiteral("txtReverseMeaning"), 4560, 2880, 5760, 1560);
    makeLabel(page, QStringLiteral("Label8"), QStringLiteral("Keywords (same for both)"), 4560, 4560, 5760, 255);
    txtKeywords = makeTextBox(page, QStringLiteral("txtKeywords"), 4560, 4830, 5760, 900);

    cmdPrevious = makeButton<QPushButton>(page, QStringLiteral("cmdPrevious"), QStringLiteral("<< Previous"), 120,
                                          4260, 2040, 435);
    cmdNext = makeButton<QPushButton>(page, QStringLiteral("cmdNext"), QStringLiteral("Next >>"), 2280, 4260,
                                      2040, 435);
    cmdStartTest = makeButton<QPushButton>(page, QStringLiteral("cmdStartTest"), QStringLiteral("Test Me"), 120,
                                           4800, 4200, 435);

    connect(cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &FrmMain::cmdPrevious_Click);
    connect(cmdStartTest, &QPushButton::clicked, this, &FrmMain::StartTest);
}

void FrmMain::buildTestTab(QWidget* page)
{
    lblCardName = makeLabel(page, QStringLiteral("lblCardName"), QString(), 120, 120, 2160, 495, true);
    lblCardName->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    picResult = makePictureBox(page, QStringLiteral("picResult"), 120, 660, kPictureWidth, kPictureHeight);
    picResult->setFocusPolicy(Qt::StrongFocus);
    lblIsReversed = makeLabel(page, QStringLiteral("lblIsReversed"), QString(), 120, 4200, 2160, 255);
    lblIsReversed->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    lblQCount = makeLabel(page, QStringLiteral("lblQCount"), QString(), 120, 4560, 2160, 255);
    cmdNextQuestion = makeButton<QPushButton>(page, QStringLiteral("cmdNextQuestion"),
                                              QStringLiteral("Next Question"), 120, 4920, 2160, 495);
    cmdNextQuestion->setEnabled(false);

    // Two containers of the same size at the same place; the one of the
    // current test type is shown.
    picDescContainer = make<QFrame>(page, QStringLiteral("picDescContainer"), 2400, 120, 7920, 6180);
    picKeywodContainer = make<QFrame>(page, QStringLiteral("picKeywodContainer"), 2400, 120, 7920, 6180);

    answerGroup = new QButtonGroup(this);
    answerGroup->setExclusive(true);
    for (int i = 0; i < tutor::kAnswerButtons; ++i) {
        const int top = 120 + 860 * i;
        Shape1[std::size_t(i)] = make<QFrame>(picDescContainer, indexed("Shape1", i), 60, top, 7800, 780);
        Shape1[std::size_t(i)]->setFrameShape(QFrame::Box);
        auto* option = new AnswerButton(picDescContainer);
        option->setObjectName(indexed("optAnswer", i));
        placeTwips(option, 120, top + 45, 7680, 690);
        answerGroup->addButton(option, i);
        optAnswer[std::size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { optAnswer_Click(i); });
    }

    lblMaxKeyword = makeLabel(picKeywodContainer, QStringLiteral("lblMaxKeyword"), QString(), 120, 120, 7320, 285);
    lblMaxKeyword->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    // Three columns of seven rows: a box is wide enough for the longest
    // keywords of the card database ("security for generations").
    for (int i = 0; i < tutor::kKeywordBoxes; ++i) {
        chkKeywords[std::size_t(i)] = makeButton<QCheckBox>(picKeywodContainer, indexed("chkKeywords", i),
                                                            QString(), 120 + 2600 * (i % 3), 600 + 660 * (i / 3),
                                                            2540, 495);
        connect(chkKeywords[std::size_t(i)], &QCheckBox::clicked, this, [this, i] { chkKeywords_Click(i); });
    }
    picKeywodContainer->hide();

    connect(cmdNextQuestion, &QPushButton::clicked, this, &FrmMain::AskNextQuestion);
}

void FrmMain::buildResultsTab(QWidget* page)
{
    txtResult = make<QPlainTextEdit>(page, QStringLiteral("txtResult"), 120, 120, 10200, 5400);
    txtResult->setFont(platform::designFont(QStringLiteral("Courier New"), 9.75));
    txtResult->setReadOnly(true);
    txtResult->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    lblResultInfo = makeLabel(page, QStringLiteral("lblResultInfo"), QString(), 120, 5700, 6960, 435, true);
    lblResultInfo->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Command5 = makeButton<QPushButton>(page, QStringLiteral("Command5"), QStringLiteral("Save Current Result"),
                                       7320, 5640, 3000, 495);
    connect(Command5, &QPushButton::clicked, this, &FrmMain::SaveTestReport);
}

// ============================================================================
// Load sequence
// ============================================================================

bool FrmMain::commandLineAsksForStartup(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).contains(QLatin1String("/STARTUP"), Qt::CaseSensitive);
}

bool FrmMain::load(const QStringList& arguments)
{
    platform::RemindUpdate();
    selectTab(SettingsTab);
    if (!QFileInfo::exists(tutor::tutorDatabasePath())) {
        platform::showMessage(this, QStringLiteral("Required files missing. Please reinstall ") + appinfo::title(),
                              platform::MsgButtons::Ok, platform::MsgIcon::Critical, QStringLiteral("ERROR !"));
        platform::EndApplication();
        return false;
    }
    loadGoals();
    loadSettings();
    loadStartupOptions();
    setTabAvailable(StudyTab, false);
    setTabAvailable(TestTab, false);
    setTabAvailable(ResultsTab, false);
    if (chkSysTray->isChecked() && commandLineAsksForStartup(arguments)) {
        m_startedInTray = true;
        goToTray();
    }
    return true;
}

// ============================================================================
// Tabs
// ============================================================================

void FrmMain::selectTab(int index)
{
    SSTab1->setCurrentIndex(index);
}

void FrmMain::setTabAvailable(int index, bool available)
{
    SSTab1->setTabEnabled(index, available);
}

void FrmMain::onTabSelected(int index)
{
    switch (index) {
    case SettingsTab:
        setTabAvailable(StudyTab, false);
        setTabAvailable(TestTab, false);
        setTabAvailable(ResultsTab, false);
        break;
    case StudyTab:
        m_study.restart();
        ShowStudyCard();
        setTabAvailable(TestTab, false);
        setTabAvailable(ResultsTab, false);
        break;
    case TestTab:
        setTabAvailable(ResultsTab, false);
        picResult->setFocus();
        break;
    case ResultsTab:
        setTabAvailable(TestTab, false);
        break;
    default:
        break;
    }
}

// ============================================================================
// Leaving
// ============================================================================

void FrmMain::goBack()
{
    if (platform::navigation().showStartWindow)
        platform::navigation().showStartWindow();
    m_leavingForStartWindow = true;
    close();
}

void FrmMain::endProgram()
{
    removeTrayIcon();
    platform::EndApplication();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (platform::isEnding() || m_leavingForStartWindow)
        return;
    // The close box ends the program.
    removeTrayIcon();
    platform::EndApplication();
}

// ============================================================================
// Card choice and study
// ============================================================================

void FrmMain::arcanaClicked()
{
    const bool any = chkMajor->isChecked() || chkMinor->isChecked();
    cmdNext->setEnabled(any);
    chkReversed->setEnabled(any);
}

void FrmMain::minorClicked()
{
    arcanaClicked();
    for (QCheckBox* box : chkGroup)
        box->setEnabled(chkMinor->isChecked());
}

void FrmMain::groupClicked(int index)
{
    for (QCheckBox* box : chkGroup) {
        if (box->isChecked())
            return;
    }
    // At least one suit always stays ticked.
    chkGroup[std::size_t(index)]->setChecked(true);
}

bool FrmMain::openChosenCards()
{
    if (!chkMajor->isChecked() && !chkMinor->isChecked()) {
        platform::showMessage(this, QStringLiteral("Select at least one option."));
        return false;
    }
    auto counts = [](QCheckBox* box) { return box->isChecked() && box->isEnabled(); };
    const QString query = tutor::BuildCardQuery(chkMajor->isChecked(), counts(chkGroup[0]), counts(chkGroup[1]),
                                                counts(chkGroup[2]), counts(chkGroup[3]));
    tutor::OpenDatabase(tutor::TutorConnection(), tutor::tutorDatabasePath());
    tutor::OpenRecordset(tutor::CardRecords(), tutor::TutorConnection(), query);
    return true;
}

void FrmMain::cmdSetOption_Click()
{
    if (!openChosenCards())
        return;
    setTabAvailable(StudyTab, true);
    if (SSTab1->currentIndex() == StudyTab)
        onTabSelected(StudyTab);
    else
        selectTab(StudyTab);
}

void FrmMain::ShowStudyCard()
{
    const tutor::StudyCard card = tutor::readStudyCard(tutor::CardRecords(), tutor::TutorConnection());
    lblCardNameMemorize->setText(card.name);
    const QImage picture = showStoredPicture(picCardMemorize, card.picture);
    showTurnedHalf(picCardMemorizeReversed, picture);
    txtNormalMeaning->setPlainText(card.normalMeaning);
    txtReverseMeaning->setPlainText(card.reversedMeaning);
    txtKeywords->setPlainText(card.keywords);
}

void FrmMain::cmdNext_Click()
{
    cmdPrevious->setEnabled(true);
    if (m_study.next())
        ShowStudyCard();
    else
        cmdNext->setEnabled(false);
}

void FrmMain::cmdPrevious_Click()
{
    cmdNext->setEnabled(true);
    if (m_study.previous())
        ShowStudyCard();
    else
        cmdPrevious->setEnabled(false);
}

// ============================================================================
// Tests
// ============================================================================

tutor::TestType FrmMain::selectedTestType() const
{
    return optTestType[0]->isChecked() ? tutor::TestType::Description : tutor::TestType::Keywords;
}

tutor::TestLevel FrmMain::selectedLevel() const
{
    if (optDifficulty[0]->isChecked())
        return tutor::TestLevel::Beginner;
    if (optDifficulty[1]->isChecked())
        return tutor::TestLevel::Intermediate;
    return tutor::TestLevel::Advanced;
}

void FrmMain::optTestType_Click(int index)
{
    chkReversed->setEnabled(index == 0);
}

void FrmMain::bringTestContainerToFront()
{
    const bool description = selectedTestType() == tutor::TestType::Description;
    QFrame* front = description ? picDescContainer : picKeywodContainer;
    QFrame* back = description ? picKeywodContainer : picDescContainer;
    back->hide();
    front->show();
    front->raise();
}

void FrmMain::cmdStartTest2_Click()
{
    if (!openChosenCards())
        return;
    setTabAvailable(StudyTab, true);
    setTabAvailable(TestTab, true);
    selectTab(TestTab);
    bringTestContainerToFront();
    StartTest();
}

void FrmMain::StartTest()
{
    bringTestContainerToFront();
    lblIsReversed->clear();
    lblQCount->clear();
    tutor::TestOptions options;
    options.type = selectedTestType();
    options.level = selectedLevel();
    options.reversedAllowed = chkReversed->isChecked();
    m_test.start(tutor::CardRecords(), tutor::TutorConnection(), options);
    AskNextQuestion();
}

void FrmMain::AskNextQuestion()
{
    setTabAvailable(TestTab, true);
    cmdNextQuestion->setEnabled(false);

    tutor::Answer answer;
    answer.selectedOption = answerGroup->checkedId();
    for (int i = 0; i < tutor::kKeywordBoxes; ++i) {
        if (chkKeywords[std::size_t(i)]->isChecked())
            answer.tickedBoxes.append(i);
    }
    if (m_test.askNext(answer) == tutor::TestSession::Step::Complete) {
        CompleteTest();
        return;
    }
    if (m_test.options().type == tutor::TestType::Description)
        showDescriptionQuestion();
    else
        showKeywordQuestion();
    selectTab(TestTab);
    picResult->setFocus();
    lblQCount->setText(m_test.counterText());
}

void FrmMain::showDescriptionQuestion()
{
    const tutor::Question& q = m_test.question();
    lblCardName->setText(q.name);
    lblIsReversed->setText(q.reversed ? QStringLiteral("Reversed") : QString());

    answerGroup->setExclusive(false);
    for (int i = 0; i < tutor::kAnswerButtons; ++i) {
        AnswerButton* option = optAnswer[std::size_t(i)];
        option->setChecked(false);
        const bool shown = i >= q.lo && i <= q.hi;
        option->setEnabled(shown);
        option->setVisible(shown);
        Shape1[std::size_t(i)]->setVisible(shown);
        option->setProperty("correctAnswer", shown && i == q.correctIndex);
        option->setText(shown ? q.answers[std::size_t(i)] : QString());
    }
    answerGroup->setExclusive(true);

    const QImage picture = showStoredPicture(picResult, q.picture);
    if (q.reversed)
        showTurnedHalf(picResult, picture);
}

void FrmMain::showKeywordQuestion()
{
    const tutor::Question& q = m_test.question();
    lblIsReversed->clear();
    lblMaxKeyword->setText(QStringLiteral("You must choose ") + QString::number(q.required)
                           + QStringLiteral(" keywords"));
    for (int i = 0; i < tutor::kKeywordBoxes; ++i) {
        QCheckBox* box = chkKeywords[std::size_t(i)];
        box->setChecked(false);
        const bool shown = i <= q.maxBox;
        box->setEnabled(shown);
        box->setVisible(shown);
        // A keyword is shown as it is written: "&" is no access-key marker here.
        QString caption = shown ? q.keywords[std::size_t(i)] : QString();
        box->setText(caption.replace(QLatin1Char('&'), QLatin1String("&&")));
    }
    lblCardName->setText(q.name);
    showStoredPicture(picResult, q.picture);
}

void FrmMain::CompleteTest()
{
    setTabAvailable(ResultsTab, true);
    selectTab(ResultsTab);
    const tutor::TestReport report = tutor::buildTestReport(m_test.outcome(), tutor::TutorConnection());
    QString shown = report.text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    txtResult->setPlainText(shown);
    txtResult->moveCursor(QTextCursor::End);
    lblResultInfo->setText(report.summary);
    platform::showMessage(this, QStringLiteral("Test Complete"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Information);
}

void FrmMain::optAnswer_Click(int)
{
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void FrmMain::chkKeywords_Click(int index)
{
    const tutor::Question& q = m_test.question();
    auto ticked = [this, &q] {
        int count = 0;
        for (int i = 0; i <= q.maxBox && i < tutor::kKeywordBoxes; ++i)
            count += chkKeywords[std::size_t(i)]->isChecked() ? 1 : 0;
        return count;
    };
    const int count = ticked();
    if (count == q.required) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (count > q.required) {
        chkKeywords[std::size_t(index)]->setChecked(false);
        if (ticked() == q.required) {
            cmdNextQuestion->setEnabled(true);
            cmdNextQuestion->setFocus();
        }
        platform::showMessage(this,
                              QStringLiteral("You can select only ") + QString::number(q.required)
                                  + QStringLiteral(" keywords.\r\nPlease unselect one before selecting another keyword"),
                              platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    } else {
        cmdNextQuestion->setEnabled(false);
    }
}

void FrmMain::SaveTestReport()
{
    const QString path = platform::dialogs().saveFileName(this, QString(), QString(),
                                                          QStringLiteral("Text file (*.txt)"));
    if (path.isEmpty())
        return;
    QString text = txtResult->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QString error;
    if (!tutor::saveTestReport(path, text, &error)) {
        platform::showMessage(this,
                              QStringLiteral("The test report could not be saved to \"") + path
                                  + QStringLiteral("\".\r\n") + error,
                              platform::MsgButtons::Ok, platform::MsgIcon::Critical);
    }
}

// ============================================================================
// The agreed entry points
// ============================================================================

void showFrmMain(const QStringList& arguments)
{
    // The start window closes after this returns and the program does not end
    // with its last window: the tutor must end up on the screen, behind its
    // tray icon, or the program must be ending.
    QPointer<FrmMain> window = new FrmMain;
    centreBeforeShowing(window);
    const bool loaded = window->load(arguments);
    if (platform::isEnding())
        return;   // EndApplication closes the window
    if (!window || !loaded) {
        platform::EndApplication();
        return;
    }
    if (window->startedInTray()) {
        // With no notification area the load minimized the window instead.
        if (!window->inTray() && !window->isVisible())
            window->showMinimized();
        return;
    }
    window->show();
}

QWidget* existingFrmMain()
{
    return g_frmMain.data();
}

} // namespace kestrune::tutor_ui

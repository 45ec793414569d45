#include "reading_ui/FrmMDI.h"

#include "reading_ui/FrmAuto.h"
#include "reading_ui/FormKit.h"
#include "reading_ui/Forms.h"
#include "reading_ui/HandOver.h"

#include "platform/AppFrame.h"
#include "platform/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "reading/Records.h"
#include "widgets/LinkDetect.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>

namespace kestrune::reading_ui {

using platform::designFont;
using platform::placeTwips;
using platform::twips;

namespace {

QPointer<FrmMDI> g_frmMDI;

constexpr int kButtonWidthTwips = 1245;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(designFont(QStringLiteral("Verdana"), 8.25, true));
    placeTwips(label, l, t, w, h);
    return label;
}

QLineEdit* makeField(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFont(designFont(QStringLiteral("Verdana"), 8.25));
    // Display fields: the button-face colour as background.
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    field->setPalette(pal);
    placeTwips(field, l, t, w, h);
    return field;
}

} // namespace

FrmMDI::FrmMDI(QWidget* parent)
    : QMainWindow(parent)
{
    g_frmMDI = this;
    setObjectName(QStringLiteral("frmMDI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(readingCaption());
    setWindowIcon(platform::programIcon());

    m_tb = new QToolBar(this);
    m_tb->setObjectName(QStringLiteral("TB"));
    m_tb->setFixedHeight(twips(540));
    m_tb->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_tb);
    // It offers no commands and is never shown.
    m_tb->hide();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("mdiFrameClient"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_picTop = new QWidget(central);
    m_picTop->setObjectName(QStringLiteral("picTop"));
    m_picTop->setFixedHeight(twips(915));
    makeLabel(m_picTop, "lblName", QStringLiteral("Name"), 120, 90, 855, 255);
    m_txtName = makeField(m_picTop, "txtName", 1110, 90, 2655, 285);
    makeLabel(m_picTop, "lblDOB", QStringLiteral("Date of Birth"), 3990, 60, 1455, 255);
    m_txtDOB = makeField(m_picTop, "txtDOB", 5430, 60, 1935, 285);
    makeLabel(m_picTop, "lblCountry", QStringLiteral("Country"), 7380, 60, 855, 255);
    m_txtCountry = makeField(m_picTop, "txtCountry", 8370, 60, 2445, 285);
    makeLabel(m_picTop, "lblQ", QStringLiteral("Question"), 90, 450, 855, 255);
    m_txtQ = makeField(m_picTop, "txtQ", 1110, 420, 7485, 375);
    outer->addWidget(m_picTop);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    middle->addWidget(m_mdi, 1);

    m_picRight = new QWidget(central);
    m_picRight->setObjectName(QStringLiteral("picRight"));
    m_picRight->setFixedWidth(twips(3735));
    m_rtbDisp1 = new QTextEdit(m_picRight);
    m_rtbDisp1->setObjectName(QStringLiteral("rtbDisp1"));
    m_rtbDisp1->setReadOnly(true);
    m_rtbDisp1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    placeTwips(m_rtbDisp1, 0, 0, 3645, 8875);
    // The text box is as tall as its panel, whatever the frame's size, so
    // that its scroll bar reaches the reading's last line.
    m_picRight->installEventFilter(this);
    middle->addWidget(m_picRight);
    outer->addLayout(middle, 1);

    m_picBottom = new QWidget(central);
    m_picBottom->setObjectName(QStringLiteral("picBottom"));
    m_picBottom->setFixedHeight(twips(660));
    m_cmdExit = new QPushButton(QStringLiteral("Exit"), m_picBottom);
    m_cmdExit->setObjectName(QStringLiteral("cmdExit"));
    placeTwips(m_cmdExit, 0, 180, kButtonWidthTwips, 345);
    m_cmdRestart = new QPushButton(QStringLiteral("Start Again"), m_picBottom);
    m_cmdRestart->setObjectName(QStringLiteral("cmdRestart"));
    placeTwips(m_cmdRestart, 0, 180, kButtonWidthTwips, 345);
    connect(m_cmdExit, &QPushButton::clicked, this, &FrmMDI::cmdExit_Click);
    connect(m_cmdRestart, &QPushButton::clicked, this, &FrmMDI::cmdRestart_Click);
    outer->addWidget(m_picBottom);

    // The frame may be made narrower than its panels: they are cut off at the
    // right edge (and the buttons follow the resize rule to negative lefts).
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    central->setMinimumSize(1, 1);
    setCentralWidget(central);
    buildMenus();

    // Design client area 11880 x 8490 twips below the menu bar, centred: the
    // size the frame takes when the user restores it.
    resize(twips(11880), twips(8490) + menuBar()->sizeHint().height());
    centreOnScreen(this);
    // It opens maximized, so that the table gets the room of the screen.
    setWindowState(windowState() | Qt::WindowMaximized);

    MDIForm_Load();
}

FrmMDI::~FrmMDI()
{
    if (widgets::UrlDetectBox() == m_rtbDisp1)
        widgets::DisableUrlDetect();
    if (g_frmMDI == this)
        g_frmMDI = nullptr;
}

void FrmMDI::buildMenus()
{
    auto addAction = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addAction(file, "mnuStart", QStringLiteral("&Start Again")), &QAction::triggered, this,
            &FrmMDI::cmdRestart_Click);
    addSeparator(file, "mnuFileSep1");
    connect(addAction(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this, &FrmMDI::cmdExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addAction(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            [] { openOnlineHelp(); });
    connect(addAction(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, this,
            [] { openHomePage(); });
    addSeparator(help, "mnuHelpSep1");
    connect(addAction(help, "mnuUpdate", QStringLiteral("Check for Software &Update")), &QAction::triggered, this,
            [] { openDownloadPage(); });
    addSeparator(help, "mnuHelpSep2");
    connect(addAction(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            [this] { showAboutBox(this); });
}

void FrmMDI::MDIForm_Load()
{
    widgets::EnableUrlDetect(m_rtbDisp1, m_picRight);
    ShowQuerentDetails();
}

void FrmMDI::ShowQuerentDetails()
{
    const reading::QuerentDetails& q = reading::querentDetails();
    // A text longer than its field shows its beginning; the whole text is the
    // field's tooltip.
    auto show = [](QLineEdit* field, const QString& text) {
        field->setText(text);
        field->setCursorPosition(0);
        field->setToolTip(text);
    };
    show(m_txtName, q.strName);
    show(m_txtDOB, q.strDOB);
    show(m_txtCountry, q.strCountry);
    show(m_txtQ, q.strQ);
}

FrmAuto* FrmMDI::table() const
{
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (auto* t = qobject_cast<FrmAuto*>(sub->widget()))
            return t;
    }
    return nullptr;
}

void FrmMDI::fitReadingText()
{
    m_rtbDisp1->resize(m_rtbDisp1->width(), m_picRight->height());
}

bool FrmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picRight && event->type() == QEvent::Resize)
        fitReadingText();
    return QMainWindow::eventFilter(watched, event);
}

void FrmMDI::MDIForm_Resize()
{
    const int outerTwips = platform::pixelsToTwips(frameGeometry().width());
    fitReadingText();
    const int restartLeft = outerTwips - kButtonWidthTwips - 300;
    m_cmdRestart->move(twips(restartLeft), m_cmdRestart->y());
    const int exitLeft = restartLeft - kButtonWidthTwips - 100;
    m_cmdExit->move(twips(exitLeft), m_cmdExit->y());
}

void FrmMDI::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void FrmMDI::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    MDIForm_Resize();
    if (!m_focusGiven) {
        // The first control in tab order takes the keyboard when the frame
        // first opens (the table's window would otherwise hold it).
        m_focusGiven = true;
        m_txtName->setFocus(Qt::OtherFocusReason);
    }
}

void FrmMDI::cmdRestart_Click()
{
    if (m_closed)
        return;
    m_close.navigate(this);
    showStartWindow();
}

void FrmMDI::cmdExit_Click()
{
    if (m_closed)
        return;
    close();
}

void FrmMDI::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    m_closed = true;
    // A table still being laid out stops at its next yield.
    if (FrmAuto* t = table())
        t->abandonLayout();
    if (widgets::UrlDetectBox() == m_rtbDisp1)
        widgets::DisableUrlDetect();
    if (g_frmMDI == this)
        g_frmMDI = nullptr;
    m_close.closing(event);
}

FrmMDI* frmMDI()
{
    if (!g_frmMDI)
        new FrmMDI;
    return g_frmMDI;
}

FrmMDI* existingFrmMDI() { return g_frmMDI; }

} // namespace kestrune::reading_ui

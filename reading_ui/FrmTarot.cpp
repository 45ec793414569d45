#include "reading_ui/FrmTarot.h"

#include "platform/AppFrame.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "reading/Records.h"
#include "reading_ui/FrmAuto.h"
#include "reading_ui/FrmFront.h"
#include "reading_ui/FrmManual.h"
#include "spreads/Spreads.h"
#include "widgets/AboutBox.h"
#include "widgets/WebLinks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace kestrune::reading_ui {

using platform::placeTwips;

namespace {

QPointer<FrmTarot> g_frmTarot;

QAction* addEntry(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

void setTextColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
}

QPlainTextEdit* displayBox(QWidget* parent, const char* name)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setTabChangesFocus(true);
    return box;
}

} // namespace

FrmTarot::FrmTarot()
{
    setObjectName(QStringLiteral("frmTarot"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(readingCaption());
    setWindowIcon(platform::programIcon());
    setFixedBorder(this, true);

    buildMenus();
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    setClientAreaTwips(this, client, 8880, 5370);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, client->width(), client->height());
    Image1->setScaledContents(true);
    loadPicture(Image1, platform::inApplicationFolder(QStringLiteral("pic/spread-bg.jpg")));

    const QFont font = platform::designFont(QStringLiteral("Verdana"), 8.25);
    const QFont bold = platform::designFont(QStringLiteral("Verdana"), 8.25, true);
    const QColor blue = platform::rgb(0, 0, 255);

    lblInfo = new QLabel(client);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setFont(font);
    setTextColour(lblInfo, QPalette::WindowText, blue);
    lblInfo->setTextFormat(Qt::PlainText);
    placeTwips(lblInfo, 150, 570, 8625, 285);

    txtQ = displayBox(client, "txtQ");
    txtQ->setFont(font);
    txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextColour(txtQ, QPalette::Text, blue);
    placeTwips(txtQ, 120, 960, 8655, 495);

    txtDisp = displayBox(client, "txtDisp");
    txtDisp->setFont(bold);
    placeTwips(txtDisp, 120, 1530, 2775, 3735);

    pctCard = new QLabel(client);
    pctCard->setObjectName(QStringLiteral("pctCard"));
    pctCard->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pctCard->setFrameShape(QFrame::Panel);
    pctCard->setFrameShadow(QFrame::Sunken);
    pctCard->setAutoFillBackground(true);
    placeTwips(pctCard, 3000, 1530, 2175, 3735);

    lstOption = new QListWidget(client);
    lstOption->setObjectName(QStringLiteral("lstOption"));
    lstOption->setFont(font);
    lstOption->setSelectionMode(QAbstractItemView::SingleSelection);
    placeTwips(lstOption, 5310, 1530, 3495, 1620);

    frmArcane = new QGroupBox(QStringLiteral("Select One Option"), client);
    frmArcane->setObjectName(QStringLiteral("frmArcane"));
    frmArcane->setFont(font);
    setClassicFrame(frmArcane, frmArcane->palette().color(QPalette::Window));
    placeTwips(frmArcane, 5280, 3210, 3495, 615);
    chkHA = new QCheckBox(QStringLiteral("Major Arcana"), frmArcane);
    chkHA->setObjectName(QStringLiteral("chkHA"));
    placeTwips(chkHA, 240, 240, 1455, 255);
    chkLA = new QCheckBox(QStringLiteral("Minor Arcana"), frmArcane);
    chkLA->setObjectName(QStringLiteral("chkLA"));
    placeTwips(chkLA, 1800, 240, 1455, 255);
    chkHA->setFont(font);
    chkLA->setFont(font);

    chkRev = new QCheckBox(client);
    chkRev->setObjectName(QStringLiteral("chkRev"));
    chkRev->setAccessibleName(QStringLiteral("Allow Reverse Cards"));
    chkRev->setChecked(true);
    // The box is only 13 pixels high: a smaller tick box keeps its lower edge.
    chkRev->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 12px; height: 12px; }"));
    placeTwips(chkRev, 6000, 3990, 225, 195);
    Label3 = new QLabel(QStringLiteral("Allow Reverse Cards"), client);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(font);
    Label3->setBuddy(chkRev);
    placeTwips(Label3, 6300, 3990, 1995, 195);

    auto button = [&](const char* name, const QString& caption, int l, int t) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(font);
        b->setAutoDefault(false);
        setButtonColour(b, platform::rgb(255, 224, 192));
        placeTwips(b, l, t, 1575, 375);
        return b;
    };
    cmdAuto = button("cmdAuto", QStringLiteral("AutoCast"), 7200, 4410);
    cmdManual = button("cmdManual", QStringLiteral("Manual"), 5430, 4410);
    cmdBack = button("cmdBack", QStringLiteral("Back"), 5430, 4890);
    cmdCancel = button("cmdCancel", QStringLiteral("Exit"), 7200, 4890);

    // The wait panel shown while an automatic reading is being generated.
    picMessage = new QFrame(client);
    picMessage->setObjectName(QStringLiteral("picMessage"));
    picMessage->setAutoFillBackground(true);
    setTextColour(picMessage, QPalette::Window, platform::rgb(255, 0, 0));
    placeTwips(picMessage, 1860, 1860, 5295, 975);
    auto panelLabel = [&](const char* name, const QString& text, const QFont& f, int l, int t, int w, int h) {
        auto* lbl = new QLabel(text, picMessage);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setFont(f);
        lbl->setAutoFillBackground(true);
        QPalette palette = lbl->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, blue);
        lbl->setPalette(palette);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    Label1 = panelLabel("Label1", QStringLiteral("Please Wait ..."),
                        platform::designFont(QStringLiteral("Verdana"), 14.25, true), 60, 60, 5175, 840);
    Label2 = panelLabel("Label2", QStringLiteral("Brellix is generating the Tarot result...."),
                        platform::designFont(QStringLiteral("Verdana"), 9.75), 90, 360, 5115, 555);
    picMessage->hide();

    setTabOrder(lstOption, chkHA);
    setTabOrder(chkHA, chkLA);
    setTabOrder(chkLA, cmdAuto);
    setTabOrder(cmdAuto, cmdManual);
    setTabOrder(cmdManual, cmdBack);
    setTabOrder(cmdBack, cmdCancel);
    setTabOrder(cmdCancel, txtDisp);
    setTabOrder(txtDisp, chkRev);
    setTabOrder(chkRev, txtQ);

    connect(cmdAuto, &QPushButton::clicked, this, &FrmTarot::cmdAuto_Click);
    connect(cmdManual, &QPushButton::clicked, this, &FrmTarot::cmdManual_Click);
    connect(cmdBack, &QPushButton::clicked, this, &FrmTarot::cmdBack_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmTarot::cmdCancel_Click);
    // Setting a box from code counts as a click on it, as a user's click does.
    connect(chkHA, &QCheckBox::toggled, this, &FrmTarot::chkHA_Click);
    connect(chkLA, &QCheckBox::toggled, this, &FrmTarot::chkLA_Click);

    // Load: every reading starts from reset options and an empty reading.
    reading::readingOptions() = reading::ReadingOptions();
    reading::currentReading().reset();

    const reading::QuerentDetails& q = reading::querentDetails();
    const QString gap = QStringLiteral("     ");
    lblInfo->setText(QStringLiteral("Name: ") + q.strName + gap + QStringLiteral("Date: ") + q.strDOB + gap
                     + QStringLiteral("Country: ") + q.strCountry);
    txtQ->setPlainText(QStringLiteral("Question: ") + q.strQ);

    for (int i = 0; i < spreads::kSpreadCount; ++i) {
        const spreads::Spread* spread = spreads::SpreadAtListPosition(i);
        lstOption->addItem(spread ? spread->name : QString());
    }
    if (const spreads::Spread* celtic = spreads::SpreadAtListPosition(0)) {
        txtDisp->setPlainText(celtic->description);
        loadPicture(pctCard, celtic->PreviewPicturePath());
    }
    connect(lstOption, &QListWidget::itemSelectionChanged, this, &FrmTarot::lstOption_Click);
    lstOption->setCurrentRow(0);
    // The list comes first in tab order: Up, Down and Enter work in it as
    // soon as the window opens.
    lstOption->setFocus(Qt::OtherFocusReason);
}

FrmTarot::~FrmTarot()
{
    if (g_frmTarot == this)
        g_frmTarot = nullptr;
}

void FrmTarot::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QMenu* scenario = file->addMenu(QStringLiteral("&Choose Scenario"));
    scenario->setObjectName(QStringLiteral("mnuSpread"));
    scenario->menuAction()->setObjectName(QStringLiteral("mnuSpreadAction"));
    for (const spreads::MenuEntry& entry : spreads::SpreadMenu()) {
        const QString text = entry.listText;
        connect(addEntry(scenario, entry.objectName, entry.caption), &QAction::triggered, this,
                [this, text] { selectSpreadByText(text); });
    }
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(addEntry(file, QStringLiteral("mnuManual"), QStringLiteral("&Manual")), &QAction::triggered, this,
            &FrmTarot::cmdManual_Click);
    connect(addEntry(file, QStringLiteral("mnuCast"), QStringLiteral("Auto&Cast")), &QAction::triggered, this,
            &FrmTarot::cmdAuto_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    connect(addEntry(file, QStringLiteral("mnuBack"), QStringLiteral("Back")), &QAction::triggered, this,
            &FrmTarot::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    connect(addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit")), &QAction::triggered, this,
            &FrmTarot::cmdCancel_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addEntry(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help")), &QAction::triggered,
            this, [] { widgets::openOnlineHelp(); });
    connect(addEntry(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [] { widgets::openHomePage(); });
    help->addSeparator();
    connect(addEntry(help, QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, [] { widgets::openDownloadPage(); });
    help->addSeparator();
    connect(addEntry(help, QStringLiteral("mnuSoftware"), QStringLiteral("&About Software")), &QAction::triggered,
            this, [this] { widgets::showAboutBox(this); });
}

void FrmTarot::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

int FrmTarot::selectSpreadByText(const QString& text)
{
    if (m_handingOver)
        return -1;
    const QList<QListWidgetItem*> found = lstOption->findItems(text, Qt::MatchFixedString);
    if (found.isEmpty())
        return -1;
    const int row = lstOption->row(found.first());
    if (lstOption->currentRow() == row && found.first()->isSelected())
        lstOption_Click(); // the same item again: handled as a click on it
    else
        lstOption->setCurrentRow(row);
    return row;
}

void FrmTarot::lstOption_Click()
{
    // The options must not change under a reading that is being generated.
    if (m_handingOver)
        return;
    int position = -1;
    for (int i = 0; i < lstOption->count(); ++i) {
        if (lstOption->item(i)->isSelected()) {
            position = i;
            break;
        }
    }
    if (position < 0)
        return;
    // A missing or unreadable picture leaves the previous one in place.
    if (const spreads::Spread* spread = spreads::SpreadAtListPosition(position))
        loadPicture(pctCard, spread->PreviewPicturePath());
    ShowSpreadInfo(position);
}

void FrmTarot::ShowSpreadInfo(int position)
{
    reading::ReadingOptions& options = reading::readingOptions();
    options.MaxCardInSet = position;
    txtDisp->clear();
    const spreads::Spread* spread = spreads::SpreadAtListPosition(position);
    if (!spread)
        return;
    txtDisp->setPlainText(spread->description);
    options.no = spread->cardCount;
}

void FrmTarot::chkHA_Click()
{
    if (chkHA->isChecked() && chkLA->isChecked())
        chkLA->setChecked(false);
}

void FrmTarot::chkLA_Click()
{
    if (chkHA->isChecked() && chkLA->isChecked())
        chkHA->setChecked(false);
}

void FrmTarot::takeChoices()
{
    reading::ReadingOptions& options = reading::readingOptions();
    const QListWidgetItem* selected = lstOption->currentItem();
    options.card = selected ? selected->text() : QString();
    options.rboo = chkRev->isChecked();
    options.lboo = chkLA->isChecked();
    options.hboo = chkHA->isChecked();
}

void FrmTarot::cmdAuto_Click()
{
    // The draw yields to the event loop: a second click meanwhile must not
    // start a second reading.
    if (m_handingOver || m_close.navigating())
        return;
    m_handingOver = true;
    takeChoices();
    picMessage->show();
    picMessage->raise();
    QPointer<FrmTarot> self = this;
    paintNow(this);
    if (!self || platform::isEnding())
        return;
    if (!chkRev->isChecked())
        platform::blockingWait(3000);
    reading::ReadingOptions& options = reading::readingOptions();
    options.ManualMode = false;
    options.cmdAVal = true;
    options.cmdMValue = false;
    reading::currentReading().Options = options;

    // Creates the table inside the result frame, draws and lays out the
    // reading while it loads, and shows it at the frame's top-left corner.
    const bool shown = ShowReadingTable();
    if (!self || platform::isEnding())
        return;
    if (!shown) {
        // The reading was closed while it was being laid out: stay usable.
        picMessage->hide();
        m_handingOver = false;
        return;
    }
    m_close.navigate(this);
}

void FrmTarot::cmdManual_Click()
{
    if (m_handingOver || m_close.navigating())
        return;
    m_handingOver = true;
    takeChoices();
    reading::ReadingOptions& options = reading::readingOptions();
    options.ManualMode = true;
    options.cmdAVal = false;
    options.cmdMValue = true;
    reading::currentReading().Options = options;

    QPointer<FrmTarot> self = this;
    // The manual window reads the options while this window is still open.
    frmManual()->show();
    if (!self || platform::isEnding())
        return;
    m_close.navigate(this);
}

void FrmTarot::cmdBack_Click()
{
    if (m_handingOver || m_close.navigating())
        return;
    QPointer<FrmTarot> self = this;
    frmFront()->show();
    if (self && !platform::isEnding())
        m_close.navigate(this);
}

void FrmTarot::cmdCancel_Click() { close(); }

void FrmTarot::closeEvent(QCloseEvent* event)
{
    if (g_frmTarot == this)
        g_frmTarot = nullptr;
    m_close.closing(event);
}

FrmTarot* frmTarot()
{
    if (!g_frmTarot)
        g_frmTarot = new FrmTarot;
    return g_frmTarot;
}

FrmTarot* existingFrmTarot() { return g_frmTarot; }

} // namespace kestrune::reading_ui

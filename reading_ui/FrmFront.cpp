#include "reading_ui/FrmFront.h"

#include "platform/AppFrame.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "reading/Records.h"
#include "reading_ui/FrmMDI.h"
#include "reading_ui/FrmOpen.h"
#include "reading_ui/FrmTarot.h"
#include "reading_ui/KeyFilter.h"
#include "widgets/AboutBox.h"
#include "widgets/WebLinks.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace kestrune::reading_ui {

using platform::placeTwips;

namespace {

QPointer<FrmFront> g_frmFront;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

QAction* addEntry(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

} // namespace

QString FrmFront::composeDateOfBirth(const QString& month, const QString& day, const QString& year)
{
    return month + QLatin1Char(' ') + day + QStringLiteral(", ") + year;
}

FrmFront::FrmFront()
{
    setObjectName(QStringLiteral("frmFront"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(readingCaption());
    setWindowIcon(platform::programIcon());
    setFixedBorder(this, false);

    buildMenus();
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    setClientAreaTwips(this, client, 5940, 5160);

    // The decorative picture behind every control.
    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, client->width(), client->height());
    Image1->setScaledContents(true);
    loadPicture(Image1, platform::inApplicationFolder(QStringLiteral("pic/querent-bg.jpg")));

    const QFont font = platform::designFont(QStringLiteral("Verdana"), 9.75, true);
    auto label = [&](const char* name, const QString& caption, int l, int t, int w, int h) {
        auto* lbl = new QLabel(caption, client);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setFont(font);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    auto combo = [&](const char* name, int l, int t, int w, int h) {
        auto* cmb = new QComboBox(client);
        cmb->setObjectName(QString::fromLatin1(name));
        cmb->setEditable(false);
        cmb->setFont(font);
        cmb->setMaxVisibleItems(12);
        placeTwips(cmb, l, t, w, h);
        return cmb;
    };

    lblName = label("lblName", QStringLiteral("Name"), 180, 750, 1575, 495);
    txtName = new QLineEdit(client);
    txtName->setObjectName(QStringLiteral("txtName"));
    placeTwips(txtName, 1620, 630, 3855, 375);
    lblAge = label("lblAge", QStringLiteral("Date of Birth"), 180, 1170, 1575, 375);
    cmbMonth = combo("cmbMonth", 1620, 1080, 1695, 360);
    cmbDate = combo("cmbDate", 3420, 1080, 975, 360);
    cmbYear = combo("cmbYear", 4500, 1080, 975, 360);
    lblCountry = label("lblCountry", QStringLiteral("Country"), 180, 1620, 1575, 495);
    txtCountry = new QLineEdit(client);
    txtCountry->setObjectName(QStringLiteral("txtCountry"));
    placeTwips(txtCountry, 1620, 1530, 3855, 375);
    lblQuestion = label("lblQuestion", QStringLiteral("Question"), 120, 2280, 1575, 495);
    txtQuestion = new QPlainTextEdit(client);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuestion->setTabChangesFocus(true);
    placeTwips(txtQuestion, 1620, 2010, 3855, 1335);
    for (QWidget* w : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtCountry),
                       static_cast<QWidget*>(txtQuestion)})
        w->setFont(font);

    auto button = [&](const char* name, const QString& caption, int l) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(font);
        b->setAutoDefault(false);
        setButtonColour(b, platform::rgb(255, 224, 192));
        placeTwips(b, l, 3510, 855, 375);
        return b;
    };
    cmdNext = button("cmdNext", QStringLiteral("&Next"), 4650);
    cmdReset = button("cmdReset", QStringLiteral("&Reset"), 2685);
    cmdCancel = button("cmdCancel", QStringLiteral("&Exit"), 1710);
    cmdBack = button("cmdBack", QStringLiteral("&Back"), 3675);

    setTabOrder(txtName, cmbMonth);
    setTabOrder(cmbMonth, cmbDate);
    setTabOrder(cmbDate, cmbYear);
    setTabOrder(cmbYear, txtCountry);
    setTabOrder(txtCountry, txtQuestion);
    setTabOrder(txtQuestion, cmdNext);
    setTabOrder(cmdNext, cmdReset);
    setTabOrder(cmdReset, cmdCancel);
    setTabOrder(cmdCancel, cmdBack);

    m_nameFilter = new KeyFilter(txtName, QStringLiteral("Name cannot contain Numbers and Special Characters"));
    m_countryFilter =
        new KeyFilter(txtCountry, QStringLiteral("Country cannot contain Numbers and Special Characters"));

    connect(cmdNext, &QPushButton::clicked, this, &FrmFront::cmdNext_Click);
    connect(cmdReset, &QPushButton::clicked, this, &FrmFront::cmdReset_Click);
    connect(cmdBack, &QPushButton::clicked, this, &FrmFront::cmdBack_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmFront::cmdCancel_Click);

    // Load: the three date lists and the default date January 1, 1980.
    for (int day = 1; day <= 31; ++day)
        cmbDate->addItem(QString::number(day));
    for (const char* month : kMonths)
        cmbMonth->addItem(QString::fromLatin1(month));
    for (int year = 1900; year <= 2050; ++year)
        cmbYear->addItem(QString::number(year));
    selectDefaultDate();
    txtName->setFocus(Qt::OtherFocusReason);
}

FrmFront::~FrmFront()
{
    if (g_frmFront == this)
        g_frmFront = nullptr;
}

void FrmFront::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addEntry(file, "mnuReset", QStringLiteral("&Reset")), &QAction::triggered, this,
            &FrmFront::cmdReset_Click);
    file->addSeparator();
    connect(addEntry(file, "mnuNext", QStringLiteral("N&ext")), &QAction::triggered, this,
            &FrmFront::cmdNext_Click);
    file->addSeparator();
    connect(addEntry(file, "mnuBack", QStringLiteral("&Back")), &QAction::triggered, this,
            &FrmFront::cmdBack_Click);
    file->addSeparator();
    connect(addEntry(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &FrmFront::cmdCancel_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuelp"));
    connect(addEntry(help, "mnuHelp", QStringLiteral("Onine &Help")), &QAction::triggered, this,
            [] { widgets::openOnlineHelp(); });
    connect(addEntry(help, "mnuOnline", QStringLiteral("Visit Us &Online")), &QAction::triggered, this,
            [] { widgets::openHomePage(); });
    help->addSeparator();
    connect(addEntry(help, "mnuupdate", QStringLiteral("Check For Software Update")), &QAction::triggered, this,
            [] { widgets::openDownloadPage(); });
    help->addSeparator();
    connect(addEntry(help, "mnuSoftware", QStringLiteral("About &Software")), &QAction::triggered, this,
            [this] { widgets::showAboutBox(this); });
}

void FrmFront::selectDefaultDate()
{
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(80);
}

void FrmFront::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

void FrmFront::cmdNext_Click()
{
    if (m_close.navigating())
        return;
    // The details are stored first: the result window copies them into its
    // header while it is being created.
    reading::QuerentDetails& q = reading::querentDetails();
    q.strName = txtName->text();
    q.strCountry = txtCountry->text();
    q.strQ = txtQuestion->toPlainText();
    q.strDate = cmbDate->currentText();
    q.strMonth = cmbMonth->currentText();
    q.strYear = cmbYear->currentText();
    q.strDOB = composeDateOfBirth(q.strMonth, q.strDate, q.strYear);

    QPointer<FrmFront> self = this;
    FrmMDI* mdi = frmMDI();
    if (QWidget* toolbar = mdi ? mdi->findChild<QWidget*>(QStringLiteral("TB")) : nullptr)
        toolbar->hide();
    if (!self || platform::isEnding())
        return;
    frmTarot()->show();
    if (self && !platform::isEnding())
        m_close.navigate(this);
}

void FrmFront::cmdReset_Click()
{
    txtName->clear();
    txtCountry->clear();
    txtQuestion->clear();
    selectDefaultDate();
    txtName->setFocus(Qt::OtherFocusReason);
}

void FrmFront::cmdBack_Click()
{
    if (m_close.navigating())
        return;
    QPointer<FrmFront> self = this;
    frmOpen()->show();
    if (self && !platform::isEnding())
        m_close.navigate(this);
}

void FrmFront::cmdCancel_Click() { close(); }

void FrmFront::closeEvent(QCloseEvent* event)
{
    if (g_frmFront == this)
        g_frmFront = nullptr;
    m_close.closing(event);
}

FrmFront* frmFront()
{
    if (!g_frmFront)
        g_frmFront = new FrmFront;
    return g_frmFront;
}

FrmFront* existingFrmFront() { return g_frmFront; }

} // namespace kestrune::reading_ui

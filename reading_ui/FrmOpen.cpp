#include "reading_ui/FrmOpen.h"

#include "platform/AppFrame.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "reading_ui/FrmFront.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace kestrune::reading_ui {

using platform::placeTwips;

namespace {

QPointer<FrmOpen> g_frmOpen;

QFileInfo entryInApplicationFolder(const QString& name)
{
    QFileInfo info(platform::inApplicationFolder(name));
    info.setCaching(false);
    return info;
}

} // namespace

bool hasVisibleEntry(const QString& name)
{
    const QFileInfo info = entryInApplicationFolder(name);
    return info.exists() && !info.isHidden();
}

bool hasVisibleFile(const QString& name)
{
    const QFileInfo info = entryInApplicationFolder(name);
    return info.exists() && info.isFile() && !info.isHidden();
}

FrmOpen::FrmOpen()
{
    setObjectName(QStringLiteral("frmOpen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(readingCaption());
    setWindowIcon(platform::programIcon());
    setFixedBorder(this, false);
    setClientAreaTwips(this, 6960, 4110);

    Frame1 = new QGroupBox(QStringLiteral("Note: "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeTwips(Frame1, 300, 1440, 6375, 645);
    Frame1->setFont(platform::designFont(QStringLiteral("Verdana"), 8.25, true));
    setClassicFrame(Frame1, Qt::white);

    Label2 = new QLabel(
        QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY format"),
        Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(Frame1->font());
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label2, 120, 180, 6225, 390);

    const QFont buttonFont = platform::designFont(QStringLiteral("Verdana"), 14.25, true);
    const QColor buttonColour = platform::rgb(255, 255, 192);

    cmdTutor = new QPushButton(QStringLiteral("Tarot Tutor"), this);
    cmdTutor->setObjectName(QStringLiteral("cmdTutor"));
    placeTwips(cmdTutor, -120, 2160, 7095, 600);

    cmdReading = new QPushButton(QStringLiteral("Tarot Reading"), this);
    cmdReading->setObjectName(QStringLiteral("cmdReading"));
    placeTwips(cmdReading, -120, 2760, 7095, 600);

    for (QPushButton* b : {cmdTutor, cmdReading}) {
        b->setFont(buttonFont);
        setButtonColour(b, buttonColour);
    }
    setTabOrder(cmdTutor, cmdReading);

    connect(cmdReading, &QPushButton::clicked, this, &FrmOpen::cmdReading_Click);
    connect(cmdTutor, &QPushButton::clicked, this, &FrmOpen::cmdTutor_Click);
}

FrmOpen::~FrmOpen()
{
    if (g_frmOpen == this)
        g_frmOpen = nullptr;
}

void FrmOpen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
}

void FrmOpen::cmdReading_Click()
{
    if (m_close.navigating())
        return;
    // The reading needs its picture folders; with only one of them the reading
    // goes on and the pictures that cannot be found are left out.
    if (!hasVisibleEntry(QStringLiteral("pic")) && !hasVisibleEntry(QStringLiteral("cards"))) {
        platform::showMessage(this,
                              QStringLiteral("Files Needed To Run Brellix Is Missing\rPlease Reinstall Software."),
                              platform::MsgButtons::Ok, platform::MsgIcon::Critical);
        return;
    }
    QPointer<FrmOpen> self = this;
    frmFront()->show();
    if (self && !platform::isEnding())
        m_close.navigate(this);
}

void FrmOpen::cmdTutor_Click()
{
    if (m_close.navigating())
        return;
    if (!hasVisibleFile(QStringLiteral("learn.dll"))) {
        platform::showMessage(this,
                              QStringLiteral("Files Needed To Run Dovemarch Is Missing\rPlease Reinstall Software."),
                              platform::MsgButtons::Ok, platform::MsgIcon::Critical);
        return;
    }
    QPointer<FrmOpen> self = this;
    // The tutor's load may end the program (or hide the tutor in the tray);
    // the start window closes only if the program is still running. The tutor
    // gets the command line without the program's own path, so that an install
    // folder whose path holds "/STARTUP" does not count as that argument.
    if (platform::navigation().openTutor)
        platform::navigation().openTutor(QCoreApplication::arguments().mid(1));
    if (self && !platform::isEnding())
        m_close.navigate(this);
}

void FrmOpen::closeEvent(QCloseEvent* event)
{
    if (g_frmOpen == this)
        g_frmOpen = nullptr;
    m_close.closing(event);
}

FrmOpen* frmOpen()
{
    if (!g_frmOpen)
        g_frmOpen = new FrmOpen;
    return g_frmOpen;
}

FrmOpen* existingFrmOpen() { return g_frmOpen; }

} // namespace kestrune::reading_ui

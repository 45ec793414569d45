#include "reading_ui/FrmManual.h"

#include "reading_ui/CardTable.h"
#include "reading_ui/FormKit.h"
#include "reading_ui/Forms.h"
#include "reading_ui/FrmAuto.h"
#include "reading_ui/FrmMDI.h"
#include "reading_ui/HandOver.h"

#include "deck/Deck.h"
#include "imaging/Rotate.h"
#include "platform/AppFrame.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "reading/Composer.h"
#include "reading/ManualDeal.h"
#include "reading/Records.h"
#include "spreads/Spreads.h"
#include "widgets/TextCursorSink.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>

namespace kestrune::reading_ui {

using platform::designFont;
using platform::placeTwips;
using platform::twips;

namespace {

QPointer<FrmManual> g_frmManual;

constexpr int kColumns = 13;
constexpr int kClientWidthTwips = 7560;
constexpr int kClientHeightTwips = 6375;

// A face-down card: a picture box that reports a click (press and release of
// the left button inside it).
class CardBack : public QLabel {
public:
    CardBack(QWidget* parent, std::function<void()> onClick)
        : QLabel(parent)
        , m_onClick(std::move(onClick))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_onClick)
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(designFont(QStringLiteral("MS Sans Serif"), 9.75));
    setButtonColour(button, QColor(255, 224, 192));
    placeTwips(button, l, t, w, h);
    return button;
}

QLabel* makeMessageLabel(QWidget* parent, const char* name, const QString& text, double points, bool bold, int l,
                         int t, int w, int h)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(designFont(QStringLiteral("Verdana"), points, bold));
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label, l, t, w, h);
    return label;
}

} // namespace

FrmManual::FrmManual(QWidget* parent)
    : QMainWindow(parent)
{
    g_frmManual = this;
    setObjectName(QStringLiteral("frmManual"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(readingCaption());
    setWindowIcon(platform::programIcon());
    // Fixed single border, no maximize button.
    setFixedBorder(this, true);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmManualClient"));

    m_cmdBack = makeButton(central, "cmdBack", QStringLiteral("Back"), 6510, 5940, 975, 375);
    m_cmdCancel = makeButton(central, "cmdCancel", QStringLiteral("Exit"), 5370, 5940, 1095, 375);

    m_picManual = new QLabel(central);
    m_picManual->setObjectName(QStringLiteral("picManual"));
    m_picManual->setScaledContents(true);
    placeTwips(m_picManual, 90, 480, 2415, 4095);

    auto* frame = new QFrame(central);
    frame->setObjectName(QStringLiteral("fraPictures"));
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    placeTwips(frame, 2520, 540, 5055, 4035);
    m_fraPictures = frame;

    const QImage back = readPicture(platform::inApplicationFolder(QStringLiteral("pic/back.jpg")));
    const QPixmap backPixmap = QPixmap::fromImage(back);
    for (int i = 0; i < kBackCount; ++i) {
        auto* box = new CardBack(frame, [this, i] { p_Click(i); });
        box->setObjectName(QStringLiteral("p_%1").arg(i));
        box->setScaledContents(true);
        if (!backPixmap.isNull())
            box->setPixmap(backPixmap);
        placeTwips(box, 90 + 375 * (i % kColumns), 180 + 630 * (i / kColumns), 350, 600);
        box->setCursor(Qt::PointingHandCursor);
        m_p[i] = box;
    }

    m_txtDisp = new QTextEdit(central);
    m_txtDisp->setObjectName(QStringLiteral("txtDisp"));
    m_txtDisp->setReadOnly(true);
    m_txtDisp->setFont(designFont(QStringLiteral("Verdana"), 8.25, true));
    placeTwips(m_txtDisp, 90, 4620, 7395, 1245);

    m_picMessage = new QWidget(central);
    m_picMessage->setObjectName(QStringLiteral("picMessage"));
    m_picMessage->setAutoFillBackground(true);
    QPalette red = m_picMessage->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    m_picMessage->setPalette(red);
    placeTwips(m_picMessage, 1133, 2693, 5295, 975);
    makeMessageLabel(m_picMessage, "Label1", QStringLiteral("Please Wait ..."), 14.25, true, 60, 60, 5175, 840);
    makeMessageLabel(m_picMessage, "Label2", QStringLiteral("Brellix is generating the Tarot result...."), 9.75,
                     false, 90, 360, 5115, 555);
    m_picMessage->hide();

    m_picTmp = new QLabel(central);
    m_picTmp->setObjectName(QStringLiteral("picTmp"));
    m_picTmp->hide();
    m_img = new QLabel(central);
    m_img->setObjectName(QStringLiteral("Img"));
    m_img->hide();

    // Tab order: cmdBack, cmdCancel, then the preview, the deck and the text.
    setTabOrder(m_cmdBack, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_txtDisp);

    connect(m_cmdBack, &QPushButton::clicked, this, &FrmManual::cmdBack_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmManual::cmdCancel_Click);

    buildMenus();
    setClientAreaTwips(this, central, kClientWidthTwips, kClientHeightTwips);
    centreOnScreen(this);

    Form_Load();
}

FrmManual::~FrmManual()
{
    if (g_frmManual == this)
        g_frmManual = nullptr;
}

void FrmManual::buildMenus()
{
    auto addAction = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addAction(file, "mnuStart", QStringLiteral("&Start Again")), &QAction::triggered, this,
            &FrmManual::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(addAction(file, "mnuExit", QStringLiteral("&Exit")), &QAction::triggered, this,
            &FrmManual::cmdCancel_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addAction(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            [] { openOnlineHelp(); });
    connect(addAction(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, this,
            [] { openHomePage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    connect(addAction(help, "mnuUpdate", QStringLiteral("Check for Software &Update")), &QAction::triggered, this,
            [] { openDownloadPage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
    connect(addAction(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            [this] { showAboutBox(this); });
}

void FrmManual::Form_Load()
{
    reading::ReadingOptions& options = reading::readingOptions();
    options.ManualMode = true;
    m_spread = options.card;
    m_listPosition = options.MaxCardInSet;
    m_lboo = options.lboo;
    m_hboo = options.hboo;
    m_rboo = options.rboo;
    m_required = options.no;

    ShowCardInfo(QStringLiteral("0"));

    const int offered = reading::OfferedBackCount(options);
    for (int i = 0; i < kBackCount; ++i) {
        m_p[i]->setVisible(i < offered);
        m_p[i]->setEnabled(i < offered);
    }

    m_picManual->setPixmap(QPixmap());
    if (const spreads::Spread* spread = spreads::SpreadAtListPosition(m_listPosition)) {
        const QImage preview = readPicture(spread->PreviewPicturePath());
        if (!preview.isNull())
            m_picManual->setPixmap(QPixmap::fromImage(preview));
    }
    m_pickCounter = 0;
}

QLabel* FrmManual::p(int i) const { return i >= 0 && i < kBackCount ? m_p[i] : nullptr; }

void FrmManual::ShowCardInfo(const QString& position)
{
    QString text;
    if (const spreads::Spread* spread = spreads::FindSpread(m_spread)) {
        bool ok = false;
        const int pos = position.toInt(&ok);
        if (ok)
            text = spreads::PositionGuidance(*spread, pos);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_txtDisp->setPlainText(text);
}

void FrmManual::p_Click(int index)
{
    // One pick deals at most once: picks arriving while the deal yields are
    // ignored, as are picks on a back that is already gone.
    QLabel* box = p(index);
    if (m_dealing || m_closed || !box || !box->isEnabled() || box->isHidden())
        return;
    box->hide();
    box->setEnabled(false);
    if (m_pickCounter < m_required - 1) {
        ++m_pickCounter;
        ShowCardInfo(QString::number(m_pickCounter));
        return;
    }
    Deal();
}

void FrmManual::Deal()
{
    QPointer<FrmManual> self(this);
    m_dealing = true;
    m_picMessage->show();
    m_picMessage->raise();
    paintNow(this);
    if (!self || m_closed || platform::isEnding())
        return;
    platform::blockingWait(3000);

    reading::Reading& r = reading::currentReading();
    r.Options = reading::readingOptions();
    for (int i = 0; i < m_required; ++i) {
        if (!DealPosition(i)) {
            // The reading went away during the deal: its frame was closed
            // ("Start Again") or the program is ending.
            if (self) {
                m_dealing = false;
                if (!platform::isEnding() && !m_closed)
                    m_close.navigate(this);
            }
            return;
        }
    }
    HandOver();
}

bool FrmManual::DealPosition(int i)
{
    QPointer<FrmManual> self(this);
    reading::Reading& r = reading::currentReading();
    const reading::DealtCard dealt = reading::DealPosition(r, i);
    if (!self || m_closed)
        return false;

    // The first card on the table creates it inside the result frame (its Load
    // writes the reading's header) and shows it.
    const bool created = existingFrmAuto() == nullptr;
    if (created && i > 0)
        return false; // the table of this reading was closed meanwhile
    QPointer<FrmAuto> table(frmAuto());
    if (!table || table->isAbandoned())
        return false;
    if (created) {
        table->setLayingOut(true);
        table->Show();
    }

    const QImage upright = readPicture(deck::CardPicturePath(dealt.card));
    if (dealt.reversed && !upright.isNull()) {
        m_source = upright;
        m_imgPicture = upright;
        m_img->setPixmap(QPixmap::fromImage(upright));
        RotateImage(spreads::kReversedAngle);
        if (!self || m_closed || !table || table->isAbandoned())
            return false;
        table->SetBoxPicture(i, m_imgPicture);
    } else {
        table->SetBoxPicture(i, upright);
    }

    short picIndex = static_cast<short>(i);
    switch (m_listPosition) {
    case 0: SetPicPlacement0(picIndex); break;
    case 1: SetPicPlacement1(picIndex); break;
    case 2: SetPicPlacement2(picIndex); break;
    case 3: SetPicPlacement3(picIndex); break;
    case 4: SetPicPlacement4(picIndex); break;
    case 5: SetPicPlacement5(picIndex); break;
    case 6: SetPicPlacement6(picIndex); break;
    case 7: SetPicPlacement7(picIndex); break;
    default: break;
    }
    return self && !m_closed && table && !table->isAbandoned();
}

void FrmManual::SetPicPlacement0(short& picIndex) { SetPicPlacement(0, picIndex); }
void FrmManual::SetPicPlacement1(short& picIndex) { SetPicPlacement(1, picIndex); }
void FrmManual::SetPicPlacement2(short& picIndex) { SetPicPlacement(2, picIndex); }
void FrmManual::SetPicPlacement3(short& picIndex) { SetPicPlacement(3, picIndex); }
void FrmManual::SetPicPlacement4(short& picIndex) { SetPicPlacement(4, picIndex); }
void FrmManual::SetPicPlacement5(short& picIndex) { SetPicPlacement(5, picIndex); }
void FrmManual::SetPicPlacement6(short& picIndex) { SetPicPlacement(6, picIndex); }
void FrmManual::SetPicPlacement7(short& picIndex) { SetPicPlacement(7, picIndex); }

void FrmManual::SetPicPlacement(int listPosition, int picIndex)
{
    QPointer<FrmManual> self(this);
    QPointer<FrmAuto> table(existingFrmAuto());
    if (!table)
        return;
    if (const auto at = spreads::FindPlacement(listPosition, picIndex))
        table->MoveBoxTwips(picIndex, at->x(), at->y());
    if (spreads::IsCrossingPosition(listPosition, picIndex)) {
        // The crossing card lies on its side, turned from its upright picture
        // whether or not it was dealt reversed; when that fails the box keeps
        // the dealer's picture.
        const reading::Reading& r = reading::currentReading();
        const QImage upright = readPicture(deck::CardPicturePath(r.DrawnCards.value(picIndex, -1)));
        if (!upright.isNull()) {
            m_source = upright;
            m_turned = QImage();
            RotateImage(spreads::kCrossingAngle);
            if (!self || !table)
                return;
            if (!m_turned.isNull())
                table->SetBoxPicture(picIndex, m_turned);
        }
    }
    table->ShowLabel(picIndex);
    table->ShowBox(picIndex);
}

void FrmManual::RotateImage(double RotAngel)
{
    if (m_rotating || m_source.isNull())
        return;
    m_rotating = true;
    imaging::RotationCancel = 0;
    QPointer<FrmManual> self(this);
    const QImage turned = turnPicture(m_source, RotAngel);
    if (!self)
        return;
    m_rotating = false;
    if (turned.isNull())
        return;
    m_turned = turned;
    m_imgPicture = turned;
    m_img->setPixmap(QPixmap::fromImage(turned));
}

void FrmManual::HandOver()
{
    QPointer<FrmManual> self(this);
    FrmAuto* table = existingFrmAuto();
    FrmMDI* frame = table ? table->frame() : nullptr;
    if (frame && table && !table->isAbandoned()) {
        table->setLayingOut(false);
        table->Show();
        if (QTextEdit* text = frame->rtbDisp1()) {
            // At the caret, which the header left behind itself.
            widgets::TextCursorSink sink(text);
            reading::WriteReading(sink, reading::currentReading());
            QTextCursor start(text->document());
            start.setPosition(0);
            text->setTextCursor(start);
            text->verticalScrollBar()->setValue(0);
        }
        frame->show();
        frame->raise();
        frame->activateWindow();
    }
    if (!self)
        return;
    m_dealing = false;
    m_close.navigate(this);
}

void FrmManual::cmdBack_Click()
{
    if (m_dealing || m_closed)
        return;
    m_close.navigate(this);
    showQuerentWindow();
}

void FrmManual::cmdCancel_Click() { close(); }

void FrmManual::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    m_closed = true;
    if (m_rotating)
        imaging::RotationCancel = 1;
    if (g_frmManual == this)
        g_frmManual = nullptr;
    m_close.closing(event);
}

FrmManual* frmManual()
{
    if (!g_frmManual)
        new FrmManual;
    return g_frmManual;
}

FrmManual* existingFrmManual() { return g_frmManual; }

} // namespace kestrune::reading_ui

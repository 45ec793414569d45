#include "reading_ui/FrmAuto.h"

#include "reading_ui/CardTable.h"
#include "reading_ui/Forms.h"
#include "reading_ui/FrmMDI.h"

#include "deck/Deck.h"
#include "imaging/Rotate.h"
#include "platform/AppFrame.h"
#include "platform/Geometry.h"
#include "reading/Composer.h"
#include "reading/Draw.h"
#include "reading/Records.h"
#include "spreads/Spreads.h"
#include "widgets/TextCursorSink.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include <optional>

namespace kestrune::reading_ui {

using platform::twips;

namespace {

QPointer<FrmAuto> g_frmAuto;

// A card box with no picture keeps the size of a card, so that its number
// still shows when a picture file is missing.
constexpr int kEmptyBoxWidthTwips = 1950;
constexpr int kEmptyBoxHeightTwips = 3375;

} // namespace

FrmAuto::FrmAuto(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAuto"));
    setWindowTitle(QStringLiteral("Kestrune v1.50"));
    setFixedSize(twips(kTableWidthTwips), twips(kTableHeightTwips));

    const QFont numberFont = platform::designFont(QStringLiteral("Arial Black"), 14.25);
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("p_%1").arg(i));
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Window);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->resize(twips(kEmptyBoxWidthTwips), twips(kEmptyBoxHeightTwips));
        box->hide();
        box->setEnabled(false);
        m_p[i] = box;

        auto* label = new QLabel(QString::number(i + 1), box);
        label->setObjectName(QStringLiteral("lbl_%1").arg(i));
        label->setFont(numberFont);
        // The number stands at the top-left corner of the card, like the
        // label's own corner.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(255, 0, 255));
        pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 0, 255));
        label->setPalette(pal);
        label->setAutoFillBackground(false);
        label->setAttribute(Qt::WA_TranslucentBackground);
        const QPoint offset = spreads::LabelOffset(i);
        platform::placeTwips(label, offset.x(), offset.y(), spreads::kLabelSize.width(),
                             spreads::kLabelSize.height());
        label->hide();
        label->setEnabled(false);
        m_lbl[i] = label;
    }

    m_img = new QLabel(this);
    m_img->setObjectName(QStringLiteral("Img"));
    m_img->hide();
}

FrmAuto::~FrmAuto()
{
    abandonLayout();
    if (g_frmAuto == this)
        g_frmAuto = nullptr;
}

QLabel* FrmAuto::p(int i) const { return i >= 0 && i < kBoxCount ? m_p[i] : nullptr; }
QLabel* FrmAuto::lbl(int i) const { return i >= 0 && i < kBoxCount ? m_lbl[i] : nullptr; }

QMdiSubWindow* FrmAuto::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

FrmMDI* FrmAuto::frame() const { return qobject_cast<FrmMDI*>(window()); }

QTextEdit* FrmAuto::resultText() const
{
    FrmMDI* f = frame();
    return f ? f->rtbDisp1() : nullptr;
}

void FrmAuto::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    QPointer<FrmAuto> self(this);
    m_layingOut = true;

    if (QMdiSubWindow* sub = subWindow())
        sub->move(0, 0);

    reading::Reading& r = reading::currentReading();
    r.Options = reading::readingOptions();
    if (FrmMDI* f = frame())
        f->ShowQuerentDetails();
    if (QTextEdit* text = resultText()) {
        text->clear();
        widgets::TextCursorSink sink(text);
        reading::WriteReadingHeader(sink, r.Options.card);
    }

    const reading::ReadingOptions& o = r.Options;
    const auto chosen = reading::SelectDrawVariant(o);
    const int variant = chosen ? chosen->number : 0;
    if (o.cmdAVal) {
        switch (variant) {
        case 1: DONE1(o.no); break;
        case 2: DONE2(o.no); break;
        case 3: DONE3(o.no); break;
        case 4: DONE4(o.no); break;
        case 5: DONE5(o.no); break;
        case 6: DONE6(o.no); break;
        default: break;
        }
    }
    if (!self)
        return;
    if (m_abandoned) {
        m_layingOut = false;
        return;
    }
    if (o.cmdMValue && variant != 0)
        Clear_PicBox();
    m_layingOut = false;
}

namespace {
bool variantMatches(int variant)
{
    const auto chosen = reading::SelectDrawVariant(reading::currentReading().Options);
    return chosen && chosen->number == variant;
}
} // namespace

void FrmAuto::DONE1(int no) { if (variantMatches(1)) runVariant(no, false); }
void FrmAuto::DONE2(int no) { if (variantMatches(2)) runVariant(no, false); }
void FrmAuto::DONE3(int no) { if (variantMatches(3)) runVariant(no, false); }
void FrmAuto::DONE4(int no) { if (variantMatches(4)) runVariant(no, true); }
void FrmAuto::DONE5(int no) { if (variantMatches(5)) runVariant(no, true); }
void FrmAuto::DONE6(int no) { if (variantMatches(6)) runVariant(no, true); }

void FrmAuto::runVariant(int no, bool reversal)
{
    QPointer<FrmAuto> self(this);
    reading::Reading& r = reading::currentReading();
    const auto chosen = reading::SelectDrawVariant(r.Options);
    if (!chosen)
        return;
    r.Options.no = no;
    reading::DrawSpread(r, chosen->set);
    if (!self || m_abandoned)
        return;

    const int listPosition = drawnSpreadListPosition(no, r.Options.card);
    const int count = qMin<int>(r.DrawnCards.size(), kBoxCount);
    auto place = [&](int i) {
        if (const auto at = spreads::FindPlacement(listPosition, i))
            MoveBoxTwips(i, at->x(), at->y());
    };
    // The picture turned through Img: the turned copy, the upright picture when
    // the turn fails, a null picture when there is none; nothing when the
    // table went away during the turn.
    auto turned = [&](const QImage& upright, double angle) -> std::optional<QImage> {
        if (upright.isNull())
            return QImage();
        setSourcePicture(upright);
        RotateImage(angle);
        if (!self || m_abandoned)
            return std::nullopt;
        return m_imgPicture;
    };

    if (!reversal) {
        for (int i = 0; i < count; ++i)
            ShowBox(i);
        for (int i = 0; i < count; ++i) {
            place(i);
            const QImage upright = readPicture(deck::CardPicturePath(r.DrawnCards[i]));
            SetBoxPicture(i, upright);
            if (spreads::IsCrossingPosition(listPosition, i)) {
                const auto picture = turned(upright, spreads::kCrossingAngle);
                if (!picture)
                    return;
                SetBoxPicture(i, *picture);
            }
        }
        for (int i = 0; i < count; ++i)
            ShowLabel(i);
    } else {
        for (int i = 0; i < count; ++i)
            place(i);
        reading::BeginReversal(r);
        for (int i = 0; i < count; ++i) {
            const bool reversed = reading::DecideReversal(r, i);
            const QImage upright = readPicture(deck::CardPicturePath(r.DrawnCards[i]));
            // The crossing card lies on its side and is never reversed.
            const bool crossing = spreads::IsCrossingPosition(listPosition, i);
            if (crossing || reversed) {
                const auto picture =
                    turned(upright, crossing ? spreads::kCrossingAngle : spreads::kReversedAngle);
                if (!picture)
                    return;
                ShowBox(i);
                SetBoxPicture(i, *picture);
                ShowLabel(i);
                if (!crossing)
                    r.ReversedCards.append(r.DrawnCards[i]);
            } else {
                ShowBox(i);
                SetBoxPicture(i, upright);
                ShowLabel(i);
            }
        }
    }

    if (QTextEdit* text = resultText()) {
        widgets::TextCursorSink sink(text);
        reading::WriteReading(sink, r);
        QTextCursor c = text->textCursor();
        c.setPosition(0);
        text->setTextCursor(c);
        text->verticalScrollBar()->setValue(0);
    }
}

bool FrmAuto::LoadSourcePicture(const QString& path)
{
    const QImage picture = readPicture(path);
    if (picture.isNull())
        return false;
    setSourcePicture(picture);
    return true;
}

void FrmAuto::setSourcePicture(const QImage& picture)
{
    m_source = picture;
    m_imgPicture = picture;
    m_img->setPixmap(QPixmap::fromImage(picture));
}

void FrmAuto::RotateImage(double RotAngel)
{
    // A rotation asked for from an event handled while one runs is refused.
    if (m_rotating || m_source.isNull())
        return;
    m_rotating = true;
    imaging::RotationCancel = 0;
    QPointer<FrmAuto> self(this);
    const QImage turned = turnPicture(m_source, RotAngel);
    if (!self)
        return;
    m_rotating = false;
    if (turned.isNull() || m_abandoned)
        return;
    m_turned = turned;
    m_imgPicture = turned;
    m_img->setPixmap(QPixmap::fromImage(turned));
}

void FrmAuto::Clear_PicBox()
{
    for (QLabel* box : m_p)
        box->setPixmap(QPixmap());
}

void FrmAuto::SetBoxPicture(int i, const QImage& picture)
{
    QLabel* box = p(i);
    if (!box || picture.isNull())
        return;
    box->setPixmap(QPixmap::fromImage(picture));
    box->resize(picture.size());
}

void FrmAuto::MoveBoxTwips(int i, int leftTwips, int topTwips)
{
    if (QLabel* box = p(i))
        box->move(twips(leftTwips), twips(topTwips));
}

void FrmAuto::ShowBox(int i)
{
    if (QLabel* box = p(i)) {
        box->setEnabled(true);
        box->show();
    }
}

void FrmAuto::ShowLabel(int i)
{
    if (QLabel* label = lbl(i)) {
        label->setEnabled(true);
        label->show();
        label->raise();
    }
}

void FrmAuto::Show()
{
    if (m_abandoned)
        return;
    QMdiSubWindow* sub = subWindow();
    if (sub) {
        sub->show();
        sub->move(0, 0);
    } else {
        show();
    }
    if (FrmMDI* f = frame())
        f->show();
}

void FrmAuto::abandonLayout()
{
    m_abandoned = true;
    // Stops a running rotation at its next column.
    if (m_rotating)
        imaging::RotationCancel = 1;
}

void FrmAuto::closeEvent(QCloseEvent* event)
{
    // The table's own close box cannot take it away while cards are being
    // laid out on it (that would leave a half-built reading in the frame);
    // the frame's closing abandons the layout first and is never refused.
    if (m_layingOut && !m_abandoned && !platform::isEnding()) {
        event->ignore();
        return;
    }
    abandonLayout();
    if (g_frmAuto == this)
        g_frmAuto = nullptr;
    event->accept();
}

FrmAuto* frmAuto()
{
    if (g_frmAuto)
        return g_frmAuto;
    FrmMDI* frame = frmMDI();
    auto* table = new FrmAuto;
    g_frmAuto = table;
    QMdiSubWindow* sub = frame->mdiArea()->addSubWindow(table);
    sub->setObjectName(QStringLiteral("frmAutoWindow"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(table->windowTitle());
    sub->adjustSize();
    sub->move(0, 0);
    QPointer<FrmAuto> guard(table);
    table->Form_Load();
    return guard;
}

FrmAuto* existingFrmAuto() { return g_frmAuto; }

bool ShowReadingTable()
{
    FrmAuto* table = frmAuto();
    if (!table || table->isAbandoned())
        return false;
    table->Show();
    return true;
}

} // namespace kestrune::reading_ui

// kestrune-artgen <application folder> <contact sheet file>
//
// Paints every picture the program shows into the application folder:
// cards/r0.jpg .. r77.jpg, pic/c0.jpg .. c7.jpg, pic/back.jpg,
// pic/querent-bg.jpg, pic/spread-bg.jpg and icons/kestrune-<size>.png; and an
// overview of all 78 cards for people looking at the deck.

#include "Art.h"

#include "deck/Deck.h"
#include "spreads/Spreads.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 95;

bool Save(const QImage& img, const QString& path, const char* format, int quality)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "kestrune-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage ContactSheet(const QList<QImage>& cards)
{
    using namespace kestrune::art;
    const int cols = 13, gap = 10, label = 14, margin = 16, head = 30;
    const int rows = (int(cards.size()) + cols - 1) / cols;
    QImage sheet(margin * 2 + cols * kCardWidth + (cols - 1) * gap,
                 margin * 2 + head + rows * (kCardHeight + label) + (rows - 1) * gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x2a, 0x26, 0x30));
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xf0, 0xe0, 0xb8));
    p.drawText(QRect(margin, margin, sheet.width() - 2 * margin, head - 6), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kestrune deck: card pictures r0 to r77 in catalogue order"));
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    for (int i = 0; i < cards.size(); ++i) {
        const int x = margin + (i % cols) * (kCardWidth + gap);
        const int y = margin + head + (i / cols) * (kCardHeight + label + gap);
        p.drawImage(x, y, cards[i]);
        p.setPen(QColor(0xc8, 0xc0, 0xd0));
        p.drawText(QRect(x, y + kCardHeight, kCardWidth, label), Qt::AlignCenter,
                   QStringLiteral("r%1").arg(i));
    }
    p.end();
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kestrune-artgen <application folder> <contact sheet file>\n");
        return 2;
    }
    using namespace kestrune;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString sheetPath = QString::fromLocal8Bit(argv[2]);
    bool ok = true;

    QList<QImage> cards;
    for (deck::CardIndex c = 0; c < deck::kCardCount; ++c) {
        cards.append(art::DrawCard(c));
        ok = Save(cards.last(), deck::CardPicturePath(folder, c), "JPEG", kJpegQuality) && ok;
    }
    for (int i = 0; i < spreads::kSpreadCount; ++i) {
        const spreads::Spread* s = spreads::SpreadAtListPosition(i);
        const QString path = s ? s->PreviewPicturePath(folder) : folder + QStringLiteral("/pic/c%1.jpg").arg(i);
        ok = Save(art::DrawSpreadPicture(i), path, "JPEG", kJpegQuality) && ok;
    }
    ok = Save(art::DrawCardBack(), folder + QStringLiteral("/pic/back.jpg"), "JPEG", kJpegQuality) && ok;
    ok = Save(art::DrawQuerentBackground(), folder + QStringLiteral("/pic/querent-bg.jpg"), "JPEG", kJpegQuality) && ok;
    ok = Save(art::DrawSpreadBackground(), folder + QStringLiteral("/pic/spread-bg.jpg"), "JPEG", kJpegQuality) && ok;
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        ok = Save(art::DrawIcon(size), folder + QStringLiteral("/icons/kestrune-%1.png").arg(size), "PNG", -1) && ok;
    ok = Save(ContactSheet(cards), sheetPath, "PNG", -1) && ok;
    return ok ? 0 : 1;
}

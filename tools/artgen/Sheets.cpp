// Pictures other than card faces: spread layouts, the card back, the window
// backgrounds and the program icon.

#include "Art.h"

#include "spreads/Spreads.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTextOption>

#include <cmath>

namespace kestrune::art {

namespace {

constexpr int kTwipsPerPixel = 15;

const QColor kGilt(0xdc, 0xb8, 0x62);
const QColor kIndigo(0x2a, 0x1d, 0x4e);

void Hints(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

// A small deterministic generator, so scattered stars fall the same way on
// every build.
struct Scatter {
    quint32 state;
    double Next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    }
};

// Faint stars over a rectangle.
void StarField(QPainter& p, const QRectF& r, int count, quint32 seed, QColor colour, double maxSize)
{
    Scatter s{seed};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(r.left() + s.Next() * r.width(), r.top() + s.Next() * r.height());
        const double size = 0.6 + s.Next() * maxSize;
        QColor col = colour;
        col.setAlphaF(colour.alphaF() * (0.4 + 0.6 * s.Next()));
        p.setBrush(col);
        if (size > maxSize * 0.7)
            p.drawPath(StarPath(c, size * 1.6, size * 0.5, 4));
        else
            p.drawEllipse(c, size * 0.5, size * 0.5);
    }
}

void Crescent(QPainter& p, QPointF c, double r, QColor colour)
{
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(r * 0.45, -r * 0.2), r * 0.88, r * 0.88);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(moon.subtracted(cut));
}

// A card lying on the miniature table: upright, or on its side for the crossing card.
void MiniCard(QPainter& p, const QRectF& box, int number, const QRectF& numberAt, QColor accent = QColor())
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(box.translated(1.2, 1.2), 2, 2);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    const QColor light(0xfc, 0xf6, 0xe4), deep(0xe8, 0xd8, 0xb0);
    auto tint = [&](QColor c, double t) {
        return accent.isValid() ? QColor::fromRgbF(c.redF() + (accent.redF() - c.redF()) * t,
                                                   c.greenF() + (accent.greenF() - c.greenF()) * t,
                                                   c.blueF() + (accent.blueF() - c.blueF()) * t)
                                : c;
    };
    g.setColorAt(0, tint(light, 0.25));
    g.setColorAt(1, tint(deep, 0.55));
    p.setBrush(g);
    p.setPen(QPen(kGilt.darker(115), 1.0));
    p.drawRoundedRect(box, 2, 2);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x9a), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(1.8, 1.8, -1.8, -1.8), 1.2, 1.2);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(std::clamp(std::min(box.width(), box.height()) * 0.55, 7.0, 13.0)));
    if (numberAt.height() < f.pixelSize() + 1)
        f.setPixelSize(std::max(7, int(numberAt.height())));
    p.setFont(f);
    p.setPen(QColor(0x5a, 0x1f, 0x6a));
    p.drawText(numberAt, Qt::AlignCenter, QString::number(number));
}

// The chakra layout gives each card the colour of its chakra, from the root
// (red, position 1 at the bottom) to the crown (violet).
QColor PlaceAccent(const QString& spreadName, int position)
{
    if (spreadName != QStringLiteral("Seven Card Chakra Layout") || position < 0 || position > 6)
        return {};
    static const QColor chakras[7] = {QColor(0xd0, 0x30, 0x30), QColor(0xf0, 0x80, 0x20), QColor(0xf0, 0xd0, 0x30),
                                      QColor(0x40, 0xa8, 0x50), QColor(0x38, 0x88, 0xd8), QColor(0x48, 0x40, 0xa8),
                                      QColor(0x98, 0x48, 0xc8)};
    return chakras[position];
}

void Velvet(QPainter& p, const QRectF& r)
{
    QRadialGradient g(r.center() + QPointF(0, -r.height() * 0.15), r.height() * 0.75);
    g.setColorAt(0, QColor(0x3c, 0x2c, 0x6a));
    g.setColorAt(1, QColor(0x16, 0x10, 0x30));
    p.fillRect(r, g);
}

} // namespace

QImage DrawSpreadPicture(int listPosition)
{
    QImage img(kSpreadWidth, kSpreadHeight, QImage::Format_RGB32);
    QPainter p(&img);
    Hints(p);
    const QRectF all(0, 0, kSpreadWidth, kSpreadHeight);
    Velvet(p, all);
    StarField(p, all, 40, 7u + quint32(listPosition) * 101u, QColor(255, 240, 200, 90), 1.4);
    p.setPen(QPen(kGilt, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(kGilt.darker(130), 0.8));
    p.drawRect(all.adjusted(4.5, 4.5, -4.5, -4.5));

    const spreads::Spread* spread = spreads::SpreadAtListPosition(listPosition);
    if (!spread) {
        p.end();
        return img;
    }

    // The spread's name, wrapped over up to three lines.
    const QRectF title(8, 7, kSpreadWidth - 16, 44);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    QTextOption opt(Qt::AlignCenter);
    opt.setWrapMode(QTextOption::WordWrap);
    QString shown = spread->name;
    shown.replace(QLatin1Char('('), QStringLiteral(" ("));
    for (int px = 13; px >= 8; --px) {
        f.setPixelSize(px);
        const QRectF need = QFontMetricsF(f).boundingRect(title, Qt::AlignCenter | Qt::TextWordWrap, shown);
        if (need.height() <= title.height() && need.width() <= title.width())
            break;
    }
    p.setFont(f);
    p.setPen(QColor(0xf6, 0xe6, 0xb8));
    p.drawText(title, shown, opt);
    p.setPen(QPen(kGilt, 0.8));
    p.drawLine(QPointF(24, 53.5), QPointF(kSpreadWidth - 24, 53.5));
    p.setBrush(kGilt);
    p.drawPath(StarPath(QPointF(kSpreadWidth / 2.0, 53.5), 3.5, 1.3, 4));

    // The card places, as they lie on the table, scaled to fit.
    const double cw = kCardWidth * kTwipsPerPixel, ch = kCardHeight * kTwipsPerPixel;
    QList<QRectF> boxes;
    QRectF bounds;
    for (int i = 0; i < spread->cardCount; ++i) {
        const QPoint at = spreads::PositionPlacement(listPosition, i);
        const bool side = spreads::IsCrossingPosition(listPosition, i);
        const QRectF b(at.x(), at.y(), side ? ch : cw, side ? cw : ch);
        boxes.append(b);
        bounds = bounds.isNull() ? b : bounds.united(b);
    }
    const QRectF field(12, 62, kSpreadWidth - 24, kSpreadHeight - 74);
    // Small spreads keep cards of a modest size rather than filling the field.
    const double s = std::min({field.width() / bounds.width(), field.height() / bounds.height(), 44.0 / cw});
    const QPointF origin(field.center().x() - bounds.width() * s / 2, field.center().y() - bounds.height() * s / 2);
    auto place = [&](const QRectF& b) {
        return QRectF(origin.x() + (b.left() - bounds.left()) * s, origin.y() + (b.top() - bounds.top()) * s,
                      b.width() * s, b.height() * s);
    };
    // Upright places first, then any card lying across them. A card that has
    // another lying across its middle shows its number above it.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < boxes.size(); ++i) {
            if (spreads::IsCrossingPosition(listPosition, i) != (pass == 1))
                continue;
            const QRectF box = place(boxes[i]);
            QRectF numberAt = box;
            for (int j = 0; j < boxes.size(); ++j) {
                const QRectF over = place(boxes[j]);
                if (j == i || !spreads::IsCrossingPosition(listPosition, j) || !over.contains(box.center()))
                    continue;
                const QRectF above(box.left(), box.top(), box.width(), over.top() - box.top());
                const QRectF below(box.left(), over.bottom(), box.width(), box.bottom() - over.bottom());
                numberAt = above.height() > below.height() ? above : below;
            }
            MiniCard(p, box, i + 1, numberAt, PlaceAccent(spread->name, i));
        }
    p.end();
    return img;
}

QImage DrawCardBack()
{
    // Drawn at four times the box size and reduced, so the fine lines blend
    // into an even pattern. The design looks the same either way up.
    constexpr int k = 4;
    QImage big(kBackWidth * k, kBackHeight * k, QImage::Format_RGB32);
    QPainter p(&big);
    Hints(p);
    const QRectF all(0, 0, big.width(), big.height());
    p.fillRect(all, QColor(0xf4, 0xec, 0xd8));
    p.setPen(Qt::NoPen);
    p.setBrush(kIndigo);
    p.drawRoundedRect(all.adjusted(4, 4, -4, -4), 10, 10);
    // Diamond lattice.
    p.save();
    QPainterPath clip;
    clip.addRect(all.adjusted(14, 14, -14, -14));
    p.setClipPath(clip);
    QLinearGradient bg(all.topLeft(), all.bottomLeft());
    bg.setColorAt(0, QColor(0x4a, 0x2a, 0x7a));
    bg.setColorAt(0.5, QColor(0x2e, 0x1a, 0x58));
    bg.setColorAt(1, QColor(0x4a, 0x2a, 0x7a));
    p.fillRect(all, bg);
    p.setPen(QPen(QColor(0xdc, 0xb8, 0x62, 150), 2.2));
    const double step = 23;
    for (double d = -all.height(); d < all.width() + all.height(); d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + all.height() * 0.75, all.height()));
        p.drawLine(QPointF(d, all.height()), QPointF(d + all.height() * 0.75, 0));
    }
    p.restore();
    p.setPen(QPen(kGilt, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(12, 12, -12, -12));
    // Central medallion: a sun-star in a ring.
    const QPointF c = all.center();
    p.setPen(QPen(kGilt, 4));
    p.setBrush(kIndigo);
    p.drawEllipse(c, 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd4, 0x7a));
    p.drawPath(StarPath(c, 26, 9, 8, -90));
    p.setBrush(QColor(0xfb, 0xf0, 0xc8));
    p.drawEllipse(c, 7, 7);
    // Small stars at the head and foot.
    p.setBrush(kGilt);
    p.drawPath(StarPath(QPointF(c.x(), 34), 10, 4, 4));
    p.drawPath(StarPath(QPointF(c.x(), all.height() - 34), 10, 4, 4));
    p.end();
    return big.scaled(kBackWidth, kBackHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// A quiet sky of pale lavender with a gilt double rule, faint stars and a
// crescent, for windows whose labels and text lie on top of it.
QImage QuietBackground(int w, int h, quint32 seed, QPointF moonAt, double phasesAt)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    Hints(p);
    const QRectF all(0, 0, w, h);
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, QColor(0xf4, 0xf0, 0xfa));
    g.setColorAt(0.6, QColor(0xfa, 0xf6, 0xee));
    g.setColorAt(1, QColor(0xf0, 0xe6, 0xd6));
    p.fillRect(all, g);
    StarField(p, all.adjusted(8, 8, -8, -8), w * h / 900, seed, QColor(0xb4, 0xa0, 0xd0, 110), 2.2);
    Crescent(p, moonAt, 16, QColor(0xe6, 0xd8, 0xb0));
    if (phasesAt > 0) {
        // The moon's phases in a row across the free foot of the window.
        const int n = 9;
        const double r = 7, step = 30, x0 = w / 2.0 - step * (n - 1) / 2;
        for (int i = 0; i < n; ++i) {
            const QPointF c(x0 + i * step, phasesAt);
            p.setPen(QPen(QColor(0xd8, 0xc8, 0xa0), 0.8));
            p.setBrush(QColor(0xf6, 0xf0, 0xe2));
            p.drawEllipse(c, r, r);
            // Lit part: grows to full in the middle of the row, then wanes.
            const double t = double(i) / (n - 1);
            const double lit = 1 - std::abs(2 * t - 1);
            QPainterPath disc;
            disc.addEllipse(c, r, r);
            QPainterPath shade;
            shade.addEllipse(c + QPointF((t < 0.5 ? -1 : 1) * 2 * r * lit, 0), r, r);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe6, 0xd2, 0x9a));
            p.drawPath(lit >= 0.999 ? disc : disc.subtracted(shade));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd0, 0xb4, 0x70), 1.0));
    p.drawRect(all.adjusted(3.5, 3.5, -3.5, -3.5));
    p.setPen(QPen(QColor(0xc8, 0xb8, 0xdc), 1.0));
    p.drawRect(all.adjusted(6.5, 6.5, -6.5, -6.5));
    for (QPointF c : {QPointF(6.5, 6.5), QPointF(w - 6.5, 6.5), QPointF(6.5, h - 6.5), QPointF(w - 6.5, h - 6.5)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0xb4, 0x70));
        p.drawPath(StarPath(c, 5, 1.8, 4));
    }
    p.end();
    return img;
}

} // namespace

QImage DrawQuerentBackground()
{
    // 5940 x 5160 twips. The fields stand in the left and middle; the moon sits
    // in the free top-right corner.
    return QuietBackground(396, 344, 1234u, QPointF(370, 24), 304);
}

QImage DrawSpreadBackground()
{
    // 8880 x 5370 twips.
    return QuietBackground(592, 358, 4321u, QPointF(566, 22), 0);
}

QImage DrawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    Hints(p);
    p.scale(size / 256.0, size / 256.0);
    const bool tiny = size <= 22;
    // A card standing slightly turned, a crescent and a star on its face.
    p.translate(128, 128);
    if (!tiny)
        p.rotate(-8);
    const QRectF card(-74, -112, 148, 224);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    if (!tiny)
        p.drawRoundedRect(card.translated(8, 8), 22, 22);
    QLinearGradient g(card.topLeft(), card.bottomRight());
    g.setColorAt(0, QColor(0x5a, 0x34, 0x96));
    g.setColorAt(1, QColor(0x24, 0x14, 0x4a));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xf0, 0xd0, 0x7a), tiny ? 22 : 10));
    p.drawRoundedRect(card, 22, 22);
    if (!tiny) {
        p.setPen(QPen(QColor(0xdc, 0xb8, 0x62), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(16, 16, -16, -16), 12, 12);
    }
    QPainterPath moon;
    moon.addEllipse(QPointF(0, -8), 62, 62);
    QPainterPath cut;
    cut.addEllipse(QPointF(30, -26), 54, 54);
    p.setPen(Qt::NoPen);
    QRadialGradient mg(QPointF(-30, -10), 80);
    mg.setColorAt(0, QColor(0xff, 0xf6, 0xd0));
    mg.setColorAt(1, QColor(0xe8, 0xb8, 0x4a));
    p.setBrush(mg);
    p.drawPath(moon.subtracted(cut));
    p.setBrush(QColor(0xff, 0xf4, 0xd0));
    p.drawPath(StarPath(QPointF(30, -30), tiny ? 34 : 28, tiny ? 13 : 9, tiny ? 4 : 8));
    if (!tiny) {
        p.drawPath(StarPath(QPointF(-36, 80), 12, 4, 4));
        p.drawPath(StarPath(QPointF(40, 72), 8, 3, 4));
    }
    p.end();
    return img;
}

} // namespace kestrune::art

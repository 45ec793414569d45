// Card faces: the frame, the name ribbon, the indices and the minor arcana's
// pips and court marks.

#include "Art.h"

#include "deck/Deck.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace kestrune::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// The traditional number of each major arcanum, by catalogue name.
int MajorNumber(const QString& name)
{
    static const QHash<QString, int> numbers = {
        {QStringLiteral("The Fool"), 0},        {QStringLiteral("The Magician"), 1},
        {QStringLiteral("The High Priestess"), 2}, {QStringLiteral("The Empress"), 3},
        {QStringLiteral("The Emperor"), 4},     {QStringLiteral("The Hierophant"), 5},
        {QStringLiteral("The Lovers"), 6},      {QStringLiteral("The Chariot"), 7},
        {QStringLiteral("Strength"), 8},        {QStringLiteral("The Hermit"), 9},
        {QStringLiteral("Wheel Fortune"), 10},  {QStringLiteral("Justice"), 11},
        {QStringLiteral("The Hanged Man"), 12}, {QStringLiteral("Death"), 13},
        {QStringLiteral("Temperance"), 14},     {QStringLiteral("The Devil"), 15},
        {QStringLiteral("The Tower"), 16},      {QStringLiteral("The Star"), 17},
        {QStringLiteral("The Moon"), 18},       {QStringLiteral("The Sun"), 19},
        {QStringLiteral("Judgement"), 20},      {QStringLiteral("The World"), 21},
    };
    return numbers.value(name, -1);
}

QString Roman(int n)
{
    if (n == 0)
        return QStringLiteral("0");
    static const int values[] = {10, 9, 5, 4, 1};
    static const char* glyphs[] = {"X", "IX", "V", "IV", "I"};
    QString s;
    for (int i = 0; i < 5; ++i)
        while (n >= values[i]) {
            s += QLatin1String(glyphs[i]);
            n -= values[i];
        }
    return s;
}

struct Minor {
    int rank = 0;   // 1 Ace .. 10, 11 Page, 12 Knight, 13 Queen, 14 King
    Suit suit = Suit::Cups;
};

bool ParseMinor(const QString& name, Minor& out)
{
    const QStringList parts = name.split(QStringLiteral(" of "));
    if (parts.size() != 2)
        return false;
    static const QHash<QString, int> ranks = {
        {QStringLiteral("Ace"), 1},    {QStringLiteral("Two"), 2},    {QStringLiteral("Three"), 3},
        {QStringLiteral("Four"), 4},   {QStringLiteral("Five"), 5},   {QStringLiteral("Six"), 6},
        {QStringLiteral("Seven"), 7},  {QStringLiteral("Eight"), 8},  {QStringLiteral("Nine"), 9},
        {QStringLiteral("Ten"), 10},   {QStringLiteral("Page"), 11},  {QStringLiteral("Knight"), 12},
        {QStringLiteral("Queen"), 13}, {QStringLiteral("King"), 14},
    };
    static const QHash<QString, Suit> suits = {
        {QStringLiteral("Cups"), Suit::Cups},
        {QStringLiteral("Pentacles"), Suit::Pentacles},
        {QStringLiteral("Swords"), Suit::Swords},
        {QStringLiteral("Wands"), Suit::Wands},
    };
    if (!ranks.contains(parts[0]) || !suits.contains(parts[1]))
        return false;
    out.rank = ranks.value(parts[0]);
    out.suit = suits.value(parts[1]);
    return true;
}

QString RankIndex(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("P");
    case 12: return QStringLiteral("Kn");
    case 13: return QStringLiteral("Q");
    case 14: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

// Classic pip places on a unit field: x in {0, 0.5, 1}, y from 0 (top) to 1.
std::vector<QPointF> PipPlaces(int n)
{
    const double t = 1.0 / 3, s = 1.0 / 6;
    switch (n) {
    case 2: return {{0.5, 0}, {0.5, 1}};
    case 3: return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4: return {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    case 5: return {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}};
    case 6: return {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 7: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 8: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}};
    case 9: return {{0, 0}, {1, 0}, {0, t}, {1, t}, {0.5, 0.5}, {0, 2 * t}, {1, 2 * t}, {0, 1}, {1, 1}};
    case 10:
        return {{0, 0}, {1, 0}, {0.5, s}, {0, t}, {1, t}, {0, 2 * t}, {1, 2 * t}, {0.5, 1 - s}, {0, 1}, {1, 1}};
    default: return {{0.5, 0.5}};
    }
}

// Pips on the field: the largest pip height at which no two pips touch.
void DrawPips(QPainter& p, Suit suit, int n, const QRectF& field)
{
    const std::vector<QPointF> places = PipPlaces(n);
    const double aspect = SuitEmblemAspect(suit);
    const bool tall = aspect < 0.5;
    // Few pips stand in one column and may be larger.
    const bool column = n <= 3;
    const double maxH = tall ? 96 : (column ? 56 : 46);
    const double maxW = tall ? 30 : (column ? 46 : 32);
    double h = maxH;
    auto centres = [&](double ph, std::vector<QPointF>& out) {
        const double pw = std::min(ph * aspect, maxW);
        const double colGap = std::min(field.width() - pw, tall ? 44.0 : 46.0);
        out.clear();
        for (const QPointF& u : places)
            out.emplace_back(field.center().x() + (u.x() - 0.5) * colGap,
                             field.top() + ph / 2 + u.y() * (field.height() - ph));
        return pw;
    };
    std::vector<QPointF> c;
    for (; h > 8; h -= 0.5) {
        const double pw = centres(h, c);
        bool clear = true;
        for (std::size_t i = 0; i < c.size() && clear; ++i)
            for (std::size_t j = i + 1; j < c.size() && clear; ++j)
                if (std::abs(c[i].x() - c[j].x()) < pw + 3 && std::abs(c[i].y() - c[j].y()) < h + 3)
                    clear = false;
        if (clear)
            break;
    }
    const double pw = centres(h, c);
    for (const QPointF& centre : c)
        DrawSuitEmblem(p, suit, QRectF(centre.x() - pw / 2, centre.y() - h / 2, pw, h));
}

// The index in the picture window's top-left corner: rank above a small pip.
void DrawCornerIndex(QPainter& p, const Palette& pal, const QString& text, Suit suit, QPointF at)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(text.size() > 1 ? 10 : 12);
    if (text.size() > 1)
        f.setStretch(QFont::Condensed);
    p.setFont(f);
    p.setPen(pal.ink);
    const QRectF box(at.x(), at.y(), 16, 13);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, text);
    const bool tall = SuitEmblemAspect(suit) < 0.5;
    const double ph = tall ? 19 : 12, pw = std::min(ph * SuitEmblemAspect(suit), 11.0);
    DrawSuitEmblem(p, suit, QRectF(at.x() + 8 - pw / 2, at.y() + 14, pw, ph));
}

void DrawFrame(QPainter& p, const Palette& pal, const QColor& top, const QColor& low)
{
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), QColor(0xf4, 0xec, 0xd8));
    p.setPen(Qt::NoPen);
    p.setBrush(pal.frame);
    p.drawRoundedRect(QRectF(2, 2, kCardWidth - 4, kCardHeight - 4), 7, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.frameLine, 1.0));
    p.drawRoundedRect(QRectF(4.5, 4.5, kCardWidth - 9, kCardHeight - 9), 5, 5);

    // Picture window.
    const QRectF win(8, 8, kCardWidth - 16, 185);
    QLinearGradient g(win.topLeft(), win.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.setBrush(g);
    p.setPen(QPen(pal.frameLine, 1.0));
    p.drawRoundedRect(win, 3, 3);
}

void DrawNameBand(QPainter& p, const Palette& pal, const QString& name)
{
    const QRectF band(8, 197, kCardWidth - 16, 20);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, pal.band.lighter(106));
    g.setColorAt(1, pal.band.darker(104));
    p.setBrush(g);
    p.setPen(QPen(pal.frameLine, 1.0));
    p.drawRoundedRect(band, 2.5, 2.5);
    FitText(p, band.adjusted(3, 0, -3, 0), name, QStringLiteral("DejaVu Serif"), QFont::Bold, 11, 7, pal.bandInk,
            Qt::AlignCenter);
}

void DrawMajor(QPainter& p, int number, const QString& name)
{
    const Palette pal = MajorPalette();
    QColor top, low;
    MajorSky(number, top, low);
    DrawFrame(p, pal, top, low);

    p.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(8.5, 8.5, kCardWidth - 17, 184), 3, 3);
    p.setClipPath(clip);
    DrawMajorEmblem(p, number, QRectF(12, 30, kCardWidth - 24, 160));
    p.restore();

    // Numeral plaque at the top centre, as tarot decks index their trumps.
    const QString numeral = Roman(number);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(11);
    const double w = std::max(26.0, QFontMetricsF(f).horizontalAdvance(numeral) + 14);
    const QRectF plaque(kCardWidth / 2.0 - w / 2, 11, w, 16);
    p.setBrush(pal.frame);
    p.setPen(QPen(pal.frameLine, 1.0));
    p.drawRoundedRect(plaque, 3, 3);
    p.setFont(f);
    p.setPen(pal.frameLine.lighter(115));
    p.drawText(plaque, Qt::AlignCenter, numeral);

    DrawNameBand(p, pal, name);
}

void DrawMinor(QPainter& p, const Minor& m, const QString& name)
{
    const Palette pal = SuitPalette(m.suit);
    DrawFrame(p, pal, pal.groundTop, pal.groundLow);

    p.save();
    QPainterPath window;
    window.addRoundedRect(QRectF(8.5, 8.5, kCardWidth - 17, 184), 3, 3);
    p.setClipPath(window);
    // A soft light in the middle of the picture and a fine rule inside its edge.
    {
        QRadialGradient light(QPointF(kCardWidth / 2.0, 100), 70);
        light.setColorAt(0, QColor(255, 255, 255, 150));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawRect(QRectF(9, 9, kCardWidth - 18, 183));
        QColor rule = pal.frame;
        rule.setAlpha(90);
        p.setPen(QPen(rule, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(11.5, 11.5, kCardWidth - 23, 179), 2, 2);
    }
    const QRectF field(28, 14, kCardWidth - 56, 174);
    if (m.rank == 1) {
        // The ace: one large emblem in a glory of rays.
        const QPointF c = field.center();
        p.save();
        p.setPen(QPen(QColor(pal.frameLine.red(), pal.frameLine.green(), pal.frameLine.blue(), 150), 1.2));
        for (int i = 0; i < 32; ++i) {
            const double a = i * 2 * kPi / 32;
            const double r0 = 30, r1 = (i % 2) ? 44 : 54;
            p.drawLine(QPointF(c.x() + r0 * std::cos(a), c.y() + r0 * std::sin(a)),
                       QPointF(c.x() + r1 * std::cos(a), c.y() + r1 * std::sin(a)));
        }
        QRadialGradient glow(c, 44);
        glow.setColorAt(0, QColor(255, 250, 225, 230));
        glow.setColorAt(1, QColor(255, 250, 225, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 44, 44);
        p.restore();
        const double h = SuitEmblemAspect(m.suit) < 0.5 ? 150 : 72;
        const double w = h * SuitEmblemAspect(m.suit);
        DrawSuitEmblem(p, m.suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
    } else if (m.rank <= 10) {
        DrawPips(p, m.suit, m.rank, field);
    } else {
        const int court = m.rank - 11;
        // A soft arch behind the court figure.
        QPainterPath arch;
        arch.moveTo(24, 188);
        arch.lineTo(24, 56);
        arch.arcTo(QRectF(24, 16, kCardWidth - 48, 80), 180, -180);
        arch.lineTo(kCardWidth - 24, 188);
        p.setPen(QPen(pal.frameLine, 1.0));
        p.setBrush(Mix(pal.groundTop, pal.frame, 0.12));
        p.drawPath(arch);
        DrawCourtMark(p, court, m.suit, QRectF(30, 26, kCardWidth - 60, 70));
        const double h = SuitEmblemAspect(m.suit) < 0.5 ? 86 : 60;
        const double w = h * SuitEmblemAspect(m.suit);
        DrawSuitEmblem(p, m.suit, QRectF(kCardWidth / 2.0 - w / 2, 146 - h / 2, w, h));
    }

    // Corner indices: upright at the top left, turned at the bottom right.
    const QString idx = RankIndex(m.rank);
    DrawCornerIndex(p, pal, idx, m.suit, QPointF(10, 11));
    p.save();
    p.translate(kCardWidth, 8 + 185 + 8);
    p.rotate(180);
    DrawCornerIndex(p, pal, idx, m.suit, QPointF(10, 11));
    p.restore();
    p.restore();

    DrawNameBand(p, pal, name);
}

} // namespace

Palette MajorPalette()
{
    return {QColor(0x3b, 0x1f, 0x5a), QColor(0xdc, 0xb8, 0x62), {}, {}, QColor(0x2a, 0x1d, 0x3e),
            QColor(0xf6, 0xea, 0xc8), QColor(0x3b, 0x1f, 0x5a)};
}

Palette SuitPalette(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return {QColor(0x1f, 0x4e, 0x7c), QColor(0xd8, 0xc0, 0x7a), QColor(0xee, 0xf6, 0xf8),
                QColor(0xb9, 0xd8, 0xe6), QColor(0x17, 0x3a, 0x5c), QColor(0xf3, 0xf0, 0xe2),
                QColor(0x17, 0x3a, 0x5c)};
    case Suit::Pentacles:
        return {QColor(0x2d, 0x5a, 0x2b), QColor(0xdc, 0xc0, 0x6a), QColor(0xf3, 0xf1, 0xdc),
                QColor(0xcf, 0xdd, 0xae), QColor(0x24, 0x40, 0x1f), QColor(0xf5, 0xf0, 0xda),
                QColor(0x24, 0x40, 0x1f)};
    case Suit::Swords:
        return {QColor(0x4f, 0x58, 0x66), QColor(0xe0, 0xcc, 0x84), QColor(0xfb, 0xf6, 0xde),
                QColor(0xe9, 0xe0, 0xb4), QColor(0x33, 0x3a, 0x47), QColor(0xf4, 0xf2, 0xea),
                QColor(0x33, 0x3a, 0x47)};
    case Suit::Wands:
        return {QColor(0x8c, 0x2a, 0x1c), QColor(0xe2, 0xbe, 0x6e), QColor(0xfb, 0xee, 0xd9),
                QColor(0xf1, 0xc9, 0x9c), QColor(0x5e, 0x1f, 0x14), QColor(0xf7, 0xec, 0xd8),
                QColor(0x5e, 0x1f, 0x14)};
    }
    return {};
}

QImage DrawCard(int cardIndex)
{
    QImage img(kCardWidth, kCardHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QString name = deck::CardName(cardIndex);
    Minor m;
    if (deck::IsMajorArcana(cardIndex))
        DrawMajor(p, MajorNumber(name), name);
    else if (ParseMinor(name, m))
        DrawMinor(p, m, name);
    p.end();
    return img;
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = (turnDegrees + i * 180.0 / points) * kPi / 180.0;
        const double r = (i % 2) ? inner : outer;
        const QPointF q(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

void FitText(QPainter& p, const QRectF& r, const QString& text, const QString& family, int weight,
             int maxPixels, int minPixels, QColor colour, int flags)
{
    QFont f(family);
    f.setWeight(QFont::Weight(weight));
    int px = maxPixels;
    for (; px > minPixels; --px) {
        f.setPixelSize(px);
        if (QFontMetricsF(f).horizontalAdvance(text) <= r.width())
            break;
    }
    f.setPixelSize(px);
    if (QFontMetricsF(f).horizontalAdvance(text) > r.width())
        f.setStretch(QFont::Condensed);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

} // namespace kestrune::art

// The twenty-two trump emblems. Each is drawn in a design box 100 units wide
// and 150 high (y grows downward) over a sky and a strip of ground, so every
// trump has a clear up and down.

#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace kestrune::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kInk(0x2a, 0x1d, 0x3e);
const QColor kGold(0xe8, 0xc2, 0x5e);
const QColor kGoldDark(0xa0, 0x70, 0x24);
const QColor kRed(0xb8, 0x2a, 0x2e);
const QColor kIvory(0xfb, 0xf6, 0xe8);
const QColor kStone(0x9a, 0x96, 0x9e);

QPen Ink(double w = 1.6)
{
    return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush GoldBrush(double x0, double y0, double x1, double y1)
{
    QLinearGradient g(x0, y0, x1, y1);
    g.setColorAt(0, QColor(0xfd, 0xec, 0xae));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kGoldDark);
    return g;
}

QPointF Polar(QPointF c, double r, double degrees)
{
    const double a = degrees * kPi / 180;
    return {c.x() + r * std::cos(a), c.y() + r * std::sin(a)};
}

void Ground(QPainter& p, QColor colour, double y = 128)
{
    QPainterPath hill;
    hill.moveTo(-5, 160);
    hill.lineTo(-5, y + 4);
    hill.cubicTo(25, y - 6, 60, y + 8, 105, y - 2);
    hill.lineTo(105, 160);
    hill.closeSubpath();
    QLinearGradient g(0, y - 6, 0, 150);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(160), 1.0));
    p.setBrush(g);
    p.drawPath(hill);
}

void Water(QPainter& p, double y)
{
    QLinearGradient g(0, y, 0, 150);
    g.setColorAt(0, QColor(0x5a, 0x9c, 0xd0));
    g.setColorAt(1, QColor(0x1c, 0x3c, 0x78));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(-5, y, 110, 160 - y));
    p.setPen(QPen(QColor(255, 255, 255, 140), 1.0));
    for (int i = 0; i < 4; ++i) {
        const double yy = y + 5 + i * 6;
        for (double x = 6 + (i % 2) * 10; x < 100; x += 22)
            p.drawArc(QRectF(x, yy, 10, 4), 0, 180 * 16);
    }
}

void Rays(QPainter& p, QPointF c, double r0, double r1, int n, QColor colour, double width = 1.4)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < n; ++i) {
        const double a = i * 360.0 / n;
        p.drawLine(Polar(c, r0, a), Polar(c, (i % 2) ? r1 * 0.8 : r1, a));
    }
}

void Glow(QPainter& p, QPointF c, double r, QColor colour)
{
    QRadialGradient g(c, r);
    QColor inner = colour;
    inner.setAlpha(200);
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void Cloud(QPainter& p, QPointF c, double s)
{
    QPainterPath cloud;
    cloud.addEllipse(c + QPointF(-8 * s, 0), 8 * s, 6 * s);
    cloud.addEllipse(c + QPointF(0, -4 * s), 9 * s, 8 * s);
    cloud.addEllipse(c + QPointF(9 * s, 0), 8 * s, 6 * s);
    cloud.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(0x8a, 0x90, 0xa8), 1.0));
    p.setBrush(QColor(0xf6, 0xf4, 0xfa));
    p.drawPath(cloud.simplified());
}

void Lemniscate(QPainter& p, QPointF c, double w, double h, QColor colour, double width)
{
    QPainterPath path;
    for (int i = 0; i <= 96; ++i) {
        const double t = i * 2 * kPi / 96;
        const double d = 1 + std::sin(t) * std::sin(t);
        const QPointF q(c.x() + w / 2 * std::cos(t) / d, c.y() + h * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    p.setPen(QPen(kInk, width + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath Heart(QPointF c, double s)
{
    QPainterPath h;
    h.moveTo(c.x(), c.y() + s);
    h.cubicTo(c.x() - 1.4 * s, c.y() + 0.1 * s, c.x() - 1.1 * s, c.y() - 1.0 * s, c.x(), c.y() - 0.45 * s);
    h.cubicTo(c.x() + 1.1 * s, c.y() - 1.0 * s, c.x() + 1.4 * s, c.y() + 0.1 * s, c.x(), c.y() + s);
    return h;
}

void Rose(QPainter& p, QPointF c, double r, QColor petal)
{
    p.setPen(QPen(petal.darker(160), 0.9));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(Polar(c, r * 0.55, -90 + i * 72), r * 0.5, r * 0.5);
    p.setBrush(petal.darker(108));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(Polar(c, r * 0.3, -54 + i * 72), r * 0.28, r * 0.28);
    p.setBrush(kGold);
    p.drawEllipse(c, r * 0.2, r * 0.2);
}

void Tower(QPainter& p, QRectF body, QColor stone)
{
    QLinearGradient g(body.left(), 0, body.right(), 0);
    g.setColorAt(0, stone.lighter(125));
    g.setColorAt(1, stone.darker(135));
    p.setPen(Ink(1.2));
    p.setBrush(g);
    p.drawRect(body);
    const double cw = body.width() / 5;
    for (int i = 0; i < 5; i += 2)
        p.drawRect(QRectF(body.left() + i * cw, body.top() - cw, cw, cw));
    p.setBrush(QColor(0x2a, 0x22, 0x30));
    p.drawRect(QRectF(body.center().x() - cw * 0.5, body.top() + body.height() * 0.25, cw, cw * 1.6));
}

// 0 The Fool: a traveller's bundle on a staff, a white rose, the sun and a cliff edge.
void Fool(QPainter& p)
{
    Glow(p, {76, 24}, 24, QColor(0xff, 0xf2, 0xb0));
    Rays(p, {76, 24}, 12, 20, 16, QColor(0xf0, 0xb8, 0x3a));
    p.setPen(Ink(1.2));
    p.setBrush(GoldBrush(66, 14, 86, 34));
    p.drawEllipse(QPointF(76, 24), 11, 11);
    // Distant peaks, then the grass that ends at a cliff edge on the left.
    QPainterPath peaks;
    peaks.moveTo(-5, 124);
    peaks.lineTo(8, 104);
    peaks.lineTo(18, 114);
    peaks.lineTo(30, 98);
    peaks.lineTo(44, 120);
    peaks.closeSubpath();
    p.setPen(QPen(QColor(0x8a, 0x96, 0xb8), 0.8));
    p.setBrush(QColor(0xd4, 0xdc, 0xf0));
    p.drawPath(peaks);
    QPainterPath grass;
    grass.moveTo(24, 160);
    grass.lineTo(20, 124);
    grass.cubicTo(40, 116, 70, 124, 105, 114);
    grass.lineTo(105, 160);
    grass.closeSubpath();
    QLinearGradient gg(0, 114, 0, 150);
    gg.setColorAt(0, QColor(0x8a, 0xc0, 0x5a));
    gg.setColorAt(1, QColor(0x3a, 0x6a, 0x2a));
    p.setPen(QPen(QColor(0x2a, 0x4a, 0x1a), 1.0));
    p.setBrush(gg);
    p.drawPath(grass);
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x4a), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 124), QPointF(24, 150));
    // A small white dog leaping at the traveller's heels.
    p.setPen(Ink(1.0));
    p.setBrush(kIvory);
    QPainterPath dog;
    dog.addEllipse(QPointF(80, 112), 9, 5);
    dog.addEllipse(QPointF(90, 104), 4.5, 4);
    dog.setFillRule(Qt::WindingFill);
    QPainterPath legs;
    legs.addRect(QRectF(73, 114, 2.4, 8));
    legs.addRect(QRectF(85, 114, 2.4, 8));
    legs.addRect(QRectF(88, 106, 4, 4));
    p.drawPath(dog.united(legs));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(91, 103), 0.9, 0.9);
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(71, 110), QPointF(66, 102));
    p.drawLine(QPointF(88, 101), QPointF(86, 97));
    // Staff and bundle.
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 132), QPointF(34, 48));
    p.setPen(QPen(QColor(0xa8, 0x74, 0x3c), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 132), QPointF(34, 48));
    QPainterPath sack;
    sack.moveTo(36, 50);
    sack.cubicTo(18, 50, 14, 74, 26, 80);
    sack.cubicTo(36, 84, 46, 76, 42, 60);
    sack.closeSubpath();
    p.setPen(Ink(1.4));
    p.setBrush(kRed);
    p.drawPath(sack);
    p.setPen(QPen(kGold, 1.2));
    p.drawEllipse(QPointF(28, 68), 3, 3);
    p.drawEllipse(QPointF(34, 74), 2, 2);
    Rose(p, {56, 98}, 10, kIvory);
    p.setPen(QPen(QColor(0x2f, 0x6a, 0x2f), 1.8));
    p.drawLine(QPointF(56, 108), QPointF(60, 124));
}

// I The Magician: the lemniscate over a raised wand and a table bearing the four suits.
void Magician(QPainter& p)
{
    Lemniscate(p, {50, 18}, 44, 12, kGold, 3.0);
    Glow(p, {50, 44}, 22, QColor(0xff, 0xff, 0xe0));
    p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 36), QPointF(50, 96));
    p.setPen(QPen(kIvory, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 36), QPointF(50, 96));
    p.setPen(Ink(1.0));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(50, 35), 3.5, 3.5);
    p.drawEllipse(QPointF(50, 97), 3.5, 3.5);
    // Roses and lilies above, the table below.
    Rose(p, {16, 46}, 8, kRed);
    Rose(p, {84, 46}, 8, kRed);
    p.setPen(Ink(1.4));
    QLinearGradient top(0, 104, 0, 114);
    top.setColorAt(0, QColor(0xd8, 0x9a, 0x5a));
    top.setColorAt(1, QColor(0x8a, 0x54, 0x24));
    p.setBrush(top);
    p.drawRect(QRectF(6, 104, 88, 8));
    p.drawRect(QRectF(12, 112, 8, 34));
    p.drawRect(QRectF(80, 112, 8, 34));
    const Suit suits[4] = {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands};
    for (int i = 0; i < 4; ++i) {
        const double h = (suits[i] == Suit::Swords || suits[i] == Suit::Wands) ? 28 : 15;
        const double w = h * SuitEmblemAspect(suits[i]);
        const double cx = 17 + i * 22;
        DrawSuitEmblem(p, suits[i], QRectF(cx - w / 2, 103 - h, w, h));
    }
}

// II The High Priestess: the dark and the light pillar, a veil, the triple moon and a crescent below.
void HighPriestess(QPainter& p)
{
    QLinearGradient veil(0, 30, 0, 130);
    veil.setColorAt(0, QColor(0x5a, 0x6a, 0xb0));
    veil.setColorAt(1, QColor(0x2a, 0x34, 0x78));
    p.setPen(Ink(1.0));
    p.setBrush(veil);
    p.drawRect(QRectF(28, 36, 44, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x3a, 0x4a));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            p.drawEllipse(QPointF(36 + i * 14 + (j % 2) * 7 - 3, 48 + j * 22), 3.2, 3.8);
    auto pillar = [&](double x, QColor c, QColor letterColour, const QString& letter) {
        QLinearGradient g(x, 0, x + 16, 0);
        g.setColorAt(0, c.lighter(130));
        g.setColorAt(1, c.darker(130));
        p.setPen(Ink(1.2));
        p.setBrush(g);
        p.drawRect(QRectF(x, 34, 16, 100));
        p.drawRect(QRectF(x - 3, 28, 22, 6));
        p.drawRect(QRectF(x - 3, 132, 22, 6));
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        p.setPen(letterColour);
        p.drawText(QRectF(x, 52, 16, 16), Qt::AlignCenter, letter);
    };
    pillar(12, QColor(0x2a, 0x26, 0x34), kIvory, QStringLiteral("B"));
    pillar(72, QColor(0xf2, 0xee, 0xe4), kInk, QStringLiteral("J"));
    // Triple moon crown.
    p.setPen(Ink(1.0));
    p.setBrush(QColor(0xf4, 0xf0, 0xdc));
    p.drawEllipse(QPointF(50, 18), 7, 7);
    QPainterPath left;
    left.addEllipse(QPointF(38, 18), 6, 6);
    QPainterPath cutL;
    cutL.addEllipse(QPointF(35, 18), 5, 5);
    p.drawPath(left.subtracted(cutL));
    QPainterPath right;
    right.addEllipse(QPointF(62, 18), 6, 6);
    QPainterPath cutR;
    cutR.addEllipse(QPointF(65, 18), 5, 5);
    p.drawPath(right.subtracted(cutR));
    // Crescent at the foot.
    Water(p, 138);
    QPainterPath moon;
    moon.addEllipse(QPointF(50, 132), 12, 12);
    QPainterPath bite;
    bite.addEllipse(QPointF(50, 124), 11, 10);
    p.setPen(Ink(1.0));
    p.setBrush(QColor(0xf4, 0xf0, 0xdc));
    p.drawPath(moon.subtracted(bite));
}

// III The Empress: the sign of Venus on a heart shield, a crown of twelve stars, ripe wheat.
void Empress(QPainter& p)
{
    for (int i = 0; i < 12; ++i) {
        const QPointF c = Polar({50, 44}, 32, 200 + i * (140.0 / 11));
        p.setPen(QPen(kGoldDark, 0.8));
        p.setBrush(QColor(0xff, 0xf4, 0xc0));
        p.drawPath(StarPath(c, 4.2, 1.8, 6));
    }
    Ground(p, QColor(0x8a, 0xa0, 0x3a), 124);
    auto wheat = [&](double x, double lean) {
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x1a), 1.4));
        p.drawLine(QPointF(x, 146), QPointF(x + lean, 100));
        p.setBrush(QColor(0xe8, 0xc0, 0x50));
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x1a), 0.8));
        for (int i = 0; i < 5; ++i) {
            const double t = i / 5.0;
            const QPointF c(x + lean * (0.55 + 0.45 * t), 124 - 24 * t);
            p.drawEllipse(c + QPointF(-2.5, 0), 2.2, 3.8);
            p.drawEllipse(c + QPointF(2.5, 0), 2.2, 3.8);
        }
    };
    wheat(10, 4);
    wheat(18, -2);
    wheat(82, 2);
    wheat(90, -4);
    QPainterPath heart = Heart({50, 80}, 30);
    QLinearGradient g(0, 50, 0, 110);
    g.setColorAt(0, QColor(0xf0, 0x7a, 0x8a));
    g.setColorAt(1, QColor(0xa8, 0x22, 0x3e));
    p.setPen(QPen(kGoldDark, 2.4));
    p.setBrush(g);
    p.drawPath(heart);
    p.setPen(QPen(kInk, 6.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 72), 10, 10);
    p.drawLine(QPointF(50, 82), QPointF(50, 100));
    p.drawLine(QPointF(42, 92), QPointF(58, 92));
    p.setPen(QPen(kGold, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(50, 72), 10, 10);
    p.drawLine(QPointF(50, 82), QPointF(50, 100));
    p.drawLine(QPointF(42, 92), QPointF(58, 92));
}

// IV The Emperor: a stone throne with ram's horns before red mountains, the orb above.
void Emperor(QPainter& p)
{
    QPainterPath mountains;
    mountains.moveTo(-5, 130);
    mountains.lineTo(14, 70);
    mountains.lineTo(28, 96);
    mountains.lineTo(44, 60);
    mountains.lineTo(62, 92);
    mountains.lineTo(80, 64);
    mountains.lineTo(105, 120);
    mountains.lineTo(105, 150);
    mountains.lineTo(-5, 150);
    mountains.closeSubpath();
    QLinearGradient mg(0, 60, 0, 150);
    mg.setColorAt(0, QColor(0xc8, 0x5a, 0x3a));
    mg.setColorAt(1, QColor(0x6a, 0x24, 0x1c));
    p.setPen(QPen(QColor(0x5a, 0x1c, 0x14), 1.0));
    p.setBrush(mg);
    p.drawPath(mountains);
    // Throne.
    QLinearGradient sg(24, 0, 76, 0);
    sg.setColorAt(0, QColor(0xd8, 0xd4, 0xcc));
    sg.setColorAt(1, QColor(0x86, 0x80, 0x7a));
    p.setPen(Ink(1.4));
    p.setBrush(sg);
    p.drawRect(QRectF(28, 58, 44, 56));
    p.drawRect(QRectF(20, 106, 60, 30));
    p.drawRect(QRectF(14, 134, 72, 8));
    // Ram's horns at the corners of the throne back.
    auto horn = [&](double cx, double dir) {
        QPainterPath h;
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double a = (dir > 0 ? 180 : 0) + dir * t * 540;
            const double r = 9 * (1 - 0.75 * t);
            const QPointF q = Polar({cx, 60}, r, a);
            if (i == 0)
                h.moveTo(q);
            else
                h.lineTo(q);
        }
        p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(h);
        p.setPen(QPen(QColor(0xe8, 0xdc, 0xc0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(h);
    };
    horn(30, 1);
    horn(70, -1);
    // Orb with a cross.
    p.setPen(Ink(1.4));
    p.setBrush(GoldBrush(40, 26, 60, 48));
    p.drawEllipse(QPointF(50, 38), 11, 11);
    p.drawRect(QRectF(48, 14, 4, 14));
    p.drawRect(QRectF(43, 18, 14, 4));
    p.setPen(QPen(kGoldDark, 1.2));
    p.drawLine(QPointF(39, 38), QPointF(61, 38));
    p.setPen(Ink(1.0));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(30, 100, 40, 8), 3, 3);
}

// V The Hierophant: the triple crown above two crossed keys.
void Hierophant(QPainter& p)
{
    // Tiara: an ivory cone ringed by three gilt coronets, a cross at its top.
    QPainterPath tiara;
    tiara.moveTo(32, 66);
    tiara.cubicTo(30, 36, 40, 18, 50, 14);
    tiara.cubicTo(60, 18, 70, 36, 68, 66);
    tiara.closeSubpath();
    QLinearGradient ivory(32, 0, 68, 0);
    ivory.setColorAt(0, QColor(0xfe, 0xfb, 0xf2));
    ivory.setColorAt(1, QColor(0xc8, 0xbc, 0xa4));
    p.setPen(Qt::NoPen);
    p.setBrush(ivory);
    p.drawPath(tiara);
    p.save();
    p.setClipPath(tiara);
    for (double y : {31.0, 45.0, 59.0}) {
        QPainterPath band;
        band.addRect(QRectF(20, y, 60, 6));
        for (double x = 22; x < 80; x += 6) {
            QPainterPath point;
            point.moveTo(x, y + 0.5);
            point.lineTo(x + 3, y - 4.5);
            point.lineTo(x + 6, y + 0.5);
            point.closeSubpath();
            band = band.united(point);
        }
        p.setPen(QPen(kGoldDark, 0.9));
        p.setBrush(GoldBrush(20, y - 5, 20, y + 6));
        p.drawPath(band);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        for (double x = 26; x < 80; x += 8)
            p.drawEllipse(QPointF(x, y + 3), 1.4, 1.4);
    }
    p.restore();
    p.setPen(Ink(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tiara);
    p.setPen(Ink(1.0));
    p.setBrush(kGold);
    p.drawRect(QRectF(48.5, 2, 3, 13));
    p.drawRect(QRectF(45, 5, 10, 3));
    // Crossed keys, one gold, one silver.
    auto key = [&](double angle, QColor metal) {
        p.save();
        p.translate(50, 110);
        p.rotate(angle);
        QPainterPath k;
        k.addEllipse(QPointF(0, -34), 9, 9);
        QPainterPath hole;
        hole.addEllipse(QPointF(0, -34), 4.5, 4.5);
        k = k.subtracted(hole);
        k.addRect(QRectF(-2.5, -26, 5, 56));
        k.addRect(QRectF(-2.5, 20, 11, 4));
        k.addRect(QRectF(-2.5, 27, 9, 4));
        p.setPen(Ink(1.3));
        p.setBrush(metal);
        p.drawPath(k.simplified());
        p.restore();
    };
    key(-32, QColor(0xd8, 0xdc, 0xe4));
    key(32, kGold);
}

// VI The Lovers: two hearts beneath a radiant sun between two trees.
void Lovers(QPainter& p)
{
    Glow(p, {50, 26}, 28, QColor(0xff, 0xf4, 0xc0));
    Rays(p, {50, 26}, 13, 24, 20, QColor(0xf0, 0xa8, 0x30));
    p.setPen(Ink(1.2));
    p.setBrush(GoldBrush(38, 14, 62, 38));
    p.drawEllipse(QPointF(50, 26), 12, 12);
    Ground(p, QColor(0x5a, 0x8e, 0x3e), 122);
    auto tree = [&](double x, QColor fruit) {
        p.setPen(QPen(QColor(0x5a, 0x34, 0x16), 3));
        p.drawLine(QPointF(x, 128), QPointF(x, 92));
        p.setPen(QPen(QColor(0x1f, 0x4a, 0x1a), 1.0));
        p.setBrush(QColor(0x3f, 0x86, 0x34));
        p.drawEllipse(QPointF(x, 86), 11, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(fruit);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(Polar({x, 86}, 6, 30 + i * 90), 2.2, 2.2);
    };
    tree(12, kRed);
    tree(88, QColor(0xff, 0xa8, 0x30));
    QPainterPath left = Heart({40, 90}, 20);
    QPainterPath right = Heart({60, 90}, 20);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(0xd6, 0x34, 0x4c));
    p.drawPath(left);
    p.setBrush(QColor(0xf2, 0x8a, 0xa0));
    p.drawPath(right);
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(left.intersected(right));
}

// VII The Chariot: a starry canopy over a chariot with a winged disc and two wheels.
void Chariot(QPainter& p)
{
    Ground(p, QColor(0x9a, 0x8a, 0x5a), 126);
    // Canopy.
    QPainterPath canopy;
    canopy.moveTo(14, 40);
    canopy.quadTo(50, 4, 86, 40);
    canopy.lineTo(86, 46);
    canopy.quadTo(50, 24, 14, 46);
    canopy.closeSubpath();
    p.setPen(Ink(1.3));
    p.setBrush(QColor(0x22, 0x36, 0x7a));
    p.drawPath(canopy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf0, 0xa0));
    for (int i = 0; i < 5; ++i)
        p.drawPath(StarPath(QPointF(24 + i * 13, 34 - (i == 2 ? 8 : (i % 4 == 0 ? 0 : 5))), 3, 1.2, 6));
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(20, 44), QPointF(20, 76));
    p.drawLine(QPointF(80, 44), QPointF(80, 76));
    // Body of the chariot.
    QLinearGradient body(0, 74, 0, 114);
    body.setColorAt(0, QColor(0xdc, 0xd6, 0xc8));
    body.setColorAt(1, QColor(0x8a, 0x84, 0x78));
    p.setPen(Ink(1.4));
    p.setBrush(body);
    p.drawRect(QRectF(14, 74, 72, 38));
    // Winged disc.
    QPainterPath wings;
    wings.moveTo(50, 90);
    wings.cubicTo(40, 82, 28, 82, 20, 86);
    wings.cubicTo(30, 92, 40, 94, 50, 94);
    wings.cubicTo(60, 94, 70, 92, 80, 86);
    wings.cubicTo(72, 82, 60, 82, 50, 90);
    p.setBrush(QColor(0x4a, 0x7a, 0xc8));
    p.drawPath(wings);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(50, 90), 5, 5);
    // Wheels.
    for (double x : {24.0, 76.0}) {
        p.setPen(Ink(2.2));
        p.setBrush(QColor(0x6a, 0x4a, 0x2a));
        p.drawEllipse(QPointF(x, 122), 12, 12);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(x, 122), 3, 3);
        p.setPen(QPen(kGold, 1.4));
        for (int i = 0; i < 8; ++i)
            p.drawLine(Polar({x, 122}, 3.5, i * 45), Polar({x, 122}, 10.5, i * 45));
    }
}

// VIII Strength: a lion's face, the lemniscate above it.
void Strength(QPainter& p)
{
    Lemniscate(p, {50, 20}, 40, 11, kGold, 2.8);
    Ground(p, QColor(0x6a, 0x9e, 0x4a), 128);
    const QPointF c(50, 82);
    QPainterPath mane;
    for (int i = 0; i < 28; ++i) {
        const QPointF q = Polar(c, (i % 2) ? 30 : 38, i * 360.0 / 28 - 90);
        if (i == 0)
            mane.moveTo(q);
        else
            mane.lineTo(q);
    }
    mane.closeSubpath();
    QRadialGradient mg(c, 38);
    mg.setColorAt(0.5, QColor(0xe0, 0x80, 0x2a));
    mg.setColorAt(1, QColor(0x8a, 0x3a, 0x10));
    p.setPen(Ink(1.4));
    p.setBrush(mg);
    p.drawPath(mane);
    QRadialGradient fg(c + QPointF(-4, -6), 26);
    fg.setColorAt(0, QColor(0xfb, 0xe0, 0x9a));
    fg.setColorAt(1, QColor(0xd8, 0xa0, 0x4a));
    p.setBrush(fg);
    p.drawEllipse(c, 22, 24);
    // Ears.
    p.drawEllipse(c + QPointF(-17, -18), 6, 6);
    p.drawEllipse(c + QPointF(17, -18), 6, 6);
    // Eyes, nose and mouth.
    p.setBrush(kInk);
    p.drawEllipse(c + QPointF(-8, -6), 2.4, 3);
    p.drawEllipse(c + QPointF(8, -6), 2.4, 3);
    QPainterPath nose;
    nose.moveTo(c + QPointF(-6, 4));
    nose.lineTo(c + QPointF(6, 4));
    nose.lineTo(c + QPointF(0, 10));
    nose.closeSubpath();
    p.setBrush(QColor(0x7a, 0x3a, 0x2a));
    p.drawPath(nose);
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(0, 10), c + QPointF(0, 14));
    p.drawArc(QRectF(c.x() - 8, c.y() + 8, 8, 8), 180 * 16, 180 * 16);
    p.drawArc(QRectF(c.x(), c.y() + 8, 8, 8), 180 * 16, 180 * 16);
    // A garland of roses at the chin.
    Rose(p, c + QPointF(-14, 22), 5, QColor(0xe8, 0x5a, 0x6a));
    Rose(p, c + QPointF(0, 26), 5, QColor(0xe8, 0x5a, 0x6a));
    Rose(p, c + QPointF(14, 22), 5, QColor(0xe8, 0x5a, 0x6a));
}

// IX The Hermit: a lantern holding a six-pointed star, beside a tall staff, on a snowy peak.
void Hermit(QPainter& p)
{
    QPainterPath peak;
    peak.moveTo(-5, 150);
    peak.lineTo(-5, 132);
    peak.lineTo(40, 112);
    peak.lineTo(105, 128);
    peak.lineTo(105, 150);
    peak.closeSubpath();
    QLinearGradient sg(0, 112, 0, 150);
    sg.setColorAt(0, QColor(0xf0, 0xf4, 0xfa));
    sg.setColorAt(1, QColor(0x8a, 0x96, 0xb0));
    p.setPen(QPen(QColor(0x5a, 0x66, 0x80), 1.0));
    p.setBrush(sg);
    p.drawPath(peak);
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 20), QPointF(30, 124));
    p.setPen(QPen(QColor(0xa8, 0x74, 0x3c), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 20), QPointF(30, 124));
    const QPointF c(62, 72);
    Glow(p, c, 34, QColor(0xff, 0xe8, 0x90));
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(62, 36), QPointF(62, 48));
    p.drawArc(QRectF(56, 30, 12, 10), 0, 180 * 16);
    QPainterPath cap;
    cap.moveTo(50, 54);
    cap.lineTo(62, 44);
    cap.lineTo(74, 54);
    cap.closeSubpath();
    p.setBrush(GoldBrush(50, 44, 74, 54));
    p.drawPath(cap);
    QPainterPath glass;
    glass.moveTo(50, 54);
    glass.lineTo(74, 54);
    glass.lineTo(71, 92);
    glass.lineTo(53, 92);
    glass.closeSubpath();
    p.setBrush(QColor(0xff, 0xf4, 0xc8, 220));
    p.drawPath(glass);
    p.setBrush(GoldBrush(50, 92, 74, 98));
    p.drawRect(QRectF(50, 92, 24, 5));
    // The six-pointed star inside.
    QPainterPath up, down;
    up.moveTo(Polar(c, 9, -90));
    up.lineTo(Polar(c, 9, 30));
    up.lineTo(Polar(c, 9, 150));
    up.closeSubpath();
    down.moveTo(Polar(c, 9, 90));
    down.lineTo(Polar(c, 9, 210));
    down.lineTo(Polar(c, 9, 330));
    down.closeSubpath();
    p.setPen(QPen(QColor(0xc0, 0x80, 0x10), 1.2));
    p.setBrush(QColor(0xff, 0xd8, 0x40));
    p.drawPath(up.united(down));
}

// X Wheel Fortune: an eight-spoked wheel among clouds.
void Wheel(QPainter& p)
{
    Cloud(p, {14, 22}, 0.9);
    Cloud(p, {86, 22}, 0.9);
    Cloud(p, {14, 132}, 0.9);
    Cloud(p, {86, 132}, 0.9);
    const QPointF c(50, 78);
    p.setPen(Ink(1.6));
    QRadialGradient rim(c, 40);
    rim.setColorAt(0.8, QColor(0xf0, 0x9a, 0x3a));
    rim.setColorAt(1, QColor(0xa8, 0x4a, 0x1a));
    p.setBrush(rim);
    p.drawEllipse(c, 40, 40);
    p.setBrush(QColor(0xfb, 0xf2, 0xd8));
    p.drawEllipse(c, 31, 31);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i)
        p.drawLine(Polar(c, 8, i * 45), Polar(c, 31, i * 45));
    p.setPen(Ink(1.4));
    p.setBrush(GoldBrush(40, 68, 60, 88));
    p.drawEllipse(c, 9, 9);
    p.setBrush(QColor(0x3a, 0x5a, 0xa8));
    p.drawEllipse(c, 3.5, 3.5);
    // Studs on the rim, one larger at the top to show which way is up.
    p.setBrush(kIvory);
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(Polar(c, 35.5, -90 + 22.5 + i * 45), 2, 2);
    p.setBrush(kRed);
    p.drawPath(StarPath(Polar(c, 35.5, -90), 5.5, 2.4, 5));
    // Hub stand below.
    p.setPen(Ink(1.4));
    p.setBrush(kStone);
    QPainterPath stand;
    stand.moveTo(44, 118);
    stand.lineTo(56, 118);
    stand.lineTo(64, 146);
    stand.lineTo(36, 146);
    stand.closeSubpath();
    p.drawPath(stand);
}

// XI Justice: the upright sword and the balanced scales before a purple veil.
void Justice(QPainter& p)
{
    QLinearGradient veil(0, 0, 0, 150);
    veil.setColorAt(0, QColor(0x6a, 0x3a, 0x8a));
    veil.setColorAt(1, QColor(0x3a, 0x1a, 0x5a));
    p.setPen(Qt::NoPen);
    p.setBrush(veil);
    p.drawRect(QRectF(18, -5, 64, 160));
    p.setPen(QPen(QColor(0xc8, 0xa0, 0xe0, 120), 1.0));
    for (double x = 24; x < 82; x += 8)
        p.drawLine(QPointF(x, 0), QPointF(x, 150));
    Ground(p, kStone, 134);
    // Sword, point up, hilt below the beam.
    DrawSuitEmblem(p, Suit::Swords, QRectF(40, 8, 20, 124));
    // Scales.
    p.setPen(QPen(kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 56), QPointF(86, 56));
    p.setPen(QPen(kGold, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 56), QPointF(86, 56));
    for (double x : {16.0, 84.0}) {
        p.setPen(QPen(kInk, 1.0));
        p.drawLine(QPointF(x, 56), QPointF(x - 10, 84));
        p.drawLine(QPointF(x, 56), QPointF(x + 10, 84));
        QPainterPath pan;
        pan.moveTo(x - 13, 84);
        pan.lineTo(x + 13, 84);
        pan.quadTo(x, 98, x - 13, 84);
        p.setPen(Ink(1.2));
        p.setBrush(GoldBrush(x - 13, 84, x + 13, 94));
        p.drawPath(pan);
    }
    p.setBrush(kGold);
    p.drawEllipse(QPointF(50, 56), 3, 3);
}

// XII The Hanged Man: a living tau cross, a figure hanging by one foot, his head haloed.
void HangedMan(QPainter& p)
{
    Ground(p, QColor(0x5a, 0x8e, 0x3e), 136);
    QLinearGradient wood(0, 0, 100, 0);
    wood.setColorAt(0, QColor(0xb0, 0x7a, 0x40));
    wood.setColorAt(1, QColor(0x6a, 0x42, 0x1c));
    p.setPen(Ink(1.4));
    p.setBrush(wood);
    p.drawRect(QRectF(10, 12, 80, 9));
    p.drawRect(QRectF(14, 21, 9, 120));
    p.drawRect(QRectF(77, 21, 9, 120));
    p.setBrush(QColor(0x4a, 0x9a, 0x3a));
    p.setPen(QPen(QColor(0x1f, 0x4a, 0x1a), 0.8));
    for (QPointF c : {QPointF(16, 10), QPointF(36, 10), QPointF(62, 10), QPointF(84, 10), QPointF(12, 50),
                      QPointF(88, 70)})
        p.drawEllipse(c, 3, 4.5);
    // Rope and figure, upside down: foot at the beam, head near the ground.
    p.setPen(QPen(kInk, 1.4));
    p.drawLine(QPointF(50, 21), QPointF(50, 32));
    const QPen leg(QColor(0xb8, 0x2a, 0x2e), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(leg);
    p.drawLine(QPointF(50, 34), QPointF(50, 72));
    QPainterPath bent;
    bent.moveTo(50, 72);
    bent.lineTo(64, 54);
    bent.lineTo(51, 44);
    p.setBrush(Qt::NoBrush);
    p.drawPath(bent);
    // Tunic, widening toward the shoulders, which hang lowest.
    QPainterPath tunic;
    tunic.moveTo(43, 70);
    tunic.lineTo(57, 70);
    tunic.lineTo(61, 102);
    tunic.lineTo(39, 102);
    tunic.closeSubpath();
    // Arms folded behind the back: the elbows stand out at either side.
    QPainterPath arms;
    arms.moveTo(41, 100);
    arms.lineTo(32, 90);
    arms.lineTo(43, 82);
    arms.moveTo(59, 100);
    arms.lineTo(68, 90);
    arms.lineTo(57, 82);
    p.setPen(QPen(kInk, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arms);
    p.setPen(QPen(QColor(0x5a, 0x7a, 0xd0), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arms);
    p.setPen(Ink(1.3));
    p.setBrush(QColor(0x3a, 0x5a, 0xb0));
    p.drawPath(tunic);
    p.setPen(QPen(kGold, 2.0));
    p.drawLine(QPointF(41.5, 84), QPointF(58.5, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(50, 94), 1.6, 1.6);
    // Head with its halo near the ground, hair falling toward it.
    Glow(p, {50, 113}, 18, QColor(0xff, 0xe0, 0x60));
    p.setPen(QPen(QColor(0xe8, 0xb0, 0x30), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 113), 12, 12);
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(QColor(0xe8, 0xc0, 0x50));
    p.drawEllipse(QPointF(50, 116), 7.5, 6.5);
    p.setBrush(QColor(0xf3, 0xd6, 0xb6));
    p.drawEllipse(QPointF(50, 110), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(47.5, 112), 0.9, 0.9);
    p.drawEllipse(QPointF(52.5, 112), 0.9, 0.9);
}

// XIII Death: a black banner bearing a white rose; a sun setting between two towers.
void Death(QPainter& p)
{
    Glow(p, {50, 128}, 34, QColor(0xff, 0xb8, 0x70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf8, 0xc8, 0x70));
    p.drawPie(QRectF(36, 114, 28, 28), 0, 180 * 16);
    Tower(p, QRectF(12, 98, 12, 32), QColor(0x5a, 0x50, 0x64));
    Tower(p, QRectF(76, 98, 12, 32), QColor(0x5a, 0x50, 0x64));
    Water(p, 128);
    // Pole and banner.
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 10), QPointF(26, 124));
    p.setPen(QPen(QColor(0xc0, 0xa0, 0x70), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 10), QPointF(26, 124));
    p.setPen(Ink(1.0));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(26, 9), 3, 3);
    QPainterPath flag;
    flag.moveTo(28, 16);
    flag.cubicTo(48, 10, 66, 22, 88, 16);
    flag.lineTo(88, 76);
    flag.cubicTo(66, 82, 48, 70, 28, 76);
    flag.closeSubpath();
    QLinearGradient fg(28, 0, 88, 0);
    fg.setColorAt(0, QColor(0x26, 0x22, 0x2c));
    fg.setColorAt(0.5, QColor(0x0e, 0x0c, 0x12));
    fg.setColorAt(1, QColor(0x30, 0x2a, 0x36));
    p.setPen(QPen(QColor(0x8a, 0x80, 0x90), 1.2));
    p.setBrush(fg);
    p.drawPath(flag);
    Rose(p, {58, 46}, 16, kIvory);
    p.setPen(QPen(QColor(0x4a, 0x8a, 0x3a), 1.6));
    for (int i = 0; i < 5; ++i)
        p.drawLine(Polar({58, 46}, 17, -54 + i * 72), Polar({58, 46}, 21, -54 + i * 72));
}

// XIV Temperance: water poured from one cup into another, the triangle in the square above.
void Temperance(QPainter& p)
{
    Glow(p, {50, 130}, 30, QColor(0xff, 0xd8, 0x80));
    Water(p, 134);
    p.setPen(Ink(1.2));
    p.setBrush(QColor(0xfb, 0xf6, 0xe8));
    p.drawRect(QRectF(40, 10, 20, 20));
    QPainterPath tri;
    tri.moveTo(50, 13);
    tri.lineTo(58, 27);
    tri.lineTo(42, 27);
    tri.closeSubpath();
    p.setBrush(kGold);
    p.drawPath(tri);
    // The stream arcs from the upper cup into the lower.
    QPainterPath stream;
    stream.moveTo(36, 56);
    stream.cubicTo(50, 58, 66, 72, 66, 94);
    p.setPen(QPen(QColor(0x1c, 0x4a, 0x8a), 5.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stream);
    p.setPen(QPen(QColor(0x8c, 0xd0, 0xf4), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stream);
    p.save();
    p.translate(26, 56);
    p.rotate(-60);
    DrawSuitEmblem(p, Suit::Cups, QRectF(-14, -18, 28, 38));
    p.restore();
    DrawSuitEmblem(p, Suit::Cups, QRectF(52, 92, 28, 38));
    // Irises at the water's edge.
    for (double x : {14.0, 86.0}) {
        p.setPen(QPen(QColor(0x2f, 0x6a, 0x2f), 1.6));
        p.drawLine(QPointF(x, 136), QPointF(x, 110));
        p.setPen(QPen(QColor(0x4a, 0x2a, 0x7a), 0.8));
        p.setBrush(QColor(0x8a, 0x6a, 0xd8));
        p.drawEllipse(QPointF(x - 3, 108), 3, 5);
        p.drawEllipse(QPointF(x + 3, 108), 3, 5);
        p.setBrush(QColor(0xe8, 0xc8, 0x40));
        p.drawEllipse(QPointF(x, 106), 2, 3);
    }
}

// XV The Devil: great horns over an inverted star, two chains hanging from a black block.
void Devil(QPainter& p)
{
    Glow(p, {50, 50}, 46, QColor(0xd0, 0x40, 0x20));
    auto horn = [&](double dir) {
        QPainterPath h;
        h.moveTo(50 + dir * 8, 40);
        h.cubicTo(50 + dir * 26, 36, 50 + dir * 34, 22, 50 + dir * 30, 4);
        h.cubicTo(50 + dir * 42, 20, 50 + dir * 38, 46, 50 + dir * 12, 52);
        h.closeSubpath();
        QLinearGradient g(50, 4, 50, 52);
        g.setColorAt(0, QColor(0xf4, 0xe8, 0xd0));
        g.setColorAt(1, QColor(0x8a, 0x6a, 0x4a));
        p.setPen(Ink(1.4));
        p.setBrush(g);
        p.drawPath(h);
    };
    horn(-1);
    horn(1);
    const QPointF c(50, 56);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(0x1a, 0x10, 0x18));
    p.drawEllipse(c, 19, 19);
    p.setPen(QPen(QColor(0xf0, 0xc0, 0x50), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath pent;
    for (int i = 0; i <= 5; ++i) {
        const QPointF q = Polar(c, 16, 90 + i * 144);
        if (i == 0)
            pent.moveTo(q);
        else
            pent.lineTo(q);
    }
    p.drawPath(pent);
    // Block and chains.
    QLinearGradient bg(0, 96, 0, 136);
    bg.setColorAt(0, QColor(0x3a, 0x30, 0x3a));
    bg.setColorAt(1, QColor(0x10, 0x0c, 0x10));
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x6a), 1.2));
    p.setBrush(bg);
    p.drawRect(QRectF(32, 96, 36, 40));
    p.drawRect(QRectF(24, 136, 52, 10));
    p.setBrush(Qt::NoBrush);
    for (double dir : {-1.0, 1.0}) {
        for (int i = 0; i < 5; ++i) {
            const QPointF q(50 + dir * (18 + i * 5.5), 104 + i * 7);
            p.setPen(QPen(kInk, 2.6));
            p.drawEllipse(q, 3.4, 2.4);
            p.setPen(QPen(QColor(0xb0, 0xb4, 0xbc), 1.4));
            p.drawEllipse(q, 3.4, 2.4);
        }
    }
    // Torch flame at the top of the block.
    QPainterPath flame;
    flame.moveTo(50, 80);
    flame.cubicTo(40, 90, 44, 96, 50, 96);
    flame.cubicTo(56, 96, 60, 90, 50, 80);
    p.setPen(QPen(QColor(0xa0, 0x30, 0x10), 1.0));
    p.setBrush(QColor(0xff, 0xa8, 0x30));
    p.drawPath(flame);
}

// XVI The Tower: lightning strikes a tower on a crag and throws down its crown.
void TheTower(QPainter& p)
{
    QPainterPath crag;
    crag.moveTo(-5, 150);
    crag.lineTo(12, 128);
    crag.lineTo(30, 124);
    crag.lineTo(70, 124);
    crag.lineTo(88, 130);
    crag.lineTo(105, 150);
    crag.closeSubpath();
    p.setPen(Ink(1.2));
    p.setBrush(QColor(0x5a, 0x4a, 0x44));
    p.drawPath(crag);
    Tower(p, QRectF(36, 46, 28, 80), QColor(0xa8, 0xa0, 0x98));
    // Flames from the windows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x80, 0x20));
    for (QPointF c : {QPointF(42, 70), QPointF(58, 92), QPointF(44, 106)}) {
        QPainterPath f;
        f.moveTo(c + QPointF(-3, 4));
        f.cubicTo(c + QPointF(-4, -4), c + QPointF(0, -6), c + QPointF(1, -10));
        f.cubicTo(c + QPointF(4, -4), c + QPointF(4, 0), c + QPointF(3, 4));
        f.closeSubpath();
        p.drawPath(f);
    }
    // The crown knocked off the top.
    p.save();
    p.translate(76, 30);
    p.rotate(28);
    QPainterPath crown;
    crown.moveTo(-12, 6);
    crown.lineTo(-14, -6);
    crown.lineTo(-6, 0);
    crown.lineTo(0, -9);
    crown.lineTo(6, 0);
    crown.lineTo(14, -6);
    crown.lineTo(12, 6);
    crown.closeSubpath();
    p.setPen(Ink(1.2));
    p.setBrush(GoldBrush(-14, -9, 14, 6));
    p.drawPath(crown);
    p.restore();
    // Lightning: a zigzag bolt from the top corner to the tower's crown.
    QPainterPath bolt;
    bolt.moveTo(4, 0);
    bolt.lineTo(13, 0);
    bolt.lineTo(24, 14);
    bolt.lineTo(20, 16);
    bolt.lineTo(36, 30);
    bolt.lineTo(32, 32);
    bolt.lineTo(48, 46);
    bolt.lineTo(26, 36);
    bolt.lineTo(30, 34);
    bolt.lineTo(14, 22);
    bolt.lineTo(18, 20);
    bolt.closeSubpath();
    Glow(p, {30, 26}, 22, QColor(0xff, 0xf4, 0xc0));
    p.setPen(QPen(QColor(0xb0, 0x70, 0x10), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xe0, 0x40));
    p.drawPath(bolt);
    // Falling sparks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x70));
    for (QPointF c : {QPointF(18, 60), QPointF(84, 70), QPointF(14, 92), QPointF(88, 104), QPointF(24, 116),
                      QPointF(80, 50)})
        p.drawEllipse(c, 1.8, 3);
}

// XVII The Star: a great eight-pointed star and seven small ones above still water.
void TheStar(QPainter& p)
{
    Glow(p, {50, 46}, 38, QColor(0xff, 0xf4, 0xc0));
    p.setPen(QPen(QColor(0xb0, 0x80, 0x10), 1.0));
    p.setBrush(QColor(0xff, 0xe0, 0x50));
    p.drawPath(StarPath({50, 46}, 28, 9, 8));
    p.setBrush(QColor(0xff, 0xf8, 0xd0));
    p.drawPath(StarPath({50, 46}, 14, 5, 8, -67.5));
    const QPointF small[7] = {{14, 16}, {86, 16}, {12, 56}, {88, 56}, {24, 90}, {76, 90}, {50, 98}};
    p.setBrush(QColor(0xfb, 0xfb, 0xff));
    p.setPen(QPen(QColor(0xa0, 0xa8, 0xd0), 0.8));
    for (const QPointF& c : small)
        p.drawPath(StarPath(c, 7, 2.4, 8));
    Ground(p, QColor(0x4a, 0x7a, 0x4a), 112);
    Water(p, 124);
    // An ewer tipped over the pool, its stream falling in.
    p.setPen(QPen(QColor(0xa8, 0xe0, 0xff), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath s;
    s.moveTo(60, 108);
    s.quadTo(66, 114, 64, 130);
    p.drawPath(s);
    p.save();
    p.translate(66, 104);
    p.rotate(-70);
    QPainterPath ewer;
    ewer.moveTo(-3, -8);
    ewer.lineTo(3, -8);
    ewer.cubicTo(3, -4, 8, -2, 7, 4);
    ewer.cubicTo(6, 9, -6, 9, -7, 4);
    ewer.cubicTo(-8, -2, -3, -4, -3, -8);
    ewer.closeSubpath();
    p.setPen(Ink(1.0));
    p.setBrush(GoldBrush(-7, -8, 7, 8));
    p.drawPath(ewer);
    p.restore();
}

// XVIII The Moon: the moon with a face in its crescent, falling dew, two towers and a path.
void TheMoon(QPainter& p)
{
    const QPointF c(50, 40);
    Glow(p, c, 40, QColor(0xe8, 0xec, 0xff));
    Rays(p, c, 22, 34, 24, QColor(0xf0, 0xe4, 0x9a), 1.6);
    p.setPen(Ink(1.2));
    QRadialGradient mg(c + QPointF(-6, -6), 24);
    mg.setColorAt(0, QColor(0xfc, 0xfa, 0xea));
    mg.setColorAt(1, QColor(0xd8, 0xd0, 0xa8));
    p.setBrush(mg);
    p.drawEllipse(c, 20, 20);
    QPainterPath crescent;
    crescent.addEllipse(c, 20, 20);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(9, -2), 17, 18);
    p.setBrush(QColor(0xf4, 0xd8, 0x60));
    p.drawPath(crescent.subtracted(cut));
    // A sleeping face in the dark part.
    p.setPen(QPen(QColor(0x7a, 0x70, 0x50), 1.2));
    p.drawArc(QRectF(50, 32, 8, 5), 180 * 16, 180 * 16);
    p.drawLine(QPointF(58, 38), QPointF(56, 46));
    p.drawArc(QRectF(50, 48, 9, 4), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf8, 0xe0, 0x80));
    for (int i = 0; i < 8; ++i) {
        const QPointF d(24 + i * 7.5, 70 + (i % 3) * 5);
        QPainterPath drop;
        drop.moveTo(d + QPointF(0, -3));
        drop.quadTo(d + QPointF(2.5, 1.5), d + QPointF(0, 2.5));
        drop.quadTo(d + QPointF(-2.5, 1.5), d + QPointF(0, -3));
        p.drawPath(drop);
    }
    Ground(p, QColor(0x4a, 0x6a, 0x4a), 116);
    Tower(p, QRectF(8, 90, 14, 36), QColor(0x9a, 0x92, 0x8a));
    Tower(p, QRectF(78, 90, 14, 36), QColor(0x9a, 0x92, 0x8a));
    Water(p, 138);
    QPainterPath road;
    road.moveTo(40, 139);
    road.cubicTo(44, 134, 56, 132, 48, 124);
    road.cubicTo(44, 120, 52, 117, 50, 114);
    road.lineTo(52, 114);
    road.cubicTo(56, 118, 50, 121, 54, 125);
    road.cubicTo(62, 132, 54, 136, 60, 139);
    road.closeSubpath();
    p.setPen(QPen(QColor(0x8a, 0x70, 0x4a), 0.8));
    p.setBrush(QColor(0xe8, 0xd4, 0xa0));
    p.drawPath(road);
}

// XIX The Sun: a smiling sun of straight and wavy rays over sunflowers and a wall.
void TheSun(QPainter& p)
{
    const QPointF c(50, 50);
    Glow(p, c, 50, QColor(0xff, 0xf0, 0x90));
    p.setPen(QPen(QColor(0xe0, 0x8a, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 16; ++i) {
        const double a = i * 22.5;
        if (i % 2 == 0) {
            p.drawLine(Polar(c, 26, a), Polar(c, 42, a));
        } else {
            QPainterPath w;
            w.moveTo(Polar(c, 26, a));
            w.quadTo(Polar(c, 32, a + 5), Polar(c, 34, a));
            w.quadTo(Polar(c, 36, a - 5), Polar(c, 40, a));
            p.setBrush(Qt::NoBrush);
            p.drawPath(w);
        }
    }
    p.setPen(QPen(QColor(0xc0, 0x70, 0x10), 1.6));
    QRadialGradient sg(c + QPointF(-5, -6), 26);
    sg.setColorAt(0, QColor(0xff, 0xf6, 0xb0));
    sg.setColorAt(1, QColor(0xf4, 0xb0, 0x2a));
    p.setBrush(sg);
    p.drawEllipse(c, 23, 23);
    p.setPen(QPen(QColor(0x8a, 0x4a, 0x10), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(0x8a, 0x4a, 0x10));
    p.drawEllipse(c + QPointF(-8, -5), 2.2, 2.2);
    p.drawEllipse(c + QPointF(8, -5), 2.2, 2.2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 10, c.y() - 4, 20, 16), 200 * 16, 140 * 16);
    // Wall.
    p.setPen(QPen(QColor(0x7a, 0x5a, 0x40), 1.0));
    p.setBrush(QColor(0xd8, 0x9a, 0x6a));
    p.drawRect(QRectF(-5, 118, 110, 40));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 8; ++col)
            p.drawRect(QRectF(-5 + col * 16 + (row % 2) * 8, 118 + row * 8, 16, 8));
    for (int i = 0; i < 4; ++i) {
        const QPointF f(14 + i * 24, 104 - (i % 2) * 6);
        p.setPen(QPen(QColor(0x2f, 0x6a, 0x2f), 1.8));
        p.drawLine(f, QPointF(f.x(), 118));
        p.setPen(QPen(QColor(0xb0, 0x70, 0x10), 0.6));
        p.setBrush(QColor(0xff, 0xc8, 0x20));
        for (int k = 0; k < 10; ++k)
            p.drawEllipse(Polar(f, 5.5, k * 36), 3, 3);
        p.setBrush(QColor(0x6a, 0x3a, 0x10));
        p.drawEllipse(f, 3.6, 3.6);
    }
}

// XX Judgement: a trumpet with its cross banner sounding from the clouds; figures rise below.
void Judgement(QPainter& p)
{
    Cloud(p, {30, 18}, 1.3);
    Cloud(p, {62, 14}, 1.5);
    Cloud(p, {88, 22}, 1.1);
    Glow(p, {62, 30}, 30, QColor(0xff, 0xf0, 0xc0));
    // Trumpet from upper right to a bell at lower left.
    QPainterPath horn;
    horn.moveTo(78, 28);
    horn.lineTo(40, 66);
    horn.lineTo(30, 70);
    horn.lineTo(36, 60);
    horn.lineTo(74, 24);
    horn.closeSubpath();
    p.setPen(Ink(1.3));
    p.setBrush(GoldBrush(30, 24, 78, 70));
    p.drawPath(horn);
    p.drawEllipse(QPointF(33, 65), 6, 3);
    // Banner: white with a red cross.
    QPainterPath flag;
    flag.moveTo(58, 44);
    flag.lineTo(76, 62);
    flag.lineTo(64, 78);
    flag.lineTo(46, 60);
    flag.closeSubpath();
    p.setBrush(kIvory);
    p.drawPath(flag);
    p.setPen(QPen(kRed, 3));
    p.drawLine(QPointF(52, 52), QPointF(70, 70));
    p.drawLine(QPointF(68, 53), QPointF(54, 68));
    Water(p, 126);
    // Three figures rise from their stone tombs, arms raised to the call.
    const QColor skin[3] = {QColor(0xe0, 0xb0, 0x90), QColor(0xf0, 0xd0, 0xb4), QColor(0xc8, 0x98, 0x78)};
    for (int i = 0; i < 3; ++i) {
        const double x = 20 + i * 30;
        p.setPen(QPen(kInk, 5.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(x, 118), QPointF(x, 100));
        p.drawLine(QPointF(x, 102), QPointF(x - 8, 91));
        p.drawLine(QPointF(x, 102), QPointF(x + 8, 91));
        p.setPen(QPen(skin[i], 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(x, 118), QPointF(x, 100));
        p.drawLine(QPointF(x, 102), QPointF(x - 8, 91));
        p.drawLine(QPointF(x, 102), QPointF(x + 8, 91));
        p.setPen(Ink(1.0));
        p.setBrush(skin[i]);
        p.drawEllipse(QPointF(x, 95), 4.2, 4.2);
        QLinearGradient tomb(0, 114, 0, 132);
        tomb.setColorAt(0, QColor(0xc8, 0xc4, 0xcc));
        tomb.setColorAt(1, QColor(0x6a, 0x66, 0x74));
        p.setPen(Ink(1.2));
        p.setBrush(tomb);
        p.drawRect(QRectF(x - 12, 114, 24, 16));
    }
}

// XXI The World: a laurel wreath tied with red ribbons, a star at its heart, clouds at the corners.
void TheWorld(QPainter& p)
{
    Cloud(p, {12, 18}, 0.8);
    Cloud(p, {88, 18}, 0.8);
    Cloud(p, {12, 136}, 0.8);
    Cloud(p, {88, 136}, 0.8);
    const QPointF c(50, 78);
    const double rx = 30, ry = 50;
    // Leaves along the ellipse, all pointing upward along each side.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 14; ++i) {
            const double t = (i + 0.5) / 14.0;
            const double a = (90 + side * (10 + t * 160)) * kPi / 180;
            const QPointF q(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
            const double tangent = std::atan2(ry * std::cos(a), -rx * std::sin(a)) * 180 / kPi;
            p.save();
            p.translate(q);
            p.rotate(tangent + (side > 0 ? 180 : 0));
            p.setPen(QPen(QColor(0x1f, 0x4a, 0x1a), 0.8));
            p.setBrush(i % 2 ? QColor(0x3f, 0x8a, 0x34) : QColor(0x5a, 0xa8, 0x44));
            p.drawEllipse(QPointF(0, -4), 3.2, 6.5);
            p.drawEllipse(QPointF(0, 4), 3.2, 6.5);
            p.restore();
        }
    }
    // Ribbons tied at top and bottom in the shape of the lemniscate.
    Lemniscate(p, {50, c.y() - ry}, 22, 6, kRed, 2.4);
    Lemniscate(p, {50, c.y() + ry}, 22, 6, kRed, 2.4);
    Glow(p, c, 26, QColor(0xff, 0xf4, 0xc0));
    p.setPen(QPen(QColor(0x6a, 0x3a, 0x8a), 1.2));
    p.setBrush(QColor(0xb0, 0x80, 0xe0));
    p.drawPath(StarPath(c, 16, 6.5, 5));
    p.setBrush(QColor(0xfb, 0xf4, 0xc8));
    p.drawPath(StarPath(c, 7, 3, 5));
}

} // namespace

void MajorSky(int number, QColor& top, QColor& low)
{
    enum Sky { Day, Dawn, Dusk, Night, Fire, Veil };
    static const Sky skies[22] = {Day,  Day,   Night, Day,  Dusk,  Dawn,  Day,   Day,
                                  Dawn, Night, Dawn,  Veil, Dawn,  Dusk,  Dawn,  Fire,
                                  Fire, Night, Night, Day,  Dawn,  Day};
    switch (number >= 0 && number < 22 ? skies[number] : Night) {
    case Day: top = QColor(0x7a, 0xb4, 0xe4); low = QColor(0xf8, 0xec, 0xc4); break;
    case Dawn: top = QColor(0x8a, 0x8c, 0xd0); low = QColor(0xf8, 0xd0, 0xa8); break;
    case Dusk: top = QColor(0x4a, 0x3a, 0x7a); low = QColor(0xe8, 0x9a, 0x7a); break;
    case Night: top = QColor(0x14, 0x1c, 0x44); low = QColor(0x4a, 0x42, 0x86); break;
    case Fire: top = QColor(0x16, 0x10, 0x24); low = QColor(0x7a, 0x2a, 0x2a); break;
    case Veil: top = QColor(0xe8, 0xd8, 0xb8); low = QColor(0xc8, 0xb0, 0x90); break;
    }
}

void DrawMajorEmblem(QPainter& p, int number, const QRectF& r)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 150.0);
    using Fn = void (*)(QPainter&);
    static const Fn emblems[22] = {Fool,     Magician, HighPriestess, Empress,   Emperor,  Hierophant,
                                   Lovers,   Chariot,  Strength,      Hermit,    Wheel,    Justice,
                                   HangedMan, Death,   Temperance,    Devil,     TheTower, TheStar,
                                   TheMoon,  TheSun,   Judgement,     TheWorld};
    if (number >= 0 && number < 22)
        emblems[number](p);
    p.restore();
}

} // namespace kestrune::art

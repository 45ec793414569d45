// The four suit emblems and the court marks, each drawn in a design box of its
// own and scaled into the rectangle it is given.

#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace kestrune::art {

namespace {

// Maps a design box of w x h units onto r, keeping proportions, centred.
void MapDesign(QPainter& p, const QRectF& r, double w, double h)
{
    const double s = std::min(r.width() / w, r.height() / h);
    p.translate(r.center().x() - w * s / 2, r.center().y() - h * s / 2);
    p.scale(s, s);
}

QBrush Gold(double x0, double y0, double x1, double y1)
{
    QLinearGradient g(x0, y0, x1, y1);
    g.setColorAt(0, QColor(0xfb, 0xe8, 0xa4));
    g.setColorAt(0.45, QColor(0xe6, 0xbe, 0x5a));
    g.setColorAt(1, QColor(0xa8, 0x74, 0x26));
    return g;
}

const QColor kOutline(0x3a, 0x2a, 0x1a);

void Cup(QPainter& p)
{
    // Design box 80 x 110: bowl, knotted stem and foot.
    QPainterPath bowl;
    bowl.moveTo(4, 12);
    bowl.cubicTo(4, 48, 24, 62, 40, 62);
    bowl.cubicTo(56, 62, 76, 48, 76, 12);
    bowl.closeSubpath();
    QPainterPath stem;
    stem.addRect(35.5, 60, 9, 30);
    QPainterPath knot;
    knot.addEllipse(QPointF(40, 76), 8, 5);
    QPainterPath foot;
    foot.moveTo(14, 107);
    foot.cubicTo(18, 94, 32, 90, 40, 88);
    foot.cubicTo(48, 90, 62, 94, 66, 107);
    foot.closeSubpath();
    const QPen outline(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Gold(0, 0, 80, 0));
    p.drawPath(foot);
    p.drawPath(stem);
    p.drawPath(knot);
    p.drawPath(bowl);
    // Water at the brim and a band of ornament.
    QLinearGradient water(0, 6, 0, 18);
    water.setColorAt(0, QColor(0x9c, 0xd4, 0xf0));
    water.setColorAt(1, QColor(0x2f, 0x74, 0xb0));
    p.setBrush(water);
    p.drawEllipse(QPointF(40, 12), 36, 7);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x1c), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 14, 60, 26), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc2, 0x2a, 0x3a));
    p.drawEllipse(QPointF(40, 40), 4.5, 4.5);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(18, 28), 3, 8);
}

void Pentacle(QPainter& p)
{
    // Design box 100 x 100: a gold disk bearing an upright five-pointed star.
    const QPointF c(50, 50);
    const QPen outline(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Gold(10, 5, 90, 95));
    p.drawEllipse(c, 47, 47);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x1c), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 39, 39);
    QPainterPath star = StarPath(c, 36, 14, 5);
    p.setPen(QPen(kOutline, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient g(QPointF(44, 40), 40);
    g.setColorAt(0, QColor(0xff, 0xf6, 0xcc));
    g.setColorAt(1, QColor(0xd9, 0xa8, 0x42));
    p.setBrush(g);
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x6a, 0x2f));
    p.drawEllipse(c, 6, 6);
}

void Sword(QPainter& p)
{
    // Design box 30 x 120: blade pointing up, guard, grip and pommel below.
    QPainterPath blade;
    blade.moveTo(15, 0);
    blade.lineTo(20, 11);
    blade.lineTo(20, 86);
    blade.lineTo(10, 86);
    blade.lineTo(10, 11);
    blade.closeSubpath();
    QLinearGradient steel(10, 0, 20, 0);
    steel.setColorAt(0, QColor(0xfb, 0xfc, 0xff));
    steel.setColorAt(0.5, QColor(0xc9, 0xd1, 0xdc));
    steel.setColorAt(1, QColor(0x84, 0x8f, 0x9e));
    const QPen outline(QColor(0x26, 0x2c, 0x36), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(steel);
    p.drawPath(blade);
    p.setPen(QPen(QColor(0x7a, 0x84, 0x94), 1.1));
    p.drawLine(QPointF(15, 12), QPointF(15, 82));
    // Guard with curled ends.
    QPainterPath guard;
    guard.moveTo(1, 84);
    guard.quadTo(0, 90, 4, 91);
    guard.lineTo(26, 91);
    guard.quadTo(30, 90, 29, 84);
    guard.quadTo(24, 88, 15, 87);
    guard.quadTo(6, 88, 1, 84);
    guard.closeSubpath();
    p.setPen(outline);
    p.setBrush(Gold(0, 84, 30, 91));
    p.drawPath(guard);
    p.setBrush(QColor(0x6b, 0x3a, 0x22));
    p.drawRoundedRect(QRectF(12, 91, 6, 19), 1.5, 1.5);
    p.setPen(QPen(QColor(0xc9, 0x9a, 0x4a), 1.0));
    for (double y = 94; y < 110; y += 4)
        p.drawLine(QPointF(12.5, y), QPointF(17.5, y + 2));
    p.setPen(outline);
    p.setBrush(Gold(10, 108, 20, 120));
    p.drawEllipse(QPointF(15, 114), 5, 5);
}

void Wand(QPainter& p)
{
    // Design box 30 x 120: a living staff, budding leaves near its top.
    QPainterPath staff;
    staff.moveTo(12, 8);
    staff.cubicTo(12, 3, 18, 3, 18, 8);
    staff.lineTo(19, 112);
    staff.cubicTo(19, 118, 11, 118, 11, 112);
    staff.closeSubpath();
    QLinearGradient wood(11, 0, 19, 0);
    wood.setColorAt(0, QColor(0xe0, 0xb0, 0x74));
    wood.setColorAt(0.5, QColor(0xb5, 0x7a, 0x3e));
    wood.setColorAt(1, QColor(0x74, 0x46, 0x1e));
    const QPen outline(QColor(0x3a, 0x22, 0x10), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(wood);
    p.drawPath(staff);
    // Knots.
    p.setPen(QPen(QColor(0x5a, 0x34, 0x16), 1.2));
    for (double y : {40.0, 66.0, 92.0})
        p.drawArc(QRectF(12, y - 2, 6, 4), 0, -180 * 16);
    // Leaves, alternating, all pointing upward.
    auto leaf = [&](double x, double y, bool right) {
        QPainterPath l;
        const double dir = right ? 1 : -1;
        l.moveTo(x, y);
        l.cubicTo(x + dir * 4, y - 2, x + dir * 11, y - 8, x + dir * 12, y - 15);
        l.cubicTo(x + dir * 5, y - 13, x + dir * 1, y - 6, x, y);
        p.setPen(QPen(QColor(0x1f, 0x4a, 0x1a), 1.1));
        QLinearGradient g(x, y, x + dir * 12, y - 15);
        g.setColorAt(0, QColor(0x3f, 0x8a, 0x34));
        g.setColorAt(1, QColor(0x9c, 0xd0, 0x5a));
        p.setBrush(g);
        p.drawPath(l);
    };
    leaf(18, 22, true);
    leaf(12, 34, false);
    leaf(18.5, 52, true);
    leaf(12, 78, false);
    // A bud at the crown.
    p.setPen(QPen(QColor(0x1f, 0x4a, 0x1a), 1.1));
    p.setBrush(QColor(0x7c, 0xc0, 0x4a));
    QPainterPath bud;
    bud.moveTo(15, 6);
    bud.cubicTo(11, 0, 14, -4, 15, -6);
    bud.cubicTo(16, -4, 19, 0, 15, 6);
    p.drawPath(bud);
}

void DesignFor(Suit suit, double& w, double& h)
{
    switch (suit) {
    case Suit::Cups: w = 80; h = 110; break;
    case Suit::Pentacles: w = 100; h = 100; break;
    case Suit::Swords: w = 30; h = 120; break;
    case Suit::Wands: w = 30; h = 124; break;
    }
}

QColor SuitColour(Suit suit)
{
    return SuitPalette(suit).frame;
}

void KingCrown(QPainter& p, Suit suit)
{
    // Design box 100 x 80: five points, a cross at the top, jewels on the band.
    QPainterPath crown;
    crown.moveTo(12, 62);
    crown.lineTo(6, 24);
    crown.lineTo(28, 42);
    crown.lineTo(50, 16);
    crown.lineTo(72, 42);
    crown.lineTo(94, 24);
    crown.lineTo(88, 62);
    crown.closeSubpath();
    const QPen outline(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Gold(0, 10, 0, 78));
    p.drawPath(crown);
    p.drawRoundedRect(QRectF(10, 60, 80, 14), 3, 3);
    p.drawEllipse(QPointF(6, 22), 5, 5);
    p.drawEllipse(QPointF(94, 22), 5, 5);
    // Cross.
    p.drawRect(QRectF(47, 0, 6, 18));
    p.drawRect(QRectF(42, 4, 16, 5));
    p.setPen(QPen(kOutline, 1.4));
    const QColor jewels[3] = {QColor(0xc2, 0x1f, 0x32), SuitColour(suit).lighter(140), QColor(0xc2, 0x1f, 0x32)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(jewels[i]);
        p.drawEllipse(QPointF(26 + 24 * i, 67), 4.5, 4);
    }
    p.setBrush(SuitColour(suit).lighter(150));
    p.drawEllipse(QPointF(50, 40), 5, 6);
}

void QueenCrown(QPainter& p, Suit suit)
{
    // Design box 100 x 80: a circlet of pearl-tipped arches, lower and rounder
    // than the king's crown, with a veil falling from it.
    const QPen outline(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath veil;
    veil.moveTo(14, 66);
    veil.cubicTo(4, 72, 2, 78, 0, 80);
    veil.lineTo(100, 80);
    veil.cubicTo(98, 78, 96, 72, 86, 66);
    veil.closeSubpath();
    p.setPen(QPen(SuitColour(suit).darker(130), 1.4));
    p.setBrush(SuitColour(suit).lighter(170));
    p.drawPath(veil);
    QPainterPath arches;
    arches.moveTo(14, 64);
    const double tips[5] = {18, 34, 50, 66, 82};
    const double heights[5] = {38, 30, 22, 30, 38};
    arches.lineTo(14, 50);
    for (int i = 0; i < 5; ++i) {
        arches.quadTo(tips[i] - 6, heights[i] + 10, tips[i], heights[i] + 4);
        arches.quadTo(tips[i] + 6, heights[i] + 10, i < 4 ? (tips[i] + tips[i + 1]) / 2 : 86, 50);
    }
    arches.lineTo(86, 64);
    arches.closeSubpath();
    p.setPen(outline);
    p.setBrush(Gold(0, 20, 0, 70));
    p.drawPath(arches);
    p.drawRoundedRect(QRectF(12, 56, 76, 12), 6, 6);
    p.setBrush(QColor(0xfb, 0xf6, 0xee));
    p.setPen(QPen(kOutline, 1.6));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(tips[i], heights[i]), i == 2 ? 6 : 4.5, i == 2 ? 6 : 4.5);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(20 + 12 * i, 62), 2.6, 2.6);
}

void KnightHorse(QPainter& p, Suit suit)
{
    // Design box 90 x 100: a horse's head and neck facing left, with a mane.
    QPainterPath head;
    head.moveTo(76, 98);
    head.lineTo(28, 98);
    head.cubicTo(28, 80, 36, 66, 44, 58);
    head.cubicTo(36, 58, 26, 60, 18, 58);
    head.cubicTo(10, 56, 6, 50, 8, 43);
    head.cubicTo(10, 36, 18, 30, 26, 24);
    head.lineTo(36, 8);
    head.lineTo(42, 18);
    head.cubicTo(56, 16, 68, 24, 74, 38);
    head.cubicTo(80, 54, 80, 76, 76, 98);
    head.closeSubpath();
    QLinearGradient g(10, 0, 80, 0);
    g.setColorAt(0, QColor(0xf4, 0xef, 0xe6));
    g.setColorAt(1, QColor(0xb8, 0xae, 0xa0));
    const QPen outline(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(g);
    p.drawPath(head);
    // Mane.
    QPainterPath mane;
    mane.moveTo(44, 16);
    for (int i = 0; i < 6; ++i) {
        const double y = 18 + i * 13;
        mane.quadTo(74 + (i % 2) * 4, y + 2, 88, y + 10);
        mane.quadTo(80, y + 8, 76, y + 13);
    }
    mane.lineTo(76, 98);
    mane.cubicTo(80, 76, 80, 54, 74, 38);
    mane.cubicTo(68, 24, 56, 16, 44, 16);
    p.setBrush(SuitColour(suit));
    p.drawPath(mane);
    // Bridle and eye.
    p.setPen(QPen(SuitColour(suit).darker(120), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 46), QPointF(44, 38));
    p.drawLine(QPointF(44, 38), QPointF(46, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x1a, 0x10));
    p.drawEllipse(QPointF(34, 32), 3.2, 3.2);
    p.drawEllipse(QPointF(13, 50), 2, 1.6);
    p.setBrush(Gold(0, 90, 0, 100));
    p.setPen(QPen(kOutline, 1.6));
    p.drawEllipse(QPointF(44, 38), 4, 4);
}

void PageCap(QPainter& p, Suit suit)
{
    // Design box 100 x 80: a soft cap with a gilt band and a tall plume.
    const QPen outline(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath plume;
    plume.moveTo(64, 44);
    plume.cubicTo(70, 24, 84, 8, 98, 2);
    plume.cubicTo(94, 16, 86, 36, 70, 48);
    plume.closeSubpath();
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x4a), 1.6));
    p.setBrush(QColor(0xfc, 0xf8, 0xee));
    p.drawPath(plume);
    p.setPen(QPen(QColor(0xa8, 0x9a, 0x88), 1.0));
    for (int i = 1; i < 7; ++i) {
        const double t = i / 7.0;
        const QPointF a(64 + 30 * t, 44 - 40 * t);
        p.drawLine(a, a + QPointF(-5, -2));
    }
    QPainterPath cap;
    cap.moveTo(10, 58);
    cap.cubicTo(4, 36, 30, 22, 54, 24);
    cap.cubicTo(80, 26, 96, 42, 88, 58);
    cap.closeSubpath();
    QLinearGradient g(0, 22, 0, 60);
    g.setColorAt(0, SuitColour(suit).lighter(150));
    g.setColorAt(1, SuitColour(suit));
    p.setPen(outline);
    p.setBrush(g);
    p.drawPath(cap);
    p.setBrush(Gold(0, 54, 0, 70));
    p.drawRoundedRect(QRectF(12, 54, 76, 12), 5, 5);
    p.setBrush(QColor(0xc2, 0x1f, 0x32));
    p.setPen(QPen(kOutline, 1.4));
    p.drawEllipse(QPointF(66, 52), 5, 5);
}

} // namespace

double SuitEmblemAspect(Suit suit)
{
    double w = 1, h = 1;
    DesignFor(suit, w, h);
    return w / h;
}

void DrawSuitEmblem(QPainter& p, Suit suit, const QRectF& r)
{
    double w = 1, h = 1;
    DesignFor(suit, w, h);
    p.save();
    MapDesign(p, r, w, h);
    switch (suit) {
    case Suit::Cups: Cup(p); break;
    case Suit::Pentacles: Pentacle(p); break;
    case Suit::Swords: Sword(p); break;
    case Suit::Wands: p.translate(0, 6); Wand(p); break;
    }
    p.restore();
}

void DrawCourtMark(QPainter& p, int court, Suit suit, const QRectF& r)
{
    p.save();
    switch (court) {
    case 0: MapDesign(p, r, 100, 80); PageCap(p, suit); break;
    case 1: MapDesign(p, r, 90, 100); KnightHorse(p, suit); break;
    case 2: MapDesign(p, r, 100, 80); QueenCrown(p, suit); break;
    default: MapDesign(p, r, 100, 80); KingCrown(p, suit); break;
    }
    p.restore();
}

} // namespace kestrune::art

// The anti-aliased rotation: exact rearrangements at quarter and half turns,
// blending at other angles, progress and stop, failures, the re-entry guard,
// and the fast code against the straightforward reference.

#include "ReferenceRotate.h"
#include "imaging/Rotate.h"
#include "imaging/RotateFast.h"
#include "platform/Seams.h"

#include <QtTest>

#include <cmath>
#include <functional>

using namespace kestrune::imaging;
using kestrune::platform::setEventPump;

namespace {

// A picture of scattered colours; the unused byte holds junk that every
// result must clear.
Bitmap pattern(int w, int h, quint32 seed = 1)
{
    Bitmap b(w, h);
    quint32 state = seed * 2654435761u + 12345u;
    for (auto& p : b.pixels) {
        state = state * 1664525u + 1013904223u;
        p = (state >> 8) | 0xab000000u;
    }
    return b;
}

Bitmap uniform(int w, int h, quint32 pixel)
{
    return Bitmap(w, h, pixel);
}

int channel(quint32 p, int shift) { return int((p >> shift) & 0xff); }

// Where source pixel (x, y) lands after `turn` quarter turns anticlockwise.
QPoint quarterTarget(int turn, int x, int y, int W, int H)
{
    switch (turn & 3) {
    case 0: return {x, y};
    case 1: return {y, W - 1 - x};
    case 2: return {W - 1 - x, H - 1 - y};
    default: return {H - 1 - y, x};
    }
}

// Empty when `turned` is source turned by `turn` exactly; else the first fault.
QString checkPermutation(const Bitmap& source, const Bitmap& turned, int turn)
{
    const int W = source.width, H = source.height;
    const int ew = (turn & 1) ? H : W, eh = (turn & 1) ? W : H;
    if (turned.width != ew || turned.height != eh)
        return QStringLiteral("size %1x%2, expected %3x%4").arg(turned.width).arg(turned.height).arg(ew).arg(eh);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QPoint t = quarterTarget(turn, x, y, W, H);
            const quint32 want = source.pixel(x, y) & 0x00ffffffu;
            const quint32 got = turned.pixel(t.x(), t.y());
            if (got != want)
                return QStringLiteral("source (%1,%2) at (%3,%4): %5, expected %6")
                    .arg(x).arg(y).arg(t.x()).arg(t.y())
                    .arg(got, 8, 16, QLatin1Char('0')).arg(want, 8, 16, QLatin1Char('0'));
        }
    return {};
}

// Empty when both have the same size, every channel within one level and the
// unused byte cleared; else the first fault.
QString checkClose(const Bitmap& fast, const Bitmap& ref)
{
    if (fast.width != ref.width || fast.height != ref.height)
        return QStringLiteral("size %1x%2, reference %3x%4").arg(fast.width).arg(fast.height).arg(ref.width).arg(ref.height);
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x) {
            const quint32 a = fast.pixel(x, y), b = ref.pixel(x, y);
            if (a >> 24)
                return QStringLiteral("unused byte set at (%1,%2)").arg(x).arg(y);
            for (int shift : {0, 8, 16})
                if (std::abs(channel(a, shift) - channel(b, shift)) > 1)
                    return QStringLiteral("(%1,%2): %3, reference %4")
                        .arg(x).arg(y).arg(a, 8, 16, QLatin1Char('0')).arg(b, 8, 16, QLatin1Char('0'));
        }
    return {};
}

// The corners of a W x H picture turned by `angle`, as the rotation computes them.
void turnedCorners(int W, int H, double angle, std::vector<double>& X, std::vector<double>& Y)
{
    const double c = CosDeg(angle), n = CosDeg(angle + 90);
    const double hw = W / 2.0, hh = H / 2.0;
    const double cx[4] = {-hw, hw, hw, -hw}, cy[4] = {-hh, -hh, hh, hh};
    X.resize(4);
    Y.resize(4);
    for (int k = 0; k < 4; ++k) {
        X[k] = cx[k] * c - cy[k] * n;
        Y[k] = cy[k] * c + cx[k] * n;
    }
}

bool allPixels(const Bitmap& b, quint32 value)
{
    return std::all_of(b.pixels.begin(), b.pixels.end(), [&](quint32 p) { return p == value; });
}

} // namespace

class TestRotate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { kestrune::platform::resetSeams(); }

    void helpers();
    void zeroVectorKeepsFanTriangle();
    void quarterTurnsRearrange_data();
    void quarterTurnsRearrange();
    void turnAt45Blends();
    void outOfTableMultiples();
    void progressAndEventPump();
    void stopLeavesBackground_data();
    void stopLeavesBackground();
    void failures();
    void secondRotationRefused();
    void fastMatchesReference_data();
    void fastMatchesReference();
    void imageAdapters();
};

void TestRotate::helpers()
{
    // The exact table, and the computed cosine everywhere else.
    QCOMPARE(CosDeg(90), 0.0);
    QCOMPARE(CosDeg(270), 0.0);
    QCOMPARE(CosDeg(180), -1.0);
    QCOMPARE(CosDeg(360), 1.0);
    QCOMPARE(CosDeg(30), 0.866025403784439);
    QCOMPARE(CosDeg(240 + 1e-8), -0.5);
    QCOMPARE(CosDeg(45), std::cos(45 * 3.14159265358979 / 180));

    QCOMPARE(FloorSnap(2.9999999999), 3);
    QCOMPARE(FloorSnap(2.99), 2);
    QCOMPARE(FloorSnap(-0.5), -1);
    QCOMPARE(CeilSnap(3.0000000001), 3);
    QCOMPARE(CeilSnap(3.01), 4);
    QCOMPARE(CeilSnap(-1e-12), 0);

    // Halves go to the even neighbour; out of range values are clamped.
    const std::pair<double, int> bytes[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {254.5, 254}, {254.6, 255},
                                            {300, 255}, {-3, 0}, {std::nan(""), 0}};
    for (auto [v, want] : bytes)
        QCOMPARE(ClampByte(v), want);

    // A quadrilateral corner on the square's boundary counts as inside.
    const std::array<PointD, 4> square{{{0, 0}, {2, 0}, {2, 2}, {0, 2}}};
    QVERIFY(PointInQuad(square, {2, 1}));
    QVERIFY(PointInQuad(square, {1, 1}));
    QVERIFY(!PointInQuad(square, {2.5, 1}));

    // Coverage: a half-overlapping square, a diamond around the centre, none.
    QCOMPARE(CoverageArea({{{0.5, 0}, {1.5, 0}, {1.5, 1}, {0.5, 1}}}), 0.5);
    QCOMPARE(CoverageArea({{{0.5, -0.5}, {1.5, 0.5}, {0.5, 1.5}, {-0.5, 0.5}}}), 1.0);
    QCOMPARE(CoverageArea({{{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}}), 0.5);
    QCOMPARE(CoverageArea({{{2, 2}, {3, 2}, {3, 3}, {2, 3}}}), 0.0);
}

void TestRotate::zeroVectorKeepsFanTriangle()
{
    // The first point collected again: its zero vector would be appended, and
    // a later vector appended after it would lose the triangle between them.
    const std::vector<PointD> points{{0, 0}, {0, 1}, {0, 0}, {1, 0}};
    const std::vector<PointD> ordered = OrderPolygon(points);
    QCOMPARE(int(ordered.size()), 2);
    QCOMPARE(PolygonArea(ordered), 0.5);
}

void TestRotate::quarterTurnsRearrange_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("turn");
    // Among them sizes where the turned grid lands a hair off whole numbers
    // and a corner gets collected twice (7x43, 19x50, 22x22, 130x225).
    const QSize sizes[] = {{1, 1}, {1, 6}, {7, 1}, {2, 3}, {3, 3}, {5, 4}, {8, 8}, {9, 13},
                           {16, 9}, {7, 43}, {19, 50}, {22, 22}, {31, 17}, {130, 225}};
    const std::pair<double, int> angles[] = {{0, 0}, {90, 1}, {180, 2}, {270, 3}, {360, 0}};
    for (QSize s : sizes)
        for (auto [angle, turn] : angles)
            QTest::addRow("%dx%d at %g", s.width(), s.height(), angle) << s.width() << s.height() << angle << turn;
    // Angles within the table's tolerance of a quarter turn, and the computed
    // cosines of quarter turns outside 0..360, which land within 1e-14.
    QTest::addRow("13x8 at 90+1e-10") << 13 << 8 << 90.0 + 1e-10 << 1;
    QTest::addRow("13x8 at -90") << 13 << 8 << -90.0 << 3;
    QTest::addRow("13x8 at 450") << 13 << 8 << 450.0 << 1;
    QTest::addRow("13x8 at -180") << 13 << 8 << -180.0 << 2;
}

void TestRotate::quarterTurnsRearrange()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, angle);
    QFETCH(int, turn);
    const Bitmap source = pattern(width, height, width * 31 + height);

    // The straightforward algorithm (with zero vectors left out of the
    // polygon) is a pure rearrangement; the fast path must give the same.
    const std::optional<Bitmap> ref = reference::RotateBitmap(source, angle, {}, RGBColor(1, 2, 3));
    QVERIFY(ref);
    const QString refFault = checkPermutation(source, *ref, turn);
    QVERIFY2(refFault.isEmpty(), qPrintable(QStringLiteral("reference: ") + refFault));
    // So is the program's general mapping onto the turned corners.
    std::vector<double> X, Y;
    turnedCorners(width, height, angle, X, Y);
    const std::optional<Bitmap> mapped = DistortToNewBitmap(source, X, Y, {}, RGBColor(1, 2, 3));
    QVERIFY(mapped);
    const QString mapFault = checkPermutation(source, *mapped, turn);
    QVERIFY2(mapFault.isEmpty(), qPrintable(QStringLiteral("general mapping: ") + mapFault));
    const std::optional<Bitmap> turned = RotateBitmap(source, angle, {}, RGBColor(1, 2, 3));
    QVERIFY(turned);
    const QString fault = checkPermutation(source, *turned, turn);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestRotate::turnAt45Blends()
{
    // A uniform picture on a different background: every pixel must be the
    // blend (1 - cv)·background + cv·colour for one coverage cv, the corners
    // keep the background, the middle is the colour, and the coverage adds up
    // to the picture's area.
    for (int side : {10, 11, 33}) {
        const Bitmap source = uniform(side, side, 0x00c86432u); // red 200, green 100, blue 50
        const ColorRef background = RGBColor(0, 0, 255);
        for (bool fast : {false, true}) {
            double coverage = -1;
            const std::optional<Bitmap> turned = fast ? RotateBitmap(source, 45, {}, background)
                                                      : reference::RotateBitmap(source, 45, {}, background, &coverage);
            QVERIFY(turned);
            const int expected = CeilSnap(side * std::sqrt(2.0));
            QCOMPARE(turned->width, expected);
            QCOMPARE(turned->height, expected);
            QCOMPARE(turned->pixel(0, 0), PixelFromColor(background));
            QCOMPARE(turned->pixel(expected - 1, expected - 1), PixelFromColor(background));
            QCOMPARE(turned->pixel(expected / 2, expected / 2), 0x00c86432u);
            int blended = 0;
            double area = 0;
            for (quint32 p : turned->pixels) {
                const double cv = channel(p, 16) / 200.0;
                QVERIFY(std::abs(channel(p, 8) - 100 * cv) <= 1.0);
                QVERIFY(std::abs(channel(p, 0) - (255 * (1 - cv) + 50 * cv)) <= 1.5);
                if (channel(p, 16) > 0 && channel(p, 16) < 200)
                    ++blended;
                area += cv;
            }
            QVERIFY(blended >= 4 * side);
            QVERIFY(std::abs(area - side * side) < side); // rounding of the edge pixels only
            if (!fast)
                QVERIFY(std::abs(coverage - side * side) < 1e-9 * side * side);
        }
    }
}

void TestRotate::outOfTableMultiples()
{
    // Outside 0..360 the cosine is computed, so it is close to, not exactly, 0.
    QVERIFY(CosDeg(-90) != 0.0);
    QVERIFY(std::abs(CosDeg(-90)) < 1e-14);
    QCOMPARE(CosDeg(-60), std::cos(-60 * 3.14159265358979 / 180));
    QCOMPARE(CosDeg(390), std::cos(390 * 3.14159265358979 / 180));
    QVERIFY(CosDeg(390) != 0.866025403784439);

    // The turned results are those of the equivalent angles within the table.
    const Bitmap source = pattern(9, 14, 5);
    for (auto [outside, inside] : {std::pair{-30.0, 330.0}, {390.0, 30.0}, {-240.0, 120.0}, {420.0, 60.0}}) {
        const std::optional<Bitmap> a = RotateBitmap(source, outside, {}, 0);
        const std::optional<Bitmap> b = reference::RotateBitmap(source, inside, {}, 0);
        QVERIFY(a && b);
        const QString fault = checkClose(*a, *b);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1 vs %2: ").arg(outside).arg(inside) + fault));
    }
}

void TestRotate::progressAndEventPump()
{
    // The callback runs once per source column with the fraction and counts,
    // also at steep angles, which are done on the picture turned sideways.
    for (double angle : {90.0, 37.0, 112.0, 250.0}) {
        QList<std::tuple<double, int, int>> calls;
        const std::optional<Bitmap> turned = RotateBitmap(pattern(7, 5), angle, [&](double f, qint32 done, qint32 all) {
            calls.append({f, done, all});
            return 0;
        }, 0);
        QVERIFY(turned);
        QCOMPARE(calls.size(), 7);
        for (int l = 0; l < 7; ++l)
            QCOMPARE(calls[l], std::make_tuple(double(l + 1) / 7, l + 1, 7));
    }

    // The windows' entry point pumps events once per source column.
    int pumped = 0;
    setEventPump([&] { ++pumped; });
    QImage card(11, 4, QImage::Format_RGB32);
    card.fill(qRgb(10, 20, 30));
    bool ok = false;
    const QImage turned = RotatePicture(card, 180, qRgb(0, 0, 0), &ok);
    QVERIFY(ok);
    QCOMPARE(turned.size(), QSize(11, 4));
    QCOMPARE(turned.format(), QImage::Format_RGB32);
    QCOMPARE(turned.pixel(3, 2), qRgb(10, 20, 30));
    QCOMPARE(pumped, 11);
    pumped = 0;
    QVERIFY(!RotatePicture(card, 12.5, qRgb(0, 0, 0), &ok).isNull());
    QVERIFY(ok);
    QCOMPARE(pumped, 11);
}

void TestRotate::stopLeavesBackground_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stopAt");
    QTest::newRow("quarter turn, first column") << 90.0 << 6 << 9 << 1;
    QTest::newRow("half turn, first column") << 180.0 << 6 << 9 << 1;
    QTest::newRow("any angle, first column") << 33.0 << 6 << 9 << 1;
    // Later stops, after parts of the picture have been written.
    QTest::newRow("quarter turn, column 20") << 270.0 << 40 << 9 << 20;
    QTest::newRow("any angle, column 20") << 33.0 << 40 << 9 << 20;
    QTest::newRow("steep angle, column 20") << 80.0 << 40 << 9 << 20;
}

void TestRotate::stopLeavesBackground()
{
    QFETCH(double, angle);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, stopAt);
    const Bitmap source = pattern(width, height);
    const ColorRef background = RGBColor(9, 8, 7);
    const std::optional<Bitmap> full = RotateBitmap(source, angle, {}, background);
    QVERIFY(full);

    int calls = 0;
    auto stopAtFirst = [&](double, qint32, qint32) { return ++calls == stopAt ? 1 : 0; };
    const std::optional<Bitmap> stopped = RotateBitmap(source, angle, stopAtFirst, background);
    QVERIFY(stopped);
    QCOMPARE(calls, stopAt);
    QCOMPARE(stopped->width, full->width);
    QCOMPARE(stopped->height, full->height);
    QVERIFY(allPixels(*stopped, PixelFromColor(background)));

    calls = 0;
    const std::optional<Bitmap> ref = reference::RotateBitmap(source, angle, stopAtFirst, background);
    QVERIFY(ref && allPixels(*ref, PixelFromColor(background)));

    // The stop flag of the windows' callback works the same way (set here by
    // an event handled during the rotation).
    int pumped = 0;
    setEventPump([&] {
        if (++pumped == stopAt)
            RotationCancel = 1;
    });
    QImage card(width, height, QImage::Format_RGB32);
    card.fill(Qt::white);
    bool ok = true;
    const QImage image = RotatePicture(card, angle, qRgb(0, 0, 0), &ok);
    RotationCancel = 0;
    QVERIFY(!ok);
    QCOMPARE(pumped, stopAt);
    QCOMPARE(image.size(), QSize(full->width, full->height));
    QImage black(image.size(), QImage::Format_RGB32);
    black.fill(qRgb(0, 0, 0));
    QCOMPARE(image, black);
}

void TestRotate::failures()
{
    // Not a bitmap, or nothing at all: no picture.
    Picture icon;
    icon.type = PictureType::Icon;
    QVERIFY(!RotatePicture(icon, 90, {}, 0));
    QVERIFY(!RotatePicture(Picture{}, 90, {}, 0));
    QVERIFY(RotatePicture(Picture::fromBitmap(pattern(3, 2)), 90, {}, 0));
    bool ok = true;
    QVERIFY(RotatePicture(QImage(), 90, qRgb(0, 0, 0), &ok).isNull());
    QVERIFY(!ok);
    QVERIFY(!RotateBitmap(Bitmap{}, 45, {}, 0));
    QVERIFY(RotatePicture(QImage(2, 2, QImage::Format_RGB32), std::nan(""), qRgb(0, 0, 0), &ok).isNull());

    // Corner arrays without four values.
    const Bitmap source = pattern(4, 3);
    std::vector<double> three{0, 1, 2}, four{0, 4, 4, 0};
    QVERIFY(!DistortToNewBitmap(source, three, four, {}, 0));
    Bitmap target(4, 4, 0x00123456u);
    QVERIFY(!DistortBitmap(source, target, four, three, {}));

    // A degenerate mapping (all corners on one line): background only, and
    // DistortBitmap reports failure without touching its destination.
    std::vector<double> X{0, 4, 8, 4}, Y{0, 2, 4, 2};
    const std::optional<Bitmap> flat = DistortToNewBitmap(source, X, Y, {}, RGBColor(1, 2, 3));
    QVERIFY(flat);
    QCOMPARE(flat->width, 8);
    QCOMPARE(flat->height, 4);
    QVERIFY(allPixels(*flat, PixelFromColor(RGBColor(1, 2, 3))));
    QVERIFY(!DistortBitmap(source, target, X, Y, {}));
    QVERIFY(allPixels(target, 0x00123456u));

    // The corner arrays are moved in place so their minimum is 0, and a
    // general quadrilateral is mapped into the bitmap sized to it.
    std::vector<double> qx{-2, 3, 4, -1}, qy{5, 4, 8, 9};
    const std::optional<Bitmap> quad = DistortToNewBitmap(uniform(4, 3, 0x00ffffffu), qx, qy, {}, 0);
    QCOMPARE(qx, (std::vector<double>{0, 5, 6, 1}));
    QCOMPARE(qy, (std::vector<double>{1, 0, 4, 5}));
    QVERIFY(quad);
    QCOMPARE(quad->width, 6);
    QCOMPARE(quad->height, 5);
    QCOMPARE(quad->pixel(3, 2), 0x00ffffffu);
    QCOMPARE(quad->pixel(0, 4), 0x00202020u); // an eighth covered
}

void TestRotate::secondRotationRefused()
{
    // A rotation started from an event handled during another one is refused;
    // the running one finishes normally and the next one works again.
    int attempts = 0;
    bool nestedRefused = true;
    setEventPump([&] {
        ++attempts;
        QVERIFY(RotationInProgress());
        bool ok = true;
        nestedRefused &= RotatePicture(QImage(3, 3, QImage::Format_RGB32), 45, qRgb(0, 0, 0), &ok).isNull() && !ok;
        nestedRefused &= !RotateBitmap(pattern(3, 3), 10, {}, 0).has_value();
        std::vector<double> X{0, 3, 3, 0}, Y{0, 0, 3, 3};
        nestedRefused &= !DistortToNewBitmap(pattern(3, 3), X, Y, {}, 0).has_value();
        Bitmap target(3, 3);
        nestedRefused &= !DistortBitmap(pattern(3, 3), target, {0, 3, 3, 0}, {0, 0, 3, 3}, {});
    });
    for (double angle : {90.0, 20.0}) {
        QImage card(5, 4, QImage::Format_RGB32);
        card.fill(Qt::red);
        bool ok = false;
        QVERIFY(!RotatePicture(card, angle, qRgb(0, 0, 0), &ok).isNull());
        QVERIFY(ok);
    }
    QCOMPARE(attempts, 10);
    QVERIFY(nestedRefused);
    QVERIFY(!RotationInProgress());
    setEventPump({});
    QVERIFY(RotateBitmap(pattern(3, 3), 10, {}, 0));
}

void TestRotate::fastMatchesReference_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("angle");
    const QSize sizes[] = {{1, 1}, {1, 7}, {6, 1}, {2, 2}, {3, 5}, {13, 8}, {17, 23}, {40, 31}};
    const double angles[] = {0.5, 17.3, 30, 45, 60, 89.999, 90.001, 135, 200, 333.3, -17.3, -123.4, 377.3,
                             1e-7, 179.9999};
    for (QSize s : sizes)
        for (double a : angles)
            QTest::addRow("%dx%d at %.10g", s.width(), s.height(), a) << s.width() << s.height() << a;
    // Close to a quarter turn the picture's last grid line lies on the
    // destination's top edge (a case that once reached outside the cells).
    QTest::addRow("12x50 at 270.043") << 12 << 50 << 270.043;
    QTest::addRow("50x12 at 89.96") << 50 << 12 << 89.96;
    QTest::addRow("1x28 at 270.000000037") << 1 << 28 << 270.000000037;
    // Destinations wider than the fast path's tiles of columns, done in
    // several bands of rows.
    QTest::addRow("300x200 at 17.3") << 300 << 200 << 17.3;
    QTest::addRow("300x200 at 45") << 300 << 200 << 45.0;
    QTest::addRow("200x300 at 107.3") << 200 << 300 << 107.3;
}

void TestRotate::fastMatchesReference()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, angle);
    const Bitmap source = pattern(width, height, quint32(width * 7 + height * 3 + int(angle)));
    const ColorRef background = RGBColor(40, 90, 200);
    double refCoverage = 0;
    const std::optional<Bitmap> ref = reference::RotateBitmap(source, angle, {}, background, &refCoverage);
    QVERIFY(ref);
    QVERIFY(std::abs(refCoverage - width * height) < 1e-9 * width * height);
    // Both the 256-bit and the 128-bit code (the first only where the
    // processor has it).
    for (bool wide : {true, false}) {
        fast::UseWideVectors(wide);
        const std::optional<Bitmap> turned = RotateBitmap(source, angle, {}, background);
        fast::UseWideVectors(true);
        QVERIFY(turned);
        const QString fault = checkClose(*turned, *ref);
        QVERIFY2(fault.isEmpty(), qPrintable((wide ? QStringLiteral("wide: ") : QStringLiteral("narrow: ")) + fault));
    }

    // The fast path's coverage adds up to the picture's area.
    const double c = CosDeg(angle), n = CosDeg(angle + 90);
    if (fast::QuarterTurnOf(c, n, width, height) < 0) {
        std::vector<double> X, Y;
        turnedCorners(width, height, angle, X, Y);
        const double minX = *std::min_element(X.begin(), X.end()), minY = *std::min_element(Y.begin(), Y.end());
        for (int k = 0; k < 4; ++k) {
            X[k] -= minX;
            Y[k] -= minY;
        }
        Bitmap target(ref->width, ref->height);
        const fast::SourceView view{source.pixels.data(), width, width, height};
        const fast::DestView out{target.pixels.data(), target.width, target.width, target.height, 0};
        double coverage = 0;
        QVERIFY(fast::RotateGeneral(view, c, n, X.data(), Y.data(), {}, out, &coverage));
        QVERIFY2(std::abs(coverage - width * height) < 1e-4 * width * height, qPrintable(QString::number(coverage)));
    }
}

void TestRotate::imageAdapters()
{
    // RGB32 in and out: the unused byte is cleared in the bitmap and set as
    // Qt expects in the image; transparency is flattened onto black.
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const Bitmap b = BitmapFromImage(image);
    QCOMPARE(b.pixel(0, 0), 0x00ff0000u);
    QCOMPARE(b.pixel(1, 0), 0u);
    const QImage back = ImageFromBitmap(b);
    QCOMPARE(back.format(), QImage::Format_RGB32);
    QCOMPARE(back.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(PictureFromImage(QImage()).type, PictureType::None);
    QCOMPARE(PictureFromImage(image).type, PictureType::Bitmap);
    QCOMPARE(ColorFromPixel(PixelFromColor(RGBColor(1, 2, 3))), RGBColor(1, 2, 3));
    QCOMPARE(PixelFromColor(RGBColor(1, 2, 3)), 0x00010203u);

    // The windows' entry point gives the same pixels as the bitmap one.
    QImage card(9, 6, QImage::Format_RGB888);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            card.setPixel(x, y, qRgb(x * 20, y * 30, 77));
    bool ok = false;
    const QImage turned = RotatePicture(card, 23, qRgb(5, 6, 7), &ok);
    QVERIFY(ok);
    const std::optional<Bitmap> bitmap = RotateBitmap(BitmapFromImage(card), 23, {}, RGBColor(5, 6, 7));
    QVERIFY(bitmap);
    QCOMPARE(BitmapFromImage(turned).pixels, bitmap->pixels);
    QCOMPARE(turned.pixel(0, 0), qRgb(5, 6, 7));
}

QTEST_GUILESS_MAIN(TestRotate)
#include "test_rotate.moc"

#include "imaging/Rotate.h"

#include "imaging/RotateFast.h"
#include "platform/Seams.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrune::imaging {

qint16 RotationCancel = 0;

namespace {

// Largest destination the rotation creates (pixels): beyond this a mapping is
// treated as unusable rather than allocating without bound.
constexpr double kMaxDestinationPixels = double(1 << 28);

// The clipping storage shared by every pixel pair: the unit square's corners,
// the quadrilateral translated into the unit square's frame, the collected
// polygon points (4 corners of each figure and up to 8 edge crossings) and the
// ordered vectors.
struct ClipStorage {
    const PointD unit[4] = {{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}};
    PointD quad[4];
    PointD points[16];
    int pointCount = 0;
    PointD vectors[16];
    int vectorCount = 0;
};

ClipStorage g_clip;
bool g_busy = false;

// Marks the shared storage as in use for the lifetime of the guard.
class BusyGuard {
public:
    BusyGuard() { g_busy = true; }
    ~BusyGuard() { g_busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
};

constexpr int next(int i) { return (i + 1) & 3; }

bool pointInStoredQuad(PointD p)
{
    bool positive = false;
    bool negative = false;
    for (int i = 0; i < 4; ++i) {
        const PointD& a = g_clip.quad[i];
        const PointD& b = g_clip.quad[next(i)];
        const double s = (a.x - p.x) * (b.y - p.y) - (b.x - p.x) * (a.y - p.y);
        if (s > 0)
            positive = true;
        else if (s < 0)
            negative = true;
        if (positive && negative)
            return false;
    }
    return true;
}

void addPoint(double x, double y)
{
    if (g_clip.pointCount < 16)
        g_clip.points[g_clip.pointCount++] = {x, y};
}

// Orders g_clip.points into g_clip.vectors (see OrderPolygon).
void orderStoredPolygon()
{
    g_clip.vectorCount = 0;
    const int n = g_clip.pointCount;
    if (n < 3)
        return;
    const PointD p0 = g_clip.points[0];
    if (n == 3) {
        g_clip.vectors[0] = {g_clip.points[1].x - p0.x, g_clip.points[1].y - p0.y};
        g_clip.vectors[1] = {g_clip.points[2].x - p0.x, g_clip.points[2].y - p0.y};
        g_clip.vectorCount = 2;
        return;
    }
    for (int i = 1; i < n; ++i) {
        const PointD v{g_clip.points[i].x - p0.x, g_clip.points[i].y - p0.y};
        // A point collected twice (a quadrilateral corner lying exactly on a
        // corner of the unit square) gives a zero vector; left in the list it
        // would sit between two real vectors and drop their fan triangle.
        if (v.x == 0.0 && v.y == 0.0)
            continue;
        int at = g_clip.vectorCount;
        for (int e = 0; e < g_clip.vectorCount; ++e) {
            const PointD& ev = g_clip.vectors[e];
            if (ev.y * v.x - v.y * ev.x < 0) {
                at = e;
                break;
            }
        }
        for (int e = g_clip.vectorCount; e > at; --e)
            g_clip.vectors[e] = g_clip.vectors[e - 1];
        g_clip.vectors[at] = v;
        ++g_clip.vectorCount;
    }
}

double storedPolygonArea()
{
    double sum = 0.0;
    for (int i = 0; i + 1 < g_clip.vectorCount; ++i)
        sum += g_clip.vectors[i].x * g_clip.vectors[i + 1].y - g_clip.vectors[i].y * g_clip.vectors[i + 1].x;
    return std::abs(sum) / 2.0;
}

// The coverage of the unit square by g_clip.quad.
double storedCoverageArea()
{
    g_clip.pointCount = 0;
    for (int i = 0; i < 4; ++i) {
        const PointD q = g_clip.quad[i];
        if (q.x >= 0 && q.x <= 1 && q.y >= 0 && q.y <= 1)
            addPoint(q.x, q.y);
        if (pointInStoredQuad(g_clip.unit[i]))
            addPoint(g_clip.unit[i].x, g_clip.unit[i].y);

        const PointD r = g_clip.quad[next(i)];
        const double minX = std::min(q.x, r.x), maxX = std::max(q.x, r.x);
        const double minY = std::min(q.y, r.y), maxY = std::max(q.y, r.y);
        if (minX < 0 && 0 < maxX) {
            const double y = q.y + (0 - q.x) * (r.y - q.y) / (r.x - q.x);
            if (y >= 0 && y <= 1)
                addPoint(0, y);
        }
        if (minX < 1 && 1 < maxX) {
            const double y = q.y + (1 - q.x) * (r.y - q.y) / (r.x - q.x);
            if (y >= 0 && y <= 1)
                addPoint(1, y);
        }
        if (minY < 0 && 0 < maxY) {
            const double x = q.x + (0 - q.y) * (r.x - q.x) / (r.y - q.y);
            if (x >= 0 && x <= 1)
                addPoint(x, 0);
        }
        if (minY < 1 && 1 < maxY) {
            const double x = q.x + (1 - q.y) * (r.x - q.x) / (r.y - q.y);
            if (x >= 0 && x <= 1)
                addPoint(x, 1);
        }
    }
    orderStoredPolygon();
    return storedPolygonArea();
}

bool hasFourCorners(const std::vector<double>& X, const std::vector<double>& Y)
{
    return X.size() == 4 && Y.size() == 4;
}

bool allFinite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

inline int blueOf(quint32 p) { return int(p & 0xff); }
inline int greenOf(quint32 p) { return int((p >> 8) & 0xff); }
inline int redOf(quint32 p) { return int((p >> 16) & 0xff); }
inline quint32 makePixel(int red, int green, int blue)
{
    return quint32(blue) | (quint32(green) << 8) | (quint32(red) << 16);
}

fast::SourceView viewOf(const Bitmap& bitmap)
{
    return {bitmap.pixels.data(), bitmap.width, bitmap.width, bitmap.height};
}

fast::DestView viewOf(Bitmap& bitmap)
{
    return {bitmap.pixels.data(), bitmap.width, bitmap.width, bitmap.height, 0};
}

// The general area-weighted mapping, without the busy guard. The destination
// is written only once the mapping has run to its end.
bool distortGeneral(const fast::SourceView& source, const fast::DestView& destination, const std::vector<double>& X,
                    const std::vector<double>& Y, const ProgressCallback& callback)
{
    if (!hasFourCorners(X, Y) || source.width <= 0 || source.height <= 0 || destination.width <= 0
        || destination.height <= 0 || !allFinite(X) || !allFinite(Y))
        return false;
    const int W = source.width;
    const int H = source.height;

    std::vector<PointD> grid;
    if (!BuildGrid(W, H, X, Y, grid))
        return false;

    int bx0 = FloorSnap(X[0]), by0 = FloorSnap(Y[0]);
    int bx1 = 0, by1 = 0;
    for (int k = 0; k < 4; ++k) {
        bx0 = std::min(bx0, FloorSnap(X[k]));
        by0 = std::min(by0, FloorSnap(Y[k]));
        bx1 = std::max(bx1, CeilSnap(X[k]));
        by1 = std::max(by1, CeilSnap(Y[k]));
    }
    const int bw = bx1 - bx0;
    const int bh = by1 - by0;
    if (bw <= 0 || bh <= 0 || double(bw) * double(bh) > kMaxDestinationPixels)
        return false;

    struct Accumulator {
        double red = 0, green = 0, blue = 0, coverage = 0;
    };
    std::vector<Accumulator> acc(std::size_t(bw) * std::size_t(bh));

    const int stride = W + 1;
    for (int l = 0; l < W; ++l) {
        for (int k = 0; k < H; ++k) {
            const PointD Q[4] = {grid[l + k * stride], grid[l + 1 + k * stride], grid[l + 1 + (k + 1) * stride],
                                 grid[l + (k + 1) * stride]};
            int x0 = FloorSnap(Q[0].x), x1 = CeilSnap(Q[0].x);
            int y0 = FloorSnap(Q[0].y), y1 = CeilSnap(Q[0].y);
            for (int m = 1; m < 4; ++m) {
                if (Q[m].x < x0)
                    x0 = FloorSnap(Q[m].x);
                if (Q[m].x > x1)
                    x1 = CeilSnap(Q[m].x);
                if (Q[m].y < y0)
                    y0 = FloorSnap(Q[m].y);
                if (Q[m].y > y1)
                    y1 = CeilSnap(Q[m].y);
            }
            const quint32 p = source.at(l, k);
            const double red = redOf(p), green = greenOf(p), blue = blueOf(p);
            for (int x = x0; x < x1; ++x) {
                for (int y = y0; y < y1; ++y) {
                    for (int m = 0; m < 4; ++m)
                        g_clip.quad[m] = {Q[m].x - x, Q[m].y - y};
                    const double a = storedCoverageArea();
                    if (a > 0) {
                        const int ax = x - bx0, ay = y - by0;
                        if (ax < 0 || ay < 0 || ax >= bw || ay >= bh)
                            continue;
                        Accumulator& cell = acc[std::size_t(ax) + std::size_t(ay) * std::size_t(bw)];
                        cell.red += red * a;
                        cell.green += green * a;
                        cell.blue += blue * a;
                        cell.coverage += a;
                    }
                }
            }
        }
        if (callback && callback(double(l + 1) / double(W), l + 1, W) != 0)
            return false;
    }

    for (int i = 0; i < bw; ++i) {
        for (int j = 0; j < bh; ++j) {
            const int dx = bx0 + i, dy = by0 + j;
            if (dx < 0 || dy < 0 || dx >= destination.width || dy >= destination.height)
                continue;
            const Accumulator& cell = acc[std::size_t(i) + std::size_t(j) * std::size_t(bw)];
            const double cv = cell.coverage;
            if (cv <= 0)
                continue;
            quint32& out = destination.row(dy)[dx];
            const quint32 old = out;
            if (cv >= 1) {
                out = makePixel(ClampByte(cell.red / cv), ClampByte(cell.green / cv), ClampByte(cell.blue / cv))
                    | destination.fillBits;
            } else {
                const double rest = 1 - cv;
                out = makePixel(ClampByte(rest * redOf(old) + cell.red), ClampByte(rest * greenOf(old) + cell.green),
                                ClampByte(rest * blueOf(old) + cell.blue))
                    | destination.fillBits;
            }
        }
    }
    return true;
}

// Translates the corners so their smallest coordinates are 0 and works out
// the destination size; false when no usable destination can be made.
bool placeCorners(std::vector<double>& X, std::vector<double>& Y, int& Wd, int& Hd)
{
    if (!hasFourCorners(X, Y) || !allFinite(X) || !allFinite(Y))
        return false;
    const double minX = *std::min_element(X.begin(), X.end());
    const double minY = *std::min_element(Y.begin(), Y.end());
    for (int k = 0; k < 4; ++k) {
        X[k] -= minX;
        Y[k] -= minY;
    }
    const double maxX = *std::max_element(X.begin(), X.end());
    const double maxY = *std::max_element(Y.begin(), Y.end());
    if (maxX > 1e6 || maxY > 1e6 || !(maxX * maxY < kMaxDestinationPixels))
        return false;
    Wd = 0;
    Hd = 0;
    for (int k = 0; k < 4; ++k) {
        Wd = std::max(Wd, CeilSnap(X[k]));
        Hd = std::max(Hd, CeilSnap(Y[k]));
    }
    return true;
}

enum class Result { None, BackgroundOnly, Complete };

// Turns `source` by `angle`; makeDestination(w, h, filled) creates the
// destination, filled with the background when asked (a quarter turn writes
// every pixel), and returns a view of it (data null on failure); refill()
// restores the background after an interrupted turn.
template <class MakeDestination, class Refill>
Result rotateCore(const fast::SourceView& source, double angle, const ProgressCallback& callback,
                  MakeDestination makeDestination, Refill refill)
{
    if (g_busy || source.width <= 0 || source.height <= 0)
        return Result::None;
    BusyGuard guard;

    const double c = CosDeg(angle);
    const double n = CosDeg(angle + 90);
    const double hw = source.width / 2.0;
    const double hh = source.height / 2.0;
    const double cx[4] = {-hw, hw, hw, -hw};
    const double cy[4] = {-hh, -hh, hh, hh};
    std::vector<double> X(4), Y(4);
    for (int k = 0; k < 4; ++k) {
        X[k] = cx[k] * c - cy[k] * n;
        Y[k] = cy[k] * c + cx[k] * n;
    }
    int Wd = 0, Hd = 0;
    if (!placeCorners(X, Y, Wd, Hd) || Wd <= 0 || Hd <= 0)
        return Result::None;
    const int turn = fast::QuarterTurnOf(c, n, source.width, source.height);
    const bool quarter = turn >= 0 && Wd == fast::QuarterWidth(turn, source.width, source.height)
        && Hd == fast::QuarterHeight(turn, source.width, source.height);
    const fast::DestView destination = makeDestination(Wd, Hd, !quarter);
    if (!destination.data)
        return Result::None;

    if (quarter) {
        if (fast::RotateQuarter(source, turn, callback, destination))
            return Result::Complete;
        refill();
        return Result::BackgroundOnly;
    }
    const double Xs[4] = {X[0], X[1], X[2], X[3]};
    const double Ys[4] = {Y[0], Y[1], Y[2], Y[3]};
    if (fast::RotateGeneral(source, c, n, Xs, Ys, callback, destination))
        return Result::Complete;
    // Pixels are written as the sweep passes them: a stop leaves part of the
    // picture, so the background is restored.
    refill();
    return Result::BackgroundOnly;
}

} // namespace

// ---- Raster types ----------------------------------------------------------

Bitmap::Bitmap(int w, int h, quint32 fill)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(std::size_t(width) * std::size_t(height), fill)
{
}

void Bitmap::fillRect(int x0, int y0, int x1, int y1, ColorRef color)
{
    const quint32 value = PixelFromColor(color);
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width);
    y1 = std::min(y1, height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            setPixel(x, y, value);
}

quint32 PixelFromColor(ColorRef color)
{
    return ((color & 0xff) << 16) | (color & 0xff00) | ((color >> 16) & 0xff);
}

ColorRef ColorFromPixel(quint32 pixel)
{
    return ((pixel & 0xff) << 16) | (pixel & 0xff00) | ((pixel >> 16) & 0xff);
}

Bitmap BitmapFromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage rgb;
    if (image.hasAlphaChannel()) {
        // Flatten transparency onto black, as painting it on a black table would.
        rgb = QImage(image.size(), QImage::Format_RGB32);
        rgb.fill(Qt::black);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB32);
    }
    Bitmap bitmap(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(rgb.constScanLine(y));
        quint32* out = bitmap.pixels.data() + std::size_t(y) * std::size_t(bitmap.width);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = line[x] & 0x00ffffffu;
    }
    return bitmap;
}

QImage ImageFromBitmap(const Bitmap& bitmap)
{
    if (!bitmap.isValid())
        return {};
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        const quint32* in = bitmap.pixels.data() + std::size_t(y) * std::size_t(bitmap.width);
        for (int x = 0; x < bitmap.width; ++x)
            line[x] = in[x] | 0xff000000u;
    }
    return image;
}

Picture PictureFromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    return Picture::fromBitmap(BitmapFromImage(image));
}

// ---- Progress --------------------------------------------------------------

qint32 RotationProgress(double, qint32, qint32)
{
    platform::processPendingEvents();
    return RotationCancel;
}

bool RotationInProgress() { return g_busy; }

// ---- Entry points ----------------------------------------------------------

QImage RotatePicture(const QImage& source, double angleDegrees, QRgb background, bool* ok)
{
    if (ok)
        *ok = false;
    if (source.isNull() || g_busy)
        return {};
    // Read RGB32 pixels in place; anything else is made opaque RGB32 first.
    QImage rgb;
    if (source.format() == QImage::Format_RGB32) {
        rgb = source;
    } else if (!source.hasAlphaChannel()) {
        rgb = source.convertToFormat(QImage::Format_RGB32);
    } else {
        rgb = QImage(source.size(), QImage::Format_RGB32);
        rgb.fill(Qt::black);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, source);
    }
    if (rgb.isNull())
        return {};
    const fast::SourceView view{reinterpret_cast<const quint32*>(rgb.constBits()), rgb.bytesPerLine() / 4,
                                rgb.width(), rgb.height()};
    const quint32 fill = 0xff000000u | (background & 0x00ffffffu);
    QImage result;
    auto make = [&](int w, int h, bool filled) {
        result = QImage(w, h, QImage::Format_RGB32);
        if (result.isNull())
            return fast::DestView{};
        if (filled)
            result.fill(fill);
        return fast::DestView{reinterpret_cast<quint32*>(result.bits()), result.bytesPerLine() / 4, w, h,
                              0xff000000u};
    };
    auto refill = [&] { result.fill(fill); };
    const Result outcome = rotateCore(view, angleDegrees, RotationProgress, make, refill);
    if (outcome == Result::None)
        return {};
    if (ok)
        *ok = outcome == Result::Complete;
    return result;
}

std::optional<Picture> RotatePicture(const Picture& source, double angle, const ProgressCallback& callback,
                                     ColorRef background)
{
    if (source.type != PictureType::Bitmap)
        return std::nullopt;
    std::optional<Bitmap> turned = RotateBitmap(source.bitmap, angle, callback, background);
    if (!turned)
        return std::nullopt;
    return Picture::fromBitmap(std::move(*turned));
}

std::optional<Bitmap> RotateBitmap(const Bitmap& source, double angle, const ProgressCallback& callback,
                                   ColorRef background)
{
    if (!source.isValid())
        return std::nullopt;
    const quint32 fill = PixelFromColor(background);
    Bitmap result;
    auto make = [&](int w, int h, bool) {
        result = Bitmap(w, h, fill);
        return viewOf(result);
    };
    auto refill = [&] { std::fill(result.pixels.begin(), result.pixels.end(), fill); };
    if (rotateCore(viewOf(source), angle, callback, make, refill) == Result::None)
        return std::nullopt;
    return result;
}

std::optional<Bitmap> DistortToNewBitmap(const Bitmap& source, std::vector<double>& X, std::vector<double>& Y,
                                         const ProgressCallback& callback, ColorRef background)
{
    if (g_busy)
        return std::nullopt;
    BusyGuard guard;
    int Wd = 0, Hd = 0;
    if (!placeCorners(X, Y, Wd, Hd) || Wd <= 0 || Hd <= 0)
        return std::nullopt;
    Bitmap destination(Wd, Hd, PixelFromColor(background));
    if (source.isValid() && destination.isValid())
        distortGeneral(viewOf(source), viewOf(destination), X, Y, callback);
    return destination;
}

bool DistortBitmap(const Bitmap& source, Bitmap& destination, const std::vector<double>& X,
                   const std::vector<double>& Y, const ProgressCallback& callback)
{
    if (g_busy || !source.isValid() || !destination.isValid())
        return false;
    BusyGuard guard;
    return distortGeneral(viewOf(source), viewOf(destination), X, Y, callback);
}

// ---- Geometry helpers ------------------------------------------------------

bool BuildGrid(int W, int H, const std::vector<double>& X, const std::vector<double>& Y, std::vector<PointD>& grid)
{
    if (W <= 0 || H <= 0 || !hasFourCorners(X, Y))
        return false;
    double L[4];
    PointD u[4];
    for (int i = 0; i < 4; ++i) {
        const double dx = X[next(i)] - X[i];
        const double dy = Y[next(i)] - Y[i];
        L[i] = std::sqrt(dx * dx + dy * dy);
        u[i] = {dx / L[i], dy / L[i]};
    }
    grid.assign(std::size_t(W + 1) * std::size_t(H + 1), PointD{});
    for (int j = 0; j <= W; ++j) {
        const double s = double(j) / double(W);
        const PointD A{X[0] + s * L[0] * u[0].x, Y[0] + s * L[0] * u[0].y};
        const PointD A2{X[2] + (1 - s) * L[2] * u[2].x, Y[2] + (1 - s) * L[2] * u[2].y};
        for (int k = 0; k <= H; ++k) {
            const double t = double(k) / double(H);
            const PointD B{X[3] + (1 - t) * L[3] * u[3].x, Y[3] + (1 - t) * L[3] * u[3].y};
            const PointD B2{X[1] + t * L[1] * u[1].x, Y[1] + t * L[1] * u[1].y};
            const double a1 = A2.y - A.y, b1 = A.x - A2.x, c1 = a1 * A.x + b1 * A.y;
            const double a2 = B2.y - B.y, b2 = B.x - B2.x, c2 = a2 * B.x + b2 * B.y;
            const double det = b2 * a1 - b1 * a2;
            // Written so that a zero-length edge (NaN directions) fails too.
            if (!(std::abs(det) >= 1e-9))
                return false;
            grid[std::size_t(j) + std::size_t(k) * std::size_t(W + 1)] = {(c1 * b2 - c2 * b1) / det,
                                                                          (c2 * a1 - c1 * a2) / det};
        }
    }
    return true;
}

double CoverageArea(const std::array<PointD, 4>& quad)
{
    for (int m = 0; m < 4; ++m)
        g_clip.quad[m] = quad[m];
    return storedCoverageArea();
}

bool PointInQuad(const std::array<PointD, 4>& quad, PointD p)
{
    for (int m = 0; m < 4; ++m)
        g_clip.quad[m] = quad[m];
    return pointInStoredQuad(p);
}

std::vector<PointD> OrderPolygon(const std::vector<PointD>& points)
{
    g_clip.pointCount = 0;
    for (const PointD& p : points)
        addPoint(p.x, p.y);
    orderStoredPolygon();
    return {g_clip.vectors, g_clip.vectors + g_clip.vectorCount};
}

double PolygonArea(const std::vector<PointD>& ordered)
{
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i)
        sum += ordered[i].x * ordered[i + 1].y - ordered[i].y * ordered[i + 1].x;
    return std::abs(sum) / 2.0;
}

double CosDeg(double degrees)
{
    const double steps = degrees / 30.0;
    const double whole = std::round(steps);
    if (std::abs(steps - whole) < 1e-9) {
        static constexpr double table[13] = {1.0, 0.866025403784439, 0.5, 0.0, -0.5, -0.866025403784439, -1.0,
                                             -0.866025403784439, -0.5, 0.0, 0.5, 0.866025403784439, 1.0};
        const double rounded = std::round(degrees);
        for (int i = 0; i <= 12; ++i)
            if (rounded == 30.0 * i)
                return table[i];
    }
    return std::cos(degrees * 3.14159265358979 / 180.0);
}

namespace {
qint32 toInt32(double v)
{
    if (!(v > double(std::numeric_limits<qint32>::min())))
        return std::numeric_limits<qint32>::min();
    if (!(v < double(std::numeric_limits<qint32>::max())))
        return std::numeric_limits<qint32>::max();
    return qint32(v);
}
} // namespace

qint32 FloorSnap(double x)
{
    const double nearest = std::round(x);
    if (std::abs(x - nearest) < 1e-9)
        return toInt32(nearest);
    return toInt32(std::floor(x));
}

qint32 CeilSnap(double x)
{
    const double nearest = std::round(x);
    if (std::abs(x - nearest) < 1e-9)
        return toInt32(nearest);
    return toInt32(std::ceil(x));
}

int ClampByte(double v)
{
    const double r = std::nearbyint(v);
    if (!(r > 0))
        return 0;
    if (r >= 255)
        return 255;
    return int(r);
}

} // namespace kestrune::imaging

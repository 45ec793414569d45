#include "ReferenceRotate.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrune::imaging::reference {
namespace {

constexpr int next(int i) { return (i + 1) & 3; }

struct Clip {
    const PointD unit[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    PointD quad[4];
    PointD points[16];
    int pointCount = 0;
    PointD vectors[16];
    int vectorCount = 0;

    bool inQuad(PointD p) const
    {
        bool pos = false, neg = false;
        for (int i = 0; i < 4; ++i) {
            const PointD a = quad[i], b = quad[next(i)];
            const double s = (a.x - p.x) * (b.y - p.y) - (b.x - p.x) * (a.y - p.y);
            if (s > 0)
                pos = true;
            if (s < 0)
                neg = true;
        }
        return !(pos && neg);
    }

    void add(double x, double y)
    {
        if (pointCount < 16)
            points[pointCount++] = {x, y};
    }

    double coverage()
    {
        pointCount = 0;
        for (int i = 0; i < 4; ++i) {
            const PointD q = quad[i], r = quad[next(i)];
            if (q.x >= 0 && q.x <= 1 && q.y >= 0 && q.y <= 1)
                add(q.x, q.y);
            if (inQuad(unit[i]))
                add(unit[i].x, unit[i].y);
            const double minX = std::min(q.x, r.x), maxX = std::max(q.x, r.x);
            const double minY = std::min(q.y, r.y), maxY = std::max(q.y, r.y);
            for (double side : {0.0, 1.0}) {
                if (minX < side && side < maxX) {
                    const double y = q.y + (side - q.x) * (r.y - q.y) / (r.x - q.x);
                    if (y >= 0 && y <= 1)
                        add(side, y);
                }
            }
            for (double side : {0.0, 1.0}) {
                if (minY < side && side < maxY) {
                    const double x = q.x + (side - q.y) * (r.x - q.x) / (r.y - q.y);
                    if (x >= 0 && x <= 1)
                        add(x, side);
                }
            }
        }
        // Order as vectors from the first point, leaving out zero vectors.
        vectorCount = 0;
        if (pointCount < 3)
            return 0;
        const PointD p0 = points[0];
        if (pointCount == 3) {
            vectors[0] = {points[1].x - p0.x, points[1].y - p0.y};
            vectors[1] = {points[2].x - p0.x, points[2].y - p0.y};
            vectorCount = 2;
        } else {
            for (int i = 1; i < pointCount; ++i) {
                const PointD v{points[i].x - p0.x, points[i].y - p0.y};
                if (v.x == 0 && v.y == 0)
                    continue;
                int at = vectorCount;
                for (int e = 0; e < vectorCount; ++e)
                    if (vectors[e].y * v.x - v.y * vectors[e].x < 0) {
                        at = e;
                        break;
                    }
                for (int e = vectorCount; e > at; --e)
                    vectors[e] = vectors[e - 1];
                vectors[at] = v;
                ++vectorCount;
            }
        }
        double sum = 0;
        for (int i = 0; i + 1 < vectorCount; ++i)
            sum += vectors[i].x * vectors[i + 1].y - vectors[i].y * vectors[i + 1].x;
        return std::abs(sum) / 2;
    }
};

bool buildGrid(int W, int H, const double X[4], const double Y[4], std::vector<PointD>& grid)
{
    double L[4];
    PointD u[4];
    for (int i = 0; i < 4; ++i) {
        const double dx = X[next(i)] - X[i], dy = Y[next(i)] - Y[i];
        L[i] = std::sqrt(dx * dx + dy * dy);
        u[i] = {dx / L[i], dy / L[i]};
    }
    grid.resize(std::size_t(W + 1) * std::size_t(H + 1));
    for (int j = 0; j <= W; ++j) {
        for (int k = 0; k <= H; ++k) {
            const double s = double(j) / W, t = double(k) / H;
            const PointD A{X[0] + s * L[0] * u[0].x, Y[0] + s * L[0] * u[0].y};
            const PointD A2{X[2] + (1 - s) * L[2] * u[2].x, Y[2] + (1 - s) * L[2] * u[2].y};
            const PointD B{X[3] + (1 - t) * L[3] * u[3].x, Y[3] + (1 - t) * L[3] * u[3].y};
            const PointD B2{X[1] + t * L[1] * u[1].x, Y[1] + t * L[1] * u[1].y};
            const double a1 = A2.y - A.y, b1 = A.x - A2.x, c1 = a1 * A.x + b1 * A.y;
            const double a2 = B2.y - B.y, b2 = B.x - B2.x, c2 = a2 * B.x + b2 * B.y;
            const double det = b2 * a1 - b1 * a2;
            if (!(std::abs(det) >= 1e-9))
                return false;
            grid[j + k * std::size_t(W + 1)] = {(c1 * b2 - c2 * b1) / det, (c2 * a1 - c1 * a2) / det};
        }
    }
    return true;
}

} // namespace

std::optional<Bitmap> RotateBitmap(const Bitmap& source, double angle, const ProgressCallback& callback,
                                   ColorRef background, double* coverageSum)
{
    if (!source.isValid())
        return std::nullopt;
    const int W = source.width, H = source.height;
    const double c = CosDeg(angle), n = CosDeg(angle + 90);
    const double hw = W / 2.0, hh = H / 2.0;
    const double cx[4] = {-hw, hw, hw, -hw}, cy[4] = {-hh, -hh, hh, hh};
    double X[4], Y[4];
    for (int k = 0; k < 4; ++k) {
        X[k] = cx[k] * c - cy[k] * n;
        Y[k] = cy[k] * c + cx[k] * n;
    }
    const double minX = *std::min_element(X, X + 4), minY = *std::min_element(Y, Y + 4);
    int Wd = 0, Hd = 0;
    for (int k = 0; k < 4; ++k) {
        X[k] -= minX;
        Y[k] -= minY;
        Wd = std::max(Wd, CeilSnap(X[k]));
        Hd = std::max(Hd, CeilSnap(Y[k]));
    }
    Bitmap destination(Wd, Hd, PixelFromColor(background));
    if (coverageSum)
        *coverageSum = 0;

    std::vector<PointD> grid;
    if (!buildGrid(W, H, X, Y, grid))
        return destination;
    // The corners' minimum is 0, so the working box starts at the origin.
    const int bw = Wd, bh = Hd;
    std::vector<std::array<double, 4>> acc(std::size_t(bw) * bh, {0, 0, 0, 0});
    Clip clip;
    for (int l = 0; l < W; ++l) {
        for (int k = 0; k < H; ++k) {
            const PointD Q[4] = {grid[l + k * (W + 1)], grid[l + 1 + k * (W + 1)], grid[l + 1 + (k + 1) * (W + 1)],
                                 grid[l + (k + 1) * (W + 1)]};
            int x0 = FloorSnap(Q[0].x), x1 = CeilSnap(Q[0].x), y0 = FloorSnap(Q[0].y), y1 = CeilSnap(Q[0].y);
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
            const quint32 p = source.pixel(l, k);
            const double red = (p >> 16) & 0xff, green = (p >> 8) & 0xff, blue = p & 0xff;
            for (int x = x0; x < x1; ++x)
                for (int y = y0; y < y1; ++y) {
                    for (int m = 0; m < 4; ++m)
                        clip.quad[m] = {Q[m].x - x, Q[m].y - y};
                    const double a = clip.coverage();
                    if (a > 0 && x >= 0 && y >= 0 && x < bw && y < bh) {
                        auto& cell = acc[x + std::size_t(y) * bw];
                        cell[0] += red * a;
                        cell[1] += green * a;
                        cell[2] += blue * a;
                        cell[3] += a;
                    }
                }
        }
        if (callback && callback(double(l + 1) / W, l + 1, W) != 0) {
            Bitmap empty(Wd, Hd, PixelFromColor(background));
            return empty;
        }
    }
    double total = 0;
    for (int i = 0; i < bw; ++i)
        for (int j = 0; j < bh; ++j) {
            const auto& cell = acc[i + std::size_t(j) * bw];
            const double cv = cell[3];
            total += cv;
            if (cv <= 0)
                continue;
            const quint32 old = destination.pixel(i, j);
            int r, g, b;
            if (cv >= 1) {
                r = ClampByte(cell[0] / cv);
                g = ClampByte(cell[1] / cv);
                b = ClampByte(cell[2] / cv);
            } else {
                r = ClampByte((1 - cv) * ((old >> 16) & 0xff) + cell[0]);
                g = ClampByte((1 - cv) * ((old >> 8) & 0xff) + cell[1]);
                b = ClampByte((1 - cv) * (old & 0xff) + cell[2]);
            }
            destination.setPixel(i, j, quint32(b) | (quint32(g) << 8) | (quint32(r) << 16));
        }
    if (coverageSum)
        *coverageSum = total;
    return destination;
}

} // namespace kestrune::imaging::reference

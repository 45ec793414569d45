#include "imaging/RotateFast.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <emmintrin.h>

namespace kestrune::imaging::fast {

// ---- Quarter and half turns ------------------------------------------------

int QuarterTurnOf(double c, double n, int W, int H)
{
    // A corner moves by at most (W + H) times the error of c and n; keep that
    // far below the 1e-9 snapping tolerance, so the general mapping would give
    // exactly the same pixels.
    const double tolerance = 1e-11 / double(std::max(1, W + H));
    static constexpr struct {
        double c, n;
    } turns[4] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    for (int turn = 0; turn < 4; ++turn)
        if (std::abs(c - turns[turn].c) <= tolerance && std::abs(n - turns[turn].n) <= tolerance)
            return turn;
    return -1;
}

bool RotateQuarter(const SourceView& src, int turn, const ProgressCallback& callback, const DestView& dst)
{
    const int W = src.width;
    const int H = src.height;
    // Columns are copied in blocks so the reads and writes stay within a few
    // cache lines; the callback still runs once for every source column, in
    // order, after that column has been placed.
    constexpr int kBlock = 16;
    const quint32 bits = dst.fillBits;
    for (int l0 = 0; l0 < W; l0 += kBlock) {
        const int l1 = std::min(W, l0 + kBlock);
        for (int y = 0; y < H; ++y) {
            const quint32* in = src.data + y * src.stride;
            switch (turn) {
            case 0: {
                quint32* out = dst.row(y);
                for (int x = l0; x < l1; ++x)
                    out[x] = (in[x] & 0x00ffffffu) | bits;
                break;
            }
            case 1: // (x, y) -> (y, W-1-x)
                for (int x = l0; x < l1; ++x)
                    dst.row(W - 1 - x)[y] = (in[x] & 0x00ffffffu) | bits;
                break;
            case 2: { // (x, y) -> (W-1-x, H-1-y)
                quint32* out = dst.row(H - 1 - y) + (W - 1);
                for (int x = l0; x < l1; ++x)
                    out[-x] = (in[x] & 0x00ffffffu) | bits;
                break;
            }
            default: // (x, y) -> (H-1-y, x)
                for (int x = l0; x < l1; ++x)
                    dst.row(x)[H - 1 - y] = (in[x] & 0x00ffffffu) | bits;
                break;
            }
        }
        if (callback)
            for (int l = l0; l < l1; ++l)
                if (callback(double(l + 1) / double(W), l + 1, W) != 0)
                    return false;
    }
    return true;
}

// ---- Every other rotation --------------------------------------------------

namespace {

// Four floats (blue, green, red, coverage) kept in containers.
struct alignas(16) Channels {
    float v[4];
};
inline __m128 load(const Channels& c) { return _mm_load_ps(c.v); }
inline void store(Channels& c, __m128 x) { _mm_store_ps(c.v, x); }

// Per destination cell: blue, green, red and coverage increments; a running sum
// along the row turns them into the cell's colour sums and coverage.
struct Cells {
    int width = 0;  // destination width
    int height = 0;
    int stride = 0; // cells per row: width + 2, so i + 1 never leaves the row
    std::vector<Channels> data;

    Cells(int w, int h) : width(w), height(h), stride(w + 2), data(std::size_t(stride) * std::size_t(h), Channels{})
    {
    }
};

// Adds the signed area swept by the segment (x0, y0) -> (x0 + dx, y0 + dy),
// weighted by w, to the cells. The segment is at most one pixel long in each
// axis, so it crosses at most one whole-numbered x and one whole-numbered y and
// falls into at most three pieces, each inside one cell. A piece of height d
// (negated rise) at mean position xm adds d·(1 - f) to its cell and d·f to the
// next one, f being xm's fraction in its cell: summed along the row, that is
// the area between the piece and the cell's right side, and the full height
// for every cell further right.
inline void addSegment(Cells& cells, double x0, double y0, double dx, double dy, double invDx, double invDy,
                       __m128 w)
{
    const double x1 = x0 + dx, y1 = y0 + dy;
    double tx = 1.0, ty = 1.0;
    {
        const double lo = std::min(x0, x1), hi = std::max(x0, x1);
        const double cross = std::floor(lo) + 1.0;
        if (cross < hi)
            tx = std::clamp((cross - x0) * invDx, 0.0, 1.0);
    }
    {
        const double lo = std::min(y0, y1), hi = std::max(y0, y1);
        const double cross = std::floor(lo) + 1.0;
        if (cross < hi)
            ty = std::clamp((cross - y0) * invDy, 0.0, 1.0);
    }
    const double cuts[4] = {0.0, std::min(tx, ty), std::max(tx, ty), 1.0};
    for (int p = 0; p < 3; ++p) {
        const double ta = cuts[p], tb = cuts[p + 1];
        if (!(tb > ta))
            continue;
        const double tm = 0.5 * (ta + tb);
        const double ym = y0 + tm * dy;
        const int r = int(std::floor(ym));
        if (r < 0 || r >= cells.height)
            continue;
        const double xm = x0 + tm * dx;
        const double fl = std::floor(xm);
        int i;
        double f;
        if (fl < 0) {
            // Everything left of the picture still counts for the whole row.
            i = 0;
            f = 0.0;
        } else if (fl > cells.width) {
            continue; // right of every destination cell: changes none
        } else {
            i = int(fl);
            f = xm - fl;
        }
        const double d = -(tb - ta) * dy;
        Channels* cell = cells.data.data() + std::size_t(r) * std::size_t(cells.stride) + i;
        const __m128 right = _mm_set1_ps(float(d * f));
        const __m128 left = _mm_set1_ps(float(d) - float(d * f));
        store(cell[0], _mm_add_ps(load(cell[0]), _mm_mul_ps(w, left)));
        store(cell[1], _mm_add_ps(load(cell[1]), _mm_mul_ps(w, right)));
    }
}

inline __m128 colourOf(quint32 p)
{
    return _mm_set_ps(1.0f, float((p >> 16) & 0xff), float((p >> 8) & 0xff), float(p & 0xff));
}

inline bool isZero(__m128 v)
{
    return _mm_movemask_ps(_mm_cmpneq_ps(v, _mm_setzero_ps())) == 0;
}

inline int clampByte(float v)
{
    const float r = std::nearbyint(v);
    if (!(r > 0.0f))
        return 0;
    if (r >= 255.0f)
        return 255;
    return int(r);
}

} // namespace

bool RotateGeneral(const SourceView& src, double c, double n, const double X[4], const double Y[4],
                   const ProgressCallback& callback, const DestView& dst, double* coverageSum)
{
    const int W = src.width;
    const int H = src.height;
    if (W <= 0 || H <= 0 || dst.width <= 0 || dst.height <= 0)
        return false;

    Cells cells(dst.width, dst.height);

    // Source corner (j, k) lands at (X0 + j·c - k·n, Y0 + j·n + k·c). Grid
    // edges along a row run by (c, n), along a column by (-n, c).
    const double hx = c, hy = n;   // row edges
    const double vx = -n, vy = c;  // column edges
    const double invHx = 1.0 / hx, invHy = 1.0 / hy;
    const double invVx = 1.0 / vx, invVy = 1.0 / vy;

    std::vector<Channels> previous(std::size_t(H), Channels{});
    std::vector<Channels> current(static_cast<std::size_t>(H));

    for (int l = 0; l < W; ++l) {
        for (int k = 0; k < H; ++k)
            store(current[k], colourOf(src.at(l, k)));

        // Column edges at j = l, between source columns l - 1 and l.
        const double baseX = X[0] + l * c, baseY = Y[0] + l * n;
        for (int k = 0; k < H; ++k) {
            const __m128 w = _mm_sub_ps(load(previous[k]), load(current[k]));
            if (isZero(w))
                continue;
            addSegment(cells, baseX - k * n, baseY + k * c, vx, vy, invVx, invVy, w);
        }

        // Row edges of column l, between source rows k - 1 and k.
        __m128 above = _mm_setzero_ps();
        for (int k = 0; k <= H; ++k) {
            const __m128 here = k < H ? load(current[k]) : _mm_setzero_ps();
            const __m128 w = _mm_sub_ps(here, above);
            above = here;
            if (isZero(w))
                continue;
            addSegment(cells, baseX - k * n, baseY + k * c, hx, hy, invHx, invHy, w);
        }

        // The right-hand edges of the last column.
        if (l == W - 1) {
            const double endX = X[0] + W * c, endY = Y[0] + W * n;
            for (int k = 0; k < H; ++k)
                addSegment(cells, endX - k * n, endY + k * c, vx, vy, invVx, invVy, load(current[k]));
        }
        std::swap(previous, current);

        if (callback && callback(double(l + 1) / double(W), l + 1, W) != 0)
            return false;
    }

    double total = 0.0;
    for (int y = 0; y < dst.height; ++y) {
        const Channels* row = cells.data.data() + std::size_t(y) * std::size_t(cells.stride);
        quint32* out = dst.row(y);
        __m128 sum = _mm_setzero_ps();
        double rowCoverage = 0.0;
        for (int x = 0; x < dst.width; ++x) {
            sum = _mm_add_ps(sum, load(row[x]));
            alignas(16) float v[4];
            _mm_store_ps(v, sum);
            const float cv = v[3];
            rowCoverage += cv;
            if (cv <= 0.0f)
                continue;
            const quint32 old = out[x];
            int b, g, r;
            if (cv >= 1.0f) {
                b = clampByte(v[0] / cv);
                g = clampByte(v[1] / cv);
                r = clampByte(v[2] / cv);
            } else {
                const float rest = 1.0f - cv;
                b = clampByte(rest * float(old & 0xff) + v[0]);
                g = clampByte(rest * float((old >> 8) & 0xff) + v[1]);
                r = clampByte(rest * float((old >> 16) & 0xff) + v[2]);
            }
            out[x] = quint32(b) | (quint32(g) << 8) | (quint32(r) << 16) | dst.fillBits;
        }
        total += rowCoverage;
    }
    if (coverageSum)
        *coverageSum = total;
    return true;
}

} // namespace kestrune::imaging::fast

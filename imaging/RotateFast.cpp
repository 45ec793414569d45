#include "imaging/RotateFast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>
#include <vector>

#include <immintrin.h>

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

namespace {

// Calls the callback for source columns l0 .. l1 - 1; false on a stop.
bool reportColumns(const ProgressCallback& callback, int l0, int l1, int W)
{
    if (callback)
        for (int l = l0; l < l1; ++l)
            if (callback(double(l + 1) / double(W), l + 1, W) != 0)
                return false;
    return true;
}

// Sideways turns of the source columns l0 .. l1 - 1: 4 x 4 blocks are
// transposed in registers, the rest is moved pixel by pixel.
void turnSideways(const SourceView& src, int turn, const DestView& dst, int l0, int l1)
{
    const int W = src.width;
    const int H = src.height;
    const __m128i mask = _mm_set1_epi32(0x00ffffff);
    const __m128i bits = _mm_set1_epi32(int(dst.fillBits));
    auto place = [&](int x, int y, quint32 p) {
        p = (p & 0x00ffffffu) | dst.fillBits;
        if (turn == 1)
            dst.row(W - 1 - x)[y] = p; // (x, y) -> (y, W-1-x)
        else
            dst.row(x)[H - 1 - y] = p; // (x, y) -> (H-1-y, x)
    };
    const int x4 = l0 + ((l1 - l0) & ~3);
    const int y4 = H & ~3;
    for (int y = 0; y < y4; y += 4) {
        const quint32* r0 = src.data + y * src.stride;
        const quint32* r1 = r0 + src.stride;
        const quint32* r2 = r1 + src.stride;
        const quint32* r3 = r2 + src.stride;
        for (int x = l0; x < x4; x += 4) {
            __m128 a = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r0 + x)));
            __m128 b = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r1 + x)));
            __m128 c = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r2 + x)));
            __m128 d = _mm_castsi128_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(r3 + x)));
            _MM_TRANSPOSE4_PS(a, b, c, d); // a = column x at rows y .. y+3, and so on
            const __m128 cols[4] = {a, b, c, d};
            for (int i = 0; i < 4; ++i) {
                __m128i v = _mm_or_si128(_mm_and_si128(_mm_castps_si128(cols[i]), mask), bits);
                if (turn == 1) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst.row(W - 1 - x - i) + y), v);
                } else {
                    v = _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3));
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst.row(x + i) + (H - 4 - y)), v);
                }
            }
        }
        for (int x = x4; x < l1; ++x)
            for (int j = 0; j < 4; ++j)
                place(x, y + j, src.data[x + (y + j) * src.stride]);
    }
    for (int y = y4; y < H; ++y)
        for (int x = l0; x < l1; ++x)
            place(x, y, src.data[x + y * src.stride]);
}

} // namespace

bool RotateQuarter(const SourceView& src, int turn, const ProgressCallback& callback, const DestView& dst)
{
    const int W = src.width;
    const int H = src.height;
    const quint32 bits = dst.fillBits;
    const __m128i mask = _mm_set1_epi32(0x00ffffff);
    const __m128i fill = _mm_set1_epi32(int(bits));
    // Columns are placed in blocks. The straight and half turns copy whole
    // rows, the fastest order by far (a picture of a few megapixels takes a
    // millisecond or two); the sideways turns use tiles of 64 columns (four
    // cache lines per source row: every row, on a page of its own in a large
    // picture, is visited once per tile, so fewer and wider tiles spare the
    // address translation), whose writes stream along 64 destination rows.
    // The callback runs once for every source column, in order, right after
    // the block holding that column has been placed.
    const int block = (turn & 1) ? 64 : W;
    for (int l0 = 0; l0 < W; l0 += block) {
        const int l1 = std::min(W, l0 + block);
        switch (turn) {
        case 0:
            for (int y = 0; y < H; ++y) {
                const quint32* in = src.data + y * src.stride;
                quint32* out = dst.row(y);
                int x = l0;
                for (; x + 4 <= l1; x += 4) {
                    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_or_si128(_mm_and_si128(v, mask), fill));
                }
                for (; x < l1; ++x)
                    out[x] = (in[x] & 0x00ffffffu) | bits;
            }
            break;
        case 2: // (x, y) -> (W-1-x, H-1-y)
            for (int y = 0; y < H; ++y) {
                const quint32* in = src.data + y * src.stride;
                quint32* out = dst.row(H - 1 - y) + (W - 1);
                int x = l0;
                for (; x + 4 <= l1; x += 4) {
                    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
                    v = _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3));
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(out - x - 3), _mm_or_si128(_mm_and_si128(v, mask), fill));
                }
                for (; x < l1; ++x)
                    out[-x] = (in[x] & 0x00ffffffu) | bits;
            }
            break;
        default:
            turnSideways(src, turn, dst, l0, l1);
            break;
        }
        if (!reportColumns(callback, l0, l1, W))
            return false;
    }
    return true;
}

// ---- Every other rotation --------------------------------------------------
//
// Under a rotation every destination pixel's preimage in the source is the
// same square (side 1, turned), moved by a constant step along a destination
// row. The square spans at most 3 x 3 source pixels from the pixel holding its
// bounding box's corner, and its overlaps with them depend only on where in
// that pixel the corner lies. They are worked out exactly per destination
// pixel: the area of the square below and left of each grid point of the
// 3 x 3 block (the square is the signed sum of four right-angled cones at its
// corners, and each cone's area in a quadrant has a short closed form), and
// the overlaps are the differences of those areas. Each destination pixel is
// then one weighted sum of its 3 x 3 source pixels, written once. Lanes of a
// vector hold neighbouring destination pixels of a row.

namespace {

// The preimage square in the working frame (u, v): the source's (x, y), or
// (y, x) when that makes the square's sides turn by at most 45 degrees. Its
// sides are g1 = (c, s) and g2 = (-s, c) with 0 <= s <= c; its lowest corner
// lies s to the right of its bounding box's corner.
struct Square {
    float s, c;
    float t, negCot;   // s / c (at least 1e-30), and -c / s
    float halfM, halfT; // (t + 1/t) / 2, t / 2
    float sideChord;   // the chord across the middle of the square: s·(t + 1/t)
    float area;        // s² + c²
    float inverseArea; // 1 / area
    float farBase;     // the area below the side corners: s²·(t + 1/t)/2 + (c - s)·sideChord
};

// Everything the rows share.
struct Mapping {
    Square q;
    // Bounding box corner of destination pixel (0, y)'s preimage:
    // (u0 + y·rowU, v0 + y·rowV); it moves by (stepU, stepV) per pixel.
    double u0, v0, rowU, rowV, stepU, stepV;
    int Wu, Wv;            // the source's size in the working frame
    qsizetype strideU, strideV; // words per unit of u and v in the source
    const quint32* data;   // source pixel (0, 0)
    // Destination rows done together (see placeRows).
    static constexpr int kMaxBand = 8;
    int band;
};

// The destination pixels of row y whose preimage's bounding box can meet the
// source: [x0, x1).
void rowSpan(const Mapping& m, int y, int width, int& x0, int& x1)
{
    const double w = double(m.q.s) + double(m.q.c);
    double lo = -1e18, hi = 1e18;
    const double start[2] = {m.u0 + y * m.rowU, m.v0 + y * m.rowV};
    const double step[2] = {m.stepU, m.stepV};
    const double size[2] = {double(m.Wu), double(m.Wv)};
    for (int a = 0; a < 2; ++a) {
        // The corner must lie in (-w, size).
        if (step[a] > 1e-300) {
            lo = std::max(lo, (-w - start[a]) / step[a]);
            hi = std::min(hi, (size[a] - start[a]) / step[a]);
        } else if (step[a] < -1e-300) {
            lo = std::max(lo, (size[a] - start[a]) / step[a]);
            hi = std::min(hi, (-w - start[a]) / step[a]);
        } else if (!(start[a] > -w && start[a] < size[a])) {
            lo = 1, hi = 0;
        }
    }
    x0 = int(std::max(0.0, std::floor(std::max(lo, -1.0))));
    x1 = int(std::min(double(width), std::floor(std::min(hi, double(width))) + 1.0));
}

namespace wide {
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#define KESTRUNE_LANES 8
#include "imaging/RotateLanes.h"
#undef KESTRUNE_LANES
#pragma GCC pop_options
} // namespace wide

namespace narrow {
#define KESTRUNE_LANES 4
#include "imaging/RotateLanes.h"
#undef KESTRUNE_LANES
} // namespace narrow

int g_vectorChoice = -1; // -1 by the processor, 0 128-bit only, 1 256-bit where available

bool useWide()
{
    static const bool available = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return available && g_vectorChoice != 0;
}

struct Vec2 {
    double x, y;
};

} // namespace

namespace {

// The general rotation of `src` whose corner 0 lands at (x0, y0), calling the
// callback `columns` times.
bool rotateTurned(const SourceView& src, double c, double n, double x0, double y0, int columns,
                  const ProgressCallback& callback, const DestView& dst, double* coverageSum)
{
    const int W = src.width;
    const int H = src.height;
    const double det = c * c + n * n;
    if (!(det > 1e-12))
        return false;

    // Source corner (j, k) lands at corner 0 + j·(c, n) + k·(-n, c); a
    // destination point p comes from M·(p - corner 0), M the inverse. The
    // preimage of destination pixel (x, y) has its corner at M·((x, y) - corner 0)
    // and sides e1 = M·(1, 0) (along the row) and e2 = M·(0, 1).
    Vec2 e1{c / det, -n / det}, e2{n / det, c / det};
    Vec2 p0{(c * -x0 + n * -y0) / det, (-n * -x0 + c * -y0) / det};
    // The side from the square's lowest corner that turns least from the
    // first axis; the frame is transposed if it turns by more than 45 degrees.
    auto sideOf = [](Vec2 a, Vec2 b) {
        const Vec2 corner[4] = {{0, 0}, a, {a.x + b.x, a.y + b.y}, b};
        int lowest = 0;
        for (int i = 1; i < 4; ++i)
            if (corner[i].y < corner[lowest].y || (corner[i].y == corner[lowest].y && corner[i].x < corner[lowest].x))
                lowest = i;
        const Vec2 o = corner[lowest], n1 = corner[(lowest + 1) & 3], n2 = corner[(lowest + 3) & 3];
        const Vec2 d1{n1.x - o.x, n1.y - o.y}, d2{n2.x - o.x, n2.y - o.y};
        return d1.x > d2.x ? d1 : d2;
    };
    Vec2 g1 = sideOf(e1, e2);
    const bool transposed = g1.y > g1.x;
    if (transposed) {
        std::swap(e1.x, e1.y);
        std::swap(e2.x, e2.y);
        std::swap(p0.x, p0.y);
        g1 = sideOf(e1, e2);
    }
    const double s = std::max(g1.y, 0.0), cc = g1.x;
    const double t = std::max(s / cc, 1e-30);
    Mapping m{};
    m.q.s = float(s);
    m.q.c = float(cc);
    m.q.t = float(t);
    m.q.negCot = float(-1.0 / t);
    m.q.halfM = float(0.5 * (t + 1.0 / t));
    m.q.halfT = float(0.5 * t);
    m.q.sideChord = float(s * (t + 1.0 / t));
    m.q.area = float(s * s + cc * cc);
    m.q.inverseArea = float(1.0 / (s * s + cc * cc));
    m.q.farBase = float(s * s * 0.5 * (t + 1.0 / t) + (cc - s) * s * (t + 1.0 / t));
    // Bounding box corner: the corners' smallest u and v.
    const Vec2 corner[4] = {{0, 0}, e1, {e1.x + e2.x, e1.y + e2.y}, e2};
    double minU = 0, minV = 0;
    for (const Vec2& k : corner) {
        minU = std::min(minU, k.x);
        minV = std::min(minV, k.y);
    }
    m.u0 = p0.x + minU;
    m.v0 = p0.y + minV;
    m.stepU = e1.x;
    m.stepV = e1.y;
    m.rowU = e2.x;
    m.rowV = e2.y;
    m.Wu = transposed ? H : W;
    m.Wv = transposed ? W : H;

    // The closer the turn is to a diagonal, the more source rows each
    // destination row crosses, and the more rows a band should hold so that
    // it reuses them while they are in the cache (settings measured at
    // 1200 x 2000).
    const double slant = std::min(std::abs(c), std::abs(n)) / std::max(std::abs(c), std::abs(n));
    m.band = slant < 0.2 ? 2 : slant < 0.6 ? 4 : Mapping::kMaxBand;
    m.data = src.data;
    m.strideU = transposed ? src.stride : 1;
    m.strideV = transposed ? 1 : src.stride;

    return useWide() ? wide::placeRows(m, columns, callback, dst, coverageSum)
                     : narrow::placeRows(m, columns, callback, dst, coverageSum);
}

} // namespace

bool RotateGeneral(const SourceView& src, double c, double n, const double X[4], const double Y[4],
                   const ProgressCallback& callback, const DestView& dst, double* coverageSum)
{
    const int W = src.width;
    const int H = src.height;
    if (W <= 0 || H <= 0 || dst.width <= 0 || dst.height <= 0)
        return false;
    // The sweep is fastest when the turn is within 45 degrees of upright: the
    // preimages of a destination row then walk along the source rows. A
    // quarter turn moves pixel squares onto pixel squares about the centre,
    // so turning by the angle equals turning the picture quarter-turned
    // (exactly, by permuting pixels) by the angle less that many quarters.
    // The cosines of the reduced angle are those of the angle, swapped and
    // negated, and the turned picture's corner k is the source's corner
    // k + turn: the destination and its placement stay exactly the same.
    const int turn = c >= std::abs(n) ? 0 : -n >= std::abs(c) ? 1 : -c >= std::abs(n) ? 2 : 3;
    if (turn == 0)
        return rotateTurned(src, c, n, X[0], Y[0], W, callback, dst, coverageSum);
    std::vector<quint32> turned;
    try {
        turned.resize(std::size_t(W) * std::size_t(H));
    } catch (const std::bad_alloc&) {
        return rotateTurned(src, c, n, X[0], Y[0], W, callback, dst, coverageSum);
    }
    const int tw = QuarterWidth(turn, W, H), th = QuarterHeight(turn, W, H);
    RotateQuarter(src, turn, {}, DestView{turned.data(), tw, tw, th, 0});
    const double rc = turn == 1 ? -n : turn == 2 ? -c : n;
    const double rn = turn == 1 ? c : turn == 2 ? -n : -c;
    // The callback still counts the caller's source columns.
    return rotateTurned(SourceView{turned.data(), tw, tw, th}, rc, rn, X[turn], Y[turn], W, callback, dst,
                        coverageSum);
}

void UseWideVectors(bool allowed) { g_vectorChoice = allowed ? 1 : 0; }

bool WideVectorsInUse() { return useWide(); }

} // namespace kestrune::imaging::fast

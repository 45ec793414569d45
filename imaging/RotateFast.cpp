#include "imaging/RotateFast.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
    // Columns are placed in blocks: a block of whole cache lines per source
    // row for the straight and half turns, a tile of 16 columns (one line per
    // row) for the sideways turns, whose writes then stream along 16
    // destination rows. The callback runs once for every source column, in
    // order, right after the block holding that column has been placed.
    const int block = (turn & 1) ? 16 : 512;
    for (int l0 = 0; l0 < W; l0 += block) {
        const int l1 = std::min(W, l0 + block);
        switch (turn) {
        case 0:
            for (int y = 0; y < H; ++y) {
                const quint32* in = src.data + y * src.stride;
                quint32* out = dst.row(y);
                for (int x = l0; x < l1; ++x)
                    out[x] = (in[x] & 0x00ffffffu) | bits;
            }
            break;
        case 2: // (x, y) -> (W-1-x, H-1-y)
            for (int y = 0; y < H; ++y) {
                const quint32* in = src.data + y * src.stride;
                quint32* out = dst.row(H - 1 - y) + (W - 1);
                for (int x = l0; x < l1; ++x)
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

namespace {

// Four floats (blue, green, red, coverage) kept in containers.
struct alignas(16) Channels {
    float v[4];
};

// Per destination cell: blue, green, red and coverage increments; a running
// sum along the row turns them into the cell's colour sums and coverage. Each
// row holds only the cells the turned picture can reach in it, with a margin
// of two cells either side; one extra row above and below catches pieces
// that rounding puts a hair outside the picture.
class Cells {
public:
    Cells(int width, int height, const double X[4], const double Y[4]) : m_width(width), m_height(height)
    {
        m_lo.resize(std::size_t(height) + 2);
        m_hi.resize(std::size_t(height) + 2);
        m_index.resize(std::size_t(height) + 2);
        std::size_t total = 0;
        for (int y = -1; y <= height; ++y) {
            // The picture's extent across the band of rows y - 1 .. y + 2.
            double lo = 1e300, hi = -1e300;
            const double b0 = y - 1.0, b1 = y + 2.0;
            for (int e = 0; e < 4; ++e) {
                const double ax = X[e], ay = Y[e], bx = X[(e + 1) & 3], by = Y[(e + 1) & 3];
                double t0 = 0.0, t1 = 1.0;
                if (ay == by) {
                    if (ay < b0 || ay > b1)
                        continue;
                } else {
                    double ta = (b0 - ay) / (by - ay), tb = (b1 - ay) / (by - ay);
                    if (ta > tb)
                        std::swap(ta, tb);
                    t0 = std::max(t0, ta);
                    t1 = std::min(t1, tb);
                    if (t0 > t1)
                        continue;
                }
                const double x0 = ax + t0 * (bx - ax), x1 = ax + t1 * (bx - ax);
                lo = std::min({lo, x0, x1});
                hi = std::max({hi, x0, x1});
            }
            int l = 0, h = -1;
            if (lo <= hi) {
                l = std::clamp(int(std::floor(lo)) - 2, -2, width + 2);
                h = std::clamp(int(std::ceil(hi)) + 2, -2, width + 2);
            }
            m_lo[y + 1] = l;
            m_hi[y + 1] = h;
            m_index[y + 1] = std::ptrdiff_t(total) - l;
            total += std::size_t(h - l + 1);
        }
        m_data.assign(total, Channels{});
        m_rows.resize(std::size_t(height) + 2);
        for (std::size_t r = 0; r < m_rows.size(); ++r)
            m_rows[r] = m_data.data() + m_index[r];
        m_row = m_rows.data() + 1;
    }

    // Cell x of row y, for -1 <= y <= height and x within the row's reach
    // (the row pointers may point before the row's first stored cell).
    Channels* row(int y) const { return m_row[y]; }
    int lo(int y) const { return m_lo[std::size_t(y + 1)]; }
    int hi(int y) const { return m_hi[std::size_t(y + 1)]; }

private:
    int m_width;
    int m_height;
    std::vector<int> m_lo, m_hi;
    std::vector<std::ptrdiff_t> m_index;
    std::vector<Channels> m_data;
    std::vector<Channels*> m_rows;
    Channels* const* m_row = nullptr;
};

// One family of grid edges: all of them run by the same (dx, dy), at most one
// pixel in each axis.
struct EdgeFamily {
    float dx, dy;
    float invDx, invDy; // 1/dx, 1/dy (infinite for 0)
    float ax, ay;       // 1 when the edge runs towards +x (+y), else 0
    int sx, sy;         // the cell step when crossing x (y)

    EdgeFamily(double ddx, double ddy)
        : dx(float(ddx)), dy(float(ddy)),
          invDx(ddx == 0 ? std::numeric_limits<float>::infinity() : float(1.0 / ddx)),
          invDy(ddy == 0 ? std::numeric_limits<float>::infinity() : float(1.0 / ddy)),
          ax(ddx >= 0 ? 1.0f : 0.0f), ay(ddy >= 0 ? 1.0f : 0.0f), sx(ddx >= 0 ? 1 : -1), sy(ddy >= 0 ? 1 : -1)
    {
    }
};

// The cell of a grid point and its position inside the cell.
struct GridPoint {
    int ix, iy;
    float fx, fy;
};

inline GridPoint locate(double x, double y)
{
    // Positions are never below -1 (the corners' minimum is 0), so truncation
    // after an offset is the floor.
    const int ix = int(x + 8.0) - 8;
    const int iy = int(y + 8.0) - 8;
    return {ix, iy, float(x - ix), float(y - iy)};
}

template <int lane>
[[gnu::always_inline]] inline void addPiece(Channels* cell, __m128 w, __m128 left, __m128 right)
{
    const __m128 l = _mm_shuffle_ps(left, left, _MM_SHUFFLE(lane, lane, lane, lane));
    const __m128 r = _mm_shuffle_ps(right, right, _MM_SHUFFLE(lane, lane, lane, lane));
    _mm_store_ps(cell[0].v, _mm_add_ps(_mm_load_ps(cell[0].v), _mm_mul_ps(w, l)));
    _mm_store_ps(cell[1].v, _mm_add_ps(_mm_load_ps(cell[1].v), _mm_mul_ps(w, r)));
}

// Adds the signed area swept by the edge from p, weighted by w. The edge
// crosses at most one whole-numbered x and one whole-numbered y, so it falls
// into three pieces (some possibly empty), each inside one cell. A piece of
// height d (negated rise) whose middle lies at fraction f of its cell adds
// d·(1 - f) to the cell and d·f to the next one: summed along the row, that is
// the area between the piece and the cell's right side, and the full height
// for every cell further right. The three pieces are worked out side by side
// in the lanes of one vector.
[[gnu::always_inline]] inline void addEdge(const Cells& cells, const EdgeFamily& e, const GridPoint& p, __m128 w)
{
    const float tx = std::min((e.ax - p.fx) * e.invDx, 1.0f);
    const float ty = std::min((e.ay - p.fy) * e.invDy, 1.0f);
    const float t1 = std::min(tx, ty);
    const float t2 = std::max(tx, ty);
    const bool xFirst = tx < ty;
    const int ox1 = xFirst ? e.sx : 0;
    const int oy1 = xFirst ? 0 : e.sy;
    const int ox2 = tx < 1.0f ? e.sx : 0;
    const int oy2 = ty < 1.0f ? e.sy : 0;

    // Lanes 0, 1, 2: the pieces [0, t1], [t1, t2], [t2, 1].
    const __m128 ta = _mm_set_ps(0.0f, t2, t1, 0.0f);
    const __m128 tb = _mm_set_ps(0.0f, 1.0f, t2, t1);
    const __m128 d = _mm_mul_ps(_mm_sub_ps(tb, ta), _mm_set1_ps(-e.dy));
    const __m128 shift = _mm_set_ps(0.0f, float(ox2), float(ox1), 0.0f);
    const __m128 f = _mm_sub_ps(_mm_add_ps(_mm_set1_ps(p.fx), _mm_mul_ps(_mm_add_ps(ta, tb), _mm_set1_ps(0.5f * e.dx))),
                                shift);
    const __m128 right = _mm_mul_ps(d, f);
    const __m128 left = _mm_sub_ps(d, right);

    addPiece<0>(cells.row(p.iy) + p.ix, w, left, right);
    addPiece<1>(cells.row(p.iy + oy1) + (p.ix + ox1), w, left, right);
    addPiece<2>(cells.row(p.iy + oy2) + (p.ix + ox2), w, left, right);
}

// The same with 256-bit vectors: each piece updates its two cells with one
// fused multiply-add.
[[gnu::target("avx,fma"), gnu::always_inline]] inline void addEdgeAvx(const Cells& cells, const EdgeFamily& e,
                                                                      const GridPoint& p, __m256 w2)
{
    const float tx = std::min((e.ax - p.fx) * e.invDx, 1.0f);
    const float ty = std::min((e.ay - p.fy) * e.invDy, 1.0f);
    const float t1 = std::min(tx, ty);
    const float t2 = std::max(tx, ty);
    const bool xFirst = tx < ty;
    const int ox1 = xFirst ? e.sx : 0;
    const int oy1 = xFirst ? 0 : e.sy;
    const int ox2 = tx < 1.0f ? e.sx : 0;
    const int oy2 = ty < 1.0f ? e.sy : 0;

    const __m128 ta = _mm_set_ps(0.0f, t2, t1, 0.0f);
    const __m128 tb = _mm_set_ps(0.0f, 1.0f, t2, t1);
    const __m128 d = _mm_mul_ps(_mm_sub_ps(tb, ta), _mm_set1_ps(-e.dy));
    const __m128 shift = _mm_set_ps(0.0f, float(ox2), float(ox1), 0.0f);
    const __m128 f = _mm_sub_ps(_mm_fmadd_ps(_mm_add_ps(ta, tb), _mm_set1_ps(0.5f * e.dx), _mm_set1_ps(p.fx)), shift);
    const __m128 right = _mm_mul_ps(d, f);
    const __m128 left = _mm_sub_ps(d, right);
    // Low half: the share of each piece's own cell, high half: of the next.
    const __m256 lr = _mm256_insertf128_ps(_mm256_castps128_ps256(left), right, 1);

    float* c0 = (cells.row(p.iy) + p.ix)->v;
    float* c1 = (cells.row(p.iy + oy1) + (p.ix + ox1))->v;
    float* c2 = (cells.row(p.iy + oy2) + (p.ix + ox2))->v;
    _mm256_storeu_ps(c0, _mm256_fmadd_ps(w2, _mm256_permute_ps(lr, 0x00), _mm256_loadu_ps(c0)));
    _mm256_storeu_ps(c1, _mm256_fmadd_ps(w2, _mm256_permute_ps(lr, 0x55), _mm256_loadu_ps(c1)));
    _mm256_storeu_ps(c2, _mm256_fmadd_ps(w2, _mm256_permute_ps(lr, 0xaa), _mm256_loadu_ps(c2)));
}

inline __m128 colourOf(quint32 p)
{
    const __m128i bytes = _mm_cvtsi32_si128(int(p & 0x00ffffffu));
    const __m128i words = _mm_unpacklo_epi8(bytes, _mm_setzero_si128());
    const __m128i dwords = _mm_unpacklo_epi16(words, _mm_setzero_si128());
    // Lane 3 (the unused byte, cleared) becomes the coverage weight 1.
    return _mm_or_ps(_mm_cvtepi32_ps(dwords), _mm_set_ps(1.0f, 0.0f, 0.0f, 0.0f));
}

inline bool isZero(__m128 v)
{
    return _mm_movemask_ps(_mm_cmpneq_ps(v, _mm_setzero_ps())) == 0;
}

// Rounds each lane half to even and packs blue, green, red into a pixel word,
// clamped to 0..255.
inline quint32 packPixel(__m128 v)
{
    const __m128i i = _mm_cvtps_epi32(v);
    const __m128i w = _mm_packs_epi32(i, i);
    const __m128i b = _mm_packus_epi16(w, w);
    return quint32(_mm_cvtsi128_si32(b)) & 0x00ffffffu;
}

// Everything one source column adds: the edges between it and the column
// before, the edges between its rows, and for the last column its right-hand
// edges. `current` is filled with the column's colours first.
struct ColumnPass {
    const SourceView& src;
    const Cells& cells;
    const EdgeFamily& rowEdge;
    const EdgeFamily& columnEdge;
    double X0, Y0, c, n;
    Channels* previous;
    Channels* current;
};

void sweepColumnSse(const ColumnPass& pass, int l)
{
    const int W = pass.src.width, H = pass.src.height;
    const double c = pass.c, n = pass.n;
    for (int k = 0; k < H; ++k)
        _mm_store_ps(pass.current[k].v, colourOf(pass.src.at(l, k)));
    const double baseX = pass.X0 + l * c, baseY = pass.Y0 + l * n;
    __m128 above = _mm_setzero_ps();
    for (int k = 0; k <= H; ++k) {
        const GridPoint p = locate(baseX - k * n, baseY + k * c);
        const __m128 here = k < H ? _mm_load_ps(pass.current[k].v) : _mm_setzero_ps();
        if (k < H) {
            const __m128 w = _mm_sub_ps(_mm_load_ps(pass.previous[k].v), here);
            if (!isZero(w))
                addEdge(pass.cells, pass.columnEdge, p, w);
        }
        const __m128 w = _mm_sub_ps(here, above);
        above = here;
        if (!isZero(w))
            addEdge(pass.cells, pass.rowEdge, p, w);
    }
    if (l == W - 1) {
        const double endX = pass.X0 + W * c, endY = pass.Y0 + W * n;
        for (int k = 0; k < H; ++k)
            addEdge(pass.cells, pass.columnEdge, locate(endX - k * n, endY + k * c), _mm_load_ps(pass.current[k].v));
    }
}

[[gnu::target("avx,fma"), gnu::always_inline]] inline __m256 twice(__m128 w)
{
    return _mm256_insertf128_ps(_mm256_castps128_ps256(w), w, 1);
}

[[gnu::target("avx,fma")]] void sweepColumnAvx(const ColumnPass& pass, int l)
{
    const int W = pass.src.width, H = pass.src.height;
    const double c = pass.c, n = pass.n;
    for (int k = 0; k < H; ++k)
        _mm_store_ps(pass.current[k].v, colourOf(pass.src.at(l, k)));
    const double baseX = pass.X0 + l * c, baseY = pass.Y0 + l * n;
    __m128 above = _mm_setzero_ps();
    for (int k = 0; k <= H; ++k) {
        const GridPoint p = locate(baseX - k * n, baseY + k * c);
        const __m128 here = k < H ? _mm_load_ps(pass.current[k].v) : _mm_setzero_ps();
        if (k < H) {
            const __m128 w = _mm_sub_ps(_mm_load_ps(pass.previous[k].v), here);
            if (!isZero(w))
                addEdgeAvx(pass.cells, pass.columnEdge, p, twice(w));
        }
        const __m128 w = _mm_sub_ps(here, above);
        above = here;
        if (!isZero(w))
            addEdgeAvx(pass.cells, pass.rowEdge, p, twice(w));
    }
    if (l == W - 1) {
        const double endX = pass.X0 + W * c, endY = pass.Y0 + W * n;
        for (int k = 0; k < H; ++k)
            addEdgeAvx(pass.cells, pass.columnEdge, locate(endX - k * n, endY + k * c),
                       twice(_mm_load_ps(pass.current[k].v)));
    }
}

int g_vectorChoice = -1; // -1 by the processor, 0 128-bit only, 1 256-bit where available

bool useAvx()
{
    static const bool available = __builtin_cpu_supports("avx") && __builtin_cpu_supports("fma");
    return available && g_vectorChoice != 0;
}

} // namespace

bool RotateGeneral(const SourceView& src, double c, double n, const double X[4], const double Y[4],
                   const ProgressCallback& callback, const DestView& dst, double* coverageSum)
{
    const int W = src.width;
    const int H = src.height;
    if (W <= 0 || H <= 0 || dst.width <= 0 || dst.height <= 0)
        return false;

    Cells cells(dst.width, dst.height, X, Y);

    // Source corner (j, k) lands at (X0 + j·c - k·n, Y0 + j·n + k·c). Grid
    // edges along a row run by (c, n), along a column by (-n, c).
    const EdgeFamily rowEdge(c, n);
    const EdgeFamily columnEdge(-n, c);

    std::vector<Channels> previous(std::size_t(H), Channels{});
    std::vector<Channels> current(static_cast<std::size_t>(H));
    ColumnPass pass{src, cells, rowEdge, columnEdge, X[0], Y[0], c, n, previous.data(), current.data()};
    const bool avx = useAvx();
    for (int l = 0; l < W; ++l) {
        if (avx)
            sweepColumnAvx(pass, l);
        else
            sweepColumnSse(pass, l);
        std::swap(pass.previous, pass.current);
        if (callback && callback(double(l + 1) / double(W), l + 1, W) != 0)
            return false;
    }

    // Coverage this close to 1 is treated as full: the difference to blending
    // is far below a level, and it keeps the branch predictable.
    constexpr float kFull = 1.0f - 1.0f / 4096.0f;
    double total = 0.0;
    for (int y = 0; y < dst.height; ++y) {
        const Channels* row = cells.row(y);
        quint32* out = dst.row(y);
        const int lo = cells.lo(y), hi = cells.hi(y);
        __m128 sum = _mm_setzero_ps();
        float rowCoverage = 0.0f;
        for (int x = lo; x < std::min(hi + 1, 0); ++x)
            sum = _mm_add_ps(sum, _mm_load_ps(row[x].v));
        const int end = std::min(hi, dst.width - 1);
        for (int x = std::max(lo, 0); x <= end; ++x) {
            sum = _mm_add_ps(sum, _mm_load_ps(row[x].v));
            const __m128 cvs = _mm_shuffle_ps(sum, sum, _MM_SHUFFLE(3, 3, 3, 3));
            const float cv = _mm_cvtss_f32(cvs);
            rowCoverage += cv;
            if (cv <= 0.0f)
                continue;
            __m128 value;
            if (cv >= kFull) {
                value = _mm_div_ps(sum, cvs);
            } else {
                const __m128 old = colourOf(out[x]);
                value = _mm_add_ps(_mm_mul_ps(_mm_sub_ps(_mm_set1_ps(1.0f), cvs), old), sum);
            }
            out[x] = packPixel(value) | dst.fillBits;
        }
        total += rowCoverage;
    }
    if (coverageSum)
        *coverageSum = total;
    return true;
}

void UseWideVectors(bool allowed) { g_vectorChoice = allowed ? 1 : 0; }

bool WideVectorsInUse() { return useAvx(); }

} // namespace kestrune::imaging::fast

#include "imaging/RotateFast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
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
    // millisecond or two); the sideways turns use tiles of 16 columns (one
    // cache line per source row), whose writes stream along 16 destination
    // rows. The callback runs once for every source column, in order, right
    // after the block holding that column has been placed.
    const int block = (turn & 1) ? 16 : W;
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

namespace {

// Four floats (blue, green, red, coverage) kept in containers.
struct alignas(16) Channels {
    float v[4];
};

// Per destination cell: blue, green, red and coverage increments; a running
// sum along the row turns them into the cell's colour sums and coverage.
//
// The work is arranged (by transposing and mirroring, see RotateGeneral) so
// that successive source columns move rightwards along every row, by at most
// 1.5 cells each. Cells left of the next column's reach are final, so each row
// keeps only a short window of cells: its running sum takes the final cells
// in order and the window slides on.
class Cells {
public:
    static constexpr int kWindow = 48; // cells kept per row
    static constexpr int kSlide = 16;  // the window moves on by at least this much
    // Rows kept beyond each side of the destination: -1 and height catch
    // pieces that rounding puts a hair outside the picture; the next ones are
    // a margin that nothing is expected to reach.
    static constexpr int kGuard = 3;

    Cells(int width, int height, const double X[4], const double Y[4])
    {
        const std::size_t rows = std::size_t(height) + 2 * kGuard;
        m_hi.resize(rows);
        m_origin.resize(rows);
        m_done.resize(rows);
        m_sum.assign(rows, Channels{});
        m_rows.resize(rows);
        m_data.assign(rows * kWindow, Channels{});
        for (int y = -kGuard; y < height + kGuard; ++y) {
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
            const std::size_t r = std::size_t(y + kGuard);
            m_hi[r] = h;
            m_origin[r] = l;
            m_done[r] = l;
            place(r);
        }
        m_row = m_rows.data() + kGuard;
    }

    // Cell x of row y, for -kGuard <= y < height + kGuard and x within the
    // row's window.
    Channels* row(int y) const { return m_row[y]; }
    Channels* const* rows() const { return m_row; }

    // Takes the cells of row y up to (not including) x into the running sum;
    // output.row(y) tells where the row's pixels go, output.pixel(at, sum)
    // writes one.
    template <class Output>
    [[gnu::always_inline]] void finish(int y, int x, Output& output)
    {
        const std::size_t r = std::size_t(y + kGuard);
        x = std::min(x, m_hi[r] + 1);
        int done = m_done[r];
        if (done >= x)
            return;
        __m128 sum = _mm_load_ps(m_sum[r].v);
        const auto out = output.row(y);
        while (done < x) {
            if (done - m_origin[r] >= kWindow - 2)
                slide(r, done);
            const int end = std::min(x, m_origin[r] + kWindow - 2);
            const Channels* cells = m_rows[r];
            for (; done < end; ++done) {
                sum = _mm_add_ps(sum, _mm_load_ps(cells[done].v));
                if (unsigned(done) < unsigned(out.width))
                    output.pixel(out.base + done * out.step, sum);
            }
        }
        _mm_store_ps(m_sum[r].v, sum);
        m_done[r] = done;
        if (done - m_origin[r] >= kSlide)
            slide(r, done);
    }

    template <class Output>
    void finishAll(int y, Output& output)
    {
        finish(y, std::numeric_limits<int>::max(), output);
    }

private:
    void place(std::size_t r)
    {
        // row(y) + x addresses cell x: the pointer is offset by the window's origin.
        const auto base = reinterpret_cast<std::uintptr_t>(m_data.data() + r * kWindow);
        m_rows[r] = reinterpret_cast<Channels*>(base - std::uintptr_t(std::intptr_t(m_origin[r]) * std::intptr_t(sizeof(Channels))));
    }

    // Moves the window of row r on so that it starts at `from`.
    void slide(std::size_t r, int from)
    {
        Channels* window = m_data.data() + r * kWindow;
        const int shift = from - m_origin[r];
        if (shift <= 0)
            return;
        const int keep = kWindow - shift;
        if (keep > 0)
            std::memmove(window, window + shift, std::size_t(keep) * sizeof(Channels));
        std::fill(window + std::max(keep, 0), window + kWindow, Channels{});
        m_origin[r] = from;
        place(r);
    }

    std::vector<int> m_hi, m_origin, m_done;
    std::vector<Channels> m_sum;
    std::vector<Channels*> m_rows;
    Channels* const* m_row = nullptr;
    std::vector<Channels> m_data;
};

// One family of grid edges: all of them run by the same (dx, dy), at most one
// pixel in each axis.
struct EdgeFamily {
    float dx, dy;
    float invDx, invDy; // 1/dx, 1/dy (infinite for 0)
    float ax, ay;       // 1 when the edge runs towards +x (+y), else 0
    int sx, sy;         // the cell step when crossing x (y)
    float negDy;        // the height a piece adds per unit of t: -dy, or dy in a mirrored frame

    EdgeFamily(double ddx, double ddy, double orientation)
        : dx(float(ddx)), dy(float(ddy)),
          invDx(ddx == 0 ? std::numeric_limits<float>::infinity() : float(1.0 / ddx)),
          invDy(ddy == 0 ? std::numeric_limits<float>::infinity() : float(1.0 / ddy)),
          ax(ddx >= 0 ? 1.0f : 0.0f), ay(ddy >= 0 ? 1.0f : 0.0f), sx(ddx >= 0 ? 1 : -1), sy(ddy >= 0 ? 1 : -1),
          negDy(float(-ddy * orientation))
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
    // Written so that a product that is not a number (0 times infinity) means
    // no crossing.
    const float rawTx = (e.ax - p.fx) * e.invDx, rawTy = (e.ay - p.fy) * e.invDy;
    const float tx = rawTx < 1.0f ? rawTx : 1.0f;
    const float ty = rawTy < 1.0f ? rawTy : 1.0f;
    const float t1 = std::min(tx, ty);
    const float t2 = std::max(tx, ty);
    const bool xFirst = tx < ty;
    // Without any crossing the second and third pieces are empty and stay in
    // the first cell (a neighbour could lie outside the cells).
    const int ox1 = xFirst ? e.sx : 0;
    const int oy1 = xFirst || !(ty < 1.0f) ? 0 : e.sy;
    const int ox2 = tx < 1.0f ? e.sx : 0;
    const int oy2 = ty < 1.0f ? e.sy : 0;

    // Lanes 0, 1, 2: the pieces [0, t1], [t1, t2], [t2, 1].
    const __m128 ta = _mm_set_ps(0.0f, t2, t1, 0.0f);
    const __m128 tb = _mm_set_ps(0.0f, 1.0f, t2, t1);
    const __m128 d = _mm_mul_ps(_mm_sub_ps(tb, ta), _mm_set1_ps(e.negDy));
    const __m128 shift = _mm_set_ps(0.0f, float(ox2), float(ox1), 0.0f);
    const __m128 f = _mm_sub_ps(_mm_add_ps(_mm_set1_ps(p.fx), _mm_mul_ps(_mm_add_ps(ta, tb), _mm_set1_ps(0.5f * e.dx))),
                                shift);
    const __m128 right = _mm_mul_ps(d, f);
    const __m128 left = _mm_sub_ps(d, right);

    addPiece<0>(cells.row(p.iy) + p.ix, w, left, right);
    addPiece<1>(cells.row(p.iy + oy1) + (p.ix + ox1), w, left, right);
    addPiece<2>(cells.row(p.iy + oy2) + (p.ix + ox2), w, left, right);
}

// For the 256-bit code: an edge family's constants as vectors, and for each
// outcome of the three comparisons (x crossed first, x crossed, y crossed) the
// cells of the second and third piece, so that no branch depends on the data.
struct alignas(16) EdgeTable {
    __m128 a, inv, halfDx, negDy;
    __m128 ax4, ay4, invDx4, invDy4, sx4; // broadcast, for four edges at once
    struct alignas(16) Entry {
        __m128 shift; // lanes 1 and 2: the x step of pieces 1 and 2
        std::ptrdiff_t dRow1, dCol1, dRow2, dCol2;
    } entry[8];

    explicit EdgeTable(const EdgeFamily& e)
    {
        a = _mm_set_ps(0.0f, 0.0f, e.ay, e.ax);
        inv = _mm_set_ps(0.0f, 0.0f, e.invDy, e.invDx);
        halfDx = _mm_set1_ps(0.5f * e.dx);
        negDy = _mm_set1_ps(e.negDy);
        ax4 = _mm_set1_ps(e.ax);
        ay4 = _mm_set1_ps(e.ay);
        invDx4 = _mm_set1_ps(e.invDx);
        invDy4 = _mm_set1_ps(e.invDy);
        sx4 = _mm_set1_ps(float(e.sx));
        for (int bits = 0; bits < 8; ++bits) {
            const bool xFirst = bits & 1, xCrossed = bits & 2, yCrossed = bits & 4;
            Entry& en = entry[bits];
            // Without any crossing the second and third pieces are empty and
            // stay in the first cell (a neighbour could lie outside the cells).
            en.dCol1 = xFirst ? e.sx : 0;
            en.dRow1 = xFirst || !yCrossed ? 0 : e.sy;
            en.dCol2 = xCrossed ? e.sx : 0;
            en.dRow2 = yCrossed ? e.sy : 0;
            en.shift = _mm_set_ps(0.0f, float(en.dCol2), float(en.dCol1), 0.0f);
        }
    }
};

// The same as addEdge with 256-bit vectors: each piece updates its two cells
// with one fused multiply-add. fxy holds (fx, fy, 0, 0).
[[gnu::target("avx,fma"), gnu::always_inline]] inline void addEdgeAvx(Channels* const* rows, const EdgeTable& e,
                                                                      std::ptrdiff_t ix, std::ptrdiff_t iy, __m128 fxy,
                                                                      __m256 w2)
{
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 t = _mm_min_ps(_mm_mul_ps(_mm_sub_ps(e.a, fxy), e.inv), one); // (tx, ty, 0, 0)
    const __m128 ts = _mm_shuffle_ps(t, t, _MM_SHUFFLE(0, 0, 0, 1));          // (ty, tx, ..)
    const int bits = (_mm_movemask_ps(_mm_cmplt_ps(t, ts)) & 1) | ((_mm_movemask_ps(_mm_cmplt_ps(t, one)) & 3) << 1);
    const __m128 lohi = _mm_unpacklo_ps(_mm_min_ps(t, ts), _mm_max_ps(t, ts)); // (t1, t2, t1, t2)
    // ta = (0, t1, t2, 1), tb = (t1, t2, 1, 1): the pieces in lanes 0, 1, 2.
    const __m128 ta = _mm_blend_ps(_mm_shuffle_ps(lohi, lohi, _MM_SHUFFLE(0, 1, 0, 0)), _mm_set_ps(1, 0, 0, 0), 0x9);
    const __m128 tb = _mm_shuffle_ps(ta, ta, _MM_SHUFFLE(3, 3, 2, 1));
    const EdgeTable::Entry& en = e.entry[bits];
    const __m128 d = _mm_mul_ps(_mm_sub_ps(tb, ta), e.negDy);
    const __m128 fx = _mm_shuffle_ps(fxy, fxy, _MM_SHUFFLE(0, 0, 0, 0));
    const __m128 f = _mm_sub_ps(_mm_fmadd_ps(_mm_add_ps(ta, tb), e.halfDx, fx), en.shift);
    const __m128 right = _mm_mul_ps(d, f);
    const __m128 left = _mm_sub_ps(d, right);
    // Low half: the share of each piece's own cell, high half: of the next.
    const __m256 lr = _mm256_insertf128_ps(_mm256_castps128_ps256(left), right, 1);

    float* c0 = (rows[iy] + ix)->v;
    float* c1 = (rows[iy + en.dRow1] + (ix + en.dCol1))->v;
    float* c2 = (rows[iy + en.dRow2] + (ix + en.dCol2))->v;
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
    double X0, Y0;   // where source corner (0, 0) lands
    double ux, uy;   // the step from source column j to j + 1
    double vx, vy;   // the step from source row k to k + 1
    Channels* previous;
    Channels* current;
};

void sweepColumnSse(const ColumnPass& pass, int l)
{
    const int W = pass.src.width, H = pass.src.height;
    for (int k = 0; k < H; ++k)
        _mm_store_ps(pass.current[k].v, colourOf(pass.src.at(l, k)));
    const double baseX = pass.X0 + l * pass.ux, baseY = pass.Y0 + l * pass.uy;
    __m128 above = _mm_setzero_ps();
    for (int k = 0; k <= H; ++k) {
        const GridPoint p = locate(baseX + k * pass.vx, baseY + k * pass.vy);
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
        const double endX = pass.X0 + W * pass.ux, endY = pass.Y0 + W * pass.uy;
        for (int k = 0; k < H; ++k)
            addEdge(pass.cells, pass.columnEdge, locate(endX + k * pass.vx, endY + k * pass.vy), _mm_load_ps(pass.current[k].v));
    }
}

[[gnu::target("avx,fma"), gnu::always_inline]] inline __m256 twice(__m128 w)
{
    return _mm256_insertf128_ps(_mm256_castps128_ps256(w), w, 1);
}

// Grid point (x, y) + k·step: its cell, and its position in the cell as
// (fx, fy, 0, 0). Both coordinates at once; they are never below -1, so
// truncation after an offset is the floor.
[[gnu::target("avx,fma"), gnu::always_inline]] inline __m128 gridPointAvx(double x, double y, int k, __m128d step,
                                                                          int& ix, int& iy)
{
    const __m128d pos = _mm_add_pd(_mm_set_pd(y, x), _mm_mul_pd(_mm_set1_pd(double(k)), step));
    const __m128i cell = _mm_sub_epi32(_mm_cvttpd_epi32(_mm_add_pd(pos, _mm_set1_pd(8.0))), _mm_set1_epi32(8));
    ix = _mm_cvtsi128_si32(cell);
    iy = _mm_extract_epi32(cell, 1);
    return _mm_cvtpd_ps(_mm_sub_pd(pos, _mm_cvtepi32_pd(cell)));
}

// Four edges of one family, starting at four grid points, worked out side by
// side: lane e of every vector belongs to edge e. pieces[p] holds, for piece p,
// the share of its own cell (low half) and of the next cell (high half).
struct alignas(32) FourEdges {
    __m256 pieces[3];
    alignas(16) int bits[4];
};

[[gnu::target("avx,fma"), gnu::always_inline]] inline void fourEdges(const EdgeTable& e, __m128 fx, __m128 fy,
                                                                     FourEdges& out)
{
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 tx = _mm_min_ps(_mm_mul_ps(_mm_sub_ps(e.ax4, fx), e.invDx4), one);
    const __m128 ty = _mm_min_ps(_mm_mul_ps(_mm_sub_ps(e.ay4, fy), e.invDy4), one);
    const __m128 t1 = _mm_min_ps(tx, ty);
    const __m128 t2 = _mm_max_ps(tx, ty);
    const __m128 xFirst = _mm_cmplt_ps(tx, ty);
    const __m128 xCrossed = _mm_cmplt_ps(tx, one);
    const __m128 yCrossed = _mm_cmplt_ps(ty, one);
    const __m128i bits = _mm_or_si128(
        _mm_or_si128(_mm_and_si128(_mm_castps_si128(xFirst), _mm_set1_epi32(1)),
                     _mm_and_si128(_mm_castps_si128(xCrossed), _mm_set1_epi32(2))),
        _mm_and_si128(_mm_castps_si128(yCrossed), _mm_set1_epi32(4)));
    _mm_store_si128(reinterpret_cast<__m128i*>(out.bits), bits);

    const __m128 shift1 = _mm_and_ps(xFirst, e.sx4);
    const __m128 shift2 = _mm_and_ps(xCrossed, e.sx4);
    const __m128 d0 = _mm_mul_ps(t1, e.negDy);
    const __m128 d1 = _mm_mul_ps(_mm_sub_ps(t2, t1), e.negDy);
    const __m128 d2 = _mm_mul_ps(_mm_sub_ps(one, t2), e.negDy);
    const __m128 f0 = _mm_fmadd_ps(t1, e.halfDx, fx);
    const __m128 f1 = _mm_sub_ps(_mm_fmadd_ps(_mm_add_ps(t1, t2), e.halfDx, fx), shift1);
    const __m128 f2 = _mm_sub_ps(_mm_fmadd_ps(_mm_add_ps(t2, one), e.halfDx, fx), shift2);
    const __m128 r0 = _mm_mul_ps(d0, f0), r1 = _mm_mul_ps(d1, f1), r2 = _mm_mul_ps(d2, f2);
    out.pieces[0] = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_sub_ps(d0, r0)), r0, 1);
    out.pieces[1] = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_sub_ps(d1, r1)), r1, 1);
    out.pieces[2] = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_sub_ps(d2, r2)), r2, 1);
}

// Adds edge `lane` of four worked out by fourEdges, weighted by w2.
template <int lane>
[[gnu::target("avx,fma"), gnu::always_inline]] inline void scatterEdge(Channels* const* rows, const EdgeTable& e,
                                                                       const FourEdges& four, std::ptrdiff_t ix,
                                                                       std::ptrdiff_t iy, __m256 w2)
{
    constexpr int imm = lane * 0x55;
    const EdgeTable::Entry& en = e.entry[four.bits[lane]];
    float* c0 = (rows[iy] + ix)->v;
    float* c1 = (rows[iy + en.dRow1] + (ix + en.dCol1))->v;
    float* c2 = (rows[iy + en.dRow2] + (ix + en.dCol2))->v;
    _mm256_storeu_ps(c0, _mm256_fmadd_ps(w2, _mm256_permute_ps(four.pieces[0], imm), _mm256_loadu_ps(c0)));
    _mm256_storeu_ps(c1, _mm256_fmadd_ps(w2, _mm256_permute_ps(four.pieces[1], imm), _mm256_loadu_ps(c1)));
    _mm256_storeu_ps(c2, _mm256_fmadd_ps(w2, _mm256_permute_ps(four.pieces[2], imm), _mm256_loadu_ps(c2)));
}

// What the four lanes of a block of grid points share.
struct FourLanes {
    Channels* const* rows;
    const Channels* previous;
    const Channels* current;
    int H;
    const int* cellX;
    const int* cellY;
    const EdgeTable& rowTable;
    const FourEdges& rowFour;
    const EdgeTable& columnTable;
    const FourEdges& columnFour;
};

// The column edge and the row edge starting at grid point k0 + lane.
template <int lane>
[[gnu::target("avx,fma"), gnu::always_inline]] inline void laneEdges(const FourLanes& f, int k0, __m128& above)
{
    const int k = k0 + lane;
    if (k > f.H)
        return;
    const __m128 here = k < f.H ? _mm_load_ps(f.current[k].v) : _mm_setzero_ps();
    const __m128 column = k < f.H ? _mm_sub_ps(_mm_load_ps(f.previous[k].v), here) : _mm_setzero_ps();
    const __m128 row = _mm_sub_ps(here, above);
    above = here;
    if (k == f.H) {
        // The top of the picture's last row: a row edge only (a column edge
        // from here would lie outside the picture).
        if (!isZero(row))
            scatterEdge<lane>(f.rows, f.rowTable, f.rowFour, f.cellX[lane], f.cellY[lane], twice(row));
        return;
    }
    if (isZero(_mm_or_ps(column, row)))
        return;
    // Both edges start in the same cell: their first pieces are added to it
    // in one go.
    constexpr int imm = lane * 0x55;
    const std::ptrdiff_t ix = f.cellX[lane], iy = f.cellY[lane];
    const __m256 wc = twice(column), wr = twice(row);
    float* c0 = (f.rows[iy] + ix)->v;
    __m256 first = _mm256_loadu_ps(c0);
    first = _mm256_fmadd_ps(wc, _mm256_permute_ps(f.columnFour.pieces[0], imm), first);
    first = _mm256_fmadd_ps(wr, _mm256_permute_ps(f.rowFour.pieces[0], imm), first);
    _mm256_storeu_ps(c0, first);
    {
        const EdgeTable::Entry& en = f.columnTable.entry[f.columnFour.bits[lane]];
        float* c1 = (f.rows[iy + en.dRow1] + (ix + en.dCol1))->v;
        _mm256_storeu_ps(c1, _mm256_fmadd_ps(wc, _mm256_permute_ps(f.columnFour.pieces[1], imm), _mm256_loadu_ps(c1)));
        float* c2 = (f.rows[iy + en.dRow2] + (ix + en.dCol2))->v;
        _mm256_storeu_ps(c2, _mm256_fmadd_ps(wc, _mm256_permute_ps(f.columnFour.pieces[2], imm), _mm256_loadu_ps(c2)));
    }
    {
        const EdgeTable::Entry& en = f.rowTable.entry[f.rowFour.bits[lane]];
        float* c1 = (f.rows[iy + en.dRow1] + (ix + en.dCol1))->v;
        _mm256_storeu_ps(c1, _mm256_fmadd_ps(wr, _mm256_permute_ps(f.rowFour.pieces[1], imm), _mm256_loadu_ps(c1)));
        float* c2 = (f.rows[iy + en.dRow2] + (ix + en.dCol2))->v;
        _mm256_storeu_ps(c2, _mm256_fmadd_ps(wr, _mm256_permute_ps(f.rowFour.pieces[2], imm), _mm256_loadu_ps(c2)));
    }
}

[[gnu::target("avx,fma")]] void sweepColumnAvx(const ColumnPass& pass, const EdgeTable& rowTable,
                                                const EdgeTable& columnTable, int l)
{
    const int W = pass.src.width, H = pass.src.height;
    // Locals, so that the stores into the cells do not make the compiler
    // reload them.
    Channels* const* const rows = pass.cells.rows();
    const Channels* const previous = pass.previous;
    Channels* const current = pass.current;
    for (int k = 0; k < H; ++k)
        _mm_store_ps(current[k].v, colourOf(pass.src.at(l, k)));
    const __m128d step = _mm_set_pd(pass.vy, pass.vx);
    const double baseX = pass.X0 + l * pass.ux, baseY = pass.Y0 + l * pass.uy;

    // Grid points k .. k + 3 at once: their cells and positions in the cells
    // (never below -1, so truncation after an offset is the floor).
    const __m256d kSteps = _mm256_set_pd(3.0, 2.0, 1.0, 0.0);
    const __m256d offset = _mm256_set1_pd(8.0);
    alignas(16) int cellX[4], cellY[4];
    FourEdges rowFour, columnFour;
    __m128 above = _mm_setzero_ps();
    for (int k0 = 0; k0 <= H; k0 += 4) {
        const __m256d ks = _mm256_add_pd(_mm256_set1_pd(double(k0)), kSteps);
        const __m256d xs = _mm256_fmadd_pd(ks, _mm256_set1_pd(pass.vx), _mm256_set1_pd(baseX));
        const __m256d ys = _mm256_fmadd_pd(ks, _mm256_set1_pd(pass.vy), _mm256_set1_pd(baseY));
        const __m128i ix = _mm_sub_epi32(_mm256_cvttpd_epi32(_mm256_add_pd(xs, offset)), _mm_set1_epi32(8));
        const __m128i iy = _mm_sub_epi32(_mm256_cvttpd_epi32(_mm256_add_pd(ys, offset)), _mm_set1_epi32(8));
        const __m128 fx = _mm256_cvtpd_ps(_mm256_sub_pd(xs, _mm256_cvtepi32_pd(ix)));
        const __m128 fy = _mm256_cvtpd_ps(_mm256_sub_pd(ys, _mm256_cvtepi32_pd(iy)));
        _mm_store_si128(reinterpret_cast<__m128i*>(cellX), ix);
        _mm_store_si128(reinterpret_cast<__m128i*>(cellY), iy);
        fourEdges(rowTable, fx, fy, rowFour);
        fourEdges(columnTable, fx, fy, columnFour);

        const FourLanes four{rows, previous, current, H, cellX, cellY, rowTable, rowFour, columnTable, columnFour};
        laneEdges<0>(four, k0, above);
        laneEdges<1>(four, k0, above);
        laneEdges<2>(four, k0, above);
        laneEdges<3>(four, k0, above);
    }
    if (l == W - 1) {
        const double endX = pass.X0 + W * pass.ux, endY = pass.Y0 + W * pass.uy;
        for (int k = 0; k < H; ++k) {
            int ix, iy;
            const __m128 fxy = gridPointAvx(endX, endY, k, step, ix, iy);
            addEdgeAvx(rows, columnTable, ix, iy, fxy, twice(_mm_load_ps(current[k].v)));
        }
    }
}

// Where the finished cells of the working frame go in the destination. Coverage
// this close to 1 is treated as full: the difference to blending is far below
// a level, and it keeps the branch predictable.
struct PixelOut {
    const DestView& dst;
    bool swapped, mirrored;
    int Wt, Ht;
    bool wantTotal;
    double total = 0.0;

    struct Row {
        quint32* base;
        qsizetype step;
        int width; // 0 for rows outside the destination
    };

    Row row(int y) const
    {
        if (y < 0 || y >= Ht)
            return {dst.data, 0, 0};
        if (!swapped) {
            quint32* b = dst.row(y);
            return mirrored ? Row{b + (Wt - 1), -1, Wt} : Row{b, 1, Wt};
        }
        quint32* b = dst.data + y;
        const qsizetype s = dst.stride;
        return mirrored ? Row{b + (Wt - 1) * s, -s, Wt} : Row{b, s, Wt};
    }

    [[gnu::always_inline]] void pixel(quint32* out, __m128 sum)
    {
        constexpr float kFull = 1.0f - 1.0f / 4096.0f;
        const __m128 cvs = _mm_shuffle_ps(sum, sum, _MM_SHUFFLE(3, 3, 3, 3));
        const float cv = _mm_cvtss_f32(cvs);
        if (wantTotal)
            total += cv;
        if (cv <= 0.0f)
            return;
        __m128 value;
        if (cv >= kFull) {
            value = _mm_div_ps(sum, cvs);
        } else {
            const __m128 old = colourOf(*out);
            value = _mm_add_ps(_mm_mul_ps(_mm_sub_ps(_mm_set1_ps(1.0f), cvs), old), sum);
        }
        *out = packPixel(value) | dst.fillBits;
    }
};

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

    // Source corner (j, k) lands at corner 0 + j·u + k·v with u = (c, n) and
    // v = (-n, c). The work is done in a frame where the column step v runs
    // mostly down the rows and successive columns move rightwards: rows and
    // columns are swapped when v runs mostly across, and the frame is
    // mirrored left to right when the columns would move leftwards. Each
    // reflection reverses the orientation, which flips the sign of the areas.
    double ux = c, uy = n, vx = -n, vy = c;
    double px[4], py[4];
    for (int k = 0; k < 4; ++k) {
        px[k] = X[k];
        py[k] = Y[k];
    }
    int Wt = dst.width, Ht = dst.height;
    const bool swapped = std::abs(vy) < std::abs(vx);
    if (swapped) {
        std::swap(ux, uy);
        std::swap(vx, vy);
        for (int k = 0; k < 4; ++k)
            std::swap(px[k], py[k]);
        std::swap(Wt, Ht);
    }
    double det = ux * vy - uy * vx;
    const bool mirrored = det / vy < 0;
    if (mirrored) {
        ux = -ux;
        vx = -vx;
        for (int k = 0; k < 4; ++k)
            px[k] = Wt - px[k];
        det = -det;
    }
    const double orientation = det > 0 ? 1.0 : -1.0;

    Cells cells(Wt, Ht, px, py);
    const EdgeFamily rowEdge(ux, uy, orientation);
    const EdgeFamily columnEdge(vx, vy, orientation);

    // Every finished cell inside the destination becomes a pixel, written
    // back through the frame's transposing and mirroring.
    PixelOut output{dst, swapped, mirrored, Wt, Ht, coverageSum != nullptr};

    // The rows a source column's strip can add to: its extent, one row either side.
    auto rowsOf = [&](int l, int& first, int& last) {
        const double y0 = py[0] + l * uy, y1 = y0 + uy;
        const double lo = std::min({y0, y1, y0 + H * vy, y1 + H * vy});
        const double hi = std::max({y0, y1, y0 + H * vy, y1 + H * vy});
        first = std::max(-1, int(std::floor(lo)) - 1);
        last = std::min(Ht, int(std::floor(hi)) + 1);
    };

    std::vector<Channels> previous(std::size_t(H), Channels{});
    std::vector<Channels> current(static_cast<std::size_t>(H));
    ColumnPass pass{src, cells, rowEdge, columnEdge, px[0], py[0], ux, uy, vx, vy, previous.data(), current.data()};
    const bool avx = useAvx();
    const EdgeTable rowTable(rowEdge), columnTable(columnEdge);
    const double slope = vx / vy;
    // Rows are finished every kFinishEvery columns: the rows of all columns
    // since the last time, each up to the reach of the next column.
    constexpr int kFinishEvery = 4;
    int pendingFirst = Ht + 1, pendingLast = -2;
    for (int l = 0; l < W; ++l) {
        {
            int f, t;
            rowsOf(l, f, t);
            pendingFirst = std::min(pendingFirst, f);
            pendingLast = std::max(pendingLast, t);
        }
        if (avx)
            sweepColumnAvx(pass, rowTable, columnTable, l);
        else
            sweepColumnSse(pass, l);
        std::swap(pass.previous, pass.current);

        // Every few columns: rows the next column still reaches are final up
        // to the left of its left-hand line (two cells of margin); rows it
        // leaves are complete.
        if ((l + 1) % kFinishEvery != 0 && l + 1 < W) {
            if (callback && callback(double(l + 1) / double(W), l + 1, W) != 0)
                return false;
            continue;
        }
        int nextFirst = Ht + 1, nextLast = -2;
        if (l + 1 < W)
            rowsOf(l + 1, nextFirst, nextLast);
        const double lineX = px[0] + (l + 1) * ux, lineY = py[0] + (l + 1) * uy;
        for (int y = pendingFirst; y <= pendingLast; ++y) {
            if (y < nextFirst || y > nextLast) {
                cells.finishAll(y, output);
                continue;
            }
            const double xa = lineX + (y - 0.5 - lineY) * slope;
            const double xb = lineX + (y + 1.5 - lineY) * slope;
            cells.finish(y, int(std::floor(std::min(xa, xb))) - 2, output);
        }
        pendingFirst = nextFirst;
        pendingLast = nextLast;

        if (callback && callback(double(l + 1) / double(W), l + 1, W) != 0)
            return false;
    }
    if (coverageSum)
        *coverageSum = output.total;
    return true;
}

void UseWideVectors(bool allowed) { g_vectorChoice = allowed ? 1 : 0; }

bool WideVectorsInUse() { return useAvx(); }

} // namespace kestrune::imaging::fast

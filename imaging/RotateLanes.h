// The general rotation's inner loops for one vector width, included by
// RotateFast.cpp once for 256-bit vectors (compiled for AVX2 and FMA, chosen
// at run time) and once for 128-bit ones (plain x86-64). It expects Square,
// Mapping and rowSpan, and KESTRUNE_LANES set to 8 or 4.
//
// No include guard: every inclusion defines the same names in its own
// namespace.

#if KESTRUNE_LANES == 8
constexpr int N = 8;
typedef float F __attribute__((vector_size(32)));
typedef qint32 I __attribute__((vector_size(32)));
#else
constexpr int N = 4;
typedef float F __attribute__((vector_size(16)));
typedef qint32 I __attribute__((vector_size(16)));
#endif

#if KESTRUNE_LANES == 8
[[gnu::always_inline]] inline F vmax(F a, F b) { return F(_mm256_max_ps(__m256(a), __m256(b))); }
[[gnu::always_inline]] inline F vmin(F a, F b) { return F(_mm256_min_ps(__m256(a), __m256(b))); }
#else
[[gnu::always_inline]] inline F vmax(F a, F b) { return F(_mm_max_ps(__m128(a), __m128(b))); }
[[gnu::always_inline]] inline F vmin(F a, F b) { return F(_mm_min_ps(__m128(a), __m128(b))); }
#endif

// The area of the right-angled cone spanned by g1 and g2 from the origin that
// lies left of dx and below dy: the integral over heights 0..dy of its chord
// min(max(dx + y·t, 0), y·(t + 1/t)). Every term stays small however close t
// is to 0, so a square nearly in line with the grid is as exact as any other.
[[gnu::always_inline]] inline F coneArea(const Square& q, F dx, F dy)
{
    const F zero = F{} + 0.0f;
    const F yp = vmax(dy, zero);
    // Below height a the chord is the cone's whole width y·(t + 1/t); from
    // height b on it is dx + y·t; in between (only when dx < 0) it is empty.
    const F a = vmax(vmin(dx * q.t, yp), zero);
    const F b = vmax(a, vmin(dx * q.negCot, yp));
    return a * (a * q.halfM) + (yp - b) * (dx + q.halfT * (yp + b));
}

// The area of the square on the near side of a grid line at distance h from
// the near side of its bounding box (the same along either axis).
[[gnu::always_inline]] inline F sliceArea(const Square& q, F h)
{
    const F zero = F{} + 0.0f;
    h = vmax(h, zero);
    const F p = vmin(h, F{} + q.s);
    const F r = vmin(vmax(h - q.s, zero), F{} + (q.c - q.s));
    const F e = vmin(vmax(h - q.c, zero), F{} + q.s);
    return p * (p * q.halfM) + (r + e) * q.sideChord - e * (e * q.halfM);
}

// The same for a line more than 1 from the box's near side, which has passed
// the lowest and both side corners.
[[gnu::always_inline]] inline F farSliceArea(const Square& q, F h)
{
    const F e = vmin(vmax(h - q.c, F{}), F{} + q.s);
    return q.farBase + e * q.sideChord - e * (e * q.halfM);
}

// The overlaps w[i][k] of the square, its bounding box's corner at (fx, fy)
// in source pixel (0, 0), with source pixel (i, k).
//
// a[X][Y] is the square's area left of X and below Y. The square is the signed
// sum of the cones at its corners spanned by two of its sides: lowest (+),
// right (-), left (-), top (+) for the cones opening upwards, and likewise for
// the cones opening to the left or downwards (the same figure turned by 90 or
// 180 degrees). A cone that lies wholly on the far side of a grid line adds
// nothing beyond it, so each grid point takes the cones and quadrant that
// need the fewest: below-left of (1, 1) three upward cones; below-right of
// (2, 1) the right corner's leftward cone alone; above-right of (1, 2) and
// (2, 2) the top corner's downward cone alone. The quadrants around a grid
// point add up to the strips on either side of its lines.
[[gnu::always_inline]] inline void overlaps(const Square& q, F fx, F fy, F w[3][3])
{
    const F v0x = fx + q.s, v0y = fy;           // lowest corner
    const F v1x = v0x + q.c, v1y = fy + q.s;    // right corner
    const F v2x = fx, v2y = fy + q.c;           // left corner
    const F v3x = fx + q.c, v3y = v1y + q.c;    // top corner
    const F zero = F{} + 0.0f;
    const F area = zero + q.area;
    F a[4][4]; // a[X][Y] for X, Y = 1..3 (0 on the lines through the box's corner)
    a[1][3] = sliceArea(q, 1.0f - fx);
    a[2][3] = farSliceArea(q, 2.0f - fx);
    a[3][1] = sliceArea(q, 1.0f - fy);
    a[3][2] = farSliceArea(q, 2.0f - fy);
    a[3][3] = area;
    a[1][1] = coneArea(q, 1.0f - v0x, 1.0f - v0y) - coneArea(q, 1.0f - v1x, 1.0f - v1y)
        - coneArea(q, 1.0f - v2x, 1.0f - v2y);
    a[2][1] = a[3][1] - coneArea(q, 1.0f - v1y, v1x - 2.0f);
    a[1][2] = a[1][3] + a[3][2] - area + coneArea(q, v3x - 1.0f, v3y - 2.0f);
    a[2][2] = a[2][3] + a[3][2] - area + coneArea(q, v3x - 2.0f, v3y - 2.0f);
    // The areas between neighbouring vertical lines, below each Y; their
    // differences between neighbouring Y are the overlaps.
    F d[3][4];
    for (int Y = 1; Y <= 3; ++Y) {
        d[0][Y] = a[1][Y];
        d[1][Y] = a[2][Y] - a[1][Y];
        d[2][Y] = a[3][Y] - a[2][Y];
    }
    for (int i = 0; i < 3; ++i) {
        w[i][0] = d[i][1];
        w[i][1] = d[i][2] - d[i][1];
        w[i][2] = d[i][3] - d[i][2];
    }
}

// Byte `byte` (0 blue, 1 green, 2 red) of every pixel word, as a float.
template <int byte>
[[gnu::always_inline]] inline F channel(I p)
{
#if KESTRUNE_LANES == 8
    if constexpr (byte > 0) {
        constexpr char z = char(0x80); // a zero byte
        const __m256i pick = _mm256_setr_epi8(byte, z, z, z, byte + 4, z, z, z, byte + 8, z, z, z, byte + 12, z, z, z,
                                              byte, z, z, z, byte + 4, z, z, z, byte + 8, z, z, z, byte + 12, z, z, z);
        return __builtin_convertvector(I(_mm256_shuffle_epi8(__m256i(p), pick)), F);
    }
#endif
    return __builtin_convertvector((p >> (8 * byte)) & 0xff, F);
}

// Whether every lane of a mask is set.
[[gnu::always_inline]] inline bool allLanes(I mask)
{
#if KESTRUNE_LANES == 8
    return _mm256_movemask_ps(__m256(mask)) == 0xff;
#else
    return _mm_movemask_ps(__m128(mask)) == 0xf;
#endif
}

// The pixel words at data[index[j]].
[[gnu::always_inline]] inline I gather(const quint32* data, I index)
{
#if KESTRUNE_LANES == 8
    return I(_mm256_i32gather_epi32(reinterpret_cast<const int*>(data), __m256i(index), 4));
#else
    I p;
    for (int j = 0; j < N; ++j)
        p[j] = qint32(data[index[j]]);
    return p;
#endif
}

// One channel of a pixel: the sum divided by a full coverage, or blended with
// the old colour by the uncovered share; clamped to 0..255, rounded half to
// even (in the default rounding mode adding and taking away 1.5·2^23 rounds
// so) and moved to its place in the pixel word.
[[gnu::always_inline]] inline I level(F sum, F scale, F rest, I old, int shift)
{
    const F v = sum * scale + rest * __builtin_convertvector((old >> shift) & 0xff, F);
    F r = vmin(vmax(v, F{}), F{} + 255.0f);
    r = (r + 12582912.0f) - 12582912.0f;
    return __builtin_convertvector(r, I) << shift;
}

// The destination pixels of row y in lanes xs .. xs + N - 1 that lie in
// [x0, x1); the others are left as they are. Returns the sum of their coverage
// when asked for it.
[[gnu::always_inline]] inline float placeLanes(const Mapping& m, const DestView& dst, int y, int xs, int x0, int x1,
                                              bool wantTotal)
{
    F lane;
    for (int j = 0; j < N; ++j)
        lane[j] = float(j);
    const double pu = m.u0 + y * m.rowU + xs * m.stepU;
    const double pv = m.v0 + y * m.rowV + xs * m.stepV;
    const double iu = std::floor(pu), iv = std::floor(pv);
    // Positions within a few pixels of the first lane's cell, so that float
    // keeps them exact to well below a thousandth of a level.
    const F locU = float(pu - iu) + lane * float(m.stepU);
    const F locV = float(pv - iv) + lane * float(m.stepV);
    // Never below -8, so truncation after an offset is the floor.
    const I cellU = __builtin_convertvector(locU + 8.0f, I) - 8;
    const I cellV = __builtin_convertvector(locV + 8.0f, I) - 8;
    const F fx = locU - __builtin_convertvector(cellU, F);
    const F fy = locV - __builtin_convertvector(cellV, F);
    const I bu = cellU + int(iu), bv = cellV + int(iv);
    const I at = __builtin_convertvector(lane, I) + xs;
    const I valid = (at >= x0) & (at < x1);

    F w[3][3];
    overlaps(m.q, fx, fy, w);

    F sb = F{}, sg = F{}, sr = F{}, cv = F{};
    const I inner = (bu >= 0) & (bu < m.Wu - 2) & (bv >= 0) & (bv < m.Wv - 2);
    if (allLanes(inner | ~valid)) {
        // Every block lies inside the picture (lanes past x1 read pixel 0, 0):
        // the coverage is the square's whole area.
        const I index = valid ? bu * int(m.strideU) + bv * int(m.strideV) : I{};
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 3; ++i) {
                const I p = gather(m.data, index + int(i * m.strideU + k * m.strideV));
                const F wk = w[i][k];
                sb += wk * channel<0>(p);
                sg += wk * channel<1>(p);
                sr += wk * channel<2>(p);
            }
        // Full coverage: no blending, so the destination is not read.
        const F scale = F{} + m.q.inverseArea;
        const I packed = level(sb, scale, F{}, I{}, 0) | level(sg, scale, F{}, I{}, 8)
            | level(sr, scale, F{}, I{}, 16) | qint32(dst.fillBits);
        quint32* out = dst.row(y) + xs;
        if (xs + N <= dst.width && allLanes(valid)) {
            std::memcpy(out, &packed, sizeof packed);
        } else {
            for (int j = 0; j < N; ++j)
                if (valid[j])
                    out[j] = quint32(packed[j]);
        }
        if (!wantTotal)
            return 0.0f;
        int count = 0;
        for (int j = 0; j < N; ++j)
            count += valid[j] ? 1 : 0;
        return float(count) * m.q.area;
    } else {
        // Near the picture's sides: pixels outside it weigh nothing (their
        // reads are moved onto the picture's edge).
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 3; ++i) {
                const I u = bu + i, v = bv + k;
                const I inside = (u >= 0) & (u < m.Wu) & (v >= 0) & (v < m.Wv) & valid;
                const I cu = inside ? u : I{}, cvv = inside ? v : I{};
                const I p = gather(m.data, cu * int(m.strideU) + cvv * int(m.strideV));
                const F wk = inside ? w[i][k] : F{};
                sb += wk * channel<0>(p);
                sg += wk * channel<1>(p);
                sr += wk * channel<2>(p);
                cv += wk;
            }
    }

    quint32* out = dst.row(y) + xs;
    const bool whole = xs + N <= dst.width;
    I old;
    if (whole)
        std::memcpy(&old, out, sizeof old);
    else
        for (int j = 0; j < N; ++j)
            old[j] = xs + j < dst.width ? qint32(out[j]) : 0;
    // Coverage this close to 1 is treated as full: the difference to blending
    // is far below a level, and it keeps the choice predictable.
    constexpr float kFull = 1.0f - 1.0f / 4096.0f;
    const F one = F{} + 1.0f;
    const auto full = cv >= kFull;
    const F scale = full ? one / cv : one;
    const F rest = full ? F{} : one - cv;
    const I packed = level(sb, scale, rest, old, 0) | level(sg, scale, rest, old, 8)
        | level(sr, scale, rest, old, 16) | qint32(dst.fillBits);
    const I result = (cv > 0.0f) & (valid != 0) ? packed : old;
    if (whole) {
        std::memcpy(out, &result, sizeof result);
    } else {
        for (int j = 0; j < N; ++j)
            if (valid[j])
                out[j] = quint32(result[j]);
    }
    float total = 0.0f;
    if (wantTotal) {
        const F counted = (valid != 0) ? cv : F{};
        for (int j = 0; j < N; ++j)
            total += counted[j];
    }
    return total;
}

bool placeRows(const Mapping& m, int W, const ProgressCallback& callback, const DestView& dst, double* coverageSum)
{
    // Bands of rows, each done in tiles of columns: a tile's preimage is a
    // small turned piece of the source, which stays in the cache while its
    // rows are done.
    const int band = m.band, tile = 1024 / m.band;
    double total = 0.0;
    int reported = 0;
    int spans[Mapping::kMaxBand][2];
    for (int y0 = 0; y0 < dst.height; y0 += band) {
        const int y1 = std::min(dst.height, y0 + band);
        int lo = dst.width, hi = 0;
        for (int y = y0; y < y1; ++y) {
            rowSpan(m, y, dst.width, spans[y - y0][0], spans[y - y0][1]);
            if (spans[y - y0][0] < spans[y - y0][1]) {
                lo = std::min(lo, spans[y - y0][0]);
                hi = std::max(hi, spans[y - y0][1]);
            }
        }
        for (int t0 = lo - lo % N; t0 < hi; t0 += tile) {
            const int t1 = std::min(hi, t0 + tile);
            float tileTotal = 0.0f;
            for (int y = y0; y < y1; ++y) {
                const int x0 = std::max(t0, spans[y - y0][0]), x1 = std::min(t1, spans[y - y0][1]);
                for (int x = x0 - (x0 - t0) % N; x < x1; x += N)
                    tileTotal += placeLanes(m, dst, y, x, x0, x1, coverageSum != nullptr);
            }
            total += tileTotal;
        }
        // The callback runs once per source column, spread evenly over the rows.
        const int due = int(qint64(y1) * W / dst.height);
        for (; reported < due; ++reported)
            if (callback && callback(double(reported + 1) / double(W), reported + 1, W) != 0)
                return false;
    }
    if (coverageSum)
        *coverageSum = total;
    return true;
}


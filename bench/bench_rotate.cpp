// Card rotation: the straightforward reference, the program's fast code and
// Qt's smooth transformation, on the same pictures and angles. Every result
// is reported as source megapixels per second of wall time ("MPps");
// FastVsQt times both in the same iterations and reports their ratio
// ("ratio" = fast speed / Qt speed).

#include "ReferenceRotate.h"
#include "imaging/Rotate.h"
#include "platform/Seams.h"

#include <QImage>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace kestrune::imaging;

namespace {

// A card-like picture: smooth gradients with a little fine detail.
QImage cardPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    quint32 state = 12345u;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = int(state >> 28);
            line[x] = qRgb((x * 255 / w + noise) & 0xff, (y * 255 / h) & 0xff, ((x + y) / 3 + noise) & 0xff);
        }
    }
    return image;
}

const QImage& picture(int w, int h)
{
    static const QImage small = cardPicture(130, 225);
    static const QImage large = cardPicture(1200, 2000);
    return w == 130 ? small : large;
}

double angleOf(const benchmark::State& state) { return double(state.range(2)) / 10.0; }

void setRate(benchmark::State& state, int w, int h)
{
    state.counters["MPps"] = benchmark::Counter(double(w) * h * 1e-6 * double(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

QImage qtRotate(const QImage& image, double angle)
{
    return image.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);
}

QImage fastRotate(const QImage& image, double angle)
{
    bool ok = false;
    return RotatePicture(image, angle, qRgb(0, 0, 0), &ok);
}

void BM_RotateReference(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    const Bitmap source = BitmapFromImage(picture(w, h));
    for (auto _ : state) {
        auto turned = reference::RotateBitmap(source, angleOf(state), {}, 0);
        benchmark::DoNotOptimize(turned);
    }
    setRate(state, w, h);
}

void BM_RotateFast(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    kestrune::platform::setEventPump([] {});
    const QImage& source = picture(w, h);
    for (auto _ : state) {
        QImage turned = fastRotate(source, angleOf(state));
        benchmark::DoNotOptimize(turned);
    }
    setRate(state, w, h);
}

void BM_RotateQt(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    const QImage& source = picture(w, h);
    for (auto _ : state) {
        QImage turned = qtRotate(source, angleOf(state));
        benchmark::DoNotOptimize(turned);
    }
    setRate(state, w, h);
}

// Both in every iteration, so other load on the machine affects them alike.
void BM_RotateFastVsQt(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    kestrune::platform::setEventPump([] {});
    const QImage& source = picture(w, h);
    using Clock = std::chrono::steady_clock;
    double fastSeconds = 0, qtSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        QImage a = fastRotate(source, angleOf(state));
        const auto t1 = Clock::now();
        QImage b = qtRotate(source, angleOf(state));
        const auto t2 = Clock::now();
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        fastSeconds += std::chrono::duration<double>(t1 - t0).count();
        qtSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const double mp = double(w) * h * 1e-6 * double(state.iterations());
    state.counters["fast_MPps"] = mp / fastSeconds;
    state.counters["qt_MPps"] = mp / qtSeconds;
    state.counters["ratio"] = qtSeconds / fastSeconds;
}

// Sizes 130 x 225 and 1200 x 2000; angles in tenths of a degree.
void Cases(benchmark::internal::Benchmark* b)
{
    for (auto [w, h] : {std::pair{130, 225}, {1200, 2000}})
        for (int tenths : {900, 1800, 450, 173})
            b->Args({w, h, tenths});
    // Wall time: Qt spreads its smooth transformation over several threads.
    b->ArgNames({"w", "h", "deci_deg"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The fast path at more angles on the large picture: near a quarter turn,
// steep, shallow and in every quadrant (the general path must keep its speed
// at all of them).
void AngleSweep(benchmark::internal::Benchmark* b)
{
    for (int tenths : {1, 5, 50, 173, 300, 450, 600, 800, 899, 1350, 2000, 2873, 3333})
        b->Args({1200, 2000, tenths});
    b->ArgNames({"w", "h", "deci_deg"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

void ReferenceCases(benchmark::internal::Benchmark* b)
{
    Cases(b);
    b->Iterations(1); // seconds per large picture
}

} // namespace

BENCHMARK(BM_RotateReference)->Apply(ReferenceCases);
BENCHMARK(BM_RotateFast)->Apply(Cases);
BENCHMARK(BM_RotateQt)->Apply(Cases);
BENCHMARK(BM_RotateFastVsQt)->Apply(Cases);
BENCHMARK(BM_RotateFast)->Name("BM_RotateFastAngles")->Apply(AngleSweep);

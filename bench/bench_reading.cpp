// A full automatic Celtic Cross with reversal, as the reading table runs it:
// the draw and the reversal pass, the picture turns (the crossing card by 90
// degrees, the other nine by 180, the case where every card lies reversed) at
// 130 x 225 pixels, and the report written into a text document.

#include "imaging/Rotate.h"
#include "platform/Seams.h"
#include "reading/Composer.h"
#include "reading/Draw.h"
#include "widgets/TextCursorSink.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace kestrune;

namespace {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kestrune-bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives for the whole run
}

QImage cardPicture()
{
    QImage image(130, 225, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 2) & 0xff, (y * 3) & 0xff, ((x + y) * 5) & 0xff));
    return image;
}

reading::Reading celticCross()
{
    reading::Reading r;
    r.Options.card = QStringLiteral("Celtic Cross");
    r.Options.no = 10;
    r.Options.MaxCardInSet = 0;
    r.Options.rboo = true;
    r.Options.cmdAVal = true;
    return r;
}

void BM_CelticCrossReading(benchmark::State& state)
{
    ensureApplication();
    platform::MersenneRandom source(1210);
    platform::setRandom(&source);
    const QImage picture = cardPicture();
    for (auto _ : state) {
        reading::Reading r = celticCross();
        reading::DrawSpread(r, reading::CardSet::FullDeck);
        reading::DecideAllReversals(r);
        for (int i = 0; i < 10; ++i) {
            const QImage turned = imaging::RotatePicture(picture, i == 1 ? 90.0 : 180.0);
            benchmark::DoNotOptimize(turned.constBits());
        }
        QTextDocument document;
        widgets::TextCursorSink sink(&document);
        reading::WriteReadingHeader(sink, r.Options.card);
        reading::WriteReading(sink, r);
        benchmark::DoNotOptimize(document.characterCount());
    }
    platform::setRandom(nullptr);
}
BENCHMARK(BM_CelticCrossReading)->Unit(benchmark::kMillisecond);

// The parts on their own: the draw with reversal, and the composing.
void BM_CelticCrossDraw(benchmark::State& state)
{
    platform::MersenneRandom source(77);
    platform::setRandom(&source);
    for (auto _ : state) {
        reading::Reading r = celticCross();
        reading::DrawSpread(r, reading::CardSet::FullDeck);
        reading::DecideAllReversals(r);
        benchmark::DoNotOptimize(r.DrawnCards.data());
    }
    platform::setRandom(nullptr);
}
BENCHMARK(BM_CelticCrossDraw);

void BM_CelticCrossCompose(benchmark::State& state)
{
    ensureApplication();
    reading::Reading r = celticCross();
    r.DrawnCards = {0, 11, 20, 26, 27, 5, 6, 7, 8, 77};
    r.ReversedCards = {0, 26, 77};
    for (auto _ : state) {
        QTextDocument document;
        widgets::TextCursorSink sink(&document);
        reading::WriteReadingHeader(sink, r.Options.card);
        reading::WriteReading(sink, r);
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_CelticCrossCompose)->Unit(benchmark::kMicrosecond);

} // namespace

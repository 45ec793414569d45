#include "reading/Draw.h"

#include "platform/Seams.h"
#include "spreads/Spreads.h"

#include <cmath>

namespace kestrune::reading {

std::optional<CardSet> CardSetFor(bool lboo, bool hboo)
{
    if (lboo && hboo)
        return std::nullopt;
    if (lboo)
        return CardSet::MinorArcana;
    if (hboo)
        return CardSet::MajorArcana;
    return CardSet::FullDeck;
}

CardIndex DrawCard(CardSet set, const QList<CardIndex>& drawn)
{
    const CardIndex base = CardSetBase(set);
    const int size = CardSetSize(set);

    // A set with no card left would make the loop below spin for ever.
    int free = 0;
    for (CardIndex c = base; c < base + size; ++c)
        free += drawn.contains(c) ? 0 : 1;
    if (free == 0)
        return -1;

    for (;;) {
        platform::processPendingEvents();
        const float u = platform::random().uniform();
        // In double precision size * u stays below size for every u < 1.
        CardIndex c = base + static_cast<CardIndex>(std::floor(static_cast<double>(size) * static_cast<double>(u)));
        if (c >= base + size) // only for a source handing out values outside [0, 1)
            c = base + size - 1;
        if (c < base)
            c = base;
        if (!drawn.contains(c))
            return c;
    }
}

bool IsDrawableSpread(int count, const QString& spreadName)
{
    switch (count) {
    case 1:
    case 2:
    case 3:
    case 7:
    case 8:
    case 10:
        return true;
    case 5:
        return spreadName == QStringLiteral("The Line Spread")
            || spreadName == QStringLiteral("Wystran Wheel Spread(Tasmerin)");
    default:
        return false;
    }
}

void DrawSpread(Reading& reading, CardSet set)
{
    reading.DrawnCards.clear();
    platform::random().reseed();
    const int count = reading.Options.no;
    if (!IsDrawableSpread(count, reading.Options.card))
        return;
    for (int i = 0; i < count; ++i) {
        const CardIndex c = DrawCard(set, reading.DrawnCards);
        if (c < 0)
            break;
        reading.DrawnCards.append(c);
    }
}

void DrawSpread(Reading& reading)
{
    if (const auto set = CardSetFor(reading.Options.lboo, reading.Options.hboo))
        DrawSpread(reading, *set);
    else
        reading.DrawnCards.clear();
}

void BeginReversal(Reading& reading)
{
    reading.ReversedCards.clear();
    if (reading.Options.no == 1)
        platform::random().reseed();
}

namespace {

bool isCelticCross(const Reading& reading)
{
    // The table picks its layout by count; ten cards is only ever the cross.
    return reading.Options.no == 10;
}

} // namespace

double RoundHalfToEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

bool DecideReversal(const Reading& reading, int position)
{
    const float u = platform::random().uniform();
    // u <= 0.5 rounds to 0 (0.5 itself to the even 0), u > 0.5 to 1.
    const bool v = RoundHalfToEven(static_cast<double>(u)) == 1.0;
    if (isCelticCross(reading) && position == 1)
        return false;
    return v;
}

void DecideAllReversals(Reading& reading)
{
    BeginReversal(reading);
    for (int i = 0; i < reading.DrawnCards.size(); ++i) {
        if (DecideReversal(reading, i))
            reading.ReversedCards.append(reading.DrawnCards[i]);
    }
}

std::optional<DrawVariant> SelectDrawVariant(bool lboo, bool hboo, bool rboo)
{
    const auto set = CardSetFor(lboo, hboo);
    if (!set)
        return std::nullopt;
    const int first = *set == CardSet::FullDeck ? 1 : *set == CardSet::MinorArcana ? 2 : 3;
    return DrawVariant{rboo ? first + 3 : first, *set, rboo};
}

std::optional<DrawVariant> SelectDrawVariant(const ReadingOptions& options)
{
    return SelectDrawVariant(options.lboo, options.hboo, options.rboo);
}

} // namespace kestrune::reading

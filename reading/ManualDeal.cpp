#include "reading/ManualDeal.h"

#include "platform/Seams.h"

#include <cmath>

namespace kestrune::reading {

bool IsManualReversal(float u)
{
    const double nearest = RoundHalfToEven(static_cast<double>(10.0f * u));
    return std::fmod(nearest, 2.0) != 0.0;
}

DealtCard DealPosition(Reading& reading, int index)
{
    // The same sets as the backs on offer: major arcana first, as the window does.
    const std::optional<CardSet> set = reading.Options.hboo ? CardSet::MajorArcana
        : reading.Options.lboo                               ? CardSet::MinorArcana
                                                             : CardSet::FullDeck;
    if (index < 0)
        return {};
    platform::random().reseed();

    // Only the cards of the earlier positions count as drawn.
    const QList<CardIndex> earlier = reading.DrawnCards.mid(0, index);
    const CardIndex c = DrawCard(*set, earlier);
    if (c < 0)
        return {};
    if (reading.DrawnCards.size() > index)
        reading.DrawnCards[index] = c;
    else {
        while (reading.DrawnCards.size() < index)
            reading.DrawnCards.append(-1);
        reading.DrawnCards.append(c);
    }

    DealtCard dealt{c, false};
    if (reading.Options.rboo) {
        dealt.reversed = IsManualReversal(platform::random().uniform());
        if (dealt.reversed)
            reading.ReversedCards.append(c);
    }
    return dealt;
}

int OfferedBackCount(const ReadingOptions& options)
{
    if (options.hboo)
        return 22;
    if (options.lboo)
        return 56;
    return 78;
}

} // namespace kestrune::reading

#pragma once

// The pure logic of dealing a manual reading once the last back is picked: each
// position is drawn by the same rule as an automatic reading, and with reversed
// cards allowed its orientation follows from one more random value.

#include "reading/Draw.h"

namespace kestrune::reading {

// The manual deal's orientation rule: reversed when the integer nearest to
// 10 * u (exact halves to the even neighbour) is odd; probability one half.
bool IsManualReversal(float u);

struct DealtCard {
    CardIndex card = -1;
    bool reversed = false;
};

// Deals position `index` (positions are dealt 0, 1, ... in order): reseeds the
// random source, draws a card of the reading's set that is not yet drawn,
// stores it as DrawnCards[index] and, when rboo is set, decides its
// orientation; a reversed card is appended to ReversedCards. The caller puts
// the picture on the table (turned by 180 degrees when reversed) and places it.
// Major arcana only wins if both restrictions are set (never offered).
DealtCard DealPosition(Reading& reading, int index);

// How many face-down backs the manual window offers: 22 for the major arcana,
// 56 for the minor arcana, else all 78.
int OfferedBackCount(const ReadingOptions& options);

} // namespace kestrune::reading

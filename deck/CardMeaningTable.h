#pragma once

// The table of interpretations behind CardMeaning: one row per card in deck
// order, each with its upright and its reversed paragraph.

#include "deck/Deck.h"

#include <array>

namespace kestrune::deck {

struct CardMeaningRow {
    const char* upright;
    const char* reversed;
};

extern const std::array<CardMeaningRow, kCardCount> kCardMeanings;

} // namespace kestrune::deck

#pragma once

// Which cards fall in a reading and which of them lie reversed. Every reading,
// automatic or manual, draws its cards by DrawCard; random numbers come from
// platform::random() and the draw yields to the event loop before each attempt.

#include "reading/Records.h"

#include <optional>

namespace kestrune::reading {

// The part of the deck a reading may draw from.
enum class CardSet { FullDeck, MajorArcana, MinorArcana };

constexpr CardIndex CardSetBase(CardSet set) { return set == CardSet::MinorArcana ? 22 : 0; }
constexpr int CardSetSize(CardSet set)
{
    return set == CardSet::FullDeck ? 78 : set == CardSet::MajorArcana ? 22 : 56;
}
constexpr bool InCardSet(CardSet set, CardIndex c)
{
    return c >= CardSetBase(set) && c < CardSetBase(set) + CardSetSize(set);
}
// lboo restricts to the minor arcana, hboo to the major arcana; none when both
// are set (the spread window never allows that).
std::optional<CardSet> CardSetFor(bool lboo, bool hboo);

// One card of the set that is not among the cards already drawn:
// c = base + floor(size * u), drawn again while c is already taken. Returns -1
// only when every card of the set has been drawn already.
CardIndex DrawCard(CardSet set, const QList<CardIndex>& drawn);

// Whether DrawSpread draws anything for this count and name: counts 1, 2, 3,
// 7, 8 and 10, and 5 only for the line and the wheel.
bool IsDrawableSpread(int count, const QString& spreadName);

// Reseeds the random source once and fills reading.DrawnCards with
// reading.Options.no distinct cards of the set, position 0 first. A count or
// name that names no spread leaves DrawnCards empty.
void DrawSpread(Reading& reading, CardSet set);
// The same with the set taken from the reading's lboo/hboo; draws nothing when
// both are set.
void DrawSpread(Reading& reading);

// The nearest integer, exact halves going to the even neighbour (2.5 -> 2).
double RoundHalfToEven(double x);

// Starts the reversal pass of an automatic reading: empties ReversedCards and,
// for a one-card reading, reseeds the random source a second time.
void BeginReversal(Reading& reading);
// Draws one value for the position and tells whether its card lies reversed:
// v = u rounded half to even, reversed when v == 1. The Celtic Cross crossing
// card (position 1) draws its value too but is never reversed.
bool DecideReversal(const Reading& reading, int position);
// The whole reversal pass: BeginReversal, then every position in order, the
// reversed cards appended to ReversedCards in position order.
void DecideAllReversals(Reading& reading);

// The six draw variants of the automatic table (DONE1..DONE6).
struct DrawVariant {
    int number;           // 1..6
    CardSet set;
    bool decidesReversal; // DONE4..DONE6
};
// The variant for the reading's choices, or none when both restrictions are set.
std::optional<DrawVariant> SelectDrawVariant(bool lboo, bool hboo, bool rboo);
std::optional<DrawVariant> SelectDrawVariant(const ReadingOptions& options);

} // namespace kestrune::reading

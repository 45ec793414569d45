#pragma once

// The reading half's fixed deck: 78 cards in the program's own order. Cards are
// named everywhere by their CardIndex (0..77); 0..21 are the major arcana.

#include <QString>

namespace kestrune::deck {

using CardIndex = qint32;

constexpr CardIndex kCardCount = 78;
constexpr CardIndex kMajorArcanaCount = 22;

constexpr bool IsCardIndex(CardIndex c) { return c >= 0 && c < kCardCount; }
constexpr bool IsMajorArcana(CardIndex c) { return c >= 0 && c < kMajorArcanaCount; }

// The display name ("Wheel Fortune", without "of"); empty outside 0..77.
QString CardName(CardIndex c);
// The name, or for a reversed card the name followed by " - Reversed".
QString CardHeading(CardIndex c, bool reversed);
// The reversed or the upright interpretation; empty outside 0..77.
QString CardMeaning(CardIndex c, bool reversed);
// <application folder>/cards/r<c>.jpg
QString CardPicturePath(CardIndex c);
// The same path below another folder (used by tools writing the pictures).
QString CardPicturePath(const QString& applicationFolder, CardIndex c);

} // namespace kestrune::deck

#include "deck/Deck.h"

#include "deck/CardMeaningTable.h"

#include "platform/Seams.h"

#include <array>

namespace kestrune::deck {

namespace {

// The deck order: the major arcana, then the minor arcana grouped by rank
// (Two .. Ten, Ace, King, Knight, Page, Queen) with the suits of a rank in the
// order Cups, Pentacles, Swords, Wands; the Twos lack Pentacles, whose Two is
// the last card of the deck.
constexpr std::array<const char*, kCardCount> kNames = {
    "Death", "The Hermit", "Judgement", "Justice", "Strength", "Temperance", "The Fool",
    "The Chariot", "The Devil", "The Emperor", "The Empress", "The Hanged Man", "The Hierophant",
    "The High Priestess", "The Lovers", "The Magician", "The Moon", "The Star", "The Sun",
    "The Tower", "The World", "Wheel Fortune",
    "Two of Cups", "Two of Swords", "Two of Wands",
    "Three of Cups", "Three of Pentacles", "Three of Swords", "Three of Wands",
    "Four of Cups", "Four of Pentacles", "Four of Swords", "Four of Wands",
    "Five of Cups", "Five of Pentacles", "Five of Swords", "Five of Wands",
    "Six of Cups", "Six of Pentacles", "Six of Swords", "Six of Wands",
    "Seven of Cups", "Seven of Pentacles", "Seven of Swords", "Seven of Wands",
    "Eight of Cups", "Eight of Pentacles", "Eight of Swords", "Eight of Wands",
    "Nine of Cups", "Nine of Pentacles", "Nine of Swords", "Nine of Wands",
    "Ten of Cups", "Ten of Pentacles", "Ten of Swords", "Ten of Wands",
    "Ace of Cups", "Ace of Pentacles", "Ace of Swords", "Ace of Wands",
    "King of Cups", "King of Pentacles", "King of Swords", "King of Wands",
    "Knight of Cups", "Knight of Pentacles", "Knight of Swords", "Knight of Wands",
    "Page of Cups", "Page of Pentacles", "Page of Swords", "Page of Wands",
    "Queen of Cups", "Queen of Pentacles", "Queen of Swords", "Queen of Wands",
    "Two of Pentacles",
};

} // namespace

QString CardName(CardIndex c)
{
    return IsCardIndex(c) ? QString::fromLatin1(kNames[static_cast<std::size_t>(c)]) : QString();
}

QString CardHeading(CardIndex c, bool reversed)
{
    if (!IsCardIndex(c))
        return QString();
    return reversed ? CardName(c) + QStringLiteral(" - Reversed") : CardName(c);
}

QString CardMeaning(CardIndex c, bool reversed)
{
    if (!IsCardIndex(c))
        return QString();
    const CardMeaningRow& row = kCardMeanings[static_cast<std::size_t>(c)];
    return QString::fromUtf8(reversed ? row.reversed : row.upright);
}

QString CardPicturePath(const QString& applicationFolder, CardIndex c)
{
    return applicationFolder + QStringLiteral("/cards/r") + QString::number(c) + QStringLiteral(".jpg");
}

QString CardPicturePath(CardIndex c) { return CardPicturePath(platform::applicationFolder(), c); }

} // namespace kestrune::deck

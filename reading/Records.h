#pragma once

// The three records of the running program that the reading windows fill and
// that outlive them: the querent's details, the chosen options and the reading.

#include "deck/Deck.h"

#include <QList>
#include <QString>

namespace kestrune::reading {

using deck::CardIndex;

struct QuerentDetails {
    QString strName;
    QString strCountry;
    QString strQ;
    QString strDate;
    QString strMonth;
    QString strYear;
    QString strDOB;
};

struct ReadingOptions {
    QString card = QStringLiteral("-1"); // the spread's name (key)
    int no = -1;                         // card count
    int MaxCardInSet = -1;               // the spread's list position 0..7
    bool lboo = false;                   // minor arcana only
    bool hboo = false;                   // major arcana only
    bool rboo = false;                   // reversed cards allowed
    bool ManualMode = false;
    bool cmdAVal = false;                // started with AutoCast
    bool cmdMValue = false;              // started with Manual
};

struct Reading {
    ReadingOptions Options;
    QList<CardIndex> DrawnCards;
    QList<CardIndex> ReversedCards;

    // Back to the state the spread window starts from: "-1", -1, all false.
    void reset() { *this = Reading(); }
    bool IsPositionReversed(int position) const
    {
        return position >= 0 && position < DrawnCards.size() && ReversedCards.contains(DrawnCards[position]);
    }
};

// The single records of the running program.
QuerentDetails& querentDetails();
ReadingOptions& readingOptions();
Reading& currentReading();

} // namespace kestrune::reading

#pragma once

// The tutor database's content as readable text, and the two jobs of the tool:
// writing the encrypted database from that text and the card pictures, and
// checking a database file against what the tutor expects of it.
//
// Text files (UTF-8, tab-separated, first line a header naming the columns):
//   cards.tsv     ID  Name  Group  normalmeaning  ReversedMeaning
//   keywords.tsv  CardID  Keyword            (one line per keyword, in study order)

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kestrune::tutordb {

struct CardText {
    int id = 0;
    QString name;
    int group = 0;
    QString normalMeaning;
    QString reversedMeaning;
    QStringList keywords;
};

// Reads both files of a content folder; on failure returns false with the file,
// line and reason in *error.
bool readContent(const QString& folder, QList<CardText>* cards, QString* error);

// The reading half's picture for a tutor card: the deck card of the same name
// (the deck spells "Wheel of Fortune" as "Wheel Fortune"); -1 when none.
int deckPictureIndex(const QString& tutorName);

// Writes the database to `outPath` (replacing it only once the new file is
// complete) with every card's picture read from cards/r<deck index>.jpg in
// `picturesFolder`.
bool writeDatabase(const QString& outPath, const QByteArray& key, const QList<CardText>& cards,
                   const QString& picturesFolder, QString* error);

struct CheckResult {
    bool opened = false;
    QStringList summary;   // what was found
    QStringList problems;  // every way the file falls short; empty when it is sound
};

// Checks a database: it opens with the key, holds 78 cards with ID 1..78 split
// 22/14/14/14/14 over the groups 0..4, names of 1..25 characters, pairwise
// distinct meanings, at least 7 pairwise different keywords per card and a
// decodable picture per card.
CheckResult checkDatabase(const QString& path, const QByteArray& key);

} // namespace kestrune::tutordb

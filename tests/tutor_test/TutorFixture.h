#pragma once

// A small tutor card database written by the tests themselves: the 22 major
// arcana (ID 1..22, group 0) and the 14 Cups (ID 23..36, group 1), each with a
// picture and seven keywords "k<ID>.<n>" (so a keyword tells whose it is);
// card 5 has only three keywords. Built with the same schema and password as
// the real file, in a folder that the tests make the application folder.

#include "platform/db/Database.h"
#include "tutor/Recordset.h"

#include <QBuffer>
#include <QImage>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace kestrune::testfixture {

inline const QStringList& cardNames()
{
    static const QStringList names = {
        QStringLiteral("The Fool"), QStringLiteral("The Magician"), QStringLiteral("The High Priestess"),
        QStringLiteral("The Empress"), QStringLiteral("The Emperor"), QStringLiteral("The Hierophant"),
        QStringLiteral("The Lovers"), QStringLiteral("The Chariot"), QStringLiteral("Strength"),
        QStringLiteral("The Hermit"), QStringLiteral("Wheel of Fortune"), QStringLiteral("Justice"),
        QStringLiteral("The Hanged Man"), QStringLiteral("Death"), QStringLiteral("Temperance"),
        QStringLiteral("The Devil"), QStringLiteral("The Tower"), QStringLiteral("The Star"),
        QStringLiteral("The Moon"), QStringLiteral("The Sun"), QStringLiteral("Judgement"),
        QStringLiteral("The World"),
        QStringLiteral("Ace of Cups"), QStringLiteral("Two of Cups"), QStringLiteral("Three of Cups"),
        QStringLiteral("Four of Cups"), QStringLiteral("Five of Cups"), QStringLiteral("Six of Cups"),
        QStringLiteral("Seven of Cups"), QStringLiteral("Eight of Cups"), QStringLiteral("Nine of Cups"),
        QStringLiteral("Ten of Cups"), QStringLiteral("Page of Cups"), QStringLiteral("Knight of Cups"),
        QStringLiteral("Queen of Cups"), QStringLiteral("King of Cups"),
    };
    return names;
}

constexpr int kCardCount = 36;
constexpr int kFirstCup = 23;
constexpr int kShortKeywordCard = 5;

inline QString nameOf(int id) { return cardNames().at(id - 1); }
inline QString uprightOf(int id) { return QStringLiteral("upright meaning of ") + nameOf(id); }
inline QString reversedOf(int id) { return QStringLiteral("reversed meaning of ") + nameOf(id); }
inline QString keywordOf(int id, int n) { return QStringLiteral("k%1.%2").arg(id).arg(n); }
// The card a keyword "k<ID>.<n>" belongs to, or 0.
inline int ownerOfKeyword(const QString& keyword)
{
    if (!keyword.startsWith(QLatin1Char('k')))
        return 0;
    return keyword.mid(1).section(QLatin1Char('.'), 0, 0).toInt();
}

// A 30 x 50 picture, its top half red and its bottom half a colour of the card.
inline QImage pictureOf(int id)
{
    QImage image(30, 50, QImage::Format_RGB32);
    image.fill(qRgb(20, (id * 37) % 200 + 40, 200));
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 30; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

inline QByteArray pngOf(int id)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pictureOf(id).save(&buffer, "PNG");
    return bytes;
}

// keywordsPerCard replaces the seven keywords of every card (card 5 keeps
// its three unless it is smaller), to build databases short of keywords.
inline bool writeTutorDatabase(const QString& path, int keywordsPerCard = 7)
{
    platform::db::Database db;
    if (!db.open(path, tutor::tutorDatabasePassword().toUtf8(), platform::db::Database::Mode::Create))
        return false;
    bool ok = db.exec(QStringLiteral(
        "CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT, \"Group\" INTEGER,"
        " normalmeaning TEXT, ReversedMeaning TEXT, PictureData BLOB);"
        "CREATE TABLE tblKeywords (Id INTEGER PRIMARY KEY, CardID INTEGER, cardName TEXT, Keyword TEXT);"));
    ok = ok && db.exec(QStringLiteral("BEGIN"));
    int keywordId = 1;
    for (int id = 1; id <= kCardCount; ++id) {
        auto card = db.prepare(QStringLiteral("INSERT INTO tblCards VALUES (?,?,?,?,?,?)"));
        card.bind(1, id);
        card.bind(2, nameOf(id));
        card.bind(3, id < kFirstCup ? 0 : 1);
        card.bind(4, uprightOf(id));
        card.bind(5, reversedOf(id));
        card.bind(6, pngOf(id));
        ok = ok && card.execute();
        const int keywords = id == kShortKeywordCard ? std::min(3, keywordsPerCard) : keywordsPerCard;
        for (int n = 1; n <= keywords; ++n) {
            auto keyword = db.prepare(QStringLiteral("INSERT INTO tblKeywords VALUES (?,?,?,?)"));
            keyword.bind(1, keywordId++);
            keyword.bind(2, id);
            keyword.bind(3, nameOf(id));
            keyword.bind(4, keywordOf(id, n));
            ok = ok && keyword.execute();
        }
    }
    ok = ok && db.exec(QStringLiteral("COMMIT"));
    return ok;
}

} // namespace kestrune::testfixture

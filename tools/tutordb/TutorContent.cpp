#include "tools/tutordb/TutorContent.h"

#include "deck/Deck.h"
#include "platform/db/Database.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>

#include <limits>

namespace kestrune::tutordb {

using platform::db::Database;
using platform::db::Statement;

namespace {

constexpr int kCardCount = 78;
constexpr int kMaxNameLength = 25;
constexpr int kMinKeywords = 7;
const int kGroupSizes[] = {22, 14, 14, 14, 14};

const char kSchema[] =
    "CREATE TABLE tblCards ("
    " ID INTEGER PRIMARY KEY,"
    " Name TEXT NOT NULL,"
    " \"Group\" INTEGER NOT NULL,"
    " normalmeaning TEXT,"
    " ReversedMeaning TEXT,"
    " PictureData BLOB);"
    "CREATE TABLE tblKeywords ("
    " Id INTEGER PRIMARY KEY,"
    " CardID INTEGER NOT NULL,"
    " cardName TEXT,"
    " Keyword TEXT);"
    "CREATE INDEX idxKeywordsCard ON tblKeywords (CardID);";

// The rows of a tab-separated file after its header, which must be `header`.
bool readTable(const QString& path, const QStringList& header, QList<QPair<int, QStringList>>* rows, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const QStringList lines = text.split(u'\n');
    if (lines.isEmpty() || lines.first().trimmed().split(u'\t') != header) {
        *error = QStringLiteral("%1:1: the header must be \"%2\"").arg(path, header.join(u'\t'));
        return false;
    }
    for (int i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != header.size()) {
            *error = QStringLiteral("%1:%2: %3 fields, expected %4").arg(path).arg(i + 1).arg(fields.size()).arg(header.size());
            return false;
        }
        rows->append({i + 1, fields});
    }
    return true;
}

bool toInt(const QString& text, int* value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

bool readContent(const QString& folder, QList<CardText>* cards, QString* error)
{
    cards->clear();
    const QString cardsPath = QDir(folder).filePath(QStringLiteral("cards.tsv"));
    const QString keywordsPath = QDir(folder).filePath(QStringLiteral("keywords.tsv"));

    QList<QPair<int, QStringList>> rows;
    if (!readTable(cardsPath,
                   {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Group"),
                    QStringLiteral("normalmeaning"), QStringLiteral("ReversedMeaning")},
                   &rows, error))
        return false;
    QHash<int, int> byId;
    for (const auto& [line, fields] : std::as_const(rows)) {
        CardText card;
        if (!toInt(fields.at(0), &card.id) || card.id < 1) {
            *error = QStringLiteral("%1:%2: the ID must be a positive number").arg(cardsPath).arg(line);
            return false;
        }
        if (byId.contains(card.id)) {
            *error = QStringLiteral("%1:%2: ID %3 appears twice").arg(cardsPath).arg(line).arg(card.id);
            return false;
        }
        card.name = fields.at(1).trimmed();
        if (!toInt(fields.at(2), &card.group)) {
            *error = QStringLiteral("%1:%2: the group must be a number").arg(cardsPath).arg(line);
            return false;
        }
        card.normalMeaning = fields.at(3).trimmed();
        card.reversedMeaning = fields.at(4).trimmed();
        byId.insert(card.id, int(cards->size()));
        cards->append(card);
    }

    rows.clear();
    if (!readTable(keywordsPath, {QStringLiteral("CardID"), QStringLiteral("Keyword")}, &rows, error))
        return false;
    for (const auto& [line, fields] : std::as_const(rows)) {
        int id = 0;
        if (!toInt(fields.at(0), &id) || !byId.contains(id)) {
            *error = QStringLiteral("%1:%2: \"%3\" names no card of cards.tsv").arg(keywordsPath).arg(line).arg(fields.at(0));
            return false;
        }
        const QString keyword = fields.at(1).trimmed();
        if (keyword.isEmpty()) {
            *error = QStringLiteral("%1:%2: empty keyword").arg(keywordsPath).arg(line);
            return false;
        }
        (*cards)[byId.value(id)].keywords.append(keyword);
    }
    return true;
}

int deckPictureIndex(const QString& tutorName)
{
    // The only name the two halves spell differently.
    static const QMap<QString, QString> kDeckSpelling = {
        {QStringLiteral("Wheel of Fortune"), QStringLiteral("Wheel Fortune")},
    };
    const QString deckName = kDeckSpelling.value(tutorName, tutorName);
    for (deck::CardIndex c = 0; c < deck::kCardCount; ++c) {
        if (deck::CardName(c) == deckName)
            return c;
    }
    return -1;
}

bool writeDatabase(const QString& outPath, const QByteArray& key, const QList<CardText>& cards,
                   const QString& picturesFolder, QString* error)
{
    // Read every picture first, so that a missing one leaves no file behind.
    QList<QByteArray> pictures;
    for (const CardText& card : cards) {
        const int index = deckPictureIndex(card.name);
        if (index < 0) {
            *error = QStringLiteral("card %1 \"%2\" matches no card of the deck, so it has no picture")
                         .arg(card.id).arg(card.name);
            return false;
        }
        // The reading half's file name for the card: r<CardIndex>.jpg.
        const QString path = QDir(picturesFolder).filePath(QStringLiteral("r%1.jpg").arg(index));
        QFile file(path);
        if (QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
            *error = QStringLiteral("picture of card %1 \"%2\": %3: is not a regular file")
                         .arg(card.id).arg(card.name, path);
            return false;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("picture of card %1 \"%2\": %3: %4")
                         .arg(card.id).arg(card.name, path, file.errorString());
            return false;
        }
        pictures << file.readAll();
    }

    // Write beside the target, then put the finished file in its place. A
    // folder, pipe or device under either name is never replaced or removed.
    const QString partPath = outPath + QStringLiteral(".part");
    for (const QString& name : {outPath, partPath}) {
        const QFileInfo existing(name);
        if (existing.exists() && !existing.isFile()) {
            *error = QStringLiteral("%1: is not a regular file, so it is not replaced").arg(name);
            return false;
        }
    }
    QFile::remove(partPath);
    {
        Database db;
        bool ok = db.open(partPath, key, Database::Mode::Create) && db.exec(QString::fromLatin1(kSchema))
            && db.exec(QStringLiteral("BEGIN"));
        Statement card = db.prepare(QStringLiteral("INSERT INTO tblCards (ID, Name, \"Group\", normalmeaning, "
                                                   "ReversedMeaning, PictureData) VALUES (?,?,?,?,?,?)"));
        Statement keyword = db.prepare(QStringLiteral("INSERT INTO tblKeywords (Id, CardID, cardName, Keyword) "
                                                      "VALUES (?,?,?,?)"));
        ok = ok && card.isValid() && keyword.isValid();
        int keywordId = 1;
        for (int i = 0; ok && i < cards.size(); ++i) {
            const CardText& c = cards.at(i);
            ok = card.reset() && card.bind(1, c.id) && card.bind(2, c.name) && card.bind(3, c.group)
                && card.bind(4, c.normalMeaning) && card.bind(5, c.reversedMeaning)
                && card.bindBlob(6, pictures.at(i)) && card.execute();
            for (int k = 0; ok && k < c.keywords.size(); ++k) {
                ok = keyword.reset() && keyword.bind(1, keywordId++) && keyword.bind(2, c.id)
                    && keyword.bind(3, c.name) && keyword.bind(4, c.keywords.at(k)) && keyword.execute();
            }
        }
        if (ok)
            ok = db.exec(QStringLiteral("COMMIT"));
        if (!ok) {
            const QString reason = !card.lastError().isEmpty() ? card.lastError()
                : !keyword.lastError().isEmpty()                ? keyword.lastError()
                                                                : db.lastError();
            *error = QStringLiteral("%1: %2").arg(partPath, reason);
            card = Statement();
            keyword = Statement();
            db.close();
            QFile::remove(partPath);
            return false;
        }
    }
    // The finished database replaces the old one in one step (rename), so
    // there is never a moment without a whole file.
    if (::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(outPath).constData()) != 0) {
        *error = QStringLiteral("cannot move %1 to %2: %3")
                     .arg(partPath, outPath, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(partPath);
        return false;
    }
    return true;
}

CheckResult checkDatabase(const QString& path, const QByteArray& key)
{
    CheckResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.problems << QStringLiteral("%1: no such file").arg(path);
        return result;
    }
    // Only a regular file is opened: a pipe would hang the check, a device is
    // no database.
    if (!info.isFile()) {
        result.problems << (info.isDir() ? QStringLiteral("%1: is a folder, not a database file").arg(path)
                                         : QStringLiteral("%1: is not a regular file").arg(path));
        return result;
    }
    Database db;
    if (!db.open(path, key, Database::Mode::ReadOnly)) {
        result.problems << QStringLiteral("%1: cannot be opened with the tutor's password: wrong password or "
                                          "damaged file (%2)").arg(path, db.lastError());
        return result;
    }
    result.opened = true;

    struct Card {
        QString name;
        int group = 0;
        QStringList keywords;
    };
    QMap<int, Card> cards;
    QSet<QString> meanings;
    int pictures = 0;
    int duplicateMeanings = 0;

    Statement st = db.prepare(QStringLiteral(
        "SELECT ID, Name, \"Group\", normalmeaning, ReversedMeaning, PictureData FROM tblCards ORDER BY ID"));
    if (!st.isValid()) {
        result.problems << QStringLiteral("tblCards: %1").arg(db.lastError());
        return result;
    }
    Statement::Step step;
    while ((step = st.step()) == Statement::Step::Row) {
        const int id = int(st.int64(0));
        Card card;
        card.name = st.text(1);
        card.group = int(st.int64(2));
        const QString label = QStringLiteral("card %1 \"%2\"").arg(id).arg(card.name);
        if (card.name.trimmed().isEmpty() || card.name.size() > kMaxNameLength)
            result.problems << QStringLiteral("%1: the name must have 1 to %2 characters").arg(label).arg(kMaxNameLength);
        for (int column : {3, 4}) {
            const QString meaning = st.text(column).trimmed();
            if (meaning.isEmpty())
                result.problems << QStringLiteral("%1: empty %2").arg(label, st.columnName(column));
            else if (meanings.contains(meaning)) {
                ++duplicateMeanings;
                result.problems << QStringLiteral("%1: %2 repeats another meaning").arg(label, st.columnName(column));
            }
            meanings.insert(meaning);
        }
        const QByteArray picture = st.blob(5);
        QBuffer buffer;
        buffer.setData(picture);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        QImage image;
        if (picture.isEmpty())
            result.problems << QStringLiteral("%1: no picture").arg(label);
        else if (format != "jpeg" && format != "bmp" && format != "gif")
            result.problems << QStringLiteral("%1: the picture is not a JPEG, BMP or GIF file").arg(label);
        else if (!reader.read(&image) || image.isNull())
            result.problems << QStringLiteral("%1: the picture cannot be decoded").arg(label);
        else
            ++pictures;
        cards.insert(id, card);
    }
    if (step == Statement::Step::Error) {
        result.problems << QStringLiteral("tblCards: %1 (damaged file)").arg(st.lastError());
        return result;
    }

    Statement kw = db.prepare(QStringLiteral("SELECT Id, CardID, Keyword FROM tblKeywords ORDER BY Id"));
    if (!kw.isValid()) {
        result.problems << QStringLiteral("tblKeywords: %1").arg(db.lastError());
        return result;
    }
    int keywordRows = 0;
    while ((step = kw.step()) == Statement::Step::Row) {
        ++keywordRows;
        const int cardId = int(kw.int64(1));
        if (!cards.contains(cardId)) {
            result.problems << QStringLiteral("keyword %1 belongs to card %2, which does not exist").arg(kw.int64(0)).arg(cardId);
            continue;
        }
        cards[cardId].keywords << kw.text(2);
    }
    if (step == Statement::Step::Error) {
        result.problems << QStringLiteral("tblKeywords: %1 (damaged file)").arg(kw.lastError());
        return result;
    }

    // The cards themselves.
    if (cards.size() != kCardCount || cards.firstKey() != 1 || cards.lastKey() != kCardCount)
        result.problems << QStringLiteral("%1 cards; expected %2 with ID 1 to %2").arg(cards.size()).arg(kCardCount);
    int groupCounts[5] = {0, 0, 0, 0, 0};
    int fewest = std::numeric_limits<int>::max();
    int most = 0;
    for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
        const Card& card = it.value();
        if (card.group < 0 || card.group > 4)
            result.problems << QStringLiteral("card %1: group %2 is not one of 0 to 4").arg(it.key()).arg(card.group);
        else
            ++groupCounts[card.group];
        QSet<QString> distinct;
        for (const QString& word : card.keywords) {
            if (word.trimmed().isEmpty())
                result.problems << QStringLiteral("card %1: an empty keyword").arg(it.key());
            else if (distinct.contains(word))
                result.problems << QStringLiteral("card %1: keyword \"%2\" appears twice").arg(it.key()).arg(word);
            distinct.insert(word);
        }
        if (distinct.size() < kMinKeywords)
            result.problems << QStringLiteral("card %1 \"%2\": %3 different keywords; at least %4 needed")
                                   .arg(it.key()).arg(card.name).arg(distinct.size()).arg(kMinKeywords);
        fewest = std::min(fewest, int(distinct.size()));
        most = std::max(most, int(distinct.size()));
    }
    for (int g = 0; g < 5; ++g) {
        if (groupCounts[g] != kGroupSizes[g])
            result.problems << QStringLiteral("group %1 holds %2 cards; expected %3").arg(g).arg(groupCounts[g]).arg(kGroupSizes[g]);
    }

    result.summary << QStringLiteral("%1 cards: %2 in group 0, %3 in group 1, %4 in group 2, %5 in group 3, %6 in group 4")
                          .arg(cards.size()).arg(groupCounts[0]).arg(groupCounts[1]).arg(groupCounts[2])
                          .arg(groupCounts[3]).arg(groupCounts[4]);
    result.summary << QStringLiteral("%1 keywords, %2 to %3 different ones per card")
                          .arg(keywordRows).arg(cards.isEmpty() ? 0 : fewest).arg(most);
    result.summary << QStringLiteral("%1 distinct meanings, %2 repeated").arg(meanings.size()).arg(duplicateMeanings);
    result.summary << QStringLiteral("%1 decodable pictures").arg(pictures);
    return result;
}

} // namespace kestrune::tutordb

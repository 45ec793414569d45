#include "platform/Seams.h"
#include "platform/db/Database.h"
#include "tutor/Recordset.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune;
using namespace kestrune::tutor;

namespace {

// A small card database: 8 major arcana (ID 1..8), 4 Cups (9..12), 4 Swords
// (13..16); every card has a picture and three keywords, card 3 has none.
constexpr int kMajor = 8;
constexpr int kCards = 16;

int groupOf(int id) { return id <= kMajor ? 0 : (id <= 12 ? 1 : 4); }

QByteArray jpegOf(int seed)
{
    QImage image(24, 40, QImage::Format_RGB32);
    image.fill(qRgb(seed * 13 % 256, seed * 29 % 256, seed * 53 % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

bool writeFixture(const QString& path, const QString& password)
{
    platform::db::Database db;
    if (!db.open(path, password.toUtf8(), platform::db::Database::Mode::Create))
        return false;
    bool ok = db.exec(QStringLiteral(
        "CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT, \"Group\" INTEGER,"
        " normalmeaning TEXT, ReversedMeaning TEXT, PictureData BLOB);"
        "CREATE TABLE tblKeywords (Id INTEGER PRIMARY KEY, CardID INTEGER, cardName TEXT, Keyword TEXT);"
        "BEGIN;"));
    // Inserted out of order: the card query's ORDER BY must do the ordering.
    for (int id = kCards; id >= 1; --id) {
        auto st = db.prepare(QStringLiteral("INSERT INTO tblCards VALUES (?,?,?,?,?,?)"));
        st.bind(1, id);
        st.bind(2, QStringLiteral("Card %1").arg(id));
        st.bind(3, groupOf(id));
        st.bind(4, QStringLiteral("upright %1").arg(id));
        st.bind(5, QStringLiteral("reversed %1").arg(id));
        st.bind(6, jpegOf(id));
        ok = ok && st.execute();
    }
    int keywordId = 1;
    for (int id = 1; id <= kCards; ++id) {
        if (id == 3)
            continue;
        for (int k = 1; k <= 3; ++k) {
            auto st = db.prepare(QStringLiteral("INSERT INTO tblKeywords VALUES (?,?,?,?)"));
            st.bind(1, keywordId++);
            st.bind(2, id);
            st.bind(3, QStringLiteral("Card %1").arg(id));
            st.bind(4, QStringLiteral("word %1.%2").arg(id).arg(k));
            ok = ok && st.execute();
        }
    }
    return ok && db.exec(QStringLiteral("COMMIT"));
}

QList<int> idsOf(Recordset& rs)
{
    QList<int> ids;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        ids << rs.field(QStringLiteral("ID")).toInt();
    return ids;
}

} // namespace

class TestRecordset : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    std::shared_ptr<Connection> open(const QString& path = QString())
    {
        std::shared_ptr<Connection> connection;
        OpenDatabase(connection, path.isEmpty() ? m_path : path);
        return connection;
    }
    Recordset allCards(const std::shared_ptr<Connection>& connection)
    {
        Recordset rs;
        OpenRecordset(rs, connection, QStringLiteral("SELECT * FROM tblCards"));
        return rs;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("learn.dll"));
        QFile::remove(m_path);
        QVERIFY(writeFixture(m_path, tutorDatabasePassword()));
    }
    void cleanup() { platform::resetSeams(); }

    void cardQueryText_data()
    {
        QTest::addColumn<QList<bool>>("groups");  // major, cups, wands, pentacles, swords
        QTest::addColumn<QString>("query");
        QTest::newRow("major arcana only") << QList<bool>{true, false, false, false, false}
                                           << QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");
        QTest::newRow("everything") << QList<bool>{true, true, true, true, true}
                                    << QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR "
                                                      "(Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");
        QTest::newRow("major arcana and Swords")
            << QList<bool>{true, false, false, false, true}
            << QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=4) ORDER BY ID");
        QTest::newRow("Wands and Pentacles without the major arcana")
            << QList<bool>{false, false, true, true, false}
            << QStringLiteral("SELECT * FROM tblCards WHERE (Group=2) OR (Group=3) ORDER BY ID");
    }
    void cardQueryText()
    {
        QFETCH(QList<bool>, groups);
        QFETCH(QString, query);
        QCOMPARE(BuildCardQuery(groups[0], groups[1], groups[2], groups[3], groups[4]), query);
    }

    void reservedColumnIsQuotedOnlyAsBareWord_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare column") << QStringLiteral("WHERE (Group=0) OR (group=4)")
                                     << QStringLiteral("WHERE (\"Group\"=0) OR (\"group\"=4)");
        QTest::newRow("inside a text literal") << QStringLiteral("WHERE Name='Group it''s Group'")
                                               << QStringLiteral("WHERE Name='Group it''s Group'");
        QTest::newRow("already quoted") << QStringLiteral("SELECT \"Group\", [Group] FROM t")
                                        << QStringLiteral("SELECT \"Group\", [Group] FROM t");
        QTest::newRow("part of a longer word") << QStringLiteral("SELECT Groups, tGroup, Group_1 FROM t")
                                               << QStringLiteral("SELECT Groups, tGroup, Group_1 FROM t");
        QTest::newRow("GROUP BY clause") << QStringLiteral("SELECT Group FROM t GROUP  BY Group")
                                         << QStringLiteral("SELECT \"Group\" FROM t GROUP  BY \"Group\"");
        QTest::newRow("comment") << QStringLiteral("SELECT 1 -- Group\n, Group")
                                 << QStringLiteral("SELECT 1 -- Group\n, \"Group\"");
    }
    void reservedColumnIsQuotedOnlyAsBareWord()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        QCOMPARE(platform::db::quoteIdentifiers(sql, {QStringLiteral("Group")}), expected);
    }

    void cardQueryReturnsChosenGroupsInIdOrder()
    {
        auto connection = open();
        QVERIFY(connection->isOpen());
        Recordset rs;
        OpenRecordset(rs, connection, BuildCardQuery(true, false, false, false, true));
        QVERIFY(rs.isOpen());
        QCOMPARE(rs.RecordCount(), kMajor + 4);
        QCOMPARE(idsOf(rs), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16}));
        rs.MoveFirst();
        QCOMPARE(rs.field(QStringLiteral("Group")).toInt(), 0);
        rs.MoveLast();
        QCOMPARE(rs.field(QStringLiteral("Group")).toInt(), 4);
    }

    void filterNarrowsToOneCardAndClears()
    {
        auto connection = open();
        Recordset rs;
        OpenRecordset(rs, connection, BuildCardQuery(true, true, false, false, true));
        QCOMPARE(rs.RecordCount(), kCards);
        rs.Move(3);
        rs.setFilter(QStringLiteral("ID=7"));
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 7);
        QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("Card 7"));
        rs.MoveNext();
        QVERIFY(rs.EOF_());

        rs.setFilter(QString());
        QCOMPARE(rs.RecordCount(), kCards);
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 1);

        // A card outside the set leaves an empty set with both flags up.
        rs.setFilter(QStringLiteral("ID=999"));
        QCOMPARE(rs.RecordCount(), 0);
        QVERIFY(rs.EOF_() && rs.BOF());
        QVERIFY(!rs.field(QStringLiteral("Name")).isValid());
        rs.MoveFirst();
        rs.Move(2);
        QVERIFY(rs.EOF_() && rs.BOF());

        // A filter naming no column fails and leaves the set as it was.
        rs.setFilter(QStringLiteral("ID=5"));
        rs.setFilter(QStringLiteral("Colour=5"));
        QCOMPARE(rs.filter(), QStringLiteral("ID=5"));
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 5);
    }

    void movesAndFlags()
    {
        auto connection = open();
        Recordset rs;
        OpenRecordset(rs, connection, BuildCardQuery(true, false, false, false, false));
        const int count = rs.RecordCount();
        QCOMPARE(count, kMajor);
        QVERIFY(!rs.EOF_() && !rs.BOF());  // a fresh set stands on its first row

        rs.MoveFirst();
        rs.Move(0);
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 1);
        rs.Move(count - 1);
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), kMajor);
        rs.MoveNext();
        QVERIFY(rs.EOF_());
        QVERIFY(!rs.BOF());
        QVERIFY(!rs.field(QStringLiteral("ID")).isValid());
        rs.MoveNext();  // past the end already: stays there
        QVERIFY(rs.EOF_());
        rs.MovePrevious();
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), kMajor);

        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY(rs.BOF());
        QVERIFY(!rs.EOF_());
        rs.MoveNext();
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), 1);

        rs.MoveFirst();
        rs.Move(count + 5);  // beyond the last row: lands past the end
        QVERIFY(rs.EOF_());
        rs.Move(-2);
        QCOMPARE(rs.field(QStringLiteral("ID")).toInt(), kMajor - 1);
    }

    void fieldNamesIgnoreCase()
    {
        auto connection = open();
        Recordset rs = allCards(connection);
        rs.setFilter(QStringLiteral("ID=9"));
        QCOMPARE(rs.field(QStringLiteral("Id")).toInt(), 9);
        QCOMPARE(rs.text(QStringLiteral("NAME")), QStringLiteral("Card 9"));
        QCOMPARE(rs.field(QStringLiteral("group")).toInt(), 1);
        QCOMPARE(rs.text(QStringLiteral("NormalMeaning")), QStringLiteral("upright 9"));
        QCOMPARE(rs.text(QStringLiteral("reversedmeaning")), QStringLiteral("reversed 9"));
        QVERIFY(!rs.field(QStringLiteral("Colour")).isValid());
        QCOMPARE(rs.columns(), (QStringList{QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Group"),
                                            QStringLiteral("normalmeaning"), QStringLiteral("ReversedMeaning"),
                                            QStringLiteral("PictureData")}));
    }

    void keywordQueries()
    {
        auto connection = open();
        Recordset own;
        OpenRecordset(own, connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=5"));
        QStringList words;
        for (own.MoveFirst(); !own.EOF_(); own.MoveNext())
            words << own.text(QStringLiteral("Keyword"));
        QCOMPARE(words, (QStringList{QStringLiteral("word 5.1"), QStringLiteral("word 5.2"), QStringLiteral("word 5.3")}));

        Recordset others;
        OpenRecordset(others, connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5"));
        QCOMPARE(others.RecordCount(), (kCards - 2) * 3);
        for (others.MoveFirst(); !others.EOF_(); others.MoveNext())
            QVERIFY(others.field(QStringLiteral("cardid")).toInt() != 5);

        Recordset none;
        OpenRecordset(none, connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=3"));
        QVERIFY(none.isOpen());
        QCOMPARE(none.RecordCount(), 0);
        QVERIFY(none.EOF_() && none.BOF());
    }

    // Whatever goes wrong, the tutor just sees nothing: no rows, no fields.
    void failuresYieldNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("connects");  // the failure shows only when the rows are read
        QTest::newRow("wrong password") << QStringLiteral("password") << false;
        QTest::newRow("damaged first page") << QStringLiteral("header") << false;
        QTest::newRow("damaged card pages") << QStringLiteral("pages") << true;
        QTest::newRow("truncated file") << QStringLiteral("truncate") << false;
        QTest::newRow("file of zeros") << QStringLiteral("zeros") << false;
        QTest::newRow("missing file") << QStringLiteral("missing") << false;
        QTest::newRow("failing query") << QStringLiteral("query") << true;
    }
    void failuresYieldNothing()
    {
        QFETCH(QString, how);
        QFETCH(bool, connects);
        QString query = BuildCardQuery(true, true, true, true, true);
        QFile file(m_path);
        if (how == u"password") {
            QFile::remove(m_path);
            QVERIFY(writeFixture(m_path, QStringLiteral("NotThePassword123")));
        } else if (how == u"header" || how == u"pages" || how == u"zeros") {
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qint64 size = file.size();
            if (how == u"zeros") {
                QVERIFY(file.write(QByteArray(size, '\0')) == size);
            } else {
                // Scramble every page after the schema, or the first page itself.
                for (qint64 at = how == u"header" ? 100 : 1124; at < (how == u"header" ? 900 : size); at += 1024) {
                    file.seek(at);
                    file.write(QByteArray(64, '\x5a'));
                }
            }
            file.close();
        } else if (how == u"truncate") {
            QVERIFY(file.resize(1500));
        } else if (how == u"missing") {
            QVERIFY(QFile::remove(m_path));
        } else if (how == u"query") {
            query = QStringLiteral("SELECT * FROM tblNoSuchTable ORDER BY ID");
        }

        auto connection = open();
        QVERIFY(connection);
        QCOMPARE(connection->isOpen(), connects);
        Recordset rs;
        OpenRecordset(rs, connection, query);
        QVERIFY(!rs.isOpen());
        QCOMPARE(rs.RecordCount(), 0);
        QVERIFY(rs.EOF_() && rs.BOF());
        rs.MoveFirst();
        rs.Move(3);
        rs.MoveNext();
        rs.MovePrevious();
        rs.setFilter(QStringLiteral("ID=7"));
        QCOMPARE(rs.RecordCount(), 0);
        QVERIFY(!rs.field(QStringLiteral("Name")).isValid());
        QVERIFY(rs.bytes(QStringLiteral("PictureData")).isEmpty());
        rs.setField(QStringLiteral("Name"), QStringLiteral("x"));
        rs.AddNew();
        QVERIFY(!rs.Update());
        if (how == u"missing")
            QVERIFY(!QFile::exists(m_path));  // opening never creates the file
    }

    void pictureIsStoredAndReadBackByteForByte()
    {
        QByteArray picture = jpegOf(200);
        picture.append('\0').append("tail after a NUL");
        {
            auto connection = open();
            Recordset rs = allCards(connection);
            rs.setFilter(QStringLiteral("ID=4"));
            // The first chunk of an edit replaces the old value, later ones append.
            rs.AppendChunk(QStringLiteral("picturedata"), picture.left(100));
            rs.AppendChunk(QStringLiteral("PictureData"), picture.mid(100));
            QVERIFY(rs.Update());
            QCOMPARE(rs.bytes(QStringLiteral("PictureData")), picture);
        }
        auto connection = open();
        Recordset rs = allCards(connection);
        rs.setFilter(QStringLiteral("ID=4"));
        QCOMPARE(rs.ActualSize(QStringLiteral("PictureData")), int(picture.size()));
        QCOMPARE(rs.GetChunk(QStringLiteral("PictureData"), rs.ActualSize(QStringLiteral("PictureData"))), picture);
        rs.setFilter(QStringLiteral("ID=5"));
        QCOMPARE(rs.bytes(QStringLiteral("PictureData")), jpegOf(5));  // its neighbour is untouched
        QImage decoded;
        QVERIFY(decoded.loadFromData(rs.bytes(QStringLiteral("PictureData"))));
    }

    void editsAreWrittenByUpdateOrByMovingOn()
    {
        {
            auto connection = open();
            Recordset rs = allCards(connection);
            rs.setFilter(QStringLiteral("ID=2"));
            rs.setField(QStringLiteral("name"), QStringLiteral("Renamed"));
            rs.setFilter(QString());  // leaving the row writes the change
            rs.setFilter(QStringLiteral("ID=6"));
            rs.setField(QStringLiteral("Name"), QStringLiteral("Dropped"));
            rs.CancelUpdate();
            QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("Card 6"));
        }
        auto connection = open();
        Recordset rs = allCards(connection);
        rs.setFilter(QStringLiteral("ID=2"));
        QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("Renamed"));
        rs.setFilter(QStringLiteral("ID=6"));
        QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("Card 6"));
    }

    void addedRowsAreInsertedAndDuplicatesMissing()
    {
        const int before = (kCards - 1) * 3;
        {
            auto connection = open();
            Recordset keywords;
            OpenRecordset(keywords, connection, QStringLiteral("SELECT * FROM tblKeywords"));
            QCOMPARE(keywords.RecordCount(), before);
            keywords.AddNew();
            keywords.setField(QStringLiteral("Id"), 500);
            keywords.setField(QStringLiteral("CardID"), 3);
            keywords.setField(QStringLiteral("cardName"), QStringLiteral("Card 3"));
            keywords.setField(QStringLiteral("Keyword"), QStringLiteral("Card 3 1"));
            QVERIFY(keywords.Update());
            QCOMPARE(keywords.RecordCount(), before + 1);
            QCOMPARE(keywords.text(QStringLiteral("Keyword")), QStringLiteral("Card 3 1"));

            keywords.AddNew();  // an Id that exists already: the row is simply missing
            keywords.setField(QStringLiteral("Id"), 1);
            keywords.setField(QStringLiteral("Keyword"), QStringLiteral("duplicate"));
            QVERIFY(!keywords.Update());
            QCOMPARE(keywords.RecordCount(), before + 1);

            keywords.AddNew();  // a second AddNew writes the pending one first
            keywords.setField(QStringLiteral("Id"), 501);
            keywords.setField(QStringLiteral("CardID"), 3);
            keywords.setField(QStringLiteral("Keyword"), QStringLiteral("Card 3 2"));
            keywords.AddNew();
            keywords.CancelUpdate();
            QCOMPARE(keywords.RecordCount(), before + 2);
        }
        auto connection = open();
        Recordset rs;
        OpenRecordset(rs, connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=3"));
        QStringList words;
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
            words << rs.text(QStringLiteral("Keyword"));
        QCOMPARE(words, (QStringList{QStringLiteral("Card 3 1"), QStringLiteral("Card 3 2")}));
    }

    void sharedStateUsesTheApplicationFolder()
    {
        platform::setApplicationFolder(m_dir.path());
        QCOMPARE(tutorDatabasePath(), m_path);
        OpenDatabase(TutorConnection(), tutorDatabasePath());
        OpenRecordset(CardRecords(), TutorConnection(), BuildCardQuery(false, true, false, false, false));
        QCOMPARE(CardRecords().RecordCount(), 4);
        QCOMPARE(CardRecords().field(QStringLiteral("ID")).toInt(), 9);

        // Opening anew replaces both; the old set keeps working on its own.
        Recordset old = CardRecords();
        OpenDatabase(TutorConnection(), tutorDatabasePath());
        OpenRecordset(CardRecords(), TutorConnection(), BuildCardQuery(false, false, false, false, true));
        QCOMPARE(idsOf(CardRecords()), (QList<int>{13, 14, 15, 16}));
        QCOMPARE(idsOf(old), (QList<int>{9, 10, 11, 12}));
        TutorConnection().reset();
        CardRecords() = Recordset();
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "test_recordset.moc"

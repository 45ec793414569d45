#include "platform/db/Database.h"
#include "tutor/Recordset.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <sys/stat.h>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune;
using namespace kestrune::tutor;

namespace {

const QString kBinDir = QStringLiteral(KESTRUNE_BIN_DIR);
const QString kBuiltDatabase = kBinDir + QStringLiteral("/learn.dll");

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(kBinDir + QStringLiteral("/kestrune-tutordb"), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray jpegOf(QRgb colour)
{
    QImage image(30, 50, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTutorDbTool : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A copy of the built database changed by one SQL text (run with the password).
    QString alteredCopy(const QString& sql)
    {
        const QString path = m_dir.filePath(QStringLiteral("altered.dll"));
        QFile::remove(path);
        if (!QFile::copy(kBuiltDatabase, path))
            return QString();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        platform::db::Database db;
        if (!db.open(path, tutorDatabasePassword().toUtf8(), platform::db::Database::Mode::ReadWrite) || !db.exec(sql))
            return QString();
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(kBuiltDatabase), "the build writes learn.dll into the program folder");
    }

    void builtDatabasePassesTheCheck()
    {
        const Run run = runTool({QStringLiteral("--check"), kBuiltDatabase});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("78 cards: 22 in group 0, 14 in group 1, 14 in group 2, "
                                                 "14 in group 3, 14 in group 4")), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("78 decodable pictures")));
        QVERIFY(run.out.trimmed().endsWith(QStringLiteral("OK")));
    }

    // Every way a database can fall short makes the check fail with a message.
    void checkFailsOnUnsoundFiles_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged pages") << QStringLiteral("damage") << QStringLiteral("damaged");
        QTest::newRow("truncated") << QStringLiteral("truncate") << QStringLiteral("damaged");
        QTest::newRow("wrong password") << QStringLiteral("password") << QStringLiteral("wrong password or damaged file");
        QTest::newRow("missing file") << QStringLiteral("missing") << QStringLiteral("no such file");
        QTest::newRow("a card missing") << QStringLiteral("DELETE FROM tblCards WHERE ID=40")
                                        << QStringLiteral("group 2 holds 13 cards");
        QTest::newRow("too few keywords") << QStringLiteral("DELETE FROM tblKeywords WHERE Id=(SELECT MIN(Id) FROM tblKeywords WHERE CardID=5)")
                                          << QStringLiteral("6 different keywords");
        QTest::newRow("a keyword twice")
            << QStringLiteral("UPDATE tblKeywords SET Keyword='x' WHERE CardID=9 AND Id IN (SELECT Id FROM tblKeywords WHERE CardID=9 ORDER BY Id LIMIT 2)")
            << QStringLiteral("appears twice");
        QTest::newRow("undecodable picture") << QStringLiteral("UPDATE tblCards SET PictureData=x'FFD8FFE000' WHERE ID=3")
                                             << QStringLiteral("cannot be decoded");
        QTest::newRow("no picture") << QStringLiteral("UPDATE tblCards SET PictureData=NULL WHERE ID=70")
                                    << QStringLiteral("no picture");
        QTest::newRow("name too long") << QStringLiteral("UPDATE tblCards SET Name='Twenty-six characters long' WHERE ID=2")
                                       << QStringLiteral("1 to 25 characters");
        QTest::newRow("repeated meaning")
            << QStringLiteral("UPDATE tblCards SET ReversedMeaning=(SELECT normalmeaning FROM tblCards WHERE ID=1) WHERE ID=2")
            << QStringLiteral("repeats another meaning");
    }
    void checkFailsOnUnsoundFiles()
    {
        QFETCH(QString, how);
        QFETCH(QString, message);
        QString path = m_dir.filePath(QStringLiteral("copy.dll"));
        QFile::remove(path);
        if (how == u"damage" || how == u"truncate") {
            QVERIFY(QFile::copy(kBuiltDatabase, path));
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (how == u"truncate") {
                QVERIFY(file.resize(file.size() / 2));
            } else {
                file.seek(file.size() / 2);
                QVERIFY(file.write(QByteArray(4096, '\x17')) == 4096);
            }
        } else if (how == u"password") {
            platform::db::Database db;
            QVERIFY(db.open(path, QByteArrayLiteral("SomeOtherPassword1"), platform::db::Database::Mode::Create));
            QVERIFY(db.exec(QStringLiteral("CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT)")));
        } else if (how == u"missing") {
            path = m_dir.filePath(QStringLiteral("nothing-here.dll"));
        } else {
            path = alteredCopy(how);
            QVERIFY(!path.isEmpty());
        }
        const Run run = runTool({QStringLiteral("--check"), path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("fails the check")));
    }

    void checkRefusesWhatIsNotARegularFileWithoutHanging_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("message");
        QTest::newRow("a pipe") << true << QStringLiteral("is not a regular file");
        QTest::newRow("a folder") << false << QStringLiteral("is a folder");
    }
    void checkRefusesWhatIsNotARegularFileWithoutHanging()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(fifo ? QStringLiteral("pipe.dll") : QStringLiteral("folder.dll"));
        if (!QFileInfo::exists(path))
            QVERIFY(fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QDir().mkdir(path));
        const Run run = runTool({QStringLiteral("--check"), path});
        QCOMPARE(run.exitCode, 1); // -1: it hung and was stopped
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void repeatedOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("--check twice") << QStringList{"--check", kBuiltDatabase, "--check", kBuiltDatabase};
        QTest::newRow("--build twice") << QStringList{"--build", "a.dll", "--build", "b.dll", "--data", "d",
                                                      "--pictures", "p"};
    }
    void repeatedOptionsAreRefused()
    {
        QFETCH(QStringList, arguments);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("is given more than once")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void buildTakesContentAndDeckPictures()
    {
        const QString data = m_dir.filePath(QStringLiteral("content"));
        const QString pictures = m_dir.filePath(QStringLiteral("cards"));
        QVERIFY(QDir().mkpath(data) && QDir().mkpath(pictures));
        QVERIFY(writeFile(data + QStringLiteral("/cards.tsv"),
                          "ID\tName\tGroup\tnormalmeaning\tReversedMeaning\n"
                          "1\tThe Fool\t0\tup one\tdown one\n"
                          "2\tWheel of Fortune\t0\tup two\tdown two\n"));
        QVERIFY(writeFile(data + QStringLiteral("/keywords.tsv"),
                          "CardID\tKeyword\n1\tleap\n2\tturn\n2\tcycle\n1\tstart\n"));
        // The deck's picture files: The Fool is r6.jpg, its "Wheel Fortune" r21.jpg.
        const QByteArray fool = jpegOf(qRgb(200, 30, 30));
        const QByteArray wheel = jpegOf(qRgb(30, 30, 200));
        QVERIFY(writeFile(pictures + QStringLiteral("/r6.jpg"), fool));
        QVERIFY(writeFile(pictures + QStringLiteral("/r21.jpg"), wheel));

        const QString out = m_dir.filePath(QStringLiteral("small.dll"));
        const Run run = runTool({QStringLiteral("--build"), out, QStringLiteral("--data"), data,
                                 QStringLiteral("--pictures"), pictures});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));

        std::shared_ptr<Connection> connection;
        OpenDatabase(connection, out);
        Recordset cards;
        OpenRecordset(cards, connection, QStringLiteral("SELECT * FROM tblCards"));
        QCOMPARE(cards.RecordCount(), 2);
        cards.setFilter(QStringLiteral("ID=2"));
        QCOMPARE(cards.text(QStringLiteral("Name")), QStringLiteral("Wheel of Fortune"));
        QCOMPARE(cards.bytes(QStringLiteral("PictureData")), wheel);
        cards.setFilter(QStringLiteral("ID=1"));
        QCOMPARE(cards.bytes(QStringLiteral("PictureData")), fool);
        QCOMPARE(cards.text(QStringLiteral("ReversedMeaning")), QStringLiteral("down one"));

        Recordset keywords;
        OpenRecordset(keywords, connection, QStringLiteral("SELECT * FROM tblKeywords"));
        QStringList rows;
        for (keywords.MoveFirst(); !keywords.EOF_(); keywords.MoveNext())
            rows << QStringLiteral("%1 %2 %3 %4").arg(keywords.text(QStringLiteral("Id")), keywords.text(QStringLiteral("CardID")),
                                                      keywords.text(QStringLiteral("cardName")), keywords.text(QStringLiteral("Keyword")));
        QCOMPARE(rows, (QStringList{QStringLiteral("1 1 The Fool leap"), QStringLiteral("2 1 The Fool start"),
                                    QStringLiteral("3 2 Wheel of Fortune turn"), QStringLiteral("4 2 Wheel of Fortune cycle")}));

        // Sound as a file, but far from a whole deck.
        const Run check = runTool({QStringLiteral("--check"), out});
        QCOMPARE(check.exitCode, 1);
        QVERIFY(check.err.contains(QStringLiteral("2 cards; expected 78")));

        // A missing picture stops the build and keeps the previous file.
        QVERIFY(QFile::remove(pictures + QStringLiteral("/r21.jpg")));
        const Run broken = runTool({QStringLiteral("--build"), out, QStringLiteral("--data"), data,
                                    QStringLiteral("--pictures"), pictures});
        QCOMPARE(broken.exitCode, 1);
        QVERIFY2(broken.err.contains(QStringLiteral("Wheel of Fortune")), qPrintable(broken.err));
        OpenDatabase(connection, out);
        OpenRecordset(cards, connection, QStringLiteral("SELECT * FROM tblCards"));
        QCOMPARE(cards.RecordCount(), 2);
        QVERIFY(!QFile::exists(out + QStringLiteral(".part")));
    }

    void buildRejectsMalformedContent_data()
    {
        QTest::addColumn<QByteArray>("cards");
        QTest::addColumn<QByteArray>("keywords");
        QTest::addColumn<QString>("message");
        const QByteArray header = "ID\tName\tGroup\tnormalmeaning\tReversedMeaning\n";
        QTest::newRow("missing field") << header + "1\tThe Fool\t0\tup\n" << QByteArray("CardID\tKeyword\n")
                                       << QStringLiteral("cards.tsv:2: 4 fields, expected 5");
        QTest::newRow("ID twice") << header + "1\tThe Fool\t0\tu\td\n1\tThe Sun\t0\tu2\td2\n"
                                  << QByteArray("CardID\tKeyword\n") << QStringLiteral("ID 1 appears twice");
        QTest::newRow("wrong header") << QByteArray("ID\tName\n1\tThe Fool\n") << QByteArray("CardID\tKeyword\n")
                                      << QStringLiteral("the header must be");
        QTest::newRow("keyword of no card") << header + "1\tThe Fool\t0\tu\td\n" << QByteArray("CardID\tKeyword\n7\tlost\n")
                                            << QStringLiteral("keywords.tsv:2: \"7\" names no card");
        QTest::newRow("name of no deck card") << header + "1\tThe Jester\t0\tu\td\n" << QByteArray("CardID\tKeyword\n")
                                              << QStringLiteral("\"The Jester\" matches no card of the deck");
    }
    void buildRejectsMalformedContent()
    {
        QFETCH(QByteArray, cards);
        QFETCH(QByteArray, keywords);
        QFETCH(QString, message);
        QTemporaryDir data;
        QVERIFY(writeFile(data.filePath(QStringLiteral("cards.tsv")), cards));
        QVERIFY(writeFile(data.filePath(QStringLiteral("keywords.tsv")), keywords));
        const QString out = data.filePath(QStringLiteral("out.dll"));
        const Run run = runTool({QStringLiteral("--build"), out, QStringLiteral("--data"), data.path(),
                                 QStringLiteral("--pictures"), data.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }

    // The shipped content read the way the tutor reads it.
    void shippedContentServesTheTutor()
    {
        std::shared_ptr<Connection> connection;
        OpenDatabase(connection, kBuiltDatabase);
        QVERIFY(connection->isOpen());
        Recordset major;
        OpenRecordset(major, connection, BuildCardQuery(true, false, false, false, false));
        QCOMPARE(major.RecordCount(), 22);
        QCOMPARE(major.text(QStringLiteral("Name")), QStringLiteral("The Fool"));
        major.Move(10);
        QCOMPARE(major.text(QStringLiteral("Name")), QStringLiteral("Wheel of Fortune"));
        major.MoveLast();
        QCOMPARE(major.text(QStringLiteral("Name")), QStringLiteral("The World"));

        Recordset swords;
        OpenRecordset(swords, connection, BuildCardQuery(false, false, false, false, true));
        QCOMPARE(swords.RecordCount(), 14);
        QCOMPARE(swords.text(QStringLiteral("Name")), QStringLiteral("Ace of Swords"));
        swords.MoveLast();
        QCOMPARE(swords.text(QStringLiteral("Name")), QStringLiteral("King of Swords"));

        // No keyword belongs to two cards, so a keyword test's wrong choices are
        // never keywords of the asked card.
        QHash<QString, int> owner;
        Recordset all;
        OpenRecordset(all, connection, QStringLiteral("SELECT * FROM tblCards"));
        for (all.MoveFirst(); !all.EOF_(); all.MoveNext()) {
            const int id = all.field(QStringLiteral("ID")).toInt();
            QVERIFY(all.text(QStringLiteral("Name")).size() <= 25);
            Recordset own;
            OpenRecordset(own, connection, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + QString::number(id));
            QCOMPARE(own.RecordCount(), 7);
            for (own.MoveFirst(); !own.EOF_(); own.MoveNext()) {
                const QString word = own.text(QStringLiteral("Keyword")).toLower();
                QVERIFY2(!owner.contains(word) || owner.value(word) == id, qPrintable(word));
                owner.insert(word, id);
            }
        }
        QCOMPARE(owner.size(), 78 * 7);
    }
};

QTEST_GUILESS_MAIN(TestTutorDbTool)
#include "test_tutordb_tool.moc"

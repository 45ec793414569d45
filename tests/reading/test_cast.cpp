#include "reading/Composer.h"
#include "reading/RecordingSink.h"

#include "deck/Deck.h"
#include "spreads/Spreads.h"

#include "tests/support/ScratchMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

using namespace kestrune;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cast(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KESTRUNE_BIN_DIR "/kestrune-cast"), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString expectedText(const QString& spread, const QList<deck::CardIndex>& cards,
                     const QList<deck::CardIndex>& reversed)
{
    reading::RecordingSink sink;
    reading::WriteReadingHeader(sink, spread);
    reading::WriteReading(sink, spread, int(cards.size()), cards, reversed);
    return sink.textWithNewlines();
}

// The card headings of a printed reading, in position order.
QStringList headings(const QString& text)
{
    QStringList found;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        QString name = line;
        name.remove(QStringLiteral(" - Reversed"));
        for (int c = 0; c < deck::kCardCount; ++c)
            if (name == deck::CardName(c))
                found.append(line);
    }
    return found;
}

} // namespace

class TestCast : public QObject {
    Q_OBJECT

private slots:
    void givenCardsPrintTheBox()
    {
        const Run run = cast({QStringLiteral("--spread"), QStringLiteral("One Card"), QStringLiteral("--cards"),
                              QStringLiteral("6")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out, expectedText(QStringLiteral("One Card"), {6}, {}));
        QVERIFY(run.out.endsWith(QStringLiteral("The best online discussion forum for every esoteric.\n")));
        QVERIFY(!run.out.contains(QLatin1Char('\r')));
    }

    void reversedCardsInPositionOrder()
    {
        const Run run = cast({QStringLiteral("--spread"), QStringLiteral("Three Cards"), QStringLiteral("--cards"),
                              QStringLiteral("0,5,77"), QStringLiteral("--reversed"), QStringLiteral("77,0")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expectedText(QStringLiteral("Three Cards"), {0, 5, 77}, {0, 77}));
        QCOMPARE(headings(run.out), (QStringList{QStringLiteral("Death - Reversed"), QStringLiteral("Temperance"),
                                                  QStringLiteral("Two of Pentacles - Reversed")}));
    }

    // A draw follows the options: the right number of distinct cards of the set,
    // and no reversed card when they are not allowed.
    void drawsLikeAnAutomaticReading_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<bool>("reverse");
        QTest::newRow("default") << QStringList{} << 1 << 0 << 77 << true;
        QTest::newRow("celtic major upright")
            << QStringList{"--spread", "Celtic Cross", "--major", "--no-reverse"} << 10 << 0 << 21 << false;
        QTest::newRow("seasons minor") << QStringList{"--spread", "Four Seasons Spread(Quorvane/Hovelt)", "--minor"}
                                       << 8 << 22 << 77 << true;
    }

    void drawsLikeAnAutomaticReading()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, count);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(bool, reverse);
        const Run run = cast(arguments);
        QCOMPARE(run.exitCode, 0);
        const QStringList found = headings(run.out);
        QCOMPARE(found.size(), count);
        QSet<QString> names;
        for (QString h : found) {
            QVERIFY(reverse || !h.endsWith(QStringLiteral(" - Reversed")));
            h.remove(QStringLiteral(" - Reversed"));
            names.insert(h);
            int index = -1;
            for (int c = 0; c < deck::kCardCount; ++c)
                if (deck::CardName(c) == h)
                    index = c;
            QVERIFY2(index >= low && index <= high, qPrintable(h));
        }
        QCOMPARE(names.size(), count);
    }

    void html()
    {
        const Run run = cast({QStringLiteral("--cards"), QStringLiteral("21"), QStringLiteral("--reversed"),
                              QStringLiteral("21"), QStringLiteral("--format"), QStringLiteral("html")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(run.out.contains(QStringLiteral("<b>Wheel Fortune - Reversed</b>")));
        QVERIFY(run.out.contains(QStringLiteral("text-align: center")));
        QVERIFY(run.out.contains(QStringLiteral("<u>")));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown spread") << QStringList{"--spread", "one card"} << "Seven Card Chakra Layout";
        QTest::newRow("major and minor") << QStringList{"--major", "--minor"} << "--major";
        QTest::newRow("card above 77") << QStringList{"--cards", "78"} << "78";
        QTest::newRow("negative card") << QStringList{"--cards", "-1"} << "-1";
        QTest::newRow("not a number") << QStringList{"--cards", "x"} << "x";
        QTest::newRow("empty entry") << QStringList{"--spread", "Two Cards", "--cards", "1,"} << "--cards";
        QTest::newRow("repeated card") << QStringList{"--spread", "Two Cards", "--cards", "4,4"} << "twice";
        QTest::newRow("too few cards") << QStringList{"--spread", "Celtic Cross", "--cards", "1,2,3"} << "10";
        QTest::newRow("too many cards") << QStringList{"--cards", "1,2"} << "1 card";
        QTest::newRow("minor card with --major") << QStringList{"--major", "--cards", "22"} << "major arcana";
        QTest::newRow("major card with --minor") << QStringList{"--minor", "--cards", "21"} << "minor arcana";
        QTest::newRow("reversed not among cards") << QStringList{"--cards", "5", "--reversed", "6"} << "6";
        QTest::newRow("reversed without cards") << QStringList{"--reversed", "6"} << "--cards";
        QTest::newRow("reversed with no-reverse")
            << QStringList{"--cards", "5", "--reversed", "5", "--no-reverse"} << "--no-reverse";
        QTest::newRow("unknown option") << QStringList{"--shuffle"} << "shuffle";
        QTest::newRow("bad format") << QStringList{"--format", "pdf"} << "pdf";
        QTest::newRow("stray argument") << QStringList{"Celtic Cross"} << "Celtic Cross";
        QTest::newRow("option twice") << QStringList{"--cards", "1", "--cards", "2"} << "more than once";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = cast(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void anOutputThatCannotBeWrittenIsAFailure_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        const QStringList reading{QStringLiteral("--spread"), QStringLiteral("Celtic Cross")};
        const QStringList help{QStringLiteral("--help")};
        QTest::newRow("reading, full disk") << reading << "full";
        QTest::newRow("help, full disk") << help << "full";
        QTest::newRow("reading, closed output") << reading << "closed";
        QTest::newRow("help, closed output") << help << "closed";
    }
    void anOutputThatCannotBeWrittenIsAFailure()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QProcess process;
        kestrune::testing::ScratchMount disk(4096);
        if (output == QLatin1String("full")) {
            if (!disk.isMounted())
                QSKIP("mounting a small file system needs root");
            QFile filler(disk.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(512, 'f')) == 512) {
            }
            filler.close();
            process.setStandardOutputFile(disk.filePath(QStringLiteral("out.txt")));
        } else {
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        }
        process.start(QStringLiteral(KESTRUNE_BIN_DIR "/kestrune-cast"), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY(process.exitCode() != 0);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith(QLatin1String("kestrune-cast: cannot write to standard output: ")), qPrintable(err));
    }

    void unknownSpreadListsAllEight()
    {
        const Run run = cast({QStringLiteral("--spread"), QStringLiteral("Nine Cards")});
        QCOMPARE(run.exitCode, 2);
        for (const spreads::Spread& s : spreads::AllSpreads())
            QVERIFY2(run.err.contains(s.name), qPrintable(s.name));
    }
};

QTEST_GUILESS_MAIN(TestCast)
#include "test_cast.moc"

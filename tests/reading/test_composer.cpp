#include "reading/Composer.h"
#include "reading/RecordingSink.h"

#include "deck/Deck.h"
#include "platform/AppInfo.h"
#include "spreads/Spreads.h"

#include <QTest>

using namespace kestrune;
using namespace kestrune::reading;
using Span = RecordingSink::Span;
using Alignment = RecordingSink::Alignment;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString RULE = QString(512, QLatin1Char(' '));

QString preamble()
{
    return appinfo::forumSiteName()
        + QStringLiteral(" the most popular online discussion forum. A place to learn, to share and to make new "
                         "friends.\r\n\r\nVisit \r\n")
        + appinfo::forumAddress() + QStringLiteral(" \r\nNow \r\n") + RULE + CRLF;
}

QString closing()
{
    return CRLF + QStringLiteral("Thank You for using Brellix. Come spend some time with us online at ")
        + appinfo::forumAddress() + QStringLiteral(". The best online discussion forum for every esoteric.") + CRLF;
}

QStringList texts(const QList<Span>& spans)
{
    QStringList result;
    for (const Span& s : spans)
        result.append(s.text);
    return result;
}

} // namespace

class TestComposer : public QObject {
    Q_OBJECT

private slots:
    void oneCardHeaderExactly()
    {
        RecordingSink sink;
        WriteReadingHeader(sink, QStringLiteral("One Card"));
        const QString description = spreads::FindSpread(QStringLiteral("One Card"))->description;
        QCOMPARE(sink.text(), preamble() + QStringLiteral("Spread Type - One Card") + CRLF + description + CRLF + CRLF
                                  + RULE + CRLF + CRLF);

        // The preamble's lines are one bold run; the rules are underlined only.
        const QString boldPreamble = preamble().chopped(RULE.size() + 2);
        QCOMPARE(texts(sink.boldSpans()), (QStringList{boldPreamble, QStringLiteral("Spread Type - One Card")}));
        QCOMPARE(texts(sink.underlinedSpans()), (QStringList{RULE + CRLF, RULE + CRLF + CRLF}));

        // "Visit ", the address and "Now " are centred, the rule below is not.
        const QList<Alignment> align = sink.paragraphAlignments();
        QCOMPARE(align.size(), sink.paragraphs().size());
        for (int p = 0; p < align.size(); ++p)
            QCOMPARE(align[p] == Alignment::Centre, p >= 2 && p <= 4);
        QCOMPARE(sink.paragraphs()[2], QStringLiteral("Visit "));
        QCOMPARE(sink.paragraphs()[4], QStringLiteral("Now "));
        QCOMPARE(sink.operations().first(), QStringLiteral("toEnd"));
    }

    void headerDescriptionLayout_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QString>("between"); // after the heading, before the description
        QTest::addColumn<QString>("after");   // after the description, before the rule
        QTest::newRow("one card") << "One Card" << CRLF << CRLF + CRLF;
        QTest::newRow("three cards") << "Three Cards" << CRLF << CRLF + CRLF;
        QTest::newRow("wheel: empty line first") << "Wystran Wheel Spread(Tasmerin)" << CRLF + CRLF << CRLF;
        QTest::newRow("celtic") << "Celtic Cross" << CRLF << CRLF;
        QTest::newRow("line") << "The Line Spread" << CRLF << CRLF;
        QTest::newRow("chakra") << "Seven Card Chakra Layout" << CRLF << CRLF;
        QTest::newRow("seasons") << "Four Seasons Spread(Quorvane/Hovelt)" << CRLF << CRLF;
    }

    void headerDescriptionLayout()
    {
        QFETCH(QString, spread);
        QFETCH(QString, between);
        QFETCH(QString, after);
        const spreads::Spread* s = spreads::FindSpread(spread);
        RecordingSink sink;
        WriteReadingHeader(sink, spread);
        QCOMPARE(sink.text(),
                 preamble() + s->reportHeading + between + s->description + after + RULE + CRLF + CRLF);
    }

    void unknownSpreadWritesThePreambleAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("reset record") << "-1";
        QTest::newRow("wrong case") << "celtic cross";
        QTest::newRow("empty") << "";
    }

    void unknownSpreadWritesThePreambleAlone()
    {
        QFETCH(QString, name);
        RecordingSink sink;
        WriteReadingHeader(sink, name);
        QCOMPARE(sink.text(), preamble());

        // The body still writes each card and the closing line, without titles.
        RecordingSink body;
        WriteReading(body, name, 1, {6}, {});
        QCOMPARE(body.text(),
                 CRLF + CRLF + QStringLiteral("The Fool") + CRLF + deck::CardMeaning(6, false) + CRLF + RULE + CRLF
                     + closing());
    }

    // The worked example: One Card with The Fool upright.
    void oneCardBodyExactly()
    {
        RecordingSink sink;
        Reading r;
        r.Options.card = QStringLiteral("One Card");
        r.Options.no = 1;
        r.DrawnCards = {6};
        WriteReading(sink, r);
        const QString guidance =
            QStringLiteral("This represents the most important factor that affects the issue in hand.");
        QCOMPARE(sink.text(), QStringLiteral("Card 1:  ") + guidance + CRLF + CRLF + QStringLiteral("The Fool") + CRLF
                                  + deck::CardMeaning(6, false) + CRLF + RULE + CRLF + closing());
        QCOMPARE(texts(sink.boldSpans()),
                 (QStringList{QStringLiteral("Card 1:  "), CRLF + CRLF + QStringLiteral("The Fool"), closing()}));
        QCOMPARE(texts(sink.underlinedSpans()), (QStringList{CRLF + RULE + CRLF}));

        const QStringList lines = sink.paragraphs();
        QCOMPARE(lines[0], QStringLiteral("Card 1:  ") + guidance);
        QVERIFY(lines[1].isEmpty());
        QCOMPARE(lines[2], QStringLiteral("The Fool"));
        QCOMPARE(lines[4], RULE);
        QVERIFY(lines[5].isEmpty());
        QVERIFY(lines[6].startsWith(QStringLiteral("Thank You for using Brellix.")));
    }

    // Only "Card 3 - " is bold; its text follows on the same line.
    void lineSpreadTitlesInline()
    {
        RecordingSink sink;
        WriteReading(sink, QStringLiteral("The Line Spread"), 5, {22, 23, 24, 25, 26}, {});
        QVERIFY(sink.paragraphs().contains(QStringLiteral("Card 3 - This card represents the present.")));
        QVERIFY(texts(sink.boldSpans()).contains(QStringLiteral("Card 3 - ")));
        QVERIFY(!sink.isBold(sink.text().indexOf(QStringLiteral("This card represents the present."))));
    }

    // Block titles on their own line; reversed cards get their heading and
    // reversed text; Death reversed follows after a single break.
    void celticCrossWithReversals()
    {
        RecordingSink sink;
        const QList<CardIndex> drawn = {0, 1, 2, 3, 4, 5, 6, 7, 8, 77};
        const QList<CardIndex> reversed = {77, 0};
        WriteReading(sink, QStringLiteral("Celtic Cross"), 10, drawn, reversed);
        const spreads::Spread* celtic = spreads::FindSpread(QStringLiteral("Celtic Cross"));
        const QString& text = sink.text();

        // Position 1: Death reversed, one break after the position text.
        const QString first = QStringLiteral("Card 1: The Covering") + CRLF + celtic->texts[0] + CRLF
            + QStringLiteral("Death - Reversed") + CRLF + deck::CardMeaning(0, true) + CRLF + RULE + CRLF;
        QVERIFY(text.startsWith(first));
        // Position 2: upright Hermit with the usual empty line.
        QVERIFY(text.contains(QStringLiteral("Card 2: The Crossing") + CRLF + celtic->texts[1] + CRLF + CRLF
                              + QStringLiteral("The Hermit") + CRLF + deck::CardMeaning(1, false) + CRLF));
        QVERIFY(text.contains(CRLF + CRLF + QStringLiteral("Two of Pentacles - Reversed") + CRLF
                              + deck::CardMeaning(77, true) + CRLF));
        QVERIFY(text.endsWith(closing()));

        const QStringList bold = texts(sink.boldSpans());
        QCOMPARE(bold.size(), 10 * 2 + 1);
        for (int p = 0; p < 10; ++p)
            QCOMPARE(bold[2 * p], celtic->titles[p]);
        QCOMPARE(bold[1], CRLF + QStringLiteral("Death - Reversed"));
        QCOMPARE(bold[3], CRLF + CRLF + QStringLiteral("The Hermit"));
        QCOMPARE(sink.underlinedSpans().size(), 10);
    }

    void deathUprightKeepsTheEmptyLine()
    {
        RecordingSink sink;
        WriteReading(sink, QStringLiteral("One Card"), 1, {0}, {});
        QVERIFY(sink.text().contains(QStringLiteral("issue in hand.") + CRLF + CRLF + QStringLiteral("Death") + CRLF));
    }

    void wystranTitlesAreBlocks()
    {
        RecordingSink sink;
        WriteReading(sink, QStringLiteral("Wystran Wheel Spread(Tasmerin)"), 5, {10, 11, 12, 13, 14}, {12});
        QVERIFY(sink.paragraphs().contains(QStringLiteral("Card 3 - Hidden or Unconscious Influences")));
        QVERIFY(sink.paragraphs().contains(QStringLiteral("The High Priestess")));
        QVERIFY(sink.paragraphs().contains(QStringLiteral("The Hierophant - Reversed")));
    }

    // A position without a card keeps only its rule; missing entries count as such.
    void positionsWithoutACard()
    {
        RecordingSink sink;
        WriteReading(sink, QStringLiteral("Three Cards"), 3, {5, 78}, {});
        const QString& text = sink.text();
        QVERIFY(text.contains(QStringLiteral("Card 1 - Past")));
        QVERIFY(!text.contains(QStringLiteral("Card 2 - Present")));
        QVERIFY(!text.contains(QStringLiteral("Card 3 - Future")));
        QCOMPARE(text.count(RULE), 3);
        QVERIFY(text.endsWith(CRLF + RULE + CRLF + CRLF + RULE + CRLF + closing()));
    }

    void showPositionTitle_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("two cards, second") << "Two Cards" << 1
            << "Card 2: This card signifies what can happen if you carry out the solution that this card represents.";
        QTest::newRow("seasons, bare title") << "Four Seasons Spread(Quorvane/Hovelt)" << 1
            << "Card 2\r\nThis card alters the next card (Card 3)";
        QTest::newRow("beyond the spread") << "Two Cards" << 2 << "";
        QTest::newRow("unknown spread") << "Two cards" << 0 << "";
    }

    void showPositionTitle()
    {
        QFETCH(QString, spread);
        QFETCH(int, position);
        QFETCH(QString, text);
        RecordingSink sink;
        ShowPositionTitle(sink, spread, position);
        QCOMPARE(sink.text(), text);
    }

    void htmlKeepsFormatting()
    {
        RecordingSink sink;
        WriteReadingHeader(sink, QStringLiteral("One Card"));
        WriteReading(sink, QStringLiteral("One Card"), 1, {6}, {});
        const QString html = sink.toHtml(QStringLiteral("Reading & more"));
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(html.contains(QStringLiteral("<title>Reading &amp; more</title>")));
        QVERIFY(html.contains(QStringLiteral("<p style=\"text-align: center\"><b>Visit </b></p>")));
        QVERIFY(html.contains(QStringLiteral("<p><b>Card 1:  </b>This represents")));
        QVERIFY(html.contains(QStringLiteral("<p class=\"rule\"><u>") + RULE + QStringLiteral("</u></p>")));
        QCOMPARE(html.count(QStringLiteral("class=\"rule\"")), 3);
        QVERIFY(html.contains(QStringLiteral("<p><br></p>")));
        QVERIFY(!html.contains(QLatin1Char('\r')));
        QVERIFY(html.trimmed().endsWith(QStringLiteral("</html>")));
    }
};

QTEST_GUILESS_MAIN(TestComposer)
#include "test_composer.moc"

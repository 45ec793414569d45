#include "spreads/Spreads.h"

#include "platform/Seams.h"

#include <QSet>
#include <QTest>

using namespace kestrune::spreads;

class TestSpreads : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { kestrune::platform::resetSeams(); }

    void catalogueRows_data()
    {
        QTest::addColumn<int>("listPosition");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("block");
        QTest::newRow("celtic") << 0 << "Celtic Cross" << 10 << "Spread Type - Celtic Cross Spread" << true;
        QTest::newRow("one") << 1 << "One Card" << 1 << "Spread Type - One Card" << false;
        QTest::newRow("two") << 2 << "Two Cards" << 2 << "Spread Type - Two Cards" << false;
        QTest::newRow("three") << 3 << "Three Cards" << 3 << "Spread Type - Three Cards" << true;
        QTest::newRow("line") << 4 << "The Line Spread" << 5 << "Spread Type - The Line Spread" << false;
        QTest::newRow("wheel") << 5 << "Wystran Wheel Spread(Tasmerin)" << 5
                               << "Spread Type - Wystran Wheel Spread(Tasmerin)" << true;
        QTest::newRow("chakra") << 6 << "Seven Card Chakra Layout" << 7 << "Spread Type - Seven Card Chakra Spread"
                                << true;
        QTest::newRow("seasons") << 7 << "Four Seasons Spread(Quorvane/Hovelt)" << 8
                                 << "Spread Type - Four Seasons Spread" << true;
    }

    void catalogueRows()
    {
        QFETCH(int, listPosition);
        QFETCH(QString, name);
        QFETCH(int, cards);
        QFETCH(QString, heading);
        QFETCH(bool, block);

        const Spread* byName = FindSpread(name);
        QVERIFY(byName);
        QCOMPARE(byName, SpreadAtListPosition(listPosition));
        QCOMPARE(byName, &AllSpreads()[listPosition]);
        QCOMPARE(byName->listPosition, listPosition);
        QCOMPARE(byName->cardCount, cards);
        QCOMPARE(byName->reportHeading, heading);
        QCOMPARE(byName->style == PositionStyle::Block, block);
        QCOMPARE(byName->titles.size(), cards);
        QCOMPARE(byName->texts.size(), cards);
        for (int p = 0; p < cards; ++p) {
            QVERIFY(!byName->PositionTitle(p).isEmpty());
            QVERIFY(!byName->PositionText(p).isEmpty());
            QVERIFY(FindPlacement(listPosition, p).has_value());
        }
        QVERIFY(byName->PositionTitle(cards).isEmpty());
        QVERIFY(byName->PositionText(-1).isEmpty());
        QVERIFY(PositionGuidance(*byName, cards).isEmpty());
        QVERIFY(!FindPlacement(listPosition, cards).has_value());
        QVERIFY(byName->description.size() > 100);

        kestrune::platform::setApplicationFolder(QStringLiteral("/opt/k"));
        QCOMPARE(byName->PreviewPicturePath(), QStringLiteral("/opt/k/pic/c%1.jpg").arg(listPosition));
    }

    void findIsExactAndCaseSensitive()
    {
        QVERIFY(FindSpread(QStringLiteral("One Card")));
        QVERIFY(!FindSpread(QStringLiteral("one card")));
        QVERIFY(!FindSpread(QStringLiteral(" One Card")));
        QVERIFY(!FindSpread(QStringLiteral("Seven card chakra layout")));
        QVERIFY(!FindSpread(QStringLiteral("-1")));
        QVERIFY(!FindSpread(QString()));
        QVERIFY(!SpreadAtListPosition(8));
        QVERIFY(!SpreadAtListPosition(-1));
    }

    void guidance_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("guidance");
        QTest::newRow("one card, two spaces") << "One Card" << 0
            << "Card 1:  This represents the most important factor that affects the issue in hand.";
        QTest::newRow("two cards share their text")
            << "Two Cards" << 1
            << "Card 2: This card signifies what can happen if you carry out the solution that this card represents.";
        QTest::newRow("three cards, block") << "Three Cards" << 2
            << "Card 3 - Future\r\nThis card represents the future outcome of the present circumstances or events "
               "that may lead to the outcome.";
        QTest::newRow("line, inline") << "The Line Spread" << 2 << "Card 3 - This card represents the present.";
        QTest::newRow("wheel") << "Wystran Wheel Spread(Tasmerin)" << 4
            << "Card 5 - Synthesis\r\nThis represents the synthesis of the whole situation and the meaning of all "
               "the influences.";
        QTest::newRow("chakra throat, two spaces") << "Seven Card Chakra Layout" << 4
            << "Card 5 - The Throat\r\nThis relates to the querent's thirst to know 'who he is', 'what does he want' "
               "and 'who would he like to be'.  This shows how you can connect to your ideas and communicate.";
        QTest::newRow("chakra crown, odd spelling") << "Seven Card Chakra Layout" << 6
            << "Card 7 - The Crown\r\nThis represents the querent's connection to a higher begin whom he reveres, "
               "final goals and aspirations.";
        QTest::newRow("seasons Card5") << "Four Seasons Spread(Quorvane/Hovelt)" << 3
            << "Card 4\r\nThis card alters the next card (Card5)";
        QTest::newRow("seasons last") << "Four Seasons Spread(Quorvane/Hovelt)" << 7
            << "Card 8\r\nThis card alters Card 1.";
        QTest::newRow("celtic crossing") << "Celtic Cross" << 1
            << "Card 2: The Crossing\r\nThis represents the current problems, challenges and negative influences "
               "that the querent has to face.";
        QTest::newRow("celtic ten") << "Celtic Cross" << 9
            << "Card 10: The Outcome\r\nThis represents the final outcome of the situation.";
    }

    void guidance()
    {
        QFETCH(QString, spread);
        QFETCH(int, position);
        QFETCH(QString, guidance);
        const Spread* s = FindSpread(spread);
        QVERIFY(s);
        QCOMPARE(PositionGuidance(*s, position), guidance);
    }

    void descriptionsKeepTheirSpacing()
    {
        QVERIFY(FindSpread(QStringLiteral("Seven Card Chakra Layout"))
                    ->description.contains(QStringLiteral("from bottom to top.  This spread")));
        QCOMPARE(FindSpread(QStringLiteral("Wystran Wheel Spread(Tasmerin)"))->description,
                 QStringLiteral("This layout is based on the Wystran Wheel. He did not invent this spread but this "
                                "is based on his tarot wheel."));
        QSet<QString> seen;
        for (const Spread& s : AllSpreads())
            seen.insert(s.description);
        QCOMPARE(seen.size(), kSpreadCount);
    }

    void menuOrderAndListLookup()
    {
        const QList<MenuEntry> menu = SpreadMenu();
        QCOMPARE(menu.size(), 8);
        const QStringList objects = {"mnuCeltic", "mnuOne", "mnuTwo", "mnyThree",
                                     "mnuWystran", "mnuLine", "mnuSeven", "mnuFour"};
        const QStringList captions = {"&Celtic Cross", "&One Card", "&Two Cards", "T&hree Cards",
                                      "&Wystran Wheel Spread(Tasmerin)", "The &Line Spread",
                                      "&Seven card chakra layout", "F&our Seasons Spread(Quorvane/Hovelt)"};
        const QList<int> selects = {0, 1, 2, 3, 5, 4, 6, 7};
        for (int i = 0; i < menu.size(); ++i) {
            QCOMPARE(menu[i].objectName, objects[i]);
            QCOMPARE(menu[i].caption, captions[i]);
            QCOMPARE(ListPositionIgnoringCase(menu[i].listText), selects[i]);
        }
        QCOMPARE(menu[6].listText, QStringLiteral("Seven card chakra layout"));
        QCOMPARE(ListPositionIgnoringCase(QStringLiteral("CELTIC CROSS")), 0);
        QCOMPARE(ListPositionIgnoringCase(QStringLiteral("Celtic")), -1);
    }

    void layout()
    {
        // Telling rows: the crossing card over the centre, the chakra column
        // from the bottom up with its uneven step, the line from right to left.
        QCOMPARE(PositionPlacement(0, 0), QPoint(3200, 3700));
        QCOMPARE(PositionPlacement(0, 1), QPoint(2300, 4200));
        QCOMPARE(PositionPlacement(0, 6), QPoint(8500, 11300));
        QCOMPARE(PositionPlacement(0, 9), QPoint(8500, 0));
        QCOMPARE(PositionPlacement(1, 0), QPoint(5000, 2500));
        QCOMPARE(PositionPlacement(4, 0), QPoint(8900, 2500));
        QCOMPARE(PositionPlacement(4, 4), QPoint(100, 2500));
        QCOMPARE(PositionPlacement(5, 2), QPoint(5000, 7600));
        QCOMPARE(PositionPlacement(6, 0), QPoint(4500, 22600));
        QCOMPARE(PositionPlacement(6, 4).y() - PositionPlacement(6, 5).y(), 3700);
        QCOMPARE(PositionPlacement(6, 6), QPoint(4500, 0));
        QCOMPARE(PositionPlacement(7, 6), QPoint(4500, 15200));
        QCOMPARE(PositionPlacement(7, 7), QPoint(6700, 11400));
        QCOMPARE(PositionPlacement(8, 0), QPoint(0, 0));
        QVERIFY(!FindPlacement(1, 1));

        // Every box lies inside the table.
        for (const Spread& s : AllSpreads())
            for (int p = 0; p < s.cardCount; ++p) {
                const QPoint at = PositionPlacement(s.listPosition, p);
                QVERIFY(at.x() >= 0 && at.x() < kTableSize.width());
                QVERIFY(at.y() >= 0 && at.y() < kTableSize.height());
            }

        for (int l = 0; l < 8; ++l)
            for (int p = 0; p < 10; ++p)
                QCOMPARE(IsCrossingPosition(l, p), l == 0 && p == 1);
        QCOMPARE(LabelOffset(6), QPoint(120, 0));
        QCOMPARE(LabelOffset(0), QPoint(0, 0));
        QCOMPARE(LabelOffset(9), QPoint(0, 0));
    }
};

QTEST_GUILESS_MAIN(TestSpreads)
#include "test_spreads.moc"

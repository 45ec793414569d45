#include "deck/Deck.h"

#include "platform/Seams.h"

#include <QHash>
#include <QTest>

using namespace kestrune::deck;

class TestDeck : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { kestrune::platform::resetSeams(); }

    void orderAndSplit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("major");
        QTest::newRow("first") << 0 << "Death" << true;
        QTest::newRow("fool") << 6 << "The Fool" << true;
        QTest::newRow("no of") << 21 << "Wheel Fortune" << true;
        QTest::newRow("first minor") << 22 << "Two of Cups" << false;
        QTest::newRow("twos lack pentacles") << 24 << "Two of Wands" << false;
        QTest::newRow("threes") << 26 << "Three of Pentacles" << false;
        QTest::newRow("tens end") << 56 << "Ten of Wands" << false;
        QTest::newRow("aces after tens") << 57 << "Ace of Cups" << false;
        QTest::newRow("queens") << 76 << "Queen of Wands" << false;
        QTest::newRow("last") << 77 << "Two of Pentacles" << false;
    }

    void orderAndSplit()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(bool, major);
        QCOMPARE(CardName(index), name);
        QCOMPARE(IsMajorArcana(index), major);
        QCOMPARE(CardHeading(index, false), name);
        QCOMPARE(CardHeading(index, true), name + QStringLiteral(" - Reversed"));
    }

    void outsideTheDeck()
    {
        for (int c : {-1, 78, 1000}) {
            QVERIFY(!IsCardIndex(c));
            QVERIFY(!IsMajorArcana(c));
            QVERIFY(CardName(c).isEmpty());
            QVERIFY(CardHeading(c, true).isEmpty());
            QVERIFY(CardMeaning(c, false).isEmpty());
        }
    }

    void quotedTexts()
    {
        QCOMPARE(CardMeaning(6, false),
                 QStringLiteral("This signifies the beginning of a new journey. It may be physical, spiritual or "
                                "mental in nature. This is the time for new beginnings, ventures and adventures. Good "
                                "time for making investments. But you also need to be careful and think twice before "
                                "taking any decision."));
        QCOMPARE(CardMeaning(0, true),
                 QStringLiteral("The changes in your life may not be pleasant. You may not be ready to face them. "
                                "This may leave you exhausted mentally as well as physically. This may be a period of "
                                "stagnation. You may be lethargic and make excuses for your actions."));
        QCOMPARE(CardMeaning(77, true),
                 QStringLiteral("You may not be able to handle multiple matters. You may spend beyond your means as "
                                "there is no proper planning. You need to recognize the signs indicating trouble. You "
                                "may reckless and rash. Projects may not be completed."));
        QVERIFY(CardMeaning(21, false).startsWith(QStringLiteral("You may have some special gains.")));
    }

    void sharedReversedTexts()
    {
        QCOMPARE(CardMeaning(11, true), CardMeaning(20, true));
        QVERIFY(CardMeaning(11, true).startsWith(QStringLiteral("You may feel dissatisfied with life.")));
        QCOMPARE(CardMeaning(26, true), CardMeaning(27, true));
        QVERIFY(CardMeaning(26, true).startsWith(QStringLiteral("Skillful work is neglected at the cost")));
    }

    // Every other text is its own, one paragraph of a readable length.
    void allOtherTextsDistinct()
    {
        QHash<QString, QString> owner;
        for (int c = 0; c < kCardCount; ++c) {
            for (bool reversed : {false, true}) {
                const QString text = CardMeaning(c, reversed);
                const QString who = CardHeading(c, reversed);
                QVERIFY2(text.size() >= 120 && text.size() <= 350, qPrintable(who));
                QVERIFY2(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')), qPrintable(who));
                QVERIFY2(text.trimmed() == text, qPrintable(who));
                const bool shared = reversed && (c == 20 || c == 27);
                if (!shared)
                    QVERIFY2(!owner.contains(text), qPrintable(who + QStringLiteral(" repeats ") + owner.value(text)));
                owner.insert(text, who);
            }
        }
        QCOMPARE(owner.size(), 2 * kCardCount - 2);
    }

    void picturePaths()
    {
        kestrune::platform::setApplicationFolder(QStringLiteral("/opt/kestrune"));
        QCOMPARE(CardPicturePath(5), QStringLiteral("/opt/kestrune/cards/r5.jpg"));
        QCOMPARE(CardPicturePath(0), QStringLiteral("/opt/kestrune/cards/r0.jpg"));
        QCOMPARE(CardPicturePath(77), QStringLiteral("/opt/kestrune/cards/r77.jpg"));
        QCOMPARE(CardPicturePath(QStringLiteral("/x"), 10), QStringLiteral("/x/cards/r10.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestDeck)
#include "test_deck.moc"

#include "reading/Draw.h"
#include "reading/ManualDeal.h"

#include "platform/Seams.h"

#include <QSet>
#include <QTest>

using namespace kestrune;
using namespace kestrune::reading;

namespace {

// A seeded source that counts how often the draw asks for a fresh sequence.
class CountingRandom : public platform::RandomSource {
public:
    explicit CountingRandom(quint32 seed) : m_source(seed) {}
    float uniform() override
    {
        ++draws;
        return m_source.uniform();
    }
    void reseed() override { ++reseeds; }
    int draws = 0;
    int reseeds = 0;

private:
    platform::MersenneRandom m_source;
};

Reading readingOf(int count, const QString& name, bool lboo = false, bool hboo = false, bool rboo = false)
{
    Reading r;
    r.Options.no = count;
    r.Options.card = name;
    r.Options.lboo = lboo;
    r.Options.hboo = hboo;
    r.Options.rboo = rboo;
    return r;
}

bool distinct(const QList<CardIndex>& cards) { return QSet<CardIndex>(cards.begin(), cards.end()).size() == cards.size(); }

} // namespace

Q_DECLARE_METATYPE(kestrune::reading::CardSet)

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::resetSeams(); }

    void cardSets()
    {
        QCOMPARE(CardSetBase(CardSet::FullDeck), 0);
        QCOMPARE(CardSetSize(CardSet::FullDeck), 78);
        QCOMPARE(CardSetBase(CardSet::MajorArcana), 0);
        QCOMPARE(CardSetSize(CardSet::MajorArcana), 22);
        QCOMPARE(CardSetBase(CardSet::MinorArcana), 22);
        QCOMPARE(CardSetSize(CardSet::MinorArcana), 56);
        QCOMPARE(CardSetFor(false, false), CardSet::FullDeck);
        QCOMPARE(CardSetFor(true, false), CardSet::MinorArcana);
        QCOMPARE(CardSetFor(false, true), CardSet::MajorArcana);
        QVERIFY(!CardSetFor(true, true));
    }

    // c = base + floor(size * u) at the ends of [0, 1) and in between.
    void drawCardFormula_data()
    {
        QTest::addColumn<CardSet>("set");
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("card");
        const float top = 0.99999994f; // the largest float below 1
        QTest::newRow("full 0") << CardSet::FullDeck << 0.0f << 0;
        QTest::newRow("full top") << CardSet::FullDeck << top << 77;
        QTest::newRow("full half") << CardSet::FullDeck << 0.5f << 39;
        QTest::newRow("major 0") << CardSet::MajorArcana << 0.0f << 0;
        QTest::newRow("major top") << CardSet::MajorArcana << top << 21;
        QTest::newRow("minor 0") << CardSet::MinorArcana << 0.0f << 22;
        QTest::newRow("minor top") << CardSet::MinorArcana << top << 77;
        QTest::newRow("minor quarter") << CardSet::MinorArcana << 0.25f << 36;
    }

    void drawCardFormula()
    {
        QFETCH(CardSet, set);
        QFETCH(float, u);
        QFETCH(int, card);
        platform::ScriptedRandom source({u});
        platform::setRandom(&source);
        QCOMPARE(DrawCard(set, {}), card);
        QCOMPARE(source.used(), std::size_t(1));
    }

    // A card already drawn is drawn again, and events are let through before
    // every attempt.
    void drawCardRetriesTakenCards()
    {
        platform::ScriptedRandom source({0.0f, 0.01f, 0.5f});
        platform::setRandom(&source);
        int pumps = 0;
        platform::setEventPump([&] { ++pumps; });
        QCOMPARE(DrawCard(CardSet::FullDeck, {0, 5}), 39);
        QCOMPARE(source.used(), std::size_t(3));
        QCOMPARE(pumps, 3);
    }

    void drawCardFromAnExhaustedSetGivesNone()
    {
        QList<CardIndex> all;
        for (CardIndex c = 0; c < 22; ++c)
            all.append(c);
        platform::ScriptedRandom source({0.0f});
        platform::setRandom(&source);
        QCOMPARE(DrawCard(CardSet::MajorArcana, all), -1);
        // Cards outside the set do not count against it.
        QCOMPARE(DrawCard(CardSet::MinorArcana, all), 22);
    }

    // Over many draws every card of the set occurs and nothing outside it.
    void drawCardCoversItsSet_data()
    {
        QTest::addColumn<CardSet>("set");
        QTest::newRow("full deck") << CardSet::FullDeck;
        QTest::newRow("major arcana") << CardSet::MajorArcana;
        QTest::newRow("minor arcana") << CardSet::MinorArcana;
    }

    void drawCardCoversItsSet()
    {
        QFETCH(CardSet, set);
        platform::MersenneRandom source(20261210);
        platform::setRandom(&source);
        QSet<CardIndex> seen;
        for (int i = 0; i < 5000; ++i) {
            const CardIndex c = DrawCard(set, {});
            QVERIFY(InCardSet(set, c));
            seen.insert(c);
        }
        QCOMPARE(seen.size(), CardSetSize(set));
    }

    void drawSpread_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("lboo");
        QTest::addColumn<bool>("hboo");
        QTest::addColumn<int>("drawn");
        QTest::newRow("celtic major") << 10 << "Celtic Cross" << false << true << 10;
        QTest::newRow("celtic minor") << 10 << "Celtic Cross" << true << false << 10;
        QTest::newRow("seasons major") << 8 << "Four Seasons Spread(Quorvane/Hovelt)" << false << true << 8;
        QTest::newRow("chakra") << 7 << "Seven Card Chakra Layout" << false << false << 7;
        QTest::newRow("three") << 3 << "Three Cards" << false << false << 3;
        QTest::newRow("two") << 2 << "Two Cards" << false << false << 2;
        QTest::newRow("one") << 1 << "One Card" << false << false << 1;
        QTest::newRow("line") << 5 << "The Line Spread" << false << false << 5;
        QTest::newRow("wheel") << 5 << "Wystran Wheel Spread(Tasmerin)" << false << false << 5;
        QTest::newRow("five, other name") << 5 << "the line spread" << false << false << 0;
        QTest::newRow("no such count") << 4 << "Celtic Cross" << false << false << 0;
        QTest::newRow("reset record") << -1 << "-1" << false << false << 0;
        QTest::newRow("both restrictions") << 10 << "Celtic Cross" << true << true << 0;
    }

    void drawSpread()
    {
        QFETCH(int, count);
        QFETCH(QString, name);
        QFETCH(bool, lboo);
        QFETCH(bool, hboo);
        QFETCH(int, drawn);
        CountingRandom source(7);
        platform::setRandom(&source);
        const auto set = CardSetFor(lboo, hboo);
        for (int round = 0; round < 300; ++round) {
            Reading r = readingOf(count, name, lboo, hboo);
            r.DrawnCards = {1, 2, 3}; // left over from nothing: the draw starts afresh
            DrawSpread(r);
            QCOMPARE(r.DrawnCards.size(), drawn);
            QVERIFY(distinct(r.DrawnCards));
            for (CardIndex c : r.DrawnCards)
                QVERIFY(InCardSet(*set, c));
            QVERIFY(r.ReversedCards.isEmpty());
        }
        if (set)
            QCOMPARE(source.reseeds, 300); // once per reading
    }

    // Reversal: u <= 0.5 is upright (0.5 rounds to the even 0), above is reversed.
    void decideReversal_data()
    {
        QTest::addColumn<float>("u");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("0") << 0.0f << false;
        QTest::newRow("0.49") << 0.49f << false;
        QTest::newRow("exact half") << 0.5f << false;
        QTest::newRow("just above half") << 0.50000006f << true;
        QTest::newRow("top") << 0.99999994f << true;
    }

    void decideReversal()
    {
        QFETCH(float, u);
        QFETCH(bool, reversed);
        platform::ScriptedRandom source({u});
        platform::setRandom(&source);
        const Reading r = readingOf(3, QStringLiteral("Three Cards"));
        QCOMPARE(DecideReversal(r, 0), reversed);
        QCOMPARE(source.used(), std::size_t(1));
    }

    // The crossing card draws its value and ignores it; the values of the
    // other positions stay aligned with their positions.
    void crossingCardIsNeverReversed()
    {
        platform::ScriptedRandom source({0.9f, 0.9f, 0.1f, 0.9f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.9f});
        platform::setRandom(&source);
        Reading r = readingOf(10, QStringLiteral("Celtic Cross"), false, false, true);
        r.DrawnCards = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
        r.ReversedCards = {42};
        DecideAllReversals(r);
        QCOMPARE(source.used(), std::size_t(10));
        QCOMPARE(r.ReversedCards, (QList<CardIndex>{10, 13, 19}));
        QVERIFY(r.IsPositionReversed(0));
        QVERIFY(!r.IsPositionReversed(1));
    }

    void oneCardReseedsBeforeItsReversal()
    {
        CountingRandom source(3);
        platform::setRandom(&source);
        Reading one = readingOf(1, QStringLiteral("One Card"), false, false, true);
        DrawSpread(one);
        DecideAllReversals(one);
        QCOMPARE(source.reseeds, 2);

        source.reseeds = 0;
        Reading three = readingOf(3, QStringLiteral("Three Cards"), false, false, true);
        DrawSpread(three);
        DecideAllReversals(three);
        QCOMPARE(source.reseeds, 1);
    }

    // About half the cards lie reversed, the list in position order, never
    // the crossing card.
    void reversalOverManyReadings()
    {
        platform::MersenneRandom source(99);
        platform::setRandom(&source);
        int reversed = 0;
        int cards = 0;
        for (int round = 0; round < 2000; ++round) {
            Reading r = readingOf(10, QStringLiteral("Celtic Cross"), false, false, true);
            DrawSpread(r);
            DecideAllReversals(r);
            QVERIFY(!r.ReversedCards.contains(r.DrawnCards[1]));
            int lastPosition = -1;
            for (CardIndex c : r.ReversedCards) {
                const int position = r.DrawnCards.indexOf(c);
                QVERIFY(position > lastPosition);
                lastPosition = position;
            }
            reversed += r.ReversedCards.size();
            cards += 9;
        }
        const double share = double(reversed) / cards;
        QVERIFY2(share > 0.47 && share < 0.53, qPrintable(QString::number(share)));
    }

    void drawVariants_data()
    {
        QTest::addColumn<bool>("lboo");
        QTest::addColumn<bool>("hboo");
        QTest::addColumn<bool>("rboo");
        QTest::addColumn<int>("variant");
        QTest::addColumn<CardSet>("set");
        QTest::newRow("DONE1") << false << false << false << 1 << CardSet::FullDeck;
        QTest::newRow("DONE2") << true << false << false << 2 << CardSet::MinorArcana;
        QTest::newRow("DONE3") << false << true << false << 3 << CardSet::MajorArcana;
        QTest::newRow("DONE4") << false << false << true << 4 << CardSet::FullDeck;
        QTest::newRow("DONE5") << true << false << true << 5 << CardSet::MinorArcana;
        QTest::newRow("DONE6") << false << true << true << 6 << CardSet::MajorArcana;
        QTest::newRow("none") << true << true << false << 0 << CardSet::FullDeck;
        QTest::newRow("none, reversed") << true << true << true << 0 << CardSet::FullDeck;
    }

    void drawVariants()
    {
        QFETCH(bool, lboo);
        QFETCH(bool, hboo);
        QFETCH(bool, rboo);
        QFETCH(int, variant);
        QFETCH(CardSet, set);
        const auto chosen = SelectDrawVariant(lboo, hboo, rboo);
        if (variant == 0) {
            QVERIFY(!chosen);
            return;
        }
        QVERIFY(chosen);
        QCOMPARE(chosen->number, variant);
        QCOMPARE(chosen->set, set);
        QCOMPARE(chosen->decidesReversal, rboo);
    }

    // Reversed when the nearest integer to 10 * u is odd, halves to even.
    void manualReversalRule_data()
    {
        QTest::addColumn<float>("u");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("0 -> 0") << 0.0f << false;
        QTest::newRow("0.125 -> 1") << 0.125f << true;
        QTest::newRow("0.25 -> 2 (half to even)") << 0.25f << false;
        QTest::newRow("0.5 -> 5") << 0.5f << true;
        QTest::newRow("0.75 -> 8 (half to even)") << 0.75f << false;
        QTest::newRow("0.875 -> 9") << 0.875f << true;
        QTest::newRow("0.96875 -> 10") << 0.96875f << false;
    }

    void manualReversalRule()
    {
        QFETCH(float, u);
        QFETCH(bool, reversed);
        QCOMPARE(IsManualReversal(u), reversed);
    }

    void manualReversalIsFair()
    {
        int odd = 0;
        const int steps = 100000;
        for (int i = 0; i < steps; ++i)
            odd += IsManualReversal(float(i) / steps) ? 1 : 0;
        QVERIFY(qAbs(odd - steps / 2) < steps / 1000);
    }

    void manualDeal_data()
    {
        QTest::addColumn<bool>("lboo");
        QTest::addColumn<bool>("hboo");
        QTest::addColumn<bool>("rboo");
        QTest::addColumn<int>("backs");
        QTest::newRow("full, upright") << false << false << false << 78;
        QTest::newRow("major, reversed") << false << true << true << 22;
        QTest::newRow("minor, reversed") << true << false << true << 56;
    }

    void manualDeal()
    {
        QFETCH(bool, lboo);
        QFETCH(bool, hboo);
        QFETCH(bool, rboo);
        QFETCH(int, backs);
        CountingRandom source(11);
        platform::setRandom(&source);
        const CardSet set = *CardSetFor(lboo, hboo);
        int reversedCount = 0;
        for (int round = 0; round < 200; ++round) {
            Reading r = readingOf(10, QStringLiteral("Celtic Cross"), lboo, hboo, rboo);
            QCOMPARE(OfferedBackCount(r.Options), backs);
            source.reseeds = 0;
            QList<CardIndex> expectReversed;
            for (int i = 0; i < 10; ++i) {
                const DealtCard dealt = DealPosition(r, i);
                QCOMPARE(r.DrawnCards.size(), i + 1);
                QCOMPARE(r.DrawnCards[i], dealt.card);
                QVERIFY(InCardSet(set, dealt.card));
                if (dealt.reversed)
                    expectReversed.append(dealt.card);
            }
            QCOMPARE(source.reseeds, 10); // every position reseeds
            QVERIFY(distinct(r.DrawnCards));
            QCOMPARE(r.ReversedCards, expectReversed);
            reversedCount += r.ReversedCards.size();
        }
        if (rboo)
            QVERIFY(reversedCount > 800 && reversedCount < 1200);
        else
            QCOMPARE(reversedCount, 0);
    }
};

QTEST_GUILESS_MAIN(TestDraw)
#include "test_draw.moc"

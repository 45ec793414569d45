// The tutor's study, test and report logic on a small card database.

#include "TutorFixture.h"

#include "platform/Seams.h"
#include "tests/support/ScratchMount.h"
#include "tutor/Recordset.h"
#include "tutor/Study.h"
#include "tutor/TestReport.h"
#include "tutor/TestSession.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace kestrune;
using namespace kestrune::tutor;
namespace fx = kestrune::testfixture;

namespace {

// Always the same number: makes every choice predictable.
class ConstantRandom : public platform::RandomSource {
public:
    explicit ConstantRandom(float value) : m_value(value) {}
    float uniform() override { return m_value; }
    void reseed() override {}

private:
    float m_value;
};

QString crlf(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

} // namespace

class TestTutorTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::shared_ptr<Connection> m_connection;
    Recordset m_cards;

    void openCards(bool major, bool cups)
    {
        OpenDatabase(m_connection, m_dir.filePath(QStringLiteral("learn.dll")));
        OpenRecordset(m_cards, m_connection, BuildCardQuery(major, cups, false, false, false));
    }

    // Answers every question of a running test with `answer(question)` and
    // returns the questions in the order they were shown.
    template <typename F>
    QList<Question> runTest(TestSession& session, F answer)
    {
        QList<Question> shown;
        TestSession::Step step = session.askNext();
        while (step == TestSession::Step::Question) {
            shown.append(session.question());
            if (shown.size() > 200)
                break;
            step = session.askNext(answer(session.question()));
        }
        return shown;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(fx::writeTutorDatabase(m_dir.filePath(QStringLiteral("learn.dll"))));
    }
    void cleanup() { platform::setRandom(nullptr); }

    // ---- Report layout ----------------------------------------------------

    void reportLine_keepsTheOutcomeColumn_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upright name padded to 36")
            << 1 << QStringLiteral("The Fool") << false
            << QStringLiteral("01.      The Fool                            Correct");
        QTest::newRow("reversed name padded to 25 after the mark")
            << 9 << QStringLiteral("The Fool") << true
            << QStringLiteral("09.      The Fool (Reversed)                 Correct");
        QTest::newRow("25-character reversed name gets no spaces")
            << 12 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY") << true
            << QStringLiteral("12.      ABCDEFGHIJKLMNOPQRSTUVWXY (Reversed)Correct");
        QTest::newRow("longer reversed name is never padded negatively")
            << 3 << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ12") << true
            << QStringLiteral("03.      ABCDEFGHIJKLMNOPQRSTUVWXYZ12 (Reversed)Correct");
        QTest::newRow("three-digit question number")
            << 100 << QStringLiteral("Death") << false
            << QStringLiteral("100.      Death                               Correct");
    }
    void reportLine_keepsTheOutcomeColumn()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(bool, reversed);
        QFETCH(QString, expected);
        QCOMPARE(reportLine(number, name, reversed, QStringLiteral("Correct")), expected);
    }

    void composeTestReport_writesTheWholeLayout()
    {
        TestOutcome description;
        description.type = TestType::Description;
        description.cardCount = 3;
        description.askedCards = {3, 1, 2};
        description.results = {1, 0, 1};
        description.reversedFlags = {false, true, false};
        description.totalCorrect = 2;
        const auto names = [](int id) { return fx::nameOf(id); };
        const TestReport report = composeTestReport(description, names);
        const QString rule(64, QLatin1Char('_'));
        QCOMPARE(report.text, crlf({
            QStringLiteral("Test Report For Kestrune"),
            QStringLiteral("------------------------"),
            QString(),
            QStringLiteral("01.      The High Priestess                  Correct"),
            QStringLiteral("02.      The Fool (Reversed)                 Wrong"),
            QStringLiteral("03.      The Magician                        Correct"),
            rule,
            QStringLiteral("2 out of 3 questions correct"),
        }));
        QCOMPARE(report.summary, QStringLiteral("2 out of 3 questions correct"));

        TestOutcome keywords;
        keywords.type = TestType::Keywords;
        keywords.required = 3;
        keywords.cardCount = 2;
        keywords.askedCards = {2, 1};
        keywords.results = {2, 0};
        keywords.reversedFlags = {false, false};
        keywords.totalCorrect = 2;
        QCOMPARE(composeTestReport(keywords, names).text, crlf({
            QStringLiteral("Test Report For Kestrune"),
            QStringLiteral("------------------------"),
            QString(),
            QStringLiteral("01.      The Magician                        2 Out Of 3 Correct"),
            QStringLiteral("02.      The Fool                            0 Out Of 3 Correct"),
            rule,
            QStringLiteral("2/6 choice(s) from 2 questions were correct"),
        }));
    }

    void summaryText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("required");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("expected");
        QTest::newRow("description") << 0 << 3 << 22 << 19 << QStringLiteral("19 out of 22 questions correct");
        QTest::newRow("beginner keywords") << 1 << 3 << 14 << 30
                                           << QStringLiteral("30/42 choice(s) from 14 questions were correct");
        QTest::newRow("advanced keywords") << 1 << 7 << 22 << 0
                                           << QStringLiteral("0/154 choice(s) from 22 questions were correct");
    }
    void summaryText()
    {
        QFETCH(int, type);
        QFETCH(int, required);
        QFETCH(int, cards);
        QFETCH(int, total);
        QFETCH(QString, expected);
        TestOutcome outcome;
        outcome.type = TestType(type);
        outcome.required = required;
        outcome.cardCount = cards;
        outcome.totalCorrect = total;
        QCOMPARE(tutor::summaryText(outcome), expected);
    }

    void saveTestReport_replacesTheFileAndEndsWithCrLf()
    {
        const QString path = m_dir.filePath(QStringLiteral("report.txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(500, 'x'));
        }
        QVERIFY(saveTestReport(path, QStringLiteral("line 1\r\nline 2")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("line 1\r\nline 2\r\n"));
    }

    void saveTestReport_reportsAFailure()
    {
        const QString path = m_dir.filePath(QStringLiteral("no such folder/report.txt"));
        QString error;
        QVERIFY(!saveTestReport(path, QStringLiteral("text"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void saveTestReport_onAFullDiskKeepsTheOldReport()
    {
        testing::ScratchMount disk(32 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        const QString path = disk.filePath(QStringLiteral("report.txt"));
        QVERIFY(saveTestReport(path, QStringLiteral("the old report")));
        QString error;
        QVERIFY(!saveTestReport(path, QString(100 * 1024, QLatin1Char('r')), &error));
        QVERIFY2(error.contains(QLatin1String("space"), Qt::CaseInsensitive), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the old report\r\n"));
    }

    void saveTestReport_neverReplacesWhatIsNotARegularFile_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a pipe") << true;
        QTest::newRow("a folder") << false;
    }
    void saveTestReport_neverReplacesWhatIsNotARegularFile()
    {
        QFETCH(bool, fifo);
        const QString path = m_dir.filePath(QStringLiteral("not a file"));
        QFile::remove(path);
        QDir().rmdir(path);
        QVERIFY(fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QDir().mkdir(path));
        QString error;
        QVERIFY(!saveTestReport(path, QStringLiteral("text"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
        QVERIFY(QFile::remove(path) || QDir().rmdir(path));
    }

    // ---- The card of each question ------------------------------------------

    void everyCardIsAskedExactlyOnce_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("major");
        for (quint32 seed : {1u, 7u, 2024u}) {
            QTest::addRow("description, major arcana, seed %u", seed) << seed << 0 << 2 << true;
            QTest::addRow("keywords, cups, seed %u", seed) << seed << 1 << 0 << false;
        }
    }
    void everyCardIsAskedExactlyOnce()
    {
        QFETCH(quint32, seed);
        QFETCH(int, type);
        QFETCH(int, level);
        QFETCH(bool, major);
        platform::MersenneRandom random(seed);
        platform::setRandom(&random);
        openCards(major, !major);
        const int n = major ? 22 : 14;

        TestSession session;
        session.start(m_cards, m_connection, {TestType(type), TestLevel(level), true});
        QCOMPARE(session.cardCount(), n);
        QStringList counters;
        const QList<Question> shown = runTest(session, [&](const Question&) {
            counters.append(session.counterText());
            return Answer();
        });
        QVERIFY(session.isComplete());
        QCOMPARE(shown.size(), n);
        QCOMPARE(counters.first(), QStringLiteral("1 of %1").arg(n));
        QCOMPARE(counters.last(), QStringLiteral("%1 of %1").arg(n));
        QSet<int> asked;
        for (const Question& q : shown)
            asked.insert(q.cardId);
        QCOMPARE(int(asked.size()), n);
        QCOMPARE(session.outcome().askedCards.size(), n);
    }

    // ---- Description questions ----------------------------------------------

    void descriptionQuestion_levels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("correctIndex");
        QTest::addColumn<bool>("reversed");
        // nearest(value * 10) odd shows the card reversed.
        QTest::newRow("beginner, low draw") << 0 << 0.0f << 2 << false;
        QTest::newRow("beginner, middle draw") << 0 << 0.34f << 3 << true;
        QTest::newRow("beginner, a half goes to the even neighbour") << 0 << 0.25f << 2 << false;
        QTest::newRow("beginner, high draw") << 0 << 0.7f << 4 << true;
        QTest::newRow("intermediate") << 1 << 0.5f << 3 << true;
        QTest::newRow("advanced, low draw") << 2 << 0.1f << 0 << true;
        QTest::newRow("advanced, high draw") << 2 << 0.95f << 6 << false;
    }
    void descriptionQuestion_levels()
    {
        QFETCH(int, level);
        QFETCH(float, value);
        QFETCH(int, correctIndex);
        QFETCH(bool, reversed);
        ConstantRandom random(value);
        platform::setRandom(&random);
        openCards(false, true);

        TestSession session;
        session.start(m_cards, m_connection, {TestType::Description, TestLevel(level), true});
        QCOMPARE(session.askNext(), TestSession::Step::Question);
        const Question& q = session.question();
        const LevelShape shape = shapeOf(TestLevel(level));
        QCOMPARE(q.lo, shape.lo);
        QCOMPARE(q.hi, shape.hi);
        QCOMPARE(q.correctIndex, correctIndex);
        QCOMPARE(q.reversed, reversed);
        QCOMPARE(q.name, fx::nameOf(q.cardId));
        QVERIFY(!q.picture.isEmpty());

        const QString right = reversed ? fx::reversedOf(q.cardId) : fx::uprightOf(q.cardId);
        const QString orientation = reversed ? QStringLiteral("reversed meaning of ")
                                             : QStringLiteral("upright meaning of ");
        QSet<QString> seen;
        for (int i = 0; i < kAnswerButtons; ++i) {
            const QString& answer = q.answers[std::size_t(i)];
            if (i < q.lo || i > q.hi) {
                QVERIFY(answer.isEmpty());
                continue;
            }
            QVERIFY2(answer.startsWith(orientation), qPrintable(answer));
            QCOMPARE(answer == right, i == q.correctIndex);
            seen.insert(answer);
        }
        QCOMPARE(int(seen.size()), q.hi - q.lo + 1);
        QCOMPARE(m_cards.filter(), QString());
    }

    void descriptionQuestion_endsWhenTheSetHasTooFewCards()
    {
        // Three cards cannot fill the six wrong answers of an advanced question.
        platform::MersenneRandom random(9);
        platform::setRandom(&random);
        OpenDatabase(m_connection, m_dir.filePath(QStringLiteral("learn.dll")));
        OpenRecordset(m_cards, m_connection, QStringLiteral("SELECT * FROM tblCards WHERE ID<=3 ORDER BY ID"));
        TestSession session;
        session.start(m_cards, m_connection, {TestType::Description, TestLevel::Advanced, false});
        const QList<Question> shown = runTest(session, [](const Question&) { return Answer(); });
        QCOMPARE(shown.size(), 3);
        for (const Question& q : shown) {
            const int filled = int(std::count_if(q.answers.begin(), q.answers.end(),
                                                 [](const QString& a) { return !a.isEmpty(); }));
            QCOMPARE(filled, 3);
            QCOMPARE(q.answers[std::size_t(q.correctIndex)], fx::uprightOf(q.cardId));
        }
    }

    void descriptionQuestion_neverReversedWithoutTheOption()
    {
        ConstantRandom random(0.1f);
        platform::setRandom(&random);
        openCards(false, true);
        TestSession session;
        session.start(m_cards, m_connection, {TestType::Description, TestLevel::Beginner, false});
        const QList<Question> shown = runTest(session, [](const Question&) { return Answer(); });
        QCOMPARE(shown.size(), 14);
        for (const Question& q : shown)
            QVERIFY(!q.reversed);
        QVERIFY(!session.outcome().reversedFlags.contains(true));
    }

    void descriptionTest_scoresTheChosenOption()
    {
        platform::MersenneRandom random(5);
        platform::setRandom(&random);
        openCards(false, true);
        TestSession session;
        session.start(m_cards, m_connection, {TestType::Description, TestLevel::Advanced, true});
        QList<int> expected;
        runTest(session, [&](const Question& q) {
            const bool right = q.number % 3 != 0;
            expected.append(right ? 1 : 0);
            Answer a;
            a.selectedOption = right ? q.correctIndex : (q.correctIndex + 1) % kAnswerButtons;
            return a;
        });
        QCOMPARE(session.outcome().results, expected);
        QCOMPARE(session.outcome().totalCorrect, int(expected.count(1)));
    }

    // ---- Keyword questions --------------------------------------------------

    void keywordQuestion_placesTheCardsKeywords_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("beginner") << 0 << 3u;
        QTest::newRow("intermediate") << 1 << 4u;
        QTest::newRow("advanced") << 2 << 5u;
    }
    void keywordQuestion_placesTheCardsKeywords()
    {
        QFETCH(int, level);
        QFETCH(quint32, seed);
        platform::MersenneRandom random(seed);
        platform::setRandom(&random);
        openCards(false, true);
        TestSession session;
        session.start(m_cards, m_connection, {TestType::Keywords, TestLevel(level), true});
        const LevelShape shape = shapeOf(TestLevel(level));
        QList<int> expected;
        runTest(session, [&](const Question& q) {
            [&] {
                QCOMPARE(q.maxBox, shape.maxBox);
                QCOMPARE(q.required, shape.required);
                QVERIFY(!q.reversed);
                QCOMPARE(int(QSet<int>(q.correctPositions.begin(), q.correctPositions.end()).size()),
                         q.required);
                QSet<QString> captions;
                for (int i = 0; i <= q.maxBox; ++i) {
                    const QString& keyword = q.keywords[std::size_t(i)];
                    QVERIFY(!keyword.isEmpty());
                    captions.insert(keyword);
                    QCOMPARE(fx::ownerOfKeyword(keyword) == q.cardId, q.correctPositions.contains(i));
                }
                QCOMPARE(int(captions.size()), q.maxBox + 1);
                for (int i = q.maxBox + 1; i < kKeywordBoxes; ++i)
                    QVERIFY(q.keywords[std::size_t(i)].isEmpty());
            }();
            // Tick some right and some wrong boxes: the result counts the right ones.
            const int right = q.number % (q.required + 1);
            Answer a;
            for (int i = 0; i <= q.maxBox && a.tickedBoxes.size() < q.required; ++i) {
                const bool isRight = q.correctPositions.contains(i);
                const int rightTicked = int(std::count_if(a.tickedBoxes.begin(), a.tickedBoxes.end(),
                    [&](int b) { return q.correctPositions.contains(b); }));
                const int wrongTicked = int(a.tickedBoxes.size()) - rightTicked;
                if ((isRight && rightTicked < right) || (!isRight && wrongTicked < q.required - right))
                    a.tickedBoxes.append(i);
            }
            expected.append(right);
            return a;
        });
        QVERIFY(session.isComplete());
        QCOMPARE(session.outcome().results, expected);
        QCOMPARE(session.outcome().totalCorrect, std::accumulate(expected.begin(), expected.end(), 0));
    }

    void keywordQuestion_endsWhenTheCardHasTooFewKeywords()
    {
        // Card 5 has three keywords; an advanced question wants seven.
        platform::MersenneRandom random(11);
        platform::setRandom(&random);
        OpenDatabase(m_connection, m_dir.filePath(QStringLiteral("learn.dll")));
        OpenRecordset(m_cards, m_connection, QStringLiteral("SELECT * FROM tblCards WHERE ID=5"));
        TestSession session;
        session.start(m_cards, m_connection, {TestType::Keywords, TestLevel::Advanced, false});
        QCOMPARE(session.askNext(), TestSession::Step::Question);
        const Question& q = session.question();
        QCOMPARE(q.correctPositions.size(), 3);
        QStringList own;
        for (int p : q.correctPositions)
            own.append(q.keywords[std::size_t(p)]);
        own.sort();
        QCOMPARE(own, QStringList({QStringLiteral("k5.1"), QStringLiteral("k5.2"), QStringLiteral("k5.3")}));
        Answer a;
        a.tickedBoxes = q.correctPositions;
        QCOMPARE(session.askNext(a), TestSession::Step::Complete);
        QCOMPARE(session.outcome().results, QList<int>{3});
    }

    void keywordQuestion_endsWithoutAnyKeywords()
    {
        QTemporaryDir dir;
        QVERIFY(fx::writeTutorDatabase(dir.filePath(QStringLiteral("learn.dll")), 0));
        platform::MersenneRandom random(2);
        platform::setRandom(&random);
        std::shared_ptr<Connection> connection;
        OpenDatabase(connection, dir.filePath(QStringLiteral("learn.dll")));
        Recordset cards;
        OpenRecordset(cards, connection, BuildCardQuery(false, true, false, false, false));
        TestSession session;
        session.start(cards, connection, {TestType::Keywords, TestLevel::Advanced, false});
        const QList<Question> shown = runTest(session, [](const Question&) { return Answer(); });
        QCOMPARE(shown.size(), 14);
        for (const Question& q : shown) {
            QVERIFY(q.correctPositions.isEmpty());
            QVERIFY(q.keywords[0].isEmpty());
        }
        QCOMPARE(session.outcome().totalCorrect, 0);
    }

    // ---- Study ----------------------------------------------------------------

    void studyKeywords_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("expected");
        QTest::newRow("seven keywords") << 1 << QStringLiteral("k1.1, k1.2, k1.3, k1.4, k1.5, k1.6, k1.7, ");
        QTest::newRow("three keywords, the last one followed by a comma too")
            << 5 << QStringLiteral("k5.1, k5.2, k5.3, ");
        QTest::newRow("no such card") << 99 << QString();
    }
    void studyKeywords()
    {
        QFETCH(int, card);
        QFETCH(QString, expected);
        OpenDatabase(m_connection, m_dir.filePath(QStringLiteral("learn.dll")));
        QCOMPARE(tutor::studyKeywords(m_connection, card), expected);
    }

    void studyNavigator_stopsAtBothEnds()
    {
        openCards(true, false);
        StudyNavigator study(m_cards);
        study.restart();
        QCOMPARE(study.position(), 1);
        QVERIFY(!study.previous());
        QCOMPARE(study.position(), 1);
        for (int k = 2; k <= 22; ++k)
            QVERIFY(study.next());
        QCOMPARE(study.position(), 22);
        QCOMPARE(readStudyCard(m_cards, m_connection).name, QStringLiteral("The World"));
        QVERIFY(!study.next());
        QCOMPARE(study.position(), 22);
        QCOMPARE(readStudyCard(m_cards, m_connection).id, 22);
        QVERIFY(study.previous());
        QCOMPARE(readStudyCard(m_cards, m_connection).id, 21);
    }
};

QTEST_GUILESS_MAIN(TestTutorTest)
#include "test_tutor_test.moc"

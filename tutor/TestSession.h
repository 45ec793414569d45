#pragma once

// One multiple-choice test over the current card set: every card of the set is
// asked exactly once, in random order, either for its meaning (pick it among 3,
// 5 or 7 meanings, the card possibly shown reversed) or for its keywords (tick
// its 3, 5 or 7 keywords among 7, 12 or 20 boxes). The window shows what
// question() describes and hands the user's answer back to askNext().
//
// Every random choice draws one number from platform::random() and picks
// uniformly among the candidates still allowed (cards not asked yet, rows not
// used yet, keywords not shown yet), so a choice never repeats and always ends,
// also when the database holds fewer candidates than a question would like.

#include "tutor/Recordset.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <memory>

namespace kestrune::tutor {

enum class TestType { Description = 0, Keywords = 1 };
enum class TestLevel { Beginner = 0, Intermediate = 1, Advanced = 2 };

// What a level shows: the option buttons lo..hi of a description question, the
// boxes 0..maxBox of a keyword question and how many of them must be ticked.
struct LevelShape {
    int lo;
    int hi;
    int maxBox;
    int required;
};
LevelShape shapeOf(TestLevel level);

struct TestOptions {
    TestType type = TestType::Keywords;
    TestLevel level = TestLevel::Beginner;
    bool reversedAllowed = false;   // description questions may show the card reversed
};

constexpr int kAnswerButtons = 7;
constexpr int kKeywordBoxes = 20;

struct Question {
    int number = 0;                 // 1-based
    int cardId = 0;
    QString name;
    QByteArray picture;             // the card's stored picture bytes
    bool reversed = false;          // always false in keyword tests

    // Description questions: the shown option range and the right option.
    int lo = 0;
    int hi = kAnswerButtons - 1;
    int correctIndex = -1;
    std::array<QString, kAnswerButtons> answers;

    // Keyword questions: boxes 0..maxBox are shown, `required` must be ticked;
    // correctPositions are the boxes holding the card's own keywords (fewer
    // than `required` only when the card has fewer different keywords).
    int maxBox = 0;
    int required = 0;
    QList<int> correctPositions;
    std::array<QString, kKeywordBoxes> keywords;
};

struct Answer {
    int selectedOption = -1;        // description test: the chosen option button
    QList<int> tickedBoxes;         // keyword test: the ticked boxes
};

// The answered questions of a test, in the order they were asked.
struct TestOutcome {
    TestType type = TestType::Keywords;
    int required = 0;               // keywords to tick per question (keyword test)
    int cardCount = 0;              // N, the questions of the test
    int totalCorrect = 0;
    QList<int> askedCards;          // card IDs
    QList<int> results;             // 1/0 per description question, right ticks per keyword question
    QList<bool> reversedFlags;
};

class TestSession {
public:
    enum class Step { Question, Complete };

    // Resets all test state and reseeds the random source. The card set is
    // every row of `cards` without filter; `connection` supplies the keywords.
    void start(Recordset& cards, std::shared_ptr<Connection> connection, const TestOptions& options);

    // Scores the question on screen with `answer` (not before the first one),
    // then completes the test after the last card or builds the next question.
    Step askNext(const Answer& answer = Answer());

    bool isRunning() const { return m_cards != nullptr && !m_complete; }
    bool isComplete() const { return m_complete; }
    const Question& question() const { return m_question; }
    const TestOptions& options() const { return m_options; }
    int cardCount() const { return m_cardCount; }
    int questionNumber() const { return m_questionNumber; }
    // "3 of 22"
    QString counterText() const;
    const TestOutcome& outcome() const { return m_outcome; }

private:
    int drawIndex(int candidates);
    int cardIdAtRow(int row);
    void buildDescriptionQuestion();
    void buildKeywordQuestion();
    void narrowToCurrentCard();

    Recordset* m_cards = nullptr;
    std::shared_ptr<Connection> m_connection;
    TestOptions m_options;
    int m_cardCount = 0;
    int m_questionNumber = 0;
    bool m_firstQuestion = true;
    bool m_complete = false;
    Question m_question;
    TestOutcome m_outcome;
};

} // namespace kestrune::tutor

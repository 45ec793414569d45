#include "tutor/TestSession.h"

#include "platform/Seams.h"

#include <cmath>

namespace kestrune::tutor {

namespace {

const QString kId = QStringLiteral("ID");
const QString kName = QStringLiteral("Name");
const QString kNormalMeaning = QStringLiteral("normalmeaning");
const QString kReversedMeaning = QStringLiteral("ReversedMeaning");
const QString kPicture = QStringLiteral("PictureData");
const QString kKeyword = QStringLiteral("Keyword");

// The Keyword of every row of a keyword query, in the order the rows come.
QStringList keywordRows(const std::shared_ptr<Connection>& connection, const QString& query)
{
    Recordset rows;
    OpenRecordset(rows, connection, query);
    QStringList keywords;
    if (rows.RecordCount() <= 0)
        return keywords;
    rows.MoveFirst();
    while (!rows.EOF_()) {
        keywords.append(rows.text(kKeyword));
        rows.MoveNext();
    }
    return keywords;
}

} // namespace

LevelShape shapeOf(TestLevel level)
{
    switch (level) {
    case TestLevel::Beginner: return {2, 4, 6, 3};
    case TestLevel::Intermediate: return {1, 5, 11, 5};
    case TestLevel::Advanced: break;
    }
    return {0, 6, 19, 7};
}

void TestSession::start(Recordset& cards, std::shared_ptr<Connection> connection, const TestOptions& options)
{
    m_cards = &cards;
    m_connection = std::move(connection);
    m_options = options;
    m_cards->setFilter(QString());
    m_cardCount = m_cards->isOpen() ? std::max(0, m_cards->RecordCount()) : 0;
    m_questionNumber = 0;
    m_firstQuestion = true;
    m_complete = false;
    m_question = Question();
    m_outcome = TestOutcome();
    m_outcome.type = options.type;
    m_outcome.required = shapeOf(options.level).required;
    m_outcome.cardCount = m_cardCount;
    platform::random().reseed();
}

QString TestSession::counterText() const
{
    return QString::number(m_questionNumber) + QStringLiteral(" of ") + QString::number(m_cardCount);
}

int TestSession::drawIndex(int candidates)
{
    const double r = double(platform::random().uniform());
    const int index = int(std::floor(r * candidates));
    return std::clamp(index, 0, candidates - 1);
}

int TestSession::cardIdAtRow(int row)
{
    m_cards->setFilter(QString());
    m_cards->MoveFirst();
    m_cards->Move(row - 1);
    return m_cards->field(kId).toInt();
}

void TestSession::narrowToCurrentCard()
{
    m_cards->setFilter(QString());
    m_cards->MoveFirst();
    m_cards->setFilter(QStringLiteral("ID=") + QString::number(m_question.cardId));
}

TestSession::Step TestSession::askNext(const Answer& answer)
{
    if (!m_cards || m_complete)
        return Step::Complete;
    m_cards->setFilter(QString());
    ++m_questionNumber;

    if (!m_firstQuestion) {
        int result = 0;
        if (m_options.type == TestType::Description) {
            if (answer.selectedOption >= 0 && answer.selectedOption == m_question.correctIndex)
                result = 1;
        } else {
            for (int position : m_question.correctPositions) {
                if (answer.tickedBoxes.contains(position))
                    ++result;
            }
        }
        m_outcome.askedCards.append(m_question.cardId);
        m_outcome.results.append(result);
        m_outcome.reversedFlags.append(m_question.reversed);
    }

    if (m_questionNumber - 1 >= m_cardCount) {
        int total = 0;
        for (int result : m_outcome.results) {
            if (m_options.type == TestType::Description)
                total += result == 1 ? 1 : 0;
            else
                total += result;
        }
        m_outcome.totalCorrect = total;
        m_complete = true;
        return Step::Complete;
    }

    // The next card is drawn among the cards not asked yet, so every card of
    // the set comes up exactly once.
    QList<int> remaining;
    m_cards->MoveFirst();
    for (int row = 1; row <= m_cardCount && !m_cards->EOF_(); ++row) {
        const int id = m_cards->field(kId).toInt();
        if (!m_outcome.askedCards.contains(id))
            remaining.append(id);
        m_cards->MoveNext();
    }
    m_question = Question();
    m_question.number = m_questionNumber;
    m_question.cardId = remaining.isEmpty() ? cardIdAtRow(m_questionNumber) : remaining.at(drawIndex(int(remaining.size())));
    platform::processPendingEvents();
    m_cards->setFilter(QString());

    if (m_options.type == TestType::Description)
        buildDescriptionQuestion();
    else
        buildKeywordQuestion();
    m_firstQuestion = false;
    return Step::Question;
}

void TestSession::buildDescriptionQuestion()
{
    Question& q = m_question;
    narrowToCurrentCard();
    q.name = m_cards->text(kName);

    const float r = platform::random().uniform();
    const long nearest = std::lrint(double(r * 10.0f));   // halves go to the even neighbour
    q.reversed = m_options.reversedAllowed && (nearest % 2 == 1);

    const LevelShape shape = shapeOf(m_options.level);
    q.lo = shape.lo;
    q.hi = shape.hi;
    q.correctIndex = q.lo + drawIndex(q.hi - q.lo + 1);

    // The wrong meanings come from other rows of the set, each row at most once.
    m_cards->setFilter(QString());
    QList<int> candidates;
    m_cards->MoveFirst();
    for (int row = 1; row <= m_cardCount && !m_cards->EOF_(); ++row) {
        if (m_cards->field(kId).toInt() != q.cardId)
            candidates.append(row);
        m_cards->MoveNext();
    }
    std::array<int, kAnswerButtons> rowOf{};
    for (int i = q.lo; i <= q.hi; ++i) {
        if (i == q.correctIndex || candidates.isEmpty())
            continue;
        rowOf[std::size_t(i)] = candidates.takeAt(drawIndex(int(candidates.size())));
        platform::processPendingEvents();
    }

    const QString& meaning = q.reversed ? kReversedMeaning : kNormalMeaning;
    for (int i = q.lo; i <= q.hi; ++i) {
        if (i == q.correctIndex) {
            narrowToCurrentCard();
            q.picture = m_cards->bytes(kPicture);
            q.answers[std::size_t(i)] = m_cards->text(meaning);
            m_cards->setFilter(QString());
        } else if (rowOf[std::size_t(i)] > 0) {
            m_cards->MoveFirst();
            m_cards->Move(rowOf[std::size_t(i)] - 1);
            q.answers[std::size_t(i)] = m_cards->text(meaning);
        }
    }
    m_cards->setFilter(QString());
}

void TestSession::buildKeywordQuestion()
{
    Question& q = m_question;
    q.reversed = false;
    const LevelShape shape = shapeOf(m_options.level);
    q.maxBox = shape.maxBox;
    q.required = shape.required;

    narrowToCurrentCard();
    q.name = m_cards->text(kName);
    q.picture = m_cards->bytes(kPicture);

    QList<int> freeBoxes;
    for (int i = 0; i <= q.maxBox; ++i)
        freeBoxes.append(i);
    for (int j = 0; j < q.required; ++j)
        q.correctPositions.append(freeBoxes.takeAt(drawIndex(int(freeBoxes.size()))));

    const QString id = QString::number(q.cardId);
    // The card's own keywords: `required` different ones, or all it has.
    const QStringList own = keywordRows(m_connection,
        QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + id);
    QStringList correct;
    for (int j = 0; j < q.required; ++j) {
        QList<int> rows;
        for (int row = 0; row < own.size(); ++row) {
            if (!own.at(row).isEmpty() && !correct.contains(own.at(row)))
                rows.append(row);
        }
        if (rows.isEmpty())
            break;
        correct.append(own.at(rows.at(drawIndex(int(rows.size())))));
        platform::processPendingEvents();
    }

    // Wrong keywords from the other cards, different from each other and from
    // the right ones; a box stays empty when no such keyword is left.
    const QStringList others = keywordRows(m_connection,
        QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=") + id);
    for (int i = 0; i <= q.maxBox; ++i) {
        QList<int> rows;
        for (int row = 0; row < others.size(); ++row) {
            const QString& keyword = others.at(row);
            if (keyword.isEmpty() || correct.contains(keyword))
                continue;
            if (std::find(q.keywords.begin(), q.keywords.begin() + i, keyword) != q.keywords.begin() + i)
                continue;
            rows.append(row);
        }
        if (rows.isEmpty())
            continue;
        q.keywords[std::size_t(i)] = others.at(rows.at(drawIndex(int(rows.size()))));
        platform::processPendingEvents();
    }

    // The right keywords replace the wrong ones on their boxes; positions the
    // card had no keyword for do not count as right.
    q.correctPositions = q.correctPositions.mid(0, correct.size());
    for (int j = 0; j < correct.size(); ++j)
        q.keywords[std::size_t(q.correctPositions.at(j))] = correct.at(j);
    m_cards->setFilter(QString());
}

} // namespace kestrune::tutor

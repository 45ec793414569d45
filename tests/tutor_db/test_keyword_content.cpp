// The shipped keyword list read from the source tree: the rules that keep a
// keyword test fair, checked on the data itself so that a later edit of the
// list cannot break them.

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

using Words = QStringList;

struct Keyword {
    int card = 0;
    QString text;
};

// Small words that carry no meaning of their own ("leap of faith").
const QSet<QString>& stopWords()
{
    static const QSet<QString> words{
        QStringLiteral("a"),   QStringLiteral("an"),   QStringLiteral("and"),  QStringLiteral("at"),
        QStringLiteral("by"),  QStringLiteral("for"),  QStringLiteral("from"), QStringLiteral("in"),
        QStringLiteral("into"), QStringLiteral("of"),  QStringLiteral("on"),   QStringLiteral("or"),
        QStringLiteral("the"), QStringLiteral("to"),   QStringLiteral("with")};
    return words;
}

// Lower-case words; hyphens and spaces both separate ("self-control").
Words wordsOf(const QString& keyword)
{
    static const QRegularExpression separator(QStringLiteral("[^a-z]+"));
    return keyword.toLower().split(separator, Qt::SkipEmptyParts);
}

// Singular and plural count as the same word ("decision" / "decisions").
QString singular(const QString& word)
{
    if (word.size() > 3 && word.endsWith(QLatin1Char('s')) && !word.endsWith(QStringLiteral("ss")))
        return word.chopped(1);
    return word;
}

bool containsRun(const Words& outer, const Words& inner)
{
    for (qsizetype i = 0; i + inner.size() <= outer.size(); ++i) {
        if (outer.mid(i, inner.size()) == inner)
            return true;
    }
    return false;
}

// Two words of the same stem: they begin with the same five letters
// ("emotion" / "emotional", "sleepless" / "sleeplessness"), or one of them,
// without a final "e", begins the other ("drive" / "driven", "joy" / "joyful").
bool sameStem(const QString& a, const QString& b)
{
    qsizetype common = 0;
    while (common < a.size() && common < b.size() && a.at(common) == b.at(common))
        ++common;
    if (common >= 5 || a == b)
        return true;
    for (const auto& [shorter, longer] : {std::pair(a, b), std::pair(b, a)}) {
        const QString stem = shorter.size() > 3 && shorter.endsWith(QLatin1Char('e')) ? shorter.chopped(1) : shorter;
        if (stem.size() >= 3 && longer.startsWith(stem))
            return true;
    }
    return false;
}

QString shareStem(const QString& a, const QString& b)
{
    for (const QString& x : wordsOf(a)) {
        for (const QString& y : wordsOf(b)) {
            if (!stopWords().contains(x) && !stopWords().contains(y) && sameStem(x, y))
                return x + QStringLiteral(" / ") + y;
        }
    }
    return QString();
}

bool readKeywords(const QString& path, QList<Keyword>* out, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    if (QString::fromUtf8(file.readLine()).trimmed() != QStringLiteral("CardID\tKeyword")) {
        *error = QStringLiteral("unexpected header");
        return false;
    }
    for (int line = 2; !file.atEnd(); ++line) {
        const QString text = QString::fromUtf8(file.readLine()).chopped(1);
        const QStringList fields = text.split(QLatin1Char('\t'));
        bool ok = false;
        const int card = fields.value(0).toInt(&ok);
        if (fields.size() != 2 || !ok) {
            *error = QStringLiteral("line %1: \"%2\"").arg(line).arg(text);
            return false;
        }
        out->append({card, fields.at(1)});
    }
    return true;
}

} // namespace

class TestKeywordContent : public QObject {
    Q_OBJECT

private:
    QList<Keyword> m_keywords;

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(readKeywords(QStringLiteral(KESTRUNE_SOURCE_DIR "/data/tutor/keywords.tsv"), &m_keywords, &error),
                 qPrintable(error));
    }

    // The two word rules themselves, on the pairs they exist for.
    void wordRules_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("contained");
        QTest::addColumn<bool>("stem");
        QTest::newRow("inside a longer one") << "control" << "gentle control" << true << true;
        QTest::newRow("phrase at the start") << "letting go" << "letting go of the old" << true << true;
        QTest::newRow("hyphenated") << "control" << "self-control" << true << true;
        QTest::newRow("plural") << "decision" << "difficult decisions" << true << true;
        QTest::newRow("letter case") << "Success" << "public success" << true << true;
        QTest::newRow("only a shared word") << "calm control" << "gentle control" << false << true;
        QTest::newRow("verb forms") << "driven" << "drive" << false << true;
        QTest::newRow("noun from adjective") << "sleepless nights" << "sleeplessness" << false << true;
        QTest::newRow("shared first word") << "intellectual power" << "intellectual authority" << false << true;
        QTest::newRow("part of a word") << "rest" << "restoration" << false << true;
        QTest::newRow("only small words shared") << "leap of faith" << "test of strength" << false << false;
        QTest::newRow("unrelated") << "courage" << "compassion" << false << false;
    }
    void wordRules()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, contained);
        QFETCH(bool, stem);
        auto singulars = [](const QString& k) {
            Words words = wordsOf(k);
            for (QString& w : words)
                w = singular(w);
            return words;
        };
        QCOMPARE(containsRun(singulars(b), singulars(a)), contained);
        QCOMPARE(!shareStem(a, b).isEmpty(), stem);
    }

    // Study shows seven keywords: a card with more would be asked about
    // keywords the user never saw.
    void everyCardHasSevenKeywords()
    {
        QMap<int, int> perCard;
        for (const Keyword& k : m_keywords) {
            QVERIFY2(!k.text.trimmed().isEmpty(), qPrintable(QString::number(k.card)));
            ++perCard[k.card];
        }
        QCOMPARE(perCard.size(), 78);
        QCOMPARE(perCard.firstKey(), 1);
        QCOMPARE(perCard.lastKey(), 78);
        for (auto it = perCard.cbegin(); it != perCard.cend(); ++it)
            QVERIFY2(it.value() == 7, qPrintable(QStringLiteral("card %1 has %2").arg(it.key()).arg(it.value())));
    }

    // A wrong choice in a keyword test must not be a part of, or hold, one of
    // the asked card's keywords.
    void noKeywordOverlapsAnotherCards()
    {
        QList<Words> words;
        for (const Keyword& k : m_keywords) {
            Words w = wordsOf(k.text);
            for (QString& word : w)
                word = singular(word);
            words.append(w);
        }
        QStringList overlaps;
        for (qsizetype i = 0; i < m_keywords.size(); ++i) {
            for (qsizetype j = i + 1; j < m_keywords.size(); ++j) {
                if (m_keywords.at(i).card == m_keywords.at(j).card)
                    continue;
                if (containsRun(words.at(i), words.at(j)) || containsRun(words.at(j), words.at(i)))
                    overlaps << QStringLiteral("card %1 \"%2\" / card %3 \"%4\"")
                                    .arg(m_keywords.at(i).card).arg(m_keywords.at(i).text)
                                    .arg(m_keywords.at(j).card).arg(m_keywords.at(j).text);
            }
        }
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(QStringLiteral("; "))));
    }

    // Seven keywords of one card say seven different things.
    void noNearDuplicatesWithinACard()
    {
        QStringList pairs;
        for (qsizetype i = 0; i < m_keywords.size(); ++i) {
            for (qsizetype j = i + 1; j < m_keywords.size(); ++j) {
                if (m_keywords.at(i).card != m_keywords.at(j).card)
                    continue;
                const QString shared = shareStem(m_keywords.at(i).text, m_keywords.at(j).text);
                if (!shared.isEmpty())
                    pairs << QStringLiteral("card %1 \"%2\" / \"%3\" (%4)")
                                 .arg(m_keywords.at(i).card).arg(m_keywords.at(i).text, m_keywords.at(j).text, shared);
            }
        }
        QVERIFY2(pairs.isEmpty(), qPrintable(pairs.join(QStringLiteral("; "))));
    }
};

QTEST_GUILESS_MAIN(TestKeywordContent)
#include "test_keyword_content.moc"

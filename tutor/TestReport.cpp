#include "tutor/TestReport.h"

#include "platform/AppInfo.h"
#include "platform/SaveFile.h"


namespace kestrune::tutor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString reportLine(int number, const QString& name, bool reversed, const QString& outcome)
{
    QString line = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    line += QStringLiteral(".      ");
    line += name;
    qsizetype padding;
    if (reversed) {
        line += QStringLiteral(" (Reversed)");
        padding = 25 - name.size();
    } else {
        padding = 36 - name.size();
    }
    if (padding > 0)
        line += QString(padding, QLatin1Char(' '));
    line += outcome;
    return line;
}

QString outcomeText(TestType type, int result, int required)
{
    if (type == TestType::Description)
        return result != 0 ? QStringLiteral("Correct") : QStringLiteral("Wrong");
    return QString::number(result) + QStringLiteral(" Out Of ") + QString::number(required)
        + QStringLiteral(" Correct");
}

QString summaryText(const TestOutcome& outcome)
{
    if (outcome.type == TestType::Description)
        return QString::number(outcome.totalCorrect) + QStringLiteral(" out of ")
            + QString::number(outcome.cardCount) + QStringLiteral(" questions correct");
    return QString::number(outcome.totalCorrect) + QStringLiteral("/")
        + QString::number(outcome.cardCount * outcome.required) + QStringLiteral(" choice(s) from ")
        + QString::number(outcome.cardCount) + QStringLiteral(" questions were correct");
}

TestReport composeTestReport(const TestOutcome& outcome, const std::function<QString(int)>& nameOf)
{
    TestReport report;
    const QString title = QStringLiteral("Test Report For ") + appinfo::title();
    QString text = title + kCrLf + QString(title.size(), QLatin1Char('-')) + kCrLf + kCrLf;
    const qsizetype answered = outcome.askedCards.size();
    for (qsizetype k = 0; k < answered; ++k) {
        const int id = outcome.askedCards.at(k);
        const int result = k < outcome.results.size() ? outcome.results.at(k) : 0;
        const bool reversed = k < outcome.reversedFlags.size() && outcome.reversedFlags.at(k);
        text += reportLine(int(k + 1), nameOf ? nameOf(id) : QString(), reversed,
                           outcomeText(outcome.type, result, outcome.required));
        text += kCrLf;
    }
    text += QString(64, QLatin1Char('_')) + kCrLf;
    report.summary = summaryText(outcome);
    text += report.summary;
    report.text = text;
    return report;
}

TestReport buildTestReport(const TestOutcome& outcome, const std::shared_ptr<Connection>& connection)
{
    Recordset cards;
    OpenRecordset(cards, connection, QStringLiteral("SELECT * FROM tblCards"));
    return composeTestReport(outcome, [&cards](int id) {
        cards.setFilter(QStringLiteral("ID=") + QString::number(id));
        const QString name = cards.RecordCount() > 0 ? cards.text(QStringLiteral("Name")) : QString();
        cards.setFilter(QString());
        return name;
    });
}

bool saveTestReport(const QString& path, const QString& text, QString* error)
{
    // A folder, a device or a pipe under the chosen name is refused, never
    // replaced; a failed write leaves the old report whole.
    return platform::saveFile(path, (text + kCrLf).toLocal8Bit(), error);
}

} // namespace kestrune::tutor

#include "tutor/Goals.h"

#include "platform/SaveFile.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cmath>

namespace kestrune::tutor {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
QString hashed(const QString& text) { return QLatin1Char('#') + text + QLatin1Char('#'); }

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Reads the fields of one line under the file's rules: a text runs from its
// opening double quote to the next one, a date or boolean from "#" to the
// next "#", anything else up to the next comma; blanks around fields are
// ignored and a comma ends every field but the last.
class FieldReader {
public:
    explicit FieldReader(QStringView line) : m_line(line) {}

    std::optional<QString> text() { return delimited(QLatin1Char('"'), true); }
    std::optional<QString> hashField() { return delimited(QLatin1Char('#'), false); }
    std::optional<QString> plain()
    {
        skipBlanks();
        qsizetype end = m_line.indexOf(QLatin1Char(','), m_pos);
        if (end < 0)
            end = m_line.size();
        const QString field = m_line.mid(m_pos, end - m_pos).trimmed().toString();
        m_pos = end;
        if (!separator())
            return std::nullopt;
        return field;
    }
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_line.size();
    }
    // Whatever is left of the line, without the blanks around it.
    QString rest()
    {
        const QString field = m_line.mid(m_pos).trimmed().toString();
        m_pos = m_line.size();
        return field;
    }

private:
    // A field between two delimiters; an unquoted text is taken up to the comma.
    std::optional<QString> delimited(QChar delimiter, bool unquotedAllowed)
    {
        skipBlanks();
        if (m_pos >= m_line.size() || m_line[m_pos] != delimiter)
            return unquotedAllowed ? plain() : std::nullopt;
        const qsizetype close = m_line.indexOf(delimiter, m_pos + 1);
        if (close < 0)
            return std::nullopt;
        const QString field = m_line.mid(m_pos + 1, close - m_pos - 1).toString();
        m_pos = close + 1;
        if (!separator())
            return std::nullopt;
        return field;
    }
    // After a field: a comma (consumed) or the end of the line.
    bool separator()
    {
        skipBlanks();
        if (m_pos >= m_line.size())
            return true;
        if (m_line[m_pos] != QLatin1Char(','))
            return false;
        ++m_pos;
        return true;
    }
    void skipBlanks()
    {
        while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
            ++m_pos;
    }

    QStringView m_line;
    qsizetype m_pos = 0;
};

std::optional<QDate> parseDate(const std::optional<QString>& field)
{
    if (!field)
        return std::nullopt;
    const QDate date = QDate::fromString(field->trimmed(), QStringLiteral("yyyy-M-d"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<bool> parseBool(const std::optional<QString>& field)
{
    if (!field)
        return std::nullopt;
    const QString f = field->trimmed();
    if (f.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
        return true;
    if (f.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// One line of the file: UTF-8 as written now, or single-byte text from an
// older editor when its bytes are not valid UTF-8. Each line is decided on its
// own, so one line from an older editor does not garble the others.
QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace

QString formatGoalLine(const GoalRecord& goal)
{
    return quoted(goal.GoalName) + QLatin1Char(',') + hashed(goal.StartDate.toString(kDateFormat))
         + QLatin1Char(',') + hashed(goal.EndDate.toString(kDateFormat)) + QLatin1Char(',')
         + quoted(goal.GoalDesc) + QLatin1Char(',')
         + hashed(goal.Achieved ? QStringLiteral("TRUE") : QStringLiteral("FALSE")) + QLatin1Char(',')
         + QString::number(goal.AchievedPercent);
}

std::optional<GoalRecord> parseGoalLine(QStringView line, bool* repaired)
{
    if (repaired)
        *repaired = false;
    FieldReader reader(line);
    const std::optional<QString> name = reader.text();
    const std::optional<QDate> start = parseDate(reader.hashField());
    const std::optional<QDate> end = parseDate(reader.hashField());
    const std::optional<QString> desc = reader.text();
    const std::optional<bool> achieved = parseBool(reader.hashField());
    if (!name || !start || !end || !desc || !achieved)
        return std::nullopt;
    // The percentage is the rest of the line. When it alone cannot be read
    // the goal keeps everything else and starts again from 0 percent.
    bool isNumber = false;
    int percent = reader.rest().toInt(&isNumber);
    const bool percentReadable = isNumber;
    if (!isNumber)
        percent = 0;

    GoalRecord goal;
    goal.GoalName = *name;
    goal.StartDate = *start;
    goal.EndDate = *end;
    goal.GoalDesc = *desc;
    goal.Achieved = *achieved;
    goal.AchievedPercent = static_cast<qint16>(std::clamp(percent, 0, 100));
    if (repaired)
        *repaired = !percentReadable || goal.AchievedPercent != percent;
    return goal;
}

bool goalTextStorable(const QString& text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
            || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

GoalsFile::GoalsFile() : m_path(platform::inUserDataFolder(QStringLiteral("goals.txt"))) {}

GoalsFile::GoalsFile(QString path) : m_path(std::move(path)) {}

bool GoalsFile::exists() const { return QFileInfo(m_path).isFile(); }

QList<GoalRecord> GoalsFile::ReadGoals()
{
    QList<GoalRecord> goals;
    m_damagedLines = 0;
    m_readError.clear();
    QFile file(m_path);
    if (!QFileInfo::exists(m_path))
        return goals;
    if (!QFileInfo(m_path).isFile() || !file.open(QIODevice::ReadOnly)) {
        // Goals that cannot be read now must not be lost by the next save:
        // that save first keeps the file as it is (and fails if it cannot).
        m_readError = QFileInfo(m_path).isDir() ? QStringLiteral("It is a folder, not a file")
                    : QFileInfo(m_path).isFile() ? file.errorString()
                                                 : QStringLiteral("It is not a regular file");
        m_backupPending = true;
        return goals;
    }
    const QByteArray bytes = file.readAll();
    for (const QByteArray& raw : bytes.split('\n')) {
        QString text = decodeLine(raw);
        QStringView line(text);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        bool repaired = false;
        if (std::optional<GoalRecord> goal = parseGoalLine(line, &repaired)) {
            goals.append(*goal);
            if (repaired)
                ++m_damagedLines;
        } else {
            ++m_damagedLines;
        }
    }
    if (m_damagedLines > 0)
        m_backupPending = true;
    return goals;
}

bool GoalsFile::keepBackup(QString* error)
{
    if (!m_backupPending || !exists())
        return true;
    QFile original(m_path);
    if (!original.open(QIODevice::ReadOnly)) {
        if (error)
            *error = original.errorString();
        return false;
    }
    const QByteArray bytes = original.readAll();
    if (original.error() != QFileDevice::NoError) {
        if (error)
            *error = original.errorString();
        return false;
    }
    QString reason;
    if (!platform::saveFile(backupPath(), bytes, &reason)) {
        if (error)
            *error = QStringLiteral("the original could not be kept in ") + backupPath() + QStringLiteral(": ")
                   + reason;
        return false;
    }
    m_backupPending = false;
    return true;
}

bool GoalsFile::WriteGoals(const QList<GoalRecord>& goals, QString* error)
{
    // A file that could not be read is not replaced: its goals would be lost.
    if (m_backupPending && QFileInfo::exists(m_path) && !exists()) {
        if (error)
            *error = m_readError.isEmpty() ? QStringLiteral("It is not a regular file") : m_readError;
        return false;
    }
    // Keep the damaged file as it was before its unreadable lines are dropped.
    if (!keepBackup(error))
        return false;

    // An installed program's first goal makes the user's data folder.
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("The folder ") + folder + QStringLiteral(" could not be made");
        return false;
    }
    QByteArray bytes;
    for (const GoalRecord& goal : goals)
        bytes += formatGoalLine(goal).toUtf8() + "\r\n";
    return platform::saveFile(m_path, bytes, error);
}

int daysFrom(const QDate& a, const QDate& b) { return static_cast<int>(a.daysTo(b)); }

QString expectedPercentText(int total, int elapsed)
{
    const float expected = 100.0f / static_cast<float>(total) * static_cast<float>(elapsed);
    // Two decimals, ties to even, kept as a single-precision number.
    const float rounded = static_cast<float>(std::nearbyint(static_cast<double>(expected) * 100.0) / 100.0);
    // Seven significant digits are all a float holds; 'g' drops trailing zeros.
    return QString::number(static_cast<double>(rounded), 'g', 7);
}

GoalProgress goalProgress(const QDate& start, const QDate& end, const QDate& today,
                          const QString& achievedPercentText, bool showDaysRemaining)
{
    GoalProgress progress;
    const int total = daysFrom(start, end);
    const int elapsed = daysFrom(start, today);
    if (elapsed < 0) {
        progress.info = QStringLiteral("Your goal starting date has been set for the future");
        return progress;
    }
    if (total > 0) {
        if (showDaysRemaining)
            progress.daysRemaining = daysFrom(today, end);
        progress.info = QStringLiteral("You should have achieved ") + expectedPercentText(total, elapsed)
                      + QStringLiteral("%. You have actually achieved ") + achievedPercentText
                      + QStringLiteral("%");
    }
    return progress;
}

} // namespace kestrune::tutor

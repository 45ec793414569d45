#pragma once

// The user's study goals and their file "goals.txt": one line per goal, each
// ended by CR LF, six comma-separated fields
//     "name",#yyyy-mm-dd#,#yyyy-mm-dd#,"description",#TRUE#|#FALSE#,percent
// Texts are written between double quotes as they are (nothing is escaped),
// so a text holding a double quote or a line break cannot be stored; callers
// check with goalTextStorable() first.
//
// Reading is line by line, each line UTF-8 where it is valid and Latin-1
// otherwise (the file is always written as UTF-8): a line that cannot be read
// is set aside and the goals after it still load; a goal whose percentage
// alone cannot be read keeps its other fields at 0 percent. Before a file with
// such a line is first rewritten, it is kept as it was beside itself as
// "goals.txt.bak".

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace kestrune::tutor {

struct GoalRecord {
    QString GoalName;
    QDate StartDate;
    QDate EndDate;
    QString GoalDesc;
    bool Achieved = false;
    qint16 AchievedPercent = 0; // 0..100

    bool operator==(const GoalRecord&) const = default;
};

// One line of the file, without its line end.
QString formatGoalLine(const GoalRecord& goal);
// The goal of one line, or nothing when the line is damaged. A percentage
// outside 0..100 is brought into range, one that cannot be read becomes 0;
// both are reported through *repaired.
std::optional<GoalRecord> parseGoalLine(QStringView line, bool* repaired = nullptr);

// Whether a name or description can be written and read back unchanged.
bool goalTextStorable(const QString& text);

class GoalsFile {
public:
    // The file "goals.txt" in the user's data folder (the application folder
    // while it can be written), or the path given.
    GoalsFile();
    explicit GoalsFile(QString path);

    QString path() const { return m_path; }
    QString backupPath() const { return m_path + QStringLiteral(".bak"); }
    bool exists() const;

    // Every goal of the file in file order; no file means no goals.
    QList<GoalRecord> ReadGoals();
    // Lines of the last read that could not be read (or had to be repaired).
    int damagedLines() const { return m_damagedLines; }
    // Why the last read could not open the file at all (empty when it could,
    // or when there was no file).
    QString readError() const { return m_readError; }

    // Keeps the file as it is in backupPath() when the last read set lines
    // aside or could not read it, once; true when nothing needed keeping.
    bool keepBackup(QString* error = nullptr);

    // Replaces the file by one line per goal, atomically: on any failure the
    // file stays as it was. An empty list leaves an empty file (no goals).
    // Keeps the damaged file as the backup first when the last read found one,
    // and makes the file's folder when it is missing.
    bool WriteGoals(const QList<GoalRecord>& goals, QString* error = nullptr);

private:
    QString m_path;
    QString m_readError;
    int m_damagedLines = 0;
    bool m_backupPending = false;
};

// Calendar days from a to b (negative when b is before a).
int daysFrom(const QDate& a, const QDate& b);

// The expected percentage 100 / total x elapsed, rounded to two decimals as a
// single-precision number and written in its shortest form: "42.86", "50",
// "0.5". Not capped at 100. total must be positive.
QString expectedPercentText(int total, int elapsed);

// The goal timer for the dates shown: the progress line and, when wanted and
// meaningful, the days remaining.
struct GoalProgress {
    QString info;                     // the progress line (may be empty)
    std::optional<int> daysRemaining; // shown beside "Day(s) Remaining"
};
GoalProgress goalProgress(const QDate& start, const QDate& end, const QDate& today,
                          const QString& achievedPercentText, bool showDaysRemaining);

} // namespace kestrune::tutor

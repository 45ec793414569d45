#pragma once

// The test report: one line per answered question with the outcome in a fixed
// column, a rule, and the summary line; and saving it as a text file.

#include "tutor/TestSession.h"

#include <QString>

#include <functional>
#include <memory>

namespace kestrune::tutor {

struct TestReport {
    QString text;      // lines separated by CR LF; no line break after the summary
    QString summary;   // the last line, also shown beside the report
};

// One question line: "01.      <name>" padded so that the outcome starts in the
// same column for every name of up to 25 characters (reversed) or 36 (upright).
// Longer names get no padding rather than a negative amount.
QString reportLine(int number, const QString& name, bool reversed, const QString& outcome);

// "Correct"/"Wrong" for a description question, "2 Out Of 3 Correct" for a
// keyword question.
QString outcomeText(TestType type, int result, int required);

QString summaryText(const TestOutcome& outcome);

// Composes the report; nameOf gives a card's name from its ID.
TestReport composeTestReport(const TestOutcome& outcome, const std::function<QString(int)>& nameOf);

// The same with the names read from "SELECT * FROM tblCards" on the connection.
TestReport buildTestReport(const TestOutcome& outcome, const std::shared_ptr<Connection>& connection);

// Writes the text and a final CR LF to the file, replacing it, as 8-bit text in
// the platform's character set. On failure the file is left as it was and
// *error says why; a name that is not a regular file is refused.
bool saveTestReport(const QString& path, const QString& text, QString* error = nullptr);

} // namespace kestrune::tutor

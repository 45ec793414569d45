#pragma once

// UserControl1: a date picker made of three selection-only lists (month, day,
// year 1980..2099). Its date is always a real calendar date: after every
// selection change the day is limited to the length of the chosen month, then
// DateChanged is raised.

#include <QColor>
#include <QDate>
#include <QWidget>

class QComboBox;

namespace kestrune::widgets {

class UserControl1 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QDate Value READ value WRITE setValue NOTIFY DateChanged)
    Q_PROPERTY(bool Enabled READ listsEnabled WRITE setListsEnabled)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)

public:
    static constexpr int FirstYear = 1980;
    static constexpr int LastYear = 2099;

    // Starts on today's date (the platform clock).
    explicit UserControl1(QWidget* parent = nullptr);

    // The date of the three selections.
    QDate value() const;
    // Selects the date's month, day and year so that value() gives it back.
    // A date outside 1980..2099 selects the nearest date inside; an invalid
    // date changes nothing.
    void setValue(const QDate& date);

    // Enables or disables the three lists and remembers the value given.
    bool listsEnabled() const { return m_enabled; }
    void setListsEnabled(bool enabled);

    // The lists' text colour (read back from the day list).
    QColor foreColor() const;
    void setForeColor(const QColor& colour);

    QComboBox* monthList() const { return m_month; }
    QComboBox* dayList() const { return m_day; }
    QComboBox* yearList() const { return m_year; }

    // Days of a month, leap years included.
    static int daysInMonth(int year, int month);

signals:
    void DateChanged();

private:
    void selectionChanged();
    void ClampDay();

    QComboBox* m_month;
    QComboBox* m_day;
    QComboBox* m_year;
    bool m_enabled = true;
};

} // namespace kestrune::widgets

#include "widgets/DatePicker.h"

#include "platform/Geometry.h"
#include "platform/Seams.h"

#include <QComboBox>
#include <QPalette>

namespace kestrune::widgets {

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

QComboBox* makeList(QWidget* parent, const char* name, int left, int width)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    list->setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 8));
    list->setMaxVisibleItems(12);
    platform::placeTwips(list, left, 30, width, 315);
    return list;
}

} // namespace

UserControl1::UserControl1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("UserControl1"));
    // The control keeps its design size whatever its host asks for.
    setFixedSize(platform::twips(3195), platform::twips(400));

    m_month = makeList(this, "cboMonth", 0, 1305);
    m_day = makeList(this, "cboDate", 1365, 645);
    m_year = makeList(this, "cboYear", 2070, 1095);

    for (const char* name : kMonthNames)
        m_month->addItem(QLatin1String(name));
    for (int day = 1; day <= 31; ++day)
        m_day->addItem(QString::number(day));
    for (int year = FirstYear; year <= LastYear; ++year)
        m_year->addItem(QString::number(year));

    for (QComboBox* list : {m_month, m_day, m_year})
        connect(list, &QComboBox::currentIndexChanged, this, &UserControl1::selectionChanged);

    setValue(platform::clock().today());
}

int UserControl1::daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

QDate UserControl1::value() const
{
    return QDate(FirstYear + m_year->currentIndex(), m_month->currentIndex() + 1, m_day->currentIndex() + 1);
}

void UserControl1::setValue(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDate first(FirstYear, 1, 1);
    const QDate last(LastYear, 12, 31);
    const QDate target = date < first ? first : (date > last ? last : date);
    // Year and month first, the day last: the day limit then works on the
    // target month, so the day asked for is never cut by the month shown before.
    m_year->setCurrentIndex(target.year() - FirstYear);
    m_month->setCurrentIndex(target.month() - 1);
    m_day->setCurrentIndex(target.day() - 1);
}

void UserControl1::setListsEnabled(bool enabled)
{
    m_enabled = enabled;
    for (QComboBox* list : {m_month, m_day, m_year})
        list->setEnabled(enabled);
}

QColor UserControl1::foreColor() const
{
    return m_day->palette().color(QPalette::Active, QPalette::Text);
}

void UserControl1::setForeColor(const QColor& colour)
{
    for (QComboBox* list : {m_month, m_day, m_year}) {
        QPalette palette = list->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Text, colour);
            palette.setColor(group, QPalette::ButtonText, colour);
            palette.setColor(group, QPalette::WindowText, colour);
        }
        list->setPalette(palette);
    }
}

void UserControl1::selectionChanged()
{
    ClampDay();
    emit DateChanged();
}

void UserControl1::ClampDay()
{
    if (m_month->currentIndex() < 0 || m_year->currentIndex() < 0 || m_day->currentIndex() < 0)
        return;
    const int last = daysInMonth(FirstYear + m_year->currentIndex(), m_month->currentIndex() + 1);
    if (m_day->currentIndex() + 1 > last)
        m_day->setCurrentIndex(last - 1); // raises its own change, and DateChanged with it
}

} // namespace kestrune::widgets

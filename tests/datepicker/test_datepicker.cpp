#include "platform/Geometry.h"
#include "platform/Seams.h"
#include "widgets/DatePicker.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

using kestrune::widgets::UserControl1;
namespace platform = kestrune::platform;

class TestDatePicker : public QObject {
    Q_OBJECT

    platform::FixedClock m_clock{QDate(2007, 1, 1)};

private slots:
    void init() { platform::setClock(&m_clock); }
    void cleanup() { platform::resetSeams(); }

    void startsOnTodayWithTheFixedLists()
    {
        m_clock.set(QDate(2011, 6, 15));
        UserControl1 picker;
        QCOMPARE(picker.value(), QDate(2011, 6, 15));

        QCOMPARE(picker.monthList()->count(), 12);
        QCOMPARE(picker.monthList()->itemText(0), QStringLiteral("January"));
        QCOMPARE(picker.monthList()->itemText(11), QStringLiteral("December"));
        QCOMPARE(picker.dayList()->count(), 31);
        QCOMPARE(picker.dayList()->itemText(30), QStringLiteral("31"));
        QCOMPARE(picker.yearList()->count(), 120);
        QCOMPARE(picker.yearList()->itemText(0), QStringLiteral("1980"));
        QCOMPARE(picker.yearList()->itemText(119), QStringLiteral("2099"));

        QCOMPARE(picker.findChild<QComboBox*>(QStringLiteral("cboMonth"))->geometry(),
                 platform::twipRect(0, 30, 1305, 315));
        QCOMPARE(picker.findChild<QComboBox*>(QStringLiteral("cboDate"))->geometry(),
                 platform::twipRect(1365, 30, 645, 315));
        QCOMPARE(picker.findChild<QComboBox*>(QStringLiteral("cboYear"))->geometry(),
                 platform::twipRect(2070, 30, 1095, 315));
    }

    void keepsItsSizeWhenTheHostResizesIt()
    {
        UserControl1 picker;
        picker.resize(600, 300);
        QCOMPARE(picker.size(), QSize(platform::twips(3195), platform::twips(400)));
    }

    // The day is limited after each selection change; the rows give the date
    // shown, then the list changes made by the user, then the date that results.
    void limitsTheDayToTheMonth_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("day");    // 0: leave the day as it is
        QTest::addColumn<int>("month");  // 0: leave the month
        QTest::addColumn<int>("year");   // 0: leave the year
        QTest::addColumn<QDate>("expected");

        QTest::newRow("31st, then February 2007 gives the 28th") << QDate(2007, 1, 1) << 31 << 2 << 0 << QDate(2007, 2, 28);
        QTest::newRow("30th, then February of leap 2008 gives the 29th") << QDate(2008, 1, 1) << 30 << 2 << 0 << QDate(2008, 2, 29);
        QTest::newRow("29 Feb 2008, then 2007 gives the 28th") << QDate(2008, 2, 29) << 0 << 0 << 2007 << QDate(2007, 2, 28);
        QTest::newRow("31st, then April gives the 30th") << QDate(2010, 3, 31) << 0 << 4 << 0 << QDate(2010, 4, 30);
        QTest::newRow("31st in a 31-day month stays") << QDate(2010, 3, 1) << 31 << 12 << 0 << QDate(2010, 12, 31);
        QTest::newRow("century rule: 2000 is a leap year") << QDate(2000, 2, 1) << 29 << 0 << 0 << QDate(2000, 2, 29);
        QTest::newRow("31st of a 30-day month is cut at once") << QDate(2010, 6, 1) << 31 << 0 << 0 << QDate(2010, 6, 30);
    }
    void limitsTheDayToTheMonth()
    {
        QFETCH(QDate, start);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QDate, expected);

        UserControl1 picker;
        picker.setValue(start);
        QCOMPARE(picker.value(), start);
        if (day)
            picker.dayList()->setCurrentIndex(day - 1);
        if (month)
            picker.monthList()->setCurrentIndex(month - 1);
        if (year)
            picker.yearList()->setCurrentIndex(year - UserControl1::FirstYear);
        QCOMPARE(picker.value(), expected);
    }

    void raisesDateChangedAfterTheDayIsLimited()
    {
        UserControl1 picker;
        picker.setValue(QDate(2007, 1, 31));
        QList<QDate> seen;
        connect(&picker, &UserControl1::DateChanged, this, [&] { seen.append(picker.value()); });

        picker.monthList()->setCurrentIndex(1); // February 2007
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), QDate(2007, 2, 28));
        // Every notification already sees a valid date.
        for (const QDate& d : seen)
            QVERIFY(d.isValid());

        // Choosing 2008 afterwards leaves the 28th: the day is not raised again.
        seen.clear();
        picker.yearList()->setCurrentIndex(2008 - UserControl1::FirstYear);
        QCOMPARE(seen, QList<QDate>{QDate(2008, 2, 28)});
    }

    void settingValueIsNotCutByTheMonthShownBefore_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("assigned");
        QTest::newRow("31 March while February is shown") << QDate(2007, 2, 28) << QDate(2007, 3, 31);
        QTest::newRow("29 Feb 2008 while 1 Jan 2007 is shown") << QDate(2007, 1, 1) << QDate(2008, 2, 29);
        QTest::newRow("28 Feb 2007 while 31 Jan 2008 is shown") << QDate(2008, 1, 31) << QDate(2007, 2, 28);
        QTest::newRow("31 Dec 2099 while 29 Feb 1980 is shown") << QDate(1980, 2, 29) << QDate(2099, 12, 31);
    }
    void settingValueIsNotCutByTheMonthShownBefore()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, assigned);
        UserControl1 picker;
        picker.setValue(shown);
        QSignalSpy changed(&picker, &UserControl1::DateChanged);
        picker.setValue(assigned);
        QCOMPARE(picker.value(), assigned);
        QVERIFY(changed.count() >= 1);
    }

    void staysWithinItsYears()
    {
        UserControl1 picker;
        picker.setValue(QDate(1975, 5, 5));
        QCOMPARE(picker.value(), QDate(1980, 1, 1));
        picker.setValue(QDate(2150, 5, 5));
        QCOMPARE(picker.value(), QDate(2099, 12, 31));
        picker.setValue(QDate());
        QCOMPARE(picker.value(), QDate(2099, 12, 31));
    }

    void enabledAndForeColorReachAllThreeLists()
    {
        UserControl1 picker;
        picker.setListsEnabled(false);
        QVERIFY(!picker.listsEnabled());
        for (QComboBox* list : {picker.monthList(), picker.dayList(), picker.yearList()})
            QVERIFY(!list->isEnabled());
        picker.setListsEnabled(true);
        QVERIFY(picker.listsEnabled());
        QVERIFY(picker.yearList()->isEnabled());

        picker.setForeColor(QColor(128, 0, 0));
        QCOMPARE(picker.foreColor(), QColor(128, 0, 0));
        QCOMPARE(picker.monthList()->palette().color(QPalette::Text), QColor(128, 0, 0));
        QCOMPARE(picker.property("ForeColor").value<QColor>(), QColor(128, 0, 0));
    }
};

QTEST_MAIN(TestDatePicker)
#include "test_datepicker.moc"

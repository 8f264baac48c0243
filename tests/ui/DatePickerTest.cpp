#include "ui/DatePicker.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/PickerView.h"

#include <QSignalSpy>

using ui::DatePicker;

namespace {

class DatePickerTest : public QuorvelTest {
protected:
    void show(DatePicker& picker) {
        picker.resize(320, 216);
        picker.show();
    }
    static void turn(DatePicker& picker, int component, int rows) {
        gui::turn(picker.picker(), component, rows);
    }
};

} // namespace

TEST_F(DatePickerTest, ShowsTheGivenDayAndKeepsItsTimeOfDay) {
    DatePicker picker(DatePicker::Mode::Date);
    show(picker);
    const QDateTime start(QDate(2001, 3, 31), QTime(8, 0));
    picker.setDate(start);
    EXPECT_EQ(picker.picker()->selectedRowInComponent(1), 30);
    EXPECT_EQ(picker.picker()->selectedRowInComponent(2), 2001 - DatePicker::firstYear);
    QSignalSpy changed(&picker, &DatePicker::valueChanged);
    turn(picker, 2, 1);
    EXPECT_EQ(picker.date(), QDateTime(QDate(2002, 3, 31), QTime(8, 0)));
    EXPECT_EQ(changed.count(), 1);
    // Setting a date in code is silent; no date leaves the shown one.
    picker.setDate(start);
    picker.setDate(QDateTime());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(picker.date(), start);
}

TEST_F(DatePickerTest, MovingToAShorterMonthPullsTheDayIntoIt) {
    DatePicker picker(DatePicker::Mode::Date);
    show(picker);
    picker.setDate(QDateTime(QDate(2024, 1, 31), QTime(8, 0)));
    turn(picker, 0, 1); // to February of a leap year
    EXPECT_EQ(picker.date().date(), QDate(2024, 2, 29));
    EXPECT_EQ(picker.picker()->numberOfRowsInComponent(1), 29);
    turn(picker, 2, -1); // 2023: not a leap year
    EXPECT_EQ(picker.date().date(), QDate(2023, 2, 28));
    EXPECT_EQ(picker.picker()->numberOfRowsInComponent(1), 28);
}

TEST_F(DatePickerTest, TimeModeChangesOnlyTheTimeAndReadsTwelveHourWheels) {
    DatePicker picker(DatePicker::Mode::Time);
    show(picker);
    picker.setDate(QDateTime(QDate(2026, 12, 6), QTime(0, 5)));
    EXPECT_EQ(picker.picker()->selectedRowInComponent(0), 11); // 12 AM
    EXPECT_EQ(picker.picker()->selectedRowInComponent(2), 0);
    turn(picker, 2, 1);
    EXPECT_EQ(picker.date(), QDateTime(QDate(2026, 12, 6), QTime(12, 5)));
    turn(picker, 0, -11); // 1 PM
    turn(picker, 1, 10);
    EXPECT_EQ(picker.date(), QDateTime(QDate(2026, 12, 6), QTime(13, 15)));
}

TEST_F(DatePickerTest, NoDayPastTheMaximumStaysOnTheWheels) {
    DatePicker picker(DatePicker::Mode::Date);
    show(picker);
    picker.setDate(QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    picker.setMaximumDate(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    EXPECT_EQ(picker.date(), QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    picker.setDate(QDateTime(QDate(2025, 12, 31), QTime(0, 0)));
    QSignalSpy changed(&picker, &DatePicker::valueChanged);
    turn(picker, 2, 1); // 31 December 2026 is past the limit
    EXPECT_EQ(picker.date(), QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    EXPECT_EQ(picker.picker()->selectedRowInComponent(1), 5);
    EXPECT_EQ(picker.picker()->selectedRowInComponent(2), 2026 - DatePicker::firstYear);
    EXPECT_EQ(changed.count(), 1);
    turn(picker, 1, -1);
    EXPECT_EQ(picker.date().date(), QDate(2026, 12, 5));
}

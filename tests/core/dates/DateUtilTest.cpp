#include "core/dates/DateUtil.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

class DateUtilTest : public QuorvelTest {};

TEST_F(DateUtilTest, PartsFollowTheZoneAndOffsetsTruncateToWholeHours) {
    const QDateTime instant(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
    ScopedTimeZone tz("America/New_York");
    EXPECT_EQ(DateUtil::hour(instant), 7);
    EXPECT_EQ(DateUtil::gmt(at(2026, 7, 15)), -4);
    ScopedTimeZone::apply("Asia/Kolkata");
    EXPECT_EQ(DateUtil::hour(instant), 17);
    EXPECT_EQ(DateUtil::minute(instant), 30);
    EXPECT_EQ(DateUtil::gmt(instant), 5);
    ScopedTimeZone::apply("America/St_Johns");
    EXPECT_EQ(DateUtil::gmt(at(2026, 1, 15)), -3);
    EXPECT_EQ(DateUtil::gmt(at(2026, 7, 15)), -2);
}

TEST_F(DateUtilTest, ComposingGivesNoDateForDaysAndTimesThatDoNotExist) {
    ScopedTimeZone tz("America/New_York");
    EXPECT_EQ(DateUtil::dateWithYear(2026, 3, 8, 3, 0), at(2026, 3, 8, 3, 0));
    EXPECT_FALSE(DateUtil::dateWithYear(2026, 2, 30).isValid());
    EXPECT_FALSE(DateUtil::dateWithYear(2026, 13, 1).isValid());
    EXPECT_FALSE(DateUtil::dateWithYear(2026, 3, 8, 2, 30).isValid());
    EXPECT_FALSE(DateUtil::dateWithYear(2026, 3, 8, 24, 0).isValid());
    // The repeated hour of the autumn change is a real moment.
    EXPECT_TRUE(DateUtil::dateWithYear(2026, 11, 1, 1, 30).isValid());
}

TEST_F(DateUtilTest, DayFormsUseTheFirstValidMomentWhereTheWallTimeIsSkipped) {
    {
        ScopedTimeZone tz("America/New_York");
        EXPECT_EQ(DateUtil::trunc(at(2026, 3, 8, 15, 20)), at(2026, 3, 8));
        EXPECT_EQ(DateUtil::safeTrunc(at(2026, 3, 8, 0, 10)), at(2026, 3, 8, 8));
        EXPECT_EQ(DateUtil::firstValidAtOrAfter(QDate(2026, 3, 8), QTime(2, 30)),
                  at(2026, 3, 8, 3, 0));
    }
    // Brazil moved its clocks from 00:00 to 01:00 on 4 November 2018.
    ScopedTimeZone tz("America/Sao_Paulo");
    EXPECT_EQ(DateUtil::trunc(at(2018, 11, 4, 12)), at(2018, 11, 4, 1));
    EXPECT_FALSE(DateUtil::dateWithYear(2018, 11, 4).isValid());
}

TEST_F(DateUtilTest, DayAndMonthSteppingKeepTheWallTimeAcrossBothChanges) {
    ScopedTimeZone tz("America/New_York");
    EXPECT_EQ(DateUtil::addDays(at(2026, 3, 7, 8), 1), at(2026, 3, 8, 8));
    EXPECT_EQ(DateUtil::addDays(at(2026, 3, 8, 8), -1), at(2026, 3, 7, 8));
    EXPECT_EQ(DateUtil::addDays(at(2026, 3, 7, 2, 30), 1), at(2026, 3, 8, 3, 0));
    EXPECT_EQ(DateUtil::addDays(at(2026, 10, 31, 23, 30), 1), at(2026, 11, 1, 23, 30));
    EXPECT_EQ(DateUtil::addDays(at(2026, 12, 31, 9), 1), at(2027, 1, 1, 9));
    EXPECT_FALSE(DateUtil::addDays(QDateTime(), 1).isValid());

    EXPECT_EQ(DateUtil::getMonth(-1, at(2010, 1, 15, 14, 30)), at(2009, 12, 1, 14, 30));
    EXPECT_EQ(DateUtil::getMonth(12, at(2010, 1, 15, 14, 30)), at(2011, 1, 1, 14, 30));
    EXPECT_EQ(DateUtil::addMonth(1, at(2012, 1, 31, 10, 5)), at(2012, 2, 29, 10, 5));
    EXPECT_EQ(DateUtil::addMonth(-3, at(2012, 1, 31)), at(2011, 10, 31));
    EXPECT_EQ(DateUtil::addMonth(1, at(2026, 2, 8, 2, 30)), at(2026, 3, 8, 3, 0));
    EXPECT_EQ(DateUtil::addMonth(1, at(2026, 10, 15, 9)), at(2026, 11, 15, 9));
    EXPECT_EQ(DateUtil::addYear(4, at(2024, 2, 29, 14)), at(2028, 2, 29));
    EXPECT_FALSE(DateUtil::addYear(1, at(2024, 2, 29)).isValid());
}

TEST_F(DateUtilTest, CountsOfDaysMonthsAndYearsAreCalendarCounts) {
    ScopedTimeZone tz("America/New_York");
    EXPECT_EQ(DateUtil::daysInMonth(2, 1900), 28);
    EXPECT_EQ(DateUtil::daysInMonth(2, 2000), 29);
    EXPECT_EQ(DateUtil::monthsDiff(at(2010, 1, 31), at(2009, 12, 1)), 1);
    EXPECT_EQ(DateUtil::monthsDiff(at(2009, 12, 1), at(2011, 2, 1)), -14);
    EXPECT_EQ(DateUtil::yearsDiff(at(2010, 1, 1), at(2009, 12, 31)), 1);
    // Daylight-saving time began on 14 March 2010: that day has 23 hours.
    EXPECT_EQ(DateUtil::daysDiff(at(2010, 3, 15, 9), at(2010, 3, 14, 23)), 1);
    EXPECT_EQ(DateUtil::daysDiff(at(2010, 3, 14), at(2010, 3, 15)), -1);
    EXPECT_EQ(DateUtil::daysDiff(at(2026, 11, 2, 0, 1), at(2026, 11, 1, 23, 59)), 1);
    EXPECT_EQ(DateUtil::daysDiff(at(2026, 12, 31, 23), at(2026, 1, 1)), 364);
    EXPECT_EQ(DateUtil::daysDiff(at(2026, 5, 5, 23), at(2026, 5, 5, 1)), 0);
}

TEST_F(DateUtilTest, SameDayWeekMonthAndYear) {
    ScopedTimeZone tz("America/New_York");
    const QDateTime sunday = at(2026, 12, 6, 22);
    const QDateTime saturday = at(2026, 12, 12, 1);
    EXPECT_TRUE(DateUtil::dateIsOneWeekWith(sunday, saturday));
    EXPECT_TRUE(DateUtil::dateIsOneWeekWith(saturday, sunday));
    EXPECT_FALSE(DateUtil::dateIsOneWeekWith(saturday, at(2026, 12, 13)));
    EXPECT_FALSE(DateUtil::dateIsOneWeekWith(at(2026, 12, 9), at(2026, 12, 17)));
    // Weeks holding a 23-hour and a 25-hour day.
    EXPECT_TRUE(DateUtil::dateIsOneWeekWith(at(2026, 3, 8), at(2026, 3, 14, 23)));
    EXPECT_FALSE(DateUtil::dateIsOneWeekWith(at(2026, 3, 7), at(2026, 3, 8)));
    EXPECT_TRUE(DateUtil::dateIsOneWeekWith(at(2026, 11, 1), at(2026, 11, 7, 23, 30)));
    EXPECT_FALSE(DateUtil::dateIsOneWeekWith(at(2026, 10, 31, 23), at(2026, 11, 1, 1)));

    ScopedTimeZone::apply("Asia/Kolkata");
    const QDateTime a = at(2026, 12, 6, 10);
    EXPECT_TRUE(DateUtil::dateMoreThan(a.addSecs(1), a));
    EXPECT_FALSE(DateUtil::dateMoreThan(a, a));
    EXPECT_TRUE(DateUtil::dateIsOneDayWith(a, at(2026, 12, 6, 23, 59)));
    EXPECT_FALSE(DateUtil::dateIsOneDayWith(a, QDateTime()));
    EXPECT_TRUE(DateUtil::dateIsOneMonthWith(a, at(2026, 12, 31)));
    EXPECT_FALSE(DateUtil::dateIsOneMonthWith(a, at(2025, 12, 6)));
    EXPECT_TRUE(DateUtil::dateIsOneYearWith(a, at(2026, 1, 1)));
    // An instant late in the UTC day is already the next day in Kolkata.
    const QDateTime lateUtc(QDate(2026, 12, 6), QTime(20, 0), Qt::UTC);
    EXPECT_TRUE(DateUtil::dateIsOneDayWith(lateUtc, at(2026, 12, 7, 9)));
    EXPECT_EQ(DateUtil::dateZeroGMT(a), at(2026, 12, 6, 4, 30));
    EXPECT_TRUE(DateUtil::isEqualStringDate("2010-05-01", "2010/05/01"));
    EXPECT_FALSE(DateUtil::isEqualStringDate("2010-05-01", "2010-5-1"));
}

TEST_F(DateUtilTest, WeekdayAndWeekOfMonthCountFromSunday) {
    EXPECT_EQ(DateUtil::dayOfWeek(at(2026, 12, 6)), 1);
    EXPECT_EQ(DateUtil::dayOfWeek(at(2026, 12, 12)), 7);
    EXPECT_EQ(DateUtil::dayOfWeekWithUsaLocale(at(2026, 12, 7)), 2);
    // December 2026 starts on a Tuesday.
    EXPECT_EQ(DateUtil::weekOfMonthWithUsaLocale(at(2026, 12, 5)), 1);
    EXPECT_EQ(DateUtil::weekOfMonthWithUsaLocale(at(2026, 12, 6)), 2);
    EXPECT_EQ(DateUtil::weekOfMonthWithUsaLocale(at(2026, 12, 31)), 5);
    EXPECT_EQ(DateUtil::weekOfMonth(at(2026, 12, 6)), 2);
}

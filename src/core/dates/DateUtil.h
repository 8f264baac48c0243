#pragma once

#include <QDateTime>
#include <QString>

// Calendar arithmetic in the local time zone (read afresh at every call, so a change of TZ
// takes effect at once). Weekdays run 1 = Sunday to 7 = Saturday. An invalid date stands for
// "no date"; operations given no date answer no date (or 0, or no).
class DateUtil {
public:
    static int year(const QDateTime& date);
    static int month(const QDateTime& date);
    static int day(const QDateTime& date);
    static int hour(const QDateTime& date);
    static int minute(const QDateTime& date);
    static int dayOfWeek(const QDateTime& date);
    // Offset from UTC in whole hours, truncated toward zero (+05:30 gives 5).
    static int gmt(const QDateTime& date);

    // No date when the numbers do not name a real local moment (30 February, a skipped hour).
    static QDateTime dateWithYear(int year, int month, int day, int hour, int minute);
    static QDateTime dateWithYear(int year, int month, int day);
    // The local moment of that wall time, or the first one after it when the zone skips it.
    static QDateTime firstValidAtOrAfter(const QDate& day, const QTime& time);

    // The day at 00:00 and at 08:00 (the first valid moment after, where skipped).
    static QDateTime trunc(const QDateTime& date);
    static QDateTime safeTrunc(const QDateTime& date);
    // n calendar days later at the same wall time.
    static QDateTime addDays(const QDateTime& date, int n);

    static int daysInMonth(int month, int year);
    static int daysInMonth(const QDateTime& date);
    static bool isLeapYear(int year);

    // First day of the month n months on, at the date's hour and minute.
    static QDateTime getMonth(int n, const QDateTime& date);
    // n months on, same hour and minute, the day cut to the target month's last day.
    static QDateTime addMonth(int n, const QDateTime& date);
    // Same month and day n years on at 00:00; no date when that day does not exist.
    static QDateTime addYear(int n, const QDateTime& date);

    static int monthsDiff(const QDateTime& a, const QDateTime& b);
    static int yearsDiff(const QDateTime& a, const QDateTime& b);
    // Calendar days from b's day to a's day.
    static int daysDiff(const QDateTime& a, const QDateTime& b);
    static double monthCount(const QDateTime& date);

    static bool dateIsOneDayWith(const QDateTime& a, const QDateTime& b);
    static bool equalDatesWithFistDate(const QDateTime& a, const QDateTime& b);
    static bool dateIsOneMonthWith(const QDateTime& a, const QDateTime& b);
    static bool dateIsOneYearWith(const QDateTime& a, const QDateTime& b);
    // Same Sunday-to-Saturday week.
    static bool dateIsOneWeekWith(const QDateTime& a, const QDateTime& b);
    // a strictly later than b.
    static bool dateMoreThan(const QDateTime& a, const QDateTime& b);
    // The date moved back by the local offset from UTC at that date.
    static QDateTime dateZeroGMT(const QDateTime& date);
    // Both texts "yyyy-MM-dd" (exactly 10 characters) with equal year, month and day numbers.
    static bool isEqualStringDate(const QString& a, const QString& b);

    static int weekOfMonth(const QDateTime& date);
    static int weekOfMonthWithUsaLocale(const QDateTime& date);
    static int dayOfWeekWithUsaLocale(const QDateTime& date);

private:
    // The date n months on, on the first of the month or, keeping its day, on the nearest day
    // the month has.
    static QDateTime monthsOn(int n, const QDateTime& date, bool keepDay);
};

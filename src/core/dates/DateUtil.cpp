#include "core/dates/DateUtil.h"

#include "core/dates/DatePattern.h"
#include "core/settings/StoredValue.h"

#include <QLocale>
#include <cmath>

namespace {

QDate localDay(const QDateTime& date) {
    return date.isValid() ? date.toLocalTime().date() : QDate();
}

QTime localTime(const QDateTime& date) {
    return date.isValid() ? date.toLocalTime().time() : QTime();
}

bool exists(const QDateTime& local, const QDate& day, const QTime& time) {
    return local.isValid() && local.date() == day && local.time() == time;
}

// Month stepping: m = month + n carried into the year both ways.
void stepMonth(int n, int& year, int& month) {
    int m = month + n;
    int y = year;
    y += (m - 1) / 12;
    m = (m - 1) % 12 + 1;
    if (m <= 0) {
        m += 12;
        y -= 1;
    }
    year = y;
    month = m;
}

QTime hourAndMinute(const QDateTime& date) {
    const QTime t = localTime(date);
    return QTime(t.hour(), t.minute());
}

const QLocale& usaLocale() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

} // namespace

int DateUtil::year(const QDateTime& date) {
    return date.isValid() ? localDay(date).year() : 0;
}

int DateUtil::month(const QDateTime& date) {
    return date.isValid() ? localDay(date).month() : 0;
}

int DateUtil::day(const QDateTime& date) {
    return date.isValid() ? localDay(date).day() : 0;
}

int DateUtil::hour(const QDateTime& date) {
    return date.isValid() ? localTime(date).hour() : 0;
}

int DateUtil::minute(const QDateTime& date) {
    return date.isValid() ? localTime(date).minute() : 0;
}

int DateUtil::dayOfWeek(const QDateTime& date) {
    // Qt counts Monday = 1 .. Sunday = 7.
    return date.isValid() ? localDay(date).dayOfWeek() % 7 + 1 : 0;
}

int DateUtil::gmt(const QDateTime& date) {
    if (!date.isValid())
        return 0;
    const int offset = date.toLocalTime().offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const int hhmm = (minutes / 60) * 100 + minutes % 60;
    return (offset < 0 ? -hhmm : hhmm) / 100;
}

QDateTime DateUtil::dateWithYear(int year, int month, int day, int hour, int minute) {
    const QString text = QString::asprintf("%i-%i-%i %i:%i", year, month, day, hour, minute);
    return DatePattern::parse(text, QStringLiteral("yyyy-MM-dd H:m"), QLocale());
}

QDateTime DateUtil::dateWithYear(int year, int month, int day) {
    const QString text = QString::asprintf("%i-%i-%i", year, month, day);
    return DatePattern::parse(text, QStringLiteral("yyyy-MM-dd"), QLocale());
}

QDateTime DateUtil::firstValidAtOrAfter(const QDate& day, const QTime& time) {
    if (!day.isValid() || !time.isValid())
        return {};
    const QDateTime wanted(day, time);
    if (exists(wanted, day, time))
        return wanted;
    // Inside a gap: walk the wall clock forward to where the zone resumes. Gaps are at most a
    // day long (a zone that skipped a whole date), and transitions fall on whole minutes.
    const QDateTime start(day, QTime(time.hour(), time.minute()), Qt::UTC);
    for (int step = 1; step <= 26 * 60; ++step) {
        const QDateTime wall = start.addSecs(qint64(step) * 60);
        const QDateTime local(wall.date(), wall.time());
        if (exists(local, wall.date(), wall.time()))
            return local;
    }
    return {};
}

QDateTime DateUtil::trunc(const QDateTime& date) {
    return firstValidAtOrAfter(localDay(date), QTime(0, 0));
}

QDateTime DateUtil::safeTrunc(const QDateTime& date) {
    return firstValidAtOrAfter(localDay(date), QTime(8, 0));
}

QDateTime DateUtil::addDays(const QDateTime& date, int n) {
    if (!date.isValid())
        return {};
    return firstValidAtOrAfter(localDay(date).addDays(n), localTime(date));
}

int DateUtil::daysInMonth(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 30;
    }
}

int DateUtil::daysInMonth(const QDateTime& date) {
    return daysInMonth(month(date), year(date));
}

bool DateUtil::isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

QDateTime DateUtil::getMonth(int n, const QDateTime& date) {
    return monthsOn(n, date, false);
}

QDateTime DateUtil::addMonth(int n, const QDateTime& date) {
    return monthsOn(n, date, true);
}

QDateTime DateUtil::monthsOn(int n, const QDateTime& date, bool keepDay) {
    if (!date.isValid())
        return {};
    int y = year(date);
    int m = month(date);
    stepMonth(n, y, m);
    const int d = keepDay ? std::min(day(date), daysInMonth(m, y)) : 1;
    return firstValidAtOrAfter(QDate(y, m, d), hourAndMinute(date));
}

QDateTime DateUtil::addYear(int n, const QDateTime& date) {
    if (!date.isValid())
        return {};
    const QDate target(year(date) + n, month(date), day(date));
    return firstValidAtOrAfter(target, QTime(0, 0));
}

int DateUtil::monthsDiff(const QDateTime& a, const QDateTime& b) {
    return (year(a) - year(b)) * 12 + month(a) - month(b);
}

int DateUtil::yearsDiff(const QDateTime& a, const QDateTime& b) {
    return year(a) - year(b);
}

int DateUtil::daysDiff(const QDateTime& a, const QDateTime& b) {
    // Counted on the calendar: dividing elapsed seconds by 86400 would lose a day whenever a
    // 23-hour day lies between.
    if (!a.isValid() || !b.isValid())
        return 0;
    return int(localDay(b).daysTo(localDay(a)));
}

double DateUtil::monthCount(const QDateTime& date) {
    return double(year(date)) * 12.0 + month(date);
}

bool DateUtil::dateIsOneDayWith(const QDateTime& a, const QDateTime& b) {
    return a.isValid() && b.isValid() && localDay(a) == localDay(b);
}

bool DateUtil::equalDatesWithFistDate(const QDateTime& a, const QDateTime& b) {
    return dateIsOneDayWith(a, b);
}

bool DateUtil::dateIsOneMonthWith(const QDateTime& a, const QDateTime& b) {
    return a.isValid() && b.isValid() && year(a) == year(b) && month(a) == month(b);
}

bool DateUtil::dateIsOneYearWith(const QDateTime& a, const QDateTime& b) {
    return a.isValid() && b.isValid() && year(a) == year(b);
}

bool DateUtil::dateIsOneWeekWith(const QDateTime& a, const QDateTime& b) {
    if (!a.isValid() || !b.isValid())
        return false;
    const QDateTime startA = trunc(a);
    const QDateTime startB = trunc(b);
    // Rounded, so that a 23- or 25-hour day still counts as one day.
    const qint64 k = std::llround(double(startA.secsTo(startB)) / 86400.0);
    const qint64 distance = std::llabs(k);
    if (distance > 7)
        return false;
    const QDateTime& earlier = k >= 0 ? startA : startB;
    return dayOfWeekWithUsaLocale(earlier) + distance < 8;
}

bool DateUtil::dateMoreThan(const QDateTime& a, const QDateTime& b) {
    return a.isValid() && b.isValid() && a > b;
}

QDateTime DateUtil::dateZeroGMT(const QDateTime& date) {
    if (!date.isValid())
        return {};
    return date.addSecs(-date.toLocalTime().offsetFromUtc());
}

bool DateUtil::isEqualStringDate(const QString& a, const QString& b) {
    if (a.size() != 10 || b.size() != 10)
        return false;
    auto number = [](const QString& text, int from, int length) {
        return StoredValue::leadingInteger(text.mid(from, length));
    };
    return number(a, 0, 4) == number(b, 0, 4) && number(a, 5, 2) == number(b, 5, 2) &&
           number(a, 8, 2) == number(b, 8, 2);
}

int DateUtil::weekOfMonth(const QDateTime& date) {
    return DatePattern::weekOfMonth(localDay(date), QLocale());
}

int DateUtil::weekOfMonthWithUsaLocale(const QDateTime& date) {
    return DatePattern::weekOfMonth(localDay(date), usaLocale());
}

int DateUtil::dayOfWeekWithUsaLocale(const QDateTime& date) {
    return dayOfWeek(date);
}

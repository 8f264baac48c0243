#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Formats and parses dates with Unicode date-format patterns ("yyyy-MM-dd HH:mm:ss",
// "MMMM yyyy", "EEE", "hh:mm aa", "Z", "W") in a given locale and the local time zone.
// Supported letters: y M L d E c a h H K k m s S Z W; quoted text and other characters are
// literal.
class DatePattern {
public:
    static QString format(const QDateTime& date, const QString& pattern, const QLocale& locale);
    // Strict: the whole text must match and name a real local moment, else no date.
    static QDateTime parse(const QString& text, const QString& pattern, const QLocale& locale);
    // "+0530" style offset of the local zone at that date.
    static QString offsetText(const QDateTime& date);
    // Week of the month with the locale's first weekday; the first partial week is 1.
    static int weekOfMonth(const QDate& date, const QLocale& locale);
};

#include "core/diary/DiaryRowDay.h"

#include "core/dates/DateUtil.h"

namespace {

constexpr qsizetype kDateLength = 10; // "yyyy-MM-dd"

// The number the digits spell; -1 when one is not a digit.
int digits(QByteArrayView text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The text is a date alone or a date followed by its time.
bool beginsWithDateField(QByteArrayView text) {
    if (text.size() < kDateLength)
        return false;
    return text.size() == kDateLength || text.at(kDateLength) == ' ' || text.at(kDateLength) == 'T';
}

} // namespace

QDate DiaryRowDay::storedDate(QByteArrayView text) {
    if (!beginsWithDateField(text))
        return QDate();
    if (text.at(4) != '-' || text.at(7) != '-')
        return QDate();
    const int year = digits(text.sliced(0, 4));
    const int month = digits(text.sliced(5, 2));
    const int day = digits(text.sliced(8, 2));
    // QDate refuses -1 as a month or day; a year of -1 would be a real one.
    if (year < 0)
        return QDate();
    return QDate(year, month, day);
}

QDateTime DiaryRowDay::dayOf(QByteArrayView text) {
    // Rows come ordered by day, so most rows repeat the previous date; reading it is the cost
    // of a long diary's load.
    if (lastDay_.isValid() && beginsWithDateField(text) &&
        text.first(kDateLength) == QByteArrayView(lastPrefix_))
        return lastDay_;
    const QDate date = storedDate(text);
    if (!date.isValid())
        return QDateTime();
    lastPrefix_ = text.first(kDateLength).toByteArray();
    lastDay_ = DateUtil::firstValidAtOrAfter(date, QTime(0, 0));
    return lastDay_;
}

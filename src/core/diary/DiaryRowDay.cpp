#include "core/diary/DiaryRowDay.h"

#include "core/dates/DateUtil.h"

namespace {

constexpr qsizetype kDateLength = 10; // "yyyy-MM-dd"

// The number the digits spell; -1 when one is not a digit.
int digits(QStringView text) {
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// The text is a date alone or a date followed by its time.
bool beginsWithDateField(const QString& text) {
    if (text.size() < kDateLength)
        return false;
    return text.size() == kDateLength || text.at(kDateLength) == QLatin1Char(' ') ||
           text.at(kDateLength) == QLatin1Char('T');
}

} // namespace

QDate DiaryRowDay::storedDate(const QString& text) {
    if (!beginsWithDateField(text))
        return QDate();
    const QStringView view(text);
    if (view.at(4) != QLatin1Char('-') || view.at(7) != QLatin1Char('-'))
        return QDate();
    const int year = digits(view.mid(0, 4));
    const int month = digits(view.mid(5, 2));
    const int day = digits(view.mid(8, 2));
    // QDate refuses -1 as a month or day; a year of -1 would be a real one.
    if (year < 0)
        return QDate();
    return QDate(year, month, day);
}

QDateTime DiaryRowDay::dayOf(const QString& text) {
    // Rows come ordered by day, so most rows repeat the previous date; reading it is the cost
    // of a long diary's load.
    if (lastDay_.isValid() && beginsWithDateField(text) &&
        QStringView(text).left(kDateLength) == lastPrefix_)
        return lastDay_;
    const QDate date = storedDate(text);
    if (!date.isValid())
        return QDateTime();
    lastPrefix_ = text.left(kDateLength);
    lastDay_ = DateUtil::firstValidAtOrAfter(date, QTime(0, 0));
    return lastDay_;
}

#include "core/diary/DiaryRowDay.h"

#include "core/dates/DateUtil.h"

QDate DiaryRowDay::storedDate(const QString& text) {
    constexpr qsizetype kDateLength = 10;
    if (text.size() < kDateLength)
        return QDate();
    if (text.size() > kDateLength && text.at(kDateLength) != QLatin1Char(' ') &&
        text.at(kDateLength) != QLatin1Char('T'))
        return QDate();
    return QDate::fromString(text.left(kDateLength), QStringLiteral("yyyy-MM-dd"));
}

QDateTime DiaryRowDay::dayOf(const QString& text) {
    const QDate date = storedDate(text);
    if (!date.isValid())
        return QDateTime();
    if (date != lastDate_) {
        lastDate_ = date;
        lastDay_ = DateUtil::firstValidAtOrAfter(date, QTime(0, 0));
    }
    return lastDay_;
}

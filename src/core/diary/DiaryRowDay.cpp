#include "core/diary/DiaryRowDay.h"

#include "core/dates/DateUtil.h"

namespace {

const QString kPattern = QStringLiteral("yyyy-MM-dd HH:mm:ss");

bool readsAs(const QDate& date, const QString& text) {
    const QDateTime utcMidnight(date, QTime(0, 0), Qt::UTC);
    return utcMidnight.toLocalTime().toString(kPattern) == text;
}

} // namespace

QDate DiaryRowDay::storedDate(const QString& text) {
    if (text.size() != kPattern.size())
        return QDate();
    const QDate shown = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!shown.isValid())
        return QDate();
    // East of Greenwich (or on it) UTC midnight is shown on the same date, west of it on the
    // date before.
    for (const QDate& candidate : {shown, shown.addDays(1)})
        if (readsAs(candidate, text))
            return candidate;
    return QDate();
}

QDateTime DiaryRowDay::dayFromShiftedStart(const QString& text) {
    if (text == lastText_ && !text.isEmpty())
        return lastDay_;
    const QDate date = storedDate(text);
    lastText_ = text;
    lastDay_ = date.isValid() ? DateUtil::firstValidAtOrAfter(date, QTime(0, 0)) : QDateTime();
    return lastDay_;
}

#include "core/weight/WeightTrend.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

WeightTrend::WeightTrend(QList<DayWeight> days) : days_(std::move(days)) {
    std::stable_sort(days_.begin(), days_.end(),
                     [](const DayWeight& a, const DayWeight& b) { return a.day < b.day; });
    // The later of two means of one day wins: it is the one given last.
    QList<DayWeight> unique;
    unique.reserve(days_.size());
    for (const DayWeight& day : std::as_const(days_)) {
        if (!day.day.isValid())
            continue;
        if (!unique.isEmpty() && unique.last().day == day.day)
            unique.last() = day;
        else
            unique.append(day);
    }
    days_ = std::move(unique);
    if (days_.isEmpty())
        return;

    trend_.reserve(firstDay().daysTo(lastDay()) + 1);
    double trend = days_.first().kilograms;
    QDate day = firstDay();
    for (const DayWeight& weighed : std::as_const(days_)) {
        // Days without weighings carry the trend unchanged.
        for (; day < weighed.day; day = day.addDays(1))
            trend_.append(trend);
        trend += smoothing * (weighed.kilograms - trend);
        trend_.append(trend);
        day = day.addDays(1);
    }
}

WeightTrend WeightTrend::fromDays(const QList<WeighingDay>& days) {
    QList<DayWeight> means;
    means.reserve(days.size());
    for (const WeighingDay& day : days) {
        if (day.getTotalWeighings() > 0)
            means.append({QDateTime::fromSecsSinceEpoch(day.daystarttime()).date(),
                          double(day.avgweight())});
    }
    return WeightTrend(std::move(means));
}

std::optional<double> WeightTrend::trendAt(const QDate& day) const {
    if (isEmpty() || !day.isValid() || day < firstDay())
        return std::nullopt;
    const qint64 index = std::min<qint64>(firstDay().daysTo(day), trend_.size() - 1);
    return trend_.at(index);
}

QDate WeightTrend::rateEnd(const QDate& from, const QDate& to) const {
    if (isEmpty() || !to.isValid())
        return QDate();
    const QDate end = std::min(to, lastDay());
    return end < from || end < firstDay() ? QDate() : end;
}

std::optional<double> WeightTrend::weeklyRate(const QDate& from, const QDate& to) const {
    const QDate end = rateEnd(from, to);
    if (!end.isValid())
        return std::nullopt;
    const QDate start = std::max(from, firstDay());
    const qint64 span = start.daysTo(end);
    if (span < 1)
        return std::nullopt;
    return (*trendAt(end) - *trendAt(start)) * 7.0 / double(span);
}

WeightTrend::GoalForecast WeightTrend::forecast(double trend, std::optional<double> rate,
                                                const QDate& day, double goal) {
    using Outlook = GoalForecast::Outlook;
    const double distance = goal - trend;
    if (std::abs(distance) < goalTolerance)
        return {Outlook::AtGoal, {}};
    if (!rate || !day.isValid())
        return {Outlook::Unknown, {}};
    // Not moving at all, or moving the wrong way.
    if (*rate == 0.0 || (distance > 0) != (*rate > 0))
        return {Outlook::MovingAway, {}};
    const double days = std::ceil(distance / (*rate / 7.0));
    if (!(days <= double(longestForecastDays)))
        return {Outlook::MovingAway, {}};
    return {Outlook::ReachedOn, day.addDays(qint64(days))};
}

WeightTrend::GoalForecast WeightTrend::forecast(const QDate& from, const QDate& to,
                                                double goal) const {
    const QDate end = rateEnd(from, to);
    const std::optional<double> trend = trendAt(end.isValid() ? end : std::min(to, lastDay()));
    if (!trend)
        return {};
    return forecast(*trend, weeklyRate(from, to), end, goal);
}

qsizetype WeightTrend::indexAtOrAfter(const QDate& day) const {
    const auto it =
        std::lower_bound(days_.begin(), days_.end(), day,
                         [](const DayWeight& d, const QDate& key) { return d.day < key; });
    return it - days_.begin();
}

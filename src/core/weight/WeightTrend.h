#pragma once

#include "core/weight/WeighingDay.h"

#include <QDate>
#include <QList>
#include <optional>

// The mean of one day's weighings, in kilograms.
struct DayWeight {
    QDate day;
    double kilograms = 0.0;
};

// The course of the weight under the day-to-day noise of water and food: each day with
// weighings moves the trend a tenth of the way to that day's mean, and a day without any keeps
// the trend where it was. The first weighed day starts the trend at its own mean.
class WeightTrend {
public:
    static constexpr double smoothing = 0.1;
    // A trend this close to the goal, in kilograms, is at the goal.
    static constexpr double goalTolerance = 0.05;
    // A goal further away than this at the rate shown is not worth a date.
    static constexpr qint64 longestForecastDays = 100 * 365;

    // Where the trend leads relative to the goal.
    struct GoalForecast {
        enum class Outlook { AtGoal, ReachedOn, MovingAway, Unknown };
        Outlook outlook = Outlook::Unknown;
        // The day the goal is reached, with ReachedOn.
        QDate date;
    };

    WeightTrend() = default;
    // Daily means in any order; a day given twice keeps the mean given last.
    explicit WeightTrend(QList<DayWeight> days);
    // The days with weighings of a day list (days without any carry no mean).
    static WeightTrend fromDays(const QList<WeighingDay>& days);

    bool isEmpty() const { return days_.isEmpty(); }
    // The daily means, ascending by day.
    const QList<DayWeight>& days() const { return days_; }
    QDate firstDay() const { return isEmpty() ? QDate() : days_.first().day; }
    QDate lastDay() const { return isEmpty() ? QDate() : days_.last().day; }

    // The trend at the end of the day: none before the first weighing; after the last one it
    // stays where the last weighing left it.
    std::optional<double> trendAt(const QDate& day) const;
    // The trend's change in kilograms per week over [from, to], measured only where there were
    // weighings to move it: none when that part holds less than two days.
    std::optional<double> weeklyRate(const QDate& from, const QDate& to) const;
    // The last day of [from, to] that weeklyRate measures to, invalid when there is none.
    QDate rateEnd(const QDate& from, const QDate& to) const;

    // When a trend of `trend` kilograms on `day`, moving at `rate` kilograms a week, reaches the
    // goal: the first day at or past it.
    static GoalForecast forecast(double trend, std::optional<double> rate, const QDate& day,
                                 double goal);
    // The forecast from the end of the measured part of [from, to].
    GoalForecast forecast(const QDate& from, const QDate& to, double goal) const;

    // Index of the first day at or after `day` in days(); days().size() when none is.
    qsizetype indexAtOrAfter(const QDate& day) const;

private:
    QList<DayWeight> days_;
    // The trend at the end of each calendar day from the first weighed day to the last.
    QList<double> trend_;
};

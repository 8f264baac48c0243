#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The moment of a weighing as its editors change it: a calendar day and a wall-clock time,
// moved apart from each other. Day steps keep the time of day across clock changes, a time
// the day skips becomes the first moment after the gap, and while day and time are still the
// ones it started from the moment is the original one, so an untouched weighing in a repeated
// hour keeps its own occurrence of that hour.
class WeighingMoment {
public:
    WeighingMoment() = default;
    explicit WeighingMoment(const QDateTime& moment);

    QDate day() const { return day_; }
    QTime time() const { return time_; }
    QDateTime moment() const;

    void stepDays(int days) { day_ = day_.addDays(days); }
    void setDay(const QDate& day) { day_ = day; }
    void setTime(const QTime& time) { time_ = time; }

private:
    QDateTime original_;
    QDate day_;
    QTime time_;
};

#pragma once

#include "core/weight/Weighing.h"

#include <QDate>
#include <QList>
#include <QStringList>

// One local calendar day of weighings, the most recently added first, with their mean.
class WeighingDay {
public:
    // An empty day that starts at `dayStart` (seconds since 1970 of a local midnight).
    explicit WeighingDay(qint64 dayStart = 0);
    // An empty day whose bounds are already known: [dayStart, nextDayStart).
    WeighingDay(qint64 dayStart, qint64 nextDayStart)
        : daystarttime_(dayStart), endtime_(nextDayStart) {}

    // Local midnight that starts the calendar day of the date, as seconds since 1970. Where a
    // zone skips midnight, the first moment of the day.
    static qint64 dayStartOf(const QDate& day);

    qint64 daystarttime() const { return daystarttime_; }
    // The next local midnight: a day with a clock change is 23 or 25 hours long, and every
    // weighing of the calendar day still falls inside it.
    qint64 getEndDayTime() const { return endtime_; }
    bool contains(qint64 time) const { return time >= daystarttime_ && time < endtime_; }

    float avgweight() const { return avgweight_; }
    const QList<Weighing>& weighings() const { return weighings_; }
    int getTotalWeighings() const { return static_cast<int>(weighings_.size()); }
    const Weighing& getWeighingAtIndex(int index) const { return weighings_.at(index); }
    Weighing& getWeighingAtIndex(int index) { return weighings_[index]; }

    // Inserts a weighing without a note so that the ids stay in descending order, recomputes
    // the mean and returns where it went.
    int addWeighing(int wId, qint64 time, float weight);
    // The same for a weighing that may carry its note.
    int addWeighing(Weighing weighing);
    // Mean of the weighings in single precision; an empty day keeps its value.
    void recalculateAverageWeight();

    // Fills the day from the weight table; false (mean 0) when it has no weighings.
    bool loadWeighings();
    // A weighing of a row of [date, value, note, weight_s] texts.
    static Weighing weighingOfRow(const QStringList& row);
    // Replaces the weighings with such rows.
    void setAWeighings(const QList<QStringList>& rows);

private:
    qint64 daystarttime_;
    qint64 endtime_;
    float avgweight_ = 0.0f;
    QList<Weighing> weighings_;
};

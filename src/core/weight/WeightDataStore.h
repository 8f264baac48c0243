#pragma once

#include "core/weight/WeighingDay.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

// The weight table's statements (class operations) and, as an instance, what one screen shows:
// all days, the current day and one month's daily averages. Nothing is cached between calls.
class WeightDataStore {
public:
    // Texts are bound as given: the date as decimal seconds since 1970, the value with two
    // decimals.
    static qint64 insertWeighing(const QString& date, const QString& value, const QString& note);
    static void updateWeighingWithId(const QString& id, const QString& date, const QString& value,
                                     const QString& note);
    // A null or empty id does nothing.
    static void removeWeighingWithId(const QString& id);
    // The weighing with the highest id (no note), or none on an empty table.
    static std::optional<Weighing> getLastAddedWeighing();

    // One day per local calendar day that has weighings, ascending, plus today.
    static QList<WeighingDay> loadAllWeights();
    // The local calendar day of the date, loaded from the table.
    static WeighingDay loadWeightsForDate(const QDateTime& date);
    // The table's average over [from, to] as the database prints it, "" when there is none.
    static QString loadAverageWeightForTimeInterval(qint64 from, qint64 to);
    // One text per day of the date's month: position i is day i + 1.
    static QStringList loadAverageWeightsForMonth(const QDateTime& date);

    // The instance's copies of the above.
    void reloadAllWeights() { weighingdays_ = loadAllWeights(); }
    void reloadWeightsForDate(const QDateTime& date) { currentday_ = loadWeightsForDate(date); }
    void reloadAverageWeightsForMonth(const QDateTime& date) {
        monthweightsAvg_ = loadAverageWeightsForMonth(date);
    }

    const WeighingDay& currentday() const { return currentday_; }
    const QList<WeighingDay>& weighingdays() const { return weighingdays_; }
    const QStringList& monthweightsAvg() const { return monthweightsAvg_; }

    // Index of the first day, from `first` on, that contains the time; -1 when none does.
    int getListIndexByTime(qint64 time, int first) const;

private:
    WeighingDay currentday_;
    QList<WeighingDay> weighingdays_;
    QStringList monthweightsAvg_;
};

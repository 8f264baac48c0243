#include "core/weight/WeightDataStore.h"

#include "core/base/Clock.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"

qint64 WeightDataStore::insertWeighing(const QString& date, const QString& value,
                                       const QString& note) {
    return QVUtil::weightDbc().insertStmt("insert into weight (value, date, note) values (?, ?, ?)",
                                          {value, date, note});
}

void WeightDataStore::updateWeighingWithId(const QString& id, const QString& date,
                                           const QString& value, const QString& note) {
    QVUtil::weightDbc().executeImmediate(
        "update weight set value = ?, date = ?, note = ? where weight_s = ?",
        {value, date, note, id});
}

void WeightDataStore::removeWeighingWithId(const QString& id) {
    if (id.isEmpty())
        return;
    QVUtil::weightDbc().executeImmediate("delete from weight where weight_s = ?", {id});
}

std::optional<Weighing> WeightDataStore::getLastAddedWeighing() {
    const QList<QStringList> rows =
        QVUtil::weightDbc().select({"weight_s", "date", "value"}, "weight",
                                   "weight.weight_s = (select max(weight.weight_s) from weight)");
    if (rows.isEmpty())
        return std::nullopt;
    const QStringList& row = rows.first();
    return Weighing(row.value(0).toInt(), row.value(1).toLongLong(), row.value(2).toFloat());
}

QList<WeighingDay> WeightDataStore::loadAllWeights() {
    const QList<QStringList> rows = QVUtil::weightDbc().select(
        {"date", "value", "note", "weight_s"}, "weight ORDER BY date ASC");
    QList<WeighingDay> days;
    qsizetype next = 0;
    while (next < rows.size()) {
        const qint64 first = rows.at(next).value(0).toLongLong();
        WeighingDay day(WeighingDay::dayStartOf(QDateTime::fromSecsSinceEpoch(first).date()));
        // Rows come in time order, so the day's rows follow each other.
        while (next < rows.size() && rows.at(next).value(0).toLongLong() < day.getEndDayTime())
            day.addWeighing(WeighingDay::weighingOfRow(rows.at(next++)));
        days.append(day);
    }

    const WeighingDay today(WeighingDay::dayStartOf(Clock::now().date()));
    qsizetype at = 0;
    while (at < days.size() && days.at(at).daystarttime() < today.daystarttime())
        ++at;
    if (at == days.size() || days.at(at).daystarttime() != today.daystarttime())
        days.insert(at, today);
    return days;
}

WeighingDay WeightDataStore::loadWeightsForDate(const QDateTime& date) {
    WeighingDay day(WeighingDay::dayStartOf(date.date()));
    day.loadWeighings();
    return day;
}

QString WeightDataStore::loadAverageWeightForTimeInterval(qint64 from, qint64 to) {
    const QStringList values =
        QVUtil::weightDbc().selectField("avg (value)", "weight", "(date BETWEEN ? AND ?)",
                                        {QString::number(from), QString::number(to)});
    return values.isEmpty() ? QString("") : values.first();
}

QStringList WeightDataStore::loadAverageWeightsForMonth(const QDateTime& date) {
    // Each day runs from its own local midnight to the next, so a month with a clock change
    // keeps every weighing on its calendar day.
    const QDate first(date.date().year(), date.date().month(), 1);
    QStringList averages;
    qint64 begin = WeighingDay::dayStartOf(first);
    for (int d = 1; d <= first.daysInMonth(); ++d) {
        const qint64 end = WeighingDay::dayStartOf(first.addDays(d));
        averages.append(loadAverageWeightForTimeInterval(begin, end - 1));
        begin = end;
    }
    return averages;
}

int WeightDataStore::getListIndexByTime(qint64 time, int first) const {
    for (int i = qMax(0, first); i < weighingdays_.size(); ++i) {
        if (weighingdays_.at(i).contains(time))
            return i;
    }
    return -1;
}

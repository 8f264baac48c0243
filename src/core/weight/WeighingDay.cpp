#include "core/weight/WeighingDay.h"

#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"

#include <QDateTime>

WeighingDay::WeighingDay(qint64 dayStart)
    : daystarttime_(dayStart),
      endtime_(dayStartOf(QDateTime::fromSecsSinceEpoch(dayStart).date().addDays(1))) {}

qint64 WeighingDay::dayStartOf(const QDate& day) {
    return day.startOfDay(Qt::LocalTime).toSecsSinceEpoch();
}

int WeighingDay::addWeighing(int wId, qint64 time, float weight) {
    return addWeighing(Weighing(wId, time, weight));
}

int WeighingDay::addWeighing(Weighing weighing) {
    int position = static_cast<int>(weighings_.size());
    while (position > 0 && weighings_.at(position - 1).wId() <= weighing.wId())
        --position;
    weighings_.insert(position, std::move(weighing));
    recalculateAverageWeight();
    return position;
}

Weighing WeighingDay::weighingOfRow(const QStringList& row) {
    Weighing weighing(row.value(3).toInt(), row.value(0).toLongLong(), row.value(1).toFloat());
    weighing.setNote(row.value(2));
    return weighing;
}

void WeighingDay::recalculateAverageWeight() {
    if (weighings_.isEmpty())
        return;
    float sum = 0.0f;
    for (const Weighing& weighing : weighings_)
        sum += weighing.weight();
    avgweight_ = sum / static_cast<float>(weighings_.size());
}

bool WeighingDay::loadWeighings() {
    const QList<QStringList> rows =
        QVUtil::weightDbc().select({"date", "value", "note", "weight_s"}, "weight",
                                   "(date BETWEEN ? AND ?) ORDER BY date DESC",
                                   {QString::number(daystarttime_), QString::number(endtime_ - 1)});
    if (rows.isEmpty()) {
        weighings_.clear();
        avgweight_ = 0.0f;
        return false;
    }
    setAWeighings(rows);
    return true;
}

void WeighingDay::setAWeighings(const QList<QStringList>& rows) {
    weighings_.clear();
    for (const QStringList& row : rows)
        addWeighing(weighingOfRow(row));
}

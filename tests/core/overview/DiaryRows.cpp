#include "DiaryRows.h"

#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/weight/WeightDataStore.h"

namespace diaryrows {

QDateTime local(int y, int m, int d, int h, int min, int s) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

void foodWithDateText(const QString& dateText, const QString& calories) {
    QVUtil::commonDbc().insertStmt(
        "insert into saved_food (food_item_id, name, portions_count, result_weight, "
        "result_calories, food_type_id, date, result_points)  values (?, ?, ?, ?, ?, ?, ?, ?)",
        {"0", "Snack", "0.000", "0.00", calories, "0.00", dateText, "0.00"});
}

void food(const QDate& day, const QString& calories, int meal) {
    QVUtil::commonDbc().insertStmt(
        "insert into saved_food (food_item_id, name, portions_count, result_weight, "
        "result_calories, food_type_id, date, result_points)  values (?, ?, ?, ?, ?, ?, ?, ?)",
        {"0", "Snack", "0.000", "0.00", calories, QString::number(meal) + ".00",
         day.toString("yyyy-MM-dd") + " 00:00:00", "0.00"});
}

void exercise(const QDate& day, const QString& calories) {
    QVUtil::commonDbc().insertStmt(
        "insert into saved_exercise (exercise_item_id, name, duration, burn_rate, calories, date) "
        "values (?, ?, ?, ?, ?, ?)",
        {"0", "Gardening", "0.00", "0.00", calories, day.toString("yyyy-MM-dd") + " 00:00:00"});
}

void weighing(const QDateTime& at, const QString& kilos) {
    WeightDataStore::insertWeighing(QString::number(at.toSecsSinceEpoch()), kilos, QString());
}

} // namespace diaryrows

#include "support/DiaryEntries.h"

#include "core/catalogue/ExerciseDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "core/db/QVUtil.h"
#include "core/weight/WeightDataStore.h"
#include "support/RawDatabase.h"

#include <cmath>

SavedFoodPtr speedyFood(const QDateTime& day, int meal, float calories, const QString& name) {
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setName(name);
    entry->setFoodTypeId(meal);
    entry->setResultCalories(calories);
    entry->setDate(day);
    entry->getKindImage();
    return entry;
}

SavedFoodPtr catalogueFood(int itemId, const QDateTime& day, int meal, float portions,
                           float extraCalories, float extraPoints) {
    const std::optional<NutritionInfoDbo> serving = NutritionInfoDbo::getInfoTo(itemId);
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setFoodItemId(itemId);
    entry->setFoodTypeId(meal);
    entry->setPortionCount(portions);
    entry->setResultCalories(std::round(serving ? serving->calories : 0) * portions +
                             extraCalories);
    entry->setDate(day);
    entry->setResultPoints(entry->standardPoints() + extraPoints);
    entry->getKindImage();
    return entry;
}

SavedExercisePtr exerciseEntry(int itemId, const QDateTime& day, int minutes, float burnRate,
                               float calories) {
    auto entry = std::make_shared<SavedExerciseDbo>();
    entry->setExerciseItemId(itemId);
    entry->setExerciseCategoryId(ExerciseDbo::getCategoryIdForExercise(itemId));
    entry->setDuration(minutes);
    entry->setBurnRate(burnRate);
    entry->setCalories(calories);
    entry->setDate(day);
    entry->getKindImage();
    return entry;
}

SavedExercisePtr speedyExercise(const QDateTime& day, float calories, const QString& name) {
    auto entry = exerciseEntry(0, day, 0, 0, calories);
    entry->setName(name);
    return entry;
}

void storeFood(const QString& dateText, int meal, float calories, int itemId, const QString& name) {
    QVUtil::commonDbc().insertStmt(
        "insert into saved_food (food_item_id, name, portions_count, result_weight, "
        "result_calories, food_type_id, date, result_points) values (?, ?, ?, 0, ?, ?, ?, 0)",
        {QString::number(itemId), name, itemId != 0 ? "1" : "0", QString::number(calories),
         QString::number(meal), dateText});
}

void storeExercise(const QString& dateText, int itemId, float calories, const QString& name) {
    QVUtil::commonDbc().insertStmt(
        "insert into saved_exercise (exercise_item_id, name, duration, burn_rate, calories, date) "
        "values (?, ?, ?, ?, ?, ?)",
        {QString::number(itemId), name, itemId != 0 ? "30" : "0", itemId != 0 ? "480" : "0",
         QString::number(calories), dateText});
}

qint64 weigh(const QDateTime& at, const QString& kilos, const QString& note) {
    return WeightDataStore::insertWeighing(QString::number(at.toSecsSinceEpoch()), kilos, note);
}

QString diary(const QString& sql) {
    return RawDatabase::user(QStringLiteral("common.db")).text(sql);
}

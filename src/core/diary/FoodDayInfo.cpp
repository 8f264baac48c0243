#include "core/diary/FoodDayInfo.h"

#include "core/base/AppVars.h"
#include "core/diary/DiaryLoader.h"

namespace {

const QString kLoadSql = QStringLiteral(
    "select id, date, food_type_id, name,  food_item_id, portions_count, result_weight, "
    "result_calories, result_points  from saved_food  order by substr(date, 1, 10) asc");
const QString kEditedMealKey = QStringLiteral("food_current_foodTypeId");

std::pair<SavedFoodPtr, int> readFood(sqlite3_stmt* stmt, const QDateTime& day) {
    const int meal = DBManager::getIntCol(stmt, 2);
    if (meal < 0 || meal >= FoodDayInfo::kMealCount)
        return {nullptr, -1};
    auto food = std::make_shared<SavedFoodDbo>();
    food->setStored({DBManager::getIntCol(stmt, 0), day, meal, DBManager::getTextCol(stmt, 3),
                     DBManager::getIntCol(stmt, 4), float(DBManager::getDoubleCol(stmt, 5)),
                     float(DBManager::getDoubleCol(stmt, 6)),
                     float(DBManager::getDoubleCol(stmt, 7)),
                     float(DBManager::getDoubleCol(stmt, 8))});
    food->getKindImage();
    return {food, meal};
}

} // namespace

FoodDayInfo::FoodDayInfo(const QDateTime& date) : DiaryDayModel(date, kMealCount) {}

FoodDayList FoodDayInfo::getFoodInfo() {
    return loadDiaryDays<FoodDayInfo>(kLoadSql, "saved_food", &FoodDayInfo::initNewFoodDay,
                                      readFood);
}

void FoodDayInfo::addFood(const SavedFoodPtr& food) {
    placeDiaryEntry(foodList(), food, food->foodTypeId(), &FoodDayInfo::initNewFoodDay);
}

void FoodDayInfo::updateFood(const SavedFoodPtr& food) {
    // Row ids are unique, so moving the entry takes it from whichever meal holds it; the meal the
    // editor noted is only dropped.
    addFood(food);
    AppVars::getVars().remove(kEditedMealKey);
}

void FoodDayInfo::dropFood(const SavedFoodPtr& food) {
    forgetDiaryEntry(foodList(), food);
    AppVars::getVars().remove(kEditedMealKey);
}

QStringList FoodDayInfo::mealNames() {
    QStringList names;
    for (int meal = 0; meal < kMealCount; ++meal)
        names << nameForItemsAtIndex(meal);
    return names;
}

QString FoodDayInfo::nameForItemsAtIndex(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Breakfast");
    case 1:
        return QStringLiteral("Lunch");
    case 2:
        return QStringLiteral("Dinner");
    case 3:
        return QStringLiteral("Snacks");
    default:
        return QStringLiteral("Error");
    }
}

int FoodDayInfo::totalGroupOf(const SavedFoodDbo& entry) const {
    return entry.foodTypeId();
}

float FoodDayInfo::caloriesOf(const SavedFoodDbo& entry) const {
    return entry.resultCalories();
}

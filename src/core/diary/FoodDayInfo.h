#pragma once

#include "core/diary/DiaryDayModel.h"
#include "core/diary/SavedFoodDbo.h"

#include <QString>
#include <QStringList>

class FoodDayInfo;
using FoodDayPtr = std::shared_ptr<FoodDayInfo>;
using FoodDayList = DiaryDayList<FoodDayInfo>;

// One day of the food diary: the entries of the four meals (0 breakfast, 1 lunch, 2 dinner,
// 3 snacks), newest first within a meal, with the calories per meal (itemsTotal) and in all
// (total). The process-wide food list is read from the database once and then kept in step by
// the entries' save, update and remove.
class FoodDayInfo : public DiaryDayModel<FoodDayInfo, SavedFoodDbo> {
public:
    static constexpr int kMealCount = 4;

    explicit FoodDayInfo(const QDateTime& date);

    // The food list, ascending by date, loaded on first use; always holds today once loaded.
    static FoodDayList& foodList() { return list(); }
    // Reads a new list from saved_food; rows whose date cannot be read are left out and logged.
    static FoodDayList getFoodInfo();
    // The day of the food list on the date's calendar day, or none.
    static FoodDayPtr getFoodOn(const QDateTime& date) { return dayOn(date); }
    static FoodDayPtr initNewFoodDay(const QDateTime& date) { return makeDay(date); }

    // Puts a saved entry first in its meal on its day, making the day when needed.
    static void addFood(const SavedFoodPtr& food);
    // Moves an edited entry to the top of its (possibly new) meal within its day, then drops
    // vars "food_current_foodTypeId" (the meal its editor opened it from).
    static void updateFood(const SavedFoodPtr& food);
    // Takes out an entry whose row is no longer stored, and drops the meal its editor noted.
    static void dropFood(const SavedFoodPtr& food);
    static void addFoodTo(FoodDayPtr day, FoodDayList& list) { append(std::move(day), list); }
    // "Breakfast", "Lunch", "Dinner", "Snacks"; "Error" for any other index.
    static QString nameForItemsAtIndex(int index);
    // The four meal names in meal order.
    static QStringList mealNames();

    // Deletes the entry at (meal, position); see DiaryDayModel::removeAt.
    bool removeFoodAtIndexPath(int section, int row) { return removeAt(section, row); }

protected:
    friend DiaryDayModel;
    static FoodDayList load() { return getFoodInfo(); }
    int totalGroupOf(const SavedFoodDbo& entry) const override;
    float caloriesOf(const SavedFoodDbo& entry) const override;
};

#pragma once

#include "core/diary/SavedFoodDbo.h"
#include "screens/common/DayEntryEditor.h"

// What the two food editors share: the meal row under the day bar, the id of the entry being
// edited and the food variables the diary shares with them ("food_current_date",
// "food_current_foodTypeId").
class FoodEntryEditor : public DayEntryEditor {
    Q_OBJECT
public:
    int foodId() const { return foodId_; }
    // The meal: "Breakfast", "Lunch", "Dinner", "Snacks" (meals 0 to 3).
    ui::SegmentedControl* foodType() const { return foodType_; }

protected:
    FoodEntryEditor(bool editMode, const QString& saveTitle, QObject* parent);

    void loadView() override;
    // Takes the entry's id, day and meal. The meal it is opened from is remembered for the day
    // model, which looks for the entry there when it is moved to another meal.
    void loadEntry(const SavedFoodDbo& entry);
    // A row with this screen's entry id, meal and day (local midnight).
    SavedFoodPtr makeEntry() const;

private:
    int foodId_ = 0;
    ui::SegmentedControl* foodType_ = nullptr;
};

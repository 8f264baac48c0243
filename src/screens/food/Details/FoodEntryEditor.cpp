#include "screens/food/Details/FoodEntryEditor.h"

#include "core/base/AppVars.h"
#include "core/dates/DateUtil.h"
#include "core/diary/FoodDayInfo.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/DayBar.h"

FoodEntryEditor::FoodEntryEditor(bool editMode, const QString& saveTitle, QObject* parent)
    : DayEntryEditor(editMode, QStringLiteral("food_current_date"), saveTitle, parent) {}

void FoodEntryEditor::loadView() {
    DayEntryEditor::loadView();
    foodType_ = addSegmentedRow(FoodDayInfo::mealNames(), DayBar::Height);
    foodType_->setObjectName("foodType");
}

void FoodEntryEditor::loadEntry(const SavedFoodDbo& entry) {
    foodId_ = entry.dboId();
    setDate(entry.date());
    foodType_->setSelectedSegmentIndex(entry.foodTypeId());
    AppVars::getVars().insert(QStringLiteral("food_current_foodTypeId"), entry.foodTypeId());
}

SavedFoodPtr FoodEntryEditor::makeEntry() const {
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setDboId(foodId_);
    entry->setFoodTypeId(foodType_->selectedSegmentIndex());
    entry->setDate(DateUtil::trunc(date()));
    return entry;
}

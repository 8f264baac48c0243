#pragma once

#include "core/diary/FoodDayInfo.h"
#include "screens/common/DiaryDayController.h"

class FoodMenuController;

// The Food tab: one day of the food diary by meal, with the day's summary under it. It opens
// the food menu to add and an entry's editor to change it, deletes entries, and is what the
// editors tell to refresh after a save. Its day is shared with the editors through vars
// "food_current_date".
class FoodController : public DiaryDayTab<FoodDayInfo> {
    Q_OBJECT
public:
    explicit FoodController(QObject* parent = nullptr);
    ~FoodController() override;

    FoodMenuController* foodMenu() const { return foodMenu_; }

    void addNewFood() { openAddMenu(); }
    void setDayData(FoodDayPtr day);
    // Pushes the editor of the entry: the add-food screen for a catalogue food, the speedy
    // screen for calories alone.
    void openEntry(const SavedFoodPtr& entry);

    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    QString tableViewSectionInfo(ui::TableView* table, int section) const override;

protected:
    ui::ViewController* addMenu() const override;
    int sectionCount() const override { return FoodDayInfo::kMealCount; }
    void openEntry(const ui::IndexPath& path) override;
    // The next menu level starts again from its own list.
    void didRefresh() override;

private:
    FoodMenuController* foodMenu_ = nullptr;
};

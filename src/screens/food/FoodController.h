#pragma once

#include "core/diary/FoodDayInfo.h"
#include "screens/common/DiaryDayController.h"

class FoodMenuController;

// The Food tab: one day of the food diary by meal, with the day's summary under it. It opens
// the food menu to add and an entry's editor to change it, deletes entries, and is what the
// editors tell to refresh after a save. Its day is shared with the editors through vars
// "food_current_date".
class FoodController : public DiaryDayController {
    Q_OBJECT
public:
    explicit FoodController(QObject* parent = nullptr);
    ~FoodController() override;

    const FoodDayPtr& dayData() const { return dayData_; }
    FoodMenuController* foodMenu() const { return foodMenu_; }
    // The process-wide food list.
    static FoodDayList& listData();

    void addNewFood() { openAddMenu(); }
    void setDayData(FoodDayPtr day);
    // Pushes the editor of the entry: the add-food screen for a catalogue food, the speedy
    // screen for calories alone.
    void openEntry(const SavedFoodPtr& entry);

    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    QString tableViewSectionName(ui::TableView* table, int section) const override;
    QString tableViewSectionInfo(ui::TableView* table, int section) const override;

protected:
    ui::ViewController* addMenu() const override;
    void loadDay() override;
    bool dayIsListed() const override;
    int sectionCount() const override { return FoodDayInfo::kMealCount; }
    int entryCount(int section) const override;
    void removeEntry(const ui::IndexPath& path) override;
    void openEntry(const ui::IndexPath& path) override;
    // The next menu level starts again from its own list.
    void didRefresh() override;

private:
    SavedFoodPtr entryAt(const ui::IndexPath& path) const;

    FoodDayPtr dayData_;
    FoodMenuController* foodMenu_ = nullptr;
};

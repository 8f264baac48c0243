#pragma once

#include "core/base/RefresherDelegate.h"
#include "core/diary/FoodDayInfo.h"
#include "ui/controls/BaseMultiViewController.h"
#include "ui/controls/QVXTableViewDataSource.h"

#include <QBrush>
#include <QDateTime>

class DayBar;
class FoodMenuController;
class OverviewInfoPanel;
class QVXTableView;
namespace ui {
class Label;
}

// The Food tab: one day of the food diary by meal, with the day's summary under it. It moves
// between days, opens the food menu to add and an entry's editor to change it, deletes entries,
// and is what the editors tell to refresh after a save. Its day is shared with the editors
// through vars "food_current_date".
class FoodController : public BaseMultiViewController,
                       public RefresherDelegate,
                       public QVXTableViewDataSource {
    Q_OBJECT
public:
    static constexpr int TableHeight = 263;

    explicit FoodController(QObject* parent = nullptr);
    ~FoodController() override;

    QDateTime currDate() const { return currDate_; }
    const FoodDayPtr& dayData() const { return dayData_; }
    DayBar* dayBar() const { return dayBar_; }
    ui::Label* dayLabel() const;
    QVXTableView* dayTable() const { return dayTable_; }
    OverviewInfoPanel* daysummarypanel() const { return daysummarypanel_; }
    FoodMenuController* foodMenu() const { return foodMenu_; }
    // The process-wide food list.
    static FoodDayList& listData();

    // Shows the day of the date (its local midnight); no date only says so in the day bar.
    void setCurrDate(const QDateTime& date);
    // Exactly one calendar day on or back, whatever the length of the day.
    void plusDay();
    void minusDay();
    void setToday();
    void addNewFood();
    void setDayData(FoodDayPtr day);

    void refreshData() override;
    void viewWillAppear() override;

    // Table hooks of the day table: a section per meal, a row per entry.
    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    bool canEditRow(ui::TableView* table, const ui::IndexPath& path) override;
    void commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                            const ui::IndexPath& path) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForHeader(ui::TableView* table, int section) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;
    QWidget* tableViewForHeaderInSection(QVXTableView* table, int section) override;
    QString tableViewSectionName(ui::TableView* table, int section) const;
    QString tableViewSectionInfo(ui::TableView* table, int section) const;
    QBrush tableViewSectionColor(ui::TableView* table, int section) const;

    // Pushes the editor of the entry: the add-food screen for a catalogue food, the speedy
    // screen for calories alone.
    void openEntry(const SavedFoodPtr& entry);

protected:
    void appendNavigation() override;

private:
    QWidget* buildDayView();
    void showSummary();
    void resetMenuSearch();
    SavedFoodPtr entryAt(const ui::IndexPath& path) const;

    QDateTime currDate_;
    FoodDayPtr dayData_;
    DayBar* dayBar_ = nullptr;
    QVXTableView* dayTable_ = nullptr;
    OverviewInfoPanel* daysummarypanel_ = nullptr;
    FoodMenuController* foodMenu_ = nullptr;
};

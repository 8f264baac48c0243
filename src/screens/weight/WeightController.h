#pragma once

#include "core/weight/WeightDataStore.h"
#include "ui/controls/BaseThreeViewController.h"

class DaySummaryPanelView;
class TrendView;

// The Weight tab: a month calendar whose days show their average weight over the chosen day's
// weighings, and a day view with the day's weighings over its average and the goal weight.
// A third view draws the trend of the weights over a month, a quarter, a year or all of them.
// Weighings are added with the add button, opened by a tap and deleted by a swipe, in either
// view. Weights are stored in kilograms and shown in the unit of the setting.
class WeightController : public BaseThreeViewController {
    Q_OBJECT
public:
    explicit WeightController(QObject* parent = nullptr);

    const WeightDataStore& w() const { return w_; }
    QVXTableView* weighttable() const { return weighttable_; }
    DaySummaryPanelView* daysummarypanel() const { return daysummarypanel_; }
    TrendView* trendView() const { return trendView_; }
    // Kilograms shown; read from the setting each time the screen appears.
    bool inkg() const { return inkg_; }
    // The month of the averages held.
    QDateTime lastdate() const { return lastdate_; }

    // Reloads everything for the current day and its month, then redraws.
    void refreshAll();
    // Redraws the tables, the summary and the calendar from what is held.
    void reloadAll();
    void setToday();
    // Opens the editor on the current day at the present time, with the last weight entered.
    void addNewWeighing();
    void openWeighing(const Weighing& weighing);

    void viewWillAppear() override;
    // "Month" and "Day", then "Trend".
    QStringList getNames() override;
    QWidget* viewAtIndex(int index) override;

    std::optional<int> getCalendarNumbersOffset() const override { return 4; }
    // Writes the day's average on a day of the month held.
    void overCustom(DateButton* button) override;

    // Both tables show the current day's weighings, most recently entered first.
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

protected:
    void appendNavigation() override;
    void currDateChanged() override;

private:
    const Weighing* weighingAt(const ui::IndexPath& path) const;
    void reloadTables();
    void showSummary();
    void showTrend();

    WeightDataStore w_;
    QVXTableView* weighttable_ = nullptr;
    DaySummaryPanelView* daysummarypanel_ = nullptr;
    TrendView* trendView_ = nullptr;
    bool inkg_;
    QDateTime lastdate_;
};

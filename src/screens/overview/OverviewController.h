#pragma once

#include "core/base/RefresherDelegate.h"
#include "core/overview/OverviewWeekInfo.h"
#include "ui/controls/BaseThreeViewController.h"

#include <QHash>

class OverviewInfoPanel;

// The Overview tab: the month calendar, whose days with food or exercise show the calories
// still allowed and a red or green flag, over the summary of the current day; and the day view,
// the day's food by meal then its exercise by category over the same summary. Entries are
// opened by a tap and deleted by a swipe. Everything is read again when the tab appears, so
// what the other tabs saved shows.
class OverviewController : public BaseThreeViewController, public RefresherDelegate {
    Q_OBJECT
public:
    explicit OverviewController(QObject* parent = nullptr);
    ~OverviewController() override;

    const OverviewDayPtr& currentday() const { return currentday_; }
    const QList<OverviewWeekInfo>& overviewweeks() const { return overviewweeks_; }
    OverviewInfoPanel* summarypanel() const { return summarypanel_; }
    OverviewInfoPanel* daysummarypanel() const { return daysummarypanel_; }
    // The calendar's date when the current date last changed: the month whose marks are drawn.
    QDateTime lastdate() const { return lastdate_; }

    // Reads the current day and every week with data again, then redraws all.
    void refreshAll();
    // Redraws the day table and both panels from the current day.
    void reloadAll();
    void setToday();
    // After an editor saved: the current day again.
    void refreshData() override;
    void viewWillAppear() override;

    QWidget* viewAtIndex(int index) override;
    std::optional<int> getCalendarNumbersOffset() const override { return 4; }
    void calendarHeightChanged(CalendarView* calendar) override;
    // The calories still allowed and the flag of a day with food or exercise.
    void overCustom(DateButton* button) override;

    // The day table: the food groups (meals), then the exercise groups (categories); one empty
    // section for a day without either.
    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForHeader(ui::TableView* table, int section) override;
    bool canEditRow(ui::TableView* table, const ui::IndexPath& path) override;
    void commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                            const ui::IndexPath& path) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;
    QWidget* tableViewForHeaderInSection(QVXTableView* table, int section) override;
    QString tableViewSectionName(ui::TableView* table, int section);
    QString tableViewSectionInfo(ui::TableView* table, int section);
    QBrush tableViewSectionColor(ui::TableView* table, int section);
    // Whether the section has rows (and so a header).
    bool checkSection(ui::TableView* table, int section);

protected:
    void appendNavigation() override;
    void currDateChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a section of the day table comes from.
    struct Group {
        bool food = false;
        int index = -1; // in its diary day; -1 for the empty section
    };
    Group groupOf(int section) const;
    int foodGroups() const;
    int exerciseGroups() const;
    void fillWeeksInfoFromDB();
    void placeSummaryPanel();
    const OverviewDayInfo* markedDay(const QDateTime& date) const;

    OverviewDayPtr currentday_;
    QList<OverviewWeekInfo> overviewweeks_;
    // The position of each week in overviewweeks_ by its Sunday: the calendar looks up every
    // day it draws, and a long diary has hundreds of weeks.
    QHash<QDate, qsizetype> weekOfSunday_;
    OverviewInfoPanel* summarypanel_ = nullptr;
    OverviewInfoPanel* daysummarypanel_ = nullptr;
    QWidget* strip_ = nullptr;
    QDateTime lastdate_;
};

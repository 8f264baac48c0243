#pragma once

#include "core/base/RefresherDelegate.h"
#include "ui/controls/BaseMultiViewController.h"
#include "ui/controls/QVXTableViewDataSource.h"

#include <QBrush>
#include <QDateTime>
#include <memory>

class DayBar;
class OverviewInfoPanel;
class QVXTableView;
namespace ui {
class Label;
}

// The Food and Exercise tabs: one day of a diary, its entries in sections (meals, exercise
// categories) under a "name : total" header wherever a section has entries, the day's summary
// under the table, "Today" on the left and an add button on the right. The day shown is local
// midnight and is shared with the tab's editors through a variable of vars. Subclasses hold the
// day of their diary model and answer the hooks; they call init() in their constructor, once
// their hooks can answer.
class DiaryDayController : public BaseMultiViewController,
                           public RefresherDelegate,
                           public QVXTableViewDataSource {
    Q_OBJECT
public:
    ~DiaryDayController() override;

    QDateTime currDate() const { return currDate_; }
    DayBar* dayBar() const { return dayBar_; }
    ui::Label* dayLabel() const;
    QVXTableView* dayTable() const { return dayTable_; }
    OverviewInfoPanel* daysummarypanel() const { return daysummarypanel_; }

    // Shows the day of the date (its local midnight); no date only says so in the day bar.
    void setCurrDate(const QDateTime& date);
    // Exactly one calendar day on or back, whatever the length of the day.
    void plusDay();
    void minusDay();
    void setToday();

    // Re-reads the day when it left its list or came into it, then redraws.
    void refreshData() override;
    // Takes the day the editors left in the shared variable, or today.
    void viewWillAppear() override;

    // Table hooks of the day table: a section per group, a row per entry, and a header only
    // over a section with entries.
    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForHeader(ui::TableView* table, int section) override;
    // Choosing an entry opens its editor; every entry can be swiped away.
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;
    bool canEditRow(ui::TableView* table, const ui::IndexPath& path) override;
    void commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                            const ui::IndexPath& path) override;
    // "name : total" over "section2.png"; none for a section without entries.
    QWidget* tableViewForHeaderInSection(QVXTableView* table, int section) override;
    virtual QString tableViewSectionName(ui::TableView* table, int section) const = 0;
    virtual QString tableViewSectionInfo(ui::TableView* table, int section) const = 0;
    // A colour patterned with "font_bg.png".
    virtual QBrush tableViewSectionColor(ui::TableView* table, int section) const;

protected:
    DiaryDayController(const QString& dateKey, const QString& tabTitle, const QString& tabImage,
                       QObject* parent);

    // Builds the day view and the navigation, then shows today.
    void init();
    void appendNavigation() override;
    // The screen the add button opens.
    virtual ui::ViewController* addMenu() const = 0;
    void openAddMenu();

    // The day of currDate from the model (none when the model has no such day).
    virtual void loadDay() = 0;
    // Whether the day held is still in the model's list.
    virtual bool dayIsListed() const = 0;
    virtual int sectionCount() const = 0;
    virtual int entryCount(int section) const = 0;
    // Deletes the entry from the model and its database.
    virtual void removeEntry(const ui::IndexPath& path) = 0;
    // Pushes the entry's editor.
    virtual void openEntry(const ui::IndexPath& path) = 0;
    // After every refresh.
    virtual void didRefresh() {}

private:
    QWidget* buildDayView();
    void showSummary();
    bool hasEntry(const ui::IndexPath& path) const;

    QString dateKey_;
    QDateTime currDate_;
    DayBar* dayBar_ = nullptr;
    QVXTableView* dayTable_ = nullptr;
    OverviewInfoPanel* daysummarypanel_ = nullptr;
};

// The part of a diary tab that only depends on its day model: the day held, read from the
// model's process-wide list, its entries by section and their deletion.
template <class Day> class DiaryDayTab : public DiaryDayController {
public:
    using DayPtr = std::shared_ptr<Day>;

    const DayPtr& dayData() const { return dayData_; }
    static typename Day::List& listData() { return Day::list(); }

    QString tableViewSectionName(ui::TableView*, int section) const override {
        return Day::nameForItemsAtIndex(section);
    }

protected:
    using DiaryDayController::DiaryDayController;

    void loadDay() override { dayData_ = Day::dayOn(currDate()); }
    bool dayIsListed() const override {
        return dayData_ && listData().dayOn(dayData_->date()) == dayData_;
    }
    int entryCount(int section) const override {
        if (!dayData_ || !dayData_->validGroup(section))
            return 0;
        return int(dayData_->items().at(section).size());
    }
    void removeEntry(const ui::IndexPath& path) override {
        // Hold the day: removing its last entry may take it out of the list.
        const DayPtr day = dayData_;
        day->removeAt(path.section, path.row);
    }
    typename Day::EntryPtr entryAt(const ui::IndexPath& path) const {
        return dayData_ ? dayData_->entryAt(path.section, path.row) : nullptr;
    }

    DayPtr dayData_;
};

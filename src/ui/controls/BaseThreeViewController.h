#pragma once

#include "ui/controls/BaseMultiViewController.h"
#include "ui/controls/CalendarViewOwner.h"
#include "ui/controls/QVXTableViewDataSource.h"

#include <QDateTime>
#include <array>

class DayBar;
class QVXCalendarView;
class QVXTableView;
class PixmapView;
namespace ui {
class Label;
}

// The Overview and Weight frame: a month view (calendar over a data area) and a day view (a bar
// with previous and next day around the current date, over a day table), both following one
// current date kept at 08:00 of its day. Subclasses answer the day table's hooks, override the
// others they need and call init() first thing in their constructor, so that their overrides
// take part in the building.
class BaseThreeViewController : public BaseMultiViewController,
                                public CalendarViewOwner,
                                public QVXTableViewDataSource {
    Q_OBJECT
public:
    enum Tag {
        CalendarTag = -98999,
        DataViewTag = -98998,
        DayTableTag = -98997,
        DayLabelTag = -98995,
        DayBarTag = -98994
    };

    explicit BaseThreeViewController(QObject* parent = nullptr);

    // Builds both views, shows the month view and takes the calendar's date.
    void init();

    QVXCalendarView* calendar() const { return calendar_; }
    QWidget* dataView() const { return dataView_; }
    PixmapView* downLine() const { return downLine_; }
    DayBar* dayBar() const { return dayBar_; }
    ui::Label* dayLabel() const;
    QVXTableView* dayTable() const { return dayTable_; }
    QDateTime currDate() const { return currDate_; }

    // The segment titles; a subclass may add segments after "Month" and "Day".
    virtual QStringList getNames();
    // viewAtIndex of every segment.
    QList<QWidget*> getViews();
    // Builds the view once; overrides call the base first and add to what it returns, or build
    // the views of their own segments (the base gives none past the day view).
    virtual QWidget* viewAtIndex(int index);
    void setCurrDate(const QDateTime& date);
    void plusDay();
    void minusDay();
    // Throws ViewLookupException when the view has no direct child with the tag.
    QWidget* getSubviewOf(int viewIndex, int tag);

    // The calendar's notices.
    void dateChanged(CalendarView* calendar) override;
    void calendarHeightChanged(CalendarView* calendar) override;
    void overCustom(DateButton* button) override;

protected:
    // Runs after every change of the current date; subclasses reload their data here.
    virtual void currDateChanged();

private:
    QWidget* buildMonthView();
    QWidget* buildDayView();

    std::array<QWidget*, 2> built_{};
    QVXCalendarView* calendar_ = nullptr;
    QWidget* dataView_ = nullptr;
    PixmapView* downLine_ = nullptr;
    DayBar* dayBar_ = nullptr;
    QVXTableView* dayTable_ = nullptr;
    QDateTime currDate_;
};

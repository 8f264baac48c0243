#pragma once

#include "ui/Metrics.h"

#include <QDateTime>
#include <QWidget>
#include <array>

class CalendarViewOwner;
class DateButton;
class MonthView;
class QAbstractButton;
class QLabel;

// A month calendar: a header with arrows, the month name and the weekday names over a grid of
// days. It keeps one selected date, moves month by month with a slide, grows and shrinks with the
// number of week rows and reports to its owner. The look comes from the custom* operations,
// plain here and styled by subclasses. Construct, then call initWithOwner once.
class CalendarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = ui::Metrics::ScreenWidth;
    static constexpr int HeaderHeight = 44;

    enum class Transition { None, FromTop, FromBottom };

    explicit CalendarView(QWidget* parent = nullptr);

    void initWithOwner(CalendarViewOwner* owner);

    CalendarViewOwner* owner() const { return owner_; }
    QDateTime currMonth() const { return currMonth_; }
    QDateTime date() const { return date_; }
    // Header plus the shown grid: what the calendar takes once a height change has finished.
    int calendarHeight() const { return height_; }
    QWidget* swippingView() const { return swippingView_; }
    QLabel* monthLabel() const { return monthLabel_; }
    MonthView* visibleMonth() const { return months_[visible_]; }
    MonthView* hiddenMonth() const { return months_[1 - visible_]; }

    void setSelectedDate(const QDateTime& date);
    void selectionWasChanged(const QDateTime& date);
    void changeSelection(const QDateTime& date);
    // A sender (an arrow) also selects the 1st of the month reached.
    void plusMonth(QObject* sender = nullptr);
    void minusMonth(QObject* sender = nullptr);
    void changeMonthTo(const QDateTime& date);
    void refresh();

    void slideWithAnimation(Transition transition);
    void changeViewHeight(MonthView* grid);

    virtual QString customMonthLabelText();
    virtual QAbstractButton* customNavButton(bool back);
    virtual void customMonthView(QLabel* background, QLabel* label);
    virtual void customDayLabel(QLabel* background, QLabel* label);
    virtual void customDemarkedButton(DateButton* button);
    virtual void customMarkedButton(DateButton* button);
    virtual void customMarkedTodayButton(DateButton* button);
    virtual void customTodayButton(DateButton* button);
    virtual void overCustom(DateButton* button);

protected:
    void addMonthNavigation();
    // Touches that reach the calendar itself end here: it has no swipe gestures.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void stepMonth(int months, QObject* sender);
    void pushIn(MonthView* incoming, MonthView* outgoing, Transition transition);

    CalendarViewOwner* owner_ = nullptr;
    QDateTime currMonth_;
    QDateTime date_;
    int height_ = HeaderHeight;
    QWidget* swippingView_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    std::array<MonthView*, 2> months_{};
    int visible_ = 0;
};

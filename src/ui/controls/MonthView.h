#pragma once

#include "ui/Metrics.h"

#include <QDateTime>
#include <QWidget>
#include <vector>

class CalendarView;
class DateButton;

// One month as a grid of day buttons, Sunday to Saturday, with the leading days of the previous
// month and the trailing days of the next. Buttons are pooled and reused by later months.
class MonthView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = ui::Metrics::ScreenWidth;

    MonthView(const QDateTime& month, const QDateTime& selectedDate, CalendarView* owner,
              int offset = 0, QWidget* parent = nullptr);

    CalendarView* owner() const { return owner_; }
    QDateTime currMonth() const { return currMonth_; }
    QDateTime selectedDate() const { return selectedDate_; }
    // The button showing the selection; none when the selected day is not in this grid.
    DateButton* pressedButton() const { return pressedButton_; }
    int weeksCount() const { return weeksCount_; }
    int offset() const { return offset_; }
    // The buttons of the shown grid, in order (the pool may hold more).
    std::vector<DateButton*> gridButtons() const;
    // The grid's button for that calendar day, or none.
    DateButton* buttonFor(const QDate& day) const;

    void setMonth(const QDateTime& month);
    // Lays the grid out for currMonth and answers the number of week rows (4, 5 or 6).
    int reloadMonth();
    void setSelectedDate(const QDateTime& date, bool repaint);
    void refresh();

    void buttonWasPressed(DateButton* button);
    // False when the button already shows the selection.
    bool selectButton(DateButton* button);
    void markButton(DateButton* button);
    void demarkButton(DateButton* button);

private:
    // Calendar days from the first button to the day, or -1 outside the grid.
    int indexOf(const QDate& day) const;

    CalendarView* owner_;
    QDateTime currMonth_;
    QDateTime selectedDate_;
    DateButton* pressedButton_ = nullptr;
    int weeksCount_ = 0;
    int offset_ = 0;
    std::vector<DateButton*> buttons_;
    int shown_ = 0;
};

#include "ui/controls/MonthView.h"

#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/text/ConvertUtil.h"
#include "ui/controls/CalendarView.h"
#include "ui/controls/DateButton.h"

MonthView::MonthView(const QDateTime& month, const QDateTime& selectedDate, CalendarView* owner,
                     int offset, QWidget* parent)
    : QWidget(parent), owner_(owner), selectedDate_(selectedDate), offset_(offset) {
    setMonth(month);
}

std::vector<DateButton*> MonthView::gridButtons() const {
    return {buttons_.begin(), buttons_.begin() + shown_};
}

DateButton* MonthView::buttonFor(const QDate& day) const {
    const int index = indexOf(day);
    return index < 0 ? nullptr : buttons_[static_cast<size_t>(index)];
}

void MonthView::setMonth(const QDateTime& month) {
    currMonth_ = DateUtil::safeTrunc(month);
    for (DateButton* button : buttons_)
        button->hide();
    shown_ = 0;
    weeksCount_ = reloadMonth();
    resize(Width, weeksCount_ * DateButton::Height);
}

int MonthView::reloadMonth() {
    const QDate monthDay = currMonth_.date();
    const QDate first(monthDay.year(), monthDay.month(), 1);
    // Sunday is the first column: Qt counts Monday 1 .. Sunday 7.
    const int leading = first.dayOfWeek() % 7;
    const QDate gridStart = first.addDays(-leading);
    const int rows = (leading + first.daysInMonth() + 6) / 7;
    const QDateTime start = DateUtil::safeTrunc(QDateTime(gridStart, QTime(12, 0)));

    const qint64 todayIndex = gridStart.daysTo(Clock::now().date());
    const qint64 todayRow = todayIndex >= 0 ? todayIndex / 7 : -1;
    if (selectedDate_.isValid())
        selectedDate_ = DateUtil::safeTrunc(selectedDate_);
    const qint64 selectedIndex =
        selectedDate_.isValid() ? gridStart.daysTo(selectedDate_.date()) : -1;

    pressedButton_ = nullptr;
    shown_ = rows * 7;
    while (buttons_.size() < static_cast<size_t>(shown_))
        buttons_.push_back(new DateButton(this));
    for (int i = 0; i < shown_; ++i) {
        DateButton* button = buttons_[static_cast<size_t>(i)];
        // Days are stepped by the calendar, so every one stays at 08:00 across time changes.
        const QDateTime date = DateUtil::addDays(start, i);
        button->setDate(date);
        button->setText(ConvertUtil::int2str(date.date().day()));
        button->setInCurrMonth(date.date().month() == first.month());
        button->setIsToday(i == todayIndex);
        button->setIsTodayWeek(i / 7 == todayRow);
        button->setOffset(offset_);
        // A reused button carries the look of its last month; restyle it from scratch.
        button->setState(DateButton::Restyle);
        button->move((i % 7) * DateButton::Width, (i / 7) * DateButton::Height);
        button->show();
    }
    for (int i = 0; i < shown_; ++i) {
        DateButton* button = buttons_[static_cast<size_t>(i)];
        if (i == selectedIndex) {
            pressedButton_ = button;
            selectedDate_ = button->date();
            button->setMarked();
        } else {
            button->setDemarked();
        }
    }
    return rows;
}

void MonthView::setSelectedDate(const QDateTime& date, bool repaint) {
    selectedDate_ = date.isValid() ? DateUtil::safeTrunc(date) : QDateTime();
    if (repaint)
        refresh();
}

void MonthView::refresh() {
    for (int i = 0; i < shown_; ++i) {
        DateButton* button = buttons_[static_cast<size_t>(i)];
        button->setState(DateButton::Restyle);
        button->repaintState();
    }
    const int index = indexOf(selectedDate_.date());
    if (index < 0) {
        // A selection outside the grid shows nowhere; a touch on the former day must select it.
        pressedButton_ = nullptr;
        return;
    }
    DateButton* button = buttons_[static_cast<size_t>(index)];
    if (button == pressedButton_)
        markButton(button);
    else
        selectButton(button);
}

int MonthView::indexOf(const QDate& day) const {
    if (!day.isValid() || shown_ == 0)
        return -1;
    const qint64 index = buttons_.front()->date().date().daysTo(day);
    return index >= 0 && index < shown_ ? static_cast<int>(index) : -1;
}

void MonthView::buttonWasPressed(DateButton* button) {
    if (selectButton(button))
        owner_->selectionWasChanged(button->date());
}

bool MonthView::selectButton(DateButton* button) {
    if (pressedButton_ && pressedButton_->date().date() == button->date().date())
        return false;
    if (pressedButton_)
        demarkButton(pressedButton_);
    markButton(button);
    pressedButton_ = button;
    selectedDate_ = button->date();
    return true;
}

void MonthView::markButton(DateButton* button) {
    button->setMarked();
}

void MonthView::demarkButton(DateButton* button) {
    button->setDemarked();
}

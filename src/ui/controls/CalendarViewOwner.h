#pragma once

#include <optional>

class CalendarView;
class DateButton;

// The screen a calendar reports to.
class CalendarViewOwner {
public:
    virtual ~CalendarViewOwner() = default;

    // The selection changed by a touch, an arrow or setSelectedDate.
    virtual void dateChanged(CalendarView* calendar) = 0;
    // The calendar grew or shrank with its number of week rows.
    virtual void calendarHeightChanged(CalendarView* calendar) = 0;
    // How many points lower the day numbers go; none keeps them at the top.
    virtual std::optional<int> getCalendarNumbersOffset() const { return std::nullopt; }
    // Called for every day button after the calendar styled it, to add the screen's marks.
    virtual void overCustom(DateButton* button) = 0;
};

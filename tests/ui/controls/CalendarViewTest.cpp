#include "support/TestEnv.h"

#include "core/base/Clock.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/gui/Gui.h"
#include "ui/controls/CalendarViewOwner.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/MonthView.h"
#include "ui/controls/QVXCalendarView.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <memory>
#include <set>
#include <vector>

namespace {

struct RecordingOwner : CalendarViewOwner {
    std::optional<int> offset;
    std::vector<QDateTime> dates;
    int heightChanges = 0;
    std::set<DateButton*> customised;

    void dateChanged(CalendarView* calendar) override { dates.push_back(calendar->date()); }
    void calendarHeightChanged(CalendarView*) override { ++heightChanges; }
    std::optional<int> getCalendarNumbersOffset() const override { return offset; }
    void overCustom(DateButton* button) override { customised.insert(button); }
};

class CalendarViewTest : public QuorvelTest {
protected:
    RecordingOwner owner;
    std::unique_ptr<QVXCalendarView> calendar;

    // A calendar built with "now" on the given day, as a screen builds it.
    void build(const QDateTime& now) {
        Clock::set(now);
        calendar = std::make_unique<QVXCalendarView>();
        calendar->initWithOwner(&owner);
        calendar->show();
    }

    MonthView* grid() const { return calendar->visibleMonth(); }
    DateButton* button(int y, int m, int d) const { return grid()->buttonFor(QDate(y, m, d)); }

    std::vector<DateButton*> marked() const {
        std::vector<DateButton*> result;
        for (DateButton* b : grid()->gridButtons())
            if (b->state() == DateButton::Selected || b->state() == DateButton::TodaySelected ||
                b->state() == DateButton::TodayWeekSelected)
                result.push_back(b);
        return result;
    }

    void touch(DateButton* b) { QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 20)); }
};

TEST_F(CalendarViewTest, GridRowsFollowTheMonthsFirstAndLastWeekdayWithGreyDaysAround) {
    build(at(2015, 2, 10, 13)); // February of a common year, starting on Sunday
    EXPECT_EQ(grid()->weeksCount(), 4);
    calendar->changeMonthTo(at(2015, 8, 20)); // 31 days from a Saturday
    EXPECT_EQ(grid()->weeksCount(), 6);
    EXPECT_EQ(grid()->gridButtons().front()->date(), at(2015, 7, 26, 8));
    EXPECT_EQ(grid()->gridButtons().back()->date(), at(2015, 9, 5, 8));
    calendar->changeMonthTo(at(2026, 12, 6)); // from a Tuesday to a Thursday
    const std::vector<DateButton*> days = grid()->gridButtons();
    ASSERT_EQ(days.size(), 35u);
    EXPECT_EQ(days[0]->text(), "29");
    EXPECT_EQ(days[0]->state(), DateButton::OtherMonth);
    EXPECT_TRUE(days[2]->inCurrMonth());
    EXPECT_EQ(days[33]->text(), "1");
    EXPECT_FALSE(days[33]->inCurrMonth());
    EXPECT_EQ(calendar->monthLabel()->text(), "December 2026");
    EXPECT_EQ(owner.heightChanges, 2);
    EXPECT_TRUE(owner.dates.empty());
}

TEST_F(CalendarViewTest, TodayItsWeekAndTheSelectionHaveTheirOwnStates) {
    build(at(2026, 12, 9, 9, 30)); // a Wednesday
    EXPECT_EQ(calendar->date(), at(2026, 12, 9, 8));
    EXPECT_EQ(button(2026, 12, 9)->state(), DateButton::TodaySelected);
    touch(button(2026, 12, 9)); // the selected day again: nothing happens
    EXPECT_TRUE(owner.dates.empty());
    EXPECT_EQ(button(2026, 12, 8)->state(), DateButton::TodayWeek);
    EXPECT_EQ(button(2026, 12, 13)->state(), DateButton::Plain);

    touch(button(2026, 12, 10));
    EXPECT_EQ(button(2026, 12, 9)->state(), DateButton::Today);
    EXPECT_EQ(button(2026, 12, 10)->state(), DateButton::TodayWeekSelected);
    touch(button(2026, 12, 20));
    EXPECT_EQ(button(2026, 12, 10)->state(), DateButton::TodayWeek);
    EXPECT_EQ(button(2026, 12, 20)->state(), DateButton::Selected);
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2026, 12, 20)});
    EXPECT_EQ(owner.dates, (std::vector<QDateTime>{at(2026, 12, 10, 8), at(2026, 12, 20, 8)}));
}

TEST_F(CalendarViewTest, GreyDaysAndArrowsSlideToTheirMonthAndTellTheOwner) {
    build(at(2026, 12, 9, 9, 30));
    touch(button(2027, 1, 2));
    EXPECT_EQ(calendar->monthLabel()->text(), "January 2027");
    EXPECT_EQ(owner.dates.back(), at(2027, 1, 2, 8));
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2027, 1, 2)});
    EXPECT_EQ(grid()->pressedButton(), button(2027, 1, 2));
    touch(button(2026, 12, 31));
    EXPECT_EQ(calendar->monthLabel()->text(), "December 2026");
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2026, 12, 31)});

    // The arrows select the first of the month.
    owner.dates.clear();
    gui::click(calendar.get(), "forwardMonth");
    EXPECT_EQ(calendar->date(), at(2027, 1, 1, 8));
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2027, 1, 1)});
    gui::click(calendar.get(), "backMonth");
    gui::click(calendar.get(), "backMonth");
    EXPECT_EQ(owner.dates.back(), at(2026, 11, 1, 8));
    EXPECT_EQ(owner.dates.size(), 3u);
}

TEST_F(CalendarViewTest, OwnerSetSelectionsAreNotReportedBackAndOutsideTheGridMarkNothing) {
    build(at(2026, 12, 9, 9, 30));
    touch(button(2026, 12, 15));
    owner.dates.clear();
    calendar->changeSelection(at(2026, 12, 24, 23, 59));
    EXPECT_EQ(calendar->date(), at(2026, 12, 24, 8));
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2026, 12, 24)});
    calendar->changeSelection(at(2027, 2, 14, 8));
    EXPECT_TRUE(marked().empty());
    EXPECT_EQ(grid()->pressedButton(), nullptr);
    calendar->changeMonthTo(at(2027, 2, 14, 8));
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2027, 2, 14)});
    EXPECT_TRUE(owner.dates.empty());
    // A selected date set by the owner, though, is shown and reported.
    calendar->changeMonthTo(at(2026, 12, 9, 8));
    calendar->setSelectedDate(at(2026, 12, 3, 17, 45));
    EXPECT_EQ(marked(), std::vector<DateButton*>{button(2026, 12, 3)});
    EXPECT_EQ(owner.dates, std::vector<QDateTime>{at(2026, 12, 3, 8)});
}

TEST_F(CalendarViewTest, DaysStayAtEightAcrossBothDaylightSavingChanges) {
    ScopedTimeZone tz("America/New_York");
    // Daylight-saving time ends on 1 November 2026 and starts on 14 March 2027.
    for (const QDateTime& now : {at(2026, 11, 20, 9, 30), at(2027, 3, 20, 9, 30)}) {
        owner = RecordingOwner();
        build(now);
        for (DateButton* day : grid()->gridButtons())
            EXPECT_EQ(day->date().time(), QTime(8, 0)) << day->date().toString().toStdString();
        for (DateButton* day : grid()->gridButtons())
            EXPECT_EQ(day->isToday(), day->date().date() == now.date());
        gui::click(calendar.get(), "forwardMonth");
        EXPECT_EQ(calendar->date().time(), QTime(8, 0));
    }
}

// The top pixel row where the number's ink starts.
int inkTop(DateButton* b) {
    b->setBackgroundImage(QPixmap());
    b->clearShadow();
    b->setTextColor(Qt::black);
    QImage image(b->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    b->render(&image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

TEST_F(CalendarViewTest, EveryButtonReachesTheOwnerAndItsOffsetMovesTheNumbersDown) {
    build(at(2026, 12, 9, 9, 30));
    owner.customised.clear();
    calendar->refresh();
    const std::vector<DateButton*> days = grid()->gridButtons();
    EXPECT_EQ(owner.customised, std::set<DateButton*>(days.begin(), days.end()));
    EXPECT_EQ(button(2026, 12, 9)->offset(), 0);
    const int plain = inkTop(button(2026, 12, 9));

    owner.offset = 4;
    build(at(2026, 12, 9, 9, 30));
    EXPECT_EQ(button(2026, 12, 9)->offset(), 4);
    calendar->changeMonthTo(at(2027, 1, 9, 8));
    EXPECT_EQ(button(2027, 1, 9)->offset(), 4);
    EXPECT_EQ(inkTop(button(2027, 1, 9)), plain + 4);
}

} // namespace

#include "support/TestEnv.h"

#include "core/base/Clock.h"
#include "support/Dates.h"
#include "support/gui/Gui.h"
#include "ui/Label.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/BaseThreeViewController.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/MonthView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QAbstractButton>
#include <QTest>
#include <memory>

namespace {

// A frame screen with an empty day table that counts its date changes, as the Overview and
// Weight screens react.
class CountingFrame : public BaseThreeViewController {
public:
    int changes = 0;
    CountingFrame() { init(); }

    int numberOfRows(ui::TableView*, int) override { return 0; }
    ui::TableViewCell* cellForRow(ui::TableView*, const ui::IndexPath&) override { return nullptr; }
    QWidget* tableViewForHeaderInSection(QVXTableView*, int) override { return nullptr; }

protected:
    void currDateChanged() override { ++changes; }
};

class BaseThreeViewControllerTest : public QuorvelTest {
protected:
    std::unique_ptr<CountingFrame> frame;

    void build(const QDateTime& now) {
        Clock::set(now);
        frame = std::make_unique<CountingFrame>();
        frame->view()->show();
        frame->changes = 0;
    }

    QAbstractButton* dayButton(const char* name) {
        return frame->viewAtIndex(1)->findChild<QAbstractButton*>(name);
    }
};

TEST_F(BaseThreeViewControllerTest, StartsOnTheMonthViewAtTodayAndDatesAreEightOClock) {
    build(at(2026, 12, 9, 14, 20));
    EXPECT_EQ(frame->view(), frame->viewAtIndex(0));
    EXPECT_EQ(frame->currDate(), at(2026, 12, 9, 8));
    EXPECT_EQ(frame->dayLabel()->text(), "December 9, 2026");
    frame->setCurrDate(at(2026, 12, 20, 23, 59));
    EXPECT_EQ(frame->currDate(), at(2026, 12, 20, 8));
    EXPECT_EQ(frame->changes, 1);
    EXPECT_EQ(frame->calendar()->visibleMonth()->pressedButton()->date(), at(2026, 12, 20, 8));
    EXPECT_EQ(frame->dayLabel()->text(), "December 20, 2026");

    // No date shows "No date" and changes nothing else, and the arrows do nothing with it.
    frame->setCurrDate(QDateTime());
    EXPECT_EQ(frame->dayLabel()->text(), "No date");
    EXPECT_FALSE(frame->currDate().isValid());
    EXPECT_EQ(frame->calendar()->date(), at(2026, 12, 20, 8));
    frame->plusDay();
    EXPECT_FALSE(frame->currDate().isValid());
    EXPECT_EQ(frame->changes, 1);
}

TEST_F(BaseThreeViewControllerTest, SegmentsSwitchViewsWhileDayBarAndCalendarMoveTheDate) {
    build(at(2026, 12, 9, 14, 20));
    ui::SegmentedControl* segments = frame->segmentedControl();
    segments->resize(segments->sizeHint());
    gui::tap(segments, segments->segmentRect(1).center());
    EXPECT_EQ(frame->view(), frame->viewAtIndex(1));
    EXPECT_EQ(frame->changes, 0);
    QTest::mouseClick(dayButton("plusDay"), Qt::LeftButton);
    EXPECT_EQ(frame->currDate(), at(2026, 12, 10, 8));
    QTest::mouseClick(dayButton("minusDay"), Qt::LeftButton);
    QTest::mouseClick(dayButton("minusDay"), Qt::LeftButton);
    EXPECT_EQ(frame->currDate(), at(2026, 12, 8, 8));

    gui::tap(segments, segments->segmentRect(0).center());
    EXPECT_EQ(frame->view(), frame->viewAtIndex(0));
    DateButton* day = frame->calendar()->visibleMonth()->buttonFor(QDate(2026, 12, 17));
    QTest::mousePress(day, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(frame->currDate(), at(2026, 12, 17, 8));
    EXPECT_EQ(frame->dayLabel()->text(), "December 17, 2026");
    EXPECT_EQ(frame->changes, 4);
}

TEST_F(BaseThreeViewControllerTest, DataAreaFollowsTheCalendarsHeight) {
    build(at(2026, 12, 9, 14, 20)); // five rows
    EXPECT_EQ(frame->dataView()->geometry(), QRect(0, 264, 320, 103));
    frame->calendar()->changeMonthTo(at(2027, 5, 1, 8)); // six rows
    EXPECT_EQ(frame->dataView()->geometry(), QRect(0, 308, 320, 59));
    frame->calendar()->changeMonthTo(at(2026, 2, 1, 8)); // four rows
    EXPECT_EQ(frame->dataView()->geometry(), QRect(0, 220, 320, 147));
    EXPECT_EQ(frame->getSubviewOf(0, BaseThreeViewController::CalendarTag), frame->calendar());
}

} // namespace

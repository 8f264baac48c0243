#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/TrendChartView.h"
#include "screens/weight/TrendView.h"
#include "screens/weight/WeightScreenTest.h"
#include "support/DiaryEntries.h"
#include "support/ScopedTimeZone.h"
#include "ui/Label.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/QVXCalendarView.h"

#include <QTest>

namespace {

class WeightTrendTabTest : public WeightScreenTest {
protected:
    static void choose(ui::SegmentedControl* segments, int index) {
        gui::tap(segments, segments->segmentRect(index).center());
    }
    TrendView* trend() const { return weight->trendView(); }
    QString period() const { return trend()->periodLabel()->text(); }
    // What the summary under the chart says: "rate|goal".
    QString summary() const {
        return trend()->rateLabel()->text() + "|" + trend()->goalLabel()->text();
    }
};

} // namespace

TEST_F(WeightTrendTabTest, TrendSegmentStartsEmptyThenPagesThroughItsRanges) {
    const ScopedTimeZone zone("America/New_York");
    open();
    choose(weight->segmentedControl(), 2);
    ASSERT_TRUE(trend()->isVisible());
    EXPECT_TRUE(trend()->emptyLabel()->isVisible());
    EXPECT_FALSE(trend()->chartView()->isVisible());

    // Every third day from 2 June to 2 December, losing 0.15 kg each time; the goal above.
    for (int i = 0; i <= 61; ++i)
        weigh(at(2026, 6, 2, 7).addDays(3 * i), QString::number(90.0 - 0.15 * i, 'f', 2));
    UDefUtil::setUserDefFloat(95000.0f, SettingsKeys::goalWeight);
    reappear();
    EXPECT_FALSE(trend()->emptyLabel()->isVisible());
    EXPECT_TRUE(trend()->chartView()->isVisible());
    EXPECT_EQ(period(), "Nov 7, 2026 - Dec 6, 2026");
    EXPECT_TRUE(summary().startsWith("-"));
    EXPECT_TRUE(summary().endsWith(" lb/week|not at this rate")) << qPrintable(summary());

    // Arrows and drags page by the range; forward stops at today.
    click("pageBack");
    reappear();
    EXPECT_EQ(period(), "Oct 7, 2026 - Nov 6, 2026");
    gui::drag(trend()->chartView(), {60, 100}, {200, 104});
    EXPECT_EQ(period(), "Sep 7, 2026 - Oct 6, 2026");
    QTest::keyClick(trend()->chartView(), Qt::Key_Right);
    click("pageForward");
    EXPECT_EQ(period(), "Nov 7, 2026 - Dec 6, 2026");
    EXPECT_FALSE(trend()->canPageForward());

    // A year reaches before the first weighing, so there is nothing further back.
    choose(trend()->ranges(), 2);
    EXPECT_EQ(period(), "Dec 7, 2025 - Dec 6, 2026");
    EXPECT_FALSE(trend()->canPageBack());
    choose(trend()->ranges(), 3);
    EXPECT_EQ(period(), "Jun 2, 2026 - Dec 6, 2026");

    // In kilograms, with the goal below the falling trend.
    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
    UDefUtil::setUserDefFloat(70000.0f, SettingsKeys::goalWeight);
    reappear();
    EXPECT_EQ(period(), "Jun 2, 2026 - Dec 6, 2026");
    EXPECT_TRUE(trend()->rateLabel()->text().endsWith(" kg/week"));
    EXPECT_TRUE(trend()->goalLabel()->text().endsWith(", 2027")) << qPrintable(summary());

    // The month view is as it was.
    choose(weight->segmentedControl(), 0);
    EXPECT_TRUE(weight->calendar()->isVisible());
    EXPECT_FALSE(trend()->isVisible());
}

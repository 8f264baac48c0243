#include "core/weight/WeightTrend.h"
#include "core/weight/WeightTrendTexts.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

namespace {

using Outlook = WeightTrend::GoalForecast::Outlook;

QDate day(int d) {
    return QDate(2026, 3, 1).addDays(d - 1);
}

// 80 kg on the 1st, nothing for six days, 73 kg on the 8th: the trend stays at 80 through the
// gap and moves a tenth of the way, to 79.3, on the 8th.
WeightTrend gapSeries() {
    return WeightTrend({{day(8), 73.0}, {day(1), 80.0}});
}

} // namespace

class WeightTrendTest : public QuorvelTest {};

TEST_F(WeightTrendTest, EachWeighedDayMovesTheTrendATenthAndGapsCarryIt) {
    // Given out of order, with the 2nd given twice: the later mean of a day counts.
    const WeightTrend trend({{day(3), 79.0}, {day(1), 80.0}, {day(2), 90.0}, {day(2), 81.0}});
    ASSERT_EQ(trend.days().size(), 3);
    EXPECT_EQ(trend.firstDay(), day(1));
    EXPECT_EQ(trend.lastDay(), day(3));
    EXPECT_FALSE(trend.trendAt(day(0)));
    EXPECT_DOUBLE_EQ(*trend.trendAt(day(1)), 80.0);
    EXPECT_DOUBLE_EQ(*trend.trendAt(day(2)), 80.1);
    EXPECT_DOUBLE_EQ(*trend.trendAt(day(3)), 79.99);
    // Past the last weighing the trend stays put.
    EXPECT_DOUBLE_EQ(*trend.trendAt(day(40)), 79.99);

    const WeightTrend gap = gapSeries();
    for (int d = 1; d <= 7; ++d)
        EXPECT_DOUBLE_EQ(*gap.trendAt(day(d)), 80.0) << d;
    EXPECT_DOUBLE_EQ(*gap.trendAt(day(8)), 79.3);
    EXPECT_EQ(gap.indexAtOrAfter(day(2)), 1);
    EXPECT_EQ(gap.indexAtOrAfter(day(9)), 2);
}

TEST_F(WeightTrendTest, RateIsMeasuredWhereTheTrendWasWeighedInEitherUnit) {
    const WeightTrend trend = gapSeries();
    // A week from 80 to 79.3, whether the range reaches past the weighings or not.
    EXPECT_NEAR(*trend.weeklyRate(day(1), day(8)), -0.7, 1e-12);
    EXPECT_NEAR(*trend.weeklyRate(day(-30), day(30)), -0.7, 1e-12);
    // From the 5th (trend 80, carried) to the 8th: 0.7 kg in three days.
    EXPECT_NEAR(*trend.weeklyRate(day(5), day(8)), -0.7 * 7 / 3, 1e-12);
    EXPECT_EQ(WeightTrendTexts::rate(trend.weeklyRate(day(1), day(8)), false), "-0.70 kg/week");
    EXPECT_EQ(WeightTrendTexts::rate(trend.weeklyRate(day(1), day(8)), true), "-1.54 lb/week");
    EXPECT_EQ(WeightTrendTexts::rate(0.35, true), "0.77 lb/week");
    // Too small to show is no loss at all.
    EXPECT_EQ(WeightTrendTexts::rate(-0.004, false), "0.00 kg/week");

    // Ranges with fewer than two days of trend in them, and a single weighing, have no rate.
    EXPECT_FALSE(trend.weeklyRate(day(8), day(20)));
    EXPECT_FALSE(trend.weeklyRate(day(-9), day(0)));
    EXPECT_FALSE(trend.weeklyRate(day(9), day(20)));
    const WeightTrend single({{day(4), 70.0}});
    EXPECT_DOUBLE_EQ(*single.trendAt(day(9)), 70.0);
    EXPECT_FALSE(single.weeklyRate(day(-30), day(30)));
    EXPECT_EQ(WeightTrendTexts::rate(single.weeklyRate(day(-30), day(30)), false), " - ");
    EXPECT_EQ(single.forecast(day(-30), day(30), 65.0).outlook, Outlook::Unknown);
    EXPECT_EQ(single.forecast(day(-30), day(30), 70.01).outlook, Outlook::AtGoal);

    EXPECT_TRUE(WeightTrend().isEmpty());
    EXPECT_FALSE(WeightTrend().trendAt(day(1)));
    EXPECT_FALSE(WeightTrend().weeklyRate(day(1), day(9)));
}

TEST_F(WeightTrendTest, GoalIsReachedMovedAwayFromOrAlreadyThere) {
    const WeightTrend trend = gapSeries();
    // 79.3 on the 8th, losing 0.1 kg a day: 75.45 is 38.5 days away, so the 39th day on.
    const WeightTrend::GoalForecast losing = trend.forecast(day(1), day(8), 75.45);
    EXPECT_EQ(losing.outlook, Outlook::ReachedOn);
    EXPECT_EQ(losing.date, day(8 + 39));
    EXPECT_EQ(WeightTrendTexts::goal(losing), "April 16, 2026");
    // The goal lies above a falling trend.
    EXPECT_EQ(trend.forecast(day(1), day(8), 85.0).outlook, Outlook::MovingAway);
    EXPECT_EQ(WeightTrendTexts::goal(trend.forecast(day(1), day(8), 85.0)), "not at this rate");
    EXPECT_EQ(WeightTrendTexts::goal(trend.forecast(day(1), day(8), 79.32)), "at your goal");

    // Gaining towards a higher goal, standing still, and a rate too slow for any date.
    EXPECT_EQ(WeightTrend::forecast(60.0, 0.7, day(1), 60.95).date, day(11));
    EXPECT_EQ(WeightTrend::forecast(60.0, 0.0, day(1), 61.0).outlook, Outlook::MovingAway);
    EXPECT_EQ(WeightTrend::forecast(60.0, 1e-300, day(1), 61.0).outlook, Outlook::MovingAway);
}

TEST_F(WeightTrendTest, TakesTheWeighedCalendarDaysOfTheStoreAcrossAClockChange) {
    ScopedTimeZone zone("America/New_York");
    // 8 March 2026 is 23 hours long; the empty day (today, as the store adds it) has no mean.
    QList<WeighingDay> days;
    for (const auto& [d, kg] :
         std::initializer_list<std::pair<int, float>>{{7, 80.0f}, {9, 90.0f}}) {
        WeighingDay weighed(WeighingDay::dayStartOf(QDate(2026, 3, d)));
        weighed.addWeighing(d, at(2026, 3, d, 7).toSecsSinceEpoch(), kg);
        weighed.addWeighing(d + 10, at(2026, 3, d, 20).toSecsSinceEpoch(), kg + 1);
        days.append(weighed);
    }
    days.append(WeighingDay(WeighingDay::dayStartOf(QDate(2026, 3, 12))));
    const WeightTrend trend = WeightTrend::fromDays(days);
    ASSERT_EQ(trend.days().size(), 2);
    EXPECT_EQ(trend.lastDay(), QDate(2026, 3, 9));
    EXPECT_DOUBLE_EQ(*trend.trendAt(QDate(2026, 3, 8)), 80.5);
    EXPECT_DOUBLE_EQ(*trend.trendAt(QDate(2026, 3, 9)), 81.5);
}

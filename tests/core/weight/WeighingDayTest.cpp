#include "core/weight/WeighingDay.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

namespace {

qint64 secs(int y, int m, int d, int h = 0, int min = 0) {
    return at(y, m, d, h, min).toSecsSinceEpoch();
}

} // namespace

class WeighingDayTest : public QuorvelTest {};

TEST_F(WeighingDayTest, NewestIdComesFirstWhateverTheTimeAndInsertReportsItsPlace) {
    WeighingDay day(secs(2026, 5, 3));
    EXPECT_EQ(day.addWeighing(5, secs(2026, 5, 3, 7), 80.1f), 0);
    // Added later with an earlier time: still first, because its id is higher.
    EXPECT_EQ(day.addWeighing(9, secs(2026, 5, 3, 6), 80.2f), 0);
    // An older id found later (loading) goes behind the higher ones.
    EXPECT_EQ(day.addWeighing(7, secs(2026, 5, 3, 22), 80.4f), 1);
    ASSERT_EQ(day.getTotalWeighings(), 3);
    EXPECT_EQ(day.getWeighingAtIndex(2).wId(), 5);
    // The single-precision mean, summed in list order.
    EXPECT_EQ(day.avgweight(), (80.2f + 80.4f + 80.1f) / 3.0f);
    // An emptied day keeps its last mean.
    day.setAWeighings({});
    day.recalculateAverageWeight();
    EXPECT_EQ(day.avgweight(), (80.2f + 80.4f + 80.1f) / 3.0f);

    // Rows as the table gives them: [date, value, note, weight_s], newest time first.
    day.setAWeighings({{QString::number(secs(2026, 5, 3, 21)), "81.00", "evening", "4"},
                       {QString::number(secs(2026, 5, 3, 7)), "80.00", "morning", "6"}});
    EXPECT_EQ(day.getWeighingAtIndex(0).note(), "morning");
    EXPECT_EQ(day.getWeighingAtIndex(1).time(), secs(2026, 5, 3, 21));
    EXPECT_EQ(day.avgweight(), 80.5f);
}

TEST_F(WeighingDayTest, ADayRunsFromLocalMidnightToTheNextAcrossClockChangesAndHalfHourZones) {
    {
        ScopedTimeZone tz("America/New_York");
        const WeighingDay spring(WeighingDay::dayStartOf(QDate(2026, 3, 8)));
        EXPECT_EQ(spring.getEndDayTime() - spring.daystarttime(), 23 * 3600);
        EXPECT_FALSE(spring.contains(secs(2026, 3, 9, 0, 30)));
        const WeighingDay autumn(WeighingDay::dayStartOf(QDate(2026, 11, 1)));
        EXPECT_EQ(autumn.getEndDayTime() - autumn.daystarttime(), 25 * 3600);
        EXPECT_TRUE(autumn.contains(secs(2026, 11, 1, 23, 30)));
    }
    ScopedTimeZone tz("America/St_Johns");
    // Newfoundland daylight time in May: UTC-02:30.
    EXPECT_EQ(WeighingDay::dayStartOf(QDate(2026, 5, 3)),
              QDateTime(QDate(2026, 5, 3), QTime(2, 30), Qt::UTC).toSecsSinceEpoch());
}

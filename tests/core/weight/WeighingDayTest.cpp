#include "core/weight/WeighingDay.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

#include <QDateTime>

namespace {

qint64 localSecs(int y, int m, int d, int h = 0, int min = 0, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s)).toSecsSinceEpoch();
}

} // namespace

class WeighingDayTest : public QuorvelTest {};

TEST_F(WeighingDayTest, NewestIdComesFirstWhateverTheTimeAndInsertReportsItsPlace) {
    WeighingDay day(localSecs(2026, 5, 3));
    EXPECT_EQ(day.addWeighing(5, localSecs(2026, 5, 3, 7), 80.0f), 0);
    // Added later with an earlier time: still first, because its id is higher.
    EXPECT_EQ(day.addWeighing(9, localSecs(2026, 5, 3, 6), 81.0f), 0);
    // An older id found later (loading) goes behind the higher ones.
    EXPECT_EQ(day.addWeighing(7, localSecs(2026, 5, 3, 22), 82.0f), 1);
    ASSERT_EQ(day.getTotalWeighings(), 3);
    EXPECT_EQ(day.getWeighingAtIndex(0).wId(), 9);
    EXPECT_EQ(day.getWeighingAtIndex(1).wId(), 7);
    EXPECT_EQ(day.getWeighingAtIndex(2).wId(), 5);
    EXPECT_TRUE(day.getWeighingAtIndex(1).note().isEmpty());
}

TEST_F(WeighingDayTest, AverageIsTheSinglePrecisionMeanAndAnEmptyDayKeepsIt) {
    WeighingDay day(localSecs(2026, 5, 3));
    EXPECT_EQ(day.avgweight(), 0.0f);
    day.recalculateAverageWeight();
    EXPECT_EQ(day.avgweight(), 0.0f);
    // Summed in list order, the newest first.
    day.addWeighing(1, localSecs(2026, 5, 3, 7), 80.1f);
    day.addWeighing(2, localSecs(2026, 5, 3, 8), 80.2f);
    day.addWeighing(3, localSecs(2026, 5, 3, 9), 80.4f);
    EXPECT_EQ(day.avgweight(), (80.4f + 80.2f + 80.1f) / 3.0f);

    day.setAWeighings({});
    day.recalculateAverageWeight();
    EXPECT_EQ(day.getTotalWeighings(), 0);
    EXPECT_EQ(day.avgweight(), (80.4f + 80.2f + 80.1f) / 3.0f);
}

TEST_F(WeighingDayTest, RowsKeepTheirOwnNotesInIdOrder) {
    WeighingDay day(localSecs(2026, 5, 3));
    // Rows as the table gives them: [date, value, note, weight_s], newest time first.
    day.setAWeighings({{QString::number(localSecs(2026, 5, 3, 21)), "81.00", "evening", "4"},
                       {QString::number(localSecs(2026, 5, 3, 7)), "80.00", "morning", "6"}});
    ASSERT_EQ(day.getTotalWeighings(), 2);
    EXPECT_EQ(day.getWeighingAtIndex(0).wId(), 6);
    EXPECT_EQ(day.getWeighingAtIndex(0).note(), "morning");
    EXPECT_EQ(day.getWeighingAtIndex(1).note(), "evening");
    EXPECT_EQ(day.getWeighingAtIndex(1).time(), localSecs(2026, 5, 3, 21));
    EXPECT_EQ(day.avgweight(), 80.5f);
}

TEST_F(WeighingDayTest, ADayEndsAtTheNextLocalMidnightAlsoAcrossClockChanges) {
    ScopedTimeZone tz("America/New_York");
    const WeighingDay plain(WeighingDay::dayStartOf(QDate(2026, 5, 3)));
    EXPECT_EQ(plain.getEndDayTime() - plain.daystarttime(), 86400);

    const WeighingDay spring(WeighingDay::dayStartOf(QDate(2026, 3, 8)));
    EXPECT_EQ(spring.getEndDayTime() - spring.daystarttime(), 23 * 3600);
    EXPECT_FALSE(spring.contains(localSecs(2026, 3, 9, 0, 30)));

    const WeighingDay autumn(WeighingDay::dayStartOf(QDate(2026, 11, 1)));
    EXPECT_EQ(autumn.getEndDayTime() - autumn.daystarttime(), 25 * 3600);
    EXPECT_TRUE(autumn.contains(localSecs(2026, 11, 1, 23, 30)));
    EXPECT_FALSE(autumn.contains(localSecs(2026, 11, 2)));
}

TEST_F(WeighingDayTest, DayStartIsLocalMidnightInHalfHourZones) {
    {
        ScopedTimeZone tz("Asia/Kolkata");
        EXPECT_EQ(WeighingDay::dayStartOf(QDate(2026, 5, 3)),
                  QDateTime(QDate(2026, 5, 2), QTime(18, 30), Qt::UTC).toSecsSinceEpoch());
    }
    {
        ScopedTimeZone tz("America/St_Johns");
        // Newfoundland daylight time in May: UTC-02:30.
        EXPECT_EQ(WeighingDay::dayStartOf(QDate(2026, 5, 3)),
                  QDateTime(QDate(2026, 5, 3), QTime(2, 30), Qt::UTC).toSecsSinceEpoch());
    }
}

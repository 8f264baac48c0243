#include "core/weight/WeightDataStore.h"
#include "core/base/Clock.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

namespace {

qint64 secs(const QDateTime& time) {
    return time.toSecsSinceEpoch();
}

} // namespace

class WeightDataStoreTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 5, 10, 9));
    }
};

TEST_F(WeightDataStoreTest, WeighingsGroupByLocalDayWithTheirMeansAndTodayIsPlacedOnce) {
    EXPECT_EQ(WeightDataStore::loadAllWeights().size(), 1) << "no weighing: only today";
    weigh(at(2026, 5, 3, 7), "80.00");
    weigh(at(2026, 5, 3, 23, 59, 59), "81.00");
    weigh(at(2026, 5, 4, 0, 0, 0), "79.50");
    weigh(at(2026, 5, 10, 7), "80.00");
    weigh(at(2026, 5, 12, 7), "80.00");

    const QList<WeighingDay> days = WeightDataStore::loadAllWeights();
    ASSERT_EQ(days.size(), 4);
    EXPECT_EQ(days[0].daystarttime(), secs(at(2026, 5, 3)));
    EXPECT_EQ(days[0].avgweight(), 80.5f);
    EXPECT_EQ(days[1].avgweight(), 79.5f);
    EXPECT_EQ(days[2].daystarttime(), secs(at(2026, 5, 10)));
    EXPECT_EQ(days[2].getTotalWeighings(), 1);

    WeightDataStore store;
    store.reloadAllWeights();
    EXPECT_EQ(store.getListIndexByTime(secs(at(2026, 5, 12, 23, 59, 59)), 0), 3);
    EXPECT_EQ(store.getListIndexByTime(secs(at(2026, 5, 3, 7)), 1), -1);
    EXPECT_EQ(store.getListIndexByTime(secs(at(2026, 5, 11, 7)), 0), -1);
}

TEST_F(WeightDataStoreTest, LastEnteredComesFirstAndUpdatesAndRemovalsAreSeen) {
    EXPECT_FALSE(WeightDataStore::getLastAddedWeighing().has_value());
    const qint64 late = weigh(at(2026, 5, 3, 21), "81.00", "late");
    const qint64 early = weigh(at(2026, 5, 3, 7), "80.00", "early");
    const WeighingDay day = WeightDataStore::loadWeightsForDate(at(2026, 5, 3));
    ASSERT_EQ(day.getTotalWeighings(), 2);
    EXPECT_EQ(day.getWeighingAtIndex(0).note(), "early");
    EXPECT_EQ(day.getWeighingAtIndex(1).note(), "late");
    EXPECT_EQ(WeightDataStore::getLastAddedWeighing()->wId(), early);
    EXPECT_EQ(WeightDataStore::getLastAddedWeighing()->time(), secs(at(2026, 5, 3, 7)));

    WeightDataStore::updateWeighingWithId(
        QString::number(late), QString::number(secs(at(2026, 5, 4, 8))), "78.25", "moved");
    const WeighingDay moved = WeightDataStore::loadWeightsForDate(at(2026, 5, 4));
    ASSERT_EQ(moved.getTotalWeighings(), 1);
    EXPECT_EQ(moved.getWeighingAtIndex(0).note(), "moved");
    EXPECT_EQ(moved.avgweight(), 78.25f);

    WeightDataStore::removeWeighingWithId("");
    EXPECT_EQ(WeightDataStore::loadAllWeights().size(), 3);
    WeightDataStore::removeWeighingWithId(QString::number(early));
    EXPECT_EQ(WeightDataStore::getLastAddedWeighing()->wId(), late);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(at(2026, 5, 3)).avgweight(), 0.0f);
}

TEST_F(WeightDataStoreTest, MonthAveragesGiveOneTextPerDayAsTheDatabasePrintsThem) {
    weigh(at(2026, 6, 1, 7), "80.00");
    weigh(at(2026, 6, 1, 21), "81.00");
    weigh(at(2026, 6, 30, 23, 59, 59), "79.00");
    weigh(at(2026, 7, 1, 0, 0, 0), "70.00");

    WeightDataStore store;
    store.reloadAverageWeightsForMonth(at(2026, 6, 17, 15));
    const QStringList texts = store.monthweightsAvg();
    ASSERT_EQ(texts.size(), 30);
    EXPECT_EQ(texts[0], "80.5");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[29], "79.0");
    EXPECT_EQ(WeightDataStore::loadAverageWeightsForMonth(at(2024, 2, 10)).size(), 29);
}

TEST_F(WeightDataStoreTest, LateWeighingOnAClockChangeDayStaysOnItsDay) {
    ScopedTimeZone tz("America/New_York");
    Clock::set(at(2026, 11, 20, 9));
    // 1 November 2026 has 25 hours; 8 March 2026 has 23.
    weigh(at(2026, 11, 1, 23, 30), "80.00");
    weigh(at(2026, 3, 8, 23, 30), "81.00");
    weigh(at(2026, 3, 9, 0, 30), "82.00");

    EXPECT_EQ(WeightDataStore::loadWeightsForDate(at(2026, 11, 2)).getTotalWeighings(), 0);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(at(2026, 3, 8)).avgweight(), 81.0f);
    const QList<WeighingDay> all = WeightDataStore::loadAllWeights();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[1].avgweight(), 82.0f);
    EXPECT_EQ(WeightDataStore::loadAverageWeightsForMonth(at(2026, 11, 5)).mid(0, 2),
              (QStringList{"80.0", ""}));
    EXPECT_EQ(WeightDataStore::loadAverageWeightsForMonth(at(2026, 3, 5)).mid(7, 2),
              (QStringList{"81.0", "82.0"}));
}

#include "core/weight/WeightDataStore.h"
#include "core/base/Clock.h"
#include "core/overview/DiaryRows.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

using diaryrows::local;

namespace {

// Stored the way the weight editor stores it: seconds as text, kilograms with two decimals.
qint64 weigh(const QDateTime& at, const QString& kilos, const QString& note = {}) {
    return WeightDataStore::insertWeighing(QString::number(at.toSecsSinceEpoch()), kilos, note);
}

} // namespace

class WeightDataStoreTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(local(2026, 5, 10, 9));
    }
};

TEST_F(WeightDataStoreTest, AllWeightsGroupByLocalDayWithTheirMeansPlusToday) {
    weigh(local(2026, 5, 3, 7), "80.00");
    weigh(local(2026, 5, 3, 22, 30), "81.00");
    weigh(local(2026, 5, 4, 6), "79.50");

    const QList<WeighingDay> days = WeightDataStore::loadAllWeights();
    ASSERT_EQ(days.size(), 3);
    EXPECT_EQ(days[0].daystarttime(), local(2026, 5, 3).toSecsSinceEpoch());
    EXPECT_EQ(days[0].getTotalWeighings(), 2);
    EXPECT_EQ(days[0].avgweight(), 80.5f);
    EXPECT_EQ(days[1].daystarttime(), local(2026, 5, 4).toSecsSinceEpoch());
    EXPECT_EQ(days[1].avgweight(), 79.5f);
    EXPECT_EQ(days[2].daystarttime(), local(2026, 5, 10).toSecsSinceEpoch());
    EXPECT_EQ(days[2].getTotalWeighings(), 0);
}

TEST_F(WeightDataStoreTest, TodayIsPlacedAmongTheDaysOnceAndNoTableGivesOnlyToday) {
    {
        const QList<WeighingDay> days = WeightDataStore::loadAllWeights();
        ASSERT_EQ(days.size(), 1);
        EXPECT_EQ(days[0].daystarttime(), local(2026, 5, 10).toSecsSinceEpoch());
    }
    weigh(local(2026, 5, 12, 7), "80.00");
    weigh(local(2026, 5, 10, 7), "80.00");
    weigh(local(2026, 5, 1, 7), "80.00");
    const QList<WeighingDay> days = WeightDataStore::loadAllWeights();
    ASSERT_EQ(days.size(), 3);
    EXPECT_EQ(days[1].daystarttime(), local(2026, 5, 10).toSecsSinceEpoch());
    EXPECT_EQ(days[1].getTotalWeighings(), 1);

    WeightDataStore store;
    store.reloadAllWeights();
    EXPECT_EQ(store.getListIndexByTime(local(2026, 5, 12, 23, 59, 59).toSecsSinceEpoch(), 0), 2);
    EXPECT_EQ(store.getListIndexByTime(local(2026, 5, 1, 7).toSecsSinceEpoch(), 1), -1);
    EXPECT_EQ(store.getListIndexByTime(local(2026, 5, 11, 7).toSecsSinceEpoch(), 0), -1);
}

TEST_F(WeightDataStoreTest, FirstAndLastSecondBelongToTheirOwnDays) {
    weigh(local(2026, 5, 3, 23, 59, 59), "80.00");
    weigh(local(2026, 5, 4, 0, 0, 0), "82.00");

    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 5, 3, 12)).avgweight(), 80.0f);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 5, 4, 23)).avgweight(), 82.0f);
    EXPECT_EQ(WeightDataStore::loadAllWeights().size(), 3);
}

TEST_F(WeightDataStoreTest, LastEnteredComesFirstAndEachKeepsItsNote) {
    weigh(local(2026, 5, 3, 21), "81.00", "late");
    weigh(local(2026, 5, 3, 7), "80.00", "early");

    const WeighingDay day = WeightDataStore::loadWeightsForDate(local(2026, 5, 3));
    ASSERT_EQ(day.getTotalWeighings(), 2);
    EXPECT_EQ(day.getWeighingAtIndex(0).note(), "early");
    EXPECT_EQ(day.getWeighingAtIndex(0).weight(), 80.0f);
    EXPECT_EQ(day.getWeighingAtIndex(1).note(), "late");
    EXPECT_EQ(WeightDataStore::loadAllWeights()[0].getWeighingAtIndex(1).note(), "late");
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 5, 5)).avgweight(), 0.0f);
}

TEST_F(WeightDataStoreTest, UpdateRemoveAndTheLastAddedWeighing) {
    EXPECT_FALSE(WeightDataStore::getLastAddedWeighing().has_value());
    const qint64 first = weigh(local(2026, 5, 3, 7), "80.00", "a");
    const qint64 second = weigh(local(2026, 5, 2, 7), "79.00", "b");

    const auto last = WeightDataStore::getLastAddedWeighing();
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->wId(), second);
    EXPECT_EQ(last->weight(), 79.0f);
    EXPECT_EQ(last->time(), local(2026, 5, 2, 7).toSecsSinceEpoch());

    WeightDataStore::updateWeighingWithId(QString::number(first),
                                          QString::number(local(2026, 5, 4, 8).toSecsSinceEpoch()),
                                          "78.25", "moved");
    const WeighingDay moved = WeightDataStore::loadWeightsForDate(local(2026, 5, 4));
    ASSERT_EQ(moved.getTotalWeighings(), 1);
    EXPECT_EQ(moved.getWeighingAtIndex(0).note(), "moved");
    EXPECT_EQ(moved.avgweight(), 78.25f);

    WeightDataStore::removeWeighingWithId(QString());
    WeightDataStore::removeWeighingWithId("");
    EXPECT_EQ(WeightDataStore::loadAllWeights().size(), 3);
    WeightDataStore::removeWeighingWithId(QString::number(second));
    EXPECT_EQ(WeightDataStore::getLastAddedWeighing()->wId(), first);
}

TEST_F(WeightDataStoreTest, MonthAveragesGiveOneTextPerDayAsTheDatabasePrintsThem) {
    weigh(local(2026, 6, 1, 7), "80.00");
    weigh(local(2026, 6, 1, 21), "81.00");
    weigh(local(2026, 6, 30, 23, 59, 59), "79.00");
    weigh(local(2026, 7, 1, 0, 0, 0), "70.00");

    WeightDataStore store;
    store.reloadAverageWeightsForMonth(local(2026, 6, 17, 15));
    const QStringList texts = store.monthweightsAvg();
    ASSERT_EQ(texts.size(), 30);
    EXPECT_EQ(texts[0], "80.5");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[29], "79.0");
    EXPECT_EQ(WeightDataStore::loadAverageWeightsForMonth(local(2024, 2, 10)).size(), 29);
    EXPECT_EQ(WeightDataStore::loadAverageWeightForTimeInterval(0, 10), "");
}

TEST_F(WeightDataStoreTest, LateWeighingOnAClockChangeDayStaysOnItsDay) {
    ScopedTimeZone tz("America/New_York");
    Clock::set(local(2026, 11, 20, 9));
    // 1 November 2026 has 25 hours; 8 March 2026 has 23.
    weigh(local(2026, 11, 1, 23, 30), "80.00");
    weigh(local(2026, 3, 8, 23, 30), "81.00");
    weigh(local(2026, 3, 9, 0, 30), "82.00");

    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 11, 1)).getTotalWeighings(), 1);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 11, 2)).getTotalWeighings(), 0);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 3, 8)).avgweight(), 81.0f);
    EXPECT_EQ(WeightDataStore::loadWeightsForDate(local(2026, 3, 9)).avgweight(), 82.0f);

    const QList<WeighingDay> all = WeightDataStore::loadAllWeights();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].avgweight(), 81.0f);
    EXPECT_EQ(all[1].avgweight(), 82.0f);

    const QStringList november = WeightDataStore::loadAverageWeightsForMonth(local(2026, 11, 5));
    EXPECT_EQ(november[0], "80.0");
    EXPECT_EQ(november[1], "");
    const QStringList march = WeightDataStore::loadAverageWeightsForMonth(local(2026, 3, 5));
    EXPECT_EQ(march[7], "81.0");
    EXPECT_EQ(march[8], "82.0");
}

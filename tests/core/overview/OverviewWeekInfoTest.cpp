#include "core/overview/OverviewWeekInfo.h"
#include "core/base/Clock.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

class OverviewWeekInfoTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 6, 20, 9));
    }
};

TEST_F(OverviewWeekInfoTest, NoReadableDataGivesNoWeeksAndBoundsThatSayNothing) {
    storeFood("someday", 0, 100);
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), 0);
    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), Clock::now().toSecsSinceEpoch() + 30 * 86400);
    EXPECT_TRUE(OverviewWeekInfo::getOverviewWeeks().isEmpty());
    // The shorter stored form still reads.
    storeFood("2026-05-13 00:00", 0, 100);
    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), at(2026, 5, 13).toSecsSinceEpoch());
}

TEST_F(OverviewWeekInfoTest, BoundsComeFromAllThreeTablesAndWeeksWithoutDataAreLeftOut) {
    storeExercise("2026-05-04 00:00:00", 0, 200);
    storeFood("2026-05-06 00:00:00", 0, 100);
    storeFood("2026-05-09 00:00:00", 0, 500);
    weigh(at(2026, 5, 24, 7, 15), "80.00");

    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), at(2026, 5, 4).toSecsSinceEpoch());
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), at(2026, 5, 24, 7, 15).toSecsSinceEpoch());
    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 2);
    EXPECT_EQ(weeks[0].date(), at(2026, 5, 3));
    ASSERT_EQ(weeks[0].overviewdays().size(), 3);
    EXPECT_EQ(weeks[0].overviewdays()[2]->date(), at(2026, 5, 9));
    EXPECT_EQ(weeks[0].overviewdays()[2]->consumed(), 500.0f);
    EXPECT_EQ(weeks[1].date(), at(2026, 5, 24));
    EXPECT_EQ(weeks[1].overviewdays()[0]->weightInfo()->avgweight(), 80.0f);
}

TEST_F(OverviewWeekInfoTest, AWeekOfADateHoldsOnlyItsNonEmptyDays) {
    storeFood("2026-05-16 00:00:00", 0, 100); // Saturday
    storeFood("2026-05-17 00:00:00", 0, 100); // the next Sunday

    const OverviewWeekInfo week = OverviewWeekInfo::getOverviewWeekForDate(at(2026, 5, 13, 18));
    EXPECT_EQ(week.date(), at(2026, 5, 10, 18));
    ASSERT_EQ(week.overviewdays().size(), 1);
    EXPECT_EQ(week.overviewdays()[0]->date(), at(2026, 5, 16));
}

TEST_F(OverviewWeekInfoTest, EveryDayAndWeighingComesOnceAcrossAClockChange) {
    ScopedTimeZone tz("America/New_York");
    Clock::set(at(2026, 12, 1, 9));
    // Clocks go back on Sunday 1 November 2026.
    for (QDate day(2026, 10, 25); day <= QDate(2026, 11, 7); day = day.addDays(1))
        storeFood(day.toString("yyyy-MM-dd 00:00:00"), 0, 100);
    weigh(at(2026, 10, 25, 0, 0, 0), "80.00"); // first second of the span
    weigh(at(2026, 11, 1, 23, 30), "81.00");   // a 25-hour day
    weigh(at(2026, 11, 2, 0, 0, 0), "82.00");
    weigh(at(2026, 11, 14, 23, 59, 59), "83.00"); // last second
    weigh(at(2026, 11, 14, 7), "84.10", "after the run");
    // Edited into the file by hand: a number kept as text, and text that is no number.
    const RawDatabase weights = RawDatabase::user("weight.db");
    weights.exec(QString("insert into weight (date, value, note) values (%1, ' 79.5 ', 'typed');"
                         "insert into weight (date, value, note) values (%2, '78 kg', 'words');")
                     .arg(at(2026, 11, 3, 8).toSecsSinceEpoch())
                     .arg(at(2026, 11, 3, 9).toSecsSinceEpoch()));

    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 3);
    EXPECT_EQ(weeks[1].date(), at(2026, 11, 1));
    int weighings = 0;
    for (const OverviewWeekInfo& week : weeks) {
        // The weeks of the whole span hold what a week built alone holds.
        const OverviewWeekInfo alone = OverviewWeekInfo::getOverviewWeekForDate(week.date());
        ASSERT_EQ(alone.overviewdays().size(), week.overviewdays().size());
        for (qsizetype d = 0; d < week.overviewdays().size(); ++d) {
            const WeighingDay& got = *week.overviewdays()[d]->weightInfo();
            EXPECT_EQ(week.overviewdays()[d]->date().date(),
                      alone.overviewdays()[d]->date().date());
            const WeighingDay& single = *alone.overviewdays()[d]->weightInfo();
            ASSERT_EQ(got.getTotalWeighings(), single.getTotalWeighings());
            EXPECT_EQ(got.avgweight(), single.avgweight());
            for (int w = 0; w < got.getTotalWeighings(); ++w) {
                EXPECT_EQ(got.getWeighingAtIndex(w).wId(), single.getWeighingAtIndex(w).wId());
                EXPECT_EQ(got.getWeighingAtIndex(w).weight(),
                          single.getWeighingAtIndex(w).weight());
                EXPECT_EQ(got.getWeighingAtIndex(w).note(), single.getWeighingAtIndex(w).note());
            }
            weighings += got.getTotalWeighings();
        }
    }
    EXPECT_EQ(weeks[0].overviewdays().size(), 7);
    EXPECT_EQ(weeks[1].overviewdays().size(), 7);
    EXPECT_EQ(weighings, 7);
    EXPECT_FLOAT_EQ(weeks[2].overviewdays().back()->weightInfo()->avgweight(), 83.55f);
}

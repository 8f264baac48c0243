#include "core/overview/OverviewWeekInfo.h"
#include "DiaryRows.h"
#include "core/base/Clock.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

using diaryrows::local;

class OverviewWeekInfoTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(local(2026, 6, 20, 9));
    }
};

TEST_F(OverviewWeekInfoTest, NoDataGivesNoWeeksAndTheBoundsSayNothing) {
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), 0);
    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), Clock::now().toSecsSinceEpoch() + 30 * 86400);
    EXPECT_TRUE(OverviewWeekInfo::getOverviewWeeks().isEmpty());
}

TEST_F(OverviewWeekInfoTest, OneDayOfDataGivesItsWeekDatedTheSunday) {
    diaryrows::food(QDate(2026, 5, 13), "500.00");

    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 1);
    EXPECT_EQ(weeks[0].date(), local(2026, 5, 10));
    ASSERT_EQ(weeks[0].overviewdays().size(), 1);
    EXPECT_EQ(weeks[0].overviewdays()[0]->date(), local(2026, 5, 13));
    EXPECT_EQ(weeks[0].overviewdays()[0]->consumed(), 500.0f);
}

TEST_F(OverviewWeekInfoTest, WeighingsAloneCountAndSetTheFirstDay) {
    // A Sunday morning weighing: the week starts on that very day.
    const QDateTime at = local(2026, 5, 17, 7, 15);
    diaryrows::weighing(at, "80.00");

    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), at.toSecsSinceEpoch());
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), at.toSecsSinceEpoch());
    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 1);
    EXPECT_EQ(weeks[0].date(), at);
    ASSERT_EQ(weeks[0].overviewdays().size(), 1);
    EXPECT_EQ(weeks[0].overviewdays()[0]->weightInfo()->avgweight(), 80.0f);
}

TEST_F(OverviewWeekInfoTest, BoundsComeFromAllThreeTablesAndWeeksWithoutDataAreLeftOut) {
    diaryrows::exercise(QDate(2026, 5, 4), "200.00");
    diaryrows::food(QDate(2026, 5, 6), "100.00");
    diaryrows::food(QDate(2026, 5, 9), "100.00");
    diaryrows::weighing(local(2026, 5, 27, 6), "80.00");

    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), local(2026, 5, 4).toSecsSinceEpoch());
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), local(2026, 5, 27, 6).toSecsSinceEpoch());
    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 2);
    EXPECT_EQ(weeks[0].date(), local(2026, 5, 3));
    ASSERT_EQ(weeks[0].overviewdays().size(), 3);
    EXPECT_EQ(weeks[0].overviewdays()[0]->date(), local(2026, 5, 4));
    EXPECT_EQ(weeks[0].overviewdays()[2]->date(), local(2026, 5, 9));
    EXPECT_EQ(weeks[1].date(), local(2026, 5, 24));
    EXPECT_EQ(weeks[1].overviewdays().size(), 1);
}

TEST_F(OverviewWeekInfoTest, AWeekOfADateHoldsOnlyItsNonEmptyDays) {
    diaryrows::food(QDate(2026, 5, 16), "100.00"); // Saturday
    diaryrows::food(QDate(2026, 5, 17), "100.00"); // the next Sunday

    const OverviewWeekInfo week = OverviewWeekInfo::getOverviewWeekForDate(local(2026, 5, 13, 18));
    EXPECT_EQ(week.date(), local(2026, 5, 10, 18));
    ASSERT_EQ(week.overviewdays().size(), 1);
    EXPECT_EQ(week.overviewdays()[0]->date(), local(2026, 5, 16));
    EXPECT_EQ(OverviewWeekInfo().date(), Clock::now());
    EXPECT_TRUE(OverviewWeekInfo().overviewdays().isEmpty());
}

TEST_F(OverviewWeekInfoTest, EveryDayComesOnceAcrossAClockChange) {
    ScopedTimeZone tz("America/New_York");
    Clock::set(local(2026, 12, 1, 9));
    // Clocks go back on Sunday 1 November 2026.
    for (QDate day(2026, 10, 25); day <= QDate(2026, 11, 7); day = day.addDays(1))
        diaryrows::food(day, "100.00");

    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 2);
    EXPECT_EQ(weeks[1].date(), local(2026, 11, 1));
    for (const OverviewWeekInfo& week : weeks) {
        ASSERT_EQ(week.overviewdays().size(), 7);
        for (int d = 0; d < 7; ++d)
            EXPECT_EQ(week.overviewdays()[d]->date().date(), week.date().date().addDays(d));
    }
}

TEST_F(OverviewWeekInfoTest, AnUnreadableDateCountsAsNoData) {
    diaryrows::foodWithDateText("someday", "100.00");
    EXPECT_EQ(OverviewWeekInfo::getLastFilledDay(), 0);
    EXPECT_TRUE(OverviewWeekInfo::getOverviewWeeks().isEmpty());

    // The shorter stored form still reads.
    diaryrows::foodWithDateText("2026-05-13 00:00", "100.00");
    EXPECT_EQ(OverviewWeekInfo::getFirstFilledDay(), local(2026, 5, 13).toSecsSinceEpoch());
}

TEST_F(OverviewWeekInfoTest, WeeksOfTheWholeSpanHoldTheSameWeighingsAsAWeekBuiltAlone) {
    ScopedTimeZone tz("America/New_York");
    Clock::set(local(2026, 12, 1, 9));
    diaryrows::weighing(local(2026, 10, 25, 0, 0, 0), "80.00"); // first second of the span
    diaryrows::weighing(local(2026, 11, 1, 23, 30), "81.00");   // a 25-hour day
    diaryrows::weighing(local(2026, 11, 2, 0, 0, 0), "82.00");
    diaryrows::weighing(local(2026, 11, 14, 23, 59, 59), "83.00"); // last second
    diaryrows::weighing(local(2026, 11, 14, 7), "84.00");

    const QList<OverviewWeekInfo> weeks = OverviewWeekInfo::getOverviewWeeks();
    ASSERT_EQ(weeks.size(), 3);
    int weighings = 0;
    for (const OverviewWeekInfo& week : weeks) {
        const OverviewWeekInfo alone = OverviewWeekInfo::getOverviewWeekForDate(week.date());
        ASSERT_EQ(alone.overviewdays().size(), week.overviewdays().size());
        for (qsizetype d = 0; d < week.overviewdays().size(); ++d) {
            const WeighingDay& got = *week.overviewdays()[d]->weightInfo();
            const WeighingDay& want = *alone.overviewdays()[d]->weightInfo();
            EXPECT_EQ(got.daystarttime(), want.daystarttime());
            EXPECT_EQ(got.getTotalWeighings(), want.getTotalWeighings());
            EXPECT_EQ(got.avgweight(), want.avgweight());
            weighings += got.getTotalWeighings();
        }
    }
    EXPECT_EQ(weighings, 5);
    EXPECT_EQ(weeks[2].overviewdays().back()->weightInfo()->avgweight(), 83.5f);
}

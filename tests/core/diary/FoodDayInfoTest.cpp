#include "core/diary/FoodDayInfo.h"
#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/base/ResetRegistry.h"
#include "core/db/QVUtil.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

class FoodDayInfoTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 15));
    }
};

TEST_F(FoodDayInfoTest, LoadingPlacesTodayAtEightAmongTheStoredDays) {
    EXPECT_EQ(FoodDayInfo::foodList().first()->date(), at(2026, 12, 6, 8));
    EXPECT_EQ(FoodDayInfo::foodList().first()->itemsTotal(), (QList<float>{0, 0, 0, 0}));

    storeFood("2026-12-01 00:00:00", 0, 100);
    storeFood("2026-12-09 00:00:00", 2, 300);
    const FoodDayList withFuture = FoodDayInfo::getFoodInfo();
    EXPECT_EQ(daysOf(withFuture), (QStringList{"2026-12-01", "2026-12-06", "2026-12-09"}));
    EXPECT_EQ(withFuture.at(1)->date(), at(2026, 12, 6, 8));
    EXPECT_FLOAT_EQ(withFuture.at(2)->itemsTotal().at(2), 300.0f);

    // With an entry of its own, today is the day made from it; unreadable rows are left out.
    storeFood("2026-12-06 00:00:00", 1, 50);
    storeFood("not a date", 0, 100);
    storeFood("2026-12-06 00:00:00", 7, 100);
    const FoodDayList withToday = FoodDayInfo::getFoodInfo();
    EXPECT_EQ(withToday.size(), 3);
    EXPECT_EQ(withToday.at(1)->date(), at(2026, 12, 6));
    EXPECT_FLOAT_EQ(withToday.at(1)->total(), 50.0f);
    EXPECT_EQ(RawDatabase::user("common.db").count("saved_food"), 5);
}

TEST_F(FoodDayInfoTest, ALateEntryStaysOnItsDayInEveryZoneAndYear) {
    QStringList expected, rows;
    for (int year : {1969, 2026, 2040})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15}) {
                expected.append(QDate(year, month, day).toString(Qt::ISODate));
                rows.append(QString("(0, '%1 23:30:00')").arg(expected.last()));
            }
    QVUtil::commonDbc().executeImmediate(
        "insert into saved_food (food_type_id, date) values " + rows.join(','), {});
    expected.insert(expected.indexOf("2026-12-15"), "2026-12-06");
    // Outside 1970-2037 the zones with daylight saving are where a day used to go missing.
    for (const char* zone : {"America/New_York", "America/Sao_Paulo", "Australia/Sydney",
                             "Asia/Kolkata", "America/St_Johns", "UTC"}) {
        ScopedTimeZone tz(zone);
        ResetRegistry::resetAll();
        Clock::set(at(2026, 12, 6, 15));
        EXPECT_EQ(daysOf(FoodDayInfo::foodList()).join(' ').toStdString(),
                  expected.join(' ').toStdString())
            << zone;
        EXPECT_EQ(FoodDayInfo::foodList().first()->date(), at(1969, 1, 1)) << zone;
        EXPECT_EQ(FoodDayInfo::foodList().last()->date(), at(2040, 12, 15)) << zone;
    }
}

TEST_F(FoodDayInfoTest, NewEntriesGoFirstInTheirMealOnTheirDay) {
    storeFood("2026-12-02 00:00:00", 1, 100);
    storeFood("2026-12-02 00:00:00", 1, 200);
    EXPECT_EQ(FoodDayInfo::getFoodOn(at(2026, 12, 2, 18, 45))->items().at(1).first()->dboId(), 2);

    saved(speedyFood(at(2026, 12, 4), 0, 100));
    saved(speedyFood(at(2026, 12, 8), 0, 100));
    const auto first = saved(speedyFood(at(2026, 12, 6), 2, 100));
    const auto second = saved(speedyFood(at(2026, 12, 6), 2, 150));
    EXPECT_EQ(daysOf(FoodDayInfo::foodList()),
              (QStringList{"2026-12-02", "2026-12-04", "2026-12-06", "2026-12-08"}));
    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    EXPECT_EQ(today->items().at(2), (FoodDayInfo::Group{second, first}));
    EXPECT_EQ(today->itemsTotal(), (QList<float>{0, 0, 250, 0}));
}

TEST_F(FoodDayInfoTest, EditingMovesAnEntryToTheTopOfItsNewMeal) {
    const auto soup = saved(speedyFood(at(2026, 12, 5), 1, 300));
    saved(speedyFood(at(2026, 12, 5), 1, 200));
    const auto dinner = saved(speedyFood(at(2026, 12, 5), 2, 500));

    AppVars::getVars().insert("food_current_foodTypeId", 1);
    soup->setFoodTypeId(2);
    soup->update();

    const FoodDayPtr day = FoodDayInfo::getFoodOn(at(2026, 12, 5));
    EXPECT_EQ(day->items().at(2), (FoodDayInfo::Group{soup, dinner}));
    EXPECT_EQ(day->itemsTotal(), (QList<float>{0, 200, 800, 0}));
    EXPECT_FALSE(AppVars::getVars().contains("food_current_foodTypeId"));
    EXPECT_EQ(RawDatabase::user("common.db").count("saved_food", "food_type_id = 2"), 2);
}

// An editor saves an entry that was deleted meanwhile on another screen: the row is not written
// again, and the entry does not come back in memory only.
TEST_F(FoodDayInfoTest, AnEditOfAnEntryDeletedMeanwhileStaysDeleted) {
    const auto soup = saved(speedyFood(at(2026, 12, 5), 1, 300));
    ASSERT_TRUE(FoodDayInfo::getFoodOn(at(2026, 12, 5))->removeFoodAtIndexPath(1, 0));
    soup->setFoodTypeId(2);
    EXPECT_FALSE(soup->update());
    EXPECT_FALSE(FoodDayInfo::getFoodOn(at(2026, 12, 5)));

    // Deleted behind the day's back: the entry leaves its day, and today stays.
    const auto tea = saved(speedyFood(at(2026, 12, 6), 0, 50));
    saved(speedyFood(at(2026, 12, 6), 0, 70));
    RawDatabase::user("common.db")
        .exec(QString("delete from saved_food where id = %1").arg(tea->dboId()));
    EXPECT_FALSE(tea->update());
    EXPECT_EQ(FoodDayInfo::getFoodOn(Clock::now())->itemsTotal(), (QList<float>{70, 0, 0, 0}));
    EXPECT_EQ(RawDatabase::user("common.db").count("saved_food"), 1);
}

TEST_F(FoodDayInfoTest, RemovingTheLastEntryDropsAPastDayButNotToday) {
    saved(speedyFood(at(2026, 12, 5), 0, 300));
    saved(speedyFood(at(2026, 12, 6), 3, 120));

    EXPECT_FALSE(FoodDayInfo::getFoodOn(at(2026, 12, 5))->removeFoodAtIndexPath(0, 1));
    EXPECT_TRUE(FoodDayInfo::getFoodOn(at(2026, 12, 5))->removeFoodAtIndexPath(0, 0));
    EXPECT_FALSE(FoodDayInfo::getFoodOn(at(2026, 12, 5)));

    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    EXPECT_TRUE(today->removeFoodAtIndexPath(3, 0));
    EXPECT_EQ(FoodDayInfo::getFoodOn(Clock::now()), today);
    EXPECT_EQ(today->itemsTotal(), (QList<float>{0, 0, 0, 0}));
    EXPECT_EQ(RawDatabase::user("common.db").count("saved_food"), 0);
}

TEST_F(FoodDayInfoTest, TheOverviewHearsOfEveryNewTotal) {
    struct Counting : RefresherDelegate {
        void refreshData() override { ++calls; }
        int calls = 0;
    } first, second;
    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    today->setOverview(&first);
    saved(speedyFood(at(2026, 12, 6), 0, 100));
    EXPECT_EQ(first.calls, 1);

    // One slot: the newest overview takes it, and only its owner clears it.
    today->setOverview(&second);
    today->detachOverview(&first);
    saved(speedyFood(at(2026, 12, 6), 0, 100));
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 1);
    today->detachOverview(&second);
    EXPECT_EQ(today->overview(), nullptr);
}

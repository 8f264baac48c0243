#include "core/diary/FoodDayInfo.h"
#include "DiaryTestSupport.h"
#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/base/ResetRegistry.h"
#include "support/ScopedTimeZone.h"

namespace {

QList<int> idsOf(const FoodDayInfo::Group& meal) {
    QList<int> ids;
    for (const SavedFoodPtr& food : meal)
        ids.append(food->dboId());
    return ids;
}

class CountingOverview : public RefresherDelegate {
public:
    void refreshData() override { ++calls; }
    int calls = 0;
};

} // namespace

class FoodDayInfoTest : public DiaryTest {
protected:
    void SetUp() override {
        DiaryTest::SetUp();
        Clock::set(local(2026, 12, 6, 15, 0));
    }

    SavedFoodPtr saveSpeedy(const QDate& day, int meal, float calories) {
        auto food = std::make_shared<SavedFoodDbo>();
        food->setName("Speedy");
        food->setFoodTypeId(meal);
        food->setResultCalories(calories);
        food->setDate(QDateTime(day, QTime(0, 0)));
        food->save();
        return food;
    }
};

TEST_F(FoodDayInfoTest, AnEmptyDiaryHoldsOnlyTodayAtEight) {
    const FoodDayList& list = FoodDayInfo::foodList();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.first()->date(), local(2026, 12, 6, 8, 0));
    EXPECT_EQ(list.first()->itemsTotal(), (QList<float>{0, 0, 0, 0}));
    EXPECT_FALSE(list.first()->hasEntries());
}

TEST_F(FoodDayInfoTest, LoadingPlacesTodayAmongTheStoredDays) {
    storeFood("2026-12-01 00:00:00", 0, 100);
    storeFood("2026-12-03 00:00:00", 0, 100);
    EXPECT_EQ(daysOf(FoodDayInfo::getFoodInfo()),
              (QStringList{"2026-12-01", "2026-12-03", "2026-12-06"}));

    storeFood("2026-12-09 00:00:00", 2, 300);
    const FoodDayList withFuture = FoodDayInfo::getFoodInfo();
    EXPECT_EQ(daysOf(withFuture),
              (QStringList{"2026-12-01", "2026-12-03", "2026-12-06", "2026-12-09"}));
    EXPECT_EQ(withFuture.at(2)->date(), local(2026, 12, 6, 8, 0));
    EXPECT_FLOAT_EQ(withFuture.at(3)->itemsTotal().at(2), 300.0f);

    // With an entry of its own, today is the day made from it.
    storeFood("2026-12-06 00:00:00", 1, 50);
    const FoodDayList withToday = FoodDayInfo::getFoodInfo();
    EXPECT_EQ(withToday.size(), 4);
    EXPECT_EQ(withToday.at(2)->date(), local(2026, 12, 6));
    EXPECT_FLOAT_EQ(withToday.at(2)->total(), 50.0f);
}

TEST_F(FoodDayInfoTest, EntriesOfOneMealComeOutNewestFirst) {
    storeFood("2026-12-02 00:00:00", 1, 100);
    storeFood("2026-12-02 00:00:00", 1, 200);
    storeFood("2026-12-02 00:00:00", 3, 40);
    const FoodDayPtr day = FoodDayInfo::getFoodOn(local(2026, 12, 2, 18, 45));
    ASSERT_TRUE(day);
    EXPECT_EQ(idsOf(day->items().at(1)), (QList<int>{2, 1}));
    EXPECT_EQ(day->itemsTotal(), (QList<float>{0, 300, 0, 40}));
    EXPECT_FLOAT_EQ(day->total(), 340.0f);
    EXPECT_FALSE(FoodDayInfo::getFoodOn(local(2026, 12, 3)));
}

TEST_F(FoodDayInfoTest, ALateEntryStaysOnItsDayInEveryZoneAndYear) {
    QStringList expected, rows;
    for (int year : {1969, 2026, 2040})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15}) {
                expected.append(QDate(year, month, day).toString(Qt::ISODate));
                rows.append(QString("(0, '%1 23:30:00')").arg(expected.last()));
            }
    commonExec("insert into saved_food (food_type_id, date) values " + rows.join(','));
    expected.insert(expected.indexOf("2026-12-15"), "2026-12-06");
    // Outside 1970-2037 the zones with daylight saving are where a day used to go missing.
    for (const char* zone : {"America/New_York", "America/Sao_Paulo", "Australia/Sydney",
                             "Asia/Kolkata", "America/St_Johns", "UTC"}) {
        ScopedTimeZone tz(zone);
        ResetRegistry::resetAll();
        Clock::set(local(2026, 12, 6, 15, 0));
        EXPECT_EQ(daysOf(FoodDayInfo::foodList()).join(' ').toStdString(),
                  expected.join(' ').toStdString())
            << zone;
        EXPECT_EQ(FoodDayInfo::foodList().first()->date(), local(1969, 1, 1)) << zone;
        EXPECT_EQ(FoodDayInfo::foodList().last()->date(), local(2040, 12, 15)) << zone;
    }
}

TEST_F(FoodDayInfoTest, UnreadableRowsAreLeftOutAndKept) {
    storeFood("2026-12-02 00:00:00", 0, 100);
    storeFood("not a date", 0, 100);
    storeFood("2026-12-02 00:00:00", 7, 100);
    const FoodDayList list = FoodDayInfo::getFoodInfo();
    EXPECT_EQ(daysOf(list), (QStringList{"2026-12-02", "2026-12-06"}));
    EXPECT_FLOAT_EQ(list.first()->total(), 100.0f);
    EXPECT_EQ(commonScalar("select count(*) from saved_food"), "3");
}

TEST_F(FoodDayInfoTest, NewEntriesGoFirstInTheirMealOnTheirDay) {
    saveSpeedy({2026, 12, 4}, 0, 100);
    saveSpeedy({2026, 12, 8}, 0, 100);
    saveSpeedy({2026, 12, 1}, 0, 100);
    const auto first = saveSpeedy({2026, 12, 6}, 2, 100);
    const auto second = saveSpeedy({2026, 12, 6}, 2, 150);
    EXPECT_EQ(daysOf(FoodDayInfo::foodList()),
              (QStringList{"2026-12-01", "2026-12-04", "2026-12-06", "2026-12-08"}));
    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    EXPECT_EQ(today->items().at(2), (FoodDayInfo::Group{second, first}));
    EXPECT_FLOAT_EQ(today->itemsTotal().at(2), 250.0f);
}

TEST_F(FoodDayInfoTest, EditingMovesAnEntryToTheTopOfItsNewMeal) {
    const auto soup = saveSpeedy({2026, 12, 5}, 1, 300);
    saveSpeedy({2026, 12, 5}, 1, 200);
    const auto dinner = saveSpeedy({2026, 12, 5}, 2, 500);

    AppVars::getVars().insert("food_current_foodTypeId", 1);
    soup->setFoodTypeId(2);
    soup->update();

    const FoodDayPtr day = FoodDayInfo::getFoodOn(local(2026, 12, 5));
    EXPECT_EQ(day->items().at(2), (FoodDayInfo::Group{soup, dinner}));
    EXPECT_EQ(day->items().at(1).size(), 1);
    EXPECT_EQ(day->itemsTotal(), (QList<float>{0, 200, 800, 0}));
    EXPECT_FALSE(AppVars::getVars().contains("food_current_foodTypeId"));
    EXPECT_EQ(commonScalar(
                  QString("select food_type_id from saved_food where id = %1").arg(soup->dboId())),
              "2");
}

TEST_F(FoodDayInfoTest, RemovingTheLastEntryDropsAPastDayButNotToday) {
    saveSpeedy({2026, 12, 5}, 0, 300);
    saveSpeedy({2026, 12, 6}, 3, 120);

    EXPECT_FALSE(FoodDayInfo::getFoodOn(local(2026, 12, 5))->removeFoodAtIndexPath(0, 1));
    EXPECT_TRUE(FoodDayInfo::getFoodOn(local(2026, 12, 5))->removeFoodAtIndexPath(0, 0));
    EXPECT_FALSE(FoodDayInfo::getFoodOn(local(2026, 12, 5)));

    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    EXPECT_TRUE(today->removeFoodAtIndexPath(3, 0));
    EXPECT_EQ(FoodDayInfo::getFoodOn(Clock::now()), today);
    EXPECT_EQ(today->itemsTotal(), (QList<float>{0, 0, 0, 0}));
    EXPECT_EQ(commonScalar("select count(*) from saved_food"), "0");
}

TEST_F(FoodDayInfoTest, TheOverviewHearsOfEveryNewTotal) {
    CountingOverview first;
    CountingOverview second;
    const FoodDayPtr today = FoodDayInfo::getFoodOn(Clock::now());
    today->setOverview(&first);
    saveSpeedy({2026, 12, 6}, 0, 100);
    EXPECT_EQ(first.calls, 1);

    // One slot: the newest overview takes it, and only its owner clears it.
    today->setOverview(&second);
    today->detachOverview(&first);
    saveSpeedy({2026, 12, 6}, 0, 100);
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 1);
    today->detachOverview(&second);
    EXPECT_EQ(today->overview(), nullptr);
}

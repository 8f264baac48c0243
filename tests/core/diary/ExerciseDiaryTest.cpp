#include "core/base/Clock.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/SavedExerciseDbo.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/SampleCatalogues.h"

namespace {

const QDateTime today = at(2026, 3, 7);

// A sample exercise done today.
SavedExercisePtr done(int itemId, int minutes, float burnRate, float calories) {
    return exerciseEntry(itemId, today, minutes, burnRate, calories);
}

} // namespace

class ExerciseDiaryTest : public SampleCatalogueTest {
protected:
    void SetUp() override {
        SampleCatalogueTest::SetUp();
        Clock::set(at(2026, 3, 7, 10));
    }
};

TEST_F(ExerciseDiaryTest, TextsShowTheDurationTheBurnRateFigureAndTheCorrection) {
    const QList<std::pair<int, QString>> durations = {
        {0, ""}, {45, "45 min"}, {60, "1 h"}, {95, "1 h 35 min"}};
    for (const auto& [minutes, text] : durations)
        EXPECT_EQ(done(100, minutes, 480, 100)->durationString(), text) << minutes;

    EXPECT_EQ(done(100, 30, 480, 240)->caloriesString(), "240");
    EXPECT_EQ(done(100, 30, 480, 240)->caloriesDiffString(), "");
    EXPECT_EQ(done(100, 30, 480, 265)->caloriesDiffString(), "(+25)");
    EXPECT_EQ(done(100, 30, 480, 230)->caloriesDiffString(), "(-10)");
    EXPECT_EQ(done(100, 0, 480, 240)->caloriesString(), "");
    EXPECT_FLOAT_EQ(done(100, 30, 480, 99.5f)->calories(), 100.0f);

    // Texts already shown follow a later change of the figures they come from.
    const auto edited = done(100, 30, 480, 240);
    ASSERT_EQ(edited->durationString(), "30 min");
    edited->setDuration(60);
    EXPECT_EQ(edited->durationString(), "1 h");
    EXPECT_EQ(edited->caloriesString(), "480");
    EXPECT_EQ(edited->caloriesDiffString(), "(-240)");

    const auto stairs = speedyExercise(today, 150, "Stairs");
    EXPECT_EQ(stairs->durationString(), "");
    EXPECT_EQ(stairs->caloriesString(), "150");
    EXPECT_EQ(stairs->caloriesDiffString(), "");
    EXPECT_EQ(stairs->kindImage(), "quick.png");
}

TEST_F(ExerciseDiaryTest, StoredNamesGiveWayToTheCatalogueOnLoading) {
    storeExercise("2026-03-05 00:00:00", 200, 250, "Bicycle (old)");
    storeExercise("2026-03-05 00:00:00", 999, 90, "Retired exercise");
    const ExerciseDayPtr day = ExerciseDayInfo::getExerciseOn(at(2026, 3, 5));
    ASSERT_TRUE(day);
    ASSERT_EQ(day->items().size(), 3);
    EXPECT_EQ(day->items().at(2).first()->name(), "Road bike");
    EXPECT_EQ(day->items().at(2).first()->kindImage(), "bike.png");
    // An exercise the catalogue no longer has is still shown and counted, with the speedy ones.
    EXPECT_EQ(day->items().at(0).first()->name(), "Retired exercise");
    EXPECT_EQ(day->itemsTotal(), (QList<float>{90, 0, 250}));

    auto renamed = done(100, 30, 480, 240);
    renamed->setName("Old name");
    EXPECT_EQ(renamed->rowParams(),
              (QStringList{"100", "Jogging", "30.00", "480.00", "240.00", "2026-03-07 00:00:00"}));
}

TEST_F(ExerciseDiaryTest, RecentExercisesKeepThirtyRowsAndEverySpeedyEntry) {
    for (int id = 300; id < 330; ++id)
        saved(done(id, 20, 300, 100));
    // A full list still loses its oldest row before a listed exercise is found there.
    saved(done(310, 20, 300, 100));
    EXPECT_EQ(diary("select count(*) from recent_exercise"), "29");
    EXPECT_EQ(diary("select count(*) from recent_exercise where exercise_item_id = 300"), "0");
    saved(done(335, 20, 300, 100));
    saved(speedyExercise(today, 150, "Stairs"));
    saved(speedyExercise(today, 150, "Stairs"));
    EXPECT_EQ(diary("select count(*) from recent_exercise"), "30");
    EXPECT_EQ(diary("select group_concat(name || ' ' || calories) from (select * from"
                    " recent_exercise order by id desc limit 2)"),
              "Stairs 150.0,Stairs 150.0");
}

TEST_F(ExerciseDiaryTest, SavedEntriesGoFirstInTheirCategoryAndEditedOnesKeepTheirPlace) {
    const auto jog = saved(done(100, 30, 480, 240));
    const auto sprint = saved(done(101, 10, 720, 120));
    const auto stairs = saved(speedyExercise(today, 150, "Stairs"));
    const ExerciseDayPtr day = ExerciseDayInfo::getExerciseOn(Clock::now());
    EXPECT_EQ(day->items().at(1), (ExerciseDayInfo::Group{sprint, jog}));
    EXPECT_EQ(day->items().at(0), (ExerciseDayInfo::Group{stairs}));
    EXPECT_EQ(day->itemsTotal(), (QList<float>{150, 360, 0}));

    auto edited = done(100, 45, 480, 360);
    edited->setDboId(jog->dboId());
    edited->update();
    EXPECT_EQ(day->items().at(1).at(1), edited);
    EXPECT_FLOAT_EQ(day->total(), 630.0f);
    EXPECT_EQ(diary(QString("select duration from saved_exercise where id = %1").arg(jog->dboId())),
              "45.0");

    saved(speedyExercise(at(2026, 3, 9), 80));
    EXPECT_EQ(daysOf(ExerciseDayInfo::exerciseList()), (QStringList{"2026-03-07", "2026-03-09"}));
    // A category out of range removes nothing; the speedy entry goes from the file as well.
    EXPECT_FALSE(day->removeExerciseAtIndexPath(5, 0));
    EXPECT_TRUE(day->removeExerciseAtIndexPath(0, 0));
    EXPECT_EQ(diary("select count(*) from saved_exercise where calories = 150"), "0");
}

// An editor saves an entry that was deleted meanwhile on another screen: the row is not written
// again, and the entry does not come back in memory only.
TEST_F(ExerciseDiaryTest, AnEditOfAnEntryDeletedMeanwhileStaysDeleted) {
    const auto jog = saved(exerciseEntry(100, at(2026, 3, 5), 30, 480, 240));
    auto edited = exerciseEntry(100, at(2026, 3, 5), 45, 480, 360);
    edited->setDboId(jog->dboId());
    ASSERT_TRUE(ExerciseDayInfo::getExerciseOn(at(2026, 3, 5))->removeExerciseAtIndexPath(1, 0));
    EXPECT_FALSE(edited->update());
    EXPECT_FALSE(ExerciseDayInfo::getExerciseOn(at(2026, 3, 5)));
    EXPECT_EQ(diary("select count(*) from saved_exercise"), "0");
}

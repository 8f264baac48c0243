#include "DiaryTestSupport.h"
#include "core/base/Clock.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/SavedExerciseDbo.h"

namespace {

SavedExercisePtr entry(int itemId, int minutes, float burnRate, float calories) {
    auto exercise = std::make_shared<SavedExerciseDbo>();
    exercise->setExerciseItemId(itemId);
    exercise->setExerciseCategoryId(itemId == 0 ? 1 : itemId < 200 ? 2 : 3);
    exercise->setDuration(minutes);
    exercise->setBurnRate(burnRate);
    exercise->setCalories(calories);
    exercise->setDate(QDateTime(QDate(2026, 3, 7), QTime(0, 0)));
    exercise->getKindImage();
    return exercise;
}

SavedExercisePtr speedy(const QString& name, float calories, const QDate& day = {2026, 3, 7}) {
    auto exercise = entry(0, 0, 0, calories);
    exercise->setName(name);
    exercise->setDate(QDateTime(day, QTime(0, 0)));
    return exercise;
}

} // namespace

class ExerciseDiaryTest : public DiaryTest {
protected:
    void SetUp() override {
        DiaryTest::SetUp();
        Clock::set(local(2026, 3, 7, 10, 0));
    }
};

TEST_F(ExerciseDiaryTest, DurationTexts) {
    const QList<std::pair<int, QString>> cases = {
        {0, ""}, {45, "45 min"}, {60, "1 h"}, {95, "1 h 35 min"}, {120, "2 h"}};
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(entry(100, minutes, 480, 100)->durationString(), text) << minutes;
    EXPECT_EQ(speedy("Stairs", 150)->durationString(), "");
}

TEST_F(ExerciseDiaryTest, CaloriesShowTheBurnRateFigureAndTheCorrection) {
    const auto asWorkedOut = entry(100, 30, 480, 240);
    EXPECT_EQ(asWorkedOut->caloriesString(), "240");
    EXPECT_EQ(asWorkedOut->caloriesDiffString(), "");

    const auto more = entry(100, 30, 480, 265);
    EXPECT_EQ(more->caloriesDiffString(), "(+25)");
    EXPECT_EQ(more->caloriesDiffColor(), (QVColor{0, 102, 0}));

    const auto less = entry(100, 30, 480, 230);
    EXPECT_EQ(less->caloriesDiffString(), "(-10)");
    EXPECT_EQ(less->caloriesDiffColor(), (QVColor{255, 0, 0}));

    const auto stairs = speedy("Stairs", 150);
    EXPECT_EQ(stairs->caloriesString(), "150");
    EXPECT_EQ(stairs->caloriesDiffString(), "");
    EXPECT_EQ(entry(100, 0, 480, 240)->caloriesString(), "");

    EXPECT_FLOAT_EQ(entry(100, 30, 480, 99.5f)->calories(), 100.0f);
}

TEST_F(ExerciseDiaryTest, StoredNamesGiveWayToTheCatalogueOnLoading) {
    storeExercise("2026-03-05 00:00:00", 200, 250, "Bicycle (old)");
    storeExercise("2026-03-05 00:00:00", 999, 90, "Retired exercise");
    const ExerciseDayPtr day = ExerciseDayInfo::getExerciseOn(local(2026, 3, 5));
    ASSERT_TRUE(day);
    ASSERT_EQ(day->items().size(), 3);
    EXPECT_EQ(day->items().at(2).first()->name(), "Road bike");
    EXPECT_EQ(day->items().at(2).first()->duration(), 30);
    // An exercise the catalogue no longer has is still shown and counted, with the speedy ones.
    EXPECT_EQ(day->items().at(0).first()->name(), "Retired exercise");
    EXPECT_EQ(day->itemsTotal(), (QList<float>{90, 0, 250}));
    EXPECT_EQ(day->items().at(2).first()->kindImage(), "bike.png");

    auto renamed = entry(100, 30, 480, 240);
    renamed->setName("Old name");
    EXPECT_EQ(renamed->rowParams(),
              (QStringList{"100", "Jogging", "30.00", "480.00", "240.00", "2026-03-07 00:00:00"}));
    EXPECT_EQ(speedy("Stairs", 150)->kindImage(), "quick.png");
}

TEST_F(ExerciseDiaryTest, RecentExercisesKeepThirtyRows) {
    for (int id = 300; id < 330; ++id)
        entry(id, 20, 300, 100)->save();
    ASSERT_EQ(commonScalar("select count(*) from recent_exercise"), "30");

    // A full list still loses its oldest row before a listed exercise is found there.
    entry(310, 20, 300, 100)->save();
    EXPECT_EQ(commonScalar("select count(*) from recent_exercise"), "29");
    EXPECT_EQ(commonScalar("select count(*) from recent_exercise where exercise_item_id = 300"),
              "0");

    entry(335, 20, 300, 100)->save();
    entry(336, 20, 300, 100)->save();
    EXPECT_EQ(commonScalar("select count(*) from recent_exercise"), "30");
    EXPECT_EQ(commonScalar("select exercise_item_id from recent_exercise order by id desc"), "336");
}

TEST_F(ExerciseDiaryTest, EverySpeedyEntryIsRemembered) {
    speedy("Stairs", 150)->save();
    speedy("Stairs", 150)->save();
    EXPECT_EQ(commonScalar("select count(*) from recent_exercise where name = 'Stairs'"), "2");
    EXPECT_EQ(commonScalar("select calories from recent_exercise"), "150.0");
}

TEST_F(ExerciseDiaryTest, LoadingPlacesTodayAmongTheStoredDays) {
    EXPECT_EQ(daysOf(ExerciseDayInfo::getExerciseInfo()), (QStringList{"2026-03-07"}));
    EXPECT_EQ(ExerciseDayInfo::getExerciseInfo().first()->date(), local(2026, 3, 7, 8, 0));

    storeExercise("2026-03-03 00:00:00", 100, 240);
    storeExercise("2026-03-05 00:00:00", 100, 240);
    EXPECT_EQ(daysOf(ExerciseDayInfo::getExerciseInfo()),
              (QStringList{"2026-03-03", "2026-03-05", "2026-03-07"}));
    Clock::set(local(2026, 3, 4, 23, 0));
    const ExerciseDayList list = ExerciseDayInfo::getExerciseInfo();
    EXPECT_EQ(daysOf(list), (QStringList{"2026-03-03", "2026-03-04", "2026-03-05"}));
    EXPECT_FLOAT_EQ(list.at(1)->total(), 0.0f);
    EXPECT_EQ(list.at(1)->itemsTotal(), (QList<float>{0, 0, 0}));
}

TEST_F(ExerciseDiaryTest, SavedEntriesGoFirstInTheirCategory) {
    const auto jog = entry(100, 30, 480, 240);
    jog->save();
    const auto sprint = entry(101, 10, 720, 120);
    sprint->save();
    const auto stairs = speedy("Stairs", 150);
    stairs->save();
    const ExerciseDayPtr today = ExerciseDayInfo::getExerciseOn(Clock::now());
    EXPECT_EQ(today->items().at(1), (ExerciseDayInfo::Group{sprint, jog}));
    EXPECT_EQ(today->items().at(0), (ExerciseDayInfo::Group{stairs}));
    EXPECT_EQ(today->itemsTotal(), (QList<float>{150, 360, 0}));
    EXPECT_FLOAT_EQ(today->total(), 510.0f);

    speedy("Later", 80, {2026, 3, 9})->save();
    EXPECT_EQ(daysOf(ExerciseDayInfo::exerciseList()), (QStringList{"2026-03-07", "2026-03-09"}));
}

TEST_F(ExerciseDiaryTest, AnEditedEntryKeepsItsPlace) {
    const auto jog = entry(100, 30, 480, 240);
    jog->save();
    entry(101, 10, 720, 120)->save();
    auto edited = entry(100, 45, 480, 360);
    edited->setDboId(jog->dboId());
    edited->update();
    const ExerciseDayPtr today = ExerciseDayInfo::getExerciseOn(Clock::now());
    EXPECT_EQ(today->items().at(1).at(1), edited);
    EXPECT_FLOAT_EQ(today->total(), 480.0f);
    EXPECT_EQ(commonScalar(
                  QString("select duration from saved_exercise where id = %1").arg(jog->dboId())),
              "45.0");
}

TEST_F(ExerciseDiaryTest, RemovingTheLastEntryDropsAPastDayButNotToday) {
    speedy("Yesterday", 100, {2026, 3, 6})->save();
    speedy("Today", 100)->save();
    EXPECT_TRUE(ExerciseDayInfo::getExerciseOn(local(2026, 3, 6))->removeExerciseAtIndexPath(0, 0));
    EXPECT_FALSE(ExerciseDayInfo::getExerciseOn(local(2026, 3, 6, 12, 0)));

    const ExerciseDayPtr today = ExerciseDayInfo::getExerciseOn(Clock::now());
    EXPECT_FALSE(today->removeExerciseAtIndexPath(5, 0));
    EXPECT_TRUE(today->removeExerciseAtIndexPath(0, 0));
    EXPECT_EQ(ExerciseDayInfo::getExerciseOn(Clock::now()), today);
    EXPECT_FLOAT_EQ(today->total(), 0.0f);
    EXPECT_EQ(commonScalar("select count(*) from saved_exercise"), "0");
}

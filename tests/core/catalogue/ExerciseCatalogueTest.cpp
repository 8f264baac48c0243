#include "core/base/ResetRegistry.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/db/DbTestSupport.h"
#include "core/db/QVUtil.h"

#include <QFile>

namespace {

QStringList names(const std::optional<QList<ExerciseDbo>>& rows) {
    QStringList out;
    if (rows)
        for (const ExerciseDbo& row : *rows)
            out.append(row.name);
    return out;
}

} // namespace

class ExerciseCatalogueTest : public OwnResourcesTest {
protected:
    void SetUp() override {
        OwnResourcesTest::SetUp();
        rawdb::exec(
            resourcePath("exercise.db"),
            "create table exercise_categories (id INTEGER PRIMARY KEY, name TEXT, icon TEXT, "
            "desc TEXT);"
            "create table exercise_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT, "
            "exercise_category_id INTEGER);"
            "create table exercise_intensity (exercise_items_s INTEGER, intensity_s INTEGER, "
            "mets REAL);"
            "create table intensity (intensity_s INTEGER PRIMARY KEY, name TEXT);"
            "insert into exercise_categories values (1, 'Quick', 'quick.png', 'Calories only'),"
            " (2, 'Running', 'run.png', 'On foot'), (3, 'Cycling', 'bike.png', 'On wheels');"
            "insert into exercise_items values (10, 'Jogging', 'jogging', 2),"
            " (11, 'Running uphill', 'runninguphill', 2), (12, 'Mountain biking', "
            "'mountainbiking', 3), (13, 'Road running bike', 'roadrunningbike', 3);"
            "insert into intensity values (1, 'light'), (2, 'moderate'), (3, 'vigorous');"
            "insert into exercise_intensity values (10, 1, 6.0), (10, 2, 8.3), (11, 3, 11.5),"
            " (12, 2, 8.5), (13, 1, 4.0);");
        rawdb::exec(resourcePath("common.db"),
                    "create table recent_exercise (id INTEGER PRIMARY KEY, exercise_item_id "
                    "INTEGER, name TEXT, calories REAL);");
    }
};

TEST_F(ExerciseCatalogueTest, CategoriesAndTheReservedCategoryOne) {
    EXPECT_EQ(ExerciseDbo::getCategoriesCount(), 3);
    const auto all = ExerciseDbo::getCategories(true);
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(names(all), (QStringList{"Quick", "Running", "Cycling"}));
    EXPECT_EQ(QStringList({(*all)[1].icon, (*all)[1].desc}), QStringList({"run.png", "On foot"}));
    EXPECT_EQ(names(ExerciseDbo::getCategories(false)), (QStringList{"Running", "Cycling"}));
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(12), 3);
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(99), DBManager::kNoRow);

    QVUtil::exerciseDbc().executeImmediate("delete from exercise_categories where id > 1", {});
    EXPECT_FALSE(ExerciseDbo::getCategories(false).has_value());
    EXPECT_EQ(names(ExerciseDbo::getCategories(true)), QStringList{"Quick"});
    // Item 0 needs no database at all.
    ResetRegistry::resetAll();
    QFile::remove(resourcePath("exercise.db"));
    QFile::remove(userPath("exercise.db"));
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(0), 1);
}

TEST_F(ExerciseCatalogueTest, ItemsComeWithTheirIntensitiesInDatabaseOrder) {
    const auto running = ExerciseDbo::getExercisesByCategory(2);
    ASSERT_TRUE(running.has_value());
    ASSERT_EQ(running->size(), 2);
    const ExerciseDbo& jogging = running->first();
    EXPECT_EQ(jogging.dboId, 10);
    ASSERT_EQ(jogging.mets.size(), 2);
    EXPECT_EQ(jogging.mets[1].metsID, 2);
    EXPECT_EQ(jogging.mets[1].metsName, "moderate");
    EXPECT_DOUBLE_EQ(jogging.mets[1].mets, 8.3);
    EXPECT_FALSE(ExerciseDbo::getExercisesByCategory(1).has_value());

    const auto one = ExerciseDbo::getExercise(11);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->name, "Running uphill");
    ASSERT_EQ(one->mets.size(), 1);
    EXPECT_EQ(one->mets[0].metsName, "vigorous");
    EXPECT_FALSE(ExerciseDbo::getExercise(99).has_value());
    EXPECT_TRUE(ExerciseDbo::getMetsFromExerciseID(99).isEmpty());
}

TEST_F(ExerciseCatalogueTest, SearchIsCaseBlindAndOptionallyWithinACategory) {
    const QStringList everywhere{"Running uphill", "Road running bike"};
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running", 0)), everywhere);
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("RUNNING", 0)), everywhere);
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running", 3)),
              QStringList{"Road running bike"});
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("unnin", 2)),
              QStringList{"Running uphill"});
    const auto hit = ExerciseDbo::searchExerciseUsingTemplate("bike", 3);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->first().mets.size(), 1);
    EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate("swim", 0).has_value());
}

TEST_F(ExerciseCatalogueTest, TypedWordsFindExercisesInAnyOrderAndWildcardsAreLiteral) {
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("uphill running", 0)),
              QStringList{"Running uphill"});
    // The text as typed matches first, the word matches follow.
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running,", 0)),
              (QStringList{"Running uphill", "Road running bike"}));
    const auto bike = ExerciseDbo::searchExerciseUsingTemplate("Bike, road", 3);
    ASSERT_TRUE(bike.has_value());
    EXPECT_EQ(names(bike), QStringList{"Road running bike"});
    EXPECT_EQ(bike->first().mets.size(), 1);
    EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate("bike road", 2).has_value());
    for (const char* text : {"%", "__", "j_gging"})
        EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate(text, 0).has_value()) << text;
}

TEST_F(ExerciseCatalogueTest, RecentListIsNewestFirstAndRowsCanGoOneByOne) {
    EXPECT_TRUE(ExerciseDbo::getRecentExercises().isEmpty());
    rawdb::exec(userPath("common.db"),
                "insert into recent_exercise (exercise_item_id, name, calories) values"
                " (10, 'Jogging', 300), (0, 'Dance', 150.5), (0, 'Yoga', 90);");
    QList<ExerciseDbo> recent = ExerciseDbo::getRecentExercises();
    ASSERT_EQ(recent.size(), 3);
    EXPECT_EQ(QStringList({recent[0].name, recent[2].name}), QStringList({"Yoga", "Jogging"}));
    EXPECT_EQ(recent[2].mets.size(), 2);
    EXPECT_TRUE(recent[1].mets.isEmpty());
    EXPECT_DOUBLE_EQ(recent[1].calories, 150.5);

    ExerciseDbo::deleteRecentExerciseRow(recent[1].rowId);
    EXPECT_EQ(ExerciseDbo::getRecentExercises().size(), 2);
    ExerciseDbo::deleteRecentExercise(0);
    recent = ExerciseDbo::getRecentExercises();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_EQ(recent[0].name, "Jogging");
}

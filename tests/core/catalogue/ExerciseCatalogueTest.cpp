#include "core/base/ResetRegistry.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/db/QVUtil.h"
#include "support/RawDatabase.h"
#include "support/SampleCatalogues.h"

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

class ExerciseCatalogueTest : public SampleCatalogueTest {};

TEST_F(ExerciseCatalogueTest, CategoriesItemsAndIntensitiesInDatabaseOrder) {
    EXPECT_EQ(ExerciseDbo::getCategoriesCount(), 3);
    const auto all = ExerciseDbo::getCategories(true);
    EXPECT_EQ(names(all), (QStringList{"Quick", "Running", "Cycling"}));
    EXPECT_EQ(QStringList({(*all)[1].icon, (*all)[1].desc}), QStringList({"run.png", "On foot"}));
    EXPECT_EQ(names(ExerciseDbo::getCategories(false)), (QStringList{"Running", "Cycling"}));
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(200), 3);
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(99), DBManager::kNoRow);

    const auto running = ExerciseDbo::getExercisesByCategory(2);
    EXPECT_EQ(names(running), (QStringList{"Jogging", "Sprint", "Running uphill"}));
    const ExerciseDbo& jogging = running->first();
    ASSERT_EQ(jogging.mets.size(), 2);
    EXPECT_EQ(jogging.mets[1].metsID, 2);
    EXPECT_EQ(jogging.mets[1].metsName, "moderate");
    EXPECT_DOUBLE_EQ(jogging.mets[1].mets, 8.3);
    EXPECT_FALSE(ExerciseDbo::getExercisesByCategory(1).has_value());
    EXPECT_EQ(ExerciseDbo::getExercise(102)->mets.value(0).metsName, "vigorous");
    EXPECT_FALSE(ExerciseDbo::getExercise(99).has_value());
    EXPECT_TRUE(ExerciseDbo::getMetsFromExerciseID(99).isEmpty());

    QVUtil::exerciseDbc().executeImmediate("delete from exercise_categories where id > 1", {});
    EXPECT_FALSE(ExerciseDbo::getCategories(false).has_value());
    // Item 0, the speedy entries' category, needs no database at all.
    ResetRegistry::resetAll();
    QFile::remove(resourcePath("exercise.db"));
    QFile::remove(dataDir() + "/exercise.db");
    EXPECT_EQ(ExerciseDbo::getCategoryIdForExercise(0), 1);
}

TEST_F(ExerciseCatalogueTest, SearchIsCaseBlindTakesWordsInAnyOrderAndWildcardsLiterally) {
    const QStringList everywhere{"Running uphill", "Road running bike"};
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running", 0)), everywhere);
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("RUNNING", 0)), everywhere);
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running", 3)),
              QStringList{"Road running bike"});
    EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate("swim", 0).has_value());
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("uphill running", 0)),
              QStringList{"Running uphill"});
    // The text as typed matches first, the word matches follow.
    EXPECT_EQ(names(ExerciseDbo::searchExerciseUsingTemplate("running,", 0)), everywhere);
    const auto bike = ExerciseDbo::searchExerciseUsingTemplate("Bike, road", 3);
    ASSERT_TRUE(bike.has_value());
    EXPECT_EQ(names(bike), (QStringList{"Road bike", "Road running bike"}));
    EXPECT_EQ(bike->first().mets.size(), 1);
    EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate("bike road", 2).has_value());
    for (const char* text : {"%", "__", "j_gging"})
        EXPECT_FALSE(ExerciseDbo::searchExerciseUsingTemplate(text, 0).has_value()) << text;
}

TEST_F(ExerciseCatalogueTest, RecentListIsNewestFirstAndRowsCanGoOneByOne) {
    EXPECT_TRUE(ExerciseDbo::getRecentExercises().isEmpty());
    RawDatabase::user("common.db")
        .exec("insert into recent_exercise (exercise_item_id, name, calories) values"
              " (100, 'Jogging', 300), (0, 'Dance', 150.5), (0, 'Yoga', 90);");
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

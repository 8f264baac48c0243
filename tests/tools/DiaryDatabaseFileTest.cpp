#include "support/RawDatabase.h"
#include "support/TestEnv.h"

// The empty diaries that ship beside the catalogues.
class DiaryDatabaseFileTest : public QuorvelTest {};

TEST_F(DiaryDatabaseFileTest, TablesAreEmptyWithTheDeclaredColumnTypes) {
    const RawDatabase common = RawDatabase::shipped(QStringLiteral("common.db"));
    EXPECT_EQ(common.declaredColumns("saved_food"),
              QStringList({"id INTEGER PRIMARY KEY", "food_item_id INTEGER", "name TEXT",
                           "portions_count REAL", "result_weight REAL", "result_calories REAL",
                           "food_type_id INTEGER", "date TEXT", "result_points REAL"}));
    EXPECT_EQ(common.declaredColumns("recent_food"),
              QStringList({"id INTEGER PRIMARY KEY", "food_item_id INTEGER", "name TEXT",
                           "calories REAL"}));
    EXPECT_EQ(common.declaredColumns("saved_exercise"),
              QStringList({"id INTEGER PRIMARY KEY", "exercise_item_id INTEGER", "name TEXT",
                           "duration REAL", "burn_rate REAL", "calories REAL", "date TEXT"}));
    EXPECT_EQ(common.declaredColumns("recent_exercise"),
              QStringList({"id INTEGER PRIMARY KEY", "exercise_item_id INTEGER", "name TEXT",
                           "calories REAL"}));
    for (const char* table : {"saved_food", "recent_food", "saved_exercise", "recent_exercise"})
        EXPECT_EQ(common.scalar(QStringLiteral("select count(*) from %1").arg(table)).toLongLong(),
                  0)
            << table;

    const RawDatabase weight = RawDatabase::shipped(QStringLiteral("weight.db"));
    EXPECT_EQ(
        weight.declaredColumns("weight"),
        QStringList({"weight_s INTEGER PRIMARY KEY", "date INTEGER", "value REAL", "note TEXT"}));
    EXPECT_EQ(weight.scalar("select count(*) from weight").toLongLong(), 0);
}

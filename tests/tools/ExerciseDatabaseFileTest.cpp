#include "support/RawDatabase.h"
#include "support/TestEnv.h"

#include <QSet>

// The shipped exercise.db, checked through the statements the exercise screens run on it.
class ExerciseDatabaseFileTest : public QuorvelTest {
protected:
    const RawDatabase db = RawDatabase::shipped(QStringLiteral("exercise.db"));

    std::vector<RawDatabase::Row> intensitiesOf(const QString& id) const {
        return db.rows("select ei.intensity_s, ei.mets, nt.name from exercise_intensity ei join "
                       "intensity nt on ei.intensity_s = nt.intensity_s where "
                       "ei.exercise_items_s = ?",
                       {id});
    }
    std::vector<RawDatabase::Row> search(const QString& typed, int category) const {
        const QString pattern = (u'%' + typed + u'%').toLower();
        if (category <= 0)
            return db.rows("select ei.id, ei.name  from exercise_items ei  where  ei.l_name like ?",
                           {pattern});
        return db.rows("select ei.id, ei.name  from exercise_items ei  , exercise_categories c  "
                       "where  c.id = ? and c.id = ei.exercise_category_id and  ei.l_name like ?",
                       {QString::number(category), pattern});
    }
};

TEST_F(ExerciseDatabaseFileTest, TablesCarryTheDeclaredColumnTypes) {
    EXPECT_EQ(db.declaredColumns("exercise_categories"),
              QStringList({"id INTEGER PRIMARY KEY", "name TEXT", "icon TEXT", "desc TEXT"}));
    EXPECT_EQ(db.declaredColumns("exercise_items"),
              QStringList({"id INTEGER PRIMARY KEY", "name TEXT", "l_name TEXT",
                           "exercise_category_id INTEGER"}));
    EXPECT_EQ(db.declaredColumns("exercise_intensity"),
              QStringList({"exercise_items_s INTEGER", "intensity_s INTEGER", "mets REAL"}));
    EXPECT_EQ(db.declaredColumns("intensity"),
              QStringList({"intensity_s INTEGER PRIMARY KEY", "name TEXT"}));
}

TEST_F(ExerciseDatabaseFileTest, CategoriesRunFromOneWithoutGaps) {
    const qint64 count = db.scalar("select count(*) from exercise_categories").toLongLong();
    EXPECT_GE(count, 13);
    // The diary keeps one list per category at position id - 1 of this list.
    const auto all = db.rows("select c.id, c.name, c.icon, c.desc from exercise_categories c ");
    ASSERT_EQ(qint64(all.size()), count);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i][0].toLongLong(), qint64(i + 1));
        EXPECT_FALSE(all[i][1].toString().isEmpty());
        EXPECT_FALSE(all[i][2].toString().isEmpty()); // category 1's icon marks speedy entries
    }
    const auto menu =
        db.rows("select c.id, c.name, c.icon, c.desc from exercise_categories c  where c.id != 1");
    ASSERT_EQ(qint64(menu.size()), count - 1);
    for (const auto& category : menu) {
        EXPECT_FALSE(category[3].toString().isEmpty());
        EXPECT_FALSE(db.rows("select id, name from exercise_items where exercise_category_id=?",
                             {category[0].toString()})
                         .empty())
            << category[1].toString().toStdString();
    }
    // Speedy entries have no catalogue exercise, so nothing is filed under category 1.
    EXPECT_TRUE(
        db.rows("select id, name from exercise_items where exercise_category_id=?", {"1"}).empty());
}

TEST_F(ExerciseDatabaseFileTest, EveryExerciseOffersEffortLevelsEasiestFirst) {
    const auto items = db.rows("select id, name from exercise_items");
    EXPECT_GE(items.size(), 150u);
    QSet<QString> levelNames;
    for (const auto& item : items) {
        const auto levels = intensitiesOf(item[0].toString());
        ASSERT_FALSE(levels.empty()) << item[1].toString().toStdString();
        ASSERT_LE(levels.size(), 3u);
        for (size_t i = 0; i < levels.size(); ++i) {
            // One key is one named effort; harder levels come later and burn more.
            ASSERT_GT(levels[i][1].toDouble(), 0.0);
            if (i > 0) {
                EXPECT_GT(levels[i][0].toLongLong(), levels[i - 1][0].toLongLong());
                EXPECT_GT(levels[i][1].toDouble(), levels[i - 1][1].toDouble())
                    << item[1].toString().toStdString();
            }
            levelNames.insert(levels[i][2].toString());
        }
    }
    EXPECT_EQ(levelNames, (QSet<QString>{"Light", "Moderate", "Vigorous"}));
    // A category id read back for an entry must lie in 2..N.
    EXPECT_EQ(db.scalar("select count(*) from exercise_items where exercise_category_id < 2 or"
                        " exercise_category_id is null")
                  .toLongLong(),
              0);
}

TEST_F(ExerciseDatabaseFileTest, SearchMatchesAnyPartOfTheNameInAnyCase) {
    const auto running = search("RUNNING", 0);
    EXPECT_EQ(running.size(), search("running", 0).size());
    EXPECT_GT(running.size(), 10u);

    // Typed text keeps its blanks and commas in this search.
    const auto walking = search("Walking, 3", 0);
    ASSERT_FALSE(walking.empty());
    for (const auto& row : walking)
        EXPECT_TRUE(row[1].toString().contains("Walking, 3"));

    const qint64 cycling =
        db.scalar("select id from exercise_categories where name = 'Cycling'").toLongLong();
    ASSERT_GT(cycling, 0);
    const auto inCycling = search("ing", int(cycling));
    EXPECT_FALSE(inCycling.empty());
    EXPECT_LT(inCycling.size(), search("ing", 0).size());
    for (const auto& row : inCycling)
        EXPECT_EQ(db.scalar("select exercise_category_id from exercise_items where id = ?",
                            {row[0].toString()})
                      .toLongLong(),
                  cycling);
}

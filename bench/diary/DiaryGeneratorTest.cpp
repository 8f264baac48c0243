#include "DiaryGenerator.h"
#include "core/db/DBException.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/diary/FoodDayInfo.h"
#include "core/weight/WeightDataStore.h"
#include "support/TestEnv.h"

#include <QFile>

namespace {

const QDate kEnd(2026, 12, 6);

// Every stored row of the diary files, in id order, as one text.
QString dump() {
    QString text;
    const auto rows = [&text](DBManager& db, const QString& table, const QString& order) {
        for (const QStringList& row : db.select({"*"}, table + " order by " + order))
            text += row.join('|') + '\n';
    };
    rows(QVUtil::commonDbc(), "saved_food", "id");
    rows(QVUtil::commonDbc(), "saved_exercise", "id");
    rows(QVUtil::commonDbc(), "recent_food", "id");
    rows(QVUtil::commonDbc(), "recent_exercise", "id");
    rows(QVUtil::weightDbc(), "weight", "weight_s");
    return text;
}

int count(DBManager& db, const QString& sql) {
    return db.executeIntScalar(sql);
}

} // namespace

class DiaryGeneratorTest : public QuorvelTest {};

TEST_F(DiaryGeneratorTest, TheSameSeedWritesTheSameDiaryAndReplacesWhatWasThere) {
    const DiaryGenerator::Counts first = DiaryGenerator::fill(1, 7, kEnd);
    const QString once = dump();
    const DiaryGenerator::Counts again = DiaryGenerator::fill(1, 7, kEnd);
    EXPECT_EQ(again.foods, first.foods);
    EXPECT_EQ(dump(), once);
    EXPECT_EQ(count(QVUtil::commonDbc(), "select count(*) from saved_food"), first.foods);
    EXPECT_EQ(count(QVUtil::weightDbc(), "select count(*) from weight"), first.weighings);

    DiaryGenerator::fill(1, 8, kEnd);
    EXPECT_NE(dump(), once);
}

TEST_F(DiaryGeneratorTest, TenYearsLookLikeALongKeptDiary) {
    const DiaryGenerator::Counts counts = DiaryGenerator::fill(10, 20261206, kEnd);
    EXPECT_GT(counts.foods, 30000);
    EXPECT_LT(counts.foods, 36000);
    EXPECT_GT(counts.exercises, 4500);
    EXPECT_LT(counts.exercises, 5500);
    EXPECT_GT(counts.weighings, 3300);
    EXPECT_LT(counts.weighings, 4000);

    DBManager& common = QVUtil::commonDbc();
    EXPECT_EQ(
        count(common, "select count(*) from saved_food where food_type_id not between 0 and 3"), 0);
    EXPECT_EQ(count(common, "select count(*) from saved_food where date < '2016-12-09' or "
                            "date > '2026-12-06 23:59:59'"),
              0);
    // Catalogue entries carry their item's name; speedy ones have none.
    EXPECT_GT(count(common, "select count(*) from saved_food where food_item_id > 0"),
              counts.foods / 2);
    EXPECT_EQ(count(common, "select count(*) from saved_food where result_points is null or "
                            "result_calories is null or result_calories < 0"),
              0);
    EXPECT_EQ(count(common, "select count(*) from recent_food"), 30);
    EXPECT_EQ(count(common, "select count(*) from recent_exercise"), 30);

    // The application reads it back: a day for nearly every day of the ten years.
    EXPECT_GT(FoodDayInfo::foodList().size(), 3400);
    const WeighingDay last = WeightDataStore::loadWeightsForDate(QDateTime(kEnd, QTime(12, 0)));
    EXPECT_GT(last.avgweight(), 60.0f);
    EXPECT_LT(last.avgweight(), 100.0f);
}

TEST_F(DiaryGeneratorTest, NoYearsWriteNothingAndAMissingFileIsReported) {
    const DiaryGenerator::Counts none = DiaryGenerator::fill(0, 1, kEnd);
    EXPECT_EQ(none.foods + none.exercises + none.weighings, 0);
    EXPECT_THROW(
        DiaryGenerator::fillFiles(dataDir() + "/absent.db", dataDir() + "/absent2.db", 1, 1, kEnd),
        DBException);
    EXPECT_FALSE(QFile::exists(dataDir() + "/absent.db"));
}

#include "DiaryTestSupport.h"
#include "core/db/DbTestSupport.h"

#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/text/ConvertUtil.h"

#include <QDir>

namespace {

// One transaction: a file sync per statement would make every case take seconds.
void runScript(const QString& path, const QString& script) {
    rawdb::exec(path, "begin;" + script + ";commit;");
}

QString foodCatalogue() {
    QString sql = QStringLiteral(
        "create table food_types (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);"
        "create table food_kinds (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);"
        "create table restaurants (id INTEGER PRIMARY KEY, name TEXT);"
        "create table food_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT, type_id "
        "INTEGER, kind_id INTEGER, restaurant_id INTEGER);"
        "create table nutrition_values (food_item_id INTEGER, serving_size TEXT, serving_size_gms "
        "REAL, calories REAL, total_fat REAL, cholesterol REAL, sodium REAL, protein REAL, calcium "
        "REAL, iron REAL, carbohydrate_dietary_fiber REAL, total_carbohydrate REAL, food_points "
        "REAL);"
        "insert into food_types values (1, 'Soups', '', 'type_soup.png'), (2, 'Drinks', '', "
        "'type_drink.png');"
        "insert into food_kinds values (1, 'Pizza', '', 'kind_pizza.png');"
        "insert into food_items values (10, 'Pizza', 'pizza', 1, 1, 0), (11, 'Lentil soup', "
        "'lentilsoup', 1, 0, 0), (12, 'Green tea', 'greentea', 2, 0, 0), (13, 'Mystery', "
        "'mystery', 9, 9, 0);"
        "insert into nutrition_values values (10, '1 slice', 100, 250, 9, 0, 0, 0, 0, 0, 1, 0, 0),"
        " (11, '1 cup', 240, 100, 6, 0, 0, 0, 0, 0, 2, 0, 0), (12, '1 cup', 240, 0, 0.6, 0, 0, 0, "
        "0, 0, 0, 0, 0), (13, '1', 10, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0);");
    for (int id = 20; id <= 60; ++id)
        sql += QStringLiteral("insert into food_items values (%1, 'Food %1', 'food%1', 1, 0, 0);"
                              "insert into nutrition_values values (%1, '1', 1, 80, 0, 0, 0, 0, "
                              "0, 0, 0, 0, 0);")
                   .arg(id);
    return sql;
}

QString exerciseCatalogue() {
    QString sql = QStringLiteral(
        "create table exercise_categories (id INTEGER PRIMARY KEY, name TEXT, icon TEXT, desc "
        "TEXT);"
        "create table exercise_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT, "
        "exercise_category_id INTEGER);"
        "create table intensity (intensity_s INTEGER PRIMARY KEY, name TEXT);"
        "create table exercise_intensity (exercise_items_s INTEGER, intensity_s INTEGER, mets "
        "REAL);"
        "insert into exercise_categories values (1, 'Quick', 'quick.png', ''), (2, 'Running', "
        "'run.png', ''), (3, 'Cycling', 'bike.png', '');"
        "insert into intensity values (1, 'Light'), (2, 'Hard');"
        "insert into exercise_items values (100, 'Jogging', 'jogging', 2), (101, 'Sprint', "
        "'sprint', 2), (200, 'Road bike', 'roadbike', 3);"
        "insert into exercise_intensity values (100, 1, 6), (100, 2, 8), (101, 2, 12), (200, 1, "
        "5);");
    for (int id = 300; id <= 340; ++id)
        sql += QStringLiteral("insert into exercise_items values (%1, 'Exercise %1', "
                              "'exercise%1', 3);"
                              "insert into exercise_intensity values (%1, 1, 4);")
                   .arg(id);
    return sql;
}

const QString kDiarySchema = QStringLiteral(
    "create table saved_food (id INTEGER PRIMARY KEY, food_item_id INTEGER, name TEXT, "
    "portions_count REAL, result_weight REAL, result_calories REAL, food_type_id INTEGER, date "
    "TEXT, result_points REAL);"
    "create table recent_food (id INTEGER PRIMARY KEY, food_item_id INTEGER, name TEXT, calories "
    "REAL);"
    "create table saved_exercise (id INTEGER PRIMARY KEY, exercise_item_id INTEGER, name TEXT, "
    "duration REAL, burn_rate REAL, calories REAL, date TEXT);"
    "create table recent_exercise (id INTEGER PRIMARY KEY, exercise_item_id INTEGER, name TEXT, "
    "calories REAL);");

} // namespace

void DiaryTest::SetUp() {
    QuorvelTest::SetUp();
    previousResources_ = qgetenv("QUORVEL_RESOURCE_DIR");
    resources_ = dataDir() + "/resources";
    ASSERT_TRUE(QDir().mkpath(resources_));
    qputenv("QUORVEL_RESOURCE_DIR", resources_.toUtf8());
    runScript(resources_ + "/food.db", foodCatalogue());
    runScript(resources_ + "/exercise.db", exerciseCatalogue());
    runScript(resources_ + "/common.db", kDiarySchema);
    runScript(resources_ + "/weight.db", QStringLiteral("create table weight (weight_s INTEGER "
                                                        "PRIMARY KEY, date INTEGER, value REAL, "
                                                        "note TEXT);"));
    // Open every handle now, so the user's copies exist for the raw SQL below.
    QVUtil::foodDbc();
    QVUtil::exerciseDbc();
    QVUtil::commonDbc();
}

void DiaryTest::TearDown() {
    QuorvelTest::TearDown();
    qputenv("QUORVEL_RESOURCE_DIR", previousResources_);
}

QDateTime DiaryTest::local(int y, int m, int d, int h, int min, int s) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

void DiaryTest::commonExec(const QString& sql) const {
    runScript(DBManager::pathToDBWithName(QStringLiteral("common.db")), sql);
}

QString DiaryTest::commonScalar(const QString& sql) const {
    return rawdb::scalar(DBManager::pathToDBWithName(QStringLiteral("common.db")), sql);
}

void DiaryTest::storeFood(const QString& dateText, int meal, int calories, int itemId,
                          const QString& name) const {
    commonExec(QStringLiteral("insert into saved_food (food_item_id, name, portions_count, "
                              "result_weight, result_calories, food_type_id, date, result_points) "
                              "values (%1, '%2', %3, 0, %4, %5, '%6', 0)")
                   .arg(itemId)
                   .arg(name)
                   .arg(itemId != 0 ? 1 : 0)
                   .arg(calories)
                   .arg(meal)
                   .arg(dateText));
}

void DiaryTest::storeExercise(const QString& dateText, int itemId, int calories,
                              const QString& name) const {
    commonExec(QStringLiteral("insert into saved_exercise (exercise_item_id, name, duration, "
                              "burn_rate, calories, date) values (%1, '%2', %3, %4, %5, '%6')")
                   .arg(itemId)
                   .arg(name)
                   .arg(itemId != 0 ? 30 : 0)
                   .arg(itemId != 0 ? 480 : 0)
                   .arg(calories)
                   .arg(dateText));
}

#include "DiarySchemaWriter.h"

#include "SqliteFile.h"

namespace {

const char* const commonSchema = R"sql(
create table saved_food (id INTEGER PRIMARY KEY, food_item_id INTEGER, name TEXT,
                         portions_count REAL, result_weight REAL, result_calories REAL,
                         food_type_id INTEGER, date TEXT, result_points REAL);
create table recent_food (id INTEGER PRIMARY KEY, food_item_id INTEGER, name TEXT,
                          calories REAL);
create table saved_exercise (id INTEGER PRIMARY KEY, exercise_item_id INTEGER, name TEXT,
                             duration REAL, burn_rate REAL, calories REAL, date TEXT);
create table recent_exercise (id INTEGER PRIMARY KEY, exercise_item_id INTEGER, name TEXT,
                              calories REAL);
-- First and last day with data read min(date) and max(date).
create index saved_food_by_date on saved_food (date);
create index saved_exercise_by_date on saved_exercise (date);
)sql";

const char* const weightSchema = R"sql(
create table weight (weight_s INTEGER PRIMARY KEY, date INTEGER, value REAL, note TEXT);
-- A day's weighings and the averages are read by date range.
create index weight_by_date on weight (date);
)sql";

void writeSchema(const QString& path, const char* schema) {
    SqliteFile db(path);
    db.exec(QString::fromUtf8(schema));
    db.close();
}

} // namespace

void DiarySchemaWriter::writeCommon(const QString& path) {
    writeSchema(path, commonSchema);
}

void DiarySchemaWriter::writeWeight(const QString& path) {
    writeSchema(path, weightSchema);
}

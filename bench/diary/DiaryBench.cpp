// Loading the diaries and finding the weeks with data, over a generated ten-year diary, each
// beside a baseline that reads the same rows with a bare sqlite3 loop.

#include "BenchDiary.h"
#include "core/db/DBManager.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/overview/OverviewWeekInfo.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const QDate kEndDate(2026, 12, 6);

const char* const kFoodQuery =
    "select id, date, food_type_id, name,  food_item_id, portions_count, result_weight, "
    "result_calories, result_points  from saved_food  order by substr(date, 1, 10) asc";
const char* const kExerciseQuery =
    "select id, date, name,  exercise_item_id, duration, burn_rate, calories  from "
    "saved_exercise  order by substr(date, 1, 10) asc";

class Connection {
public:
    explicit Connection(const QString& fileName) {
        const QString path = DBManager::pathToDBWithName(fileName);
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK)
            std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
    }
    ~Connection() {
        for (sqlite3_stmt* stmt : statements_)
            sqlite3_finalize(stmt);
        sqlite3_close(db_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
        statements_.push_back(stmt);
        return stmt;
    }

private:
    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;
};

struct Row {
    int id;
    std::string day;
    std::string name;
    int itemId;
    double values[4];
};

// Every column of every row, copied out, the least any loader has to do.
std::vector<Row> readRows(sqlite3_stmt* stmt, int nameColumn, int itemColumn,
                          const std::vector<int>& valueColumns) {
    std::vector<Row> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        Row row{};
        row.id = sqlite3_column_int(stmt, 0);
        row.day = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
        row.name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, nameColumn));
        row.itemId = sqlite3_column_int(stmt, itemColumn);
        for (size_t i = 0; i < valueColumns.size(); ++i)
            row.values[i] = sqlite3_column_double(stmt, valueColumns[i]);
        rows.push_back(std::move(row));
    }
    sqlite3_reset(stmt);
    return rows;
}

void BM_LoadDiaries(benchmark::State& state) {
    qsizetype days = 0;
    for (auto _ : state) {
        const FoodDayList food = FoodDayInfo::getFoodInfo();
        const ExerciseDayList exercise = ExerciseDayInfo::getExerciseInfo();
        days = food.size() + exercise.size();
        benchmark::DoNotOptimize(days);
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_LoadDiaries)->Unit(benchmark::kMillisecond);

void BM_LoadDiariesBaseline(benchmark::State& state) {
    Connection common("common.db");
    sqlite3_stmt* food = common.prepare(kFoodQuery);
    sqlite3_stmt* exercise = common.prepare(kExerciseQuery);
    size_t rows = 0;
    for (auto _ : state) {
        rows = readRows(food, 3, 4, {5, 6, 7, 8}).size();
        rows += readRows(exercise, 2, 3, {4, 5, 6}).size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_LoadDiariesBaseline)->Unit(benchmark::kMillisecond);

void BM_OverviewWeeks(benchmark::State& state) {
    // The day lists are read once per run; the Overview rebuilds its weeks every time.
    FoodDayInfo::foodList();
    ExerciseDayInfo::exerciseList();
    qsizetype weeks = 0;
    for (auto _ : state) {
        weeks = OverviewWeekInfo::getOverviewWeeks().size();
        benchmark::DoNotOptimize(weeks);
    }
    state.counters["weeks"] = static_cast<double>(weeks);
}
BENCHMARK(BM_OverviewWeeks)->Unit(benchmark::kMillisecond);

// The bounds of the three tables, then every weighing of the span a day at a time: what the
// week search must read from the databases.
void BM_OverviewWeeksBaseline(benchmark::State& state) {
    Connection common("common.db");
    Connection weight("weight.db");
    sqlite3_stmt* bounds[] = {common.prepare("select max(date) from saved_exercise "),
                              common.prepare("select max(date) from saved_food "),
                              weight.prepare("select max(date) from weight"),
                              common.prepare("select min(date) from saved_exercise "),
                              common.prepare("select min(date) from saved_food "),
                              weight.prepare("select min(date) from weight")};
    sqlite3_stmt* day = weight.prepare("select date, value, note, weight_s from weight where "
                                       "(date BETWEEN ? AND ?) ORDER BY date DESC");
    const qint64 first = QDateTime(kEndDate.addDays(-3650), QTime(0, 0)).toSecsSinceEpoch();
    const qint64 last = QDateTime(kEndDate.addDays(7), QTime(0, 0)).toSecsSinceEpoch();
    size_t weighings = 0;
    for (auto _ : state) {
        for (sqlite3_stmt* stmt : bounds) {
            while (sqlite3_step(stmt) == SQLITE_ROW)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, 0));
            sqlite3_reset(stmt);
        }
        weighings = 0;
        for (qint64 start = first; start < last; start += 86400) {
            sqlite3_bind_int64(day, 1, start);
            sqlite3_bind_int64(day, 2, start + 86399);
            while (sqlite3_step(day) == SQLITE_ROW) {
                benchmark::DoNotOptimize(sqlite3_column_double(day, 1));
                ++weighings;
            }
            sqlite3_reset(day);
        }
    }
    state.counters["weighings"] = static_cast<double>(weighings);
}
BENCHMARK(BM_OverviewWeeksBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    BenchDiary diary(kEndDate);
    QCoreApplication app(argc, argv);
    const DiaryGenerator::Counts counts = diary.fill();
    std::fprintf(stderr, "generated %d food entries, %d exercise entries, %d weighings\n",
                 counts.foods, counts.exercises, counts.weighings);
    return BenchDiary::run(argc, argv);
}

// Times the food search through the catalogue classes against the same SQL stepped straight
// through SQLite, on the shipped food catalogue.
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const char* const kSearchSql =
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv "
    "where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 where  "
    "fi2.l_name like ?) order by fi.name";

struct Row {
    int id;
    std::string name;
    std::string serving;
};

void foodSearch(benchmark::State& state, const char* text) {
    const QString query = QString::fromLatin1(text);
    size_t rows = 0;
    for (auto _ : state) {
        const FoodGroups found = FoodSimpleDbo::searchFoodItems(query, 0, 0, 0);
        rows = static_cast<size_t>(found.value(QStringLiteral("items")).size());
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void foodSearchBaseline(benchmark::State& state, const char* text) {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray path = DBManager::pathToDBWithName(QStringLiteral("food.db")).toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, kSearchSql, -1, &stmt, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(db));
        sqlite3_close(db);
        return;
    }
    const std::string pattern = std::string("%") + text + "%";
    size_t rows = 0;
    for (auto _ : state) {
        std::vector<Row> found;
        sqlite3_bind_text(stmt, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            found.push_back({sqlite3_column_int(stmt, 0),
                             reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)),
                             reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2))});
        sqlite3_reset(stmt);
        rows = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = static_cast<double>(rows);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("QUORVEL_DATA_DIR", dir.path().toUtf8());
    qputenv("QUORVEL_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    // Copies and opens the catalogue before anything is timed.
    QVUtil::foodDbc();

    for (const char* text : {"ch", "chicken"}) {
        benchmark::RegisterBenchmark((std::string("BM_FoodSearch/") + text).c_str(), foodSearch,
                                     text)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("BM_FoodSearchBaseline/") + text).c_str(),
                                     foodSearchBaseline, text)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Times the food search through the catalogue classes against the same SQL stepped straight
// through SQLite, on the shipped food catalogue.
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

const char* const kSearchSql =
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv "
    "where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 where  "
    "fi2.l_name like ? escape '\\') order by fi.name";
// The items holding every typed word: narrowed by the longest word, the rest checked per row.
const char* const kWordSearchSql =
    "select fi.id, fi.name, nv.serving_size, fi.l_name from food_items fi, nutrition_values nv "
    "where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 where  "
    "fi2.l_name like ? escape '\\') order by fi.name";

struct Row {
    int id;
    std::string name;
    std::string serving;
};

struct Search {
    std::string joined;             // the typed text without blanks
    std::vector<std::string> words; // longest first; more than one adds the word matches
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

const char* text(sqlite3_stmt* stmt, int column) {
    return reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
}

// The same statements stepped straight through SQLite, rows copied into plain structs.
void foodSearchBaseline(benchmark::State& state, Search search) {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_stmt* words = nullptr;
    const QByteArray path = DBManager::pathToDBWithName(QStringLiteral("food.db")).toUtf8();
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, kSearchSql, -1, &stmt, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, kWordSearchSql, -1, &words, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(db));
        sqlite3_close(db);
        return;
    }
    const std::string pattern = "%" + search.joined + "%";
    const std::string longest = "%" + search.words.front() + "%";
    size_t rows = 0;
    for (auto _ : state) {
        std::vector<Row> found;
        sqlite3_bind_text(stmt, 1, pattern.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            found.push_back({sqlite3_column_int(stmt, 0), text(stmt, 1), text(stmt, 2)});
        sqlite3_reset(stmt);
        if (search.words.size() > 1) {
            std::unordered_set<int> listed;
            for (const Row& row : found)
                listed.insert(row.id);
            sqlite3_bind_text(words, 1, longest.c_str(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(words) == SQLITE_ROW) {
                const std::string_view form = text(words, 3);
                const bool all = std::all_of(
                    search.words.begin() + 1, search.words.end(),
                    [&](const std::string& w) { return form.find(w) != std::string_view::npos; });
                if (all && !listed.count(sqlite3_column_int(words, 0)))
                    found.push_back({sqlite3_column_int(words, 0), text(words, 1), text(words, 2)});
            }
            sqlite3_reset(words);
        }
        rows = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = static_cast<double>(rows);
    sqlite3_finalize(words);
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

    const std::vector<std::pair<const char*, Search>> searches{
        {"ch", {"ch", {"ch"}}},
        {"chicken", {"chicken", {"chicken"}}},
        {"chicken breast", {"chickenbreast", {"chicken", "breast"}}},
    };
    for (const auto& [typed, search] : searches) {
        std::string name = typed;
        std::replace(name.begin(), name.end(), ' ', '_');
        benchmark::RegisterBenchmark(("BM_FoodSearch/" + name).c_str(), foodSearch, typed)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_FoodSearchBaseline/" + name).c_str(), foodSearchBaseline,
                                     search)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "DiaryGenerator.h"

#include "core/base/Paths.h"
#include "core/db/DBException.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <cmath>
#include <memory>
#include <random>
#include <sqlite3.h>

namespace {

const QString kFailure = QStringLiteral("DiaryGenerator failed");

struct DbClose {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalize {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbPtr = std::unique_ptr<sqlite3, DbClose>;
using StmtPtr = std::unique_ptr<sqlite3_stmt, StmtFinalize>;

DbPtr openDb(const QString& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    DbPtr db(raw);
    if (rc != SQLITE_OK)
        throw DBException(kFailure, path + ": " + QString::fromUtf8(sqlite3_errstr(rc)));
    return db;
}

[[noreturn]] void fail(sqlite3* db, const char* what) {
    throw DBException(kFailure,
                      QString::fromUtf8(what) + ": " + QString::fromUtf8(sqlite3_errmsg(db)));
}

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db, sql);
}

StmtPtr prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        fail(db, sql);
    return StmtPtr(raw);
}

// Values go in as texts, the way the application binds them, so the columns' affinities turn
// them into the same stored values.
void insertRow(sqlite3* db, sqlite3_stmt* stmt, const QList<QByteArray>& texts) {
    sqlite3_reset(stmt);
    for (int i = 0; i < texts.size(); ++i)
        sqlite3_bind_text(stmt, i + 1, texts[i].constData(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        fail(db, sqlite3_sql(stmt));
}

QByteArray num(double value, int decimals) {
    return QByteArray::number(value, 'f', decimals);
}

struct Food {
    int id = 0;
    QByteArray name;
    float calories = 0;
    float fat = 0;
    float fibre = 0;
};

struct Exercise {
    int id = 0;
    QByteArray name;
    float mets = 0;
};

// mt19937 is specified to the bit, so the same seed gives the same diary on every platform;
// the standard distributions are not, hence these small helpers.
class Dice {
public:
    explicit Dice(quint32 seed) : engine_(seed) {}
    double unit() { return engine_() / 4294967296.0; }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(unit() * n); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(double p) { return unit() < p; }
    // Favourites come up far more often than the rest of a pool.
    int favourite(int n) {
        const double u = unit();
        return static_cast<int>(u * u * u * n);
    }

private:
    std::mt19937 engine_;
};

const char* text(sqlite3_stmt* stmt, int column) {
    return reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
}

float real(sqlite3_stmt* stmt, int column) {
    return static_cast<float>(sqlite3_column_double(stmt, column));
}

// `size` rows picked at random from a shipped catalogue; none when it cannot be read.
template <typename Row, typename MakeRow>
QList<Row> readPool(const char* file, const char* sql, int size, Dice& dice, MakeRow makeRow) {
    QList<Row> all;
    const QString path = Paths::resourceDir() + "/" + file;
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(raw);
        return all;
    }
    DbPtr db(raw);
    sqlite3_stmt* stmtRaw = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql, -1, &stmtRaw, nullptr) != SQLITE_OK)
        return all;
    StmtPtr stmt(stmtRaw);
    while (sqlite3_step(stmt.get()) == SQLITE_ROW)
        all.append(makeRow(stmt.get()));
    QList<Row> pool;
    for (int i = 0; i < size && !all.isEmpty(); ++i)
        pool.append(all.takeAt(dice.below(static_cast<int>(all.size()))));
    return pool;
}

QList<Food> readFoods(Dice& dice) {
    // A person eats the same hundred and fifty things most of the time.
    return readPool<Food>("food.db",
                          "select fi.id, fi.name, nv.calories, nv.total_fat, "
                          "nv.carbohydrate_dietary_fiber from food_items fi, nutrition_values nv "
                          "where nv.food_item_id = fi.id order by fi.id",
                          150, dice, [](sqlite3_stmt* stmt) {
                              return Food{sqlite3_column_int(stmt, 0), text(stmt, 1), real(stmt, 2),
                                          real(stmt, 3), real(stmt, 4)};
                          });
}

QList<Exercise> readExercises(Dice& dice) {
    return readPool<Exercise>(
        "exercise.db",
        "select ei.id, ei.name, x.mets from exercise_items ei, "
        "exercise_intensity x where x.exercise_items_s = ei.id "
        "order by ei.id, x.intensity_s",
        25, dice, [](sqlite3_stmt* stmt) {
            return Exercise{sqlite3_column_int(stmt, 0), text(stmt, 1), real(stmt, 2)};
        });
}

const char* const kSpeedyFoods[] = {"Coffee with milk", "Birthday cake",   "Sandwich at work",
                                    "Ice cream",        "Handful of nuts", "Office cookies",
                                    "Glass of wine",    "Takeaway curry"};
const char* const kSpeedyExercises[] = {"Gardening", "Moving house", "Dancing", "Long walk"};
const char* const kNotes[] = {"after run", "new scale", "holiday", "before breakfast"};

// The last 30 distinct keys, oldest first, as the recent lists would hold them.
template <typename Row, typename KeyOf>
QList<Row> lastDistinct(const QList<Row>& rows, KeyOf keyOf) {
    QList<Row> picked;
    QSet<QByteArray> seen;
    for (auto it = rows.crbegin(); it != rows.crend() && picked.size() < 30; ++it) {
        const QByteArray key = keyOf(*it);
        if (!key.isEmpty() && seen.contains(key))
            continue;
        seen.insert(key);
        picked.prepend(*it);
    }
    return picked;
}

struct RecentRow {
    int itemId;
    QByteArray name;
    float calories;
};

class Writer {
public:
    Writer(int years, quint32 seed, const QDate& endDate)
        : dice_(seed), first_(endDate.addDays(-365LL * years + 1)), end_(endDate) {
        foods_ = readFoods(dice_);
        exercises_ = readExercises(dice_);
    }

    void writeCommon(sqlite3* db, DiaryGenerator::Counts& counts) {
        exec(db, "begin");
        exec(db, "delete from saved_food; delete from recent_food; delete from saved_exercise; "
                 "delete from recent_exercise");
        StmtPtr food = prepare(db, "insert into saved_food (food_item_id, name, portions_count, "
                                   "result_weight, result_calories, food_type_id, date, "
                                   "result_points) values (?, ?, ?, ?, ?, ?, ?, ?)");
        StmtPtr exercise = prepare(db, "insert into saved_exercise (exercise_item_id, name, "
                                       "duration, burn_rate, calories, date) "
                                       "values (?, ?, ?, ?, ?, ?)");
        QList<RecentRow> recentFoods;
        QList<RecentRow> recentExercises;
        for (QDate day = first_; day <= end_; day = day.addDays(1)) {
            const QByteArray date = day.toString("yyyy-MM-dd").toUtf8() + " 00:00:00";
            if (dice_.chance(0.95))
                counts.foods += writeFoodDay(db, food.get(), date, recentFoods);
            if (dice_.chance(0.62))
                counts.exercises += writeExerciseDay(db, exercise.get(), date, recentExercises);
        }
        writeRecent(db, "insert into recent_food (food_item_id, name, calories) values (?, ?, ?)",
                    lastDistinct(recentFoods, [](const RecentRow& r) {
                        return r.itemId > 0 ? QByteArray::number(r.itemId) : "0:" + r.name;
                    }));
        // Every speedy exercise is remembered on its own.
        writeRecent(db,
                    "insert into recent_exercise (exercise_item_id, name, calories) "
                    "values (?, ?, ?)",
                    lastDistinct(recentExercises, [](const RecentRow& r) {
                        return r.itemId > 0 ? QByteArray::number(r.itemId) : QByteArray();
                    }));
        exec(db, "commit");
    }

    void writeWeight(sqlite3* db, DiaryGenerator::Counts& counts) {
        exec(db, "begin");
        exec(db, "delete from weight");
        StmtPtr stmt = prepare(db, "insert into weight (value, date, note) values (?, ?, ?)");
        const qint64 days = first_.daysTo(end_) + 1;
        double weight = 94.0;
        qint64 index = 0;
        for (QDate day = first_; day <= end_; day = day.addDays(1), ++index) {
            // Down towards 78 kg with a slow yearly swing and day-to-day noise.
            const double target = 94.0 - 16.0 * index / days + 1.5 * std::sin(index / 58.0);
            weight += (target - weight) * 0.2 + (dice_.unit() - 0.5) * 0.6;
            if (!dice_.chance(0.90))
                continue;
            const int weighings = dice_.chance(0.11) ? 2 : 1;
            for (int w = 0; w < weighings; ++w) {
                const QTime time = w == 0 ? QTime(6, dice_.between(0, 59), dice_.between(0, 59))
                                          : QTime(dice_.between(20, 22), dice_.between(0, 59));
                const qint64 secs = QDateTime(day, time).toSecsSinceEpoch();
                const double value = weight + (w == 0 ? 0.0 : 0.8);
                const QByteArray note =
                    dice_.chance(0.04) ? QByteArray(kNotes[dice_.below(4)]) : QByteArray();
                insertRow(db, stmt.get(), {num(value, 2), QByteArray::number(secs), note});
                ++counts.weighings;
            }
        }
        exec(db, "commit");
    }

private:
    int writeFoodDay(sqlite3* db, sqlite3_stmt* stmt, const QByteArray& date,
                     QList<RecentRow>& recent) {
        static const int minPerMeal[] = {1, 2, 2, 0};
        static const int maxPerMeal[] = {3, 4, 4, 3};
        int written = 0;
        for (int meal = 0; meal < 4; ++meal) {
            const int n = dice_.between(minPerMeal[meal], maxPerMeal[meal]);
            for (int k = 0; k < n; ++k, ++written)
                writeFood(db, stmt, date, meal, recent);
        }
        return written;
    }

    void writeFood(sqlite3* db, sqlite3_stmt* stmt, const QByteArray& date, int meal,
                   QList<RecentRow>& recent) {
        const QByteArray mealText = num(meal, 2);
        if (foods_.isEmpty() || dice_.chance(0.08)) {
            const QByteArray name = kSpeedyFoods[dice_.below(8)];
            const float calories = static_cast<float>(dice_.between(5, 120) * 5);
            insertRow(
                db, stmt,
                {"0", name, num(0, 3), num(0, 2), num(calories, 2), mealText, date, num(0, 2)});
            recent.append({0, name, calories});
            return;
        }
        static const float portions[] = {0.5f, 1.0f, 1.0f, 1.0f, 1.5f, 2.0f, 0.25f, 3.0f};
        const Food& food = foods_[dice_.favourite(static_cast<int>(foods_.size()))];
        const float count = portions[dice_.below(8)];
        float calories = std::round(std::round(food.calories) * count);
        if (dice_.chance(0.05))
            calories = std::max(0.0f, calories + static_cast<float>(dice_.between(-5, 5) * 10));
        // A serving without calories (water, tea) counts its portions as they are.
        const float effective =
            food.calories > 0
                ? count + (calories - std::round(food.calories) * count) / food.calories
                : count;
        const float points = calories / 50 + food.fat * effective / 12 - food.fibre * effective / 5;
        insertRow(db, stmt,
                  {QByteArray::number(food.id), food.name, num(count, 3), num(0, 2),
                   num(calories, 2), mealText, date, num(points, 2)});
        recent.append({food.id, food.name, calories});
    }

    int writeExerciseDay(sqlite3* db, sqlite3_stmt* stmt, const QByteArray& date,
                         QList<RecentRow>& recent) {
        const int n = dice_.chance(0.4) ? 1 : dice_.between(2, 4);
        for (int k = 0; k < n; ++k) {
            if (exercises_.isEmpty() || dice_.chance(0.10)) {
                const QByteArray name = kSpeedyExercises[dice_.below(4)];
                const float calories = static_cast<float>(dice_.between(10, 100) * 5);
                insertRow(db, stmt, {"0", name, num(0, 2), num(0, 2), num(calories, 2), date});
                recent.append({0, name, calories});
                continue;
            }
            const Exercise& exercise =
                exercises_[dice_.favourite(static_cast<int>(exercises_.size()))];
            const int duration = 5 * dice_.between(3, 18);
            const float burnRate = exercise.mets * 80;
            const float calories = std::round(burnRate * duration / 60);
            insertRow(db, stmt,
                      {QByteArray::number(exercise.id), exercise.name, num(duration, 2),
                       num(burnRate, 2), num(calories, 2), date});
            recent.append({exercise.id, exercise.name, calories});
        }
        return n;
    }

    void writeRecent(sqlite3* db, const char* sql, const QList<RecentRow>& rows) {
        StmtPtr stmt = prepare(db, sql);
        for (const RecentRow& row : rows)
            insertRow(db, stmt.get(),
                      {QByteArray::number(row.itemId), row.name, num(row.calories, 2)});
    }

    Dice dice_;
    QDate first_;
    QDate end_;
    QList<Food> foods_;
    QList<Exercise> exercises_;
};

} // namespace

DiaryGenerator::Counts DiaryGenerator::fillFiles(const QString& commonPath,
                                                 const QString& weightPath, int years, quint32 seed,
                                                 const QDate& endDate) {
    Counts counts;
    if (years <= 0 || !endDate.isValid())
        return counts;
    Writer writer(years, seed, endDate);
    const DbPtr common = openDb(commonPath, SQLITE_OPEN_READWRITE);
    writer.writeCommon(common.get(), counts);
    const DbPtr weight = openDb(weightPath, SQLITE_OPEN_READWRITE);
    writer.writeWeight(weight.get(), counts);
    return counts;
}

DiaryGenerator::Counts DiaryGenerator::fill(int years, quint32 seed, const QDate& endDate) {
    // Opening the handles makes the writable copies the application itself will read.
    const QString common = QVUtil::commonDbc().dbName();
    const QString weight = QVUtil::weightDbc().dbName();
    return fillFiles(DBManager::pathToDBWithName(common), DBManager::pathToDBWithName(weight),
                     years, seed, endDate);
}

#include "FoodCatalogueWriter.h"

#include "CsvTable.h"
#include "FoodKindRules.h"
#include "ImageList.h"
#include "SqliteFile.h"

#include <QDir>
#include <QSet>
#include <array>
#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const char* const schema = R"sql(
create table food_types (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);
create table food_kinds (id INTEGER PRIMARY KEY, name TEXT, desc TEXT, icon TEXT);
create table restaurants (id INTEGER PRIMARY KEY, name TEXT);
create table food_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT, type_id INTEGER,
                         kind_id INTEGER, restaurant_id INTEGER);
create table nutrition_values (food_item_id INTEGER, serving_size TEXT, serving_size_gms REAL,
                               calories REAL, total_fat REAL, cholesterol REAL, sodium REAL,
                               protein REAL, calcium REAL, iron REAL,
                               carbohydrate_dietary_fiber REAL, total_carbohydrate REAL,
                               food_points REAL);
-- The lists filter by one of these ids and order by name.
create index food_items_by_type on food_items (type_id, name);
create index food_items_by_kind on food_items (kind_id, name);
create index food_items_by_restaurant on food_items (restaurant_id, name);
create index food_items_by_name on food_items (name);
create unique index nutrition_values_by_item on nutrition_values (food_item_id);
)sql";

const QString insertFood =
    QStringLiteral("insert into food_items (id, name, l_name, type_id, kind_id, restaurant_id)"
                   " values (?, ?, ?, ?, ?, ?)");
const QString insertNutrition = QStringLiteral(
    "insert into nutrition_values (food_item_id, serving_size, serving_size_gms, calories,"
    " total_fat, cholesterol, sodium, protein, calcium, iron, carbohydrate_dietary_fiber,"
    " total_carbohydrate, food_points) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

double hundredths(double v) {
    return std::round(v * 100.0) / 100.0;
}

// Per-100 g columns of foods.csv in the order of the nutrition insert after the calories.
const std::array<const char*, 8> nutrientColumns = {"fat",     "cholesterol", "sodium", "protein",
                                                    "calcium", "iron",        "fiber",  "carb"};

} // namespace

FoodCatalogueWriter::FoodCatalogueWriter(const QString& dataDir, const ImageList& images)
    : dataDir_(dataDir), images_(images) {}

QString FoodCatalogueWriter::searchForm(const QString& name) {
    QString form = name.toLower();
    form.remove(u' ');
    form.remove(u',');
    return form;
}

double FoodCatalogueWriter::servingPoints(double calories, double fat, double fiber) {
    return std::round(calories) / 50.0 + fat / 12.0 - fiber / 5.0;
}

void FoodCatalogueWriter::write(const QString& path) const {
    SqliteFile db(path);
    db.exec(QString::fromUtf8(schema));
    const QHash<QString, int> typeIds = writeTypes(db);
    writeKinds(db);
    const QSet<int> restaurantIds = writeRestaurants(db);
    writeFoods(db, typeIds, restaurantIds);
    db.close();
}

void FoodCatalogueWriter::writeIconRows(SqliteFile& db, const CsvTable& table,
                                        const QString& insertSql) const {
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.integer(r, u"id"_s) != r + 1)
            fail(table.where(r) + u": ids must run 1, 2, 3 in file order"_s);
        if (table.isEmpty(r, u"name"_s))
            fail(table.where(r) + u": empty name"_s);
        images_.require(table.field(r, u"icon"_s), table.where(r));
        db.run(insertSql, {r + 1, table.field(r, u"name"_s), table.field(r, u"desc"_s),
                           table.field(r, u"icon"_s)});
    }
}

QHash<QString, int> FoodCatalogueWriter::writeTypes(SqliteFile& db) const {
    const CsvTable types = CsvTable::read(QDir(dataDir_).filePath(u"food_types.csv"_s));
    writeIconRows(db, types,
                  u"insert into food_types (id, name, desc, icon) values (?, ?, ?, ?)"_s);
    QHash<QString, int> byCode;
    for (int r = 0; r < types.rowCount(); ++r) {
        const QString code = types.field(r, u"code"_s);
        if (byCode.contains(code))
            fail(types.where(r) + u": repeated group code "_s + code);
        byCode.insert(code, r + 1);
    }
    return byCode;
}

void FoodCatalogueWriter::writeKinds(SqliteFile& db) const {
    const CsvTable kinds = CsvTable::read(QDir(dataDir_).filePath(u"food_kinds.csv"_s));
    if (kinds.rowCount() != FoodKindRules::kindCount)
        fail(u"food_kinds.csv: the kind rules know %1 kinds, the file lists %2"_s
                 .arg(FoodKindRules::kindCount)
                 .arg(kinds.rowCount()));
    for (int r = 0; r < kinds.rowCount(); ++r) {
        const QString expected = FoodKindRules::iconOf(static_cast<FoodKindRules::Kind>(r + 1));
        if (kinds.field(r, u"icon"_s) != expected)
            fail(kinds.where(r) + u": the rules expect this kind's icon to be "_s + expected);
    }
    writeIconRows(db, kinds,
                  u"insert into food_kinds (id, name, desc, icon) values (?, ?, ?, ?)"_s);
}

QSet<int> FoodCatalogueWriter::writeRestaurants(SqliteFile& db) const {
    const CsvTable rest = CsvTable::read(QDir(dataDir_).filePath(u"restaurants.csv"_s));
    QSet<int> ids;
    for (int r = 0; r < rest.rowCount(); ++r) {
        const int id = rest.integer(r, u"id"_s);
        if (id < 1 || ids.contains(id) || rest.isEmpty(r, u"name"_s))
            fail(rest.where(r) + u": a restaurant needs a new positive id and a name"_s);
        ids.insert(id);
        db.run(u"insert into restaurants (id, name) values (?, ?)"_s,
               {id, rest.field(r, u"name"_s)});
    }
    return ids;
}

void FoodCatalogueWriter::writeFoods(SqliteFile& db, const QHash<QString, int>& typeIds,
                                     const QSet<int>& restaurantIds) const {
    const CsvTable foods = CsvTable::read(QDir(dataDir_).filePath(u"foods.csv"_s));
    QHash<int, int> perKind;
    QHash<int, int> perRestaurant;
    for (int r = 0; r < foods.rowCount(); ++r) {
        const QString where = foods.where(r);
        const int id = foods.integer(r, u"id"_s);
        const QString name = foods.field(r, u"name"_s);
        const QString code = foods.field(r, u"type"_s);
        if (id < 1 || name.isEmpty())
            fail(where + u": a food needs a positive id and a name"_s);
        if (!typeIds.contains(code))
            fail(where + u": unknown food group "_s + code);
        const int restaurant =
            foods.isEmpty(r, u"restaurant"_s) ? 0 : foods.integer(r, u"restaurant"_s);
        if (restaurant != 0 && !restaurantIds.contains(restaurant))
            fail(where + u": unknown restaurant %1"_s.arg(restaurant));
        const int kind = FoodKindRules::kindOf(code, name);
        ++perKind[kind];
        ++perRestaurant[restaurant];
        db.run(insertFood, {id, name, searchForm(name), typeIds.value(code), kind, restaurant});

        // Without an energy value the food cannot be counted: it stays out of every list.
        if (foods.isEmpty(r, u"kcal"_s))
            continue;
        const double grams = foods.number(r, u"grams"_s, 0.0);
        const QString serving = foods.field(r, u"serving"_s);
        if (grams <= 0.0 || serving.isEmpty())
            fail(where + u": a serving needs a text and a positive weight"_s);
        const double calories = hundredths(foods.number(r, u"kcal"_s, 0.0) * grams / 100.0);
        QVariantList values{id, serving, grams, calories};
        for (const char* column : nutrientColumns) {
            const QString c = QString::fromLatin1(column);
            values << (foods.isEmpty(r, c)
                           ? QVariant()
                           : QVariant(hundredths(foods.number(r, c, 0.0) * grams / 100.0)));
        }
        const double fat = values[4].toDouble(); // a missing value counts as 0
        const double fiber = values[10].toDouble();
        values << hundredths(servingPoints(calories, fat, fiber));
        db.run(insertNutrition, values);
    }
    for (int k = 1; k <= FoodKindRules::kindCount; ++k) {
        if (perKind.value(k) == 0)
            fail(u"food kind %1 has no food"_s.arg(k));
    }
    for (int id : restaurantIds) {
        if (perRestaurant.value(id) == 0)
            fail(u"restaurant %1 has no food"_s.arg(id));
    }
}

#include "support/RawDatabase.h"
#include "support/TestEnv.h"

#include <algorithm>
#include <cmath>

// The shipped food.db, checked through the statements the food screens run on it.
class FoodDatabaseFileTest : public QuorvelTest {
protected:
    const RawDatabase db = RawDatabase::shipped(QStringLiteral("food.db"));

    static QString listBy(const QString& column) {
        return QStringLiteral("select fi.id, fi.name, nv.serving_size  from food_items fi,\t  "
                              "nutrition_values nv  where fi.%1 = ? and fi.id = nv.food_item_id "
                              "order by fi.name")
            .arg(column);
    }
    // The search statement with its filter fragment filled in.
    static QString search(const QString& filter) {
        return QStringLiteral(
                   "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  "
                   "nutrition_values "
                   "nv where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 "
                   "where %1 fi2.l_name like ?) order by fi.name")
            .arg(filter);
    }
    // What the food menu makes of typed text: blanks and commas gone, then "%...%" lower-cased.
    static QString pattern(QString typed) {
        typed.remove(u' ');
        typed.remove(u',');
        return (u'%' + typed + u'%').toLower();
    }
    static bool inNameOrder(const std::vector<RawDatabase::Row>& rows) {
        return std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a[1].toString().toUtf8() < b[1].toString().toUtf8();
        });
    }
};

TEST_F(FoodDatabaseFileTest, TablesCarryTheDeclaredColumnTypes) {
    EXPECT_EQ(db.declaredColumns("food_items"),
              QStringList({"id INTEGER PRIMARY KEY", "name TEXT", "l_name TEXT", "type_id INTEGER",
                           "kind_id INTEGER", "restaurant_id INTEGER"}));
    EXPECT_EQ(
        db.declaredColumns("nutrition_values"),
        QStringList({"food_item_id INTEGER", "serving_size TEXT", "serving_size_gms REAL",
                     "calories REAL", "total_fat REAL", "cholesterol REAL", "sodium REAL",
                     "protein REAL", "calcium REAL", "iron REAL", "carbohydrate_dietary_fiber REAL",
                     "total_carbohydrate REAL", "food_points REAL"}));
    const QStringList iconTable{"id INTEGER PRIMARY KEY", "name TEXT", "desc TEXT", "icon TEXT"};
    EXPECT_EQ(db.declaredColumns("food_types"), iconTable);
    EXPECT_EQ(db.declaredColumns("food_kinds"), iconTable);
    EXPECT_EQ(db.declaredColumns("restaurants"),
              QStringList({"id INTEGER PRIMARY KEY", "name TEXT"}));
}

TEST_F(FoodDatabaseFileTest, BrowsingListsAreFull) {
    const auto types = db.rows("select id, name, desc, icon from food_types order by id");
    ASSERT_EQ(types.size(), 24u);
    for (size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i][0].toLongLong(), qint64(i + 1));
        EXPECT_FALSE(types[i][1].toString().isEmpty());
        EXPECT_FALSE(types[i][2].toString().isEmpty());
        EXPECT_TRUE(types[i][3].toString().endsWith(".png"));
        EXPECT_FALSE(db.rows(listBy("type_id"), {QString::number(i + 1)}).empty())
            << types[i][1].toString().toStdString();
    }

    const auto kinds = db.rows("select id, name, desc, icon from food_kinds order by id");
    ASSERT_GE(kinds.size(), 5u);
    for (const auto& kind : kinds)
        EXPECT_GE(db.rows(listBy("kind_id"), {kind[0].toString()}).size(), 20u)
            << kind[1].toString().toStdString();

    const auto restaurants = db.rows("select r.id, r.name, 0 from restaurants r order by r.name");
    ASSERT_GE(restaurants.size(), 10u);
    EXPECT_TRUE(inNameOrder(restaurants));
    for (const auto& r : restaurants) {
        const QString name = r[1].toString();
        // The grouped restaurant list leaves out names that do not start with a letter A-Z.
        EXPECT_TRUE(name.at(0).toUpper() >= u'A' && name.at(0).toUpper() <= u'Z');
        EXPECT_FALSE(db.rows(listBy("restaurant_id"), {r[0].toString()}).empty())
            << name.toStdString();
    }

    EXPECT_GE(db.scalar("select count(*) from food_items fi, nutrition_values nv"
                        " where fi.id = nv.food_item_id")
                  .toLongLong(),
              7000);
}

TEST_F(FoodDatabaseFileTest, EveryItemPointsAtRealRowsOrAtNone) {
    // 0 means "no kind" or "no restaurant": such ids must never name a row.
    for (const char* broken :
         {"food_items where type_id not in (select id from food_types)",
          "food_items where kind_id != 0 and kind_id not in (select id from food_kinds)",
          "food_items where restaurant_id != 0 and restaurant_id not in (select id from "
          "restaurants)",
          "food_kinds where id = 0", "restaurants where id = 0",
          "(select food_item_id from nutrition_values group by food_item_id having count(*) > 1)"})
        EXPECT_EQ(db.scalar(QString("select count(*) from ") + broken).toLongLong(), 0) << broken;

    // The diary's image for an item: its kind's icon, else its type's.
    const QString kindIcon = "select fk.icon from food_kinds fk, food_items fi where "
                             "fk.id=kind_id and fi.id = ?";
    const QString typeIcon = "select ft.icon from food_types ft, food_items fi where "
                             "ft.id=type_id and fi.id = ?";
    const QString noKind = db.scalar("select id from food_items where kind_id = 0").toString();
    ASSERT_FALSE(noKind.isEmpty());
    EXPECT_TRUE(db.rows(kindIcon, {noKind}).empty());
    EXPECT_EQ(db.rows(typeIcon, {noKind}).size(), 1u);
}

TEST_F(FoodDatabaseFileTest, SearchMeetsTheTypedTextInNameOrder) {
    const auto chicken = db.rows(search(""), {pattern("Chicken")});
    EXPECT_GT(chicken.size(), 100u);
    EXPECT_TRUE(inNameOrder(chicken));
    for (const auto& row : chicken)
        EXPECT_TRUE(row[1].toString().contains("chicken", Qt::CaseInsensitive));

    // Typed with the blanks and commas of the displayed name, the item is still found.
    const auto bigMac = db.rows(search(""), {pattern("Big Mac (McDonald's)")});
    ASSERT_FALSE(bigMac.empty());
    EXPECT_EQ(bigMac[0][1].toString(), "Big Mac (McDonald's)");

    // Every stored search form is the name, lower case, without blanks and commas.
    for (const auto& row : db.rows("select name, l_name from food_items")) {
        QString form = row[0].toString().toLower();
        form.remove(u' ');
        form.remove(u',');
        ASSERT_EQ(row[1].toString(), form);
    }
}

TEST_F(FoodDatabaseFileTest, SearchFiltersBySelectedRestaurantKindOrType) {
    const QString restaurant =
        db.scalar("select id from restaurants where name like 'McDonald%'").toString();
    ASSERT_FALSE(restaurant.isEmpty());
    const auto inRestaurant =
        db.rows(search(" fi2.restaurant_id = ? and "), {restaurant, pattern("chicken")});
    const auto everywhere = db.rows(search(""), {pattern("chicken")});
    EXPECT_FALSE(inRestaurant.empty());
    EXPECT_LT(inRestaurant.size(), everywhere.size());
    for (const auto& row : inRestaurant)
        EXPECT_TRUE(row[1].toString().endsWith("(McDonald's)"));

    const auto inType = db.rows(search(" fi2.type_id = ? and "), {"1", pattern("cheese")});
    EXPECT_FALSE(inType.empty());
    EXPECT_EQ(inType.size(), db.rows("select count(*) from food_items fi, nutrition_values nv"
                                     " where fi.id = nv.food_item_id and fi.type_id = 1 and"
                                     " fi.l_name like '%cheese%'")[0][0]
                                 .toULongLong());
}

TEST_F(FoodDatabaseFileTest, ServingsAreCompleteAndScoredByTheDiaryRule) {
    const auto rows =
        db.rows("select food_item_id, serving_size, serving_size_gms, calories, total_fat,"
                " carbohydrate_dietary_fiber, food_points, typeof(food_points), typeof(calories)"
                " from nutrition_values");
    int zeroCalorie = 0;
    for (const auto& r : rows) {
        const std::string id = r[0].toString().toStdString();
        ASSERT_FALSE(r[1].toString().isEmpty()) << id;
        ASSERT_GT(r[2].toDouble(), 0.0) << id;
        ASSERT_EQ(r[7].toString(), "real") << id;
        ASSERT_NE(r[8].toString(), "text") << id;
        const double calories = r[3].toDouble();
        ASSERT_GE(calories, 0.0) << id;
        zeroCalorie += std::round(calories) == 0.0;
        // A fresh one-portion entry must show no points deviation in the diary.
        const double expected =
            std::round(calories) / 50.0 + r[4].toDouble() / 12.0 - r[5].toDouble() / 5.0;
        ASSERT_TRUE(std::isfinite(r[6].toDouble())) << id;
        ASSERT_NEAR(r[6].toDouble(), expected, 0.01) << id;
    }
    EXPECT_GT(zeroCalorie, 0);

    // A food with household measures is served by its first one, not by 100 g.
    const auto statement = "select total_fat, cholesterol, sodium, protein, calcium, iron, "
                           "serving_size_gms, calories, serving_size, "
                           "carbohydrate_dietary_fiber, total_carbohydrate, food_points  from "
                           "nutrition_values  where food_item_id = ? ";
    const QString butter =
        db.scalar("select id from food_items where name = 'Butter, salted'").toString();
    const auto values = db.rows(statement, {butter});
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0][8].toString(), "1 cup");
    EXPECT_GT(values[0][7].toDouble(), 1000.0); // a cup of butter, not 100 g of it
    EXPECT_GT(values[0][1].toDouble(), 100.0);  // cholesterol in mg, not a fatty acid in g
}

TEST_F(FoodDatabaseFileTest, NutrientColumnsHoldWhatTheirNamesSay) {
    // Energy from fat, protein and carbohydrate (9, 4, 4 kcal/g) matches the calories of
    // nearly every food; a shifted or swapped column breaks that for thousands of them.
    const auto rows = db.rows("select calories, total_fat, protein, total_carbohydrate"
                              " from nutrition_values where total_fat is not null and"
                              " protein is not null and total_carbohydrate is not null");
    ASSERT_GT(rows.size(), 7000u);
    size_t matching = 0;
    for (const auto& r : rows) {
        const double energy = 9 * r[1].toDouble() + 4 * r[2].toDouble() + 4 * r[3].toDouble();
        matching += std::abs(energy - r[0].toDouble()) <= 0.2 * r[0].toDouble() + 5.0;
    }
    EXPECT_GT(matching, rows.size() * 9 / 10);
}

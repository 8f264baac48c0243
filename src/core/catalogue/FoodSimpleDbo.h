#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

struct sqlite3_stmt;

class FoodSimpleDbo;
// A list query's rows by key: "A" to "Z" with the alphabet grouping, else the one key "items".
using FoodGroups = QMap<QString, QList<FoodSimpleDbo>>;

// One row of any food list (type, kind, restaurant, food item, recent food) and the food
// catalogue's queries.
class FoodSimpleDbo {
public:
    FoodSimpleDbo() = default;
    FoodSimpleDbo(int dboId, QString name); // initWithId:name:

    int dboId = 0;
    QString name;
    QString desc;
    QString icon;
    float numAttribute = 0.0f;
    // Row of recent_food this row was read from (recent list only), so a single remembered
    // entry can be deleted even when several share the item id 0.
    qint64 rowId = 0;

    // Read once per process.
    static QList<FoodSimpleDbo> getFoodTypes();
    static QList<FoodSimpleDbo> getFoodKinds();
    static FoodGroups getRestaurantsList();
    static FoodGroups getFoodByType(int typeId);
    static FoodGroups getFoodByKind(int kindId);
    static FoodGroups getFoodByRestaurant(int restaurantId);
    // Under "items": the items whose search name holds the text without its blanks and commas,
    // then those holding every typed word in any order (words split on blanks and commas), each
    // part in name order. \, % and _ match only themselves.
    static FoodGroups searchFoodItems(const QString& text, int restaurantId, int kindId,
                                      int typeId);
    static std::optional<FoodSimpleDbo> getFoodItem(int itemId);

    // The recent-foods list, under "items", ordered by name.
    static FoodGroups getRecentFood();
    // Forgets every remembered entry of an item (all speedy entries for 0).
    static void deleteRecentFood(int foodItemId);
    // Forgets one remembered entry.
    static void deleteRecentFoodRow(qint64 rowId);

    static FoodGroups readSimpleDboFrom(sqlite3_stmt* stmt, bool withABCRange);
};

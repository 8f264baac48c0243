#pragma once

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/common/MenuLevel.h"
#include "ui/IndexPath.h"

#include <QString>

// The rows of the main menu: recent foods and speedy calories, restaurants and the database
// search, then one row per food kind and one per food type, in their stored order.
class FoodMenuMainRows {
public:
    enum class Choice { RecentFoods, SpeedyCalories, Restaurants, SearchDatabase, Kind, Type };
    using Row = MenuRow<Choice>;

    static constexpr int SectionCount = 4;
    static int rowCount(int section);
    // The row at the path; paths outside the menu give std::nullopt.
    static std::optional<Row> row(const ui::IndexPath& path);
};

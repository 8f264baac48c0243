#include "screens/food/Details/FoodMenuMainRows.h"

namespace {

using Row = FoodMenuMainRows::Row;
using Choice = FoodMenuMainRows::Choice;

Row catalogueRow(Choice choice, const FoodSimpleDbo& row) {
    return {choice, row.name, row.desc, row.icon, row.dboId};
}

} // namespace

int FoodMenuMainRows::rowCount(int section) {
    switch (section) {
    case 0:
    case 1:
        return 2;
    case 2:
        return static_cast<int>(FoodSimpleDbo::getFoodKinds().size());
    case 3:
        return static_cast<int>(FoodSimpleDbo::getFoodTypes().size());
    default:
        return 0;
    }
}

std::optional<Row> FoodMenuMainRows::row(const ui::IndexPath& path) {
    if (path.row < 0 || path.row >= rowCount(path.section))
        return std::nullopt;
    switch (path.section) {
    case 0:
        if (path.row == 0)
            return Row{Choice::RecentFoods, QStringLiteral("Recent Food Items"),
                       QStringLiteral("Pick recently consumed items"),
                       QStringLiteral("recent.png")};
        return Row{Choice::SpeedyCalories, QStringLiteral("Speedy Food Calories"),
                   QStringLiteral("Enter only calories"), QStringLiteral("quick_add.png")};
    case 1:
        if (path.row == 0)
            return Row{Choice::Restaurants, QStringLiteral("Browse Restaurants"),
                       QStringLiteral("Browse food from restaurants"),
                       QStringLiteral("restaurant.png")};
        return Row{Choice::SearchDatabase, QStringLiteral("Search Database"),
                   QStringLiteral("Search food database"), QStringLiteral("database.png")};
    case 2:
        return catalogueRow(Choice::Kind, FoodSimpleDbo::getFoodKinds().at(path.row));
    default:
        return catalogueRow(Choice::Type, FoodSimpleDbo::getFoodTypes().at(path.row));
    }
}

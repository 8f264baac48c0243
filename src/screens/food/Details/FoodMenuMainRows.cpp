#include "screens/food/Details/FoodMenuMainRows.h"

namespace {

using Row = FoodMenuMainRows::Row;
using Choice = FoodMenuMainRows::Choice;

// The four fixed rows, sections 0 and 1; each opens the level its name says.
const FixedMenuRow<Choice> fixedRows[] = {
    {Choice::RecentFoods, "Recent Food Items", "Pick recently consumed items", "recent.png",
     MenuStage::Recent},
    {Choice::SpeedyCalories, "Speedy Food Calories", "Enter only calories", "quick_add.png",
     std::nullopt},
    {Choice::Restaurants, "Browse Restaurants", "Browse food from restaurants", "restaurant.png",
     MenuStage::Groups},
    {Choice::SearchDatabase, "Search Database", "Search food database", "database.png",
     MenuStage::Search},
};

// A kind or a type opens the list of its items under its name.
Row catalogueRow(Choice choice, const FoodSimpleDbo& row) {
    return {choice, row.name, row.desc, row.icon, MenuStage::Items, row.name, row.dboId};
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
    case 1:
        return fixedRows[path.section * 2 + path.row].row();
    case 2:
        return catalogueRow(Choice::Kind, FoodSimpleDbo::getFoodKinds().at(path.row));
    default:
        return catalogueRow(Choice::Type, FoodSimpleDbo::getFoodTypes().at(path.row));
    }
}

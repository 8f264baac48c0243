#include "screens/food/Details/SelectFoodController.h"

SelectFoodController::SelectFoodController(QObject* parent) : QVXViewController(parent) {}

SelectFoodController::~SelectFoodController() = default;

std::optional<FoodSimpleDbo> SelectFoodController::selectedItem() const {
    return selectedItem_;
}

void SelectFoodController::setSelectedItem(std::optional<FoodSimpleDbo> item) {
    selectedItem_ = std::move(item);
}

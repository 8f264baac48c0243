#include "screens/food/FoodController.h"

#include "screens/food/Details/FoodEditorOpener.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/FoodTableCell.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

FoodController::FoodController(QObject* parent)
    : DiaryDayTab(QStringLiteral("food_current_date"), QStringLiteral("Food"),
                  QStringLiteral("food.png"), parent) {
    // The menu lives as long as this screen, so the navigation stack must not delete it.
    foodMenu_ = new FoodMenuController(this, this);
    init();
}

FoodController::~FoodController() = default;

ui::ViewController* FoodController::addMenu() const {
    return foodMenu_;
}

void FoodController::setDayData(FoodDayPtr day) {
    dayData_ = std::move(day);
    dayTable()->reloadData();
}

void FoodController::didRefresh() {
    if (foodMenu_)
        foodMenu_->resetNextStepSearch();
}

ui::TableViewCell* FoodController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = table->reusableCell<FoodTableCell>(identifier,
                                                    [&] { return new FoodTableCell(identifier); });
    cell->setInfo(entryAt(path));
    return cell;
}

void FoodController::openEntry(const ui::IndexPath& path) {
    openEntry(entryAt(path));
}

QString FoodController::tableViewSectionInfo(ui::TableView*, int section) const {
    const float total = dayData_ ? dayData_->itemsTotal().value(section) : 0.0f;
    return QString::asprintf("%.0f", static_cast<double>(total));
}

void FoodController::openEntry(const SavedFoodPtr& entry) {
    FoodEditorOpener::open(navigationController(), this, entry);
}

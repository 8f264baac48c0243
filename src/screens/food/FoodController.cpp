#include "screens/food/FoodController.h"

#include "screens/food/Details/FoodEditorOpener.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/FoodTableCell.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

FoodController::FoodController(QObject* parent)
    : DiaryDayController(QStringLiteral("food_current_date"), QStringLiteral("Food"),
                         QStringLiteral("food.png"), parent) {
    // The menu lives as long as this screen, so the navigation stack must not delete it.
    foodMenu_ = new FoodMenuController(this, this);
    init();
}

FoodController::~FoodController() = default;

FoodDayList& FoodController::listData() {
    return FoodDayInfo::foodList();
}

ui::ViewController* FoodController::addMenu() const {
    return foodMenu_;
}

void FoodController::setDayData(FoodDayPtr day) {
    dayData_ = std::move(day);
    dayTable()->reloadData();
}

void FoodController::loadDay() {
    dayData_ = FoodDayInfo::getFoodOn(currDate());
}

bool FoodController::dayIsListed() const {
    return dayData_ && listData().dayOn(dayData_->date()) == dayData_;
}

void FoodController::didRefresh() {
    if (foodMenu_)
        foodMenu_->resetNextStepSearch();
}

SavedFoodPtr FoodController::entryAt(const ui::IndexPath& path) const {
    return dayData_ ? dayData_->entryAt(path.section, path.row) : nullptr;
}

int FoodController::entryCount(int section) const {
    if (!dayData_ || !dayData_->validGroup(section))
        return 0;
    return static_cast<int>(dayData_->items().at(section).size());
}

ui::TableViewCell* FoodController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = table->reusableCell<FoodTableCell>(identifier,
                                                    [&] { return new FoodTableCell(identifier); });
    cell->setInfo(entryAt(path));
    return cell;
}

void FoodController::removeEntry(const ui::IndexPath& path) {
    // Hold the day: removing its last entry may take it out of the list.
    const FoodDayPtr day = dayData_;
    day->removeFoodAtIndexPath(path.section, path.row);
}

void FoodController::openEntry(const ui::IndexPath& path) {
    openEntry(entryAt(path));
}

QString FoodController::tableViewSectionName(ui::TableView*, int section) const {
    return FoodDayInfo::nameForItemsAtIndex(section);
}

QString FoodController::tableViewSectionInfo(ui::TableView*, int section) const {
    const float total = dayData_ ? dayData_->itemsTotal().value(section) : 0.0f;
    return QString::asprintf("%.0f", static_cast<double>(total));
}

void FoodController::openEntry(const SavedFoodPtr& entry) {
    FoodEditorOpener::open(navigationController(), this, entry);
}

#include "screens/food/FoodController.h"

#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/dates/DateUtil.h"
#include "core/overview/OverviewDayInfo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/Details/SelectFoodController.h"
#include "screens/food/FoodTableCell.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/PixmapView.h"
#include "ui/controls/QVXTableView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

const char* const currentDateKey = "food_current_date";
const int headerHeight = 23;

} // namespace

FoodController::FoodController(QObject* parent) : BaseMultiViewController(parent) {
    initWithHeaders({QStringLiteral("Day")}, {buildDayView()});
    setSelectedIndex(0);
    setTabBarItem({QStringLiteral("Food"), ControlImages::image(QStringLiteral("food.png"))});
    // The menu lives as long as this screen, so the navigation stack must not delete it.
    foodMenu_ = new FoodMenuController(this, this);
    setCurrDate(Clock::now());
}

FoodController::~FoodController() = default;

FoodDayList& FoodController::listData() {
    return FoodDayInfo::foodList();
}

void FoodController::appendNavigation() {
    BaseMultiViewController::appendNavigation();
    auto* today = new ui::BarButtonItem(QStringLiteral("Today"));
    connect(today, &ui::BarButtonItem::triggered, this, &FoodController::setToday);
    navigationItem()->setLeftBarButtonItem(today);
    auto* add = ui::BarButtonItem::systemAdd();
    connect(add, &ui::BarButtonItem::triggered, this, &FoodController::addNewFood);
    navigationItem()->setRightBarButtonItem(add);
}

QWidget* FoodController::buildDayView() {
    auto* view = new QWidget;
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    dayBar_ = new DayBar(view);
    connect(dayBar_, &DayBar::dateStepped, this, &FoodController::setCurrDate);

    dayTable_ = new QVXTableView(QRect(0, DayBar::Height, ui::Metrics::ScreenWidth, TableHeight),
                                 this, view);
    dayTable_->setObjectName("dayTable");
    dayTable_->tableView()->setObjectName("Day table");
    daysummarypanel_ = new OverviewInfoPanel(
        QRect(0, DayBar::Height + TableHeight, ui::Metrics::ScreenWidth, 130), view);
    daysummarypanel_->setObjectName("daysummarypanel");

    // The table takes whatever height the stack gives the screen; the bar and the summary keep
    // theirs, so the summary always stands whole under the meals.
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    dayBar_->setFixedHeight(DayBar::Height);
    daysummarypanel_->setFixedHeight(OverviewInfoPanel::PanelHeight);
    layout->addWidget(dayBar_);
    layout->addWidget(dayTable_, 1);
    layout->addWidget(daysummarypanel_);
    return view;
}

void FoodController::setCurrDate(const QDateTime& date) {
    if (!date.isValid()) {
        dayBar_->setDate(date);
        return;
    }
    currDate_ = DateUtil::trunc(date);
    dayBar_->setDate(currDate_);
    setDayData(FoodDayInfo::getFoodOn(currDate_));
    showSummary();
    AppVars::getVars().insert(currentDateKey, currDate_);
}

ui::Label* FoodController::dayLabel() const {
    return dayBar_->label();
}

void FoodController::plusDay() {
    dayBar_->stepDays(1);
}

void FoodController::minusDay() {
    dayBar_->stepDays(-1);
}

void FoodController::setToday() {
    setCurrDate(Clock::now());
}

void FoodController::addNewFood() {
    if (foodMenu_ && navigationController())
        navigationController()->pushViewController(foodMenu_);
}

void FoodController::setDayData(FoodDayPtr day) {
    dayData_ = std::move(day);
    dayTable_->reloadData();
}

void FoodController::showSummary() {
    const OverviewDayPtr overview =
        currDate_.isValid() ? OverviewDayInfo::getOverviewForDate(currDate_) : nullptr;
    daysummarypanel_->setInfo(overview.get());
}

void FoodController::refreshData() {
    // A day that had no entries gets one when food is first added to it; the last entry of a
    // past day taking its day out of the list leaves none.
    if (!dayData_ || listData().dayOn(dayData_->date()) != dayData_)
        dayData_ = FoodDayInfo::getFoodOn(currDate_);
    dayTable_->reloadData();
    showSummary();
    resetMenuSearch();
}

void FoodController::resetMenuSearch() {
    if (foodMenu_)
        foodMenu_->resetNextStepSearch();
}

void FoodController::viewWillAppear() {
    BaseMultiViewController::viewWillAppear();
    const QVariant shared = AppVars::getVars().value(currentDateKey);
    const QDateTime date = shared.toDateTime();
    setCurrDate(date.isValid() ? date : Clock::now());
    refreshData();
}

SavedFoodPtr FoodController::entryAt(const ui::IndexPath& path) const {
    return dayData_ ? dayData_->entryAt(path.section, path.row) : nullptr;
}

int FoodController::numberOfSections(ui::TableView*) {
    return FoodDayInfo::kMealCount;
}

int FoodController::numberOfRows(ui::TableView*, int section) {
    if (!dayData_ || !dayData_->validGroup(section))
        return 0;
    return static_cast<int>(dayData_->items().at(section).size());
}

ui::TableViewCell* FoodController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = qobject_cast<FoodTableCell*>(table->dequeueReusableCell(identifier));
    if (!cell)
        cell = new FoodTableCell(identifier);
    cell->setInfo(entryAt(path));
    return cell;
}

bool FoodController::canEditRow(ui::TableView*, const ui::IndexPath& path) {
    return entryAt(path) != nullptr;
}

void FoodController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                        const ui::IndexPath& path) {
    if (style != ui::EditingStyle::Delete || !dayData_)
        return;
    // Hold the day: removing its last entry may take it out of the list.
    const FoodDayPtr day = dayData_;
    day->removeFoodAtIndexPath(path.section, path.row);
    refreshData();
}

int FoodController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return FoodTableCell::RowHeight;
}

int FoodController::heightForHeader(ui::TableView* table, int section) {
    // A meal without entries has no header, so it takes no room either.
    return numberOfRows(table, section) > 0 ? headerHeight : 0;
}

void FoodController::didSelectRow(ui::TableView*, const ui::IndexPath& path) {
    if (const SavedFoodPtr entry = entryAt(path))
        openEntry(entry);
    dayTable_->deselect();
}

QString FoodController::tableViewSectionName(ui::TableView*, int section) const {
    return FoodDayInfo::nameForItemsAtIndex(section);
}

QString FoodController::tableViewSectionInfo(ui::TableView*, int section) const {
    const float total = dayData_ ? dayData_->itemsTotal().value(section) : 0.0f;
    return QString::asprintf("%.0f", static_cast<double>(total));
}

QBrush FoodController::tableViewSectionColor(ui::TableView*, int) const {
    return ControlImages::pattern(QStringLiteral("font_bg.png"));
}

QWidget* FoodController::tableViewForHeaderInSection(QVXTableView* table, int section) {
    ui::TableView* list = table->tableView();
    if (numberOfRows(list, section) == 0)
        return nullptr;
    auto* header = new PixmapView(ControlImages::image(QStringLiteral("section2.png")));
    header->setOpacity(0.9);
    header->resize(ui::Metrics::ScreenWidth, headerHeight);
    // A pattern colour needs a brush, which the plain label of the toolkit does not take.
    auto* label = new QLabel(QStringLiteral("%1 : %2").arg(tableViewSectionName(list, section),
                                                           tableViewSectionInfo(list, section)),
                             header);
    label->setObjectName(QStringLiteral("header%1").arg(section));
    label->setGeometry(5, 2, 250, 18);
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setBrush(QPalette::WindowText, tableViewSectionColor(list, section));
    label->setPalette(palette);
    return header;
}

void FoodController::openEntry(const SavedFoodPtr& entry) {
    ui::NavigationController* nav = navigationController();
    if (!entry || !nav)
        return;
    if (entry->foodItemId() == 0) {
        auto* speedy = new QuickCalories(true);
        speedy->setOwner(this);
        speedy->setSavedFoodData(entry.get());
        nav->pushViewController(speedy);
        return;
    }
    const std::optional<FoodSimpleDbo> item = FoodSimpleDbo::getFoodItem(entry->foodItemId());
    if (!item) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("This food is no longer in the food "
                                                       "database."),
                                        QStringLiteral("Ok"));
        alert->show();
        return;
    }
    auto* editor = new AddFoodController(true);
    // The holder only carries the item and the owner; the editor keeps it for its lifetime.
    auto* holder = new SelectFoodController(editor);
    holder->setOwner(this);
    holder->setSelectedItem(*item);
    editor->setOwner(this);
    editor->setFoodMenu(holder);
    editor->setSavedFoodData(entry.get());
    nav->pushViewController(editor);
}

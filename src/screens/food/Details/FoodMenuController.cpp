#include "screens/food/Details/FoodMenuController.h"

#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuCell.h"
#include "screens/food/Details/FoodMenuMainRows.h"
#include "screens/food/Details/FoodMenuSectionHeaders.h"
#include "screens/food/Details/QuickCalories.h"
#include "ui/BarButtonItem.h"
#include "ui/DelayedAction.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SearchBar.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"

#include <QEvent>
#include <cmath>

namespace {

const QString itemsKey = QStringLiteral("items");
constexpr int shortRowHeight = 44;
constexpr int tallRowHeight = 70;
constexpr int mainMenuFooterHeight = 10;
constexpr int keyboardCloseDelayMs = 100;

} // namespace

FoodMenuController::FoodMenuController(RefresherDelegate* owner, QObject* parent)
    : FoodMenuController(QStringLiteral("Food Menu"), MainMenu, parent) {
    setOwner(owner);
}

FoodMenuController::FoodMenuController(const QString& title, int stage, QObject* parent)
    : SelectFoodController(parent), sectionHash_(new FoodMenuSectionHeaders) {
    initWithTitle(title, stage);
    setHidesBottomBarWhenPushed(true);
    auto* backItem = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(backItem, &ui::BarButtonItem::triggered, this, &FoodMenuController::back);
    navigationItem()->setLeftBarButtonItem(backItem);
}

FoodMenuController::~FoodMenuController() {
    delete sectionHash_;
}

void FoodMenuController::initWithTitle(const QString& title, int stage) {
    setTitle(title);
    currStage_ = stage;
    isSearchResult_ = false;
    restaurantId_ = kindId_ = typeId_ = 0;
}

void FoodMenuController::setIds(int restaurantId, int kindId, int typeId) {
    restaurantId_ = restaurantId;
    kindId_ = kindId;
    typeId_ = typeId;
}

void FoodMenuController::loadView() {
    QVXViewController::loadView();
    QWidget* root = ui::ViewController::view();
    // Without the tab bar the level has the whole screen under the navigation bar.
    root->resize(ui::Metrics::ScreenWidth, ui::Metrics::FullContentHeight);
    root->installEventFilter(this);

    searchBar_ = new ui::SearchBar(root);
    searchBar_->setObjectName(QStringLiteral("searchBar"));
    searchBar_->setPlaceholder(QStringLiteral("Enter food item name"));
    searchBar_->setAutocorrectionEnabled(false);
    searchBar_->setTintColor(ui::Metrics::tintColor());
    connect(searchBar_, &ui::SearchBar::textDidChange, this,
            &FoodMenuController::searchBarTextDidChange);
    connect(searchBar_, &ui::SearchBar::searchButtonClicked, this,
            &FoodMenuController::searchBarSearchButtonClicked);

    // The style is the one of the stage the level is first shown at.
    const auto style =
        currStage_ == MainMenu ? ui::TableView::Style::Grouped : ui::TableView::Style::Plain;
    tableView_ = new ui::TableView(style, root);
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Qt::transparent);
    tableView_->setRowHeight(shortRowHeight);
    tableView_->setDataSource(this);
    tableView_->setDelegate(this);
    layoutContent();
}

ui::SearchBar* FoodMenuController::searchBar() {
    view();
    return searchBar_;
}

ui::TableView* FoodMenuController::tableView() {
    view();
    return tableView_;
}

bool FoodMenuController::eventFilter(QObject* watched, QEvent* event) {
    if (isViewLoaded() && watched == ui::ViewController::view()) {
        if (event->type() == QEvent::Resize)
            layoutContent();
        else if (event->type() == QEvent::MouseButtonPress)
            closeKeyboard();
    }
    return SelectFoodController::eventFilter(watched, event);
}

void FoodMenuController::layoutContent() {
    if (!isViewLoaded())
        return;
    const int width = ui::ViewController::view()->width();
    const int height = ui::ViewController::view()->height();
    const bool withSearch = showsFoodList();
    searchBar_->setVisible(withSearch);
    searchBar_->setGeometry(0, 0, width, ui::SearchBar::kHeight);
    const int top = withSearch ? ui::SearchBar::kHeight : 0;
    tableView_->setGeometry(0, top, width, height - top);
}

bool FoodMenuController::showsFoodList() const {
    return isSearchResult_ || currStage_ == FoodItems || currStage_ == SearchDatabase;
}

bool FoodMenuController::showsFlatList() const {
    return isSearchResult_ || currStage_ == RecentFoods;
}

void FoodMenuController::setData(FoodGroups data) {
    data_ = std::move(data);
    if (tableView_)
        tableView_->reloadData();
}

void FoodMenuController::restoreData() {
    view();
    const bool tall = currStage_ != MainMenu && currStage_ != Restaurants;
    tableView_->setRowHeight(tall ? tallRowHeight : shortRowHeight);
    layoutContent();
    switch (currStage_) {
    case Restaurants:
        setData(FoodSimpleDbo::getRestaurantsList());
        break;
    case FoodItems:
        // A level without a filter keeps the list it had.
        if (restaurantId_ > 0)
            setData(FoodSimpleDbo::getFoodByRestaurant(restaurantId_));
        else if (kindId_ > 0)
            setData(FoodSimpleDbo::getFoodByKind(kindId_));
        else if (typeId_ > 0)
            setData(FoodSimpleDbo::getFoodByType(typeId_));
        else
            tableView_->reloadData();
        break;
    case RecentFoods:
        setData(FoodSimpleDbo::getRecentFood());
        break;
    default:
        setData({});
        break;
    }
}

QString FoodMenuController::cleanSearchText(const QString& text) {
    QString cleaned = text;
    cleaned.remove(QLatin1Char(' '));
    cleaned.remove(QLatin1Char(','));
    return cleaned;
}

void FoodMenuController::searchBarTextDidChange(const QString& text) {
    // The whole database is searched only on request: each letter would be a full scan.
    if (currStage_ == SearchDatabase)
        return;
    runSearch(text);
}

void FoodMenuController::searchBarSearchButtonClicked() {
    if (currStage_ == SearchDatabase)
        runSearch(searchBar()->text());
    closeKeyboard();
}

void FoodMenuController::runSearch(const QString& text) {
    const QString cleaned = cleanSearchText(text);
    const bool wasSearchResult = isSearchResult_;
    isSearchResult_ = cleaned.size() >= 2;
    if (isSearchResult_) {
        layoutContent();
        setData(FoodSimpleDbo::searchFoodItems(cleaned, restaurantId_, kindId_, typeId_));
        return;
    }
    if (cleaned.isEmpty())
        ui::DelayedAction::after(this, keyboardCloseDelayMs, [this] { closeKeyboard(); });
    if (wasSearchResult)
        restoreData();
}

void FoodMenuController::closeKeyboard() {
    if (searchBar_)
        searchBar_->resignFirstResponder();
}

FoodMenuController* FoodMenuController::nextStep() {
    if (!nextStep_)
        nextStep_ = new FoodMenuController(QStringLiteral("Need reset"), MainMenu, this);
    return nextStep_;
}

void FoodMenuController::resetNextStepSearch() {
    FoodMenuController* next = nextStep();
    if (next->searchBar_)
        next->searchBar_->setText(QString());
    next->searchBarTextDidChange(QString());
    next->setIsSearchResult(false);
}

void FoodMenuController::back() {
    if (searchBar_)
        searchBar_->setText(QString());
    closeKeyboard();
    isSearchResult_ = false;
    if (tableView_)
        tableView_->setContentOffset(0);
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

void FoodMenuController::openNextLevel(const QString& title, int stage, int restaurantId,
                                       int kindId, int typeId, bool viaSearch) {
    FoodMenuController* next = nextStep();
    next->initWithTitle(title, stage);
    next->setIds(restaurantId, kindId, typeId);
    // Kind and type lists are loaded by the search reset below, which sees a search end.
    if (kindId > 0 || typeId > 0)
        next->setIsSearchResult(true);
    else
        next->restoreData();
    next->setOwner(owner());
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(next);
    if (viaSearch) {
        next->searchBar()->setText(QString());
        next->searchBarTextDidChange(QString());
    }
}

void FoodMenuController::chooseMainMenuRow(const ui::IndexPath& path) {
    const std::optional<FoodMenuMainRows::Row> row = FoodMenuMainRows::row(path);
    if (!row)
        return;
    using Choice = FoodMenuMainRows::Choice;
    switch (row->choice) {
    case Choice::RecentFoods:
        openNextLevel(row->name, RecentFoods, 0, 0, 0, false);
        break;
    case Choice::SpeedyCalories:
        openSpeedy(QString(), QString());
        break;
    case Choice::Restaurants:
        openNextLevel(row->name, Restaurants, 0, 0, 0, false);
        break;
    case Choice::SearchDatabase:
        openNextLevel(row->name, SearchDatabase, 0, 0, 0, true);
        nextStep()->searchBar()->setText(QString());
        nextStep()->searchBar()->becomeFirstResponder();
        break;
    case Choice::Kind:
        openNextLevel(row->name, FoodItems, 0, row->id, 0, true);
        break;
    case Choice::Type:
        openNextLevel(row->name, FoodItems, 0, 0, row->id, true);
        break;
    }
}

void FoodMenuController::openSpeedy(const QString& name, const QString& calories) {
    // A fresh screen each time; the stack deletes it once it is popped.
    auto* speedy = new QuickCalories(false);
    speedy->setOwner(owner());
    if (!name.isEmpty() || !calories.isEmpty()) {
        speedy->setNameString(name);
        speedy->setCalsString(calories);
    }
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(speedy);
    else
        delete speedy;
}

void FoodMenuController::setSelectedItem(std::optional<FoodSimpleDbo> item) {
    const bool chosen = item.has_value();
    SelectFoodController::setSelectedItem(std::move(item));
    if (chosen)
        select();
}

void FoodMenuController::select() {
    const std::optional<FoodSimpleDbo> item = selectedItem();
    if (!item)
        return;
    if (currStage_ == RecentFoods && item->dboId == 0) {
        // A remembered speedy entry: its calories without the fraction.
        const auto whole = static_cast<qint64>(std::trunc(item->numAttribute));
        openSpeedy(item->name, QString::number(whole));
        return;
    }
    if (!addFood_) {
        addFood_ = new AddFoodController(false);
        // Kept for every item chosen on this level, so the stack must not delete it.
        addFood_->setParent(this);
    }
    addFood_->setOwner(owner());
    addFood_->setFoodMenu(this);
    addFood_->setEditMode(false);
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(addFood_);
}

QString FoodMenuController::rowsKey(int section) const {
    return showsFlatList() ? itemsKey : FoodMenuSectionHeaders::letter(section);
}

FoodSimpleDbo FoodMenuController::rowAt(const ui::IndexPath& path) const {
    return data_.value(rowsKey(path.section)).value(path.row);
}

int FoodMenuController::numberOfSections(ui::TableView*) {
    if (showsFlatList())
        return 1;
    return currStage_ == MainMenu ? FoodMenuMainRows::SectionCount : 26;
}

int FoodMenuController::numberOfRows(ui::TableView*, int section) {
    if (!showsFlatList() && currStage_ == MainMenu)
        return FoodMenuMainRows::rowCount(section);
    return static_cast<int>(data_.value(rowsKey(section)).size());
}

void FoodMenuController::configureCell(FoodMenuCell* cell, const ui::IndexPath& path) {
    if (cell->type() == FoodMenuCell::MainMenu) {
        const std::optional<FoodMenuMainRows::Row> row = FoodMenuMainRows::row(path);
        cell->setTexts(row ? row->name : QString(), row ? row->desc : QString());
        cell->setIcon(row ? ControlImages::image(row->image) : QPixmap());
        cell->setAccessoryType(ui::AccessoryType::DisclosureIndicator);
        return;
    }
    const FoodSimpleDbo row = rowAt(path);
    cell->setTexts(row.name, row.numAttribute == 0.0f ? row.desc : QString());
    if (cell->type() == FoodMenuCell::FoodList)
        cell->setBackgroundPixmap(ControlImages::image(QStringLiteral("cell_bg.png")));
}

ui::TableViewCell* FoodMenuController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    int type = FoodMenuCell::FoodList;
    if (!showsFlatList() && currStage_ == MainMenu)
        type = FoodMenuCell::MainMenu;
    else if (!showsFlatList() && currStage_ == Restaurants)
        type = FoodMenuCell::RestaurantList;
    auto* cell =
        qobject_cast<FoodMenuCell*>(table->dequeueReusableCell(FoodMenuCell::keyByType(type)));
    if (!cell)
        cell = new FoodMenuCell(type);
    configureCell(cell, path);
    return cell;
}

QStringList FoodMenuController::sectionIndexTitles(ui::TableView*) {
    if (isSearchResult_ || (currStage_ != Restaurants && currStage_ != FoodItems))
        return {};
    QStringList titles;
    for (int section = 0; section < 26; ++section)
        titles.append(FoodMenuSectionHeaders::letter(section));
    return titles;
}

bool FoodMenuController::canEditRow(ui::TableView*, const ui::IndexPath&) {
    return currStage_ == RecentFoods && !isSearchResult_;
}

void FoodMenuController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                            const ui::IndexPath& path) {
    if (currStage_ != RecentFoods || style != ui::EditingStyle::Delete)
        return;
    QList<FoodSimpleDbo>& rows = data_[itemsKey];
    if (path.row < 0 || path.row >= rows.size())
        return;
    // By its own row: remembered speedy entries all share the item id 0.
    FoodSimpleDbo::deleteRecentFoodRow(rows.at(path.row).rowId);
    rows.removeAt(path.row);
    tableView_->reloadData();
}

QWidget* FoodMenuController::viewForHeader(ui::TableView* table, int section) {
    if (isSearchResult_ || currStage_ == MainMenu || currStage_ == RecentFoods)
        return nullptr;
    if (numberOfRows(table, section) == 0)
        return nullptr;
    return sectionHash_->getSectionByKey(section);
}

int FoodMenuController::heightForHeader(ui::TableView* table, int section) {
    if (currStage_ == MainMenu && !isSearchResult_)
        return -1;
    return viewForHeader(table, section) ? FoodMenuSectionHeaders::Height : 0;
}

int FoodMenuController::heightForFooter(ui::TableView*, int) {
    return currStage_ == MainMenu && !isSearchResult_ ? mainMenuFooterHeight : 0;
}

void FoodMenuController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    if (currStage_ == MainMenu && !isSearchResult_) {
        chooseMainMenuRow(path);
    } else {
        SelectFoodController::setSelectedItem(std::nullopt);
        closeKeyboard();
        if (showsFoodList() || currStage_ == RecentFoods)
            setSelectedItem(rowAt(path));
        else if (currStage_ == Restaurants)
            openNextLevel(rowAt(path).name, FoodItems, rowAt(path).dboId, 0, 0, true);
    }
    table->deselectRow(path, true);
}

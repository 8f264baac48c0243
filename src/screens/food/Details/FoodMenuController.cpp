#include "screens/food/Details/FoodMenuController.h"

#include "screens/common/MenuCell.h"
#include "screens/common/SpeedyCard.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuMainRows.h"
#include "screens/food/Details/FoodMenuSectionHeaders.h"
#include "screens/food/Details/QuickCalories.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SearchBar.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/SearchableList.h"

#include <cmath>

namespace {

constexpr int shortRowHeight = 44;
constexpr int tallRowHeight = 70;
constexpr int mainMenuFooterHeight = 10;

// Restaurants and food lists go under letters; the whole database is searched only on request,
// as each letter would be a full scan.
MenuLevel::Layout foodMenuLayout() {
    return {{MenuStage::Groups, MenuStage::Items, MenuStage::Search},
            {MenuStage::Groups, MenuStage::Items},
            false};
}

} // namespace

FoodMenuController::FoodMenuController(RefresherDelegate* owner, QObject* parent)
    : FoodMenuController(QStringLiteral("Food Menu"), MenuStage::MainMenu, parent) {
    setOwner(owner);
}

FoodMenuController::FoodMenuController(const QString& title, MenuStage stage, QObject* parent)
    : SelectFoodController(parent), level_(foodMenuLayout()),
      sectionHash_(new FoodMenuSectionHeaders) {
    initWithTitle(title, stage);
    setHidesBottomBarWhenPushed(true);
    auto* backItem = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(backItem, &ui::BarButtonItem::triggered, this, &FoodMenuController::back);
    navigationItem()->setLeftBarButtonItem(backItem);
}

FoodMenuController::~FoodMenuController() {
    delete sectionHash_;
}

void FoodMenuController::initWithTitle(const QString& title, MenuStage stage) {
    setTitle(title);
    level_.setStage(stage);
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
    // The style is the one of the stage the level is first shown at.
    const auto style = currStage() == MenuStage::MainMenu ? ui::TableView::Style::Grouped
                                                          : ui::TableView::Style::Plain;
    list_ = SearchableList::fill(root, style, QStringLiteral("Enter food item name"), this, this,
                                 shortRowHeight);
    connect(list_->searchBar(), &ui::SearchBar::textDidChange, this,
            &FoodMenuController::searchBarTextDidChange);
    connect(list_->searchBar(), &ui::SearchBar::searchButtonClicked, this,
            &FoodMenuController::searchBarSearchButtonClicked);
    list_->setSearchBarShown(showsFoodList());
}

ui::SearchBar* FoodMenuController::searchBar() {
    view();
    return list_->searchBar();
}

ui::TableView* FoodMenuController::tableView() {
    view();
    return list_->tableView();
}

void FoodMenuController::setData(FoodGroups data) {
    data_ = std::move(data);
    if (list_)
        list_->tableView()->reloadData();
}

void FoodMenuController::restoreData() {
    view();
    const bool tall = currStage() != MenuStage::MainMenu && currStage() != MenuStage::Groups;
    tableView()->setRowHeight(tall ? tallRowHeight : shortRowHeight);
    list_->setSearchBarShown(showsFoodList());
    switch (currStage()) {
    case MenuStage::Groups:
        setData(FoodSimpleDbo::getRestaurantsList());
        break;
    case MenuStage::Items:
        // A level without a filter keeps the list it had.
        if (restaurantId_ > 0)
            setData(FoodSimpleDbo::getFoodByRestaurant(restaurantId_));
        else if (kindId_ > 0)
            setData(FoodSimpleDbo::getFoodByKind(kindId_));
        else if (typeId_ > 0)
            setData(FoodSimpleDbo::getFoodByType(typeId_));
        else
            tableView()->reloadData();
        break;
    case MenuStage::Recent:
        setData(FoodSimpleDbo::getRecentFood());
        break;
    default:
        setData({});
        break;
    }
}

void FoodMenuController::searchBarTextDidChange(const QString& text) {
    if (level_.searchesWhileTyping())
        runSearch(text);
}

void FoodMenuController::searchBarSearchButtonClicked() {
    if (!level_.searchesWhileTyping())
        runSearch(searchBar()->text());
    closeKeyboard();
}

void FoodMenuController::runSearch(const QString& text) {
    const MenuLevel::SearchChange change = level_.searchTextChanged(text);
    if (change.search) {
        if (list_)
            list_->setSearchBarShown(true);
        setData(FoodSimpleDbo::searchFoodItems(text, restaurantId_, kindId_, typeId_));
        return;
    }
    if (change.closeKeyboard && list_)
        list_->closeKeyboardSoon();
    if (change.restoreList)
        restoreData();
}

void FoodMenuController::closeKeyboard() {
    if (list_)
        list_->closeKeyboard();
}

FoodMenuController* FoodMenuController::nextStep() {
    if (!nextStep_)
        nextStep_ = new FoodMenuController(QStringLiteral("Need reset"), MenuStage::MainMenu, this);
    return nextStep_;
}

void FoodMenuController::resetNextStepSearch() {
    FoodMenuController* next = nextStep();
    if (next->list_)
        next->list_->searchBar()->setText(QString());
    next->searchBarTextDidChange(QString());
    next->setIsSearchResult(false);
}

void FoodMenuController::back() {
    if (list_)
        list_->reset();
    setIsSearchResult(false);
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

void FoodMenuController::openNextLevel(const QString& title, MenuStage stage, int restaurantId,
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
    if (!row->opens) {
        pushSpeedy<QuickCalories>(navigationController(), owner());
        return;
    }
    using Choice = FoodMenuMainRows::Choice;
    const int kindId = row->choice == Choice::Kind ? row->id : 0;
    const int typeId = row->choice == Choice::Type ? row->id : 0;
    // Every level but the recent foods and the restaurants opens through an emptied search.
    const bool viaSearch = *row->opens == MenuStage::Items || *row->opens == MenuStage::Search;
    openNextLevel(row->title, *row->opens, 0, kindId, typeId, viaSearch);
    if (row->choice == Choice::SearchDatabase) {
        nextStep()->searchBar()->setText(QString());
        nextStep()->searchBar()->becomeFirstResponder();
    }
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
    if (currStage() == MenuStage::Recent && item->dboId == 0) {
        // A remembered speedy entry: its calories without the fraction.
        const auto whole = static_cast<qint64>(std::trunc(item->numAttribute));
        pushSpeedy<QuickCalories>(navigationController(), owner(), item->name,
                                  QString::number(whole));
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

FoodSimpleDbo FoodMenuController::rowAt(const ui::IndexPath& path) const {
    return data_.value(level_.rowsKey(path.section)).value(path.row);
}

int FoodMenuController::numberOfSections(ui::TableView*) {
    return level_.isMainMenu() ? FoodMenuMainRows::SectionCount : level_.listSectionCount();
}

int FoodMenuController::numberOfRows(ui::TableView*, int section) {
    if (level_.isMainMenu())
        return FoodMenuMainRows::rowCount(section);
    return static_cast<int>(data_.value(level_.rowsKey(section)).size());
}

void FoodMenuController::configureCell(MenuCell* cell, const ui::IndexPath& path) {
    if (cell->type() == MenuCell::MainMenu) {
        const std::optional<FoodMenuMainRows::Row> row = FoodMenuMainRows::row(path);
        cell->setTexts(row ? row->name : QString(), row ? row->desc : QString());
        cell->setIcon(row ? ControlImages::image(row->image) : QPixmap());
        cell->setAccessoryType(ui::AccessoryType::DisclosureIndicator);
        return;
    }
    const FoodSimpleDbo row = rowAt(path);
    cell->setTexts(row.name, row.numAttribute == 0.0f ? row.desc : QString());
    if (cell->type() == MenuCell::ItemList)
        cell->setBackgroundPixmap(ControlImages::image(QStringLiteral("cell_bg.png")));
}

ui::TableViewCell* FoodMenuController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    int type = MenuCell::ItemList;
    if (level_.isMainMenu())
        type = MenuCell::MainMenu;
    else if (!showsFlatList() && currStage() == MenuStage::Groups)
        type = MenuCell::RestaurantList;
    auto* cell = table->reusableCell<MenuCell>(MenuCell::keyByType(type),
                                               [type] { return new MenuCell(type); });
    configureCell(cell, path);
    return cell;
}

QStringList FoodMenuController::sectionIndexTitles(ui::TableView*) {
    QStringList titles;
    if (level_.showsLetterIndex())
        for (int section = 0; section < MenuLevel::LetterCount; ++section)
            titles.append(MenuLevel::letter(section));
    return titles;
}

bool FoodMenuController::canEditRow(ui::TableView*, const ui::IndexPath&) {
    return level_.canDeleteRows();
}

void FoodMenuController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                            const ui::IndexPath& path) {
    if (!level_.canDeleteRows() || style != ui::EditingStyle::Delete)
        return;
    QList<FoodSimpleDbo>& rows = data_[level_.rowsKey(path.section)];
    if (path.row < 0 || path.row >= rows.size())
        return;
    // By its own row: remembered speedy entries all share the item id 0.
    FoodSimpleDbo::deleteRecentFoodRow(rows.at(path.row).rowId);
    rows.removeAt(path.row);
    tableView()->reloadData();
}

QWidget* FoodMenuController::viewForHeader(ui::TableView* table, int section) {
    if (!level_.showsLetterHeaders() || numberOfRows(table, section) == 0)
        return nullptr;
    return sectionHash_->getSectionByKey(section);
}

int FoodMenuController::heightForHeader(ui::TableView* table, int section) {
    if (level_.isMainMenu())
        return -1;
    return viewForHeader(table, section) ? FoodMenuSectionHeaders::Height : 0;
}

int FoodMenuController::heightForFooter(ui::TableView*, int) {
    return level_.isMainMenu() ? mainMenuFooterHeight : 0;
}

void FoodMenuController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    if (level_.isMainMenu()) {
        chooseMainMenuRow(path);
    } else {
        SelectFoodController::setSelectedItem(std::nullopt);
        closeKeyboard();
        if (showsFoodList() || currStage() == MenuStage::Recent)
            setSelectedItem(rowAt(path));
        else if (currStage() == MenuStage::Groups)
            openNextLevel(rowAt(path).name, MenuStage::Items, rowAt(path).dboId, 0, 0, true);
    }
    table->deselectRow(path, true);
}

#include "screens/exercise/Details/ExerciseMenuController.h"

#include "core/text/ConvertUtil.h"
#include "screens/common/MenuCell.h"
#include "screens/common/SpeedyCard.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SearchBar.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/SearchableList.h"

#include <cmath>
#include <iterator>

namespace {

constexpr int rowHeight = 44;
constexpr int mainMenuFooterHeight = 10;

using Choice = ExerciseMenuController::Choice;
using MainRow = ExerciseMenuController::MainRow;

// The fixed rows of the main menu: two in its first section, one in its second.
const FixedMenuRow<Choice> fixedRows[] = {
    {Choice::RecentExercises, "Recent Exercises", "Pick recently exercised activities",
     "recent.png", MenuStage::Recent, "Recent Exercise Items"},
    {Choice::SpeedyCalories, "Speedy Exercise Calories", "Enter only calories", "quick_add.png",
     std::nullopt},
    {Choice::SearchDatabase, "Search Database", "Search exercise database", "database.png",
     MenuStage::Search, "Search Database"},
};

// Flat lists only, searched as the user types.
MenuLevel::Layout exerciseMenuLayout() {
    return {{}, {}, true};
}

} // namespace

ExerciseMenuController::ExerciseMenuController(RefresherDelegate* owner, QObject* parent)
    : ExerciseMenuController(QStringLiteral("Exercise Menu"), MenuStage::MainMenu, parent) {
    setOwner(owner);
}

ExerciseMenuController::ExerciseMenuController(const QString& title, MenuStage stage,
                                               QObject* parent)
    : SelectExerciseController(parent), level_(exerciseMenuLayout()) {
    initWithTitle(title, stage);
    setHidesBottomBarWhenPushed(true);
    auto* backItem = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(backItem, &ui::BarButtonItem::triggered, this, &ExerciseMenuController::back);
    navigationItem()->setLeftBarButtonItem(backItem);
}

ExerciseMenuController::~ExerciseMenuController() = default;

void ExerciseMenuController::initWithTitle(const QString& title, MenuStage stage) {
    setTitle(title);
    level_.setStage(stage);
    categoryId_ = 0;
}

void ExerciseMenuController::loadView() {
    QVXViewController::loadView();
    QWidget* root = ui::ViewController::view();
    // Without the tab bar the level has the whole screen under the navigation bar.
    root->resize(ui::Metrics::ScreenWidth, ui::Metrics::FullContentHeight);
    const auto style = currStage() == MenuStage::MainMenu ? ui::TableView::Style::Grouped
                                                          : ui::TableView::Style::Plain;
    list_ = SearchableList::fill(root, style, QStringLiteral("Enter exercise name"), this, this,
                                 rowHeight);
    connect(list_->searchBar(), &ui::SearchBar::textDidChange, this,
            &ExerciseMenuController::searchBarTextDidChange);
    connect(list_->searchBar(), &ui::SearchBar::searchButtonClicked, this,
            &ExerciseMenuController::closeKeyboard);
    restoreData();
}

ui::SearchBar* ExerciseMenuController::searchBar() {
    view();
    return list_->searchBar();
}

ui::TableView* ExerciseMenuController::tableView() {
    view();
    return list_->tableView();
}

void ExerciseMenuController::setData(QList<ExerciseDbo> data) {
    data_ = std::move(data);
    if (list_)
        list_->tableView()->reloadData();
}

void ExerciseMenuController::restoreData() {
    view();
    list_->setSearchBarShown(level_.showsItemList());
    switch (currStage()) {
    case MenuStage::MainMenu:
        setData(ExerciseDbo::getCategories(false).value_or(QList<ExerciseDbo>()));
        break;
    case MenuStage::Items:
        setData(ExerciseDbo::getExercisesByCategory(categoryId_).value_or(QList<ExerciseDbo>()));
        break;
    case MenuStage::Recent:
        setData(ExerciseDbo::getRecentExercises());
        break;
    default:
        setData({});
        break;
    }
}

void ExerciseMenuController::searchBarTextDidChange(const QString& text) {
    const MenuLevel::SearchChange change = level_.searchTextChanged(text);
    if (change.search) {
        // The typed text itself, blanks and commas included; only its length ignores them.
        setData(ExerciseDbo::searchExerciseUsingTemplate(text, categoryId_)
                    .value_or(QList<ExerciseDbo>()));
        return;
    }
    if (change.closeKeyboard && list_)
        list_->closeKeyboardSoon();
    if (change.restoreList)
        restoreData();
}

void ExerciseMenuController::closeKeyboard() {
    if (list_)
        list_->closeKeyboard();
}

ExerciseMenuController* ExerciseMenuController::nextStep() {
    if (!nextStep_)
        nextStep_ =
            new ExerciseMenuController(QStringLiteral("Need reset"), MenuStage::MainMenu, this);
    return nextStep_;
}

void ExerciseMenuController::back() {
    if (list_)
        list_->reset();
    SelectExerciseController::setSelectedItem(std::nullopt);
    if (ui::BarButtonItem* right = navigationItem()->rightBarButtonItem())
        right->setEnabled(false);
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

std::optional<MainRow> ExerciseMenuController::mainRow(const ui::IndexPath& path) const {
    if (path.row < 0)
        return std::nullopt;
    if (path.section == 0 || path.section == 1) {
        const int index = path.section * 2 + path.row;
        if (path.row >= 2 || index >= int(std::size(fixedRows)))
            return std::nullopt;
        return fixedRows[index].row();
    }
    if (path.section != 2 || path.row >= data_.size())
        return std::nullopt;
    const ExerciseDbo& category = data_.at(path.row);
    return MainRow{Choice::Category, category.name, category.desc, category.icon,
                   MenuStage::Items, category.name, category.dboId};
}

void ExerciseMenuController::chooseMainMenuRow(const ui::IndexPath& path) {
    const std::optional<MainRow> row = mainRow(path);
    if (!row)
        return;
    if (!row->opens)
        pushSpeedy<QuickExercise>(navigationController(), owner());
    else
        openNextLevel(*row);
}

void ExerciseMenuController::openNextLevel(const MainRow& row) {
    ExerciseMenuController* next = nextStep();
    next->initWithTitle(row.title, *row.opens);
    next->setCategoryId(row.id);
    next->restoreData();
    next->setOwner(owner());
    // A list that can be searched starts from an empty search; the catalogue search also takes
    // the keyboard at once.
    if (row.choice != Choice::RecentExercises)
        next->searchBar()->setText(QString());
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(next);
    if (row.choice == Choice::SearchDatabase)
        next->searchBar()->becomeFirstResponder();
}

void ExerciseMenuController::setSelectedItem(std::optional<ExerciseDbo> item) {
    const bool chosen = item.has_value();
    SelectExerciseController::setSelectedItem(std::move(item));
    if (chosen)
        select();
}

void ExerciseMenuController::select() {
    const std::optional<ExerciseDbo>& item = selectedItem();
    if (!item)
        return;
    if (currStage() == MenuStage::Recent && !isSearchResult() && item->dboId == 0) {
        // A remembered speedy entry: its calories without the fraction.
        const auto whole = static_cast<qint64>(std::trunc(item->calories));
        pushSpeedy<QuickExercise>(navigationController(), owner(), item->name,
                                  ConvertUtil::nsInteger2str(whole));
        return;
    }
    if (!AddExerciseController::checkRecordable(item))
        return;
    if (!addExercise_) {
        addExercise_ = new AddExerciseController(false);
        // Kept for every exercise chosen on this level, so the stack must not delete it.
        addExercise_->setParent(this);
    }
    addExercise_->setOwner(owner());
    addExercise_->setExerciseMenu(this);
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(addExercise_);
}

ExerciseDbo ExerciseMenuController::rowAt(const ui::IndexPath& path) const {
    return path.section == 0 ? data_.value(path.row) : ExerciseDbo();
}

int ExerciseMenuController::numberOfSections(ui::TableView*) {
    return level_.isMainMenu() ? MainSectionCount : 1;
}

int ExerciseMenuController::numberOfRows(ui::TableView*, int section) {
    if (!level_.isMainMenu())
        return section == 0 ? int(data_.size()) : 0;
    switch (section) {
    case 0:
        return 2;
    case 1:
        return 1;
    case 2:
        return int(data_.size());
    default:
        return 0;
    }
}

void ExerciseMenuController::configureCell(MenuCell* cell, const ui::IndexPath& path) const {
    if (cell->type() == MenuCell::MainMenu) {
        const std::optional<MainRow> row = mainRow(path);
        cell->setTexts(row ? row->name : QString(), row ? row->desc : QString());
        const bool hasImage = row && !row->image.isEmpty();
        cell->setIcon(hasImage ? ControlImages::image(row->image) : QPixmap());
        cell->setAccessoryType(ui::AccessoryType::DisclosureIndicator);
        return;
    }
    cell->setTexts(rowAt(path).name, QString());
    cell->setBackgroundPixmap(ControlImages::image(QStringLiteral("cell_bg.png")));
}

ui::TableViewCell* ExerciseMenuController::cellForRow(ui::TableView* table,
                                                      const ui::IndexPath& path) {
    const int type = level_.isMainMenu() ? MenuCell::MainMenu : MenuCell::ItemList;
    auto* cell = qobject_cast<MenuCell*>(table->dequeueReusableCell(MenuCell::keyByType(type)));
    if (!cell)
        cell = new MenuCell(type);
    configureCell(cell, path);
    return cell;
}

bool ExerciseMenuController::canEditRow(ui::TableView*, const ui::IndexPath&) {
    return level_.canDeleteRows();
}

void ExerciseMenuController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                                const ui::IndexPath& path) {
    if (!level_.canDeleteRows() || style != ui::EditingStyle::Delete || path.section != 0 ||
        path.row < 0 || path.row >= data_.size())
        return;
    // By its own row: remembered speedy entries all share the item id 0, and a catalogue
    // exercise is listed once anyway.
    ExerciseDbo::deleteRecentExerciseRow(data_.at(path.row).rowId);
    data_.removeAt(path.row);
    tableView()->reloadData();
}

int ExerciseMenuController::heightForFooter(ui::TableView*, int) {
    return level_.isMainMenu() ? mainMenuFooterHeight : 0;
}

void ExerciseMenuController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    if (level_.isMainMenu()) {
        chooseMainMenuRow(path);
    } else {
        SelectExerciseController::setSelectedItem(std::nullopt);
        closeKeyboard();
        if (path.section == 0 && path.row >= 0 && path.row < data_.size())
            setSelectedItem(rowAt(path));
    }
    table->deselectRow(path, true);
}

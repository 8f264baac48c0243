#pragma once

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/common/MenuLevel.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

class AddFoodController;
class MenuCell;
class FoodMenuSectionHeaders;
class SearchableList;
namespace ui {
class SearchBar;
class TableView;
} // namespace ui

// One level of the food menu: the main menu, the restaurants (MenuStage::Groups), the food
// items of a restaurant, kind or type, the recent foods, or the database search. Restaurant and
// food lists are grouped under the letters A to Z with an index and can be narrowed by name
// with the search bar. Each level keeps the level below it (nextStep) and reconfigures it for
// every choice.
class FoodMenuController : public SelectFoodController,
                           public ui::TableViewDataSource,
                           public ui::TableViewDelegate {
    Q_OBJECT
public:
    // The first level, "Food Menu" at the main menu, for the diary screen that opens it.
    explicit FoodMenuController(RefresherDelegate* owner, QObject* parent = nullptr);
    FoodMenuController(const QString& title, MenuStage stage, QObject* parent = nullptr);
    ~FoodMenuController() override;

    // Sets the title and stage and clears the search state and the three filters.
    void initWithTitle(const QString& title, MenuStage stage);

    MenuStage currStage() const { return level_.stage(); }
    bool isSearchResult() const { return level_.isSearchResult(); }
    void setIsSearchResult(bool on) { level_.setSearchResult(on); }
    const FoodGroups& data() const { return data_; }
    // Replaces the rows and reloads the list.
    void setData(FoodGroups data);
    int restaurantId() const { return restaurantId_; }
    int kindId() const { return kindId_; }
    int typeId() const { return typeId_; }
    void setIds(int restaurantId, int kindId, int typeId);

    // The level below, made on first use.
    FoodMenuController* nextStep();
    bool hasNextStep() const { return nextStep_ != nullptr; }
    ui::SearchBar* searchBar();
    ui::TableView* tableView();
    AddFoodController* addFood() const { return addFood_; }

    // A level shows food items while searching and at the food-item and database stages.
    bool showsFoodList() const { return level_.showsItemList(); }
    // Search results and recent foods are one unsectioned list.
    bool showsFlatList() const { return level_.showsFlatList(); }

    // (Re)loads the level's own list for its stage and filters.
    void restoreData();
    // Stores the row and opens the screen for it.
    void setSelectedItem(std::optional<FoodSimpleDbo> item) override;
    void select();
    void back();

    void searchBarTextDidChange(const QString& text);
    void searchBarSearchButtonClicked();
    // Empties the search of the level below, so the next visit starts from its own list.
    void resetNextStepSearch();
    // What the name column is matched against: the text without blanks and commas.
    static QString cleanSearchText(const QString& text) { return MenuLevel::cleanSearchText(text); }

    // Table hooks.
    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    QStringList sectionIndexTitles(ui::TableView* table) override;
    bool canEditRow(ui::TableView* table, const ui::IndexPath& path) override;
    void commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                            const ui::IndexPath& path) override;
    int heightForHeader(ui::TableView* table, int section) override;
    int heightForFooter(ui::TableView* table, int section) override;
    QWidget* viewForHeader(ui::TableView* table, int section) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

    // The catalogue row shown at a path of a list level.
    FoodSimpleDbo rowAt(const ui::IndexPath& path) const;

protected:
    void loadView() override;

private:
    void runSearch(const QString& text);
    void openNextLevel(const QString& title, MenuStage stage, int restaurantId, int kindId,
                       int typeId, bool viaSearch);
    void chooseMainMenuRow(const ui::IndexPath& path);
    void configureCell(MenuCell* cell, const ui::IndexPath& path);
    void closeKeyboard();

    MenuLevel level_;
    FoodGroups data_;
    int restaurantId_ = 0;
    int kindId_ = 0;
    int typeId_ = 0;
    FoodMenuController* nextStep_ = nullptr;
    AddFoodController* addFood_ = nullptr;
    SearchableList* list_ = nullptr;
    FoodMenuSectionHeaders* sectionHash_ = nullptr;
};

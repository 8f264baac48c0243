#pragma once

#include "core/catalogue/ExerciseDbo.h"
#include "screens/common/MenuLevel.h"
#include "screens/exercise/Details/SelectExerciseController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

class AddExerciseController;
class MenuCell;
class SearchableList;
namespace ui {
class SearchBar;
class TableView;
} // namespace ui

// One level of the exercise menu: the main menu (recent exercises, speedy calories, the
// database search and the categories but the speedy one), or one flat list below it: the
// recent exercises, a category's exercises or the search of the whole catalogue. A category's
// list and the catalogue search can be narrowed by name as the user types. Each level keeps
// the level below it (nextStep) and reconfigures it for every choice.
class ExerciseMenuController : public SelectExerciseController,
                               public ui::TableViewDataSource,
                               public ui::TableViewDelegate {
    Q_OBJECT
public:
    enum class Choice { RecentExercises, SpeedyCalories, SearchDatabase, Category };
    using MainRow = MenuRow<Choice>;
    static constexpr int MainSectionCount = 3;

    // The first level, "Exercise Menu" at the main menu, for the diary screen that opens it.
    explicit ExerciseMenuController(RefresherDelegate* owner, QObject* parent = nullptr);
    ExerciseMenuController(const QString& title, MenuStage stage, QObject* parent = nullptr);
    ~ExerciseMenuController() override;

    // Sets the title and stage, and lists all categories until told of one.
    void initWithTitle(const QString& title, MenuStage stage);

    MenuStage currStage() const { return level_.stage(); }
    bool isSearchResult() const { return level_.isSearchResult(); }
    int categoryId() const { return categoryId_; }
    void setCategoryId(int id) { categoryId_ = id; }
    const QList<ExerciseDbo>& data() const { return data_; }
    // Replaces the rows and reloads the list.
    void setData(QList<ExerciseDbo> data);

    // The level below, made on first use.
    ExerciseMenuController* nextStep();
    AddExerciseController* addExercise() const { return addExercise_; }
    ui::SearchBar* searchBar();
    ui::TableView* tableView();

    // (Re)loads the level's own list for its stage.
    void restoreData();
    // Stores the row and, for a row, opens the screen that records it.
    void setSelectedItem(std::optional<ExerciseDbo> item) override;
    void select();
    void back();
    void searchBarTextDidChange(const QString& text);

    // The main menu's row at the path; none outside the menu.
    std::optional<MainRow> mainRow(const ui::IndexPath& path) const;
    // The row shown at a path of a list level.
    ExerciseDbo rowAt(const ui::IndexPath& path) const;

    // Table hooks.
    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    bool canEditRow(ui::TableView* table, const ui::IndexPath& path) override;
    void commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                            const ui::IndexPath& path) override;
    int heightForFooter(ui::TableView* table, int section) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    void loadView() override;

private:
    void chooseMainMenuRow(const ui::IndexPath& path);
    void openNextLevel(const MainRow& row);
    void configureCell(MenuCell* cell, const ui::IndexPath& path) const;
    void closeKeyboard();

    MenuLevel level_;
    QList<ExerciseDbo> data_;
    int categoryId_ = 0;
    ExerciseMenuController* nextStep_ = nullptr;
    AddExerciseController* addExercise_ = nullptr;
    SearchableList* list_ = nullptr;
};

#include "FoodEditorFixture.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/common/MenuCell.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/Details/QuickCalories.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/SearchBar.h"
#include "ui/TableIndexBar.h"
#include "ui/TableView.h"
#include "ui/TextField.h"

#include <QPushButton>
#include <QTest>

// Two catalogue rows are the same row when they name the same thing.
bool operator==(const FoodSimpleDbo& a, const FoodSimpleDbo& b) {
    return a.dboId == b.dboId && a.name == b.name && a.desc == b.desc;
}

namespace {

QStringList recentNames() {
    return diary().lines("select name from recent_food order by id");
}

int totalRows(const FoodGroups& groups) {
    int n = 0;
    for (const QList<FoodSimpleDbo>& rows : groups)
        n += static_cast<int>(rows.size());
    return n;
}

class FoodMenuTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        auto* diaryScreen = new RecordingOwner;
        // The diary screen keeps its menu for the whole run.
        menu = new FoodMenuController(diaryScreen, diaryScreen);
        show(diaryScreen);
        stack->push(menu);
    }

    FoodMenuController* top() const { return stack->top<FoodMenuController>(); }
    // Taps a row of the level on top, the way a finger does.
    void tap(const ui::IndexPath& path) { gui::tapRow(top()->tableView(), path); }
    void type(const QString& text) { gui::type(top()->searchBar()->field(), text); }
    void openRestaurant(const QString& name) {
        tap({1, 0});
        const QString letter = name.left(1).toUpper();
        const QList<FoodSimpleDbo> rows = top()->data().value(letter);
        int index = 0;
        while (index < rows.size() && rows.at(index).name != name)
            ++index;
        ASSERT_LT(index, rows.size()) << qPrintable(name);
        tap({letter.at(0).unicode() - 'A', index});
    }
    QString cellName(const ui::IndexPath& path) {
        ui::TableView* list = top()->tableView();
        list->scrollToRow(path);
        gui::settle();
        auto* cell = qobject_cast<MenuCell*>(list->cellForRow(path));
        return cell ? cell->nameLabel()->text() : QString();
    }

    FoodMenuController* menu = nullptr;
};

} // namespace

TEST_F(FoodMenuTest, MainMenuListsTheFourEntriesThenKindsAndTypes) {
    ui::TableView* list = menu->tableView();
    ASSERT_EQ(list->numberOfSections(), 4);
    EXPECT_EQ(list->numberOfRows(0), 2);
    EXPECT_EQ(list->numberOfRows(1), 2);
    EXPECT_EQ(list->numberOfRows(2), FoodSimpleDbo::getFoodKinds().size());
    EXPECT_EQ(list->numberOfRows(3), FoodSimpleDbo::getFoodTypes().size());
    EXPECT_EQ(cellName({0, 1}), "Speedy Food Calories");
    EXPECT_EQ(cellName({1, 1}), "Search Database");
    EXPECT_EQ(cellName({3, 1}), FoodSimpleDbo::getFoodTypes().at(1).name);
    EXPECT_FALSE(menu->searchBar()->isVisible());
    EXPECT_TRUE(list->indexBar()->titles().isEmpty());
}

TEST_F(FoodMenuTest, RestaurantsAreSectionedByLetterWithAnIndex) {
    tap({1, 0});
    FoodMenuController* level = top();
    ASSERT_NE(level, menu);
    ui::TableView* list = level->tableView();
    EXPECT_EQ(list->indexBar()->titles().size(), 26);
    EXPECT_FALSE(level->searchBar()->isVisible());

    const FoodGroups shipped = FoodSimpleDbo::getRestaurantsList();
    for (int section = 0; section < 26; ++section) {
        const QString letter(QChar('A' + section));
        EXPECT_EQ(list->numberOfRows(section), shipped.value(letter).size()) << section;
        // Only letters with restaurants get a header.
        EXPECT_EQ(level->viewForHeader(list, section) != nullptr, !shipped.value(letter).isEmpty());
    }
    const int m = 'M' - 'A';
    QWidget* header = level->viewForHeader(list, m);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->findChild<ui::Label*>("letter")->text(), "M");
    EXPECT_EQ(cellName({m, 0}), shipped.value("M").first().name);
}

TEST_F(FoodMenuTest, SearchInsideARestaurantNeedsTwoLettersAndClearingOrBackRestoresIt) {
    openRestaurant("Wendy's");
    FoodMenuController* level = top();
    EXPECT_GT(level->restaurantId(), 0);
    const FoodGroups full = FoodSimpleDbo::getFoodByRestaurant(level->restaurantId());
    ASSERT_GT(totalRows(full), 2);
    EXPECT_EQ(level->data(), full);

    type("f");
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->tableView()->numberOfSections(), 26);

    type("r");
    ASSERT_TRUE(level->isSearchResult());
    const QList<FoodSimpleDbo> found = level->data().value("items");
    ASSERT_FALSE(found.isEmpty());
    EXPECT_LT(found.size(), totalRows(full));
    for (const FoodSimpleDbo& row : found) {
        EXPECT_TRUE(FoodMenuController::cleanSearchText(row.name).toLower().contains("fr"))
            << qPrintable(row.name);
        // Only the restaurant's own items.
        EXPECT_TRUE(full.value(row.name.left(1).toUpper()).contains(row)) << qPrintable(row.name);
    }
    EXPECT_EQ(level->tableView()->numberOfSections(), 1);
    EXPECT_TRUE(level->tableView()->indexBar()->titles().isEmpty());
    EXPECT_EQ(level->viewForHeader(level->tableView(), 0), nullptr);

    // Below two letters again, the whole list with its index is back; when each text searches is
    // MenuLevelTest's.
    QTest::keyClick(level->searchBar()->field(), Qt::Key_Backspace);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->data(), full);
    EXPECT_EQ(level->tableView()->indexBar()->titles().size(), 26);

    // Back empties the search and leaves the level.
    type("chicken");
    click("Back");
    EXPECT_NE(top(), level);
    EXPECT_TRUE(level->searchBar()->text().isEmpty());
    EXPECT_FALSE(level->isSearchResult());
}

TEST_F(FoodMenuTest, DatabaseSearchWaitsForTheSearchButtonAndIgnoresBlanksAndCommas) {
    tap({1, 1});
    FoodMenuController* level = top();
    EXPECT_TRUE(level->searchBar()->isFirstResponder());

    type("butter, salted");
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(totalRows(level->data()), 0);

    QTest::keyClick(level->searchBar()->field(), Qt::Key_Return);
    ASSERT_TRUE(level->isSearchResult());
    // The joined words' matches lead; the items holding both words apart follow.
    const QList<FoodSimpleDbo> joined =
        FoodSimpleDbo::searchFoodItems("buttersalted", 0, 0, 0).value("items");
    const QList<FoodSimpleDbo> found = level->data().value("items");
    EXPECT_EQ(found.mid(0, joined.size()), joined);
    EXPECT_GT(found.size(), joined.size());
    EXPECT_GT(level->tableView()->numberOfRows(0), 0);
    EXPECT_FALSE(level->searchBar()->isFirstResponder());

    // One letter left after cleaning does not search.
    level->searchBar()->setText(" b, ");
    QTest::keyClick(level->searchBar()->field(), Qt::Key_Return);
    EXPECT_FALSE(level->isSearchResult());
}

TEST_F(FoodMenuTest, OneNextLevelServesKindsAndTypesAndResettingItsSearchRestoresItsList) {
    // Before any choice the next level stays unbuilt; built later it gets the plain style.
    menu->resetNextStepSearch();
    ASSERT_TRUE(menu->hasNextStep());
    EXPECT_FALSE(menu->nextStep()->isViewLoaded());

    const FoodSimpleDbo kind = FoodSimpleDbo::getFoodKinds().at(1);
    tap({2, 1});
    FoodMenuController* level = top();
    EXPECT_EQ(level->tableView()->style(), ui::TableView::Style::Plain);
    EXPECT_EQ(level->title(), kind.name);
    EXPECT_EQ(level->kindId(), kind.dboId);
    EXPECT_EQ(level->data(), FoodSimpleDbo::getFoodByKind(kind.dboId));
    // Built while being pushed, the list still shows.
    EXPECT_TRUE(level->tableView()->isVisible());
    EXPECT_FALSE(level->tableView()->indexPathsForVisibleRows().empty());
    level->back();
    EXPECT_EQ(top(), menu);

    // The same next level is reused for a type, with the kind filter gone.
    const FoodSimpleDbo type0 = FoodSimpleDbo::getFoodTypes().at(0);
    tap({3, 0});
    EXPECT_EQ(top(), level);
    EXPECT_EQ(level->kindId(), 0);
    EXPECT_EQ(level->typeId(), type0.dboId);
    EXPECT_EQ(level->data(), FoodSimpleDbo::getFoodByType(type0.dboId));
    type("cheese");
    ASSERT_TRUE(level->isSearchResult());
    EXPECT_EQ(level->data(), FoodSimpleDbo::searchFoodItems("cheese", 0, 0, type0.dboId));

    stack->nav()->popToRootViewController(false);
    menu->resetNextStepSearch();
    EXPECT_EQ(menu->nextStep(), level);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_TRUE(level->searchBar()->text().isEmpty());
    EXPECT_EQ(level->data(), FoodSimpleDbo::getFoodByType(type0.dboId));
    EXPECT_EQ(level->tableView()->numberOfSections(), 26);
}

TEST_F(FoodMenuTest, ARememberedEntryOpensWithItsWholeCaloriesAndDeletingForgetsOnlyThatRow) {
    FoodSimpleDbo::getRecentFood(); // the user's database is made on first use
    diary().exec("insert into recent_food (food_item_id, name, calories) values (0, 'Apple pie', "
                 "300), (0, 'Birthday cake', 249.6), (0, 'Chips', 300)");
    // Only recent foods can be deleted.
    EXPECT_FALSE(menu->canEditRow(menu->tableView(), {0, 0}));

    tap({0, 0});
    FoodMenuController* level = top();
    ASSERT_EQ(level->tableView()->numberOfRows(0), 3);
    EXPECT_EQ(cellName({0, 1}), "Birthday cake");
    // Remembered entries show no description line.
    EXPECT_TRUE(qobject_cast<MenuCell*>(level->tableView()->cellForRow({0, 1}))
                    ->descLabel()
                    ->text()
                    .isEmpty());
    tap({0, 1});
    auto* speedy = stack->top<QuickCalories>();
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->name()->text(), "Birthday cake");
    // The fraction is dropped, never rounded up.
    EXPECT_EQ(speedy->calories()->text(), "249");
    stack->nav()->popViewController(false);

    level->tableView()->showDeleteConfirmation({0, 1});
    ASSERT_NE(level->tableView()->deleteButton(), nullptr);
    QTest::mouseClick(level->tableView()->deleteButton(), Qt::LeftButton);
    gui::settle();
    EXPECT_EQ(recentNames(), QStringList({"Apple pie", "Chips"}));
    ASSERT_EQ(level->tableView()->numberOfRows(0), 2);
    EXPECT_EQ(cellName({0, 1}), "Chips");
}

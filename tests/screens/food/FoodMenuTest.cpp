#include "TestEnv.h"

#include "AddFoodController.h"
#include "BarButton.h"
#include "BarButtonItem.h"
#include "Clock.h"
#include "FoodMenuCell.h"
#include "FoodMenuController.h"
#include "FoodMenuSectionHeaders.h"
#include "FoodSimpleDbo.h"
#include "Label.h"
#include "NavigationController.h"
#include "Paths.h"
#include "PickerView.h"
#include "QuickCalories.h"
#include "RefresherDelegate.h"
#include "SavedFoodDbo.h"
#include "SearchBar.h"
#include "TableIndexBar.h"
#include "TableView.h"
#include "TextField.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <sqlite3.h>

// Two catalogue rows are the same row when they name the same thing.
bool operator==(const FoodSimpleDbo& a, const FoodSimpleDbo& b) {
    return a.dboId == b.dboId && a.name == b.name && a.desc == b.desc;
}

namespace {

struct RefreshCounter : RefresherDelegate {
    int refreshes = 0;
    void refreshData() override { ++refreshes; }
};

// Reads the user's database past the code under test.
QStringList recentNames() {
    sqlite3* db = nullptr;
    const QString path = Paths::dataDir() + "/common.db";
    QStringList names;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "select name from recent_food order by id", -1, &stmt,
                               nullptr) == SQLITE_OK)
            while (sqlite3_step(stmt) == SQLITE_ROW)
                names.append(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return names;
}

int countRows(const QString& sql) {
    sqlite3* db = nullptr;
    const QString path = Paths::dataDir() + "/common.db";
    int count = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            count = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return count;
}

// A remembered entry as another version may have stored it, with calories not whole.
void rememberRaw(const QString& name, const QString& calories) {
    FoodSimpleDbo::getRecentFood(); // the user's database is made on first use
    sqlite3* db = nullptr;
    const QString path = Paths::dataDir() + "/common.db";
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    const QString sql = QStringLiteral("insert into recent_food (food_item_id, name, calories) "
                                       "values (0, '%1', %2)")
                            .arg(name, calories);
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void saveSpeedy(const QString& name, float calories) {
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setName(name);
    entry->setResultCalories(calories);
    entry->setDate(QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    entry->getKindImage();
    entry->save();
}

int restaurantId(const QString& name) {
    for (const QList<FoodSimpleDbo>& letter : FoodSimpleDbo::getRestaurantsList())
        for (const FoodSimpleDbo& row : letter)
            if (row.name == name)
                return row.dboId;
    return 0;
}

int totalRows(const FoodGroups& groups) {
    int n = 0;
    for (const QList<FoodSimpleDbo>& rows : groups)
        n += static_cast<int>(rows.size());
    return n;
}

class FoodMenuTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
        root = new ui::ViewController;
        nav = std::make_unique<ui::NavigationController>(root);
        // The diary screen keeps its menu for the whole run.
        menu = new FoodMenuController(&owner, root);
        nav->view()->resize(320, 416);
        nav->view()->show();
        nav->pushViewController(menu, false);
        QApplication::processEvents();
    }
    void TearDown() override {
        delete nav->view();
        nav.reset();
        QuorvelTest::TearDown();
    }

    FoodMenuController* top() const {
        return qobject_cast<FoodMenuController*>(nav->topViewController());
    }
    // Taps a row of the level on top, the way a finger does.
    void tap(const ui::IndexPath& path) {
        ui::TableView* list = top()->tableView();
        list->scrollToRow(path);
        QApplication::processEvents();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rectForRow(path).center());
        QApplication::processEvents();
    }
    void type(const QString& text) {
        QTest::keyClicks(top()->searchBar()->field(), text);
        QApplication::processEvents();
    }
    // The section of the main menu's row of a kind or type.
    static ui::IndexPath mainRow(int section, const QString& name) {
        const QList<FoodSimpleDbo> rows =
            section == 2 ? FoodSimpleDbo::getFoodKinds() : FoodSimpleDbo::getFoodTypes();
        for (int i = 0; i < rows.size(); ++i)
            if (rows.at(i).name == name)
                return {section, i};
        return {};
    }
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
    // On the add screen the menu pushed: one portion, saved.
    void saveOnePortion(const FoodSimpleDbo& expected) {
        auto* add = qobject_cast<AddFoodController*>(nav->topViewController());
        ASSERT_NE(add, nullptr);
        EXPECT_FALSE(add->isEditMode());
        EXPECT_EQ(add->owner(), &owner);
        ASSERT_NE(add->foodMenu(), nullptr);
        ASSERT_TRUE(add->foodMenu()->selectedItem().has_value());
        EXPECT_EQ(add->foodMenu()->selectedItem()->dboId, expected.dboId);
        add->portion()->selectRow(1, 0, false);
        add->didSelectRow(add->portion(), 1, 0);
        const int before = owner.refreshes;
        add->doSave();
        QApplication::processEvents();
        EXPECT_EQ(owner.refreshes, before + 1);
        EXPECT_EQ(nav->topViewController(), root);
        EXPECT_EQ(countRows(QStringLiteral("select count(*) from saved_food where "
                                           "food_item_id = %1 and portions_count = '1.000'")
                                .arg(expected.dboId)),
                  1);
        // The diary's add button opens the menu again.
        nav->pushViewController(menu, false);
        QApplication::processEvents();
    }
    QString cellName(const ui::IndexPath& path) {
        ui::TableView* list = top()->tableView();
        list->scrollToRow(path);
        QApplication::processEvents();
        auto* cell = qobject_cast<FoodMenuCell*>(list->cellForRow(path));
        return cell ? cell->nameLabel()->text() : QString();
    }

    RefreshCounter owner;
    ui::ViewController* root = nullptr;
    std::unique_ptr<ui::NavigationController> nav;
    FoodMenuController* menu = nullptr;
};

} // namespace

TEST_F(FoodMenuTest, MainMenuListsTheFourEntriesThenKindsAndTypes) {
    ui::TableView* list = menu->tableView();
    EXPECT_EQ(list->style(), ui::TableView::Style::Grouped);
    ASSERT_EQ(list->numberOfSections(), 4);
    EXPECT_EQ(list->numberOfRows(0), 2);
    EXPECT_EQ(list->numberOfRows(1), 2);
    EXPECT_EQ(list->numberOfRows(2), FoodSimpleDbo::getFoodKinds().size());
    EXPECT_EQ(list->numberOfRows(3), FoodSimpleDbo::getFoodTypes().size());
    EXPECT_EQ(cellName({0, 0}), "Recent Food Items");
    EXPECT_EQ(cellName({0, 1}), "Speedy Food Calories");
    EXPECT_EQ(cellName({1, 0}), "Browse Restaurants");
    EXPECT_EQ(cellName({1, 1}), "Search Database");
    EXPECT_EQ(cellName({3, 1}), FoodSimpleDbo::getFoodTypes().at(1).name);
    EXPECT_FALSE(menu->searchBar()->isVisible());
    EXPECT_TRUE(list->indexBar()->titles().isEmpty());
    EXPECT_TRUE(menu->hidesBottomBarWhenPushed());
}

TEST_F(FoodMenuTest, RestaurantsAreSectionedByLetterWithAnIndexAndCachedHeaders) {
    tap({1, 0});
    FoodMenuController* level = top();
    ASSERT_NE(level, menu);
    EXPECT_EQ(level->title(), "Browse Restaurants");
    EXPECT_EQ(level->currStage(), FoodMenuController::Restaurants);
    ui::TableView* list = level->tableView();
    EXPECT_EQ(list->style(), ui::TableView::Style::Plain);
    EXPECT_EQ(list->numberOfSections(), 26);
    EXPECT_EQ(list->indexBar()->titles().size(), 26);
    EXPECT_EQ(list->rowHeight(), 44);
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
    list->reloadData();
    EXPECT_EQ(level->viewForHeader(list, m), header);
    EXPECT_EQ(cellName({m, 0}), shipped.value("M").first().name);
}

TEST_F(FoodMenuTest, SearchInsideARestaurantNeedsTwoLettersAndClearingRestoresTheLetters) {
    openRestaurant("Wendy's");
    FoodMenuController* level = top();
    EXPECT_EQ(level->title(), "Wendy's");
    EXPECT_EQ(level->currStage(), FoodMenuController::FoodItems);
    EXPECT_EQ(level->restaurantId(), restaurantId("Wendy's"));
    EXPECT_TRUE(level->searchBar()->isVisible());
    EXPECT_EQ(level->tableView()->rowHeight(), 70);
    const FoodGroups full = FoodSimpleDbo::getFoodByRestaurant(level->restaurantId());
    ASSERT_GT(totalRows(full), 2);
    EXPECT_EQ(level->data(), full);

    type("f");
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->data(), full);
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

    QTest::keyClick(level->searchBar()->field(), Qt::Key_Backspace);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->data(), full);
    level->searchBar()->field()->clear();
    QTest::keyClicks(level->searchBar()->field(), "fr");
    ASSERT_TRUE(level->isSearchResult());
    // The field's clear button empties the text as the user sees it.
    level->searchBar()->field()->selectAll();
    QTest::keyClick(level->searchBar()->field(), Qt::Key_Backspace);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->tableView()->numberOfSections(), 26);
    EXPECT_EQ(level->tableView()->indexBar()->titles().size(), 26);
}

TEST_F(FoodMenuTest, DatabaseSearchWaitsForTheSearchButtonAndIgnoresBlanksAndCommas) {
    tap({1, 1});
    FoodMenuController* level = top();
    EXPECT_EQ(level->title(), "Search Database");
    EXPECT_EQ(level->currStage(), FoodMenuController::SearchDatabase);
    EXPECT_TRUE(level->searchBar()->isVisible());
    EXPECT_EQ(level->searchBar()->field()->placeholderText(), "Enter food item name");
    EXPECT_TRUE(level->searchBar()->isFirstResponder());

    type("butter, salted");
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(totalRows(level->data()), 0);

    QTest::keyClick(level->searchBar()->field(), Qt::Key_Return);
    ASSERT_TRUE(level->isSearchResult());
    EXPECT_EQ(level->data(), FoodSimpleDbo::searchFoodItems("buttersalted", 0, 0, 0));
    EXPECT_GT(level->tableView()->numberOfRows(0), 0);
    EXPECT_FALSE(level->searchBar()->isFirstResponder());

    // One letter left after cleaning does not search.
    level->searchBar()->setText(" b, ");
    QTest::keyClick(level->searchBar()->field(), Qt::Key_Return);
    EXPECT_FALSE(level->isSearchResult());
}

TEST_F(FoodMenuTest, KindAndTypeLevelsShowTheirItemsByLetterAndSearchWithinThem) {
    const FoodSimpleDbo kind = FoodSimpleDbo::getFoodKinds().at(1);
    tap({2, 1});
    FoodMenuController* level = top();
    EXPECT_EQ(level->title(), kind.name);
    EXPECT_EQ(level->kindId(), kind.dboId);
    EXPECT_EQ(level->restaurantId(), 0);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_EQ(level->data(), FoodSimpleDbo::getFoodByKind(kind.dboId));
    // Built while being pushed, the list still shows.
    EXPECT_TRUE(level->tableView()->isVisible());
    EXPECT_TRUE(level->searchBar()->isVisible());
    EXPECT_FALSE(level->tableView()->indexPathsForVisibleRows().empty());
    EXPECT_EQ(level->tableView()->numberOfSections(), 26);
    EXPECT_EQ(level->tableView()->indexBar()->titles().first(), "A");
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
}

TEST_F(FoodMenuTest, EveryPathToAFoodEndsInASavedEntry) {
    // A restaurant's list.
    openRestaurant("McDonald's");
    FoodMenuController* restaurant = top();
    const FoodSimpleDbo burger = restaurant->data().value("M").first();
    tap({'M' - 'A', 0});
    EXPECT_FALSE(restaurant->tableView()->indexPathForSelectedRow().isValid());
    saveOnePortion(burger);

    // A kind's list, by letter.
    tap({2, 0});
    FoodMenuController* kind = top();
    int section = 0;
    while (kind->data().value(FoodMenuSectionHeaders::letter(section)).isEmpty())
        ++section;
    const FoodSimpleDbo raw = kind->data().value(FoodMenuSectionHeaders::letter(section)).first();
    tap({section, 0});
    saveOnePortion(raw);

    // A search inside a type's list.
    tap({3, 0});
    type("cheddar");
    ASSERT_TRUE(top()->isSearchResult());
    const FoodSimpleDbo cheddar = top()->data().value("items").first();
    tap({0, 0});
    saveOnePortion(cheddar);

    // The database search.
    tap({1, 1});
    type("bananas raw");
    QTest::keyClick(top()->searchBar()->field(), Qt::Key_Return);
    ASSERT_TRUE(top()->isSearchResult());
    const FoodSimpleDbo banana = top()->data().value("items").first();
    tap({0, 0});
    saveOnePortion(banana);

    // The recent foods now hold all four, by name.
    tap({0, 0});
    FoodMenuController* recent = top();
    ASSERT_EQ(recent->tableView()->numberOfRows(0), 4);
    const FoodSimpleDbo again = recent->data().value("items").at(1);
    tap({0, 1});
    auto* add = qobject_cast<AddFoodController*>(nav->topViewController());
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->foodMenu(), recent);
    EXPECT_EQ(add->foodMenu()->selectedItem()->dboId, again.dboId);
    // The add screen of a level is made once.
    add->doCancel();
    tap({0, 2});
    EXPECT_EQ(nav->topViewController(), add);
}

TEST_F(FoodMenuTest, SpeedyRowsOpenTheSpeedyScreen) {
    tap({0, 1});
    auto* speedy = qobject_cast<QuickCalories*>(nav->topViewController());
    ASSERT_NE(speedy, nullptr);
    EXPECT_FALSE(speedy->isEditMode());
    EXPECT_EQ(speedy->owner(), &owner);
    EXPECT_TRUE(speedy->calories()->text().isEmpty());
    nav->popToRootViewController(false);
    nav->pushViewController(menu, false);
    QApplication::processEvents();

    rememberRaw("Birthday cake", "249.6");
    tap({0, 0});
    tap({0, 0});
    speedy = qobject_cast<QuickCalories*>(nav->topViewController());
    ASSERT_NE(speedy, nullptr);
    EXPECT_EQ(speedy->name()->text(), "Birthday cake");
    // The fraction is dropped, never rounded up.
    EXPECT_EQ(speedy->calories()->text(), "249");
    EXPECT_TRUE(speedy->doneButton()->isEnabled());
}

TEST_F(FoodMenuTest, DeletingARememberedSpeedyEntryForgetsOnlyThatRow) {
    saveSpeedy("Apple pie", 300);
    saveSpeedy("Birthday cake", 450);
    saveSpeedy("Chips", 150);
    ASSERT_EQ(recentNames(), QStringList({"Apple pie", "Birthday cake", "Chips"}));

    tap({0, 0});
    FoodMenuController* level = top();
    EXPECT_EQ(level->title(), "Recent Food Items");
    ASSERT_EQ(level->tableView()->numberOfSections(), 1);
    ASSERT_EQ(level->tableView()->numberOfRows(0), 3);
    EXPECT_EQ(cellName({0, 1}), "Birthday cake");
    // Remembered entries show no description line.
    EXPECT_TRUE(qobject_cast<FoodMenuCell*>(level->tableView()->cellForRow({0, 1}))
                    ->descLabel()
                    ->text()
                    .isEmpty());

    level->tableView()->showDeleteConfirmation({0, 1});
    ASSERT_NE(level->tableView()->deleteButton(), nullptr);
    QTest::mouseClick(level->tableView()->deleteButton(), Qt::LeftButton);
    QApplication::processEvents();

    EXPECT_EQ(recentNames(), QStringList({"Apple pie", "Chips"}));
    ASSERT_EQ(level->tableView()->numberOfRows(0), 2);
    EXPECT_EQ(cellName({0, 1}), "Chips");
    // The list read again agrees with the one on screen.
    level->restoreData();
    EXPECT_EQ(level->tableView()->numberOfRows(0), 2);
}

TEST_F(FoodMenuTest, OnlyRecentFoodsCanBeDeleted) {
    tap({1, 0});
    EXPECT_FALSE(top()->canEditRow(top()->tableView(), {'M' - 'A', 0}));
    EXPECT_FALSE(menu->canEditRow(menu->tableView(), {0, 0}));
}

TEST_F(FoodMenuTest, ResettingTheNextLevelsSearchBringsItsOwnListBack) {
    const FoodSimpleDbo kind = FoodSimpleDbo::getFoodKinds().at(0);
    tap({2, 0});
    FoodMenuController* level = top();
    type("apple");
    ASSERT_TRUE(level->isSearchResult());
    nav->popToRootViewController(false);

    menu->resetNextStepSearch();
    EXPECT_EQ(menu->nextStep(), level);
    EXPECT_FALSE(level->isSearchResult());
    EXPECT_TRUE(level->searchBar()->text().isEmpty());
    EXPECT_EQ(level->data(), FoodSimpleDbo::getFoodByKind(kind.dboId));
    EXPECT_EQ(level->tableView()->numberOfSections(), 26);
}

TEST_F(FoodMenuTest, ResettingBeforeAnyChoiceLeavesTheNextLevelUnbuilt) {
    menu->resetNextStepSearch();
    ASSERT_TRUE(menu->hasNextStep());
    EXPECT_FALSE(menu->nextStep()->isViewLoaded());
    // Built later at a list stage, it gets the plain list style.
    tap({1, 0});
    EXPECT_EQ(top()->tableView()->style(), ui::TableView::Style::Plain);
}

TEST_F(FoodMenuTest, BackEmptiesTheSearchAndLeavesTheLevel) {
    openRestaurant("Wendy's");
    FoodMenuController* level = top();
    type("chicken");
    auto* back = nav->view()->findChild<ui::BarButton*>("Back");
    ASSERT_NE(back, nullptr);
    QTest::mouseClick(back, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_NE(top(), level);
    EXPECT_TRUE(level->searchBar()->text().isEmpty());
    EXPECT_FALSE(level->isSearchResult());
}

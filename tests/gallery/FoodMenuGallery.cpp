#include "Gallery.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"

#include "core/base/RefresherDelegate.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/SavedFoodDbo.h"
#include "core/settings/QVXUtil.h"
#include "screens/food/Details/FoodMenuController.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/SearchBar.h"
#include "ui/TableView.h"
#include "ui/TextField.h"

#include <QApplication>

namespace {

struct NoRefresh : RefresherDelegate {
    void refreshData() override {}
};

// Outlives every scene's menu, which keeps a pointer to it.
NoRefresh& noRefresh() {
    static NoRefresh owner;
    return owner;
}

// The food menu pushed over a bare root, as the Food tab pushes it (the tab bar hidden).
struct MenuScreen : gallery::Stack {
    FoodMenuController* menu = new FoodMenuController(&noRefresh(), nav->topViewController());

    MenuScreen() : Stack(new ui::ViewController, 460) { push(menu); }
    FoodMenuController* top() const {
        return qobject_cast<FoodMenuController*>(nav->topViewController());
    }
    void choose(const ui::IndexPath& path) {
        FoodMenuController* level = top();
        level->didSelectRow(level->tableView(), path);
        QApplication::processEvents();
    }
    void chooseRestaurant(const QString& name) {
        choose({1, 0});
        const QString letter = name.left(1);
        const QList<FoodSimpleDbo> rows = top()->data().value(letter);
        for (int i = 0; i < rows.size(); ++i)
            if (rows.at(i).name == name)
                choose({letter.at(0).unicode() - 'A', i});
    }
    void search(const QString& text) {
        top()->searchBar()->setText(text);
        top()->searchBarTextDidChange(text);
        QApplication::processEvents();
    }
    // "Search Database" with the text typed and the search button pressed.
    FoodMenuController* searchDatabase(const QString& text) {
        choose({1, 1});
        FoodMenuController* level = top();
        level->searchBar()->setText(text);
        level->searchBarSearchButtonClicked();
        QApplication::processEvents();
        return level;
    }
};

void remember(const QString& words, float portions) {
    const QList<FoodSimpleDbo> found =
        FoodSimpleDbo::searchFoodItems(words, 0, 0, 0).value("items");
    if (!found.isEmpty())
        saved(catalogueFood(found.first().dboId, at(2026, 12, 5), 0, portions));
}

void rememberSpeedy(const QString& name, float calories) {
    saved(speedyFood(at(2026, 12, 5), 0, calories, name));
}

} // namespace

QUORVEL_GALLERY_SCENE("food_menu_main") {
    return MenuScreen().take();
}

QUORVEL_GALLERY_SCENE("food_menu_main_scrolled") {
    MenuScreen screen;
    ui::TableView* list = screen.menu->tableView();
    list->setContentOffset(list->contentHeight());
    return screen.take();
}

// The remembered foods, one of them showing Delete.
QUORVEL_GALLERY_SCENE("food_menu_recent_delete") {
    remember("bananasraw", 1);
    remember("bigmac(mcdonald's)", 1);
    rememberSpeedy("Popcorn at the cinema", 320);
    remember("eggwholecookedfried", 2);
    rememberSpeedy("Birthday cake", 449.6f);
    MenuScreen screen;
    screen.choose({0, 0});
    screen.top()->tableView()->showDeleteConfirmation({0, 1});
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_menu_restaurants") {
    MenuScreen screen;
    screen.choose({1, 0});
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_menu_restaurant_search") {
    MenuScreen screen;
    screen.chooseRestaurant("Wendy's");
    screen.search("chicken");
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_menu_kind") {
    MenuScreen screen;
    screen.choose({2, 0});
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_menu_search_database_empty") {
    MenuScreen screen;
    screen.choose({1, 1});
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_menu_search_database_results") {
    MenuScreen screen;
    screen.searchDatabase("apple juice");
    return screen.take();
}

// A chain's items lead with the item, so its list spreads over the letter sections.
QUORVEL_GALLERY_SCENE("food_menu_restaurant_sections") {
    MenuScreen screen;
    screen.chooseRestaurant("McDonald's");
    screen.top()->tableView()->scrollToSection('S' - 'A');
    return screen.take();
}

// Two words in any order: after the names holding "chickenbreast" come the breast meats, whose
// names hold the words apart. The list is scrolled to where the two parts meet.
QUORVEL_GALLERY_SCENE("food_menu_search_two_words") {
    MenuScreen screen;
    FoodMenuController* level = screen.searchDatabase("chicken breast");
    const auto joined = FoodSimpleDbo::searchFoodItems("chickenbreast", 0, 0, 0).value("items");
    level->tableView()->scrollToRow({0, static_cast<int>(joined.size()) - 2});
    QApplication::processEvents();
    return screen.take();
}

#include "Gallery.h"
#include "SampleEntries.h"

#include "core/base/RefresherDelegate.h"
#include "screens/food/Details/FoodMenuController.h"
#include "ui/Metrics.h"
#include "ui/SearchBar.h"
#include "ui/TableView.h"

namespace {

struct NoRefresh : RefresherDelegate {
    void refreshData() override {}
};

// The food menu pushed over a bare root, as the Food tab pushes it (the tab bar hidden).
struct FoodMenu : gallery::MenuScreen<FoodMenuController> {
    FoodMenu() : MenuScreen(new ui::ViewController, ui::Metrics::ScreenHeight) {
        static NoRefresh refresher; // outlives every scene's menu, which keeps a pointer to it
        push(new FoodMenuController(&refresher, nav->topViewController()));
    }
    ui::TableView* list() const { return level()->tableView(); }
    void chooseRestaurant(const QString& name) {
        choose({1, 0});
        const QString letter = name.left(1);
        const QList<FoodSimpleDbo> rows = level()->data().value(letter);
        for (int i = 0; i < rows.size(); ++i)
            if (rows.at(i).name == name)
                choose({letter.at(0).unicode() - 'A', i});
    }
    // "Search Database" with the text typed and the search button pressed.
    void searchDatabase(const QString& text) {
        choose({1, 1});
        level()->searchBar()->setText(text);
        level()->searchBarSearchButtonClicked();
        gui::settle();
    }
};

// Yesterday's foods, which the menu remembers.
void rememberFive() {
    const QDateTime yesterday = gallery::december(5);
    gallery::ate("bananasraw", yesterday, 0, 1);
    gallery::ate("bigmac(mcdonald's)", yesterday, 0, 1);
    saved(speedyFood(yesterday, 0, 320, "Popcorn at the cinema"));
    gallery::ate("eggwholecookedfried", yesterday, 0, 2);
    saved(speedyFood(yesterday, 0, 449.6f, "Birthday cake"));
}

// Two words in any order: after the names holding "chickenbreast" come the breast meats, whose
// names hold the words apart. The list is scrolled to where the two parts meet.
void twoWords(FoodMenu& menu) {
    menu.searchDatabase("chicken breast");
    const auto joined = FoodSimpleDbo::searchFoodItems("chickenbreast", 0, 0, 0).value("items");
    menu.list()->scrollToRow({0, static_cast<int>(joined.size()) - 2});
    gui::settle();
}

constexpr gallery::Shots<FoodMenu> menu{};
const gallery::Registrar menuScenes[] = {
    menu("food_menu_main", gallery::asOpened),
    menu("food_menu_main_scrolled",
         [](FoodMenu& m) { m.list()->setContentOffset(m.list()->contentHeight()); }),
    // The remembered foods, one of them showing Delete.
    menu("food_menu_recent_delete", rememberFive,
         [](FoodMenu& m) {
             m.choose({0, 0});
             m.list()->showDeleteConfirmation({0, 1});
         }),
    menu("food_menu_restaurants", gallery::choosing({1, 0})),
    menu("food_menu_restaurant_search",
         [](FoodMenu& m) {
             m.chooseRestaurant("Wendy's");
             m.search("chicken");
         }),
    menu("food_menu_kind", gallery::choosing({2, 0})),
    menu("food_menu_search_database_empty", gallery::choosing({1, 1})),
    menu("food_menu_search_database_results", [](FoodMenu& m) { m.searchDatabase("apple juice"); }),
    // A chain's items lead with the item, so its list spreads over the letter sections.
    menu("food_menu_restaurant_sections",
         [](FoodMenu& m) {
             m.chooseRestaurant("McDonald's");
             m.list()->scrollToSection('S' - 'A');
         }),
    menu("food_menu_search_two_words", twoWords),
};

} // namespace

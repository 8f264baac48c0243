#include "Gallery.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/food/FoodController.h"
#include "support/DiaryEntries.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

#include <QApplication>

namespace {

const QDateTime sampleDay(QDate(2026, 12, 6), QTime(0, 0));

// The first catalogue food whose name holds the words (as the search reads them).
int findFood(const QString& words) {
    const QList<FoodSimpleDbo> found =
        FoodSimpleDbo::searchFoodItems(words, 0, 0, 0).value("items");
    return found.isEmpty() ? 0 : found.first().dboId;
}

// Records portions of a food the way the add-food screen does, with optional changes by hand.
void eat(const QString& words, int meal, float portions, float extraCalories = 0,
         float extraPoints = 0) {
    if (const int id = findFood(words))
        saved(catalogueFood(id, sampleDay, meal, portions, extraCalories, extraPoints));
}

void eatSpeedy(const QString& name, int meal, float calories) {
    saved(speedyFood(sampleDay, meal, calories, name));
}

void fullDay() {
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    eat("eggwholecookedfried", 0, 2);
    eat("yogurtplainlowfat", 0, 0.5f);
    eat("chickenbroilersorfryersmeatonlyroasted", 1, 1.5f, 25, 0.5f);
    eat("bananasraw", 1, 1);
    eat("fishsalmonatlanticwildraw", 2, 1, -40, -0.75f);
    eat("ricewhite", 2, 2);
    eatSpeedy("Popcorn at the cinema", 3, 320);
}

// The Food tab on its navigation stack, as the phone shows it above the tab bar.
struct FoodScreen : gallery::Stack {
    FoodController* food;

    FoodScreen() : FoodScreen(new FoodController) {}
    explicit FoodScreen(FoodController* food) : Stack(food), food(food) {}
    ui::TableView* list() const { return food->dayTable()->tableView(); }
};

} // namespace

QUORVEL_GALLERY_SCENE("food_tab_full_day") {
    fullDay();
    return FoodScreen().take();
}

QUORVEL_GALLERY_SCENE("food_tab_full_day_scrolled") {
    fullDay();
    FoodScreen screen;
    screen.list()->setContentOffset(screen.list()->contentHeight());
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_tab_row_delete") {
    fullDay();
    FoodScreen screen;
    screen.list()->showDeleteConfirmation({1, 0});
    return screen.take();
}

// A day over the allowance: the last column turns to "Over".
QUORVEL_GALLERY_SCENE("food_tab_over_allowance") {
    fullDay();
    eatSpeedy("Birthday cake", 3, 900);
    FoodScreen screen;
    screen.list()->setContentOffset(screen.list()->contentHeight());
    return screen.take();
}

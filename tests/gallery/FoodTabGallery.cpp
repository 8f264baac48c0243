#include "Gallery.h"
#include "SampleEntries.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/food/FoodController.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

namespace {

// Meals of the gallery's day against an allowance of 2000, some changed by hand.
void fullDay() {
    const QDateTime today = gallery::december(6);
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    gallery::ate("eggwholecookedfried", today, 0, 2);
    gallery::ate("yogurtplainlowfat", today, 0, 0.5f);
    gallery::ate("chickenbroilersorfryersmeatonlyroasted", today, 1, 1.5f, 25, 0.5f);
    gallery::ate("bananasraw", today, 1, 1);
    gallery::ate("fishsalmonatlanticwildraw", today, 2, 1, -40, -0.75f);
    gallery::ate("ricewhite", today, 2, 2);
    saved(speedyFood(today, 3, 320, "Popcorn at the cinema"));
}

void overAllowance() {
    fullDay();
    saved(speedyFood(gallery::december(6), 3, 900, "Birthday cake"));
}

// The Food tab on its navigation stack, as the phone shows it above the tab bar.
struct FoodTab : gallery::Stack {
    FoodTab() : Stack(new FoodController) {}
    ui::TableView* list() const { return root<FoodController>()->dayTable()->tableView(); }
};

void toEnd(FoodTab& tab) {
    tab.list()->setContentOffset(tab.list()->contentHeight());
}

constexpr gallery::Shots<FoodTab> foodTab{};
const gallery::Registrar tabScenes[] = {
    foodTab("food_tab_full_day", fullDay, gallery::asOpened),
    foodTab("food_tab_full_day_scrolled", fullDay, toEnd),
    foodTab("food_tab_row_delete", fullDay,
            [](FoodTab& tab) {
                tab.list()->showDeleteConfirmation({1, 0});
            }),
    // A day over the allowance: the last column turns to "Over".
    foodTab("food_tab_over_allowance", overAllowance, toEnd),
};

} // namespace

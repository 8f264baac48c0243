#include "Gallery.h"

#include "core/base/AppVars.h"
#include "core/base/RefresherDelegate.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/SavedFoodDbo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/Details/SelectFoodController.h"
#include "support/DiaryEntries.h"
#include "support/gui/Gui.h"
#include "ui/AlertView.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/TextField.h"
#include "ui/controls/FoodSpin.h"

#include <QApplication>

namespace {

const QDateTime sampleDay(QDate(2026, 12, 6), QTime(0, 0));

// The screen the editors return to; the gallery needs no refresh.
class Root : public ui::ViewController, public RefresherDelegate {
public:
    Root() { setTitle("Food"); }
    void refreshData() override {}
};

// A phone screen without its tab bar, an editor to be pushed over the Food tab's place.
struct EditorScreen : gallery::Stack {
    Root* root;

    EditorScreen() : EditorScreen(new Root) {}
    explicit EditorScreen(Root* root) : Stack(root, 460), root(root) {
        AppVars::getVars().insert("food_current_date", sampleDay);
    }
};

FoodSimpleDbo food(const QString& words) {
    const QList<FoodSimpleDbo> found =
        FoodSimpleDbo::searchFoodItems(words, 0, 0, 0).value("items");
    return found.isEmpty() ? FoodSimpleDbo() : found.first();
}

AddFoodController* newEntryScreen(EditorScreen& screen, const QString& words) {
    auto* menu = new SelectFoodController(screen.root);
    menu->setSelectedItem(food(words));
    auto* editor = new AddFoodController(false, menu);
    editor->setOwner(screen.root);
    editor->setFoodMenu(menu);
    screen.push(editor);
    return editor;
}

} // namespace

// One and a half portions with the calories raised by hand.
QUORVEL_GALLERY_SCENE("food_add_new") {
    EditorScreen screen;
    AddFoodController* editor = newEntryScreen(screen, "chickenbroilersorfryersmeatonlyroasted");
    gui::turn(editor->portion(), 0, 1);
    gui::turn(editor->portion(), 1, 6);
    for (int i = 0; i < 5; ++i)
        editor->calories()->incValue();
    return screen.take();
}

// An entry of the diary opened again: its day without arrows, its meal, its own changes.
QUORVEL_GALLERY_SCENE("food_add_edit") {
    EditorScreen screen;
    const FoodSimpleDbo item = food("fishsalmonatlanticwildraw");
    const SavedFoodPtr entry = saved(catalogueFood(item.dboId, sampleDay, 2, 2.5f, -40, -0.75f));

    auto* editor = new AddFoodController(true);
    auto* holder = new SelectFoodController(editor);
    holder->setSelectedItem(FoodSimpleDbo::getFoodItem(entry->foodItemId()));
    editor->setOwner(screen.root);
    editor->setFoodMenu(holder);
    editor->setSavedFoodData(entry.get());
    screen.push(editor);
    return screen.take();
}

// Save pressed before a portion was chosen.
QUORVEL_GALLERY_SCENE("food_add_portion_alert") {
    EditorScreen screen;
    AddFoodController* editor = newEntryScreen(screen, "bananasraw");
    editor->doSave();
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->showIn(screen.host.get());
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_speedy_new") {
    EditorScreen screen;
    auto* speedy = new QuickCalories(false);
    speedy->setOwner(screen.root);
    screen.push(speedy);
    return screen.take();
}

QUORVEL_GALLERY_SCENE("food_speedy_filled") {
    EditorScreen screen;
    auto* speedy = new QuickCalories(false);
    speedy->setOwner(screen.root);
    screen.push(speedy);
    speedy->setCalsString("320");
    speedy->setNameString("Popcorn at the cinema");
    return screen.take();
}

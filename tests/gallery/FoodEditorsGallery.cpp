#include "Gallery.h"
#include "SampleEntries.h"

#include "core/base/AppVars.h"
#include "core/base/RefresherDelegate.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/controls/FoodSpin.h"

namespace {

// The screen the editors return to; the gallery needs no refresh.
class Root : public ui::ViewController, public RefresherDelegate {
public:
    Root() { setTitle("Food"); }
    void refreshData() override {}
};

// A phone screen without its tab bar, an editor pushed over the Food tab's place.
struct FoodEditor : gallery::Stack {
    Root* root;

    FoodEditor() : FoodEditor(new Root) {}
    explicit FoodEditor(Root* root) : Stack(root, 460), root(root) {
        AppVars::getVars().insert("food_current_date", gallery::december(6));
    }
    // The add-food screen for a new entry of the food, or to edit the entry.
    AddFoodController* add(std::optional<FoodSimpleDbo> item, const SavedFoodDbo* entry = nullptr) {
        auto* editor = new AddFoodController(entry != nullptr);
        auto* holder = new SelectFoodController(editor);
        holder->setSelectedItem(std::move(item));
        editor->setOwner(root);
        editor->setFoodMenu(holder);
        if (entry)
            editor->setSavedFoodData(entry);
        push(editor);
        return editor;
    }
    QuickCalories* speedy() {
        auto* speedy = new QuickCalories(false);
        speedy->setOwner(root);
        push(speedy);
        return speedy;
    }
};

// An entry of the diary opened again: its day without arrows, its meal, its own changes.
void reopen(FoodEditor& screen) {
    const SavedFoodPtr entry =
        gallery::ate("fishsalmonatlanticwildraw", gallery::december(6), 2, 2.5f, -40, -0.75f);
    screen.add(FoodSimpleDbo::getFoodItem(entry->foodItemId()), entry.get());
}

constexpr gallery::Shots<FoodEditor> editor{};
const gallery::Registrar editorScenes[] = {
    // One and a half portions with the calories raised by hand.
    editor("food_add_new",
           [](FoodEditor& screen) {
               AddFoodController* add =
                   screen.add(gallery::firstFood("chickenbroilersorfryersmeatonlyroasted"));
               gui::turn(add->portion(), 0, 1);
               gui::turn(add->portion(), 1, 6);
               for (int i = 0; i < 5; ++i)
                   add->calories()->incValue();
           }),
    editor("food_add_edit", reopen),
    // Save pressed before a portion was chosen.
    editor("food_add_portion_alert",
           [](FoodEditor& screen) {
               screen.add(gallery::firstFood("bananasraw"))->doSave();
               gallery::showAlert(screen.host.get());
           }),
    editor("food_speedy_new", [](FoodEditor& screen) { screen.speedy(); }),
    editor("food_speedy_filled",
           [](FoodEditor& screen) {
               QuickCalories* speedy = screen.speedy();
               speedy->setCalsString("320");
               speedy->setNameString("Popcorn at the cinema");
           }),
};

} // namespace

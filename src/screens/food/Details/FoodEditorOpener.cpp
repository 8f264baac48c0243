#include "screens/food/Details/FoodEditorOpener.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"

void FoodEditorOpener::open(ui::NavigationController* nav, RefresherDelegate* owner,
                            const SavedFoodPtr& entry) {
    if (!entry || !nav)
        return;
    if (entry->foodItemId() == 0) {
        auto* speedy = new QuickCalories(true);
        speedy->setOwner(owner);
        speedy->setSavedFoodData(entry.get());
        nav->pushViewController(speedy);
        return;
    }
    const std::optional<FoodSimpleDbo> item = FoodSimpleDbo::getFoodItem(entry->foodItemId());
    if (!item) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("This food is no longer in the food "
                                                       "database."),
                                        QStringLiteral("Ok"));
        alert->show();
        return;
    }
    auto* editor = new AddFoodController(true);
    // The holder only carries the item and the owner; the editor keeps it for its lifetime.
    auto* holder = new SelectFoodController(editor);
    holder->setOwner(owner);
    holder->setSelectedItem(*item);
    editor->setOwner(owner);
    editor->setFoodMenu(holder);
    editor->setSavedFoodData(entry.get());
    nav->pushViewController(editor);
}

#pragma once

#include "core/diary/SavedFoodDbo.h"

class RefresherDelegate;
namespace ui {
class NavigationController;
}

// Opens a saved food entry for editing from any screen that lists entries (the Food tab, the
// Overview): the add-food screen for a catalogue food, the speedy screen for calories alone.
// A food the catalogue no longer holds is only reported.
class FoodEditorOpener {
public:
    // Pushes the editor onto the stack; the owner refreshes after a save.
    static void open(ui::NavigationController* nav, RefresherDelegate* owner,
                     const SavedFoodPtr& entry);
};

#pragma once

#include "core/diary/SavedExerciseDbo.h"

class RefresherDelegate;
namespace ui {
class NavigationController;
}

// Opens a saved exercise entry for editing from any screen that lists entries (the Exercise
// tab, the Overview): the add-exercise screen for a catalogue exercise, the speedy screen for
// calories alone. An exercise the catalogue no longer holds is only reported.
class ExerciseEditorOpener {
public:
    // Pushes the editor onto the stack; the owner refreshes after a save.
    static void open(ui::NavigationController* nav, RefresherDelegate* owner,
                     const SavedExercisePtr& entry);
};

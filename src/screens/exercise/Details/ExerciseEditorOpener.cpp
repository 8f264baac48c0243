#include "screens/exercise/Details/ExerciseEditorOpener.h"

#include "core/catalogue/ExerciseDbo.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "screens/exercise/Details/SelectExerciseController.h"
#include "ui/NavigationController.h"

void ExerciseEditorOpener::open(ui::NavigationController* nav, RefresherDelegate* owner,
                                const SavedExercisePtr& entry) {
    if (!entry || !nav)
        return;
    if (entry->exerciseItemId() == 0) {
        auto* speedy = new QuickExercise(true);
        speedy->setSavedExerciseData(entry.get());
        speedy->setOwner(owner);
        nav->pushViewController(speedy);
        return;
    }
    const std::optional<ExerciseDbo> exercise = ExerciseDbo::getExercise(entry->exerciseItemId());
    if (!AddExerciseController::checkRecordable(exercise))
        return;
    auto* editor = new AddExerciseController(true);
    // The holder only carries the exercise and the owner; the editor keeps it for its lifetime.
    auto* holder = new SelectExerciseController(editor);
    holder->setOwner(owner);
    holder->setSelectedItem(exercise);
    editor->setOwner(owner);
    editor->setExerciseMenu(holder);
    editor->setSavedExerciseData(entry.get());
    nav->pushViewController(editor);
}

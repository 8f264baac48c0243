#include "Gallery.h"
#include "SampleEntries.h"

#include "core/base/AppVars.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "screens/exercise/Details/SelectExerciseController.h"
#include "screens/exercise/ExerciseController.h"
#include "ui/PickerView.h"
#include "ui/Metrics.h"
#include "ui/SearchBar.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

namespace {

using gallery::choosing;
using gallery::december;
using gallery::exercised;
using gallery::searching;

// Catalogue exercises by id: walking at 3 mph (3.5 METs), running (8.0), cycling at 12-14 mph
// (8.0), swimming laps (5.8 and 9.8), calisthenics (2.8, 3.8 and 8.0).
enum { walking = 3, running = 22, cycling = 42, swimming = 55, calisthenics = 82 };

void fullDay() {
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    exercised(walking, december(6), 45);
    exercised(running, december(6), 30, 0, 25);
    exercised(cycling, december(6), 60);
    exercised(swimming, december(6), 40, 1, -10);
    saved(speedyExercise(december(6), 150, "Gardening"));
}

void recentThree() {
    exercised(running, december(6), 30);
    saved(speedyExercise(december(6), 150, "Gardening"));
    exercised(swimming, december(6), 40);
}

// The Exercise tab on its stack above the tab bar.
struct ExerciseTab : gallery::Stack {
    ExerciseTab() : Stack(new ExerciseController) {}
    ui::TableView* list() const { return root<ExerciseController>()->dayTable()->tableView(); }
};

// The menu as the tab pushes it, the tab bar hidden.
struct ExerciseMenu : gallery::MenuScreen<ExerciseMenuController> {
    ExerciseMenu() : MenuScreen(new ExerciseController, ui::Metrics::ScreenHeight) {
        root<ExerciseController>()->addNewExercise();
        gui::settle();
    }
};

// An editor pushed over a bare tab, its day the gallery's.
struct ExerciseEditor : gallery::Stack {
    ExerciseEditor() : Stack(new ExerciseController, ui::Metrics::ScreenHeight) {
        AppVars::getVars().insert("exercise_current_date", december(6));
    }
    // The add-exercise screen for a new entry of the exercise, or to edit the entry.
    AddExerciseController* add(int id, const SavedExerciseDbo* entry = nullptr) {
        auto* editor = new AddExerciseController(entry != nullptr);
        auto* holder = new SelectExerciseController(editor);
        holder->setSelectedItem(ExerciseDbo::getExercise(id));
        editor->setExerciseMenu(holder);
        if (entry)
            editor->setSavedExerciseData(entry);
        push(editor);
        return editor;
    }
};

// Calisthenics, vigorous, for 45 minutes, the calories nudged up by hand.
void addNew(ExerciseEditor& screen) {
    AddExerciseController* editor = screen.add(calisthenics);
    editor->exerciseIntensity()->setSelectedSegmentIndex(2);
    editor->duration()->selectRow(0, 0, false);
    editor->duration()->selectRow(9, 1, false);
    editor->recalcBurnRate();
    for (int i = 0; i < 5; ++i)
        editor->calories()->incValue();
}

// An entry of the day opened again: no arrows, its intensity, its duration, its own change.
void reopen(ExerciseEditor& screen) {
    screen.add(swimming, exercised(swimming, december(6), 95, 1, 25).get());
}

constexpr gallery::Shots<ExerciseTab> tab{};
constexpr gallery::Shots<ExerciseMenu> menu{};
constexpr gallery::Shots<ExerciseEditor> editor{};
const gallery::Registrar exerciseScenes[] = {
    tab("exercise_tab_empty", gallery::asOpened),
    tab("exercise_tab_full_day", fullDay, gallery::asOpened),
    tab("exercise_tab_row_delete", fullDay,
        [](ExerciseTab& screen) {
            screen.list()->showDeleteConfirmation({2, 0});
        }),
    menu("exercise_menu_main", gallery::asOpened),
    menu("exercise_menu_recent", recentThree, choosing({0, 0})),
    menu("exercise_menu_category", choosing({2, 1})),
    menu("exercise_menu_category_search", searching({2, 3}, "swim")),
    menu("exercise_menu_search_empty", choosing({1, 0})),
    menu("exercise_menu_search_results", searching({1, 0}, "ball")),
    editor("exercise_add_new", addNew),
    editor("exercise_add_edit", reopen),
    editor("exercise_add_duration_alert",
           [](ExerciseEditor& screen) {
               screen.add(running)->doSave();
               gallery::showAlert(screen.host.get());
           }),
    editor("exercise_speedy",
           [](ExerciseEditor& screen) {
               auto* speedy = new QuickExercise(false);
               screen.push(speedy);
               speedy->setCalsString("150");
               speedy->setNameString("Gardening");
           }),
};

} // namespace

#include "Gallery.h"

#include "core/base/AppVars.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/exercise/Details/AddExerciseController.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "screens/exercise/Details/SelectExerciseController.h"
#include "screens/exercise/ExerciseController.h"
#include "support/DiaryEntries.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/SearchBar.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

#include <QApplication>

namespace {

const QDateTime sampleDay(QDate(2026, 12, 6), QTime(0, 0));
// Catalogue exercises by id: walking at 3 mph (3.5 METs), running (8.0), cycling at 12-14 mph
// (8.0), swimming laps (5.8 and 9.8), calisthenics (2.8, 3.8 and 8.0).
enum { walking = 3, running = 22, cycling = 42, swimming = 55, calisthenics = 82 };

// Done on the sample day as the add-exercise screen records it, optionally changed by hand.
SavedExercisePtr did(int id, int minutes, int intensity = 0, float extra = 0) {
    const std::optional<ExerciseDbo> item = ExerciseDbo::getExercise(id);
    const float rate = item ? float(item->mets.value(intensity).mets * 80) : 0.0f;
    return saved(exerciseEntry(id, sampleDay, minutes, rate, rate * minutes / 60 + extra));
}

void fullDay() {
    UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    did(walking, 45);
    did(running, 30, 0, 25);
    did(cycling, 60);
    did(swimming, 40, 1, -10);
    saved(speedyExercise(sampleDay, 150, "Gardening"));
}

// The Exercise tab on its stack above the tab bar.
struct TabScreen : gallery::Stack {
    ExerciseController* tab;
    TabScreen() : TabScreen(new ExerciseController) {}
    explicit TabScreen(ExerciseController* root) : Stack(root, 416), tab(root) {}
    ui::TableView* list() const { return tab->dayTable()->tableView(); }
};

// The menu as the tab pushes it, the tab bar hidden; choices are taps on its levels.
struct MenuScreen : TabScreen {
    MenuScreen() {
        host->setFixedSize(320, 460);
        nav->view()->setGeometry(host->rect());
        tab->addNewExercise();
        QApplication::processEvents();
    }
    ExerciseMenuController* top() const {
        return qobject_cast<ExerciseMenuController*>(nav->topViewController());
    }
    void choose(const ui::IndexPath& path) {
        top()->didSelectRow(top()->tableView(), path);
        QApplication::processEvents();
    }
    void search(const QString& text) {
        top()->searchBar()->setText(text);
        top()->searchBarTextDidChange(text);
        QApplication::processEvents();
    }
};

// The menu, at the level a main menu row opens, with the text typed into its search.
std::unique_ptr<QWidget> menuAt(std::optional<ui::IndexPath> row, const QString& search = {}) {
    MenuScreen screen;
    if (row)
        screen.choose(*row);
    if (!search.isEmpty())
        screen.search(search);
    return std::move(screen.host);
}

// An editor pushed over a bare tab, its day the sample day.
struct EditorScreen : gallery::Stack {
    EditorScreen() : Stack(new ExerciseController, 460) {
        AppVars::getVars().insert("exercise_current_date", sampleDay);
    }
};

// The add-exercise screen for a new entry of the exercise, or to edit the entry.
AddExerciseController* addScreen(EditorScreen& screen, int id,
                                 const SavedExerciseDbo* entry = nullptr) {
    auto* editor = new AddExerciseController(entry != nullptr);
    auto* holder = new SelectExerciseController(editor);
    holder->setSelectedItem(ExerciseDbo::getExercise(id));
    editor->setExerciseMenu(holder);
    if (entry)
        editor->setSavedExerciseData(entry);
    screen.push(editor);
    return editor;
}

void turn(ui::PickerView* picker, int hoursRow, int minutesRow) {
    picker->selectRow(hoursRow, 0, false);
    picker->selectRow(minutesRow, 1, false);
}

} // namespace

QUORVEL_GALLERY_SCENE("exercise_tab_empty") {
    return std::move(TabScreen().host);
}

QUORVEL_GALLERY_SCENE("exercise_tab_full_day") {
    fullDay();
    return std::move(TabScreen().host);
}

QUORVEL_GALLERY_SCENE("exercise_tab_row_delete") {
    fullDay();
    TabScreen screen;
    screen.host->show();
    QApplication::processEvents();
    screen.list()->showDeleteConfirmation({2, 0});
    return std::move(screen.host);
}

QUORVEL_GALLERY_SCENE("exercise_menu_main") {
    return menuAt(std::nullopt);
}

QUORVEL_GALLERY_SCENE("exercise_menu_recent") {
    did(running, 30);
    saved(speedyExercise(sampleDay, 150, "Gardening"));
    did(swimming, 40);
    return menuAt({{0, 0}});
}

QUORVEL_GALLERY_SCENE("exercise_menu_category") {
    return menuAt({{2, 1}});
}

QUORVEL_GALLERY_SCENE("exercise_menu_category_search") {
    return menuAt({{2, 3}}, "swim");
}

QUORVEL_GALLERY_SCENE("exercise_menu_search_empty") {
    return menuAt({{1, 0}});
}

QUORVEL_GALLERY_SCENE("exercise_menu_search_results") {
    return menuAt({{1, 0}}, "ball");
}

// Calisthenics, vigorous, for 45 minutes, the calories nudged up by hand.
QUORVEL_GALLERY_SCENE("exercise_add_new") {
    EditorScreen screen;
    AddExerciseController* editor = addScreen(screen, calisthenics);
    editor->exerciseIntensity()->setSelectedSegmentIndex(2);
    turn(editor->duration(), 0, 9);
    editor->recalcBurnRate();
    for (int i = 0; i < 5; ++i)
        editor->calories()->incValue();
    return std::move(screen.host);
}

// An entry of the day opened again: no arrows, its intensity, its duration, its own change.
QUORVEL_GALLERY_SCENE("exercise_add_edit") {
    const SavedExercisePtr entry = did(swimming, 95, 1, 25);
    EditorScreen screen;
    addScreen(screen, swimming, entry.get());
    return std::move(screen.host);
}

QUORVEL_GALLERY_SCENE("exercise_add_duration_alert") {
    EditorScreen screen;
    AddExerciseController* editor = addScreen(screen, running);
    editor->doSave();
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->showIn(screen.host.get());
    return std::move(screen.host);
}

QUORVEL_GALLERY_SCENE("exercise_speedy") {
    EditorScreen screen;
    auto* speedy = new QuickExercise(false);
    screen.push(speedy);
    speedy->setCalsString("150");
    speedy->setNameString("Gardening");
    return std::move(screen.host);
}

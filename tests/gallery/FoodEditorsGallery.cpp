#include "Gallery.h"

#include "core/base/AppVars.h"
#include "core/base/RefresherDelegate.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/SavedFoodDbo.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/food/Details/SelectFoodController.h"
#include "support/DiaryEntries.h"
#include "ui/AlertView.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/TextField.h"
#include "ui/controls/FoodSpin.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

const QDateTime sampleDay(QDate(2026, 12, 6), QTime(0, 0));

// The screen the editors return to; the gallery needs no refresh.
class Root : public ui::ViewController, public RefresherDelegate {
public:
    Root() { setTitle("Food"); }
    void refreshData() override {}
};

// A phone screen without its tab bar (navigation bar over 416 points) with `top` pushed over the
// Food tab's place.
struct EditorScreen {
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    Root* root = new Root;

    EditorScreen() {
        host->setFixedSize(320, 460);
        auto* nav = new ui::NavigationController(root, host.get());
        nav->setTintColor(ui::Metrics::tintColor());
        nav->view()->setParent(host.get());
        nav->view()->setGeometry(host->rect());
        AppVars::getVars().insert("food_current_date", sampleDay);
    }
    void push(ui::ViewController* top) {
        root->navigationController()->pushViewController(top, false);
        QApplication::processEvents();
    }
};

FoodSimpleDbo food(const QString& words) {
    const QList<FoodSimpleDbo> found =
        FoodSimpleDbo::searchFoodItems(words, 0, 0, 0).value("items");
    return found.isEmpty() ? FoodSimpleDbo() : found.first();
}

void key(QWidget* target, int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Turns a wheel as the arrow keys do, so the screen hears of it.
void turn(ui::PickerView* picker, int component, int steps) {
    key(picker, component == 0 ? Qt::Key_Left : Qt::Key_Right);
    for (int i = 0; i < steps; ++i)
        key(picker, Qt::Key_Down);
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
    turn(editor->portion(), 0, 1);
    turn(editor->portion(), 1, 6);
    for (int i = 0; i < 5; ++i)
        editor->calories()->incValue();
    return std::move(screen.host);
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
    return std::move(screen.host);
}

// Save pressed before a portion was chosen.
QUORVEL_GALLERY_SCENE("food_add_portion_alert") {
    EditorScreen screen;
    AddFoodController* editor = newEntryScreen(screen, "bananasraw");
    editor->doSave();
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->showIn(screen.host.get());
    return std::move(screen.host);
}

QUORVEL_GALLERY_SCENE("food_speedy_new") {
    EditorScreen screen;
    auto* speedy = new QuickCalories(false);
    speedy->setOwner(screen.root);
    screen.push(speedy);
    return std::move(screen.host);
}

QUORVEL_GALLERY_SCENE("food_speedy_filled") {
    EditorScreen screen;
    auto* speedy = new QuickCalories(false);
    speedy->setOwner(screen.root);
    screen.push(speedy);
    speedy->setCalsString("320");
    speedy->setNameString("Popcorn at the cinema");
    return std::move(screen.host);
}

#include "Gallery.h"

#include "ui/BarButtonItem.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SearchBar.h"
#include "ui/TextField.h"
#include "ui/Toolbar.h"

namespace {

QColor tint() {
    return ui::Metrics::tintColor();
}

// A stack of 320 x 416 points (a tab without its tab bar) with `top` pushed over a root.
std::unique_ptr<QWidget> stackWith(ui::ViewController* top) {
    auto screen = std::make_unique<QWidget>();
    screen->setFixedSize(320, 416);
    auto* root = new ui::ViewController;
    root->setTitle("Food");
    auto* nav = new ui::NavigationController(root, screen.get());
    nav->setTintColor(tint());
    nav->view()->setParent(screen.get());
    nav->view()->setGeometry(screen->rect());
    nav->pushViewController(top, false);
    return screen;
}

QWidget* panel() {
    auto* view = new QWidget;
    view->setAutoFillBackground(true);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, QColor(236, 232, 222));
    view->setPalette(palette);
    return view;
}

} // namespace

// A pushed screen with the standard back button, a done-style button and a search bar.
QUORVEL_GALLERY_SCENE("navigation_pushed") {
    auto* menu = new ui::ViewController;
    menu->setTitle("Food Menu");
    menu->navigationItem()->setRightBarButtonItem(
        new ui::BarButtonItem("Done", ui::BarButtonItem::Style::Done));
    QWidget* view = panel();
    auto* search = new ui::SearchBar(view);
    search->setTintColor(tint());
    search->setPlaceholder("Enter food item name");
    search->setGeometry(0, 0, 320, ui::SearchBar::kHeight);
    menu->setView(view);
    return stackWith(menu);
}

// An editor: own Back and a disabled Save, text fields, a toolbar with a label and buttons.
QUORVEL_GALLERY_SCENE("navigation_editor") {
    auto* editor = new ui::ViewController;
    editor->setTitle("Speedy Exercise");
    editor->navigationItem()->setHidesBackButton(true);
    editor->navigationItem()->setLeftBarButtonItem(new ui::BarButtonItem("Back"));
    auto* save = new ui::BarButtonItem("Save", ui::BarButtonItem::Style::Done);
    save->setEnabled(false);
    editor->navigationItem()->setRightBarButtonItem(save);
    QWidget* view = panel();
    auto* calories = new ui::TextField(view);
    calories->setPlaceholderText("Speedy Calories Burned");
    calories->setKeyboardType(ui::TextField::KeyboardType::NumberPad);
    calories->setGeometry(20, 20, 280, 34);
    auto* name = new ui::TextField(view);
    name->setText("Evening walk");
    name->setGeometry(20, 66, 280, 34);
    auto* bar = new ui::Toolbar(view);
    bar->setTintColor(tint());
    bar->setGeometry(0, 372 - 44 - 44, 320, ui::Toolbar::kHeight);
    auto* label = ui::Label::make(nullptr, QRect(0, 0, 100, 24), 18, true, Qt::white);
    label->setText("Intensity");
    label->setShadow(QColor(0, 0, 0, 110), QPoint(0, -1));
    bar->setItems({ui::BarButtonItem::withCustomView(label), ui::BarButtonItem::flexibleSpace(),
                   ui::BarButtonItem::systemAdd(), new ui::BarButtonItem("Today")});
    editor->setView(view);
    return stackWith(editor);
}

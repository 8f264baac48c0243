#include "screens/profile/Details/ProfileEditorController.h"

#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"

ProfileEditorController::ProfileEditorController(const QString& title, QObject* parent)
    : QVXViewController(parent) {
    setTitle(title);
    navigationItem()->setHidesBackButton(true);
    auto* back = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(back, &ui::BarButtonItem::triggered, this, &ProfileEditorController::leave);
    navigationItem()->setLeftBarButtonItem(back);
}

void ProfileEditorController::setRightButton(const QString& title, std::function<void()> action) {
    auto* button = new ui::BarButtonItem(title, ui::BarButtonItem::Style::Done);
    connect(button, &ui::BarButtonItem::triggered, this, [this, action = std::move(action)] {
        action();
        leave();
    });
    navigationItem()->setRightBarButtonItem(button);
}

void ProfileEditorController::leave() {
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

void ProfileEditorController::viewWillAppear() {
    view();
    QVXViewController::viewWillAppear();
}

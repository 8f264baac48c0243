#include "ui/NavigationKeys.h"

#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/ShortcutKeys.h"

#include <QShortcut>

namespace ui {

namespace {

NavigationItem* topItem(const NavigationController* stack) {
    ViewController* top = stack->topViewController();
    return top ? top->navigationItem() : nullptr;
}

BarButtonItem* enabled(BarButtonItem* item) {
    return item && item->isEnabled() ? item : nullptr;
}

} // namespace

NavigationKeys::NavigationKeys(NavigationController* stack, QWidget* view)
    : QObject(stack), stack_(stack),
      back_(shortcutKeys::add(view, {Qt::Key_Escape}, [this] { goBack(); })),
      confirm_(shortcutKeys::add(view, {Qt::Key_Return, Qt::Key_Enter},
                                 [this] {
                                     if (BarButtonItem* item = confirmItem())
                                         item->trigger();
                                 })),
      add_(shortcutKeys::add(view, {Qt::CTRL | Qt::Key_N, Qt::Key_Plus, Qt::SHIFT | Qt::Key_Plus},
                             [this] {
                                 if (BarButtonItem* item = addItem())
                                     item->trigger();
                             })) {
    follow();
}

void NavigationKeys::follow() {
    for (const QMetaObject::Connection& c : std::as_const(watched_))
        disconnect(c);
    watched_.clear();
    if (NavigationItem* item = topItem(stack_)) {
        // A screen swaps or enables its buttons as its state changes (Save waits for a portion).
        watched_ << connect(item, &NavigationItem::changed, this, &NavigationKeys::follow);
        for (BarButtonItem* button : {item->leftBarButtonItem(), item->rightBarButtonItem()})
            if (button)
                watched_ << connect(button, &BarButtonItem::changed, this, &NavigationKeys::update);
    }
    update();
}

void NavigationKeys::update() {
    back_->setEnabled(backItem() || canPop());
    confirm_->setEnabled(confirmItem() != nullptr);
    add_->setEnabled(addItem() != nullptr);
}

// Only a pushed screen goes back: the root's left button is something else ("Today").
BarButtonItem* NavigationKeys::backItem() const {
    NavigationItem* item = topItem(stack_);
    if (!item || stack_->viewControllers().size() < 2)
        return nullptr;
    return enabled(item->leftBarButtonItem());
}

bool NavigationKeys::canPop() const {
    NavigationItem* item = topItem(stack_);
    return item && stack_->viewControllers().size() > 1 && !item->leftBarButtonItem() &&
           !item->hidesBackButton();
}

BarButtonItem* NavigationKeys::confirmItem() const {
    NavigationItem* item = topItem(stack_);
    BarButtonItem* right = item ? enabled(item->rightBarButtonItem()) : nullptr;
    return right && right->kind() == BarButtonItem::Kind::Titled &&
                   right->style() == BarButtonItem::Style::Done
               ? right
               : nullptr;
}

BarButtonItem* NavigationKeys::addItem() const {
    NavigationItem* item = topItem(stack_);
    BarButtonItem* right = item ? enabled(item->rightBarButtonItem()) : nullptr;
    return right && right->kind() == BarButtonItem::Kind::SystemAdd ? right : nullptr;
}

void NavigationKeys::goBack() {
    if (BarButtonItem* item = backItem())
        item->trigger();
    else if (canPop())
        stack_->popViewController(true);
}

} // namespace ui

#include "ui/DelayedAction.h"

#include "ui/Animations.h"

#include <QTimer>

namespace ui {

void DelayedAction::after(QObject* context, int ms, std::function<void()> action) {
    if (!Animations::enabled()) {
        action();
        return;
    }
    QTimer::singleShot(ms, context, std::move(action));
}

} // namespace ui

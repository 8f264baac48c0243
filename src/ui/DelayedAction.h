#pragma once

#include <QObject>
#include <functional>

namespace ui {

// The short user-interface delays of the screens ("close the keyboard a moment later").
// The action is dropped when the context object is destroyed first. With animations off (tests,
// gallery) the action runs at once, so a test sees its effect without waiting.
class DelayedAction {
public:
    static void after(QObject* context, int ms, std::function<void()> action);
};

} // namespace ui

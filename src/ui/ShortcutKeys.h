#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>
#include <initializer_list>

class QEvent;
class QShortcut;
class QWidget;

// The window-wide keys of the toolkit (the day bar's arrows, Escape and Return of a navigation
// stack, Ctrl+digits of the tab bar) are shortcuts of the widget they belong to: live while
// that widget shows, so only the tab and the screen in view answer. A focused control with its
// own use for a key claims it first, so the key keeps working there.
namespace ui::shortcutKeys {

// Quits the application; an alert lets it through while it claims every other key.
inline constexpr QKeyCombination quit{Qt::CTRL | Qt::Key_Q};

// A shortcut on the widget, for all the keys, that runs the action while the widget's window is
// active and the widget shows.
QShortcut* add(QWidget* widget, const QList<QKeySequence>& keys, std::function<void()> action);

// For a control's event(): claims a key press of one of the keys (without Ctrl, Alt or Meta)
// from the window's shortcuts. True when it did.
bool claim(QEvent* event, std::initializer_list<int> keys);

} // namespace ui::shortcutKeys

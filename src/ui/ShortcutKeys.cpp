#include "ui/ShortcutKeys.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace ui::shortcutKeys {

QShortcut* add(QWidget* widget, const QList<QKeySequence>& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(widget);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget, std::move(action));
    return shortcut;
}

bool claim(QEvent* event, std::initializer_list<int> keys) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    for (int k : keys) {
        if (key->key() == k) {
            key->accept();
            return true;
        }
    }
    return false;
}

} // namespace ui::shortcutKeys

#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>

class QShortcut;
class QWidget;

namespace ui {

class BarButtonItem;
class NavigationController;

// The keyboard of a navigation stack, live while its view shows: Escape goes back (the top
// screen's own left button, or the standard back button), Return presses an enabled Done-style
// right button (Save, Done), Ctrl+N or + presses an enabled Add button. A key is live only while
// it has something to do there, so that otherwise it reaches the focused control.
class NavigationKeys : public QObject {
    Q_OBJECT
public:
    NavigationKeys(NavigationController* stack, QWidget* view);

    // Follows the top screen and its bar buttons; call whenever the top screen changes.
    void follow();

private:
    BarButtonItem* backItem() const;
    BarButtonItem* confirmItem() const;
    BarButtonItem* addItem() const;
    bool canPop() const;
    void goBack();
    void update();

    NavigationController* stack_;
    QShortcut* back_;
    QShortcut* confirm_;
    QShortcut* add_;
    QList<QMetaObject::Connection> watched_;
};

} // namespace ui

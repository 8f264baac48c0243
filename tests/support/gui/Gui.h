#pragma once

#include "ui/IndexPath.h"
#include "ui/NavigationController.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace ui {
class PickerView;
class TableView;
} // namespace ui

// Driving widgets offscreen the way a user does: found by objectName, clicked, dragged, typed
// into. Each action lets the events it posts run before it returns. Times of drags are the input
// events' own timestamps, so a flick is the same on every run.
namespace gui {

// Lets posted events run (layouts, queued calls); deferred deletes wait.
void settle();
// The widget of that type and objectName below root; a failure of the case (and nullptr) when
// there is none.
template <class W = QWidget> W* find(QWidget* root, const QString& name) {
    W* found = root->findChild<W*>(name);
    EXPECT_NE(found, nullptr) << "no " << name.toStdString();
    return found;
}
// Clicks the visible, enabled button of that objectName below root: a bar button's title, an
// image button's image name. A failure of the case when there is none.
void click(QWidget* root, const QString& name);
// A tap at a point of the widget, its centre by default.
void tap(QWidget* widget, QPoint at = {});
// Scrolls the row into view and taps it.
void tapRow(ui::TableView* table, const ui::IndexPath& path);
// Swipes the row to the left, which shows its Delete button.
void swipeLeft(ui::TableView* table, const ui::IndexPath& path);
// Presses at from, moves to to in even steps stepMs apart and lets go restMs after the last move
// (a rest of more than 100 ms ends a flick).
void drag(QWidget* widget, QPoint from, QPoint to, int steps = 4, int stepMs = 16, int restMs = 0);
// Turns a wheel of the picker by whole rows with the arrow keys (down is positive).
void turn(ui::PickerView* picker, int component, int rows);
// Gives the field the focus and types the text key by key.
void type(QWidget* field, const QString& text);
// The selected row of every wheel, left to right.
QList<int> selectedRows(ui::PickerView* wheels);
// Runs events until the condition holds; false when it still does not after timeoutMs.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// A navigation stack over a root screen, shown at a tab's size and told that it appears, as the
// tab bar shows it. Its view, and every screen with it, goes with the stack.
class ScreenStack {
public:
    explicit ScreenStack(ui::ViewController* root, QSize size = {320, 416});
    ~ScreenStack();
    ScreenStack(const ScreenStack&) = delete;
    ScreenStack& operator=(const ScreenStack&) = delete;

    ui::NavigationController* nav() const { return nav_.get(); }
    // The screen on top as a Screen, nullptr when it is another kind.
    template <class Screen = ui::ViewController> Screen* top() const {
        return qobject_cast<Screen*>(nav_->topViewController());
    }
    // Pushes without a slide and lets the screen settle.
    void push(ui::ViewController* screen);
    // Clicks the visible, enabled button of that objectName (a bar button's title) anywhere in
    // the stack's view.
    void click(const QString& name) const;

private:
    std::unique_ptr<ui::NavigationController> nav_;
};

} // namespace gui

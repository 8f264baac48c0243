#include "support/gui/Gui.h"

#include "ui/PickerView.h"
#include "ui/TableView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace gui {

void settle() {
    QApplication::processEvents();
}

void click(QWidget* root, const QString& name) {
    QAbstractButton* button = nullptr;
    for (QAbstractButton* candidate : root->findChildren<QAbstractButton*>(name))
        if (candidate->isVisible() && candidate->isEnabled())
            button = candidate;
    ASSERT_NE(button, nullptr) << "no visible, enabled " << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void tap(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    settle();
}

void tapRow(ui::TableView* table, const ui::IndexPath& path) {
    table->scrollToRow(path);
    settle();
    tap(table->viewport(), table->rectForRow(path).center());
}

void swipeLeft(ui::TableView* table, const ui::IndexPath& path) {
    const QPoint start = table->rectForRow(path).center();
    drag(table->viewport(), start, start - QPoint(60, 1), 3);
}

void drag(QWidget* widget, QPoint from, QPoint to, int steps, int stepMs, int restMs) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(widget, from + (to - from) * i / steps, stepMs);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to, restMs);
    settle();
}

void turn(ui::PickerView* picker, int component, int rows) {
    picker->setFocus();
    while (picker->focusedComponent() != component)
        QTest::keyClick(picker,
                        component > picker->focusedComponent() ? Qt::Key_Right : Qt::Key_Left);
    for (int i = 0; i < std::abs(rows); ++i)
        QTest::keyClick(picker, rows > 0 ? Qt::Key_Down : Qt::Key_Up);
    settle();
}

void type(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
    settle();
}

QList<int> selectedRows(ui::PickerView* wheels) {
    QList<int> rows;
    for (int c = 0; c < wheels->numberOfComponents(); ++c)
        rows.append(wheels->selectedRowInComponent(c));
    return rows;
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

ScreenStack::ScreenStack(ui::ViewController* root, QSize size)
    : nav_(std::make_unique<ui::NavigationController>(root)) {
    nav_->view()->resize(size);
    nav_->view()->show();
    nav_->viewWillAppear();
    settle();
}

ScreenStack::~ScreenStack() {
    delete nav_->view();
}

void ScreenStack::push(ui::ViewController* screen) {
    nav_->pushViewController(screen, false);
    settle();
}

void ScreenStack::click(const QString& name) const {
    gui::click(nav_->view(), name);
}

} // namespace gui

#pragma once

#include "ui/KeyboardFocusRing.h"

#include <QAbstractButton>
#include <QColor>
#include <QPointer>

namespace ui {

class BarButtonItem;

// The face of a BarButtonItem on a bar. It follows the item's title and enabled state and
// triggers the item on a click, Return or Space.
class BarButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Shape { Plain, Back };

    BarButton(BarButtonItem* item, const QColor& tint, QWidget* parent = nullptr);
    // The standard back button: an arrow-shaped face with the previous screen's title.
    static BarButton* backButton(const QString& title, const QColor& tint, QWidget* parent);

    BarButtonItem* item() const { return item_; }
    void setTint(const QColor& tint);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Focused by Tab, Return presses this button, not the screen's Save.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void syncWithItem();

    QPointer<BarButtonItem> item_;
    QColor tint_;
    Shape shape_ = Shape::Plain;
    KeyboardFocusRing focusRing_;
};

} // namespace ui

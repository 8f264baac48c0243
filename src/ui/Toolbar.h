#pragma once

#include "ui/Metrics.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

class BarButtonItem;

// A tinted bar of items laid out from the left; a flexible space pushes what follows to the
// right, custom views (labels, segmented controls) sit in line with the buttons.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 44;

    explicit Toolbar(QWidget* parent = nullptr);

    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);
    // Items without a parent become children of the toolbar.
    void setItems(const QList<BarButtonItem*>& items);
    QList<BarButtonItem*> items() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();

    QColor tint_ = Metrics::tintColor();
    QList<QPointer<BarButtonItem>> items_;
    QList<QPointer<QWidget>> widgets_;
};

} // namespace ui

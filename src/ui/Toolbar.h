#pragma once

#include "ui/TintedBar.h"

#include <QList>
#include <QPointer>

namespace ui {

class BarButtonItem;

// A tinted bar of items laid out from the left; a flexible space pushes what follows to the
// right, custom views (labels, segmented controls) sit in line with the buttons.
class Toolbar : public TintedBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    // Items without a parent become children of the toolbar.
    void setItems(const QList<BarButtonItem*>& items);
    QList<BarButtonItem*> items() const;

protected:
    void tintChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutItems();

    QList<QPointer<BarButtonItem>> items_;
    QList<QPointer<QWidget>> widgets_;
};

} // namespace ui

#pragma once

#include "ui/KeyboardFocusRing.h"

#include <QColor>
#include <QWidget>

namespace ui {

// The keyboard focus ring of a control whose own children cover it (the rows of a table): a
// dotted frame laid over the covered area while Tab has brought the focus to the control.
// The control raises it above children it adds later.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // Lies over area (a child of the control, or the control itself) and follows control's focus.
    FocusFrame(QWidget* control, QWidget* area, const QColor& colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* control_;
    QColor colour_;
    KeyboardFocusRing ring_;
};

} // namespace ui

#pragma once

#include "ui/KeyboardFocusRing.h"

#include <QWidget>

namespace ui {

// A row of equal-width choices, one of them chosen: the segmented control and the tab bar.
// A click chooses the choice under it; with focus, Left and Right choose the neighbour (the
// first choice when none is chosen yet). What choosing means is the subclass's.
class ChoiceRow : public QWidget {
    Q_OBJECT
public:
    explicit ChoiceRow(QWidget* parent = nullptr);

    // The area of a choice; empty outside the row.
    QRect choiceRect(int index) const;
    // The choice at a point, or -1.
    int choiceAt(const QPoint& pos) const;

protected:
    virtual int choiceCount() const = 0;
    // The user chose the choice (a click also on the chosen one).
    virtual void choose(int index) = 0;
    // The ring shows around the chosen choice when Tab brought the focus.
    bool showsFocusRing() const { return focusRing_.shows(*this) && chosen_ >= 0; }

    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Focused by the user, the row keeps Left and Right from the window's shortcuts.
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    // The chosen choice, or -1.
    int chosen_ = -1;

private:
    KeyboardFocusRing focusRing_;
};

} // namespace ui

#include "ui/ChoiceRow.h"

#include "ui/ShortcutKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

ChoiceRow::ChoiceRow(QWidget* parent) : QWidget(parent) {}

QRect ChoiceRow::choiceRect(int index) const {
    const int count = choiceCount();
    if (index < 0 || index >= count)
        return {};
    const int left = width() * index / count;
    const int right = width() * (index + 1) / count;
    return {left, 0, right - left, height()};
}

int ChoiceRow::choiceAt(const QPoint& pos) const {
    for (int i = 0; i < choiceCount(); ++i)
        if (choiceRect(i).contains(pos))
            return i;
    return -1;
}

void ChoiceRow::mousePressEvent(QMouseEvent* event) {
    const int index = choiceAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton)
        choose(index);
}

void ChoiceRow::keyPressEvent(QKeyEvent* event) {
    const int count = choiceCount();
    int next = -1;
    if (event->key() == Qt::Key_Left && count > 0)
        next = chosen_ > 0 ? chosen_ - 1 : (chosen_ < 0 ? 0 : -1);
    else if (event->key() == Qt::Key_Right && chosen_ + 1 < count)
        next = chosen_ + 1;
    if (next >= 0)
        choose(next);
    else
        QWidget::keyPressEvent(event);
}

bool ChoiceRow::event(QEvent* event) {
    if (focusRing_.ownsKeys(*this) && shortcutKeys::claim(event, {Qt::Key_Left, Qt::Key_Right}))
        return true;
    return QWidget::event(event);
}

void ChoiceRow::focusInEvent(QFocusEvent* event) {
    focusRing_.focusIn(event);
    QWidget::focusInEvent(event);
}

} // namespace ui

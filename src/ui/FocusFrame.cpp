#include "ui/FocusFrame.h"

#include <QFocusEvent>
#include <QPainter>

namespace ui {

FocusFrame::FocusFrame(QWidget* control, QWidget* area, const QColor& colour)
    : QWidget(area), control_(control), colour_(colour) {
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(area->rect());
    hide();
    control->installEventFilter(this);
    area->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_ && event->type() == QEvent::FocusIn) {
        ring_.focusIn(static_cast<QFocusEvent*>(event));
        setVisible(ring_.shows(*control_));
        raise();
    } else if (watched == control_ && event->type() == QEvent::FocusOut) {
        hide();
    } else if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    KeyboardFocusRing::paint(p, QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), colour_);
}

} // namespace ui

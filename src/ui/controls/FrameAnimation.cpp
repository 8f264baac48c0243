#include "FrameAnimation.h"

#include "Animations.h"

#include <QPropertyAnimation>
#include <QWidget>

namespace {
const char* const animationName = "frameAnimation";
} // namespace

void FrameAnimation::moveTo(QWidget* widget, const QRect& frame, int ms) {
    auto* running =
        widget->findChild<QPropertyAnimation*>(animationName, Qt::FindDirectChildrenOnly);
    if (running) {
        running->stop();
        delete running;
    }
    const int duration = ui::Animations::duration(ms);
    if (duration <= 0 || !widget->isVisible()) {
        widget->setGeometry(frame);
        return;
    }
    auto* animation = new QPropertyAnimation(widget, "geometry", widget);
    animation->setObjectName(animationName);
    animation->setDuration(duration);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setEndValue(frame);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

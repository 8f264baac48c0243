#include "ui/SlideTransition.h"

#include "ui/Animations.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace ui {

SlideTransition::SlideTransition(QObject* parent) : QObject(parent) {}

void SlideTransition::start(QWidget* from, QWidget* to, bool forward) {
    finish();
    from_ = from;
    to_ = to;
    if (to)
        to->show();
    const int ms = Animations::duration(kDurationMs);
    if (ms == 0 || !from || !to || from == to) {
        settle();
        return;
    }
    const int w = to->parentWidget() ? to->parentWidget()->width() : to->width();
    to->raise();
    if (!forward)
        from->raise();
    auto* group = new QParallelAnimationGroup(this);
    auto slide = [group, ms](QWidget* view, QPoint a, QPoint b) {
        auto* anim = new QPropertyAnimation(view, "pos", group);
        anim->setDuration(ms);
        anim->setStartValue(a);
        anim->setEndValue(b);
        anim->setEasingCurve(QEasingCurve::InOutQuad);
        group->addAnimation(anim);
    };
    if (forward) {
        slide(to, QPoint(w, 0), QPoint(0, 0));
        slide(from, QPoint(0, 0), QPoint(-w / 3, 0));
    } else {
        slide(from, QPoint(0, 0), QPoint(w, 0));
        slide(to, QPoint(-w / 3, 0), QPoint(0, 0));
    }
    to->move(forward ? QPoint(w, 0) : QPoint(-w / 3, 0));
    group_ = group;
    connect(group, &QAbstractAnimation::finished, this, &SlideTransition::settle);
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void SlideTransition::finish() {
    if (group_) {
        disconnect(group_, nullptr, this, nullptr);
        group_->stop();
        delete group_.data();
        settle();
    }
}

void SlideTransition::settle() {
    group_ = nullptr;
    if (from_ && from_ != to_) {
        from_->hide();
        from_->move(0, 0);
    }
    if (to_) {
        to_->move(0, 0);
        to_->show();
    }
    from_ = nullptr;
    to_ = nullptr;
    emit finished();
}

} // namespace ui

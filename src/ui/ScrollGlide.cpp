#include "ui/ScrollGlide.h"

#include "ui/Animations.h"

#include <QEasingCurve>
#include <QScrollBar>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
// How far a flick carries the content, in seconds of its release speed, and how long it glides.
constexpr qreal flickReach = 0.35;
constexpr int glideMs = 700;
// Slower releases just stop where they are.
constexpr qreal minFlickSpeed = 150;
} // namespace

ScrollGlide::ScrollGlide(QScrollBar* bar, QObject* parent) : QObject(parent), bar_(bar) {}

void ScrollGlide::flick(qreal velocity) {
    if (std::abs(velocity) < minFlickSpeed)
        return;
    scrollTo(bar_->value() + int(std::lround(velocity * flickReach)), glideMs);
}

void ScrollGlide::scrollTo(int offset, int ms) {
    stop();
    const int target = std::clamp(offset, bar_->minimum(), bar_->maximum());
    const int duration = Animations::duration(ms);
    if (duration <= 0 || target == bar_->value()) {
        bar_->setValue(target);
        return;
    }
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(bar_->value());
    animation->setEndValue(target);
    animation->setDuration(duration);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { bar_->setValue(value.toInt()); });
    animation_ = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void ScrollGlide::stop() {
    if (animation_)
        animation_->stop();
}

} // namespace ui

#include "ui/PickerWheel.h"

#include <QEasingCurve>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
// How far past the ends a drag may pull, in rows.
constexpr qreal overPull = 0.6;
// How long a flick keeps turning the wheel, in seconds of its release speed.
constexpr qreal flickReach = 0.3;
} // namespace

PickerWheel::PickerWheel(QObject* parent) : QObject(parent) {}

int PickerWheel::clampRow(int row) const {
    return rows_ <= 0 ? 0 : std::clamp(row, 0, rows_ - 1);
}

int PickerWheel::selectedRow() const {
    return rows_ <= 0 ? -1 : clampRow(target_);
}

void PickerWheel::setRowCount(int rows) {
    stop();
    rows_ = std::max(0, rows);
    target_ = clampRow(target_);
    position_ = target_;
    emit positionChanged();
}

void PickerWheel::dragTo(qreal position) {
    stop();
    const qreal last = std::max(0, rows_ - 1);
    position_ = std::clamp(position, -overPull, last + overPull);
    target_ = clampRow(int(std::lround(position_)));
    emit positionChanged();
}

int PickerWheel::restingRowFor(qreal velocity) const {
    return clampRow(int(std::lround(position_ + velocity * flickReach)));
}

void PickerWheel::turnTo(int row, int ms) {
    stop();
    target_ = clampRow(row);
    if (ms <= 0 || std::abs(position_ - target_) < 1e-6) {
        position_ = target_;
        emit positionChanged();
        emit settled(target_);
        return;
    }
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(position_);
    animation->setEndValue(qreal(target_));
    // Longer turns take a little longer, as a real wheel would.
    animation->setDuration(int(ms * std::min(2.0, 0.6 + std::abs(position_ - target_) * 0.1)));
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        position_ = v.toReal();
        emit positionChanged();
    });
    connect(animation, &QVariantAnimation::finished, this, [this] {
        position_ = target_;
        emit positionChanged();
        emit settled(target_);
    });
    animation_ = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void PickerWheel::stop() {
    if (animation_) {
        animation_->disconnect(this);
        animation_->stop();
    }
}

} // namespace ui

#include "ui/ViewUtil.h"

#include "core/base/ResetRegistry.h"
#include "ui/Animations.h"
#include "ui/ViewLookupException.h"

#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QVariant>
#include <QWidget>
#include <vector>

namespace ui {

namespace {
const char* const tagProperty = "tag";

struct AnimationBlock {
    bool open = false;
    int ms = 0;
    std::vector<std::pair<QPointer<QWidget>, QRect>> moves;
};

AnimationBlock& block() {
    static AnimationBlock* b = [] {
        auto* made = new AnimationBlock;
        ResetRegistry::add([made] { *made = AnimationBlock(); });
        return made;
    }();
    return *b;
}
} // namespace

void ViewUtil::setTag(QWidget* view, int tag) {
    view->setProperty(tagProperty, tag);
}

int ViewUtil::tag(const QWidget* view) {
    const QVariant v = view->property(tagProperty);
    return v.isValid() ? v.toInt() : 0;
}

QWidget* ViewUtil::getSubviewOf(QWidget* view, int tag) {
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ViewUtil::tag(child) == tag)
            return child;
    throw ViewLookupException(QStringLiteral("BaseThreeViewController"),
                              QStringLiteral("Subview with tag %1 not found").arg(tag));
}

QWidget* ViewUtil::subviewOf(QWidget* view, int tag) {
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ViewUtil::tag(child) == tag)
            return child;
        if (QWidget* inner = subviewOf(child, tag))
            return inner;
    }
    return nullptr;
}

void ViewUtil::prepareAnimation(double seconds) {
    AnimationBlock& b = block();
    b.open = true;
    b.ms = int(seconds * 1000);
    b.moves.clear();
}

void ViewUtil::setFrame(QWidget* view, const QRect& frame) {
    AnimationBlock& b = block();
    if (b.open)
        b.moves.emplace_back(view, frame);
    else
        view->setGeometry(frame);
}

void ViewUtil::commitAnimation() {
    AnimationBlock& b = block();
    const int ms = Animations::duration(b.ms);
    auto moves = std::move(b.moves);
    b = AnimationBlock();
    if (ms <= 0) {
        for (auto& [view, frame] : moves)
            if (view)
                view->setGeometry(frame);
        return;
    }
    auto* group = new QParallelAnimationGroup;
    for (auto& [view, frame] : moves) {
        if (!view)
            continue;
        auto* move = new QPropertyAnimation(view, "geometry", group);
        move->setDuration(ms);
        move->setEasingCurve(QEasingCurve::InOutQuad);
        move->setEndValue(frame);
        group->addAnimation(move);
    }
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void ViewUtil::becomeFirstResponder(QWidget* view) {
    if (view->window())
        view->window()->activateWindow();
    view->setFocus(Qt::OtherFocusReason);
}

void ViewUtil::resignFirstResponder(QWidget* view) {
    if (view->hasFocus())
        view->clearFocus();
}

} // namespace ui

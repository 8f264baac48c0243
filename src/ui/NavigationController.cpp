#include "ui/NavigationController.h"

#include "ui/KeyboardFocusRing.h"
#include "ui/Metrics.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationItem.h"
#include "ui/NavigationKeys.h"
#include "ui/SlideTransition.h"

#include <QEvent>

namespace ui {

NavigationController::NavigationController(ViewController* root, QObject* parent)
    : ViewController(parent), transition_(new SlideTransition(this)) {
    connect(transition_, &SlideTransition::finished, this, &NavigationController::deleteReleased);
    if (root) {
        attach(root);
        stack_.append(root);
    }
}

NavigationController::~NavigationController() {
    transition_->finish();
}

void NavigationController::loadView() {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("navigationView"));
    view->resize(Metrics::ScreenWidth, Metrics::FullContentHeight);
    bar_ = new NavigationBar(view);
    content_ = new QWidget(view);
    content_->setObjectName(QStringLiteral("navigationContent"));
    view->installEventFilter(this);
    content_->installEventFilter(this);
    connect(bar_, &NavigationBar::backPressed, this, [this] { popViewController(true); });
    keys_ = new NavigationKeys(this, view);
    setView(view);
    showTop(nullptr, true, false);
}

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == content_) {
            for (const QPointer<ViewController>& c : stack_)
                if (c && c->isViewLoaded() && c->view()->parentWidget() == content_)
                    c->view()->resize(content_->size());
        } else if (watched == view() && bar_) {
            QWidget* v = view();
            bar_->setGeometry(0, 0, v->width(), NavigationBar::kHeight);
            content_->setGeometry(0, NavigationBar::kHeight, v->width(),
                                  std::max(0, v->height() - NavigationBar::kHeight));
        }
    }
    return ViewController::eventFilter(watched, event);
}

NavigationBar* NavigationController::navigationBar() {
    view();
    return bar_;
}

void NavigationController::setTintColor(const QColor& tint) {
    navigationBar()->setTintColor(tint);
}

void NavigationController::attach(ViewController* controller) {
    if (!controller->parent())
        controller->setParent(this);
    controller->setNavigationController(this);
    connect(controller, &ViewController::viewReplaced, this, &NavigationController::onViewReplaced);
}

void NavigationController::release(ViewController* controller) {
    disconnect(controller, &ViewController::viewReplaced, this,
               &NavigationController::onViewReplaced);
    controller->setNavigationController(nullptr);
    if (controller->parent() == this)
        released_.append(controller);
    if (!transition_->isRunning())
        deleteReleased();
}

void NavigationController::deleteReleased() {
    // Popped controllers that belong to the stack go once their view has slid out.
    for (const QPointer<ViewController>& c : released_)
        if (c && !stack_.contains(c))
            c->deleteLater();
    released_.clear();
}

ViewController* NavigationController::topViewController() const {
    return stack_.isEmpty() ? nullptr : stack_.last().data();
}

QList<ViewController*> NavigationController::viewControllers() const {
    QList<ViewController*> list;
    for (const QPointer<ViewController>& c : stack_)
        if (c)
            list.append(c);
    return list;
}

bool NavigationController::bottomBarHidden() const {
    return bottomBarHidden_;
}

void NavigationController::pushViewController(ViewController* controller, bool animated) {
    if (!controller || stack_.contains(controller))
        return;
    ViewController* previous = topViewController();
    if (previous)
        previous->viewWillDisappear();
    attach(controller);
    stack_.append(controller);
    controller->viewWillAppear();
    if (isViewLoaded())
        showTop(previous, true, animated);
}

ViewController* NavigationController::popViewController(bool animated) {
    if (stack_.size() < 2)
        return nullptr;
    ViewController* top = topViewController();
    popTo(static_cast<int>(stack_.size()) - 1, animated);
    return top;
}

void NavigationController::popToRootViewController(bool animated) {
    popTo(1, animated);
}

void NavigationController::popTo(int depth, bool animated) {
    if (stack_.size() <= depth)
        return;
    ViewController* leaving = topViewController();
    leaving->viewWillDisappear();
    QList<ViewController*> removed;
    while (stack_.size() > depth)
        removed.append(stack_.takeLast());
    ViewController* uncovered = topViewController();
    uncovered->viewWillAppear();
    if (isViewLoaded())
        showTop(leaving, false, animated);
    for (ViewController* c : removed)
        release(c);
}

void NavigationController::showTop(ViewController* previous, bool forward, bool animated) {
    ViewController* top = topViewController();
    if (!top || !content_)
        return;
    QWidget* to = top->view();
    if (to->parentWidget() != content_)
        to->setParent(content_);
    to->setGeometry(content_->rect());
    QWidget* from = previous && previous->isViewLoaded() ? previous->view() : nullptr;
    KeyboardFocusRing::releaseFrom(from);
    for (const QPointer<ViewController>& c : stack_)
        if (c && c != top && c->isViewLoaded() && c->view() != from)
            c->view()->hide();
    updateBar();
    transition_->start(from, to, forward);
    if (!animated)
        transition_->finish();
}

void NavigationController::updateBar() {
    ViewController* top = topViewController();
    if (!bar_ || !top)
        return;
    const int depth = static_cast<int>(stack_.size());
    const QString previousTitle = depth > 1 ? stack_.at(depth - 2)->title() : QString();
    bar_->showItem(top->navigationItem(), depth > 1, previousTitle);
    keys_->follow();
    const bool hide = depth > 1 && top->hidesBottomBarWhenPushed();
    if (hide != bottomBarHidden_) {
        bottomBarHidden_ = hide;
        emit bottomBarHiddenChanged(hide);
    }
}

void NavigationController::onViewReplaced(QWidget* oldView, QWidget* newView) {
    auto* controller = qobject_cast<ViewController*>(sender());
    if (!content_ || controller != topViewController())
        return;
    if (newView) {
        newView->setParent(content_);
        newView->setGeometry(content_->rect());
        newView->show();
    }
    if (oldView && oldView != newView)
        oldView->hide();
}

void NavigationController::viewWillAppear() {
    if (ViewController* top = topViewController())
        top->viewWillAppear();
}

} // namespace ui

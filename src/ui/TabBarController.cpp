#include "ui/TabBarController.h"

#include "ui/KeyboardFocusRing.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/TabBar.h"

#include <QEvent>

namespace ui {

TabBarController::TabBarController(QObject* parent) : ViewController(parent) {}

void TabBarController::loadView() {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("tabBarView"));
    view->resize(Metrics::ScreenWidth, Metrics::ScreenHeight);
    tabBar_ = new TabBar(view);
    connect(tabBar_, &TabBar::tabActivated, this, &TabBarController::onTabActivated);
    view->installEventFilter(this);
    setView(view);
    syncItems();
    layout();
}

TabBar* TabBarController::tabBar() {
    view();
    return tabBar_;
}

bool TabBarController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::Resize)
        layout();
    return ViewController::eventFilter(watched, event);
}

void TabBarController::setViewControllers(const QList<ViewController*>& controllers) {
    for (const QPointer<ViewController>& c : controllers_)
        if (c)
            disconnect(c, nullptr, this, nullptr);
    controllers_.clear();
    for (ViewController* c : controllers) {
        if (!c->parent())
            c->setParent(this);
        controllers_.append(c);
        connect(c, &ViewController::tabBarItemChanged, this, &TabBarController::syncItems);
        if (auto* nav = qobject_cast<NavigationController*>(c))
            connect(nav, &NavigationController::bottomBarHiddenChanged, this,
                    &TabBarController::layout);
    }
    selected_ = -1;
    syncItems();
    setSelectedIndex(0);
}

QList<ViewController*> TabBarController::viewControllers() const {
    QList<ViewController*> list;
    for (const QPointer<ViewController>& c : controllers_)
        list.append(c);
    return list;
}

ViewController* TabBarController::selectedViewController() const {
    return selected_ >= 0 && selected_ < controllers_.size() ? controllers_.at(selected_).data()
                                                             : nullptr;
}

void TabBarController::syncItems() {
    if (!tabBar_)
        return;
    QList<TabBarItem> items;
    for (const QPointer<ViewController>& c : controllers_) {
        // A navigation stack shows the tab item of its root screen.
        ViewController* shown = c;
        if (auto* nav = qobject_cast<NavigationController*>(c.data()))
            if (!nav->viewControllers().isEmpty())
                shown = nav->viewControllers().first();
        items.append(shown ? shown->tabBarItem() : TabBarItem{});
    }
    tabBar_->setItems(items);
    tabBar_->setSelectedIndex(selected_);
}

void TabBarController::setSelectedIndex(int index) {
    if (index < 0 || index >= controllers_.size() || index == selected_)
        return;
    if (ViewController* old = selectedViewController())
        old->viewWillDisappear();
    selected_ = index;
    ViewController* now = selectedViewController();
    now->viewWillAppear();
    if (tabBar_)
        tabBar_->setSelectedIndex(index);
    layout();
    emit didSelectViewController(now);
}

void TabBarController::onTabActivated(int index) {
    if (index == selected_) {
        if (auto* nav = qobject_cast<NavigationController*>(selectedViewController()))
            nav->popToRootViewController(true);
        return;
    }
    setSelectedIndex(index);
}

void TabBarController::layout() {
    if (!tabBar_)
        return;
    QWidget* host = view();
    ViewController* current = selectedViewController();
    auto* nav = qobject_cast<NavigationController*>(current);
    const bool barHidden = nav && nav->bottomBarHidden();
    const int contentHeight = host->height() - (barHidden ? 0 : TabBar::kHeight);
    tabBar_->setGeometry(0, host->height() - TabBar::kHeight, host->width(), TabBar::kHeight);
    tabBar_->setVisible(!barHidden);
    for (const QPointer<ViewController>& c : controllers_) {
        if (!c || (c != current && !c->isViewLoaded()))
            continue;
        QWidget* v = c->view();
        if (c == current) {
            if (v->parentWidget() != host)
                v->setParent(host);
            v->setGeometry(0, 0, host->width(), contentHeight);
            v->show();
        } else {
            KeyboardFocusRing::releaseFrom(v);
            v->hide();
        }
    }
    tabBar_->raise();
}

} // namespace ui

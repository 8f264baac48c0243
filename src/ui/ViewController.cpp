#include "ui/ViewController.h"

#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/TabBarController.h"

namespace ui {

ViewController::ViewController(QObject* parent)
    : QObject(parent), navigationItem_(new NavigationItem(this)) {}

ViewController::~ViewController() {
    for (const QPointer<QWidget>& v : ownedViews_)
        delete v.data();
}

QString ViewController::title() const {
    return navigationItem_->title();
}

void ViewController::setTitle(const QString& title) {
    navigationItem_->setTitle(title);
    if (!tabBarItemSet_) {
        tabBarItem_.title = title;
        emit tabBarItemChanged();
    }
}

QWidget* ViewController::view() {
    if (view_)
        return view_;
    // Announce the view only once it is complete: a container shows it at once, and children
    // added to an already visible widget would stay hidden.
    loadingView_ = true;
    loadView();
    loadingView_ = false;
    if (!view_)
        setView(new QWidget);
    else
        emit viewReplaced(nullptr, view_);
    return view_;
}

void ViewController::setView(QWidget* view) {
    if (view == view_)
        return;
    QWidget* old = view_;
    view_ = view;
    if (view && !ownedViews_.contains(view))
        ownedViews_.append(view);
    if (!loadingView_)
        emit viewReplaced(old, view);
}

TabBarController* ViewController::tabBarController() const {
    const QObject* from = navigationController();
    for (QObject* o = from ? from->parent() : parent(); o; o = o->parent())
        if (auto* tabs = qobject_cast<TabBarController*>(o))
            return tabs;
    return nullptr;
}

NavigationController* ViewController::navigationController() const {
    return static_cast<NavigationController*>(navigationController_.data());
}

void ViewController::setNavigationController(NavigationController* nav) {
    navigationController_ = nav;
}

void ViewController::setTabBarItem(const TabBarItem& item) {
    tabBarItem_ = item;
    tabBarItemSet_ = true;
    emit tabBarItemChanged();
}

void ViewController::viewWillAppear() {}

void ViewController::viewWillDisappear() {}

void ViewController::loadView() {
    setView(new QWidget);
}

} // namespace ui

#pragma once

#include "ui/TabBarItem.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui {

class NavigationController;
class NavigationItem;
class TabBarController;

// A screen: a title, a view built on first use by loadView(), and the hooks the containers
// call when it comes into view. The controller owns every view it was given.
class ViewController : public QObject {
    Q_OBJECT
public:
    explicit ViewController(QObject* parent = nullptr);
    ~ViewController() override;

    QString title() const;
    // Sets the title shown in the navigation bar (and in the tab bar when no tab item is set).
    void setTitle(const QString& title);

    // The screen's view, built by loadView() on the first call.
    QWidget* view();
    bool isViewLoaded() const { return !view_.isNull(); }
    // Makes another widget the screen's view; a container showing the screen swaps it in place.
    void setView(QWidget* view);

    NavigationItem* navigationItem() const { return navigationItem_; }
    // The stack this screen is on, or nullptr.
    NavigationController* navigationController() const;
    void setNavigationController(NavigationController* nav);
    // The tab bar this screen (or its stack) is a tab of, or nullptr.
    TabBarController* tabBarController() const;

    const TabBarItem& tabBarItem() const { return tabBarItem_; }
    void setTabBarItem(const TabBarItem& item);

    // The tab bar is hidden while this screen is on top of a navigation stack.
    bool hidesBottomBarWhenPushed() const { return hidesBottomBar_; }
    void setHidesBottomBarWhenPushed(bool hides) { hidesBottomBar_ = hides; }

    // Called just before the screen comes into view: pushed, uncovered by a pop, or its tab chosen.
    virtual void viewWillAppear();
    // Called just before another screen covers this one or it is popped.
    virtual void viewWillDisappear();

signals:
    void viewReplaced(QWidget* oldView, QWidget* newView);
    void tabBarItemChanged();

protected:
    // Builds the view; the default is an empty widget. Implementations call setView().
    virtual void loadView();

private:
    QPointer<QWidget> view_;
    QList<QPointer<QWidget>> ownedViews_;
    bool loadingView_ = false;
    NavigationItem* navigationItem_;
    QPointer<QObject> navigationController_;
    TabBarItem tabBarItem_;
    bool tabBarItemSet_ = false;
    bool hidesBottomBar_ = false;
};

} // namespace ui

#pragma once

#include "ui/ViewController.h"

#include <QList>
#include <QPointer>

namespace ui {

class TabBar;

// Screens side by side behind a tab bar at the bottom. Choosing a tab shows its screen;
// choosing the shown tab again takes its navigation stack back to the root.
class TabBarController : public ViewController {
    Q_OBJECT
public:
    explicit TabBarController(QObject* parent = nullptr);

    // Takes ownership of controllers without a parent.
    void setViewControllers(const QList<ViewController*>& controllers);
    QList<ViewController*> viewControllers() const;
    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int index);
    ViewController* selectedViewController() const;
    TabBar* tabBar();

signals:
    void didSelectViewController(ViewController* controller);

protected:
    void loadView() override;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void layout();
    void syncItems();
    void onTabActivated(int index);

    QList<QPointer<ViewController>> controllers_;
    int selected_ = -1;
    TabBar* tabBar_ = nullptr;
};

} // namespace ui

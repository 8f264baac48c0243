#pragma once

#include "ui/ViewController.h"

#include <QColor>
#include <QList>
#include <QPointer>

namespace ui {

class NavigationBar;
class NavigationKeys;
class SlideTransition;

// A stack of screens under a navigation bar. Push slides a screen in, pop slides it out; Escape
// goes back and Return confirms (NavigationKeys).
// A controller pushed without a QObject parent belongs to the stack and is deleted once popped;
// a screen that wants to push the same controller again gives it a parent.
class NavigationController : public ViewController {
    Q_OBJECT
public:
    explicit NavigationController(ViewController* root, QObject* parent = nullptr);
    ~NavigationController() override;

    void pushViewController(ViewController* controller, bool animated = true);
    // Pops the top screen (never the root); returns it, or nullptr when only the root is left.
    ViewController* popViewController(bool animated = true);
    void popToRootViewController(bool animated = true);

    ViewController* topViewController() const;
    QList<ViewController*> viewControllers() const;
    NavigationBar* navigationBar();
    void setTintColor(const QColor& tint);

    // True while the top screen asks for the tab bar to be hidden.
    bool bottomBarHidden() const;

    void viewWillAppear() override;

signals:
    void bottomBarHiddenChanged(bool hidden);

protected:
    void loadView() override;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showTop(ViewController* previous, bool forward, bool animated);
    void attach(ViewController* controller);
    void release(ViewController* controller);
    void onViewReplaced(QWidget* oldView, QWidget* newView);
    void popTo(int depth, bool animated);
    void updateBar();

    void deleteReleased();

    QList<QPointer<ViewController>> stack_;
    QList<QPointer<ViewController>> released_;
    NavigationBar* bar_ = nullptr;
    NavigationKeys* keys_ = nullptr;
    QWidget* content_ = nullptr;
    SlideTransition* transition_;
    bool bottomBarHidden_ = false;
};

} // namespace ui

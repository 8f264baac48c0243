#pragma once

#include "app/BaseAppDelegate.h"
#include "core/base/RefresherDelegate.h"

namespace ui {
class TabBarController;
}

// The five tabs (Overview, Food, Exercise, Weight, My Profile), each in a navigation stack with
// the application tint, and the welcome notice of the first two launches.
class QuorvelAppDelegate : public BaseAppDelegate, public RefresherDelegate {
    Q_OBJECT
public:
    QuorvelAppDelegate();

    ui::TabBarController* tabBarController() const;
    // Nothing to re-read at this level.
    void refreshData() override;
    // A new tab bar controller with the five tabs (without a parent).
    ui::ViewController* appendController() override;

protected:
    void setApplicationProps() override;
    void didShowWindow() override;
};

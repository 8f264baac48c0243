#pragma once

#include "ui/controls/QVXViewController.h"

#include <functional>

// A screen the profile list opens: its own "Back" in place of the standard back button, which
// leaves without storing anything more, and optionally a right button that finishes the edit.
class ProfileEditorController : public QVXViewController {
    Q_OBJECT
public:
    // Back to the profile list, animated.
    void leave();
    // Builds the view first: the editors fill their controls as they appear.
    void viewWillAppear() override;

protected:
    explicit ProfileEditorController(const QString& title, QObject* parent = nullptr);
    // The right button runs the action, then leaves.
    void setRightButton(const QString& title, std::function<void()> action);
};

#pragma once

#include "screens/profile/Details/ProfileEditorController.h"

namespace ui {
class Label;
}

// A profile value chosen on a wheel: the choice as text in a tinted band above the wheel, stored
// only by "Save". Saving a wheel that still shows the stored value keeps that value as it is:
// it may be finer than the wheel (170.6 cm) or lie in the other unit system, and a rounded
// copy would move the allowance and so drop the user's own adjustment.
class PickerEditorController : public ProfileEditorController {
    Q_OBJECT
public:
    ui::Label* infolabel() const { return infolabel_; }

protected:
    explicit PickerEditorController(const QString& title, QObject* parent = nullptr);
    void loadView() override;

    // The wheel under the bands, built once with the view.
    virtual QWidget* createWheel(QWidget* parent) = 0;
    // Whether the wheel moved away from the stored value.
    virtual bool hasChanged() const = 0;
    virtual void store() = 0;

private:
    ui::Label* infolabel_ = nullptr;
};

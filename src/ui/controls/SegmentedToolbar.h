#pragma once

#include "ui/Toolbar.h"

#include <QStringList>

namespace ui {
class SegmentedControl;
}

// A tinted toolbar around one bar-style segmented control, optionally after a caption: the
// meal row of the food editors, the intensity row of the exercise editor. The first segment is
// chosen at start when there is one.
class SegmentedToolbar : public ui::Toolbar {
    Q_OBJECT
public:
    SegmentedToolbar(const QStringList& titles, int controlWidth, const QString& caption = {},
                     QWidget* parent = nullptr);

    ui::SegmentedControl* control() const { return control_; }

private:
    ui::SegmentedControl* control_;
};

#include "ui/controls/SegmentedToolbar.h"

#include "ui/BarButtonItem.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/SegmentedControl.h"

SegmentedToolbar::SegmentedToolbar(const QStringList& titles, int controlWidth,
                                   const QString& caption, QWidget* parent)
    : ui::Toolbar(parent), control_(new ui::SegmentedControl(titles)) {
    control_->setSegmentedControlStyle(ui::SegmentedControl::Style::Bar);
    control_->setTintColor(tintColor());
    control_->resize(controlWidth, ui::Metrics::BarControlHeight);
    if (!titles.isEmpty())
        control_->setSelectedSegmentIndex(0);
    QList<ui::BarButtonItem*> items;
    if (!caption.isEmpty()) {
        auto* label = new ui::Label;
        label->setFontSize(18, true);
        label->setTextColor(Qt::white);
        label->setText(caption);
        label->resize(label->sizeHint());
        items << ui::BarButtonItem::withCustomView(label);
    }
    items << ui::BarButtonItem::flexibleSpace() << ui::BarButtonItem::withCustomView(control_)
          << ui::BarButtonItem::flexibleSpace();
    setItems(items);
}

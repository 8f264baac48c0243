#include "ui/BarButtonItem.h"

namespace ui {

BarButtonItem::BarButtonItem(Kind kind, QObject* parent) : QObject(parent), kind_(kind) {}

BarButtonItem::BarButtonItem(const QString& title, Style style, QObject* parent)
    : QObject(parent), kind_(Kind::Titled), style_(style), title_(title) {}

BarButtonItem* BarButtonItem::systemAdd(QObject* parent) {
    auto* item = new BarButtonItem(Kind::SystemAdd, parent);
    item->title_ = QStringLiteral("Add");
    return item;
}

BarButtonItem* BarButtonItem::withCustomView(QWidget* view, QObject* parent) {
    auto* item = new BarButtonItem(Kind::Custom, parent);
    item->customView_ = view;
    return item;
}

BarButtonItem* BarButtonItem::flexibleSpace(QObject* parent) {
    return new BarButtonItem(Kind::FlexibleSpace, parent);
}

BarButtonItem::~BarButtonItem() {
    // The item owns its custom view while no bar has taken it.
    if (customView_ && !customView_->parent())
        delete customView_;
}

void BarButtonItem::setStyle(Style style) {
    style_ = style;
    emit changed();
}

void BarButtonItem::setTitle(const QString& title) {
    title_ = title;
    emit changed();
}

void BarButtonItem::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    emit changed();
}

void BarButtonItem::trigger() {
    if (enabled_)
        emit triggered();
}

} // namespace ui

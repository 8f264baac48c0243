#include "ui/NavigationItem.h"

#include "ui/BarButtonItem.h"

namespace ui {

NavigationItem::NavigationItem(QObject* parent) : QObject(parent) {}

NavigationItem::~NavigationItem() {
    if (titleView_ && !titleView_->parent())
        delete titleView_;
}

void NavigationItem::setTitle(const QString& title) {
    title_ = title;
    emit changed();
}

void NavigationItem::setTitleView(QWidget* view) {
    titleView_ = view;
    emit changed();
}

void NavigationItem::adopt(BarButtonItem* item) {
    if (item && !item->parent())
        item->setParent(this);
}

void NavigationItem::setLeftBarButtonItem(BarButtonItem* item) {
    adopt(item);
    left_ = item;
    emit changed();
}

void NavigationItem::setRightBarButtonItem(BarButtonItem* item) {
    adopt(item);
    right_ = item;
    emit changed();
}

void NavigationItem::setHidesBackButton(bool hides) {
    hidesBackButton_ = hides;
    emit changed();
}

} // namespace ui

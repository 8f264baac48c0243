#include "ui/Toolbar.h"

#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"

namespace ui {

namespace {
constexpr int kMargin = 6;
constexpr int kSpacing = 8;
} // namespace

Toolbar::Toolbar(QWidget* parent) : TintedBar(parent) {
    setObjectName(QStringLiteral("toolbar"));
}

void Toolbar::tintChanged() {
    for (const QPointer<QWidget>& w : widgets_)
        if (auto* b = qobject_cast<BarButton*>(w.data()))
            b->setTint(tintColor());
}

void Toolbar::setItems(const QList<BarButtonItem*>& items) {
    for (const QPointer<QWidget>& w : widgets_) {
        if (qobject_cast<BarButton*>(w.data()))
            delete w.data();
        else if (w)
            w->hide();
    }
    widgets_.clear();
    items_.clear();
    for (BarButtonItem* item : items) {
        if (!item->parent())
            item->setParent(this);
        items_.append(item);
        QWidget* w = nullptr;
        if (item->kind() == BarButtonItem::Kind::Custom)
            w = item->customView();
        else if (item->kind() != BarButtonItem::Kind::FlexibleSpace)
            w = new BarButton(item, tintColor(), this);
        if (w) {
            w->setParent(this);
            w->show();
        }
        widgets_.append(w);
    }
    layoutItems();
}

QList<BarButtonItem*> Toolbar::items() const {
    QList<BarButtonItem*> list;
    for (const QPointer<BarButtonItem>& i : items_)
        list.append(i);
    return list;
}

void Toolbar::layoutItems() {
    auto isButton = [](QWidget* w) { return qobject_cast<BarButton*>(w) != nullptr; };
    auto sizeOf = [&](QWidget* w) { return isButton(w) ? w->sizeHint() : w->size(); };
    int fixed = 0;
    int flexible = 0;
    int shown = 0;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (items_[i] && items_[i]->kind() == BarButtonItem::Kind::FlexibleSpace)
            ++flexible;
        else if (widgets_[i])
            fixed += sizeOf(widgets_[i]).width() + (shown++ > 0 ? kSpacing : 0);
    }
    const int spare = std::max(0, width() - 2 * kMargin - fixed);
    int x = kMargin;
    bool first = true;
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (items_[i] && items_[i]->kind() == BarButtonItem::Kind::FlexibleSpace) {
            x += spare / flexible;
            continue;
        }
        QWidget* w = widgets_[i];
        if (!w)
            continue;
        x += first ? 0 : kSpacing;
        first = false;
        const QSize s = sizeOf(w);
        w->setGeometry(x, (height() - s.height()) / 2, s.width(), s.height());
        x += s.width();
    }
}

void Toolbar::resizeEvent(QResizeEvent*) {
    layoutItems();
}

} // namespace ui

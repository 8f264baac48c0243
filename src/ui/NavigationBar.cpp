#include "ui/NavigationBar.h"

#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/BarPainter.h"
#include "ui/Metrics.h"
#include "ui/NavigationItem.h"

#include <QPainter>

namespace ui {

namespace {
constexpr int kMargin = 5;
} // namespace

NavigationBar::NavigationBar(QWidget* parent) : TintedBar(parent) {
    setObjectName(QStringLiteral("navigationBar"));
    setFixedHeight(kHeight);
}

void NavigationBar::tintChanged() {
    for (BarButton* b : {back_.data(), left_.data(), right_.data()})
        if (b)
            b->setTint(tintColor());
}

QString NavigationBar::title() const {
    return item_ ? item_->title() : QString();
}

void NavigationBar::showItem(NavigationItem* item, bool canGoBack, const QString& previousTitle) {
    if (item_ != item) {
        if (item_)
            disconnect(item_, nullptr, this, nullptr);
        item_ = item;
        if (item_)
            connect(item_, &NavigationItem::changed, this, &NavigationBar::rebuild);
    }
    canGoBack_ = canGoBack;
    previousTitle_ = previousTitle;
    rebuild();
}

void NavigationBar::clearWidgets() {
    delete back_.data();
    delete left_.data();
    delete right_.data();
    // The title view belongs to its item: hand it back rather than destroying it.
    if (titleView_ && titleView_->parent() == this) {
        titleView_->hide();
        titleView_->setParent(nullptr);
    }
    titleView_ = nullptr;
}

void NavigationBar::rebuild() {
    clearWidgets();
    if (item_) {
        if (BarButtonItem* l = item_->leftBarButtonItem())
            left_ = new BarButton(l, tintColor(), this);
        else if (canGoBack_ && !item_->hidesBackButton()) {
            back_ = BarButton::backButton(previousTitle_, tintColor(), this);
            connect(back_, &QAbstractButton::clicked, this, &NavigationBar::backPressed);
        }
        if (BarButtonItem* r = item_->rightBarButtonItem())
            right_ = new BarButton(r, tintColor(), this);
        if (QWidget* tv = item_->titleView()) {
            titleView_ = tv;
            tv->setParent(this);
        }
    }
    for (QWidget* w : {static_cast<QWidget*>(back_.data()), static_cast<QWidget*>(left_.data()),
                       static_cast<QWidget*>(right_.data()), titleView_.data()})
        if (w)
            w->show();
    layoutWidgets();
    update();
}

void NavigationBar::layoutWidgets() {
    const int h = height();
    auto place = [h](QWidget* w, int x) {
        const QSize s = w->sizeHint().isValid() ? w->sizeHint() : w->size();
        w->setGeometry(x, (h - s.height()) / 2, s.width(), s.height());
    };
    if (back_)
        place(back_, kMargin);
    if (left_)
        place(left_, kMargin);
    if (right_)
        place(right_, width() - kMargin - right_->sizeHint().width());
    if (titleView_) {
        QSize s = titleView_->size();
        if (s.isEmpty())
            s = titleView_->sizeHint();
        titleView_->setGeometry((width() - s.width()) / 2, (h - s.height()) / 2, s.width(),
                                s.height());
    }
}

void NavigationBar::resizeEvent(QResizeEvent*) {
    layoutWidgets();
}

void NavigationBar::paintEvent(QPaintEvent* event) {
    TintedBar::paintEvent(event);
    QPainter p(this);
    if (!item_ || titleView_)
        return;
    // The title stays centred on the bar and never runs under a button.
    int leftEdge = kMargin;
    for (QWidget* w : {static_cast<QWidget*>(back_.data()), static_cast<QWidget*>(left_.data())})
        if (w)
            leftEdge = std::max(leftEdge, w->geometry().right() + 6);
    int rightEdge = width() - kMargin;
    if (right_)
        rightEdge = right_->geometry().left() - 6;
    const int half = std::min(width() / 2 - leftEdge, rightEdge - width() / 2);
    const QRect titleRect(width() / 2 - half, 0, 2 * half, height());
    p.setFont(Metrics::font(20, true));
    const QString shown = QFontMetrics(Metrics::font(20, true))
                              .elidedText(item_->title(), Qt::ElideRight, titleRect.width());
    BarPainter::paintEmbossedText(p, titleRect, Qt::AlignCenter, shown);
}

} // namespace ui

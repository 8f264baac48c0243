#include "ui/PickerView.h"

#include "ui/Animations.h"
#include "ui/BarPainter.h"
#include "ui/Metrics.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"
#include "ui/PickerWheel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
constexpr int frame = 9;
constexpr int gap = 4;
constexpr int defaultRowHeight = 40;
constexpr int turnMs = 250;
constexpr int slop = 4;
} // namespace

PickerView::PickerView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PickerView::~PickerView() = default;

QSize PickerView::sizeHint() const {
    return {Metrics::ScreenWidth, 216};
}

void PickerView::setDataSource(PickerViewDataSource* source) {
    dataSource_ = source;
    reloadAllComponents();
}

void PickerView::setDelegate(PickerViewDelegate* delegate) {
    delegate_ = delegate;
    reloadAllComponents();
}

void PickerView::reloadAllComponents() {
    const int count = dataSource_ ? std::max(0, dataSource_->numberOfComponents(this)) : 0;
    while (int(wheels_.size()) > count)
        wheels_.pop_back();
    while (int(wheels_.size()) < count) {
        const int c = int(wheels_.size());
        auto wheel = std::make_unique<PickerWheel>();
        connect(wheel.get(), &PickerWheel::positionChanged, this, [this] { update(); });
        connect(wheel.get(), &PickerWheel::settled, this,
                [this, c](int row) { rowSettled(c, row); });
        wheels_.push_back(std::move(wheel));
    }
    turnStart_.assign(count, -1);
    focused_ = std::clamp(focused_, 0, std::max(0, count - 1));
    for (int c = 0; c < count; ++c)
        reloadComponent(c);
    update();
}

void PickerView::reloadComponent(int component) {
    if (component < 0 || component >= numberOfComponents())
        return;
    dropViews(component);
    turnStart_[component] = -1;
    wheels_[component]->setRowCount(dataSource_ ? dataSource_->numberOfRows(this, component) : 0);
    update();
}

void PickerView::dropViews(int component) {
    for (auto it = views_.begin(); it != views_.end();) {
        if (it->first.second == component) {
            if (it->second)
                it->second->deleteLater();
            it = views_.erase(it);
        } else {
            ++it;
        }
    }
}

int PickerView::numberOfRowsInComponent(int component) const {
    return component >= 0 && component < numberOfComponents() ? wheels_[component]->rowCount() : 0;
}

int PickerView::selectedRowInComponent(int component) const {
    return component >= 0 && component < numberOfComponents() ? wheels_[component]->selectedRow()
                                                              : -1;
}

void PickerView::selectRow(int row, int component, bool animated) {
    if (component < 0 || component >= numberOfComponents())
        return;
    turnStart_[component] = -1;
    wheels_[component]->turnTo(row, animated ? Animations::duration(turnMs) : 0);
}

void PickerView::setShowsSelectionIndicator(bool shows) {
    showsIndicator_ = shows;
    update();
}

int PickerView::rowHeight(int component) const {
    const int asked =
        delegate_ ? delegate_->rowHeightForComponent(const_cast<PickerView*>(this), component) : -1;
    return asked > 0 ? asked : defaultRowHeight;
}

int PickerView::componentWidth(int component) const {
    const int asked =
        delegate_ ? delegate_->widthForComponent(const_cast<PickerView*>(this), component) : -1;
    if (asked > 0)
        return asked;
    const int n = std::max(1, numberOfComponents());
    return (width() - 2 * frame - (n - 1) * gap) / n;
}

QRect PickerView::componentRect(int component) const {
    int total = 0;
    for (int c = 0; c < numberOfComponents(); ++c)
        total += componentWidth(c) + (c > 0 ? gap : 0);
    int x = (width() - total) / 2;
    for (int c = 0; c < component; ++c)
        x += componentWidth(c) + gap;
    return {x, frame, componentWidth(component), height() - 2 * frame};
}

int PickerView::componentAt(QPoint pos) const {
    for (int c = 0; c < numberOfComponents(); ++c)
        if (componentRect(c).adjusted(-gap / 2, -frame, gap / 2, frame).contains(pos))
            return c;
    return -1;
}

void PickerView::userTurn(int component, int row) {
    if (turnStart_[component] < 0)
        turnStart_[component] = wheels_[component]->selectedRow();
    wheels_[component]->turnTo(row, Animations::duration(turnMs));
}

void PickerView::rowSettled(int component, int row) {
    const int start = turnStart_[component];
    turnStart_[component] = -1;
    if (start >= 0 && start != row && delegate_)
        delegate_->didSelectRow(this, row, component);
}

QWidget* PickerView::rowView(int row, int component) {
    const auto key = std::make_pair(row, component);
    auto found = views_.find(key);
    if (found != views_.end() && found->second)
        return found->second;
    QWidget* view = delegate_ ? delegate_->viewForRow(this, row, component) : nullptr;
    if (view) {
        view->setParent(this);
        view->hide();
        views_[key] = view;
    }
    return view;
}

QRect PickerView::selectionBand() const {
    const int h = rowHeight(focused_);
    return {frame - 3, (height() - h) / 2, width() - 2 * (frame - 3), h};
}

void PickerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(),
               BarPainter::vertical(rect(), {{0, QColor(96, 84, 58)}, {1, QColor(52, 44, 28)}}));
    const bool band = showsIndicator_ && numberOfComponents() > 0;
    // The band is glass over the wheels: tinted under the rows, edged above them, so the
    // chosen rows stay as crisp as the others.
    QColor tint = Metrics::tintColor();
    tint.setAlpha(70);
    const QLinearGradient glass =
        BarPainter::vertical(selectionBand(), {{0, QColor(255, 255, 255, 70)}, {1, tint}});
    if (band)
        p.fillRect(selectionBand(), glass);
    for (int c = 0; c < numberOfComponents(); ++c) {
        paintComponent(p, c, band ? QBrush(glass) : QBrush());
    }
    if (band) {
        p.setPen(QPen(QColor(90, 76, 48, 220), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(selectionBand()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}

void PickerView::paintComponent(QPainter& p, int c, const QBrush& band) {
    const QRect r = componentRect(c);
    p.save();
    p.setClipRect(r);
    p.fillRect(r, Qt::white);
    if (band.style() != Qt::NoBrush)
        p.fillRect(selectionBand(), band);
    const int h = rowHeight(c);
    const qreal centre = r.top() + r.height() / 2.0;
    const PickerWheel& wheel = *wheels_[c];
    const int first = std::max(0, int(std::floor(wheel.position() - r.height() / 2.0 / h)) - 1);
    const int last =
        std::min(wheel.rowCount() - 1, int(std::ceil(wheel.position() + r.height() / 2.0 / h)) + 1);
    p.setFont(Metrics::resized(p.font(), 20, true));
    for (int row = first; row <= last; ++row) {
        const QRect cell(r.left(), int(std::lround(centre + (row - wheel.position() - 0.5) * h)),
                         r.width(), h);
        if (QWidget* view = rowView(row, c)) {
            // Rendered into a pixmap of its own: render() straight onto this widget's painter
            // places the row relative to the window, not to the picker.
            view->resize(r.width(), h);
            const qreal dpr = devicePixelRatioF();
            QPixmap image(view->size() * dpr);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::transparent);
            view->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            p.drawPixmap(cell.topLeft(), image);
        } else if (delegate_) {
            p.setPen(Qt::black);
            p.drawText(cell.adjusted(6, 0, -6, 0), Qt::AlignCenter,
                       delegate_->titleForRow(this, row, c));
        }
    }
    // Shading at the top and bottom makes the flat list read as a turning drum.
    p.fillRect(r, BarPainter::vertical(r, {{0, QColor(60, 50, 30, 170)},
                                           {0.28, QColor(255, 255, 255, 0)},
                                           {0.72, QColor(255, 255, 255, 0)},
                                           {1, QColor(60, 50, 30, 170)}}));
    p.restore();
    if (hasFocus() && keyboardUsed_ && c == focused_ && numberOfComponents() > 1) {
        p.setPen(QPen(QColor(240, 214, 128), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    }
}

void PickerView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    dragComponent_ = componentAt(pos);
    if (dragComponent_ < 0)
        return;
    focused_ = dragComponent_;
    keyboardUsed_ = false;
    PickerWheel& wheel = *wheels_[dragComponent_];
    if (turnStart_[dragComponent_] < 0)
        turnStart_[dragComponent_] = wheel.selectedRow();
    wheel.stop();
    pressY_ = pos.y();
    pressPosition_ = wheel.position();
    dragged_ = false;
    flick_.press(pos.y(), event->timestamp());
    update();
}

void PickerView::mouseMoveEvent(QMouseEvent* event) {
    if (dragComponent_ < 0)
        return;
    const int y = event->position().toPoint().y();
    if (std::abs(y - pressY_) > slop)
        dragged_ = true;
    if (!dragged_)
        return;
    flick_.move(y, event->timestamp());
    wheels_[dragComponent_]->dragTo(pressPosition_ -
                                    (y - pressY_) / qreal(rowHeight(dragComponent_)));
}

void PickerView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragComponent_ < 0)
        return;
    const int c = dragComponent_;
    dragComponent_ = -1;
    PickerWheel& wheel = *wheels_[c];
    if (dragged_) {
        // Rows per second: dragging up turns the wheel to later rows.
        const qreal v = -flick_.releaseVelocity(event->timestamp()) / rowHeight(c);
        userTurn(c, wheel.restingRowFor(v));
        return;
    }
    // A tap above or below the middle turns the wheel to the tapped row.
    const QRect r = componentRect(c);
    const qreal offset = (event->position().y() - (r.top() + r.height() / 2.0)) / rowHeight(c);
    userTurn(c, wheel.selectedRow() + int(std::lround(offset)));
}

void PickerView::wheelEvent(QWheelEvent* event) {
    const int c = componentAt(event->position().toPoint());
    const int steps = event->angleDelta().y() / 120;
    if (c < 0 || steps == 0) {
        event->ignore();
        return;
    }
    focused_ = c;
    userTurn(c, wheels_[c]->selectedRow() - steps);
    event->accept();
}

void PickerView::keyPressEvent(QKeyEvent* event) {
    if (numberOfComponents() == 0)
        return QWidget::keyPressEvent(event);
    const int row = wheels_[focused_]->selectedRow();
    keyboardUsed_ = true;
    update();
    switch (event->key()) {
    case Qt::Key_Left:
        focused_ = std::max(0, focused_ - 1);
        update();
        break;
    case Qt::Key_Right:
        focused_ = std::min(numberOfComponents() - 1, focused_ + 1);
        update();
        break;
    case Qt::Key_Up:
        userTurn(focused_, row - 1);
        break;
    case Qt::Key_Down:
        userTurn(focused_, row + 1);
        break;
    case Qt::Key_PageUp:
        userTurn(focused_, row - 5);
        break;
    case Qt::Key_PageDown:
        userTurn(focused_, row + 5);
        break;
    case Qt::Key_Home:
        userTurn(focused_, 0);
        break;
    case Qt::Key_End:
        userTurn(focused_, numberOfRowsInComponent(focused_) - 1);
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    event->accept();
}

} // namespace ui

// TableView's answers to the user: taps, drags and swipes on the viewport, the keyboard, the
// index bar and the Delete confirmation. Layout, cell reuse and painting are in TableView.cpp.
#include "ui/TableView.h"

#include "ui/ScrollGlide.h"
#include "ui/ShortcutKeys.h"
#include "ui/TableIndexBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace ui {

void TableView::chooseIndexTitle(int index) {
    if (!dataSource_)
        return;
    const QStringList titles = indexBar_->titles();
    if (index < 0 || index >= titles.size())
        return;
    hideDeleteConfirmation();
    scrollToSection(dataSource_->sectionForSectionIndexTitle(this, titles[index], index));
}

bool TableView::isEditable(const IndexPath& path) const {
    return dataSource_ && layout_.contains(path) &&
           dataSource_->canEditRow(const_cast<TableView*>(this), path);
}

void TableView::showDeleteConfirmation(const IndexPath& path) {
    if (!isEditable(path))
        return;
    if (confirming_.isValid() && confirming_ != path)
        hideDeleteConfirmation();
    confirming_ = path;
    if (TableViewCell* cell = cellForRow(path))
        cell->setShowingDeleteConfirmation(true);
    placeOverlays();
}

void TableView::hideDeleteConfirmation() {
    if (!confirming_.isValid())
        return;
    if (TableViewCell* cell = cellForRow(confirming_))
        cell->setShowingDeleteConfirmation(false);
    confirming_ = {};
    deleteButton_->hide();
}

QPushButton* TableView::deleteButton() const {
    return confirming_.isValid() ? deleteButton_ : nullptr;
}

void TableView::commitDelete() {
    const IndexPath path = confirming_;
    hideDeleteConfirmation();
    if (!isEditable(path))
        return;
    const bool wasSelected = selected_ == path;
    if (wasSelected)
        selected_ = {};
    const int before = reloads_;
    dataSource_->commitEditingStyle(this, EditingStyle::Delete, path);
    // The rows changed under us: never keep showing the old geometry.
    if (reloads_ == before)
        reloadData();
    // Keyboard deleting goes on with the row that took the deleted one's place.
    const int rows = layout_.rowCount(path.section);
    if (wasSelected && rows > 0)
        selectRow({path.section, std::min(path.row, rows - 1)});
}

void TableView::tapRow(const IndexPath& path) {
    if (!path.isValid())
        return;
    selectRow(path);
    if (delegate_)
        delegate_->didSelectRow(this, path);
}

void TableView::moveSelection(int step) {
    std::vector<IndexPath> all;
    for (int s = 0; s < layout_.sectionCount(); ++s)
        for (int r = 0; r < layout_.rowCount(s); ++r)
            all.push_back({s, r});
    if (all.empty())
        return;
    auto at = std::find(all.begin(), all.end(), selected_);
    int i = at == all.end() ? (step > 0 ? 0 : int(all.size()) - 1)
                            : std::clamp(int(at - all.begin()) + step, 0, int(all.size()) - 1);
    hideDeleteConfirmation();
    selectRow(all[i]);
    const QRect r = rowRect(all[i]);
    if (r.top() < 0)
        setContentOffset(layout_.rowTop(all[i]));
    else if (r.bottom() >= viewport()->height())
        setContentOffset(layout_.rowTop(all[i]) + r.height() - viewport()->height());
}

void TableView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        moveSelection(-1);
        break;
    case Qt::Key_Down:
        moveSelection(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (confirming_.isValid())
            commitDelete();
        else
            tapRow(selected_);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        // First press asks, a second press on the same row deletes.
        if (confirming_.isValid() && confirming_ == selected_)
            commitDelete();
        else
            showDeleteConfirmation(selected_);
        break;
    case Qt::Key_Escape:
        if (!confirming_.isValid())
            return QAbstractScrollArea::keyPressEvent(event);
        hideDeleteConfirmation();
        break;
    default:
        return QAbstractScrollArea::keyPressEvent(event);
    }
    event->accept();
}

void TableView::mousePress(QMouseEvent* event) {
    // A touch stops a gliding list where it is.
    glide_->stop();
    tracker_.press(event->position().toPoint());
    scrolling_ = false;
}

void TableView::mouseMove(QMouseEvent* event) {
    if (!tracker_.active())
        return;
    const QPoint pos = event->position().toPoint();
    const SwipeTracker::Gesture g = tracker_.move(pos);
    if (g == SwipeTracker::Gesture::Scroll) {
        if (!scrolling_) {
            scrolling_ = true;
            hideDeleteConfirmation();
            dragStartOffset_ = contentOffset();
            flick_.press(pos.y(), event->timestamp());
        } else {
            flick_.move(pos.y(), event->timestamp());
        }
        // The content follows the finger; the bar keeps it within the list.
        setContentOffset(dragStartOffset_ - (pos.y() - tracker_.pressPos().y()));
    } else if (g == SwipeTracker::Gesture::SwipeLeft) {
        const IndexPath path = indexPathForRowAt(tracker_.pressPos());
        if (path != confirming_)
            showDeleteConfirmation(path);
    } else if (g == SwipeTracker::Gesture::SwipeRight) {
        hideDeleteConfirmation();
    }
}

void TableView::mouseRelease(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const SwipeTracker::Gesture g = tracker_.release(pos);
    if (scrolling_) {
        scrolling_ = false;
        // Dragging up moves further down the list.
        glide_->flick(-flick_.releaseVelocity(event->timestamp()));
        return;
    }
    if (g != SwipeTracker::Gesture::Tap)
        return;
    // A tap while Delete shows only dismisses it, as on a phone.
    if (confirming_.isValid()) {
        hideDeleteConfirmation();
        return;
    }
    tapRow(indexPathForRowAt(tracker_.pressPos()));
}

bool TableView::event(QEvent* event) {
    if (hasFocus() && (selected_.isValid() || confirming_.isValid()) &&
        shortcutKeys::claim(event, {Qt::Key_Return, Qt::Key_Enter}))
        return true;
    if (hasFocus() && confirming_.isValid() && shortcutKeys::claim(event, {Qt::Key_Escape}))
        return true;
    return QAbstractScrollArea::event(event);
}

bool TableView::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter p(viewport());
        paintViewport(p);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            setFocus(Qt::MouseFocusReason);
            mousePress(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    case QEvent::MouseMove:
        mouseMove(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            mouseRelease(static_cast<QMouseEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace ui

#include "ui/TableView.h"

#include "ui/Animations.h"
#include "ui/FocusFrame.h"
#include "ui/ScrollGlide.h"
#include "ui/TableIndexBar.h"
#include "ui/TablePainter.h"

#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace ui {

namespace {
constexpr int plainTitleHeight = 22;
constexpr int groupedTitleHeight = 40;
constexpr int groupedGap = 10;
constexpr int groupInset = 9;
constexpr int deleteWidth = 64;

int orDefault(int asked, int fallback) {
    return asked >= 0 ? asked : fallback;
}
} // namespace

TableView::TableView(Style style, QWidget* parent)
    : QAbstractScrollArea(parent), style_(style), separatorColor_(224, 224, 224),
      backgroundColor_(style == Style::Plain ? QColor(Qt::white) : QColor(222, 216, 200)) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(false);
    verticalScrollBar()->setSingleStep(20);

    glide_ = new ScrollGlide(verticalScrollBar(), this);
    // The rows cover the table: its focus ring lies over them.
    focusFrame_ = new FocusFrame(this, viewport(), QColor(108, 93, 62));

    indexBar_ = new TableIndexBar(viewport());
    indexBar_->hide();
    connect(indexBar_, &TableIndexBar::titleChosen, this, &TableView::chooseIndexTitle);

    deleteButton_ = new QPushButton(tr("Delete"), viewport());
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    deleteButton_->setFocusPolicy(Qt::NoFocus);
    deleteButton_->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; font-size: 14px; border-radius: 5px;"
        " border: 1px solid #7a1610; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #e8574c, stop:1 #b8261c); }"
        "QPushButton:pressed { background: #9c1e16; }"));
    deleteButton_->hide();
    connect(deleteButton_, &QPushButton::clicked, this, &TableView::commitDelete);
}

TableView::~TableView() {
    // Header views belong to whoever made them; leave them out of the viewport's teardown.
    for (const QPointer<QWidget>& header : lent_)
        if (header && header->parent() == viewport())
            header->setParent(nullptr);
}

void TableView::setDataSource(TableViewDataSource* source) {
    dataSource_ = source;
    reloadData();
}

void TableView::setDelegate(TableViewDelegate* delegate) {
    delegate_ = delegate;
    reloadData();
}

void TableView::setRowHeight(int height) {
    rowHeight_ = height;
    reloadData();
}

void TableView::setSeparatorColor(const QColor& colour) {
    separatorColor_ = colour;
    for (auto& [path, cell] : visible_)
        cell->setSeparatorColor(colour);
    viewport()->update();
}

void TableView::setBackgroundColor(const QColor& colour) {
    backgroundColor_ = colour;
    viewport()->update();
}

void TableView::setTableFooterView(QWidget* view) {
    if (footerView_ && footerView_ != view)
        footerView_->deleteLater();
    footerView_ = view;
    if (view) {
        view->setParent(viewport());
        view->show();
    }
    updateScrollRange();
    layoutVisible();
}

void TableView::reloadData() {
    ++reloads_;
    hideDeleteConfirmation();
    for (auto& [path, cell] : visible_)
        recycle(cell);
    visible_.clear();
    dropHeaders();
    std::erase_if(lent_, [](const QPointer<QWidget>& header) { return header.isNull(); });
    rebuildLayout();
    if (selected_.isValid() && !layout_.contains(selected_))
        selected_ = {};
    const QStringList titles = dataSource_ ? dataSource_->sectionIndexTitles(this) : QStringList();
    indexBar_->setTitles(titles);
    indexBar_->setVisible(!titles.isEmpty());
    updateScrollRange();
    layoutVisible();
    viewport()->update();
}

void TableView::rebuildLayout() {
    layout_.clear();
    titles_.clear();
    if (!dataSource_)
        return;
    const int sections = std::max(0, dataSource_->numberOfSections(this));
    const bool grouped = style_ == Style::Grouped;
    for (int s = 0; s < sections; ++s) {
        const QString title = dataSource_->titleForHeader(this, s);
        titles_.push_back(title);
        const int rows = std::max(0, dataSource_->numberOfRows(this, s));
        std::vector<int> heights(rows, rowHeight_);
        if (delegate_)
            for (int r = 0; r < rows; ++r)
                heights[r] = orDefault(delegate_->heightForRow(this, {s, r}), rowHeight_);
        int headerDefault = title.isEmpty() ? 0 : plainTitleHeight;
        if (grouped)
            headerDefault = title.isEmpty() ? groupedGap : groupedTitleHeight;
        const int header = delegate_ ? orDefault(delegate_->heightForHeader(this, s), headerDefault)
                                     : headerDefault;
        const int footerDefault = grouped ? groupedGap : 0;
        const int footer = delegate_ ? orDefault(delegate_->heightForFooter(this, s), footerDefault)
                                     : footerDefault;
        layout_.addSection(header, heights, footer);
    }
}

int TableView::contentHeight() const {
    return layout_.contentHeight() + (footerView_ ? footerView_->height() : 0);
}

void TableView::updateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, contentHeight() - viewport()->height()));
}

int TableView::contentOffset() const {
    return verticalScrollBar()->value();
}

void TableView::setContentOffset(int y) {
    verticalScrollBar()->setValue(y);
}

void TableView::scrollContentsBy(int, int) {
    layoutVisible();
    viewport()->update();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    layoutVisible();
}

int TableView::rowsLeft() const {
    return style_ == Style::Grouped ? groupInset : 0;
}

int TableView::rowsRight() const {
    int right = viewport()->width();
    if (indexBar_->isVisible())
        right -= TableIndexBar::barWidth;
    return style_ == Style::Grouped ? right - groupInset : right;
}

QRect TableView::rowRect(const IndexPath& path) const {
    return {rowsLeft(), layout_.rowTop(path) - contentOffset(), rowsRight() - rowsLeft(),
            layout_.rowHeight(path)};
}

QRect TableView::rectForRow(const IndexPath& path) const {
    return layout_.contains(path) ? rowRect(path) : QRect();
}

GroupPosition TableView::groupPositionFor(const IndexPath& path) const {
    if (style_ != Style::Grouped)
        return GroupPosition::None;
    const int last = layout_.rowCount(path.section) - 1;
    if (last == 0)
        return GroupPosition::Single;
    if (path.row == 0)
        return GroupPosition::Top;
    return path.row == last ? GroupPosition::Bottom : GroupPosition::Middle;
}

void TableView::layoutVisible() {
    const int top = contentOffset();
    const int bottom = top + viewport()->height();
    placeCells(top, bottom);
    placeHeaders(top, bottom);
    placeOverlays();
}

void TableView::placeCells(int top, int bottom) {
    const std::vector<IndexPath> rows = layout_.rowsIn(top, bottom);
    for (auto it = visible_.begin(); it != visible_.end();) {
        if (std::binary_search(rows.begin(), rows.end(), it->first)) {
            ++it;
        } else {
            recycle(it->second);
            it = visible_.erase(it);
        }
    }
    for (const IndexPath& path : rows) {
        TableViewCell* cell = nullptr;
        auto found = visible_.find(path);
        if (found != visible_.end()) {
            cell = found->second;
        } else {
            if (!dataSource_)
                continue;
            cell = dataSource_->cellForRow(this, path);
            if (!cell)
                continue;
            if (cell->parentWidget() != viewport())
                cell->setParent(viewport());
            cell->setGroupPosition(groupPositionFor(path));
            cell->setSeparatorColor(separatorColor_);
            cell->setSelected(path == selected_);
            cell->setShowingDeleteConfirmation(path == confirming_);
            visible_[path] = cell;
        }
        cell->setGeometry(rowRect(path));
        cell->layoutContent();
        cell->show();
    }
}

void TableView::recycle(TableViewCell* cell) {
    cell->hide();
    auto& queue = reusable_[cell->reuseIdentifier()];
    if (std::find(queue.begin(), queue.end(), cell) == queue.end())
        queue.push_back(cell);
}

TableViewCell* TableView::dequeueReusableCell(const QString& identifier) {
    auto found = reusable_.find(identifier);
    if (found == reusable_.end() || found->second.empty())
        return nullptr;
    TableViewCell* cell = found->second.back();
    found->second.pop_back();
    cell->prepareForReuse();
    return cell;
}

void TableView::dropHeaders() {
    for (auto& [section, header] : headers_)
        if (header)
            header->hide();
    headers_.clear();
}

int TableView::headerTopInView(int section) const {
    const int offset = contentOffset();
    int y = layout_.sectionTop(section);
    // Plain tables keep the header of the section in view pinned to the top edge.
    if (style_ == Style::Plain) {
        const int h = layout_.headerHeight(section);
        y = std::max(y, std::min(offset, layout_.rowsBottom(section) - h));
    }
    return y - offset;
}

void TableView::placeHeaders(int top, int bottom) {
    std::map<int, QPointer<QWidget>> shown;
    for (int s = std::max(0, layout_.sectionAt(top)); s >= 0 && s < layout_.sectionCount(); ++s) {
        if (layout_.sectionTop(s) >= bottom)
            break;
        if (layout_.headerHeight(s) <= 0)
            continue;
        auto known = headers_.find(s);
        QPointer<QWidget> header;
        if (known != headers_.end()) {
            header = known->second;
            headers_.erase(known);
        } else if (delegate_) {
            header = delegate_->viewForHeader(this, s);
        }
        shown[s] = header;
        if (!header)
            continue;
        if (header->parentWidget() != viewport()) {
            header->setParent(viewport());
            lent_.push_back(header);
        }
        header->setAttribute(Qt::WA_TransparentForMouseEvents);
        header->setGeometry(0, headerTopInView(s), rowsRight() + rowsLeft(),
                            layout_.headerHeight(s));
        header->show();
        header->raise();
    }
    dropHeaders();
    headers_ = std::move(shown);
}

void TableView::placeOverlays() {
    if (footerView_) {
        footerView_->setGeometry(0, layout_.contentHeight() - contentOffset(), viewport()->width(),
                                 footerView_->height());
    }
    if (confirming_.isValid() && layout_.contains(confirming_)) {
        const QRect r = rowRect(confirming_);
        const int h = std::min(30, r.height() - 10);
        deleteButton_->setGeometry(r.right() - 8 - deleteWidth, r.top() + (r.height() - h) / 2,
                                   deleteWidth, h);
        deleteButton_->show();
        deleteButton_->raise();
    } else {
        deleteButton_->hide();
    }
    indexBar_->setGeometry(viewport()->width() - TableIndexBar::barWidth, 0,
                           TableIndexBar::barWidth, viewport()->height());
    indexBar_->raise();
    focusFrame_->raise();
}

TableViewCell* TableView::cellForRow(const IndexPath& path) const {
    auto found = visible_.find(path);
    return found == visible_.end() ? nullptr : found->second;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const {
    std::vector<IndexPath> rows;
    for (const auto& [path, cell] : visible_)
        rows.push_back(path);
    return rows;
}

IndexPath TableView::indexPathForRowAt(QPoint pos) const {
    if (pos.x() < rowsLeft() || pos.x() >= rowsRight())
        return {};
    return layout_.rowAt(pos.y() + contentOffset());
}

void TableView::selectRow(const IndexPath& path, bool) {
    if (selected_.isValid() && selected_ != path)
        if (TableViewCell* old = cellForRow(selected_))
            old->setSelected(false);
    selected_ = layout_.contains(path) ? path : IndexPath{};
    if (TableViewCell* cell = cellForRow(selected_))
        cell->setSelected(true);
}

void TableView::deselectRow(const IndexPath& path, bool animated) {
    if (!path.isValid() || path != selected_)
        return;
    selected_ = {};
    if (TableViewCell* cell = cellForRow(path))
        cell->setSelected(false, animated);
}

void TableView::scrollToRow(const IndexPath& path, bool animated) {
    if (!layout_.contains(path))
        return;
    const int y = std::min(layout_.rowTop(path), verticalScrollBar()->maximum());
    glide_->scrollTo(y, animated ? 300 : 0);
}

void TableView::scrollToSection(int section) {
    if (section < 0 || section >= layout_.sectionCount())
        return;
    setContentOffset(std::min(layout_.sectionTop(section), verticalScrollBar()->maximum()));
}

void TableView::paintViewport(QPainter& p) {
    TablePainter::paintBackground(p, viewport()->rect(), backgroundColor_,
                                  style_ == Style::Grouped);
    const int top = contentOffset();
    const int bottom = top + viewport()->height();
    for (int s = std::max(0, layout_.sectionAt(top)); s >= 0 && s < layout_.sectionCount(); ++s) {
        if (layout_.sectionTop(s) >= bottom)
            break;
        const int h = layout_.headerHeight(s);
        auto header = headers_.find(s);
        if (h <= 0 || (header != headers_.end() && header->second) || s >= int(titles_.size()) ||
            titles_[s].isEmpty())
            continue;
        const QRect r(0, headerTopInView(s), rowsRight() + rowsLeft(), h);
        TablePainter::paintTitle(p, r, titles_[s], style_ == Style::Grouped, groupInset);
    }
}

} // namespace ui

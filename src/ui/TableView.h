#pragma once

#include "ui/FlickTracker.h"
#include "ui/IndexPath.h"
#include "ui/SwipeTracker.h"
#include "ui/TableLayout.h"
#include "ui/TableViewCell.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPointer>
#include <map>
#include <unordered_map>
#include <vector>

class QPushButton;

namespace ui {

class ScrollGlide;
class TableIndexBar;
class TableViewCell;

// A scrolling list of sections and rows in the plain or grouped style. Only the rows in view
// exist as cells; cells leaving the view wait under their reuse identifier until the data
// source asks for one again. Tap selects, a vertical drag scrolls (kinetic), a left swipe on an
// editable row shows a Delete button, the Delete key does the same for the selected row.
class TableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Style { Plain, Grouped };

    explicit TableView(Style style = Style::Plain, QWidget* parent = nullptr);
    ~TableView() override;

    Style style() const { return style_; }
    void setDataSource(TableViewDataSource* source);
    TableViewDataSource* dataSource() const { return dataSource_; }
    void setDelegate(TableViewDelegate* delegate);
    TableViewDelegate* delegate() const { return delegate_; }

    // Row height used where the delegate gives none.
    void setRowHeight(int height);
    int rowHeight() const { return rowHeight_; }
    void setSeparatorColor(const QColor& colour);
    QColor separatorColor() const { return separatorColor_; }
    // A transparent colour lets the widgets behind the table show through.
    void setBackgroundColor(const QColor& colour);
    QColor backgroundColor() const { return backgroundColor_; }
    // A view below the last section that scrolls with the rows; the table takes ownership.
    void setTableFooterView(QWidget* view);
    QWidget* tableFooterView() const { return footerView_; }

    // Asks the data source and the delegate for everything again.
    void reloadData();
    // A cell waiting for reuse under the identifier, or nullptr.
    TableViewCell* dequeueReusableCell(const QString& identifier);
    // A Cell waiting for reuse under the identifier, else a new one from make().
    template <class Cell, class Make> Cell* reusableCell(const QString& identifier, Make make) {
        if (auto* cell = qobject_cast<Cell*>(dequeueReusableCell(identifier)))
            return cell;
        return make();
    }

    int numberOfSections() const { return layout_.sectionCount(); }
    int numberOfRows(int section) const { return layout_.rowCount(section); }
    // The cell showing the row, or nullptr when the row is out of view.
    TableViewCell* cellForRow(const IndexPath& path) const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;
    // The row at a point of the viewport, invalid over headers and empty space.
    IndexPath indexPathForRowAt(QPoint viewportPos) const;
    // The row's rectangle in the viewport's coordinates.
    QRect rectForRow(const IndexPath& path) const;
    int contentHeight() const;

    IndexPath indexPathForSelectedRow() const { return selected_; }
    void selectRow(const IndexPath& path, bool animated = false);
    void deselectRow(const IndexPath& path, bool animated);

    int contentOffset() const;
    void setContentOffset(int y);
    void scrollToRow(const IndexPath& path, bool animated = false);
    void scrollToSection(int section);

    IndexPath deleteConfirmationRow() const { return confirming_; }
    void showDeleteConfirmation(const IndexPath& path);
    void hideDeleteConfirmation();
    // The Delete button while it shows, else nullptr.
    QPushButton* deleteButton() const;
    TableIndexBar* indexBar() const { return indexBar_; }

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuildLayout();
    void updateScrollRange();
    void layoutVisible();
    void placeCells(int top, int bottom);
    void placeHeaders(int top, int bottom);
    void placeOverlays();
    void recycle(TableViewCell* cell);
    void dropHeaders();
    void paintViewport(QPainter& p);
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void tapRow(const IndexPath& path);
    void commitDelete();
    void chooseIndexTitle(int index);
    void moveSelection(int step);
    bool isEditable(const IndexPath& path) const;
    int headerTopInView(int section) const;
    QRect rowRect(const IndexPath& path) const;
    int rowsLeft() const;
    int rowsRight() const;
    GroupPosition groupPositionFor(const IndexPath& path) const;

    Style style_;
    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    TableLayout layout_;
    int rowHeight_ = 44;
    QColor separatorColor_;
    QColor backgroundColor_;
    std::map<IndexPath, TableViewCell*> visible_;
    std::unordered_map<QString, std::vector<TableViewCell*>> reusable_;
    std::map<int, QPointer<QWidget>> headers_;
    // Every header view ever shown: handed back to its owner when the table goes.
    std::vector<QPointer<QWidget>> lent_;
    std::vector<QString> titles_;
    QPointer<QWidget> footerView_;
    TableIndexBar* indexBar_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    IndexPath selected_;
    IndexPath confirming_;
    SwipeTracker tracker_;
    // The vertical drag in progress: the offset it started from and its speed.
    bool scrolling_ = false;
    int dragStartOffset_ = 0;
    FlickTracker flick_;
    ScrollGlide* glide_ = nullptr;
    int reloads_ = 0;
};

} // namespace ui

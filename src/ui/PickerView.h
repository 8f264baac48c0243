#pragma once

#include "ui/FlickTracker.h"
#include "ui/KeyboardFocusRing.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

class PickerViewDataSource;
class PickerViewDelegate;
class PickerWheel;

// Side-by-side wheels of rows. Drag a wheel (it flicks and snaps to a row), turn it with the
// mouse wheel, or move with the arrow keys (left and right choose the wheel). The delegate hears
// of every row the user settles on.
class PickerView : public QWidget {
    Q_OBJECT
public:
    explicit PickerView(QWidget* parent = nullptr);
    ~PickerView() override;

    void setDataSource(PickerViewDataSource* source);
    void setDelegate(PickerViewDelegate* delegate);

    int numberOfComponents() const { return int(wheels_.size()); }
    int numberOfRowsInComponent(int component) const;
    // -1 for a component without rows or that does not exist.
    int selectedRowInComponent(int component) const;
    // Turns the wheel to the row; the delegate is not told.
    void selectRow(int row, int component, bool animated);
    void reloadAllComponents();
    void reloadComponent(int component);

    void setShowsSelectionIndicator(bool shows);
    bool showsSelectionIndicator() const { return showsIndicator_; }

    // The wheel with keyboard focus.
    int focusedComponent() const { return focused_; }
    // A component's rectangle in this widget, and its row height.
    QRect componentRect(int component) const;
    int rowHeight(int component) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Focused by the user, the picker keeps the arrow keys from the window's shortcuts.
    bool event(QEvent* event) override;

private:
    int componentAt(QPoint pos) const;
    int componentWidth(int component) const;
    void userTurn(int component, int row);
    void rowSettled(int component, int row);
    void paintComponent(QPainter& p, int component, const QBrush& band);
    QRect selectionBand() const;
    QWidget* rowView(int row, int component);
    void dropViews(int component);

    PickerViewDataSource* dataSource_ = nullptr;
    PickerViewDelegate* delegate_ = nullptr;
    std::vector<std::unique_ptr<PickerWheel>> wheels_;
    // Row before the user started turning each wheel; -1 when the turn is programmatic.
    std::vector<int> turnStart_;
    std::map<std::pair<int, int>, QPointer<QWidget>> views_;
    bool showsIndicator_ = false;
    int focused_ = 0;
    // The focused wheel is outlined only for keyboard users.
    bool keyboardUsed_ = false;
    KeyboardFocusRing focusRing_;

    // The drag in progress.
    int dragComponent_ = -1;
    int pressY_ = 0;
    qreal pressPosition_ = 0;
    bool dragged_ = false;
    FlickTracker flick_;
};

} // namespace ui

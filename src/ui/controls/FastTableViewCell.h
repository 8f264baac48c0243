#pragma once

#include "ui/TableViewCell.h"

class FastTableViewCellView;
class QPainter;

// A row drawn in one pass instead of composed of labels: subclasses draw the whole row in
// drawContentView. The drawing stops 1 point above the bottom so the separator stays visible.
class FastTableViewCell : public ui::TableViewCell {
    Q_OBJECT
public:
    explicit FastTableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    FastTableViewCellView* contentDrawingView() const { return view_; }
    void setNeedsDisplay();
    // A row fading out of its selection is redrawn once the fade is over.
    void setSelected(bool selected, bool animated = false) override;
    // Draws the row into rect; the base draws nothing.
    virtual void drawContentView(QPainter& painter, const QRect& rect);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void stateChanged() override;

private:
    FastTableViewCellView* view_;
};

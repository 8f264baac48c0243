#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QPainterPath;
class QVariantAnimation;

namespace ui {

enum class CellStyle { Default, Subtitle };
enum class AccessoryType { None, DisclosureIndicator, Checkmark };
// Where a cell sits in the rounded group of a grouped table; None in a plain table.
enum class GroupPosition { None, Top, Middle, Bottom, Single };

// One row of a TableView: a text, an optional detail text and image, an accessory mark, a
// selection highlight and a separator. Subclasses draw their own content in paintContent().
// The table positions cells, hands them out again for reuse and routes all input; cells never
// take mouse events themselves.
class TableViewCell : public QWidget {
    Q_OBJECT
public:
    explicit TableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);
    TableViewCell(CellStyle style, const QString& reuseIdentifier, QWidget* parent = nullptr);
    ~TableViewCell() override;

    QString reuseIdentifier() const { return reuseIdentifier_; }

    // The standard content, created on first use.
    QLabel* textLabel();
    QLabel* detailTextLabel();
    QLabel* imageView();
    // Colour of the main text when not selected (selected rows show white text).
    void setTextColor(const QColor& colour);
    QColor textColor() const { return textColor_; }

    AccessoryType accessoryType() const { return accessory_; }
    void setAccessoryType(AccessoryType type);
    // Drawn stretched over the row unless the row is selected.
    void setBackgroundPixmap(const QPixmap& pixmap);
    void setBackgroundColor(const QColor& colour);

    bool isSelected() const { return selected_; }
    // An animated deselection fades the highlight out.
    virtual void setSelected(bool selected, bool animated = false);
    // True while the row shows its Delete button; the content may draw narrower then.
    bool showingDeleteConfirmation() const { return showingDelete_; }
    void setShowingDeleteConfirmation(bool showing);

    // Called before the table hands the cell out again: clears selection and confirmation.
    virtual void prepareForReuse();

    void setGroupPosition(GroupPosition position);
    GroupPosition groupPosition() const { return groupPosition_; }
    void setSeparatorColor(const QColor& colour);

    // How strongly the highlight shows, 0 to 1 (between the two while fading).
    qreal selectionLevel() const { return selectionLevel_; }
    // Places the standard labels again; the table calls it after handing the cell out.
    void layoutContent();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Draws the row's own content into rect (the row less the accessory). Default: nothing.
    virtual void paintContent(QPainter& painter, const QRect& rect);
    // Selection or delete confirmation changed; the default repaints.
    virtual void stateChanged();
    // The row without the accessory area.
    QRect contentRect() const;

private:
    // The text label in the slot, made on first use in the given font size.
    QLabel* textLabelIn(QLabel*& slot, int pointSize, bool bold);
    void applyTextColours();
    void setSelectionLevel(qreal level);
    QPainterPath outlinePath() const;

    QString reuseIdentifier_;
    CellStyle style_;
    QLabel* text_ = nullptr;
    QLabel* detail_ = nullptr;
    QLabel* image_ = nullptr;
    QColor textColor_{Qt::black};
    QColor detailColor_{128, 128, 128};
    AccessoryType accessory_ = AccessoryType::None;
    QPixmap background_;
    QColor backgroundColor_{Qt::white};
    bool selected_ = false;
    bool showingDelete_ = false;
    qreal selectionLevel_ = 0;
    QPointer<QVariantAnimation> fade_;
    GroupPosition groupPosition_ = GroupPosition::None;
    QColor separatorColor_{224, 224, 224};
};

} // namespace ui

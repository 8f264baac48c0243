#pragma once

#include "ui/ChoiceRow.h"
#include "ui/Metrics.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace ui {

// A row of mutually exclusive titled segments. valueChanged fires when the user picks another
// segment (click, or Left/Right with focus); setting the index from code does not fire it.
class SegmentedControl : public ChoiceRow {
    Q_OBJECT
public:
    enum class Style { Plain, Bordered, Bar };
    static constexpr int kNoSegment = -1;

    explicit SegmentedControl(QWidget* parent = nullptr);
    explicit SegmentedControl(const QStringList& titles, QWidget* parent = nullptr);

    // Index past the end appends. The selected segment stays the same segment.
    void insertSegmentWithTitle(const QString& title, int index, bool animated = false);
    void removeSegmentAtIndex(int index, bool animated = false);
    void removeAllSegments();
    int numberOfSegments() const { return static_cast<int>(titles_.size()); }
    QString titleForSegmentAtIndex(int index) const;
    void setTitleForSegmentAtIndex(const QString& title, int index);

    int selectedSegmentIndex() const { return chosen_; }
    void setSelectedSegmentIndex(int index);

    Style segmentedControlStyle() const { return style_; }
    void setSegmentedControlStyle(Style style);
    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);

    QRect segmentRect(int index) const { return choiceRect(index); }
    QSize sizeHint() const override;

signals:
    void valueChanged(int index);

protected:
    int choiceCount() const override { return numberOfSegments(); }
    // Another segment becomes the chosen one and tells of it.
    void choose(int index) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList titles_;
    Style style_ = Style::Plain;
    QColor tint_ = Metrics::tintColor();
};

} // namespace ui

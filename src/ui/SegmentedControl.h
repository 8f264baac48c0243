#pragma once

#include "ui/KeyboardFocusRing.h"
#include "ui/Metrics.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace ui {

// A row of mutually exclusive titled segments. valueChanged fires when the user picks another
// segment (click, or Left/Right with focus); setting the index from code does not fire it.
class SegmentedControl : public QWidget {
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

    int selectedSegmentIndex() const { return selected_; }
    void setSelectedSegmentIndex(int index);

    Style segmentedControlStyle() const { return style_; }
    void setSegmentedControlStyle(Style style);
    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);

    QRect segmentRect(int index) const;
    QSize sizeHint() const override;

signals:
    void valueChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    KeyboardFocusRing focusRing_;
    void pick(int index);

    QStringList titles_;
    int selected_ = kNoSegment;
    Style style_ = Style::Plain;
    QColor tint_ = Metrics::tintColor();
};

} // namespace ui

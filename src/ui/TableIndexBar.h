#pragma once

#include <QStringList>
#include <QWidget>

namespace ui {

// The strip of index titles ("A" to "Z") along a table's right edge. Pressing or dragging
// over it reports the title under the pointer.
class TableIndexBar : public QWidget {
    Q_OBJECT
public:
    explicit TableIndexBar(QWidget* parent = nullptr);

    void setTitles(const QStringList& titles);
    QStringList titles() const { return titles_; }
    // The title position at y in this widget, or -1 without titles.
    int indexAt(int y) const;
    // Centre of a title, for tests and keyboard-free automation.
    QPoint titleCentre(int index) const;

    static constexpr int barWidth = 20;

signals:
    void titleChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    qreal slotHeight() const;
    void choose(int y);

    QStringList titles_;
    int last_ = -1;
    bool pressed_ = false;
};

} // namespace ui

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QParallelAnimationGroup;

namespace ui {

// Slides one view out and the next one in, the way a navigation stack moves: forward brings the
// new view in from the right, backward from the left. Without animations it swaps at once.
class SlideTransition : public QObject {
    Q_OBJECT
public:
    static constexpr int kDurationMs = 300;

    explicit SlideTransition(QObject* parent = nullptr);

    // Both views are children of the same area and already sized to it.
    void start(QWidget* from, QWidget* to, bool forward);
    // Jumps to the end of a running slide.
    void finish();
    bool isRunning() const { return !group_.isNull(); }

signals:
    // The slide has ended (at once when nothing was animated).
    void finished();

private:
    void settle();

    QPointer<QParallelAnimationGroup> group_;
    QPointer<QWidget> from_;
    QPointer<QWidget> to_;
};

} // namespace ui

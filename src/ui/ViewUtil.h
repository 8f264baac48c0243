#pragma once

#include <QRect>

class QWidget;

namespace ui {

// Finding views again by the number tag a screen gave them, and moving several views together.
// A tag is the widget's "tag" property; untagged widgets have tag 0.
class ViewUtil {
public:
    static void setTag(QWidget* view, int tag);
    static int tag(const QWidget* view);

    // The first direct child widget with the tag; throws ViewLookupException named
    // "BaseThreeViewController" when there is none.
    static QWidget* getSubviewOf(QWidget* view, int tag);
    // Depth-first search of all descendants, in child order; nullptr when nothing matches.
    static QWidget* subviewOf(QWidget* view, int tag);

    // Opens a block: frame changes made with setFrame() until commitAnimation() move together
    // over the duration with an ease-in-out curve (at once when animations are off).
    static void prepareAnimation(double seconds);
    static void commitAnimation();
    // Moves the view, or records the move while a block is open.
    static void setFrame(QWidget* view, const QRect& frame);

    // A text view taking the keyboard: its window comes forward and it gets the focus.
    static void becomeFirstResponder(QWidget* view);
    static void resignFirstResponder(QWidget* view);
};

} // namespace ui

#pragma once

class QWidget;

// Integer tags on widgets, by which screens find the parts of a frame they did not build.
class ViewTags {
public:
    static void setTag(QWidget* widget, int tag);
    // 0 for an untagged widget.
    static int tag(const QWidget* widget);
    // The first direct child widget with the tag, or none.
    static QWidget* directSubview(const QWidget* view, int tag);
};

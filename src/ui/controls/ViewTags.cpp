#include "ViewTags.h"

#include <QVariant>
#include <QWidget>

namespace {
const char* const tagProperty = "tag";
} // namespace

void ViewTags::setTag(QWidget* widget, int tag) {
    widget->setProperty(tagProperty, tag);
}

int ViewTags::tag(const QWidget* widget) {
    return widget ? widget->property(tagProperty).toInt() : 0;
}

QWidget* ViewTags::directSubview(const QWidget* view, int tag) {
    if (!view)
        return nullptr;
    for (QWidget* child : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (ViewTags::tag(child) == tag)
            return child;
    return nullptr;
}

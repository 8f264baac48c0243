#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace ui {

// What a table draws itself, under its cells: the ground and the plain-text section headers.
class TablePainter {
public:
    // A transparent colour draws nothing, so that what lies behind the table shows.
    static void paintBackground(QPainter& p, const QRect& rect, const QColor& colour, bool grouped);
    // A plain table's title sits on a bar; a grouped table's stands above its group.
    static void paintTitle(QPainter& p, const QRect& rect, const QString& title, bool grouped,
                           int groupInset);
};

} // namespace ui

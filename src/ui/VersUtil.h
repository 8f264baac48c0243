#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QAbstractButton;

namespace ui {
class TableViewCell;
}

// The standard text and image of a table cell, and a button's title font, set one way everywhere.
class VersUtil {
public:
    static void cellSetText(ui::TableViewCell* cell, const QString& text);
    static void cellSetTextColor(ui::TableViewCell* cell, const QColor& colour);
    static void cellSetTextAligment(ui::TableViewCell* cell, Qt::Alignment alignment);
    static void cellSetFont(ui::TableViewCell* cell, const QFont& font);
    static void cellSetImage(ui::TableViewCell* cell, const QPixmap& image);
    static void buttonSetFont(QAbstractButton* button, const QFont& font);
};

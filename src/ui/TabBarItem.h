#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// A screen's entry in the tab bar.
struct TabBarItem {
    QString title;
    QPixmap image;
};

} // namespace ui

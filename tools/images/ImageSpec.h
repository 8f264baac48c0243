#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// One image of the set: its file name, its size in points and how to draw it. The painter is
// already scaled, so drawing code works in points and the file comes out sharp at 2x.
struct ImageSpec {
    QString name;
    QSize size;
    std::function<void(QPainter&, const QSizeF&)> draw;
};

using ImageList = std::vector<ImageSpec>;

// Backgrounds, bars, section strips, cells, panels, arrows and spin buttons.
void addChromeImages(ImageList& out);
// Month navigation, weekday strip, day cells, shadows and day flags.
void addCalendarImages(ImageList& out);
// Tab icons, menu icons and one icon per catalogue image name.
void addIconImages(ImageList& out, const QStringList& catalogueNames);

#pragma once

#include "core/base/QVColor.h"

#include <QColor>
#include <QFont>

namespace ui {

// The phone screen the application is laid out on, in logical points, and the colours its
// screens share. Every screen size, the tint and the shared colours come from here.
struct Metrics {
    static constexpr int ScreenWidth = 320;
    static constexpr int ScreenHeight = 460;
    static constexpr int NavigationBarHeight = 44;
    static constexpr int TabBarHeight = 49;
    // Between the navigation bar and the tab bar.
    static constexpr int ContentHeight = ScreenHeight - NavigationBarHeight - TabBarHeight;
    // Under the navigation bar of a screen that hides the tab bar.
    static constexpr int FullContentHeight = ScreenHeight - NavigationBarHeight;
    // Buttons, segmented controls and the search field on a bar.
    static constexpr int BarControlHeight = 30;

    // The application's tint (QVXUtil::appTintColor) as a colour to paint with.
    static QColor tintColor();
    // The cream paper behind the calendars, the summary panels and the trend chart.
    static QColor paperColor() { return QColor(254, 253, 189); }
    // The brown of the figures in diary, menu and weighing rows, and of the trend line.
    static QColor figureColor() { return QColor(153, 102, 51); }
    // A plain colour value of the core as a colour to paint with.
    static QColor colorOf(const QVColor& color);
    // The system font at a size in points (pixels at scale 1).
    static QFont font(int pointSize, bool bold = false) {
        return resized(QFont(), pointSize, bold);
    }
    // The font at another size in points, bold or not, in its own family.
    static QFont resized(QFont font, int pointSize, bool bold);
};

static_assert(Metrics::ContentHeight == 367 && Metrics::FullContentHeight == 416);

} // namespace ui

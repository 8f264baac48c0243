#include "Gallery.h"

#include "core/settings/WelcomeCounter.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/SegmentedControl.h"
#include "ui/Toolbar.h"

namespace {

using gallery::shell;

std::unique_ptr<QWidget> welcome() {
    auto screen = shell(0);
    auto* notice = new ui::AlertView("PLEASE READ!", WelcomeCounter::message(), "OK");
    notice->showIn(screen.get());
    return screen;
}

// The two kinds of segmented control the screens use: in a tinted bar and plain on a panel.
std::unique_ptr<QWidget> segmentedControls() {
    auto screen = std::make_unique<QWidget>();
    screen->setFixedSize(320, 140);
    screen->setAutoFillBackground(true);
    QPalette palette = screen->palette();
    palette.setColor(QPalette::Window, QColor(254, 253, 189));
    screen->setPalette(palette);
    auto* bar = new ui::Toolbar(screen.get());
    bar->setGeometry(0, 0, 320, ui::Toolbar::kHeight);
    bar->setTintColor(ui::Metrics::tintColor());
    auto* monthDay = new ui::SegmentedControl({"Month", "Day"});
    monthDay->setSegmentedControlStyle(ui::SegmentedControl::Style::Bar);
    monthDay->setTintColor(ui::Metrics::tintColor());
    monthDay->resize(136, 30);
    monthDay->setSelectedSegmentIndex(1);
    bar->setItems({ui::BarButtonItem::flexibleSpace(), ui::BarButtonItem::withCustomView(monthDay),
                   ui::BarButtonItem::flexibleSpace()});
    auto* meals = new ui::SegmentedControl(screen.get());
    for (const char* meal : {"Breakfast", "Lunch", "Dinner", "Snacks"})
        meals->insertSegmentWithTitle(meal, meals->numberOfSegments());
    meals->setSelectedSegmentIndex(2);
    meals->setGeometry(10, 62, 300, 44);
    return screen;
}

const gallery::Registrar shellScenes[] = {
    {"shell_overview", [] { return shell(0); }}, {"shell_food", [] { return shell(1); }},
    {"shell_exercise", [] { return shell(2); }}, {"shell_weight", [] { return shell(3); }},
    {"shell_profile", [] { return shell(4); }},  {"shell_welcome", welcome},
    {"segmented_control", segmentedControls},
};

} // namespace

#include "Gallery.h"

#include "DiaryGenerator.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/TrendView.h"
#include "screens/weight/WeightController.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"

#include <QApplication>

namespace {

// The Weight tab's trend over the ten-year diary that ends on the gallery's day, in a range.
std::unique_ptr<QWidget> trendScene(TrendView::Range range, bool kilograms, bool diary = true) {
    if (diary)
        DiaryGenerator::fill(10, 20261206, QDate(2026, 12, 6));
    UDefUtil::setUserDefFloat(76000.0f, SettingsKeys::goalWeight);
    UDefUtil::setUserDefBool(!kilograms, SettingsKeys::weightInPounds);
    std::unique_ptr<QWidget> phone = gallery::shell(3);
    auto* tabs = phone->findChild<ui::TabBarController*>();
    auto* nav = qobject_cast<ui::NavigationController*>(tabs->selectedViewController());
    auto* weight = qobject_cast<WeightController*>(nav->viewControllers().first());
    phone->show();
    QApplication::processEvents();
    weight->setSelectedIndex(2);
    weight->trendView()->setRange(range);
    QApplication::processEvents();
    return phone;
}

} // namespace

QUORVEL_GALLERY_SCENE("weight_trend_month") {
    return trendScene(TrendView::Range::OneMonth, false);
}

QUORVEL_GALLERY_SCENE("weight_trend_quarter") {
    return trendScene(TrendView::Range::ThreeMonths, false);
}

QUORVEL_GALLERY_SCENE("weight_trend_year") {
    return trendScene(TrendView::Range::OneYear, false);
}

QUORVEL_GALLERY_SCENE("weight_trend_all_pounds") {
    return trendScene(TrendView::Range::All, false);
}

QUORVEL_GALLERY_SCENE("weight_trend_all_kilograms") {
    return trendScene(TrendView::Range::All, true);
}

QUORVEL_GALLERY_SCENE("weight_trend_empty") {
    return trendScene(TrendView::Range::OneMonth, true, false);
}

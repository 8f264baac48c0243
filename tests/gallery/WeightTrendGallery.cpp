#include "Gallery.h"

#include "DiaryGenerator.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/TrendView.h"
#include "screens/weight/WeightController.h"

namespace {

using Range = TrendView::Range;

// The Weight tab's trend in a range over the ten-year diary that ends on the gallery's day, or
// over an empty diary.
std::unique_ptr<QWidget> trend(Range range, bool kilograms, bool diary = true) {
    if (diary)
        DiaryGenerator::fill(10, 20261206, gallery::december(6).date());
    UDefUtil::setUserDefFloat(76000.0f, SettingsKeys::goalWeight);
    UDefUtil::setUserDefBool(!kilograms, SettingsKeys::weightInPounds);
    gallery::Phone phone(3);
    auto* weight = phone.root<WeightController>();
    weight->setSelectedIndex(2);
    weight->trendView()->setRange(range);
    gui::settle();
    return phone.take();
}

const gallery::Registrar trendScenes[] = {
    {"weight_trend_month", [] { return trend(Range::OneMonth, false); }},
    {"weight_trend_quarter", [] { return trend(Range::ThreeMonths, false); }},
    {"weight_trend_year", [] { return trend(Range::OneYear, false); }},
    {"weight_trend_all_pounds", [] { return trend(Range::All, false); }},
    {"weight_trend_all_kilograms", [] { return trend(Range::All, true); }},
    {"weight_trend_empty", [] { return trend(Range::OneMonth, true, false); }},
};

} // namespace

#include "screens/food/Details/NutritionInfoPanel.h"

#include "core/text/ConvertUtil.h"
#include "screens/food/Details/AttributePanel.h"
#include "ui/controls/ControlImages.h"

namespace {

const int lineWidth = 135;
const int lineHeight = 20;
const int fontSize = 16;

} // namespace

NutritionInfoPanel::NutritionInfoPanel(const QRect& frame, QWidget* parent)
    : PixmapView(ControlImages::image("nutrition_panel.png"), parent) {
    setGeometry(frame);
    const QStringList& names = keys();
    // One column spread evenly over the panel's height.
    const int gap = (height() - int(names.size()) * lineHeight) / int(names.size() + 1);
    const int x = (width() - lineWidth) / 2;
    for (int i = 0; i < names.size(); ++i) {
        auto* line = new AttributePanel(
            QRect(x, gap + i * (lineHeight + gap), lineWidth, lineHeight), fontSize, this);
        line->setObjectName(names[i]);
        line->setName(names[i]);
        items_.insert(names[i], line);
    }
    quickCalories_ = new AttributePanel(QRect(x, 0, lineWidth, lineHeight), fontSize, this);
    quickCalories_->setObjectName("Calories:");
    quickCalories_->setName("Calories:");
    quickCalories_->hide();
    readInfo();
}

const QStringList& NutritionInfoPanel::keys() {
    static const QStringList names = {"Total fat:", "Fiber:", "Protein:", "Carb:"};
    return names;
}

void NutritionInfoPanel::setInfo(std::optional<NutritionInfoDbo> info) {
    info_ = std::move(info);
    readInfo();
}

void NutritionInfoPanel::setPortionSizeAndRedraw(float portions) {
    portionsize_ = portions;
    readInfo();
}

void NutritionInfoPanel::readInfo() {
    const NutritionInfoDbo facts = info_.value_or(NutritionInfoDbo{});
    const float amounts[] = {facts.totalFat, facts.fiber, facts.protein, facts.carb};
    const QStringList& names = keys();
    for (int i = 0; i < names.size(); ++i)
        items_.value(names[i])->setValue(ConvertUtil::float2str(amounts[i] * portionsize_));
    quickCalories_->hide();
}

#include "screens/weight/DaySummaryPanelView.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/SettingsKeys.h"
#include "screens/weight/WeightTexts.h"
#include "ui/BarPainter.h"
#include "ui/Label.h"
#include "ui/Metrics.h"

#include <QPainter>

namespace {

const int margin = 6;

ui::Label* barLabel(QWidget* bar, const QColor& color, Qt::Alignment alignment,
                    const QString& text = {}) {
    ui::Label* label = ui::Label::make(bar, QRect(0, 0, 0, DaySummaryPanelView::Height), 14, true,
                                       color, alignment | Qt::AlignVCenter);
    label->setText(text);
    return label;
}

// A caption just wide enough for its text, so the values take the rest of the bar.
int captionWidth(const ui::Label* caption) {
    return QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 4;
}

} // namespace

DaySummaryPanelView::DaySummaryPanelView(QWidget* parent)
    : QWidget(parent), weightvalue_(barLabel(this, Qt::white, Qt::AlignLeft)),
      goalvalue_(barLabel(this, Qt::white, Qt::AlignRight)) {
    setObjectName("daysummarypanel");
    resize(ui::Metrics::ScreenWidth, Height);
    weightvalue_->setObjectName("weightvalueLabel");
    goalvalue_->setObjectName("goalvalueLabel");
    ui::Label* weight = barLabel(this, Qt::black, Qt::AlignLeft, QStringLiteral("Weight:"));
    ui::Label* goal = barLabel(this, Qt::black, Qt::AlignRight, QStringLiteral(":Goal"));
    const int half = ui::Metrics::ScreenWidth / 2;
    const int left = margin + captionWidth(weight);
    const int right = ui::Metrics::ScreenWidth - margin - captionWidth(goal);
    weight->setGeometry(margin, 0, left - margin, Height);
    weightvalue_->setGeometry(left, 0, half - left, Height);
    goalvalue_->setGeometry(half, 0, right - half, Height);
    goal->setGeometry(right, 0, ui::Metrics::ScreenWidth - margin - right, Height);
}

void DaySummaryPanelView::setWeighingsInfo(int, float averageKilograms) {
    const bool pounds = WeightTexts::usePounds();
    weightvalue_->setText(averageKilograms > 0 ? WeightTexts::withUnit(averageKilograms, pounds)
                                               : QStringLiteral(" - "));
    const float goalKilograms = OptionsUtil::getWeightValue(SettingsKeys::goalWeight) / 1000.0f;
    goalvalue_->setText(WeightTexts::withUnit(goalKilograms, pounds));
}

void DaySummaryPanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::BarPainter::paintBar(p, rect(), ui::Metrics::tintColor());
}

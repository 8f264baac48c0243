#include "screens/overview/OverviewInfoPanel.h"

#include "core/base/Units.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/overview/OverviewDayInfo.h"
#include "core/profile/CalorieBudget.h"
#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/weight/WeighingDay.h"
#include "ui/Label.h"
#include "ui/Metrics.h"

namespace {

const int columnCount = 5;
const int columnStep = 64;
const int columnWidth = 62;

QString whole(float value) {
    return QString::asprintf("%.0f", static_cast<double>(value));
}

QString weightText(float value, const QString& unit) {
    return QString::asprintf("%.1f ", static_cast<double>(value)) + unit;
}

} // namespace

OverviewInfoPanel::OverviewInfoPanel(const QRect& frame, QWidget* parent) : QWidget(parent) {
    setGeometry(frame.x(), frame.y(), frame.width(), PanelHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ui::Metrics::paperColor());
    setPalette(palette);
    buildColumns();
    buildWeightBar();
}

const QStringList& OverviewInfoPanel::keys() {
    static const QStringList names = {"Allowed:", "Food:", "Burned:", "Net:", "Under:"};
    return names;
}

void OverviewInfoPanel::buildColumns() {
    const int keySize = fittingKeySize();
    for (int i = 0; i < columnCount; ++i) {
        const int x = 1 + i * columnStep;
        const QString& key = keys().at(i);
        ui::Label* name = ui::Label::make(this, QRect(x, 2, columnWidth, 18), keySize, true,
                                          Qt::black, Qt::AlignHCenter);
        name->setBackgroundColor(ui::Metrics::tintColor());
        name->setText(key);
        name->setObjectName(key);
        keyLabels_.append(name);
        ui::Label* value = ui::Label::make(this, QRect(x, 19, columnWidth, 17), 14, true, Qt::white,
                                           Qt::AlignHCenter);
        value->setBackgroundColor(ui::Metrics::tintColor());
        value->setObjectName(key + " value");
        items_.insert(key, value);
    }
}

int OverviewInfoPanel::fittingKeySize() const {
    // The desktop fonts run wider than the phone's: the keys shrink until the longest one fits
    // its column rather than being cut short.
    QFont font = this->font();
    font.setBold(true);
    int size = 14;
    for (; size > 9; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& key : keys())
            widest = std::max(widest, metrics.horizontalAdvance(key));
        if (widest <= columnWidth - 2)
            break;
    }
    return size;
}

void OverviewInfoPanel::buildWeightBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("weightBar");
    bar->setGeometry(1, 38, 318, 50);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, ui::Metrics::tintColor());
    bar->setPalette(palette);

    // Only the top of the bar lies inside the 67-point panel, so the texts sit there.
    ui::Label* weight = ui::Label::make(bar, QRect(6, 3, 60, 22), 14, true, Qt::black);
    weight->setText("Weight:");
    weight->resize(weight->sizeHint().width(), 22);
    weightvalueLabel_ = ui::Label::make(bar, QRect(weight->geometry().right() + 4, 3, 100, 22), 14,
                                        true, Qt::white);
    weightvalueLabel_->setObjectName("weightvalueLabel");

    ui::Label* goal =
        ui::Label::make(bar, QRect(0, 3, 60, 22), 14, true, Qt::black, Qt::AlignRight);
    goal->setText(":Goal");
    const int goalWidth = goal->sizeHint().width();
    goal->setGeometry(bar->width() - 6 - goalWidth, 3, goalWidth, 22);
    goalvalueLabel_ = ui::Label::make(bar, QRect(goal->x() - 104, 3, 100, 22), 14, true, Qt::white,
                                      Qt::AlignRight);
    goalvalueLabel_->setObjectName("goalvalueLabel");
}

ui::Label* OverviewInfoPanel::itemByIdx(int index) const {
    if (index < 0 || index >= keys().size())
        return nullptr;
    return items_.value(keys().at(index));
}

ui::Label* OverviewInfoPanel::keyByIdx(int index) const {
    return keyLabels_.value(index);
}

void OverviewInfoPanel::setInfo(const OverviewDayInfo* day) {
    const float allowed = CalorieBudget::effectiveAllowance();
    const float food = day && day->foodInfo() ? day->foodInfo()->total() : 0.0f;
    const float burned = day && day->exerciseInfo() ? day->exerciseInfo()->total() : 0.0f;
    const float net = food - burned;
    const float remaining = allowed - net;
    const float values[columnCount] = {allowed, food, burned, net, remaining};
    for (int i = 0; i < columnCount; ++i)
        itemByIdx(i)->setText(whole(values[i]));

    const bool usePound = QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
    const QString unit = OptionsUtil::weightUnitName(usePound);
    const float goal =
        OptionsUtil::getWeight(OptionsUtil::getWeightValue(SettingsKeys::goalWeight), usePound);
    goalvalueLabel_->setText(weightText(goal, unit));
    float weight = day && day->weightInfo() ? day->weightInfo()->avgweight() : 0.0f;
    if (usePound)
        weight /= kilogramsPerPound<float>;
    weightvalueLabel_->setText(weightText(weight, unit));

    ui::Label* state = keyByIdx(columnCount - 1);
    if (remaining > 0) {
        state->setText("Under");
        state->setTextColor(QColor::fromRgbF(0.1f, 0.5f, 0.1f));
    } else {
        state->setText("Over");
        state->setTextColor(QColor::fromRgbF(0.5f, 0.1f, 0.1f));
    }
}

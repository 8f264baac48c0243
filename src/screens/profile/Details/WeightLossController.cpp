#include "screens/profile/Details/WeightLossController.h"

#include "core/profile/CalorieBudget.h"
#include "core/profile/OptionsUtil.h"
#include "core/profile/ProfileTexts.h"
#include "core/settings/SettingsKeys.h"
#include "screens/profile/WeightLossCell.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/TableView.h"
#include "ui/controls/FoodSpin.h"

namespace {

const int headerHeights[] = {10, 10, 30};
const int rowCounts[] = {2, 2, 1};
const int tableHeight = 10 + 2 * WeightLossCell::RowHeight + 10 + 2 * WeightLossCell::RowHeight +
                        30 + WeightLossCell::RowHeight;

} // namespace

WeightLossController::WeightLossController(QObject* parent)
    : ProfileEditorController(QStringLiteral("Calories/Day"), parent) {
    setRightButton(QStringLiteral("Done"), [this] {
        CalorieBudget::storeAllowance(calories_->value(), calories_->valueAdd());
    });
    view();
}

void WeightLossController::loadView() {
    QVXViewController::loadView();
    tbWeightLoss_ = new ui::TableView(ui::TableView::Style::Grouped, view());
    tbWeightLoss_->setObjectName("tbWeightLoss");
    tbWeightLoss_->setBackgroundColor(Qt::transparent);
    tbWeightLoss_->setGeometry(0, 0, ui::Metrics::ScreenWidth, tableHeight);
    tbWeightLoss_->setRowHeight(WeightLossCell::RowHeight);
    tbWeightLoss_->setDataSource(this);
    tbWeightLoss_->setDelegate(this);

    auto* caption = ui::Label::make(view(), QRect(0, tableHeight, ui::Metrics::ScreenWidth, 26), 17,
                                    true, QColor(60, 50, 30), Qt::AlignCenter);
    caption->setText(QStringLiteral("Allowed Calories/Day:"));
    calories_ =
        new FoodSpin(QRect(30, tableHeight + 26, ui::Metrics::ScreenWidth - 60, 88), true, view());
    calories_->setObjectName("calories");
    calories_->setUnit(QStringLiteral("calories"));
}

void WeightLossController::viewWillAppear() {
    ProfileEditorController::viewWillAppear();
    programDuration_ = CalorieBudget::calcDuration();
    tbWeightLoss_->reloadData();
    const float adjustment = CalorieBudget::adjustment();
    calories_->setValueAdd(adjustment);
    calories_->setValue(OptionsUtil::getAllowedCalories() + adjustment);
}

int WeightLossController::numberOfSections(ui::TableView*) {
    return 3;
}

int WeightLossController::numberOfRows(ui::TableView*, int section) {
    return section >= 0 && section < 3 ? rowCounts[section] : 0;
}

ui::TableViewCell* WeightLossController::cellForRow(ui::TableView* table,
                                                    const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("summary");
    auto* cell = table->reusableCell<WeightLossCell>(
        identifier, [&] { return new WeightLossCell(ui::AccessoryType::None, identifier); });
    switch (path.section * 2 + path.row) {
    case 0:
        cell->setTexts("Start Weight:", ProfileTexts::weightText(SettingsKeys::startWeight));
        break;
    case 1:
        cell->setTexts("Goal Weight:", ProfileTexts::weightText(SettingsKeys::goalWeight));
        break;
    case 2:
        cell->setTexts("Job Type:", ProfileTexts::activityName());
        break;
    case 3:
        cell->setTexts("Diet Plan:", CalorieBudget::planTextForEditor());
        break;
    default:
        cell->setTexts("Days til Goal:", CalorieBudget::durationText());
        break;
    }
    return cell;
}

int WeightLossController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return WeightLossCell::RowHeight;
}

int WeightLossController::heightForHeader(ui::TableView*, int section) {
    return section >= 0 && section < 3 ? headerHeights[section] : 0;
}

int WeightLossController::heightForFooter(ui::TableView*, int) {
    // The spin below needs the room the footers would take.
    return 0;
}

void WeightLossController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    table->deselectRow(path, true);
}

#include "screens/food/Details/AddFoodController.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "core/diary/DeviationText.h"
#include "core/diary/SavedFoodDbo.h"
#include "screens/food/Details/NutritionInfoPanel.h"
#include "screens/food/Details/PortionWheels.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/AlertView.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/PickerView.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/PixmapView.h"

#include <cmath>

namespace {

const int wheelWidth = 70;
const int wheelRowHeight = 40;

} // namespace

AddFoodController::AddFoodController(bool editMode, QObject* parent)
    : FoodEntryEditor(editMode, QStringLiteral("Save"), parent),
      wheels_({PortionWheels::portions(), PortionWheels::portionsParts()}, wheelWidth,
              wheelRowHeight, [this](int, int) { portionTurned(); }) {
    view();
}

void AddFoodController::loadView() {
    FoodEntryEditor::loadView();
    createContent(view());
}

void AddFoodController::createContent(QWidget* view) {
    auto* servingBar = new QWidget(view);
    servingBar->setGeometry(0, 88, ui::Metrics::ScreenWidth, 26);
    servingBar->setAutoFillBackground(true);
    QPalette palette = servingBar->palette();
    palette.setColor(QPalette::Window, QColor(40, 42, 57));
    servingBar->setPalette(palette);
    servingLabel_ = ui::Label::make(servingBar, QRect(4, 0, ui::Metrics::ScreenWidth - 8, 26), 16,
                                    false, Qt::white);
    servingLabel_->setObjectName("servingLabel");
    servingLabel_->setText(QStringLiteral(" Serving"));

    auto* wheelsBack = new PixmapView(ControlImages::image("picker_bg.png"), view);
    wheelsBack->setGeometry(0, 114, ui::Metrics::ScreenWidth, 202);
    portion_ = new ui::PickerView(wheelsBack);
    portion_->setObjectName("portion");
    wheels_.attachTo(portion_);
    portion_->setShowsSelectionIndicator(true);
    portion_->setGeometry(8, 6, 150, 190);
    portion_->selectRow(0, 0, false);
    portion_->selectRow(0, 1, false);

    infoPanel_ = new NutritionInfoPanel(QRect(164, 51, 150, 100), wheelsBack);
    infoPanel_->setObjectName("infoPanel");

    auto* bottom = new PixmapView(ControlImages::image("bottom_panel.png"), view);
    bottom->setGeometry(0, ui::Metrics::FullContentHeight - 100, ui::Metrics::ScreenWidth, 100);
    points_ = new FoodSpin(QRect(4, 4, 152, 92), true, bottom);
    points_->setObjectName("points");
    points_->setUnit(QStringLiteral("score"));
    points_->setStep(0.25f);
    attachDelegate(points_.data(), this);
    calories_ = new FoodSpin(QRect(164, 4, 152, 92), true, bottom);
    calories_->setObjectName("calories");
    calories_->setUnit(QStringLiteral("calories"));
    calories_->setStep(1);
    attachDelegate(calories_.data(), this);
}

std::optional<FoodSimpleDbo> AddFoodController::item() const {
    return foodMenu_ ? foodMenu_->selectedItem() : std::nullopt;
}

void AddFoodController::viewWillAppear() {
    FoodEntryEditor::viewWillAppear();
    if (const std::optional<FoodSimpleDbo> shown = item())
        setTitle(shown->name);
    if (isEditMode())
        return;
    portion_->selectRow(0, 0, false);
    portion_->selectRow(0, 1, false);
    showItemNutrition(0);
    calories_->setValueAdd(0);
    points_->setValueAdd(0);
    recalcAll();
}

void AddFoodController::showItemNutrition(float portions) {
    const std::optional<FoodSimpleDbo> food = item();
    const std::optional<NutritionInfoDbo> info =
        food ? NutritionInfoDbo::getInfoTo(food->dboId) : std::nullopt;
    infoPanel_->setInfo(info);
    infoPanel_->setPortionSizeAndRedraw(portions);
    servingLabel_->setText(QStringLiteral(" Serving: %1").arg(info ? info->serving : QString()));
}

void AddFoodController::setSavedFoodData(const SavedFoodDbo* entry) {
    if (!entry)
        return;
    loadEntry(*entry);
    const float count = entry->portionCount();
    portion_->selectRow(PortionWheels::wholeRowFor(count), 0, false);
    portion_->selectRow(PortionWheels::partRowFor(count), 1, false);
    showItemNutrition(count);
    calories_->setValueAdd(DeviationText::valueOf(entry->caloriesDiffString()));
    calories_->setValue(entry->resultCalories());
    points_->setValueAdd(DeviationText::valueOf(entry->pointsDiffString()));
    points_->setValue(entry->resultPoints());
}

float AddFoodController::portionCount() const {
    return PortionWheels::portionCount(portion_->selectedRowInComponent(0),
                                       portion_->selectedRowInComponent(1));
}

void AddFoodController::recalcAll() {
    const float serving = infoPanel_->info() ? infoPanel_->info()->calories : 0.0f;
    calories_->setValue(std::round(serving) * portionCount());
}

void AddFoodController::recalcPoints() {
    const NutritionInfoDbo facts = infoPanel_->info().value_or(NutritionInfoDbo{});
    // A change of calories counts as a change of portions; a serving without calories cannot
    // be scaled that way, so its portions stand as they are.
    float effective = portionCount();
    if (facts.calories != 0.0f)
        effective += calories_->valueAdd() / facts.calories;
    points_->setValue(calories_->value() / 50.0f + facts.totalFat * effective / 12.0f -
                      facts.fiber * effective / 5.0f);
}

void AddFoodController::spinValueChangedTo(FoodSpin* spin, float) {
    if (spin != calories_)
        return;
    points_->setValueAdd(0);
    recalcPoints();
}

void AddFoodController::doSave() {
    const std::optional<FoodSimpleDbo> food = item();
    if (!food)
        return;
    const float count = portionCount();
    if (count == 0.0f) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("Please select a portion first."),
                                        QStringLiteral("Ok"));
        alert->show();
        return;
    }
    const SavedFoodPtr entry = makeEntry();
    entry->setFoodItemId(food->dboId);
    entry->setPortionCount(count);
    entry->setResultCalories(calories_->value());
    entry->setResultPoints(points_->value());
    entry->getKindImage();
    store(*entry);
}

void AddFoodController::portionTurned() {
    infoPanel_->setPortionSizeAndRedraw(portionCount());
    calories_->setValueAdd(0);
    points_->setValueAdd(0);
    recalcAll();
}

#include "screens/food/Details/QuickCalories.h"

#include "core/diary/SavedFoodDbo.h"
#include "core/text/ConvertUtil.h"
#include "screens/common/SpeedyCard.h"
#include "ui/BarButtonItem.h"
#include "ui/TextField.h"

QuickCalories::QuickCalories(bool editMode, QObject* parent)
    : FoodEntryEditor(editMode, QStringLiteral("Done"), parent) {
    setTitle(QStringLiteral("Speedy Calories"));
    saveButton()->setEnabled(false);
    view();
}

void QuickCalories::loadView() {
    FoodEntryEditor::loadView();
    QWidget* root = view();
    card_ = new SpeedyCard(QRect(16, 108, 288, 104), QStringLiteral("Speedy Calories Consumed"),
                           QStringLiteral("Note/Food name"),
                           ui::TextField::KeyboardType::DecimalPad, saveButton(), root);
    calories_ = card_->calories();
    name_ = card_->name();
    connect(calories_, &ui::TextField::editingDidEnd, calories_,
            &ui::TextField::resignFirstResponder);
}

void QuickCalories::viewWillAppear() {
    FoodEntryEditor::viewWillAppear();
    calories_->becomeFirstResponder();
}

void QuickCalories::setNameString(const QString& text) {
    card_->setNameString(text);
}

void QuickCalories::setCalsString(const QString& text) {
    card_->setCalsString(text);
}

void QuickCalories::setSavedFoodData(const SavedFoodDbo* entry) {
    if (!entry)
        return;
    loadEntry(*entry);
    card_->setNameString(entry->name());
    card_->setCalsString(ConvertUtil::float2str(entry->resultCalories()));
}

std::optional<FoodSimpleDbo> QuickCalories::selectedItem() const {
    FoodSimpleDbo item(0, name_->text());
    item.numAttribute = caloriesOf(calories_->text());
    return item;
}

float QuickCalories::caloriesOf(const QString& text) {
    return float(ui::TextField::numberIn(text).value_or(0.0));
}

void QuickCalories::doSave() {
    if (name_->text().isEmpty() || !calories_->number())
        return;
    const SavedFoodPtr entry = makeEntry();
    entry->setFoodItemId(0);
    entry->setName(name_->text());
    entry->setPortionCount(0);
    entry->setResultWeight(0);
    entry->setResultCalories(caloriesOf(calories_->text()));
    entry->getKindImage();
    store(*entry);
}

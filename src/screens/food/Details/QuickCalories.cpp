#include "screens/food/Details/QuickCalories.h"

#include "core/diary/SavedFoodDbo.h"
#include "core/text/ConvertUtil.h"
#include "ui/BarButtonItem.h"
#include "ui/TextField.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/PixmapView.h"

namespace {

ui::TextField* field(QWidget* parent, const QRect& frame, const QString& placeholder) {
    auto* f = new ui::TextField(parent);
    f->setGeometry(frame);
    f->setPlaceholderText(placeholder);
    f->setFontSize(16);
    f->setTextColor(Qt::black);
    return f;
}

} // namespace

QuickCalories::QuickCalories(bool editMode, QObject* parent)
    : FoodEntryEditor(editMode, QStringLiteral("Done"), parent) {
    setTitle(QStringLiteral("Speedy Calories"));
    saveButton()->setEnabled(false);
    view();
}

void QuickCalories::loadView() {
    FoodEntryEditor::loadView();
    QWidget* root = view();
    auto* card = new PixmapView(ControlImages::image("quick_table_bg.png"), root);
    card->setObjectName("quickTable");
    card->setGeometry(16, 108, 288, 104);
    calories_ = field(card, QRect(12, 12, 264, 36), QStringLiteral("Speedy Calories Consumed"));
    calories_->setObjectName("calories");
    calories_->setKeyboardType(ui::TextField::KeyboardType::DecimalPad);
    attachDelegate(calories_.data(), this);
    connect(calories_, &ui::TextField::editingDidEnd, calories_,
            &ui::TextField::resignFirstResponder);
    name_ = field(card, QRect(12, 56, 264, 36), QStringLiteral("Note/Food name"));
    name_->setObjectName("name");
    name_->setKeyboardType(ui::TextField::KeyboardType::AsciiCapable);
    attachDelegate(name_.data(), this);
}

void QuickCalories::viewWillAppear() {
    FoodEntryEditor::viewWillAppear();
    calories_->becomeFirstResponder();
}

void QuickCalories::setNameString(const QString& text) {
    name_->setText(text);
    updateDone(name_->text(), calories_->text());
}

void QuickCalories::setCalsString(const QString& text) {
    calories_->setText(text);
    updateDone(name_->text(), calories_->text());
}

void QuickCalories::setSavedFoodData(const SavedFoodDbo* entry) {
    if (!entry)
        return;
    loadEntry(*entry);
    name_->setText(entry->name());
    calories_->setText(ConvertUtil::float2str(entry->resultCalories()));
    updateDone(name_->text(), calories_->text());
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

bool QuickCalories::textFieldShouldChangeCharactersInRange(ui::TextField* field,
                                                           ui::TextRange range,
                                                           const QString& replacement) {
    const ui::TextEdit edit{range, replacement};
    const QString nameText = field == name_ ? edit.applyTo(name_->text()) : name_->text();
    const QString caloriesText =
        field == calories_ ? edit.applyTo(calories_->text()) : calories_->text();
    updateDone(nameText, caloriesText);
    return true;
}

void QuickCalories::updateDone(const QString& nameText, const QString& caloriesText) {
    saveButton()->setEnabled(!nameText.isEmpty() &&
                             ui::TextField::numberIn(caloriesText).has_value());
}

#include "screens/common/SpeedyCard.h"

#include "ui/BarButtonItem.h"
#include "ui/controls/ControlImages.h"

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

SpeedyCard::SpeedyCard(const QRect& frame, const QString& caloriesPlaceholder,
                       const QString& namePlaceholder, ui::TextField::KeyboardType caloriesKeyboard,
                       ui::BarButtonItem* save, QWidget* parent)
    : PixmapView(ControlImages::image("quick_table_bg.png"), parent),
      calories_(field(this, QRect(12, 12, frame.width() - 24, 36), caloriesPlaceholder)),
      name_(field(this, QRect(12, 56, frame.width() - 24, 36), namePlaceholder)), save_(save) {
    setObjectName("quickTable");
    setGeometry(frame);
    calories_->setObjectName("calories");
    calories_->setKeyboardType(caloriesKeyboard);
    calories_->setDelegate(this);
    name_->setObjectName("name");
    name_->setKeyboardType(ui::TextField::KeyboardType::AsciiCapable);
    name_->setDelegate(this);
    updateSave(QString(), QString());
}

SpeedyCard::~SpeedyCard() {
    // The fields outlive this part of the card while the widget goes.
    calories_->setDelegate(nullptr);
    name_->setDelegate(nullptr);
}

void SpeedyCard::setNameString(const QString& text) {
    name_->setText(text);
    updateSave(name_->text(), calories_->text());
}

void SpeedyCard::setCalsString(const QString& text) {
    calories_->setText(text);
    updateSave(name_->text(), calories_->text());
}

bool SpeedyCard::textFieldShouldChangeCharactersInRange(ui::TextField* field, ui::TextRange range,
                                                        const QString& replacement) {
    const ui::TextEdit edit{range, replacement};
    const QString nameText = field == name_ ? edit.applyTo(name_->text()) : name_->text();
    const QString caloriesText =
        field == calories_ ? edit.applyTo(calories_->text()) : calories_->text();
    updateSave(nameText, caloriesText);
    return true;
}

void SpeedyCard::updateSave(const QString& nameText, const QString& caloriesText) {
    if (save_)
        save_->setEnabled(!nameText.isEmpty() && ui::TextField::numberIn(caloriesText).has_value());
}

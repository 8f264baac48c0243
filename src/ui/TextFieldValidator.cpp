#include "ui/TextFieldValidator.h"

#include "ui/TextField.h"

namespace ui {

TextFieldValidator::TextFieldValidator(TextField* field) : QValidator(field), field_(field) {}

QValidator::State TextFieldValidator::validate(QString& input, int& pos) const {
    const QString before = field_->acceptedText();
    if (field_->settingFromCode_ || input == before)
        return Acceptable;
    return field_->allowsChange(before, TextEdit::between(before, input, pos)) ? Acceptable
                                                                               : Invalid;
}

} // namespace ui

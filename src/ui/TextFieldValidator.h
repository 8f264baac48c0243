#pragma once

#include <QValidator>

namespace ui {

class TextField;

// Sees every change of a TextField before it is taken, works out which characters it replaces
// and lets the field accept or refuse it.
class TextFieldValidator : public QValidator {
    Q_OBJECT
public:
    explicit TextFieldValidator(TextField* field);
    State validate(QString& input, int& pos) const override;

private:
    TextField* field_;
};

} // namespace ui

#include "ui/TextField.h"

#include "ui/Metrics.h"
#include "ui/TextFieldDelegate.h"
#include "ui/TextFieldValidator.h"

namespace ui {

TextField::TextField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new TextFieldValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { accepted_ = t; });
    setFontSize(16);
    applyStyle();
}

void TextField::setKeyboardType(KeyboardType type) {
    keyboard_ = type;
    const bool number = type == KeyboardType::NumberPad || type == KeyboardType::DecimalPad;
    setInputMethodHints(number ? Qt::ImhFormattedNumbersOnly : Qt::ImhNone);
}

void TextField::setBorderStyle(BorderStyle style) {
    border_ = style;
    applyStyle();
}

void TextField::setFontSize(int size, bool bold) {
    setFont(Metrics::resized(font(), size, bold));
}

void TextField::setTextColor(const QColor& color) {
    textColor_ = color;
    applyStyle();
}

void TextField::applyStyle() {
    const QString color = textColor_.name();
    if (border_ == BorderStyle::None)
        setStyleSheet(QStringLiteral("QLineEdit { border: none; background: transparent; color: "
                                     "%1; }")
                          .arg(color));
    else
        setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #8a8a8a; border-radius: 6px; "
                                     "background: white; padding: 1px 6px; color: %1; }")
                          .arg(color));
}

void TextField::setText(const QString& text) {
    settingFromCode_ = true;
    QLineEdit::setText(text);
    settingFromCode_ = false;
    accepted_ = text;
}

void TextField::clear() {
    setText(QString());
}

bool TextField::fitsKeyboard(KeyboardType type, const QString& text) {
    if (type != KeyboardType::NumberPad && type != KeyboardType::DecimalPad)
        return true;
    int points = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return points <= 1;
}

bool TextField::allowsChange(const QString& before, const TextEdit& edit) {
    if (!fitsKeyboard(keyboard_, edit.applyTo(before)))
        return false;
    return !delegate_ ||
           delegate_->textFieldShouldChangeCharactersInRange(this, edit.range, edit.replacement);
}

void TextField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (delegate_)
        delegate_->textFieldDidEndEditing(this);
    emit editingDidEnd();
}

} // namespace ui

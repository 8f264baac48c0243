#include "ui/TextField.h"

#include "ui/Metrics.h"
#include "ui/TextFieldDelegate.h"
#include "ui/TextFieldValidator.h"

#include <QLocale>
#include <cmath>

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

namespace {

bool isDecimalSeparator(QChar c) {
    return c == QLatin1Char('.') || QLocale().decimalPoint() == QString(c);
}

} // namespace

bool TextField::fitsKeyboard(KeyboardType type, const QString& text) {
    if (type != KeyboardType::NumberPad && type != KeyboardType::DecimalPad)
        return true;
    int separators = 0;
    for (QChar c : text) {
        if (isDecimalSeparator(c))
            ++separators;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return separators <= 1;
}

std::optional<double> TextField::numberIn(const QString& text) {
    QString plain = text;
    for (QChar& c : plain) {
        if (isDecimalSeparator(c))
            c = QLatin1Char('.');
    }
    // Read in the C locale once the separator is a point: a group separator is never taken.
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
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

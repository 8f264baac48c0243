#pragma once

#include "ui/TextEdit.h"
#include "ui/ViewUtil.h"

#include <QLineEdit>
#include <optional>

namespace ui {

class TextFieldDelegate;

// A one-line input. Every change the user makes is checked first against the keyboard kind
// (the number kinds take only digits and at most one decimal separator: "." or the one of the
// user's locale) and then offered to the delegate; a refused change leaves the text as it was.
// Text set from code is not checked.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    enum class KeyboardType { Default, AsciiCapable, NumberPad, DecimalPad };
    enum class BorderStyle { None, RoundedRect };

    explicit TextField(QWidget* parent = nullptr);

    void setDelegate(TextFieldDelegate* delegate) { delegate_ = delegate; }
    TextFieldDelegate* delegate() const { return delegate_; }
    KeyboardType keyboardType() const { return keyboard_; }
    void setKeyboardType(KeyboardType type);
    void setBorderStyle(BorderStyle style);
    // The font size in points of the phone screen.
    void setFontSize(int size, bool bold = false);
    void setTextColor(const QColor& color);

    void setText(const QString& text);
    void clear();

    // Takes or gives up the keyboard (focus).
    void becomeFirstResponder() { ViewUtil::becomeFirstResponder(this); }
    void resignFirstResponder() { ViewUtil::resignFirstResponder(this); }
    bool isFirstResponder() const { return hasFocus(); }

    // Whether the user's change would be taken; used by the field's own checks.
    bool allowsChange(const QString& before, const TextEdit& edit);
    // The text as it was after the last accepted change.
    QString acceptedText() const { return accepted_; }
    // Whether a text may stand in a field of this keyboard kind.
    static bool fitsKeyboard(KeyboardType type, const QString& text);
    // The number a number field's text stands for, with "." or the locale's decimal separator;
    // nothing for a text that is no number ("", a lone separator).
    static std::optional<double> numberIn(const QString& text);
    std::optional<double> number() const { return numberIn(text()); }

signals:
    void editingDidEnd();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyStyle();

    TextFieldDelegate* delegate_ = nullptr;
    KeyboardType keyboard_ = KeyboardType::Default;
    BorderStyle border_ = BorderStyle::RoundedRect;
    QColor textColor_{Qt::black};
    QString accepted_;
    bool settingFromCode_ = false;
    friend class TextFieldValidator;
};

} // namespace ui

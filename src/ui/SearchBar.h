#pragma once

#include "ui/TintedBar.h"

namespace ui {

class TextField;

// A tinted bar holding a rounded search field. textDidChange fires on each change the user
// makes (not when the text is set from code); Return is the keyboard's "Done" key and fires
// searchButtonClicked.
class SearchBar : public TintedBar {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QString placeholder() const;
    void setPlaceholder(const QString& placeholder);
    // Stored for the platform keyboard; the desktop field never corrects words.
    void setAutocorrectionEnabled(bool on) { autocorrection_ = on; }
    bool autocorrectionEnabled() const { return autocorrection_; }

    void becomeFirstResponder();
    void resignFirstResponder();
    bool isFirstResponder() const;
    TextField* field() const { return field_; }

signals:
    void textDidChange(const QString& text);
    void searchButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TextField* field_;
    bool autocorrection_ = true;
};

} // namespace ui

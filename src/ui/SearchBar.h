#pragma once

#include "ui/Metrics.h"

#include <QColor>
#include <QWidget>

namespace ui {

class TextField;

// A tinted bar holding a rounded search field. textDidChange fires on each change the user
// makes (not when the text is set from code); Return is the keyboard's "Done" key and fires
// searchButtonClicked.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 44;

    explicit SearchBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QString placeholder() const;
    void setPlaceholder(const QString& placeholder);
    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);
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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TextField* field_;
    QColor tint_ = Metrics::tintColor();
    bool autocorrection_ = true;
};

} // namespace ui

#pragma once

#include "ui/ViewUtil.h"

#include <QPlainTextEdit>

namespace ui {

// A multi-line input (a note). editingDidEnd fires when it gives up the keyboard.
class TextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextView(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);
    void setFontSize(int size);
    void becomeFirstResponder() { ViewUtil::becomeFirstResponder(this); }
    void resignFirstResponder() { ViewUtil::resignFirstResponder(this); }
    bool isFirstResponder() const { return hasFocus(); }
    void scrollToTop();

signals:
    void editingDidEnd();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace ui

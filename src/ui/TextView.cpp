#include "ui/TextView.h"

#include <QScrollBar>

namespace ui {

TextView::TextView(QWidget* parent) : QPlainTextEdit(parent) {
    setFontSize(16);
    setTabChangesFocus(true);
    setStyleSheet(QStringLiteral("QPlainTextEdit { border: 1px solid #8a8a8a; border-radius: 6px; "
                                 "background: white; color: black; }"));
}

void TextView::setText(const QString& text) {
    setPlainText(text);
}

void TextView::setFontSize(int size) {
    QFont f = font();
    f.setPixelSize(size);
    setFont(f);
}

void TextView::becomeFirstResponder() {
    if (window())
        window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void TextView::resignFirstResponder() {
    if (hasFocus())
        clearFocus();
}

void TextView::scrollToTop() {
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::Start);
    setTextCursor(c);
    verticalScrollBar()->setValue(0);
}

void TextView::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit editingDidEnd();
}

} // namespace ui

#include "ui/TextView.h"

#include "ui/Metrics.h"

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
    setFont(Metrics::resized(font(), size, font().bold()));
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

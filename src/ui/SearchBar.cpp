#include "ui/SearchBar.h"

#include "ui/BarPainter.h"
#include "ui/TextField.h"

#include <QPainter>

namespace ui {

SearchBar::SearchBar(QWidget* parent) : QWidget(parent), field_(new TextField(this)) {
    setObjectName(QStringLiteral("searchBar"));
    field_->setObjectName(QStringLiteral("searchField"));
    field_->setFontSize(14);
    field_->setClearButtonEnabled(true);
    field_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #6f6f6f; border-radius: "
                                         "14px; background: white; padding: 1px 10px; color: "
                                         "black; }"));
    connect(field_, &QLineEdit::textEdited, this, &SearchBar::textDidChange);
    connect(field_, &QLineEdit::returnPressed, this, &SearchBar::searchButtonClicked);
    resize(Metrics::ScreenWidth, kHeight);
}

QString SearchBar::text() const {
    return field_->text();
}

void SearchBar::setText(const QString& text) {
    field_->setText(text);
}

QString SearchBar::placeholder() const {
    return field_->placeholderText();
}

void SearchBar::setPlaceholder(const QString& placeholder) {
    field_->setPlaceholderText(placeholder);
}

void SearchBar::setTintColor(const QColor& tint) {
    tint_ = tint;
    update();
}

void SearchBar::becomeFirstResponder() {
    field_->becomeFirstResponder();
}

void SearchBar::resignFirstResponder() {
    field_->resignFirstResponder();
}

bool SearchBar::isFirstResponder() const {
    return field_->isFirstResponder();
}

void SearchBar::resizeEvent(QResizeEvent*) {
    field_->setGeometry(6, (height() - 30) / 2, width() - 12, 30);
}

void SearchBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    BarPainter::paintBar(p, rect(), tint_);
}

} // namespace ui

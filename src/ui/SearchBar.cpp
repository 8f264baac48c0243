#include "ui/SearchBar.h"

#include "ui/TextField.h"

namespace ui {

SearchBar::SearchBar(QWidget* parent) : TintedBar(parent), field_(new TextField(this)) {
    setObjectName(QStringLiteral("searchBar"));
    field_->setObjectName(QStringLiteral("searchField"));
    field_->setFontSize(14);
    field_->setClearButtonEnabled(true);
    field_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #6f6f6f; border-radius: "
                                         "14px; background: white; padding: 1px 10px; color: "
                                         "black; }"));
    connect(field_, &QLineEdit::textEdited, this, &SearchBar::textDidChange);
    connect(field_, &QLineEdit::returnPressed, this, &SearchBar::searchButtonClicked);
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
    const int fieldHeight = Metrics::BarControlHeight;
    field_->setGeometry(6, (height() - fieldHeight) / 2, width() - 12, fieldHeight);
}

} // namespace ui

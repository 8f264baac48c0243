#include "ui/controls/SearchableList.h"

#include "ui/DelayedAction.h"
#include "ui/Metrics.h"
#include "ui/SearchBar.h"

#include <QVBoxLayout>

namespace {
constexpr int keyboardCloseDelayMs = 100;
}

SearchableList::SearchableList(ui::TableView::Style style, const QString& placeholder,
                               QWidget* parent)
    : QWidget(parent), searchBar_(new ui::SearchBar(this)),
      tableView_(new ui::TableView(style, this)) {
    searchBar_->setObjectName(QStringLiteral("searchBar"));
    searchBar_->setPlaceholder(placeholder);
    searchBar_->setAutocorrectionEnabled(false);
    searchBar_->setTintColor(ui::Metrics::tintColor());
    tableView_->setObjectName(QStringLiteral("tableView"));
    tableView_->setBackgroundColor(Qt::transparent);
    layoutContent();
}

SearchableList* SearchableList::fill(QWidget* view, ui::TableView::Style style,
                                     const QString& placeholder, ui::TableViewDataSource* source,
                                     ui::TableViewDelegate* delegate, int rowHeight) {
    auto* list = new SearchableList(style, placeholder, view);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    list->tableView_->setRowHeight(rowHeight);
    list->tableView_->setDataSource(source);
    list->tableView_->setDelegate(delegate);
    return list;
}

void SearchableList::setSearchBarShown(bool shown) {
    searchBarShown_ = shown;
    layoutContent();
}

void SearchableList::layoutContent() {
    searchBar_->setVisible(searchBarShown_);
    searchBar_->setGeometry(0, 0, width(), ui::SearchBar::kHeight);
    const int top = searchBarShown_ ? ui::SearchBar::kHeight : 0;
    tableView_->setGeometry(0, top, width(), height() - top);
}

void SearchableList::closeKeyboard() {
    searchBar_->resignFirstResponder();
}

void SearchableList::reset() {
    searchBar_->setText(QString());
    tableView_->setContentOffset(0);
    closeKeyboard();
}

void SearchableList::closeKeyboardSoon() {
    ui::DelayedAction::after(this, keyboardCloseDelayMs, [this] { closeKeyboard(); });
}

void SearchableList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutContent();
}

void SearchableList::mousePressEvent(QMouseEvent* event) {
    closeKeyboard();
    QWidget::mousePressEvent(event);
}

#include "screens/profile/Details/ChoiceListController.h"

#include "ui/TableView.h"
#include "ui/TableViewCell.h"

#include <QLabel>
#include <QVBoxLayout>

ChoiceListController::ChoiceListController(const QString& title, QList<Section> sections,
                                           QObject* parent)
    : ProfileEditorController(title, parent), sections_(std::move(sections)),
      checked_(sections_.size(), -1) {
    view();
}

void ChoiceListController::loadView() {
    QVXViewController::loadView();
    table_ = new ui::TableView(ui::TableView::Style::Grouped, view());
    table_->setObjectName(title());
    table_->setBackgroundColor(Qt::transparent);
    auto* fill = new QVBoxLayout(view());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(table_);
    table_->setDataSource(this);
    table_->setDelegate(this);
}

int ChoiceListController::checkedRow(int section) const {
    return section >= 0 && section < int(checked_.size()) ? checked_[section] : -1;
}

void ChoiceListController::viewWillAppear() {
    ProfileEditorController::viewWillAppear();
    for (int section = 0; section < int(checked_.size()); ++section)
        checked_[section] = sections_[section].storedRow();
    table_->reloadData();
}

int ChoiceListController::numberOfSections(ui::TableView*) {
    return int(sections_.size());
}

int ChoiceListController::numberOfRows(ui::TableView*, int section) {
    return section >= 0 && section < sections_.size() ? int(sections_[section].rows.size()) : 0;
}

ui::TableViewCell* ChoiceListController::cellForRow(ui::TableView* table,
                                                    const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("choice");
    auto* cell = table->reusableCell<ui::TableViewCell>(
        identifier, [&] { return new ui::TableViewCell(identifier); });
    cell->textLabel()->setText(sections_[path.section].rows.value(path.row));
    cell->setAccessoryType(checked_[path.section] == path.row ? ui::AccessoryType::Checkmark
                                                              : ui::AccessoryType::None);
    return cell;
}

void ChoiceListController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    markRow({path.section, checked_[path.section]}, false);
    sections_[path.section].storeRow(path.row);
    checked_[path.section] = path.row;
    markRow(path, true);
    table->deselectRow(path, true);
}

void ChoiceListController::markRow(const ui::IndexPath& path, bool checked) {
    if (ui::TableViewCell* cell = table_->cellForRow(path))
        cell->setAccessoryType(checked ? ui::AccessoryType::Checkmark : ui::AccessoryType::None);
}

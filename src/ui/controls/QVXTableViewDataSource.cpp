#include "ui/controls/QVXTableViewDataSource.h"

#include "ui/controls/QVXTableView.h"

QWidget* QVXTableViewDataSource::viewForHeader(ui::TableView* table, int section) {
    QVXTableView* owner = QVXTableView::enclosing(table);
    return owner ? owner->viewForHeaderInSection(table, section) : nullptr;
}

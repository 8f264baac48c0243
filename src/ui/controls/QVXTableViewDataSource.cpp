#include "QVXTableViewDataSource.h"

#include "QVXTableView.h"

QWidget* QVXTableViewDataSource::viewForHeader(ui::TableView* table, int section) {
    QVXTableView* owner = QVXTableView::enclosing(table);
    return owner ? owner->viewForHeaderInSection(table, section) : nullptr;
}

#include "ui/TableViewDelegate.h"

namespace ui {

int TableViewDelegate::heightForRow(TableView*, const IndexPath&) {
    return -1;
}
int TableViewDelegate::heightForHeader(TableView*, int) {
    return -1;
}
int TableViewDelegate::heightForFooter(TableView*, int) {
    return -1;
}
QWidget* TableViewDelegate::viewForHeader(TableView*, int) {
    return nullptr;
}
void TableViewDelegate::didSelectRow(TableView*, const IndexPath&) {}

} // namespace ui

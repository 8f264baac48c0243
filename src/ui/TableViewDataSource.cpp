#include "ui/TableViewDataSource.h"

namespace ui {

int TableViewDataSource::numberOfSections(TableView*) {
    return 1;
}
QString TableViewDataSource::titleForHeader(TableView*, int) {
    return {};
}
QStringList TableViewDataSource::sectionIndexTitles(TableView*) {
    return {};
}
int TableViewDataSource::sectionForSectionIndexTitle(TableView*, const QString&, int index) {
    return index;
}
bool TableViewDataSource::canEditRow(TableView*, const IndexPath&) {
    return false;
}
void TableViewDataSource::commitEditingStyle(TableView*, EditingStyle, const IndexPath&) {}

} // namespace ui

#pragma once

#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

class QVXTableView;
class QWidget;

// The owner of a QVXTableView: data source and delegate of its inner list, and the builder of
// its section headers, which the QVXTableView caches until its next reloadData.
class QVXTableViewDataSource : public ui::TableViewDataSource, public ui::TableViewDelegate {
public:
    // The header for the section, or nullptr for none (asked again next time). The QVXTableView
    // takes ownership of a returned view.
    virtual QWidget* tableViewForHeaderInSection(QVXTableView* table, int section) = 0;

    // Headers of an inner list come from its enclosing QVXTableView's cache.
    QWidget* viewForHeader(ui::TableView* table, int section) override;
};

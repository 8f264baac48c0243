#pragma once

#include "ui/IndexPath.h"

class QWidget;

namespace ui {

class TableView;

// How a table lays out its rows and headers, and what happens when a row is chosen.
// A negative height means "the table's default".
class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;

    virtual int heightForRow(TableView* table, const IndexPath& path);
    virtual int heightForHeader(TableView* table, int section);
    virtual int heightForFooter(TableView* table, int section);
    // A custom header. The table shows it but does not take ownership: the delegate keeps it
    // (usually in a cache) and may delete it after the next reloadData().
    virtual QWidget* viewForHeader(TableView* table, int section);
    virtual void didSelectRow(TableView* table, const IndexPath& path);
};

} // namespace ui

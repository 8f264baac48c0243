#pragma once

#include "ui/IndexPath.h"

#include <QString>
#include <QStringList>

namespace ui {

class TableView;
class TableViewCell;

enum class EditingStyle { None, Delete };

// What a table shows: sections, rows, their cells, and which rows may be deleted.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;

    virtual int numberOfSections(TableView* table);
    virtual int numberOfRows(TableView* table, int section) = 0;
    // A cell for the row; take one from TableView::dequeueReusableCell() when there is one.
    // The table takes ownership of the returned cell.
    virtual TableViewCell* cellForRow(TableView* table, const IndexPath& path) = 0;
    // Plain text header, drawn by the table when the delegate gives no header view.
    virtual QString titleForHeader(TableView* table, int section);
    // Letters of the index along the right edge; empty for no index.
    virtual QStringList sectionIndexTitles(TableView* table);
    // The section an index title jumps to; by default the title's position.
    virtual int sectionForSectionIndexTitle(TableView* table, const QString& title, int index);
    virtual bool canEditRow(TableView* table, const IndexPath& path);
    // The user confirmed the edit (a delete). The table reloads afterwards.
    virtual void commitEditingStyle(TableView* table, EditingStyle style, const IndexPath& path);
};

} // namespace ui

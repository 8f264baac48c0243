#pragma once

#include "ui/controls/PixmapView.h"

#include <QHash>
#include <QPointer>

namespace ui {
class TableView;
}
class QVXTableViewDataSource;

// The tables of the diary screens: a plain list over the background image whose section headers
// are built by the owner once per section and kept until the next reloadData.
class QVXTableView : public PixmapView {
    Q_OBJECT
public:
    // The owner is the inner list's data source and delegate; it must outlive this table.
    QVXTableView(const QRect& frame, QVXTableViewDataSource* owner, QWidget* parent = nullptr);
    ~QVXTableView() override;

    ui::TableView* tableView() const { return tableView_; }
    QVXTableViewDataSource* delegate() const { return delegate_; }
    // The QVXTableView around an inner list, or none.
    static QVXTableView* enclosing(const ui::TableView* table);

    // Drops every cached header, then reloads the list.
    void reloadData();
    void deselect();
    // The cached header of the section; built through the owner when there is none.
    QWidget* viewForHeaderInSection(ui::TableView* table, int section);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ui::TableView* tableView_;
    QVXTableViewDataSource* delegate_;
    QHash<QString, QPointer<QWidget>> sections_;
};

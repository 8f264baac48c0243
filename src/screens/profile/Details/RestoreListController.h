#pragma once

#include "core/backup/BackupSet.h"
#include "screens/profile/Details/ProfileEditorController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <QList>

namespace ui {
class TableView;
}

// The backups of the diary, newest first, each with when and why it was made and what it
// holds. Choosing one asks before it is restored. A restore first keeps the diary as it is as a
// backup of its own; afterwards every tab goes back to its first screen and shows the restored
// diary when it next appears.
class RestoreListController : public ProfileEditorController,
                              public ui::TableViewDataSource,
                              public ui::TableViewDelegate {
    Q_OBJECT
public:
    static constexpr int RowHeight = 62;

    explicit RestoreListController(QObject* parent = nullptr);

    ui::TableView* tableView() const { return table_; }
    const QList<BackupSet>& sets() const { return sets_; }
    // Reads the backups folder afresh.
    void viewWillAppear() override;

    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    QString titleForHeader(ui::TableView* table, int section) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    void loadView() override;

private:
    void restore(const BackupSet& set);
    void showEveryTabAfresh();

    ui::TableView* table_ = nullptr;
    QList<BackupSet> sets_;
};

#pragma once

#include "screens/profile/Details/ProfileEditorController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <QList>
#include <QStringList>
#include <vector>

namespace ui {
class TableView;
}

// A grouped list of choices with a checkmark on the chosen row of each section. A tap stores
// the choice at once and moves its section's checkmark; every appearance marks the stored
// choices afresh, so exactly one row of a section carries the mark.
class ChoiceListController : public ProfileEditorController,
                             public ui::TableViewDataSource,
                             public ui::TableViewDelegate {
    Q_OBJECT
public:
    ui::TableView* tableView() const { return table_; }
    // The row with the checkmark in a section.
    int checkedRow(int section) const;

    void viewWillAppear() override;

    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    ChoiceListController(const QString& title, const QList<QStringList>& sections, QObject* parent);
    void loadView() override;

    // The stored choice of a section as a row of it.
    virtual int storedRow(int section) const = 0;
    virtual void storeRow(int section, int row) = 0;

private:
    void markRow(const ui::IndexPath& path, bool checked);

    QList<QStringList> sections_;
    std::vector<int> checked_;
    ui::TableView* table_ = nullptr;
};

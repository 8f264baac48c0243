#pragma once

#include "screens/profile/Details/ProfileEditorController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <QList>
#include <QStringList>
#include <functional>
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
    // A section's rows and the setting behind it, read and written as a row of the section.
    struct Section {
        QStringList rows;
        std::function<int()> storedRow;
        std::function<void(int row)> storeRow;
    };

    ui::TableView* tableView() const { return table_; }
    // The row with the checkmark in a section.
    int checkedRow(int section) const;

    void viewWillAppear() override;

    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    ChoiceListController(const QString& title, QList<Section> sections, QObject* parent);
    void loadView() override;

private:
    void markRow(const ui::IndexPath& path, bool checked);

    QList<Section> sections_;
    std::vector<int> checked_;
    ui::TableView* table_ = nullptr;
};

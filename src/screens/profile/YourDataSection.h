#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ui {
class ViewController;
}

// The "Your Data" section at the end of the profile list: a backup on request, the list of
// backups to restore one from, and the diary written as CSV files into a folder the user
// picks. What each did, or why it could not, is told in an alert.
class YourDataSection : public QObject {
    Q_OBJECT
public:
    static constexpr int kSection = 3;

    // The profile screen the section is part of: its stack gets the backup list.
    explicit YourDataSection(ui::ViewController* owner);

    static QString title();
    static QStringList rowTitles();
    // Rows that open a screen carry a disclosure mark; the others act at once.
    static bool opensScreen(int row);
    // Reads when the newest backup was made, which "Back Up Now" shows.
    void refresh();
    QString valueForRow(int row) const;
    void selectRow(int row);

private:
    void backUp();
    void exportCsv();

    ui::ViewController* owner_;
    QString lastBackup_;
};

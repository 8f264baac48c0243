#include "screens/profile/YourDataSection.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/BackupFolder.h"
#include "core/backup/CsvExport.h"
#include "screens/profile/Details/RestoreListController.h"
#include "ui/AlertView.h"
#include "ui/FolderDialog.h"
#include "ui/NavigationController.h"

#include <QDir>
#include <QLocale>

namespace {

enum Row { BackUpNow, Restore, ExportCsv };

void tell(const QString& title, const QString& message) {
    (new ui::AlertView(title, message, QStringLiteral("OK")))->show();
}

} // namespace

YourDataSection::YourDataSection(ui::ViewController* owner) : QObject(owner), owner_(owner) {}

QString YourDataSection::title() {
    return QStringLiteral("Your Data");
}

QStringList YourDataSection::rowTitles() {
    return {"Back Up Now", "Restore From Backup", "Export CSV"};
}

bool YourDataSection::opensScreen(int row) {
    return row == Restore;
}

void YourDataSection::refresh() {
    const QList<BackupSet> sets = BackupFolder::sets();
    lastBackup_ = sets.isEmpty() ? QStringLiteral("Never")
                                 : QLocale(QLocale::English, QLocale::UnitedStates)
                                       .toString(sets.first().created().toLocalTime(),
                                                 QStringLiteral("d MMM, HH:mm"));
}

QString YourDataSection::valueForRow(int row) const {
    return row == BackUpNow ? lastBackup_ : QString();
}

void YourDataSection::selectRow(int row) {
    switch (row) {
    case BackUpNow:
        backUp();
        break;
    case Restore:
        if (ui::NavigationController* nav = owner_->navigationController())
            nav->pushViewController(new RestoreListController);
        break;
    case ExportCsv:
        exportCsv();
        break;
    default:
        break;
    }
}

void YourDataSection::backUp() {
    try {
        const BackupSet set = BackupFolder::backUpNow();
        refresh();
        tell(QStringLiteral("Backed Up"),
             QStringLiteral("The backup of %1 holds %2.").arg(set.title(), set.contents().text()));
    } catch (const BackupFailure& failure) {
        tell(failure.name(), failure.reason());
    }
}

void YourDataSection::exportCsv() {
    const QString folder =
        ui::FolderDialog::getExistingDirectory(owner_->view(), QStringLiteral("Export CSV"));
    if (folder.isEmpty())
        return;
    try {
        const DiaryContents written = CsvExport::write(folder);
        const QStringList& files = CsvExport::fileNames();
        tell(QStringLiteral("Exported"), QStringLiteral("Wrote %1 to %2, %3 and %4 in %5.")
                                             .arg(written.countsText(), files.at(0), files.at(1),
                                                  files.at(2), QDir::toNativeSeparators(folder)));
    } catch (const BackupFailure& failure) {
        tell(failure.name(), failure.reason());
    }
}

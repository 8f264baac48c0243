#include "screens/profile/Details/RestoreListController.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/BackupFolder.h"
#include "core/backup/BackupRestore.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <optional>

RestoreListController::RestoreListController(QObject* parent)
    : ProfileEditorController(QStringLiteral("Backups"), parent) {
    view();
}

void RestoreListController::loadView() {
    QVXViewController::loadView();
    table_ = new ui::TableView(ui::TableView::Style::Grouped, view());
    table_->setObjectName(QStringLiteral("backups"));
    table_->setBackgroundColor(Qt::transparent);
    table_->setRowHeight(RowHeight);
    auto* fill = new QVBoxLayout(view());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(table_);
    table_->setDataSource(this);
    table_->setDelegate(this);
}

void RestoreListController::viewWillAppear() {
    ProfileEditorController::viewWillAppear();
    sets_ = BackupFolder::sets();
    table_->reloadData();
}

int RestoreListController::numberOfRows(ui::TableView*, int) {
    return int(sets_.size());
}

QString RestoreListController::titleForHeader(ui::TableView*, int) {
    return sets_.isEmpty() ? QStringLiteral("No backups yet") : QString();
}

int RestoreListController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return RowHeight;
}

ui::TableViewCell* RestoreListController::cellForRow(ui::TableView* table,
                                                     const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("backup");
    ui::TableViewCell* cell = table->dequeueReusableCell(identifier);
    if (!cell) {
        cell = new ui::TableViewCell(ui::CellStyle::Subtitle, identifier);
        QFont detail = cell->detailTextLabel()->font();
        detail.setPixelSize(12);
        cell->detailTextLabel()->setFont(detail);
        cell->detailTextLabel()->setWordWrap(true);
        cell->detailTextLabel()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont text = cell->textLabel()->font();
        text.setPixelSize(14);
        text.setBold(true);
        cell->textLabel()->setFont(text);
    }
    const BackupSet& set = sets_.at(path.row);
    // The month short, so that the longest reason ("Before restore") fits beside the time.
    const QString when =
        QLocale(QLocale::English, QLocale::UnitedStates)
            .toString(set.created().toLocalTime(), QStringLiteral("d MMM yyyy, HH:mm"));
    cell->textLabel()->setText(QStringLiteral("%1 \u00b7 %2").arg(when, set.kindLabel()));
    cell->detailTextLabel()->setText(set.hasManifest() ? set.contents().text()
                                                       : QStringLiteral("Incomplete"));
    return cell;
}

void RestoreListController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    table->deselectRow(path, true);
    if (path.row < 0 || path.row >= sets_.size())
        return;
    const BackupSet set = sets_.at(path.row);
    auto* ask = new ui::AlertView(
        QStringLiteral("Restore This Backup?"),
        QStringLiteral("Your diary and profile go back to how they were on %1 (%2). The diary "
                       "as it is now is kept as a backup first.")
            .arg(set.title(), set.contents().text()),
        QStringLiteral("Cancel"), QStringLiteral("Restore"));
    connect(ask, &ui::AlertView::clickedButtonAtIndex, this, [this, set](int index) {
        if (index == 1)
            restore(set);
    });
    ask->show();
}

void RestoreListController::restore(const BackupSet& set) {
    std::optional<BackupRestore::Result> result;
    try {
        result = BackupRestore::restore(set);
    } catch (const BackupFailure& failure) {
        (new ui::AlertView(failure.name(), failure.reason(), QStringLiteral("OK")))->show();
        viewWillAppear();
        return;
    }
    QString message = QStringLiteral("Your diary is back as it was on %1.").arg(set.title());
    if (result->safety)
        message += QStringLiteral(" The diary as it was before is the backup of %1.")
                       .arg(result->safety->title());
    (new ui::AlertView(QStringLiteral("Restored"), message, QStringLiteral("OK")))->show();
    showEveryTabAfresh();
}

void RestoreListController::showEveryTabAfresh() {
    // What the tabs show was read from the old files. Each goes back to its first screen, the
    // one in view reads the restored diary now and the others when they are next chosen.
    QList<ui::ViewController*> stacks{navigationController()};
    if (ui::TabBarController* tabs = tabBarController())
        stacks = tabs->viewControllers();
    for (ui::ViewController* stack : stacks)
        if (auto* nav = qobject_cast<ui::NavigationController*>(stack))
            nav->popToRootViewController(false);
}

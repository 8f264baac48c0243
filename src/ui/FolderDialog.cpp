#include "ui/FolderDialog.h"

#include "core/base/ProcessGlobal.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <optional>

namespace ui {

namespace {

struct NextAnswer {
    std::optional<QString> folder;
};

} // namespace

QString FolderDialog::getExistingDirectory(QWidget* parent, const QString& caption) {
    if (std::optional<QString> given = std::exchange(ProcessGlobal<NextAnswer>::get().folder, {}))
        return *given;
    return QFileDialog::getExistingDirectory(
        parent, caption, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void FolderDialog::setNextAnswer(const QString& folder) {
    ProcessGlobal<NextAnswer>::get().folder = folder;
}

} // namespace ui

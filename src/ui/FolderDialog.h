#pragma once

#include <QString>

class QWidget;

namespace ui {

// Asks the user for a folder. Tests give the answer beforehand, so that no dialog ever waits
// for a click there.
class FolderDialog {
public:
    // The chosen folder, or an empty text when the user cancelled.
    static QString getExistingDirectory(QWidget* parent, const QString& caption);
    // The answer of the next call, given without showing anything (empty: cancelled).
    static void setNextAnswer(const QString& folder);
};

} // namespace ui

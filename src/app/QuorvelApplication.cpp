#include "app/QuorvelApplication.h"

#include "app/DatabaseFailureReporter.h"
#include "core/base/Util.h"
#include "ui/ImgUtil.h"

QuorvelApplication::QuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // The desktop matches the window to its menu entry, and so to its icon, by this name.
    setDesktopFileName(Util::bundleIdentifier());
    setWindowIcon(ImgUtil::applicationIcon());
}

bool QuorvelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const DBException& failure) {
        DatabaseFailureReporter::report(failure, DatabaseFailureReporter::Then::KeepRunning);
        return true;
    }
}

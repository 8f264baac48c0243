#include "app/QuorvelApplication.h"

#include "app/DatabaseFailureReporter.h"

QuorvelApplication::QuorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorvel"));
}

bool QuorvelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const DBException& failure) {
        DatabaseFailureReporter::report(failure, DatabaseFailureReporter::Then::KeepRunning);
        return true;
    }
}

#pragma once

#include "core/db/DBException.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// What happens to a database failure that no screen caught: it is logged with its name and
// reason and shown in an alert over the window. A failure while starting (a database that
// cannot be opened) quits with a failure status when the alert is closed; a failure while in
// use leaves the application running, with the screen as it was. Everything written before
// stays written: each change was stored when it was made.
class DatabaseFailureReporter {
public:
    enum class Then { Quit, KeepRunning };

    static void setWindow(QWidget* window);
    // Replaces how the application quits (tests).
    static void setQuit(std::function<void(int)> quit);
    static void report(const DBException& failure, Then then);
    // True once a failure that quits was reported; later events are not handled any more.
    static bool failed();
};

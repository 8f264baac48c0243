#include "app/DatabaseFailureReporter.h"

#include "core/base/ResetRegistry.h"
#include "ui/AlertView.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <memory>

namespace {

struct ReporterState {
    QPointer<QWidget> window;
    std::function<void(int)> quit = [](int code) { QCoreApplication::exit(code); };
    bool failed = false;
    bool alertShown = false;
};

std::unique_ptr<ReporterState>& stateSlot() {
    static std::unique_ptr<ReporterState> slot;
    return slot;
}

ReporterState& state() {
    auto& slot = stateSlot();
    if (!slot) {
        slot = std::make_unique<ReporterState>();
        ResetRegistry::add([] { stateSlot().reset(); });
    }
    return *slot;
}

} // namespace

void DatabaseFailureReporter::setWindow(QWidget* window) {
    state().window = window;
}

void DatabaseFailureReporter::setQuit(std::function<void(int)> quit) {
    state().quit = std::move(quit);
}

bool DatabaseFailureReporter::failed() {
    return state().failed;
}

void DatabaseFailureReporter::report(const DBException& failure, Then then) {
    qCritical().noquote() << "Database failure:" << failure.name() << "-" << failure.reason();
    ReporterState& s = state();
    // A failure while another one is on screen is only logged.
    if (s.failed || s.alertShown)
        return;
    s.failed = then == Then::Quit;
    s.alertShown = true;
    auto* alert = new ui::AlertView(failure.name(), failure.reason(), QStringLiteral("OK"));
    QObject::connect(alert, &ui::AlertView::clickedButtonAtIndex, [then] {
        if (!stateSlot())
            return;
        stateSlot()->alertShown = false;
        if (then == Then::Quit)
            stateSlot()->quit(1);
    });
    if (s.window)
        alert->showIn(s.window);
    else
        alert->show();
}

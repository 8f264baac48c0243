#include "app/DatabaseFailureReporter.h"
#include "app/QuorvelAppDelegate.h"
#include "app/QuorvelApplication.h"
#include "app/ScaleOption.h"
#include "app/SingleInstance.h"
#include "core/base/Paths.h"
#include "ui/AlertView.h"
#include "ui/Animations.h"

namespace {

// How long a second start waits for the running one, which may be busy upgrading its files.
constexpr int kHandOverMs = 5000;

int sayAlreadyRunning() {
    auto* alert = new ui::AlertView(QStringLiteral("Quorvel"),
                                    SingleInstance::alreadyRunningMessage(), QStringLiteral("OK"));
    QObject::connect(alert, &ui::AlertView::clickedButtonAtIndex,
                     [] { QCoreApplication::exit(1); });
    alert->show();
    return QuorvelApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    ScaleOption::apply(argc, argv);
    QuorvelApplication app(argc, argv);
    SingleInstance instance(Paths::dataDir());
    if (!instance.acquire())
        return instance.raiseRunning(kHandOverMs) ? 0 : sayAlreadyRunning();
    ui::Animations::setEnabled(true);
    QuorvelAppDelegate delegate;
    instance.setRaiseHandler([&delegate] {
        if (QWidget* window = delegate.window()) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    });
    try {
        delegate.applicationDidFinishLaunching();
    } catch (const DBException& failure) {
        // Opening the diaries or building the screens touched a database: report it the same way.
        DatabaseFailureReporter::report(failure, DatabaseFailureReporter::Then::Quit);
    }
    return QuorvelApplication::exec();
}

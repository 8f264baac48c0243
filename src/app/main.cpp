#include "app/CommandLine.h"
#include "app/DataCommands.h"
#include "app/DatabaseFailureReporter.h"
#include "app/QuorvelAppDelegate.h"
#include "app/QuorvelApplication.h"
#include "app/ScaleOption.h"
#include "app/ShippedFiles.h"
#include "app/SingleInstance.h"
#include "core/base/Paths.h"
#include "ui/AlertView.h"
#include "ui/Animations.h"

namespace {

// How long a second start waits for the running one, which may be busy upgrading its files.
constexpr int kHandOverMs = 5000;

// Tells the user why the application does not start, and ends it once they have read it.
int sayAndQuit(const QString& message) {
    auto* alert = new ui::AlertView(QStringLiteral("Quorvel"), message, QStringLiteral("OK"));
    QObject::connect(alert, &ui::AlertView::clickedButtonAtIndex,
                     [] { QCoreApplication::exit(1); });
    alert->show();
    return QuorvelApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    // The data forms first: they take a folder and never open a window.
    if (const std::optional<int> status = DataCommands::run(argc, argv))
        return *status;
    const CommandLine command = CommandLine::parse(argc, argv);
    if (command.action() != CommandLine::Action::Run)
        return command.answer();
    ScaleOption::apply(command.scale(), argc, argv);
    QuorvelApplication app(argc, argv);
    SingleInstance instance(Paths::dataDir());
    if (!instance.acquire())
        return instance.raiseRunning(kHandOverMs)
                   ? 0
                   : sayAndQuit(SingleInstance::alreadyRunningMessage());
    const QString resources = Paths::resourceDir();
    if (const QStringList missing = ShippedFiles::missing(resources); !missing.isEmpty()) {
        qCritical().noquote() << ShippedFiles::message(resources, missing);
        return sayAndQuit(ShippedFiles::message(resources, missing));
    }
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

#include "app/DatabaseFailureReporter.h"
#include "app/QuorvelAppDelegate.h"
#include "app/QuorvelApplication.h"
#include "app/ScaleOption.h"
#include "ui/Animations.h"

int main(int argc, char** argv) {
    ScaleOption::apply(argc, argv);
    QuorvelApplication app(argc, argv);
    ui::Animations::setEnabled(true);
    QuorvelAppDelegate delegate;
    try {
        delegate.applicationDidFinishLaunching();
    } catch (const DBException& failure) {
        // Building the screens already touched a database: report it the same way.
        DatabaseFailureReporter::report(failure);
    }
    return QuorvelApplication::exec();
}

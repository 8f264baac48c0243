#include "app/ScaleOption.h"

#include "ui/Metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <vector>

namespace {

// Room for the window's title bar and frame, which the window manager adds.
constexpr int kFrameAllowance = 40;

bool usable(const QByteArray& value) {
    bool ok = false;
    const double factor = value.toDouble(&ok);
    return ok && factor > 0 && factor <= 8;
}

int primaryScreenHeight(int argc, char** argv) {
    // The application object takes Qt's options off the list it is given; the real one needs
    // them too, so this one gets a copy.
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int count = argc;
    QGuiApplication probe(count, args.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 0;
}

} // namespace

QByteArray ScaleOption::choose(const QByteArray& commandLine, const QByteArray& environment) {
    if (!commandLine.isEmpty()) {
        if (usable(commandLine))
            return commandLine;
        std::fprintf(stderr, "Ignoring --scale %s: expected a number between 0 and 8\n",
                     commandLine.constData());
    }
    if (!environment.isEmpty()) {
        if (usable(environment))
            return environment;
        std::fprintf(stderr, "Ignoring QT_SCALE_FACTOR=%s\n", environment.constData());
    }
    return {};
}

QByteArray ScaleOption::fitting(int availableHeight) {
    for (const char* factor : {"2", "1.5"})
        if (ui::Metrics::ScreenHeight * QByteArray(factor).toDouble() + kFrameAllowance <=
            availableHeight)
            return factor;
    return "1";
}

void ScaleOption::apply(const QByteArray& commandLine, int argc, char** argv) {
    QByteArray factor = choose(commandLine, qgetenv("QT_SCALE_FACTOR"));
    if (factor.isEmpty()) {
        // Measured unscaled, whatever a bad value in the environment said.
        qunsetenv("QT_SCALE_FACTOR");
        factor = fitting(primaryScreenHeight(argc, argv));
    }
    qputenv("QT_SCALE_FACTOR", factor);
}

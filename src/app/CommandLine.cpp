#include "app/CommandLine.h"

#include <QStringList>
#include <cstdio>

namespace {

// QGuiApplication's and QApplication's options, with one dash or two.
const QStringList qtOptionsWithValue{"platform",
                                     "platformpluginpath",
                                     "platformtheme",
                                     "plugin",
                                     "qwindowgeometry",
                                     "geometry",
                                     "qwindowicon",
                                     "icon",
                                     "qwindowtitle",
                                     "title",
                                     "session",
                                     "display",
                                     "name",
                                     "style",
                                     "stylesheet"};
const QStringList qtFlags{"reverse", "nograb", "dograb", "sync", "widgetcount", "qmljsdebugger"};

} // namespace

CommandLine CommandLine::parse(int argc, char** argv) {
    CommandLine line;
    auto refuse = [&line](const QString& why) {
        line.action_ = Action::Refuse;
        line.error_ = why;
        return line;
    };
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "-h" || arg == "--help") {
            line.action_ = Action::Help;
            return line;
        }
        if (arg == "--version") {
            line.action_ = Action::Version;
            return line;
        }
        if (!arg.startsWith('-') || arg == "-" || arg == "--")
            return refuse(QStringLiteral("unexpected argument '%1'").arg(arg));
        const QString name = arg.mid(arg.startsWith("--") ? 2 : 1).section('=', 0, 0);
        const bool inlineValue = arg.contains('=');
        if (arg.startsWith("--") && name == "scale") {
            const QByteArray raw(argv[i]);
            if (inlineValue)
                line.scale_ = raw.mid(raw.indexOf('=') + 1);
            else if (i + 1 < argc)
                line.scale_ = argv[++i];
            else
                return refuse(QStringLiteral("option '--scale' needs a number"));
        } else if (qtOptionsWithValue.contains(name)) {
            if (!inlineValue && ++i >= argc)
                return refuse(QStringLiteral("option '%1' needs a value").arg(arg));
        } else if (!qtFlags.contains(name)) {
            return refuse(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    return line;
}

int CommandLine::answer() const {
    switch (action_) {
    case Action::Help:
        std::fputs(qPrintable(helpText()), stdout);
        return 0;
    case Action::Version:
        std::fputs(qPrintable(versionText()), stdout);
        return 0;
    case Action::Refuse:
        std::fprintf(stderr, "quorvel: %s\nTry 'quorvel --help' for the options.\n",
                     qPrintable(error_));
        return 2;
    case Action::Run:
        break;
    }
    return 0;
}

QString CommandLine::versionText() {
    return QStringLiteral("Quorvel " QUORVEL_VERSION "\n");
}

QString CommandLine::helpText() {
    return QStringLiteral(
        "Usage: quorvel [options]\n"
        "A personal diet diary: food, exercise and weight, day by day, against a daily calorie\n"
        "allowance.\n"
        "\n"
        "Options:\n"
        "  --scale N      draw the 320 x 460 window N times larger (default: 2, 1.5 or 1,\n"
        "                 the largest that fits the screen)\n"
        "  --version      print the version and quit\n"
        "  --backup DIR   write a backup set of the diary and settings into DIR and quit\n"
        "  --restore DIR  restore the set DIR is, or the newest set in DIR, and quit\n"
        "  --export DIR   write food.csv, exercise.csv and weighings.csv into DIR and quit\n"
        "  -h, --help     print this help and quit\n"
        "Qt's own options (-platform, -style, ...) are taken as well.\n"
        "\n"
        "Keys: Ctrl+1 to Ctrl+5 choose a tab, Left and Right step the day, Ctrl+N or + adds,\n"
        "Return saves, Escape goes back, Ctrl+Q quits.\n"
        "\n"
        "Environment:\n"
        "  QUORVEL_DATA_DIR      folder of the diary databases\n"
        "  QUORVEL_SETTINGS      the settings file\n"
        "  QUORVEL_RESOURCE_DIR  folder of the shipped databases and images\n"
        "  QT_SCALE_FACTOR       the scale, when --scale is not given\n");
}

#include "app/ScaleOption.h"

#include <cstdio>
#include <cstring>

namespace {

bool usable(const QByteArray& value) {
    bool ok = false;
    const double factor = value.toDouble(&ok);
    return ok && factor > 0 && factor <= 8;
}

} // namespace

QByteArray ScaleOption::choose(int argc, char** argv, const QByteArray& environment) {
    for (int i = 1; i < argc; ++i) {
        QByteArray value;
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            value = argv[i + 1];
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            value = argv[i] + 8;
        else
            continue;
        if (usable(value))
            return value;
        std::fprintf(stderr, "Ignoring --scale %s: expected a number between 0 and 8\n",
                     value.constData());
    }
    if (!environment.isEmpty()) {
        if (usable(environment))
            return environment;
        std::fprintf(stderr, "Ignoring QT_SCALE_FACTOR=%s\n", environment.constData());
    }
    return "2";
}

void ScaleOption::apply(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", choose(argc, argv, qgetenv("QT_SCALE_FACTOR")));
}

#pragma once

#include <QByteArray>
#include <QString>

// What the command line asks for. The program takes --help, --version and --scale N, and Qt's
// own options (-platform, -style, ...), which the application object takes off the list later.
// Anything else is refused with a word on what was wrong.
class CommandLine {
public:
    enum class Action { Run, Help, Version, Refuse };

    static CommandLine parse(int argc, char** argv);

    Action action() const { return action_; }
    // The value given with --scale, or empty.
    QByteArray scale() const { return scale_; }
    // Why the line was refused.
    QString error() const { return error_; }

    // For anything but Run: prints the help or the version on stdout, or the refusal with a
    // pointer to --help on stderr, and returns the exit status (0, or 2 for a refusal).
    int answer() const;

    static QString helpText();
    static QString versionText();

private:
    Action action_ = Action::Run;
    QByteArray scale_;
    QString error_;
};

#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

// The command-line forms that work on the user's data without opening a window, for scripts
// and for people who keep their own copies:
//   quorvel --backup DIR    writes a backup set into DIR
//   quorvel --restore DIR   restores the set DIR is, or the newest set in DIR
//   quorvel --export DIR    writes food.csv, exercise.csv and weighings.csv into DIR
// Each prints what it did and exits 0, or prints why not and exits 1.
class DataCommands {
public:
    // The exit status when the arguments ask for one of the forms; none when the application
    // is to start as usual. Runs without a display (no QApplication is made).
    static std::optional<int> run(int argc, char** argv);
    // The same on the arguments that follow the program's name.
    static std::optional<int> run(const QStringList& args, QTextStream& out, QTextStream& err);

private:
    static int backup(const QString& dir, QTextStream& out);
    static int restore(const QString& dir, QTextStream& out, QTextStream& err);
    static int exportCsv(const QString& dir, QTextStream& out);
};

#include "app/DataCommands.h"

#include "app/SingleInstance.h"
#include "core/backup/BackupFailure.h"
#include "core/backup/BackupRestore.h"
#include "core/backup/BackupWriter.h"
#include "core/backup/CsvExport.h"
#include "core/base/Paths.h"
#include "core/db/DBException.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

const QStringList kOptions{"--backup", "--restore", "--export"};

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QDir(path).absolutePath());
}

} // namespace

std::optional<int> DataCommands::run(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    bool asked = false;
    for (const QString& arg : args)
        asked = asked || kOptions.contains(arg.section(QLatin1Char('='), 0, 0));
    if (!asked)
        return std::nullopt;
    // Paths and the shipped files are found through the application object; a core one needs
    // no display.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return run(args, out, err);
}

std::optional<int> DataCommands::run(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString option;
    QString dir;
    for (int i = 0; i < args.size(); ++i) {
        const QString name = args[i].section(QLatin1Char('='), 0, 0);
        if (!kOptions.contains(name))
            continue;
        if (!option.isEmpty()) {
            err << "quorvel: " << option << " and " << name << " cannot be given together\n";
            return 1;
        }
        option = name;
        if (args[i].contains(QLatin1Char('=')))
            dir = args[i].section(QLatin1Char('='), 1);
        else if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--")))
            dir = args[++i];
    }
    if (option.isEmpty())
        return std::nullopt;
    if (dir.isEmpty()) {
        err << "quorvel: " << option << " needs a folder\n";
        return 1;
    }
    try {
        if (option == QLatin1String("--backup"))
            return backup(dir, out);
        if (option == QLatin1String("--restore"))
            return restore(dir, out, err);
        return exportCsv(dir, out);
    } catch (const NamedException& failure) {
        // BackupFailure says what became of the data; a database failure is told as it is.
        err << "quorvel: " << failure.name() << ": " << failure.reason() << "\n";
        return 1;
    }
}

int DataCommands::backup(const QString& dir, QTextStream& out) {
    if (!BackupWriter::hasUserData())
        throw BackupFailure(QStringLiteral("Nothing to back up"),
                            QStringLiteral("there is no diary in %1").arg(shown(Paths::dataDir())));
    const BackupSet set = BackupWriter::write(dir, BackupSet::Kind::Manual);
    out << "Backed up " << set.contents().text() << " to " << shown(set.path()) << "\n";
    return 0;
}

int DataCommands::restore(const QString& dir, QTextStream& out, QTextStream& err) {
    const std::optional<BackupSet> set = BackupRestore::find(dir);
    if (!set) {
        err << "quorvel: there is no backup set in " << shown(dir) << "\n";
        return 1;
    }
    // A running program would go on with what it read from the files being replaced.
    SingleInstance instance(Paths::dataDir());
    if (!instance.acquire()) {
        err << "quorvel: Quorvel is running on this diary; quit it before restoring\n";
        return 1;
    }
    const BackupRestore::Result result = BackupRestore::restore(*set);
    out << "Restored " << set->contents().text() << " from " << shown(set->path()) << "\n";
    if (result.safety)
        out << "The diary as it was before is kept in " << shown(result.safety->path()) << "\n";
    return 0;
}

int DataCommands::exportCsv(const QString& dir, QTextStream& out) {
    if (!QDir().mkpath(dir))
        throw BackupFailure(QStringLiteral("Export Failed"),
                            QStringLiteral("the folder %1 cannot be made").arg(shown(dir)));
    const DiaryContents written = CsvExport::write(dir);
    const QStringList& files = CsvExport::fileNames();
    out << "Exported " << written.countsText() << " to " << files.join(QStringLiteral(", "))
        << " in " << shown(dir) << "\n";
    return 0;
}

#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"

#include "app/SingleInstance.h"
#include "core/backup/BackupFolder.h"
#include "core/base/Clock.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

class DataCommandsTest : public QuorvelTest {
protected:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    // The program with these arguments on this case's data, with no display to open a window
    // on: a form that tried would fail.
    Run quorvel(const QStringList& args) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        env.insert("QUORVEL_NOW", "2026-12-06T10:00:00");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QUORVEL_BINARY, args);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    static int foodRows() { return RawDatabase::user("common.db").count("saved_food"); }
    static QByteArray bytes(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

} // namespace

TEST_F(DataCommandsTest, BackupRestoreAndExportPrintWhatTheyDidOrWhyNot) {
    Clock::set(at(2026, 12, 6, 9, 30));
    saved(speedyFood(at(2026, 12, 5), 0, 300, "Porridge"));
    saved(speedyFood(at(2026, 12, 5), 1, 450, "Soup"));
    const QString mine = dataDir() + "/mine";

    Run run = quorvel({"--backup", mine});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Backed up 2 food entries, 0 exercises, 0 weighings, last "
                                   "entry 5 December 2026 to " +
                                   mine + "/2026-12-06_100000-manual"))
        << run.out.toStdString();

    RawDatabase::user("common.db").exec("delete from saved_food where name = 'Soup'");
    {
        // Not while the program runs on the same diary.
        SingleInstance running(dataDir());
        ASSERT_TRUE(running.acquire());
        run = quorvel({"--restore", mine});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("running")) << run.err.toStdString();
    }
    run = quorvel({"--restore", mine}); // the newest set in the folder
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("The diary as it was before is kept in " + BackupFolder::path()))
        << run.out.toStdString();
    EXPECT_EQ(foodRows(), 2);

    run = quorvel({"--export=" + dataDir() + "/csv"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Exported 2 food entries, 0 exercises and 0 weighings to food.csv, "
                       "exercise.csv, weighings.csv in " +
                           dataDir() + "/csv\n");
    EXPECT_TRUE(bytes(dataDir() + "/csv/food.csv").contains("Soup"));

    // Refusals change nothing and say why.
    const QString set =
        QDir(mine).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot).first().absoluteFilePath();
    QFile::remove(set + "/weight.db");
    const QByteArray diary = bytes(dataDir() + "/common.db");
    for (const QStringList& args : {QStringList{"--restore", set}, QStringList{"--restore"},
                                    QStringList{"--restore", dataDir() + "/csv"},
                                    QStringList{"--backup", mine, "--export", mine}}) {
        run = quorvel(args);
        EXPECT_EQ(run.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_TRUE(run.err.contains("cannot be given together"));
    EXPECT_EQ(bytes(dataDir() + "/common.db"), diary);
}

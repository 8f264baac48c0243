#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/TestEnv.h"

#include "CsvTable.h"
#include "core/backup/CsvExport.h"

#include <QDir>
#include <QFile>

namespace {

class CsvExportTest : public QuorvelTest {};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A file of the export read back by the reader of the shipped catalogues' sources.
CsvTable table(const QString& dir, const QString& name) {
    return CsvTable::parse(QString::fromUtf8(bytesOf(dir + "/" + name)), name);
}

} // namespace

TEST_F(CsvExportTest, NamesAndNotesComeBackAsTypedFromTheThreeFiles) {
    const QStringList names{"Soup, hot", "Say \"cheese\"", "Line one\nline two\r\nthree",
                            "寿司 и борщ", "Crème brûlée"};
    for (int i = 0; i < names.size(); ++i)
        saved(speedyFood(at(2026, 12, 1 + i), i % 4, 100 + i, names[i]));
    saved(catalogueFood(1, at(2026, 12, 1), 0, 1.5f));
    saved(speedyExercise(at(2026, 12, 2), 250, "Run, \"fast\"\nuphill"));
    saved(exerciseEntry(2, at(2026, 12, 2), 45, 480, 360));
    weigh(at(2026, 12, 3, 22, 15), "80.45", "after run,\n\"good\" 良い");
    weigh(at(2026, 12, 3, 7, 5), "81.00");

    const QString dir = dataDir() + "/export";
    QDir().mkpath(dir);
    const DiaryContents written = CsvExport::write(dir);
    EXPECT_EQ(written.countsText(), "6 food entries, 2 exercises and 2 weighings");

    const QByteArray raw = bytesOf(dir + "/food.csv");
    EXPECT_TRUE(raw.startsWith("day,meal,name,portions,calories,points\r\n")); // no byte order mark
    EXPECT_TRUE(raw.endsWith("\r\n"));
    const CsvTable food = table(dir, "food.csv");
    ASSERT_EQ(food.rowCount(), 6);
    // Day by day; on 1 December the speedy entry came before the catalogue one.
    EXPECT_EQ(food.field(0, "day"), "2026-12-01");
    EXPECT_EQ(food.field(0, "meal"), "Breakfast");
    EXPECT_EQ(food.field(0, "name"), names[0]);
    EXPECT_EQ(food.field(0, "calories"), "100");
    EXPECT_EQ(food.field(1, "portions"), "1.5");
    for (int i = 1; i < names.size(); ++i) {
        EXPECT_EQ(food.field(i + 1, "name"), names[i]) << i;
        EXPECT_EQ(food.field(i + 1, "day"), QString("2026-12-0%1").arg(1 + i));
    }

    const CsvTable exercise = table(dir, "exercise.csv");
    ASSERT_EQ(exercise.rowCount(), 2);
    EXPECT_EQ(exercise.field(0, "category"), "Speedy Calories");
    EXPECT_EQ(exercise.field(0, "name"), "Run, \"fast\"\nuphill");
    EXPECT_EQ(exercise.field(1, "minutes"), "45");
    EXPECT_EQ(exercise.field(1, "calories"), "360");

    const CsvTable weighings = table(dir, "weighings.csv");
    ASSERT_EQ(weighings.rowCount(), 2);
    EXPECT_EQ(weighings.field(0, "time"), "07:05");
    EXPECT_EQ(weighings.field(1, "kilograms"), "80.45");
    EXPECT_EQ(weighings.field(1, "note"), "after run,\n\"good\" 良い");
}

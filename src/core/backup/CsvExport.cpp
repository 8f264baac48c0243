#include "core/backup/CsvExport.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/CsvWriter.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/weight/WeightDataStore.h"

#include <QDir>
#include <algorithm>

namespace {

const QString kFailed = QStringLiteral("Export Failed");

QString number(double value) {
    // At most three decimals, without trailing zeros: 1.5, 0.333, 240.
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString isoDay(const QDateTime& date) {
    return date.toLocalTime().date().toString(Qt::ISODate);
}

// Every entry of a day list with its group's name, days in order and, within a day, groups in
// order and entries as they were added.
template <class List, class Row>
int writeDays(const List& days, QString (*groupName)(int), CsvWriter& csv, Row row) {
    int count = 0;
    for (const auto& day : days) {
        for (int group = 0; group < day->groupCount(); ++group) {
            auto entries = day->items().at(group);
            std::sort(entries.begin(), entries.end(),
                      [](const auto& a, const auto& b) { return a->dboId() < b->dboId(); });
            for (const auto& entry : entries) {
                csv.row(QStringList{isoDay(day->date()), groupName(group), entry->name()} +
                        row(*entry));
                ++count;
            }
        }
    }
    return count;
}

void save(const CsvWriter& csv, const QDir& dir, const QString& name) {
    QString error;
    if (!csv.save(dir.filePath(name), &error))
        throw BackupFailure(kFailed, QStringLiteral("%1 cannot be written: %2.").arg(name, error));
}

} // namespace

const QStringList& CsvExport::fileNames() {
    static const QStringList names{QStringLiteral("food.csv"), QStringLiteral("exercise.csv"),
                                   QStringLiteral("weighings.csv")};
    return names;
}

DiaryContents CsvExport::write(const QString& path) {
    const QDir dir(path);
    if (!dir.exists())
        throw BackupFailure(kFailed, QStringLiteral("The folder %1 does not exist.").arg(path));
    DiaryContents written;

    CsvWriter food({"day", "meal", "name", "portions", "calories", "points"});
    written.food =
        writeDays(FoodDayInfo::foodList(), &FoodDayInfo::nameForItemsAtIndex, food,
                  [](const SavedFoodDbo& e) {
                      return QStringList{number(e.portionCount()), number(e.resultCalories()),
                                         number(e.resultPoints())};
                  });
    save(food, dir, fileNames().at(0));

    CsvWriter exercise({"day", "category", "name", "minutes", "calories"});
    written.exercises =
        writeDays(ExerciseDayInfo::exerciseList(), &ExerciseDayInfo::nameForItemsAtIndex, exercise,
                  [](const SavedExerciseDbo& e) {
                      return QStringList{QString::number(e.duration()), number(e.calories())};
                  });
    save(exercise, dir, fileNames().at(1));

    CsvWriter weighings({"day", "time", "kilograms", "note"});
    for (const WeighingDay& day : WeightDataStore::loadAllWeights()) {
        QList<Weighing> byTime = day.weighings();
        std::stable_sort(byTime.begin(), byTime.end(),
                         [](const Weighing& a, const Weighing& b) { return a.time() < b.time(); });
        for (const Weighing& w : byTime) {
            const QDateTime at = QDateTime::fromSecsSinceEpoch(w.time());
            weighings.row(
                {isoDay(at), at.toString(QStringLiteral("HH:mm")), number(w.weight()), w.note()});
            ++written.weighings;
        }
    }
    save(weighings, dir, fileNames().at(2));
    return written;
}

#pragma once

#include "core/catalogue/ExerciseMets.h"

#include <QList>
#include <QString>
#include <optional>

struct sqlite3_stmt;

// A category, exercise item or recent-list row, and the exercise catalogue's queries.
// A list result of none means the query found no row.
class ExerciseDbo {
public:
    ExerciseDbo() = default;
    ExerciseDbo(int dboId, QString name);

    int dboId = 0;
    QString name;
    QString icon;
    QString desc;
    QList<ExerciseMets> mets;
    double calories = 0.0;
    // Row of recent_exercise this row was read from (recent list only).
    qint64 rowId = 0;

    static int getCategoriesCount();
    static int getCategoryIdForExercise(int exerciseId);
    static std::optional<QList<ExerciseDbo>> getCategories(bool all);
    static std::optional<QList<ExerciseDbo>> getExercisesByCategory(int categoryId);
    // Exercises whose search name holds the text as typed, then those holding every typed
    // word in any order (words split on blanks and commas). \, % and _ match only themselves.
    static std::optional<QList<ExerciseDbo>> searchExerciseUsingTemplate(const QString& text,
                                                                         int categoryId);
    static std::optional<ExerciseDbo> getExercise(int exerciseId);
    static QList<ExerciseMets> getMetsFromExerciseID(int exerciseId);

    // Newest first; an empty table gives an empty list.
    static QList<ExerciseDbo> getRecentExercises();
    // Forgets every remembered entry of an exercise (all speedy entries for 0).
    static void deleteRecentExercise(int exerciseItemId);
    // Forgets one remembered entry.
    static void deleteRecentExerciseRow(qint64 rowId);

    static std::optional<QList<ExerciseDbo>> readDboFrom(sqlite3_stmt* stmt, bool getExercise);

private:
    static QList<ExerciseDbo> readRows(sqlite3_stmt* stmt, bool getExercise);
    static std::optional<QList<ExerciseDbo>> withMets(QList<ExerciseDbo> rows, bool getExercise);
};

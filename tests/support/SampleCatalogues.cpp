#include "support/SampleCatalogues.h"

#include "core/db/QVUtil.h"
#include "support/RawDatabase.h"

namespace {

// The rows once for every id from first to last ("%1" stands for the id).
QString numbered(int first, int last, const QString& rows) {
    QString sql;
    for (int id = first; id <= last; ++id)
        sql += rows.arg(id);
    return sql;
}

QString foodRows() {
    return QStringLiteral(
               "insert into food_types values (2, 'Drinks', 'Tea and coffee', 'type_drink.png'),"
               " (1, 'Soups', 'Soups and stews', 'type_soup.png');"
               "insert into food_kinds values (1, 'Pizza', 'By the slice', 'kind_pizza.png');"
               "insert into restaurants values (1, 'burger place'), (2, '7 Eleven'), (3, "
               "'Arby''s'),"
               " (4, '');"
               "insert into food_items values (1, 'Chicken soup', 'chickensoup', 2, 5, 0),"
               " (2, 'chicken wings', 'chickenwings', 1, 0, 3),"
               " (3, '7-layer chicken dip', '7-layerchickendip', 1, 5, 0),"
               " (4, 'Cheddar', 'cheddar', 2, 1, 0),"
               " (5, 'Chicken without values', 'chickenwithoutvalues', 2, 5, 3),"
               " (6, 'Éclair chicken', 'éclairchicken', 2, 5, 3),"
               " (7, 'Beef, chicken broth', 'beefchickenbroth', 2, 0, 0),"
               " (10, 'Pizza', 'pizza', 1, 1, 0), (11, 'Lentil soup', 'lentilsoup', 1, 0, 0),"
               " (12, 'Green tea', 'greentea', 2, 0, 0), (13, 'Mystery', 'mystery', 9, 9, 0);"
               // item, serving, grams, calories, fat, cholesterol, sodium, protein, calcium, iron,
               // fibre, carbohydrate, points
               "insert into nutrition_values values"
               " (1, '1 cup', 240, 75, 2.5, 7, 1100, 4, 17, 0.8, 0.5, 9.5, 1.5),"
               " (2, '4 pieces', 100, 290, null, null, null, null, null, null, null, null, null),"
               " (3, '2 tbsp', 30, 60, 1, 1, 1, 1, 1, 1, 1, 1, 1),"
               " (4, '1 oz', 28, 114, 9, 1, 1, 1, 1, 1, 1, 1, 1),"
               " (6, '1 piece', 50, 200, 1, 1, 1, 1, 1, 1, 1, 1, 1),"
               " (7, '1 cup', 240, 20, 1, 1, 1, 1, 1, 1, 1, 1, 1),"
               " (10, '1 slice', 100, 250, 9, 0, 0, 0, 0, 0, 1, 0, 0),"
               " (11, '1 cup', 240, 100, 6, 0, 0, 0, 0, 0, 2, 0, 0),"
               " (12, '1 cup', 240, 0, 0.6, 0, 0, 0, 0, 0, 0, 0, 0),"
               " (13, '1', 10, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0);") +
           numbered(20, 60,
                    "insert into food_items values (%1, 'Food %1', 'food%1', 1, 0, 0);"
                    "insert into nutrition_values values (%1, '1', 1, 80, 0, 0, 0, 0, 0, 0, 0, 0,"
                    " 0);");
}

QString exerciseRows() {
    return QStringLiteral(
               "insert into exercise_categories values (1, 'Quick', 'quick.png', 'Calories only'),"
               " (2, 'Running', 'run.png', 'On foot'), (3, 'Cycling', 'bike.png', 'On wheels');"
               "insert into intensity values (1, 'light'), (2, 'moderate'), (3, 'vigorous');"
               "insert into exercise_items values (100, 'Jogging', 'jogging', 2),"
               " (101, 'Sprint', 'sprint', 2), (102, 'Running uphill', 'runninguphill', 2),"
               " (200, 'Road bike', 'roadbike', 3), (201, 'Road running bike', 'roadrunningbike', "
               "3);"
               "insert into exercise_intensity values (100, 1, 6), (100, 2, 8.3), (101, 3, 12),"
               " (102, 3, 11.5), (200, 1, 5), (201, 1, 4);") +
           numbered(300, 340,
                    "insert into exercise_items values (%1, 'Exercise %1', 'exercise%1', 3);"
                    "insert into exercise_intensity values (%1, 1, 4);");
}

// A new file with the tables and indexes of the built one of that name, filled by the rows.
void write(const QString& dir, const QString& name, const QString& rows) {
    QString script;
    for (const auto& row : RawDatabase::shipped(name).rows(QStringLiteral(
             "select sql from sqlite_master where sql is not null order by type desc")))
        script += row[0].toString() + u';';
    RawDatabase::file(dir + "/" + name).exec(script + rows);
}

} // namespace

void SampleCatalogueTest::SetUp() {
    QuorvelTest::SetUp();
    const QString dir = useOwnResources();
    write(dir, QStringLiteral("food.db"), foodRows());
    write(dir, QStringLiteral("exercise.db"), exerciseRows());
    write(dir, QStringLiteral("common.db"), {});
    write(dir, QStringLiteral("weight.db"), {});
    // Open every handle now, so the user's copies are in place for raw reads and writes.
    QVUtil::foodDbc();
    QVUtil::exerciseDbc();
    QVUtil::commonDbc();
    QVUtil::weightDbc();
}

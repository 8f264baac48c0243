#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class CsvTable;
class ImageList;
class SqliteFile;

// Builds food.db from data/foods.csv (nutrients per 100 g, one household serving each) and the
// small tables of food types, food kinds and restaurants beside it.
class FoodCatalogueWriter {
public:
    FoodCatalogueWriter(const QString& dataDir, const ImageList& images);

    // Writes the whole catalogue to `path`; throws std::runtime_error on bad data or a database
    // failure.
    void write(const QString& path) const;

    // The name as the food search compares it: lower case, without blanks and commas (the
    // search removes those from what the person types).
    static QString searchForm(const QString& name);
    // Diet points of one serving: whole calories / 50 + fat / 12 - fibre / 5, the rule the
    // diary applies to one portion, so a fresh entry shows no deviation.
    static double servingPoints(double calories, double fat, double fiber);

private:
    QHash<QString, int> writeTypes(SqliteFile& db) const;
    void writeKinds(SqliteFile& db) const;
    QSet<int> writeRestaurants(SqliteFile& db) const;
    void writeFoods(SqliteFile& db, const QHash<QString, int>& typeIds,
                    const QSet<int>& restaurantIds) const;
    void writeIconRows(SqliteFile& db, const CsvTable& table, const QString& insertSql) const;

    QString dataDir_;
    const ImageList& images_;
};

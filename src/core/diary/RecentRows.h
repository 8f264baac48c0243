#pragma once

#include <QList>
#include <QString>

// One of the "recent" tables of the diaries (recent_food, recent_exercise): at most 30 rows,
// the oldest (smallest id) going first.
class RecentRows {
public:
    static constexpr int kLimit = 30;

    // One remembered row: the item (0 for a speedy entry), its name and calories, and the
    // row's own id.
    struct Row {
        int itemId = 0;
        QString name;
        double calories = 0.0;
        qint64 rowId = 0;
    };
    // The rows a query of those four columns gives, in its order.
    static QList<Row> read(const QString& sql);

    // The table and its item column ("recent_food", "food_item_id").
    RecentRows(QString table, QString itemColumn);

    // Deletes the oldest row when the table is full, so that one more fits.
    void makeRoom() const;
    bool hasItem(int itemId) const;
    bool hasName(const QString& name) const;
    void insert(int itemId, const QString& name, float calories) const;

private:
    QString table_;
    QString itemColumn_;
};

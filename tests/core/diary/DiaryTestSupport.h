#pragma once

#include "support/TestEnv.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// A case over small catalogues of its own, so that every figure a test checks is known:
//
// food items (calories, fat, fibre of one serving; icon)
//   10 "Pizza"       250, 9, 1    kind icon "kind_pizza.png"
//   11 "Lentil soup" 100, 6, 2    no kind: type icon "type_soup.png"
//   12 "Green tea"     0, 0.6, 0  no kind: type icon "type_drink.png"
//   13 "Mystery"     120, 0, 0    neither: "restaurant.png"
//   20..60 "Food 20".. "Food 60"  80, 0, 0
// exercise categories 1 "Quick" (quick.png), 2 "Running" (run.png), 3 "Cycling" (bike.png);
// items 100 "Jogging" and 101 "Sprint" in 2, 200 "Road bike" in 3, 300..340 "Exercise 300"..
// in 3.
// The ISO dates of a food or exercise day list, in list order.
template <typename DayList> QStringList daysOf(const DayList& list) {
    QStringList days;
    for (const auto& day : list)
        days.append(day->date().date().toString(Qt::ISODate));
    return days;
}

class DiaryTest : public QuorvelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Local time in the current zone.
    static QDateTime local(int y, int m, int d, int h = 0, int min = 0, int s = 0);

    // SQL straight on the user's copy of common.db, outside the code under test.
    void commonExec(const QString& sql) const;
    QString commonScalar(const QString& sql) const;

    // A stored food row with the given date text (as the entry screens write it).
    void storeFood(const QString& dateText, int meal, int calories, int itemId = 0,
                   const QString& name = QStringLiteral("Snack")) const;
    void storeExercise(const QString& dateText, int itemId, int calories,
                       const QString& name = QStringLiteral("Walk")) const;

private:
    QByteArray previousResources_;
    QString resources_;
};

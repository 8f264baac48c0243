#pragma once

#include <QString>
#include <QStringList>

// Decides how a food comes (its food kind) from its food group and the words of its name.
// The first rule that matches wins, in this order:
//   Prepared Dishes  fast foods and ready meals (groups 2100 and 2200);
//   Drinks           beverages (group 1400), or a drink word (juice, nectar, drink, shake, ...)
//                    before the name's first comma, so "Peaches, canned, juice pack" is no drink;
//   Frozen Foods     the word "frozen";
//   Canned Foods     the word "canned";
//   Dried Foods      dried, dry, dehydrated, freeze-dried, powder(ed) ("dry heat" and
//                    "dry roasted" describe cooking, not drying);
//   Cooked Foods     a cooking word (cooked, boiled, roasted, baked, fried, grilled, ...);
//   Raw Foods        the word "raw".
// A food that matches none has no kind (0).
class FoodKindRules {
public:
    enum Kind { None = 0, Raw = 1, Cooked, Canned, Frozen, Dried, Prepared, Drinks };
    static constexpr int kindCount = Drinks;

    static Kind kindOf(const QString& groupCode, const QString& name);
    // The icon file a kind's row must carry ("kind_raw.png"), which keeps data/food_kinds.csv
    // and these rules from drifting apart.
    static QString iconOf(Kind kind);

private:
    // Lower-case words of a text; hyphenated words stay whole ("pan-fried").
    static QStringList words(const QString& text);
    static bool isDriedWord(const QStringList& words, qsizetype i);
};

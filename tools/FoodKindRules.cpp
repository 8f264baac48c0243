#include "FoodKindRules.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QSet<QString>& drinkWords() {
    static const QSet<QString> set{u"juice"_s,     u"juices"_s,   u"nectar"_s,    u"drink"_s,
                                   u"drinks"_s,    u"lemonade"_s, u"smoothie"_s,  u"shake"_s,
                                   u"milkshake"_s, u"beverage"_s, u"beverages"_s, u"cocktail"_s,
                                   u"punch"_s};
    return set;
}

const QSet<QString>& cookingWords() {
    static const QSet<QString> set{
        u"cooked"_s,      u"boiled"_s,      u"roasted"_s,   u"baked"_s,   u"fried"_s,
        u"broiled"_s,     u"braised"_s,     u"grilled"_s,   u"stewed"_s,  u"steamed"_s,
        u"microwaved"_s,  u"pan-fried"_s,   u"simmered"_s,  u"toasted"_s, u"heated"_s,
        u"pan-broiled"_s, u"stir-fried"_s,  u"scrambled"_s, u"poached"_s, u"dry-roasted"_s,
        u"oil-roasted"_s, u"pan-browned"_s, u"blanched"_s,  u"sauteed"_s};
    return set;
}

const QSet<QString>& driedWords() {
    static const QSet<QString> set{u"dried"_s,        u"dry"_s,    u"dehydrated"_s,
                                   u"freeze-dried"_s, u"powder"_s, u"powdered"_s};
    return set;
}

bool containsAny(const QStringList& words, const QSet<QString>& set) {
    for (const QString& w : words) {
        if (set.contains(w))
            return true;
    }
    return false;
}

} // namespace

QStringList FoodKindRules::words(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^a-z-]+"));
    return text.toLower().split(separators, Qt::SkipEmptyParts);
}

bool FoodKindRules::isDriedWord(const QStringList& words, qsizetype i) {
    if (!driedWords().contains(words[i]))
        return false;
    if (words[i] != u"dry" || i + 1 >= words.size())
        return true;
    const QString& next = words[i + 1];
    return next != u"heat" && next != u"roasted";
}

FoodKindRules::Kind FoodKindRules::kindOf(const QString& groupCode, const QString& name) {
    if (groupCode == u"2100" || groupCode == u"2200")
        return Prepared;
    if (groupCode == u"1400" || containsAny(words(name.section(u',', 0, 0)), drinkWords()))
        return Drinks;
    const QStringList all = words(name);
    if (all.contains(u"frozen"))
        return Frozen;
    if (all.contains(u"canned"))
        return Canned;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (isDriedWord(all, i))
            return Dried;
    }
    if (containsAny(all, cookingWords()))
        return Cooked;
    if (all.contains(u"raw"))
        return Raw;
    return None;
}

QString FoodKindRules::iconOf(Kind kind) {
    static const char* const keys[] = {"",       "raw",   "cooked",   "canned",
                                       "frozen", "dried", "prepared", "drinks"};
    return u"kind_%1.png"_s.arg(QLatin1String(keys[kind]));
}

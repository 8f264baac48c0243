#include "core/catalogue/ExerciseDbo.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "support/TestEnv.h"

#include <QRegularExpression>
#include <algorithm>

// What a person sees of the shipped catalogues: names that read as written, restaurant lists
// that the A-Z index can find their way in, and searches that find what was meant.
class ShippedNamesAndSearchTest : public QuorvelTest {
protected:
    static QStringList names(const QList<FoodSimpleDbo>& rows) {
        QStringList out;
        for (const FoodSimpleDbo& row : rows)
            out.append(row.name);
        return out;
    }
    static QStringList foodSearch(const QString& typed) {
        return names(FoodSimpleDbo::searchFoodItems(typed, 0, 0, 0).value("items"));
    }
    // A name that shouts: a word of five or more capitals, or two capital words of three or more
    // letters in a row. Short abbreviations ("USDA", "KFC", "ARA and DHA") read as meant.
    static bool shouts(const QString& name) {
        static const QRegularExpression longWord(QStringLiteral("\\b[A-Z][A-Z'&-]{4,}"));
        static const QRegularExpression twoWords(
            QStringLiteral("\\b[A-Z][A-Z&-]{2,}[ ,]+[A-Z][A-Z&-]{2,}(?![\\w'])"));
        return name.contains(longWord) || name.contains(twoWords);
    }
};

TEST_F(ShippedNamesAndSearchTest, NoNameShouts) {
    QStringList shouting;
    for (const QString& name : foodSearch(QString()))
        if (shouts(name))
            shouting.append(name);
    const auto exercises = ExerciseDbo::searchExerciseUsingTemplate({}, 0);
    ASSERT_TRUE(exercises.has_value());
    for (const ExerciseDbo& exercise : *exercises)
        if (shouts(exercise.name))
            shouting.append(exercise.name);
    EXPECT_TRUE(shouting.isEmpty()) << shouting.join(" | ").toStdString();
}

TEST_F(ShippedNamesAndSearchTest, RestaurantItemsLeadWithTheItemAndSpreadOverTheIndex) {
    int restaurants = 0;
    for (const auto& letter : FoodSimpleDbo::getRestaurantsList()) {
        for (const FoodSimpleDbo& restaurant : letter) {
            ++restaurants;
            const FoodGroups items = FoodSimpleDbo::getFoodByRestaurant(restaurant.dboId);
            int count = 0;
            int letters = 0;
            for (const auto& group : items) {
                count += static_cast<int>(group.size());
                letters += group.isEmpty() ? 0 : 1;
                for (const FoodSimpleDbo& item : group)
                    EXPECT_TRUE(item.name.endsWith(" (" + restaurant.name + ")"))
                        << item.name.toStdString();
            }
            // Every item is reachable from the index (none starts outside A-Z).
            EXPECT_EQ(count,
                      static_cast<int>(FoodSimpleDbo::searchFoodItems({}, restaurant.dboId, 0, 0)
                                           .value("items")
                                           .size()))
                << restaurant.name.toStdString();
            EXPECT_GT(count, 0) << restaurant.name.toStdString();
            if (count > 10) {
                EXPECT_GT(letters, 1) << restaurant.name.toStdString();
            }
        }
    }
    EXPECT_GE(restaurants, 10);
}

TEST_F(ShippedNamesAndSearchTest, WordsInAnyOrderFindWhatWasMeant) {
    const QStringList breast = foodSearch("chicken breast");
    const bool roasted = std::any_of(breast.cbegin(), breast.cend(), [](const QString& name) {
        return name.startsWith("Chicken") && name.contains("breast, meat only") &&
               name.contains("roasted");
    });
    EXPECT_TRUE(roasted) << breast.mid(0, 20).join(" | ").toStdString();

    const auto running = ExerciseDbo::searchExerciseUsingTemplate("6 mph running", 0);
    ASSERT_TRUE(running.has_value());
    EXPECT_EQ(running->first().name, "Running, 6 mph (10 min/mile)");
}

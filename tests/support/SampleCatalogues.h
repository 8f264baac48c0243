#pragma once

#include "support/TestEnv.h"

// A case over small catalogues of its own, written in the schema of the built files, so that
// every figure a test checks is known. The user's copies are open when the case starts.
//
// food types 1 "Soups" (type_soup.png), 2 "Drinks" (type_drink.png); kind 1 "Pizza"
// (kind_pizza.png); restaurants 1 "burger place", 2 "7 Eleven", 3 "Arby's", 4 "".
// food items (type, kind, restaurant; one serving: calories, fat, fibre)
//    1 "Chicken soup"           2, 5, -   1 cup 240 g: 75, 2.5, 0.5 (every nutrient set)
//    2 "chicken wings"          1, -, 3   4 pieces: 290, nutrients NULL
//    3 "7-layer chicken dip"    1, 5, -   2 tbsp: 60
//    4 "Cheddar"                2, 1, -   1 oz: 114
//    5 "Chicken without values" 2, 5, 3   no nutrition row
//    6 "Éclair chicken"         2, 5, 3   1 piece: 200
//    7 "Beef, chicken broth"    2, -, -   1 cup: 20
//   10 "Pizza"                  1, 1, -   1 slice: 250, 9, 1
//   11 "Lentil soup"            1, -, -   1 cup: 100, 6, 2
//   12 "Green tea"              2, -, -   1 cup: 0, 0.6, 0
//   13 "Mystery"                type 9 and kind 9 (neither exists): 120
//   20..60 "Food 20".."Food 60" 1, -, -   80 calories
// exercise categories 1 "Quick" (quick.png), 2 "Running" (run.png), 3 "Cycling" (bike.png);
// intensities 1 "light", 2 "moderate", 3 "vigorous".
// exercises (category: intensity mets)
//   100 "Jogging" (2: light 6, moderate 8.3), 101 "Sprint" (2: vigorous 12),
//   102 "Running uphill" (2: vigorous 11.5), 200 "Road bike" (3: light 5),
//   201 "Road running bike" (3: light 4), 300..340 "Exercise 300".. (3: light 4)
class SampleCatalogueTest : public QuorvelTest {
protected:
    void SetUp() override;
};

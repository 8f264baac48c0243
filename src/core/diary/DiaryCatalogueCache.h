#pragma once

#include <QString>

// What the diary entries look up in the read-only catalogues for every row they show: the
// food names and kind icons, the exercise names, categories and icons. Kept for the run, since the
// catalogues do not change while the program runs, so loading a long diary costs one lookup
// per distinct item, not several queries per entry.
class DiaryCatalogueCache {
public:
    struct Exercise {
        bool known = false; // the catalogue has the item
        QString name;
        int categoryId = 1;
        QString icon;
    };

    struct Food {
        bool known = false; // the catalogue has the item
        QString name;
        // Icon of the item's food kind, else of its food type; "restaurant.png" for an item
        // with neither and "quick_add.png" for an entry without an item.
        QString icon;
    };

    // Item 0 (a speedy entry) is an unknown item.
    static const Food& food(int foodItemId);
    // Item 0 (a speedy entry) is the unknown item of category 1.
    static const Exercise& exercise(int exerciseItemId);
    static int exerciseCategoryCount();
};

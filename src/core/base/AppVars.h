#pragma once

#include <QVariantMap>

// The process-wide dictionary of current selections that a tab shares with its editors
// ("food_current_date", "food_current_foodTypeId", "exercise_current_date"). Never saved.
class AppVars {
public:
    // Created empty on first use.
    static QVariantMap& getVars();
};

#pragma once

#include <QDateTime>
#include <QString>

// How the Weight tab writes weights and times. Weights are kept in kilograms and shown in the
// unit of the "QVWeight" setting (pounds unless the user chose kilograms).
class WeightTexts {
public:
    // The setting, read afresh: true for pounds.
    static bool usePounds();
    // Kilograms in the display unit.
    static float shown(float kilograms, bool pounds);
    // "80.5 kg", "177.5 lb".
    static QString withUnit(float kilograms, bool pounds);
    // A weighing's time of day, "07:05 AM".
    static QString timeOfDay(const QDateTime& moment);
};

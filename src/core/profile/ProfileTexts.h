#pragma once

#include <QString>

// The profile values as the profile screens show them, in the units the user chose.
class ProfileTexts {
public:
    // "(in, lb)", "(cm, kg)".
    static QString unitsText();
    static QString genderText();
    // Whole years, "25".
    static QString ageText();
    // "170.0 cm", or feet and inches such as " 5' 6\"".
    static QString heightText();
    // " 5' 6\"" for 66 inches.
    static QString feetAndInches(int inches);
    // "110.2 lb" of the weight stored under the key.
    static QString weightText(const QString& key);
    static QString activityName();
};

#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Typed access to the settings store. Reads never fail: an absent key reads the given
// default (or the type's zero); a value stored with another type is converted.
class UDefUtil {
public:
    static QVariant getUserDef(const QString& key);
    static QVariant getUserDef(const QString& key, const QVariant& def);
    static void setUserDef(const QVariant& value, const QString& key);
    static void removeUserDef(const QString& key);

    static bool getUserDefBool(const QString& key) { return getUserDefBool(key, false); }
    static bool getUserDefBool(const QString& key, bool def);
    static void setUserDefBool(bool value, const QString& key) { setUserDef(value, key); }

    static int getUserDefInt(const QString& key) { return getUserDefInt(key, 0); }
    static int getUserDefInt(const QString& key, int def);
    static void setUserDefInt(int value, const QString& key) { setUserDef(value, key); }

    static double getUserDefDouble(const QString& key) { return getUserDefDouble(key, 0.0); }
    static double getUserDefDouble(const QString& key, double def);
    static void setUserDefDouble(double value, const QString& key) { setUserDef(value, key); }

    static float getUserDefFloat(const QString& key, float def);
    static void setUserDefFloat(float value, const QString& key) { setUserDef(value, key); }

    static QString getUserDefString(const QString& key, const QString& def);
    static void setUserDefString(const QString& value, const QString& key) {
        setUserDef(value, key);
    }

    // A new, changeable copy of the stored list; absent reads an empty list.
    static QVariantList getUserDefMutableArray(const QString& key);
    static void setUserDefMutableArray(const QVariantList& list, const QString& key) {
        setUserDef(list, key);
    }
};

#pragma once

#include <QString>

// Writes the empty diary databases that ship beside the catalogues.
class DiarySchemaWriter {
public:
    // Food and exercise diaries with their "recent" lists.
    static void writeCommon(const QString& path);
    // Weighings.
    static void writeWeight(const QString& path);
};

#pragma once

#include <QBrush>
#include <QString>

class QWidget;

// The header over a section of diary entries (a meal, an exercise category): "name : total" in
// a patterned colour over "section2.png". The Food, Exercise and Overview day tables share it.
class DiarySectionHeader {
public:
    static constexpr int Height = 23;

    // A header without a parent, for the table's header cache; its label is named
    // "header<section>" so that automation can read it.
    static QWidget* make(int section, const QString& name, const QString& info,
                         const QBrush& color);
    // The colour of the texts: "font_bg.png" as a pattern.
    static QBrush color();
};

#pragma once

#include <QString>
#include <QStringList>

// What a person typed into a catalogue search, in the forms the searches compare with the
// catalogues' lower-case search names (the l_name columns).
class SearchText {
public:
    // Blanks and commas removed, the way the food search names are stored.
    static QString clean(const QString& typed);
    // The typed words (split on blanks and commas), lower-cased, each once, longest first.
    static QStringList words(const QString& typed);
    // "%text%" lower-cased for a LIKE with escape '\': a typed \, % or _ matches only itself.
    static QString likePattern(const QString& text);
    // Whether a search name holds every word, in any order.
    static bool holdsAll(const QString& searchName, const QStringList& words);
    // Whether searching for the words could find anything that `text` alone did not: one word
    // equal to the whole text finds exactly the same rows.
    static bool addsToText(const QStringList& words, const QString& text);
};

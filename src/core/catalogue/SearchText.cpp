#include "core/catalogue/SearchText.h"

#include <QRegularExpression>
#include <algorithm>

QString SearchText::clean(const QString& typed) {
    QString cleaned = typed;
    cleaned.remove(QLatin1Char(' '));
    cleaned.remove(QLatin1Char(','));
    return cleaned;
}

QStringList SearchText::words(const QString& typed) {
    static const QRegularExpression separators(QStringLiteral("[ ,]+"));
    QStringList out;
    for (const QString& word : typed.toLower().split(separators, Qt::SkipEmptyParts))
        if (!out.contains(word))
            out.append(word);
    // The longest word is the most selective one to hand to SQLite.
    std::stable_sort(out.begin(), out.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return out;
}

QString SearchText::likePattern(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped.append(QLatin1Char('\\'));
        escaped.append(c);
    }
    return (QLatin1Char('%') + escaped + QLatin1Char('%')).toLower();
}

bool SearchText::holdsAll(const QString& searchName, const QStringList& words) {
    return std::all_of(words.cbegin(), words.cend(),
                       [&](const QString& word) { return searchName.contains(word); });
}

bool SearchText::addsToText(const QStringList& words, const QString& text) {
    return !words.isEmpty() && !(words.size() == 1 && words.first() == text.toLower());
}

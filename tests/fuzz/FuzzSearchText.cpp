// A typed search: cleaned, split into words and turned into a LIKE pattern before it is
// matched against the catalogue names.

#include "FuzzCheck.h"
#include "core/catalogue/SearchText.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QString cleaned = SearchText::clean(text);
    FUZZ_CHECK(!cleaned.contains(QLatin1Char(' ')) && !cleaned.contains(QLatin1Char(',')), text);
    FUZZ_CHECK(cleaned.size() <= text.size(), text);
    FUZZ_CHECK(SearchText::clean(cleaned) == cleaned, text);

    // Every wildcard or escape character the person typed is escaped in the pattern.
    const QString pattern = SearchText::likePattern(text);
    FUZZ_CHECK(pattern.startsWith(QLatin1Char('%')) && pattern.endsWith(QLatin1Char('%')), text);
    const QString inner = pattern.mid(1, pattern.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner.at(i);
        if (c == QLatin1Char('\\')) {
            FUZZ_CHECK(i + 1 < inner.size(), text);
            ++i;
            continue;
        }
        FUZZ_CHECK(c != QLatin1Char('%') && c != QLatin1Char('_'), text);
    }

    // The words are held by the text they came from, whatever their order.
    const QStringList words = SearchText::words(text);
    FUZZ_CHECK(SearchText::holdsAll(text.toLower(), words), text);
    return 0;
}

// A typed search, cleaned before it is matched against the catalogue names.

#include "FuzzCheck.h"
#include "core/text/StringUtil.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QString cleaned = StringUtil::cleanSearchText(text);
    FUZZ_CHECK(!cleaned.contains(QLatin1Char(' ')) && !cleaned.contains(QLatin1Char(',')), text);
    FUZZ_CHECK(cleaned.size() <= text.size(), text);
    FUZZ_CHECK(StringUtil::cleanSearchText(cleaned) == cleaned, text);
    return 0;
}

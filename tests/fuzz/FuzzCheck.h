#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A property every input must keep. A broken one aborts, which libFuzzer reports as a finding
// (with the input saved) and the corpus replay as a failed test.
#define FUZZ_CHECK(condition, input)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s broken for input \"%s\"\n", __FILE__, __LINE__,        \
                         #condition, qPrintable(QString(input)));                                  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The input bytes as text, as a file or a typed field would hand them over.
inline QString fuzzText(const unsigned char* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

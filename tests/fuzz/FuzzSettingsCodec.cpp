// The settings file as read from disk, and one stored value as the codec reads and writes it.

#include "FuzzCheck.h"
#include "core/settings/SettingsCodec.h"

#include <QStringDecoder>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    // Whatever the file holds, the reader is handed UTF-8, and UTF-8 is left as it is.
    const QByteArray utf8 = SettingsCodec::fileAsUtf8(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(utf8);
    FUZZ_CHECK(!decoder.hasError(), text);
    FUZZ_CHECK(SettingsCodec::fileAsUtf8(utf8) == utf8, text);

    // A value, once written, reads back to what writes the same text again.
    const QString encoded = SettingsCodec::encode(SettingsCodec::decode(text));
    if (!encoded.isEmpty())
        FUZZ_CHECK(SettingsCodec::encode(SettingsCodec::decode(encoded)) == encoded, text);
    return 0;
}

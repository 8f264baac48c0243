// Numbers read from text (settings written by hand, leading numbers of stored values) and the
// number texts the program stores.

#include "FuzzCheck.h"
#include "core/settings/SettingLimits.h"
#include "core/settings/StoredValue.h"
#include "core/text/ConvertUtil.h"

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);

    // A leading number, written out again, reads as itself.
    const qint64 whole = StoredValue::leadingInteger(text);
    FUZZ_CHECK(StoredValue::leadingInteger(QString::number(whole)) == whole, text);
    const double number = StoredValue::leadingDouble(text);
    if (std::isfinite(number))
        FUZZ_CHECK(StoredValue::leadingDouble(QString::number(number, 'g', 17)) == number, text);
    else
        FUZZ_CHECK(!SettingLimits::accepts(QStringLiteral("QVHeightValue"), number), text);
    (void)StoredValue::toInt(QVariant(text));
    (void)StoredValue::toBool(QVariant(text));
    (void)StoredValue::toFloat(QVariant(text));

    // The stored two- and three-decimal texts stay within half a unit of their last digit.
    if (size >= sizeof(float)) {
        float x = 0;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x) && std::fabs(x) < 1e6f) {
            const double two = ConvertUtil::float2str(x).toDouble();
            const double three = ConvertUtil::float3str(x).toDouble();
            FUZZ_CHECK(std::fabs(two - double(x)) <= 0.005 + 1e-6 * std::fabs(x), text);
            FUZZ_CHECK(std::fabs(three - double(x)) <= 0.0005 + 1e-6 * std::fabs(x), text);
        }
    }
    return 0;
}

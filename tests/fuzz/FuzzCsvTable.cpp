// The catalogue sources: a CSV text with a header row, as the database builder reads it.

#include "CsvTable.h"
#include "FuzzCheck.h"

#include <cstdint>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    try {
        const CsvTable table = CsvTable::parse(text, QStringLiteral("fuzz.csv"));
        // The header's plain names, where it has some: each field reads, numbers read or refuse.
        const QStringList names = text.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(','));
        for (int row = 0; row < table.rowCount(); ++row) {
            FUZZ_CHECK(table.where(row).startsWith(QStringLiteral("fuzz.csv:")), text);
            for (const QString& name : names) {
                try {
                    (void)table.field(row, name);
                    (void)table.number(row, name, 0);
                    (void)table.integer(row, name);
                } catch (const std::runtime_error&) {
                }
            }
        }
    } catch (const std::runtime_error&) {
        // A refused file is reported with its line; that is the reader's answer.
    }
    return 0;
}

// The number rules: any text either is a number or is not; a number converts,
// rounds into its integer kinds or raises the program's own run-time error,
// and its text form reads back as the same number.

#include "engine/numberrules.h"
#include "fuzzcheck.h"

#include <QString>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           qsizetype(std::min<std::size_t>(size, 4096)));
    using namespace pernoa;
    if (!num::isNumeric(text)) {
        FUZZ_CHECK(num::toDoubleOrZero(text) == 0);
        return 0;
    }
    const double value = num::toDouble(text);
    FUZZ_CHECK(std::isfinite(value));
    const double rounded = num::roundHalfEven(value);
    FUZZ_CHECK(std::abs(rounded - value) <= 0.5);
    try {
        const std::int32_t whole = num::toInt32(value);
        FUZZ_CHECK(double(whole) == rounded);
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(error.kind() == RuntimeError::Kind::Overflow);
        FUZZ_CHECK(!(rounded >= -2147483648.0 && rounded <= 2147483647.0));
    }
    try {
        num::toInt16(value);
    } catch (const RuntimeError& error) {
        FUZZ_CHECK(error.kind() == RuntimeError::Kind::Overflow);
    }
    // What the program writes of a number it accepted reads back as that
    // number to the 15 digits it keeps.
    const QString written = num::toText(value);
    FUZZ_CHECK(num::isNumeric(written));
    const double back = num::toDouble(written);
    FUZZ_CHECK(back == value || std::abs(back - value) <= std::abs(value) * 1e-14);
    // The reader of kept offsets takes every number as the check does, and
    // the plain decimal form is the same number as the text form.
    FUZZ_CHECK(num::valOf(text) == value);
    FUZZ_CHECK(num::toDouble(num::toPlainText(value)) == back);
    return 0;
}

#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <clocale>

namespace pernoa::test {

// A suite run under another locale (pernoa_run_under_comma_locale) is told
// the decimal point that locale uses; true when the C library really uses it,
// so such a run cannot pass on a machine that silently fell back to "C".
inline bool decimalPointAsAsked() {
    const QByteArray asked = qgetenv("PERNOA_DECIMAL_POINT");
    return asked.isEmpty() || asked == std::localeconv()->decimal_point;
}

} // namespace pernoa::test

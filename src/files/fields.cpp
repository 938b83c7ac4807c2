#include "files/fields.h"

namespace pernoa {
namespace {

QString withoutQuotes(QStringView field) {
    QString result = field.toString();
    result.remove(u'"');
    return result;
}

} // namespace

QString stGetDelimitedField(const QString& text, std::int32_t index, QChar delimiter) {
    if (index < 1)
        return {};
    qsizetype start = 0;
    for (std::int32_t n = 1;; ++n) {
        const qsizetype found = text.indexOf(delimiter, start, Qt::CaseSensitive);
        if (found < 0)
            return n == index ? withoutQuotes(QStringView(text).sliced(start)) : QString();
        if (n == index)
            return withoutQuotes(QStringView(text).sliced(start, found - start));
        start = found + 1;
    }
}

QString stGetField(const QString& line, std::int32_t index) {
    return stGetDelimitedField(line, index, u',');
}

} // namespace pernoa

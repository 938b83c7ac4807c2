#include "engine/messages.h"

namespace pernoa {

QString joinLines(std::initializer_list<QString> lines) {
    QString out;
    bool first = true;
    for (const QString& line : lines) {
        if (!first)
            out += QStringLiteral("\r\n");
        out += line;
        first = false;
    }
    return out;
}

QString visibleText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString quotedValue(const QString& value) {
    // Counted in characters, so a surrogate pair is never cut in two.
    qsizetype end = 0;
    for (int n = 0; n < kQuotedValueLength && end < value.size(); ++n)
        end += value.at(end).isHighSurrogate() && end + 1 < value.size() ? 2 : 1;
    QString excerpt = visibleText(value.first(end));
    if (end < value.size())
        excerpt += u'\u2026';
    return excerpt;
}

} // namespace pernoa

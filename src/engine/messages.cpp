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

} // namespace pernoa

#include "files/keyedsection.h"

#include "files/fileio.h"

namespace pernoa {

bool isSectionKey(const QString& key) {
    if (key.isEmpty())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

QStringList keyedSectionLines(const QString& marker, const QList<KeyedValue>& values) {
    if (values.isEmpty())
        return {};
    QStringList lines{marker};
    for (const KeyedValue& v : values) {
        Q_ASSERT(isSectionKey(v.key));
        lines << v.key + u'=' + v.value;
    }
    lines << QString();
    return lines;
}

KeyedSectionRead readKeyedSection(clsFileIO& io, const QString& marker,
                                  std::span<const KeyRule> rules) {
    KeyedSectionRead read;
    bool found = false;
    while (!io.M_boEof()) {
        if (io.M_stGetLine() == marker) {
            found = true;
            break;
        }
    }
    if (!found)
        return read;

    auto refuse = [&read](const QString& line) {
        read.status = KeyedSectionRead::Status::Refused;
        read.values.clear();
        read.refusedLine = line;
        return read;
    };
    while (!io.M_boEof()) {
        const QString line = io.M_stGetLine();
        if (line.isEmpty())
            break;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return refuse(line);
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        const KeyRule* rule = nullptr;
        for (const KeyRule& r : rules)
            if (key == QLatin1String(r.key))
                rule = &r;
        if (!rule || read.values.contains(key) || !rule->accepts(value))
            return refuse(line);
        read.values.insert(key, value);
    }
    read.status = KeyedSectionRead::Status::Read;
    return read;
}

} // namespace pernoa

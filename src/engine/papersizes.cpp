#include "engine/papersizes.h"

namespace pernoa {

const std::array<PaperSize, 5>& paperTable() {
    static const std::array<PaperSize, 5> table{{
        {1, "A4", "optA4", 9, 16840, 11907},
        {2, "B5", "optB5", 13, 14572, 10319},
        {3, "A3", "optA3", 8, 23814, 16840},
        {4, "B4", "optB4", 12, 20439, 14572},
        {5, "A5", "optA5", 11, 11907, 8420},
    }};
    return table;
}

const PaperSize* paperByKind(std::int32_t kind) {
    for (const PaperSize& p : paperTable())
        if (p.kind == kind)
            return &p;
    return nullptr;
}

const PaperSize* paperByName(const QString& name) {
    for (const PaperSize& p : paperTable())
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

} // namespace pernoa

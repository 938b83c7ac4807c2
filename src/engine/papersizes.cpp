#include "engine/papersizes.h"

#include "engine/controls.h"

#include <algorithm>
#include <array>

namespace pernoa {
namespace {

using K = PaperKind;
using Q = QPageSize;

// kind, name, option, caption, row, column, printer code, Qt page size,
// height and width in mm, height and width in twips
constexpr std::array<PaperSize, 5> kPapers{{
    {K::A4, "A4", ctl::optA4, "A4", 0, 1, 9, Q::A4, 297, 210, 16840, 11907},
    {K::B5, "B5", ctl::optB5, "B5", 1, 1, 13, Q::JisB5, 257, 182, 14572, 10319},
    {K::A3, "A3", ctl::optA3, "A3", 0, 0, 8, Q::A3, 420, 297, 23814, 16840},
    {K::B4, "B4", ctl::optB4, "B4", 1, 0, 12, Q::JisB4, 364, 257, 20439, 14572},
    {K::A5, "A5", ctl::optA5, "A5", 0, 2, 11, Q::A5, 210, 148, 11907, 8420},
}};

} // namespace

QSizeF PaperSize::sizeMm(Orientation orientation) const {
    const QSizeF portrait(widthMm, heightMm);
    return orientation == Orientation::Landscape ? portrait.transposed() : portrait;
}

QSizeF PaperSize::sizeTwips(Orientation orientation) const {
    const QSizeF portrait(widthTwip, heightTwip);
    return orientation == Orientation::Landscape ? portrait.transposed() : portrait;
}

std::span<const PaperSize> paperTable() {
    return kPapers;
}

std::vector<const PaperSize*> papersInWindowOrder() {
    std::vector<const PaperSize*> papers;
    for (const PaperSize& p : kPapers)
        papers.push_back(&p);
    std::sort(papers.begin(), papers.end(), [](const PaperSize* a, const PaperSize* b) {
        return a->row != b->row ? a->row < b->row : a->column < b->column;
    });
    return papers;
}

const PaperSize* paperByKind(PaperKind kind) {
    for (const PaperSize& p : kPapers)
        if (p.kind == kind)
            return &p;
    return nullptr;
}

const PaperSize* paperByName(const QString& name) {
    for (const PaperSize& p : kPapers)
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

const PaperSize& defaultPaper() {
    return *paperByKind(kDefaultPaper);
}

QStringList paperNames() {
    QStringList names;
    for (const PaperSize* p : papersInWindowOrder())
        names << QString::fromLatin1(p->name);
    return names;
}

} // namespace pernoa

#include "engine/papersizes.h"

#include "engine/controls.h"
#include "engine/numberrules.h"
#include "engine/texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace pernoa {
namespace {

using K = PaperKind;
using Q = QPageSize;

constexpr double T = TwipsPerMm;

// kind, name, in the parameter line, option, caption, row, column, printer
// code, Qt page size, height and width in mm, height and width in twips. The
// first five twips are the program's own; the later papers' are mm x 56.7,
// unrounded. The paper of the user's size has its sides filled in by
// customPaper(); its printer code is the Windows code of a user-defined size.
constexpr std::array<PaperSize, 9> kPapers{{
    {K::A4, "A4", true, ctl::optA4, "A4", 0, 1, 9, Q::A4, 297, 210, 16840, 11907},
    {K::B5, "B5", true, ctl::optB5, "B5", 1, 1, 13, Q::JisB5, 257, 182, 14572, 10319},
    {K::A3, "A3", true, ctl::optA3, "A3", 0, 0, 8, Q::A3, 420, 297, 23814, 16840},
    {K::B4, "B4", true, ctl::optB4, "B4", 1, 0, 12, Q::JisB4, 364, 257, 20439, 14572},
    {K::A5, "A5", true, ctl::optA5, "A5", 0, 2, 11, Q::A5, 210, 148, 11907, 8420},
    {K::Letter, "letter", false, ctl::optLetter, texts::kPaperLetter, 2, 0, 1, Q::Letter, 279.4,
     215.9, 279.4 * T, 215.9 * T},
    {K::Legal, "legal", false, ctl::optLegal, texts::kPaperLegal, 2, 1, 5, Q::Legal, 355.6, 215.9,
     355.6 * T, 215.9 * T},
    {K::Tabloid, "tabloid", false, ctl::optTabloid, texts::kPaperTabloid, 2, 2, 3, Q::Tabloid,
     431.8, 279.4, 431.8 * T, 279.4 * T},
    {K::Custom, "custom", false, ctl::optNini, texts::kPaperCustom, 3, 0, 256, Q::Custom, 0, 0, 0,
     0},
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
        if (p->kind != PaperKind::Custom)
            names << QString::fromLatin1(p->name);
    return names;
}

PaperSize customPaper(double widthMm, double heightMm) {
    PaperSize paper = *paperByKind(PaperKind::Custom);
    paper.widthMm = widthMm;
    paper.heightMm = heightMm;
    paper.widthTwip = widthMm * TwipsPerMm;
    paper.heightTwip = heightMm * TwipsPerMm;
    return paper;
}

bool isCustomPaperSide(double mm) {
    return mm >= kCustomPaperMinMm && mm <= kCustomPaperMaxMm; // NaN fails
}

const PaperSize& standInPaper(const PaperSize& paper) {
    if (paper.inParameterLine)
        return paper;
    const double shortSide = std::min(paper.widthMm, paper.heightMm);
    const double longSide = std::max(paper.widthMm, paper.heightMm);
    const PaperSize* nearest = &defaultPaper();
    double best = std::numeric_limits<double>::infinity();
    for (const PaperSize& p : kPapers) {
        if (!p.inParameterLine)
            continue;
        const double distance = std::abs(p.widthMm - shortSide) + std::abs(p.heightMm - longSide);
        if (distance < best) {
            best = distance;
            nearest = &p;
        }
    }
    return *nearest;
}

} // namespace pernoa

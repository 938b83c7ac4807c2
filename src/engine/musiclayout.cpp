#include "engine/musiclayout.h"

#include "engine/numberrules.h"
#include "engine/texts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pernoa {
namespace {

using num::checked;

// One staff's lines as the stack gives them.
struct StaffShape {
    std::int32_t lines;
    double spacing; // twips between two lines' bands
    Clef clef;
};

StaffShape shapeOf(const SheetSettings& s, const MusicSettings& music, std::int64_t staff) {
    if (music.stack.empty())
        return {s.LineCnt, s.LineIntervalTwip, Clef::None};
    const StaffRow& row = music.stack[std::size_t(staff % std::int64_t(music.stack.size()))];
    const double spacing =
        row.spacingMm == 0 ? s.LineIntervalTwip : checked(num::mmToTwips(row.spacingMm));
    return {row.lineCount, spacing, row.clef};
}

double staffHeight(const StaffShape& shape) {
    const double t = LineThicknessTwip;
    return checked(checked((double(shape.lines) - 1) * shape.spacing) + double(shape.lines) * t);
}

// The clef's em: four line steps, the height of a five-line staff. A TAB
// clef is sized by its staff instead, 8/15 of the staff's height: on a
// six-line tablature staff spaced 1.5 times as wide as the staff above it,
// that is the em of the clef above.
double clefEm(const StaffPlace& staff, Clef clef) {
    if (clef != Clef::Tab)
        return 4 * staff.step;
    return (staff.reachBottom - staff.reachTop) * 8.0 / 15.0;
}

// The y of the line that many lines up from the bottom line, beyond the
// staff's own lines where it has fewer.
double lineFromBottom(const std::vector<TavriLine>& lines, const StaffPlace& staff, int n) {
    if (n <= staff.lineCount)
        return lines[staff.firstLine + std::size_t(staff.lineCount - n)].StartY;
    return staff.top - (n - staff.lineCount) * staff.step;
}

double clefY(const std::vector<TavriLine>& lines, const StaffPlace& staff, Clef clef) {
    switch (clef) {
    case Clef::Treble:
    case Clef::TrebleOctaveDown:
        return lineFromBottom(lines, staff, 2);
    case Clef::Bass:
    case Clef::Tenor:
        return lineFromBottom(lines, staff, 4);
    case Clef::Alto:
        return lineFromBottom(lines, staff, 3);
    case Clef::Percussion:
    case Clef::Tab:
    case Clef::None:
        break;
    }
    return (staff.top + staff.bottom) / 2;
}

[[noreturn]] void tooLarge(const QString& what) {
    throw RuntimeError(RuntimeError::Kind::OutOfMemory, what.toStdString());
}

} // namespace

QString checkMusicSettings(const MusicSettings& music) {
    if (music.stack.size() > kMaxStackRows)
        return texts::stackTooManyRows(int(kMaxStackRows));
    for (std::size_t i = 0; i < music.stack.size(); ++i) {
        const StaffRow& row = music.stack[i];
        const int n = int(i + 1);
        if (row.lineCount < kMinStackLines || row.lineCount > kMaxStackLines)
            return texts::stackLineCountRange(n, kMinStackLines, kMaxStackLines);
        if (!std::isfinite(row.spacingMm) || row.spacingMm < 0 ||
            !std::isfinite(num::mmToTwips(row.spacingMm)))
            return texts::stackSpacingWrong(n);
        if (row.clef < Clef::None || row.clef > Clef::Tab)
            return texts::stackClefWrong(n);
    }
    if (music.grouping < BlockGrouping::None || music.grouping > BlockGrouping::Bracket)
        return texts::groupingWrong();
    if (music.barReach < BarLineReach::Block || music.barReach > BarLineReach::Staff)
        return texts::barReachWrong();
    if (music.measures < 0)
        return texts::measuresNotWhole();
    return {};
}

QString tooManyMeasuresMessage(std::int32_t room) {
    return texts::tooManyMeasures(room);
}

MusicPage layoutMusicPage(const SheetSettings& s, const MusicSettings& music) {
    const double H = s.PaperHeightTwip;
    const double W = s.PaperWidthTwip;
    const double T = s.SpaceSizeUpTwip;
    const double B = s.SpaceSizeDownTwip;
    const double L = s.SpaceSizeLeftTwip;
    const double R = s.SpaceSizeRightTwip;
    const std::int32_t G = s.DaifuhyoCnt;
    const double Gi = s.DaifuhyoIntervalTwip;
    const std::int32_t S = s.TavriDansu;
    const double t = LineThicknessTwip;

    const double U = checked(H - checked(B + T));
    if (G == 0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero, texts::blockCountRoundsToZero());
    const double Hb = num::divide(checked(U - checked((double(G) - 1) * Gi)), double(G));
    const double endX = checked(W - R);

    // Lines per block: whole rounds of the stack, then the rows left over.
    const double blocks = double(G > 0 ? G : 0);
    const double staves = double(S > 0 ? S : 0);
    double linesPerBlock = 0;
    if (music.stack.empty()) {
        linesPerBlock = staves * double(s.LineCnt > 0 ? s.LineCnt : 0);
    } else {
        const double rows = double(music.stack.size());
        const double rounds = std::floor(staves / rows);
        double perRound = 0, rest = 0;
        for (std::size_t i = 0; i < music.stack.size(); ++i) {
            perRound += music.stack[i].lineCount;
            if (double(i) < staves - rounds * rows)
                rest += music.stack[i].lineCount;
        }
        linesPerBlock = rounds * perRound + rest;
    }
    const double count = blocks * linesPerBlock;
    if (count > kMaxTavriLines)
        tooLarge(texts::tooManyLines(num::toGroupedText(count)));
    if (blocks > kMaxTavriLines)
        tooLarge(texts::tooManyBlocks(num::toGroupedText(blocks)));
    const bool grouped = music.grouping != BlockGrouping::None || music.measures > 0;
    const double bars = blocks * double(music.measures > 0 ? music.measures : 0) *
                        (music.barReach == BarLineReach::Staff ? staves : 1.0);
    if (bars > kMaxTavriLines)
        tooLarge(texts::tooManyBarLines(num::toGroupedText(bars)));

    MusicPage page;
    page.lines.reserve(std::size_t(count));
    page.staves.reserve(std::size_t(blocks * staves));
    page.measureRoom = std::numeric_limits<std::int32_t>::max();

    std::vector<StaffShape> shapes;
    double y0 = T;
    for (std::int64_t block = 1; block <= G; ++block) {
        // Equal white space between the staves: staff k steps down by its
        // own height plus the block's white space. Written as deviations
        // from the first staff's height, so that equal staves take exactly
        // today's step (Hb - Hs) / (S - 1).
        shapes.clear();
        for (std::int64_t k = 0; k < S; ++k)
            shapes.push_back(shapeOf(s, music, k));
        double firstHeight = 0, lastHeight = 0, deviations = 0;
        if (!shapes.empty()) {
            firstHeight = staffHeight(shapes.front());
            lastHeight = staffHeight(shapes.back());
            for (std::size_t k = 0; k + 1 < shapes.size(); ++k)
                deviations = checked(deviations + (staffHeight(shapes[k]) - firstHeight));
        }
        const double F = checked(checked(Hb - lastHeight) - deviations);
        const double D = S > 1 ? num::divide(F, double(S) - 1) : F;

        const std::size_t firstStaff = page.staves.size();
        double y = y0;
        for (const StaffShape& shape : shapes) {
            const double step = checked(t + shape.spacing);
            StaffPlace staff;
            staff.firstLine = page.lines.size();
            staff.lineCount = shape.lines;
            staff.step = step;
            staff.block = std::int32_t(block - 1);
            double lineY = y;
            for (std::int32_t i = 1; i <= shape.lines; ++i) {
                page.lines.push_back(TavriLine{lineY, L, lineY, endX});
                lineY = checked(lineY + step);
            }
            staff.top = y;
            staff.bottom = shape.lines > 0 ? page.lines.back().StartY : y;
            staff.reachTop = shape.lines > 1 ? staff.top : staff.top - step;
            staff.reachBottom = shape.lines > 1 ? staff.bottom : staff.bottom + step;
            page.staves.push_back(staff);
            y = checked(checked(y + D) + (staffHeight(shape) - firstHeight));
        }
        y0 = checked(checked(y0 + Hb) + Gi);

        if (shapes.empty())
            continue;
        // Clefs, and where the block's clef area ends.
        double clefEnd = L;
        double widestStep = 0;
        for (std::size_t k = 0; k < shapes.size(); ++k) {
            const StaffPlace& staff = page.staves[firstStaff + k];
            widestStep = std::max(widestStep, staff.step);
            const Clef clef = shapes[k].clef;
            if (clef == Clef::None)
                continue;
            const double em = clefEm(staff, clef);
            page.clefs.push_back(
                {clef, L + kClefIndentSteps * em / 4, clefY(page.lines, staff, clef), em});
            clefEnd = std::max(clefEnd, L + kClefAreaSteps * em / 4);
        }
        const double room = std::floor((endX - clefEnd) / (kMinMeasureSteps * widestStep));
        page.measureRoom = std::int32_t(std::clamp(room, 0.0, double(page.measureRoom)));

        // The signs at the left margin, over the block from its highest line
        // to its lowest (staves stack upwards in a block of negative height).
        double top = page.staves[firstStaff].reachTop;
        double bottom = page.staves[firstStaff].reachBottom;
        for (std::size_t k = firstStaff; k < page.staves.size(); ++k) {
            top = std::min(top, page.staves[k].reachTop);
            bottom = std::max(bottom, page.staves[k].reachBottom);
        }
        const double space = page.staves[firstStaff].step;
        if (music.grouping == BlockGrouping::Brace)
            page.braces.push_back({L - kBraceGapSteps * space, top, bottom, 4 * space});
        if (music.grouping == BlockGrouping::Bracket) {
            const double width = kBracketWidthSteps * space;
            page.brackets.push_back(
                {L - kBracketGapSteps * space - width, width, top, bottom, 4 * space});
        }
        if (grouped)
            page.barLines.push_back(TavriLine{top, L, bottom, L});

        // Bar lines: evenly from the end of the clef area, the last one on
        // the right margin.
        for (std::int32_t m = 1; m <= music.measures; ++m) {
            const double x =
                m == music.measures ? endX : clefEnd + (endX - clefEnd) * m / music.measures;
            if (music.barReach == BarLineReach::Block) {
                page.barLines.push_back(TavriLine{top, x, bottom, x});
                continue;
            }
            for (std::size_t k = firstStaff; k < page.staves.size(); ++k)
                page.barLines.push_back(
                    TavriLine{page.staves[k].reachTop, x, page.staves[k].reachBottom, x});
        }
    }
    if (page.staves.empty())
        page.measureRoom = 0;
    return page;
}

} // namespace pernoa

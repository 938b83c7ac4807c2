#include "engine/staffwarnings.h"

#include "engine/musiclayout.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"

#include <algorithm>
#include <cmath>

namespace pernoa {
namespace {

// Lengths closer than this count as equal: the layout's repeated additions
// leave staves that should touch (a block gap of 0, a margin of 0) a hair
// apart in either direction.
constexpr double kTolerance = 0.01; // twips

// The vertical extent of one staff, from its highest line's top to its lowest
// line's band end.
struct StaffBand {
    double top;
    double bottom;
};

StaffBand staffBand(const std::vector<TavriLine>& lines, std::size_t first, std::size_t end) {
    StaffBand band{lines[first].StartY, lines[first].StartY};
    for (std::size_t i = first; i < end; ++i) {
        band.top = std::min(band.top, lines[i].StartY);
        band.bottom = std::max(band.bottom, lines[i].StartY);
    }
    band.bottom += LineThicknessTwip;
    return band;
}

bool overlaps(std::vector<StaffBand> staves) {
    // Staves usually come top to bottom, but negative heights stack them
    // upwards: sort, then each staff must start below every staff above it.
    std::sort(staves.begin(), staves.end(),
              [](const StaffBand& a, const StaffBand& b) { return a.top < b.top; });
    for (std::size_t i = 1; i < staves.size(); ++i) {
        if (staves[i].top < staves[i - 1].bottom - kTolerance)
            return true;
        staves[i].bottom = std::max(staves[i].bottom, staves[i - 1].bottom);
    }
    return false;
}

// A line's band: x from its left to its right end, y from its position to
// the end of its thickness.
struct Band {
    double left, right, top, bottom;
};

Band bandOf(const TavriLine& line, double shiftX, double shiftY) {
    const double x1 = line.StartX - shiftX;
    const double x2 = line.EndX - shiftX;
    const double y = line.StartY - shiftY;
    return {std::min(x1, x2), std::max(x1, x2), y, y + LineThicknessTwip};
}

StaffWarnings findWarnings(const std::vector<TavriLine>& lines, std::vector<StaffBand> staves,
                           const SheetSettings& s, const QMarginsF& unprintable) {
    StaffWarnings w;
    const double W = s.PaperWidthTwip;
    const double H = s.PaperHeightTwip;
    w.overlapping = overlaps(std::move(staves));

    const bool printerHasStrips = unprintable.left() > 0 || unprintable.top() > 0 ||
                                  unprintable.right() > 0 || unprintable.bottom() > 0;
    const double printLeft = unprintable.left() - kTolerance;
    const double printTop = unprintable.top() - kTolerance;
    const double printRight = W - unprintable.right() + kTolerance;
    const double printBottom = H - unprintable.bottom() + kTolerance;

    for (const TavriLine& line : lines) {
        const Band page = bandOf(line, 0, 0);
        if (page.left < -kTolerance || page.top < -kTolerance || page.right > W + kTolerance ||
            page.bottom > H + kTolerance)
            w.pastThePage = true;

        if (printerHasStrips && !w.unprintable) {
            // Only the part of the sent line that is on the paper at all can
            // fall into a strip; what is off the paper is the warning above.
            const Band sent = bandOf(line, s.PrinterGosaXTwip, s.PrinterGosaYTwip);
            const double left = std::max(sent.left, 0.0);
            const double right = std::min(sent.right, W);
            const double top = std::max(sent.top, 0.0);
            const double bottom = std::min(sent.bottom, H);
            const bool onPaper = left <= right && top <= bottom;
            if (onPaper &&
                (left < printLeft || top < printTop || right > printRight || bottom > printBottom))
                w.unprintable = true;
        }
        if (w.pastThePage && (w.unprintable || !printerHasStrips))
            break;
    }
    return w;
}

} // namespace

StaffWarnings findStaffWarnings(const std::vector<TavriLine>& lines, const SheetSettings& s,
                                const QMarginsF& unprintable) {
    const std::size_t linesPerStaff = std::size_t(s.LineCnt > 0 ? s.LineCnt : 0);
    std::vector<StaffBand> staves;
    if (linesPerStaff > 0) {
        staves.reserve(lines.size() / linesPerStaff + 1);
        for (std::size_t first = 0; first < lines.size(); first += linesPerStaff)
            staves.push_back(
                staffBand(lines, first, std::min(lines.size(), first + linesPerStaff)));
    }
    return findWarnings(lines, std::move(staves), s, unprintable);
}

StaffWarnings findStaffWarnings(const MusicPage& page, const SheetSettings& s,
                                const QMarginsF& unprintable) {
    std::vector<StaffBand> staves;
    staves.reserve(page.staves.size());
    for (const StaffPlace& staff : page.staves)
        if (staff.lineCount > 0)
            staves.push_back(staffBand(page.lines, staff.firstLine,
                                       staff.firstLine + std::size_t(staff.lineCount)));
    return findWarnings(page.lines, std::move(staves), s, unprintable);
}

QStringList staffWarningTexts(const StaffWarnings& warnings) {
    QStringList sentences;
    if (warnings.overlapping)
        sentences << texts::staffsOverlap();
    if (warnings.pastThePage)
        sentences << texts::staffsPastThePaper();
    if (warnings.unprintable)
        sentences << texts::staffsUnprintable();
    if (warnings.musicFontMissing)
        sentences << texts::musicFontMissing();
    return sentences;
}

} // namespace pernoa

#pragma once

#include "engine/sheetsettings.h"

#include <QMarginsF>
#include <QStringList>

#include <vector>

namespace pernoa {

struct TavriLine;
struct MusicPage;

// What is odd about a laid-out page. The page is drawn and printed as laid
// out all the same; these only tell the user.
struct StaffWarnings {
    // Two staves share some height (more staves than fit, a negative block gap).
    bool overlapping = false;
    // A line lies partly or wholly off the paper.
    bool pastThePage = false;
    // A line sent to the printer lies, on the paper, in the strips along the
    // edges where the printer cannot print.
    bool unprintable = false;
    // The page has clefs or braces and the music font is not there: they
    // are left out.
    bool musicFontMissing = false;

    bool any() const { return overlapping || pastThePage || unprintable || musicFontMissing; }
    friend bool operator==(const StaffWarnings&, const StaffWarnings&) = default;
};

// The warnings for the lines of a page, laid out from these settings, printed
// on a printer that cannot print within these margins of the paper (twips;
// none for a PDF). Each line is taken as its band of LineThicknessTwip below
// its y. The paper is checked at the lines' page positions, the printer's
// strips at the positions the printer is sent (shifted by the offsets).
StaffWarnings findStaffWarnings(const std::vector<TavriLine>& lines, const SheetSettings& s,
                                const QMarginsF& unprintable);
// The same for a page with music, whose staves may differ in line count.
StaffWarnings findStaffWarnings(const MusicPage& page, const SheetSettings& s,
                                const QMarginsF& unprintable);
// One short sentence per warning, most serious first.
QStringList staffWarningTexts(const StaffWarnings& warnings);

} // namespace pernoa

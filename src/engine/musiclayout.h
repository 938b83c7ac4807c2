#pragma once

#include "engine/musicsettings.h"
#include "engine/sheetsettings.h"
#include "engine/tavriengine.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace pernoa {

// A bar line is this many times as wide as a staff line: engravers draw a
// thin bar line 1.2 to 1.9 times as heavy as the staff lines.
inline constexpr double kBarLineWidthRatio = 1.6;

// Horizontal measures in line steps of the staff (the distance between two
// line centres): the clef's origin stands this far right of the left margin,
// and the clef area, where no bar line goes, ends this far right of it.
inline constexpr double kClefIndentSteps = 1.0;
inline constexpr double kClefAreaSteps = 4.5;
// A measure is at least as wide as four line steps of the block's widest
// spaced staff (the height of a five-line staff).
inline constexpr double kMinMeasureSteps = 4.0;
// A brace stands this far left of the system line, a bracket this far, and
// the bracket is this wide (steps of the block's first staff).
inline constexpr double kBraceGapSteps = 0.3;
inline constexpr double kBracketGapSteps = 0.5;
inline constexpr double kBracketWidthSteps = 0.5;

// One staff of the page.
struct StaffPlace {
    std::size_t firstLine = 0; // index of its top line in MusicPage::lines
    std::int32_t lineCount = 0;
    double step = 0;   // twips from one line centre to the next
    double top = 0;    // y of its top line
    double bottom = 0; // y of its bottom line
    // Where its bar lines and the system line reach: its top and bottom
    // lines, or a step above and below the line of a one-line staff.
    double reachTop = 0;
    double reachBottom = 0;
    std::int32_t block = 0; // 0-based
};

// A clef: its origin lies on its line at (x, y); em is the font's em, the
// height of four line steps of its staff (TAB: see layoutMusicPage).
struct ClefPlace {
    Clef clef = Clef::None;
    double x = 0;
    double y = 0;
    double em = 0;
};

// A brace whose box spans top to bottom with its right edge at right; em is
// the em of the block's first staff, for choosing the brace glyph.
struct BracePlace {
    double right = 0;
    double top = 0;
    double bottom = 0;
    double em = 0;
};

// A bracket's thick line from top to bottom, with its tips at both ends.
struct BracketPlace {
    double left = 0;
    double width = 0;
    double top = 0;
    double bottom = 0;
    double em = 0; // of the tips
};

// Everything on a page with music: the staff lines (in today's order), the
// staves they form, and the signs around them. Page twips.
struct MusicPage {
    std::vector<TavriLine> lines;
    std::vector<StaffPlace> staves;
    std::vector<ClefPlace> clefs;
    std::vector<BracePlace> braces;
    std::vector<BracketPlace> brackets;
    // Vertical system lines and bar lines, kBarLineWidthRatio times as wide as
    // the staff lines.
    std::vector<TavriLine> barLines;
    // The most measures every block's staff lines can hold.
    std::int32_t measureRoom = 0;
};

// What is wrong with the music record itself, worded for the user; empty
// when nothing is.
QString checkMusicSettings(const MusicSettings& music);
// The message when the page cannot hold the bar count.
QString tooManyMeasuresMessage(std::int32_t room);

// Lays out a page with music. With no stack every staff is LineCnt lines
// at LineIntervalTwip, and the lines are exactly those of layoutTavriLines.
// Throws RuntimeError like layoutTavriLines. Expects a record that
// checkMusicSettings accepts.
MusicPage layoutMusicPage(const SheetSettings& s, const MusicSettings& music);

} // namespace pernoa

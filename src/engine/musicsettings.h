#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace pernoa {

// The clefs a staff of the stack can start with.
enum class Clef : std::int32_t {
    None = 0,
    Treble,           // G clef on the second line from the bottom
    Bass,             // F clef on the fourth line from the bottom
    Alto,             // C clef on the third line from the bottom
    Tenor,            // C clef on the fourth line from the bottom
    TrebleOctaveDown, // G clef with an 8 below (tenor voices)
    Percussion,       // centred on the staff
    Tab,              // centred on the staff
};

// What groups the staves of one block at the left margin.
enum class BlockGrouping : std::int32_t { None = 0, Brace, Bracket };

// How far one bar line reaches: through the whole block (piano) or over one
// staff at a time (choir).
enum class BarLineReach : std::int32_t { Block = 0, Staff };

// One row of the staff stack.
struct StaffRow {
    std::int32_t lineCount = 5; // 1 to 6
    // The clear space between two lines in mm; 0 takes the window's spacing.
    double spacingMm = 0;
    Clef clef = Clef::None;
    friend bool operator==(const StaffRow&, const StaffRow&) = default;
};

inline constexpr std::int32_t kMinStackLines = 1;
inline constexpr std::int32_t kMaxStackLines = 6;
// More rows than any block of real music needs; a longer stack is refused.
inline constexpr std::size_t kMaxStackRows = 64;

// The music drawn on the staves, beside the sheet parameters. Everything is
// off by default: a default record leaves the page exactly as it was.
struct MusicSettings {
    // The staves of a block from the top; a block with more staves repeats
    // the rows. Empty: every staff is the window's LineCnt lines at its
    // spacing, without a clef.
    std::vector<StaffRow> stack;
    BlockGrouping grouping = BlockGrouping::None;
    // Bar lines per staff line; 0 draws none.
    std::int32_t measures = 0;
    BarLineReach barReach = BarLineReach::Block;

    // True when the page differs from the plain page in any way.
    bool isActive() const {
        return !stack.empty() || grouping != BlockGrouping::None || measures != 0;
    }
    friend bool operator==(const MusicSettings&, const MusicSettings&) = default;
};

// --- presets ---------------------------------------------------------------

enum class MusicPreset : std::int32_t { Plain = 0, Piano, GuitarTab, ChoirSatb, Percussion };

struct MusicPresetRow {
    std::int32_t lineCount;
    // The distance between line centres as a multiple of the window's: 1
    // follows the window; other factors are fixed in mm when chosen.
    double spacingFactor;
    Clef clef;
};

struct MusicPresetEntry {
    MusicPreset preset;
    // Shown in the preset choice (translated in the context "engine").
    const char* name;
    // The preset's word on the command line.
    const char* word;
    std::vector<MusicPresetRow> rows;
    BlockGrouping grouping;
    BarLineReach barReach;
};

// The one table of presets, in the order the choice lists them.
const std::vector<MusicPresetEntry>& musicPresets();
const MusicPresetEntry* musicPreset(MusicPreset preset);

// The record a preset gives with the window's line spacing (mm) as it is
// now. The bar count is the user's and stays as it is, except that the plain
// preset is today's page: no music at all.
MusicSettings applyMusicPreset(MusicPreset preset, const MusicSettings& current,
                               double windowSpacingMm);

// How a preset fills the page's other fields.
struct PresetPage {
    std::int32_t stavesPerBlock = 10;
    std::int32_t blocks = 1;
    double blockGapMm = 0; // rounded to 0.1 mm
};
// A preset of one row (or none) gives today's page of ten staves in one
// block. A preset of several rows makes each block one system of its rows,
// its staves one and a half five-line staff heights apart, and fills the
// usable height (mm, between the top and bottom margins) with as many
// systems as fit at least two such heights apart; the gap between them is
// what the systems leave of the page, up to three such heights.
PresetPage presetPage(MusicPreset preset, double windowSpacingMm, double usableHeightMm);

// --- clefs -------------------------------------------------------------------

struct ClefEntry {
    Clef clef;
    // Shown in the clef choice (translated in the context "engine").
    const char* name;
    // The clef's word in the staff stack's text, as the settings file and
    // the command line write it.
    const char* word;
};
// Every clef in the order the choice lists them, None first.
const std::vector<ClefEntry>& clefTable();
const ClefEntry* clefByWord(const QString& word);
const ClefEntry& clefEntry(Clef clef);

// --- the staff stack as text -------------------------------------------------
//
// The stack control, the settings file and the command line hold the stack
// as one text: its rows from the top separated by commas, each
// CLEF[:LINES[:SPACING]] (a clef word, the line count, the clear space
// between the lines in mm; without the spacing the row follows the window's
// line spacing, without the line count it has five lines), e.g.
// "treble:5,tab:6:3.1". The empty text is no stack at all.

struct StackRowText {
    QString clef;
    QString lines;   // "" for five
    QString spacing; // "" for the window's
};

// The rows of a stack text, their parts as written; nothing when a row is
// empty or has more than three parts.
std::optional<std::vector<StackRowText>> splitStackText(const QString& text);
// The stack a text holds when every row is one the window's check takes:
// a clef word, a whole line count from 1 to 6 (halves rounded to even), a
// spacing greater than 0; at most kMaxStackRows rows. Nothing otherwise.
std::optional<std::vector<StaffRow>> parseStackText(const QString& text);
// The text of a stack: every row with its line count, and its spacing where
// it has one of its own (numbers as the number rules write them).
QString stackText(const std::vector<StaffRow>& rows);

// --- staff size by rastral number --------------------------------------------

struct RastralSize {
    std::int32_t number;
    double staffHeightMm; // centre of the top line to centre of the bottom line
};
// Rastral 0 (9.2 mm) to 8 (3.9 mm).
const std::vector<RastralSize>& rastralSizes();
inline constexpr std::int32_t kMinRastral = 0;
inline constexpr std::int32_t kMaxRastral = 8;

// The window's line spacing (clear space between two lines, mm) that gives
// the rastral's staff height to a staff of lineCount lines (2 to 6). Lines
// are drawn centred on their positions, which lie a line spacing plus the
// 0.2 mm line allowance apart. 0 when the rastral or the line count is
// unknown.
double rastralSpacingMm(std::int32_t rastral, std::int32_t lineCount);
// The staff height (centre of the top line to centre of the bottom line, mm)
// of lineCount lines at this spacing.
double staffHeightMm(std::int32_t lineCount, double spacingMm);

} // namespace pernoa

#include "engine/musicsettings.h"

#include "engine/numberrules.h"
#include "engine/sheetsettings.h"
#include "engine/texts.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace pernoa {
namespace {

// The height each line is allowed in the layout (0.2 mm), in mm.
const double kLineAllowanceMm = LineThicknessTwip / TwipsPerMm;

} // namespace

const std::vector<MusicPresetEntry>& musicPresets() {
    static const std::vector<MusicPresetEntry> presets = {
        {MusicPreset::Plain,
         texts::kPresetPlain,
         "plain",
         {},
         BlockGrouping::None,
         BarLineReach::Block},
        {MusicPreset::Piano,
         texts::kPresetPiano,
         "piano",
         {{5, 1.0, Clef::Treble}, {5, 1.0, Clef::Bass}},
         BlockGrouping::Brace,
         BarLineReach::Block},
        // Tablature lines lie half as far apart again as the staff's.
        {MusicPreset::GuitarTab,
         texts::kPresetGuitarTab,
         "guitar-tab",
         {{5, 1.0, Clef::Treble}, {6, 1.5, Clef::Tab}},
         BlockGrouping::None,
         BarLineReach::Staff},
        {MusicPreset::ChoirSatb,
         texts::kPresetChoirSatb,
         "satb",
         {{5, 1.0, Clef::Treble},
          {5, 1.0, Clef::Treble},
          {5, 1.0, Clef::TrebleOctaveDown},
          {5, 1.0, Clef::Bass}},
         BlockGrouping::Bracket,
         BarLineReach::Staff},
        {MusicPreset::Percussion,
         texts::kPresetPercussion,
         "percussion",
         {{1, 1.0, Clef::Percussion}},
         BlockGrouping::None,
         BarLineReach::Staff},
    };
    return presets;
}

const MusicPresetEntry* musicPreset(MusicPreset preset) {
    for (const MusicPresetEntry& entry : musicPresets())
        if (entry.preset == preset)
            return &entry;
    return nullptr;
}

MusicSettings applyMusicPreset(MusicPreset preset, const MusicSettings& current,
                               double windowSpacingMm) {
    MusicSettings music;
    const MusicPresetEntry* entry = musicPreset(preset);
    if (!entry || preset == MusicPreset::Plain)
        return music;
    music.measures = current.measures;
    for (const MusicPresetRow& row : entry->rows) {
        StaffRow staff{row.lineCount, 0.0, row.clef};
        if (row.spacingFactor != 1.0)
            staff.spacingMm =
                (windowSpacingMm + kLineAllowanceMm) * row.spacingFactor - kLineAllowanceMm;
        music.stack.push_back(staff);
    }
    music.grouping = entry->grouping;
    music.barReach = entry->barReach;
    return music;
}

PresetPage presetPage(MusicPreset preset, double windowSpacingMm, double usableHeightMm) {
    PresetPage page;
    const MusicPresetEntry* entry = musicPreset(preset);
    if (!entry || entry->rows.size() < 2)
        return page;
    const double step = windowSpacingMm + kLineAllowanceMm;
    const double staffHeight = 4 * step; // of five lines
    const double inside = 1.5 * staffHeight;
    const double between = 2 * staffHeight;
    double system = (double(entry->rows.size()) - 1) * inside;
    for (const MusicPresetRow& row : entry->rows)
        system += (row.lineCount - 1) * step * row.spacingFactor + kLineAllowanceMm;
    page.stavesPerBlock = std::int32_t(entry->rows.size());
    const double fit = std::floor((usableHeightMm + between) / (system + between));
    page.blocks = std::int32_t(std::clamp(fit, 1.0, 100.0));
    // What the systems leave goes between them, up to three staff heights
    // (more would part a page of two systems in the middle; the staves of
    // each system then stand further apart), cut to a tenth of a millimetre
    // so that each system keeps at least its own height.
    if (page.blocks > 1) {
        const double left = (usableHeightMm - page.blocks * system) / (page.blocks - 1);
        page.blockGapMm = std::floor(std::min(left, 3 * staffHeight) * 10) / 10;
    }
    return page;
}

const std::vector<ClefEntry>& clefTable() {
    static const std::vector<ClefEntry> clefs = {
        {Clef::None, texts::kClefNone, "none"},
        {Clef::Treble, texts::kClefTreble, "treble"},
        {Clef::Bass, texts::kClefBass, "bass"},
        {Clef::Alto, texts::kClefAlto, "alto"},
        {Clef::Tenor, texts::kClefTenor, "tenor"},
        {Clef::TrebleOctaveDown, texts::kClefTrebleOctaveDown, "treble8"},
        {Clef::Percussion, texts::kClefPercussion, "percussion"},
        {Clef::Tab, texts::kClefTab, "tab"},
    };
    return clefs;
}

const ClefEntry* clefByWord(const QString& word) {
    for (const ClefEntry& entry : clefTable())
        if (word == QLatin1String(entry.word))
            return &entry;
    return nullptr;
}

const ClefEntry& clefEntry(Clef clef) {
    for (const ClefEntry& entry : clefTable())
        if (entry.clef == clef)
            return entry;
    return clefTable().front();
}

std::optional<std::vector<StackRowText>> splitStackText(const QString& text) {
    std::vector<StackRowText> rows;
    if (text.isEmpty())
        return rows;
    for (const QString& row : text.split(u',')) {
        const QStringList parts = row.split(u':');
        if (row.isEmpty() || parts.size() > 3)
            return std::nullopt;
        rows.push_back({parts[0], parts.value(1), parts.value(2)});
    }
    return rows;
}

std::optional<std::vector<StaffRow>> parseStackText(const QString& text) {
    const auto parts = splitStackText(text);
    if (!parts || parts->size() > kMaxStackRows)
        return std::nullopt;
    std::vector<StaffRow> rows;
    for (const StackRowText& part : *parts) {
        const ClefEntry* clef = clefByWord(part.clef);
        if (!clef)
            return std::nullopt;
        StaffRow row;
        row.clef = clef->clef;
        if (!part.lines.isEmpty()) {
            const double lines =
                num::isNumeric(part.lines) ? num::roundHalfEven(num::toDouble(part.lines)) : 0;
            if (!(lines >= kMinStackLines && lines <= kMaxStackLines))
                return std::nullopt;
            row.lineCount = std::int32_t(lines);
        }
        if (!part.spacing.isEmpty()) {
            const double spacing = num::isNumeric(part.spacing) ? num::toDouble(part.spacing) : 0;
            if (!(spacing > 0) || !std::isfinite(num::mmToTwips(spacing)))
                return std::nullopt;
            row.spacingMm = spacing;
        }
        rows.push_back(row);
    }
    return rows;
}

QString stackText(const std::vector<StaffRow>& rows) {
    QStringList texts;
    for (const StaffRow& row : rows) {
        QString text = QLatin1String(clefEntry(row.clef).word) + u':' + num::toText(row.lineCount);
        if (row.spacingMm != 0)
            text += u':' + num::toPlainText(row.spacingMm);
        texts << text;
    }
    return texts.join(u',');
}

const std::vector<RastralSize>& rastralSizes() {
    static const std::vector<RastralSize> sizes = {
        {0, 9.2}, {1, 7.9}, {2, 7.5}, {3, 7.0}, {4, 6.7}, {5, 6.0}, {6, 5.6}, {7, 4.8}, {8, 3.9},
    };
    return sizes;
}

double rastralSpacingMm(std::int32_t rastral, std::int32_t lineCount) {
    if (lineCount < 2 || lineCount > kMaxStackLines)
        return 0;
    for (const RastralSize& size : rastralSizes())
        if (size.number == rastral)
            return size.staffHeightMm / (lineCount - 1) - kLineAllowanceMm;
    return 0;
}

double staffHeightMm(std::int32_t lineCount, double spacingMm) {
    if (lineCount < 2)
        return 0;
    return (lineCount - 1) * (spacingMm + kLineAllowanceMm);
}

} // namespace pernoa

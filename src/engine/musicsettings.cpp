#include "engine/musicsettings.h"

#include "engine/numberrules.h"
#include "engine/sheetsettings.h"

namespace pernoa {
namespace {

// The height each line is allowed in the layout (0.2 mm), in mm.
const double kLineAllowanceMm = LineThicknessTwip / TwipsPerMm;

} // namespace

const std::vector<MusicPresetEntry>& musicPresets() {
    static const std::vector<MusicPresetEntry> presets = {
        {MusicPreset::Plain, "標準（音部記号なし）", {}, BlockGrouping::None, BarLineReach::Block},
        {MusicPreset::Piano,
         "ピアノ",
         {{5, 1.0, Clef::Treble}, {5, 1.0, Clef::Bass}},
         BlockGrouping::Brace,
         BarLineReach::Block},
        // Tablature lines lie half as far apart again as the staff's.
        {MusicPreset::GuitarTab,
         "ギター（TAB譜付き）",
         {{5, 1.0, Clef::Treble}, {6, 1.5, Clef::Tab}},
         BlockGrouping::None,
         BarLineReach::Staff},
        {MusicPreset::ChoirSatb,
         "合唱（SATB）",
         {{5, 1.0, Clef::Treble},
          {5, 1.0, Clef::Treble},
          {5, 1.0, Clef::TrebleOctaveDown},
          {5, 1.0, Clef::Bass}},
         BlockGrouping::Bracket,
         BarLineReach::Staff},
        {MusicPreset::Percussion,
         "打楽器（1線）",
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

const std::vector<ClefEntry>& clefTable() {
    static const std::vector<ClefEntry> clefs = {
        {Clef::None, "なし"},
        {Clef::Treble, "ト音記号"},
        {Clef::Bass, "ヘ音記号"},
        {Clef::Alto, "アルト記号"},
        {Clef::Tenor, "テノール記号"},
        {Clef::TrebleOctaveDown, "ト音記号（8下）"},
        {Clef::Percussion, "打楽器記号"},
        {Clef::Tab, "TAB"},
    };
    return clefs;
}

const std::vector<RastralSize>& rastralSizes() {
    static const std::vector<RastralSize> sizes = {
        {0, 9.2}, {1, 7.9}, {2, 7.5}, {3, 7.0}, {4, 6.7}, {5, 6.0}, {6, 5.6}, {7, 4.8}, {8, 3.9},
    };
    return sizes;
}

double rastralSpacingMm(std::int32_t rastral, std::int32_t lineCount) {
    if (lineCount < 2 || lineCount > MaxStackLines)
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

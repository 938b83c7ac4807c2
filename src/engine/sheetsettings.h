#pragma once

#include "engine/papersizes.h"

#include <cstdint>

namespace pernoa {

// The height reserved for each ruled line: 0.2 mm in twips, evaluated in double
// precision (one unit in the last place above the double nearest 11.34).
inline const double LineThicknessTwip = 0.2 * 56.7;

// Display divisors: preview twips = page twips / HyojiSize.
inline constexpr std::int32_t kHyojiSmall = 3;
inline constexpr std::int32_t kHyojiLarge = 2;

// Line weight codes, also the printer's line width in device pixels.
inline constexpr std::int32_t kLineWeightThin = 1;
inline constexpr std::int32_t kLineWeightNormal = 2;
inline constexpr std::int32_t kLineWeightThick = 3;

// The sheet parameters from which a page is laid out, previewed and printed.
// A snapshot of the main window's controls taken at every drawing; only the
// page size and the display divisor are kept current between drawings.
struct SheetSettings {
    double PaperHeightTwip = 0;
    double PaperWidthTwip = 0;
    double SpaceSizeUp = 0;
    double SpaceSizeUpTwip = 0;
    double SpaceSizeDown = 0;
    double SpaceSizeDownTwip = 0;
    double SpaceSizeLeft = 0;
    double SpaceSizeLeftTwip = 0;
    double SpaceSizeRight = 0;
    double SpaceSizeRightTwip = 0;
    double PrinterGosaY = 0;
    double PrinterGosaYTwip = 0;
    double PrinterGosaX = 0;
    double PrinterGosaXTwip = 0;
    // The printer's scale correction in percent (100: none), printing only.
    double PrinterBairituX = 100;
    double PrinterBairituY = 100;
    // None (0) until the first drawing with a paper option selected.
    pernoa::PaperKind PaperKind{};
    std::int32_t HyojiSize = 0;
    // Landscape while the landscape box is checked.
    Orientation PrintDirectionYoko = Orientation::Portrait;
    std::int32_t PrintShade = 0; // grey level 0 (black) .. 255 (white)
    std::int32_t DaifuhyoCnt = 0;
    double DaifuhyoInterval = 0;
    double DaifuhyoIntervalTwip = 0;
    std::int32_t LineWeight = 0;
    std::int32_t TavriDansu = 0;
    double LineInterval = 0;
    double LineIntervalTwip = 0;
    std::int32_t LineCnt = 0;
};

} // namespace pernoa

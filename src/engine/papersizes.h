#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace pernoa {

// One paper of the program, portrait; landscape swaps height and width.
// The twip values are the program's own (B4's long side is 20439, about
// 360.5 mm; A5's short side is 8420) and are used as they stand.
struct PaperSize {
    std::int32_t kind;  // PaperKind: 1 A4, 2 B5, 3 A3, 4 B4, 5 A5
    const char* name;   // "A4", as the settings file and the command line write it
    const char* option; // the main window's option button
    int printerCode;    // Windows paper-size number
    double heightTwip;  // portrait height
    double widthTwip;   // portrait width
};

// The five papers in the order the options are tested everywhere:
// optA4, optB5, optA3, optB4, optA5.
const std::array<PaperSize, 5>& paperTable();

// The row for a PaperKind, or nullptr.
const PaperSize* paperByKind(std::int32_t kind);
// The row for a name such as "A4" (exact comparison), or nullptr.
const PaperSize* paperByName(const QString& name);

// The preview window's frame around the page picture, in twips.
inline constexpr int PreviewWindowExtraWidth = 351;
inline constexpr int PreviewWindowExtraHeight = 1542;
// The description label sits this far below the top of the picture's bottom edge.
inline constexpr int DescriptionBelowPicture = 267;

} // namespace pernoa

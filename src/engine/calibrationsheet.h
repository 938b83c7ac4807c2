#pragma once

#include "engine/tavriengine.h"

#include <QSizeF>

#include <cstdint>

namespace pernoa {

// Where the calibration sheet's frame lies: this far inside each edge of the
// paper.
inline constexpr double CalibrationFrameInsetMm = 10.0;

// The paper's real size in millimetres (JIS B for B4 and B5), portrait or
// landscape. The program's own twip table is rounded for the page layout;
// a sheet the user measures with a ruler needs the paper as it is.
QSizeF calibrationPaperMm(std::int32_t paperKind, bool yoko);

// Prints one calibration sheet on the engine's printer, on the paper and in
// the orientation selected in the main window: a frame exactly
// CalibrationFrameInsetMm inside each paper edge, crosshairs at the centre,
// millimetre rulers along the top and left frame lines, and how to turn what
// the user measures into the printer offsets. It is drawn without the
// offsets, so what the printer shifts is what the user measures. Ends with the
// printing confirmation, or with the catch-all error message when the
// printer fails. True when the sheet was handed to the printer.
bool DrawCalibrationSheet(TavriEngine& engine);

} // namespace pernoa

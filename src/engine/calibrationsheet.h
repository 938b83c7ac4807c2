#pragma once

#include "engine/outcome.h"
#include "engine/tavriengine.h"

namespace pernoa {

// Where the calibration sheet's frame lies: this far inside each edge of the
// paper.
inline constexpr double kCalibrationFrameInsetMm = 10.0;

// Prints one calibration sheet on the engine's printer, on the paper and in
// the orientation selected in the main window: a frame exactly
// kCalibrationFrameInsetMm inside each paper edge, crosshairs at the centre,
// millimetre rulers along the top and left frame lines, and how to turn what
// the user measures into the printer offsets. The frame is placed on the
// paper's real size in millimetres (JIS B for B4 and B5), not on the
// program's rounded page size: a sheet measured with a ruler needs the paper
// as it is. It is drawn without the offsets, so what the printer shifts is
// what the user measures. Ends with the printing confirmation (done, one
// copy), or with the catch-all error message when the printer fails (failed).
Outcome drawCalibrationSheet(TavriEngine& engine);

} // namespace pernoa

#pragma once

#include "engine/outcome.h"
#include "engine/tavriengine.h"

namespace pernoa {

// Where the calibration sheet's frame lies: this far inside each edge of the
// paper.
inline constexpr double kCalibrationFrameInsetMm = 10.0;
// The length of the rulers the scale correction is measured on.
inline constexpr double kCalibrationRulerMm = 100.0;

// How long the scale rulers are on a paper of this size in mm:
// kCalibrationRulerMm, or on a paper too small for it the most whole
// centimetres that fit (0: none).
double calibrationRulerMm(double widthMm, double heightMm);

// Prints one calibration sheet on the engine's printer, on the paper and in
// the orientation selected in the main window: a frame exactly
// kCalibrationFrameInsetMm inside each paper edge, crosshairs at the centre,
// millimetre rulers along the top and left frame lines, and how to turn what
// the user measures into the printer offsets. The frame is placed on the
// paper's real size in millimetres (JIS B for B4 and B5), not on the
// program's rounded page size: a sheet measured with a ruler needs the paper
// as it is. It is drawn without the offsets, so what the printer shifts is
// what the user measures. It is printed at the scale correction of the main
// window, as a page would be (a printer keeps no correction from an earlier
// job): its 100 mm rulers show what is left to correct, and once they measure
// true the frame measures the offsets alone. Ends with the printing
// confirmation (done, one copy), refused when the paper of the user's size
// has no size it may have or the scale correction is out of its range (the
// check's message), or with the catch-all error message when the printer
// fails (failed).
Outcome drawCalibrationSheet(TavriEngine& engine);

} // namespace pernoa

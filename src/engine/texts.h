#pragma once

// The engine's texts that the user reads, one function each, with the
// Japanese as the source text of Qt's translation tools (context "engine").

#include <QString>

namespace pernoa::texts {

// A number field whose value lies outside the range it takes: %1 the field's
// label, %2 and %3 the least and the greatest value.
QString valueOutOfRange();

// Labels of the fields, as the messages about them name them.
QString scaleCorrectionXLabel();
QString scaleCorrectionYLabel();
QString customPaperWidthLabel();
QString customPaperHeightLabel();

// The calibration sheet: how to turn what the user measures on its scale
// rulers into the scale correction (two lines; %1 the rulers' length in mm).
QString scaleInstructions();

} // namespace pernoa::texts

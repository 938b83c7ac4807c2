#pragma once

// A page picture written as PNG, made for pages of staff paper: a row that
// repeats the one above (most rows of a page) is written as a few copy
// symbols without being compressed, so an A4 page at 300 dpi takes a few
// milliseconds where a general PNG writer, which filters and compresses every
// byte alike, takes some 300 (measured with Qt 6.4's). The file is a little
// larger (some 65 KB for the default page instead of 36 KB).

#include <QString>

class QIODevice;
class QImage;

namespace pernoa::output {

// Writes the picture (Format_Grayscale8 as a grey PNG, Format_RGB32 as an
// RGB one) with its resolution in dots per inch in the pHYs chunk. The
// reason when it fails ("" on success): a write the device refused.
QString writePng(QIODevice& device, const QImage& picture, int dpi);

} // namespace pernoa::output

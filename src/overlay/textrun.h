#pragma once

#include <QString>

class QFontMetricsF;

namespace pernoa::overlay {

// The part of one line of text that is drawn: its first length characters,
// advance wide in the units of the font measured.
struct TextRun {
    qsizetype length = 0;
    double advance = 0;
};

// The part of a line starting at left that reaches a little past right (the
// page's right edge): the rest cannot show. Drawing a line whole would cost
// time and memory in proportion to its length, and Qt places the glyphs of
// one run in fixed point, which wraps past 2^25 units (about 1,670,000 twips
// on paper) and puts the glyphs back over the start of the line.
//
// The line is measured a piece at a time, so a line of millions of
// characters costs no more than the page's width of it; the part found is
// then measured whole, as it is drawn, kerning included. At least one piece
// is given even when the line starts right of the page. The measuring stops
// once the advance passes limit: a caller that cannot draw a run that wide
// compares the advance with it.
TextRun runToTheEdge(const QFontMetricsF& metrics, const QString& line, double left, double right,
                     double limit);

} // namespace pernoa::overlay

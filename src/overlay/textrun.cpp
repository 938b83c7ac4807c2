#include "overlay/textrun.h"

#include <QFontMetricsF>

#include <algorithm>

namespace pernoa::overlay {
namespace {

// A piece this long stays far from the fixed-point limit at any size.
constexpr qsizetype kPieceChars = 256;

} // namespace

TextRun runToTheEdge(const QFontMetricsF& metrics, const QString& line, double left, double right,
                     double limit) {
    const double reach = right + metrics.height();
    const qsizetype size = line.size();
    TextRun run;
    while (run.length < size) {
        while (run.length < size && (run.length == 0 || left + run.advance < reach)) {
            qsizetype end = std::min(size, run.length + kPieceChars);
            if (end < size && line[end].isLowSurrogate())
                ++end; // a surrogate pair stays whole
            run.advance += metrics.horizontalAdvance(line.mid(run.length, end - run.length));
            run.length = end;
            if (run.advance > limit)
                return run;
        }
        // The sum of the pieces leaves out the kerning between them: the part
        // is measured as one and grows while it still ends short of the edge.
        run.advance = metrics.horizontalAdvance(run.length < size ? line.left(run.length) : line);
        if (left + run.advance >= reach)
            break;
    }
    return run;
}

} // namespace pernoa::overlay

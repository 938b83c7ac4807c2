#include "recorders.h"

namespace pernoa::test {

MsgAnswer RecordingMessages::showMessage(const QString& text, const QString& title, MsgIcon icon,
                                         MsgButtons buttons) {
    shown.append({text, title, icon, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answers.isEmpty() ? MsgAnswer::Ok : answers.takeFirst();
}

void RecordingMessages::setBusyPointer(bool on) {
    busy = on;
    busyLog << (on ? QStringLiteral("on") : QStringLiteral("off"));
}

QStringList RecordingMessages::texts() const {
    QStringList out;
    for (const ShownMessage& m : shown)
        out << m.text;
    return out;
}

void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    lines.append({x1, y1, x2, y2, colour});
}

bool RecordingPrinter::call(const QString& what) {
    if (!failed.isEmpty())
        return false;
    calls << what;
    if (failAtCall > 0 && calls.size() == failAtCall)
        failed = QStringLiteral("printer failure (test)");
    return failed.isEmpty();
}

void RecordingPrinter::setPaperSize(const PaperSize& paper) {
    call(QStringLiteral("paper %1").arg(paper.printerCode));
}
void RecordingPrinter::setOrientation(Orientation o) {
    call(QStringLiteral("orientation %1").arg(int(o)));
}
void RecordingPrinter::setUnitTwips() {
    call(QStringLiteral("unit twips"));
}
void RecordingPrinter::setLineWidth(int px) {
    call(QStringLiteral("width %1").arg(px));
}

void RecordingPrinter::beginDoc() {
    call(QStringLiteral("begin"));
}

void RecordingPrinter::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    if (call(QStringLiteral("line")))
        pages.last().append({x1, y1, x2, y2, colour});
}

void RecordingPrinter::drawWideLine(float x1, float y1, float x2, float y2, double ratio,
                                    const QColor& colour) {
    call(QStringLiteral("wideline %1").arg(ratio));
    wideLines.append({x1, y1, x2, y2, colour});
}

void RecordingPrinter::fillRect(float x, float y, float w, float h, const QColor& colour) {
    call(QStringLiteral("fill"));
    fills.append({QRectF(x, y, w, h), colour});
}

void RecordingPrinter::drawGlyphs(const QGlyphRun& run, const QColor&) {
    call(QStringLiteral("glyphs %1").arg(run.glyphIndexes().size()));
    glyphs.append(run);
}

void RecordingPrinter::setCurrentX(float twips) {
    if (call(QStringLiteral("x %1").arg(double(twips))))
        curX = twips;
}

void RecordingPrinter::setCurrentY(float twips) {
    if (call(QStringLiteral("y %1").arg(double(twips))))
        curY = twips;
}

void RecordingPrinter::setFontName(const QString& face) {
    call(QStringLiteral("font ") + face);
}
void RecordingPrinter::setFontSize(double points) {
    call(QStringLiteral("size %1").arg(points));
}
void RecordingPrinter::setFontBold(bool b) {
    call(QStringLiteral("bold %1").arg(b));
}
void RecordingPrinter::setFontItalic(bool b) {
    call(QStringLiteral("italic %1").arg(b));
}
void RecordingPrinter::setFontUnderline(bool b) {
    call(QStringLiteral("underline %1").arg(b));
}
void RecordingPrinter::setForeColor(const QColor& c) {
    call(QStringLiteral("color ") + c.name());
}

void RecordingPrinter::printLine(const QString& line) {
    if (!call(QStringLiteral("print %1 at %2,%3").arg(line).arg(double(curX)).arg(double(curY))))
        return;
    curY += float(lineHeight);
    curX = 0;
}

void RecordingPrinter::paintPicture(const QImage& picture, float x, float y, float width,
                                    float height) {
    call(QStringLiteral("picture %1x%2 at %3,%4 size %5x%6")
             .arg(picture.width())
             .arg(picture.height())
             .arg(double(x))
             .arg(double(y))
             .arg(double(width))
             .arg(double(height)));
}

void RecordingPrinter::newPage() {
    if (call(QStringLiteral("newpage")))
        pages.append(QList<RecordedLine>());
}

void RecordingPrinter::endDoc() {
    if (call(QStringLiteral("enddoc")))
        ended = true;
}

void RecordingPrinter::abortDoc() {
    calls << QStringLiteral("abort");
    aborted = true;
    failed.clear();
}

} // namespace pernoa::test

#include "engine/musicdrawing.h"

#include "engine/numberrules.h"

namespace pernoa {
namespace {

// Adds the glyphs at a point to the run of their font, or a new run; false
// when there are none.
bool addGlyphs(std::vector<QGlyphRun>& runs, const std::vector<MusicGlyph>& glyphs,
               const QPointF& at) {
    for (const MusicGlyph& glyph : glyphs) {
        QGlyphRun* run = nullptr;
        for (QGlyphRun& candidate : runs)
            if (candidate.rawFont() == glyph.font)
                run = &candidate;
        if (!run) {
            runs.emplace_back();
            run = &runs.back();
            run->setRawFont(glyph.font);
        }
        QList<quint32> indexes = run->glyphIndexes();
        QList<QPointF> positions = run->positions();
        indexes.append(glyph.index);
        positions.append(at + glyph.offset);
        run->setGlyphIndexes(indexes);
        run->setPositions(positions);
    }
    return !glyphs.empty();
}

// The run moved and scaled: x' = (x - dx) / scale.
QGlyphRun transformed(const QGlyphRun& run, double dx, double dy, double scale) {
    QGlyphRun out = run;
    if (scale != 1) {
        QRawFont font = run.rawFont();
        font.setPixelSize(font.pixelSize() / scale);
        out.setRawFont(font);
    }
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions)
        p = QPointF((p.x() - dx) / scale, (p.y() - dy) / scale);
    out.setPositions(positions);
    return out;
}

float single(double value) {
    return num::toSingle(value);
}

} // namespace

MusicInk resolveMusicGlyphs(const MusicPage& page, IMusicFont* font) {
    MusicInk ink;
    const bool needed = !page.clefs.empty() || !page.braces.empty() || !page.brackets.empty();
    if (!needed)
        return ink;
    if (!font || !font->isAvailable()) {
        ink.fontMissing = true;
        return ink;
    }
    // A face that is there but cannot be read counts as missing too.
    bool drawn = true;
    for (const ClefPlace& clef : page.clefs)
        drawn &= addGlyphs(ink.runs, font->clefGlyphs(clef.clef, clef.em), {clef.x, clef.y});
    for (const BracePlace& brace : page.braces)
        drawn &= addGlyphs(ink.runs, font->braceGlyphs(brace.bottom - brace.top, brace.em),
                           {brace.right, brace.top});
    for (const BracketPlace& bracket : page.brackets) {
        drawn &= addGlyphs(ink.runs, font->bracketTipGlyphs(true, bracket.em),
                           {bracket.left, bracket.top});
        drawn &= addGlyphs(ink.runs, font->bracketTipGlyphs(false, bracket.em),
                           {bracket.left, bracket.bottom});
    }
    ink.fontMissing = !drawn;
    return ink;
}

void drawMusicSigns(const MusicPage& page, const MusicInk& ink, const QColor& colour,
                    IPreviewSurface* surface, double hyoji, IPrinter* printer, double offsetX,
                    double offsetY) {
    if (surface) {
        // The preview shows every line one pixel wide, bar lines too.
        for (const TavriLine& bar : page.barLines)
            surface->drawLine(single(bar.StartX / hyoji), single(bar.StartY / hyoji),
                              single(bar.EndX / hyoji), single(bar.EndY / hyoji), colour);
        for (const BracketPlace& b : page.brackets)
            surface->fillRect(single(b.left / hyoji), single(b.top / hyoji),
                              single(b.width / hyoji), single((b.bottom - b.top) / hyoji), colour);
        for (const QGlyphRun& run : ink.runs)
            surface->drawGlyphs(transformed(run, 0, 0, hyoji), colour);
    }
    if (printer) {
        for (const TavriLine& bar : page.barLines)
            printer->drawWideLine(single(bar.StartX - offsetX), single(bar.StartY - offsetY),
                                  single(bar.EndX - offsetX), single(bar.EndY - offsetY),
                                  kBarLineWidthRatio, colour);
        for (const BracketPlace& b : page.brackets)
            printer->fillRect(single(b.left - offsetX), single(b.top - offsetY), single(b.width),
                              single(b.bottom - b.top), colour);
        for (const QGlyphRun& run : ink.runs)
            printer->drawGlyphs(transformed(run, offsetX, offsetY, 1), colour);
    }
}

} // namespace pernoa

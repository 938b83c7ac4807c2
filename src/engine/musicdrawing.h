#pragma once

#include "engine/musicfont.h"
#include "engine/musiclayout.h"
#include "engine/surfaces.h"

#include <QColor>
#include <QGlyphRun>

#include <vector>

namespace pernoa {

// The glyphs of a page's clefs, braces and bracket tips, in page twips: one
// run per font and size, so that a page draws each in one go.
struct MusicInk {
    std::vector<QGlyphRun> runs;
    // The page has signs to draw from the music font, and there is none.
    bool fontMissing = false;
};

// Looks the page's signs up in the font (null: no font).
MusicInk resolveMusicGlyphs(const MusicPage& page, IMusicFont* font);

// Draws the signs of the page after its staff lines: on the preview (in
// preview twips, the page divided by hyoji) when a surface is given, on the
// printer (moved by the printer offsets) when one is given.
void drawMusicSigns(const MusicPage& page, const MusicInk& ink, const QColor& colour,
                    IPreviewSurface* surface, double hyoji, IPrinter* printer, double offsetX,
                    double offsetY);

} // namespace pernoa

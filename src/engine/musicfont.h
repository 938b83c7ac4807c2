#pragma once

#include "engine/musicsettings.h"

#include <QPointF>
#include <QRawFont>
#include <QString>

#include <vector>

namespace pernoa {

// The music font's faces, once a page has drawn them, are families of the
// font database like any other ("Emmentaler-20", "Emmentaler-Brace"): a face
// of symbols, which the font chooser of text items leaves out.
inline bool isMusicFontFamily(const QString& family) {
    return family.startsWith(QLatin1String("Emmentaler"), Qt::CaseInsensitive);
}

// One glyph of the music font, placed relative to a point the layout gives.
struct MusicGlyph {
    QRawFont font; // its pixel size is the em in page twips
    quint32 index = 0;
    QPointF offset; // from the layout's point to the glyph's origin, twips
};

// The music font the clefs, braces and bracket tips are drawn from. Every
// call answers nothing (an empty list) when the font is not there.
class IMusicFont {
public:
    virtual ~IMusicFont() = default;

    // Whether the font was found and can be drawn.
    virtual bool isAvailable() = 0;
    // A clef whose origin (its line) is the point, at this em (twips).
    virtual std::vector<MusicGlyph> clefGlyphs(Clef clef, double emTwips) = 0;
    // A brace whose box spans heightTwips below the point, its right edge on
    // the point, chosen among the font's braces for staves of this em.
    virtual std::vector<MusicGlyph> braceGlyphs(double heightTwips, double emTwips) = 0;
    // A bracket's tip: the point is the bracket's left edge at its top end
    // (top) or its bottom end.
    virtual std::vector<MusicGlyph> bracketTipGlyphs(bool top, double emTwips) = 0;
};

} // namespace pernoa

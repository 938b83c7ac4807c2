#pragma once

#include "engine/musicfont.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace pernoa::output {

// The Emmentaler music font as Debian's lilypond-fonts installs it, outside
// fontconfig: <root>/<version>/fonts/otf/emmentaler-<size>.otf (one file per
// design size, the staff height in points it is drawn best at) and
// emmentaler-brace.otf. Glyphs are looked up by name, which stays the same
// from one version to the next where the code points do not.
//
// The font em is the height of a five-line staff (four spaces). The files are
// found on first use, the newest version folder that holds them; a face is
// given to Qt's font database only when a page first needs it, so that the
// PDF writer embeds it (the glyphs used, once per document).
class MusicFont : public IMusicFont {
public:
    // Looks in each root for <version>/fonts/otf.
    explicit MusicFont(QStringList roots = {QStringLiteral("/usr/share/lilypond")});
    ~MusicFont() override;

    MusicFont(const MusicFont&) = delete;
    MusicFont& operator=(const MusicFont&) = delete;

    // Called once, the first time the font is asked for and is not there.
    void setMissingReport(std::function<void()> report) { m_missingReport = std::move(report); }

    bool isAvailable() override;
    std::vector<MusicGlyph> clefGlyphs(Clef clef, double emTwips) override;
    std::vector<MusicGlyph> braceGlyphs(double heightTwips, double emTwips) override;
    std::vector<MusicGlyph> bracketTipGlyphs(bool top, double emTwips) override;

    // The folder the faces were found in ("" when none).
    QString folder();
    // The design sizes found, in points, smallest first.
    std::vector<int> designSizes();
    // The design size drawn at this em (twips): the one nearest the staff
    // height; 0 when there is none.
    int designSizeFor(double emTwips);
    // A glyph's box in ems (y up, from its origin, as the font has it), or
    // an empty box when the glyph is unknown. The brace face has design size 0.
    QRectF glyphBox(int designSize, const QString& name);

    struct Face;

private:
    void locate();
    // The face drawn best at this em (twips), loaded into the font database.
    Face* faceFor(double emTwips);
    Face* braceFace();
    bool load(Face& face);
    MusicGlyph glyph(Face& face, quint32 index, double emTwips, QPointF offset);

    QStringList m_roots;
    bool m_located = false;
    QString m_folder;
    std::vector<std::unique_ptr<Face>> m_faces; // by design size
    std::unique_ptr<Face> m_braces;
    std::function<void()> m_missingReport;
};

} // namespace pernoa::output

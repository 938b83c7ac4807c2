#include "output/musicfont.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QVersionNumber>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

namespace pernoa::output {
namespace {

// The glyphs of the notation faces the program draws.
const char* const kNotationGlyphs[] = {
    "clefs.G",   "clefs.F", "clefs.C",        "clefs.percussion",
    "clefs.tab", "eight",   "brackettips.up", "brackettips.down",
};

// The 8 of a clef for tenor voices: this size of the clef's em (as engravers
// set it, two thirds of a step of font size down), centred under the clef
// this far (em) below it.
constexpr double kOctaveScale = 0.63;
constexpr double kOctaveGap = 0.05;

const char* clefGlyphName(Clef clef) {
    switch (clef) {
    case Clef::Treble:
    case Clef::TrebleOctaveDown:
        return "clefs.G";
    case Clef::Bass:
        return "clefs.F";
    case Clef::Alto:
    case Clef::Tenor:
        return "clefs.C";
    case Clef::Percussion:
        return "clefs.percussion";
    case Clef::Tab:
        return "clefs.tab";
    case Clef::None:
        break;
    }
    return nullptr;
}

} // namespace

struct MusicFont::Face {
    QString path;
    int designSize = 0; // points of staff height; 0 for the braces
    bool loaded = false;
    bool usable = false;
    QRawFont raw; // as the font database gives it
    std::map<QString, quint32> indexes;
    // Ems, y up as the font has it: top() is the lowest point, bottom() the
    // highest.
    std::map<quint32, QRectF> boxes;
    // The braces by height (ems), lowest first.
    std::vector<std::pair<double, quint32>> braces;
    // The raw font at each pixel size asked for.
    std::vector<QRawFont> sizes;
};

MusicFont::MusicFont(QStringList roots) : m_roots(std::move(roots)) {}

MusicFont::~MusicFont() = default;

void MusicFont::locate() {
    if (m_located)
        return;
    m_located = true;
    static const QRegularExpression sizeName(QStringLiteral("^emmentaler-(\\d+)\\.otf$"));
    QString best;
    QVersionNumber bestVersion;
    for (const QString& root : std::as_const(m_roots)) {
        const QStringList versions = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& version : versions) {
            const QString folder = root + QLatin1Char('/') + version + QStringLiteral("/fonts/otf");
            if (!QFileInfo::exists(folder + QStringLiteral("/emmentaler-brace.otf")))
                continue;
            const QVersionNumber number = QVersionNumber::fromString(version);
            if (best.isEmpty() || QVersionNumber::compare(number, bestVersion) > 0) {
                best = folder;
                bestVersion = number;
            }
        }
    }
    if (best.isEmpty())
        return;
    const QStringList files = QDir(best).entryList({QStringLiteral("emmentaler-*.otf")});
    for (const QString& file : files) {
        const QRegularExpressionMatch m = sizeName.match(file);
        if (!m.hasMatch())
            continue;
        auto face = std::make_unique<Face>();
        face->path = best + QLatin1Char('/') + file;
        face->designSize = m.captured(1).toInt();
        m_faces.push_back(std::move(face));
    }
    if (m_faces.empty())
        return;
    std::sort(m_faces.begin(), m_faces.end(),
              [](const auto& a, const auto& b) { return a->designSize < b->designSize; });
    m_braces = std::make_unique<Face>();
    m_braces->path = best + QStringLiteral("/emmentaler-brace.otf");
    m_folder = best;
}

bool MusicFont::load(Face& face) {
    if (face.loaded)
        return face.usable;
    face.loaded = true;

    // The names and boxes, read with FreeType from the file.
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face ft = nullptr;
    const QByteArray path = QFile::encodeName(face.path);
    if (FT_New_Face(library, path.constData(), 0, &ft) == 0 && FT_HAS_GLYPH_NAMES(ft) &&
        ft->units_per_EM > 0) {
        const double perEm = ft->units_per_EM;
        const auto box = [&](quint32 index, QRectF& out) {
            if (FT_Load_Glyph(ft, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0 ||
                ft->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
                return false;
            FT_BBox b;
            if (FT_Outline_Get_BBox(&ft->glyph->outline, &b) != 0)
                return false;
            out = QRectF(QPointF(b.xMin / perEm, b.yMin / perEm),
                         QPointF(b.xMax / perEm, b.yMax / perEm));
            return true;
        };
        const auto named = [&](const QByteArray& name) -> quint32 {
            QByteArray copy = name; // FreeType takes a non-const name
            const FT_UInt index = FT_Get_Name_Index(ft, copy.data());
            QRectF r;
            if (index == 0 || !box(index, r))
                return 0;
            face.indexes[QString::fromLatin1(name)] = index;
            face.boxes[index] = r;
            return index;
        };
        if (face.designSize == 0) {
            for (int n = 0;; ++n) {
                const quint32 index = named("brace" + QByteArray::number(n));
                if (index == 0)
                    break;
                face.braces.emplace_back(face.boxes[index].height(), index);
            }
            std::sort(face.braces.begin(), face.braces.end());
            face.usable = !face.braces.empty();
        } else {
            for (const char* name : kNotationGlyphs)
                named(name);
            face.usable = face.indexes.count(QStringLiteral("clefs.G")) > 0;
        }
    }
    if (ft)
        FT_Done_Face(ft);
    FT_Done_FreeType(library);
    if (!face.usable)
        return false;

    // Drawn through the font database, so that a PDF embeds the face.
    face.usable = false;
    const int id = QFontDatabase::addApplicationFont(face.path);
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    if (family.isEmpty())
        return false;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(100);
    face.raw = QRawFont::fromFont(font);
    face.usable = face.raw.isValid() && face.raw.familyName() == family;
    return face.usable;
}

bool MusicFont::isAvailable() {
    locate();
    return !m_faces.empty() && braceFace() && faceFor(20.0 * 20.0);
}

QString MusicFont::folder() {
    locate();
    return m_folder;
}

std::vector<int> MusicFont::designSizes() {
    locate();
    std::vector<int> sizes;
    for (const auto& face : m_faces)
        sizes.push_back(face->designSize);
    return sizes;
}

MusicFont::Face* MusicFont::faceFor(double emTwips) {
    locate();
    // The design size nearest the staff height (points).
    const double points = emTwips / 20.0;
    Face* best = nullptr;
    for (const auto& face : m_faces) {
        if (!best || std::fabs(face->designSize - points) < std::fabs(best->designSize - points))
            best = face.get();
    }
    if (best && load(*best))
        return best;
    // Any face that loads rather than none.
    for (const auto& face : m_faces)
        if (load(*face))
            return face.get();
    return nullptr;
}

int MusicFont::designSizeFor(double emTwips) {
    const Face* face = faceFor(emTwips);
    return face ? face->designSize : 0;
}

MusicFont::Face* MusicFont::braceFace() {
    locate();
    return m_braces && load(*m_braces) ? m_braces.get() : nullptr;
}

QRectF MusicFont::glyphBox(int designSize, const QString& name) {
    locate();
    Face* face = nullptr;
    if (designSize == 0) {
        face = braceFace();
    } else {
        for (const auto& f : m_faces)
            if (f->designSize == designSize && load(*f))
                face = f.get();
    }
    if (!face || !face->indexes.count(name))
        return {};
    return face->boxes[face->indexes[name]];
}

MusicGlyph MusicFont::glyph(Face& face, quint32 index, double emTwips, QPointF offset) {
    MusicGlyph g;
    // Sizes a hair apart (the same brace on blocks whose heights differ in
    // the last digits) share one font, so a page draws them in one run.
    for (const QRawFont& sized : face.sizes)
        if (std::fabs(sized.pixelSize() - emTwips) <= emTwips * 1e-9)
            g.font = sized;
    if (!g.font.isValid()) {
        g.font = face.raw;
        g.font.setPixelSize(emTwips);
        face.sizes.push_back(g.font);
    }
    g.index = index;
    g.offset = offset;
    return g;
}

std::vector<MusicGlyph> MusicFont::clefGlyphs(Clef clef, double emTwips) {
    const char* name = clefGlyphName(clef);
    Face* face = name && emTwips > 0 ? faceFor(emTwips) : nullptr;
    if (!face || !face->indexes.count(QLatin1String(name)))
        return {};
    const quint32 index = face->indexes[QLatin1String(name)];
    std::vector<MusicGlyph> glyphs{glyph(*face, index, emTwips, {})};
    const auto eight = face->indexes.find(QStringLiteral("eight"));
    if (clef == Clef::TrebleOctaveDown && eight != face->indexes.end()) {
        // Centred under the clef, its top a little below the clef's foot.
        const QRectF g = face->boxes[index];
        const QRectF e = face->boxes[eight->second];
        const double x = emTwips * (g.center().x() - kOctaveScale * e.center().x());
        const double y = emTwips * (-g.top() + kOctaveGap + kOctaveScale * e.bottom());
        glyphs.push_back(glyph(*face, eight->second, emTwips * kOctaveScale, {x, y}));
    }
    return glyphs;
}

std::vector<MusicGlyph> MusicFont::braceGlyphs(double heightTwips, double emTwips) {
    Face* face = heightTwips > 0 && emTwips > 0 ? braceFace() : nullptr;
    if (!face)
        return {};
    // The brace drawn for this height at this em, then sized to span it.
    const double wanted = heightTwips / emTwips;
    auto it = std::lower_bound(face->braces.begin(), face->braces.end(),
                               std::make_pair(wanted, quint32(0)));
    if (it == face->braces.end())
        --it;
    else if (it != face->braces.begin() && wanted - std::prev(it)->first < it->first - wanted)
        --it;
    const quint32 index = it->second;
    const double em = heightTwips / it->first;
    const QRectF box = face->boxes[index];
    return {glyph(*face, index, em, {-box.right() * em, box.bottom() * em})};
}

std::vector<MusicGlyph> MusicFont::bracketTipGlyphs(bool top, double emTwips) {
    Face* face = emTwips > 0 ? faceFor(emTwips) : nullptr;
    const QString name =
        top ? QStringLiteral("brackettips.up") : QStringLiteral("brackettips.down");
    if (!face || !face->indexes.count(name))
        return {};
    return {glyph(*face, face->indexes[name], emTwips, {})};
}

} // namespace pernoa::output

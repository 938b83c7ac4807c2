#include "output/musicfont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QVersionNumber>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <utility>

namespace pernoa::output {
namespace {

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

// Puts an empty Unicode character map in place of the font file's own.
// Nothing maps a character to a music sign: they are looked up by name. Yet
// every reader of the file works on the map: FreeType, finding no Unicode
// map, builds one from the glyph names each time it opens the face (the
// program, fontconfig and Qt's font engine each open it once); Qt's PDF
// writer, for every face it embeds, asks the map for each of the 65,536 code
// points of the Basic Multilingual Plane. An empty map (one segment, the
// closing one) answers at once and is not rebuilt. The table is written over
// the old one, which is longer.
void emptyCharacterMap(QByteArray& font) {
    const auto u16 = [&font](qsizetype at) { return (uchar(font[at]) << 8) | uchar(font[at + 1]); };
    const auto u32 = [&u16](qsizetype at) {
        return (quint32(u16(at)) << 16) | quint32(u16(at + 2));
    };
    const auto put32 = [&font](qsizetype at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            font[at + i] = char(v >> (24 - 8 * i));
    };
    // Version 0, one map: Unicode (0), full repertoire (4), at 12; format 12
    // of 16 bytes without any group of characters. (A Unicode map of the
    // Windows platform would do as well for FreeType, but its lookup is
    // slower than this one's, which ends at the group count.)
    static constexpr uchar empty[] = {0, 0,  0, 1, 0, 0, 0, 4,  0, 0, 0, 12, //
                                      0, 12, 0, 0, 0, 0, 0, 16,              //
                                      0, 0,  0, 0, 0, 0, 0, 0};
    constexpr qsizetype size = sizeof(empty);
    if (font.size() < 12)
        return;
    const int tables = u16(4);
    for (int i = 0; i < tables; ++i) {
        const qsizetype at = 12 + 16 * qsizetype(i);
        if (at + 16 > font.size())
            return;
        if (QByteArrayView(font).sliced(at, 4) != "cmap")
            continue;
        const qsizetype offset = u32(at + 8);
        const qsizetype length = u32(at + 12);
        if (length < size || offset > font.size() - length)
            return;
        std::copy(empty, empty + size, font.begin() + offset);
        put32(at + 12, quint32(size));
        quint32 sum = 0;
        for (qsizetype b = 0; b < size; b += 4)
            sum += (quint32(empty[b]) << 24) | (quint32(empty[b + 1]) << 16) |
                   (quint32(empty[b + 2]) << 8) | empty[b + 3];
        put32(at + 4, sum);
        return;
    }
}

} // namespace

struct MusicFont::Face {
    QString path;
    // The file's bytes, which FreeType and the font database read.
    QByteArray data;
    int designSize = 0; // points of staff height; 0 for the braces
    bool loaded = false;
    bool usable = false;
    QRawFont raw; // as the font database gives it
    // The file as FreeType reads it, open while the face is in use: glyphs
    // are looked up by name as they are first needed.
    FT_Library library = nullptr;
    FT_Face ft = nullptr;
    std::map<QString, quint32> indexes;
    // Ems, y up as the font has it: top() is the lowest point, bottom() the
    // highest.
    std::map<quint32, QRectF> boxes;
    // The brace face: how many braces brace0, brace1, ... it holds.
    int braceCount = 0;
    // The raw font at each pixel size asked for.
    std::vector<QRawFont> sizes;

    ~Face() {
        if (ft)
            FT_Done_Face(ft);
        if (library)
            FT_Done_FreeType(library);
    }

    // The glyph of that name (0 when there is none), its box kept.
    quint32 lookup(const QString& name) {
        if (const auto it = indexes.find(name); it != indexes.end())
            return it->second;
        QByteArray latin = name.toLatin1(); // FreeType takes a non-const name
        const FT_UInt index = ft ? FT_Get_Name_Index(ft, latin.data()) : 0;
        FT_BBox b;
        if (index == 0 || FT_Load_Glyph(ft, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0 ||
            ft->glyph->format != FT_GLYPH_FORMAT_OUTLINE ||
            FT_Outline_Get_BBox(&ft->glyph->outline, &b) != 0) {
            indexes[name] = 0;
            return 0;
        }
        const double perEm = ft->units_per_EM;
        indexes[name] = index;
        boxes[index] = QRectF(QPointF(b.xMin / perEm, b.yMin / perEm),
                              QPointF(b.xMax / perEm, b.yMax / perEm));
        return index;
    }

    static QString braceName(int n) { return QStringLiteral("brace%1").arg(n); }
    double braceHeight(int n) { return boxes[lookup(braceName(n))].height(); }
};

MusicFont::MusicFont(QStringList roots) : m_roots(std::move(roots)) {}

MusicFont::~MusicFont() = default;

void MusicFont::locate() {
    if (m_located)
        return;
    m_located = true;
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
    // emmentaler-<design size>.otf
    const QStringList files = QDir(best).entryList({QStringLiteral("emmentaler-*.otf")});
    for (const QString& file : files) {
        bool isSize = false;
        const int size = QStringView(file).sliced(11, file.size() - 15).toInt(&isSize);
        if (!isSize || size <= 0)
            continue;
        auto face = std::make_unique<Face>();
        face->path = best + QLatin1Char('/') + file;
        face->designSize = size;
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

    // Names and boxes come from FreeType.
    QFile file(face.path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    face.data = file.readAll();
    emptyCharacterMap(face.data);
    if (FT_Init_FreeType(&face.library) != 0 ||
        FT_New_Memory_Face(face.library, reinterpret_cast<const FT_Byte*>(face.data.constData()),
                           FT_Long(face.data.size()), 0, &face.ft) != 0 ||
        !FT_HAS_GLYPH_NAMES(face.ft) || face.ft->units_per_EM == 0)
        return false;
    if (face.designSize == 0) {
        // The braces brace0, brace1, ... up to the first name missing, found
        // by doubling and halving rather than one by one.
        int present = -1, missing = 1;
        while (face.lookup(Face::braceName(missing - 1)) != 0 && missing < (1 << 20)) {
            present = missing - 1;
            missing *= 2;
        }
        while (missing - present > 1) {
            const int middle = present + (missing - present) / 2;
            (face.lookup(Face::braceName(middle)) != 0 ? present : missing) = middle;
        }
        face.braceCount = present + 1;
        if (face.braceCount == 0)
            return false;
    } else if (face.lookup(QStringLiteral("clefs.G")) == 0) {
        return false;
    }

    // Drawn through the font database, so that a PDF embeds the face.
    face.usable = false;
    const int id = QFontDatabase::addApplicationFontFromData(face.data);
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
    const bool available = !m_faces.empty() && m_braces;
    if (!available && m_missingReport)
        std::exchange(m_missingReport, nullptr)();
    return available;
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
    const quint32 index = face ? face->lookup(name) : 0;
    return index ? face->boxes[index] : QRectF();
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
    const quint32 index = face ? face->lookup(QLatin1String(name)) : 0;
    if (index == 0)
        return {};
    std::vector<MusicGlyph> glyphs{glyph(*face, index, emTwips, {})};
    const quint32 eight =
        clef == Clef::TrebleOctaveDown ? face->lookup(QStringLiteral("eight")) : 0;
    if (eight != 0) {
        // Centred under the clef, its top a little below the clef's foot.
        const QRectF g = face->boxes[index];
        const QRectF e = face->boxes[eight];
        const double x = emTwips * (g.center().x() - kOctaveScale * e.center().x());
        const double y = emTwips * (-g.top() + kOctaveGap + kOctaveScale * e.bottom());
        glyphs.push_back(glyph(*face, eight, emTwips * kOctaveScale, {x, y}));
    }
    return glyphs;
}

std::vector<MusicGlyph> MusicFont::braceGlyphs(double heightTwips, double emTwips) {
    Face* face = heightTwips > 0 && emTwips > 0 ? braceFace() : nullptr;
    if (!face)
        return {};
    // The brace drawn for this height at this em (the braces grow taller
    // one by one), then sized to span it exactly.
    const double wanted = heightTwips / emTwips;
    int low = 0, high = face->braceCount - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (face->braceHeight(middle) < wanted)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && wanted - face->braceHeight(low - 1) < face->braceHeight(low) - wanted)
        --low;
    const quint32 index = face->lookup(Face::braceName(low));
    const QRectF box = face->boxes[index];
    const double em = heightTwips / box.height();
    return {glyph(*face, index, em, {-box.right() * em, box.bottom() * em})};
}

std::vector<MusicGlyph> MusicFont::bracketTipGlyphs(bool top, double emTwips) {
    Face* face = emTwips > 0 ? faceFor(emTwips) : nullptr;
    const quint32 index = face ? face->lookup(top ? QStringLiteral("brackettips.up")
                                                  : QStringLiteral("brackettips.down"))
                               : 0;
    if (index == 0)
        return {};
    return {glyph(*face, index, emTwips, {})};
}

} // namespace pernoa::output

#pragma once

// Looks into PDF files the way a reader of the page would: through poppler's
// command-line tools (pdfinfo, pdftocairo, pdftotext, pdfimages, pdftoppm),
// independent of the Qt code that wrote them. Also runs the program itself.

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QProcessEnvironment>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace pernoa::test {

inline constexpr double kTwipsPerPoint = 20.0;

// One stroked straight segment, in page twips from the top left corner.
struct Stroke {
    QLineF line;
    double widthPt = 0; // stroke width in points
    QColor colour;
    QString cap; // "butt", "square" or "round"
};

// A glyph drawn from an embedded font, in page twips: its origin and the
// box of its outline.
struct PdfGlyph {
    QPointF origin;
    QRectF box;
};

struct PdfPage {
    QSizeF sizePt;
    QList<Stroke> strokes;
    QList<PdfGlyph> glyphs;
    // The boxes of filled shapes other than glyphs, page twips.
    QList<QRectF> fills;
};

// A word as pdftotext finds it, box in points from the page's top left.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

struct RunResult {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

// Runs a program; the environment is the test's own unless one is given.
RunResult run(const QString& program, const QStringList& args,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
              int timeoutMs = 60000);

// The pernoa executable under test.
QString pernoaPath();
RunResult runPernoa(const QStringList& args,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// Page count from pdfinfo (-1 when the file cannot be read).
int pageCount(const QString& pdf);
// The first page's box (MediaBox) in mm, from pdfinfo -box, to 0.01 pt.
QSizeF pageBoxMm(const QString& pdf);
// Every page's size and strokes, through pdftocairo -svg.
QList<PdfPage> readPages(const QString& pdf);
// The words of one page (1-based) with their boxes.
QList<PdfWord> readWords(const QString& pdf, int page = 1);
// The embedded font names (pdffonts), subset prefixes removed.
QStringList fontNames(const QString& pdf);
// pdfimages -list: the object number of each image drawn, per drawing.
QList<int> imageObjects(const QString& pdf);
// One page rendered at the given resolution.
QImage render(const QString& pdf, int page, int dpi);

// An SVG page as the program writes it: its size in mm from the root
// element, and every straight stroked segment (polylines and paths of
// M and L) in mm from the top left corner, the groups' transforms applied.
struct SvgPage {
    QSizeF sizeMm;
    QList<QLineF> linesMm;
    QStringList texts; // the text elements' contents, in order
};
SvgPage readSvg(const QString& svg);

// What a PNG file says of itself, read from its chunks: the pixel size and
// the pHYs chunk's pixels per metre (0 when it has none).
struct PngInfo {
    QSize pixels;
    int pixelsPerMetreX = 0;
    int pixelsPerMetreY = 0;
    bool perMetre = false; // the unit byte says metres
    int colourType = -1;   // 0 grey, 2 RGB, ...
};
PngInfo readPngInfo(const QString& png);

} // namespace pernoa::test

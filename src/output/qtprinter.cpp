#include "output/qtprinter.h"

#include "engine/formatwords.h"
#include "engine/numberrules.h"
#include "engine/texts.h"
#include "files/fileio.h"
#include "files/texts.h"
#include "output/cupsjob.h"
#include "output/pngwriter.h"
#include "output/texts.h"
#include "overlay/textrun.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace pernoa::output {
namespace {

// The painter's unit: a twentieth of a twip. Coordinates are rounded to it
// (0.0009 mm at most), which lets the PDF writer store whole numbers: they
// are a third as long as fractions and compress far better, so a copy costs
// less than half the space.
constexpr double kUnitsPerTwip = 20.0;
constexpr double kUnitsPerInch = 1440.0 * kUnitsPerTwip;

double toUnits(double twips) {
    return std::round(twips * kUnitsPerTwip);
}

QPointF toUnits(float x, float y) {
    return QPointF(toUnits(x), toUnits(y));
}

// Lines drawn one after the other with the same pen go to the painter
// together, as one path: far cheaper per line than one stroke each.
constexpr std::size_t kMaxBatchedLines = 4096;

[[noreturn]] void fail(const QString& what) {
    throw RuntimeError(RuntimeError::Kind::Device, what);
}

// The causes for output of one kind (a line, a text, a picture) that cannot
// be placed.
struct Placement {
    QString (*notFinite)();
    QString (*beyondDocument)(double units);
};
const Placement kLine{texts::lineNotFinite, texts::lineBeyondDocument};
const Placement kText{texts::textNotFinite, texts::textBeyondDocument};
const Placement kPicture{texts::pictureNotFinite, texts::pictureBeyondDocument};
const Placement kRectangle{texts::rectangleNotFinite, texts::rectangleBeyondDocument};
const Placement kGlyphs{texts::glyphsNotFinite, texts::glyphsBeyondDocument};

void requireFinite(std::initializer_list<double> values, const Placement& what) {
    for (double v : values)
        if (!std::isfinite(v))
            fail(what.notFinite());
}

// How far from the paper's corner the PDF writer can place output, in painter
// units (measured with Qt 6.4). It prints the numbers of a path (lines, and
// the placement of a picture) with an unsigned 32-bit whole part: beyond it
// come operators no reader accepts. It positions the glyphs of a text in 26.6
// fixed point: beyond 2^25 the text silently lands somewhere else. Either
// would be a broken page reported as printed, so such output is refused.
constexpr double kMaxPathUnits = 4294967295.0;
constexpr double kMaxTextUnits = 33554431.0;

void requirePrintable(std::initializer_list<double> units, double limit, const Placement& what) {
    for (double v : units)
        if (!(std::fabs(v) <= limit)) // NaN fails too
            fail(what.beyondDocument(v));
}

// The largest font the painter is given, in painter units to the em. Qt's
// font metrics fail for much larger ones (measured with Qt 6.4, at 400 units
// to the point: from 47 points the ascent came back as -16384, which put the
// text more than its own height too high; at 1638 points the font had fallen
// back to one of empty boxes). A larger text is drawn with a font of this
// size and the painter scaled up: the metrics are those of the outlines,
// unhinted, and scale exactly.
constexpr double kUnitsPerPoint = kUnitsPerTwip * 20.0;
constexpr double kMaxGlyphUnits = 8192.0;

// The face a text starts with when no face has been set: the one the
// program's text items start with.
QString defaultFace() {
    return QString::fromUtf8(face::kDefaultTextFace);
}

// Hands what a stream has buffered on to its file (standard output).
bool flushStream(QIODevice& stream) {
    auto* file = qobject_cast<QFileDevice*>(&stream);
    return !file || file->flush();
}

// What the PDF writer writes, handed straight on to a stream (standard
// output) instead of being gathered: the document is never held whole. The
// PDF writer does not look at what its writes return, so the first one the
// stream refuses (a reader that went away, a full disk) is kept here, every
// later one is dropped, and the job stops at its next page.
class StreamOutput final : public QIODevice {
public:
    explicit StreamOutput(QIODevice& stream) : m_stream(stream) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // Why a write failed, or empty while every write went through.
    const QString& failure() const { return m_failure; }

    // Hands on what the stream still buffers; false when that fails too.
    bool finish() {
        if (m_failure.isEmpty() && !flushStream(m_stream))
            fail();
        return m_failure.isEmpty();
    }

    // Nothing more reaches the stream: an aborted job does not end what it
    // sent with the closing part of a document, so no reader takes the pages
    // so far for the whole.
    void cutOff() { m_cutOff = true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        if (m_cutOff || !m_failure.isEmpty())
            return -1;
        if (m_stream.write(data, size) != size) {
            fail();
            return -1;
        }
        return size;
    }

private:
    void fail() {
        const int error = errno;
        m_failure = m_stream.errorString();
        if (m_failure.isEmpty() || m_failure == QLatin1String("Unknown error"))
            m_failure = qt_error_string(error);
    }

    QIODevice& m_stream;
    QString m_failure;
    bool m_cutOff = false;
};

double pointsPerUnit(QPageSize::Unit unit) {
    switch (unit) {
    case QPageSize::Millimeter:
        return 72.0 / 25.4;
    case QPageSize::Point:
        return 1.0;
    case QPageSize::Inch:
        return 72.0;
    case QPageSize::Pica:
        return 12.0;
    case QPageSize::Didot:
        return 1.07;
    case QPageSize::Cicero:
        return 12.84;
    }
    return 1.0;
}

// The page of a layout in points as the paper is, from the size's own
// definition (Qt's other sizes are rounded to whole points or to 0.01 mm).
QSizeF exactPoints(const QPageLayout& layout) {
    const QPageSize size = layout.pageSize();
    const QSizeF points = size.definitionSize() * pointsPerUnit(size.definitionUnits());
    return layout.orientation() == QPageLayout::Landscape ? points.transposed() : points;
}

QSizeF exactMm(const QPageLayout& layout) {
    return exactPoints(layout) * (25.4 / 72.0);
}

// Between Qt's PDF writer and where the document goes. Qt writes a page's box
// in whole points; this puts the paper's own size in its place, as text of
// the same length, so that every byte offset the writer has counted stays
// right. The last few bytes are held back until the next write, so that a box
// split across two writes is found as well.
class PageBoxFilter final : public QIODevice {
public:
    explicit PageBoxFilter(QIODevice& target) : m_target(target) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // The box Qt writes for a page of this layout, and what goes in its place.
    void expect(const QPageLayout& layout) {
        const QSize rounded = layout.fullRectPoints().size();
        const QSizeF exact = exactPoints(layout);
        const QByteArray from = "/MediaBox [0 0 " +
                                QByteArray::number(double(rounded.width()), 'f') + ' ' +
                                QByteArray::number(double(rounded.height()), 'f') + ']';
        const QByteArray numbers = QByteArray::number(exact.width(), 'f', 6) + ' ' +
                                   QByteArray::number(exact.height(), 'f', 6) + ']';
        const QByteArray start = "/MediaBox [0 0 ";
        const qsizetype padding = from.size() - start.size() - numbers.size();
        if (padding < 0)
            return; // cannot happen for sizes rounded to the nearest point
        const QByteArray to = start + QByteArray(padding, ' ') + numbers;
        if (to == from)
            return;
        for (const auto& box : std::as_const(m_boxes))
            if (box.first == from)
                return;
        m_boxes.append({from, to});
        m_holdBack = std::max(m_holdBack, from.size() - 1);
    }

    // Hands on what is held back; false when the target refused a write.
    bool finish() {
        pass(m_held.size());
        return !m_failed;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        m_held.append(data, size);
        for (const auto& box : std::as_const(m_boxes))
            m_held.replace(box.first, box.second);
        pass(m_held.size() - m_holdBack);
        return m_failed ? -1 : size;
    }

private:
    void pass(qsizetype count) {
        if (count <= 0)
            return;
        if (!m_failed && m_target.write(m_held.constData(), count) != count)
            m_failed = true;
        m_held.remove(0, count);
    }

    QIODevice& m_target;
    QList<std::pair<QByteArray, QByteArray>> m_boxes;
    QByteArray m_held;
    qsizetype m_holdBack = 0;
    bool m_failed = false;
};

} // namespace

QSize pngPixelSize(const QSizeF& paperMm, int dpi) {
    return QSize(qRound(paperMm.width() / 25.4 * dpi), qRound(paperMm.height() / 25.4 * dpi));
}

qint64 pngBytes(const QSize& pixels) {
    // A page is drawn in grey, a byte a pixel, and in colour (four) from the
    // first coloured thing on, the grey page held while it is copied.
    return qint64(pixels.width()) * qint64(pixels.height()) * 5;
}

QPageSize pageSizeOf(const PaperSize& paper) {
    if (paper.pageSizeId != QPageSize::Custom)
        return QPageSize(paper.pageSizeId);
    if (!(paper.widthMm > 0 && paper.heightMm > 0)) // NaN too
        return QPageSize();
    return QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter,
                     QString::fromLatin1(paper.name), QPageSize::ExactMatch);
}

QString documentTitle() {
    return pernoa::texts::appTitle();
}

// ---------------------------------------------------------------------------
// Printer list

QStringList QtPrinterList::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinterList::systemDefaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

bool QtPrinterList::schedulerRunning() {
    return cups::schedulerRunning();
}

QString QtPrinterList::currentPrinterName() const {
    return m_chosen.isEmpty() ? systemDefaultPrinter() : m_chosen;
}

void QtPrinterList::setCurrentPrinter(const QString& name) {
    if (!name.isEmpty() && printerNames().contains(name))
        m_chosen = name;
}

// ---------------------------------------------------------------------------
// One job in progress

struct QtPrinter::Job {
    // Declared so that the painter ends before the writer goes, and the writer
    // before the file it writes to.
    std::unique_ptr<QSaveFile> file;        // file mode
    std::unique_ptr<StreamOutput> stream;   // stream mode
    std::unique_ptr<QTemporaryFile> spool;  // printer mode
    QString printer;                        // printer mode
    QString media;                          // printer mode: the printer's name for the paper
    std::unique_ptr<PageBoxFilter> pageBox; // PDF: the exact page box
    std::unique_ptr<QPdfWriter> writer;     // PDF
    std::unique_ptr<QSvgGenerator> svg;     // SVG
    std::unique_ptr<QImage> image;          // PNG
    QPainter painter;

    // Device pixels per inch, and the resolution a line width in device
    // pixels is taken at (the device's own for a PDF or a printer).
    int dpi = kPdfResolution;
    int lineDpi = kPdfResolution;
    QPageLayout layout; // of the page being drawn
    int pages = 1;      // pages begun, the open one included
    // newPage() calls not yet carried out: the page break happens only when
    // something is drawn after it, so the break after the last copy does not
    // leave a blank page at the end of the job.
    int pendingBreaks = 0;

    // Lines not yet handed to the painter, all with this pen.
    std::vector<QLineF> lines;
    QPen linePen;

    // The glyph fonts of the job at the sizes the painter draws them: a raw
    // font as given, and the same at the size in painter units.
    std::vector<std::pair<QRawFont, QRawFont>> glyphFonts;

    void flushLines() {
        if (lines.empty())
            return;
        if (painter.pen() != linePen)
            painter.setPen(linePen);
        painter.drawLines(lines.data(), int(lines.size()));
        lines.clear();
    }

    ~Job() {
        if (painter.isActive())
            painter.end();
    }
};

QtPrinter::QtPrinter(const IPrinterList& printers) : m_printers(&printers) {}

QtPrinter::QtPrinter(const QString& path, FileFormat format) : m_pdfPath(path), m_format(format) {}

QtPrinter::QtPrinter(QIODevice& stream) : m_stream(&stream) {}

QtPrinter::~QtPrinter() {
    // A job still open here was neither ended nor aborted: it is dropped.
    abortDoc();
}

namespace {

double pointsPerUnit(QPageLayout::Unit unit) {
    switch (unit) {
    case QPageLayout::Millimeter:
        return 72.0 / 25.4;
    case QPageLayout::Point:
        return 1.0;
    case QPageLayout::Inch:
        return 72.0;
    case QPageLayout::Pica:
        return 12.0;
    case QPageLayout::Didot:
        return 1.07;
    case QPageLayout::Cicero:
        return 12.84;
    }
    return 1.0;
}

} // namespace

QMarginsF QtPrinter::unprintableMargins(const PaperSize& paper, Orientation orientation) const {
    if (isPdf())
        return {};
    const QString name = m_printers->currentPrinterName();
    const QPageSize size = pageSizeOf(paper);
    if (m_strips && m_strips->printer == name && m_strips->size == size &&
        m_strips->orientation == orientation)
        return m_strips->margins;

    QMarginsF twips;
    const QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (size.isValid() && !info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
        if (printer.setPageSize(size)) {
            const QPageLayout layout = printer.pageLayout();
            twips = layout.minimumMargins() * (pointsPerUnit(layout.units()) * 20.0);
        }
    }
    m_strips = Strips{name, size, orientation, twips};
    return twips;
}

QPageLayout QtPrinter::pageLayout() const {
    QPageLayout layout(m_pageSize, m_orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void QtPrinter::startJob() {
    auto job = std::make_unique<Job>();
    job->layout = pageLayout();

    // An SVG or PNG page: the file, then the drawing's own device.
    if (isPdf() && !m_stream && m_format != FileFormat::Pdf) {
        const QSizeF mm = exactMm(job->layout);
        QSize pixels;
        if (m_format == FileFormat::Png) {
            if (m_pngDpi < kMinPngDpi || m_pngDpi > kMaxPngDpi)
                fail(texts::pngResolutionNotSupported(m_pngDpi));
            pixels = pngPixelSize(mm, m_pngDpi);
            // Refused before anything is written or taken.
            if (pngBytes(pixels) > kMaxPngBytes)
                fail(texts::pngTooLarge(num::toText(pixels.width()), num::toText(pixels.height()),
                                        num::toGroupedText(double(pngBytes(pixels)) / (1 << 20)),
                                        num::toGroupedText(double(kMaxPngBytes) / (1 << 20))));
        }
        if (!isWritableFilePath(m_pdfPath))
            fail(files::texts::cannotWriteFile(m_pdfPath, files::texts::notRegularFile()));
        job->file = std::make_unique<QSaveFile>(m_pdfPath);
        if (!job->file->open(QIODevice::WriteOnly))
            fail(files::texts::cannotWriteFile(m_pdfPath, job->file->errorString()));
        job->lineDpi = kPdfResolution;
        if (m_format == FileFormat::Svg) {
            // Drawn in the painter's own units (no transform, whole numbers),
            // so that the six digits the generator writes hold a hundredth
            // of a millimetre on the largest paper.
            job->dpi = int(kUnitsPerInch);
            const QSize units(qRound(mm.width() / 25.4 * kUnitsPerInch),
                              qRound(mm.height() / 25.4 * kUnitsPerInch));
            job->svg = std::make_unique<QSvgGenerator>();
            job->svg->setOutputDevice(job->file.get());
            job->svg->setResolution(job->dpi);
            job->svg->setSize(units);
            job->svg->setViewBox(QRect(QPoint(0, 0), units));
            job->svg->setTitle(documentTitle());
            job->svg->setDescription(documentTitle());
            if (!job->painter.begin(job->svg.get()))
                fail(texts::cannotStartSvg());
        } else {
            job->dpi = m_pngDpi;
            // Grey until something in colour is drawn: a quarter of the
            // memory, and a grey PNG written in a fraction of the time.
            try {
                job->image = std::make_unique<QImage>(pixels, QImage::Format_Grayscale8);
            } catch (const std::bad_alloc&) {
                job->image.reset();
            }
            if (!job->image || job->image->isNull())
                fail(texts::pngOutOfMemory(pixels.width(), pixels.height()));
            job->image->fill(0xff);
            if (!job->painter.begin(job->image.get()))
                fail(texts::cannotStartPng());
            job->painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        }
        placePage(*job);
        m_resolution = job->dpi;
        m_job = std::move(job);
        return;
    }

    QIODevice* device = nullptr;
    if (m_stream) {
        job->dpi = kPdfResolution;
        job->stream = std::make_unique<StreamOutput>(*m_stream);
        device = job->stream.get();
    } else if (isPdf()) {
        job->dpi = kPdfResolution;
        // The replace would put a regular file in place of a FIFO or a device.
        if (!isWritableFilePath(m_pdfPath))
            fail(files::texts::cannotWriteFile(m_pdfPath, files::texts::notRegularFile()));
        job->file = std::make_unique<QSaveFile>(m_pdfPath);
        if (!job->file->open(QIODevice::WriteOnly))
            fail(files::texts::cannotWriteFile(m_pdfPath, job->file->errorString()));
        device = job->file.get();
    } else {
        job->printer = m_printers->currentPrinterName();
        if (job->printer.isEmpty())
            fail(QtPrinterList::schedulerRunning() ? texts::noPrinterInstalled()
                                                   : texts::noScheduler());
        const QPrinterInfo info = QPrinterInfo::printerInfo(job->printer);
        if (info.isNull())
            fail(texts::printerNotInstalled(job->printer));

        // The printer's own name for the paper; a paper it does not list is
        // refused unless it takes any size.
        const QList<QPageSize> sizes = info.supportedPageSizes();
        for (const QPageSize& size : sizes) {
            if (size.isEquivalentTo(m_pageSize)) {
                job->media = size.key();
                break;
            }
        }
        if (job->media.isEmpty()) {
            if (!sizes.isEmpty() && !info.supportsCustomPageSizes())
                fail(texts::printerLacksPaper(job->printer, m_pageSize.name()));
            job->media = m_pageSize.key();
        }

        const int dpi = cups::defaultResolution(job->printer);
        job->dpi = dpi > 0 ? dpi : kPdfResolution;

        job->spool = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                      QStringLiteral("/pernoa-job-XXXXXX.pdf"));
        if (!job->spool->open())
            fail(texts::cannotCreateSpoolFile(job->spool->errorString()));
        device = job->spool.get();
    }
    job->lineDpi = job->dpi;

    job->pageBox = std::make_unique<PageBoxFilter>(*device);
    job->pageBox->expect(job->layout);
    job->writer = std::make_unique<QPdfWriter>(job->pageBox.get());
    job->writer->setResolution(job->dpi);
    job->writer->setTitle(documentTitle());
    job->writer->setCreator(documentTitle());
    if (!job->writer->setPageLayout(job->layout))
        fail(texts::pageLayoutRefused());
    if (!job->painter.begin(job->writer.get()))
        fail(texts::cannotStartDrawing());
    placePage(*job);

    m_resolution = job->dpi;
    m_job = std::move(job);
}

void QtPrinter::drawInColour(Job& job, const QColor& colour, const QImage* picture) const {
    if (!job.image || job.image->format() != QImage::Format_Grayscale8)
        return;
    const bool grey = colour.red() == colour.green() && colour.green() == colour.blue();
    if (grey && !(picture && !picture->allGray()))
        return;
    job.flushLines();
    job.painter.end();
    QImage coloured = job.image->convertToFormat(QImage::Format_RGB32);
    if (coloured.isNull())
        fail(texts::pngInColourOutOfMemory(job.image->width(), job.image->height()));
    *job.image = std::move(coloured);
    if (!job.painter.begin(job.image.get()))
        fail(texts::cannotContinuePng());
    job.painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    placePage(job);
}

void QtPrinter::placePage(Job& job) const {
    job.painter.resetTransform();
    if (job.writer) {
        // Qt's writer measures the page from the bottom of its rounded box;
        // the box written is the paper's own, so the page is moved by the
        // difference to stand at the paper's top.
        const double rounded = job.layout.fullRectPoints().height();
        const double shift = (rounded - exactPoints(job.layout).height()) * job.dpi / 72.0;
        job.painter.translate(0, shift);
    }
    // Painter units from the paper's corner to device pixels.
    const double scale = job.dpi / kUnitsPerInch;
    job.painter.scale(scale, scale);
    if (!isPdf())
        job.painter.scale(m_scaleX, m_scaleY);
}

QtPrinter::Job& QtPrinter::output() {
    if (!m_job)
        startJob();
    Job& job = *m_job;
    job.flushLines();
    while (job.pendingBreaks > 0) {
        if (!job.writer)
            fail(m_format == FileFormat::Svg ? texts::svgHoldsOnePage() : texts::pngHoldsOnePage());
        const QPageLayout next = pageLayout();
        if (next != job.layout) {
            job.pageBox->expect(next);
            if (!job.writer->setPageLayout(next))
                fail(texts::pageLayoutRefused());
            job.layout = next;
        }
        if (!job.writer->newPage())
            fail(texts::cannotStartPage());
        placePage(job);
        // The page just finished has gone to the stream, or failed to.
        if (job.stream && !job.stream->failure().isEmpty())
            fail(texts::cannotWriteDocument(job.stream->failure()));
        --job.pendingBreaks;
        ++job.pages;
    }
    return job;
}

// ---------------------------------------------------------------------------
// Settings of the following output

void QtPrinter::setPaperSize(const PaperSize& paper) try {
    if (!m_failure.isEmpty())
        return;
    const QPageSize size = pageSizeOf(paper);
    if (!size.isValid())
        fail(texts::paperNotSupported(QString::fromLatin1(paper.name)));
    m_pageSize = size;
} catch (...) {
    keepFailure();
}

void QtPrinter::setOrientation(Orientation orientation) try {
    if (!m_failure.isEmpty())
        return;
    switch (orientation) {
    case Orientation::Portrait:
        m_orientation = QPageLayout::Portrait;
        return;
    case Orientation::Landscape:
        m_orientation = QPageLayout::Landscape;
        return;
    }
    fail(texts::orientationNotSupported(int(orientation)));
} catch (...) {
    keepFailure();
}

void QtPrinter::setUnitTwips() {
    // Twips are the only unit of this printer.
}

void QtPrinter::setScaleCorrection(double x, double y) try {
    if (!m_failure.isEmpty())
        return;
    if (!(x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)))
        fail(texts::scaleCorrectionNotSupported(x, y));
    m_scaleX = x;
    m_scaleY = y;
} catch (...) {
    keepFailure();
}

void QtPrinter::setLineWidth(int devicePixels) try {
    if (!m_failure.isEmpty())
        return;
    if (devicePixels < 1)
        fail(texts::lineWidthNotSupported(devicePixels));
    m_lineWidth = devicePixels;
} catch (...) {
    keepFailure();
}

void QtPrinter::beginDoc() try {
    if (!m_failure.isEmpty())
        return;
    if (!m_job)
        startJob();
} catch (...) {
    keepFailure();
}

void QtPrinter::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    drawWideLine(x1, y1, x2, y2, 1.0, colour);
}

void QtPrinter::drawWideLine(float x1, float y1, float x2, float y2, double widthRatio,
                             const QColor& colour) try {
    if (!m_failure.isEmpty())
        return;
    if (!(widthRatio > 0) || !std::isfinite(widthRatio))
        fail(texts::lineWidthRatioNotSupported(widthRatio));
    const QPointF from = toUnits(x1, y1);
    const QPointF to = toUnits(x2, y2);
    requirePrintable({from.x(), from.y(), to.x(), to.y()}, kMaxPathUnits, kLine);
    Job* job = m_job.get();
    if (!job || job->pendingBreaks > 0 || job->lines.size() >= kMaxBatchedLines)
        job = &output();
    // Flat ends: the line covers exactly its length, as laid out.
    double width = m_lineWidth * widthRatio * kUnitsPerInch / job->lineDpi;
    // A picture of low resolution keeps its lines visible: a pixel at least.
    if (job->image)
        width = std::max(width, kUnitsPerInch / job->dpi);
    drawInColour(*job, colour);
    if (job->lines.empty() || job->linePen.color() != colour || job->linePen.widthF() != width) {
        job->flushLines();
        job->linePen = QPen(colour, width, Qt::SolidLine, Qt::FlatCap);
    }
    job->lines.emplace_back(from, to);
} catch (...) {
    keepFailure();
}

void QtPrinter::fillRect(float x, float y, float width, float height, const QColor& colour) try {
    if (!m_failure.isEmpty())
        return;
    requireFinite({x, y, width, height}, kRectangle);
    const QRectF target(toUnits(x), toUnits(y), toUnits(width), toUnits(height));
    requirePrintable({target.left(), target.top(), target.right(), target.bottom()}, kMaxPathUnits,
                     kRectangle);
    Job& job = output();
    drawInColour(job, colour);
    job.painter.fillRect(target, colour);
} catch (...) {
    keepFailure();
}

void QtPrinter::drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) try {
    if (!m_failure.isEmpty())
        return;
    const QRawFont font = glyphs.rawFont();
    if (!font.isValid() || !std::isfinite(font.pixelSize()) || font.pixelSize() <= 0)
        fail(texts::glyphsWithoutFont());
    // As with text, the font is set up at no more than kMaxGlyphUnits to the
    // em and the painter scaled up for larger sizes.
    const double units = font.pixelSize() * kUnitsPerTwip;
    const double glyphScale = std::max(1.0, units / kMaxGlyphUnits);
    QList<QPointF> positions = glyphs.positions();
    for (QPointF& p : positions) {
        requireFinite({p.x(), p.y()}, kGlyphs);
        p = QPointF(toUnits(p.x()), toUnits(p.y()));
        requirePrintable({p.x(), p.y()}, kMaxTextUnits, kGlyphs);
        p /= glyphScale;
    }
    Job& job = output();
    drawInColour(job, colour);
    QRawFont* sized = nullptr;
    for (auto& [given, atSize] : job.glyphFonts)
        if (given == font && atSize.pixelSize() == units / glyphScale)
            sized = &atSize;
    if (!sized) {
        QRawFont atSize = font;
        atSize.setPixelSize(units / glyphScale);
        job.glyphFonts.emplace_back(font, atSize);
        sized = &job.glyphFonts.back().second;
    }
    if (job.svg) {
        // An SVG holds text by its characters, and music signs have none: they
        // go in as their outlines.
        QPainterPath outlines;
        const QList<quint32> indexes = glyphs.glyphIndexes();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i)
            outlines.addPath(sized->pathForGlyph(indexes[i]).translated(positions[i]));
        job.painter.save();
        job.painter.scale(glyphScale, glyphScale);
        job.painter.fillPath(outlines, colour);
        job.painter.restore();
        return;
    }
    QGlyphRun run;
    run.setRawFont(*sized);
    run.setGlyphIndexes(glyphs.glyphIndexes());
    run.setPositions(positions);
    job.painter.setPen(QPen(colour));
    if (glyphScale > 1) {
        job.painter.save();
        job.painter.scale(glyphScale, glyphScale);
        job.painter.drawGlyphRun(QPointF(0, 0), run);
        job.painter.restore();
    } else {
        job.painter.drawGlyphRun(QPointF(0, 0), run);
    }
} catch (...) {
    keepFailure();
}

void QtPrinter::setCurrentX(float twips) {
    m_x = twips;
}

void QtPrinter::setCurrentY(float twips) {
    m_y = twips;
}

void QtPrinter::setFontName(const QString& face) {
    m_fontFace = face;
}

void QtPrinter::setFontSize(double points) try {
    if (!m_failure.isEmpty())
        return;
    if (!std::isfinite(points) || points <= 0)
        fail(texts::fontSizeNotSupported(points));
    m_fontPoints = points;
} catch (...) {
    keepFailure();
}

void QtPrinter::setFontBold(bool bold) {
    m_bold = bold;
}

void QtPrinter::setFontItalic(bool italic) {
    m_italic = italic;
}

void QtPrinter::setFontUnderline(bool underline) {
    m_underline = underline;
}

void QtPrinter::setForeColor(const QColor& colour) {
    m_foreColor = colour;
}

void QtPrinter::printLine(const QString& line) try {
    if (!m_failure.isEmpty())
        return;
    requireFinite({m_x, m_y}, kText);
    const double x = m_x * kUnitsPerTwip;
    if (!line.isEmpty())
        requirePrintable({x, m_y * kUnitsPerTwip}, kMaxTextUnits, kText);
    Job& job = output();
    drawInColour(job, m_foreColor);
    // The font is set up at no more than kMaxGlyphUnits to the em and the
    // painter scaled up to the size asked for (see kMaxGlyphUnits).
    const double glyphScale = std::max(1.0, m_fontPoints * kUnitsPerPoint / kMaxGlyphUnits);
    QFont font(m_fontFace.isEmpty() ? defaultFace() : m_fontFace);
    // The painter works in twips, 1440 per inch, while Qt sizes a font for
    // the device's own resolution: scaled so that the text comes out at the
    // size asked for.
    font.setPointSizeF(m_fontPoints / glyphScale * kUnitsPerInch / job.dpi);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    font.setUnderline(m_underline);
    // An SVG names the face a viewer should use: the installed one that
    // stands in for a Windows face name, which no viewer here would know.
    if (job.svg)
        font.setFamily(QFontInfo(font).family());
    job.painter.setFont(font);
    job.painter.setPen(QPen(m_foreColor));
    const QFontMetricsF metrics(job.painter.font(), job.painter.device());
    if (!line.isEmpty()) {
        // From here on in the font's own units.
        const double left = x / glyphScale;
        const double baseline = m_y * kUnitsPerTwip / glyphScale + metrics.ascent();
        const double paperRight =
            job.layout.fullRect(QPageLayout::Point).width() * kUnitsPerPoint / glyphScale;
        const overlay::TextRun run =
            overlay::runToTheEdge(metrics, line, left, paperRight, kMaxTextUnits);
        requirePrintable({baseline, left + run.advance, run.advance}, kMaxTextUnits, kText);
        const QString shown = run.length < line.size() ? line.left(run.length) : line;
        if (glyphScale > 1) {
            job.painter.save();
            job.painter.scale(glyphScale, glyphScale);
            job.painter.drawText(QPointF(left, baseline), shown);
            job.painter.restore();
        } else {
            job.painter.drawText(QPointF(left, baseline), shown);
        }
    }
    m_y = float(m_y + metrics.lineSpacing() * glyphScale / kUnitsPerTwip);
    m_x = 0;
} catch (...) {
    keepFailure();
}

void QtPrinter::paintPicture(const QImage& picture, float x, float y, float width,
                             float height) try {
    if (!m_failure.isEmpty())
        return;
    requireFinite({x, y, width, height}, kPicture);
    const QRectF target(x * kUnitsPerTwip, y * kUnitsPerTwip, width * kUnitsPerTwip,
                        height * kUnitsPerTwip);
    if (!picture.isNull())
        requirePrintable({target.left(), target.top(), target.right(), target.bottom()},
                         kMaxPathUnits, kPicture);
    Job& job = output();
    if (picture.isNull())
        return;
    drawInColour(job, Qt::white, &picture);
    // The caller's image itself, not a copy: a PDF then stores a picture that
    // appears on every copy only once.
    job.painter.drawImage(target, picture);
} catch (...) {
    keepFailure();
}

// ---------------------------------------------------------------------------
// Pages and jobs

void QtPrinter::newPage() try {
    if (!m_failure.isEmpty())
        return;
    if (!m_job)
        startJob();
    ++m_job->pendingBreaks;
} catch (...) {
    keepFailure();
}

void QtPrinter::endDoc() try {
    if (!m_failure.isEmpty())
        return;
    if (!m_job)
        return;
    // Every copy ends with a page break: the last one starts no page, but
    // breaks before it (blank copies) still give their pages.
    if (m_job->pendingBreaks > 0)
        --m_job->pendingBreaks;
    output();
    finishJob();
} catch (...) {
    keepFailure();
}

void QtPrinter::finishJob() {
    std::unique_ptr<Job> job = std::move(m_job);
    if (!job->painter.end())
        fail(texts::cannotFinishDocument());
    job->writer.reset();
    job->svg.reset();
    if (job->pageBox && !job->pageBox->finish() && job->spool)
        fail(texts::cannotWriteSpoolFile(job->spool->errorString()));

    if (job->stream) {
        if (!job->stream->finish())
            fail(texts::cannotWriteDocument(job->stream->failure()));
    } else if (job->file) {
        bool shortWrite = false;
        if (job->image) {
            // A write that fails, or is cut short (the file size limit),
            // leaves its reason with the file.
            shortWrite = !writePng(*job->file, *job->image, job->dpi).isEmpty();
            job->image.reset();
        }
        // The end of the document is still in the write buffer. The commit
        // would rename even when writing it fails (a full disk, the file size
        // limit), putting a cut-off document in place of the old file.
        if (shortWrite || !job->file->flush() || job->file->error() != QFileDevice::NoError) {
            // The system's reason (a full disk, the file size limit) when Qt
            // kept none of its own.
            const QString why = failureReason(*job->file);
            job->file->cancelWriting();
            job->file->commit();
            fail(files::texts::cannotWriteFile(m_pdfPath, why));
        }
        takeOverPermissions(*job->file, m_pdfPath);
        if (!job->file->commit())
            fail(files::texts::cannotWriteFile(m_pdfPath, job->file->errorString()));
    } else {
        if (!job->spool->flush() || job->spool->error() != QFileDevice::NoError)
            fail(texts::cannotWriteSpoolFile(job->spool->errorString()));
        cups::submitPdf(job->printer, job->spool->fileName(), documentTitle(), job->media);
    }
    ++m_jobsDelivered;
    m_lastJobPages = job->pages;
}

void QtPrinter::keepFailure() {
    // Called from a handler: the exception is thrown again to read it.
    try {
        throw;
    } catch (const RuntimeError& error) {
        m_failure = QString::fromStdString(error.what());
    } catch (const std::bad_alloc&) {
        m_failure = pernoa::texts::outOfMemory();
    } catch (...) {
    }
    if (m_failure.isEmpty())
        m_failure = texts::printerFailed();
}

void QtPrinter::abortDoc() noexcept {
    m_failure.clear();
    if (!m_job)
        return;
    std::unique_ptr<Job> job = std::move(m_job);
    try {
        if (job->stream)
            job->stream->cutOff();
        job->painter.end();
        job->writer.reset();
        job->svg.reset();
        if (job->file)
            job->file->cancelWriting();
    } catch (...) {
        // Dropping the job must not fail; whatever is left is discarded below.
    }
    // The spool file and an uncommitted PDF are removed with the job.
}

} // namespace pernoa::output

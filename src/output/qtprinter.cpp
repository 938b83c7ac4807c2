#include "output/qtprinter.h"

#include "engine/formatwords.h"
#include "engine/numberrules.h"
#include "engine/texts.h"
#include "files/fileio.h"
#include "files/texts.h"
#include "output/cupsjob.h"
#include "output/texts.h"
#include "overlay/textrun.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
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

} // namespace

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
    std::unique_ptr<QSaveFile> pdfFile;    // PDF mode
    std::unique_ptr<StreamOutput> stream;  // stream mode
    std::unique_ptr<QTemporaryFile> spool; // printer mode
    QString printer;                       // printer mode
    QString media;                         // printer mode: the printer's name for the paper
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;

    int dpi = kPdfResolution;
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

QtPrinter::QtPrinter(const QString& pdfPath) : m_pdfPath(pdfPath) {}

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
        job->pdfFile = std::make_unique<QSaveFile>(m_pdfPath);
        if (!job->pdfFile->open(QIODevice::WriteOnly))
            fail(files::texts::cannotWriteFile(m_pdfPath, job->pdfFile->errorString()));
        device = job->pdfFile.get();
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

    job->writer = std::make_unique<QPdfWriter>(device);
    job->writer->setResolution(job->dpi);
    job->writer->setTitle(documentTitle());
    job->writer->setCreator(documentTitle());
    if (!job->writer->setPageLayout(job->layout))
        fail(texts::pageLayoutRefused());
    if (!job->painter.begin(job->writer.get()))
        fail(texts::cannotStartDrawing());
    // Painter units from the paper's corner to device pixels.
    const double scale = job->dpi / kUnitsPerInch;
    job->painter.scale(scale, scale);

    m_resolution = job->dpi;
    m_job = std::move(job);
}

QtPrinter::Job& QtPrinter::output() {
    if (!m_job)
        startJob();
    Job& job = *m_job;
    job.flushLines();
    while (job.pendingBreaks > 0) {
        const QPageLayout next = pageLayout();
        if (next != job.layout) {
            if (!job.writer->setPageLayout(next))
                fail(texts::pageLayoutRefused());
            job.layout = next;
        }
        if (!job.writer->newPage())
            fail(texts::cannotStartPage());
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
    const double width = m_lineWidth * widthRatio * kUnitsPerInch / job->dpi;
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
    output().painter.fillRect(target, colour);
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

    if (job->stream) {
        if (!job->stream->finish())
            fail(texts::cannotWriteDocument(job->stream->failure()));
    } else if (job->pdfFile) {
        // The end of the document is still in the write buffer. The commit
        // would rename even when writing it fails (a full disk, the file size
        // limit), putting a cut-off document in place of the old file.
        if (!job->pdfFile->flush() || job->pdfFile->error() != QFileDevice::NoError) {
            // The system's reason (a full disk, the file size limit) when Qt
            // kept none of its own.
            const QString why = failureReason(*job->pdfFile);
            job->pdfFile->cancelWriting();
            job->pdfFile->commit();
            fail(files::texts::cannotWriteFile(m_pdfPath, why));
        }
        takeOverPermissions(*job->pdfFile, m_pdfPath);
        if (!job->pdfFile->commit())
            fail(files::texts::cannotWriteFile(m_pdfPath, job->pdfFile->errorString()));
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
        if (job->pdfFile)
            job->pdfFile->cancelWriting();
    } catch (...) {
        // Dropping the job must not fail; whatever is left is discarded below.
    }
    // The spool file and an uncommitted PDF are removed with the job.
}

} // namespace pernoa::output

#pragma once

#include "engine/surfaces.h"

#include <QColor>
#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QIODevice;

namespace pernoa::output {

// Qt's page size for a paper: its own id, or for a size the user gives its
// millimetres (an invalid page size when they hold no area).
QPageSize pageSizeOf(const PaperSize& paper);

// A PDF has no device pixels of its own: line widths in device pixels are
// taken at this resolution, so thin, normal and thick lines are 1, 2 and 3
// six-hundredths of an inch wide. SVG and PNG pages take the same widths (a
// PNG at least one of its pixels).
inline constexpr int kPdfResolution = 600;

// What a file job writes: a PDF document (one page per copy), or one page as
// an SVG drawing or a PNG picture.
enum class FileFormat { Pdf, Svg, Png };

// The resolutions a PNG page may have, in dots per inch, and the one it has
// unless asked otherwise.
inline constexpr int kMinPngDpi = 50;
inline constexpr int kMaxPngDpi = 1200;
inline constexpr int kDefaultPngDpi = 300;
// The most memory a PNG page may take while it is drawn (pngBytes()).
inline constexpr qint64 kMaxPngBytes = qint64(1) << 30;

// The size in pixels of a PNG page of this paper size in mm at dpi, and the
// memory it takes while drawn.
QSize pngPixelSize(const QSizeF& paperMm, int dpi);
qint64 pngBytes(const QSize& pixels);

// The program's title on print jobs and in PDF documents.
QString documentTitle();

// The system's printers through Qt's print support; the current printer is
// the system's default until the program makes another one current.
class QtPrinterList : public IPrinterList {
public:
    QStringList printerNames() const override;
    QString currentPrinterName() const override;
    // A name that is not installed leaves the current printer as it was.
    void setCurrentPrinter(const QString& name) override;
    bool schedulerAnswers() const override { return schedulerRunning(); }

    // The system's default printer ("" when there is none).
    static QString systemDefaultPrinter();
    // False when no print scheduler answers: then no printer can be listed,
    // which is not the same as none being installed.
    static bool schedulerRunning();

private:
    QString m_chosen;
};

// The printer the staff engine draws on, realised with QPainter on a PDF
// paint device (an SVG generator, an image for those files). A job starts
// with beginDoc() or else the first output after the last endDoc() or
// abortDoc(), and is handed on only by endDoc():
// - printer mode: the job is spooled to a temporary PDF and submitted to the
//   current printer of the list as one print job at endDoc(), at actual size
//   (no fitting to the page), drawn with the scale correction; an aborted job
//   is never submitted;
// - file mode: the job is written to the file, which replaces the file at
//   endDoc(); an aborted job leaves any earlier file untouched. Only a regular
//   file or a new path is written: a FIFO or a device is refused. An SVG or
//   PNG file holds one page: a job that goes on to a second page fails. The
//   SVG is in twentieths of a twip, its size in mm; the PNG carries its
//   resolution (pHYs) and is refused beyond kMaxPngBytes before anything is
//   drawn.
// - stream mode (a PDF mode): the document goes to the stream as it is
//   written, page by page, and is never held whole; the job stops at the
//   first page after a write the stream refused (a reader that went away).
//   An aborted job leaves the stream with the pages written so far.
//
// A PDF's page box is the paper in points, to the millionth (Qt's writer
// rounds it to whole points, which put A4 0.1 mm narrow and a size of the
// user's up to 0.18 mm off: the adapter writes the paper's own size in its
// place, of the same length, and places the page on it).
//
// Coordinates are twips from the paper's top left corner (the whole paper,
// not its printable area). A line width is in device pixels of the job's
// resolution: the printer's own, or kPdfResolution for a PDF. Output placed
// farther from the corner than the document can hold (lines and pictures
// past about 214,000,000 twips, text past about 1,670,000, a line of text
// whose glyphs from its start to the paper would run longer than that) is
// refused rather than written wrongly. A line of text is drawn only as far as
// a little past the paper's right edge. Failures are raised inside the
// adapter and kept as the job's failure() at the operation that met them;
// nothing is thrown to the caller.
class QtPrinter : public IPrinter {
public:
    // Prints every job on the list's current printer as it is when the job
    // starts.
    explicit QtPrinter(const IPrinterList& printers);
    // Writes every job to the file at path.
    explicit QtPrinter(const QString& path, FileFormat format = FileFormat::Pdf);
    // Writes every finished job to an open stream (standard output).
    explicit QtPrinter(QIODevice& stream);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setPaperSize(const PaperSize& paper) override;
    void setOrientation(Orientation orientation) override;
    void setUnitTwips() override;
    void setLineWidth(int devicePixels) override;
    // Kept for the next job; printer mode only.
    void setScaleCorrection(double x, double y) override;
    // The resolution of the next PNG page (kDefaultPngDpi until set).
    void setPngResolution(int dpi) { m_pngDpi = dpi; }
    // Starts the job: the current printer is looked up, its paper checked and
    // the spool file (or the PDF file) opened.
    void beginDoc() override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void drawWideLine(float x1, float y1, float x2, float y2, double widthRatio,
                      const QColor& colour) override;
    void fillRect(float x, float y, float width, float height, const QColor& colour) override;
    // The glyphs go into the document as text in the raw font, which the
    // document holds once (the glyphs used, as a subset) however often they
    // are drawn. The font must be one Qt can embed: one the font database
    // knows by its file (QRawFont::fromFont of an application font).
    void drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) override;

    void setCurrentX(float twips) override;
    void setCurrentY(float twips) override;
    float currentX() const override { return m_x; }
    float currentY() const override { return m_y; }
    void setFontName(const QString& face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void setFontUnderline(bool underline) override;
    void setForeColor(const QColor& colour) override;
    void printLine(const QString& line) override;

    void paintPicture(const QImage& picture, float x, float y, float width, float height) override;

    void newPage() override;
    void endDoc() override;
    void abortDoc() noexcept override;
    QString failure() const override { return m_failure; }
    // The current printer's minimum margins for the paper, as Qt's print
    // support knows them from the printer's description; none for a PDF, for
    // no printer and for a paper the printer does not know.
    QMarginsF unprintableMargins(const PaperSize& paper, Orientation orientation) const override;

    // True for every file mode (PDF, SVG, PNG, the PDF stream), false for a
    // printer.
    bool isPdf() const { return m_printers == nullptr; }
    FileFormat fileFormat() const { return m_format; }
    // True while a job has been started and not yet ended or aborted.
    bool jobOpen() const { return m_job != nullptr; }
    // Device pixels per inch of the open job, else of the last one (0 before
    // the first).
    int resolution() const { return m_resolution; }
    // Jobs handed on by endDoc() so far, and the page count of the last one.
    int jobsDelivered() const { return m_jobsDelivered; }
    int lastJobPages() const { return m_lastJobPages; }
    // The paper of the next page, as set by setPaperSize()/setOrientation().
    QPageLayout pageLayout() const;

private:
    struct Job;

    Job& output();
    void startJob();
    // The painter's transform at the start of a page: the page placed on the
    // paper, device pixels, and the scale correction.
    void placePage(Job& job) const;
    // A PNG page drawn in grey so far goes on in colour when this colour (or
    // picture) is not grey.
    void drawInColour(Job& job, const QColor& colour, const QImage* picture = nullptr) const;
    void finishJob();
    // In the handler of an operation: keeps what was thrown as the failure.
    void keepFailure();

    const IPrinterList* m_printers = nullptr;
    QString m_pdfPath; // the file of file mode, whatever its format
    FileFormat m_format = FileFormat::Pdf;
    int m_pngDpi = kDefaultPngDpi;
    double m_scaleX = 1;
    double m_scaleY = 1;
    QIODevice* m_stream = nullptr;
    std::unique_ptr<Job> m_job;

    QPageSize m_pageSize = pageSizeOf(defaultPaper());
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    int m_lineWidth = 1;
    QColor m_foreColor{Qt::black};
    QString m_fontFace;
    double m_fontPoints = 10;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    float m_x = 0;
    float m_y = 0;

    // The last answer of unprintableMargins(): asking the printer costs a
    // round trip to the print scheduler, and every preview asks.
    struct Strips {
        QString printer;
        QPageSize size;
        Orientation orientation = Orientation::Portrait;
        QMarginsF margins;
    };
    mutable std::optional<Strips> m_strips;

    // The first failure since the last abortDoc() ("" when none).
    QString m_failure;
    int m_resolution = 0;
    int m_jobsDelivered = 0;
    int m_lastJobPages = 0;
};

} // namespace pernoa::output

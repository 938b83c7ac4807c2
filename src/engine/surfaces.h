#pragma once

#include "engine/outcome.h"
#include "engine/papersizes.h"

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QMarginsF>
#include <QString>
#include <QStringList>

namespace pernoa {

struct SheetSettings;

// The page surface of the preview window. Coordinates are preview twips from
// its top left corner, y downwards.
class IPreviewSurface {
public:
    virtual ~IPreviewSurface() = default;

    // The surface takes exactly this size.
    virtual void setSurfaceHeight(int twips) = 0;
    virtual void setSurfaceWidth(int twips) = 0;
    // Removes every line drawn so far; item display elements stay.
    virtual void clear() = 0;
    // Later coordinates are twips from the top left corner.
    virtual void setUnitTwips() = 0;
    // A line one device pixel wide.
    virtual void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) = 0;
    // A filled rectangle.
    virtual void fillRect(float x, float y, float width, float height, const QColor& colour) = 0;
    // Glyphs at their origins; the raw font's pixel size is the em in twips.
    virtual void drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) = 0;
};

// The preview window's frame around the page picture, in twips: a page of
// h by w preview twips makes a window of h + kPreviewWindowExtraHeight by
// w + kPreviewWindowExtraWidth, its description label at
// h + kDescriptionBelowPicture.
inline constexpr int kPreviewWindowExtraWidth = 351;
inline constexpr int kPreviewWindowExtraHeight = 1542;
inline constexpr int kDescriptionBelowPicture = 267;

// The preview window around the page surface: the parts the page-size
// routines move and resize. Sizes are twips.
class IPreviewWindow {
public:
    virtual ~IPreviewWindow() = default;

    virtual void setWindowHeight(int twips) = 0;
    virtual void setWindowWidth(int twips) = 0;
    // Top of the description label below the page.
    virtual void setDescriptionTop(int twips) = 0;
    // The title label over the page: its width, and its new left edge.
    virtual int titleWidth() const = 0;
    virtual void setTitleLeft(float twips) = 0;
    // Shows the window (not modal).
    virtual void showWindow() = 0;
    // One short line about the page just laid out, in the title label over
    // the page; "" when there is nothing to say.
    virtual void setNotice(const QString& text) { (void)text; }
};

// The current printer. Coordinates are twips from the page's top left corner
// once the unit is set. A printer does not throw: the first operation that
// fails keeps its cause as failure(), and every later operation does nothing
// until abortDoc() drops the job. Whoever drives a job asks failure() before
// it draws, after each copy and after endDoc().
class IPrinter {
public:
    virtual ~IPrinter() = default;

    // The paper of the following pages, a row of the paper table.
    virtual void setPaperSize(const PaperSize& paper) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setUnitTwips() = 0;
    // Width of following lines in the printer's own device pixels.
    virtual void setLineWidth(int devicePixels) = 0;
    // The printer's scale correction for the next job: everything is drawn
    // this many times larger (1: as it is), per axis, from the paper's top
    // left corner, to make up for a printer that prints larger or smaller
    // than the page it is sent. A file (PDF, SVG, PNG) is the paper at its
    // true size and takes no correction.
    virtual void setScaleCorrection(double x, double y) {
        (void)x;
        (void)y;
    }
    // Opens the device for a job with the paper and orientation set so far:
    // the last step of preparing the printer, so that a printer that cannot be
    // used fails before anything of the page is drawn anywhere. A job already
    // open stays as it is.
    virtual void beginDoc() = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) = 0;
    // A line widthRatio times as wide as the lines of setLineWidth().
    virtual void drawWideLine(float x1, float y1, float x2, float y2, double widthRatio,
                              const QColor& colour) = 0;
    virtual void fillRect(float x, float y, float width, float height, const QColor& colour) = 0;
    // Glyphs at their origins; the raw font's pixel size is the em in twips.
    virtual void drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) = 0;

    // Text output: the next line starts at the current position.
    virtual void setCurrentX(float twips) = 0;
    virtual void setCurrentY(float twips) = 0;
    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void setFontName(const QString& face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontItalic(bool italic) = 0;
    virtual void setFontUnderline(bool underline) = 0;
    virtual void setForeColor(const QColor& colour) = 0;
    // Prints one line with its top left at the current position; afterwards the
    // position is one line height lower and x is 0.
    virtual void printLine(const QString& line) = 0;

    // The picture stretched into the rectangle.
    virtual void paintPicture(const QImage& picture, float x, float y, float width,
                              float height) = 0;

    virtual void newPage() = 0;
    // Hands the pages so far to the printing system as one job.
    virtual void endDoc() = 0;
    // Drops a job that an error interrupted, so nothing half-drawn is sent,
    // and forgets the failure.
    virtual void abortDoc() = 0;
    // What went wrong since the job started, in the program's developer
    // English ("cannot write x.pdf: Permission denied"); "" while all is well.
    virtual QString failure() const = 0;

    // The strips along the paper's edges (twips, for this paper and
    // orientation) in which the current printer cannot print. None where
    // everything of the paper is printed (a PDF) or nothing is known.
    virtual QMarginsF unprintableMargins(const PaperSize& paper, Orientation orientation) const {
        (void)paper;
        (void)orientation;
        return {};
    }
};

// The system's printers, and which one the program prints on.
class IPrinterList {
public:
    virtual ~IPrinterList() = default;

    // Installed printers in the system's order.
    virtual QStringList printerNames() const = 0;
    // The current printer's name (initially the system's default; "" when none).
    virtual QString currentPrinterName() const = 0;
    // Makes an installed printer current for every later job.
    virtual void setCurrentPrinter(const QString& name) = 0;
    // False when the system's print scheduler does not answer: an empty list
    // then says nothing about which printers are installed.
    virtual bool schedulerAnswers() const { return true; }
};

// The page's free text and image items, as the drawing routine walks them
// after the staves: every item in use is shown on the preview and, when a
// printer is given, printed on the current page. Failed when an item's
// position or size cannot be held; what the printer refuses is its own
// failure().
class IOverlayOutput {
public:
    virtual ~IOverlayOutput() = default;

    virtual Outcome outputTextItems(IPrinter* printer) = 0;
    virtual Outcome outputImageItems(IPrinter* printer) = 0;
};

} // namespace pernoa

#include "engine/calibrationsheet.h"

#include "engine/controls.h"
#include "engine/formatwords.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "engine/texts.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace pernoa {
namespace {

// Exact twips: 1440 to the inch. The sheet is a measuring instrument, so it
// does not use the program's rounded 56.7 twips to the millimetre.
constexpr double kTwipsPerMmExact = 1440.0 / 25.4;

float mm(double millimetres) {
    return float(millimetres * kTwipsPerMmExact);
}

class SheetPainter {
public:
    explicit SheetPainter(IPrinter& printer) : m_printer(printer) {}

    void line(double x1, double y1, double x2, double y2) {
        m_printer.drawLine(mm(x1), mm(y1), mm(x2), mm(y2), Qt::black);
    }
    void text(double x, double y, const QString& text) {
        m_printer.setCurrentX(mm(x));
        m_printer.setCurrentY(mm(y));
        m_printer.printLine(text);
    }
    void font(double points, bool bold) {
        m_printer.setFontSize(points);
        m_printer.setFontBold(bold);
    }

private:
    IPrinter& m_printer;
};

void drawSheet(IPrinter& printer, double width, double height) {
    SheetPainter p(printer);
    const double inset = kCalibrationFrameInsetMm;
    const double right = width - inset;
    const double bottom = height - inset;

    // The frame: the lines the user measures.
    printer.setLineWidth(2);
    p.line(inset, inset, right, inset);
    p.line(inset, bottom, right, bottom);
    p.line(inset, inset, inset, bottom);
    p.line(right, inset, right, bottom);

    // Crosshairs at the centre of the paper.
    const double cx = width / 2;
    const double cy = height / 2;
    p.line(cx - 15, cy, cx + 15, cy);
    p.line(cx, cy - 15, cx, cy + 15);

    // Rulers hanging inside the top and left frame lines, a tick every
    // millimetre (longer every 5 and 10), numbered every 10 mm from the paper
    // edge as it was meant to be printed.
    printer.setLineWidth(1);
    printer.setFontName(QString::fromUtf8(face::kCalibrationFace));
    p.font(6, false);
    auto tick = [](int k) { return k % 10 == 0 ? 5.0 : k % 5 == 0 ? 3.5 : 2.0; };
    for (int k = int(inset) + 1; k < int(std::ceil(right)); ++k) {
        p.line(k, inset, k, inset + tick(k));
        if (k % 10 == 0 && k + 6 < right)
            p.text(k + 0.5, inset + 3.2, num::toText(k));
    }
    for (int k = int(inset) + 1; k < int(std::ceil(bottom)); ++k) {
        p.line(inset, k, inset + tick(k), k);
        if (k % 10 == 0 && k + 3 < bottom)
            p.text(inset + 5.5, k - 1.2, num::toText(k));
    }

    // The scale rulers: one across near the bottom, one down near the right
    // edge, centred on the paper, each as long as the paper's height and
    // width both allow, up to kCalibrationRulerMm.
    const double length = calibrationRulerMm(width, height);
    if (length > 0) {
        const double baseY = bottom - 15;
        const double left = cx - length / 2;
        p.line(left, baseY, left + length, baseY);
        const double baseX = right - 15;
        const double top = cy - length / 2;
        p.line(baseX, top, baseX, top + length);
        for (int k = 0; k <= int(length); ++k) {
            p.line(left + k, baseY, left + k, baseY - tick(k));
            p.line(baseX, top + k, baseX - tick(k), top + k);
            if (k % 10 == 0) {
                p.text(left + k - 1, baseY - 8.5, num::toText(k));
                p.text(baseX - 11, top + k - 1.2, num::toText(k));
            }
        }
    }

    // What to do with it.
    double y = inset + 15;
    p.font(11, true);
    p.text(inset + 12, y, texts::calibrationTitle());
    p.font(8, false);
    y += 7;
    for (const QString& line : texts::calibrationInstructions().split(u'\n')) {
        p.text(inset + 12, y, line);
        y += 4.5;
    }
    if (length > 0) {
        y += 2;
        for (const QString& line : texts::scaleInstructions(num::toText(length)).split(u'\n')) {
            p.text(inset + 12, y, line);
            y += 4.5;
        }
    }
    printer.newPage();
}

} // namespace

double calibrationRulerMm(double widthMm, double heightMm) {
    // Room for the frame, the labels and the crosshairs on either side.
    const double room = std::min(widthMm, heightMm) - 2 * kCalibrationFrameInsetMm - 20;
    const double length = std::min(kCalibrationRulerMm, std::floor(room / 10) * 10);
    return length >= 10 ? length : 0;
}

Outcome drawCalibrationSheet(TavriEngine& engine) {
    IForm& form = engine.form();
    IMessages& messages = engine.messages();
    IPrinter* printer = engine.printer();

    const Orientation orientation = engine.checkedOrientation();
    std::optional<PaperSize> paper = engine.selectedPaper();
    // The paper of the user's size needs a size it may have.
    if (!paper && form.isChecked(ctl::optNini) && !engine.CheckSheetParams())
        return Outcome::refused();
    if (!paper)
        paper = defaultPaper();
    // Drawn at the scale correction the page would be printed at, so that
    // once the rulers measure true the frame measures the offsets alone.
    if (!engine.checkScaleCorrection())
        return Outcome::refused();
    const double scaleX = num::toDouble(form.text(ctl::txtPrinterBairituX)) / 100;
    const double scaleY = num::toDouble(form.text(ctl::txtPrinterBairituY)) / 100;

    messages.setBusyPointer(true);
    QString cause;
    if (!printer) {
        cause = texts::noPrinter();
    } else {
        printer->setPaperSize(*paper);
        printer->setOrientation(orientation);
        printer->setUnitTwips();
        printer->setScaleCorrection(scaleX, scaleY);
        printer->beginDoc();
        try {
            const QSizeF size = paper->sizeMm(orientation);
            drawSheet(*printer, size.width(), size.height());
            printer->endDoc();
            cause = printer->failure();
        } catch (const std::bad_alloc&) {
            cause = texts::outOfMemory();
        }
    }
    messages.setBusyPointer(false);
    if (!cause.isEmpty()) {
        if (printer)
            printer->abortDoc();
        messages.showMessage(texts::catchAllError(), texts::appTitle(), MsgIcon::None);
        messages.explainError(cause);
        return Outcome::failed(cause);
    }
    messages.showMessage(texts::printRequested(), texts::appTitle(), MsgIcon::Information);
    return Outcome::done(1);
}

} // namespace pernoa

#include "engine/calibrationsheet.h"

#include "engine/controls.h"
#include "engine/formatwords.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "engine/texts.h"

#include <QColor>
#include <QString>

#include <cmath>
#include <new>

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
    printer.newPage();
}

} // namespace

Outcome drawCalibrationSheet(TavriEngine& engine) {
    IForm& form = engine.form();
    IMessages& messages = engine.messages();
    IPrinter* printer = engine.printer();

    const PaperSize* paper = &defaultPaper();
    for (const PaperSize& p : paperTable())
        if (form.isChecked(p.option))
            paper = &p;
    const Orientation orientation = engine.checkedOrientation();

    messages.setBusyPointer(true);
    QString cause;
    if (!printer) {
        cause = texts::noPrinter();
    } else {
        printer->setPaperSize(*paper);
        printer->setOrientation(orientation);
        printer->setUnitTwips();
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

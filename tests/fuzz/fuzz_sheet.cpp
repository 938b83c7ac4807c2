// The parameter check and the layout: any texts in the main window's fields
// are refused with a message, drawn, or stopped by the one error handler;
// never a crash, a hang or an unbounded amount of work.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "fuzzcheck.h"
#include "recorders.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pernoa;
    static int argc = 1;
    static char name[] = "fuzz_sheet";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);

    // One field a line, in the order below; options by the first byte.
    const QStringList fields = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                                 qsizetype(std::min<std::size_t>(size, 2048)))
                                   .split(QLatin1Char('\n'));
    const char* const texts[] = {ctl::txtSpaceSizeUp,   ctl::txtSpaceSizeDown,
                                 ctl::txtSpaceSizeLeft, ctl::txtSpaceSizeRight,
                                 ctl::txtPrinterGosaX,  ctl::txtPrinterGosaY,
                                 ctl::txtDaifuhyoCnt,   ctl::txtDaifuhyoInterval,
                                 ctl::txtTavriDansu,    ctl::txtLineInterval};
    HeadlessForm form;
    test::RecordingMessages messages;
    TavriEngine engine(form, messages);
    engine.initStartValues();
    for (int i = 0; i < int(std::size(texts)) && i < fields.size(); ++i)
        form.setText(QString::fromLatin1(texts[i]), fields[i]);
    if (size > 0) {
        const std::uint8_t options = data[0];
        const char* const lines[] = {ctl::opt2, ctl::opt3, ctl::opt4, ctl::opt5, ctl::opt6};
        form.setChecked(QString::fromLatin1(lines[options % 5]), true);
        form.setChecked(QString::fromLatin1(ctl::chkPrintDirectionYoko), options & 0x80);
    }
    // Lines are counted, not recorded: a page at the line limit is a million
    // of them, and recording each would time the recorder, not the layout.
    struct CountingPrinter : test::RecordingPrinter {
        double lines = 0;
        void drawLine(float, float, float, float, const QColor&) override { ++lines; }
    } printer;
    engine.setPrinter(&printer);
    engine.DrawTavriSheet(size > 1 && (data[1] & 1) ? 1 : 0);
    // However the texts fall, the work stays bounded.
    FUZZ_CHECK(double(engine.lastLines().size()) <= kMaxTavriLines);
    FUZZ_CHECK(printer.lines <= kMaxTavriLines);
    return 0;
}
